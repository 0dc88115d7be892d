#include "DropTextSelectWnd.h"
#include "AppLogger.h"
#include "DropBaseEdit.h"
#include "DropMessages.h"
#include "DpiScale.h"
#include "FaultInjection.h"
#include "SelectionList.h"
#include <algorithm>
#include <climits>

BEGIN_MESSAGE_MAP(CDropTextSelectWnd, CDropWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_REGISTERED_MESSAGE(WM_DROPWND_CHILD_SELCHANGE, OnListSelChange)
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_CHAR()
    ON_WM_DELETEITEM()
END_MESSAGE_MAP()

namespace
{
const UINT kListId = 2601;
// Rows of context kept above the selected row when the list had to scroll to show it.
const int kContextRows = 5;
}

CDropTextSelectWnd::CDropTextSelectWnd(TextArray* texts)
    : m_nFirstText(-1),
      m_nLastText(-1),
      m_bShowChosen(false),
      m_pList(FaultInjection::New<CSelectionList>()), m_pTexts(texts)
{
}

CDropTextSelectWnd::~CDropTextSelectWnd()
{
    delete m_pList;
    m_pList = nullptr;
}

CDropTextSelectWnd* CDropTextSelectWnd::FromDropWnd(CDropWnd* pDropWnd)
{
    return dynamic_cast<CDropTextSelectWnd*>(pDropWnd);
}

bool CDropTextSelectWnd::IsListWindow() const
{
    return m_pList != nullptr && ::IsWindow(m_pList->m_hWnd);
}

// ---------------------------------------------------------------------------------------------
// Operations

void CDropTextSelectWnd::SetCurSel(int index, bool notify)
{
    if (!IsListWindow())
        return;
    m_pList->SetCurSel(index);
    if (notify)
        NotifySelChange(true);
}

CString CDropTextSelectWnd::GetSelectedText() const
{
    CString text;
    if (!IsListWindow())
        return text;
    const int row = m_pList->GetCurSel();
    if (row != LB_ERR)
        m_pList->GetText(row, text);
    return text;
}

void CDropTextSelectWnd::ShowChosen(const std::vector<size_t>& indices)
{
    m_bShowChosen = true;
    m_chosenTexts = indices;
}

void CDropTextSelectWnd::ShowRange(int first, int last)
{
    m_bShowChosen = false;
    m_chosenTexts.clear();
    m_nFirstText = first;
    m_nLastText = last;
}

int CDropTextSelectWnd::GetRowOfText(size_t index) const
{
    if (m_bShowChosen)
    {
        const auto it = std::lower_bound(m_chosenTexts.begin(), m_chosenTexts.end(), index);
        if (!IsListWindow() || it == m_chosenTexts.end() || *it != index)
            return -1;
        const size_t row = static_cast<size_t>(it - m_chosenTexts.begin());
        return row < static_cast<size_t>(m_pList->GetCount()) ? static_cast<int>(row) : -1;
    }
    size_t first = 0;
    size_t last = 0;
    if (!IsListWindow() || !GetShownRange(first, last) || index < first || index > last)
        return -1;
    // The rows are read from the array: a row shows the text at its index, or none past the end.
    size_t shown = 0;
    const int row = static_cast<int>(std::min<size_t>(index - first, INT_MAX));
    return m_pList->GetTextIndex(row, shown) && shown == index ? row : -1;
}

CWnd* CDropTextSelectWnd::GetFirstControl()
{
    return m_pList;
}

CWnd* CDropTextSelectWnd::GetLastControl()
{
    return m_pList;
}

void CDropTextSelectWnd::ForwardMouseWheel(bool bVertical, short zDelta)
{
    if (!IsListWindow())
        return;
    if (bVertical)
        m_pList->OnMouseWheel(0, zDelta, CPoint(0, 0));
    else
        m_pList->HorzWheel(zDelta);
}

void CDropTextSelectWnd::NotifySelChange(bool keepOpen)
{
    if (m_pEdit != nullptr)
        m_pEdit->OnDropWndChanged(keepOpen);
}

void CDropTextSelectWnd::MoveSelection(bool up)
{
    if (!IsListWindow())
        return;
    const int count = m_pList->GetCount();
    if (count <= 0)
        return;
    const int current = m_pList->GetCurSel();
    int row = current == LB_ERR ? 0 : current + (up ? -1 : 1);
    if (row < 0)
        row = count - 1;
    else if (row >= count)
        row = 0;
    m_pList->SetCurSel(row);
    NotifySelChange(true);
}

// ---------------------------------------------------------------------------------------------
// Filling and sizing

bool CDropTextSelectWnd::GetShownRange(size_t& first, size_t& last) const
{
    if (m_pTexts == nullptr || m_pTexts->IsEmpty())
        return false;
    const size_t count = m_pTexts->GetCount();
    if (m_nFirstText < 0)
    {
        first = 0;
        last = count - 1;
        return true;
    }
    // The texts may have been replaced since the range was set: never read past the array.
    first = static_cast<size_t>(m_nFirstText);
    last = m_nLastText < 0 ? 0 : std::min(static_cast<size_t>(m_nLastText), count - 1);
    return first <= last;
}

void CDropTextSelectWnd::FillList(size_t first, size_t last, const CString& editText, int& chosenRow)
{
    const TextArray& texts = *m_pTexts;
    m_pList->ShowTexts(&texts, first, last - first + 1);
    // A sorted array finds the edit's text by binary search; otherwise only the shown range is
    // read, and the length is compared before any text.
    if (texts.IsSortedUnique())
    {
        bool found = false;
        const size_t index = texts.Find(editText, false, found);
        if (found && index >= first && index <= last)
            chosenRow = static_cast<int>(index - first);
        return;
    }
    const int length = editText.GetLength();
    for (size_t i = first; i <= last; ++i)
    {
        const CString& text = texts[i];
        if (text.GetLength() == length && editText.Compare(text) == 0)
        {
            chosenRow = static_cast<int>(i - first);
            return;
        }
    }
}

void CDropTextSelectWnd::FillChosen(const CString& editText, int& chosenRow)
{
    const TextArray& texts = *m_pTexts;
    // The texts may have been replaced since the indices were chosen: never read past the array.
    while (!m_chosenTexts.empty() && m_chosenTexts.back() >= texts.GetCount())
        m_chosenTexts.pop_back();
    m_pList->ShowChosen(&texts, &m_chosenTexts);
    if (texts.IsSortedUnique())
    {
        bool found = false;
        const size_t index = texts.Find(editText, false, found);
        const auto it = std::lower_bound(m_chosenTexts.begin(), m_chosenTexts.end(), index);
        if (found && it != m_chosenTexts.end() && *it == index && it - m_chosenTexts.begin() < INT_MAX)
            chosenRow = static_cast<int>(it - m_chosenTexts.begin());
        return;
    }
    const int length = editText.GetLength();
    for (size_t row = 0; row < m_chosenTexts.size() && row < static_cast<size_t>(INT_MAX); ++row)
    {
        const CString& text = texts[m_chosenTexts[row]];
        if (text.GetLength() == length && editText.Compare(text) == 0)
        {
            chosenRow = static_cast<int>(row);
            return;
        }
    }
}

int CDropTextSelectWnd::ComputeListHeight() const
{
    CClientDC dc(m_pList);
    HFONT hFont = reinterpret_cast<HFONT>(m_pList->SendMessage(WM_GETFONT));
    HGDIOBJ hOldFont = hFont != nullptr ? ::SelectObject(dc.m_hDC, hFont) : nullptr;
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.m_hDC, &tm);
    if (hOldFont != nullptr)
        ::SelectObject(dc.m_hDC, hOldFont);

    const UINT nDpi = DpiScale::GetWindowDpi(m_pList->m_hWnd);
    long long height = static_cast<long long>(m_pList->GetCount()) * tm.tmHeight +
                       2LL * DpiScale::GetSystemMetric(SM_CYEDGE, nDpi);
    if ((m_pList->GetStyle() & WS_HSCROLL) != 0)
        height += DpiScale::GetSystemMetric(SM_CYHSCROLL, nDpi);
    return static_cast<int>(std::min<long long>(height, INT_MAX));
}

void CDropTextSelectWnd::UpdateList()
{
    if (m_pList == nullptr || !IsListWindow())
        return;
    CString editText;
    if (m_pEdit != nullptr)
        m_pEdit->GetWindowText(editText);
    int chosenRow = -1;
    size_t first = 0;
    size_t last = 0;
    if (m_bShowChosen)
    {
        if (m_pTexts != nullptr)
            FillChosen(editText, chosenRow);
    }
    else if (GetShownRange(first, last))
        FillList(first, last, editText, chosenRow);
    else
        m_pList->ShowTexts(nullptr, 0, 0);

    if (m_pList->GetCount() > 0)
    {
        const int height = LimitHeightToParent(ComputeListHeight());
        if (m_nPreferredWidth != 0 || m_nPreferredHeight != height)
        {
            m_nPreferredWidth = 0;
            m_nPreferredHeight = height;
            if (m_pEdit != nullptr)
                m_pEdit->OnAppMove();
        }
    }
    if (chosenRow >= 0)
    {
        m_pList->SetCurSel(chosenRow);
        if (m_pList->GetTopIndex() >= kContextRows)
            m_pList->SetTopIndex(chosenRow - kContextRows);
    }
}

bool CDropTextSelectWnd::HasNothingToOffer() const
{
    if (m_pList == nullptr)
        return false;
    return m_pTexts == nullptr || m_pTexts->IsEmpty() || !IsListWindow() || m_pList->GetCount() == 0;
}

// ---------------------------------------------------------------------------------------------
// Message handlers

int CDropTextSelectWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDropWnd::OnCreate(lpCreateStruct) == -1 || m_pList == nullptr)
        return -1;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                        CSelectionList::kRowStyle;
    const bool bCreated = !FaultInjection::ShouldFail(FaultInjection::kWindowCreation) &&
                          m_pList->Create(style, CRect(0, 0, 100, 100), this, kListId);
    if (!bCreated && AppLogger::m_pInstance != nullptr)
        AppLogger::m_pInstance->AddLine(CString("{1A0950E1-F2BA-4D44-AF02-35D8736E14E8}"));
    return 0;
}

void CDropTextSelectWnd::OnSize(UINT nType, int cx, int cy)
{
    CDropWnd::OnSize(nType, cx, cy);
    if (IsListWindow())
        m_pList->MoveWindow(0, 0, cx, cy, TRUE);
}

void CDropTextSelectWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDropWnd::OnShowWindow(bShow, nStatus);
    if (m_pList == nullptr || !bShow)
        return;
    if (m_pEdit != nullptr && IsListWindow())
    {
        CFont* pFont = m_pEdit->GetDropWndFont();
        m_pList->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->GetSafeHandle() : nullptr),
                             TRUE);
        ::InvalidateRect(m_pList->m_hWnd, nullptr, TRUE);
    }
    UpdateList();
    if (HasNothingToOffer())
        ShowWindow(SW_HIDE);
}

void CDropTextSelectWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CDropWnd::OnWindowPosChanging(lpwndpos);
    if (lpwndpos != nullptr && (lpwndpos->flags & SWP_SHOWWINDOW) != 0 && HasNothingToOffer())
        lpwndpos->flags &= ~SWP_SHOWWINDOW;
}

void CDropTextSelectWnd::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Characters typed into the list go on editing the edit's text, as in the shell's
    // completion; the edit then makes the list follow its text.
    if (m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd))
        m_pEdit->SendMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
}

LRESULT CDropTextSelectWnd::OnListSelChange(WPARAM /*wParam*/, LPARAM lParam)
{
    NotifySelChange(lParam == 1);
    return 0;
}

void CDropTextSelectWnd::OnDeleteItem(int /*nIDCtl*/, LPDELETEITEMSTRUCT /*lpDeleteItemStruct*/) {}
