// Opening the directory edit's drive and folder list on a folder whose parent holds 5,000
// folders, beside the plain way of filling the same rows into a list that redraws each one.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include "BenchUtil.h"
#include "DirEdit.h"
#include "DirList.h"
#include "DirUtils.h"
#include "DropDirListWnd.h"
#include "HostDialog.h"
#include "ScratchDir.h"
#include "TestApp.h"
#include "TextArray.h"

namespace
{
const int kFolders = 5000;

class CBenchDirEdit : public CDirEdit
{
public:
    using CDirEdit::m_pDropWnd;
    using CDirEdit::ShowDropWnd;
};

// folders folders under tree\wide; the path of the middle one.
std::string MakeWideFolder(const harness::ScratchDir& tree, int folders)
{
    for (int i = 0; i < folders; ++i)
    {
        char name[32];
        wsprintfA(name, "wide\\f%05d\\", i);
        tree.MakeDir(name);
    }
    char middle[32];
    wsprintfA(middle, "wide\\f%05d", folders / 2);
    return tree.Path() + middle;
}

// The same rows added one by one to a list that repaints as it goes, without pre-sized storage.
double PlainFillMs(CWnd& host, const std::string& current)
{
    CDirList list;
    list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS |
                    LBS_OWNERDRAWVARIABLE | LBS_NOTIFY,
                CRect(10, 40, 270, 280), &host, 2610);
    const double ms = bench::MedianMs(1, [&] {
        TextArray siblings;
        DirUtils::GetDirectoryList(DirUtils::ParseParentDir(current.c_str()), siblings, 29);
        for (size_t i = 0; i < siblings.GetCount(); ++i)
        {
            list.AddString("..\\" + DirUtils::ParseLastDir(siblings[i]) + "\\", CDirList::IconFolder);
            list.UpdateWindow();
        }
    });
    list.DestroyWindow();
    return ms;
}

// Opens the list on a folder beside folders siblings; its median and the plain way's figure.
void TimeOpening(int folders, double& openMs, double& plainMs)
{
    harness::ScratchDir tree;
    const std::string current = MakeWideFolder(tree, folders);
    // A user meets the folder as it stands, not within the seconds after its last change, in
    // which the list reads it from disk at every showing.
    ::Sleep(2500);

    harness::CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateHost({ 100, 100 }, { 420, 320 }, { 10, 10, 330, 34 }));
    CBenchDirEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(dlg.Edit()));
    edit.Init(true);
    dlg.FocusEdit();
    edit.SetWindowText(current.c_str());

    CDropDirListWnd* pList = dynamic_cast<CDropDirListWnd*>(edit.m_pDropWnd);
    ASSERT_NE(pList, nullptr);
    HWND hListBox = ::GetDlgItem(pList->m_hWnd, CDropDirListWnd::kListId);
    const auto open = [&] {
        edit.ShowDropWnd(true, false, true);
        pList->UpdateWindow();
    };
    const auto close = [&] {
        edit.ShowDropWnd(false, false, true);
        harness::Pump();
    };
    // The first showing reads the folder; the later ones find its listing kept.
    const double firstMs = bench::MedianMs(1, open, close);
    openMs = bench::MedianMs(folders > kFolders ? 5 : 9, open, close);
    std::printf("  (first showing, which reads the folder from disk: %.2f ms)\n", firstMs);
    const int nRows = static_cast<int>(::SendMessageA(hListBox, LB_GETCOUNT, 0, 0));
    EXPECT_GT(nRows, folders); // the siblings, the chain and the drives
    std::printf("rows shown: %d\n", nRows);

    edit.ShowDropWnd(false, false, true);
    // One by one with a repaint each, 50,000 rows would take minutes: the plain way is
    // measured on 5,000 and counted ten times.
    plainMs = folders > kFolders ? 0 : PlainFillMs(dlg, current);
    dlg.DestroyWindow();
}
}

TEST(DirListBench, OpeningTheListBesideAFolderOf5000Siblings)
{
    double openMs = 0;
    double plainMs = 0;
    TimeOpening(kFolders, openMs, plainMs);
    bench::Report("open drive and folder list, parent of 5,000 folders", openMs, plainMs, 200);
    double wideMs = 0;
    double unused = 0;
    TimeOpening(10 * kFolders, wideMs, unused);
    std::printf("  (the plain way beside 50,000 folders is ten times its figure beside 5,000)\n");
    bench::Report("open drive and folder list, parent of 50,000 folders", wideMs, 10 * plainMs, 100);
}
