#include "AutoSuggestEdit.h"
#include "DropTextSelectWnd.h"
#include "SelectionList.h"
#include "StringUtils.h"
#include <climits>

IMPLEMENT_DYNCREATE(CAutoSuggestEdit, CSelectEdit)

BEGIN_MESSAGE_MAP(CAutoSuggestEdit, CSelectEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
END_MESSAGE_MAP()

namespace
{
int ClampToInt(size_t value)
{
    return value > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(value);
}
}

CAutoSuggestEdit::CAutoSuggestEdit() = default;

CAutoSuggestEdit::~CAutoSuggestEdit() = default;

bool CAutoSuggestEdit::IsListShown() const
{
    return m_pDropWnd != nullptr && ::IsWindow(m_pDropWnd->m_hWnd) && m_pDropWnd->IsWindowVisible();
}

void CAutoSuggestEdit::HideList()
{
    ShowDropWnd(false, false, true);
}

void CAutoSuggestEdit::Init()
{
    if (m_bReadOnly)
        m_bEnterKeyUsesSelection = true;
    DoDrawButton(false);
    CSelectEdit::Init();
    // Texts added before Init are sorted too: the suggestions are found as one range of the
    // sorted texts, and unsorted texts would put ones that do not match inside it.
    m_bSorted = true;
    DoSort();
}

bool CAutoSuggestEdit::CanShowDropDown()
{
    if (m_pDropWnd == nullptr || m_texts.IsEmpty())
        return false;
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return false;
    size_t first = 0;
    size_t last = 0;
    if (!m_texts.FindPrefixRange(text, first, last))
        return false;
    // A text that begins with the typed text and is not the typed text itself is a
    // suggestion. Sorted, every text of the range begins with it and holds it at most once,
    // so this ends at the first or second text.
    for (size_t i = first; i <= last; ++i)
    {
        const CString& candidate = m_texts[i];
        if (text.Compare(candidate) != 0 && StringUtils::MatchFirstChars(candidate, text, false))
            return true;
    }
    return false;
}

void CAutoSuggestEdit::UpdateDropWnd()
{
    m_nUpDownIndex = -1;
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    if (pDropWnd == nullptr)
        return;
    CString text;
    GetWindowText(text);
    size_t first = 0;
    size_t last = 0;
    if (text.IsEmpty() || m_texts.IsEmpty() || !m_texts.FindPrefixRange(text, first, last))
    {
        HideList();
        return;
    }
    if (first == last && text.Compare(m_texts[first]) == 0)
    {
        HideList(); // the only suggestion is what is already typed
        return;
    }
    pDropWnd->m_nFirstText = ClampToInt(first);
    pDropWnd->m_nLastText = ClampToInt(last);

    if (IsListShown())
    {
        pDropWnd->UpdateList();
        return;
    }
    if (IsDropDownAllowed())
    {
        pDropWnd->ShowWindow(SW_SHOWNA);
        UpdateDropWnd();
    }
    // The first suggestion is highlighted, not yet written into the edit.
    if (pDropWnd->m_pList != nullptr && ::IsWindow(pDropWnd->m_pList->m_hWnd))
        pDropWnd->m_pList->SetCurSel(0);
}

void CAutoSuggestEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    if (nChar == VK_DOWN && !IsListShown() && !m_texts.IsEmpty() && GetWindowTextLength() == 0)
    {
        // Nothing typed yet: Down starts at the first text, not at the one after it.
        SetWindowText(m_texts[0]);
        SendMessage(EM_SETSEL, 0, -1);
        SendMessage(EM_SCROLLCARET, 0, 0);
        return;
    }
    if (nChar == VK_DOWN && pDropWnd != nullptr && IsListShown() && pDropWnd->m_pList != nullptr &&
        ::IsWindow(pDropWnd->m_pList->m_hWnd) && pDropWnd->m_pList->GetCurSel() == 0)
    {
        CString text;
        GetWindowText(text);
        if (pDropWnd->GetSelectedText().Compare(text) != 0)
        {
            // The first Down takes the highlighted first suggestion instead of skipping it.
            pDropWnd->m_pList->SetCurSel(0);
            pDropWnd->NotifySelChange(true);
            pDropWnd->SetFocus();
            SendMessage(EM_SETSEL, 0, -1);
            SendMessage(EM_SCROLLCARET, 0, 0);
            return;
        }
    }
    CSelectEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    // The base hands Delete to the hook before the edit removes anything; the suggestions
    // follow the text that is left, as they do after Backspace.
    if (nChar == VK_DELETE)
        UpdateDropWnd();
}

void CAutoSuggestEdit::OpenListForReadOnlyTyping()
{
    if (!m_bReadOnly || IsListShown() || !IsDropDownAllowed())
        return;
    m_pDropWnd->ShowWindow(SW_SHOWNA);
    UpdateDropWnd();
    m_pDropWnd->SetFocus();
}

void CAutoSuggestEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    OpenListForReadOnlyTyping();
    CString before;
    GetWindowText(before);
    CSelectEdit::OnChar(nChar, nRepCnt, nFlags);
    // A read-only letter picks a text without the hook; the open list shows that text's
    // suggestions, not the ones of the letter before.
    if (m_bReadOnly && IsListShown())
    {
        CString after;
        GetWindowText(after);
        if (after.Compare(before) != 0)
            UpdateDropWnd();
    }
    OpenListForReadOnlyTyping();
}

void CAutoSuggestEdit::ProcessEdit()
{
    CString before;
    GetWindowText(before);
    CSelectEdit::ProcessEdit();
    // Paste, cut, clear and undo change the text as typing does: the suggestions follow.
    CString after;
    GetWindowText(after);
    if (after.Compare(before) != 0)
        UpdateDropWnd();
}
