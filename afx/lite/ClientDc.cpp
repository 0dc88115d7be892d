#include "ClientDc.h"
#include "WndStub.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(AfxLiteGetSafeHwnd(pWnd)) { AttachTracked(::GetDC(m_hWnd)); }

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, DetachTracked());
}
