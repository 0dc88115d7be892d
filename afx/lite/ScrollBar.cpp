#include "ScrollBar.h"
#include "CtlSend.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

CScrollBar::CScrollBar() = default;
CScrollBar::~CScrollBar() { DestroyWindow(); }

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

// The control is its own bar: each operation is the window's scroll-bar call for SB_CTL.
int CScrollBar::GetScrollPos() const { return AfxLiteHasWindow(m_hWnd) ? CWnd::GetScrollPos(SB_CTL) : 0; }

int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw)
{
    return AfxLiteHasWindow(m_hWnd) ? CWnd::SetScrollPos(SB_CTL, nPos, bRedraw) : 0;
}

void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
{
    int nMin = 0;
    int nMax = 0;
    if (AfxLiteHasWindow(m_hWnd))
        CWnd::GetScrollRange(SB_CTL, &nMin, &nMax);
    if (lpMinPos != nullptr)
        *lpMinPos = nMin;
    if (lpMaxPos != nullptr)
        *lpMaxPos = nMax;
}

void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (AfxLiteHasWindow(m_hWnd))
        CWnd::SetScrollRange(SB_CTL, nMinPos, nMaxPos, bRedraw);
}

void CScrollBar::ShowScrollBar(BOOL bShow)
{
    if (AfxLiteHasWindow(m_hWnd))
        CWnd::ShowScrollBar(SB_CTL, bShow);
}

BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags)
{
    return AfxLiteHasWindow(m_hWnd) ? ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags) : FALSE;
}

BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    if (lpScrollInfo == nullptr || !AfxLiteHasWindow(m_hWnd))
        return FALSE;
    return CWnd::SetScrollInfo(SB_CTL, lpScrollInfo, bRedraw);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    if (lpScrollInfo == nullptr || !AfxLiteHasWindow(m_hWnd))
        return FALSE;
    return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask);
}

int CScrollBar::GetScrollLimit() { return AfxLiteHasWindow(m_hWnd) ? CWnd::GetScrollLimit(SB_CTL) : 0; }
