// The date edit and its calendar drop window on the host dialog's edit, driven with real input
// under a short-date pattern set per test, so that the locale's field order is the one under test.
#include <cstdio>
#include <functional>
#include "CalendarWnd.h"
#include "DateEdit.h"
#include "DropDateSelectWnd.h"
#include "FaultInjection.h"
#include "LogCapture.h"
#include "MessageRecorder.h"
#include "NotificationSpy.h"
#include "../framework/ControlHost.h"
#include "../ui/MenuProbe.h"

namespace
{
DateTime MakeDate(int year, int month, int day)
{
    DateTime date;
    date.SetDate(year, month, day);
    return date;
}

// yyyymmdd, "none" without a date: readable in failure messages.
std::string Packed(const DateTime& date)
{
    return date.IsValidDate() ? std::to_string(CCalendarWnd::PackDate(date)) : "none";
}

// The text that goes with a date under "dd.MM.yyyy", written without the library's formatting.
std::string DottedOrEmpty(const DateTime& date)
{
    char text[40] = "";
    if (date.IsValidDate())
        std::snprintf(text, sizeof(text), "%02d.%02d.%04d", date.GetDay(), date.GetMonth(), date.GetYear());
    return text;
}

const DateTime kMarch5 = MakeDate(2026, 3, 5);
const DateTime kMarch25 = MakeDate(2026, 3, 25);

// The user's short-date pattern (read afresh on every call), put back when the test ends.
class LocalePattern
{
public:
    LocalePattern() { ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_previous, sizeof(m_previous)); }
    ~LocalePattern()
    {
        if (m_previous[0] != '\0')
            ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_previous);
    }
    void Set(const char* pattern)
    {
        EXPECT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, pattern)) << pattern;
    }

private:
    char m_previous[128] = "";
};

using CProbeDateEdit = fwtest::Probe<CDateEdit>;

void March5To25(CProbeDateEdit& edit)
{
    edit.SetDateRange(kMarch5, kMarch25);
}

class DateTest : public fwtest::ControlTest<CProbeDateEdit, CDropDateSelectWnd>
{
protected:
    void SetUp() override { m_locale.Set("dd.MM.yyyy"); }

    // A new host with a date edit that configure may set options on before Init.
    void Attach(const DateTime& date, const std::function<void(CProbeDateEdit&)>& configure = nullptr,
                int editWidth = 150)
    {
        ControlTest::Attach(
            [&](CProbeDateEdit& edit) {
                if (configure)
                    configure(edit);
                edit.Init(date, true);
            },
            { 10, 10, 10 + editWidth, 34 });
    }

    std::string Date() const { return Packed(m_pEdit->GetDate()); }
    void TypeOver(const char* text)
    {
        m_pEdit->SetSel(0, -1);
        harness::TypeText(text);
    }
    std::pair<int, int> Selection() const
    {
        const DWORD sel = static_cast<DWORD>(m_pEdit->SendMessage(EM_GETSEL));
        return { LOWORD(sel), HIWORD(sel) };
    }
    HWND MonthCal() const { return m_pDrop->m_pCalendar->GetMonthCalHwnd(); }
    // The day the month calendar control itself has selected.
    std::string MonthCalSelection() const
    {
        SYSTEMTIME st{};
        ::SendMessage(MonthCal(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
        return Packed(MakeDate(st.wYear, st.wMonth, st.wDay));
    }
    HWND CalendarButton(const char* caption) const
    {
        return ::FindWindowExA(m_pDrop->m_pCalendar->m_hWnd, nullptr, nullptr, caption);
    }
    // Opens the calendar with Down, as a user who goes on with the keys or the mouse does.
    void OpenWithDown()
    {
        harness::PressKey(VK_DOWN);
        ASSERT_TRUE(DropVisible());
        ASSERT_TRUE(::IsChild(m_pDrop->m_hWnd, ::GetFocus()));
    }

    LocalePattern m_locale;
};
}

// What the user types becomes the date and the calendar's day at once, in each locale order, but
// the text is rewritten only when the focus leaves; text that is no date, or a date outside the
// range (whose ends are inside), leaves the last date. The wheel (rows without a typed text)
// steps by months, rewrites the text at once and selects the month field.
TEST_F(DateTest, TypingAndTheWheelSetTheDateAndTheCalendarAndLeavingShowsTheLastValidDate)
{
    const struct { const char* pattern; DateTime initial; const char* typed; const char* date; const char* shown;
                   bool ranged = false; int wheel = 0; bool horizontal = false; std::pair<int, int> selection{}; } rows[] = {
        { "dd.MM.yyyy", MakeDate(2023, 11, 2), "15.3.2024", "20240315", "15.03.2024" },
        { "MM/dd/yyyy", MakeDate(2023, 11, 2), "3/15/2024", "20240315", "03/15/2024" },
        { "yyyy-MM-dd", MakeDate(2023, 11, 2), "2024-3-15", "20240315", "2024-03-15" },
        { "dd.MM.yyyy", MakeDate(2024, 3, 15), "soon", "20240315", "15.03.2024" },
        { "dd.MM.yyyy", MakeDate(2026, 3, 10), "05.03.2026", "20260305", "05.03.2026", true }, // the first day
        { "dd.MM.yyyy", MakeDate(2026, 3, 10), "26.03.2026", "20260310", "10.03.2026", true },
        { "dd.MM.yyyy", MakeDate(2024, 1, 31), nullptr, "20240229", "29.02.2024", false, WHEEL_DELTA, false, { 3, 5 } },
        { "MM/dd/yyyy", MakeDate(2024, 1, 31), nullptr, "20231231", "12/31/2023", false, -WHEEL_DELTA, false, { 0, 2 } },
        // A wide separator is not selected with the month, where typing would replace it.
        { "d. M. yyyy", MakeDate(2024, 3, 15), nullptr, "20240415", "15. 04. 2024", false, WHEEL_DELTA, false, { 4, 6 } },
        { "dd.MM.yyyy", MakeDate(2024, 5, 10), nullptr, "20240610", "10.06.2024", false, WHEEL_DELTA, true, { 3, 5 } },
        { "dd.MM.yyyy", DateTime(), nullptr, "none", "", false, WHEEL_DELTA, false, { 0, 0 } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.pattern) + " from " + Packed(row.initial) +
                     (row.typed != nullptr ? std::string(" typed ") + row.typed : " wheel " + std::to_string(row.wheel)) +
                     (row.horizontal ? " horizontal" : "") + (row.ranged ? " in March 5 to 25" : ""));
        m_locale.Set(row.pattern);
        Attach(row.initial, row.ranged ? March5To25 : nullptr);
        harness::PressKey(VK_F9); // open, the focus stays in the edit
        if (row.typed != nullptr)
            TypeOver(row.typed);
        else
            harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), row.wheel, row.horizontal);
        EXPECT_EQ(Date(), row.date);
        if (row.initial.IsValidDate())
        {
            EXPECT_EQ(MonthCalSelection(), row.date);
        }
        EXPECT_TRUE(DropVisible()) << "following the typing does not close the calendar";
        EXPECT_EQ(Text(), row.typed != nullptr ? row.typed : row.shown);
        if (row.typed == nullptr)
        {
            EXPECT_EQ(Selection(), row.selection);
        }
        harness::PressKey(VK_TAB);
        EXPECT_EQ(Text(), row.shown);
    }
}

// A pick in the edit's month is a choice made and closes; one in another month is still
// browsing and keeps the calendar open (the second pick lands only then), until a day of the
// month then reached is picked. Without
// a date every pick closes, and the date comes back. The No date button empties the date even
// though the calendar still shows a day. A day outside the range is no pick at all. The
// selection or caret is kept.
TEST_F(DateTest, APickClosesTheCalendarOnlyWithinTheEditsMonth)
{
    const DateTime march15 = MakeDate(2024, 3, 15);
    const DateTime april1 = MakeDate(2024, 4, 1);
    DateTime shownDay; // a day of the month on show without a date
    shownDay.SetToCurrent();
    shownDay.SetDate(shownDay.GetYear(), shownDay.GetMonth(), shownDay.GetDay() == 10 ? 11 : 10);
    const DateTime noDate; // a click on the No date button
    const struct { const char* name; DateTime initial; std::pair<int, int> selection; std::vector<DateTime> clicks;
                   bool open; bool ranged = false; } rows[] = {
        { "a day of the month, a selection", march15, { 1, 4 }, { MakeDate(2024, 3, 27) }, false },
        { "the next month's grey day, then a day of it", march15, { 1, 4 }, { april1, MakeDate(2024, 4, 18) }, false },
        { "any day without a date", DateTime(), { 0, 0 }, { shownDay }, false },
        { "the No date button", march15, { 0, 0 }, { noDate }, false },
        { "a day after the range", MakeDate(2026, 3, 10), { 1, 4 }, { MakeDate(2026, 3, 28) }, true, true },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(row.initial, row.ranged ? March5To25 : nullptr);
        m_pEdit->SetSel(row.selection.first, row.selection.second);
        OpenWithDown();
        for (const DateTime& day : row.clicks)
        {
            POINT pt = harness::ClientCenter(CalendarButton("No date"));
            ASSERT_TRUE(!day.IsValidDate() || harness::MonthCalSpot(MonthCal(), MCHT_CALENDARDATE, day.GetYear(),
                                                                    day.GetMonth(), day.GetDay(), pt))
                << Packed(day) << " is not shown";
            harness::Click(pt);
            ASSERT_EVENTUALLY(Date() == Packed(row.ranged ? row.initial : day));
        }
        EXPECT_EQ(Text(), DottedOrEmpty(m_pEdit->GetDate()));
        EXPECT_EQ(DropVisible(), row.open);
        EXPECT_EQ(Selection(), row.selection);
        EXPECT_EQ(::GetFocus() == m_pEdit->m_hWnd, !row.open);
    }
}

// Without its drop window or its calendar the control is a plain date box: what the user types
// is still its date (instead of being thrown away when the focus leaves).
TEST_F(DateTest, WithoutACalendarTheTypedDateIsKept)
{
    const struct { const char* name; FaultInjection::Kind kind; int nth; const char* tag; } rows[] = {
        { "no calendar object", FaultInjection::kAllocation, 2, "{70CA8341-48D9-4E77-966F-8380E0E03458}" },
        { "no drop window", FaultInjection::kWindowCreation, 1, "{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        harness::LogCapture log;
        FaultInjection::FailNth(row.kind, row.nth);
        Attach(MakeDate(2024, 3, 15));
        FaultInjection::Reset();
        ASSERT_EQ(log.Lines().size(), 1u);
        EXPECT_STREQ(log.Lines()[0], row.tag);
        EXPECT_EQ(Text(), "15.03.2024");
        harness::PressKey(VK_F9);
        harness::PressKey(VK_DOWN);
        TypeOver("2.4.2024");
        harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), WHEEL_DELTA);
        EXPECT_EQ(Date(), "20240502");
        harness::PressKey(VK_TAB);
        EXPECT_EQ(Text(), "02.05.2024");
        EXPECT_FALSE(m_pEdit->SaveCalendarWebPage("x.html"));
    }
}

TEST_F(DateTest, TheSavePromptAndTheRangeReachTheEditsParentUnderTheirOwnIdentifiers)
{
    Attach(MakeDate(2024, 3, 15));
    OpenWithDown();
    harness::MessageRecorder recorder;
    recorder.Watch(m_pDlg->m_hWnd, "dialog");
    {
        uitest::MenuProbe probe({ 'S' });
        harness::Click(harness::ClientCenter(CalendarButton("Options")));
        ASSERT_EVENTUALLY(recorder.Count(m_pDlg->m_hWnd, CCalendarWnd::CALWND_PROMPT_SAVEWEBPAGE) == 1);
    }

    // The months shown, as the calendar reports them (see its own tests), passed on unchanged.
    recorder.Clear();
    harness::PressKey(VK_NEXT); // one month on, in the calendar
    const auto ranges = recorder.Of(m_pDlg->m_hWnd, CCalendarWnd::CALWND_DATERANGE_CHANGED);
    ASSERT_EQ(ranges.size(), 1u);
    DateTime first, last;
    ASSERT_TRUE(m_pDrop->m_pCalendar->GetShownRange(first, last));
    EXPECT_EQ(static_cast<LPARAM>(ranges[0].wParam), CCalendarWnd::PackDate(first));
    EXPECT_EQ(ranges[0].lParam, CCalendarWnd::PackDate(last));
}

// ---------------------------------------------------------------------------------------------
// Notifications to the host

// Each way of closing the calendar's own, with the date the host reads in its SELENDOK handler
// and the calendar left on it; host calls report only the opening or closing they cause
// themselves. (The base's ways of opening and closing: see the selection edit's table.)
TEST_F(DateTest, TheParentHearsEachOpeningAndHowTheCalendarClosed)
{
    const auto clickDay = [this](int day) {
        POINT pt{};
        ASSERT_TRUE(harness::MonthCalSpot(MonthCal(), MCHT_CALENDARDATE, 2026, 3, day, pt));
        harness::Click(pt);
    };
    const auto button = [this] { harness::Click(harness::WindowPoint(m_pEdit->m_hWnd, m_pEdit->m_rcButton)); };
    const struct { const char* name; std::function<void()> act; const char* expected; } rows[] = {
        { "the button opens, a click on a day picks", [&] { button(); clickDay(20); },
          "DROPDOWN SELENDOK(20260320) CLOSEUP" },
        { "Down opens, Escape in the calendar", [&] { OpenWithDown(); harness::PressKey(VK_ESCAPE); },
          "DROPDOWN SELENDCANCEL CLOSEUP" },
        { "Down opens, Right, Enter in the calendar",
          [&] { OpenWithDown(); harness::PressKey(VK_RIGHT); harness::PressKey(VK_RETURN); },
          "DROPDOWN SELENDOK(20260311) CLOSEUP" },
        { "ShowCalendar and SetDate from the host, then Escape",
          [&] {
              m_pEdit->ShowCalendar();
              m_pEdit->SetDate(MakeDate(2026, 3, 12));
              harness::PressKey(VK_ESCAPE);
          },
          "DROPDOWN SELENDCANCEL CLOSEUP" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(MakeDate(2026, 3, 10));
        harness::NotificationSpy spy(m_pDlg->m_hWnd, [this] { return Date(); });
        row.act();
        EXPECT_EQ(spy.Sequence(), row.expected);
        EXPECT_EQ(m_pDlg->m_nOkCount, 0) << "an Enter that closes the calendar is no OK for the dialog";
        if (m_pEdit->GetDate().IsValidDate())
        {
            EXPECT_EQ(MonthCalSelection(), Date());
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The range of allowed dates

// The wheel, the calendar's keys, today and the host's SetDate move at most to an end of the
// range (SetDate outside it is refused; "no date" is always taken); an open side does not limit.
// With the host's read-only style
// the user's ways change nothing and open nothing (the base drop edit refuses the keys and the
// button); the host's setter still works.
TEST_F(DateTest, EveryWayToChangeTheDateStopsAtTheEndsOfTheRange)
{
    const DateTime open;
    DateTime today;
    today.SetToCurrent();
    const DateTime pastFirst = MakeDate(2001, 1, 1), pastLast = MakeDate(2001, 12, 31);
    const DateTime futureFirst = MakeDate(2090, 6, 1);
    const auto wheel = [this](int delta) { return [this, delta] { harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), delta); }; };
    const auto calendarDown = [this] {
        OpenWithDown();
        harness::PressKey(VK_DOWN);
    };
    const auto alt = [](WORD key) { return [key] { harness::PressKey(key, harness::kAlt); }; };
    const auto setDate = [this](DateTime date) { return [this, date] { m_pEdit->SetDate(date); }; };
    const struct { const char* name; DateTime initial, first, last; std::function<void()> act; std::string date;
                   bool readOnly = false; } rows[] = {
        { "wheel up past the end", MakeDate(2026, 3, 22), kMarch5, MakeDate(2026, 4, 20), wheel(WHEEL_DELTA), "20260420" },
        { "wheel down, open start", MakeDate(2026, 3, 22), open, kMarch25, wheel(-WHEEL_DELTA), "20260222" },
        { "Down in the calendar past the end", MakeDate(2026, 3, 22), kMarch5, kMarch25, calendarDown, "20260325" },
        { "Alt+T after the range", MakeDate(2001, 3, 8), pastFirst, pastLast, alt('T'), "20011231" },
        { "Alt+F5 before the range", MakeDate(2090, 7, 8), futureFirst, open, alt(VK_F5), "20900601" },
        { "Alt+T, open range", MakeDate(2001, 3, 8), open, open, alt('T'), Packed(today) },
        { "SetDate after the range", MakeDate(2026, 3, 10), kMarch5, kMarch25, setDate(MakeDate(2026, 4, 1)), "20260310" },
        { "SetDate without a date", MakeDate(2026, 3, 10), kMarch5, kMarch25, setDate(open), "none" },
        { "read-only: the wheel", MakeDate(2024, 3, 15), open, open, wheel(WHEEL_DELTA), "20240315", true },
        { "read-only: Alt+T", MakeDate(2024, 3, 15), open, open, alt('T'), "20240315", true },
        { "read-only: SetDate", MakeDate(2024, 3, 15), open, open, setDate(MakeDate(2025, 1, 2)), "20250102", true },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(row.initial, [&](CProbeDateEdit& e) { EXPECT_TRUE(e.SetDateRange(row.first, row.last)); });
        m_pEdit->SendMessage(EM_SETREADONLY, row.readOnly);
        row.act();
        EXPECT_EQ(Date(), row.date);
        EXPECT_EQ(Text(), DottedOrEmpty(m_pEdit->GetDate()));
    }
}

// The calendar knows the range (days outside cannot be picked, see the picks), and its month
// arrows stay on the range's months. A reversed range is refused as a whole with one log line;
// an open start is taken.
TEST_F(DateTest, TheCalendarKeepsItsMonthsWithinTheRangeAndAReversedRangeIsRefused)
{
    harness::LogCapture log;
    Attach(MakeDate(2026, 3, 10), March5To25);
    OpenWithDown();
    DateTime before, after, unused;
    ASSERT_TRUE(m_pDrop->m_pCalendar->GetShownRange(before, unused));
    for (UINT arrow : { static_cast<UINT>(MCHT_TITLEBTNNEXT), static_cast<UINT>(MCHT_TITLEBTNPREV) })
    {
        POINT pt{};
        ASSERT_TRUE(harness::MonthCalSpot(MonthCal(), arrow, 0, 0, 0, pt));
        harness::Click(pt);
        ASSERT_TRUE(m_pDrop->m_pCalendar->GetShownRange(after, unused));
        EXPECT_EQ(Packed(after), Packed(before)) << "a month arrow left the range";
    }

    const auto range = [this] {
        DateTime first, last;
        m_pEdit->GetDateRange(first, last);
        return Packed(first) + "-" + Packed(last);
    };
    log.Clear();
    EXPECT_FALSE(m_pEdit->SetDateRange(kMarch25, kMarch5));
    EXPECT_EQ(log.Lines().size(), 1u);
    EXPECT_EQ(range(), "20260305-20260325");
    EXPECT_TRUE(m_pEdit->SetDateRange(DateTime(), kMarch5));
    EXPECT_EQ(range(), "none-20260305");
}

// Regression: a wide edit gave the popup its usual 260 pixels, narrower than Wine's calendar.
// The calendar (under its own identifier) fills the window, also when that is resized. Its
// buttons can be left out before Init; later the calendar keeps them.
TEST_F(DateTest, TheCalendarIsNeverNarrowerOrLowerThanItAsksAndTakesItsOptionsAtInit)
{
    const auto expectFilled = [this] {
        CRect rcCalendar, rcClient;
        m_pDrop->m_pCalendar->GetWindowRect(&rcCalendar);
        m_pDrop->ScreenToClient(&rcCalendar);
        m_pDrop->GetClientRect(&rcClient);
        EXPECT_EQ(rcCalendar, rcClient);
    };
    const std::function<void(CProbeDateEdit&)> buttonsOff = [](CProbeDateEdit& e) {
        e.SetShowClearButton(false);
        e.SetShowOptionsButton(false);
    };
    const struct { int width; bool offBeforeInit; } rows[] = { { 150, false }, { 330, true } };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.width);
        Attach(MakeDate(2024, 3, 15), row.offBeforeInit ? buttonsOff : nullptr, row.width);
        if (!row.offBeforeInit)
            buttonsOff(*m_pEdit);
        harness::PressKey(VK_F9);
        ASSERT_TRUE(DropVisible());
        EXPECT_EQ(CalendarButton("No date") != nullptr, !row.offBeforeInit);
        EXPECT_EQ(CalendarButton("Options") != nullptr, !row.offBeforeInit);
        CRect rc;
        m_pDrop->GetClientRect(&rc);
        const CSize wish = m_pDrop->m_pCalendar->GetPreferredSize();
        EXPECT_GE(rc.Width(), wish.cx);
        EXPECT_GE(rc.Height(), wish.cy);
        expectFilled();
    }
    EXPECT_EQ(::GetDlgCtrlID(m_pDrop->m_pCalendar->m_hWnd), 2600);
    m_pDrop->SetWindowPos(nullptr, 0, 0, 300, 280, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    expectFilled();
}
