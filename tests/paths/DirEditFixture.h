// A directory edit attached to the host dialog's edit as a host would, on a scratch folder tree,
// with a counter of the beeps it makes and readers of what its drop-down list shows.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "DirEdit.h"
#include "DropDirListWnd.h"
#include "HostDialog.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace pathtest
{
// Counts MessageBeep calls made from this executable (the library's objects are linked into
// it) by redirecting its import of the function for the counter's lifetime.
class BeepCounter
{
public:
    BeepCounter();
    ~BeepCounter();
    BeepCounter(const BeepCounter&) = delete;
    BeepCounter& operator=(const BeepCounter&) = delete;

    int Count() const;
    void Reset();
};

// Exposes the protected state of the directory edit.
class CTestDirEdit : public CDirEdit
{
public:
    using CDirEdit::m_bReadOnly;
    using CDirEdit::m_hIcon;
    using CDirEdit::m_pDropWnd;
    using CDirEdit::m_rcIcon;
    using CDirEdit::GetInitBrowsToDir;
    using CDirEdit::ShowDropWnd;

    CDropDirListWnd* List() const { return dynamic_cast<CDropDirListWnd*>(m_pDropWnd); }
    std::string Text() const;
    // The selection as (start, end).
    std::pair<int, int> Sel() const;
    void SetSel(int start, int end);
};

// One row of the drop-down list as the user sees it, with the path it stands for.
struct Row
{
    std::string text;
    int icon;
    std::string path;
    bool operator==(const Row& other) const
    {
        return text == other.text && icon == other.icon && path == other.path;
    }
};
void PrintTo(const Row& row, std::ostream* os);

// Rows of the drive list around the current folder: every drive whose first character is
// below (or above) first, with the icon its type calls for.
std::vector<Row> DriveRows(bool before, char first);

// The host dialog (client origin 100,100, 500 x 380) with the directory edit at
// (10,10)-(410,34), initialised read-only, and a scratch folder tree.
class DirEditTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Re-creates the host; fails allocations or window creations first when asked.
    void MakeHost(bool readOnlyArg = true);

    CDropDirListWnd* List() const { return m_pEdit->List(); }
    bool ListVisible() const;
    HWND ListBox() const;
    std::vector<Row> Rows() const;
    int SelectedRow() const;
    std::string ListPath() const;
    // Sets the edit's text as the host does.
    void SetText(const std::string& text);
    // Opens the list with F9 from the edit.
    void Open();
    // Screen point at the middle of a row of the list.
    POINT RowPoint(int nRow) const;
    int RowOf(const std::string& path) const;
    // A folder of the scratch tree without its trailing backslash, as a host would write it.
    std::string Folder(const std::string& relative) const;

    harness::ScratchDir m_tree;
    harness::CHostDialog* m_pDlg = nullptr;
    CTestDirEdit* m_pEdit = nullptr;
    BeepCounter m_beeps;
};

std::string WithoutSlash(std::string path);
// Puts text on the clipboard.
bool SetClipboard(const std::string& text);
}
