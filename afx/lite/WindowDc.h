// CWindowDC: the DC of a whole window including its non-client area (of the screen for a null
// window), taken on construction and released on destruction.
#pragma once
#include "Dc.h"

class CWnd;

class AFX_LITE_API CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
