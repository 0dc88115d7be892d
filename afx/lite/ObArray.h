// CObArray: the framework's an array of CObject pointers it does not own, with run-time class information.
#pragma once
#include "Array.h"

class AFX_LITE_API CObArray : public CArray<CObject*, CObject*>
{
    DECLARE_DYNAMIC(CObArray)
};
