// CUIntArray: the framework's an array of UINT, with run-time class information.
#pragma once
#include "Array.h"

class AFX_LITE_API CUIntArray : public CArray<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};
