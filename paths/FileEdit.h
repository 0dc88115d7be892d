/// @class CFileEdit
/// CFileEdit: an edit that holds the path of one existing file, or nothing; when it is not
/// read-only it also takes a folder, and a file name typed after the last backslash. It drops
/// down a tree of folders and of the files that pass an extension filter; a pick in the tree is
/// written into the edit (in a writable edit, a folder pick keeps the file name the edit holds,
/// typed or picked, as a save dialog does). Owns nothing beyond the directory edit it is; its
/// drop window is always a CDropDirWnd.
#pragma once
#include <afxwin.h>
#include "DirEdit.h"
#include "OrvApi.h"

class CDropDirWnd;

class ORV_API CFileEdit : public CDirEdit
{
public:
    /// Makes a file edit; attach it to the host's edit window, then call Init.
    CFileEdit();
    /// Deletes the tree drop window; the host's edit window stays.
    ~CFileEdit() override;

    // Operations
    /// The tree's extension filter: "*" as any entry, or an empty list, lets every file through;
    /// other entries go to the file utilities unchanged. Does nothing before Init.
    void SetExt(const CStringArray& exts);

protected:
    // Hooks of the directory edit
    CDropWnd* CreateSpecificDropWnd() override;
    void DoDropWindowInit() override;
    /// Runs a cut, paste, clear or undo; a read-only edit takes back a result that is not an
    /// existing file, and no edit keeps a result that no path can be.
    void ProcessEdit() override;
    /// Whether a typed character, Backspace (8) or Delete (46) may change the text: only the name
    /// after the last backslash can be edited, and characters a path cannot hold never pass.
    bool CanTypeChar(UINT nChar) const override;

    /// Writes the tree's pick into the edit.
    void OnDropWndChanged(bool keepOpen) override;

    /// Only an existing file, an empty text or, when not read-only, an existing folder stands.
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    CDropDirWnd* GetDirWnd() const;
    // What the edit may hold: an existing file, or an existing folder when not read-only.
    bool IsAcceptedPath(const CString& path) const;
};
