// The date edit with real input: typing in each locale order, focus loss, the wheel, the today
// keys, calendar picks and their open/close rule, the no-date button, the edit's selection
// across a pick, options, and the edit without its calendar.
#include "DateFixture.h"
#include "FaultInjection.h"
#include "LogCapture.h"

namespace datetest
{
BEGIN_MESSAGE_MAP(CProbeDateEdit, CDateEdit)
    ON_WM_SYSKEYDOWN()
END_MESSAGE_MAP()
}

using namespace datetest;

namespace
{
struct LocaleRow
{
    const char* pattern;
    const char* initialText; // 2 November 2023 as the edit shows it
    const char* typed;       // 15 March 2024 as a user types it
    const char* shown;       // ... and as the edit shows it after focus loss
};

const LocaleRow kLocales[] = {
    { "dd.MM.yyyy", "02.11.2023", "15.3.2024", "15.03.2024" },
    { "MM/dd/yyyy", "11/02/2023", "3/15/2024", "03/15/2024" },
    { "yyyy-MM-dd", "2023-11-02", "2024-3-15", "2024-03-15" },
};
}

TEST_F(DateTest, TypingADateInEachLocaleOrderUpdatesTheDateAndTheCalendarAtOnce)
{
    for (const LocaleRow& row : kLocales)
    {
        SCOPED_TRACE(row.pattern);
        LocalePattern locale(row.pattern);
        Attach(MakeDate(2023, 11, 2));
        EXPECT_EQ(Text(), row.initialText);
        harness::PressKey(VK_F9); // open, the focus stays in the edit
        ASSERT_TRUE(CalendarVisible());
        SelectAll();
        harness::TypeText(row.typed);
        EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240315");
        EXPECT_EQ(DateText(m_pDrop->GetDate()), "20240315");
        EXPECT_EQ(MonthCalSelection(), "20240315");
        EXPECT_TRUE(CalendarVisible()) << "following the typing does not close the calendar";
        EXPECT_EQ(Text(), row.typed) << "the text is not rewritten while the user types";
        harness::PressKey(VK_TAB);
        EXPECT_EQ(Text(), row.shown);
        EXPECT_FALSE(CalendarVisible());
    }
}

TEST_F(DateTest, UnparsableTextLeavesTheDateAndIsReplacedWhenTheFocusLeaves)
{
    LocalePattern locale("dd.MM.yyyy");
    const struct
    {
        const char* name;
        DateTime initial;
        const char* typed;
        const char* restored;
    } rows[] = {
        { "letters over a date", MakeDate(2024, 3, 15), "soon", "15.03.2024" },
        { "a day the month lacks", MakeDate(2024, 3, 15), "31.02.2024", "15.03.2024" },
        { "junk in an empty edit", DateTime(), "12.x", "" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(row.initial);
        SelectAll();
        harness::TypeText(row.typed);
        EXPECT_EQ(Text(), row.typed);
        EXPECT_EQ(DateText(m_pEdit->GetDate()), DateText(row.initial));
        harness::PressKey(VK_TAB);
        EXPECT_EQ(FocusWnd(), m_pDlg->Other());
        EXPECT_EQ(Text(), row.restored);
    }
}

TEST_F(DateTest, EnterTakesTheTypedDateIntoTheCalendarAndClosesIt)
{
    LocalePattern locale("dd.MM.yyyy");
    Attach(MakeDate(2024, 3, 15));
    harness::PressKey(VK_F9);
    SelectAll();
    harness::TypeText("1.1.2025");
    harness::PressKey(VK_RETURN);
    EXPECT_FALSE(CalendarVisible());
    EXPECT_EQ(DateText(m_pEdit->GetDate()), "20250101");
    EXPECT_EQ(MonthCalSelection(), "20250101");
    EXPECT_EQ(m_pDlg->m_nOkCount, 0) << "Enter on the open calendar is the edit's, not the dialog's";
}

TEST_F(DateTest, TheWheelStepsByMonthsAndSelectsTheMonthField)
{
    const struct
    {
        const char* pattern;
        DateTime initial;
        int delta;
        bool horizontal;
        const char* expected;
        const char* text;
        std::pair<int, int> selection;
    } rows[] = {
        { "dd.MM.yyyy", MakeDate(2024, 1, 31), WHEEL_DELTA, false, "20240229", "29.02.2024", { 3, 5 } },
        { "MM/dd/yyyy", MakeDate(2024, 1, 31), -WHEEL_DELTA, false, "20231231", "12/31/2023", { 0, 2 } },
        { "yyyy-MM-dd", MakeDate(2024, 1, 31), WHEEL_DELTA, false, "20240229", "2024-02-29", { 5, 7 } },
        // The horizontal wheel steps just as the vertical one.
        { "dd.MM.yyyy", MakeDate(2024, 5, 10), WHEEL_DELTA, true, "20240610", "10.06.2024", { 3, 5 } },
        { "dd.MM.yyyy", MakeDate(2024, 5, 10), -WHEEL_DELTA, true, "20240410", "10.04.2024", { 3, 5 } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.pattern) + (row.horizontal ? " horizontal " : " vertical ") +
                     std::to_string(row.delta));
        LocalePattern locale(row.pattern);
        Attach(row.initial);
        harness::PressKey(VK_F9);
        harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), row.delta, row.horizontal);
        EXPECT_EQ(DateText(m_pEdit->GetDate()), row.expected);
        EXPECT_EQ(Text(), row.text);
        EXPECT_EQ(Selection(), row.selection);
        EXPECT_EQ(MonthCalSelection(), row.expected) << "the open calendar follows";
    }
}

TEST_F(DateTest, AZeroWheelStepsBackAndAnEmptyDateIgnoresTheWheel)
{
    LocalePattern locale("dd.MM.yyyy");
    Attach(MakeDate(2024, 3, 15));
    EXPECT_EQ(m_pEdit->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, 0), 0), TRUE);
    EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240215");

    Attach(DateTime());
    for (int delta : { WHEEL_DELTA, -WHEEL_DELTA })
    {
        SCOPED_TRACE(delta);
        EXPECT_EQ(m_pEdit->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0), TRUE) << "handled all the same";
        EXPECT_FALSE(m_pEdit->GetDate().IsValidDate());
        EXPECT_EQ(Text(), "");
    }
}

TEST_F(DateTest, AltTAndAltF5SetTodayAndStillReachTheWindow)
{
    LocalePattern locale("dd.MM.yyyy");
    for (WORD key : { WORD('T'), WORD(VK_F5) })
    {
        SCOPED_TRACE(key);
        Attach(MakeDate(2001, 1, 1));
        harness::PressKey(VK_F9);
        harness::PressKey(key, harness::kAlt);
        EXPECT_EQ(DateText(m_pEdit->GetDate()), Today());
        EXPECT_EQ(Text(), std::string(DateTime::ConvertDateToText(m_pEdit->GetDate(), false, false, false, true)));
        EXPECT_EQ(MonthCalSelection(), Today());
        EXPECT_GE(m_pEdit->m_nSysKeys, 1) << "the shortcut does not swallow the key";
    }
}

TEST_F(DateTest, APickInTheEditsMonthClosesAndOneInAnotherMonthKeepsTheCalendarOpen)
{
    LocalePattern locale("dd.MM.yyyy");
    Attach(MakeDate(2024, 3, 15));
    OpenWithDown();
    POINT pt{};
    // 1 April is shown greyed after March: picking it moves on to April without closing.
    ASSERT_TRUE(DayPoint(MakeDate(2024, 4, 1), pt));
    harness::Click(pt);
    ASSERT_EVENTUALLY(DateText(m_pEdit->GetDate()) == "20240401");
    EXPECT_EQ(Text(), "01.04.2024");
    EXPECT_TRUE(CalendarVisible());

    // Now April is the edit's month: a day in it is a choice made.
    ASSERT_TRUE(DayPoint(MakeDate(2024, 4, 18), pt));
    harness::Click(pt);
    ASSERT_EVENTUALLY(!CalendarVisible());
    EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240418");
    EXPECT_EQ(Text(), "18.04.2024");
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
}

TEST_F(DateTest, APickAlwaysClosesWhenTheEditHadNoDate)
{
    LocalePattern locale("dd.MM.yyyy");
    Attach(DateTime());
    OpenWithDown();
    DateTime shown;
    shown.SetToCurrent();
    // A day of the month on show, whichever month that is.
    const DateTime day = MakeDate(shown.GetYear(), shown.GetMonth(), shown.GetDay() == 10 ? 11 : 10);
    POINT pt{};
    ASSERT_TRUE(DayPoint(day, pt));
    harness::Click(pt);
    ASSERT_EVENTUALLY(!CalendarVisible());
    EXPECT_EQ(DateText(m_pEdit->GetDate()), DateText(day));
    EXPECT_EQ(Text(), std::string(DateTime::ConvertDateToText(day, false, false, false, true)));
}

TEST_F(DateTest, KeysInTheCalendarKeepItOpenUntilEnter)
{
    LocalePattern locale("dd.MM.yyyy");
    Attach(MakeDate(2024, 3, 15));
    OpenWithDown();
    harness::PressKey(VK_RIGHT);
    harness::PressKey(VK_DOWN);
    EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240323");
    EXPECT_EQ(Text(), "23.03.2024");
    EXPECT_TRUE(CalendarVisible()) << "a move in the same month by keys is still browsing";
    EXPECT_EQ(m_pEdit->m_changes, std::vector<bool>({ true, true }));
    harness::PressKey(VK_RETURN);
    EXPECT_FALSE(CalendarVisible());
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240323");
    EXPECT_EQ(m_pDlg->m_nOkCount, 0);
}

TEST_F(DateTest, TheNoDateButtonEmptiesTheDateAndTheTextAndCloses)
{
    LocalePattern locale("dd.MM.yyyy");
    Attach(MakeDate(2024, 3, 15));
    OpenWithDown();
    const HWND hButton = CalendarButton("No date");
    ASSERT_NE(hButton, nullptr);
    harness::Click(harness::ClientCenter(hButton));
    ASSERT_EVENTUALLY(!CalendarVisible());
    EXPECT_FALSE(m_pEdit->GetDate().IsValidDate());
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    EXPECT_FALSE(m_pDrop->GetDate().IsValidDate()) << "even though the calendar still shows a day";
}

TEST_F(DateTest, TheSelectionAndCaretSurviveAPick)
{
    LocalePattern locale("dd.MM.yyyy");
    const struct
    {
        const char* name;
        std::pair<int, int> selection;
    } rows[] = { { "a selection", { 1, 4 } }, { "a caret", { 7, 7 } } };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(MakeDate(2024, 3, 15));
        m_pEdit->SetSel(row.selection.first, row.selection.second);
        OpenWithDown();
        POINT pt{};
        ASSERT_TRUE(DayPoint(MakeDate(2024, 3, 27), pt));
        harness::Click(pt);
        ASSERT_EVENTUALLY(!CalendarVisible());
        EXPECT_EQ(Text(), "27.03.2024");
        EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
        EXPECT_EQ(Selection(), row.selection);
    }
}

TEST_F(DateTest, OptionsReachTheCalendarOnlyThroughInit)
{
    const struct
    {
        const char* name;
        std::function<void(CProbeDateEdit&)> before;
        std::function<void(CProbeDateEdit&)> after;
        bool clearButton;
        bool optionsButton;
    } rows[] = {
        { "defaults", nullptr, nullptr, true, true },
        { "both off before Init",
          [](CProbeDateEdit& e) {
              e.SetShowClearButton(false);
              e.SetShowOptionsButton(false);
          },
          nullptr, false, false },
        { "changed after Init", nullptr,
          [](CProbeDateEdit& e) {
              e.SetShowClearButton(false);
              e.SetShowOptionsButton(false);
          },
          true, true },
        { "off before, on after",
          [](CProbeDateEdit& e) { e.SetShowClearButton(false); },
          [](CProbeDateEdit& e) { e.SetShowClearButton(true); }, false, true },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(MakeDate(2024, 3, 15), row.before);
        if (row.after)
            row.after(*m_pEdit);
        EXPECT_TRUE(m_pEdit->m_bInitialised);
        harness::PressKey(VK_F9);
        ASSERT_TRUE(CalendarVisible());
        EXPECT_EQ(CalendarButton("No date") != nullptr, row.clearButton);
        EXPECT_EQ(CalendarButton("Options") != nullptr, row.optionsButton);
    }
}

TEST_F(DateTest, SetDateShowsTheDateInTextAndCalendar)
{
    LocalePattern locale("dd.MM.yyyy");
    Attach(MakeDate(2024, 3, 15));
    m_pEdit->SetDate(MakeDate(2030, 12, 24));
    EXPECT_EQ(Text(), "24.12.2030");
    EXPECT_EQ(MonthCalSelection(), "20301224");
    m_pEdit->SetDate(m_pEdit->GetDate()); // its own value: nothing changes
    EXPECT_EQ(Text(), "24.12.2030");
    m_pEdit->SetDate(DateTime());
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(m_pDrop->GetDate().IsValidDate());
}

TEST_F(DateTest, HighlightFieldSelectsAFieldWithoutItsSeparatorOrNothing)
{
    const std::pair<int, int> kUnchanged{ 2, 2 };
    const struct
    {
        const char* pattern;
        const char* text;
        std::pair<int, int> fields[5]; // fields 0, 1, 2, 3 and -1
    } rows[] = {
        // A wide separator is not selected with the field that follows it.
        { "d. M. yyyy", "15. 03. 2024", { { 0, 2 }, { 4, 6 }, { 8, 12 }, kUnchanged, kUnchanged } },
        // The locale's separator is missing from the text: nothing is selected.
        { "dd.MM.yyyy", "15 03 2024", { kUnchanged, kUnchanged, kUnchanged, kUnchanged, kUnchanged } },
    };
    for (const auto& row : rows)
    {
        LocalePattern locale(row.pattern);
        Attach(MakeDate(2024, 3, 15));
        m_pEdit->SetWindowText(row.text);
        const int fields[] = { 0, 1, 2, 3, -1 };
        for (int i = 0; i < 5; ++i)
        {
            SCOPED_TRACE(std::string(row.pattern) + " field " + std::to_string(fields[i]));
            m_pEdit->SetSel(2, 2);
            m_pEdit->HighlightField(fields[i]);
            EXPECT_EQ(Selection(), row.fields[i]);
        }
    }
}

// Without its drop window or its calendar the control is a plain date box: what the user types
// is still its date (instead of being thrown away when the focus leaves).
TEST_F(DateTest, WithoutACalendarTheTypedDateIsKept)
{
    LocalePattern locale("dd.MM.yyyy");
    const struct
    {
        const char* name;
        FaultInjection::Kind kind;
        int nth;
        const char* tag;
    } rows[] = {
        { "no drop window object", FaultInjection::kAllocation, 1, nullptr },
        { "no calendar object", FaultInjection::kAllocation, 2, "{70CA8341-48D9-4E77-966F-8380E0E03458}" },
        { "no drop window", FaultInjection::kWindowCreation, 1, "{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}" },
        { "no calendar window", FaultInjection::kWindowCreation, 2, "{70CA8341-48D9-4E77-966F-8380E0E03458}" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        harness::LogCapture log;
        FaultInjection::FailNth(row.kind, row.nth);
        Attach(MakeDate(2024, 3, 15));
        FaultInjection::Reset();
        if (row.tag != nullptr)
        {
            ASSERT_EQ(log.Lines().size(), 1u);
            EXPECT_STREQ(log.Lines()[0], row.tag);
        }
        EXPECT_EQ(Text(), "15.03.2024");
        harness::PressKey(VK_F9);
        harness::PressKey(VK_DOWN);
        SelectAll();
        harness::TypeText("2.4.2024");
        EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240402");
        harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), WHEEL_DELTA);
        EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240502");
        harness::PressKey(VK_TAB);
        EXPECT_EQ(Text(), "02.05.2024");
        EXPECT_FALSE(m_pEdit->SaveCalendarWebPage("x.html"));
        m_pEdit->ApplyBkgShading();
    }
}
