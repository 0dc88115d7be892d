// The file tree on a scratch folder tree: icons cached per type, the expand button following the
// filter, selection of file paths, bad paths, keeping expanded branches in step with the disk,
// and the context menu from the library's own resources.
#include "../ui/MenuProbe.h"
#include "MessageRecorder.h"
#include "PathsFixture.h"

using namespace pathtest;

namespace
{
// The file tree as the drop window's tree, with the hooks reachable.
class CTestFileTree : public CDropFileTree
{
public:
    using CDropFileTree::DoesFolderHaveContent;
};

// A bare file tree of the drop window's style filling most of the host dialog.
class FileTreeTest : public PathsTest
{
protected:
    void SetUp() override
    {
        PathsTest::SetUp();
        m_pDlg = new harness::CHostDialog;
        ASSERT_TRUE(m_pDlg->CreateHost({ 60, 60 }, { 600, 500 }, { 10, 10, 200, 30 }));
        ASSERT_TRUE(m_tree.Create(0x50010027, CRect(10, 40, 590, 490), m_pDlg, CDropDirWnd::kTreeId));
        m_tree.m_hNotifyWnd = m_pDlg->m_hWnd;
        m_tree.Refresh(true);
    }
    void TearDown() override { harness::DestroyHost(m_pDlg); }

    // Selects a folder below the scratch root, opened, and returns its item.
    HTREEITEM Open(const std::string& relative) { return m_tree.SetSelectedDir(Path(relative).c_str(), true); }
    // Closes and opens a folder's branch again, so that it is read from disk with the filter.
    void Reopen(HTREEITEM hItem)
    {
        m_tree.Expand(hItem, TVE_COLLAPSE);
        m_tree.ExpandBranch(hItem, false);
    }
    void SetFilter(const std::vector<const char*>& exts)
    {
        m_tree.m_extensions.RemoveAll();
        for (const char* ext : exts)
            m_tree.m_extensions.Add(ext);
    }
    int ImageCount() { return ImageList_GetImageCount(m_tree.m_imageList.GetSafeHandle()); }
    int ImageOf(HTREEITEM hItem)
    {
        int nImage = -1;
        int nSelected = -1;
        m_tree.GetItemImage(hItem, nImage, nSelected);
        return nImage;
    }

    CTestFileTree m_tree;
};
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

TEST_F(FileTreeTest, FilePathSelectsItsItemWithoutReportingAndABadPathSelectsNothing)
{
    harness::MessageRecorder recorder;
    recorder.Watch(m_pDlg->m_hWnd, "notify");
    HTREEITEM hSelected = m_tree.SetSelectedDir(Path("docs\\B.TXT").c_str(), false);
    ASSERT_NE(hSelected, nullptr);
    EXPECT_EQ(SelectedPath(m_tree), Path("docs\\B.TXT"));
    EXPECT_EQ(recorder.Count(m_pDlg->m_hWnd, CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED), 0u);

    ASSERT_EQ(::GetDriveTypeA("Q:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    const std::string bad[] = {
        Path("docs\\a|b?.txt"), Path(std::string(300, 'x') + ".txt"), "\\\\server\\share\\f.txt", "Q:\\nowhere\\f.txt",
        "docs\\a.txt",          Path("nothere\\a.txt"),                 "",
    };
    for (const std::string& path : bad)
    {
        SCOPED_TRACE(path);
        EXPECT_EQ(m_tree.SetSelectedDir(path.c_str(), false), nullptr);
        if (path.rfind(m_scratch.Path(), 0) != 0) // outside the tree nothing moves
        {
            EXPECT_EQ(m_tree.GetSelectedItem(), hSelected);
        }
    }

    // A file the filter hides has no item: its folder is selected and null returned.
    SetFilter({ "txt" });
    Reopen(Find(m_tree, Path("docs")));
    EXPECT_EQ(m_tree.SetSelectedDir(Path("docs\\c.log").c_str(), false), nullptr);
    EXPECT_EQ(SelectedPath(m_tree), Path("docs\\"));
}

TEST_F(FileTreeTest, RefreshKeepsOpenBranchesInStepWithTheDisk)
{
    HTREEITEM hDocs = Open("docs\\");
    ASSERT_NE(hDocs, nullptr);
    const struct
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
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.name);
        if (step.make != nullptr)
            m_scratch.Make(step.make);
        if (step.remove != nullptr)
            m_scratch.Remove(step.remove);
        bool bChanged = false;
        EXPECT_EQ(m_tree.RefreshBranch(Path("docs\\").c_str(), hDocs, bChanged), step.result);
        EXPECT_EQ(bChanged, step.changed);
    }

    // A deleted selection moves to a sibling, and that is reported.
    ASSERT_NE(m_tree.SetSelectedDir(Path("docs\\c.log").c_str(), false), nullptr);
    {
        harness::MessageRecorder recorder;
        recorder.Watch(m_pDlg->m_hWnd, "notify");
        m_scratch.Remove("docs\\c.log");
        m_tree.Refresh(true);
        EXPECT_EQ(SelectedPath(m_tree), Path("docs\\notes"));
        EXPECT_GE(recorder.Count(m_pDlg->m_hWnd, CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED), 1u);
    }

    // An open folder that lost its only file closes, and opens again when one comes.
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
    // The menus a right click on the item opens, and whether one held the library's item.
    auto rightClick = [&] {
        uitest::MenuProbe probe({ VK_ESCAPE });
        harness::Click(LabelPoint(m_tree, hItem), harness::Button::Right);
        harness::Pump();
        return std::make_pair(probe.MenusOpened(), probe.Find("Select All\tCtrl+A") != nullptr);
    };
    m_tree.m_nContextMenuId = 250;
    EXPECT_EQ(rightClick(), std::make_pair(0, false)) << "without orv059.dll";
    HMODULE hLibrary = ::LoadLibraryA("orv059.dll");
    ASSERT_NE(hLibrary, nullptr);
    const HINSTANCE hResourcesBefore = AfxGetResourceHandle();
    EXPECT_EQ(rightClick(), std::make_pair(1, true));
    EXPECT_EQ(AfxGetResourceHandle(), hResourcesBefore);
    m_tree.m_nContextMenuId = 0;
    EXPECT_EQ(rightClick(), std::make_pair(0, false)) << "no menu id";
    ::FreeLibrary(hLibrary);
}
