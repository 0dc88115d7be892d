// The base drop edit under real input: keys, characters, editing commands, focus and the drop
// button.
#include "DropEditFixture.h"
#include <functional>

using namespace fwtest;
using harness::PressKey;

namespace
{
enum class DropState
{
    Missing,
    Hidden,
    Visible,
};
}

TEST_F(DropEditTest, KeyTableWithTheDropWindowMissingHiddenAndVisible)
{
    const struct
    {
        const char* name;
        WORD vk;
        DropState before;
        bool visibleAfter;
        int updates, dialogKeys; // UpdateDropWnd calls; Enter or Escape that reached the dialog
        bool canShow = true, enterOpens = true;
    } rows[] = {
        { "Down opens", VK_DOWN, DropState::Hidden, true, 1, 0 },
        { "Down without drop window", VK_DOWN, DropState::Missing, false, 0, 0 },
        { "Up never opens", VK_UP, DropState::Hidden, false, 0, 0 },
        { "Enter opens", VK_RETURN, DropState::Hidden, true, 1, 0 },
        { "Enter closes", VK_RETURN, DropState::Visible, false, 0, 0 },
        { "Enter without drop window", VK_RETURN, DropState::Missing, false, 0, 1 },
        // Regression: Enter that opened nothing was kept from the dialog's default button.
        { "Enter refused by the control goes to the dialog", VK_RETURN, DropState::Hidden, false, 0, 1, false },
        { "Enter without the opening option", VK_RETURN, DropState::Hidden, false, 0, 1, true, false },
        { "Escape on a hidden drop window", VK_ESCAPE, DropState::Hidden, false, 0, 1 },
        { "F9 opens", VK_F9, DropState::Hidden, true, 1, 0 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeHost(row.before != DropState::Missing);
        if (row.before == DropState::Visible)
            Open();
        m_pEdit->m_bCanShow = row.canShow;
        m_pEdit->SetEnterKeyOptions(row.enterOpens, false);
        PressKey(row.vk);
        EXPECT_EQ(DropVisible(), row.visibleAfter);
        EXPECT_EQ(m_pEdit->Count("UpdateDropWnd"), row.updates);
        EXPECT_EQ(m_pDlg->m_nOkCount + m_pDlg->m_nCancelCount, row.dialogKeys);
        EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    }
}

TEST_F(DropEditTest, TypingDeletingAndEditingCommandsReachTheHookAroundTheTextChange)
{
    // A typed character is reported after it went in; Backspace and Delete before the key
    // removes anything, then once more for Backspace's own character message.
    harness::TypeText("ab");
    PressKey(VK_BACK);
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    // A carriage return character never reaches the edit (it would beep or insert).
    m_pEdit->SendMessage(WM_CHAR, '\r', 1);
    EXPECT_EQ(Text(), "");

    // Regression: the edit performed Shift+Delete, Alt+Backspace and Shift+Insert itself,
    // bypassing the cut, undo and paste messages that subclasses guard.
    m_pEdit->SetWindowText("hello");
    m_pEdit->SetSel(0, 2);
    PressKey(VK_DELETE, harness::kShift); // cut
    PressKey(VK_BACK, harness::kAlt);     // undo the cut
    PressKey(VK_END);
    PressKey(VK_INSERT, harness::kShift); // paste
    EXPECT_EQ(Text(), "hellohe");
    m_pEdit->SetSel(0, -1);
    m_pEdit->SendMessage(WM_CLEAR);
    const std::vector<std::string> expected = { "UpdateDropWnd:a",   "UpdateDropWnd:ab",    "UpdateDropWnd:ab",
                                                "UpdateDropWnd:a",   "UpdateDropWnd:a",     "UpdateDropWnd:llo",
                                                "UpdateDropWnd:hello", "UpdateDropWnd:hellohe", "UpdateDropWnd:" };
    EXPECT_EQ(m_pEdit->m_calls, expected);
}

// Another window activated closes it too: see the host's caption test in DropWndTests.
TEST_F(DropEditTest, FocusLeavingClosesUnlessTheFocusGoesToTheDropWindow)
{
    Open();
    ::SetFocus(m_pDlg->Other());
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->Count("OnLoosingFocus"), 1);

    m_pDlg->FocusEdit();
    OpenFocused(); // through the drop window object, which passes it on
    EXPECT_EQ(m_pEdit->Count("OnLoosingFocus"), 1);
    // Focus going from the edit straight into a child control is a focus loss. (A real
    // SetFocus there activates the popup first, which takes the focus itself on the way.)
    m_pEdit->SetFocus();
    harness::PressKey(VK_F9);
    m_pEdit->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_pDrop->m_last.m_hWnd));
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->Count("OnLoosingFocus"), 2);
}

TEST_F(DropEditTest, ButtonAndIconAreasAreCutOutOfTheWindow)
{
    const int cxButton = ::GetSystemMetrics(SM_CXVSCROLL), cxIcon = ::GetSystemMetrics(SM_CXSMICON) + 1;
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    const int cx = WindowRectOf(m_pEdit->m_hWnd).Width(), cy = WindowRectOf(m_pEdit->m_hWnd).Height();
    // Window-relative, as the edit paints it in a dialog.
    const CRect button(cx - cxEdge - cxButton + 1, cyEdge, cx - cxEdge, cy - cyEdge);
    const struct
    {
        const char* name;
        bool icon, forwardClose, dialogParent;
        CRect rcButton, rcIcon;
    } rows[] = {
        { "button", false, false, true, button, {} },
        { "forwarding the close lifts the button", false, true, true, button - CPoint(0, 2), {} },
        { "icon area", true, false, true, button, CRect(cxEdge, cyEdge, cxEdge + cxIcon, cy - cyEdge) },
        { "parent that is no dialog: no edge offset", false, false, false,
          CRect(cx - 2 * cxEdge - cxButton + 1, 0, cx - 2 * cxEdge, cy - 2 * cyEdge), {} },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeHost();
        m_pEdit->DoDrawIcon(row.icon);
        m_pEdit->SetEnterKeyOptions(true, row.forwardClose);
        if (!row.dialogParent)
            m_pEdit->SetParent(AfxGetMainWnd());
        m_pEdit->Init();
        EXPECT_EQ(m_pEdit->m_rcButton, row.rcButton);
        EXPECT_EQ(m_pEdit->m_rcIcon, row.rcIcon);
        // The button area hits as the border (which keeps a press there from selecting text),
        // with an icon area too, whose width is compensated.
        const POINT pt = harness::WindowPoint(m_pEdit->m_hWnd, row.rcButton);
        EXPECT_EQ(m_pEdit->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)), HTBORDER);
        m_pEdit->SetParent(m_pDlg);
    }
}

TEST_F(DropEditTest, ButtonTogglesOnAReleaseOverItTracksThePressedCursorAndShowsTheDisabledState)
{
    ::SetFocus(m_pDlg->Other());
    const POINT on = ButtonPoint();
    harness::Click(on);
    EXPECT_TRUE(DropVisible());
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    harness::Click(on);
    EXPECT_FALSE(DropVisible());

    // Press, drag off and back on, release off: no toggle.
    const POINT off = { on.x, on.y + 40 };
    harness::MouseDown(on);
    EXPECT_EQ(m_pEdit->m_nButtonState, 1);
    harness::MoveMouse(off);
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    harness::MoveMouse(on);
    EXPECT_EQ(m_pEdit->m_nButtonState, 1);
    harness::MoveMouse(off);
    harness::MouseUp(off);
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    EXPECT_EQ(::GetCapture(), nullptr);

    // The press hands the focus from the drop window back to the edit; with the cursor on the
    // button that does not close it (focus returning elsewhere would): the release does.
    OpenFocused();
    harness::MouseDown(on);
    EXPECT_TRUE(DropVisible());
    harness::MouseUp(on);
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);

    // Disabled, the button shows the disabled state whatever is asked; enabled again, the state
    // the cursor calls for.
    m_pEdit->EnableWindow(FALSE);
    EXPECT_EQ(m_pEdit->m_nButtonState, 2);
    m_pEdit->EnableWindow(TRUE);
    EXPECT_EQ(m_pEdit->m_nButtonState, 1);
    harness::MoveMouse(off);
    m_pEdit->EnableWindow(FALSE);
    m_pEdit->EnableWindow(TRUE);
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);

    // Regression: a text selection drag that ended on the button left it drawn pressed.
    m_pEdit->SetWindowText("hello");
    POINT first = { 3, 8 };
    ::ClientToScreen(m_pEdit->m_hWnd, &first);
    harness::MouseDown(first);
    harness::MoveMouse(on);
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    harness::MouseUp(on);
    harness::MoveMouse(off);
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DropEditTest, HostReadOnlyRefusesEveryUserChangeButKeepsSelectingCopyingAndSetters)
{
    const struct
    {
        const char* name;
        std::function<void()> input;
    } rows[] = {
        { "typing", [] { harness::TypeText("x"); } },
        { "Delete on the whole text", [this] { m_pEdit->SetSel(0, -1); PressKey(VK_DELETE); } },
        { "Shift+Insert pastes", [] { PressKey(VK_INSERT, harness::kShift); } },
        { "Down", [] { PressKey(VK_DOWN); } },
        { "the drop button", [this] { harness::Click(ButtonPoint()); } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeHost();
        m_pEdit->SetWindowText("hello");
        m_pEdit->SetSel(5, 5);
        ASSERT_TRUE(harness::SetClipboardText("pasted"));
        m_pEdit->SendMessage(EM_SETREADONLY, TRUE);
        m_pEdit->m_calls.clear();
        row.input();
        EXPECT_EQ(Text(), "hello");
        EXPECT_FALSE(DropVisible());
        EXPECT_EQ(m_pEdit->Count("UpdateDropWnd"), 0);
        EXPECT_EQ(m_pEdit->m_nButtonState, 2); // drawn disabled
    }

    // Selecting (Ctrl+A, which Wine's plain edit lacks, in every control) and copying still work:
    // the whole text reaches the other edit (the host's setters: see the date edit's range table);
    // writable again, the button is drawn normal.
    PressKey('A', harness::kCtrl);
    PressKey('C', harness::kCtrl);
    ::SendMessageA(m_pDlg->Other(), WM_PASTE, 0, 0);
    EXPECT_EQ(harness::WindowText(m_pDlg->Other()), "hello");
    m_pEdit->SendMessage(EM_SETREADONLY, FALSE);
    EXPECT_EQ(m_pEdit->m_nButtonState, 0);
}
