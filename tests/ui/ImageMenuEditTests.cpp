// CImageMenuEdit: the context menu opened by a real right click, Shift+F10 and the menu key;
// which items it enables; and that a chosen item reaches the edit as its window message.
#include <gtest/gtest.h>
#include "Controls.h"
#include "HostDialog.h"
#include "ImageMenuEdit.h"
#include "Input.h"
#include "MenuProbe.h"
#include "MessageRecorder.h"
#include "TestApp.h"

namespace
{
// A host dialog whose edit is attached to an edit object, shown focused with its text typed (so
// there is something to undo) or set (nothing to undo), a selection and a clipboard text (null:
// empty). The clipboard is emptied when it goes.
class EditHost
{
public:
    EditHost(CImageMenuEdit& edit, const char* text, bool typed, int nStart, int nEnd, const char* clipboard) : m_edit(edit)
    {
        EXPECT_TRUE(m_dlg.CreateHost({100, 100}, {300, 80}, {10, 10, 250, 34}) && m_edit.SubclassWindow(m_dlg.Edit()));
        m_dlg.FocusEdit();
        EXPECT_EVENTUALLY(::GetFocus() == m_edit.m_hWnd);
        if (typed)
            harness::TypeText(text);
        else
            m_edit.SetWindowText(text);
        m_edit.SetSel(nStart, nEnd);
        EXPECT_TRUE(harness::SetClipboardText(clipboard));
    }
    ~EditHost()
    {
        if (m_edit.m_hWnd != nullptr)
            m_edit.UnsubclassWindow();
        harness::SetClipboardText(nullptr);
    }
    void RightClick() { harness::Click(harness::ClientCenter(m_edit.m_hWnd), harness::Button::Right); }

private:
    CImageMenuEdit& m_edit;
    harness::CHostDialog m_dlg;
};
}

// The menu opens by a right click at the mouse, or by Shift+F10 or the menu key under the caret.
// A chosen item reaches the edit as its window message, so that a subclass that guards a command
// sees it; Escape changes nothing.
TEST(ImageMenuEditTest, ItemsAreEnabledOnlyWhenTheyCanActAndAChosenOneReachesTheEditAsItsMessage)
{
    // Expected: the menu as shown, "1" an enabled item, "0" a disabled one, "-" a separator
    // (Undo; Cut, Copy, Paste, Delete; Select All). The key is Escape or the item's mnemonic.
    const struct { const char* name; const char* text; bool typed; int selStart, selEnd; const char* clipboard;
                   bool readOnly, password; WORD opener; const char* expected; WORD key; UINT message;
                   const char* after; int afterStart, afterEnd; } rows[] = { // opener 0: right click
        {"empty edit, empty clipboard", "", false, 0, 0, nullptr, false, false, 0, "0-0000-0", VK_ESCAPE, 0, "", 0, 0},
        {"typed text, caret at its end", "abc", true, 3, 3, "xy", false, false, 0, "1-0010-1", VK_ESCAPE, 0, "abc", 3, 3},
        {"set text with a middle selection", "abcdef", false, 1, 3, nullptr, false, false, VK_APPS, "0-1101-1",
         VK_ESCAPE, 0, "abcdef", 1, 3},
        {"whole text selected", "abc", false, 0, 3, nullptr, false, false, 0, "0-1101-0", VK_ESCAPE, 0, "abc", 0, 3},
        {"read-only", "abc", true, 0, 1, "xy", true, false, VK_F10, "0-0100-1", VK_ESCAPE, 0, "abc", 0, 1},
        {"password edit keeps its text in", "abc", false, 0, 3, nullptr, false, true, 0, "0-0001-0", VK_ESCAPE, 0,
         "abc", 0, 3},
        {"undo", "abcd", true, 1, 3, "XY", false, false, 0, "1-1111-1", 'U', WM_UNDO, "", 0, 0},
        {"cut", "abcd", true, 1, 3, "XY", false, false, 0, "1-1111-1", 'T', WM_CUT, "ad", 1, 1},
        {"copy", "abcd", true, 1, 3, "XY", false, false, 0, "1-1111-1", 'C', WM_COPY, "abcd", 1, 3},
        {"paste", "abcd", true, 1, 3, "XY", false, false, 0, "1-1111-1", 'P', WM_PASTE, "aXYd", 3, 3},
        {"delete", "abcd", true, 1, 3, "XY", false, false, 0, "1-1111-1", 'D', WM_CLEAR, "ad", 1, 1},
        {"select all", "abcd", true, 1, 3, "XY", false, false, 0, "1-1111-1", 'A', EM_SETSEL, "abcd", 0, 4},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        CImageMenuEdit edit;
        EditHost host(edit, row.text, row.typed, row.selStart, row.selEnd, row.clipboard);
        edit.SetReadOnly(row.readOnly);
        if (row.password)
            edit.SetPasswordChar('*');
        harness::MessageRecorder recorder;
        recorder.Watch(edit.m_hWnd, "edit");

        uitest::MenuProbe probe({row.key});
        POINT expected = harness::ClientCenter(edit.m_hWnd);
        if (row.opener == 0)
        {
            host.RightClick();
        }
        else
        {
            harness::PressKey(row.opener, row.opener == VK_F10 ? harness::kShift : harness::kNone);
            CRect rcClient;
            edit.GetClientRect(&rcClient);
            expected = {edit.PosFromChar(row.selEnd).x, rcClient.bottom};
            edit.ClientToScreen(&expected);
        }
        ASSERT_EQ(1, probe.MenusOpened());
        std::string states;
        for (const uitest::MenuItemState& item : probe.Items())
            states += item.text == "-" ? '-' : item.enabled ? '1' : '0';
        ASSERT_EQ(row.expected, states);
        EXPECT_EQ(CImageMenuEdit::kCmdUndo, probe.Items().front().id) << "the edit's own menu, not the system's";
        EXPECT_EQ(expected.x, probe.MenuRect().left);
        EXPECT_EQ(expected.y, probe.MenuRect().top);
        if (row.message != 0)
        {
            EXPECT_EQ(1u, recorder.Count(edit.m_hWnd, row.message));
        }
        EXPECT_EQ(row.after, harness::WindowText(edit.m_hWnd));
        int nStart = -1;
        int nEnd = -1;
        edit.GetSel(nStart, nEnd);
        EXPECT_EQ(std::make_pair(row.afterStart, row.afterEnd), std::make_pair(nStart, nEnd));
    }
}
