// The drop window: creation, placement, the drop font, focus hand-off and Tab cycling, the fixed
// top edge, the close protocol and the host's caption. (A failed creation is checked with the
// date edit, the height limit with the selection list and the DPI geometry table, the window
// going with its edit by the soak run's clean-up check.)
#include "DropEditFixture.h"
#include <functional>
#include "DropMessages.h"
#include "MessageRecorder.h"

using namespace fwtest;
using harness::PressKey;

TEST_F(DropEditTest, PlacementFollowsAlignmentMaximumPreferredSizeAndTheWorkArea)
{
    CRect wa;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &wa, 0);
    const POINT home = { 100, 100 };
    // The edit's window is 200 x 24; expected rectangles are relative to its top-left corner.
    const struct
    {
        const char* name;
        POINT origin; // of the dialog's client area
        bool rightAligned;
        int maxWidth, preferredWidth, preferredHeight;
        bool forwardClose;
        CRect expected;
    } rows[] = {
        { "default: edit width, 125 high", home, false, 0, 0, 0, false, { 0, 24, 200, 149 } },
        { "wider preferred width", home, false, 0, 260, 80, false, { 0, 24, 260, 104 } },
        { "left, maximum below edit", home, false, 150, 260, 80, false, { 0, 24, 150, 104 } },
        { "right, maximum wider than edit", home, true, 300, 120, 80, false, { 0, 24, 200, 104 } },
        { "right, narrow edit", home, true, 150, 260, 80, false, { 0, 24, 260, 104 } },
        { "right, narrow edit with tweak", home, true, 150, 260, 80, true, { -5, 22, 260, 104 } },
        { "right, no maximum", home, true, 0, 260, 80, false, { -60, 24, 200, 104 } },
        { "near the bottom: above, same height", { 100, wa.bottom - 60 }, false, 0, 0, 90, false, { 0, -90, 200, 0 } },
        // The work area ends 210 pixels right of the edit's left edge.
        { "near the right edge: 5 pixels inside", { wa.right - 220, 100 }, false, 0, 400, 0, false,
          { 210 - 5 - 400, 24, 210 - 5, 149 } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeHost(true, row.origin);
        m_pEdit->m_tweak = CRect(-5, -2, 0, 0);
        m_pEdit->m_bRightAligned = row.rightAligned;
        m_pEdit->m_nMaxWidth = row.maxWidth;
        m_pEdit->m_bForwardCloseToParent = row.forwardClose;
        m_pDrop->m_nPreferredWidth = row.preferredWidth;
        m_pDrop->m_nPreferredHeight = row.preferredHeight;
        m_pEdit->OnAppMove();
        EXPECT_EQ(WindowRectOf(m_pDrop->m_hWnd), row.expected + WindowRectOf(m_pEdit->m_hWnd).TopLeft());
    }

    // A popup owned by the main window; resizing the edit moves it while it is open. Its top
    // edge, against the edit, is no resizing edge; the bottom (as the sides) is.
    MakeHost();
    Open();
    EXPECT_EQ(::GetWindow(m_pDrop->m_hWnd, GW_OWNER), AfxGetMainWnd()->m_hWnd);
    m_pEdit->SetWindowPos(nullptr, 0, 0, 250, 30, SWP_NOMOVE | SWP_NOZORDER);
    const CRect rc = WindowRectOf(m_pDrop->m_hWnd);
    EXPECT_EQ(rc, CRect(0, 30, 250, 155) + WindowRectOf(m_pEdit->m_hWnd).TopLeft());
    const auto hit = [&](int x, int y) { return m_pDrop->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
    EXPECT_EQ(hit(rc.right - 2, rc.top + 1), HTCLIENT);
    EXPECT_EQ(hit(rc.CenterPoint().x, rc.bottom - 2), HTBOTTOM);
}

TEST_F(DropEditTest, TheDropFontCopiesTheParentsFontAndFreesTheOldOne)
{
    m_pEdit->CreateDropWndFont();
    ASSERT_NE(m_pEdit->GetDropWndFont(), nullptr);
    LOGFONTA lfParent = {}, lf = {};
    ::GetObjectA(reinterpret_cast<HFONT>(m_pDlg->SendMessage(WM_GETFONT)), sizeof(lfParent), &lfParent);
    m_pEdit->GetDropWndFont()->GetLogFont(&lf);
    EXPECT_STREQ(lf.lfFaceName, lfParent.lfFaceName);
    EXPECT_EQ(lf.lfHeight, lfParent.lfHeight);

    // Made again under a parent without a font (the main frame window): none, and the old one is
    // freed.
    const int nLive = AfxLiteGetLiveGdiObjectCount();
    m_pEdit->SetParent(AfxGetMainWnd());
    m_pEdit->CreateDropWndFont();
    EXPECT_EQ(m_pEdit->GetDropWndFont(), nullptr);
    EXPECT_EQ(AfxLiteGetLiveGdiObjectCount(), nLive - 1);
    m_pEdit->SetParent(m_pDlg);
}

TEST_F(DropEditTest, FocusEntersAtEitherEndAndTabCyclesBackToTheEdit)
{
    // Shift held while the drop window takes the focus enters at its last control.
    harness::KeyDown(VK_SHIFT);
    m_pEdit->ShowDropWnd(true, true, true);
    harness::KeyUp(VK_SHIFT);
    EXPECT_EQ(::GetFocus(), m_pDrop->m_last.m_hWnd);
    m_pEdit->ShowDropWnd(false, false, true);

    OpenFocused();
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), m_pDrop->m_last.m_hWnd); // the static without a tab stop is skipped
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    EXPECT_FALSE(DropVisible()); // focus returning from the drop window closes it

    OpenFocused();
    PressKey(VK_TAB, harness::kShift);
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);

    // With the last control hidden, the first one ends the cycle.
    m_pDrop->m_last.ShowWindow(SW_HIDE);
    OpenFocused();
    PressKey(VK_TAB);
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
}

TEST_F(DropEditTest, ChildCloseRequestsCloseWithTheirVerdictAndAreForwardedToTheHost)
{
    m_pEdit->SetEnterKeyOptions(true, true);
    CWnd* pMain = AfxGetMainWnd();
    harness::MessageRecorder recorder;
    recorder.Watch(pMain->m_hWnd, "grandparent");
    // Cancel, then accept: each closes and is passed on, the cancel as an Escape that the host
    // dialog takes (once), the accept as the focus handed to the dialog's owner (its parent
    // window object). The focus goes back to the edit as after every pick in the calendar.
    for (WPARAM verdict : { 0, 1 })
    {
        SCOPED_TRACE(verdict);
        m_pEdit->ShowDropWnd(true, false, true);
        m_pDrop->SendMessage(WM_DROPWND_CHILD_CLOSE, verdict, 0);
        harness::Pump();
        EXPECT_FALSE(DropVisible());
        EXPECT_EQ(m_pDlg->m_nCancelCount, 1);
        EXPECT_EQ(recorder.Count(pMain->m_hWnd, WM_SETFOCUS), verdict);
    }

    // Directly in the main window the edit has no grandparent: nothing is passed on.
    m_pEdit->SetParent(pMain);
    recorder.Clear();
    m_pEdit->ShowDropWnd(true, false, true);
    m_pDrop->SendMessage(WM_DROPWND_CHILD_CLOSE, 0, 0);
    harness::Pump();
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(recorder.Count(pMain->m_hWnd, WM_KEYDOWN), 0u);
    m_pEdit->SetParent(m_pDlg);
}

TEST_F(DropEditTest, TheHostStaysDrawnActiveWhileItsDropWindowIsInUseAndOnlyLeavingForAnotherWindowDrawsItInactive)
{
    harness::MessageRecorder recorder;
    recorder.Watch(m_pDlg->m_hWnd, "host");
    // The host's caption as last drawn: the last WM_NCACTIVATE it got.
    bool drawnActive = ::GetActiveWindow() == m_pDlg->m_hWnd;
    const int kDrawnInactiveOnLeaving = -1;
    const struct
    {
        const char* name;
        std::function<void()> step;
        bool dropVisible;
        int active; // 1 drawn active after the step, or kDrawnInactiveOnLeaving
    } steps[] = {
        { "open with F9", [] { harness::PressKey(VK_F9); }, true, true },
        { "click in the drop window", [&] { harness::Click(harness::ClientCenter(m_pDrop->m_first.m_hWnd)); }, true,
          true },
        // The close hands the focus back to the edit, which takes the activation back in this
        // one-thread host; what counts is that the host was drawn inactive when it was left.
        { "another window activated", [] { ::SetActiveWindow(AfxGetMainWnd()->m_hWnd); }, false, kDrawnInactiveOnLeaving },
        { "back to the host", [&] { ::SetActiveWindow(m_pDlg->m_hWnd); }, false, true },
    };
    for (const auto& s : steps)
    {
        SCOPED_TRACE(s.name);
        recorder.Clear();
        s.step();
        harness::Pump();
        EXPECT_EQ(DropVisible(), s.dropVisible);
        const std::vector<harness::RecordedMessage> got = recorder.Of(m_pDlg->m_hWnd, WM_NCACTIVATE);
        if (!got.empty())
            drawnActive = got.back().wParam != 0;
        if (s.active == kDrawnInactiveOnLeaving)
            EXPECT_TRUE(std::any_of(got.begin(), got.end(), [](const harness::RecordedMessage& m) { return m.wParam == 0; }));
        else
            EXPECT_EQ(drawnActive, s.active == 1);
    }
}
