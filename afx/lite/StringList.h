// CStringList: the framework's a list of CString, with run-time class information.
#pragma once
#include "List.h"

class AFX_LITE_API CStringList : public CList<CString, const CString&>
{
    DECLARE_DYNAMIC(CStringList)
};
