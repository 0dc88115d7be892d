// The file edit and its directory tree drop window, with real input on a scratch tree: picks
// from the tree by the read-only rule (a folder pick keeping the file name), the extension
// filter, and the disk seen anew at each showing.
#include "PathsFixture.h"

using namespace pathtest;

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
        { "writable, a folder in the edit: no name to keep", false, "other", Path("other\\"), "third" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(row.readOnly ? Edit::File : Edit::WritableFile, Path(row.text));
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
        m_scratch.Remove("docs\\newdir");
        m_scratch.Remove("docs\\zz.txt");
    }
}
