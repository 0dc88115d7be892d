// CImageMenuEdit: the context menu opened by a real right click, Shift+F10 and the menu key;
// which items it enables; and that a chosen item reaches the edit as its window message.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "Controls.h"
#include "HostDialog.h"
#include "ImageMenuEdit.h"
#include "Input.h"
#include "MenuProbe.h"
#include "MessageRecorder.h"
#include "TestApp.h"
#include <algorithm>
#include <memory>
#include <string>

namespace
{
using Cmd = CImageMenuEdit;

// Puts text on the clipboard, or empties it for a null text.
bool SetClipboardText(HWND hOwner, const char* text)
{
    if (!::OpenClipboard(hOwner))
        return false;
    ::EmptyClipboard();
    HGLOBAL hData = text != nullptr ? ::GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1) : nullptr;
    if (hData != nullptr)
    {
        strcpy(static_cast<char*>(::GlobalLock(hData)), text);
        ::GlobalUnlock(hData);
    }
    const bool ok = text == nullptr || ::SetClipboardData(CF_TEXT, hData) != nullptr;
    ::CloseClipboard();
    return ok;
}

std::string GetClipboardText(HWND hOwner)
{
    std::string text;
    if (!::OpenClipboard(hOwner))
        return text;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT))
    {
        text = static_cast<const char*>(::GlobalLock(hData));
        ::GlobalUnlock(hData);
    }
    ::CloseClipboard();
    return text;
}

// Refuses every paste, as the library's controls guard their editing commands.
class CPasteGuardEdit : public CImageMenuEdit
{
protected:
    afx_msg LRESULT OnPaste(WPARAM, LPARAM) { return 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPasteGuardEdit, CImageMenuEdit)
    ON_MESSAGE(WM_PASTE, OnPaste)
END_MESSAGE_MAP()

// A host dialog whose edit is attached to an edit object; the clipboard is emptied when it goes.
class EditHost
{
public:
    explicit EditHost(CImageMenuEdit& edit) : m_edit(edit) {}
    ~EditHost()
    {
        if (m_edit.m_hWnd != nullptr)
            m_edit.UnsubclassWindow();
        SetClipboardText(nullptr, nullptr);
    }
    // Shows the edit focused, its text typed (so there is something to undo) or set (nothing to
    // undo), with a selection and a clipboard text (null: empty).
    testing::AssertionResult Open(const char* text, bool typed, int nStart, int nEnd, const char* clipboard)
    {
        if (!m_dlg.CreateHost({100, 100}, {300, 80}, {10, 10, 250, 34}) || !m_edit.SubclassWindow(m_dlg.Edit()))
            return testing::AssertionFailure() << "no host";
        m_dlg.FocusEdit();
        if (!harness::WaitUntil([&] { return ::GetFocus() == m_edit.m_hWnd; }))
            return testing::AssertionFailure() << "no focus";
        if (typed)
            harness::TypeText(text);
        else
            m_edit.SetWindowText(text);
        m_edit.SetSel(nStart, nEnd);
        return SetClipboardText(m_dlg.m_hWnd, clipboard) ? testing::AssertionSuccess() : testing::AssertionFailure() << "clipboard";
    }
    std::string Text() const { return harness::WindowText(m_edit.m_hWnd); }
    std::string Clipboard() const { return GetClipboardText(m_dlg.m_hWnd); }
    // Opens the context menu with a right click in the middle of the edit; a probe reads it and
    // types its keys.
    void RightClick() { harness::Click(harness::ClientCenter(m_edit.m_hWnd), harness::Button::Right); }

private:
    CImageMenuEdit& m_edit;
    harness::CHostDialog m_dlg;
};
}

TEST(ImageMenuEditTest, ItemsAreEnabledOnlyWhenTheyCanAct)
{
    enum ReadOnlyWay { kWritable, kReadOnlyMessage, kReadOnlyStyleBit };
    const UINT ids[6] = {Cmd::kCmdUndo, Cmd::kCmdCut, Cmd::kCmdCopy, Cmd::kCmdPaste, Cmd::kCmdClear, Cmd::kCmdSelectAll};
    const char* names[6] = {"Undo", "Cut", "Copy", "Paste", "Delete", "Select All"};
    const struct { const char* name; const char* text; bool typed; int selStart, selEnd; const char* clipboard;
                   ReadOnlyWay readOnly; bool password; bool expected[6]; /* in the order of ids */ } rows[] = {
        {"empty edit, empty clipboard", "", false, 0, 0, nullptr, kWritable, false, {0, 0, 0, 0, 0, 0}},
        {"typed text, caret at its end, text on the clipboard", "abc", true, 3, 3, "xy", kWritable, false, {1, 0, 0, 1, 0, 1}},
        {"set text with a middle selection", "abcdef", false, 1, 3, nullptr, kWritable, false, {0, 1, 1, 0, 1, 1}},
        {"whole text selected", "abc", false, 0, 3, nullptr, kWritable, false, {0, 1, 1, 0, 1, 0}},
        // A host makes an edit read-only by the message, a subclass by the style bit around the menu.
        {"read-only through the edit message", "abc", true, 0, 1, "xy", kReadOnlyMessage, false, {0, 0, 1, 0, 0, 1}},
        {"read-only style bit only", "abc", true, 0, 1, "xy", kReadOnlyStyleBit, false, {0, 0, 1, 0, 0, 1}},
        {"password edit keeps its text in", "abc", false, 0, 3, nullptr, kWritable, true, {0, 0, 0, 0, 1, 0}},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CImageMenuEdit edit;
        EditHost host(edit);
        ASSERT_TRUE(host.Open(row.text, row.typed, row.selStart, row.selEnd, row.clipboard));
        if (row.readOnly == kReadOnlyMessage)
            edit.SetReadOnly(TRUE);
        else if (row.readOnly == kReadOnlyStyleBit)
            edit.ModifyStyle(0, ES_READONLY);
        if (row.password)
            edit.SetPasswordChar('*');

        uitest::MenuProbe probe({VK_ESCAPE});
        host.RightClick();
        ASSERT_EQ(1, probe.MenusOpened());
        ASSERT_EQ(8u, probe.Items().size()) << "three groups: undo; clipboard and delete; select all";
        for (int i = 0; i < 6; ++i)
        {
            const auto it = std::find_if(probe.Items().begin(), probe.Items().end(),
                                         [&](const uitest::MenuItemState& item) { return item.id == ids[i]; });
            ASSERT_NE(probe.Items().end(), it) << names[i];
            EXPECT_EQ(row.expected[i], it->enabled) << names[i];
        }
        EXPECT_EQ(row.text, host.Text()) << "cancelling changes nothing";
    }
}

// A subclass that guards a command sees it as the edit's message, and its refusal holds.
TEST(ImageMenuEditTest, ChosenItemReachesTheEditAsItsMessage)
{
    // Each starts from typed "abcd" with "bc" selected and "XY" on the clipboard; the key is the item's mnemonic.
    const struct { const char* name; WORD key; UINT message; bool guarded; const char* text; const char* clipboard;
                   int selStart, selEnd; } rows[] = {
        {"undo", 'U', WM_UNDO, false, "", "XY", 0, 0},
        {"cut", 'T', WM_CUT, false, "ad", "bc", 1, 1},
        {"copy", 'C', WM_COPY, false, "abcd", "bc", 1, 3},
        {"paste", 'P', WM_PASTE, false, "aXYd", "XY", 3, 3},
        {"paste refused by a subclass", 'P', WM_PASTE, true, "abcd", "XY", 1, 3},
        {"delete", 'D', WM_CLEAR, false, "ad", "XY", 1, 1},
        {"select all", 'A', EM_SETSEL, false, "abcd", "XY", 0, 4},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        std::unique_ptr<CImageMenuEdit> pEdit(row.guarded ? new CPasteGuardEdit : new CImageMenuEdit);
        EditHost host(*pEdit);
        ASSERT_TRUE(host.Open("abcd", true, 1, 3, "XY"));
        harness::MessageRecorder recorder;
        recorder.Watch(pEdit->m_hWnd, "edit");
        uitest::MenuProbe probe({row.key});
        host.RightClick();
        ASSERT_EQ(1, probe.MenusOpened());
        EXPECT_EQ(1u, recorder.Count(pEdit->m_hWnd, row.message));
        EXPECT_EQ(row.text, host.Text());
        EXPECT_EQ(row.clipboard, host.Clipboard());
        int nStart = -1;
        int nEnd = -1;
        pEdit->GetSel(nStart, nEnd);
        EXPECT_EQ(row.selStart, nStart);
        EXPECT_EQ(row.selEnd, nEnd);
    }
}

// The keyboard opens the edit's own menu under the caret, a right click at the mouse.
TEST(ImageMenuEditTest, MenuOpensUnderTheCaretOrAtTheMouse)
{
    const struct { const char* name; WORD vk; unsigned modifiers; } rows[] = { // vk 0: a right click
        {"shift+F10", VK_F10, harness::kShift}, {"menu key", VK_APPS, harness::kNone}, {"right click", 0, harness::kNone},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CImageMenuEdit edit;
        EditHost host(edit);
        ASSERT_TRUE(host.Open("abcd", true, 2, 2, nullptr));
        uitest::MenuProbe probe({VK_ESCAPE});
        POINT expected = harness::ClientCenter(edit.m_hWnd);
        if (row.vk == 0)
        {
            host.RightClick();
        }
        else
        {
            harness::PressKey(row.vk, row.modifiers);
            CRect rcClient;
            edit.GetClientRect(&rcClient);
            expected = {edit.PosFromChar(2).x, rcClient.bottom};
            edit.ClientToScreen(&expected);
        }
        ASSERT_EQ(1, probe.MenusOpened());
        ASSERT_FALSE(probe.Items().empty());
        EXPECT_EQ(Cmd::kCmdUndo, probe.Items().front().id) << "the edit's own menu, not the system's";
        EXPECT_EQ(expected.x, probe.MenuRect().left);
        EXPECT_EQ(expected.y, probe.MenuRect().top);
    }
}

TEST(ImageMenuEditTest, RunTimeClassCreatesAnEdit)
{
    EXPECT_STREQ("CImageMenuEdit", RUNTIME_CLASS(CImageMenuEdit)->m_lpszClassName);
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CImageMenuEdit)->CreateObject());
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CEdit)));
}
