// CCalendarWnd in a host dialog: picks by real clicks, navigation by real keys, Enter and
// Escape, the options menu, the shown range, shading and the web page.
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
#include <LocaleUtils.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
DateTime MakeDate(int year, int month, int day)
{
    DateTime date;
    date.SetDate(year, month, day);
    return date;
}

std::string Text(const DateTime& date) { return date.IsValidDate() ? std::to_string(CCalendarWnd::PackDate(date)) : "none"; }

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

size_t CountOf(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++n;
    return n;
}

class CalendarWndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost({60, 60}, {640, 320}, CRect(4, 4, 100, 26)));
        m_recorder.Watch(m_host.m_hWnd, "dialog");
        CreateCalendar();
    }

    // Shown at 10 March 2024, with special dates and both buttons, and the menu options given.
    void CreateCalendar(bool bHtml = true, bool bRanges = true)
    {
        if (::IsWindow(m_calendar.m_hWnd))
            m_calendar.DestroyWindow();
        ASSERT_TRUE(m_calendar.Create(2600, CRect(10, 30, 270, 270), true, &m_host, true, true, bHtml, bRanges));
        m_calendar.SetDate(MakeDate(2024, 3, 10));
        m_recorder.Clear();
    }

    HWND MonthCal() const { return m_calendar.GetMonthCalHwnd(); }
    std::vector<harness::RecordedMessage> Sent(UINT message) const { return m_recorder.Of(m_host.m_hWnd, message); }
    int VisibleMonths() const
    {
        SYSTEMTIME range[2]{};
        return static_cast<int>(::SendMessage(MonthCal(), MCM_GETMONTHRANGE, GMR_VISIBLE, reinterpret_cast<LPARAM>(range)));
    }
    HWND Button(const char* caption) const { return ::FindWindowExA(m_calendar.m_hWnd, nullptr, nullptr, caption); }
    COLORREF MonthCalColor(int part) const { return static_cast<COLORREF>(::SendMessage(MonthCal(), MCM_GETCOLOR, part, 0)); }

    harness::CHostDialog m_host;
    CCalendarWnd m_calendar;
    harness::MessageRecorder m_recorder;
};
}

// Keys move the selection (lParam 1) by the calendar's own navigation; clicks on days and the
// day and week steps are driven through the date edit.
TEST_F(CalendarWndTest, KeysMoveTheSelectionByYearAndToTheMonthsEnds)
{
    const struct { const char* name; DateTime from; WORD vk; unsigned modifiers; DateTime to; } rows[] = {
        {"ctrl+page down: a year", MakeDate(2024, 2, 29), VK_NEXT, harness::kCtrl, MakeDate(2025, 2, 28)},
        {"home", MakeDate(2024, 3, 10), VK_HOME, harness::kNone, MakeDate(2024, 3, 1)},
        {"end", MakeDate(2024, 2, 10), VK_END, harness::kNone, MakeDate(2024, 2, 29)},
    };
    m_calendar.SetFocus(); // the focus goes on to the month calendar
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_calendar.SetDate(row.from);
        m_recorder.Clear();
        harness::PressKey(row.vk, row.modifiers);
        ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_ONSELCHANGE).size() == 1);
        EXPECT_EQ(1, Sent(CCalendarWnd::CALWND_ONSELCHANGE)[0].lParam);
        SYSTEMTIME shown{};
        ::SendMessage(MonthCal(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&shown));
        EXPECT_EQ(Text(row.to), Text(MakeDate(shown.wYear, shown.wMonth, shown.wDay))) << "the day the calendar shows";
    }
}

// A month change by the host reports the new range alone; one by the calendar's next button also
// reports a selection that keeps the calendar open. (The range reported against the shown one,
// and today's month shown without a date, are checked through the date edit.)
TEST_F(CalendarWndTest, MonthChangesReportTheShownRange)
{
    m_calendar.SetDate(MakeDate(2100, 1, 1));
    EXPECT_TRUE(Sent(CCalendarWnd::CALWND_ONSELCHANGE).empty());
    EXPECT_EQ(1u, Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED).size()) << "another month came into view";

    m_recorder.Clear();
    POINT next{};
    ASSERT_TRUE(harness::MonthCalSpot(MonthCal(), MCHT_TITLEBTNNEXT, 0, 0, 0, next));
    harness::Click(next);
    ASSERT_EVENTUALLY(Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED).size() == 1);
    ASSERT_FALSE(Sent(CCalendarWnd::CALWND_ONSELCHANGE).empty());
    EXPECT_EQ(1, Sent(CCalendarWnd::CALWND_ONSELCHANGE).back().lParam);
}

// Choosing "save as web page" is covered through the drop window; the months choice is chosen here.
TEST_F(CalendarWndTest, OptionsMenuOffersWhatTheOptionsAllowAndTheMonthsChoiceShowsWhatFits)
{
    const struct { bool html, ranges; } rows[] = {{true, false}, {false, true}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "html " << row.html << ", ranges " << row.ranges);
        CreateCalendar(row.html, row.ranges);
        m_calendar.SetMonthsShown(CCalendarWnd::OneMonth); // an earlier row's choice stays with the object
        m_calendar.MoveWindow(0, 30, 640, 290);
        uitest::MenuProbe probe({row.ranges ? WORD('M') : WORD(VK_ESCAPE)});
        harness::Click(harness::ClientCenter(Button("Options")));
        ASSERT_EVENTUALLY(probe.MenusOpened() == 1);
        EXPECT_EQ(row.html, probe.Find("&Save as web page...") != nullptr);
        EXPECT_EQ(row.ranges, probe.Find("Show several &months") != nullptr);
        EXPECT_NE(nullptr, probe.Find("Go to &today"));
        EXPECT_EVENTUALLY((VisibleMonths() > 1) == row.ranges);
        EXPECT_EQ(row.ranges ? 1u : 0u, Sent(CCalendarWnd::CALWND_DATERANGE_CHANGED).size());
        const CSize size = m_calendar.GetPreferredSize();
        m_calendar.MoveWindow(0, 30, size.cx, size.cy);
        EXPECT_EQ(row.ranges ? 2 : 1, VisibleMonths()) << "the preferred size holds the months chosen";
    }
}

TEST_F(CalendarWndTest, ShadingComesFromTheStyle)
{
    const ShadeProps calendar(RGB(250, 240, 200), RGB(120, 60, 0), RGB(10, 20, 30), RGB(0, 0, 0));
    const ShadeProps buttons(RGB(200, 250, 200), RGB(0, 90, 0), RGB(0, 0, 90), RGB(0, 60, 0));
    BkgStyle* pStyle = BkgStyle::CreateInstance();
    pStyle->Set(BkgStyle::Calendar, calendar);
    pStyle->Set(BkgStyle::CalendarButtons, buttons);
    m_calendar.ApplyBkgShading();
    auto* pClear = static_cast<CShadeButton*>(CWnd::FromHandlePermanent(Button("No date")));
    ASSERT_NE(nullptr, pClear);
    EXPECT_EQ(buttons, pClear->GetShadeProps());
    EXPECT_EQ(calendar.m_clrLight, MonthCalColor(MCSC_MONTHBK));
    EXPECT_EQ(calendar.m_clrDark, MonthCalColor(MCSC_TITLEBK));
    EXPECT_EQ(calendar.m_clrText, MonthCalColor(MCSC_TITLETEXT)) << "readable on the dark title";
    BkgStyle::DestroyInstance();
}

TEST_F(CalendarWndTest, WebPageHoldsTheShownMonthWithSpecialDatesBoldAndWriteFailuresReturnFalse)
{
    const DateTime special[] = {MakeDate(2024, 3, 15), MakeDate(2024, 3, 22), DateTime()};
    m_calendar.SetSpecialDates(special, 3);
    EXPECT_EQ(MCS_DAYSTATE, ::GetWindowLongA(MonthCal(), GWL_STYLE) & MCS_DAYSTATE);
    harness::ScratchDir dir;
    ASSERT_TRUE(m_calendar.SaveCalendarWebPage((dir.Path() + "march.html").c_str()));

    const std::string page = ReadFile(dir.Path() + "march.html");
    EXPECT_NE(std::string::npos, page.find(static_cast<LPCSTR>(LocaleUtils::GetLocaleText(LOCALE_SMONTHNAME3))));
    for (int dow = 0; dow < 7; ++dow)
        EXPECT_NE(std::string::npos, page.find(">" + std::string(LocaleUtils::GetDayName(dow, true)) + "</th>")) << dow;
    for (int day = 1; day <= 31; ++day)
    {
        const bool bSpecial = day == 15 || day == 22;
        EXPECT_EQ(1u, CountOf(page, bSpecial ? "<b>" + std::to_string(day) + "</b>" : ">" + std::to_string(day) + "</td>")) << day;
    }
    EXPECT_EQ(std::string::npos, page.find(">32<"));
    EXPECT_NE(std::string::npos, page.find("class=\"selected\" aria-current=\"date\">10</td>"));
    EXPECT_EQ(1u, CountOf(page, "class=\"selected\""));

    // Failures to write return false and keep a read-only file.
    const std::string readOnly = dir.MakeFile("kept.html", "keep me");
    dir.SetAttributes("kept.html", FILE_ATTRIBUTE_READONLY);
    for (const std::string& path : {std::string(), dir.Path() + "missing\\page.html", readOnly})
        EXPECT_FALSE(m_calendar.SaveCalendarWebPage(path.c_str())) << path;
    EXPECT_EQ("keep me", ReadFile(readOnly));
}
