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
        // The edit shown focused with its text typed (something to undo) or set (nothing to undo).
        CImageMenuEdit edit;
        harness::CHostDialog host; // destroyed before the edit object, as a host does
        ASSERT_TRUE(host.CreateHost({100, 100}, {300, 80}, {10, 10, 250, 34}) && edit.SubclassWindow(host.Edit()));
        host.FocusEdit();
        ASSERT_EVENTUALLY(::GetFocus() == edit.m_hWnd);
        if (row.typed)
            harness::TypeText(row.text);
        else
            edit.SetWindowText(row.text);
        edit.SetSel(row.selStart, row.selEnd);
        ASSERT_TRUE(harness::SetClipboardText(row.clipboard));
        edit.SetReadOnly(row.readOnly);
        if (row.password)
            edit.SetPasswordChar('*');
        harness::MessageRecorder recorder;
        recorder.Watch(edit.m_hWnd, "edit");

        uitest::MenuProbe probe({row.key});
        POINT expected = harness::ClientCenter(edit.m_hWnd);
        if (row.opener == 0)
        {
            harness::Click(expected, harness::Button::Right);
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
        EXPECT_EQ(CPoint(expected), CPoint(probe.MenuRect().left, probe.MenuRect().top));
        if (row.message != 0)
        {
            EXPECT_EQ(1u, recorder.Count(edit.m_hWnd, row.message));
        }
        EXPECT_EQ(row.after, harness::WindowText(edit.m_hWnd));
        const DWORD sel = edit.GetSel();
        EXPECT_EQ(std::make_pair(row.afterStart, row.afterEnd), std::make_pair(int(LOWORD(sel)), int(HIWORD(sel))));
    }
    harness::SetClipboardText(nullptr);
}
