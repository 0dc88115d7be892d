#include "SelectEdit.h"
#include "DpiScale.h"
#include "CharWalk.h"
#include "DropMessages.h"
#include "DropTextSelectWnd.h"
#include "FaultInjection.h"
#include "GraphicsUtils.h"
#include "Keyboard.h"
#include "SelectionList.h"
#include "StringUtils.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CSelectEdit, CDropBaseEdit)

BEGIN_MESSAGE_MAP(CSelectEdit, CDropBaseEdit)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_CUT, OnCut)
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_MESSAGE(WM_CLEAR, OnClear)
    ON_MESSAGE(WM_UNDO, OnUndo)
    ON_WM_MOUSEWHEEL()
    ON_REGISTERED_MESSAGE(WM_SELECTEDIT_SETTLE, OnSettleTexts)
END_MESSAGE_MAP()

namespace
{
// Extra room beside the widest text: the edit's margins and the button's separator.
const int kWidthPadding = 12;

// The first character of a text that opens with a two-byte character, as one code.
UINT LeadAndTrail(const CString& text)
{
    return static_cast<UINT>(static_cast<unsigned char>(text[0])) << 8 | static_cast<unsigned char>(text[1]);
}

// Whether a text is picked by typing nChar: its first character is nChar in either case. A
// two-byte character comes as (lead << 8 | trail) and matches only itself. A first byte of 0x80
// or above that is no lead byte never matches (it would index the case tables below zero were
// it read as a signed character).
bool StartsWithLetter(const CString& text, UINT nChar)
{
    if (text.IsEmpty())
        return false;
    if (CharWalk::CharLength(text, 0) == 2)
        return nChar == LeadAndTrail(text);
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (first >= 0x80)
        return false;
    return static_cast<int>(nChar) == StringUtils::m_tableLowercase[first] ||
           static_cast<int>(nChar) == StringUtils::m_tableUppercase[first];
}

int LowercaseOfFirst(const CString& text)
{
    if (!text.IsEmpty() && CharWalk::CharLength(text, 0) == 2)
        return static_cast<int>(LeadAndTrail(text));
    const unsigned char first = text.IsEmpty() ? 0 : static_cast<unsigned char>(text[0]);
    return first >= 0x80 ? 0 : StringUtils::m_tableLowercase[first];
}
}

CSelectEdit::CSelectEdit()
    : CDropBaseEdit(::GetSysColor(COLOR_WINDOW)),
      m_bReadOnly(false),
      m_bSorted(false),
      m_bEnterKeyUsesSelection(false),
      m_nUpDownIndex(-1),
      m_bSettlePosted(false)
{
}

CSelectEdit::~CSelectEdit() = default;

// ---------------------------------------------------------------------------------------------
// Configuration and texts

void CSelectEdit::SetReadOnly(bool bReadOnly)
{
    m_bReadOnly = bReadOnly;
}

void CSelectEdit::SetSorted(bool bSorted)
{
    m_bSorted = bSorted;
}

void CSelectEdit::SetEnterKeyUsesSelection()
{
    m_bEnterKeyUsesSelection = true;
}

TextArray& CSelectEdit::GetTextArray()
{
    return m_texts;
}

bool CSelectEdit::IsReadOnly() const
{
    return m_bReadOnly;
}

void CSelectEdit::ResetUpDownIndex()
{
    m_nUpDownIndex = -1;
}

void CSelectEdit::DoSort()
{
    if (!m_bSorted)
        return;
    m_texts.Sort(true, false, TextArray::ContentText);
    m_texts.RemoveDuplicates(false, TextArray::ContentText);
}

// The sort rule goes through AddSorted, which leaves the same texts as appending, sorting and
// removing duplicates, but inserts instead of sorting the whole array again.
void CSelectEdit::AppendText(const CString& text)
{
    if (m_bSorted)
        m_texts.AddSorted(text);
    else
        m_texts.Add(text);
}

void CSelectEdit::AddText(const CString& text)
{
    AppendText(text);
    RefreshShownList();
    SettleWhenIdle();
}

// A posted message is handled before any input waiting behind it: the merge is done before
// the user's next key, once the host has finished adding.
void CSelectEdit::SettleWhenIdle()
{
    if (m_bSettlePosted || !HasIdleWork() || !::IsWindow(m_hWnd))
        return;
    m_bSettlePosted = PostMessage(WM_SELECTEDIT_SETTLE) != FALSE;
}

bool CSelectEdit::HasIdleWork() const
{
    return m_texts.HasWaitingTexts();
}

void CSelectEdit::DoIdleWork()
{
    m_texts.Settle();
}

LRESULT CSelectEdit::OnSettleTexts(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    m_bSettlePosted = false;
    DoIdleWork();
    return 0;
}

void CSelectEdit::AddText(const CStringList& texts)
{
    m_texts.Reserve(m_texts.GetCount() + static_cast<size_t>(texts.GetCount()));
    for (POSITION pos = texts.GetHeadPosition(); pos != nullptr;)
        AppendText(texts.GetNext(pos));
    DoSort();
    RefreshShownList();
}

void CSelectEdit::AddText(const CStringArray& texts)
{
    m_texts.Reserve(m_texts.GetCount() + static_cast<size_t>(texts.GetSize()));
    for (INT_PTR i = 0; i < texts.GetSize(); ++i)
        AppendText(texts.GetAt(i));
    DoSort();
    RefreshShownList();
}

void CSelectEdit::AddText(const std::vector<CString>& texts)
{
    m_texts.Reserve(m_texts.GetCount() + texts.size());
    for (const CString& text : texts)
        AppendText(text);
    DoSort();
    RefreshShownList();
}

void CSelectEdit::AddText(const TextArray& texts)
{
    if (m_bSorted)
    {
        const TextArray copy(texts); // texts may be this edit's own array
        for (size_t i = 0; i < copy.GetCount(); ++i)
            AppendText(copy[i]);
    }
    else
    {
        m_texts.Add(texts);
    }
    DoSort();
    RefreshShownList();
}

void CSelectEdit::ClearText()
{
    m_texts.RemoveAll();
    RefreshShownList();
}

// An open list shows the texts as they are now: rows left from before a change would let the
// keys pick texts that are gone, or write one text for another.
void CSelectEdit::RefreshShownList()
{
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    if (pDropWnd == nullptr || !IsListShown())
        return;
    if (m_texts.IsEmpty())
    {
        ShowDropWnd(false, false, true);
        return;
    }
    pDropWnd->UpdateList();
    UpdateDropWnd();
}

// ---------------------------------------------------------------------------------------------
// Drop window

bool CSelectEdit::IsListShown() const
{
    return m_pDropWnd != nullptr && ::IsWindow(m_pDropWnd->m_hWnd) && m_pDropWnd->IsWindowVisible();
}

void CSelectEdit::Init()
{
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CreateDropWndFont();
    CDropTextSelectWnd* pDropWnd = FaultInjection::New<CDropTextSelectWnd>(&m_texts);
    if (pDropWnd != nullptr)
        CreateDropWnd(pDropWnd, false);
    SettleWhenIdle();
}

bool CSelectEdit::CanShowDropDown()
{
    // Without texts the list has nothing to offer; Enter then stays with the dialog.
    return !m_texts.IsEmpty();
}

void CSelectEdit::ShowList()
{
    CDropNotifier::HostCall call(GetNotifier());
    if (IsListShown() || !IsDropDownAllowed())
        return;
    m_pDropWnd->ShowWindow(SW_SHOWNA);
    UpdateDropWnd();
}

void CSelectEdit::UpdateDropWnd()
{
    m_nUpDownIndex = -1;
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    // Editable, a closed list is refilled when it opens; an open one keeps its highlight on the
    // row of the typed text, or on none, so that Enter never takes a text the edit does not show.
    if (pDropWnd == nullptr || (!m_bReadOnly && !IsListShown()))
        return;
    CString text;
    GetWindowText(text);
    bool found = false;
    const size_t index = m_texts.Find(text, false, found);
    // Only a row that really shows the text may be notified: a failed selection would write an
    // empty text into the edit.
    const int row = found ? pDropWnd->GetRowOfText(index) : -1;
    pDropWnd->SetCurSel(row, m_bReadOnly && row >= 0);
}

void CSelectEdit::OnDropWndChanged(bool /*keepOpen*/)
{
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    if (pDropWnd == nullptr)
        return;
    // The same text written again would tell the host of a change that did not happen.
    CString current;
    GetWindowText(current);
    const CString selected = pDropWnd->GetSelectedText();
    if (selected.Compare(current) != 0)
        SetWindowText(selected);
}

void CSelectEdit::SelectWholeText()
{
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET, 0, 0);
}

void CSelectEdit::SelectEntry(size_t index)
{
    SetWindowText(m_texts.GetAt(index));
    SelectWholeText();
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    if (pDropWnd == nullptr || !IsListShown())
        return;
    // A list that shows a range (the auto-suggest edit's) has the text at another row, or not
    // at all; then nothing is selected and the edit keeps the text just set.
    const int row = pDropWnd->GetRowOfText(index);
    if (row >= 0)
        pDropWnd->SetCurSel(row, true);
    else
        pDropWnd->SetCurSel(-1, false);
}

BOOL CSelectEdit::PreTranslateMessage(MSG* pMsg)
{
    if ((pMsg->message == WM_MOUSEWHEEL || pMsg->message == WM_MOUSEHWHEEL) && IsListShown())
    {
        // The wheel scrolls the open list while the focus stays in the edit.
        m_pDropWnd->ForwardMouseWheel(pMsg->message == WM_MOUSEWHEEL, static_cast<short>(HIWORD(pMsg->wParam)));
        return TRUE;
    }
    return CDropBaseEdit::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------------------------
// Typing and keys

void CSelectEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bReadOnly)
    {
        CDropBaseEdit::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    // Ctrl combinations still reach the edit as its control characters (copy, the guarded paste
    // and cut, select all). A printable character typed with Ctrl held (Ctrl+Space, or AltGr,
    // which holds Ctrl, on many layouts) would otherwise be inserted into the read-only text.
    if (Keyboard::IsCtrlKeyDown() && nChar < ' ')
        CImageMenuEdit::OnChar(nChar, nRepCnt, nFlags);
    // A two-byte character arrives as two bytes; its first byte alone is no letter, and its
    // second byte can look like one.
    CString typed;
    if (!m_typedChars.Take(nChar, typed))
        return;
    TypeFirstLetter(typed.GetLength() == 2 ? LeadAndTrail(typed) : nChar);
}

void CSelectEdit::TypeFirstLetter(UINT nChar)
{
    if (nChar <= ' ' || m_texts.IsEmpty())
        return;
    const size_t count = m_texts.GetCount();
    size_t first = count;
    size_t last = 0;
    // Sorted without regard to case, the texts with either case of the letter stand together:
    // the first of them is found by halves, not by reading all before it.
    const bool bSearch = nChar < 0x80 && m_texts.IsSortedUnique();
    if (bSearch && !m_texts.FindPrefixRange(CString(static_cast<char>(nChar)), first, last))
        return;
    if (!bSearch || !StartsWithLetter(m_texts[first], nChar))
    {
        first = 0;
        while (first < count && !StartsWithLetter(m_texts[first], nChar))
            ++first;
        if (first == count)
            return;
    }

    CString text;
    GetWindowText(text);
    if (text.IsEmpty() || static_cast<int>(nChar) != LowercaseOfFirst(text))
    {
        SelectEntry(first);
        return;
    }
    bool found = false;
    const size_t current = m_texts.Find(text, false, found);
    if (!found)
    {
        SelectEntry(first);
        return;
    }
    if (current < first)
        return;
    // Repeated presses step through the texts with that letter and stay on the last one.
    for (size_t next = current + 1; next < count; ++next)
    {
        if (StartsWithLetter(m_texts[next], nChar))
        {
            SelectEntry(next);
            return;
        }
    }
}

void CSelectEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_RETURN:
        if (IsListShown() && !m_texts.IsEmpty())
        {
            OnEnterInOpenList();
            return;
        }
        break;
    case VK_UP:
    case VK_DOWN:
        if (IsListShown())
        {
            CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
            if (pDropWnd != nullptr && ::GetFocus() == m_hWnd)
                pDropWnd->MoveSelection(nChar == VK_UP);
            m_pDropWnd->SetFocus();
            SelectWholeText();
        }
        else if (!m_texts.IsEmpty() && StepText(nChar == VK_UP))
        {
            return;
        }
        break;
    case VK_DELETE:
        if (m_bReadOnly)
            return;
        break;
    default:
        break;
    }
    CDropBaseEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CSelectEdit::OnEnterInOpenList()
{
    CDropTextSelectWnd* pDropWnd = CDropTextSelectWnd::FromDropWnd(m_pDropWnd);
    if (pDropWnd != nullptr)
    {
        if (m_bReadOnly && pDropWnd->m_pList != nullptr && ::IsWindow(pDropWnd->m_pList->m_hWnd) &&
            pDropWnd->m_pList->GetCount() == 1)
        {
            pDropWnd->m_pList->SetCurSel(0);
            pDropWnd->NotifySelChange(true);
        }
        // Without a selected row there is nothing to take: the text stays as the user left it.
        const bool bSelected = pDropWnd->m_pList != nullptr && ::IsWindow(pDropWnd->m_pList->m_hWnd) &&
                               pDropWnd->m_pList->GetCurSel() != LB_ERR;
        if ((m_bReadOnly || m_bEnterKeyUsesSelection) && bSelected)
            SetWindowText(pDropWnd->GetSelectedText());
        // Enter on a selected row takes it; without one the list only closes.
        if (bSelected)
            GetNotifier().NotePick();
    }
    SelectWholeText();
    ShowDropWnd(false, false, true);
}

bool CSelectEdit::StepText(bool bUp)
{
    CString text;
    GetWindowText(text);
    size_t index = 0;
    if (!text.IsEmpty())
    {
        bool found = false;
        index = m_texts.Find(text, false, found);
        if (!found)
            return false;
    }
    const size_t last = m_texts.GetCount() - 1;
    if (bUp)
        index = index > 0 ? index - 1 : 0;
    else
        index = std::min(index + 1, last);
    SetWindowText(m_texts.GetAt(index));
    SelectWholeText();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Editing commands and context menu

void CSelectEdit::ProcessEdit()
{
    if (!m_bReadOnly)
    {
        Default();
        return;
    }
    // A command stands in read-only mode only when its result is one of the texts.
    CString before;
    GetWindowText(before);
    Default();
    CString after;
    GetWindowText(after);
    bool found = false;
    m_texts.Find(after, false, found);
    if (!found && after.Compare(before) != 0)
        SetWindowText(before);
}

LRESULT CSelectEdit::OnCut(WPARAM, LPARAM)
{
    ProcessEdit();
    return 0;
}

LRESULT CSelectEdit::OnPaste(WPARAM, LPARAM)
{
    ProcessEdit();
    return 0;
}

LRESULT CSelectEdit::OnClear(WPARAM, LPARAM)
{
    ProcessEdit();
    return 0;
}

LRESULT CSelectEdit::OnUndo(WPARAM, LPARAM)
{
    ProcessEdit();
    return 0;
}

void CSelectEdit::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (!m_bReadOnly)
    {
        CImageMenuEdit::OnContextMenu(pWnd, point);
        return;
    }
    // Offered as read-only, the menu holds only the commands that leave the text alone.
    ModifyStyle(0, ES_READONLY, 0);
    CImageMenuEdit::OnContextMenu(pWnd, point);
    ModifyStyle(ES_READONLY, 0, 0);
    // A button painted while the style was borrowed looks disabled; the edit is not.
    if (m_nButtonState == 2 && IsWindowEnabled())
        DrawButton(0);
}

BOOL CSelectEdit::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
    // In read-only mode the wheel picks as Up and Down do (over an open list it scrolls the
    // list, see PreTranslateMessage).
    if (!m_bReadOnly || IsListShown() || m_texts.IsEmpty() || zDelta == 0)
        return static_cast<BOOL>(Default());
    StepText(zDelta > 0);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------
// Width

int CSelectEdit::GetMaxWidth()
{
    const int cxButton = DpiScale::GetSystemMetricForWindow(m_hWnd, SM_CXVSCROLL);
    CDC* pDC = GetDC();
    if (pDC == nullptr)
        return cxButton;
    LOGFONTA lf;
    GraphicsUtils::SetDefaultFont(lf, CString(), -1, -1, false, false, false);
    CFont font;
    font.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&font);
    int widest = 0;
    for (size_t i = 0; i < m_texts.GetCount(); ++i)
    {
        const CString& text = m_texts[i];
        if (text.IsEmpty())
            continue;
        SIZE size = {};
        ::GetTextExtentPoint32A(pDC->m_hAttribDC, text.GetString(), text.GetLength(), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    pDC->SelectObject(pOldFont);
    font.DeleteObject();
    ReleaseDC(pDC);
    return cxButton + widest + DpiScale::ScaleForWindow(m_hWnd, kWidthPadding);
}
