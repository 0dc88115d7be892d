// CMapPtrToPtr: the framework's a map between untyped pointers it owns neither of, with run-time class information.
#pragma once
#include "Map.h"

class AFX_LITE_API CMapPtrToPtr : public CMap<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
};
