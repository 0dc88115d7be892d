// CStringArray: the framework's an array of CString, with run-time class information.
#pragma once
#include "Array.h"

class AFX_LITE_API CStringArray : public CArray<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringArray)
};
