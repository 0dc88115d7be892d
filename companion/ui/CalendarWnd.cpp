#include "CalendarWnd.h"
#include "DpiScale.h"
#include "BkgStyle.h"
#include <LocaleUtils.h>
#include <afxcmn.h>
#include <commctrl.h>
#include <algorithm>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(CCalendarWnd, CWnd)

const UINT CCalendarWnd::CALWND_ONSELCHANGE = ::RegisterWindowMessageA("CalendarWnd.OnSelChange.{7D1E4A52-3C0B-4F8E-9A61-2B5D8C0E7F13}");
const UINT CCalendarWnd::CALWND_ONNODATE = ::RegisterWindowMessageA("CalendarWnd.OnNoDate.{A3F09C71-5E2D-4B6A-8C14-9D7E0B3F2A68}");
const UINT CCalendarWnd::CALWND_ENTERKEY = ::RegisterWindowMessageA("CalendarWnd.EnterKey.{4B8C2E90-7A1F-4D35-B6E2-0C9A5F1D8E47}");
const UINT CCalendarWnd::CALWND_ESCKEY = ::RegisterWindowMessageA("CalendarWnd.EscKey.{E62D7B18-0F4C-4A93-85D1-6B3E9C2A7F05}");
const UINT CCalendarWnd::CALWND_PROMPT_SAVEWEBPAGE = ::RegisterWindowMessageA("CalendarWnd.PromptSaveWebPage.{19C5F3A6-8E2B-4D70-9F4A-3E6B1D0C5A82}");
const UINT CCalendarWnd::CALWND_DATERANGE_CHANGED = ::RegisterWindowMessageA("CalendarWnd.DateRangeChanged.{C08E4D2F-6B1A-4F59-A7C3-5D2E8F0B9A14}");

namespace
{
// What of the month calendar lies under the point of the message being handled.
MCHITTESTINFO HitTestAtMessagePos(HWND hMonthCal)
{
    const DWORD pos = ::GetMessagePos();
    MCHITTESTINFO hit{};
    hit.cbSize = MCHITTESTINFO_V1_SIZE;
    hit.pt.x = static_cast<short>(LOWORD(pos));
    hit.pt.y = static_cast<short>(HIWORD(pos));
    ::ScreenToClient(hMonthCal, &hit.pt);
    ::SendMessage(hMonthCal, MCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    return hit;
}

// Whether two colours differ enough in brightness for text of one to be read on the other.
bool IsDistinct(COLORREF a, COLORREF b)
{
    const auto luma = [](COLORREF c) { return 299 * GetRValue(c) + 587 * GetGValue(c) + 114 * GetBValue(c); };
    const int diff = luma(a) - luma(b);
    return (diff < 0 ? -diff : diff) >= 1000 * 80;
}

const UINT kMonthCalId = 100;
const UINT kClearId = 101;
const UINT kOptionsId = 102;
const UINT kCmdToday = 1;
const UINT kCmdSaveWebPage = 2;
const UINT kCmdOneMonth = 3;
const UINT kCmdAsManyAsFit = 4;
const int kStripHeight = 24;
const int kButtonWidth = 72;
const int kMargin = 2;
// The month calendar cannot show more than this many months at once.
const int kMaxMonths = 12;
const UINT_PTR kSubclassId = 1;

SYSTEMTIME ToSystemTime(const DateTime& date)
{
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(date.GetYear());
    st.wMonth = static_cast<WORD>(date.GetMonth());
    st.wDay = static_cast<WORD>(date.GetDay());
    st.wDayOfWeek = static_cast<WORD>(std::max(0, date.GetDayOfWeek()));
    return st;
}

DateTime FromSystemTime(const SYSTEMTIME& st)
{
    DateTime date;
    date.SetDate(st.wYear, st.wMonth, st.wDay);
    return date;
}

DateTime Today()
{
    DateTime today;
    today.SetToCurrent();
    today.ClearTime();
    return today;
}

void AppendEscaped(std::string& out, const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
    {
        const char ch = text[i];
        switch (ch)
        {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += ch; break;
        }
    }
}

CString MonthTitle(int year, int month)
{
    CString name = LocaleUtils::GetLocaleText(LOCALE_SMONTHNAME1 + month - 1);
    CString title;
    if (name.IsEmpty())
        title.Format("%04d-%02d", year, month);
    else
        title.Format("%s %d", static_cast<LPCSTR>(name), year);
    return title;
}

bool WriteWholeFile(const CString& path, const std::string& contents)
{
    // Some platforms let CREATE_ALWAYS replace a read-only file; read-only means keep it.
    const DWORD attributes = ::GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;
    HANDLE hFile = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool bWritten = ::WriteFile(hFile, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr) &&
                          written == contents.size();
    const bool bClosed = ::CloseHandle(hFile) != FALSE;
    if (bWritten && bClosed)
        return true;
    // A half-written page must not pass for a saved one.
    ::DeleteFileA(path);
    return false;
}
}

BEGIN_MESSAGE_MAP(CCalendarWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_BN_CLICKED(kClearId, OnClearClicked)
    ON_BN_CLICKED(kOptionsId, OnOptionsClicked)
END_MESSAGE_MAP()

CCalendarWnd::CCalendarWnd()
    : m_hMonthCal(nullptr), m_bShowSpecialDates(false), m_bShowClearButton(false), m_bShowOptionsButton(false),
      m_bShowGenerateHTML(false), m_bShowDateRanges(false), m_monthsShown(OneMonth), m_shownFirst(0), m_shownLast(0),
      m_bSettingDate(false), m_bInMouseButton(false), m_bStripShaded(false)
{
}

CCalendarWnd::~CCalendarWnd()
{
    if (::IsWindow(m_hWnd))
        DestroyWindow();
    m_hMonthCal = nullptr;
}

LPARAM CCalendarWnd::PackDate(const DateTime& date)
{
    if (!date.IsValidDate())
        return 0;
    return static_cast<LPARAM>(date.GetYear()) * 10000 + date.GetMonth() * 100 + date.GetDay();
}

DateTime CCalendarWnd::UnpackDate(LPARAM packed)
{
    DateTime date;
    if (packed > 0)
        date.SetDate(static_cast<int>(packed / 10000), static_cast<int>(packed / 100 % 100), static_cast<int>(packed % 100));
    return date;
}

bool CCalendarWnd::Create(UINT nID, const CRect& rect, bool bShowSpecialDates, CWnd* pParent, bool bShowClearButton,
                          bool bShowOptionsButton, bool bShowGenerateHTML, bool bShowDateRanges)
{
    if (pParent == nullptr || !::IsWindow(pParent->m_hWnd) || ::IsWindow(m_hWnd))
        return false;
    m_bShowSpecialDates = bShowSpecialDates;
    m_bShowClearButton = bShowClearButton;
    m_bShowOptionsButton = bShowOptionsButton;
    m_bShowGenerateHTML = bShowGenerateHTML;
    m_bShowDateRanges = bShowDateRanges;

    LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW));
    return CreateEx(WS_EX_CONTROLPARENT, cls, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, rect, pParent,
                    nID) != FALSE;
}

int CCalendarWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);

    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (m_bShowSpecialDates ? MCS_DAYSTATE : 0);
    m_hMonthCal = ::CreateWindowExA(0, MONTHCAL_CLASSA, "", style, 0, 0, 10, 10, m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kMonthCalId)), nullptr, nullptr);
    if (m_hMonthCal == nullptr)
        return -1;
    ::SetWindowSubclass(m_hMonthCal, &CCalendarWnd::MonthCalProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    ApplyDateRange();

    HFONT hFont = nullptr;
    if (CWnd* pParent = GetParent())
        hFont = reinterpret_cast<HFONT>(pParent->SendMessage(WM_GETFONT));
    if (hFont == nullptr)
        hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    const DWORD btnStyle = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
    if (m_bShowClearButton && !m_btnClear.Create("No date", btnStyle, CRect(0, 0, 1, 1), this, kClearId))
        return -1;
    if (m_bShowOptionsButton && !m_btnOptions.Create("Options", btnStyle, CRect(0, 0, 1, 1), this, kOptionsId))
        return -1;
    for (CShadeButton* pButton : {&m_btnClear, &m_btnOptions})
    {
        if (::IsWindow(pButton->m_hWnd))
            pButton->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    }

    ApplyBkgShading();
    SetDate(m_date);
    RefreshDayState();
    Layout();
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Host operations

void CCalendarWnd::SetDate(const DateTime& date)
{
    if (&date != &m_date)
    {
        m_date = DateTime();
        if (date.IsValidDate())
            m_date.SetDate(date.GetYear(), date.GetMonth(), date.GetDay());
    }
    if (m_hMonthCal == nullptr)
        return;
    SYSTEMTIME st = ToSystemTime(m_date.IsValidDate() ? m_date : Today());
    m_bSettingDate = true;
    ::SendMessage(m_hMonthCal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    m_bSettingDate = false;
    CheckShownRange(Source::Host);
}

void CCalendarWnd::SetDateRange(const DateRange& range)
{
    m_range = range;
    ApplyDateRange();
}

void CCalendarWnd::ApplyDateRange()
{
    if (m_hMonthCal == nullptr)
        return;
    SYSTEMTIME limits[2] = {};
    DWORD flags = 0;
    if (m_range.GetFirst().IsValidDate())
    {
        limits[0] = ToSystemTime(m_range.GetFirst());
        flags |= GDTR_MIN;
    }
    if (m_range.GetLast().IsValidDate())
    {
        limits[1] = ToSystemTime(m_range.GetLast());
        flags |= GDTR_MAX;
    }
    ::SendMessage(m_hMonthCal, MCM_SETRANGE, flags, reinterpret_cast<LPARAM>(limits));
}

void CCalendarWnd::SetSpecialDates(const DateTime* pDates, int nCount)
{
    m_specialDates.clear();
    for (int i = 0; pDates != nullptr && i < nCount; ++i)
    {
        if (pDates[i].IsValidDate())
            m_specialDates.insert(PackDate(pDates[i]));
    }
    RefreshDayState();
}

bool CCalendarWnd::IsSpecialDate(const DateTime& date) const
{
    return date.IsValidDate() && m_specialDates.count(PackDate(date)) != 0;
}

void CCalendarWnd::SetMonthsShown(MonthsShown months)
{
    m_monthsShown = months == AsManyAsFit ? AsManyAsFit : OneMonth;
    Layout();
    CheckShownRange(Source::Host);
}

bool CCalendarWnd::GetShownRange(DateTime& first, DateTime& last) const
{
    if (m_hMonthCal == nullptr)
        return false;
    SYSTEMTIME range[2]{};
    ::SendMessage(m_hMonthCal, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range));
    first = FromSystemTime(range[0]);
    last = FromSystemTime(range[1]);
    return first.IsValidDate() && last.IsValidDate();
}

CSize CCalendarWnd::GetPreferredSize() const
{
    CRect rcMin(0, 0, 0, 0);
    if (m_hMonthCal == nullptr || !::SendMessage(m_hMonthCal, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rcMin)))
        return CSize(0, 0);
    int cx = rcMin.Width();
    if (m_monthsShown == AsManyAsFit)
    {
        // Two months side by side, with the gap the control leaves between them.
        const int nGap = DpiScale::GetSystemMetricForWindow(m_hWnd, SM_CXEDGE) * 4;
        cx = 2 * cx + nGap;
    }
    const int cxButtons = DpiScale::ScaleForWindow(m_hWnd, 2 * kButtonWidth + 3 * kMargin);
    return CSize(std::max(cx, StripHeight() > 0 ? cxButtons : 0), rcMin.Height() + StripHeight());
}

void CCalendarWnd::ApplyBkgShading()
{
    ShadeProps* pCalendar = nullptr;
    ShadeProps* pButtons = nullptr;
    if (BkgStyle* pStyle = BkgStyle::GetInstance())
    {
        pStyle->Get(BkgStyle::Calendar, pCalendar);
        pStyle->Get(BkgStyle::CalendarButtons, pButtons);
    }
    m_bStripShaded = pCalendar != nullptr;
    m_stripShade = pCalendar != nullptr ? *pCalendar : ShadeProps();

    if (m_hMonthCal != nullptr)
    {
        const COLORREF clrBack = pCalendar != nullptr ? pCalendar->m_clrLight : ::GetSysColor(COLOR_WINDOW);
        COLORREF clrTitle = pCalendar != nullptr ? pCalendar->m_clrDark : ::GetSysColor(COLOR_ACTIVECAPTION);
        COLORREF clrTitleText = pCalendar != nullptr ? pCalendar->m_clrText : ::GetSysColor(COLOR_CAPTIONTEXT);
        // The weekday names and the selected day are drawn in the title colour on the day
        // background: a shading whose dark end is nearly as light would hide them.
        if (!IsDistinct(clrTitle, clrBack))
        {
            clrTitle = ::GetSysColor(COLOR_HIGHLIGHT);
            clrTitleText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        const std::pair<int, COLORREF> colours[] = {
            {MCSC_BACKGROUND, clrBack},
            {MCSC_MONTHBK, clrBack},
            // Days sit on the light end of the shading, the title (and the weekday names and the
            // selected day, which the control draws in the title colour) on the dark end with the
            // style's text colour, so that both stay readable whatever the style's colours.
            {MCSC_TEXT, ::GetSysColor(COLOR_WINDOWTEXT)},
            {MCSC_TITLEBK, clrTitle},
            {MCSC_TITLETEXT, clrTitleText},
            {MCSC_TRAILINGTEXT, ::GetSysColor(COLOR_GRAYTEXT)},
        };
        for (const auto& colour : colours)
            ::SendMessage(m_hMonthCal, MCM_SETCOLOR, colour.first, colour.second);
    }
    const ShadeProps buttonShade = pButtons != nullptr ? *pButtons : ShadeProps();
    for (CShadeButton* pButton : {&m_btnClear, &m_btnOptions})
    {
        if (::IsWindow(pButton->m_hWnd))
            pButton->SetShadeProps(buttonShade);
    }
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

// ---------------------------------------------------------------------------------------------
// Layout and painting

int CCalendarWnd::StripHeight() const
{
    return m_bShowClearButton || m_bShowOptionsButton ? DpiScale::ScaleForWindow(m_hWnd, kStripHeight) : 0;
}

void CCalendarWnd::Layout()
{
    if (m_hMonthCal == nullptr)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcCal(rcClient);
    rcCal.bottom = std::max(rcCal.top, rcCal.bottom - StripHeight());
    CRect rcMin(0, 0, 0, 0);
    if (m_monthsShown == OneMonth && ::SendMessage(m_hMonthCal, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&rcMin)))
    {
        // Anything short of room for a second month still holds one, so one month keeps all
        // the room it can use; beyond that it stays centred at its largest single size.
        const int cx = std::min(rcCal.Width(), 2 * rcMin.Width() - 1);
        const int cy = std::min(rcCal.Height(), 2 * rcMin.Height() - 1);
        rcCal.left += (rcCal.Width() - cx) / 2;
        rcCal.top += (rcCal.Height() - cy) / 2;
        rcCal.right = rcCal.left + cx;
        rcCal.bottom = rcCal.top + cy;
    }
    ::MoveWindow(m_hMonthCal, rcCal.left, rcCal.top, rcCal.Width(), rcCal.Height(), TRUE);

    const UINT nDpi = DpiScale::GetWindowDpi(m_hWnd);
    const int nMargin = DpiScale::Scale(kMargin, nDpi);
    const int nButtonWidth = DpiScale::Scale(kButtonWidth, nDpi);
    const int nTop = rcClient.bottom - DpiScale::Scale(kStripHeight, nDpi) + nMargin;
    const int nHeight = DpiScale::Scale(kStripHeight, nDpi) - 2 * nMargin;
    if (::IsWindow(m_btnClear.m_hWnd))
        m_btnClear.MoveWindow(rcClient.left + nMargin, nTop, nButtonWidth, nHeight, TRUE);
    if (::IsWindow(m_btnOptions.m_hWnd))
        m_btnOptions.MoveWindow(rcClient.right - nMargin - nButtonWidth, nTop, nButtonWidth, nHeight, TRUE);
    Invalidate(TRUE);
}

void CCalendarWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Layout();
    // More or fewer months may fit now.
    CheckShownRange(Source::Host);
}

BOOL CCalendarWnd::OnEraseBkgnd(CDC* pDC)
{
    if (pDC == nullptr)
        return FALSE;
    CRect rcClient;
    GetClientRect(&rcClient);
    const COLORREF clrBack = m_hMonthCal != nullptr
                                 ? static_cast<COLORREF>(::SendMessage(m_hMonthCal, MCM_GETCOLOR, MCSC_BACKGROUND, 0))
                                 : ::GetSysColor(COLOR_WINDOW);
    pDC->FillSolidRect(&rcClient, clrBack);
    if (StripHeight() > 0)
    {
        CRect rcStrip(rcClient);
        rcStrip.top = std::max(rcClient.top, rcClient.bottom - StripHeight());
        if (m_bStripShaded)
            m_stripShade.FillGradient(pDC, rcStrip);
        else
            pDC->FillSolidRect(&rcStrip, ::GetSysColor(COLOR_BTNFACE));
    }
    return TRUE;
}

void CCalendarWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    // The window itself takes no keys: they belong to the month calendar.
    if (m_hMonthCal != nullptr)
        ::SetFocus(m_hMonthCal);
}

// ---------------------------------------------------------------------------------------------
// The month calendar: notifications, keys, mouse

BOOL CCalendarWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (pHdr == nullptr || m_hMonthCal == nullptr || pHdr->hwndFrom != m_hMonthCal)
        return CWnd::OnNotify(wParam, lParam, pResult);
    switch (pHdr->code)
    {
    case MCN_SELCHANGE:
        OnMonthCalSelChange(reinterpret_cast<NMSELCHANGE*>(pHdr)->stSelStart);
        break;
    case MCN_SELECT:
        OnMonthCalSelect(reinterpret_cast<NMSELCHANGE*>(pHdr)->stSelStart);
        break;
    case MCN_GETDAYSTATE:
        FillDayState(reinterpret_cast<NMDAYSTATE*>(pHdr));
        break;
    default:
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = 0;
    return TRUE;
}

// The control reports a click on a day twice, MCN_SELCHANGE (while the button goes down on
// some platforms, as it comes up on others) and MCN_SELECT as it comes up. Only the pick
// counts; other changes of the selection come from moving to another month.
void CCalendarWnd::OnMonthCalSelChange(const SYSTEMTIME& st)
{
    if (m_bSettingDate)
        return;
    if (m_bInMouseButton)
    {
        const MCHITTESTINFO hit = HitTestAtMessagePos(m_hMonthCal);
        if ((hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE || hit.uHit == MCHT_TODAYLINK)
            return;
    }
    m_date = FromSystemTime(st);
    Notify(CALWND_ONSELCHANGE, PackDate(m_date), 1);
    CheckShownRange(Source::Host);
}

// A click on a day outside the range still reports a selection, the one that stays (measured
// under Wine): that is no pick.
bool CCalendarWnd::IsClickOutsideRange() const
{
    if (m_range.IsOpen())
        return false;
    const MCHITTESTINFO hit = HitTestAtMessagePos(m_hMonthCal);
    return (hit.uHit & MCHT_CALENDARDATE) == MCHT_CALENDARDATE && !m_range.Contains(FromSystemTime(hit.st));
}

void CCalendarWnd::OnMonthCalSelect(const SYSTEMTIME& st)
{
    if (m_bSettingDate || IsClickOutsideRange())
        return;
    m_date = FromSystemTime(st);
    Notify(CALWND_ONSELCHANGE, PackDate(m_date), 0);
    CheckShownRange(Source::Host);
}

void CCalendarWnd::FillDayState(NMDAYSTATE* pDayState)
{
    if (pDayState == nullptr || pDayState->cDayState <= 0)
        return;
    m_dayStateBuffer.assign(static_cast<size_t>(pDayState->cDayState), 0);
    int year = pDayState->stStart.wYear;
    int month = pDayState->stStart.wMonth;
    for (MONTHDAYSTATE& state : m_dayStateBuffer)
    {
        const LPARAM monthKey = static_cast<LPARAM>(year) * 10000 + month * 100;
        for (auto it = m_specialDates.lower_bound(monthKey + 1); it != m_specialDates.end() && *it <= monthKey + 31; ++it)
            state |= 1u << (*it % 100 - 1);
        if (++month > 12)
        {
            month = 1;
            ++year;
        }
    }
    // The notification's receiver supplies the array; the control reads it when we return.
    pDayState->prgDayState = m_dayStateBuffer.data();
}

void CCalendarWnd::RefreshDayState()
{
    if (m_hMonthCal == nullptr || !m_bShowSpecialDates)
        return;
    SYSTEMTIME range[2]{};
    const int nMonths = static_cast<int>(::SendMessage(m_hMonthCal, MCM_GETMONTHRANGE, GMR_DAYSTATE, reinterpret_cast<LPARAM>(range)));
    if (nMonths <= 0 || nMonths > kMaxMonths + 2)
        return;
    NMDAYSTATE request{};
    request.stStart = range[0];
    request.cDayState = nMonths;
    FillDayState(&request);
    ::SendMessage(m_hMonthCal, MCM_SETDAYSTATE, nMonths, reinterpret_cast<LPARAM>(request.prgDayState));
}

void CCalendarWnd::CheckShownRange(Source source)
{
    DateTime first;
    DateTime last;
    if (!GetShownRange(first, last))
        return;
    const LPARAM packedFirst = PackDate(first);
    const LPARAM packedLast = PackDate(last);
    if (packedFirst == m_shownFirst && packedLast == m_shownLast)
        return;
    const bool bInitial = m_shownFirst == 0;
    m_shownFirst = packedFirst;
    m_shownLast = packedLast;
    RefreshDayState();
    if (bInitial)
        return;
    Notify(CALWND_DATERANGE_CHANGED, static_cast<WPARAM>(packedFirst), packedLast);
    if (source != Source::Host)
        Notify(CALWND_ONSELCHANGE, PackDate(m_date), 1);
}

DateTime CCalendarWnd::SelectionOrToday() const
{
    if (m_date.IsValidDate())
        return m_date;
    SYSTEMTIME st{};
    if (m_hMonthCal != nullptr && ::SendMessage(m_hMonthCal, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st)))
    {
        DateTime shown = FromSystemTime(st);
        if (shown.IsValidDate())
            return shown;
    }
    return Today();
}

// The control's own keyboard handling is missing on some platforms and differs on others, so
// navigation is ours everywhere: arrows by day and week, Page Up/Down by month (with Ctrl by
// year), Home/End to the month's first and last day.
bool CCalendarWnd::OnMonthCalKey(UINT nChar)
{
    const bool bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    DateTime target = SelectionOrToday();
    bool bMoved = true;
    switch (nChar)
    {
    case VK_RETURN:
        Notify(CALWND_ENTERKEY, static_cast<WPARAM>(PackDate(m_date)), 0);
        return true;
    case VK_ESCAPE:
        Notify(CALWND_ESCKEY, 0, 0);
        return true;
    case VK_LEFT: bMoved = target.AddDays(-1); break;
    case VK_RIGHT: bMoved = target.AddDays(1); break;
    case VK_UP: bMoved = target.AddDays(-7); break;
    case VK_DOWN: bMoved = target.AddDays(7); break;
    case VK_PRIOR: bMoved = target.AddMonths(bCtrl ? -12 : -1); break;
    case VK_NEXT: bMoved = target.AddMonths(bCtrl ? 12 : 1); break;
    case VK_HOME: bMoved = target.SetDate(target.GetYear(), target.GetMonth(), 1); break;
    case VK_END:
        bMoved = target.SetDate(target.GetYear(), target.GetMonth(),
                                DateTime::GetDaysInMonth(target.GetYear(), target.GetMonth()));
        break;
    default:
        return false;
    }
    if (bMoved)
        MoveSelection(target);
    return true;
}

void CCalendarWnd::MoveSelection(const DateTime& wanted)
{
    // A step past an end of the range stops at that end.
    const DateTime target = m_range.Clamp(wanted);
    SYSTEMTIME st = ToSystemTime(target);
    m_bSettingDate = true;
    const bool bSet = ::SendMessage(m_hMonthCal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st)) != 0;
    m_bSettingDate = false;
    // Dates the control refuses (outside its range) leave everything as it was.
    if (!bSet)
        return;
    m_date = target;
    Notify(CALWND_ONSELCHANGE, static_cast<WPARAM>(PackDate(m_date)), 1);
    CheckShownRange(Source::Host);
}

LRESULT CALLBACK CCalendarWnd::MonthCalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR uIdSubclass, DWORD_PTR dwRefData)
{
    CCalendarWnd* pThis = reinterpret_cast<CCalendarWnd*>(dwRefData);
    switch (message)
    {
    case WM_GETDLGCODE:
    {
        // A dialog would otherwise turn Enter and Escape into its own OK and Cancel.
        LRESULT code = ::DefSubclassProc(hWnd, message, wParam, lParam) | DLGC_WANTARROWS;
        const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
        if (pMsg != nullptr && pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        if (pThis->OnMonthCalKey(static_cast<UINT>(wParam)))
            return 0;
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_TIMER:
    {
        // The month arrows and the held button scroll without telling anyone (unless the
        // selection moves along), so the shown range is compared after each.
        const bool bButton = message != WM_TIMER;
        pThis->m_bInMouseButton = bButton;
        const LRESULT result = ::DefSubclassProc(hWnd, message, wParam, lParam);
        pThis->m_bInMouseButton = false;
        if (::IsWindow(hWnd))
            pThis->CheckShownRange(Source::User);
        return result;
    }
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hWnd, &CCalendarWnd::MonthCalProc, uIdSubclass);
        pThis->m_hMonthCal = nullptr;
        break;
    default:
        break;
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Buttons and the options menu

void CCalendarWnd::OnClearClicked()
{
    m_date = DateTime();
    if (m_hMonthCal != nullptr)
        ::SetFocus(m_hMonthCal);
    Notify(CALWND_ONNODATE, 0, 0);
}

void CCalendarWnd::OnOptionsClicked()
{
    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    menu.AppendMenu(MF_STRING, kCmdToday, "Go to &today");
    if (m_bShowGenerateHTML)
        menu.AppendMenu(MF_STRING, kCmdSaveWebPage, "&Save as web page...");
    if (m_bShowDateRanges)
    {
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, kCmdOneMonth, "Show &one month");
        menu.AppendMenu(MF_STRING, kCmdAsManyAsFit, "Show several &months");
        menu.CheckMenuRadioItem(kCmdOneMonth, kCmdAsManyAsFit, m_monthsShown == OneMonth ? kCmdOneMonth : kCmdAsManyAsFit,
                                MF_BYCOMMAND);
    }
    CRect rcButton;
    m_btnOptions.GetWindowRect(&rcButton);
    const UINT nCmd = static_cast<UINT>(menu.TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTALIGN | TPM_BOTTOMALIGN,
                                                            rcButton.right, rcButton.top, this));
    menu.DestroyMenu();
    if (m_hMonthCal != nullptr)
        ::SetFocus(m_hMonthCal);
    ChooseOption(nCmd);
}

void CCalendarWnd::ChooseOption(UINT nCmd)
{
    switch (nCmd)
    {
    case kCmdToday:
    {
        // An explicit pick, like a click on a day.
        const DateTime today = Today();
        SetDate(today);
        Notify(CALWND_ONSELCHANGE, static_cast<WPARAM>(PackDate(today)), 0);
        break;
    }
    case kCmdSaveWebPage:
        Notify(CALWND_PROMPT_SAVEWEBPAGE, 0, 0);
        break;
    case kCmdOneMonth:
        SetMonthsShown(OneMonth);
        break;
    case kCmdAsManyAsFit:
        SetMonthsShown(AsManyAsFit);
        break;
    default:
        break;
    }
}

void CCalendarWnd::Notify(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hParent = ::IsWindow(m_hWnd) ? ::GetParent(m_hWnd) : nullptr;
    if (hParent != nullptr)
        ::SendMessage(hParent, message, wParam, lParam);
}

// ---------------------------------------------------------------------------------------------
// Web page

bool CCalendarWnd::SaveCalendarWebPage(const CString& path) const
{
    if (path.IsEmpty() || m_hMonthCal == nullptr)
        return false;
    SYSTEMTIME range[2]{};
    ::SendMessage(m_hMonthCal, MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range));
    int year = range[0].wYear;
    int month = range[0].wMonth;
    const int nMonths = std::clamp((range[1].wYear - year) * 12 + range[1].wMonth - month + 1, 1, kMaxMonths);
    if (range[0].wYear == 0 || range[1].wYear == 0)
        return false;
    // Column 0 is the calendar's first day of the week (0 = Monday there, 0 = Sunday in DateTime).
    const int nFirstDay = LOWORD(::SendMessage(m_hMonthCal, MCM_GETFIRSTDAYOFWEEK, 0, 0)) % 7;
    const int nFirstDow = (nFirstDay + 1) % 7;

    char charset[32];
    const UINT acp = ::GetACP();
    if (acp == CP_UTF8)
        lstrcpyA(charset, "utf-8");
    else
        wsprintfA(charset, "windows-%u", acp);

    std::string page = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"";
    page += charset;
    page += "\">\n<title>Calendar</title>\n<style>\n"
            "table.month { border-collapse: collapse; margin: 1em; display: inline-table; }\n"
            "table.month caption { font-weight: bold; }\n"
            "table.month th, table.month td { padding: 2px 6px; text-align: right; }\n"
            "table.month td.selected { background: #3366cc; color: #ffffff; }\n"
            "</style>\n</head>\n<body>\n";
    for (int i = 0; i < nMonths; ++i)
    {
        page += "<table class=\"month\">\n<caption>";
        AppendEscaped(page, MonthTitle(year, month));
        page += "</caption>\n<thead>\n<tr>";
        for (int col = 0; col < 7; ++col)
        {
            const int dow = (nFirstDow + col) % 7;
            page += "<th scope=\"col\" abbr=\"";
            AppendEscaped(page, LocaleUtils::GetDayName(dow, false));
            page += "\">";
            AppendEscaped(page, LocaleUtils::GetDayName(dow, true));
            page += "</th>";
        }
        page += "</tr>\n</thead>\n<tbody>\n<tr>";
        DateTime day;
        day.SetDate(year, month, 1);
        int col = (day.GetDayOfWeek() - nFirstDow + 7) % 7;
        for (int c = 0; c < col; ++c)
            page += "<td></td>";
        const int nDays = DateTime::GetDaysInMonth(year, month);
        for (int d = 1; d <= nDays; ++d)
        {
            day.SetDate(year, month, d);
            const bool bSelected = m_date.IsValidDate() && day == m_date;
            const bool bSpecial = m_bShowSpecialDates && IsSpecialDate(day);
            page += bSelected ? "<td class=\"selected\" aria-current=\"date\">" : "<td>";
            page += bSpecial ? "<b>" + std::to_string(d) + "</b>" : std::to_string(d);
            page += "</td>";
            if (++col == 7 && d < nDays)
            {
                page += "</tr>\n<tr>";
                col = 0;
            }
        }
        for (; col < 7; ++col)
            page += "<td></td>";
        page += "</tr>\n</tbody>\n</table>\n";
        if (++month > 12)
        {
            month = 1;
            ++year;
        }
    }
    page += "</body>\n</html>\n";
    return WriteWholeFile(path, page);
}
