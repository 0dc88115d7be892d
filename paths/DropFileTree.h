// CDropFileTree: the tree of the file edit's drop window. Below each folder it lists, after
// the subfolders, the disk files that pass an extension filter, each with the small icon of its
// type; it selects a file when handed a file path and keeps expanded branches in step with the
// disk. Owns its filter and its icon cache (image indices in the tree's normal image list).
#pragma once
#include <afxcmn.h>
#include <map>
#include "DropDirTree.h"
#include "TextArray.h"

class CDropFileTree : public CDropDirTree
{
public:
    // Orders cache keys as CString::Compare does (case-sensitive); keys are lower-cased first.
    struct KeyLess
    {
        bool operator()(const CString& a, const CString& b) const { return a.Compare(b) < 0; }
    };

    CDropFileTree();
    ~CDropFileTree() override;

    // Operations
    // Brings the children of item (the folder at path) in step with the disk: an expanded
    // branch loses folders and files that are gone or no longer pass the filter and gains new
    // ones in their places (folders first, then files, as a filled branch); a collapsed one is
    // left to the base (not read). changed: set when a folder item was added or any item
    // removed. True when the branch was reset or gained items.
    bool RefreshBranch(const CString& path, HTREEITEM item, bool& changed) override;
    // Index in the tree's normal image list of the small icon for the file's type, cached per
    // lower-cased extension (programs and icon files show their own icon, never cached); 0 when
    // there is no image list or no icon.
    int GetFileImageIndex(const CString& filePath);

    // Data
    TextArray m_extensions; // filter handed to the file utilities; empty: every file
    std::map<CString, int, KeyLess> m_iconCache;

protected:
    // A file path selects its folder's branch (expanded) and then the file's item, which is
    // returned (null when the file is not listed, e.g. filtered out); a folder path selects the
    // folder as the base does. The flag of the base is not used: the folder is always expanded
    // so that its files can be found.
    HTREEITEM DoSetSelectedDir(const CString& path, bool bExpandTarget) override;
    // A folder also has content when one of its files passes the filter.
    bool DoesFolderHaveContent(const CString& path) const override;
    // The folder's subfolders as the base lists them, then its files that pass the filter in the
    // file utilities' order, both from one scan of the folder.
    void AddDirectoryContent(CString path, HTREEITEM parent) override;

    DECLARE_MESSAGE_MAP()

private:
    // Appends an icon to the image list, destroys it, and returns the index (-1 on failure).
    static int AppendIcon(HIMAGELIST hList, HICON hIcon);
    static int AppendShellIcon(HIMAGELIST hList, const CString& path, DWORD attributes, UINT flags);
    // The cached index of key when its image can still be drawn; a stale entry is dropped.
    bool FindCachedImage(HIMAGELIST hList, const CString& key, int& nIndex);
    void AddFileItem(HTREEITEM parent, const CString& folder, const CString& name);
    // A file's item (never an expand button) at a given place among the children.
    HTREEITEM InsertFileItem(HTREEITEM parent, HTREEITEM after, const CString& name, int nImage);
};
