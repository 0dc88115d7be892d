// File tree figures: opening a folder of 10,000 files of 20 types (icons cached per type,
// beside one icon look-up per file), and showing the drop window again with ten open branches
// of 100 items (the refresh on showing, beside reading the ten branches again).
#include "BenchUtil.h"
#include "../../tests/paths/PathsFixture.h"
#include "DirUtils.h"
#include "FileUtils.h"
#include <cstdio>

namespace
{
const char* const kExtensions[] = { "txt", "log", "doc", "xls", "pdf", "htm", "xml", "csv", "ini", "cfg",
                                    "bmp", "png", "jpg", "gif", "wav", "mp3", "zip", "cpp", "h", "bat" };
const int kExtensionCount = 20;

// The plain way: every file asks the file type manager for its icon and appends it.
class CUncachedFileTree : public CDropFileTree
{
protected:
    void AddDirectoryContent(CString path, HTREEITEM parent) override
    {
        CDirTreeCtrl::AddDirectoryContent(path, parent);
        TextArray files;
        FileUtils::GetFileList(path, m_extensions, false, files, true, true, false);
        DirUtils::MakePathsRelative(path, files);
        for (size_t i = 0; i < files.GetCount(); ++i)
        {
            int nImage = 0;
            HICON hIcon = nullptr;
            if (FileExtMgr::GetInstance()->GetIconForExt(FileUtils::GetFileExt(files[i]), hIcon) && hIcon != nullptr)
            {
                nImage = ImageList_ReplaceIcon(m_imageList.GetSafeHandle(), -1, hIcon);
                ::DestroyIcon(hIcon);
            }
            AddToTree(parent, files[i], nImage, false, -1);
        }
    }
};

void MakeFiles(const harness::ScratchDir& scratch, const std::string& folder, int nCount)
{
    scratch.MakeDir(folder);
    char name[64];
    for (int i = 0; i < nCount; ++i)
    {
        std::snprintf(name, sizeof(name), "file%05d.%s", i, kExtensions[i % kExtensionCount]);
        HANDLE hFile = ::CreateFileA((scratch.Path() + folder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(hFile);
    }
}

// Times opening scratch\big in a new tree of type Tree (made and led to the folder untimed).
template <class Tree>
double TimeExpansion(const harness::ScratchDir& scratch, int repetitions)
{
    harness::CHostDialog host;
    host.CreateHost({ 60, 60 }, { 500, 500 }, { 10, 10, 200, 30 });
    Tree* pTree = nullptr;
    HTREEITEM hBig = nullptr;
    const double ms = bench::MedianMs(
        repetitions,
        [&] {
            pTree->ExpandBranch(hBig, false);
            pTree->UpdateWindow();
        },
        [&] {
            delete pTree;
            pTree = new Tree;
            pTree->Create(0x50010027, CRect(10, 40, 490, 490), &host, CDropDirWnd::kTreeId);
            pTree->SetSelectedDir(scratch.Path().c_str(), true);
            hBig = pTree->GetTreeDirMatch(pTree->GetSelectedItem(), "big", false);
        });
    std::printf("  (%u items)\n", pTree->GetCount());
    delete pTree;
    host.DestroyWindow();
    return ms;
}
}

TEST(FileTreeBench, ExpandingAFolderOf10000FilesOf20Types)
{
    FileExtMgr::CreateInstance();
    harness::ScratchDir scratch;
    MakeFiles(scratch, "big\\", 10000);
    const double cached = TimeExpansion<CDropFileTree>(scratch, 5);
    const double plain = TimeExpansion<CUncachedFileTree>(scratch, 1);
    bench::Report("expand a folder of 10,000 files, 20 extensions", cached, plain, 300);
}

namespace
{
// The ten open branches of 100 files each under the edit's drop window.
class ReshowBench : public pathtest::PathEditTest
{
public:
    void TestBody() override {}
    void Prepare()
    {
        for (int b = 0; b < 10; ++b)
            MakeFiles(m_scratch, "b" + std::to_string(b) + "\\", 100);
        MakeEdit(pathtest::Edit::File, Path("b0\\file00000.txt"));
        Open();
        for (int b = 9; b >= 0; --b)
            Tree().SetSelectedDir(Path("b" + std::to_string(b) + "\\").c_str(), true);
        Hide();
    }
    void Show() { Drop()->ShowWindow(SW_SHOWNOACTIVATE); }
    void Hide() { Drop()->ShowWindow(SW_HIDE); }
    void RereadBranches()
    {
        for (int b = 0; b < 10; ++b)
        {
            HTREEITEM hItem = pathtest::Find(Tree(), Path("b" + std::to_string(b)));
            Tree().RemoveAllChildBranches(hItem, true);
            Tree().AddDummyNode(hItem);
            Tree().ExpandBranch(hItem, false);
        }
    }
    void Run()
    {
        SetUp();
        Prepare();
        const double ms = bench::MedianMs(9, [&] { Show(); }, [&] { Hide(); });
        const double plain = bench::MedianMs(3, [&] { RereadBranches(); });
        bench::Report("show the file tree again, 10 open branches of 100", ms, plain, 100);
        TearDown();
    }
};
}

TEST(FileTreeBench, ShowingAgainWithTenOpenBranchesOf100Items)
{
    ReshowBench fixture;
    fixture.Run();
}

namespace
{
// A folder of 5,000 folders (every tenth with a folder of its own): the file tree opened at it,
// then shown again with that branch open.
class WideFolderBench : public pathtest::PathEditTest
{
public:
    void TestBody() override {}
    void Run()
    {
        SetUp();
        char name[48];
        for (int i = 0; i < 5000; ++i)
        {
            std::snprintf(name, sizeof(name), i % 10 == 0 ? "wide\\f%04d\\sub\\" : "wide\\f%04d\\", i);
            m_scratch.MakeDir(name);
        }
        const double openMs = bench::MedianMs(
            3, [&] { Open(); }, [&] { MakeEdit(pathtest::Edit::File, Path("wide\\")); });
        std::printf("  (%u items)\n", Tree().GetCount());
        bench::Report("open the file tree at a folder of 5,000 folders", openMs, 0, 200);
        const double showMs = bench::MedianMs(
            5, [&] { Drop()->ShowWindow(SW_SHOWNOACTIVATE); }, [&] { Drop()->ShowWindow(SW_HIDE); });
        bench::Report("show the file tree again after a branch of 5,000 folders", showMs, 0, 100);
        TearDown();
    }
};
}

TEST(FileTreeBench, OpeningAndShowingAgainAtAFolderOf5000Folders)
{
    WideFolderBench fixture;
    fixture.Run();
}
