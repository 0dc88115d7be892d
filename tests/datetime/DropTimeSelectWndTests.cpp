#include "TimeFixture.h"
#include "BkgStyle.h"
#include "FaultInjection.h"

using namespace timetest;
using TimeDropTest = TimeTest;

namespace
{
CRect ChildRect(CWnd* pParent, CWnd* pChild)
{
    CRect rc;
    pChild->GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    return rc;
}
}

TEST_F(TimeDropTest, IntervalButtonsRegenerateTheListAndNeverLeaveTheFocusOnADisabledButton)
{
    enum Focus { kCoarser, kFiner };
    struct Row
    {
        const char* stored;
        bool coarser; // the button pressed
        int interval;
        bool coarserEnabled, finerEnabled;
        Focus focus;
        const char* selected; // from 10:17, moved once with Down before the press
    } rows[] = {
        { "30", true, 60, false, true, kFiner, "11:00" },
        { "5", false, 1, true, false, kCoarser, "10:20" },
        { "10", false, 5, true, true, kFiner, "10:20" },
        { "15", true, 30, true, true, kCoarser, "10:30" },
        { "7", true, 7, true, true, kCoarser, "10:20" },
        { "7", false, 7, true, true, kFiner, "10:20" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.stored) + (row.coarser ? " coarser" : " finer"));
        StoreInterval(row.stored);
        Attach(8, 17);
        m_pEdit->SetTime(MakeTime(10, 17), false);
        Open();
        harness::PressKey(VK_DOWN); // the focus goes into the list
        CShadeButton* pPressed = row.coarser ? m_pDrop->m_pIncreaseBtn : m_pDrop->m_pDecreaseBtn;
        harness::Click(ButtonPoint(pPressed));
        EXPECT_EQ(m_pDrop->m_nInterval, row.interval);
        EXPECT_EQ(m_pDrop->m_pList->GetCount(), (600 + row.interval - 1) / row.interval);
        EXPECT_EQ(SelectedRow(), row.selected);
        EXPECT_EQ(m_pDrop->m_pIncreaseBtn->IsWindowEnabled() != FALSE, row.coarserEnabled);
        EXPECT_EQ(m_pDrop->m_pDecreaseBtn->IsWindowEnabled() != FALSE, row.finerEnabled);
        EXPECT_EQ(::GetFocus(), (row.focus == kCoarser ? m_pDrop->m_pIncreaseBtn : m_pDrop->m_pDecreaseBtn)->m_hWnd);
        EXPECT_TRUE(ListVisible());
    }
}

TEST_F(TimeDropTest, InitAtAnEndIntervalLeavesTheFocusInTheEdit)
{
    for (const char* stored : { "1", "60" })
    {
        SCOPED_TRACE(stored);
        StoreInterval(stored);
        Attach(8, 17);
        EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    }
}

TEST_F(TimeDropTest, TabCyclesListCoarserFinerAndBackToTheEdit)
{
    Attach(8, 17); // interval 60: the coarser button is disabled and skipped
    Open();
    harness::PressKey(VK_DOWN);
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

TEST_F(TimeDropTest, SelectTimeSelectsTheTimeOrTheNextListedOneAsTheThirdVisibleRow)
{
    struct Row
    {
        const char* stored;
        UINT first, last;
        DateTime time;
        const char* selected;
    } rows[] = {
        { "15", 0, 24, MakeTime(10, 17), "10:30" },
        { "15", 0, 24, MakeTime(10, 30), "10:30" },
        { "15", 0, 24, MakeTime(10, 30, 30), "10:45" }, // seconds are past the minute
        { "15", 0, 24, MakeTime(23, 50), "0:00" },      // wraps to the next day
        { "60", 8, 17, MakeTime(6, 10), "8:00" },       // before the first hour
        { "60", 8, 17, MakeTime(18, 0), "8:00" },       // past the last: the next day's first
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(TimeOf(row.time));
        StoreInterval(row.stored);
        Attach(row.first, row.last);
        m_pEdit->SetTime(row.time, true);
        Open();
        EXPECT_EQ(SelectedRow(), row.selected);
        const int selected = m_pDrop->m_pList->GetCurSel();
        EXPECT_EQ(m_pDrop->m_pList->GetTopIndex(), std::max(0, selected - 2));
        EXPECT_EQ(Text(), Str(DateTime::ConvertTimeToText(row.time, true))) << "showing the list keeps the text";
    }
}

TEST_F(TimeDropTest, StripLaysOutQuartersUnderTheList)
{
    Attach(8, 17);
    struct Row
    {
        int cx;
        CRect list, coarser, caption, finer;
    } rows[] = {
        { 100, { 0, 0, 100, 105 }, { 0, 105, 25, 125 }, { 25, 105, 75, 125 }, { 75, 105, 100, 125 } },
        { 102, { 0, 0, 102, 105 }, { 0, 105, 25, 125 }, { 25, 105, 77, 125 }, { 77, 105, 102, 125 } },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.cx);
        m_pDrop->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(row.cx, 125));
        EXPECT_EQ(ChildRect(m_pDrop, m_pDrop->m_pList), row.list);
        EXPECT_EQ(ChildRect(m_pDrop, m_pDrop->m_pIncreaseBtn), row.coarser);
        EXPECT_EQ(ChildRect(m_pDrop, m_pDrop->m_pDetailLabel), row.caption);
        EXPECT_EQ(ChildRect(m_pDrop, m_pDrop->m_pDecreaseBtn), row.finer);
    }
    CString caption;
    m_pDrop->m_pDetailLabel->GetWindowText(caption);
    EXPECT_EQ(Str(caption), "Detail");
    EXPECT_FALSE(m_pDrop->m_pDetailLabel->IsWindowEnabled());
    EXPECT_EQ(m_pDrop->m_pIncreaseBtn->GetButtonIcon(), ORVIcon::Coarser);
    EXPECT_EQ(m_pDrop->m_pDecreaseBtn->GetButtonIcon(), ORVIcon::Finer);
}

TEST_F(TimeDropTest, ButtonsTakeTheBackgroundStylesShading)
{
    const ShadeProps shade(RGB(250, 240, 200), RGB(120, 90, 10), RGB(0, 0, 0), RGB(60, 60, 60));
    BkgStyle::CreateInstance()->Set(BkgStyle::DropWindowButtons, shade);
    Attach(8, 17);
    EXPECT_EQ(m_pDrop->m_pIncreaseBtn->GetShadeProps(), shade) << "at creation";
    const ShadeProps later(RGB(10, 20, 30), RGB(40, 50, 60), RGB(255, 255, 255), RGB(0, 0, 0));
    BkgStyle::GetInstance()->Set(BkgStyle::DropWindowButtons, later);
    m_pEdit->ApplyBkgShading();
    for (CShadeButton* pButton : { m_pDrop->m_pIncreaseBtn, m_pDrop->m_pDetailLabel, m_pDrop->m_pDecreaseBtn })
        EXPECT_EQ(pButton->GetShadeProps(), later);
    BkgStyle::DestroyInstance();
}

TEST_F(TimeDropTest, MissingButtonsAreLoggedAndTheEditStaysUsable)
{
    // Allocations in Init: drop font, drop window, list, coarser, finer, caption. Window
    // creations: drop window, list, coarser, finer, caption.
    struct Row
    {
        FaultInjection::Kind kind;
        int nth;
        const char* tag;
        bool timesListed;
    } rows[] = {
        { FaultInjection::kAllocation, 4, "{BC122A7F-CA8B-42C1-9BD4-5C39A7A58A3E}", false },
        { FaultInjection::kAllocation, 5, "{25F4F0B3-1FE5-4F04-AEF0-7C3DF24FE305}", false },
        { FaultInjection::kAllocation, 6, "{4A76A579-0E56-4602-8203-9B1B302ADC42}", false },
        { FaultInjection::kWindowCreation, 3, "{52ED2525-3F7D-4AE2-BC00-12CE2312EB95}", true },
        { FaultInjection::kWindowCreation, 4, "{092C0139-38FB-4B71-B161-03944D77358E}", true },
        { FaultInjection::kWindowCreation, 5, "{99BDCCB9-8851-42E2-82A4-C669EF59861C}", true },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.tag);
        m_log.Clear();
        FaultInjection::FailNth(row.kind, row.nth);
        Attach(8, 17);
        FaultInjection::Reset();
        ASSERT_NE(m_pDrop, nullptr);
        ASSERT_EQ(m_log.Lines().size(), 1u);
        EXPECT_EQ(Str(m_log.Lines()[0]), row.tag);
        m_pEdit->SetTime(MakeTime(10, 0), false);
        harness::PressKey(VK_F9);
        harness::PressKey(VK_DOWN);
        EXPECT_EQ(Time(), row.timesListed ? "11:00" : "10:00");
        harness::PressKey(VK_ESCAPE);
    }
}
