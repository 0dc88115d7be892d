// The file edit and its directory tree drop window, with real input on a scratch tree: what can
// be typed where, guarded clipboard commands, picks from the tree by the read-only rule (a
// folder pick keeping the file name), the extension filter, and the disk seen anew at each
// showing.
#include "PathsFixture.h"

using namespace pathtest;

TEST_F(PathEditTest, OnlyTheNameAfterTheLastBackslashCanBeTypedAndClipboardCommandsKeepOnlyTextsTheEditMayHold)
{
    const std::string file = Path("docs\\notes");
    const int name = static_cast<int>(file.size()) - 5; // first character of "notes"
    const int slash = name - 1;
    const int end = static_cast<int>(file.size());
    const std::string folder = file.substr(0, name);
    const std::string log = Path("docs\\c.log");
    const Input x = Type("x");
    const Input back = Key(VK_BACK);
    const Input del = Key(VK_DELETE);
    RunEdits(Edit::WritableFile, {
        { "letter after the backslash", file, name, name, x, folder + "xnotes" },
        // Regression: a refused Backspace beeped twice, once for the key and once for its character.
        { "Backspace after the backslash", file, name, name, back, file, 1 },
        { "Delete after the backslash", file, name, name, del, folder + "otes" },
        { "Delete before the backslash", file, slash, slash, del, file, 1 },
        { "Backspace in the name", file, end, end, back, folder + "note" },
        { "colon, question mark, vertical bar, star, quote, slash, backslash", file, end, end, Type(":?|*\"/\\"), file, 7 },
        { "letter over a selection across the backslash", file, slash - 1, name + 2, x, file, 1 },
        { "Delete of a selection across the backslash", file, slash - 1, name + 2, del, file, 1 },
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

TEST_F(PathEditTest, PicksInTheTreeFollowTheReadOnlyRuleAndFolderPicksKeepTheName)
{
    m_scratch.Make("other\\c.log");
    m_scratch.Make("third\\");
    struct Row
    {
        const char* name;
        bool readOnly;
        const char* clicked;
        std::string expected;
        const char* text = "docs\\c.log";
        const char* removed = nullptr; // before the showing, so that the tree moves off it
        const char* typed = nullptr;   // at the end of the text
    } rows[] = {
        { "read-only, file", true, "docs\\a.txt", Path("docs\\a.txt") },
        { "read-only, folder", true, "other", Path("docs\\c.log") },
        { "writable, folder holding the name", false, "other", Path("other\\c.log") },
        // Regression: a writable edit dropped its name where no file of that name was.
        { "writable, folder without the name keeps it as a save dialog does", false, "third", Path("third\\c.log") },
        // Regression: a click on the item the tree showed selected did nothing, so the edit could
        // not be given the folder the tree had moved to after a deletion.
        { "writable, the folder the tree moved to", false, "docs", Path("docs\\deep.txt"), "docs\\sub\\deep.txt",
          "docs\\sub" },
        { "writable, a typed new name is kept too", false, "other", Path("other\\c.log.txt"), "docs\\c.log", nullptr,
          ".txt" },
        { "writable, a folder in the edit: no name to keep", false, "other", Path("other\\"), "third" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(row.readOnly ? Edit::File : Edit::WritableFile, Path(row.text));
        if (row.typed != nullptr)
        {
            PressKey(VK_END);
            harness::TypeText(row.typed);
        }
        if (row.removed != nullptr)
            m_scratch.Remove(row.removed);
        Open();
        HTREEITEM hItem = Item(row.clicked);
        ASSERT_NE(hItem, nullptr);
        EXPECT_TRUE(row.removed == nullptr || Tree().GetSelectedItem() == hItem);
        harness::Click(LabelPoint(Tree(), hItem));
        EXPECT_EQ(Tree().GetSelectedItem(), hItem);
        EXPECT_EQ(Text(), row.expected);
        EXPECT_TRUE(DropVisible());
    }
}

TEST_F(PathEditTest, OpeningAWiderBranchWidensTheWindow)
{
    m_scratch.Make("docs\\sub\\a folder with a name far wider than the drop window itself\\");
    MakeEdit(Edit::File, Path("docs\\c.log"));
    Open();
    CRect rcBefore;
    Drop()->GetWindowRect(&rcBefore);
    PressKey(VK_DOWN); // into the tree
    Tree().SelectItem(Item("docs\\sub"));
    PressKey(VK_RIGHT);
    ASSERT_TRUE(Tree().IsBranchExpanded(Item("docs\\sub")));
    CRect rcAfter;
    Drop()->GetWindowRect(&rcAfter);
    EXPECT_GT(rcAfter.Width(), rcBefore.Width());
}

TEST_F(PathEditTest, ExtensionFilterInEitherCaseWithAStarAnywhereDecidesTheFilesTheButtonsAndTheSelection)
{
    const struct
    {
        const char* name;
        std::vector<const char*> exts;
        Labels docs;
        Labels buttons;       // the closed folders with an expand button
        const char* selected; // the edit's file, or its folder when the filter hides the file
    } rows[] = {
        { "one extension, either case", { "txt" }, { "sub", "a.txt", "B.TXT" }, { "docs\\sub" }, "docs\\a.txt" },
        { "star after an extension", { "txt", "*" }, kDocsLabels, { "onlylog", "docs\\sub" }, "docs\\a.txt" },
        { "two, with and without dot", { "log", ".exe" }, { "sub", "app1.exe", "app2.exe", "c.log" }, { "onlylog" },
          "docs\\" },
        { "matching nothing", { "pdf" }, { "sub" }, {}, "docs\\" },
        { "empty list", {}, kDocsLabels, { "onlylog", "docs\\sub" }, "docs\\a.txt" },
    };
    MakeEdit(Edit::File, Path("docs\\a.txt"));
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        SetExt(row.exts);
        Open();
        EXPECT_EQ(Shown(), Path(row.selected));
        EXPECT_EQ(*m_pPicks, 0);
        EXPECT_EQ(ChildLabels(Tree(), Item("docs")), row.docs);
        Labels buttons;
        for (const char* folder : { "onlylog", "docs\\sub", "empty" })
            if (harness::ShowsExpandButton(Tree().m_hWnd, Item(folder)))
                buttons.push_back(folder);
        EXPECT_EQ(buttons, row.buttons);
        PressKey(VK_ESCAPE);
    }
}

TEST_F(PathEditTest, DiskChangesShowAtTheNextShowingWithoutAPick)
{
    const struct
    {
        const char* name;
        const char* text;
        std::vector<const char*> removed; // newdir\ and zz.txt come in docs each time
        Labels docs;
        const char* selected; // the edit's text, or the nearest folder left of it
    } rows[] = {
        { "entries gone and new around the edit's file", "docs\\a.txt", { "docs\\c.log", "docs\\sub" },
          { "newdir", "a.txt", "app1.exe", "app2.exe", "B.TXT", "notes", "readme", "zz.txt" }, "docs\\a.txt" },
        // Regression: the selection the refresh moved off the deleted file reached the edit as a
        // pick; later the tree showed an unrelated item selected.
        { "the edit's file deleted", "docs\\c.log", { "docs\\c.log" },
          { "newdir", "sub", "a.txt", "app1.exe", "app2.exe", "B.TXT", "notes", "readme", "zz.txt" }, "docs\\" },
        { "the folder of the edit's file deleted", "docs\\sub\\deep.txt", { "docs\\sub" },
          { "newdir", "a.txt", "app1.exe", "app2.exe", "B.TXT", "c.log", "notes", "readme", "zz.txt" }, "docs\\" },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        for (const char* entry : kLayout)
            m_scratch.Make(entry);
        MakeEdit(Edit::WritableFile, Path(row.text));
        Open();
        PressKey(VK_F9);
        for (const char* entry : row.removed)
            m_scratch.Remove(entry);
        m_scratch.Make("docs\\zz.txt");
        m_scratch.Make("docs\\newdir\\inner.txt");
        Open();
        EXPECT_EQ(ChildLabels(Tree(), Item("docs")), row.docs);
        EXPECT_EQ(Shown(), Path(row.selected));
        EXPECT_EQ(*m_pPicks, 0);
        EXPECT_EQ(Text(), Path(row.text));

        harness::Click(LabelPoint(Tree(), Item("docs\\zz.txt")));
        EXPECT_EQ(Text(), Path("docs\\zz.txt"));
        m_scratch.Remove("docs\\newdir");
        m_scratch.Remove("docs\\zz.txt");
    }
}
