// CClientDC: the client-area DC of a window (of the screen for a null window), taken on
// construction and released on destruction.
#pragma once
#include "Dc.h"

class CWnd;

class AFX_LITE_API CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
