#include "DateEdit.h"
#include "DpiScale.h"
#include "AppLogger.h"
#include "CalendarWnd.h"
#include "DropDateSelectWnd.h"
#include "FaultInjection.h"
#include "LocaleUtils.h"
#include "StringUtils.h"
#include <algorithm>

BEGIN_MESSAGE_MAP(CDateEdit, CDropBaseEdit)
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_MOUSEWHEEL()
    ON_WM_MOUSEHWHEEL()
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnValueChanged)
END_MESSAGE_MAP()

namespace
{
const int kCalendarWidth = 260;
const int kCalendarHeight = 240;
const UINT kTodayKey = 0x54; // T
}

CDateEdit::CDateEdit()
    : CDropBaseEdit(::GetSysColor(COLOR_WINDOW)),
      m_bInitialised(false),
      m_bShowSpecialDates(true),
      m_bShowClearButton(true),
      m_bShowOptionsButton(true),
      m_bShowGenerateHTML(true),
      m_bShowDateRanges(false)
{
}

CDateEdit::~CDateEdit() = default;

// ---------------------------------------------------------------------------------------------
// Operations

void CDateEdit::Init(const DateTime& date, bool drawButton)
{
    DoDrawButton(drawButton);
    CDropBaseEdit::Init();
    m_date = date;

    CDropDateSelectWnd* pDropWnd = FaultInjection::New<CDropDateSelectWnd>();
    if (pDropWnd != nullptr)
    {
        pDropWnd->m_bShowSpecialDates = m_bShowSpecialDates;
        pDropWnd->m_bShowClearButton = m_bShowClearButton;
        pDropWnd->m_bShowOptionsButton = m_bShowOptionsButton;
        pDropWnd->m_bShowGenerateHTML = m_bShowGenerateHTML;
        pDropWnd->m_bShowDateRanges = m_bShowDateRanges;
    }
    CreateDropWnd(pDropWnd, false);

    if (pDropWnd != nullptr)
    {
        // A larger font can make one month need more than the usual size: never clip it.
        const UINT nDpi = DpiScale::GetWindowDpi(m_hWnd);
        CSize size(DpiScale::Scale(kCalendarWidth, nDpi), DpiScale::Scale(kCalendarHeight, nDpi));
        if (pDropWnd->m_pCalendar != nullptr)
        {
            const CSize preferred = pDropWnd->m_pCalendar->GetPreferredSize();
            size.cx = std::max<LONG>(size.cx, preferred.cx + 2 * DpiScale::GetSystemMetric(SM_CXBORDER, nDpi));
            size.cy = std::max<LONG>(size.cy, preferred.cy + 2 * DpiScale::GetSystemMetric(SM_CYBORDER, nDpi));
        }
        if (pDropWnd->m_nPreferredWidth != size.cx || pDropWnd->m_nPreferredHeight != size.cy)
        {
            pDropWnd->m_nPreferredWidth = size.cx;
            pDropWnd->m_nPreferredHeight = size.cy;
            if (pDropWnd->m_pEdit != nullptr)
                pDropWnd->m_pEdit->OnAppMove();
        }
        PassRangeToCalendar();
        SetCalendarDate(m_date);
    }
    UpdateEditCtrl();
    m_bInitialised = true;
}

void CDateEdit::SetDate(const DateTime& date)
{
    CDropNotifier::HostCall call(GetNotifier());
    if (date.IsValidDate() && !m_range.Contains(date))
        return;
    if (&date != &m_date)
        m_date = date;
    UpdateEditCtrl();
    SetCalendarDate(m_date);
}

const DateTime& CDateEdit::GetDate() const
{
    return m_date;
}

bool CDateEdit::SetDateRange(const DateTime& first, const DateTime& last)
{
    CDropNotifier::HostCall call(GetNotifier());
    if (!m_range.Set(first, last))
    {
        if (AppLogger::m_pInstance != nullptr)
            AppLogger::m_pInstance->AddLine(CString("{CF8C690A-E5A9-4C79-9B6A-1825FD617F06} date range refused: its first day comes after its last"));
        return false;
    }
    PassRangeToCalendar();
    return true;
}

void CDateEdit::GetDateRange(DateTime& first, DateTime& last) const
{
    first = m_range.GetFirst();
    last = m_range.GetLast();
}

void CDateEdit::PassRangeToCalendar()
{
    CDropDateSelectWnd* pDropWnd = GetDateDropWnd();
    if (pDropWnd != nullptr && pDropWnd->m_pCalendar != nullptr)
        pDropWnd->m_pCalendar->SetDateRange(m_range);
}

int CDateEdit::GetMaxWidth()
{
    return GetDropWndMaxWidth();
}

void CDateEdit::ShowCalendar()
{
    CDropNotifier::HostCall call(GetNotifier());
    ShowDropWnd(true, false, true);
}

void CDateEdit::SetShowSpecialDates(bool bShow)
{
    m_bShowSpecialDates = bShow;
}

void CDateEdit::SetShowClearButton(bool bShow)
{
    m_bShowClearButton = bShow;
}

void CDateEdit::SetShowOptionsButton(bool bShow)
{
    m_bShowOptionsButton = bShow;
}

void CDateEdit::SetShowGenerateHTML(bool bShow)
{
    m_bShowGenerateHTML = bShow;
}

void CDateEdit::SetShowDateRanges(bool bShow)
{
    m_bShowDateRanges = bShow;
}

void CDateEdit::ApplyBkgShading()
{
    CDropDateSelectWnd* pDropWnd = GetDateDropWnd();
    if (pDropWnd != nullptr && pDropWnd->m_pCalendar != nullptr)
        pDropWnd->m_pCalendar->ApplyBkgShading();
}

bool CDateEdit::SaveCalendarWebPage(const CString& path)
{
    CDropDateSelectWnd* pDropWnd = GetDateDropWnd();
    if (pDropWnd == nullptr || pDropWnd->m_pCalendar == nullptr)
        return false;
    return pDropWnd->m_pCalendar->SaveCalendarWebPage(path);
}

// ---------------------------------------------------------------------------------------------
// Hooks

bool CDateEdit::GetDropWndRightAligned() const
{
    return true;
}

int CDateEdit::GetDropWndMaxWidth() const
{
    // The calendar's own wish (a font or platform may need more room) wins over the usual
    // width: a wide edit must not clip its Saturday column and its arrow.
    const int width = DpiScale::ScaleForWindow(m_hWnd, kCalendarWidth);
    if (m_pDropWnd != nullptr)
        return std::max(width, m_pDropWnd->m_nPreferredWidth);
    return width;
}

void CDateEdit::GetMoveWndFinalTweak(CRect& r) const
{
    r.SetRect(-5, -2, 0, 0);
}

void CDateEdit::UpdateDropWnd()
{
    PassTextToCalendar();
}

void CDateEdit::OnDropWndChanged(bool keepOpen)
{
    CDropDateSelectWnd* pDropWnd = GetDateDropWnd();
    if (pDropWnd == nullptr || !AllowUpdateText())
        return;
    const DateTime picked = pDropWnd->GetDate();
    if (picked.IsValidDate() && !m_range.Contains(picked))
    {
        // A day outside the range is no choice; the calendar goes back to the edit's date.
        DoUpdateText(false);
        SetCalendarDate(m_date);
        DoUpdateText(true);
        return;
    }
    // A pick within the edit's month is a choice made; one in another month is still browsing.
    const bool bClose = !keepOpen && (!m_date.IsValidDate() || picked.GetMonth() == m_date.GetMonth());
    m_date = picked;

    int nStart = 0;
    int nEnd = 0;
    GetSel(nStart, nEnd);
    UpdateEditCtrl();
    SetSel(nStart, nEnd, TRUE);
    SendMessage(EM_SCROLLCARET);

    if (bClose)
    {
        GetNotifier().NotePick();
        ShowDropWnd(false, false, true);
    }
}

BOOL CDateEdit::PreTranslateMessage(MSG* msg)
{
    // Alt+T and Alt+F5 set today; the key still goes on to the framework.
    if (msg != nullptr && msg->message == WM_SYSKEYDOWN && (msg->wParam == kTodayKey || msg->wParam == VK_F5) &&
        !IsHostReadOnly())
    {
        m_date.SetToCurrent();
        m_date = m_range.Clamp(m_date);
        UpdateEditCtrl();
    }
    return CWnd::PreTranslateMessage(msg);
}

// ---------------------------------------------------------------------------------------------
// Text and calendar

void CDateEdit::UpdateEditCtrl()
{
    if (!::IsWindow(m_hWnd))
        return;
    CString current;
    GetWindowText(current);
    const CString text = m_date.IsValidDate() ? DateTime::ConvertDateToText(m_date, false, false, false, true) : CString();
    if (text.Compare(current) != 0)
        SetWindowText(text);
}

bool CDateEdit::ParseText()
{
    if (!::IsWindow(m_hWnd))
        return false;
    CString text;
    GetWindowText(text);
    // A date outside the range is refused as an impossible date is.
    DateTime parsed(m_date);
    if (!parsed.SetDate(text) || !m_range.Contains(parsed))
        return false;
    m_date = parsed;
    return true;
}

void CDateEdit::AnalyzeEditContent(bool allowTextUpdate)
{
    // The date follows the text even without a calendar: a plain date box must not lose what
    // the user typed.
    if (!ParseText() || !HasDropWindow())
        return;
    if (allowTextUpdate)
    {
        SetCalendarDate(m_date);
        return;
    }
    DoUpdateText(false);
    SetCalendarDate(m_date);
    DoUpdateText(true);
}

void CDateEdit::PassTextToCalendar()
{
    AnalyzeEditContent(false);
}

void CDateEdit::SetCalendarDate(const DateTime& date)
{
    CDropDateSelectWnd* pDropWnd = GetDateDropWnd();
    if (pDropWnd != nullptr)
        pDropWnd->SetDate(date);
}

void CDateEdit::HighlightField(int field)
{
    CString text;
    GetWindowText(text);
    const CString separator = LocaleUtils::GetDateSeparator();
    if (separator.IsEmpty())
        return;
    const int nFirst = text.Find(separator, 0);
    const int nLast = StringUtils::FindLast(text, separator);
    // A field starts after the whole separator, so that a separator such as ". " is not
    // selected with the field and typed over.
    const int nSeparatorLength = separator.GetLength();
    int nStart = 0;
    int nEnd = 0;
    switch (field)
    {
    case 0:
        if (nFirst < 0)
            return;
        nEnd = nFirst;
        break;
    case 1:
        if (nFirst < 0 || nLast <= nFirst)
            return;
        nStart = nFirst + nSeparatorLength;
        nEnd = nLast;
        break;
    case 2:
        if (nLast < 0)
            return;
        nStart = nLast + nSeparatorLength;
        nEnd = -1;
        break;
    default:
        return;
    }
    SetSel(nStart, nEnd);
    SendMessage(EM_SCROLLCARET);
}

void CDateEdit::StepMonths(short delta)
{
    if (!m_date.IsValidDate())
        return;
    m_date.AddMonths(delta > 0 ? 1 : -1);
    m_date = m_range.Clamp(m_date);
    UpdateEditCtrl();
    UINT nDay = 0;
    UINT nMonth = 1;
    UINT nYear = 2;
    LocaleUtils::GetDateOrdering(nDay, nMonth, nYear);
    HighlightField(static_cast<int>(nMonth));
}

bool CDateEdit::HasCalendarWindow()
{
    CDropDateSelectWnd* pDropWnd = GetDateDropWnd();
    return pDropWnd != nullptr && pDropWnd->m_pCalendar != nullptr && ::IsWindow(pDropWnd->m_pCalendar->m_hWnd);
}

CDropDateSelectWnd* CDateEdit::GetDateDropWnd()
{
    return CDropDateSelectWnd::FromDropWnd(GetDropWnd());
}

bool CDateEdit::HasDropWindow()
{
    CDropWnd* pDropWnd = GetDropWnd();
    return pDropWnd != nullptr && ::IsWindow(pDropWnd->m_hWnd);
}

// ---------------------------------------------------------------------------------------------
// Message handlers

BOOL CDateEdit::OnValueChanged()
{
    PassTextToCalendar();
    // The parent sees EN_CHANGE as from any edit.
    return FALSE;
}

void CDateEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CDropBaseEdit::OnKeyDown(nChar, nRepCnt, nFlags);
    switch (nChar)
    {
    case VK_RETURN:
        if (ParseText())
            SetCalendarDate(m_date);
        break;
    case VK_DOWN:
        // The base class has just opened a hidden calendar; the keys now belong to it. A drop
        // window whose calendar failed would only trap the focus in an empty popup.
        if (HasDropWindow() && GetDropWnd()->IsWindowVisible() && HasCalendarWindow())
            GetDropWnd()->SetFocus();
        break;
    default:
        break;
    }
}

void CDateEdit::OnKillFocus(CWnd* pNewWnd)
{
    // Text that never parsed gives way to the last valid date (or to nothing).
    UpdateEditCtrl();
    CDropBaseEdit::OnKillFocus(pNewWnd);
}

BOOL CDateEdit::OnMouseWheel(UINT /*flags*/, short delta, CPoint /*pt*/)
{
    StepMonths(delta);
    return TRUE;
}

void CDateEdit::OnMouseHWheel(UINT flags, short delta, CPoint pt)
{
    OnMouseWheel(flags, delta, pt);
}
