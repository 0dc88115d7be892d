#include "SelectionList.h"
#include "DropMessages.h"
#include "SystemUtils.h"
#include <cstdlib>

// A double click is a click for this list: it picks the row and closes.
#define ON_WM_LBUTTONDBLCLK_AS_UP()                                                                  \
    { WM_LBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p,                                                       \
      AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonUp) },

BEGIN_MESSAGE_MAP(CSelectionList, CListBox)
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK_AS_UP()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_CHAR()
END_MESSAGE_MAP()

CSelectionList::CSelectionList()
    : m_nScrollLines(SystemUtils::GetMouseScrollLines()),
      m_nWheelRemainder(0),
      m_nHWheelRemainder(0),
      m_nLastSel(LB_ERR)
{
}

CSelectionList::~CSelectionList() = default;

void CSelectionList::SendToParent(UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(message, wParam, lParam);
}

void CSelectionList::OnLButtonUp(UINT nFlags, CPoint point)
{
    CListBox::OnLButtonUp(nFlags, point);
    if (GetParent() == nullptr)
        return;
    SendToParent(WM_DROPWND_CHILD_SELCHANGE, 0, 0);
    SendToParent(WM_DROPWND_CHILD_CLOSE, 1, 0);
}

void CSelectionList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_RETURN:
    case VK_ESCAPE:
        CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
        SendToParent(WM_DROPWND_CHILD_CLOSE, nChar == VK_RETURN ? 1 : 0, 0);
        return;
    case VK_UP:
    case VK_DOWN:
    {
        const int count = GetCount();
        if (count <= 0)
            return; // nothing to move to: an empty row would reach the edit as an empty text
        int row = GetCurSel() + (nChar == VK_DOWN ? 1 : -1);
        if (row < 0)
            row = count - 1;
        else if (row >= count)
            row = 0;
        m_nLastSel = row;
        SetCurSel(row);
        SendToParent(WM_DROPWND_CHILD_SELCHANGE, 0, 1);
        return;
    }
    default:
        CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
        break;
    }
    const int row = GetCurSel();
    if (row != m_nLastSel)
    {
        m_nLastSel = row;
        // No row is nothing to report: the edit would take an empty text for the user's pick.
        // (Typing into the list clears the highlight while the edit keeps what was typed.)
        if (row != LB_ERR)
            SendToParent(WM_DROPWND_CHILD_SELCHANGE, 0, 1);
    }
}

void CSelectionList::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Printable characters and Backspace belong to the edit's text; the list box's own search
    // by first letter would move the highlight behind the edit's back.
    if (nChar >= ' ' || nChar == VK_BACK)
    {
        SendToParent(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
        return;
    }
    CListBox::OnChar(nChar, nRepCnt, nFlags);
}

void CSelectionList::ScrollByWheel(int& remainder, short delta, UINT message, WPARAM towardsStart,
                                   WPARAM towardsEnd)
{
    // Turns in either direction add up: only whole notches scroll, whatever their sign.
    remainder += std::abs(static_cast<int>(delta));
    const int notches = remainder / WHEEL_DELTA;
    remainder -= notches * WHEEL_DELTA;
    const int lines = m_nScrollLines * notches;
    for (int i = 0; i < lines; ++i)
        PostMessage(message, delta > 0 ? towardsStart : towardsEnd, 0);
}

BOOL CSelectionList::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    ScrollByWheel(m_nWheelRemainder, zDelta, WM_VSCROLL, SB_LINEUP, SB_LINEDOWN);
    return TRUE;
}

void CSelectionList::HorzWheel(short delta)
{
    ScrollByWheel(m_nHWheelRemainder, delta, WM_HSCROLL, SB_LINERIGHT, SB_LINELEFT);
}
