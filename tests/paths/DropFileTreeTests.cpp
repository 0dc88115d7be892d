// The file tree on a scratch folder tree: files under their folders by filter, icons cached per
// type, selection of file paths, keeping expanded branches in step with the disk, bad paths,
// and the context menu from the library's own resources.
#include "FileTreeFixture.h"
#include "../ui/MenuProbe.h"
#include "LogCapture.h"
#include "MessageRecorder.h"

using namespace filetreetest;

TEST_F(FileTreeTest, FilesPassingTheFilterFollowTheSubfolders)
{
    struct Row
    {
        const char* name;
        std::vector<const char*> filter;
        Labels expected;
    } rows[] = {
        { "no filter", {}, { "sub", "a.txt", "app1.exe", "app2.exe", "B.TXT", "c.log", "notes", "readme" } },
        { "one extension, either case", { "txt" }, { "sub", "a.txt", "B.TXT" } },
        { "two, with and without dot", { "log", ".exe" }, { "sub", "app1.exe", "app2.exe", "c.log" } },
        { "matching nothing", { "pdf" }, { "sub" } },
    };
    HTREEITEM hDocs = Open("docs\\");
    ASSERT_NE(hDocs, nullptr);
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        SetFilter(row.filter);
        Reopen(hDocs);
        EXPECT_EQ(ChildLabels(m_tree, hDocs), row.expected);
    }
}

TEST_F(FileTreeTest, IconsAreCachedPerExtensionButProgramsGetTheirOwn)
{
    const int nBefore = ImageCount();
    HTREEITEM hDocs = Open("docs\\");
    ASSERT_NE(hDocs, nullptr);
    auto image = [&](const char* name) { return ImageOf(m_tree.GetTreeDirMatch(hDocs, name, false)); };
    EXPECT_EQ(image("a.txt"), image("B.TXT"));
    EXPECT_EQ(image("notes"), image("readme"));
    EXPECT_NE(image("a.txt"), image("c.log"));
    EXPECT_NE(image("app1.exe"), image("app2.exe"));
    for (const char* name : { "a.txt", "c.log", "notes", "app1.exe" })
        EXPECT_GT(image(name), 0) << name;
    EXPECT_EQ(m_tree.m_iconCache.count("txt"), 1u);
    EXPECT_EQ(m_tree.m_iconCache.count("TXT"), 0u);

    // Listing again adds only the programs' own icons.
    const int nAfterFirst = ImageCount();
    EXPECT_GT(nAfterFirst, nBefore);
    Reopen(hDocs);
    EXPECT_EQ(ImageCount(), nAfterFirst + 2);
}

TEST_F(FileTreeTest, ImageOfAFileFallsBackToTheFirstWhenNoIconCanBeHad)
{
    harness::LogCapture log;
    FileExtMgr::DestroyInstance();
    EXPECT_EQ(m_tree.GetFileImageIndex(Path("docs\\a.txt").c_str()), 0);
    ASSERT_EQ(log.Lines().size(), 1u);
    EXPECT_STREQ(log.Lines()[0], "{D1B68779-51FC-4A22-AF06-CFB1DD0FCBE7}");
    EXPECT_TRUE(m_tree.m_iconCache.empty());
    FileExtMgr::CreateInstance();
    EXPECT_GT(m_tree.GetFileImageIndex(Path("docs\\a.txt").c_str()), 0);
    EXPECT_EQ(log.Lines().size(), 1u);

    // A stale cache entry (the image list lost its images) is looked up again.
    m_tree.m_iconCache["log"] = 100000;
    const int nIndex = m_tree.GetFileImageIndex(Path("docs\\c.log").c_str());
    EXPECT_LT(nIndex, ImageCount());
    EXPECT_EQ(m_tree.m_iconCache["log"], nIndex);
}

TEST_F(FileTreeTest, ExpandButtonFollowsTheFilesThatPassTheFilter)
{
    struct Row
    {
        const char* folder;
        std::vector<const char*> filter;
        bool hasContent;
    } rows[] = {
        { "onlylog\\", {}, true },      { "onlylog\\", { "log" }, true }, { "onlylog\\", { "txt" }, false },
        { "empty\\", {}, false },       { "docs\\sub\\", { "pdf" }, false },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.folder) + " filter of " + std::to_string(row.filter.size()));
        SetFilter(row.filter);
        EXPECT_EQ(m_tree.DoesFolderHaveContent(Path(row.folder).c_str()), row.hasContent);
    }
}

TEST_F(FileTreeTest, FilePathSelectsTheFileItemWithoutReporting)
{
    harness::MessageRecorder recorder;
    recorder.Watch(m_host.m_hWnd, "notify");
    HTREEITEM hItem = m_tree.SetSelectedDir(Path("docs\\B.TXT").c_str(), false);
    ASSERT_NE(hItem, nullptr);
    EXPECT_STREQ(m_tree.GetItemText(hItem), "B.TXT");
    EXPECT_EQ(m_tree.GetSelectedItem(), hItem);
    EXPECT_EQ(SelectedPath(m_tree), Path("docs\\B.TXT"));
    EXPECT_EQ(recorder.Count(m_host.m_hWnd, CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED), 0u);

    // A file the filter hides has no item: its folder is selected and null returned.
    SetFilter({ "txt" });
    Reopen(Find(m_tree, Path("docs")));
    EXPECT_EQ(m_tree.SetSelectedDir(Path("docs\\c.log").c_str(), false), nullptr);
    EXPECT_EQ(SelectedPath(m_tree), Path("docs\\"));
}

TEST_F(FileTreeTest, BadPathsSelectNothingAndLeaveTheSelection)
{
    char missing[] = "?:\\nowhere\\f.txt";
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'Z'; letter >= 'D'; --letter)
    {
        if ((drives & (1u << (letter - 'A'))) == 0)
            missing[0] = letter;
    }
    const struct Row
    {
        const char* name;
        std::string path;
    } rows[] = {
        { "characters a path cannot hold", Path("docs\\a|b?.txt") },
        { "longer than MAX_PATH", Path(std::string(300, 'x') + ".txt") },
        { "UNC", "\\\\server\\share\\f.txt" },
        { "missing drive", missing },
        { "relative", "docs\\a.txt" },
        { "missing folder", Path("nothere\\a.txt") },
        { "empty", "" },
    };
    HTREEITEM hSelected = m_tree.SetSelectedDir(Path("docs\\a.txt").c_str(), false);
    ASSERT_NE(hSelected, nullptr);
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(m_tree.SetSelectedDir(row.path.c_str(), false), nullptr);
        if (row.path.rfind(m_scratch.Path(), 0) != 0)
        {
            EXPECT_EQ(m_tree.GetSelectedItem(), hSelected);
        }
    }
}

TEST_F(FileTreeTest, RefreshBranchTellsWhatChanged)
{
    HTREEITEM hDocs = Open("docs\\");
    ASSERT_NE(hDocs, nullptr);
    const std::string docs = Path("docs\\");
    struct Step
    {
        const char* name;
        const char* make;
        const char* remove;
        bool result;
        bool changed;
    } steps[] = {
        { "a file came", "docs\\new.txt", nullptr, true, false },
        { "a folder came", "docs\\more\\", nullptr, true, true },
        { "a file went", nullptr, "docs\\new.txt", false, true },
        { "nothing happened", nullptr, nullptr, false, false },
    };
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.name);
        if (step.make != nullptr)
            m_scratch.Make(step.make);
        if (step.remove != nullptr)
            m_scratch.Remove(step.remove);
        bool bChanged = false;
        EXPECT_EQ(m_tree.RefreshBranch(docs.c_str(), hDocs, bChanged), step.result);
        EXPECT_EQ(bChanged, step.changed);
    }
}

TEST_F(FileTreeTest, DeletedSelectionMovesToASiblingAndIsReported)
{
    ASSERT_NE(m_tree.SetSelectedDir(Path("docs\\c.log").c_str(), false), nullptr);
    harness::MessageRecorder recorder;
    recorder.Watch(m_host.m_hWnd, "notify");
    m_scratch.Remove("docs\\c.log");
    m_tree.Refresh(true);
    EXPECT_EQ(SelectedPath(m_tree), Path("docs\\notes"));
    EXPECT_GE(recorder.Count(m_host.m_hWnd, CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED), 1u);
}

TEST_F(FileTreeTest, OpenFolderThatLostItsOnlyFileClosesAndOpensAgainWhenOneComes)
{
    HTREEITEM hOnlyLog = Open("onlylog\\");
    ASSERT_NE(hOnlyLog, nullptr);
    m_scratch.Remove("onlylog\\x.log");
    m_tree.Refresh(true);
    EXPECT_EQ(m_tree.GetChildItem(hOnlyLog), nullptr);
    m_scratch.Make("onlylog\\y.log");
    m_tree.Refresh(true);
    EXPECT_NE(m_tree.GetChildItem(hOnlyLog), nullptr);
}

TEST_F(FileTreeTest, ContextMenuComesOnlyFromTheLibrarysOwnFile)
{
    HTREEITEM hItem = m_tree.SetSelectedDir(Path("docs\\a.txt").c_str(), false);
    ASSERT_NE(hItem, nullptr);
    ASSERT_EQ(::GetModuleHandleA("orv059.dll"), nullptr) << "the tests link the objects, not the library's file";
    m_tree.m_nContextMenuId = 250;
    {
        uitest::MenuProbe probe({ VK_ESCAPE });
        harness::Click(LabelPoint(m_tree, hItem), harness::Button::Right);
        harness::Pump();
        EXPECT_EQ(probe.MenusOpened(), 0) << "without orv059.dll";
    }

    HMODULE hLibrary = ::LoadLibraryA("orv059.dll");
    ASSERT_NE(hLibrary, nullptr);
    const HINSTANCE hResourcesBefore = AfxGetResourceHandle();
    {
        uitest::MenuProbe probe({ VK_ESCAPE });
        harness::Click(LabelPoint(m_tree, hItem), harness::Button::Right);
        harness::Pump();
        EXPECT_EQ(probe.MenusOpened(), 1);
        EXPECT_NE(probe.Find("Select All\tCtrl+A"), nullptr);
    }
    EXPECT_EQ(AfxGetResourceHandle(), hResourcesBefore);

    m_tree.m_nContextMenuId = 0;
    {
        uitest::MenuProbe probe({ VK_ESCAPE });
        harness::Click(LabelPoint(m_tree, hItem), harness::Button::Right);
        harness::Pump();
        EXPECT_EQ(probe.MenusOpened(), 0) << "no menu id";
    }
    ::FreeLibrary(hLibrary);
}
