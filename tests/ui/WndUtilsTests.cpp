// WndUtils::GetCaretPosition: the caret index after real typing, clicking and Shift+arrow
// selections in both directions.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "HostDialog.h"
#include "Input.h"
#include "TestApp.h"
#include "WndUtils.h"

namespace
{
class WndUtilsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost({ 100, 100 }, { 300, 80 }, { 10, 10, 250, 34 }));
        ASSERT_TRUE(m_edit.SubclassWindow(m_host.Edit()));
        m_host.FocusEdit();
        ASSERT_EVENTUALLY(::GetFocus() == m_edit.m_hWnd);
    }
    void TearDown() override
    {
        if (m_edit.m_hWnd != nullptr)
            m_edit.UnsubclassWindow();
        m_host.DestroyWindow();
    }

    harness::CHostDialog m_host;
    CEdit m_edit;
};

struct CaretCase
{
    const char* name;
    std::vector<std::pair<WORD, unsigned>> keys; // after typing "abcdef"
    int expected;
};

TEST_F(WndUtilsTest, CaretFollowsTheKeysThatMovedIt)
{
    const CaretCase cases[] = {
        { "after typing", {}, 6 },
        { "home", { { VK_HOME, harness::kNone } }, 0 },
        { "two left", { { VK_LEFT, harness::kNone }, { VK_LEFT, harness::kNone } }, 4 },
        { "selection to the left keeps the caret at its start",
          { { VK_LEFT, harness::kShift }, { VK_LEFT, harness::kShift }, { VK_LEFT, harness::kShift } }, 3 },
        { "selection to the right keeps the caret at its end",
          { { VK_HOME, harness::kNone }, { VK_RIGHT, harness::kShift }, { VK_RIGHT, harness::kShift } }, 2 },
        { "middle selection to the left",
          { { VK_LEFT, harness::kNone }, { VK_LEFT, harness::kShift } }, 4 },
    };
    for (const CaretCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_edit.SetWindowText("");
        harness::TypeText("abcdef");
        for (const auto& key : c.keys)
            harness::PressKey(key.first, key.second);
        EXPECT_EQ(c.expected, WndUtils::GetCaretPosition(m_edit));
    }
}

TEST_F(WndUtilsTest, ClickPutsTheCaretBetweenTheCharactersUnderTheMouse)
{
    m_edit.SetWindowText("abcdef");
    const CPoint ptThird = m_edit.PosFromChar(3);
    const CPoint ptFourth = m_edit.PosFromChar(4);
    POINT pt = { ptThird.x + 1, ptThird.y + 4 };
    m_edit.ClientToScreen(&pt);
    harness::Click(pt);
    EXPECT_EQ(3, WndUtils::GetCaretPosition(m_edit)) << "third char at x=" << ptThird.x << ", fourth at " << ptFourth.x;
}

TEST_F(WndUtilsTest, WithoutTheFocusTheSelectionEndIsTheCaret)
{
    m_edit.SetWindowText("abcdef");
    m_edit.SetSel(1, 4);
    ::SetFocus(m_host.Other());
    ASSERT_EVENTUALLY(::GetFocus() == m_host.Other());
    EXPECT_EQ(4, WndUtils::GetCaretPosition(m_edit));
}

TEST(WndUtilsNoWindow, WrapperWithoutWindowAnswersZero)
{
    CEdit edit;
    EXPECT_EQ(0, WndUtils::GetCaretPosition(edit));
}
}
