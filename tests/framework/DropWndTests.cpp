// The drop window base: focus hand-off, Tab cycling, the fixed top edge, the height limit and
// the close protocol.
#include "DropEditFixture.h"
#include "DropMessages.h"
#include "Input.h"

using namespace fwtest;
using harness::PressKey;

TEST_F(DropEditTest, FocusEntersAtEitherEndAndTabCyclesBackToTheEdit)
{
    // Shift held while the drop window takes the focus enters at its last control.
    harness::KeyDown(VK_SHIFT);
    m_pEdit->ShowDropWnd(true, true, true);
    harness::KeyUp(VK_SHIFT);
    EXPECT_EQ(FocusWnd(), m_pDrop->m_last.m_hWnd);
    m_pEdit->ShowDropWnd(false, false, true);

    m_pEdit->ShowDropWnd(true, true, true);
    EXPECT_EQ(FocusWnd(), m_pDrop->m_first.m_hWnd);
    PressKey(VK_TAB);
    EXPECT_EQ(FocusWnd(), m_pDrop->m_last.m_hWnd); // the static without a tab stop is skipped
    PressKey(VK_TAB);
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    EXPECT_FALSE(DropVisible()); // focus returning from the drop window closes it

    m_pEdit->ShowDropWnd(true, true, true);
    PressKey(VK_TAB, harness::kShift);
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    EXPECT_FALSE(DropVisible());

    // With the last control hidden, the first one ends the cycle.
    m_pDrop->m_last.ShowWindow(SW_HIDE);
    m_pEdit->ShowDropWnd(true, true, true);
    PressKey(VK_TAB);
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
}

TEST_F(DropEditTest, TopEdgeOfASizableDropWindowCannotBeDragged)
{
    Open();
    m_pEdit->OnAppMove();
    CRect rc;
    ::GetWindowRect(DropHwnd(), &rc);
    const auto hit = [&](int x, int y) { return m_pDrop->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    EXPECT_EQ(hit(rc.CenterPoint().x, rc.top + 1), HTCLIENT);
    EXPECT_EQ(hit(rc.left + 1, rc.top + 1), HTCLIENT);
    EXPECT_EQ(hit(rc.right - 2, rc.top + 1), HTCLIENT);
    EXPECT_EQ(hit(rc.CenterPoint().x, rc.bottom - 2), HTBOTTOM);
    EXPECT_EQ(hit(rc.left + 1, rc.CenterPoint().y), HTLEFT);
}

TEST_F(DropEditTest, HeightIsLimitedToTheDialogButNeverBelow125)
{
    // The edit's bottom is at client y 34 of a 300-pixel-high dialog client area.
    EXPECT_EQ(m_pDrop->LimitHeightToParent(100), 100);
    EXPECT_EQ(m_pDrop->LimitHeightToParent(266), 266);
    EXPECT_EQ(m_pDrop->LimitHeightToParent(267), 266);
    MakeHost({ 100, 100 }, { 10, 230, 210, 254 });
    EXPECT_EQ(m_pDrop->LimitHeightToParent(46), 46);
    EXPECT_EQ(m_pDrop->LimitHeightToParent(60), 125);
    EXPECT_EQ(m_pDrop->LimitHeightToParent(300), 125);

    m_pDrop->m_pEdit = nullptr;
    EXPECT_EQ(m_pDrop->LimitHeightToParent(5000), 5000);
    m_pDrop->m_pEdit = m_pEdit;
}

TEST_F(DropEditTest, ChildCloseReachesTheEditWithItsVerdict)
{
    for (WPARAM verdict : { 1, 0 })
    {
        SCOPED_TRACE(verdict);
        m_pEdit->ShowDropWnd(true, true, true);
        ASSERT_TRUE(DropVisible());
        m_pDrop->SendMessage(WM_DROPWND_CHILD_CLOSE, verdict, 0);
        EXPECT_FALSE(DropVisible());
        EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    }
    // Without an edit the request is dropped.
    m_pEdit->ShowDropWnd(true, false, true);
    m_pDrop->m_pEdit = nullptr;
    EXPECT_EQ(m_pDrop->SendMessage(WM_DROPWND_CHILD_CLOSE, 1, 0), 0);
    EXPECT_TRUE(DropVisible());
    m_pDrop->m_pEdit = m_pEdit;
}

TEST_F(DropEditTest, DropWindowHoldingTheFocusClosesWhenAnotherWindowIsActivated)
{
    m_pEdit->ShowDropWnd(true, true, true);
    ASSERT_EQ(FocusWnd(), m_pDrop->m_first.m_hWnd);
    // Another top-level window (here the application's main window) takes over.
    ::SetActiveWindow(AfxGetMainWnd()->m_hWnd);
    harness::Pump();
    EXPECT_FALSE(DropVisible());

    // Going back to the edit's own dialog is left to the edit's focus rules.
    m_pDlg->FocusEdit();
    m_pEdit->ShowDropWnd(true, true, true);
    ::SetActiveWindow(m_pDlg->m_hWnd);
    harness::Pump();
    EXPECT_FALSE(DropVisible()); // the focus came back to the edit from the drop window
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
}
