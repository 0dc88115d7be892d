// The calendar drop window: the calendar's notifications turned into the edit's change calls and
// the close protocol, the notifications forwarded to the edit's parent, the has-date flag, the
// calendar filling the window, and the focus rules.
#include "DateFixture.h"
#include "DropMessages.h"
#include "FaultInjection.h"
#include "LogCapture.h"
#include "MessageRecorder.h"
#include "../ui/MenuProbe.h"

using namespace datetest;

TEST_F(DateTest, CalendarNotificationsBecomeEditCallsAndCloses)
{
    const struct
    {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        std::vector<bool> changes; // keepOpen of each OnDropWndChanged
        UINT closeMessages;        // WM_CLOSE_DROPDOWN_WND count
        WPARAM closeWParam;
        bool closed;
        const char* text;
    } rows[] = {
        { "selection moved by keys", CCalendarWnd::CALWND_ONSELCHANGE, 20240320, 1, { true }, 0, 0, false, "20.03.2024" },
        // A pick in the edit's month closes directly, without the close message.
        { "day clicked", CCalendarWnd::CALWND_ONSELCHANGE, 20240320, 0, { false }, 0, 0, true, "20.03.2024" },
        { "other lParam", CCalendarWnd::CALWND_ONSELCHANGE, 20240320, 7, { false }, 0, 0, true, "20.03.2024" },
        { "no date", CCalendarWnd::CALWND_ONNODATE, 0, 0, { true }, 1, 1, true, "" },
        { "Enter", CCalendarWnd::CALWND_ENTERKEY, 20240315, 0, {}, 1, 1, true, "15.03.2024" },
        { "Escape", CCalendarWnd::CALWND_ESCKEY, 0, 0, {}, 1, 0, true, "15.03.2024" },
    };
    LocalePattern locale("dd.MM.yyyy");
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(MakeDate(2024, 3, 15));
        harness::PressKey(VK_F9);
        // The calendar's own value, as a pick would have left it.
        m_pDrop->m_pCalendar->m_date = MakeDate(2024, 3, 20);
        m_pEdit->m_changes.clear();
        harness::MessageRecorder recorder;
        recorder.Watch(m_pEdit->m_hWnd, "edit");
        m_pDrop->SendMessage(row.message, row.wParam, row.lParam);
        EXPECT_EQ(m_pEdit->m_changes, row.changes);
        const auto closes = recorder.Of(m_pEdit->m_hWnd, CDropBaseEdit::WM_CLOSE_DROPDOWN_WND);
        ASSERT_EQ(closes.size(), row.closeMessages);
        if (!closes.empty())
        {
            EXPECT_EQ(closes[0].wParam, row.closeWParam);
        }
        EXPECT_EQ(CalendarVisible(), !row.closed);
        EXPECT_EQ(Text(), row.text);
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
    EXPECT_EQ(recorder.Count(m_pDlg->m_hWnd, CCalendarWnd::CALWND_DATERANGE_CHANGED), 0u)
        << "a save prompt is no change of the months shown";

    recorder.Clear();
    harness::PressKey(VK_NEXT); // one month on, in the calendar
    const auto ranges = recorder.Of(m_pDlg->m_hWnd, CCalendarWnd::CALWND_DATERANGE_CHANGED);
    ASSERT_EQ(ranges.size(), 1u);
    const DateTime first = CCalendarWnd::UnpackDate(static_cast<LPARAM>(ranges[0].wParam));
    const DateTime last = CCalendarWnd::UnpackDate(ranges[0].lParam);
    EXPECT_TRUE(first.IsValidDate() && last.IsValidDate());
    EXPECT_LE(CCalendarWnd::PackDate(first), 20240401);
    EXPECT_GE(CCalendarWnd::PackDate(last), 20240430);
    EXPECT_EQ(DateText(m_pEdit->GetDate()), "20240415");
    EXPECT_TRUE(CalendarVisible());
}

TEST_F(DateTest, TheEmptyDateClearsHasDateWhateverTheCalendarShows)
{
    Attach(DateTime());
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(m_pDrop->m_bHasDate) << "Init with the empty date";
    m_pDrop->SetDate(MakeDate(2024, 3, 15));
    EXPECT_TRUE(m_pDrop->m_bHasDate);
    m_pDrop->SetDate(DateTime());
    EXPECT_FALSE(m_pDrop->m_bHasDate);
    EXPECT_FALSE(m_pDrop->GetDate().IsValidDate());
    // A later selection brings the date back.
    m_pDrop->m_pCalendar->m_date = MakeDate(2024, 5, 6);
    m_pDrop->SendMessage(CCalendarWnd::CALWND_ONSELCHANGE, 20240506, 1);
    EXPECT_TRUE(m_pDrop->m_bHasDate);
    EXPECT_EQ(DateText(m_pDrop->GetDate()), "20240506");
}

TEST_F(DateTest, GetDateWithoutACalendarWindowLogsItsTag)
{
    harness::LogCapture log;
    FaultInjection::FailNth(FaultInjection::kWindowCreation, 2);
    Attach(MakeDate(2024, 3, 15));
    FaultInjection::Reset();
    log.Clear();
    EXPECT_FALSE(m_pDrop->GetDate().IsValidDate());
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_STREQ(log.Lines()[0], "{58A13DD4-92EC-4DEE-BC13-5D0BE6EBE1FB}");
}

TEST_F(DateTest, TheCalendarFillsTheResizedWindow)
{
    Attach(MakeDate(2024, 3, 15));
    harness::PressKey(VK_F9);
    for (SIZE size : { SIZE{ 300, 280 }, SIZE{ 200, 150 } })
    {
        SCOPED_TRACE(size.cx);
        m_pDrop->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rcClient;
        m_pDrop->GetClientRect(&rcClient);
        CRect rcCalendar;
        m_pDrop->m_pCalendar->GetWindowRect(&rcCalendar);
        m_pDrop->ScreenToClient(&rcCalendar);
        EXPECT_EQ(rcCalendar, rcClient);
        EXPECT_EQ(::GetDlgCtrlID(m_pDrop->m_pCalendar->m_hWnd), 2600);
    }
}

TEST_F(DateTest, FocusEnteringTheWindowLandsOnTheCalendarWithOrWithoutShift)
{
    Attach(MakeDate(2024, 3, 15));
    for (bool shift : { false, true })
    {
        SCOPED_TRACE(shift ? "Shift held" : "no Shift");
        m_pDlg->FocusEdit();
        harness::PressKey(VK_F9);
        ASSERT_TRUE(CalendarVisible());
        if (shift)
            harness::KeyDown(VK_SHIFT);
        m_pDrop->SetFocus();
        if (shift)
            harness::KeyUp(VK_SHIFT);
        EXPECT_EQ(FocusWnd(), MonthCal());
        EXPECT_TRUE(CalendarVisible());
        harness::PressKey(VK_ESCAPE);
        EXPECT_FALSE(CalendarVisible());
    }
}

TEST_F(DateTest, FocusFallingBackFromADeadCalendarControlGoesToTheEdit)
{
    const struct
    {
        const char* name;
        bool hideOld;
        bool toEdit;
    } rows[] = {
        // Down: activating the popup hands the focus through the window a second time.
        { "from a live control", false, false },
        { "from a hidden control", true, true },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(MakeDate(2024, 3, 15));
        OpenWithDown();
        const HWND hButton = CalendarButton("No date");
        ASSERT_NE(hButton, nullptr);
        if (row.hideOld)
            ::ShowWindow(hButton, SW_HIDE);
        m_pDrop->SendMessage(WM_SETFOCUS, reinterpret_cast<WPARAM>(hButton));
        EXPECT_EQ(FocusWnd() == m_pEdit->m_hWnd, row.toEdit);
        EXPECT_EQ(FocusInCalendar(), !row.toEdit);
        EXPECT_EQ(CalendarVisible(), !row.toEdit) << "focus back in the edit from the drop window closes it";
    }
}
