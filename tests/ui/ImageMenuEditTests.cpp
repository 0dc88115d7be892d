// CImageMenuEdit: the context menu opened by a real right click, Shift+F10 and the menu key;
// which items it enables; and that a chosen item reaches the edit as its window message.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "HostDialog.h"
#include "ImageMenuEdit.h"
#include "Input.h"
#include "MenuProbe.h"
#include "MessageRecorder.h"
#include "TestApp.h"
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
    bool ok = true;
    if (text != nullptr)
    {
        const size_t size = strlen(text) + 1;
        HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(::GlobalLock(hData), text, size);
        ::GlobalUnlock(hData);
        ok = ::SetClipboardData(CF_TEXT, hData) != nullptr;
    }
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
public:
    int m_nPastesRefused = 0;

protected:
    afx_msg LRESULT OnPaste(WPARAM, LPARAM)
    {
        ++m_nPastesRefused;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPasteGuardEdit, CImageMenuEdit)
    ON_MESSAGE(WM_PASTE, OnPaste)
END_MESSAGE_MAP()

// A host dialog whose edit is attached to an edit object, focused, with a given text: typed
// (so there is something to undo) or set (nothing to undo), and a given selection.
class EditHost
{
public:
    explicit EditHost(CImageMenuEdit& edit) : m_edit(edit)
    {
        m_bReady = m_host.CreateHost({ 100, 100 }, { 300, 80 }, { 10, 10, 250, 34 }) &&
                   m_edit.SubclassWindow(m_host.Edit());
        if (!m_bReady)
            return;
        m_host.FocusEdit();
        m_bReady = harness::WaitUntil([&] { return ::GetFocus() == m_edit.m_hWnd; });
    }
    ~EditHost()
    {
        if (m_edit.m_hWnd != nullptr)
            m_edit.UnsubclassWindow();
        m_host.DestroyWindow();
        SetClipboardText(nullptr, nullptr);
    }
    bool Ready() const { return m_bReady; }

    void SetTextAndSelection(const char* text, bool typed, int nStart = -1, int nEnd = -1)
    {
        m_edit.SetWindowText("");
        if (typed)
            harness::TypeText(text);
        else
            m_edit.SetWindowText(text);
        m_edit.SetSel(nStart, nEnd);
    }
    std::string Text() const
    {
        CString text;
        m_edit.GetWindowText(text);
        return static_cast<const char*>(text);
    }
    // Opens the context menu with a right click in the middle of the edit; the probe reads it
    // and types its keys.
    void RightClick() { harness::Click(harness::ClientCenter(m_edit.m_hWnd), harness::Button::Right); }

    harness::CHostDialog m_host;
    CImageMenuEdit& m_edit;

private:
    bool m_bReady = false;
};

enum ReadOnlyWay
{
    kWritable,
    kReadOnlyMessage, // EM_SETREADONLY, as a host makes an edit read-only
    kReadOnlyStyleBit, // the style bit alone, as a subclass sets it around the menu
};

struct StateCase
{
    const char* name;
    const char* text;
    bool typed;
    int selStart;
    int selEnd;
    const char* clipboard;
    ReadOnlyWay readOnly;
    bool password;
    // Undo, Cut, Copy, Paste, Delete, Select All
    bool expected[6];
};

TEST(ImageMenuEditTest, ItemsAreEnabledOnlyWhenTheyCanAct)
{
    const UINT ids[6] = { Cmd::kCmdUndo, Cmd::kCmdCut, Cmd::kCmdCopy, Cmd::kCmdPaste, Cmd::kCmdClear, Cmd::kCmdSelectAll };
    const char* names[6] = { "Undo", "Cut", "Copy", "Paste", "Delete", "Select All" };
    const StateCase cases[] = {
        { "empty edit, empty clipboard", "", false, 0, 0, nullptr, kWritable, false, { 0, 0, 0, 0, 0, 0 } },
        { "typed text, caret at its end, text on the clipboard", "abc", true, 3, 3, "xy", kWritable, false,
          { 1, 0, 0, 1, 0, 1 } },
        { "set text with a middle selection", "abcdef", false, 1, 3, nullptr, kWritable, false, { 0, 1, 1, 0, 1, 1 } },
        { "whole text selected", "abc", false, 0, 3, nullptr, kWritable, false, { 0, 1, 1, 0, 1, 0 } },
        { "read-only through the edit message", "abc", true, 0, 1, "xy", kReadOnlyMessage, false, { 0, 0, 1, 0, 0, 1 } },
        { "read-only style bit only", "abc", true, 0, 1, "xy", kReadOnlyStyleBit, false, { 0, 0, 1, 0, 0, 1 } },
        { "password edit keeps its text in", "abc", false, 0, 3, nullptr, kWritable, true, { 0, 0, 0, 0, 1, 0 } },
    };
    for (const StateCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CImageMenuEdit edit;
        EditHost host(edit);
        ASSERT_TRUE(host.Ready());
        host.SetTextAndSelection(c.text, c.typed, c.selStart, c.selEnd);
        ASSERT_TRUE(SetClipboardText(host.m_host.m_hWnd, c.clipboard));
        if (c.readOnly == kReadOnlyMessage)
            edit.SetReadOnly(TRUE);
        else if (c.readOnly == kReadOnlyStyleBit)
            edit.ModifyStyle(0, ES_READONLY);
        if (c.password)
            edit.SetPasswordChar('*');

        uitest::MenuProbe probe({ VK_ESCAPE });
        host.RightClick();
        ASSERT_EQ(1, probe.MenusOpened());
        ASSERT_EQ(8u, probe.Items().size()) << "three groups: undo; clipboard and delete; select all";
        for (int i = 0; i < 6; ++i)
        {
            const auto it = std::find_if(probe.Items().begin(), probe.Items().end(),
                                         [&](const uitest::MenuItemState& item) { return item.id == ids[i]; });
            ASSERT_NE(probe.Items().end(), it) << names[i];
            EXPECT_EQ(c.expected[i], it->enabled) << names[i];
        }
        EXPECT_EQ(c.text, host.Text()) << "cancelling changes nothing";
    }
}

struct CommandCase
{
    const char* name;
    WORD key; // the item's mnemonic
    UINT message;
    const char* text;
    const char* clipboard;
    int selStart;
    int selEnd;
};

TEST(ImageMenuEditTest, ChosenItemReachesTheEditAsItsMessage)
{
    // Every case starts from typed "abcd" with "bc" selected and "XY" on the clipboard.
    const CommandCase cases[] = {
        { "undo", 'U', WM_UNDO, "", "XY", 0, 0 },
        { "cut", 'T', WM_CUT, "ad", "bc", 1, 1 },
        { "copy", 'C', WM_COPY, "abcd", "bc", 1, 3 },
        { "paste", 'P', WM_PASTE, "aXYd", "XY", 3, 3 },
        { "delete", 'D', WM_CLEAR, "ad", "XY", 1, 1 },
        { "select all", 'A', EM_SETSEL, "abcd", "XY", 0, 4 },
    };
    for (const CommandCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CImageMenuEdit edit;
        EditHost host(edit);
        ASSERT_TRUE(host.Ready());
        host.SetTextAndSelection("abcd", true, 1, 3);
        ASSERT_TRUE(SetClipboardText(host.m_host.m_hWnd, "XY"));

        harness::MessageRecorder recorder;
        recorder.Watch(edit.m_hWnd, "edit");
        uitest::MenuProbe probe({ c.key });
        host.RightClick();
        ASSERT_EQ(1, probe.MenusOpened());
        EXPECT_EQ(1u, recorder.Count(edit.m_hWnd, c.message));
        EXPECT_EQ(c.text, host.Text());
        EXPECT_EQ(c.clipboard, GetClipboardText(host.m_host.m_hWnd));
        int nStart = -1;
        int nEnd = -1;
        edit.GetSel(nStart, nEnd);
        EXPECT_EQ(c.selStart, nStart);
        EXPECT_EQ(c.selEnd, nEnd);
    }
}

TEST(ImageMenuEditTest, SubclassGuardDecidesWhatTheMenuCommandDoes)
{
    CPasteGuardEdit edit;
    EditHost host(edit);
    ASSERT_TRUE(host.Ready());
    host.SetTextAndSelection("abcd", false);
    ASSERT_TRUE(SetClipboardText(host.m_host.m_hWnd, "XY"));

    uitest::MenuProbe probe({ 'P' });
    host.RightClick();
    ASSERT_EQ(1, probe.MenusOpened());
    EXPECT_EQ(1, edit.m_nPastesRefused);
    EXPECT_EQ("abcd", host.Text());
}

// The keyboard opens the edit's own menu under the caret, a right click at the mouse.
TEST(ImageMenuEditTest, MenuOpensUnderTheCaretOrAtTheMouse)
{
    const struct
    {
        const char* name;
        WORD vk; // 0: a right click
        unsigned modifiers;
    } cases[] = {
        { "shift+F10", VK_F10, harness::kShift },
        { "menu key", VK_APPS, harness::kNone },
        { "right click", 0, harness::kNone },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        CImageMenuEdit edit;
        EditHost host(edit);
        ASSERT_TRUE(host.Ready());
        host.SetTextAndSelection("abcd", true, 2, 2);

        uitest::MenuProbe probe({ VK_ESCAPE });
        POINT expected = harness::ClientCenter(edit.m_hWnd);
        if (c.vk == 0)
        {
            host.RightClick();
        }
        else
        {
            harness::PressKey(c.vk, c.modifiers);
            CRect rcClient;
            edit.GetClientRect(&rcClient);
            expected = { edit.PosFromChar(2).x, rcClient.bottom };
            edit.ClientToScreen(&expected);
        }
        ASSERT_EQ(1, probe.MenusOpened());
        ASSERT_FALSE(probe.Items().empty());
        EXPECT_EQ(Cmd::kCmdUndo, probe.Items().front().id) << "the edit's own menu, not the system's";
        EXPECT_EQ(expected.x, probe.MenuRect().left);
        EXPECT_EQ(expected.y, probe.MenuRect().top);
    }
}

TEST(ImageMenuEditTest, RunTimeClassChainsToTheEdit)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CImageMenuEdit);
    EXPECT_STREQ("CImageMenuEdit", pClass->m_lpszClassName);
    std::unique_ptr<CObject> pObject(pClass->CreateObject());
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CEdit)));
}
}
