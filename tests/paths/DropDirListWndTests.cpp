// The drive and folder list: its rows and icons around a drive root and a deep folder, path
// completion, lower-case drive letters, bad and vanished paths, and the keys and clicks that
// move through it and close it.
#include "DirEditFixture.h"
#include "DirList.h"
#include "DirUtils.h"
#include "DropMessages.h"
#include "Input.h"
#include "MessageRecorder.h"
#include "TextArray.h"

using namespace pathtest;
using harness::PressKey;

namespace
{
// Scratch tree: deep\mid\ holds alpha, cur (with c1 and c2), Zed and a hidden folder.
class DropDirListTest : public DirEditTest
{
protected:
    void SetUp() override
    {
        DirEditTest::SetUp();
        for (const char* dir : { "deep\\mid\\alpha\\", "deep\\mid\\cur\\c1\\", "deep\\mid\\cur\\c2\\", "deep\\mid\\Zed\\",
                                 "deep\\mid\\hidden\\" })
            m_tree.MakeDir(dir);
        m_tree.SetAttributes("deep\\mid\\hidden", FILE_ATTRIBUTE_HIDDEN);
        m_mid = m_tree.Path() + "deep\\mid\\";
        m_cur = m_mid + "cur\\";
    }

    // The rows expected around a current folder inside deep\mid\ (written as `current`, which
    // may differ from the disk in letter case).
    std::vector<Row> ExpectedAround(const std::string& current, const std::string& mid) const
    {
        std::vector<Row> rows = DriveRows(true, current[0]);
        TextArray parts;
        StringUtils_Split(current, parts);
        std::string indent;
        std::string accumulated;
        for (size_t j = 0; j + 1 < parts.GetCount(); ++j)
        {
            const std::string part = static_cast<const char*>(parts[j]);
            if (j > 0)
                indent += "..\\";
            accumulated += part + "\\";
            if (accumulated != current)
                rows.push_back({ indent + part + "\\", j == 0 ? 0 : 4, accumulated });
        }
        for (const char* name : { "alpha", "cur", "Zed" })
        {
            const std::string path = mid + name + "\\";
            const bool bCurrent = path == current;
            rows.push_back({ indent + name + "\\", bCurrent ? 5 : 6, path });
            if (bCurrent)
                for (const char* child : { "c1", "c2" })
                    rows.push_back({ indent + name + "\\" + child + "\\", 7, path + child + "\\" });
        }
        for (const Row& drive : DriveRows(false, current[0]))
            rows.push_back(drive);
        return rows;
    }
    static void StringUtils_Split(const std::string& path, TextArray& parts)
    {
        parts.RemoveAll();
        size_t from = 0;
        for (size_t i = 0; i <= path.size(); ++i)
            if (i == path.size() || path[i] == '\\')
            {
                parts.Add(path.substr(from, i - from).c_str());
                from = i + 1;
            }
    }
    int RowOfText(const std::string& text) const
    {
        const std::vector<Row> rows = Rows();
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].text == text)
                return static_cast<int>(i);
        return -1;
    }
    // Opens the list with the focus in it, as clicks into the list need.
    void OpenFocused()
    {
        m_pEdit->ShowList();
        ASSERT_TRUE(ListVisible());
        ASSERT_EQ(::GetFocus(), ListBox());
    }

    std::string m_mid;
    std::string m_cur;
};
}

TEST_F(DropDirListTest, DeepFolderShowsChainSiblingsAndChildren)
{
    struct Case
    {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        { "with its backslash", m_cur },
        { "without it: completed, still found among its siblings", WithoutSlash(m_cur) },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(c.text);
        Open();
        const std::vector<Row> expected = ExpectedAround(m_cur, m_mid);
        EXPECT_EQ(Rows(), expected);
        const int nCur = RowOf(m_cur);
        EXPECT_EQ(SelectedRow(), nCur);
        PressKey(VK_ESCAPE);
    }
}

TEST_F(DropDirListTest, DriveRootShowsItsSubfoldersBetweenTheDrives)
{
    // Before any path is handed in, the list opens on C:\.
    Open();
    EXPECT_EQ(ListPath(), "C:\\");
    std::vector<Row> expected = DriveRows(true, 'C');
    expected.push_back({ "C:\\", 0, "C:\\" });
    const size_t nRoot = expected.size() - 1;
    TextArray subdirs;
    DirUtils::GetDirectoryList("C:\\", subdirs, 29);
    ASSERT_GT(subdirs.GetCount(), 0u);
    for (size_t i = 0; i < subdirs.GetCount(); ++i)
        expected.push_back({ "..\\" + std::string(DirUtils::ParseLastDir(subdirs[i])) + "\\", 6,
                             static_cast<const char*>(subdirs[i]) });
    for (const Row& drive : DriveRows(false, 'C'))
        expected.push_back(drive);
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(SelectedRow(), static_cast<int>(nRoot));
}

TEST_F(DropDirListTest, LowerCaseDriveLetterPutsEveryDriveFirst)
{
    std::string lower = m_cur;
    lower[0] = static_cast<char>(tolower(lower[0]));
    std::string lowerMid = m_mid;
    lowerMid[0] = lower[0];
    SetText(lower);
    Open();
    const std::vector<Row> rows = Rows();
    const std::vector<Row> expected = ExpectedAround(lower, lowerMid);
    EXPECT_EQ(rows, expected);
    // Every drive comes before the chain, none after.
    EXPECT_EQ(DriveRows(false, lower[0]).size(), 0u);
    EXPECT_EQ(SelectedRow(), RowOf(lower));
}

TEST_F(DropDirListTest, BadPathsGiveAShorterListNeverACrash)
{
    const std::string missingDrive = "Q:\\nothing\\";
    ASSERT_EQ(::GetDriveTypeA("Q:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    std::vector<Row> allDrives = DriveRows(true, 0x7f);
    struct Case
    {
        const char* name;
        std::string path;
        std::string shown; // the folder the list settles on; empty: drives only
    };
    const Case cases[] = {
        { "missing folders below an existing one", m_mid + "gone\\more\\", m_mid },
        { "missing drive", missingDrive, "" },
        { "missing drive root", "Q:\\", "" },
        { "characters a path cannot hold", "C:\\a?b\\c*\\", "C:\\" },
        { "longer than MAX_PATH", m_mid + std::string(300, 'x') + "\\y\\", m_mid },
        { "UNC share that is not there", "\\\\nosuchhost\\share\\dir\\", "" },
        { "a file", m_tree.MakeFile("deep\\mid\\f.txt"), m_mid },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pEdit->ShowDropWnd(false, false, false);
        List()->SetPath(c.path.c_str());
        m_pEdit->ShowDropWnd(true, false, true);
        ASSERT_TRUE(ListVisible());
        EXPECT_EQ(ListPath(), c.shown);
        if (c.shown.empty())
        {
            EXPECT_EQ(Rows(), allDrives);
            EXPECT_EQ(SelectedRow(), LB_ERR);
        }
        else if (c.shown == "C:\\")
        {
            // A root reached by walking up is shown alone, in its drive's place, without its
            // subfolders.
            EXPECT_EQ(Rows().size(), allDrives.size());
            EXPECT_EQ(Rows()[SelectedRow()].path, "C:\\");
        }
        else
        {
            EXPECT_EQ(Rows()[SelectedRow()].path, c.shown);
            EXPECT_EQ(Rows()[SelectedRow()].icon, CDirList::IconCurrentFolder);
        }
    }
    EXPECT_EQ(m_beeps.Count(), 0);
}

TEST_F(DropDirListTest, LeftGoesUpAndWritesTheParentUntilTheDriveRoot)
{
    SetText(m_cur);
    Open();
    harness::MessageRecorder recorder;
    recorder.Watch(ListBox(), "list");
    PressKey(VK_DOWN); // into the list
    ASSERT_EQ(::GetFocus(), ListBox());
    PressKey(VK_LEFT);
    EXPECT_EQ(ListPath(), m_mid);
    EXPECT_EQ(m_pEdit->Text(), m_mid);
    EXPECT_EQ(Rows()[SelectedRow()].path, m_mid);
    EXPECT_EQ(recorder.Count(ListBox(), LB_RESETCONTENT), 1u);
    EXPECT_TRUE(ListVisible());

    SetText("C:\\");
    PressKey(VK_LEFT); // a drive root: nothing happens in the list
    EXPECT_EQ(ListPath(), "C:\\");
    EXPECT_EQ(m_pEdit->Text(), "C:\\");
    EXPECT_TRUE(ListVisible());
}

TEST_F(DropDirListTest, RightMovesPastTheCurrentFolderAndItsChildren)
{
    SetText(m_cur);
    OpenFocused();
    PressKey(VK_RIGHT);
    EXPECT_EQ(ListPath(), m_mid + "Zed\\");
    EXPECT_EQ(m_pEdit->Text(), m_mid + "Zed\\");
    EXPECT_EQ(Rows()[SelectedRow()].icon, CDirList::IconCurrentFolder);
}

TEST_F(DropDirListTest, EscapeWritesBackTheFolderTheEditHadAndCancels)
{
    SetText(m_cur);
    OpenFocused();
    harness::MessageRecorder recorder;
    recorder.Watch(m_pEdit->m_hWnd, "edit");
    PressKey(VK_LEFT);
    PressKey(VK_LEFT);
    ASSERT_NE(m_pEdit->Text(), m_cur);
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(m_pEdit->Text(), m_cur);
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    const auto closes = recorder.Of(m_pEdit->m_hWnd, CDropBaseEdit::WM_CLOSE_DROPDOWN_WND);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].wParam, 0u);
    EXPECT_EQ(m_pDlg->m_nCancelCount, 0);
}

TEST_F(DropDirListTest, EscapeOnAnEmptyEditLeavesItEmpty)
{
    OpenFocused();
    PressKey(VK_DOWN);
    ASSERT_NE(m_pEdit->Text(), "");
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(m_pEdit->Text(), "");
}

TEST_F(DropDirListTest, SelectedRowKeepsThreeRowsInViewAboveIt)
{
    for (int i = 0; i < 40; ++i)
    {
        char name[32];
        wsprintfA(name, "wide\\s%02d\\", i);
        m_tree.MakeDir(name);
    }
    // s20 lies deep enough that the list must scroll to keep three rows above it.
    for (const char* folder : { "s20", "s39", "s00" })
    {
        SCOPED_TRACE(folder);
        SetText(m_tree.Path() + "wide\\" + folder);
        Open();
        const int nSel = SelectedRow();
        ASSERT_EQ(Rows()[nSel].icon, CDirList::IconCurrentFolder);
        const int nTop = static_cast<int>(::SendMessageA(ListBox(), LB_GETTOPINDEX, 0, 0));
        if (std::string(folder) == "s39")
        {
            // Near the end the list cannot scroll that far; the row is in view all the same.
            EXPECT_LE(nTop, nSel);
        }
        else
        {
            EXPECT_EQ(nTop, nSel - 3);
        }
        PressKey(VK_ESCAPE);
    }
}

TEST_F(DropDirListTest, EnterInTheListAcceptsTheSelection)
{
    SetText(m_cur);
    OpenFocused();
    harness::MessageRecorder recorder;
    recorder.Watch(m_pEdit->m_hWnd, "edit");
    PressKey(VK_DOWN); // moves to c1 and writes it
    EXPECT_EQ(m_pEdit->Text(), m_cur + "c1\\");
    PressKey(VK_RETURN);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(m_pEdit->Text(), m_cur + "c1\\");
    const auto closes = recorder.Of(m_pEdit->m_hWnd, CDropBaseEdit::WM_CLOSE_DROPDOWN_WND);
    ASSERT_EQ(closes.size(), 1u);
    EXPECT_EQ(closes[0].wParam, 1u);
    EXPECT_EQ(m_pDlg->m_nOkCount, 0);
}

TEST_F(DropDirListTest, ClickRebuildsOnlyWhenTheFolderOrItsNeighbourhoodChanges)
{
    SetText(m_mid + "Zed");
    OpenFocused();
    harness::MessageRecorder recorder;
    recorder.Watch(ListBox(), "list");
    // Zed and alpha: same parent, no subfolders on either side.
    harness::Click(RowPoint(RowOf(m_mid + "alpha\\")));
    EXPECT_EQ(m_pEdit->Text(), m_mid + "alpha\\");
    EXPECT_EQ(recorder.Count(ListBox(), LB_RESETCONTENT), 0u);
    EXPECT_EQ(Rows()[SelectedRow()].path, m_mid + "alpha\\");
    EXPECT_TRUE(ListVisible());
    // cur has subfolders: the list is rebuilt around it.
    harness::Click(RowPoint(RowOf(m_cur)));
    EXPECT_EQ(m_pEdit->Text(), m_cur);
    EXPECT_EQ(recorder.Count(ListBox(), LB_RESETCONTENT), 1u);
    EXPECT_EQ(Rows(), ExpectedAround(m_cur, m_mid));
}

TEST_F(DropDirListTest, DoubleClickWritesTheFolderAndAccepts)
{
    SetText(m_cur);
    OpenFocused();
    harness::DoubleClick(RowPoint(RowOf(m_mid + "alpha\\")));
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(m_pEdit->Text(), m_mid + "alpha\\");
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
}

TEST_F(DropDirListTest, FolderDeletedWhileTheListIsOpenShortensIt)
{
    SetText(m_cur);
    OpenFocused();
    const int nAlpha = RowOf(m_mid + "alpha\\");
    m_tree.Remove("deep\\mid\\alpha");
    harness::Click(RowPoint(nAlpha));
    EXPECT_TRUE(ListVisible());
    EXPECT_EQ(ListPath(), m_mid);
    EXPECT_EQ(m_pEdit->Text(), m_mid);
    EXPECT_EQ(RowOf(m_mid + "alpha\\"), -1);

    // A double click whose folder went away after its first click keeps the list open on what
    // is left (the first click selected the row; the second arrives as the double click).
    const int nZed = RowOf(m_mid + "Zed\\");
    ASSERT_GE(nZed, 0);
    ::SendMessageA(ListBox(), LB_SETCURSEL, nZed, 0);
    m_tree.Remove("deep\\mid\\Zed");
    List()->SendMessage(WM_COMMAND, MAKEWPARAM(CDropDirListWnd::kListId, LBN_DBLCLK),
                        reinterpret_cast<LPARAM>(ListBox()));
    EXPECT_TRUE(ListVisible());
    EXPECT_EQ(m_pEdit->Text(), m_mid);
    EXPECT_EQ(RowOf(m_mid + "Zed\\"), -1);
    EXPECT_EQ(m_beeps.Count(), 0);
}

TEST_F(DropDirListTest, ListTakesTheEditsDropFontOnFirstShowing)
{
    Open();
    ASSERT_NE(m_pEdit->GetDropWndFont(), nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(ListBox(), WM_GETFONT, 0, 0)),
              static_cast<HFONT>(m_pEdit->GetDropWndFont()->GetSafeHandle()));
}

TEST_F(DropDirListTest, PathHandedInWhileHiddenOnlyMovesTheList)
{
    SetText(m_cur);
    EXPECT_EQ(ListPath(), m_cur);
    EXPECT_EQ(::SendMessageA(ListBox(), LB_GETCOUNT, 0, 0), 0);
    List()->SetPath(""); // ignored
    EXPECT_EQ(ListPath(), m_cur);
}
