#include "DropFileTree.h"
#include "AppLogger.h"
#include "CharWalk.h"
#include "DirUtils.h"
#include "FileExtMgr.h"
#include "FileUtils.h"
#include <shellapi.h>
#include <set>

BEGIN_MESSAGE_MAP(CDropFileTree, CDropDirTree)
END_MESSAGE_MAP()

namespace
{
const char kBlankExtensionKey[] = "a_blank_file_extension";

// The arguments of the file utilities for every listing of the tree: this folder only, no
// hidden or system files or folders.
const bool kRecursive = false;
const bool kSkipHidden = true;
const bool kSkipSystem = true;

using NameSet = std::set<CString, CDropFileTree::KeyLess>;

NameSet NamesOf(const TextArray& names)
{
    NameSet set;
    for (size_t i = 0; i < names.GetCount(); ++i)
        set.insert(names[i]);
    return set;
}

// The names of the folder's subfolders (without their backslash) and of its files that pass the
// filter, each in the order of a filled branch. One scan of the folder gives both: a folder of
// thousands is read once, not once for its subfolders and again for its files.
void ListFolder(const CString& path, const TextArray& extensions, TextArray& dirs, TextArray& files)
{
    TextArray entries;
    FileUtils::GetFileList(path, extensions, kRecursive, entries, kSkipHidden, kSkipSystem, true);
    DirUtils::MakePathsRelative(path, entries);
    for (size_t i = 0; i < entries.GetCount(); ++i)
    {
        const CString& entry = entries[i];
        // A trail byte 0x5C ends many names on double-byte code pages and is no backslash.
        if (CharWalk::EndsWith(entry, '\\'))
            dirs.Add(entry.Left(entry.GetLength() - 1));
        else
            files.Add(entry);
    }
}
}

CDropFileTree::CDropFileTree() = default;

CDropFileTree::~CDropFileTree() = default;

// ---------------------------------------------------------------------------------------------
// Filling

bool CDropFileTree::DoesFolderHaveContent(const CString& path) const
{
    // Subfolders count whatever the filter, so one scan answers for both.
    return FileUtils::HasFile(path, m_extensions, kRecursive, kSkipHidden, kSkipSystem, true);
}

void CDropFileTree::AddDirectoryContent(CString path, HTREEITEM parent)
{
    TextArray dirs;
    TextArray files;
    ListFolder(path, m_extensions, dirs, files);
    for (size_t i = 0; i < dirs.GetCount(); ++i)
    {
        const CString full = path + dirs[i] + "\\";
        InsertFolderItem(parent, TVI_LAST, dirs[i], GetFolderImageIndex(parent, false, full),
                         GetFolderImageIndex(parent, true, full));
    }
    for (size_t i = 0; i < files.GetCount(); ++i)
        AddFileItem(parent, path, files[i]);
}

HTREEITEM CDropFileTree::InsertFileItem(HTREEITEM parent, HTREEITEM after, const CString& name, int nImage)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(name));
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nImage;
    insert.item.cChildren = 0;
    return InsertItem(&insert);
}

void CDropFileTree::AddFileItem(HTREEITEM parent, const CString& folder, const CString& name)
{
    InsertFileItem(parent, TVI_LAST, name, GetFileImageIndex(folder + name));
}

// ---------------------------------------------------------------------------------------------
// Selection

HTREEITEM CDropFileTree::DoSetSelectedDir(const CString& path, bool /*bExpandTarget*/)
{
    CString folder = path;
    CString name;
    if (FileUtils::IsFile(path, true, false))
    {
        folder = DirUtils::ParsePathFromFile(path);
        name = FileUtils::ParseFileNameFromPath(path, true);
    }
    // Kept set (not cleared) while the file item is selected too: a selection made by program
    // is never reported as the user's.
    const bool bWasSetting = m_bSettingSelection;
    m_bSettingSelection = true;
    HTREEITEM hItem = CDropDirTree::DoSetSelectedDir(folder, true);
    if (hItem != nullptr && !name.IsEmpty())
    {
        hItem = GetTreeDirMatch(hItem, name, false);
        if (hItem != nullptr)
        {
            SelectItem(hItem);
            EnsureVisible(hItem);
        }
    }
    m_bSettingSelection = bWasSetting;
    return hItem;
}

// ---------------------------------------------------------------------------------------------
// Icons

int CDropFileTree::AppendIcon(HIMAGELIST hList, HICON hIcon)
{
    const int nIndex = ImageList_ReplaceIcon(hList, -1, hIcon);
    ::DestroyIcon(hIcon);
    return nIndex;
}

int CDropFileTree::AppendShellIcon(HIMAGELIST hList, const CString& path, DWORD attributes, UINT flags)
{
    SHFILEINFOA info{};
    if (::SHGetFileInfoA(path, attributes, &info, sizeof(info), flags) == 0 || info.hIcon == nullptr)
        return -1;
    return AppendIcon(hList, info.hIcon);
}

bool CDropFileTree::FindCachedImage(HIMAGELIST hList, const CString& key, int& nIndex)
{
    auto it = m_iconCache.find(key);
    if (it == m_iconCache.end())
        return false;
    // Images are only ever appended, so an index inside the list still shows the icon it was
    // given; one outside it (the list was replaced or emptied) is looked up again.
    if (it->second >= 0 && it->second < ImageList_GetImageCount(hList))
    {
        nIndex = it->second;
        return true;
    }
    m_iconCache.erase(it);
    return false;
}

int CDropFileTree::GetFileImageIndex(const CString& filePath)
{
    if (!::IsWindow(m_hWnd))
        return 0;
    const HIMAGELIST hList = reinterpret_cast<HIMAGELIST>(::SendMessageA(m_hWnd, TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    if (hList == nullptr)
        return 0;
    CString ext = FileUtils::GetFileExt(filePath);
    ext.MakeLower();

    int nIndex = 0;
    if (ext.IsEmpty())
    {
        auto it = m_iconCache.find(kBlankExtensionKey);
        if (it != m_iconCache.end())
            return it->second;
        // A plain file's icon, by attributes only: the file itself is not opened.
        nIndex = AppendShellIcon(hList, "dummy", FILE_ATTRIBUTE_NORMAL,
                                 SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
        if (nIndex == -1)
            return 0;
        m_iconCache.emplace(kBlankExtensionKey, nIndex);
        return nIndex;
    }
    if (ext == "exe" || ext == "ico")
    {
        // These carry their own pictures, so every file gets its own image.
        nIndex = AppendShellIcon(hList, filePath, 0, SHGFI_ICON | SHGFI_SMALLICON);
        return nIndex == -1 ? 0 : nIndex;
    }
    if (FindCachedImage(hList, ext, nIndex))
        return nIndex;
    if (ext == "zip")
    {
        nIndex = AppendShellIcon(hList, filePath, 0, SHGFI_ICON | SHGFI_SMALLICON);
        if (nIndex != -1)
        {
            m_iconCache.emplace(ext, nIndex);
            return nIndex;
        }
    }
    FileExtMgr* pManager = FileExtMgr::GetInstance();
    if (pManager == nullptr)
    {
        if (AppLogger::m_pInstance != nullptr)
            AppLogger::m_pInstance->AddLine("{D1B68779-51FC-4A22-AF06-CFB1DD0FCBE7}");
        return 0;
    }
    HICON hIcon = nullptr;
    pManager->GetIconForExt(ext, hIcon);
    if (hIcon == nullptr)
        return 0;
    nIndex = AppendIcon(hList, hIcon);
    m_iconCache.emplace(ext, nIndex);
    return nIndex;
}

// ---------------------------------------------------------------------------------------------
// Keeping in step with the disk

bool CDropFileTree::RefreshBranch(const CString& path, HTREEITEM item, bool& changed)
{
    if (item == nullptr || !::IsWindow(m_hWnd) || IsDummyNode(item))
        return false;
    if (!IsBranchExpanded(item))
        return CDropDirTree::RefreshBranch(path, item, changed);

    TextArray dirs;
    TextArray files;
    ListFolder(path, m_extensions, dirs, files);
    const bool bHasFolders = !dirs.IsEmpty();
    const bool bHasFiles = !files.IsEmpty();
    HTREEITEM hFirst = GetChildItem(item);

    if (!bHasFolders && !bHasFiles)
    {
        if (hFirst == nullptr)
            return false;
        // Emptied, deleted or unreadable: the branch shrinks to the folder itself.
        MoveSelectionOffChildren(item);
        RemoveAllChildBranches(item, true);
        SetExpandButton(item, false);
        changed = true;
        return true;
    }
    if (hFirst == nullptr)
    {
        FillBranch(item);
        changed = true;
        return true;
    }

    const NameSet dirNames = NamesOf(dirs);
    const NameSet fileNames = NamesOf(files);
    SetRedraw(FALSE);
    ++m_nRedrawDepth;

    // Items whose entry is gone, or no longer passes the filter, go; the selection first moves
    // off them, reported unless the caller muted reports (the drop window does while showing).
    std::map<CString, HTREEITEM, KeyLess> shown;
    char buffer[MAX_PATH + 1];
    for (HTREEITEM hChild = hFirst; hChild != nullptr;)
    {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        // Label and item data in one question: a branch of thousands asks once per item.
        TVITEMA child{};
        child.mask = TVIF_TEXT | TVIF_PARAM;
        child.hItem = hChild;
        child.pszText = buffer;
        child.cchTextMax = sizeof(buffer);
        buffer[0] = '\0';
        GetItem(&child);
        const CString label(buffer);
        const bool bDummy = child.lParam != 0 && IsDummyNode(hChild);
        if (!bDummy && (dirNames.count(label) != 0 || fileNames.count(label) != 0))
        {
            shown.emplace(label, hChild);
        }
        else
        {
            MoveSelectionOff(hChild);
            const bool bWasNotifying = m_bNotifySelChange;
            m_bNotifySelChange = false;
            DeleteItem(hChild);
            m_bNotifySelChange = bWasNotifying;
            changed = true;
        }
        hChild = hNext;
    }

    // New entries go where filling the branch would have put them (folders first, then files,
    // each in listing order), so that a refreshed branch looks like a freshly opened one.
    bool bAdded = false;
    HTREEITEM hAfter = TVI_FIRST;
    for (size_t i = 0; i < dirs.GetCount() + files.GetCount(); ++i)
    {
        const bool bFolder = i < dirs.GetCount();
        const CString& name = bFolder ? dirs[i] : files[i - dirs.GetCount()];
        auto it = shown.find(name);
        if (it != shown.end())
        {
            hAfter = it->second;
            continue;
        }
        HTREEITEM hNew = nullptr;
        if (bFolder)
        {
            const CString full = path + name + "\\";
            hNew = InsertFolderItem(item, hAfter, name, GetFolderImageIndex(item, false, full),
                                    GetFolderImageIndex(item, true, full));
            changed = true;
        }
        else
        {
            hNew = InsertFileItem(item, hAfter, name, GetFileImageIndex(path + name));
        }
        if (hNew != nullptr)
        {
            hAfter = hNew;
            bAdded = true;
        }
    }

    if (--m_nRedrawDepth == 0)
    {
        SetRedraw(TRUE);
        Invalidate();
    }
    return bAdded;
}
