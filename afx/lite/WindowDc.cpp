#include "WindowDc.h"
#include "WndStub.h"

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(AfxLiteGetSafeHwnd(pWnd)) { AttachTracked(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, DetachTracked());
}
