#include "SelectionList.h"
#include "DropMessages.h"
#include "StringUtils.h"
#include "SystemUtils.h"
#include "TextArray.h"
#include "TextMatch.h"
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

// A double click is a click for this list: it picks the row and closes.
#define ON_WM_LBUTTONDBLCLK_AS_UP()                                                                  \
    { WM_LBUTTONDBLCLK, 0, 0, 0, AfxSig_v_u_p,                                                       \
      AFX_MAP_FN(void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), &ThisClass::OnLButtonUp) },

BEGIN_MESSAGE_MAP(CSelectionList, CListBox)
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK_AS_UP()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_WM_CHAR()
END_MESSAGE_MAP()

CSelectionList::CSelectionList()
    : m_nScrollLines(SystemUtils::GetMouseScrollLines()),
      m_nWheelRemainder(0),
      m_nHWheelRemainder(0),
      m_nLastSel(LB_ERR),
      m_nMatchMode(TextMatch::kPrefix),
      m_pTexts(nullptr),
      m_pChosen(nullptr),
      m_nFirst(0),
      m_nRows(0)
{
}

CSelectionList::~CSelectionList() = default;

void CSelectionList::ShowChosen(const TextArray* texts, const std::vector<size_t>* indices)
{
    ShowTexts(indices != nullptr ? texts : nullptr, 0, indices != nullptr ? indices->size() : 0);
    m_pChosen = m_pTexts != nullptr ? indices : nullptr;
}

void CSelectionList::ShowTexts(const TextArray* texts, size_t first, size_t count)
{
    m_pTexts = texts;
    m_pChosen = nullptr;
    m_nFirst = first;
    m_nRows = texts != nullptr ? std::min(count, static_cast<size_t>(INT_MAX)) : 0;
    m_nLastSel = LB_ERR;
    if (m_hWnd == nullptr)
        return;
    // Emptied first, so the selection and the scroll position start afresh as with new rows.
    SendMessage(LB_RESETCONTENT);
    SendMessage(LB_SETCOUNT, static_cast<WPARAM>(m_nRows));
    Invalidate();
}

bool CSelectionList::GetTextIndex(int row, size_t& index) const
{
    if (m_pTexts == nullptr || row < 0 || static_cast<size_t>(row) >= m_nRows)
        return false;
    if (m_pChosen != nullptr && static_cast<size_t>(row) >= m_pChosen->size())
        return false;
    index = m_pChosen != nullptr ? (*m_pChosen)[static_cast<size_t>(row)] : m_nFirst + static_cast<size_t>(row);
    // The array may have shrunk since it was shown: a row past its end shows nothing.
    return index < m_pTexts->GetCount();
}

const CString* CSelectionList::RowText(int row) const
{
    size_t index = 0;
    return GetTextIndex(row, index) ? &(*m_pTexts)[index] : nullptr;
}

int CSelectionList::FindRow(int start, const CString& text, bool exact) const
{
    const int rows = static_cast<int>(m_nRows);
    if (rows <= 0)
        return LB_ERR;
    const int from = start < 0 || start >= rows ? 0 : start + 1;
    const auto matches = [&](int row) {
        const CString* pText = RowText(row);
        if (pText == nullptr)
            return false;
        if (exact)
            return pText->GetLength() == text.GetLength() && StringUtils::MatchFirstChars(*pText, text, false);
        return StringUtils::MatchFirstChars(*pText, text, false);
    };
    // From the top, a sorted array finds a prefix by binary search when the shown range holds
    // the first text that begins with it; anything else scans the rows.
    if (from == 0 && !exact && m_pTexts != nullptr && m_pChosen == nullptr)
    {
        size_t index = 0;
        size_t last = 0;
        if (m_pTexts->FindPrefixRange(text, index, last) && index >= m_nFirst && index - m_nFirst < m_nRows &&
            matches(static_cast<int>(index - m_nFirst)))
            return static_cast<int>(index - m_nFirst);
    }
    for (int i = 0; i < rows; ++i)
    {
        const int row = (from + i) % rows;
        if (matches(row))
            return row;
    }
    return LB_ERR;
}

LRESULT CSelectionList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case LB_GETTEXTLEN:
    {
        const CString* pText = RowText(static_cast<int>(wParam));
        return pText != nullptr ? pText->GetLength() : LB_ERR;
    }
    case LB_GETTEXT:
    {
        const CString* pText = RowText(static_cast<int>(wParam));
        if (pText == nullptr || lParam == 0)
            return LB_ERR;
        std::memcpy(reinterpret_cast<char*>(lParam), pText->GetString(), static_cast<size_t>(pText->GetLength()) + 1);
        return pText->GetLength();
    }
    case LB_FINDSTRINGEXACT:
    case LB_FINDSTRING:
    case LB_SELECTSTRING:
    {
        if (lParam == 0)
            return LB_ERR;
        const int row = FindRow(static_cast<int>(wParam), CString(reinterpret_cast<LPCSTR>(lParam)),
                                message == LB_FINDSTRINGEXACT);
        if (message == LB_SELECTSTRING && row != LB_ERR)
            CListBox::WindowProc(LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        return row;
    }
    default:
        return CListBox::WindowProc(message, wParam, lParam);
    }
}

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

// ---------------------------------------------------------------------------------------------
// Marked matches

void CSelectionList::SetMatch(const CString& typed, int mode)
{
    m_strTyped = typed;
    m_nMatchMode = mode;
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
}

LRESULT CSelectionList::OnSetFont(WPARAM wParam, LPARAM /*lParam*/)
{
    // An owner-drawn list's rows are as high as its font, which arrives after they were sized.
    const LRESULT result = Default();
    m_painter.SetFont(reinterpret_cast<HFONT>(wParam));
    SetItemHeight(0, static_cast<UINT>(m_painter.GetRowHeight(m_hWnd)));
    return result;
}

void CSelectionList::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct != nullptr && ::IsWindow(m_hWnd))
        lpMeasureItemStruct->itemHeight = static_cast<UINT>(m_painter.GetRowHeight(m_hWnd));
}

void CSelectionList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct == nullptr)
        return;
    const CString* pText = RowText(static_cast<int>(lpDrawItemStruct->itemID));
    const CString text = pText != nullptr ? *pText : CString();
    const int start = m_strTyped.IsEmpty() ? -1 : TextMatch::Find(text, m_strTyped, m_nMatchMode);
    m_painter.Draw(*lpDrawItemStruct, text, start, start >= 0 ? m_strTyped.GetLength() : 0);
}
