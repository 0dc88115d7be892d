#include "PaintDc.h"
#include "WndStub.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(AfxLiteGetSafeHwnd(pWnd))
{
    // BeginPaint needs a window; without one the DC stays empty.
    if (m_hWnd != nullptr)
        AttachTracked(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr)
    {
        DetachTracked();
        ::EndPaint(m_hWnd, &m_ps);
    }
}
