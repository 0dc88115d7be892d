// CDropDirWnd: the file edit's drop window, a popup filled by one file tree. Follows the path
// that the edit hands it, hands the user's picks back to the edit (only files when the edit is
// read-only), closes through the edit on Enter, Escape or a double-click on a file, and widens
// when a branch opens. Owns the tree object; knows its edit (not owned) through CDropWnd.
#pragma once
#include <afxwin.h>
#include "DropWnd.h"

class CDropFileTree;

class CDropDirWnd : public CDropWnd
{
public:
    enum
    {
        kTreeId = 2610,
        kWidth = 260,
        kHeight = 240,
    };

    explicit CDropDirWnd(bool readOnly);
    ~CDropDirWnd() override;

    // Operations, called by the file edit
    // Remembers path for the next showing and, while shown, selects it in the tree. An empty
    // path, or one offered while this window is telling the edit about a pick, is ignored.
    void SetPath(const CString& path);
    // The tree's selected file or folder (folders end with a backslash); empty without a tree.
    CString GetSelectedPath() const;
    // The extension filter for branches filled or refreshed from now on; "*" as any entry, or
    // an empty list, lets every file through.
    void SetExt(const CStringArray& exts);
    // Asks for the window's standard size and gives the tree its image list of file icons.
    void InitDropWindow();

    CWnd* GetFirstControl() override;
    CWnd* GetLastControl() override;

    // The tree, for the file edit's tests and wiring; null when it could not be allocated.
    CDropFileTree* GetTree() const { return m_pTree; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnDirTreeSelChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDirTreeKeyEnter(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDirTreeKeyEscape(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDirTreeExpand(WPARAM wParam, LPARAM lParam);
    afx_msg void OnTreeClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTreeDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    bool HasTreeWindow() const;
    // Tells the edit that the tree's selection is to be taken over, with SetPath muted.
    void NotifyEdit();
    void CloseThroughEdit(bool bAccept);
    void SetPreferredSize(int nWidth, int nHeight);
    void ApplyEditFont();

    bool m_bReadOnly;
    bool m_bNotifying;
    CDropFileTree* m_pTree; // owned
    CString m_strPath;
    CStringArray m_arrExt;
};
