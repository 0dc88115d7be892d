// Keys, characters, editing commands, focus and destruction of the base drop edit.
#include "DropEditFixture.h"
#include "Input.h"

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

struct KeyCase
{
    const char* name;
    WORD vk;
    DropState before;
    bool visibleAfter;
    int updates; // UpdateDropWnd calls
};
}

TEST_F(DropEditTest, KeyTableWithTheDropWindowMissingHiddenAndVisible)
{
    const KeyCase cases[] = {
        { "Down opens", VK_DOWN, DropState::Hidden, true, 1 },
        { "Down on open list", VK_DOWN, DropState::Visible, true, 0 },
        { "Down without drop window", VK_DOWN, DropState::Missing, false, 0 },
        { "Up never opens", VK_UP, DropState::Hidden, false, 0 },
        { "Up keeps open", VK_UP, DropState::Visible, true, 0 },
        { "Enter opens", VK_RETURN, DropState::Hidden, true, 1 },
        { "Enter closes", VK_RETURN, DropState::Visible, false, 0 },
        { "Enter without drop window", VK_RETURN, DropState::Missing, false, 0 },
        { "Escape closes", VK_ESCAPE, DropState::Visible, false, 0 },
        { "F9 opens", VK_F9, DropState::Hidden, true, 1 },
        { "F9 closes", VK_F9, DropState::Visible, false, 0 },
        { "F9 without drop window", VK_F9, DropState::Missing, false, 0 },
        { "F4 means nothing", VK_F4, DropState::Hidden, false, 0 },
    };
    for (const KeyCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        MakeHost({ 100, 100 }, { 10, 10, 210, 34 }, c.before != DropState::Missing);
        if (c.before == DropState::Visible)
            Open();
        PressKey(c.vk);
        EXPECT_EQ(DropVisible(), c.visibleAfter);
        EXPECT_EQ(m_pEdit->Count("UpdateDropWnd"), c.updates);
        // Keys the drop window takes never reach the dialog's buttons.
        if (c.before != DropState::Missing)
        {
            EXPECT_EQ(m_pDlg->m_nOkCount + m_pDlg->m_nCancelCount, 0);
        }
        EXPECT_EQ(FocusWnd(), m_pEdit->m_hWnd);
    }
}

TEST_F(DropEditTest, OpeningIsRefusedWhenTheControlSaysSo)
{
    m_pEdit->m_bCanShow = false;
    for (WORD vk : { VK_DOWN, VK_F9, VK_RETURN })
    {
        PressKey(vk);
        EXPECT_FALSE(DropVisible());
    }
    EXPECT_EQ(m_pEdit->Count("CanShowDropDown"), 3);
    EXPECT_EQ(m_pEdit->Count("UpdateDropWnd"), 0);
}

TEST_F(DropEditTest, EnterWithoutTheOpeningOptionIsLeftToTheDialog)
{
    m_pEdit->SetEnterKeyOptions(false, false);
    PressKey(VK_RETURN);
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pDlg->m_nOkCount, 1);
    // With a hidden drop window, Escape is the dialog's too.
    PressKey(VK_ESCAPE);
    EXPECT_EQ(m_pDlg->m_nCancelCount, 1);
}

TEST_F(DropEditTest, CharactersAndDeletionKeysReachTheHookAroundTheTextChange)
{
    harness::TypeText("ab");
    EXPECT_EQ(m_pEdit->Text(), "ab");
    // A typed character is reported after it went in; Backspace and Delete before the
    // key removes anything, then once more for Backspace's own character message.
    PressKey(VK_BACK);
    PressKey(VK_HOME);
    PressKey(VK_DELETE);
    const std::vector<std::string> expected = { "UpdateDropWnd:a", "UpdateDropWnd:ab", "UpdateDropWnd:ab",
                                                "UpdateDropWnd:a", "UpdateDropWnd:a" };
    EXPECT_EQ(m_pEdit->m_calls, expected);
    EXPECT_EQ(m_pEdit->Text(), "");

    // A carriage return character never reaches the edit (it would beep or insert).
    m_pEdit->m_calls.clear();
    m_pEdit->SendMessage(WM_CHAR, '\r', 1);
    EXPECT_EQ(m_pEdit->Text(), "");
    EXPECT_TRUE(m_pEdit->m_calls.empty());
}

TEST_F(DropEditTest, EditingCommandsRunAndThenUpdateTheDropWindow)
{
    m_pEdit->SetWindowText("hello");
    m_pEdit->SetSel(0, 2);
    m_pEdit->m_calls.clear();
    m_pEdit->SendMessage(WM_CUT);
    EXPECT_EQ(m_pEdit->Text(), "llo");
    m_pEdit->SendMessage(WM_PASTE);
    EXPECT_EQ(m_pEdit->Text(), "hello");
    m_pEdit->SetSel(0, -1);
    m_pEdit->SendMessage(WM_CLEAR);
    EXPECT_EQ(m_pEdit->Text(), "");
    m_pEdit->SendMessage(WM_UNDO);
    EXPECT_EQ(m_pEdit->Text(), "hello");
    const std::vector<std::string> expected = { "UpdateDropWnd:llo", "UpdateDropWnd:hello", "UpdateDropWnd:",
                                                "UpdateDropWnd:hello" };
    EXPECT_EQ(m_pEdit->m_calls, expected);
}

TEST_F(DropEditTest, KeyboardClipboardShortcutsGoThroughTheGuardedCommands)
{
    // The edit would perform these itself without the messages that subclasses guard.
    m_pEdit->SetWindowText("hello");
    m_pEdit->SetSel(0, 2);
    m_pEdit->m_calls.clear();
    harness::PressKey(VK_DELETE, harness::kShift); // cut
    harness::PressKey(VK_BACK, harness::kAlt);     // undo the cut
    harness::PressKey(VK_END);
    harness::PressKey(VK_INSERT, harness::kShift); // paste
    EXPECT_EQ(m_pEdit->Text(), "hellohe");
    const std::vector<std::string> expected = { "UpdateDropWnd:llo", "UpdateDropWnd:hello", "UpdateDropWnd:hellohe" };
    EXPECT_EQ(m_pEdit->m_calls, expected);
}

TEST_F(DropEditTest, FocusLeavingToAnotherWindowClosesAndReports)
{
    Open();
    ::SetFocus(m_pDlg->Other());
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->Count("OnLoosingFocus"), 1);

    // Also reported when the drop window was already hidden.
    m_pDlg->FocusEdit();
    ::SetFocus(m_pDlg->Other());
    EXPECT_EQ(m_pEdit->Count("OnLoosingFocus"), 2);
}

TEST_F(DropEditTest, FocusMovingToTheDropWindowKeepsItOpenButAChildTakesItAway)
{
    m_pEdit->ShowDropWnd(true, true, true);
    ASSERT_TRUE(DropVisible());
    // The drop window passed the focus on to its first control.
    EXPECT_EQ(FocusWnd(), m_pDrop->m_first.m_hWnd);
    EXPECT_EQ(m_pEdit->Count("OnLoosingFocus"), 0);

    // Focus that returns from the drop window closes it.
    m_pEdit->SetFocus();
    EXPECT_FALSE(DropVisible());

    // Focus going from the edit straight into a child control is a focus loss. (A real
    // SetFocus there activates the popup first, which takes the focus itself on the way.)
    Open();
    m_pEdit->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(m_pDrop->m_last.m_hWnd));
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->Count("OnLoosingFocus"), 1);
}

TEST_F(DropEditTest, FocusReturningWhileTheCursorIsOnTheButtonLeavesTheDecisionToTheClick)
{
    m_pEdit->ShowDropWnd(true, true, true);
    harness::MoveMouse(ButtonPoint());
    m_pEdit->SetFocus();
    EXPECT_TRUE(DropVisible());

    m_pDrop->m_first.SetFocus();
    harness::MoveMouse({ 5, 5 });
    m_pEdit->SetFocus();
    EXPECT_FALSE(DropVisible());
}

TEST_F(DropEditTest, DestroyingTheEditSavesAndDestroysTheDropWindow)
{
    const HWND hDrop = DropHwnd();
    Open();
    m_pDlg->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hDrop));
    EXPECT_EQ(m_pEdit->Count("SaveData"), 1);
    // The object stays until the edit object is deleted, and its back pointer is intact.
    EXPECT_EQ(m_pEdit->GetDropWnd(), m_pDrop);
    EXPECT_EQ(m_pDrop->m_pEdit, m_pEdit);
}
