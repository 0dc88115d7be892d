// CDropDirListWnd: the directory edit's drop window. One owner-drawn list fills it: every drive,
// the chain of folders from the drive root down to the current folder, the current folder among
// its siblings and the current folder's own subfolders. Picks, Left, Right and Escape move the
// current folder and report it to the edit. Owns the list and each row's text, picture and path,
// which the list draws as they show.
#pragma once
#include <afxwin.h>
#include "DirList.h"
#include "DropWnd.h"
#include "FolderListing.h"
#include "TextArray.h"
#include <vector>

class CDropDirListWnd : public CDropWnd
{
public:
    enum
    {
        kListId = 2610,
    };

    CDropDirListWnd();
    ~CDropDirListWnd() override;

    // Operations used by the edit
    // Makes path both the current folder and the one Escape returns to, and refills a visible
    // list. Ignores an empty path and paths offered while this window reports to the edit.
    void SetPath(const CString& path);
    CString GetPath() const;

    CWnd* GetFirstControl() override;
    CWnd* GetLastControl() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Implementation
    // Rebuilds the rows around the current folder (or "C:\" when there is none).
    void FillList();
    // Moves to path, rebuilds, and reports to the edit; the Escape folder stays.
    void SelectPath(const CString& path);
    // The path of the selected row; empty when no row is selected.
    CString GetSelectedPath() const;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnListSelChange();
    afx_msg void OnListDblClk();
    DECLARE_MESSAGE_MAP()

    bool m_bFontPending; // the edit's drop font has not reached the list yet
    bool m_bNotifying;   // true only while the edit hears of a pick
    CString m_strRestorePath;
    CString m_strPath;
    TextArray m_paths; // one full path per row, in row order
    TextArray m_texts; // the rows as the list shows them
    std::vector<unsigned char> m_icons; // each row's picture (CDirList::Icons)
    CDirList m_list;
    FolderListing m_parentListing; // the current folder's siblings
    FolderListing m_ownListing;    // its subfolders (a drive root's too)

private:
    bool HandleKey(UINT nKey);
    void NotifyEdit();
    // A pick of a folder that is gone is refused with a beep and the rows are read again;
    // true when sel was refused.
    bool RefuseVanishedFolder(const CString& sel);
    void RebuildQuietly();
    int AddRow(CString text, int nIcon, CString path);
    void Reserve(size_t nRows);
    int AddDriveRow(const CString& root);
    void AddFolderChain(int& nSelected);
    void AddSiblings(const CString& indent, int& nSelected);
    void WalkUpToExistingFolder();
};
