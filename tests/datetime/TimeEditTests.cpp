// The time edit and its time list drop window on the host dialog's edit, driven with real input,
// with the stored interval under the tests' control (the key is removed before and after each).
#include <algorithm>
#include "BkgStyle.h"
#include "DropTimeSelectWnd.h"
#include "LogCapture.h"
#include "NotificationSpy.h"
#include "RegistryUtils.h"
#include "SelectionList.h"
#include "ShadeButton.h"
#include "TimeEdit.h"
#include "../framework/ControlHost.h"

namespace
{
using Strings = std::vector<std::string>;

DateTime MakeTime(int hour, int minute, int second = 0)
{
    DateTime time;
    time.SetTime(hour, minute, second);
    return time;
}

// "H:MM" of a time, "<none>" without one.
std::string TimeOf(const DateTime& time)
{
    return time.IsValidTime() ? DateTime::ConvertTimeToText(time, false).GetString() : "<none>";
}

// The list rows of the minutes from first to last at step.
Strings Times(int firstMinute, int lastMinute, int step)
{
    Strings times;
    for (int m = firstMinute; m <= lastMinute; m += step)
        times.push_back(TimeOf(MakeTime(m / 60, m % 60)));
    return times;
}

using CProbeTimeEdit = fwtest::Probe<CTimeEdit>;

class TimeTest : public fwtest::ControlTest<CProbeTimeEdit, CDropTimeSelectWnd>
{
protected:
    // Closes the current edit first: it stores its own interval when it is destroyed.
    void StoreInterval(const char* text)
    {
        m_host.Destroy();
        RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, CTimeEdit::kIntervalKey, CTimeEdit::kIntervalValue,
                                         text, false);
    }
    static std::string StoredInterval()
    {
        return RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, CTimeEdit::kIntervalKey, CTimeEdit::kIntervalValue,
                                          false).GetString();
    }

    // A new host with a time edit for the hours.
    void Attach(UINT firstHour, UINT lastHour, bool allowEmpty = false)
    {
        ControlTest::Attach([&](CProbeTimeEdit& edit) { edit.Init(firstHour, lastHour, allowEmpty, true); });
    }

    std::string Time() const { return TimeOf(m_pEdit->GetTime()); }
    std::string SelectedRow() const { return harness::ListSelection(m_pDrop->m_pList->m_hWnd); }
    void Open()
    {
        harness::PressKey(VK_F9);
        ASSERT_TRUE(DropVisible());
    }
    // Opens the list and moves the focus into it with Down, one row on.
    void OpenAndEnter()
    {
        Open();
        harness::PressKey(VK_DOWN);
    }
    static void Click(CWnd* pButton) { harness::Click(harness::ClientCenter(pButton->m_hWnd)); }

    harness::LogCapture m_log;
};
}

// The list holds every time of the hours at the stored interval (an unusable one is hourly);
// opening it selects the edit's time, or the next listed one, as the third visible row, and
// keeps the text as the host set it. Setting the list up at an end interval, where a button is
// disabled, never takes the focus from the edit (the window is still hidden then).
TEST_F(TimeTest, ListHoldsTheTimesAtTheStoredIntervalAndOpensOnTheTimeOrTheNextListedOne)
{
    const DateTime none;
    const struct { const char* name; const char* stored; UINT first, last; bool allowEmpty; DateTime time;
                   Strings rows; const char* selected; } rows[] = {
        { "no value: hourly, the last hour included", nullptr, 8, 17, false, none, Times(8 * 60, 17 * 60, 60),
          "<none>" },
        { "whole day at 30", "30", 0, 24, false, MakeTime(10, 17), Times(0, 23 * 60 + 30, 30), "10:30" },
        { "empty row first, last hour's times", "30", 9, 9, true, MakeTime(9, 30), { "", "9:00", "9:30" }, "9:30" },
        { "every minute of one hour", "1", 9, 9, false, MakeTime(9, 30, 30), Times(9 * 60, 9 * 60 + 59, 1),
          "9:31" }, // seconds are past the minute
        { "1439, hour 24: nothing past midnight", "1439", 0, 24, false, MakeTime(0, 1), { "0:00", "23:59" }, "23:59" },
        { "not a number; before the first hour", "abc", 8, 9, false, MakeTime(6, 10), { "8:00", "9:00" }, "8:00" },
        // Past the last listed time: the next day's first.
        { "a whole day would never advance", "1440", 8, 9, false, MakeTime(9, 10), { "8:00", "9:00" }, "8:00" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (row.stored != nullptr)
            StoreInterval(row.stored);
        Attach(row.first, row.last, row.allowEmpty);
        ASSERT_NE(m_pDrop, nullptr);
        EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
        m_pEdit->SetTime(row.time, true);
        Open();
        EXPECT_EQ(harness::ListRows(m_pDrop->m_pList->m_hWnd), row.rows);
        EXPECT_EQ(SelectedRow(), row.selected);
        EXPECT_EQ(m_pDrop->m_pList->GetTopIndex(), std::max(0, m_pDrop->m_pList->GetCurSel() - 2));
        EXPECT_EQ(Text(), row.time.IsValidTime() ? DateTime::ConvertTimeToText(row.time, true).GetString() : "");
    }
}

TEST_F(TimeTest, BadHoursLogTheirTagAndLeaveAPlainEdit)
{
    const struct { UINT first, last; const char* tag; } rows[] = {
        { 18, 8, "{6FD6A757-3FF8-438B-B5B9-7841A114B19F}" },
        { 24, 24, "{5597F51F-FE3C-49FD-A9D5-E8286C0BED8F}" },
        { 0, 25, "{D03A857C-9B41-4B35-8323-42EE1C87C1D9}" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.tag);
        m_log.Clear();
        Attach(row.first, row.last);
        EXPECT_EQ(m_pEdit->GetDropWnd(), nullptr);
        ASSERT_EQ(m_log.Lines().size(), 1u);
        EXPECT_STREQ(m_log.Lines()[0], row.tag);
        harness::Click(harness::WindowPoint(m_pEdit->m_hWnd, m_pEdit->m_rcButton));
        harness::PressKey(VK_F9);
        harness::TypeText("7:15");
        EXPECT_EQ(Text(), "7:15");
        EXPECT_STREQ(m_log.Lines().back(), "{87F2EF11-2A09-4BD6-84C0-9A57C08BD285}");
        m_host.Destroy();
        EXPECT_EQ(StoredInterval(), "") << "an edit without a drop window stores nothing";
    }
}

// Typing (with the list open, which follows it), a paste, Delete and, with the list closed, Up
// and Down (and in list-only mode the wheel, as Down) all change the time itself, so that leaving the edit keeps what the user sees instead
// of reverting it; only then is the text normalised. Typing is never rewritten while it goes on.
TEST_F(TimeTest, TypingPastingDeletingAndStepsSetTheTimeThatLeavingKeeps)
{
    Attach(8, 17);
    // The clipboard gets its text as a user's copy from the dialog's other edit.
    ::SetWindowTextA(m_pDlg->Other(), "11:45");
    ::SendMessageA(m_pDlg->Other(), EM_SETSEL, 0, -1);
    ::SendMessageA(m_pDlg->Other(), WM_COPY, 0, 0);
    const WORD kWheelDown = 0;
    const struct { const char* name; bool open; int selStart, selEnd; const char* typed; std::vector<WORD> keys;
                   const char* text; const char* time; const char* selected; const char* left;
                   bool readOnly = false; unsigned modifiers = harness::kNone; } rows[] = {
        { "an unlisted time", true, 0, -1, "10:17", {}, "10:17", "10:17", "11:00", "10:17" },
        { "no time", true, 0, -1, "noon", {}, "noon", "<none>", "<none>", "" },
        { "Delete of a part", false, 3, 5, "", { VK_DELETE }, "10:", "<none>", nullptr, "" },
        { "paste", false, 0, -1, "", { 'V' }, "11:45", "11:45", nullptr, "11:45" },
        { "Down", false, 0, 0, "", { VK_DOWN }, "11:00", "11:00", nullptr, "11:00" },
        // Regression: the list stepped on from the time the text no longer held.
        { "Down in the list after no time", true, 0, -1, "noon", { VK_DOWN }, "8:00", "8:00", "8:00", "8:00" },
        { "Down in the list after Delete", true, 0, -1, "", { VK_DELETE, VK_DOWN }, "8:00", "8:00", "8:00", "8:00" },
        // Regression: a first letter picked a time text that leaving the edit reverted.
        { "read-only first letter", false, 0, 0, "9", {}, "9:00", "9:00", nullptr, "9:00", true },
        // Regression: Shift+Delete emptied the text before the cut, which then had nothing to take.
        { "Shift+Delete cuts, Ctrl+V pastes it back", false, 0, -1, "", { VK_DELETE, 'V' }, "10:00", "10:00", nullptr,
          "10:00", false, harness::kShift },
        { "list-only wheel", false, 0, 0, "", { kWheelDown }, "11:00", "11:00", nullptr, "11:00", true },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_pDlg->FocusEdit();
        m_pEdit->SetReadOnly(row.readOnly);
        m_pEdit->SetTime(MakeTime(10, 0), false);
        m_pEdit->SetSel(row.selStart, row.selEnd);
        if (row.open)
            Open();
        harness::TypeText(row.typed);
        for (WORD key : row.keys)
        {
            if (key == kWheelDown)
                harness::Wheel(harness::ClientCenter(m_pEdit->m_hWnd), -WHEEL_DELTA);
            else
                harness::PressKey(key, key == 'V' ? harness::kCtrl : row.modifiers);
        }
        EXPECT_EQ(Text(), row.text);
        EXPECT_EQ(Time(), row.time);
        EXPECT_EQ(DropVisible(), row.open);
        if (row.open)
        {
            EXPECT_EQ(SelectedRow(), row.selected);
        }
        ::SetFocus(m_pDlg->Other());
        harness::Pump();
        EXPECT_EQ(Text(), row.left);
    }
}

TEST_F(TimeTest, TheLastEditDestroyedStoresItsIntervalForTheNextEdit)
{
    for (bool changedFirst : { true, false })
    {
        SCOPED_TRACE(changedFirst ? "changed edit destroyed first" : "changed edit destroyed last");
        StoreInterval("30");
        Attach(8, 17);
        CProbeTimeEdit other; // on the dialog's other edit
        ASSERT_TRUE(other.SubclassWindow(m_pDlg->Other()));
        other.Init(8, 17, false, true);
        OpenAndEnter();
        Click(m_pDrop->m_pDecreaseBtn);
        CTimeEdit* order[] = { m_pEdit, &other };
        if (!changedFirst)
            std::swap(order[0], order[1]);
        order[0]->DestroyWindow();
        order[1]->DestroyWindow();
        EXPECT_EQ(StoredInterval(), changedFirst ? "30" : "15");
        m_host.Destroy();
        Attach(8, 17);
        EXPECT_EQ(m_pDrop->m_nInterval, changedFirst ? 30 : 15);
    }
}

// A press steps the interval through 1, 5, 10, 15, 30, 60 (an interval off those steps stays),
// regenerates the list with the edit's time selected, and moves the focus off a button before
// disabling it at either end.
TEST_F(TimeTest, IntervalButtonsRegenerateTheListAndNeverLeaveTheFocusOnADisabledButton)
{
    const struct { const char* stored; bool coarser; int interval; bool coarserOn, finerOn; const char* selected; }
    rows[] = {
        { "30", true, 60, false, true, "11:00" }, // from 10:17, moved once with Down before the press
        { "5", false, 1, true, false, "10:20" },
        { "7", true, 7, true, true, "10:20" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.stored) + (row.coarser ? " coarser" : " finer"));
        StoreInterval(row.stored);
        Attach(8, 17);
        m_pEdit->SetTime(MakeTime(10, 17), false);
        OpenAndEnter();
        CShadeButton* pPressed = row.coarser ? m_pDrop->m_pIncreaseBtn : m_pDrop->m_pDecreaseBtn;
        Click(pPressed); // the count of rows tells the interval
        EXPECT_EQ(m_pDrop->m_pList->GetCount(), (600 + row.interval - 1) / row.interval);
        EXPECT_EQ(SelectedRow(), row.selected);
        EXPECT_EQ(m_pDrop->m_pIncreaseBtn->IsWindowEnabled() != FALSE, row.coarserOn);
        EXPECT_EQ(m_pDrop->m_pDecreaseBtn->IsWindowEnabled() != FALSE, row.finerOn);
        const bool pressedOn = row.coarser ? row.coarserOn : row.finerOn;
        EXPECT_EQ(::GetFocus(), pressedOn ? pPressed->m_hWnd
                                     : (row.coarser ? m_pDrop->m_pDecreaseBtn : m_pDrop->m_pIncreaseBtn)->m_hWnd);
        EXPECT_TRUE(DropVisible());
    }
}

// The window sits at the edit's right edge (its sizes: see the geometry table at every DPI), with
// the disabled "Detail" caption between the coarser and the finer button under the list, all three
// in the background style's shading, from their creation and again when the host applies it.
TEST_F(TimeTest, TheShadedStripSitsUnderTheListAndTabCyclesListCoarserFinerAndBackToTheEdit)
{
    const ShadeProps shade(RGB(250, 240, 200), RGB(120, 90, 10), RGB(0, 0, 0), RGB(60, 60, 60));
    BkgStyle::CreateInstance()->Set(BkgStyle::DropWindowButtons, shade);
    const auto rectOf = [](CWnd* pWnd) { return fwtest::WindowRectOf(pWnd->m_hWnd); };
    Attach(8, 17); // interval 60: the coarser button is disabled and skipped
    OpenAndEnter();
    EXPECT_EQ(rectOf(m_pDrop).right, rectOf(m_pEdit).right);
    EXPECT_EQ(m_pEdit->GetMaxWidth(), rectOf(m_pDrop).Width());
    EXPECT_EQ(rectOf(m_pDrop->m_pList).bottom, rectOf(m_pDrop->m_pDetailLabel).top);
    EXPECT_EQ(rectOf(m_pDrop->m_pIncreaseBtn).right, rectOf(m_pDrop->m_pDetailLabel).left);
    EXPECT_EQ(rectOf(m_pDrop->m_pDetailLabel).right, rectOf(m_pDrop->m_pDecreaseBtn).left);
    EXPECT_EQ(harness::WindowText(m_pDrop->m_pDetailLabel->m_hWnd), "Detail");
    EXPECT_FALSE(m_pDrop->m_pDetailLabel->IsWindowEnabled());
    EXPECT_EQ(m_pDrop->m_pIncreaseBtn->GetShadeProps(), shade) << "at creation";
    const ShadeProps later(RGB(10, 20, 30), RGB(40, 50, 60), RGB(255, 255, 255), RGB(0, 0, 0));
    BkgStyle::GetInstance()->Set(BkgStyle::DropWindowButtons, later);
    m_pEdit->ApplyBkgShading();
    for (CShadeButton* pButton : { m_pDrop->m_pIncreaseBtn, m_pDrop->m_pDetailLabel, m_pDrop->m_pDecreaseBtn })
        EXPECT_EQ(pButton->GetShadeProps(), later);
    BkgStyle::DestroyInstance();
    EXPECT_EQ(::GetFocus(), m_pDrop->m_pList->m_hWnd);
    harness::PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), m_pDrop->m_pDecreaseBtn->m_hWnd);
    harness::PressKey(VK_SPACE); // to 30: both enabled
    harness::PressKey(VK_TAB, harness::kShift);
    EXPECT_EQ(::GetFocus(), m_pDrop->m_pIncreaseBtn->m_hWnd);
    harness::PressKey(VK_TAB);
    harness::PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
}

// The time and text the host reads in its SELENDOK handler ("time|text"), the empty row's pick
// clearing both; a host's SetTime sends nothing. (Every other way of opening and closing: see the
// selection edit's table, which goes through the same list window.)
TEST_F(TimeTest, TheParentHearsEachOpeningAndHowTheListClosed)
{
    const WORD kHostSetsTime = 0;
    const struct { const char* name; std::vector<WORD> keys; const char* expected; bool allowEmpty = false; } rows[] = {
        { "F9 opens, Down into the list, Enter picks", { VK_F9, VK_DOWN, VK_RETURN },
          "DROPDOWN SELENDOK(10:00|10:00) CLOSEUP" },
        { "the empty row picked", { VK_F9, VK_DOWN, VK_HOME, VK_RETURN }, "DROPDOWN SELENDOK(<none>|) CLOSEUP", true },
        { "SetTime from the host while open, then F9", { VK_F9, kHostSetsTime, VK_F9 }, "DROPDOWN SELENDCANCEL CLOSEUP" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        Attach(8, 12, row.allowEmpty);
        m_pEdit->SetTime(MakeTime(9, 0), false);
        harness::NotificationSpy spy(m_pDlg->m_hWnd, [this] { return Time() + "|" + Text(); });
        for (WORD key : row.keys)
        {
            if (key == kHostSetsTime)
                m_pEdit->SetTime(MakeTime(9, 30), false);
            else
                harness::PressKey(key);
        }
        EXPECT_EQ(spy.Sequence(), row.expected);
    }
    m_pEdit->SetTime(DateTime(), false);
    EXPECT_EQ(Text(), "") << "a host's empty time empties the text too";
}
