#include "TimeEdit.h"
#include "DpiScale.h"
#include "AppLogger.h"
#include "DropTimeSelectWnd.h"
#include "FaultInjection.h"
#include "Keyboard.h"
#include "NumberTextConv.h"
#include "RegistryUtils.h"

BEGIN_MESSAGE_MAP(CTimeEdit, CSelectEdit)
    ON_WM_KILLFOCUS()
    ON_WM_DESTROY()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

const char* const CTimeEdit::kIntervalKey = "Software\\Orvanta\\Common\\MRUT\\";
const char* const CTimeEdit::kIntervalValue = "incr";

namespace
{
const int kMaxWidth = 100;

void LogTag(const char* tag)
{
    if (AppLogger::m_pInstance != nullptr)
        AppLogger::m_pInstance->AddLine(CString(tag));
}
}

CTimeEdit::CTimeEdit() : m_bTextOption(false) {}

CTimeEdit::~CTimeEdit() = default;

CDropTimeSelectWnd* CTimeEdit::GetTimeDropWnd() const
{
    return CDropTimeSelectWnd::FromDropWnd(m_pDropWnd);
}

bool CTimeEdit::IsTimeListShown() const
{
    return m_pDropWnd != nullptr && ::IsWindow(m_pDropWnd->m_hWnd) && m_pDropWnd->IsWindowVisible();
}

CString CTimeEdit::CurrentText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

// ---------------------------------------------------------------------------------------------
// Configuration

void CTimeEdit::Init(UINT firstHour, UINT lastHour, bool allowEmpty, bool drawButton)
{
    DoDrawButton(drawButton);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    CreateDropWndFont();
    if (firstHour > lastHour)
        return LogTag("{6FD6A757-3FF8-438B-B5B9-7841A114B19F}");
    if (firstHour > 23)
        return LogTag("{5597F51F-FE3C-49FD-A9D5-E8286C0BED8F}");
    if (lastHour > 24)
        return LogTag("{D03A857C-9B41-4B35-8323-42EE1C87C1D9}");

    UINT interval = 0;
    LoadData(interval);
    CDropTimeSelectWnd* pDropWnd = FaultInjection::New<CDropTimeSelectWnd>(&m_texts, allowEmpty);
    if (pDropWnd != nullptr)
        CreateDropWnd(pDropWnd, false);
    if (CDropTimeSelectWnd* pTimeWnd = GetTimeDropWnd())
        pTimeWnd->Setup(interval, firstHour, lastHour);
    UpdateEditCtrl();
}

void CTimeEdit::AddText(const CString&) {}

void CTimeEdit::AddText(const CStringList&) {}

void CTimeEdit::AddText(const CStringArray&) {}

void CTimeEdit::ClearText() {}

void CTimeEdit::ApplyBkgShading()
{
    if (CDropTimeSelectWnd* pDropWnd = GetTimeDropWnd())
        pDropWnd->ApplyBkgShading();
}

int CTimeEdit::GetMaxWidth()
{
    return GetDropWndMaxWidth();
}

bool CTimeEdit::GetDropWndRightAligned() const
{
    return true;
}

int CTimeEdit::GetDropWndMaxWidth() const
{
    return DpiScale::ScaleForWindow(m_hWnd, kMaxWidth);
}

void CTimeEdit::GetMoveWndFinalTweak(CRect& rc) const
{
    rc.SetRect(-5, -2, 0, 0);
}

// ---------------------------------------------------------------------------------------------
// The time and its text

void CTimeEdit::SetTime(const DateTime& time, bool textOption)
{
    CDropNotifier::HostCall call(GetNotifier());
    m_time = time;
    m_bTextOption = textOption;
    UpdateEditCtrl();
    CDropTimeSelectWnd* pDropWnd = GetTimeDropWnd();
    if (pDropWnd != nullptr && m_time.IsValidTime())
    {
        pDropWnd->m_time = m_time;
        pDropWnd->SelectTime();
    }
}

const DateTime& CTimeEdit::GetTime() const
{
    return m_time;
}

void CTimeEdit::UpdateEditCtrl()
{
    const CString text = m_time.IsValidTime() ? DateTime::ConvertTimeToText(m_time, m_bTextOption) : CString();
    if (text.Compare(CurrentText()) != 0)
        SetWindowText(text);
}

void CTimeEdit::ReadText()
{
    const CString text = CurrentText();
    DateTime parsed;
    parsed.SetTime(text);
    m_time = parsed;
    CDropTimeSelectWnd* pDropWnd = GetTimeDropWnd();
    if (pDropWnd == nullptr || !::IsWindow(pDropWnd->m_hWnd))
        return;
    // Selecting the row must not write the row's text back over what the user is typing.
    DoUpdateText(false);
    // The list steps on from its own time: a text that is no time leaves none to step from.
    pDropWnd->m_time = m_time;
    if (m_time.IsValidTime())
        pDropWnd->SelectTime();
    else
        pDropWnd->SetCurSel(text.IsEmpty() && pDropWnd->m_bAllowEmpty ? 0 : -1, false); // the empty row, or none
    DoUpdateText(true);
}

void CTimeEdit::UpdateDropWnd()
{
    CSelectEdit::UpdateDropWnd();
    CDropTimeSelectWnd* pDropWnd = GetTimeDropWnd();
    if (pDropWnd == nullptr || !::IsWindow(pDropWnd->m_hWnd))
        return LogTag("{87F2EF11-2A09-4BD6-84C0-9A57C08BD285}");
    ReadText();
}

void CTimeEdit::OnDropWndChanged(bool /*keepOpen*/)
{
    CDropTimeSelectWnd* pDropWnd = GetTimeDropWnd();
    if (pDropWnd == nullptr || !AllowUpdateText())
        return;
    m_time = pDropWnd->m_time;
    UpdateEditCtrl();
    const int length = GetWindowTextLength();
    SendMessage(EM_SETSEL, length, length);
    SendMessage(EM_SCROLLCARET, 0, 0);
}

void CTimeEdit::ProcessEdit()
{
    const CString before = CurrentText();
    CSelectEdit::ProcessEdit();
    if (CurrentText().Compare(before) != 0)
        ReadText();
}

// ---------------------------------------------------------------------------------------------
// Keys and focus

void CTimeEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Shift+Delete is a cut (the base turns it into WM_CUT): emptying the text first would leave
    // the cut nothing to take; the cut itself clears the time through ProcessEdit.
    const bool bCut = Keyboard::IsShiftKeyDown() && !Keyboard::IsCtrlKeyDown();
    if (nChar == VK_DELETE && !m_bReadOnly && !bCut)
    {
        int start = 0;
        int end = 0;
        GetSel(start, end);
        if (start == 0 && end == GetWindowTextLength())
        {
            m_time.ClearTime();
            SetWindowText("");
        }
    }
    const bool bListShown = IsTimeListShown();
    const CString before = CurrentText();
    CSelectEdit::OnKeyDown(nChar, nRepCnt, nFlags);

    // Delete is seen by the base before the edit removes anything, and the stepping keys of a
    // closed list change only the text: the time follows the text they leave, so that leaving
    // the edit keeps it.
    const bool bStep = (nChar == VK_UP || nChar == VK_DOWN) && !bListShown;
    if ((nChar == VK_DELETE || bStep) && CurrentText().Compare(before) != 0)
        ReadText();
}

void CTimeEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const CString before = CurrentText();
    CSelectEdit::OnChar(nChar, nRepCnt, nFlags);
    // Typing reaches the time through UpdateDropWnd; a read-only first letter picks a time text
    // without it, and the time must follow so that leaving the edit keeps what the user picked.
    if (m_bReadOnly && CurrentText().Compare(before) != 0)
        ReadText();
}

BOOL CTimeEdit::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    const CString before = CurrentText();
    const BOOL result = CSelectEdit::OnMouseWheel(nFlags, zDelta, pt);
    // A read-only step by the wheel changes the text as Up and Down do; the time follows it.
    if (CurrentText().Compare(before) != 0)
        ReadText();
    return result;
}

void CTimeEdit::OnKillFocus(CWnd* pNewWnd)
{
    UpdateEditCtrl();
    CDropBaseEdit::OnKillFocus(pNewWnd);
}

// ---------------------------------------------------------------------------------------------
// The stored interval

void CTimeEdit::LoadData(UINT& interval) const
{
    const CString text = RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, kIntervalKey, kIntervalValue, false);
    interval = static_cast<UINT>(CDropTimeSelectWnd::ValidInterval(NumberTextConv::GetNumberFromString(text)));
}

void CTimeEdit::SaveData()
{
    CDropTimeSelectWnd* pDropWnd = GetTimeDropWnd();
    if (pDropWnd == nullptr)
        return;
    const CString text = NumberTextConv::NumberToString(pDropWnd->m_nInterval, false, 0, CString());
    RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, kIntervalKey, kIntervalValue, text, false);
}
