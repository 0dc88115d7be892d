// The drop button: layout in the non-client area, hit testing, mouse tracking, drawn state.
#include "DropEditFixture.h"
#include "Input.h"

using namespace fwtest;

namespace
{
CRect ClientRectOf(HWND hWnd)
{
    CRect rc;
    ::GetClientRect(hWnd, &rc);
    return rc;
}
}

TEST_F(DropEditTest, ButtonIsCutOutOfTheClientAreaAtTheRightEnd)
{
    const int cxButton = ::GetSystemMetrics(SM_CXVSCROLL);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    CRect rcWindow;
    m_pEdit->GetWindowRect(&rcWindow);
    // 200 x 24 edit with a client edge inside a dialog: the rectangle is window-relative.
    const CRect rcClient = ClientRectOf(m_pEdit->m_hWnd);
    EXPECT_EQ(rcClient.Width(), rcWindow.Width() - 2 * cxEdge - cxButton);
    EXPECT_EQ(m_pEdit->m_rcButton,
              CRect(rcWindow.Width() - cxEdge - cxButton + 1, cyEdge, rcWindow.Width() - cxEdge,
                    rcWindow.Height() - cyEdge));
    EXPECT_TRUE(m_pEdit->m_rcIcon.IsRectEmpty());

    // Forwarding the close to the parent lifts the button by two pixels.
    const CRect rcPlain = m_pEdit->m_rcButton;
    m_pEdit->SetEnterKeyOptions(true, true);
    m_pEdit->Init();
    EXPECT_EQ(m_pEdit->m_rcButton, CRect(rcPlain.left, rcPlain.top - 2, rcPlain.right, rcPlain.bottom - 2));

    // With an icon area the client area loses the icon's width at the left as well, and the
    // icon is painted there (only then).
    const auto redraw = [&] { m_pEdit->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); };
    redraw();
    EXPECT_EQ(m_pEdit->Count("DrawIcon"), 0);
    m_pEdit->SetEnterKeyOptions(true, false);
    m_pEdit->DoDrawIcon(true);
    m_pEdit->Init();
    const int cxIcon = ::GetSystemMetrics(SM_CXSMICON) + 1;
    EXPECT_EQ(ClientRectOf(m_pEdit->m_hWnd).Width(), rcClient.Width() - cxIcon);
    EXPECT_EQ(m_pEdit->m_rcIcon, CRect(cxEdge, cyEdge, cxEdge + cxIcon, rcWindow.Height() - cyEdge));
    EXPECT_EQ(m_pEdit->m_rcButton, rcPlain);
    redraw();
    EXPECT_GE(m_pEdit->Count("DrawIcon"), 1);

    // Without the button nothing is cut out for it and nothing hits it.
    m_pEdit->DoDrawIcon(false);
    m_pEdit->DoDrawButton(false);
    m_pEdit->Init();
    EXPECT_EQ(ClientRectOf(m_pEdit->m_hWnd).Width(), rcWindow.Width() - 2 * cxEdge);
    const POINT pt = ButtonPoint();
    EXPECT_NE(m_pEdit->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTBORDER);
    harness::Click(pt);
    EXPECT_FALSE(DropVisible());
}

TEST_F(DropEditTest, ParentThatIsNoDialogGetsNoEdgeOffset)
{
    // The same edit as a child of the main frame window.
    CWnd* pMain = AfxGetMainWnd();
    ASSERT_NE(pMain, nullptr);
    CTestDropEdit edit;
    ASSERT_TRUE(edit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 34), pMain, 77));
    edit.Init();
    CRect rcWindow;
    edit.GetWindowRect(&rcWindow);
    const int cxButton = ::GetSystemMetrics(SM_CXVSCROLL);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    EXPECT_EQ(edit.m_rcButton, CRect(rcWindow.Width() - 2 * cxEdge - cxButton + 1, 0,
                                     rcWindow.Width() - 2 * cxEdge, rcWindow.Height() - 2 * cyEdge));
    edit.DestroyWindow();
}

TEST_F(DropEditTest, ClickOnTheButtonTogglesAndKeepsTheFocus)
{
    ::SetFocus(m_pDlg->Other());
    harness::Click(ButtonPoint());
    EXPECT_TRUE(DropVisible());
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    EXPECT_EQ(m_pEdit->Count("UpdateDropWnd"), 1);

    harness::Click(ButtonPoint());
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);

    // The icon area's width is compensated: the visible button still hits.
    m_pEdit->DoDrawIcon(true);
    m_pEdit->Init();
    harness::Click(ButtonPoint());
    EXPECT_TRUE(DropVisible());
}

TEST_F(DropEditTest, PressDragOffAndReleaseDoesNotToggle)
{
    const POINT on = ButtonPoint();
    harness::MouseDown(on);
    EXPECT_EQ(m_pEdit->m_nButtonState, 1);
    EXPECT_EQ(::GetCapture(), m_pEdit->m_hWnd);
    harness::MoveMouse({ on.x - 60, on.y });
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    harness::MoveMouse(on);
    EXPECT_EQ(m_pEdit->m_nButtonState, 1);
    harness::MoveMouse({ on.x, on.y + 40 });
    harness::MouseUp({ on.x, on.y + 40 });
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DropEditTest, ReleaseOnTheButtonOfAnOpenDropWindowClosesIt)
{
    m_pEdit->ShowDropWnd(true, true, true);
    ASSERT_EQ(FocusWnd(), m_pDrop->m_first.m_hWnd);
    // The press activates the dialog, which hands the focus to the edit; with the cursor on
    // the button that does not close the drop window: the release does.
    harness::MouseDown(ButtonPoint());
    EXPECT_TRUE(DropVisible());
    harness::MouseUp(ButtonPoint());
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
}

TEST_F(DropEditTest, DisabledControlAlwaysShowsTheDisabledButton)
{
    m_pEdit->EnableWindow(FALSE);
    EXPECT_EQ(m_pEdit->m_nButtonState, 2);
    m_pEdit->DrawButton(1);
    EXPECT_EQ(m_pEdit->m_nButtonState, 2);
    m_pEdit->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(m_pEdit->m_nButtonState, 2);

    harness::MoveMouse({ 5, 5 });
    m_pEdit->EnableWindow(TRUE);
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    harness::MoveMouse(ButtonPoint());
    m_pEdit->EnableWindow(FALSE);
    m_pEdit->EnableWindow(TRUE);
    EXPECT_EQ(m_pEdit->m_nButtonState, 1);
}
