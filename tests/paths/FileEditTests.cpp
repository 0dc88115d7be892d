// The file edit with real input on a scratch tree: the texts it accepts and refuses, what can be
// typed where, guarded clipboard commands, picks from the tree (a folder pick keeping the file
// name), the extension filter, the disk seen anew at each showing, and the keys that close.
#include "FileEditFixture.h"
#include "FaultInjection.h"
#include "Input.h"

using namespace fileedittest;
using filetreetest::Labels;
using harness::kCtrl;
using harness::PressKey;

namespace
{
const char kKept[] = "<kept>";
}

TEST_F(FileEditTest, OnlyAnExistingFileOrWhenWritableAFolderStandsAsText)
{
    const std::string file = Path("docs\\a.txt");
    const std::string folder = Path("docs\\sub\\");
    struct Row
    {
        const char* name;
        std::string text;
        bool readOnly;
        std::string expected; // kKept: the text itself
    } rows[] = {
        { "file, read-only", file, true, kKept },
        { "file, writable", file, false, kKept },
        { "file without extension", Path("docs\\readme"), true, kKept },
        { "folder, read-only", folder, true, "" },
        { "folder, writable", folder, false, kKept },
        { "folder without backslash, writable", Path("docs\\sub"), false, kKept },
        { "file not on disk", Path("docs\\new.txt"), false, "" },
        { "characters a path cannot hold", Path("docs\\a?b|c.txt"), false, "" },
        { "longer than MAX_PATH", Path(std::string(300, 'x') + ".txt"), false, "" },
        { "relative", "docs\\a.txt", false, "" },
        { "UNC share that is not there", "\\\\nosuchhost\\share\\a.txt", false, "" },
        { "missing drive", "Q:\\a.txt", false, "" },
        { "plain words", "hello world", false, "" },
        { "empty", "", true, "" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(row.readOnly, Path("docs\\c.log"));
        m_pEdit->SetWindowText(row.text.c_str());
        const std::string expected = row.expected == kKept ? row.text : row.expected;
        EXPECT_EQ(m_pEdit->Text(), expected);
        EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, static_cast<int>(expected.size())));
        EXPECT_EQ(m_beeps.Count(), 0);
    }
}

TEST_F(FileEditTest, RefusedFolderOrEmptyTextMovesTheTreeToTheFolderOrTheInitialOne)
{
    struct Row
    {
        const char* name;
        const char* initDir; // relative, or null
        std::string text;
        std::string shown; // what the tree selects at the next showing
    } rows[] = {
        { "read-only folder", nullptr, Path("docs\\sub\\"), Path("docs\\sub\\") },
        { "read-only folder with an initial folder", "onlylog", Path("docs\\sub\\"), Path("onlylog\\") },
        { "empty text with an initial folder", "onlylog", "", Path("onlylog\\") },
        { "empty text with a file as initial folder", "docs\\a.txt", "", Path("docs\\") },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(true, Path("empty\\"));
        if (row.initDir != nullptr)
            m_pEdit->SetInitBrowseToDir(Path(row.initDir).c_str());
        m_pEdit->SetWindowText(row.text.c_str());
        EXPECT_EQ(m_pEdit->Text(), "");
        Open();
        EXPECT_EQ(SelectedPath(Tree()), row.shown);
    }
}

TEST_F(FileEditTest, OnlyTheNameAfterTheLastBackslashCanBeTyped)
{
    const std::string file = Path("docs\\notes");
    const int name = static_cast<int>(file.size()) - 5; // first character of "notes"
    const int slash = name - 1;
    const int end = static_cast<int>(file.size());
    const std::string folder = file.substr(0, name);
    struct Row
    {
        const char* name;
        std::string start;
        int selStart;
        int selEnd;
        WORD key;          // 0: type the text below
        const char* typed;
        std::string expected;
        int beeps;
    } rows[] = {
        { "letter after the backslash", file, name, name, 0, "x", folder + "xnotes", 0 },
        { "Backspace after the backslash", file, name, name, VK_BACK, nullptr, file, 1 },
        { "Delete after the backslash", file, name, name, VK_DELETE, nullptr, folder + "otes", 0 },
        { "Delete before the backslash", file, slash, slash, VK_DELETE, nullptr, file, 1 },
        { "letter before the backslash", file, slash, slash, 0, "x", file, 1 },
        { "letter at the start", file, 0, 0, 0, "x", file, 1 },
        { "Backspace in the name", file, end, end, VK_BACK, nullptr, folder + "note", 0 },
        { "full stop after the backslash", file, name, name, 0, ".", folder + ".notes", 0 },
        { "colon in the name", file, end, end, 0, ":", file, 1 },
        { "question mark in the name", file, end, end, 0, "?", file, 1 },
        { "vertical bar, star, quote, slash", file, end, end, 0, "|*\"/", file, 4 },
        { "backslash in the name", file, end, end, 0, "\\", file, 1 },
        { "letter over a selection across the backslash", file, slash - 1, name + 2, 0, "x", file, 1 },
        { "Delete of a selection across the backslash", file, slash - 1, name + 2, VK_DELETE, nullptr, file, 1 },
        { "letter over a selection in the name", file, name + 1, name + 3, 0, "x", folder + "nxes", 0 },
        { "Delete of the whole text", file, 0, end, VK_DELETE, nullptr, "", 0 },
        { "no backslash: letter at the start", "abc", 0, 0, 0, "x", "xabc", 0 },
        { "no backslash: Delete at the start", "abc", 0, 0, VK_DELETE, nullptr, "bc", 0 },
        { "no backslash: Backspace at the start", "abc", 0, 0, VK_BACK, nullptr, "abc", 1 },
        { "no backslash: Backspace after a letter", "abc", 1, 1, VK_BACK, nullptr, "bc", 0 },
    };
    MakeEdit(false);
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_pEdit->PutRaw(row.start);
        m_pEdit->SetSel(row.selStart, row.selEnd);
        m_beeps.Reset();
        if (row.key != 0)
            PressKey(row.key);
        else
            harness::TypeText(row.typed);
        EXPECT_EQ(m_pEdit->Text(), row.expected);
        EXPECT_EQ(m_beeps.Count(), row.beeps);
    }
    EXPECT_FALSE(DropVisible());
}

TEST_F(FileEditTest, ReadOnlyEditTakesNoCharacters)
{
    MakeEdit(true, Path("docs\\notes"));
    m_pEdit->SetSel(0, 0);
    harness::TypeText("ab.");
    EXPECT_EQ(m_pEdit->Text(), Path("docs\\notes"));
    EXPECT_EQ(m_beeps.Count(), 2) << "letters beep, the full stop is silent";
}

TEST_F(FileEditTest, ClipboardCommandsKeepOnlyTextsTheEditMayHold)
{
    const std::string start = Path("docs\\c.log");
    struct Row
    {
        const char* name;
        bool readOnly;
        std::string before; // put in as typed
        std::string pasted; // over the whole text; empty: Ctrl+X of the whole text
        std::string expected;
    } rows[] = {
        { "read-only, existing file", true, start, Path("docs\\a.txt"), Path("docs\\a.txt") },
        { "read-only, folder", true, start, Path("docs\\sub\\"), start },
        { "read-only, file not on disk", true, start, Path("docs\\new.txt"), start },
        { "read-only, junk", true, start, "a<b>c", start },
        { "read-only, cut everything", true, start, "", "" },
        { "writable, file not on disk", false, start, Path("docs\\new.txt"), Path("docs\\new.txt") },
        { "writable, folder", false, start, Path("docs\\sub\\"), Path("docs\\sub\\") },
        { "writable, junk", false, start, "a<b>c", start },
        { "writable, control character", false, start, "a\tb", start },
        { "writable, junk over a typed new name", false, Path("docs\\new.txt"), "x|y", Path("docs\\new.txt") },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(row.readOnly);
        m_pEdit->PutRaw(row.before);
        m_pEdit->SetSel(0, -1);
        if (row.pasted.empty())
            PressKey('X', kCtrl);
        else
        {
            ASSERT_TRUE(pathtest::SetClipboard(row.pasted));
            PressKey('V', kCtrl);
        }
        EXPECT_EQ(m_pEdit->Text(), row.expected);
        EXPECT_EQ(m_beeps.Count(), 0);
    }
}

TEST_F(FileEditTest, PicksInTheTreeFollowTheReadOnlyRuleAndFolderPicksKeepTheName)
{
    m_scratch.Make("other\\c.log");
    m_scratch.Make("third\\");
    struct Row
    {
        const char* name;
        bool readOnly;
        const char* clicked;
        std::string expected;
    } rows[] = {
        { "read-only, file", true, "docs\\a.txt", Path("docs\\a.txt") },
        { "read-only, folder", true, "other", Path("docs\\c.log") },
        { "writable, file", false, "docs\\a.txt", Path("docs\\a.txt") },
        { "writable, folder holding the name", false, "other", Path("other\\c.log") },
        { "writable, folder without the name", false, "third", Path("third\\") },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(row.readOnly, Path("docs\\c.log"));
        Open();
        HTREEITEM hItem = Find(Tree(), Path(row.clicked));
        ASSERT_NE(hItem, nullptr);
        ClickLabel(Tree(), hItem);
        EXPECT_EQ(Tree().GetSelectedItem(), hItem) << "the tree stays on the pick";
        EXPECT_EQ(m_pEdit->Text(), row.expected);
        EXPECT_TRUE(DropVisible());
    }
    // With a folder in the edit there is no name to keep: the folder alone.
    ClickLabel(Tree(), Find(Tree(), Path("other")));
    EXPECT_EQ(m_pEdit->Text(), Path("other\\"));
}

TEST_F(FileEditTest, ExtensionFilterCountsOnlyAfterInit)
{
    ASSERT_TRUE(m_host.CreateHost({ 100, 100 }, { 420, 320 }, { 10, 10, 330, 34 }));
    m_pEdit = new CProbeFileEdit;
    ASSERT_TRUE(m_pEdit->SubclassWindow(m_host.Edit()));
    SetExt(*m_pEdit, { "log" }); // no drop window yet: nothing to filter
    m_pEdit->Init(true);
    m_pEdit->SetWindowText(Path("docs\\a.txt").c_str());
    m_host.FocusEdit();
    Open();
    EXPECT_EQ(ChildLabels(Tree(), Find(Tree(), Path("docs"))), filetreetest::kDocsLabels);
    Close();
    SetExt(*m_pEdit, { "txt" });
    Open();
    EXPECT_EQ(ChildLabels(Tree(), Find(Tree(), Path("docs"))), (Labels{ "sub", "a.txt", "B.TXT" }));
}

TEST_F(FileEditTest, FileGoneOnDiskShowsAtTheNextShowingWhileTheEditKeepsItsText)
{
    struct Row
    {
        const char* name;
        const char* text;
        const char* removed;
        const char* added;
        const char* gone;   // item no longer under docs
        const char* picked; // an item the user then clicks
    } rows[] = {
        { "file deleted, another added", "docs\\c.log", "docs\\c.log", "docs\\zz.log", "c.log", "docs\\zz.log" },
        { "folder of the file deleted", "docs\\sub\\deep.txt", "docs\\sub", "docs\\zz.log", "sub", "docs\\zz.log" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(false, Path(row.text));
        Open();
        Close();
        m_scratch.Remove(row.removed);
        m_scratch.Make(row.added);
        Open();
        HTREEITEM hDocs = Find(Tree(), Path("docs"));
        ASSERT_NE(hDocs, nullptr);
        EXPECT_EQ(Tree().GetTreeDirMatch(hDocs, row.gone, false), nullptr);
        EXPECT_NE(Tree().GetTreeDirMatch(hDocs, "zz.log", false), nullptr);
        // The tree's selection moved off the vanished item; that was no pick.
        EXPECT_TRUE(FileUtils::DoesFileExist(Tree().GetSelectedDir(true)));
        EXPECT_EQ(m_pEdit->Text(), Path(row.text));

        ClickLabel(Tree(), Find(Tree(), Path(row.picked)));
        EXPECT_EQ(m_pEdit->Text(), Path(row.picked));
        m_scratch.Remove("docs\\zz.log");
        for (const char* entry : filetreetest::kLayout)
            m_scratch.Make(entry);
    }
}

TEST_F(FileEditTest, KeysInTheTreePickAndCloseAndADoubleClickOnAFileAccepts)
{
    MakeEdit(true, Path("docs\\a.txt"));
    Open();
    PressKey(VK_DOWN); // into the tree
    ASSERT_EQ(::GetFocus(), Tree().m_hWnd);
    PressKey(VK_DOWN);
    EXPECT_EQ(m_pEdit->Text(), Path("docs\\app1.exe")) << "a key move is a pick";
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    EXPECT_EQ(m_pEdit->Text(), Path("docs\\app1.exe"));

    Open();
    PressKey(VK_RETURN); // Enter in the edit closes and selects the whole text
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, static_cast<int>(m_pEdit->Text().size())));

    Open();
    HTREEITEM hItem = Find(Tree(), Path("docs\\B.TXT"));
    ASSERT_NE(hItem, nullptr);
    Tree().EnsureVisible(hItem);
    harness::Pump();
    harness::DoubleClick(LabelPoint(Tree(), hItem));
    EXPECT_EVENTUALLY(!DropVisible());
    EXPECT_EQ(m_pEdit->Text(), Path("docs\\B.TXT"));
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    EXPECT_EQ(m_host.m_nOkCount + m_host.m_nCancelCount, 0) << "the keys stay with the control";
}

TEST_F(FileEditTest, WithoutItsTreeTheEditStillGuardsItsText)
{
    struct Row
    {
        const char* name;
        FaultInjection::Kind kind;
    } rows[] = {
        { "drop window not allocated", FaultInjection::kAllocation },
        { "drop window not created", FaultInjection::kWindowCreation },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        TearDown();
        ASSERT_TRUE(m_host.CreateHost({ 100, 100 }, { 420, 320 }, { 10, 10, 330, 34 }));
        m_pEdit = new CProbeFileEdit;
        ASSERT_TRUE(m_pEdit->SubclassWindow(m_host.Edit()));
        FaultInjection::FailNth(row.kind, 1);
        m_pEdit->Init(false);
        FaultInjection::Reset();
        SetExt(*m_pEdit, { "txt" });
        m_pEdit->SetWindowText(Path("docs\\a.txt").c_str());
        EXPECT_EQ(m_pEdit->Text(), Path("docs\\a.txt"));
        m_pEdit->SetWindowText("a|b");
        EXPECT_EQ(m_pEdit->Text(), "");
        m_host.FocusEdit();
        PressKey(VK_F9);
        EXPECT_TRUE(m_pEdit->Drop() == nullptr || !DropVisible());
    }
}
