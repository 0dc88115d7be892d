// CPtrList: the framework's a list of untyped pointers it does not own, with run-time class information.
#pragma once
#include "List.h"

class AFX_LITE_API CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
};
