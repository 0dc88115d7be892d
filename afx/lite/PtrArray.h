// CPtrArray: the framework's an array of untyped pointers it does not own, with run-time class information.
#pragma once
#include "Array.h"

class AFX_LITE_API CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};
