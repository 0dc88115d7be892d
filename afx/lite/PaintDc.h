// CPaintDC: the DC of one WM_PAINT: BeginPaint on construction, EndPaint on destruction.
#pragma once
#include "Dc.h"

class CWnd;

class AFX_LITE_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    // Attributes
    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
