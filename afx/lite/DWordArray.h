// CDWordArray: the framework's an array of DWORD, with run-time class information.
#pragma once
#include "Array.h"

class AFX_LITE_API CDWordArray : public CArray<DWORD, DWORD>
{
    DECLARE_DYNAMIC(CDWordArray)
};
