// The texts each path edit accepts and refuses, what can be typed and deleted where, guarded
// clipboard commands; the directory edit's browse folder and the notifications of each opening
// and closing.
#include "NotificationSpy.h"
#include "PathsFixture.h"

using namespace pathtest;

TEST_F(PathEditTest, OnlyAnExistingPathTheEditMayHoldOrNothingStandsAndTheDropWindowGoesWhereMeant)
{
    // Junk of every kind is refused as the missing folder is: the robustness suite's bad-input
    // test hands both path edits each kind.
    const std::string file = Path("docs\\a.txt");
    const std::string folder = Path("docs\\sub\\");
    const std::string log = Path("docs\\c.log"); // the file edits' text before
    const std::string onlylog = Path("onlylog\\"); // the directory edit's text before
    struct Row
    {
        const char* name;
        Edit edit;
        std::string text;
        std::string expected;
        std::string shown; // where the list or the tree stands at the next showing
        const char* initDir = nullptr;
    } rows[] = {
        { "folder without backslash, over an initial folder", Edit::Dir, Path("docs\\sub"), Path("docs\\sub"), folder,
          "empty" },
        // Regression: other spellings of a folder were kept as given, and the list found no row
        // for them or showed ".\" and "..\" rows. The edit keeps the folder's one full spelling.
        { "folder with forward slashes", Edit::Dir, "C:/windows", "C:\\windows", "C:\\windows\\" },
        { "folder with dot segments", Edit::Dir, Path("docs\\.\\..\\docs\\sub\\"), folder, folder },
        // An initial folder is shown in its canonical spelling for an empty edit or a drive root.
        { "drive root with an initial folder", Edit::Dir, "C:\\", "C:\\", Path("empty\\"), "empty\\.\\" },
        { "lower-case drive root with an initial folder", Edit::Dir, "c:\\", "c:\\", Path("empty\\"), "empty\\.\\" },
        { "file in the directory edit: empty, list on its folder", Edit::Dir, file, "", Path("docs\\") },
        { "missing folder", Edit::Dir, Path("nothing"), "", onlylog },
        { "empty directory edit", Edit::Dir, "", "", onlylog },
        { "empty directory edit with an initial folder", Edit::Dir, "", "", Path("empty\\"), "empty\\.\\" },
        { "file, read-only", Edit::File, file, file, file },
        { "folder, read-only: refused, the tree goes there", Edit::File, folder, "", folder },
        { "folder without backslash, writable", Edit::WritableFile, Path("docs\\sub"), Path("docs\\sub"), folder },
        // Regression: other spellings were kept as given.
        { "file with dot segments and a trailing dot", Edit::File, Path("docs\\sub\\..\\a.txt."), file, file },
        { "folder with a doubled backslash", Edit::WritableFile, Path("docs\\\\sub\\"), folder, folder },
        { "file not on disk", Edit::WritableFile, Path("docs\\new.txt"), "", log },
        { "empty file edit", Edit::File, "", "", log },
        { "read-only folder with an initial folder", Edit::File, folder, "", onlylog, "onlylog" },
        { "empty text with an initial folder", Edit::File, "", "", onlylog, "onlylog" },
        { "empty text with a file as initial folder", Edit::File, "", "", Path("docs\\"), "docs\\a.txt" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(row.edit, row.edit == Edit::Dir ? onlylog : log);
        if (row.initDir != nullptr)
            m_pEdit->SetInitBrowseToDir(Path(row.initDir).c_str());
        SetText(row.text);
        EXPECT_EQ(m_beeps.Count(), 0);
        Open();
        EXPECT_EQ(Shown(), row.shown);
        PressKey(VK_ESCAPE);
        EXPECT_EQ(Text(), row.expected);
    }
}

// Nothing can be typed into the directory edit, and deleting leaves only existing folders.
TEST_F(PathEditTest, TypingDeletionAndClipboardCommandsLeaveOnlyTextsTheEditMayHold)
{
    const std::string r = m_scratch.Path();
    for (const char* dir : { "ab", "abc", "xyz", "p\\q\\r", "p\\r" })
        m_scratch.MakeDir(dir);
    const int n = static_cast<int>(r.size());
    const std::string p = r + "p";
    const Input back = Key(VK_BACK);
    const Input del = Key(VK_DELETE);
    RunEdits(
        Edit::Dir,
        {
            { "letters, backslash, space, digit, semicolon", p, n + 1, n + 1, Type("aZ\\ 1;"), p, 6 },
            { "full stop", p, n + 1, n + 1, Type("."), p, 0 },
            { "Backspace's own character", p, n + 1, n + 1, Send(WM_CHAR, VK_BACK), p, 0 },
            // Regression: a printable character typed with Ctrl held (Ctrl+Space; AltGr holds
            // Ctrl) was inserted unchecked.
            { "Ctrl+Shift+Space", p, n + 1, n + 1, Key(VK_SPACE, kCtrl | harness::kShift), p, 1 },
            { "Backspace right after a backslash", r + "p\\q", n + 2, n + 2, back, r + "p\\q" },
            { "Delete right before a backslash", r + "p\\q", n + 1, n + 1, del, r + "p\\q" },
            { "Backspace to an existing folder", r + "abc", n + 3, n + 3, back, r + "ab" },
            { "Backspace to a missing folder", r + "ab", n + 2, n + 2, back, r + "ab", 1 },
            { "Delete of the last backslash and name", r + "p\\q", n + 1, n + 3, del, p },
            // Delete from the backslash after p to the one after r.
            { "backslash to backslash keeps the first", r + "p\\q\\r\\", n + 1, n + 6, del, r + "p\\" },
            { "a middle folder, leaving an existing one", r + "p\\q\\r", n + 2, n + 4, back, r + "p\\r" },
            { "a middle folder, leaving nothing", r + "p\\q\\r", n, n + 2, del, r + "p\\q\\r", 1 },
            { "whole text with Delete, unchecked", r + "p\\q", 0, n + 3, del, "" },
            { "Ctrl+Backspace: no word past the rules", r + "xyz", n + 3, n + 3, Key(VK_BACK, kCtrl), r + "xyz", 1 },
            // Clipboard commands refuse silently.
            { "Ctrl+V appending a subfolder", p, n + 1, n + 1, Paste("\\q"), r + "p\\q" },
            { "Ctrl+V of another spelling: made canonical", p, 0, n + 1, Paste(r + "p\\\\q\\.\\"), r + "p\\q\\" },
            { "WM_PASTE of a missing folder", p, 0, n + 1, Send(WM_PASTE, 0, r + "gone"), p },
            { "Ctrl+X leaving a folder", r + "p\\q\\r", n + 2, n + 4, Key('X', kCtrl), r + "p\\r" },
            { "WM_CLEAR of everything", p, 0, n + 1, Send(WM_CLEAR), "" },
        },
        [&](const EditCase& c) {
            // The list follows an allowed change; emptying the edit tells it nothing.
            const std::string list = c.after == c.text || c.after.empty() ? c.text : c.after;
            EXPECT_EQ(Shown(), list.back() == '\\' ? list : list + "\\");
        });
    // In the file edit only the name after the last backslash can be typed.
    const std::string file = Path("docs\\notes");
    const int name = static_cast<int>(file.size()) - 5; // first character of "notes"
    const int slash = name - 1;
    const int end = static_cast<int>(file.size());
    const std::string folder = file.substr(0, name);
    const std::string log = Path("docs\\c.log");
    const Input x = Type("x");
    RunEdits(Edit::WritableFile, {
        { "letter after the backslash", file, name, name, x, folder + "xnotes" },
        // Regression: a refused Backspace beeped twice, once for the key and once for its character.
        { "Backspace after the backslash", file, name, name, back, file, 1 },
        { "Delete after the backslash", file, name, name, del, folder + "otes" },
        { "Delete before the backslash", file, slash, slash, del, file, 1 },
        { "Backspace in the name", file, end, end, back, folder + "note" },
        { "colon, question mark, vertical bar, star, quote, slash, backslash", file, end, end, Type(":?|*\"/\\"), file, 7 },
        { "letter over a selection across the backslash", file, slash - 1, name + 2, x, file, 1 },
        { "letter over a selection in the name", file, name + 1, name + 3, x, folder + "nxes" },
        { "Delete of the whole text", file, 0, end, del, "" },
        { "no backslash: letter at the start", "abc", 0, 0, x, "xabc" },
        { "no backslash: Backspace at the start", "abc", 0, 0, back, "abc", 1 },
        { "paste of a file not on disk", log, 0, -1, Paste(Path("docs\\new.txt")), Path("docs\\new.txt") },
        { "paste of a folder", log, 0, -1, Paste(Path("docs\\sub\\")), Path("docs\\sub\\") },
        { "paste of junk over a typed new name", Path("docs\\new.txt"), 0, -1, Paste("x|y"), Path("docs\\new.txt") },
    });
    EXPECT_FALSE(DropVisible());
    RunEdits(Edit::File, {
        { "read-only: letters beep, the full stop is silent", log, 0, 0, Type("ab."), log, 2 },
        { "read-only: paste of an existing file", log, 0, -1, Paste(Path("docs\\a.txt")), Path("docs\\a.txt") },
        { "read-only: paste of a folder", log, 0, -1, Paste(Path("docs\\sub\\")), log },
        { "read-only: cut everything", log, 0, -1, Key('X', kCtrl), "" },
    });
}

// A pasted folder becomes the browse folder, which emptying the edit keeps; undo goes back.
TEST_F(PathEditTest, APastedFolderBecomesTheBrowseFolder)
{
    const std::string other = Folder("other");
    const std::string p = Folder("p");
    for (bool undo : { true, false })
    {
        SetText(p);
        m_pEdit->SetSel(0, -1);
        Paste(other)();
        ASSERT_EQ(Text(), other);
        m_pEdit->SetSel(0, -1);
        undo ? PressKey('Z', kCtrl) : (void)m_pEdit->SendMessage(WM_CLEAR);
        EXPECT_EQ(Text(), undo ? p : "");
    }
    Open();
    EXPECT_EQ(Shown(), other + "\\");
}

// Each way of opening and closing the folder list, with the text the host reads in its SELENDOK
// handler (the text the edit ends with); ShowList, a host call, reports only its opening. Enter
// and Escape stay with the control; Enter in the edit leaves its whole text selected. (F9 and
// Escape in the edit report through the notifier every control shares, checked on the selection
// edit.)
TEST_F(PathEditTest, TheParentHearsEachOpeningAndHowTheListClosed)
{
    const struct { const char* name; std::function<void()> act; bool ok; bool selectsAll = false; } rows[] = {
        { "F9, Enter in the edit", [] { PressKey(VK_F9); PressKey(VK_RETURN); }, true, true },
        { "ShowList, Enter in the list", [this] { m_pEdit->ShowList(); PressKey(VK_RETURN); }, true },
        { "ShowList, the focus leaves",
          [this] { m_pEdit->ShowList(); harness::Click(harness::ClientCenter(m_pDlg->Other())); }, false },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(Edit::Dir, Folder("p"));
        m_pEdit->SetSel(2, 2);
        harness::NotificationSpy spy(m_pDlg->m_hWnd, [this] { return Text(); });
        row.act();
        EXPECT_EQ(m_pDlg->m_nOkCount + m_pDlg->m_nCancelCount, 0);
        if (row.selectsAll)
        {
            EXPECT_EQ(m_pEdit->SendMessage(EM_GETSEL), MAKELONG(0, Folder("p").size()));
            EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
        }
        EXPECT_EQ(spy.Sequence(), row.ok ? "DROPDOWN SELENDOK(" + Text() + ") CLOSEUP"
                                         : std::string("DROPDOWN SELENDCANCEL CLOSEUP"));
    }
}
