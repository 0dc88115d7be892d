// The directory edit: the texts it accepts and refuses, path-preserving deletion, refused
// characters, guarded clipboard commands, the initial browse folder, keys, resizing, its icon
// area and its failure paths.
#include "DirEditFixture.h"
#include "FaultInjection.h"
#include "Input.h"
#include "LogCapture.h"

using namespace pathtest;
using harness::kCtrl;
using harness::PressKey;

namespace
{
const char kUntouched[] = "<untouched>";

struct TextCase
{
    const char* name;
    std::string text;
    std::string edit;     // what the edit holds afterwards
    std::string listPath; // the list's folder afterwards, or kUntouched
};
}

TEST_F(DirEditTest, OnlyAnExistingFolderOrNothingIsAcceptedAsText)
{
    const std::string root = m_tree.Path();
    const std::string folder = Folder("p\\q");
    const std::string file = m_tree.MakeFile("p\\f.txt", "x");
    const std::string start = Folder("start");
    const TextCase cases[] = {
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
    for (const TextCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(start);
        ASSERT_EQ(m_pEdit->Text(), start);
        SetText(c.text);
        EXPECT_EQ(m_pEdit->Text(), c.edit);
        EXPECT_EQ(ListPath(), std::string(c.listPath) == kUntouched ? start + "\\" : c.listPath);
        EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, static_cast<int>(c.edit.size())));
    }
    EXPECT_EQ(m_beeps.Count(), 0);
}

TEST_F(DirEditTest, NoCharacterCanBeTypedEvenWhenInitSaysWritable)
{
    MakeHost(false);
    EXPECT_TRUE(m_pEdit->m_bReadOnly);
    const std::string folder = Folder("p");
    SetText(folder);
    m_pEdit->SetSel(static_cast<int>(folder.size()), static_cast<int>(folder.size()));
    struct CharCase
    {
        const char* typed;
        int beeps;
    };
    const CharCase cases[] = { { "a", 1 }, { "Z", 1 }, { "\\", 1 }, { " ", 1 }, { "1", 1 },
                               { ";", 1 }, { "\xe9", 1 }, { ".", 0 } };
    for (const CharCase& c : cases)
    {
        SCOPED_TRACE(c.typed);
        m_beeps.Reset();
        harness::TypeText(c.typed);
        EXPECT_EQ(m_beeps.Count(), c.beeps);
        EXPECT_EQ(m_pEdit->Text(), folder);
    }
    // Backspace's and Enter's own characters pass silently.
    m_beeps.Reset();
    m_pEdit->SendMessage(WM_CHAR, VK_BACK, 1);
    m_pEdit->SendMessage(WM_CHAR, '\r', 1);
    EXPECT_EQ(m_beeps.Count(), 0);
    EXPECT_EQ(m_pEdit->Text(), folder);
    // Regression: a printable character typed with Ctrl held (Ctrl+Space; AltGr holds Ctrl)
    // was inserted unchecked.
    harness::PressKey(VK_SPACE, harness::kCtrl | harness::kShift);
    EXPECT_EQ(m_beeps.Count(), 1);
    EXPECT_EQ(m_pEdit->Text(), folder);
}

namespace
{
struct DeleteCase
{
    const char* name;
    std::string text;
    int start;
    int end;
    WORD key;
    std::string after;
    int beeps;
};
}

TEST_F(DirEditTest, BackspaceAndDeleteLeaveOnlyExistingFolders)
{
    const std::string r = m_tree.Path();
    for (const char* dir : { "ab", "abc", "xyz", "p\\q\\r", "p\\r" })
        m_tree.MakeDir(dir);
    const int n = static_cast<int>(r.size());
    const int pqr = n + 5; // length of r + "p\q\r"
    const DeleteCase cases[] = {
        { "Backspace right after a backslash", r + "p\\q", n + 2, n + 2, VK_BACK, r + "p\\q", 0 },
        { "Delete right before a backslash", r + "p\\q", n + 1, n + 1, VK_DELETE, r + "p\\q", 0 },
        { "Backspace at the start", r + "p\\q", 0, 0, VK_BACK, r + "p\\q", 0 },
        { "Delete at the end", r + "p\\q", n + 3, n + 3, VK_DELETE, r + "p\\q", 0 },
        { "Backspace to an existing folder", r + "abc", n + 3, n + 3, VK_BACK, r + "ab", 0 },
        { "Backspace to a missing folder", r + "ab", n + 2, n + 2, VK_BACK, r + "ab", 1 },
        { "Delete inside a name to a missing folder", r + "abc", n + 1, n + 1, VK_DELETE, r + "abc", 1 },
        { "Delete of the last backslash and name", r + "p\\q", n + 1, n + 3, VK_DELETE, r + "p", 0 },
        { "Backspace over the last backslash and name", r + "p\\q", n + 1, n + 3, VK_BACK, r + "p", 0 },
        { "backslash to backslash keeps the first", r + "p\\q\\r\\", n + 1, pqr + 1, VK_DELETE, r + "p\\", 0 },
        { "a middle folder, leaving an existing one", r + "p\\q\\r", n + 2, n + 4, VK_BACK, r + "p\\r", 0 },
        { "a middle folder, leaving nothing", r + "p\\q\\r", n, n + 2, VK_DELETE, r + "p\\q\\r", 1 },
        { "whole text with Delete, unchecked", r + "p\\q", 0, n + 3, VK_DELETE, "", 0 },
        { "whole text with Backspace, unchecked", r + "p\\q", 0, n + 3, VK_BACK, "", 0 },
        { "Backspace on a drive root", "C:\\", 3, 3, VK_BACK, "C:\\", 0 },
    };
    for (const DeleteCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(r + "xyz");
        SetText(c.text);
        ASSERT_EQ(m_pEdit->Text(), c.text);
        m_pEdit->SetSel(c.start, c.end);
        m_beeps.Reset();
        PressKey(c.key);
        EXPECT_EQ(m_pEdit->Text(), c.after);
        EXPECT_EQ(m_beeps.Count(), c.beeps);
        // The list follows an allowed deletion; emptying the edit tells it nothing.
        const bool bChanged = c.after != c.text;
        const std::string expectedList = !bChanged || c.after.empty() ? c.text : c.after;
        EXPECT_EQ(ListPath(), expectedList.back() == '\\' ? expectedList : expectedList + "\\");
    }
}

TEST_F(DirEditTest, CtrlBackspaceCannotDeleteAWordPastTheRules)
{
    const std::string text = Folder("xyz");
    SetText(text);
    m_pEdit->SetSel(static_cast<int>(text.size()), static_cast<int>(text.size()));
    PressKey(VK_BACK, kCtrl);
    EXPECT_EQ(m_pEdit->Text(), text);
    EXPECT_EQ(m_beeps.Count(), 1); // the key itself: "...\xy" does not exist
}

namespace
{
enum class Command
{
    CtrlV,
    CtrlX,
    CtrlZ,
    Paste,
    Clear,
};

struct ClipboardCase
{
    const char* name;
    std::string text;
    int start;
    int end;
    std::string clipboard;
    Command command;
    std::string after;
};
}

TEST_F(DirEditTest, ClipboardCommandsStandOnlyWhenTheyLeaveAFolder)
{
    const std::string r = m_tree.Path();
    const int n = static_cast<int>(r.size());
    for (const char* dir : { "abc", "p\\q\\r", "p\\r" })
        m_tree.MakeDir(dir);
    const std::string file = m_tree.MakeFile("p\\f.txt", "x");
    const std::string p = r + "p";
    const int all = n + 1;
    const ClipboardCase cases[] = {
        { "Ctrl+V of a folder over everything", p, 0, all, r + "abc", Command::CtrlV, r + "abc" },
        { "Ctrl+V of junk", p, 0, all, "junk?", Command::CtrlV, p },
        { "Ctrl+V of a file", p, 0, all, file, Command::CtrlV, p },
        { "Ctrl+V appending a subfolder", p, all, all, "\\q", Command::CtrlV, r + "p\\q" },
        { "WM_PASTE of a missing folder", p, 0, all, r + "gone", Command::Paste, p },
        { "Ctrl+X leaving a folder", r + "p\\q\\r", n + 2, n + 4, "", Command::CtrlX, r + "p\\r" },
        { "Ctrl+X leaving nothing", r + "p\\q\\r", n, n + 2, "", Command::CtrlX, r + "p\\q\\r" },
        { "WM_CLEAR of everything", p, 0, all, "", Command::Clear, "" },
    };
    for (const ClipboardCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        SetText(c.text);
        m_pEdit->SetSel(c.start, c.end);
        if (!c.clipboard.empty())
        {
            ASSERT_TRUE(SetClipboard(c.clipboard));
        }
        m_beeps.Reset();
        switch (c.command)
        {
        case Command::CtrlV:
            PressKey('V', kCtrl);
            break;
        case Command::CtrlX:
            PressKey('X', kCtrl);
            break;
        case Command::CtrlZ:
            PressKey('Z', kCtrl);
            break;
        case Command::Paste:
            m_pEdit->SendMessage(WM_PASTE);
            break;
        case Command::Clear:
            m_pEdit->SendMessage(WM_CLEAR);
            break;
        }
        EXPECT_EQ(m_pEdit->Text(), c.after);
        EXPECT_EQ(m_beeps.Count(), 0); // refusals are silent
    }
}

TEST_F(DirEditTest, PastedFolderBecomesTheBrowseFolderAndUndoGoesBack)
{
    const std::string p = Folder("p");
    const std::string abc = Folder("abc");
    m_pEdit->SetInitBrowseToDir(p.c_str());
    SetText(p);
    m_pEdit->SetSel(0, -1);
    ASSERT_TRUE(SetClipboard(abc));
    PressKey('V', kCtrl);
    ASSERT_EQ(m_pEdit->Text(), abc);
    EXPECT_EQ(std::string(m_pEdit->GetInitBrowsToDir()), abc);
    EXPECT_EQ(ListPath(), abc + "\\");
    PressKey('Z', kCtrl);
    EXPECT_EQ(m_pEdit->Text(), p);
    // Emptying the edit keeps the browse folder.
    m_pEdit->SetSel(0, -1);
    m_pEdit->SendMessage(WM_CLEAR);
    EXPECT_EQ(m_pEdit->Text(), "");
    EXPECT_EQ(std::string(m_pEdit->GetInitBrowsToDir()), p);
}

TEST_F(DirEditTest, InitialBrowseFolderIsNormalised)
{
    const std::string p = Folder("p");
    const std::string file = m_tree.MakeFile("p\\f.txt", "x");
    struct Case
    {
        const char* name;
        std::string given;
        std::string stored;
    };
    const Case cases[] = {
        { "a folder", p, p },
        { "empty keeps the previous", "", p },
        { "a file stands for its folder", file, p + "\\" },
        { "a missing folder clears it", m_tree.Path() + "gone", "" },
        { "junk clears it", "<>|", "" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_pEdit->SetInitBrowseToDir(c.given.c_str());
        EXPECT_EQ(std::string(m_pEdit->GetInitBrowsToDir()), c.stored);
    }
}

TEST_F(DirEditTest, ListShowsTheBrowseFolderOnlyForAnEmptyEditOrTheDriveRoot)
{
    const std::string browse = Folder("browse");
    const std::string other = Folder("other");
    m_pEdit->SetInitBrowseToDir(browse.c_str());
    struct Case
    {
        std::string text;
        std::string listPath;
    };
    const Case cases[] = {
        { "", browse + "\\" },
        { "c:\\", browse + "\\" },
        { "C:\\", browse + "\\" },
        { other, other + "\\" },
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text);
        SetText(c.text);
        Open();
        EXPECT_EQ(ListPath(), c.listPath);
        PressKey(VK_ESCAPE);
        EXPECT_FALSE(ListVisible());
        EXPECT_EQ(m_pEdit->Text(), c.text);
    }
}

TEST_F(DirEditTest, EnterOnTheOpenListSelectsAllAndCloses)
{
    const std::string p = Folder("p");
    SetText(p);
    m_pEdit->SetSel(2, 2);
    Open();
    PressKey(VK_RETURN);
    EXPECT_FALSE(ListVisible());
    EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, static_cast<int>(p.size())));
    EXPECT_EQ(m_pDlg->m_nOkCount, 0);
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
}

TEST_F(DirEditTest, SecondDownMovesTheFocusIntoTheList)
{
    PressKey(VK_DOWN);
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(::GetFocus(), m_pEdit->m_hWnd);
    PressKey(VK_DOWN);
    EXPECT_TRUE(ListVisible());
    EXPECT_EQ(::GetFocus(), ListBox());
}

TEST_F(DirEditTest, ShowListOpensWithTheFocusInTheList)
{
    m_pEdit->ShowList();
    ASSERT_TRUE(ListVisible());
    EXPECT_EQ(::GetFocus(), ListBox());
    // Already open: nothing changes.
    m_pEdit->ShowList();
    EXPECT_TRUE(ListVisible());
}

TEST_F(DirEditTest, ResizeCollapsesAWholeSelectionToTheStart)
{
    const std::string p = Folder("p");
    SetText(p); // selects everything
    ::MoveWindow(m_pEdit->m_hWnd, 10, 10, 300, 24, TRUE);
    EXPECT_EQ(m_pEdit->Sel(), std::make_pair(0, 0));
    m_pEdit->SetSel(3, 6);
    ::MoveWindow(m_pEdit->m_hWnd, 10, 10, 320, 24, TRUE);
    EXPECT_EQ(m_pEdit->Sel(), std::make_pair(3, 6));
}

TEST_F(DirEditTest, DropWindowIsSizedForTheListAndPlacedUnderTheEdit)
{
    ASSERT_NE(List(), nullptr);
    EXPECT_EQ(List()->m_nPreferredWidth, 260);
    EXPECT_EQ(List()->m_nPreferredHeight, 240);
    Open();
    RECT rcEdit;
    RECT rcDrop;
    ::GetWindowRect(m_pEdit->m_hWnd, &rcEdit);
    ::GetWindowRect(List()->m_hWnd, &rcDrop);
    EXPECT_EQ(rcDrop.left, rcEdit.left);
    EXPECT_EQ(rcDrop.top, rcEdit.bottom);
    EXPECT_EQ(rcDrop.right - rcDrop.left, std::max(260L, rcEdit.right - rcEdit.left));
    EXPECT_EQ(rcDrop.bottom - rcDrop.top, 240);
    // The list fills the drop window.
    RECT rcClient;
    RECT rcList;
    ::GetClientRect(List()->m_hWnd, &rcClient);
    ::GetWindowRect(ListBox(), &rcList);
    EXPECT_EQ(rcList.right - rcList.left, rcClient.right);
    EXPECT_EQ(rcList.bottom - rcList.top, rcClient.bottom);
}

TEST_F(DirEditTest, IconAreaIsReservedAndStaysEmptyWithoutTheLibraryFile)
{
    // These objects are linked into the test executable: no orv059.dll is loaded, so there is no
    // icon to show, and painting must cope.
    EXPECT_EQ(::GetModuleHandleA("orv059.dll"), nullptr);
    EXPECT_EQ(m_pEdit->m_hIcon, nullptr);
    EXPECT_EQ(m_pEdit->m_rcIcon.Width(), ::GetSystemMetrics(SM_CXSMICON) + 1);
    m_pEdit->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    m_pEdit->RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    m_pEdit->EnableWindow(FALSE);
    m_pEdit->EnableWindow(TRUE);
    m_pDlg->FocusEdit(); // disabling took the focus away
    // A second Init reloads (here: still no icon) and keeps one working list.
    m_pEdit->Init(true);
    Open();
    EXPECT_TRUE(ListVisible());
}

TEST_F(DirEditTest, WithoutItsListTheEditStillGuardsItsText)
{
    FaultInjection::FailNth(FaultInjection::kAllocation, 1);
    MakeHost();
    FaultInjection::Reset();
    ASSERT_EQ(List(), nullptr);
    const std::string p = Folder("p");
    const std::string file = m_tree.MakeFile("p\\f.txt");
    SetText(p);
    EXPECT_EQ(m_pEdit->Text(), p);
    SetText(file);
    EXPECT_EQ(m_pEdit->Text(), "");
    for (WORD vk : { VK_DOWN, VK_F9, VK_RETURN })
        PressKey(vk);
    m_pEdit->ShowList();
    m_pEdit->SetInitBrowseToDir(p.c_str());
    SetText(p);
    m_pEdit->SetSel(static_cast<int>(p.size()), static_cast<int>(p.size()));
    PressKey(VK_BACK); // "...\" alone is the scratch root, an existing folder
    EXPECT_EQ(m_pEdit->Text(), m_tree.Path());
}

TEST_F(DirEditTest, ListThatCannotBeCreatedIsLoggedAndLeavesAPlainEdit)
{
    harness::LogCapture log;
    // The first creation is the drop window's, the second its list's.
    FaultInjection::FailNth(FaultInjection::kWindowCreation, 2);
    MakeHost();
    FaultInjection::Reset();
    ASSERT_NE(List(), nullptr);
    EXPECT_FALSE(::IsWindow(List()->m_hWnd));
    ASSERT_FALSE(log.Lines().empty());
    EXPECT_STREQ(log.Lines().front(), "{956C4DC7-0834-418A-9EB3-E6690E3D3B52}");
    PressKey(VK_F9);
    EXPECT_FALSE(ListVisible());
    const std::string p = Folder("p");
    SetText(p);
    EXPECT_EQ(m_pEdit->Text(), p);
}
