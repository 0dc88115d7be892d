/// @class CDirTreeCtrl
/// CDirTreeCtrl: a tree-view of the machine's drives and their folders, filled lazily: a folder's
/// children are read from disk only when its branch is expanded, and whether a folder has any
/// (its expand button) is asked only when the tree view shows its item; the answer is kept until
/// the next Refresh. Every item's path is
/// built from its drive and the labels below it; folder paths end with a backslash. Tells a
/// notify window about selection changes, Enter, Escape and expansions through registered
/// messages. Empty until Refresh or SetSelectedDir first reads the drives. Owns its image list
/// of shell icons and the font given to ApplyFont.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>
#include "ExpandButtonCache.h"
#include "UiApi.h"

class ORVUI_API CDirTreeCtrl : public CTreeCtrl
{
    DECLARE_DYNAMIC(CDirTreeCtrl)
public:
    /// Registered messages sent (not posted) to m_hNotifyWnd; wParam and lParam are 0.
    /// The user or a refresh moved the selection (not SetSelectedDir; see m_bSettingSelection).
    static const UINT MSG_DIR_TREE_SELCHANGED;
    /// Enter or Escape was pressed in the tree (the tree view itself reports neither).
    ///@{
    static const UINT MSG_DIR_TREE_KEY_ENTER;
    static const UINT MSG_DIR_TREE_KEY_ESCAPE;
    ///@}
    /// A branch was expanded, so the widest visible item may have grown (GetHorizontalExtent).
    static const UINT MSG_DIR_TREE_EXPAND;

    /// Makes the object; the window is created or subclassed by the owner.
    CDirTreeCtrl();
    /// Destroys the window before the font and image list it refers to.
    ~CDirTreeCtrl() override;

    // Operations
    /// Expands the tree down to path and selects its item without reporting the change; returns
    /// the item, null when path is not in the tree (the selection then stays). bExpandTarget:
    /// true also expands the found folder to show its content. Goes through DoSetSelectedDir.
    HTREEITEM SetSelectedDir(const CString& path, bool bExpandTarget);
    /// Applies a copy of lf as the tree's font (owned by the tree) and crText as its text colour.
    void ApplyFont(const LOGFONTA& lf, COLORREF crText);
    /// Width in pixels the tree needs to show its widest exposed item (indent, icon and label)
    /// without a horizontal scroll bar, frame and vertical scroll bar included.
    int GetHorizontalExtent() const;
    /// Moves the selection from the selected item to its next sibling, else its previous one,
    /// else its parent (reported as a selection change); false when nothing could be selected.
    bool SelectSiblingOrParentDir();
    /// Adds a child labelled name at the end of hParent's children (null or TVI_ROOT: top
    /// level). bHasContent: true gives it an expand button (asked of the disk again after the
    /// next Refresh), false none. nSelectedImage -1: the selected item shows nImage too.
    /// Returns the item, null on failure.
    HTREEITEM AddToTree(HTREEITEM hParent, const CString& name, int nImage, bool bHasContent,
                        int nSelectedImage);
    /// The child of hParent (null: a drive, matched by root "C:\", "C:" or its label) whose
    /// label equals name, letter case and trailing backslashes ignored; null when there is none.
    /// The placeholder never matches. bSelect: true also selects the match.
    HTREEITEM GetTreeDirMatch(HTREEITEM hParent, const CString& name, bool bSelect);
    /// Deletes every child of hItem. bResetExpanded: true also marks hItem collapsed and never
    /// expanded, so that it is filled again on expansion.
    void RemoveAllChildBranches(HTREEITEM hItem, bool bResetExpanded);
    /// Expands hItem, first filling it from disk when it is closed or holds a placeholder.
    /// bNotify: true sends MSG_DIR_TREE_EXPAND when the branch opened. False when the folder has
    /// nothing to show.
    bool ExpandBranch(HTREEITEM hItem, bool bNotify);
    /// Adds a placeholder child, which an expansion replaces with the folder's content. The tree
    /// itself no longer needs one for the expand button; kept for subclasses that add their own.
    HTREEITEM AddDummyNode(HTREEITEM hItem);
    /// True when hItem's branch is open on screen.
    bool IsBranchExpanded(HTREEITEM hItem) const;
    /// Index in m_imageList of the small shell icon for path, an item that goes under hParent
    /// (null: a drive root, whose own icon is asked for). Folders share the shell's folder icon,
    /// which needs no disk access. bOpen: true gives the open folder. 0 when the shell has none.
    int GetFolderImageIndex(HTREEITEM hParent, bool bOpen, const CString& path);
    /// The path of hItem: drive root, then the labels below it, ending with a backslash; empty
    /// for null or the placeholder.
    CString GetItemPath(HTREEITEM hItem) const;
    /// True for the placeholder child that AddDummyNode adds.
    bool IsDummyNode(HTREEITEM hItem) const;

    // Hooks for subclasses, in this slot order
    /// Brings the children of item (at path, ending with a backslash) in step with the disk:
    /// an expanded branch reads its own listing and loses vanished folders and gains new ones
    /// (sorted); a collapsed one is not read, its expand button is asked for again when it
    /// shows. changed: set to true when a folder item was added or removed. Returns true when
    /// the branch was reset or an item was added.
    virtual bool RefreshBranch(const CString& path, HTREEITEM item, bool& changed);
protected:
    /// Carries out SetSelectedDir (same arguments and result); runs with m_bSettingSelection set.
    virtual HTREEITEM DoSetSelectedDir(const CString& path, bool bExpandTarget);
    /// Whether the folder at path (ending with a backslash) shows an expand button: it has a
    /// subfolder that is neither hidden nor system. False for what cannot be read. Asked only
    /// for items the tree view shows.
    virtual bool DoesFolderHaveContent(const CString& path) const;
    /// Adds the children of the folder at path (ending with a backslash) under parent: its
    /// visible subfolders in ascending order, through InsertFolderItem.
    virtual void AddDirectoryContent(CString path, HTREEITEM parent);
public:
    /// Shows the menu m_nContextMenuId (loaded from the current resource module) at the screen
    /// point, its commands going to the tree's parent; nothing when the id is 0.
    virtual void ShowContextMenu(const CPoint& point);
    /// Called with the loaded popup before it shows, to enable or check items; the base leaves
    /// the menu as loaded.
    virtual void UpdateContextMenu(CMenu* pMenu);
    /// The selected item's path; empty when nothing is selected. bFileToo: true returns an item
    /// that names an existing file as the file's path (no trailing backslash); false returns the
    /// folder that holds such a file. Everything else is returned as a folder (backslash).
    virtual CString GetSelectedDir(bool bFileToo) const;
    /// Brings the tree in step with the disk: RefreshBranch on every expanded branch, which
    /// reads only the expanded branches' own listings; every expand button is asked for again
    /// when its item shows. Expanded branches stay expanded. bRescanDrives: true also adds new
    /// drives and removes gone ones (an empty tree always gets its drives).
    virtual void Refresh(bool bRescanDrives);

    // Data
    HWND m_hNotifyWnd;      ///< receives the registered messages; null: nobody; not owned
    UINT m_nContextMenuId;  ///< menu resource of the context menu; 0: no menu
    CImageList m_imageList; ///< small shell icons of the items; the tree's normal image list
    /// True while a selection is set by program: selection changes are then not reported.
    bool m_bSettingSelection;
    /// False: selection changes are not reported (a refresh clears it around deletions that
    /// must not reach the notify window).
    bool m_bNotifySelChange;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    void PreSubclassWindow() override;

    // Implementation
    /// Inserts a folder item (item data: data) after hAfter (a handle or TVI_FIRST/TVI_LAST)
    /// whose expand button the tree view asks for when the item shows. nSelectedImage -1: nImage.
    /// Returns the item, null on failure.
    HTREEITEM InsertFolderItem(HTREEITEM hParent, HTREEITEM hAfter, const CString& name, int nImage,
                               int nSelectedImage, LPARAM data = 0);
    /// The one place items are built: nChildren is I_CHILDRENCALLBACK or 0.
    HTREEITEM InsertTreeItem(HTREEITEM hParent, HTREEITEM hAfter, const CString& name, int nImage,
                             int nSelectedImage, LPARAM data, int nChildren);
    /// Sets hItem's expand button as known (until the next Refresh) and redraws the item.
    void SetExpandButton(HTREEITEM hItem, bool bHasChildren);
    /// Replaces hItem's children with the folder's content from disk; false when none is left.
    bool FillBranch(HTREEITEM hItem);
    void RefreshItem(HTREEITEM hItem, const CString& path, bool& changed);
    void SyncDrives();
    void AttachImageList();
    /// The next sibling, else the previous one, else the parent (placeholders skipped).
    HTREEITEM GetSiblingOrParent(HTREEITEM hItem) const;
    /// hItem's answer to the tree view's question for its expand button: the kept one, else one
    /// read from disk and kept. Media and network drives say yes unprobed.
    bool HasExpandButton(HTREEITEM hItem);
    /// Moves the selection off hItem (when it or one of its descendants is selected) to a
    /// sibling or the parent, so that hItem can be deleted.
    bool MoveSelectionOff(HTREEITEM hItem);
    /// Selects hItem when the selection lies below it, so that its children can be deleted.
    void MoveSelectionOffChildren(HTREEITEM hItem);
    bool IsSelfOrAncestorOfSelection(HTREEITEM hItem) const;
    void Notify(UINT nMessage) const;
    CPoint GetKeyboardMenuPoint() const;
    static CString MakeDriveLabel(const CString& root, UINT nType, const CString& volumeLabel);

    CFont* m_pFont;           ///< font given to ApplyFont; owned
    int m_nFolderImage;       ///< shell folder icons in m_imageList; -1 until asked for
    int m_nOpenFolderImage;
    int m_nDriveImages[26];   ///< drive icons by letter; -1 until asked for
    int m_nRedrawDepth;       ///< nesting of bulk changes with redraw suspended
    bool m_bInExpandBranch;   ///< ExpandBranch runs: the expansion notifications are its own
    bool m_bExpandPending;    ///< a branch opened while a selection was set by program
    ExpandButtonCache m_expandButtons; ///< answers for items whose button the tree view asks for

    DECLARE_MESSAGE_MAP()
};
