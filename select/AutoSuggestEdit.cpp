#include "AutoSuggestEdit.h"
#include "DropTextSelectWnd.h"
#include "SelectionList.h"
#include "StringUtils.h"
#include "TextMatch.h"
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

static_assert(CAutoSuggestEdit::kMatchPrefix == TextMatch::kPrefix &&
                  CAutoSuggestEdit::kMatchWordStart == TextMatch::kWordStart &&
                  CAutoSuggestEdit::kMatchContains == TextMatch::kContains,
              "the edit's modes are the matcher's");
}

CAutoSuggestEdit::CAutoSuggestEdit()
    : m_nMatchMode(kMatchPrefix), m_bAutoAppend(false), m_bMatchesValid(false)
{
}

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
    // The sort moved the texts: the index's positions are stale.
    OnTextsChanged(true);
}

// ---------------------------------------------------------------------------------------------
// Match mode, completion, texts

void CAutoSuggestEdit::SetMatchMode(int mode)
{
    if (mode != kMatchPrefix && mode != kMatchWordStart && mode != kMatchContains)
        return;
    m_nMatchMode = mode;
    m_bMatchesValid = false;
    if (mode != kMatchPrefix && !m_index.IsBuilt(m_texts.GetCount()))
        m_index.Build(m_texts);
}

int CAutoSuggestEdit::GetMatchMode() const
{
    return m_nMatchMode;
}

void CAutoSuggestEdit::SetAutoAppend(bool bAutoAppend)
{
    m_bAutoAppend = bAutoAppend;
}

bool CAutoSuggestEdit::GetAutoAppend() const
{
    return m_bAutoAppend;
}

size_t CAutoSuggestEdit::GetIndexMemory() const
{
    return m_index.GetMemoryBytes();
}

void CAutoSuggestEdit::OnTextsChanged(bool bBuildNow)
{
    m_bMatchesValid = false;
    m_index.Clear();
    if (bBuildNow && m_nMatchMode != kMatchPrefix)
        m_index.Build(m_texts);
    else
        SettleWhenIdle();
}

bool CAutoSuggestEdit::HasIdleWork() const
{
    return CSelectEdit::HasIdleWork() || (m_nMatchMode != kMatchPrefix && !m_index.IsBuilt(m_texts.GetCount()));
}

void CAutoSuggestEdit::DoIdleWork()
{
    CSelectEdit::DoIdleWork();
    if (m_nMatchMode != kMatchPrefix && !m_index.IsBuilt(m_texts.GetCount()))
        m_index.Build(m_texts);
}

// A single text rebuilds the index once the program is idle, not at once: a host adding a
// million texts one by one would otherwise rebuild it a million times.
void CAutoSuggestEdit::AddText(const CString& text)
{
    CSelectEdit::AddText(text);
    OnTextsChanged(false);
}

void CAutoSuggestEdit::AddText(const CStringList& texts)
{
    CSelectEdit::AddText(texts);
    OnTextsChanged(true);
}

void CAutoSuggestEdit::AddText(const CStringArray& texts)
{
    CSelectEdit::AddText(texts);
    OnTextsChanged(true);
}

void CAutoSuggestEdit::AddText(const std::vector<CString>& texts)
{
    CSelectEdit::AddText(texts);
    OnTextsChanged(true);
}

void CAutoSuggestEdit::AddText(const TextArray& texts)
{
    CSelectEdit::AddText(texts);
    OnTextsChanged(true);
}

void CAutoSuggestEdit::ClearText()
{
    CSelectEdit::ClearText();
    OnTextsChanged(false);
}

const std::vector<size_t>& CAutoSuggestEdit::FindMatches(const CString& typed)
{
    if (m_bMatchesValid && m_strMatched.Compare(typed) == 0)
        return m_matches;
    if (!m_index.IsBuilt(m_texts.GetCount()))
        m_index.Build(m_texts);
    m_index.Find(m_texts, typed, m_nMatchMode, m_matches);
    m_strMatched = typed;
    m_bMatchesValid = true;
    return m_matches;
}

bool CAutoSuggestEdit::PlaceSuggestions(CDropTextSelectWnd& dropWnd, const CString& typed)
{
    if (typed.IsEmpty() || m_texts.IsEmpty())
        return false;
    if (m_nMatchMode == kMatchPrefix)
    {
        size_t first = 0;
        size_t last = 0;
        if (!m_texts.FindPrefixRange(typed, first, last))
            return false;
        if (first == last && typed.Compare(m_texts[first]) == 0)
            return false; // the only suggestion is what is already typed
        dropWnd.ShowRange(ClampToInt(first), ClampToInt(last));
    }
    else
    {
        const std::vector<size_t>& matches = FindMatches(typed);
        if (matches.empty() || (matches.size() == 1 && typed.Compare(m_texts[matches[0]]) == 0))
            return false;
        dropWnd.ShowChosen(matches);
    }
    if (dropWnd.m_pList != nullptr)
        dropWnd.m_pList->SetMatch(typed, m_nMatchMode);
    return true;
}

bool CAutoSuggestEdit::FindCompletion(const CString& typed, size_t& index)
{
    if (m_nMatchMode == kMatchPrefix)
    {
        size_t last = 0;
        return m_texts.FindPrefixRange(typed, index, last);
    }
    // The first in the list's order that begins with the typed text, wherever it stands.
    for (const size_t i : FindMatches(typed))
    {
        if (TextMatch::Find(m_texts[i], typed, TextMatch::kPrefix) == 0)
        {
            index = i;
            return true;
        }
    }
    return false;
}

void CAutoSuggestEdit::AppendCompletion()
{
    CString typed;
    GetWindowText(typed);
    int start = 0;
    int end = 0;
    GetSel(start, end);
    // Only typing at the end completes: a character typed in the middle is an edit.
    if (typed.IsEmpty() || start != end || end != typed.GetLength())
        return;
    size_t index = 0;
    if (!FindCompletion(typed, index) || m_texts[index].GetLength() <= typed.GetLength())
        return;
    // The typed part keeps the user's letter case; only the rest comes from the suggestion.
    SetWindowText(typed + m_texts[index].Mid(typed.GetLength()));
    SetSel(typed.GetLength(), -1);
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    if (pDropWnd != nullptr && IsListShown() && pDropWnd->m_pList != nullptr &&
        ::IsWindow(pDropWnd->m_pList->m_hWnd))
        pDropWnd->m_pList->SetCurSel(pDropWnd->GetRowOfText(index));
}

// ---------------------------------------------------------------------------------------------
// Hooks

bool CAutoSuggestEdit::CanShowDropDown()
{
    if (m_pDropWnd == nullptr || m_texts.IsEmpty())
        return false;
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return false;
    if (m_nMatchMode != kMatchPrefix)
    {
        for (const size_t i : FindMatches(text))
        {
            if (text.Compare(m_texts[i]) != 0)
                return true;
        }
        return false;
    }
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
    if (!PlaceSuggestions(*pDropWnd, text))
    {
        HideList();
        return;
    }
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

// ---------------------------------------------------------------------------------------------
// Keys and characters

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
    // Backspace and the control characters never complete: what they remove stays removed.
    if (m_bAutoAppend && !m_bReadOnly && nChar >= ' ' && nChar != 0x7F)
        AppendCompletion();
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
