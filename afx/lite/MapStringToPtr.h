// CMapStringToPtr: the framework's a map from CString keys to untyped pointers it does not own, with run-time class information.
#pragma once
#include "Map.h"

class AFX_LITE_API CMapStringToPtr : public CMap<CString, LPCSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
};
