// Creating, showing, hiding and placing the drop window, the forwarded close, and the drop font.
#include "DropEditFixture.h"
#include "DropMessages.h"
#include "FaultInjection.h"
#include "Input.h"
#include "LogCapture.h"
#include "MessageRecorder.h"

using namespace fwtest;

namespace
{
CRect WorkArea()
{
    CRect wa;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
    return wa;
}

CRect WindowRectOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

struct PlacementCase
{
    const char* name;
    bool rightAligned;
    int maxWidth;
    int preferredWidth;
    int preferredHeight;
    bool forwardClose;
    // Expected rectangle relative to the edit's window rectangle (left, top, right, bottom).
    int left, top, right, bottom;
};
}

TEST_F(DropEditTest, PlacementFollowsAlignmentMaximumAndPreferredSize)
{
    // The edit's window is 200 x 24.
    const PlacementCase cases[] = {
        { "default: edit width, 125 high", false, 0, 0, 0, false, 0, 24, 200, 149 },
        { "wider preferred width", false, 0, 260, 80, false, 0, 24, 260, 104 },
        { "narrower preferred width", false, 0, 120, 80, false, 0, 24, 200, 104 },
        { "left, maximum below edit", false, 150, 260, 80, false, 0, 24, 150, 104 },
        { "left, maximum above edit", false, 300, 260, 80, false, 0, 24, 200, 104 },
        { "right, edit wider than maximum", true, 150, 120, 80, false, 50, 24, 200, 104 },
        { "right, maximum wider than edit", true, 300, 120, 80, false, 0, 24, 200, 104 },
        { "right, narrow edit", true, 150, 260, 80, false, 0, 24, 260, 104 },
        { "right, narrow edit with tweak", true, 150, 260, 80, true, -5, 22, 260, 104 },
        { "right, no maximum", true, 0, 260, 80, false, -60, 24, 200, 104 },
    };
    for (const PlacementCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pEdit->m_bRightAligned = c.rightAligned;
        m_pEdit->m_nMaxWidth = c.maxWidth;
        m_pEdit->m_tweak = CRect(-5, -2, 0, 0);
        m_pEdit->m_bForwardCloseToParent = c.forwardClose;
        m_pDrop->m_nPreferredWidth = c.preferredWidth;
        m_pDrop->m_nPreferredHeight = c.preferredHeight;
        m_pEdit->OnAppMove();
        const CRect rcEdit = WindowRectOf(m_pEdit->m_hWnd);
        EXPECT_EQ(WindowRectOf(DropHwnd()), CRect(rcEdit.left + c.left, rcEdit.top + c.top, rcEdit.left + c.right,
                                                  rcEdit.top + c.bottom));
    }
}

TEST_F(DropEditTest, PlacementStaysInsideTheWorkArea)
{
    const CRect wa = WorkArea();
    // Near the bottom: above the edit, same height.
    MakeHost({ 100, wa.bottom - 60 }, { 10, 10, 210, 34 });
    m_pDrop->m_nPreferredHeight = 90;
    m_pEdit->OnAppMove();
    CRect rcEdit = WindowRectOf(m_pEdit->m_hWnd);
    EXPECT_EQ(WindowRectOf(DropHwnd()), CRect(rcEdit.left, rcEdit.top - 90, rcEdit.right, rcEdit.top));

    // Near the right edge with a wide drop window: 5 pixels inside.
    MakeHost({ wa.right - 220, 100 }, { 10, 10, 210, 34 });
    m_pDrop->m_nPreferredWidth = 400;
    m_pEdit->OnAppMove();
    rcEdit = WindowRectOf(m_pEdit->m_hWnd);
    EXPECT_EQ(WindowRectOf(DropHwnd()), CRect(wa.right - 5 - 400, rcEdit.bottom, wa.right - 5, rcEdit.bottom + 125));
}

TEST_F(DropEditTest, ResizingTheEditMovesAnOpenDropWindow)
{
    Open();
    m_pEdit->SetWindowPos(nullptr, 0, 0, 250, 30, SWP_NOMOVE | SWP_NOZORDER);
    const CRect rcEdit = WindowRectOf(m_pEdit->m_hWnd);
    EXPECT_EQ(WindowRectOf(DropHwnd()), CRect(rcEdit.left, rcEdit.bottom, rcEdit.right, rcEdit.bottom + 125));
}

TEST_F(DropEditTest, DropWindowIsAHiddenPopupOwnedByTheMainWindow)
{
    const HWND hDrop = DropHwnd();
    EXPECT_FALSE(::IsWindowVisible(hDrop));
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(hDrop, GWL_STYLE)) & (WS_POPUP | WS_BORDER | WS_THICKFRAME),
              static_cast<DWORD>(WS_POPUP | WS_BORDER | WS_THICKFRAME));
    EXPECT_EQ(::GetWindow(hDrop, GW_OWNER), AfxGetMainWnd()->m_hWnd);
    EXPECT_EQ(m_pDrop->m_pEdit, m_pEdit);

    // A second drop window for the same object, or a null one, is refused.
    EXPECT_FALSE(m_pEdit->CreateDropWnd(m_pDrop, false));
    EXPECT_FALSE(m_pEdit->CreateDropWnd(nullptr, false));
    EXPECT_EQ(m_pEdit->GetDropWnd(), m_pDrop);
}

TEST_F(DropEditTest, FailedCreationIsLoggedAndLeavesAPlainEdit)
{
    MakeHost({ 100, 100 }, { 10, 10, 210, 34 }, false);
    {
        // Without a logger nothing is written anywhere, and nothing breaks.
        CTestDropWnd* pDrop = new CTestDropWnd;
        pDrop->m_bFailCreate = true;
        EXPECT_FALSE(m_pEdit->CreateDropWnd(pDrop, false));
    }
    MakeHost({ 100, 100 }, { 10, 10, 210, 34 }, false);
    harness::LogCapture log;
    CTestDropWnd* pDrop = new CTestDropWnd;
    pDrop->m_bFailCreate = true;
    EXPECT_FALSE(m_pEdit->CreateDropWnd(pDrop, false));
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_STREQ(log.Lines()[0], "{D3CD50CE-3675-414A-8005-9DCC9BA3ACB8}");
    // The edit owns the windowless object and works as a plain edit.
    EXPECT_EQ(m_pEdit->GetDropWnd(), pDrop);
    harness::PressKey(VK_F9);
    harness::PressKey(VK_DOWN);
    harness::TypeText("x");
    EXPECT_EQ(m_pEdit->Text(), "x");
    EXPECT_FALSE(::IsWindow(pDrop->m_hWnd));

    // A font that cannot be made leaves none; only the armed allocation fails.
    FaultInjection::FailNth(FaultInjection::kAllocation, 1);
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    m_pEdit->SetDropWndFont(lf);
    EXPECT_EQ(m_pEdit->GetDropWndFont(), nullptr);
    m_pEdit->SetDropWndFont(lf);
    EXPECT_NE(m_pEdit->GetDropWndFont(), nullptr);
    FaultInjection::Reset();
}

TEST_F(DropEditTest, HidingReturnsTheFocusOnlyWhenTheDropWindowHadIt)
{
    m_pEdit->ShowDropWnd(true, true, true);
    ASSERT_EQ(FocusWnd(), m_pDrop->m_first.m_hWnd);
    m_pEdit->ShowDropWnd(false, false, true);
    EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);

    Open();
    ::SetFocus(m_pDlg->Other()); // closes it through the focus loss
    m_pEdit->ShowDropWnd(true, false, true);
    m_pEdit->ShowDropWnd(false, false, true);
    EXPECT_EQ(FocusWnd(), m_pDlg->Other());
}

TEST_F(DropEditTest, ForwardedCloseIsPostedToParentAndGrandparent)
{
    m_pEdit->SetEnterKeyOptions(true, true);
    CWnd* pMain = AfxGetMainWnd();
    harness::MessageRecorder recorder;
    recorder.Watch(m_pDlg->m_hWnd, "parent");
    recorder.Watch(pMain->m_hWnd, "grandparent");
    // A top-level host dialog has an owner but no parent: nothing is forwarded.
    Open();
    harness::PressKey(VK_ESCAPE);
    harness::Pump();
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(recorder.Count(m_pDlg->m_hWnd, WM_KEYDOWN), 0u);

    // The host dialog as a child of a container, as in a property page.
    m_pDlg->SetParent(pMain);
    m_pDlg->ModifyStyle(WS_POPUP, WS_CHILD);
    harness::Pump();
    recorder.Clear();

    // The whole protocol: a child's request with cancel, an unknown verdict (cancel), accept.
    for (WPARAM verdict : { 0, 2, 1 })
    {
        m_pEdit->ShowDropWnd(true, false, true);
        m_pDrop->SendMessage(WM_DROPWND_CHILD_CLOSE, verdict, 0);
    }
    harness::Pump();
    EXPECT_TRUE(recorder.Matches({
        { "parent", WM_KEYDOWN, harness::Delivery::Posted, true, VK_ESCAPE },
        { "parent", WM_KEYDOWN, harness::Delivery::Posted, true, VK_ESCAPE },
        { "grandparent", WM_SETFOCUS, harness::Delivery::Posted, true, 0 },
    }));
}

TEST_F(DropEditTest, DropFontCopiesTheParentsFontOrAnotherAndReachesTheDropWindow)
{
    m_pEdit->CreateDropWndFont();
    ASSERT_NE(m_pEdit->GetDropWndFont(), nullptr);
    LOGFONTA lfParent = {}, lfDrop = {};
    ::GetObjectA(reinterpret_cast<HFONT>(m_pDlg->SendMessage(WM_GETFONT)), sizeof(lfParent), &lfParent);
    m_pEdit->GetDropWndFont()->GetLogFont(&lfDrop);
    EXPECT_STREQ(lfDrop.lfFaceName, lfParent.lfFaceName);
    EXPECT_EQ(lfDrop.lfHeight, lfParent.lfHeight);

    // A parent without a font (the main frame window) leaves none, and the old one is freed.
    const int nLive = AfxLiteGetLiveGdiObjectCount();
    m_pEdit->SetParent(AfxGetMainWnd());
    m_pEdit->CreateDropWndFont();
    EXPECT_EQ(m_pEdit->GetDropWndFont(), nullptr);
    EXPECT_EQ(AfxLiteGetLiveGdiObjectCount(), nLive - 1);

    // A font of the host's choice is sent on to an existing drop window.
    LOGFONTA lf = {};
    lf.lfHeight = -15;
    strcpy(lf.lfFaceName, "Tahoma");
    m_pEdit->SetDropWndFont(lf);
    ASSERT_NE(m_pEdit->GetDropWndFont(), nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(m_pDrop->SendMessage(WM_GETFONT)), nullptr); // plain windows keep none
    harness::MessageRecorder recorder;
    recorder.Watch(DropHwnd(), "drop");
    m_pEdit->SetDropWndFont(lf);
    EXPECT_TRUE(recorder.Matches({ { "drop", WM_SETFONT, harness::Delivery::Sent, true,
                                     reinterpret_cast<WPARAM>(m_pEdit->GetDropWndFont()->GetSafeHandle()), true,
                                     1 } }));
}
