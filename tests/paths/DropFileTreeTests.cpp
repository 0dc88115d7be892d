// The file edit's tree on the scratch folder tree: icons per type, expand buttons and
// branches after disk changes, and the context menu from the library's own file.
#include "../ui/MenuProbe.h"
#include "LogCapture.h"
#include "PathsFixture.h"

using namespace pathtest;

TEST_F(PathEditTest, IconsArePerExtensionButProgramsGetTheirOwn)
{
    MakeEdit(Edit::File, Path("docs\\a.txt"));
    Open();
    auto image = [&](const char* name) {
        int nImage = -1;
        int nSelected = -1;
        Tree().GetItemImage(Item(name), nImage, nSelected);
        return nImage;
    };
    EXPECT_EQ(image("docs\\a.txt"), image("docs\\B.TXT"));
    EXPECT_EQ(image("docs\\notes"), image("docs\\readme"));
    EXPECT_NE(image("docs\\a.txt"), image("docs\\c.log"));
    EXPECT_NE(image("docs\\app1.exe"), image("docs\\app2.exe"));
    for (const char* name : { "docs\\a.txt", "docs\\c.log", "docs\\notes", "docs\\app1.exe" })
        EXPECT_GT(image(name), 0) << name;

    // Without the file type manager a file gets the first image and the failure is logged.
    harness::LogCapture log;
    FileExtMgr::DestroyInstance();
    Tree().m_iconCache.clear();
    EXPECT_EQ(Tree().GetFileImageIndex(Path("docs\\a.txt").c_str()), 0);
    EXPECT_EQ(log.Lines(), std::vector<CString>{ "{D1B68779-51FC-4A22-AF06-CFB1DD0FCBE7}" });
}

TEST_F(PathEditTest, OpeningAWiderBranchWidensTheWindow)
{
    m_scratch.Make("docs\\sub\\a folder with a name far wider than the drop window itself\\");
    MakeEdit(Edit::File, Path("docs\\c.log"));
    Open();
    const int nBefore = fwtest::WindowRectOf(Drop()->m_hWnd).Width();
    PressKey(VK_DOWN); // into the tree
    Tree().SelectItem(Item("docs\\sub"));
    PressKey(VK_RIGHT);
    EXPECT_GT(fwtest::WindowRectOf(Drop()->m_hWnd).Width(), nBefore);
}

// Each row changes the disk while the drop window is hidden and shows it again.
TEST_F(PathEditTest, ExpandButtonsAndBranchesFollowTheDiskAtTheNextShowing)
{
    const struct
    {
        const char* name;
        const char* entry;
        bool removed; // the entry is removed, else made
        const char* folder;
        bool open; // the folder's branch is opened before the change
        bool after;
    } rows[] = {
        { "an open folder loses its only file and closes", "onlylog\\x.log", true, "onlylog", true, false },
        { "and gets its button back when one comes", "onlylog\\y.log", false, "onlylog", false, true },
        { "a closed empty folder gains a subfolder", "empty\\new\\", false, "empty", false, true },
        { "a closed folder loses its only file", "docs\\sub\\deep.txt", true, "docs\\sub", false, false },
        { "a folder with a file comes in an open branch", "docs\\newdir\\x.txt", false, "docs\\newdir", false, true },
    };
    MakeEdit(Edit::File, Path("docs\\a.txt"));
    Open();
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        if (row.open)
        {
            ASSERT_TRUE(Tree().ExpandBranch(Item(row.folder), false));
        }
        PressKey(VK_F9);
        row.removed ? m_scratch.Remove(row.entry) : (void)m_scratch.Make(row.entry);
        Open();
        HTREEITEM hItem = Item(row.folder);
        EXPECT_EQ(harness::ShowsExpandButton(Tree().m_hWnd, hItem), row.after);
        if (!row.after)
        {
            EXPECT_EQ(Tree().GetChildItem(hItem), nullptr);
        }
    }
}

TEST_F(PathEditTest, ContextMenuComesOnlyFromTheLibrarysOwnFile)
{
    MakeEdit(Edit::File, Path("docs\\a.txt"));
    Open();
    HTREEITEM hItem = Item("docs\\a.txt");
    ASSERT_EQ(::GetModuleHandleA("orv059.dll"), nullptr) << "the tests link the objects, not the library's file";
    // The menus a right click on the item opens, and whether one held the library's item.
    auto rightClick = [&] {
        uitest::MenuProbe probe({ VK_ESCAPE });
        harness::Click(LabelPoint(Tree(), hItem), harness::Button::Right);
        harness::Pump();
        return std::make_pair(probe.MenusOpened(), probe.Find("Select All\tCtrl+A") != nullptr);
    };
    Tree().m_nContextMenuId = 250;
    EXPECT_EQ(rightClick(), std::make_pair(0, false)) << "without orv059.dll";
    HMODULE hLibrary = ::LoadLibraryA("orv059.dll");
    ASSERT_NE(hLibrary, nullptr);
    EXPECT_EQ(rightClick(), std::make_pair(1, true));
    ::FreeLibrary(hLibrary);
}
