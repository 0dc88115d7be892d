/// @class CDirEdit
/// CDirEdit: an edit that holds the path of one existing folder, or nothing. It shows a folder
/// icon at its left edge and drops down the drive and folder list. Text from the host, the list
/// or the clipboard stands only when it names an existing folder; the user cannot type, and may
/// delete only what leaves an existing folder. Owns its icon; keeps an initial browse folder
/// that the list shows while the edit is empty. The file edit derives from it.
#pragma once
#include <afxwin.h>
#include "CharWalk.h"
#include "DropBaseEdit.h"
#include "OrvApi.h"

class CDropWnd;

class ORV_API CDirEdit : public CDropBaseEdit
{
    // The list reports a pick through OnDropWndChanged.
    friend class CDropDirListWnd;

public:
    /// Makes a folder edit; attach it to the host's edit window, then call Init.
    CDirEdit();
    /// Frees the folder icon; the drop window goes with the base class.
    ~CDirEdit() override;

    // Operations
    /// An empty dir keeps the previous folder; a file stands for its folder; anything that is
    /// not an existing folder clears it.
    void SetInitBrowseToDir(const CString& dir);
    /// Opens the list (when it is hidden and may open) with the focus in it.
    void ShowList();

protected:
    // Hooks for subclasses, in this order.
    virtual CDropWnd* CreateSpecificDropWnd();
    virtual void DoDropWindowInit();
    /// Runs a cut, paste, clear or undo and undoes a result that is not an existing folder.
    virtual void ProcessEdit();
    /// Whether a typed character (or Backspace or Delete) may edit the text when not read-only.
    virtual bool CanTypeChar(UINT nChar) const;

public:
    /// Recomputes the frame, loads the icon, creates the list and its font. readOnly counts only
    /// in file-browser mode: a folder edit is always read-only.
    virtual void Init(bool readOnly);

protected:
    void SetToFileBrowser();
    bool IsReadOnly() const;
    CString GetInitBrowsToDir() const;

    void DrawIcon(const CRect& rc) override;
    void UpdateDropWnd() override;
    void OnDropWndChanged(bool keepOpen) override;

    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    /// One handler for WM_CUT, WM_PASTE, WM_CLEAR and WM_UNDO, also under the other three names.
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    bool m_bReadOnly;
    bool m_bDirsOnly;
    HICON m_hIcon; ///< owned
    CString m_strInitBrowseToDir;
    // The lead byte of a typed two-byte character, and whether it was let through.
    CharWalk::TypedChars m_typedChars;
    bool m_bLeadByteTaken;

    // Writes the canonical spelling of an existing path the edit holds in place of text, caret
    // at its end; text becomes what the edit holds.
    void StoreCanonical(CString& text);

    /// Hands a path to the drop window; the single place that knows which drop window it is.
    void SetDropWndPath(const CString& path);

private:
    // Removes the selection, or the character before (Backspace) or after (Delete) the caret,
    // when what is left is still an existing path.
    void DeletePathRange(bool bDelete);
    void FreeIcon();
    static CString NormalizeBrowseDir(const CString& dir);
};
