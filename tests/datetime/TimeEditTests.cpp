#include "TimeFixture.h"
#include <functional>

using namespace timetest;
using Strings = std::vector<std::string>;

namespace
{
Strings Times(int firstMinute, int lastMinute, int step)
{
    Strings times;
    for (int m = firstMinute; m <= lastMinute; m += step)
        times.push_back(TimeOf(MakeTime(m / 60, m % 60)));
    return times;
}
}

TEST_F(TimeTest, ListHoldsEveryTimeOfTheHoursAtTheStoredInterval)
{
    struct Row
    {
        const char* name;
        const char* stored; // null: no value
        UINT first, last;
        bool allowEmpty;
        Strings rows;
    } rows[] = {
        { "no value: hourly, the last hour included", nullptr, 8, 17, false, Times(8 * 60, 17 * 60, 60) },
        { "whole day at 30", "30", 0, 24, false, Times(0, 23 * 60 + 30, 30) },
        { "empty row first, last hour's times", "30", 9, 9, true, { "", "9:00", "9:30" } },
        { "single hour", "60", 9, 9, false, { "9:00" } },
        { "last hour 24 stops before midnight", "60", 22, 24, false, { "22:00", "23:00" } },
        { "7 stays a valid interval", "7", 8, 8, false, Times(8 * 60, 8 * 60 + 56, 7) },
        { "1439: nothing past midnight", "1439", 0, 24, false, { "0:00", "23:59" } },
        { "not a number", "abc", 8, 9, false, { "8:00", "9:00" } },
        { "zero", "0", 8, 9, false, { "8:00", "9:00" } },
        { "negative", "-15", 8, 9, false, { "8:00", "9:00" } },
        { "a whole day would never advance", "1440", 8, 9, false, { "8:00", "9:00" } },
        { "two days", "2880", 8, 9, false, { "8:00", "9:00" } },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (row.stored != nullptr)
            StoreInterval(row.stored);
        Attach(row.first, row.last, row.allowEmpty);
        ASSERT_NE(m_pDrop, nullptr);
        Open();
        EXPECT_EQ(Rows(), row.rows);
        harness::PressKey(VK_ESCAPE);
        TearDown();
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT");
    }
}

TEST_F(TimeTest, BadHoursLogTheirTagAndLeaveAPlainEdit)
{
    struct Row
    {
        UINT first, last;
        const char* tag;
    } rows[] = {
        { 18, 8, "{6FD6A757-3FF8-438B-B5B9-7841A114B19F}" },
        { 24, 24, "{5597F51F-FE3C-49FD-A9D5-E8286C0BED8F}" },
        { 0, 25, "{D03A857C-9B41-4B35-8323-42EE1C87C1D9}" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.tag);
        m_log.Clear();
        Attach(row.first, row.last);
        EXPECT_EQ(m_pEdit->GetDropWnd(), nullptr);
        ASSERT_EQ(m_log.Lines().size(), 1u);
        EXPECT_EQ(Str(m_log.Lines()[0]), row.tag);
        harness::Click(harness::WindowPoint(m_pEdit->m_hWnd, m_pEdit->m_rcButton));
        harness::PressKey(VK_F9);
        harness::TypeText("7:15");
        EXPECT_EQ(Text(), "7:15");
        EXPECT_EQ(Str(m_log.Lines().back()), "{87F2EF11-2A09-4BD6-84C0-9A57C08BD285}");
        TearDown();
        EXPECT_EQ(StoredInterval(), "") << "an edit without a drop window stores nothing";
    }
}

TEST_F(TimeTest, TypingSetsTheTimeAndFocusLossNormalisesTheText)
{
    Attach(8, 17);
    Open();
    struct Row
    {
        const char* typed;
        const char* time;
        const char* selected;
        const char* textAfterLeaving;
    } rows[] = {
        { "10:00", "10:00", "10:00", "10:00" },
        { "10:17", "10:17", "11:00", "10:17" }, // not listed: the next listed time
        { " 9:05 ", "9:05", "10:00", "9:05" },
        { "25:99", "<none>", "<none>", "" },
        { "noon", "<none>", "<none>", "" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.typed);
        m_pDlg->FocusEdit();
        m_pEdit->SetSel(0, -1);
        harness::PressKey(VK_F9);
        harness::TypeText(row.typed);
        EXPECT_EQ(Time(), row.time);
        EXPECT_EQ(Text(), row.typed) << "typing is never rewritten while it goes on";
        if (ListVisible())
        {
            EXPECT_EQ(SelectedRow(), row.selected);
        }
        LeaveEdit();
        EXPECT_EQ(Text(), row.textAfterLeaving);
        EXPECT_FALSE(ListVisible());
    }
}

TEST_F(TimeTest, DeletePasteAndClosedListStepsChangeTheTimeThatLeavingKeeps)
{
    Attach(8, 17);
    // The clipboard gets its text as a user's copy from the dialog's other edit.
    ::SetWindowTextA(m_pDlg->Other(), "11:45");
    ::SendMessageA(m_pDlg->Other(), EM_SETSEL, 0, -1);
    ::SendMessageA(m_pDlg->Other(), WM_COPY, 0, 0);
    const auto press = [](WORD vk, unsigned modifiers = harness::kNone) {
        return [=] { harness::PressKey(vk, modifiers); };
    };
    struct Row
    {
        const char* name;
        int selStart, selEnd; // before the keys, on the text "10:00"
        std::function<void()> keys;
        const char* text;
        const char* time;
        const char* textAfterLeaving;
    } rows[] = {
        { "Delete of the whole text", 0, -1, press(VK_DELETE), "", "<none>", "" },
        { "Delete of a part", 3, 5, press(VK_DELETE), "10:", "<none>", "" },
        { "paste", 0, -1, press('V', harness::kCtrl), "11:45", "11:45", "11:45" },
        { "Down, list closed", 0, 0, press(VK_DOWN), "11:00", "11:00", "11:00" },
        { "Up twice, list closed", 0, 0, [] { harness::PressKey(VK_UP); harness::PressKey(VK_UP); }, "8:00", "8:00",
          "8:00" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_pDlg->FocusEdit();
        m_pEdit->SetTime(MakeTime(10, 0), false);
        m_pEdit->SetSel(row.selStart, row.selEnd);
        row.keys();
        EXPECT_EQ(Text(), row.text);
        EXPECT_EQ(Time(), row.time);
        EXPECT_FALSE(ListVisible());
        LeaveEdit();
        EXPECT_EQ(Text(), row.textAfterLeaving);
    }
}

TEST_F(TimeTest, PicksFromTheListReachTheTime)
{
    Attach(8, 10, true);
    m_pEdit->SetTime(MakeTime(9, 0), false);
    Open();
    harness::PressKey(VK_DOWN); // into the list, one row on
    EXPECT_EQ(SelectedRow(), "10:00");
    EXPECT_EQ(Time(), "10:00");
    EXPECT_EQ(Text(), "10:00");
    EXPECT_EQ(::GetFocus(), m_pDrop->m_pList->m_hWnd);
    RECT rc = {};
    m_pDrop->m_pList->GetItemRect(0, &rc); // the empty row
    POINT pt = { (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 };
    ::ClientToScreen(m_pDrop->m_pList->m_hWnd, &pt);
    harness::Click(pt);
    EXPECT_EVENTUALLY(!ListVisible());
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(Time(), "<none>");
}

TEST_F(TimeTest, SetTimeWithoutAValidTimeEmptiesTheTextOnly)
{
    Attach(8, 17);
    m_pEdit->SetTime(MakeTime(12, 0), false);
    EXPECT_EQ(Text(), "12:00");
    EXPECT_EQ(TimeOf(m_pDrop->m_time), "12:00");
    m_pEdit->SetTime(DateTime(), false);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(TimeOf(m_pDrop->m_time), "12:00");
    m_pEdit->SetTime(MakeTime(12, 0, 30), true);
    EXPECT_EQ(Text(), "12:00:30");
}

TEST_F(TimeTest, DropWindowIsAHundredPixelsAtTheEditsRightEdge)
{
    Attach(8, 17);
    Open();
    CRect rcEdit;
    CRect rcDrop;
    m_pEdit->GetWindowRect(&rcEdit);
    m_pDrop->GetWindowRect(&rcDrop);
    EXPECT_EQ(rcDrop, CRect(rcEdit.right - 100, rcEdit.bottom, rcEdit.right, rcEdit.bottom + 125));
    EXPECT_EQ(m_pEdit->GetMaxWidth(), 100);
}

TEST_F(TimeTest, LastEditDestroyedStoresItsInterval)
{
    for (bool changedFirst : { true, false })
    {
        SCOPED_TRACE(changedFirst ? "changed edit destroyed first" : "changed edit destroyed last");
        StoreInterval("30");
        Attach(8, 17);
        m_pOther = new CProbeTimeEdit;
        ASSERT_TRUE(m_pOther->SubclassWindow(m_pDlg->Other()));
        m_pOther->Init(8, 17, false, true);
        Open();
        harness::PressKey(VK_DOWN); // the focus goes into the list
        harness::Click(ButtonPoint(m_pDrop->m_pDecreaseBtn));
        ASSERT_EQ(m_pDrop->m_nInterval, 15);
        CTimeEdit* order[] = { m_pEdit, m_pOther };
        if (!changedFirst)
            std::swap(order[0], order[1]);
        order[0]->DestroyWindow();
        order[1]->DestroyWindow();
        EXPECT_EQ(StoredInterval(), changedFirst ? "30" : "15");
    }
    UINT interval = 0;
    m_pEdit->LoadData(interval);
    EXPECT_EQ(interval, 15u);
}
