#include "ListBox.h"
#include "../afxstr.h"
#include "CtlSend.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::CListBox() = default;

// Destroyed here, as the framework does. By now a subclass's part is gone, so a subclass whose
// DeleteItem must see the remaining rows destroys the window in its own destructor.
CListBox::~CListBox() { DestroyWindow(); }

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETCOUNT)); }
int CListBox::GetHorizontalExtent() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETHORIZONTALEXTENT)); }
void CListBox::SetHorizontalExtent(int cxExtent) { AfxLiteSendCtl(m_hWnd, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(cxExtent)); }
int CListBox::GetTopIndex() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETTOPINDEX)); }
int CListBox::SetTopIndex(int nIndex) { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SETTOPINDEX, static_cast<WPARAM>(nIndex), 0, LB_ERR)); }

int CListBox::InitStorage(int nItems, UINT nBytes)
{
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_INITSTORAGE, static_cast<WPARAM>(nItems), nBytes, LB_ERRSPACE));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    // Without a window every point is outside; the high word of the answer says so otherwise.
    DWORD dw = static_cast<DWORD>(AfxLiteSendCtl(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y), MAKELONG(0, 1)));
    bOutside = HIWORD(dw) != 0;
    return LOWORD(dw);
}

// Indexes come back as LB_ERR when there is no window, as the control answers for "none".
int CListBox::GetCurSel() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETCURSEL, 0, 0, LB_ERR)); }
int CListBox::SetCurSel(int nSelect) { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0, LB_ERR)); }
int CListBox::GetSel(int nIndex) const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex), 0, LB_ERR)); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SETSEL, bSelect, nIndex, LB_ERR)); }
int CListBox::GetSelCount() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETSELCOUNT, 0, 0, LB_ERR)); }

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    if (rgIndex == nullptr || nMaxItems <= 0)
        return 0;
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems),
                                           reinterpret_cast<LPARAM>(rgIndex), LB_ERR));
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    // The extended message reads its direction from the order of the ends (a one-row range
    // would always select), so the ends are ordered here and a single row is set directly.
    int nLow = nFirstItem < nLastItem ? nFirstItem : nLastItem;
    int nHigh = nFirstItem < nLastItem ? nLastItem : nFirstItem;
    if (bSelect)
        return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SELITEMRANGEEX, static_cast<WPARAM>(nLow), nHigh, LB_ERR));
    if (nLow == nHigh)
        return SetSel(nLow, FALSE);
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SELITEMRANGEEX, static_cast<WPARAM>(nHigh), nLow, LB_ERR));
}

void CListBox::SetAnchorIndex(int nIndex) { AfxLiteSendCtl(m_hWnd, LB_SETANCHORINDEX, static_cast<WPARAM>(nIndex)); }
int CListBox::GetAnchorIndex() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETANCHORINDEX, 0, 0, LB_ERR)); }
int CListBox::GetCaretIndex() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETCARETINDEX, 0, 0, LB_ERR)); }
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    // As in the framework, bScroll is the message's own flag: non-zero is content with a row
    // that is only partly in view.
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(nIndex), bScroll, LB_ERR));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(AfxLiteSendCtl(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0, LB_ERR));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                                           static_cast<LPARAM>(dwItemData), LB_ERR));
}

void* CListBox::GetItemDataPtr(int nIndex) const
{
    // A row that does not exist has no data, not a pointer made of LB_ERR.
    LRESULT lData = AfxLiteSendCtl(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0, LB_ERR);
    return lData == LB_ERR ? nullptr : reinterpret_cast<void*>(lData);
}

int CListBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (lpRect == nullptr)
        return LB_ERR;
    ::SetRectEmpty(lpRect);
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpRect), LB_ERR));
}

int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const
{
    if (lpszBuffer == nullptr)
        return LB_ERR;
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpszBuffer), LB_ERR));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    // A missing row gives an empty string instead of a buffer sized by LB_ERR.
    int nLen = GetTextLen(nIndex);
    if (nLen <= 0)
    {
        rString.Empty();
        return;
    }
    int nCopied = GetText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
}

int CListBox::GetTextLen(int nIndex) const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0, LB_ERR)); }
void CListBox::SetColumnWidth(int cxWidth) { AfxLiteSendCtl(m_hWnd, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(cxWidth)); }

BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, LB_SETTABSTOPS, static_cast<WPARAM>(nTabStops),
                                            reinterpret_cast<LPARAM>(rgTabStops)));
}

void CListBox::SetTabStops() { AfxLiteSendCtl(m_hWnd, LB_SETTABSTOPS); }

BOOL CListBox::SetTabStops(const int& cxEachStop)
{
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex),
                                           MAKELONG(cyItemHeight, 0), LB_ERR));
}

int CListBox::GetItemHeight(int nIndex) const
{
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0, LB_ERR));
}

int CListBox::AddString(LPCSTR lpszItem)
{
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem), LB_ERR));
}

int CListBox::DeleteString(UINT nIndex) { return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_DELETESTRING, nIndex, 0, LB_ERR)); }

int CListBox::InsertString(int nIndex, LPCSTR lpszItem)
{
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpszItem), LB_ERR));
}

void CListBox::ResetContent() { AfxLiteSendCtl(m_hWnd, LB_RESETCONTENT); }

int CListBox::Dir(UINT attr, LPCSTR lpszWildCard)
{
    if (lpszWildCard == nullptr)
        return LB_ERR;
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_DIR, attr, reinterpret_cast<LPARAM>(lpszWildCard), LB_ERR));
}

// The searches need a text; a null one finds nothing instead of reaching the control.
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const
{
    if (lpszItem == nullptr)
        return LB_ERR;
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                                           reinterpret_cast<LPARAM>(lpszItem), LB_ERR));
}

int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const
{
    if (lpszFind == nullptr)
        return LB_ERR;
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart),
                                           reinterpret_cast<LPARAM>(lpszFind), LB_ERR));
}

int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem)
{
    if (lpszItem == nullptr)
        return LB_ERR;
    return static_cast<int>(AfxLiteSendCtl(m_hWnd, LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                                           reinterpret_cast<LPARAM>(lpszItem), LB_ERR));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}
int CListBox::VKeyToItem(UINT, UINT) { return -1; }
int CListBox::CharToItem(UINT, UINT) { return -1; }

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    switch (message)
    {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case WM_COMPAREITEM:
        lResult = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        lResult = TRUE;
        break;
    case WM_VKEYTOITEM:
        lResult = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_CHARTOITEM:
        lResult = CharToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}
