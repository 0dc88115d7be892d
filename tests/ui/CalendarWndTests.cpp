// CCalendarWnd in a host dialog: picks by real clicks, navigation by real keys, Enter and
// Escape, the clear button and options menu, the shown range, shading and the web page.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "BkgStyle.h"
#include "CalendarWnd.h"
#include "Controls.h"
#include "HostDialog.h"
#include "Input.h"
#include "MenuProbe.h"
#include "MessageRecorder.h"
#include "ScratchDir.h"
#include "TestApp.h"
#include <commctrl.h>
#include <LocaleUtils.h>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
const UINT kCalendarId = 2600;

DateTime MakeDate(int year, int month, int day)
{
    DateTime date;
    date.SetDate(year, month, day);
    return date;
}

DateTime Today()
{
    DateTime today;
    today.SetToCurrent();
    return MakeDate(today.GetYear(), today.GetMonth(), today.GetDay());
}

std::string Text(const DateTime& date)
{
    return date.IsValidDate() ? std::to_string(CCalendarWnd::PackDate(date)) : "none";
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

// Checks that every element of the page is closed in order (the page's own structure; void
// elements and the doctype aside) and returns the first fault.
testing::AssertionResult IsWellFormedPage(const std::string& page)
{
    if (page.rfind("<!DOCTYPE html>", 0) != 0)
        return testing::AssertionFailure() << "no doctype";
    std::vector<std::string> open;
    for (size_t at = page.find('<', 1); at != std::string::npos; at = page.find('<', at + 1))
    {
        const size_t end = page.find('>', at);
        if (end == std::string::npos)
            return testing::AssertionFailure() << "unclosed tag at " << at;
        std::string tag = page.substr(at + 1, end - at - 1);
        const bool bClosing = !tag.empty() && tag[0] == '/';
        tag = tag.substr(bClosing ? 1 : 0, tag.find_first_of(" >") - (bClosing ? 1 : 0));
        if (tag == "meta")
            continue;
        if (!bClosing)
            open.push_back(tag);
        else if (open.empty() || open.back() != tag)
            return testing::AssertionFailure() << "</" << tag << "> closes " << (open.empty() ? "nothing" : open.back());
        else
            open.pop_back();
    }
    if (!open.empty())
        return testing::AssertionFailure() << "<" << open.back() << "> never closed";
    return testing::AssertionSuccess();
}

class CalendarWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost({60, 60}, {640, 320}, CRect(4, 4, 100, 26)));
        m_recorder.Watch(m_host.m_hWnd, "dialog");
    }

    void CreateCalendar(bool bSpecial = true, bool bClear = true, bool bOptions = true, bool bHtml = true, bool bRanges = true)
    {
        ASSERT_TRUE(m_calendar.Create(kCalendarId, CRect(10, 30, 270, 270), bSpecial, &m_host, bClear, bOptions, bHtml, bRanges));
        m_calendar.SetDate(MakeDate(2024, 3, 10));
        m_recorder.Clear();
    }

    HWND MonthCal() const { return m_calendar.GetMonthCalHwnd(); }
    std::vector<harness::RecordedMessage> Sent(UINT message) const { return m_recorder.Of(m_host.m_hWnd, message); }

    bool FindSpot(UINT uHit, const DateTime& date, POINT& screen) const
    {
        return harness::MonthCalSpot(MonthCal(), uHit, date.GetYear(), date.GetMonth(), date.GetDay(), screen);
    }
    DateTime ControlSelection() const
    {
        SYSTEMTIME st{};
        ::SendMessage(MonthCal(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
        return MakeDate(st.wYear, st.wMonth, st.wDay);
    }
    int VisibleMonths() const
    {
        SYSTEMTIME range[2]{};
        return static_cast<int>(::SendMessage(MonthCal(), MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range)));
    }
    HWND Button(const char* caption) const { return ::FindWindowExA(m_calendar.m_hWnd, nullptr, nullptr, caption); }

    harness::CHostDialog m_host;
    CCalendarWnd m_calendar;
    harness::MessageRecorder m_recorder;
};
}

TEST_F(CalendarWndTest, ClickOnADayPicksItWithLParamZero)
{
    CreateCalendar();
    POINT pt{};
    ASSERT_TRUE(FindSpot(MCHT_CALENDARDATE, MakeDate(2024, 3, 20), pt));
    harness::Click(pt);
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_ONSELCHANGE).size() == 1);
    const harness::RecordedMessage sel = Sent(CCalendarWnd::CALWND_ONSELCHANGE)[0];
    EXPECT_EQ(0, sel.lParam);
    EXPECT_EQ(20240320u, sel.wParam);
    EXPECT_EQ(Text(MakeDate(2024, 3, 20)), Text(m_calendar.m_date));
    harness::PumpFor(50);
    EXPECT_EQ(1u, Sent(CCalendarWnd::CALWND_ONSELCHANGE).size()) << "one pick, one notification";
}

TEST_F(CalendarWndTest, KeysMoveTheSelectionWithLParamOne)
{
    struct Row
    {
        const char* name;
        DateTime from;
        WORD vk;
        unsigned modifiers;
        DateTime to;
    };
    const Row rows[] = {
        {"right: next day", MakeDate(2024, 3, 10), VK_RIGHT, harness::kNone, MakeDate(2024, 3, 11)},
        {"left over a month start", MakeDate(2024, 3, 1), VK_LEFT, harness::kNone, MakeDate(2024, 2, 29)},
        {"down: a week later", MakeDate(2024, 3, 28), VK_DOWN, harness::kNone, MakeDate(2024, 4, 4)},
        {"up: a week earlier", MakeDate(2024, 3, 10), VK_UP, harness::kNone, MakeDate(2024, 3, 3)},
        {"page down clamps the day", MakeDate(2024, 1, 31), VK_NEXT, harness::kNone, MakeDate(2024, 2, 29)},
        {"page up", MakeDate(2024, 3, 10), VK_PRIOR, harness::kNone, MakeDate(2024, 2, 10)},
        {"ctrl+page down: a year", MakeDate(2024, 2, 29), VK_NEXT, harness::kCtrl, MakeDate(2025, 2, 28)},
        {"home", MakeDate(2024, 3, 10), VK_HOME, harness::kNone, MakeDate(2024, 3, 1)},
        {"end", MakeDate(2024, 2, 10), VK_END, harness::kNone, MakeDate(2024, 2, 29)},
    };
    CreateCalendar();
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_calendar.SetDate(row.from);
        m_calendar.SetFocus();
        ASSERT_EQ(MonthCal(), ::GetFocus()) << "the focus goes on to the month calendar";
        m_recorder.Clear();
        harness::PressKey(row.vk, row.modifiers);
        ASSERT_EVENTUALLY(!Sent(CCalendarWnd::CALWND_ONSELCHANGE).empty());
        const harness::RecordedMessage sel = Sent(CCalendarWnd::CALWND_ONSELCHANGE)[0];
        EXPECT_EQ(1, sel.lParam);
        EXPECT_EQ(Text(row.to), Text(CCalendarWnd::UnpackDate(static_cast<LPARAM>(sel.wParam))));
        EXPECT_EQ(Text(row.to), Text(m_calendar.m_date));
        EXPECT_EQ(Text(row.to), Text(ControlSelection()));
    }
}

TEST_F(CalendarWndTest, EnterAndEscapeReachTheParentNotTheDialog)
{
    CreateCalendar();
    m_calendar.SetFocus();
    harness::PressKey(VK_RETURN);
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_ENTERKEY).size() == 1);
    EXPECT_EQ(20240310u, Sent(CCalendarWnd::CALWND_ENTERKEY)[0].wParam);
    harness::PressKey(VK_ESCAPE);
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_ESCKEY).size() == 1);
    EXPECT_EQ(0, m_host.m_nOkCount);
    EXPECT_EQ(0, m_host.m_nCancelCount);
    EXPECT_EQ(MonthCal(), ::GetFocus());
}

TEST_F(CalendarWndTest, ClearButtonReportsNoDate)
{
    CreateCalendar();
    ASSERT_NE(nullptr, Button("No date"));
    harness::Click(harness::ClientCenter(Button("No date")));
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_ONNODATE).size() == 1);
    EXPECT_FALSE(m_calendar.m_date.IsValidDate());
    EXPECT_TRUE(Sent(CCalendarWnd::CALWND_ONSELCHANGE).empty());
}

TEST_F(CalendarWndTest, ButtonsAndStripFollowTheOptions)
{
    CreateCalendar(false, false, false, false, false);
    EXPECT_EQ(nullptr, Button("No date"));
    EXPECT_EQ(nullptr, Button("Options"));
    CRect rcClient;
    CRect rcCal;
    m_calendar.GetClientRect(&rcClient);
    ::GetWindowRect(MonthCal(), &rcCal);
    EXPECT_EQ(rcClient.Height(), rcCal.Height()) << "without buttons the calendar takes the whole height";
    EXPECT_EQ(0u, ::GetWindowLongA(MonthCal(), GWL_STYLE) & MCS_DAYSTATE);
}

TEST_F(CalendarWndTest, SetDateRoundTripsWithoutSelectionNotification)
{
    CreateCalendar();
    const DateTime dates[] = {MakeDate(2024, 2, 29), MakeDate(1999, 12, 31), MakeDate(2100, 1, 1)};
    for (const DateTime& date : dates)
    {
        SCOPED_TRACE(Text(date));
        m_recorder.Clear();
        m_calendar.SetDate(date);
        EXPECT_EQ(Text(date), Text(m_calendar.m_date));
        EXPECT_EQ(Text(date), Text(ControlSelection()));
        EXPECT_TRUE(Sent(CCalendarWnd::CALWND_ONSELCHANGE).empty());
        ASSERT_EQ(1u, Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED).size()) << "another month came into view";
        const harness::RecordedMessage range = Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED)[0];
        EXPECT_LE(static_cast<LPARAM>(range.wParam), CCalendarWnd::PackDate(date));
        EXPECT_GE(range.lParam, CCalendarWnd::PackDate(date));
    }
    m_calendar.SetDate(DateTime());
    EXPECT_FALSE(m_calendar.m_date.IsValidDate());
    EXPECT_EQ(Text(Today()), Text(ControlSelection())) << "no date shows today";
}

TEST_F(CalendarWndTest, MonthChangeReportsTheNewRange)
{
    CreateCalendar();
    m_calendar.SetFocus();
    harness::PressKey(VK_NEXT);
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED).size() == 1);
    DateTime first;
    DateTime last;
    ASSERT_TRUE(m_calendar.GetShownRange(first, last));
    const harness::RecordedMessage range = Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED)[0];
    EXPECT_EQ(Text(first), Text(CCalendarWnd::UnpackDate(static_cast<LPARAM>(range.wParam))));
    EXPECT_EQ(Text(last), Text(CCalendarWnd::UnpackDate(range.lParam)));
    EXPECT_LE(static_cast<LPARAM>(range.wParam), 20240401);
    EXPECT_GE(range.lParam, 20240430);

    // The calendar's own next-month button, clicked with the mouse.
    m_recorder.Clear();
    POINT pt{};
    ASSERT_TRUE(FindSpot(MCHT_TITLEBTNNEXT, DateTime(), pt));
    harness::Click(pt);
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED).size() == 1);
    EXPECT_GE(Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED)[0].lParam, 20240531);
    ASSERT_FALSE(Sent(CCalendarWnd::CALWND_ONSELCHANGE).empty());
    EXPECT_EQ(1, Sent(CCalendarWnd::CALWND_ONSELCHANGE).back().lParam) << "a month change keeps the calendar open";
}

TEST_F(CalendarWndTest, OptionsMenuOffersWhatTheOptionsAllow)
{
    struct Row
    {
        bool bHtml;
        bool bRanges;
    };
    for (const Row row : {Row{true, true}, Row{false, true}, Row{true, false}})
    {
        SCOPED_TRACE(testing::Message() << "html " << row.bHtml << ", ranges " << row.bRanges);
        if (::IsWindow(m_calendar.m_hWnd))
            m_calendar.DestroyWindow();
        CreateCalendar(true, true, true, row.bHtml, row.bRanges);
        uitest::MenuProbe probe({VK_ESCAPE});
        harness::Click(harness::ClientCenter(Button("Options")));
        ASSERT_EVENTUALLY(probe.MenusOpened() == 1);
        EXPECT_EQ(row.bHtml, probe.Find("&Save as web page...") != nullptr);
        EXPECT_EQ(row.bRanges, probe.Find("Show several &months") != nullptr);
        EXPECT_NE(nullptr, probe.Find("Go to &today"));
    }
}

TEST_F(CalendarWndTest, MenuSaveAsWebPageAsksTheParent)
{
    CreateCalendar();
    uitest::MenuProbe probe({'S'});
    harness::Click(harness::ClientCenter(Button("Options")));
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_PROMPT_SAVEWEBPAGE).size() == 1);
    EXPECT_EQ(0u, Sent(CCalendarWnd::CALWND_PROMPT_SAVEWEBPAGE)[0].wParam);
    EXPECT_EQ(MonthCal(), ::GetFocus()) << "the keys go back to the calendar";
}

TEST_F(CalendarWndTest, MonthsChoiceShowsSeveralMonthsWhereTheyFit)
{
    CreateCalendar();
    m_calendar.MoveWindow(0, 30, 640, 290);
    EXPECT_EQ(1, VisibleMonths()) << "one month by default, whatever the room";

    uitest::MenuProbe probe({'M'});
    harness::Click(harness::ClientCenter(Button("Options")));
    ASSERT_EVENTUALLY(m_calendar.GetMonthsShown() == CCalendarWnd::AsManyAsFit);
    EXPECT_GT(VisibleMonths(), 1);
    ASSERT_EQ(1u, Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED).size());

    // The preferred size holds what it promises.
    for (auto months : {CCalendarWnd::AsManyAsFit, CCalendarWnd::OneMonth})
    {
        SCOPED_TRACE(months);
        m_calendar.SetMonthsShown(months);
        const CSize size = m_calendar.GetPreferredSize();
        m_calendar.MoveWindow(0, 30, size.cx, size.cy);
        EXPECT_EQ(months == CCalendarWnd::OneMonth ? 1 : 2, VisibleMonths());
    }
}

TEST_F(CalendarWndTest, ShadingComesFromTheStyleOrTheSystem)
{
    CreateCalendar();
    const ShadeProps calendar(RGB(250, 240, 200), RGB(120, 60, 0), RGB(10, 20, 30), RGB(0, 0, 0));
    const ShadeProps buttons(RGB(200, 250, 200), RGB(0, 90, 0), RGB(0, 0, 90), RGB(0, 60, 0));
    BkgStyle* pStyle = BkgStyle::CreateInstance();
    pStyle->Set(BkgStyle::Calendar, calendar);
    pStyle->Set(BkgStyle::CalendarButtons, buttons);
    m_calendar.ApplyBkgShading();
    EXPECT_EQ(calendar.m_clrLight, static_cast<COLORREF>(::SendMessage(MonthCal(), MCM_GETCOLOR, MCSC_MONTHBK, 0)));
    EXPECT_EQ(calendar.m_clrDark, static_cast<COLORREF>(::SendMessage(MonthCal(), MCM_GETCOLOR, MCSC_TITLEBK, 0)));
    // Text on the dark title in the style's text colour, days in the window text colour.
    EXPECT_EQ(calendar.m_clrText, static_cast<COLORREF>(::SendMessage(MonthCal(), MCM_GETCOLOR, MCSC_TITLETEXT, 0)));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), static_cast<COLORREF>(::SendMessage(MonthCal(), MCM_GETCOLOR, MCSC_TEXT, 0)));
    auto* pClear = static_cast<CShadeButton*>(CWnd::FromHandlePermanent(Button("No date")));
    ASSERT_NE(nullptr, pClear);
    EXPECT_TRUE(buttons == pClear->GetShadeProps());

    BkgStyle::DestroyInstance();
    m_calendar.ApplyBkgShading();
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), static_cast<COLORREF>(::SendMessage(MonthCal(), MCM_GETCOLOR, MCSC_MONTHBK, 0)));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), static_cast<COLORREF>(::SendMessage(MonthCal(), MCM_GETCOLOR, MCSC_TEXT, 0)));
    EXPECT_TRUE(ShadeProps() == pClear->GetShadeProps());
}

TEST_F(CalendarWndTest, WebPageHoldsTheShownMonth)
{
    CreateCalendar();
    const DateTime special[] = {MakeDate(2024, 3, 15), MakeDate(2024, 3, 22), DateTime()};
    m_calendar.SetSpecialDates(special, 3);
    EXPECT_EQ(MCS_DAYSTATE, ::GetWindowLongA(MonthCal(), GWL_STYLE) & MCS_DAYSTATE);
    harness::ScratchDir dir;
    const std::string path = dir.Path() + "march.html";
    ASSERT_TRUE(m_calendar.SaveCalendarWebPage(path.c_str()));

    const std::string page = ReadFile(path);
    EXPECT_TRUE(IsWellFormedPage(page));
    EXPECT_EQ(1u, CountOf(page, "<table"));
    EXPECT_NE(std::string::npos, page.find(static_cast<LPCSTR>(LocaleUtils::GetLocaleText(LOCALE_SMONTHNAME3))));
    for (int dow = 0; dow < 7; ++dow)
        EXPECT_NE(std::string::npos, page.find(">" + std::string(LocaleUtils::GetDayName(dow, true)) + "</th>")) << dow;
    for (int day = 1; day <= 31; ++day)
    {
        const bool bSpecial = day == 15 || day == 22;
        const std::string cell = bSpecial ? "<b>" + std::to_string(day) + "</b>" : ">" + std::to_string(day) + "</td>";
        EXPECT_EQ(1u, CountOf(page, cell)) << day;
    }
    EXPECT_EQ(std::string::npos, page.find(">32<"));
    EXPECT_NE(std::string::npos, page.find("class=\"selected\" aria-current=\"date\">10</td>"));
    EXPECT_EQ(1u, CountOf(page, "class=\"selected\""));
}

TEST_F(CalendarWndTest, WebPageWriteFailuresReturnFalse)
{
    CreateCalendar();
    harness::ScratchDir dir;
    const std::string readOnly = dir.MakeFile("kept.html", "keep me");
    dir.SetAttributes("kept.html", FILE_ATTRIBUTE_READONLY);
    const std::string paths[] = {"", dir.Path() + "missing\\page.html", readOnly, dir.MakeDir("folder"),
                                 dir.Path() + "bad<name>.html"};
    for (const std::string& path : paths)
    {
        SCOPED_TRACE(path);
        EXPECT_FALSE(m_calendar.SaveCalendarWebPage(path.c_str()));
    }
    EXPECT_EQ("keep me", ReadFile(readOnly));

    CCalendarWnd unshown;
    EXPECT_FALSE(unshown.SaveCalendarWebPage((dir.Path() + "none.html").c_str())) << "no window, nothing shown";
}

TEST_F(CalendarWndTest, CreateRefusesAMissingParent)
{
    CCalendarWnd orphan;
    EXPECT_FALSE(orphan.Create(kCalendarId, CRect(0, 0, 100, 100), false, nullptr, true, true, true, true));
    EXPECT_FALSE(::IsWindow(orphan.m_hWnd));
}
