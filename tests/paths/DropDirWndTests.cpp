// The directory tree drop window under a file-like test edit, driven by real keys and clicks:
// following the edit's path, handing picks back by the read-only rule, closing on Enter,
// Escape and a double-click on a file, widening, filtering, the disk seen anew at each showing,
// and its failure paths.
#include "FileTreeFixture.h"
#include "FaultInjection.h"
#include "LogCapture.h"
#include "MessageRecorder.h"

using namespace filetreetest;

TEST_F(DropDirWndTest, ShowingSelectsTheEditsFileInTheEditsFont)
{
    MakeEdit(true, Path("docs\\c.log"));
    Open();
    EXPECT_EQ(SelectedPath(Tree()), Path("docs\\c.log"));
    EXPECT_EQ(Drop()->GetSelectedPath(), Path("docs\\c.log").c_str());
    EXPECT_EQ(DropRect().Height(), CDropDirWnd::kHeight);
    EXPECT_EQ(m_pEdit->m_nChanges, 0) << "selecting the edit's own path is no pick";

    ASSERT_NE(m_pEdit->m_pDropWndFont, nullptr);
    LOGFONTA wanted{};
    LOGFONTA shown{};
    m_pEdit->m_pDropWndFont->GetLogFont(&wanted);
    ::GetObjectA(reinterpret_cast<HFONT>(Tree().SendMessage(WM_GETFONT)), sizeof(shown), &shown);
    EXPECT_EQ(shown.lfHeight, wanted.lfHeight);
    EXPECT_STREQ(shown.lfFaceName, wanted.lfFaceName);
}

TEST_F(DropDirWndTest, ReadOnlyEditTakesOnlyFilesFromAClick)
{
    struct Row
    {
        bool readOnly;
        const char* clicked;
        const char* expectedText; // relative; null: the edit keeps its text
    } rows[] = {
        { true, "docs\\a.txt", "docs\\a.txt" },
        { true, "docs\\sub", nullptr },
        { false, "docs\\a.txt", "docs\\a.txt" },
        // A folder pick keeps the file name the edit holds.
        { false, "docs\\sub", "docs\\sub\\c.log" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.readOnly ? "read-only, " : "editable, ") + row.clicked);
        MakeEdit(row.readOnly, Path("docs\\c.log"));
        Open();
        HTREEITEM hItem = Find(Tree(), Path(row.clicked));
        ASSERT_NE(hItem, nullptr);
        ClickLabel(Tree(), hItem);
        EXPECT_EQ(Tree().GetSelectedItem(), hItem);
        EXPECT_EQ(m_pEdit->Text(), Path(row.expectedText != nullptr ? row.expectedText : "docs\\c.log"));
        EXPECT_TRUE(DropVisible()) << "a single click never closes";
        TearDown();
    }
}

TEST_F(DropDirWndTest, PickDoesNotMoveTheTreeWhenTheEditHandsItsTextBack)
{
    m_scratch.Make("other\\c.log");
    MakeEdit(false, Path("docs\\c.log"));
    Open();
    HTREEITEM hOther = Find(Tree(), Path("other"));
    ASSERT_NE(hOther, nullptr);
    ClickLabel(Tree(), hOther);
    EXPECT_EQ(m_pEdit->Text(), Path("other\\c.log"));
    // The edit's text names a file under the picked folder; the tree stays on the folder.
    EXPECT_EQ(Tree().GetSelectedItem(), hOther);
    EXPECT_EQ(m_pEdit->m_nChanges, 1);
}

TEST_F(DropDirWndTest, DoubleClickClosesOnlyOnAFileLabel)
{
    struct Row
    {
        const char* name;
        const char* item;
        bool onLabel;
        bool closes;
        const char* expectedText;
    } rows[] = {
        { "file label", "docs\\a.txt", true, true, "docs\\a.txt" },
        { "folder label", "docs\\sub", true, false, "docs\\c.log" },
        { "beside a folder label", "docs\\sub", false, false, "docs\\c.log" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        MakeEdit(true, Path("docs\\c.log"));
        Open();
        HTREEITEM hItem = Find(Tree(), Path(row.item));
        ASSERT_NE(hItem, nullptr);
        Tree().EnsureVisible(hItem);
        harness::Pump();
        POINT pt = LabelPoint(Tree(), hItem);
        if (!row.onLabel)
        {
            CRect rcLabel;
            Tree().GetItemRect(hItem, &rcLabel, TRUE);
            pt.x += rcLabel.Width() / 2 + 40; // empty space right of the label
        }
        harness::DoubleClick(pt);
        EXPECT_EVENTUALLY(DropVisible() != row.closes);
        EXPECT_EQ(m_pEdit->Text(), Path(row.expectedText));
        TearDown();
    }
}

TEST_F(DropDirWndTest, EnterAcceptsAndEscapeCancelsWithoutAPick)
{
    const struct Row
    {
        WORD key;
        WPARAM accept;
    } rows[] = { { VK_RETURN, 1 }, { VK_ESCAPE, 0 } };
    MakeEdit(true, Path("docs\\c.log"));
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.key);
        Open();
        FocusTree();
        harness::MessageRecorder recorder;
        recorder.Watch(m_pEdit->m_hWnd, "edit");
        harness::PressKey(row.key);
        EXPECT_FALSE(DropVisible());
        const auto closes = recorder.Of(m_pEdit->m_hWnd, CDropBaseEdit::WM_CLOSE_DROPDOWN_WND);
        ASSERT_EQ(closes.size(), 1u);
        EXPECT_EQ(closes[0].wParam, row.accept);
        EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
        EXPECT_EQ(m_pEdit->Text(), Path("docs\\c.log"));
    }
    EXPECT_EQ(m_host.m_nOkCount + m_host.m_nCancelCount, 0) << "the keys stay with the control";
}

TEST_F(DropDirWndTest, OpeningAWiderBranchWidensTheWindow)
{
    m_scratch.Make("docs\\sub\\a folder with a name far wider than the drop window itself\\");
    MakeEdit(true, Path("docs\\c.log"));
    Open();
    const int nWidthBefore = DropRect().Width();
    HTREEITEM hSub = Find(Tree(), Path("docs\\sub"));
    ASSERT_NE(hSub, nullptr);
    FocusTree();
    Tree().SelectItem(hSub);
    harness::PressKey(VK_RIGHT);
    ASSERT_TRUE(Tree().IsBranchExpanded(hSub));
    EXPECT_GT(DropRect().Width(), nWidthBefore);
    EXPECT_EQ(Drop()->m_nPreferredWidth, Tree().GetHorizontalExtent());

    // Opening a branch that needs no more room places nothing again.
    const int nMoves = m_pEdit->m_nAppMoves;
    HTREEITEM hOnlyLog = Find(Tree(), Path("onlylog"));
    ASSERT_NE(hOnlyLog, nullptr);
    Tree().SelectItem(hOnlyLog);
    harness::PressKey(VK_RIGHT);
    ASSERT_TRUE(Tree().IsBranchExpanded(hOnlyLog));
    EXPECT_EQ(m_pEdit->m_nAppMoves, nMoves);
}

TEST_F(DropDirWndTest, ExtensionFilterWithAStarAnywhereShowsEveryFile)
{
    const Labels& all = kDocsLabels;
    struct Row
    {
        const char* name;
        std::vector<const char*> exts;
        Labels expected;
    } rows[] = {
        { "text files", { "txt" }, { "sub", "a.txt", "B.TXT" } },
        { "star after an extension", { "txt", "*" }, all },
        { "logs again", { "log" }, { "sub", "c.log" } },
        { "star first", { "*", "log" }, all },
        { "empty list", {}, all },
    };
    MakeEdit(true, Path("docs\\"));
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        CStringArray exts;
        for (const char* ext : row.exts)
            exts.Add(ext);
        Drop()->SetExt(exts);
        Drop()->SetPath(Path("docs\\").c_str());
        Open();
        EXPECT_EQ(ChildLabels(Tree(), Find(Tree(), Path("docs"))), row.expected);
        harness::PressKey(VK_ESCAPE);
        ASSERT_FALSE(DropVisible());
    }
}

TEST_F(DropDirWndTest, DiskChangesShowAtTheNextShowing)
{
    MakeEdit(true, Path("docs\\a.txt"));
    Open();
    harness::PressKey(VK_F9);
    ASSERT_FALSE(DropVisible());
    m_scratch.Remove("docs\\c.log");
    m_scratch.Make("docs\\zz.txt");
    m_scratch.Remove("docs\\sub");
    m_scratch.Make("docs\\newdir\\inner.txt");
    Open();
    // New entries take the places a fresh listing gives them: folders first, then files.
    EXPECT_EQ(ChildLabels(Tree(), Find(Tree(), Path("docs"))),
              (Labels{ "newdir", "a.txt", "app1.exe", "app2.exe", "B.TXT", "notes", "readme", "zz.txt" }));
    EXPECT_EQ(SelectedPath(Tree()), Path("docs\\a.txt"));
}

TEST_F(DropDirWndTest, RefreshOnShowingMovesTheSelectionOffAGoneFolderWithoutAPick)
{
    MakeEdit(false, Path("docs\\sub\\deep.txt"));
    Open();
    harness::PressKey(VK_F9);
    m_scratch.Remove("docs\\sub");
    Open();
    EXPECT_EQ(Tree().GetTreeDirMatch(Find(Tree(), Path("docs")), "sub", false), nullptr);
    // The selection moved off the vanished branch to a neighbour; the edit was not told.
    const CString selected = Drop()->GetSelectedPath();
    EXPECT_TRUE(FileUtils::DoesFileExist(selected)) << selected;
    EXPECT_EQ(m_pEdit->m_nChanges, 0);
    EXPECT_EQ(m_pEdit->Text(), Path("docs\\sub\\deep.txt"));
}

TEST_F(DropDirWndTest, SetPathIsRememberedWhileHiddenAndEmptyPathsAreIgnored)
{
    MakeEdit(true);
    Drop()->SetPath(Path("onlylog\\x.log").c_str());
    Drop()->SetPath("");
    EXPECT_TRUE(Drop()->GetSelectedPath().IsEmpty() || Drop()->GetSelectedPath() != Path("onlylog\\x.log").c_str())
        << "a hidden window does not move its tree";
    Open();
    EXPECT_EQ(SelectedPath(Tree()), Path("onlylog\\x.log"));
    Drop()->SetPath(Path("docs\\B.TXT").c_str());
    EXPECT_EQ(SelectedPath(Tree()), Path("docs\\B.TXT"));
}

TEST_F(DropDirWndTest, TreeThatCannotBeMadeLeavesAPlainEdit)
{
    // The drop window's own creation is the first window, its tree the second; the tree is the
    // drop window's first allocation.
    struct Row
    {
        const char* name;
        FaultInjection::Kind kind;
        int nth;
        size_t treeTags;
    } rows[] = {
        { "tree window not created", FaultInjection::kWindowCreation, 2, 1 },
        { "tree object not allocated", FaultInjection::kAllocation, 1, 0 },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        harness::LogCapture log;
        ASSERT_TRUE(m_host.CreateHost({ 100, 100 }, { 400, 300 }, { 10, 10, 210, 34 }));
        m_pEdit = new CTestFileEdit(true);
        FaultInjection::FailNth(row.kind, row.nth);
        CDropDirWnd* pDrop = new CDropDirWnd(true);
        EXPECT_FALSE(m_pEdit->Attach(m_host.Edit(), pDrop));
        FaultInjection::Reset();
        size_t nTreeTags = 0;
        for (const CString& line : log.Lines())
            nTreeTags += line == "{F540E50F-DA2E-4BF5-A011-2801CE3BF299}" ? 1 : 0;
        EXPECT_EQ(nTreeTags, row.treeTags);

        pDrop->SetPath(Path("docs\\a.txt").c_str());
        pDrop->SetExt(CStringArray());
        pDrop->InitDropWindow();
        EXPECT_TRUE(pDrop->GetSelectedPath().IsEmpty());
        m_host.FocusEdit();
        harness::PressKey(VK_F9);
        EXPECT_FALSE(::IsWindowVisible(pDrop->m_hWnd));
        TearDown();
    }
}
