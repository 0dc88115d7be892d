// The directory edit: the texts it accepts and refuses, path-preserving deletion, refused
// characters, guarded clipboard commands, the initial browse folder, keys, resizing, placement
// of its list and its failure paths.
#include "PathsFixture.h"

using namespace pathtest;

TEST_F(DirEditTest, OnlyAnExistingFolderOrNothingIsAcceptedAsText)
{
    const std::string root = m_scratch.Path();
    const std::string folder = Folder("p\\q");
    const std::string file = m_scratch.MakeFile("p\\f.txt", "x");
    const std::string start = Folder("start");
    const char kUntouched[] = "<untouched>";
    const struct
    {
        const char* name;
        std::string text;
        std::string edit;     // what the edit holds afterwards
        std::string listPath; // the list's folder afterwards, or kUntouched
    } cases[] = {
        { "folder without backslash", folder, folder, folder + "\\" },
        { "folder with backslash", folder + "\\", folder + "\\", folder + "\\" },
        { "folder with forward slashes", "C:/windows", "C:/windows", "C:\\windows\\" },
        { "drive root", "C:\\", "C:\\", "C:\\" },
        { "file: empty, list on its folder", file, "", root + "p\\" },
        { "missing folder", root + "nothing", "", kUntouched },
        { "characters a path cannot hold", root + "a?b|c", "", kUntouched },
        { "longer than MAX_PATH", root + std::string(300, 'x'), "", kUntouched },
        { "relative", "p\\q", "", kUntouched },
        { "UNC share that is not there", "\\\\nosuchhost\\share\\dir", "", kUntouched },
        { "missing drive", "Q:\\folder", "", kUntouched },
        { "plain words", "hello world", "", kUntouched },
        { "empty", "", "", kUntouched },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(start);
        ASSERT_EQ(m_pEdit->Text(), start);
        SetText(c.text);
        EXPECT_EQ(m_pEdit->Text(), c.edit);
        EXPECT_EQ(ListPath(), c.listPath == kUntouched ? start + "\\" : c.listPath);
        EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, static_cast<int>(c.edit.size())));
    }
    EXPECT_EQ(m_beeps.Count(), 0);
}

TEST_F(DirEditTest, NoCharacterCanBeTypedEvenWhenInitSaysWritable)
{
    MakeEdit(false);
    EXPECT_TRUE(m_pEdit->m_bReadOnly);
    const std::string p = Folder("p");
    const int n = static_cast<int>(p.size());
    RunEdits({
        { "letters", p, n, n, Type("aZ"), p, 2 },
        { "backslash, space, digit, semicolon", p, n, n, Type("\\ 1;"), p, 4 },
        { "a byte of the code page", p, n, n, Type("\xe9"), p, 1 },
        { "full stop", p, n, n, Type("."), p, 0 },
        { "Backspace's own character", p, n, n, Send(WM_CHAR, VK_BACK), p, 0 },
        { "Enter's own character", p, n, n, Send(WM_CHAR, '\r'), p, 0 },
        // Regression: a printable character typed with Ctrl held (Ctrl+Space; AltGr holds Ctrl)
        // was inserted unchecked.
        { "Ctrl+Shift+Space", p, n, n, Key(VK_SPACE, kCtrl | harness::kShift), p, 1 },
    });
}

TEST_F(DirEditTest, BackspaceAndDeleteLeaveOnlyExistingFolders)
{
    const std::string r = m_scratch.Path();
    for (const char* dir : { "ab", "abc", "xyz", "p\\q\\r", "p\\r" })
        m_scratch.MakeDir(dir);
    const int n = static_cast<int>(r.size());
    const int pqr = n + 5; // length of r + "p\q\r"
    const Input back = Key(VK_BACK);
    const Input del = Key(VK_DELETE);
    RunEdits(
        {
            { "Backspace right after a backslash", r + "p\\q", n + 2, n + 2, back, r + "p\\q" },
            { "Delete right before a backslash", r + "p\\q", n + 1, n + 1, del, r + "p\\q" },
            { "Backspace at the start", r + "p\\q", 0, 0, back, r + "p\\q" },
            { "Delete at the end", r + "p\\q", n + 3, n + 3, del, r + "p\\q" },
            { "Backspace to an existing folder", r + "abc", n + 3, n + 3, back, r + "ab" },
            { "Backspace to a missing folder", r + "ab", n + 2, n + 2, back, r + "ab", 1 },
            { "Delete inside a name to a missing folder", r + "abc", n + 1, n + 1, del, r + "abc", 1 },
            { "Delete of the last backslash and name", r + "p\\q", n + 1, n + 3, del, r + "p" },
            { "Backspace over the last backslash and name", r + "p\\q", n + 1, n + 3, back, r + "p" },
            { "backslash to backslash keeps the first", r + "p\\q\\r\\", n + 1, pqr + 1, del, r + "p\\" },
            { "a middle folder, leaving an existing one", r + "p\\q\\r", n + 2, n + 4, back, r + "p\\r" },
            { "a middle folder, leaving nothing", r + "p\\q\\r", n, n + 2, del, r + "p\\q\\r", 1 },
            { "whole text with Delete, unchecked", r + "p\\q", 0, n + 3, del, "" },
            { "whole text with Backspace, unchecked", r + "p\\q", 0, n + 3, back, "" },
            { "Backspace on a drive root", "C:\\", 3, 3, back, "C:\\" },
            { "Ctrl+Backspace: no word past the rules", r + "xyz", n + 3, n + 3, Key(VK_BACK, kCtrl), r + "xyz", 1 },
        },
        [&](const EditCase& c) {
            // The list follows an allowed deletion; emptying the edit tells it nothing.
            const std::string list = c.after == c.text || c.after.empty() ? c.text : c.after;
            EXPECT_EQ(ListPath(), list.back() == '\\' ? list : list + "\\");
        });
}

TEST_F(DirEditTest, ClipboardCommandsStandOnlyWhenTheyLeaveAFolderAndRefuseSilently)
{
    const std::string r = m_scratch.Path();
    const int n = static_cast<int>(r.size());
    for (const char* dir : { "abc", "p\\q\\r", "p\\r" })
        m_scratch.MakeDir(dir);
    const std::string file = m_scratch.MakeFile("p\\f.txt", "x");
    const std::string p = r + "p";
    const int all = n + 1;
    RunEdits({
        { "Ctrl+V of a folder over everything", p, 0, all, Paste(r + "abc"), r + "abc" },
        { "Ctrl+V of junk", p, 0, all, Paste("junk?"), p },
        { "Ctrl+V of a file", p, 0, all, Paste(file), p },
        { "Ctrl+V appending a subfolder", p, all, all, Paste("\\q"), r + "p\\q" },
        { "WM_PASTE of a missing folder", p, 0, all, Send(WM_PASTE, 0, r + "gone"), p },
        { "Ctrl+X leaving a folder", r + "p\\q\\r", n + 2, n + 4, Key('X', kCtrl), r + "p\\r" },
        { "Ctrl+X leaving nothing", r + "p\\q\\r", n, n + 2, Key('X', kCtrl), r + "p\\q\\r" },
        { "WM_CLEAR of everything", p, 0, all, Send(WM_CLEAR), "" },
    });
}

TEST_F(DirEditTest, BrowseFolderShowsForAnEmptyEditOrTheDriveRootFollowsPastesAndIsNormalised)
{
    const std::string browse = Folder("browse");
    const std::string other = Folder("other");
    m_pEdit->SetInitBrowseToDir(browse.c_str());
    for (const std::pair<std::string, std::string>& c : { std::make_pair(std::string(), browse + "\\"),
                                                          std::make_pair(std::string("c:\\"), browse + "\\"),
                                                          std::make_pair(std::string("C:\\"), browse + "\\"),
                                                          std::make_pair(other, other + "\\") })
    {
        SCOPED_TRACE(c.first);
        SetText(c.first);
        Open();
        EXPECT_EQ(ListPath(), c.second);
        PressKey(VK_ESCAPE);
        EXPECT_FALSE(DropVisible());
        EXPECT_EQ(m_pEdit->Text(), c.first);
    }

    // A pasted folder becomes the browse folder, undo goes back, and emptying the edit keeps it.
    const std::string p = Folder("p");
    m_pEdit->SetInitBrowseToDir(p.c_str());
    SetText(p);
    m_pEdit->SetSel(0, -1);
    ASSERT_TRUE(SetClipboard(other));
    PressKey('V', kCtrl);
    ASSERT_EQ(m_pEdit->Text(), other);
    EXPECT_EQ(std::string(m_pEdit->GetInitBrowsToDir()), other);
    EXPECT_EQ(ListPath(), other + "\\");
    PressKey('Z', kCtrl);
    EXPECT_EQ(m_pEdit->Text(), p);
    m_pEdit->SetSel(0, -1);
    m_pEdit->SendMessage(WM_CLEAR);
    EXPECT_EQ(m_pEdit->Text(), "");
    EXPECT_EQ(std::string(m_pEdit->GetInitBrowsToDir()), p);

    const std::string file = m_scratch.MakeFile("p\\f.txt", "x");
    const std::pair<std::string, std::string> normalised[] = {
        { "", p },                               // empty keeps the previous
        { file, p + "\\" },                      // a file stands for its folder
        { m_scratch.Path() + "gone", "" },       // a missing folder clears it
        { "<>|", "" },                           // so does junk
    };
    for (const auto& [given, stored] : normalised)
    {
        SCOPED_TRACE(given);
        m_pEdit->SetInitBrowseToDir(given.c_str());
        EXPECT_EQ(std::string(m_pEdit->GetInitBrowsToDir()), stored);
    }
}

TEST_F(DirEditTest, KeysOpenTheListUnderTheEditAndEnterClosesItSelectingTheText)
{
    PressKey(VK_DOWN);
    ASSERT_TRUE(DropVisible());
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    CRect rcEdit;
    CRect rcDrop;
    CRect rcClient;
    CRect rcList;
    m_pEdit->GetWindowRect(&rcEdit);
    List()->GetWindowRect(&rcDrop);
    List()->GetClientRect(&rcClient);
    ::GetWindowRect(ListBox(), &rcList);
    EXPECT_EQ(rcDrop.TopLeft(), CPoint(rcEdit.left, rcEdit.bottom));
    EXPECT_EQ(rcDrop.Size(), CSize(std::max(260, rcEdit.Width()), 240));
    EXPECT_EQ(rcList.Size(), rcClient.Size()) << "the list fills the drop window";
    PressKey(VK_DOWN); // the second moves the focus into the list
    EXPECT_TRUE(DropVisible());
    EXPECT_EQ(::GetFocus(), ListBox());
    PressKey(VK_ESCAPE);
    ASSERT_FALSE(DropVisible());
    m_pEdit->ShowList();
    ASSERT_TRUE(DropVisible());
    EXPECT_EQ(::GetFocus(), ListBox());
    m_pEdit->ShowList(); // already open: nothing changes
    EXPECT_TRUE(DropVisible());
    PressKey(VK_ESCAPE);

    const std::string p = Folder("p");
    SetText(p);
    m_pEdit->SetSel(2, 2);
    Open();
    PressKey(VK_RETURN);
    EXPECT_FALSE(DropVisible());
    EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, static_cast<int>(p.size())));
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    EXPECT_EQ(m_pDlg->m_nOkCount + m_pDlg->m_nCancelCount, 0) << "the keys stay with the control";
}

TEST_F(DirEditTest, ResizeCollapsesAWholeSelectionToTheStart)
{
    SetText(Folder("p")); // selects everything
    ::MoveWindow(m_pEdit->m_hWnd, 10, 10, 300, 24, TRUE);
    EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, 0));
    m_pEdit->SetSel(3, 6);
    ::MoveWindow(m_pEdit->m_hWnd, 10, 10, 320, 24, TRUE);
    EXPECT_EQ(m_pEdit->Sel(), std::make_pair(3, 6));
}

TEST_F(DirEditTest, WithoutItsListTheEditStillGuardsItsText)
{
    const std::string p = Folder("p");
    const std::string file = m_scratch.MakeFile("p\\f.txt");
    // The first window creation is the drop window's, the second its list's.
    RunFaults(true, "{956C4DC7-0834-418A-9EB3-E6690E3D3B52}", p, file,
              {
                  { "drop window not allocated", FaultInjection::kAllocation, 1, 0 },
                  { "list not created: logged", FaultInjection::kWindowCreation, 2, 1 },
              },
              [&] {
                  m_pEdit->ShowList();
                  m_pEdit->SetInitBrowseToDir(p.c_str());
                  SetText(p);
                  m_pEdit->SetSel(static_cast<int>(p.size()), static_cast<int>(p.size()));
                  PressKey(VK_BACK); // "...\" alone is the scratch root, an existing folder
                  EXPECT_EQ(m_pEdit->Text(), m_scratch.Path());
              });
}
