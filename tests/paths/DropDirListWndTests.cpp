// The drive and folder list: its rows and icons around a drive root and a deep folder, path
// completion, lower-case drive letters, disk changes and vanished folders, and the keys and
// clicks that move through it, or through the file tree, and close it.
#include <tuple>
#include "PathsFixture.h"
#include "VolumeUtils.h"

using namespace pathtest;

namespace
{
// One row of the list as the user sees it, with the path it stands for.
struct Row
{
    std::string text;
    int icon = -1;
    std::string path;
    bool operator==(const Row& o) const { return std::tie(text, icon, path) == std::tie(o.text, o.icon, o.path); }
};

// Every drive whose letter sorts below (or above) first, with the icon its type calls for.
std::vector<Row> DriveRows(bool before, char first)
{
    TextArray roots;
    VolumeUtils::GetDriveInformation(&roots, nullptr, nullptr, nullptr);
    std::vector<Row> rows;
    for (size_t i = 0; i < roots.GetCount(); ++i)
    {
        const std::string root = static_cast<const char*>(roots[i]);
        const signed char c = static_cast<signed char>(root[0]);
        if (before ? c >= static_cast<signed char>(first) : c <= static_cast<signed char>(first))
            continue;
        const UINT type = ::GetDriveTypeA(root.c_str());
        const int icon = type == DRIVE_CDROM       ? CDirList::IconCdRomDrive
                         : type == DRIVE_REMOVABLE ? CDirList::IconRemovableDrive
                         : type == DRIVE_REMOTE    ? CDirList::IconNetworkDrive
                                                   : CDirList::IconDrive;
        rows.push_back({ root, icon, root });
    }
    return rows;
}

// Scratch tree: deep\mid\ holds alpha, cur (with c1 and c2), Zed and a hidden folder.
class DropDirListTest : public PathEditTest
{
protected:
    void SetUp() override
    {
        PathEditTest::SetUp();
        for (const char* dir : { "deep\\mid\\alpha\\", "deep\\mid\\cur\\c1\\", "deep\\mid\\cur\\c2\\",
                                 "deep\\mid\\Zed\\", "deep\\mid\\hidden\\" })
            m_scratch.MakeDir(dir);
        m_scratch.SetAttributes("deep\\mid\\hidden", FILE_ATTRIBUTE_HIDDEN);
        m_mid = m_scratch.Path() + "deep\\mid\\";
        m_cur = m_mid + "cur\\";
    }

    // The rows expected around a current folder inside mid (both written as the edit was given
    // them, which may differ from the disk in letter case).
    static std::vector<Row> ExpectedAround(const std::string& current, const std::string& mid)
    {
        std::vector<Row> rows = DriveRows(true, current[0]);
        // The chain from the drive root down to mid, each step indented one "..\" further.
        std::string indent;
        for (size_t from = 0, end = 0; (end = mid.find('\\', from)) != std::string::npos; from = end + 1)
        {
            rows.push_back({ indent + mid.substr(from, end - from) + "\\",
                             from == 0 ? CDirList::IconDrive : CDirList::IconParentFolder, mid.substr(0, end + 1) });
            indent += "..\\";
        }
        for (const char* name : { "alpha", "cur", "Zed" })
        {
            const std::string path = mid + name + "\\";
            const bool bCurrent = path == current;
            rows.push_back({ indent + name + "\\", bCurrent ? CDirList::IconCurrentFolder : CDirList::IconFolder, path });
            for (const char* child : { "c1", "c2" })
                if (bCurrent)
                    rows.push_back({ indent + name + "\\" + child + "\\", CDirList::IconSubfolder, path + child + "\\" });
        }
        for (const Row& drive : DriveRows(false, current[0]))
            rows.push_back(drive);
        return rows;
    }
    std::vector<Row> Rows() const
    {
        std::vector<Row> rows;
        auto* pList = static_cast<CDirList*>(CWnd::FromHandlePermanent(ListBox()));
        // The paths behind the rows, as the list keeps them; the selection is put back after.
        const int nSel = pList->GetCurSel();
        const int nTop = pList->GetTopIndex();
        for (int i = 0; i < pList->GetCount(); ++i)
        {
            pList->SetCurSel(i);
            rows.push_back({ harness::ListRow(ListBox(), i), pList->GetItemIcon(i),
                             static_cast<const char*>(List()->GetSelectedPath()) });
        }
        pList->SetCurSel(nSel);
        pList->SetTopIndex(nTop);
        return rows;
    }
    Row Selected() const { return Rows().at(static_cast<size_t>(::SendMessageA(ListBox(), LB_GETCURSEL, 0, 0))); }
    int RowOf(const std::string& path) const
    {
        const std::vector<Row> rows = Rows();
        const auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return row.path == path; });
        return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
    }
    // Screen point in the middle of a row.
    POINT RowPoint(int nRow) const
    {
        RECT rc = {};
        ::SendMessageA(ListBox(), LB_GETITEMRECT, nRow, reinterpret_cast<LPARAM>(&rc));
        POINT pt = { rc.left + 40, (rc.top + rc.bottom) / 2 };
        ::ClientToScreen(ListBox(), &pt);
        return pt;
    }
    std::string m_mid;
    std::string m_cur;
};
}

TEST_F(DropDirListTest, RowsAroundADriveRootOrADeepFolder)
{
    // Before any path is handed in, the list opens on C:\, its subfolders with "..\" before each.
    Open();
    const std::vector<Row> rows = Rows();
    EXPECT_NE(std::find(rows.begin(), rows.end(), Row{ "..\\windows\\", CDirList::IconFolder, "C:\\windows\\" }),
              rows.end());
    EXPECT_EQ(Selected(), (Row{ "C:\\", CDirList::IconDrive, "C:\\" }));
    PressKey(VK_ESCAPE);

    std::string lowerMid = m_mid;
    lowerMid[0] = static_cast<char>(tolower(lowerMid[0]));
    const struct
    {
        const char* name;
        std::string text;
        std::string mid;
    } cases[] = {
        { "with its backslash", m_cur, m_mid },
        // A lower-case letter sorts after every drive: all of them come before the chain.
        { "lower-case drive letter", lowerMid + "cur\\", lowerMid },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(c.text);
        Open();
        EXPECT_EQ(Rows(), ExpectedAround(c.mid + "cur\\", c.mid));
        EXPECT_EQ(Selected().path, c.mid + "cur\\");
        PressKey(VK_ESCAPE);
    }
}

// Regression guard for the kept listing of a wide folder: a folder last written long ago is not
// read again while its time stands, and an entry made since changes that time. A folder deleted
// under the edit opens the list on its nearest existing parent, a drive gone on the drives alone.
TEST_F(DropDirListTest, DiskChangesShowAtTheNextOpening)
{
    HANDLE hMid = ::CreateFileA(m_mid.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(hMid, INVALID_HANDLE_VALUE);
    const FILETIME longAgo = { 0, 0x01D00000 }; // in 2014
    ::SetFileTime(hMid, nullptr, nullptr, &longAgo);
    ::CloseHandle(hMid);
    SetText(m_cur);
    for (const char* made : { "", "deep\\mid\\beta\\" })
    {
        SCOPED_TRACE(made);
        if (*made != '\0')
            m_scratch.MakeDir(made);
        Open();
        EXPECT_EQ(RowOf(m_mid + "beta\\") >= 0, *made != '\0');
        PressKey(VK_ESCAPE);
    }
    m_scratch.Remove("deep\\mid\\cur");
    Open();
    EXPECT_EQ(Shown(), m_mid);
    EXPECT_EQ(Selected().icon, CDirList::IconCurrentFolder);
    EXPECT_EQ(RowOf(m_cur), -1);
    PressKey(VK_ESCAPE);

    // A drive gone under the edit (one that never was, handed to the list as the edit would hand
    // it the folder it held) leaves the drives alone in the list.
    List()->SetPath("Q:\\");
    m_pEdit->ShowList();
    EXPECT_EQ(Rows(), DriveRows(true, 0x7f));
}

// Keys in the folder list or the file tree, and double clicks on a list row or a tree label. The
// rows of one edit run on one edit, each from its text.
TEST_F(DropDirListTest, KeysAndDoubleClicksInEitherDropWindowMoveWriteAndClose)
{
    const std::string alpha = m_mid + "alpha\\";
    const std::string txt = Path("docs\\a.txt");
    const std::string bTxt = Path("docs\\B.TXT");
    const struct
    {
        const char* name;
        Edit edit;
        std::string text;
        std::vector<WORD> keys;    // pressed with the focus in the drop window
        std::string doubleClicked; // a list row's folder or a tree item's path, or empty
        std::string after;
        int close;                // -1: stays open; else the accept flag the edit is told
        bool browse = false;      // browsing from the start folder mid
        bool besideLabel = false; // the double click lands in the empty space right of the label
    } cases[] = {
        // Regression: Escape wrote "C:\" into an edit that had never held a folder.
        { "Escape on an empty edit leaves it empty", Edit::Dir, "", { VK_DOWN, VK_ESCAPE }, "", "", 0 },
        { "Left goes up and writes the parent", Edit::Dir, m_cur, { VK_LEFT }, "", m_mid, -1 },
        { "Left on a drive root does nothing", Edit::Dir, "C:\\", { VK_LEFT }, "", "C:\\", -1 },
        { "Right moves past the current folder's children", Edit::Dir, m_cur, { VK_RIGHT }, "", m_mid + "Zed\\", -1 },
        { "Enter accepts the row Down wrote", Edit::Dir, m_cur, { VK_DOWN, VK_RETURN }, "", m_cur + "c1\\", 1 },
        { "Escape writes back the edit's folder", Edit::Dir, m_cur, { VK_LEFT, VK_LEFT, VK_ESCAPE }, "", m_cur, 0 },
        { "double click writes and accepts", Edit::Dir, m_cur, {}, alpha, alpha, 1 },
        // Regression: Escape brought back the folder an emptied edit had held, or the start
        // folder an empty edit browsed from.
        { "Escape on an emptied edit leaves it empty", Edit::Dir, "", { VK_DOWN, VK_ESCAPE }, "", "", 0 },
        { "Escape after browsing from the start folder", Edit::Dir, "", { VK_DOWN, VK_ESCAPE }, "", "", 0, true },
        { "Enter in the tree accepts without a pick", Edit::File, txt, { VK_RETURN }, "", txt, 1 },
        { "a key move in the tree is a pick that Escape keeps", Edit::File, txt, { VK_DOWN, VK_ESCAPE }, "",
          Path("docs\\app1.exe"), 0 },
        { "double click on a file label", Edit::File, txt, {}, bTxt, bTxt, 1 },
        { "double click on a folder label", Edit::File, txt, {}, Path("docs\\sub"), txt, -1 },
        { "double click beside a file label", Edit::File, txt, {}, bTxt, txt, -1, false, true },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        if (c.edit != m_edit)
            MakeEdit(c.edit);
        if (c.browse)
            m_pEdit->SetInitBrowseToDir(m_mid.c_str());
        SetText(c.text);
        m_pEdit->ShowList();
        harness::MessageRecorder recorder;
        recorder.Watch(m_pEdit->m_hWnd, "edit");
        for (WORD vk : c.keys)
            PressKey(vk);
        if (!c.doubleClicked.empty() && c.edit == Edit::Dir)
            harness::DoubleClick(RowPoint(RowOf(c.doubleClicked)));
        if (!c.doubleClicked.empty() && c.edit != Edit::Dir)
            harness::DoubleClick(LabelPoint(Tree(), Find(Tree(), c.doubleClicked), c.besideLabel));
        // The window closes once at most, telling the edit the accept flag, and the focus is back
        // in the edit; the keys never reach the host's OK or Cancel.
        EXPECT_EVENTUALLY(DropVisible() == (c.close < 0));
        const auto closes = recorder.Of(m_pEdit->m_hWnd, CDropBaseEdit::WM_CLOSE_DROPDOWN_WND);
        ASSERT_EQ(closes.size(), c.close < 0 ? 0u : 1u);
        if (c.close >= 0)
        {
            EXPECT_EQ(closes[0].wParam, static_cast<WPARAM>(c.close));
            EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
        }
        EXPECT_EQ(m_pDlg->m_nOkCount + m_pDlg->m_nCancelCount, 0);
        EXPECT_EQ(Text(), c.after);
        if (c.close < 0 && c.edit == Edit::Dir)
        {
            EXPECT_EQ(Selected().path, c.after);
            EXPECT_EQ(Selected().icon, c.after.size() > 3 ? CDirList::IconCurrentFolder : CDirList::IconDrive);
        }
        if (c.close < 0)
            PressKey(VK_ESCAPE);
    }
}

TEST_F(DropDirListTest, AClickWritesItsFolderAndRebuildsOnlyWhenItsNeighbourhoodChangesButRefusesAVanishedFolder)
{
    SetText(m_mid + "Zed");
    m_pEdit->ShowList();
    harness::MessageRecorder recorder;
    recorder.Watch(ListBox(), "list");
    // Zed and alpha: same parent, no subfolders on either side, so the rows stay as they are.
    harness::Click(RowPoint(RowOf(m_mid + "alpha\\")));
    EXPECT_EQ(Text(), m_mid + "alpha\\");
    EXPECT_EQ(recorder.Count(ListBox(), LB_RESETCONTENT), 0u);
    harness::Click(RowPoint(RowOf(m_cur)));
    EXPECT_EQ(Text(), m_cur);
    EXPECT_EQ(Rows(), ExpectedAround(m_cur, m_mid));

    // Regression: a folder deleted while the list was open could still be picked, and the edit
    // was left holding its parent. The pick is refused with a beep, the rows are read again and
    // the edit keeps its folder; so for a double click whose folder went after its first click.
    const int nAlpha = RowOf(m_mid + "alpha\\");
    m_scratch.Remove("deep\\mid\\alpha");
    harness::Click(RowPoint(nAlpha));
    EXPECT_TRUE(DropVisible());
    EXPECT_EQ(Text(), m_cur);
    EXPECT_EQ(Selected().path, m_cur);
    EXPECT_EQ(RowOf(m_mid + "alpha\\"), -1);
    EXPECT_EQ(m_beeps.Count(), 1);

    const int nZed = RowOf(m_mid + "Zed\\");
    ASSERT_GE(nZed, 0);
    ::SendMessageA(ListBox(), LB_SETCURSEL, nZed, 0);
    m_scratch.Remove("deep\\mid\\Zed");
    List()->SendMessage(WM_COMMAND, MAKEWPARAM(CDropDirListWnd::kListId, LBN_DBLCLK),
                        reinterpret_cast<LPARAM>(ListBox()));
    EXPECT_TRUE(DropVisible());
    EXPECT_EQ(Text(), m_cur);
    EXPECT_EQ(RowOf(m_mid + "Zed\\"), -1);
    EXPECT_EQ(m_beeps.Count(), 2);
}
