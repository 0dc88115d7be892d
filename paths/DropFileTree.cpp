#include "DropFileTree.h"
#include "AppLogger.h"
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
// hidden or system files, no folders.
const bool kRecursive = false;
const bool kSkipHidden = true;
const bool kSkipSystem = true;
const bool kWithFolders = false;
// Subfolders as the base tree shows them (no hidden or system ones, full paths, in the order of
// a filled branch), and the same as an existence test.
const DWORD kListFolders =
    DirUtils::ListFullPaths | DirUtils::ListSkipHidden | DirUtils::ListSkipSystem | DirUtils::ListSorted;
const DWORD kProbeFolders = DirUtils::ListSkipHidden | DirUtils::ListSkipSystem;

using NameSet = std::set<CString, CDropFileTree::KeyLess>;

// The names of relative paths, trailing backslashes removed.
NameSet NamesOf(const TextArray& paths)
{
    NameSet names;
    for (size_t i = 0; i < paths.GetCount(); ++i)
    {
        CString name = paths[i];
        DirUtils::RemoveTrailingSlash(name);
        names.insert(name);
    }
    return names;
}

// A file's item never has children, so one attribute probe spares it the two folder scans of a
// collapsed folder. The error mode keeps a drive without media from asking the user.
bool IsExistingFile(const CString& itemPath)
{
    CString bare = itemPath;
    DirUtils::RemoveTrailingSlash(bare);
    if (bare.IsEmpty() || bare.GetLength() >= MAX_PATH)
        return false;
    DWORD nPreviousMode = 0;
    const BOOL bModeSet = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &nPreviousMode);
    const DWORD nAttributes = ::GetFileAttributesA(bare);
    if (bModeSet)
        ::SetThreadErrorMode(nPreviousMode, nullptr);
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
}

CDropFileTree::CDropFileTree() = default;

CDropFileTree::~CDropFileTree() = default;

// ---------------------------------------------------------------------------------------------
// Filling

bool CDropFileTree::DoesFolderHaveContent(const CString& path) const
{
    return CDropDirTree::DoesFolderHaveContent(path) ||
           FileUtils::HasFile(path, m_extensions, kRecursive, kSkipHidden, kSkipSystem, kWithFolders);
}

void CDropFileTree::AddDirectoryContent(CString path, HTREEITEM parent)
{
    CDropDirTree::AddDirectoryContent(path, parent);
    TextArray files;
    FileUtils::GetFileList(path, m_extensions, kRecursive, files, kSkipHidden, kSkipSystem, kWithFolders);
    DirUtils::MakePathsRelative(path, files);
    for (size_t i = 0; i < files.GetCount(); ++i)
        AddFileItem(parent, path, files[i]);
}

HTREEITEM CDropFileTree::InsertChild(HTREEITEM parent, HTREEITEM after, const CString& name, int nImage,
                                     int nSelectedImage, bool bHasContent)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(name));
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage;
    HTREEITEM hItem = InsertItem(&insert);
    if (hItem != nullptr && bHasContent)
        AddDummyNode(hItem);
    return hItem;
}

void CDropFileTree::AddFileItem(HTREEITEM parent, const CString& folder, const CString& name)
{
    AddToTree(parent, name, GetFileImageIndex(folder + name), false, -1);
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
    const bool bExpanded = IsBranchExpanded(item);
    HTREEITEM hFirst = GetChildItem(item);
    if (!bExpanded && hFirst == nullptr && IsExistingFile(path))
        return false;

    TextArray dirs;
    TextArray files;
    bool bHasFolders = false;
    bool bHasFiles = false;
    if (bExpanded)
    {
        bHasFolders = DirUtils::GetDirectoryList(path, dirs, kListFolders) > 0;
        bHasFiles = FileUtils::GetFileList(path, m_extensions, kRecursive, files, kSkipHidden, kSkipSystem,
                                           kWithFolders) > 0;
    }
    else
    {
        bHasFolders = DirUtils::HasSubdirectory(path, kProbeFolders);
        bHasFiles = FileUtils::HasFile(path, m_extensions, kRecursive, kSkipHidden, kSkipSystem, kWithFolders);
    }

    if (!bHasFolders && !bHasFiles && hFirst != nullptr)
    {
        // Emptied, deleted or unreadable: the branch shrinks to the folder itself.
        MoveSelectionOffChildren(item);
        RemoveAllChildBranches(item, true);
        if (bExpanded)
        {
            changed = true;
            ExpandBranch(item, false);
        }
        return true;
    }
    if ((bHasFolders || bHasFiles) && hFirst == nullptr)
    {
        AddDummyNode(item);
        if (bExpanded)
            ExpandBranch(item, false);
        return true;
    }
    if (!bExpanded)
        return false;

    DirUtils::MakePathsRelative(path, dirs);
    DirUtils::MakePathsRelative(path, files);
    const NameSet dirNames = NamesOf(dirs);
    const NameSet fileNames = NamesOf(files);
    SetRedraw(FALSE);
    ++m_nRedrawDepth;

    // Items whose entry is gone, or no longer passes the filter, go; the selection first moves
    // off them, reported unless the caller muted reports (the drop window does while showing).
    std::map<CString, HTREEITEM, KeyLess> shown;
    for (HTREEITEM hChild = hFirst; hChild != nullptr;)
    {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        const CString label = GetItemText(hChild);
        if (!IsDummyNode(hChild) && (dirNames.count(label) != 0 || fileNames.count(label) != 0))
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
        CString name = bFolder ? dirs[i] : files[i - dirs.GetCount()];
        DirUtils::RemoveTrailingSlash(name);
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
            hNew = InsertChild(item, hAfter, name, GetFolderImageIndex(item, false, full),
                               GetFolderImageIndex(item, true, full), DoesFolderHaveContent(full));
            changed = true;
        }
        else
        {
            const int nImage = GetFileImageIndex(path + name);
            hNew = InsertChild(item, hAfter, name, nImage, nImage, false);
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
