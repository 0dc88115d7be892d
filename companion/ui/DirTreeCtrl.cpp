#include "DirTreeCtrl.h"
#include "DpiScale.h"
#include "ImageMenu.h"
#include <CharWalk.h>
#include <DirUtils.h>
#include <FileUtils.h>
#include <StringUtils.h>
#include <TextArray.h>
#include <VolumeUtils.h>
#include <shellapi.h>
#include <algorithm>
#include <string>
#include <unordered_set>

IMPLEMENT_DYNAMIC(CDirTreeCtrl, CTreeCtrl)

const UINT CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED = ::RegisterWindowMessageA("70B573C6-9C03-4B56-A5CE-0163404363A5");
const UINT CDirTreeCtrl::MSG_DIR_TREE_KEY_ENTER = ::RegisterWindowMessageA("FDCD1405-598C-4492-8732-FFE6D0D0705E");
const UINT CDirTreeCtrl::MSG_DIR_TREE_KEY_ESCAPE = ::RegisterWindowMessageA("514B32EA-2DE9-4DE2-9D32-ADE869770AAE");
const UINT CDirTreeCtrl::MSG_DIR_TREE_EXPAND = ::RegisterWindowMessageA("E65D7782-DB2B-46C0-B618-1FC3B654BEEF");

BEGIN_MESSAGE_MAP(CDirTreeCtrl, CTreeCtrl)
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGA, OnItemExpanding)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGW, OnItemExpanding)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDA, OnItemExpanded)
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDW, OnItemExpanded)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDW, OnSelChanged)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SYSKEYDOWN()
    ON_WM_CONTEXTMENU()
    ON_NOTIFY_REFLECT(NM_RCLICK, OnRClick)
    ON_NOTIFY_REFLECT(TVN_GETDISPINFOA, OnGetDispInfo)
    ON_NOTIFY_REFLECT(TVN_GETDISPINFOW, OnGetDispInfo)
    ON_NOTIFY_REFLECT(TVN_DELETEITEMA, OnDeleteItem)
    ON_NOTIFY_REFLECT(TVN_DELETEITEMW, OnDeleteItem)
END_MESSAGE_MAP()

namespace
{
// Item data: drive items hold their letter ('A' to 'Z'), the placeholder this mark, every
// other item 0.
const DWORD_PTR kDummyData = 1;

const DWORD kFolderFlags = DirUtils::ListSkipHidden | DirUtils::ListSkipSystem;

// Extra room after the widest label, so that its last letter is not flush with the frame.
const int kExtentPadding = 4;

// The expand or collapse part of a notification's action (the SDK headers here lack a name).
const UINT kExpandActionMask = TVE_COLLAPSE | TVE_EXPAND;

bool IsDriveLetterData(DWORD_PTR data) { return data >= 'A' && data <= 'Z'; }

// Names are matched as the folder list sorts them: single-byte letters fold, two-byte
// characters match byte for byte.
bool IsSameNameIgnoringCase(const CString& a, const CString& b)
{
    return a.GetLength() == b.GetLength() && StringUtils::MatchFirstChars(a, b, false);
}

// A key equal for two names exactly when IsSameNameIgnoringCase holds for them.
std::string NameKey(const CString& name)
{
    std::string key(name.GetString(), static_cast<size_t>(name.GetLength()));
    for (int i = 0; i < name.GetLength(); i = CharWalk::Next(name, i))
    {
        char& ch = key[static_cast<size_t>(i)];
        if (CharWalk::CharLength(name, i) == 1)
            ch = static_cast<char>(StringUtils::m_tableLowercase[static_cast<unsigned char>(ch)]);
    }
    return key;
}

// Upper-case drive letter of "X:..." texts, 0 for anything else.
char DriveLetterOf(const CString& path)
{
    if (path.GetLength() < 2 || path[1] != ':')
        return 0;
    const char letter = static_cast<char>(::toupper(static_cast<unsigned char>(path[0])));
    return (letter >= 'A' && letter <= 'Z') ? letter : 0;
}

// Suspends redrawing of a bulk change; nested changes redraw once, when the outermost ends.
class RedrawSuspension
{
public:
    RedrawSuspension(CWnd& wnd, int& nDepth) : m_wnd(wnd), m_nDepth(nDepth)
    {
        if (m_nDepth++ == 0)
            m_wnd.SetRedraw(FALSE);
    }
    ~RedrawSuspension()
    {
        if (--m_nDepth == 0 && ::IsWindow(m_wnd.m_hWnd))
        {
            m_wnd.SetRedraw(TRUE);
            m_wnd.Invalidate();
        }
    }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

private:
    CWnd& m_wnd;
    int& m_nDepth;
};

// The tree-view's own indent does not grow with the DPI everywhere; never less than its 96-DPI
// width scaled.
const int kDesignIndent = 19;

void RaiseIndentToDpi(HWND hTree)
{
    const int nIndent = DpiScale::ScaleForWindow(hTree, kDesignIndent);
    if (static_cast<int>(::SendMessageA(hTree, TVM_GETINDENT, 0, 0)) < nIndent)
        ::SendMessageA(hTree, TVM_SETINDENT, static_cast<WPARAM>(nIndent), 0);
}

// Adds a shell icon to the list and destroys it; the new index, -1 on failure.
int AddShellIcon(CImageList& list, const SHFILEINFOA& info)
{
    if (info.hIcon == nullptr)
        return -1;
    const int nIndex = list.Add(info.hIcon);
    ::DestroyIcon(info.hIcon);
    return nIndex;
}
}

CDirTreeCtrl::CDirTreeCtrl()
    : m_hNotifyWnd(nullptr), m_nContextMenuId(0), m_bSettingSelection(false), m_bNotifySelChange(true),
      m_pFont(nullptr), m_nFolderImage(-1), m_nOpenFolderImage(-1), m_nRedrawDepth(0), m_bInExpandBranch(false),
      m_bExpandPending(false)
{
    std::fill(std::begin(m_nDriveImages), std::end(m_nDriveImages), -1);
    m_imageList.Create(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 8, 8);
}

CDirTreeCtrl::~CDirTreeCtrl()
{
    // The window must go before the font and the image list it still refers to.
    DestroyWindow();
    delete m_pFont;
    m_pFont = nullptr;
    m_hNotifyWnd = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Creation

void CDirTreeCtrl::PreSubclassWindow()
{
    CTreeCtrl::PreSubclassWindow();
    // A window being created ignores this until its WM_CREATE (OnCreate repeats it); a
    // subclassed one takes it now.
    AttachImageList();
}

int CDirTreeCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTreeCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    AttachImageList();
    return 0;
}

void CDirTreeCtrl::AttachImageList()
{
    if (m_imageList.GetSafeHandle() != nullptr)
        ::SendMessageA(m_hWnd, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(m_imageList.GetSafeHandle()));
    RaiseIndentToDpi(m_hWnd);
}

// ---------------------------------------------------------------------------------------------
// Selection by path

HTREEITEM CDirTreeCtrl::SetSelectedDir(const CString& path, bool bExpandTarget)
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    const bool bWasSetting = m_bSettingSelection;
    m_bSettingSelection = true;
    HTREEITEM hItem = DoSetSelectedDir(path, bExpandTarget);
    m_bSettingSelection = bWasSetting;
    // One message for all the branches that opened on the way down.
    if (m_bExpandPending && !m_bSettingSelection)
    {
        m_bExpandPending = false;
        Notify(MSG_DIR_TREE_EXPAND);
    }
    return hItem;
}

HTREEITEM CDirTreeCtrl::DoSetSelectedDir(const CString& path, bool bExpandTarget)
{
    CString target = path;
    target.Replace('/', '\\');
    const int nLength = target.GetLength();
    // Only drive paths can be in the tree; UNC and relative paths, and texts the file API
    // would refuse for their length, are not looked for.
    if (nLength >= MAX_PATH || DriveLetterOf(target) == 0 || (nLength > 2 && target[2] != '\\'))
        return nullptr;

    if (GetRootItem() == nullptr)
        SyncDrives();
    HTREEITEM hItem = GetTreeDirMatch(nullptr, target.Left(2), false);
    if (hItem == nullptr)
    {
        // A drive may have been added since the tree was filled.
        SyncDrives();
        hItem = GetTreeDirMatch(nullptr, target.Left(2), false);
        if (hItem == nullptr)
            return nullptr;
    }

    int nPos = 3;
    while (nPos < nLength)
    {
        const int nNext = CharWalk::Find(target, '\\', nPos);
        const int nEnd = nNext < 0 ? nLength : nNext;
        const CString component = target.Mid(nPos, nEnd - nPos);
        nPos = nEnd + 1;
        if (component.IsEmpty())
            continue;

        const bool bWasOpen = IsBranchExpanded(hItem);
        ExpandBranch(hItem, true);
        HTREEITEM hChild = GetTreeDirMatch(hItem, component, false);
        // A branch that was already open may predate the folder; one opened now was just read.
        if (hChild == nullptr && bWasOpen)
        {
            bool bChanged = false;
            RefreshBranch(GetItemPath(hItem), hItem, bChanged);
            hChild = GetTreeDirMatch(hItem, component, false);
        }
        if (hChild == nullptr)
            return nullptr;
        hItem = hChild;
    }

    if (bExpandTarget)
        ExpandBranch(hItem, true);
    SelectItem(hItem);
    EnsureVisible(hItem);
    return hItem;
}

CString CDirTreeCtrl::GetSelectedDir(bool bFileToo) const
{
    if (!::IsWindow(m_hWnd))
        return CString();
    HTREEITEM hItem = GetSelectedItem();
    const CString path = GetItemPath(hItem);
    if (path.IsEmpty() || GetParentItem(hItem) == nullptr)
        return path;
    CString bare = path;
    DirUtils::RemoveTrailingSlash(bare);
    if (FileUtils::IsFile(bare, true, true))
        return bFileToo ? bare : DirUtils::ParsePathFromFile(bare);
    return path;
}

bool CDirTreeCtrl::SelectSiblingOrParentDir()
{
    if (!::IsWindow(m_hWnd))
        return false;
    HTREEITEM hTarget = GetSiblingOrParent(GetSelectedItem());
    return hTarget != nullptr && SelectItem(hTarget);
}

HTREEITEM CDirTreeCtrl::GetSiblingOrParent(HTREEITEM hItem) const
{
    if (hItem == nullptr)
        return nullptr;
    for (HTREEITEM h = GetNextSiblingItem(hItem); h != nullptr; h = GetNextSiblingItem(h))
    {
        if (!IsDummyNode(h))
            return h;
    }
    for (HTREEITEM h = GetPrevSiblingItem(hItem); h != nullptr; h = GetPrevSiblingItem(h))
    {
        if (!IsDummyNode(h))
            return h;
    }
    return GetParentItem(hItem);
}

bool CDirTreeCtrl::IsSelfOrAncestorOfSelection(HTREEITEM hItem) const
{
    for (HTREEITEM h = GetSelectedItem(); h != nullptr; h = GetParentItem(h))
    {
        if (h == hItem)
            return true;
    }
    return false;
}

bool CDirTreeCtrl::MoveSelectionOff(HTREEITEM hItem)
{
    if (hItem == nullptr || !IsSelfOrAncestorOfSelection(hItem))
        return false;
    HTREEITEM hTarget = GetSiblingOrParent(hItem);
    return hTarget != nullptr && SelectItem(hTarget);
}

// ---------------------------------------------------------------------------------------------
// Items

CString CDirTreeCtrl::GetItemPath(HTREEITEM hItem) const
{
    if (hItem == nullptr || !::IsWindow(m_hWnd) || IsDummyNode(hItem))
        return CString();
    CString path;
    for (HTREEITEM h = hItem; h != nullptr; h = GetParentItem(h))
    {
        const DWORD_PTR data = GetItemData(h);
        if (GetParentItem(h) == nullptr && IsDriveLetterData(data))
            path = CString(static_cast<char>(data)) + ":\\" + path;
        else
            path = GetItemText(h) + "\\" + path;
    }
    return path;
}

bool CDirTreeCtrl::IsDummyNode(HTREEITEM hItem) const
{
    return hItem != nullptr && GetParentItem(hItem) != nullptr && GetItemData(hItem) == kDummyData;
}

HTREEITEM CDirTreeCtrl::AddToTree(HTREEITEM hParent, const CString& name, int nImage, bool bHasContent,
                                  int nSelectedImage)
{
    if (name.IsEmpty() || !::IsWindow(m_hWnd))
        return nullptr;
    // An item without content (a file's) is never asked about; one with content is asked again
    // after a refresh, as the folder may have emptied.
    HTREEITEM hItem = InsertTreeItem(hParent, TVI_LAST, name, nImage, nSelectedImage, 0,
                                     bHasContent ? I_CHILDRENCALLBACK : 0);
    if (hItem != nullptr && bHasContent)
        m_expandButtons.Store(hItem, true);
    return hItem;
}

HTREEITEM CDirTreeCtrl::InsertFolderItem(HTREEITEM hParent, HTREEITEM hAfter, const CString& name, int nImage,
                                         int nSelectedImage, LPARAM data)
{
    return InsertTreeItem(hParent, hAfter, name, nImage, nSelectedImage, data, I_CHILDRENCALLBACK);
}

HTREEITEM CDirTreeCtrl::InsertTreeItem(HTREEITEM hParent, HTREEITEM hAfter, const CString& name, int nImage,
                                       int nSelectedImage, LPARAM data, int nChildren)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = hParent != nullptr ? hParent : TVI_ROOT;
    insert.hInsertAfter = hAfter;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(name));
    insert.item.iImage = nImage;
    insert.item.iSelectedImage = nSelectedImage < 0 ? nImage : nSelectedImage;
    insert.item.lParam = data;
    insert.item.cChildren = nChildren;
    return InsertItem(&insert);
}

void CDirTreeCtrl::SetExpandButton(HTREEITEM hItem, bool bHasChildren)
{
    if (hItem == nullptr)
        return;
    m_expandButtons.Store(hItem, bHasChildren);
    RECT rc{};
    if (GetItemRect(hItem, &rc, FALSE))
        InvalidateRect(&rc, TRUE);
}

bool CDirTreeCtrl::HasExpandButton(HTREEITEM hItem)
{
    bool bHasChildren = false;
    if (m_expandButtons.Find(hItem, bHasChildren))
        return bHasChildren;
    const CString path = GetItemPath(hItem);
    if (path.IsEmpty())
        return false;
    const DWORD_PTR data = GetItemData(hItem);
    if (GetParentItem(hItem) == nullptr && IsDriveLetterData(data))
    {
        // Media and network drives show their button unprobed: asking could wake the media or
        // wait on the network, and opening one reads it anyway.
        const UINT nType = ::GetDriveTypeA(path);
        bHasChildren = (nType != DRIVE_FIXED && nType != DRIVE_RAMDISK) || DoesFolderHaveContent(path);
    }
    else
    {
        bHasChildren = DoesFolderHaveContent(path);
    }
    m_expandButtons.Store(hItem, bHasChildren);
    return bHasChildren;
}

HTREEITEM CDirTreeCtrl::AddDummyNode(HTREEITEM hItem)
{
    if (hItem == nullptr || hItem == TVI_ROOT || !::IsWindow(m_hWnd))
        return nullptr;
    return InsertItem(TVIF_TEXT | TVIF_PARAM, "", 0, 0, 0, 0, static_cast<LPARAM>(kDummyData), hItem, TVI_LAST);
}

HTREEITEM CDirTreeCtrl::GetTreeDirMatch(HTREEITEM hParent, const CString& name, bool bSelect)
{
    if (!::IsWindow(m_hWnd))
        return nullptr;
    if (hParent == TVI_ROOT)
        hParent = nullptr;
    CString wanted = name;
    wanted.Replace('/', '\\');
    // A trail byte 0x5C ends many names on double-byte code pages and is no backslash.
    while (CharWalk::EndsWith(wanted, '\\'))
        wanted.Truncate(wanted.GetLength() - 1);
    if (wanted.IsEmpty())
        return nullptr;

    HTREEITEM hMatch = nullptr;
    for (HTREEITEM h = hParent != nullptr ? GetChildItem(hParent) : GetRootItem(); h != nullptr && hMatch == nullptr;
         h = GetNextSiblingItem(h))
    {
        if (IsDummyNode(h))
            continue;
        const DWORD_PTR data = GetItemData(h);
        if (hParent == nullptr && IsDriveLetterData(data) && wanted.GetLength() == 2 &&
            DriveLetterOf(wanted) == static_cast<char>(data))
            hMatch = h;
        else if (IsSameNameIgnoringCase(GetItemText(h), wanted))
            hMatch = h;
    }
    if (hMatch != nullptr && bSelect)
        SelectItem(hMatch);
    return hMatch;
}

void CDirTreeCtrl::RemoveAllChildBranches(HTREEITEM hItem, bool bResetExpanded)
{
    if (hItem == nullptr || !::IsWindow(m_hWnd))
        return;
    RedrawSuspension suspension(*this, m_nRedrawDepth);
    HTREEITEM hChild = GetChildItem(hItem);
    while (hChild != nullptr)
    {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        DeleteItem(hChild);
        hChild = hNext;
    }
    if (bResetExpanded)
        SetItemState(hItem, 0, TVIS_EXPANDED | TVIS_EXPANDEDONCE);
}

bool CDirTreeCtrl::IsBranchExpanded(HTREEITEM hItem) const
{
    return hItem != nullptr && ::IsWindow(m_hWnd) && (GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

// ---------------------------------------------------------------------------------------------
// Filling and expanding

bool CDirTreeCtrl::FillBranch(HTREEITEM hItem)
{
    const CString path = GetItemPath(hItem);
    {
        RedrawSuspension suspension(*this, m_nRedrawDepth);
        RemoveAllChildBranches(hItem, false);
        if (!path.IsEmpty())
            AddDirectoryContent(path, hItem);
    }
    const bool bHasChildren = GetChildItem(hItem) != nullptr;
    // Nothing to show (empty, vanished or unreadable) drops the expand button.
    if (!bHasChildren)
        SetItemState(hItem, 0, TVIS_EXPANDED | TVIS_EXPANDEDONCE);
    SetExpandButton(hItem, bHasChildren);
    return bHasChildren;
}

bool CDirTreeCtrl::ExpandBranch(HTREEITEM hItem, bool bNotify)
{
    if (hItem == nullptr || !::IsWindow(m_hWnd) || IsDummyNode(hItem))
        return false;
    if (IsBranchExpanded(hItem))
    {
        // Open already; a placeholder under an open branch (a subclass's) is read now.
        if (IsDummyNode(GetChildItem(hItem)))
            return FillBranch(hItem);
        return GetChildItem(hItem) != nullptr;
    }

    // The control reports a programmatic expansion only the first time, so the branch is
    // filled here and the expansion notifications of this call are ignored.
    m_bInExpandBranch = true;
    const bool bHasChildren = FillBranch(hItem);
    if (bHasChildren)
        Expand(hItem, TVE_EXPAND);
    m_bInExpandBranch = false;

    const bool bOpened = bHasChildren && IsBranchExpanded(hItem);
    if (bOpened && bNotify)
    {
        if (m_bSettingSelection)
            m_bExpandPending = true;
        else
            Notify(MSG_DIR_TREE_EXPAND);
    }
    return bOpened;
}

bool CDirTreeCtrl::DoesFolderHaveContent(const CString& path) const
{
    return DirUtils::HasSubdirectory(path, kFolderFlags);
}

void CDirTreeCtrl::AddDirectoryContent(CString path, HTREEITEM parent)
{
    // Names only ("name\"): the folder is known, so no path is taken apart per item.
    TextArray dirs;
    DirUtils::GetDirectoryList(path, dirs, kFolderFlags | DirUtils::ListSorted);
    for (size_t i = 0; i < dirs.GetCount(); ++i)
    {
        const CString& entry = dirs[i];
        const CString full = path + entry;
        InsertFolderItem(parent, TVI_LAST, entry.Left(entry.GetLength() - 1), GetFolderImageIndex(parent, false, full),
                         GetFolderImageIndex(parent, true, full));
    }
}

// ---------------------------------------------------------------------------------------------
// Keeping in step with the disk

void CDirTreeCtrl::Refresh(bool bRescanDrives)
{
    if (!::IsWindow(m_hWnd))
        return;
    bool bChanged = false;
    {
        RedrawSuspension suspension(*this, m_nRedrawDepth);
        // Every expand button is asked for again, but only as its item shows: a closed folder
        // beside thousands of others costs nothing until it is scrolled into view.
        m_expandButtons.Clear();
        if (bRescanDrives || GetRootItem() == nullptr)
            SyncDrives();
        for (HTREEITEM hDrive = GetRootItem(); hDrive != nullptr;)
        {
            HTREEITEM hNext = GetNextSiblingItem(hDrive);
            // A closed drive is read again when it opens; probing every drive here could wake
            // removable media or wait on the network.
            if (IsBranchExpanded(hDrive))
                RefreshItem(hDrive, GetItemPath(hDrive), bChanged);
            hDrive = hNext;
        }
    }
    // Folders that came or went above the selection may have pushed it out of sight.
    HTREEITEM hSelected = GetSelectedItem();
    if (bChanged && hSelected != nullptr)
        EnsureVisible(hSelected);
}

void CDirTreeCtrl::RefreshItem(HTREEITEM hItem, const CString& path, bool& changed)
{
    RefreshBranch(path, hItem, changed);
    if (!IsBranchExpanded(hItem))
        return;
    // Only open branches are read; a closed one is read when it opens.
    for (HTREEITEM hChild = GetChildItem(hItem); hChild != nullptr;)
    {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        if (IsBranchExpanded(hChild) && !IsDummyNode(hChild))
            RefreshItem(hChild, path + GetItemText(hChild) + "\\", changed);
        hChild = hNext;
    }
}

bool CDirTreeCtrl::RefreshBranch(const CString& path, HTREEITEM item, bool& changed)
{
    if (item == nullptr || !::IsWindow(m_hWnd) || IsDummyNode(item))
        return false;
    if (!IsBranchExpanded(item))
    {
        // Not read: the tree view asks for its expand button again when it shows the item.
        m_expandButtons.Forget(item);
        return false;
    }
    TextArray dirs;
    const bool bHasFolders = DirUtils::GetDirectoryList(path, dirs, kFolderFlags) > 0;
    HTREEITEM hFirst = GetChildItem(item);

    if (!bHasFolders)
    {
        if (hFirst == nullptr)
            return false;
        MoveSelectionOffChildren(item);
        changed = true;
        RemoveAllChildBranches(item, true);
        SetExpandButton(item, false);
        return true;
    }
    if (hFirst == nullptr)
    {
        FillBranch(item);
        changed = true;
        return true;
    }

    RedrawSuspension suspension(*this, m_nRedrawDepth);
    DirUtils::MakePathsRelative(path, dirs);
    // Matched through sets: a branch of thousands of folders would otherwise compare every
    // item with every name.
    TextArray names;
    names.Reserve(dirs.GetCount());
    std::unordered_set<std::string> onDisk;
    for (size_t i = 0; i < dirs.GetCount(); ++i)
    {
        CString name = dirs[i];
        DirUtils::RemoveTrailingSlash(name);
        onDisk.insert(NameKey(name));
        names.Add(name);
    }

    std::unordered_set<std::string> shown;
    for (HTREEITEM hChild = hFirst; hChild != nullptr;)
    {
        HTREEITEM hNext = GetNextSiblingItem(hChild);
        if (!IsDummyNode(hChild))
        {
            std::string key = NameKey(GetItemText(hChild));
            if (onDisk.count(key) != 0)
            {
                shown.insert(std::move(key));
                hChild = hNext;
                continue;
            }
        }
        MoveSelectionOff(hChild);
        DeleteItem(hChild);
        changed = true;
        hChild = hNext;
    }

    bool bAdded = false;
    for (size_t i = 0; i < names.GetCount(); ++i)
    {
        const CString& name = names[i];
        if (!shown.insert(NameKey(name)).second)
            continue;
        const CString full = path + name + "\\";
        InsertFolderItem(item, TVI_LAST, name, GetFolderImageIndex(item, false, full),
                         GetFolderImageIndex(item, true, full));
        changed = true;
        bAdded = true;
    }
    if (bAdded)
        SortChildren(item);
    return bAdded;
}

void CDirTreeCtrl::MoveSelectionOffChildren(HTREEITEM hItem)
{
    HTREEITEM hSelected = GetSelectedItem();
    if (hSelected != nullptr && hSelected != hItem && IsSelfOrAncestorOfSelection(hItem))
        SelectItem(hItem);
}

void CDirTreeCtrl::SyncDrives()
{
    TextArray roots;
    TextArray labels;
    CUIntArray types;
    VolumeUtils::GetDriveInformation(&roots, &types, &labels, nullptr);

    RedrawSuspension suspension(*this, m_nRedrawDepth);
    for (HTREEITEM hDrive = GetRootItem(); hDrive != nullptr;)
    {
        HTREEITEM hNext = GetNextSiblingItem(hDrive);
        bool bPresent = false;
        roots.Find(GetItemPath(hDrive), true, bPresent);
        if (!bPresent)
        {
            MoveSelectionOff(hDrive);
            DeleteItem(hDrive);
        }
        hDrive = hNext;
    }

    HTREEITEM hAfter = TVI_FIRST;
    for (size_t i = 0; i < roots.GetCount(); ++i)
    {
        const CString& root = roots[i];
        const char letter = DriveLetterOf(root);
        if (letter == 0)
            continue;
        if (HTREEITEM hExisting = GetTreeDirMatch(nullptr, root.Left(2), false))
        {
            hAfter = hExisting;
            continue;
        }
        const UINT nType = i < static_cast<size_t>(types.GetSize()) ? types[static_cast<INT_PTR>(i)] : DRIVE_UNKNOWN;
        const int nImage = GetFolderImageIndex(nullptr, false, root);
        HTREEITEM hDrive = InsertFolderItem(TVI_ROOT, hAfter, MakeDriveLabel(root, nType, labels.GetAt(i)), nImage,
                                            nImage, static_cast<LPARAM>(letter));
        if (hDrive == nullptr)
            continue;
        hAfter = hDrive;
    }
}

CString CDirTreeCtrl::MakeDriveLabel(const CString& root, UINT nType, const CString& volumeLabel)
{
    CString name = volumeLabel;
    name.Trim();
    if (name.IsEmpty())
    {
        switch (nType)
        {
        case DRIVE_REMOVABLE:
            name = "Removable Disk";
            break;
        case DRIVE_FIXED:
            name = "Local Disk";
            break;
        case DRIVE_REMOTE:
            name = "Network Drive";
            break;
        case DRIVE_CDROM:
            name = "CD Drive";
            break;
        case DRIVE_RAMDISK:
            name = "RAM Disk";
            break;
        default:
            name = "Drive";
            break;
        }
    }
    return name + " (" + root.Left(2) + ")";
}

// ---------------------------------------------------------------------------------------------
// Icons, font and size

int CDirTreeCtrl::GetFolderImageIndex(HTREEITEM hParent, bool bOpen, const CString& path)
{
    if (m_imageList.GetSafeHandle() == nullptr)
        return 0;
    SHFILEINFOA info{};
    if (hParent == nullptr || hParent == TVI_ROOT)
    {
        const char letter = DriveLetterOf(path);
        if (letter != 0)
        {
            int& nCached = m_nDriveImages[letter - 'A'];
            if (nCached < 0)
            {
                const CString root = CString(letter) + ":\\";
                // The shell reads the drive for its icon: no dialog for a drive without media.
                DWORD nPreviousMode = 0;
                const BOOL bModeSet = ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &nPreviousMode);
                if (::SHGetFileInfoA(root, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) != 0)
                    nCached = AddShellIcon(m_imageList, info);
                if (bModeSet)
                    ::SetThreadErrorMode(nPreviousMode, nullptr);
            }
            if (nCached >= 0)
                return nCached;
        }
    }

    // Every folder shows the shell's folder icon, asked for by attributes alone, so that
    // neither a slow nor an unreadable folder is touched for its picture.
    int& nCached = bOpen ? m_nOpenFolderImage : m_nFolderImage;
    if (nCached < 0)
    {
        const UINT nFlags = SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES | (bOpen ? SHGFI_OPENICON : 0);
        if (::SHGetFileInfoA("folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof(info), nFlags) != 0)
            nCached = AddShellIcon(m_imageList, info);
    }
    return nCached >= 0 ? nCached : 0;
}

void CDirTreeCtrl::ApplyFont(const LOGFONTA& lf, COLORREF crText)
{
    if (!::IsWindow(m_hWnd))
        return;
    LOGFONTA copy = lf;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';
    CFont* pFont = new CFont;
    if (!pFont->CreateFontIndirect(&copy))
    {
        delete pFont;
        return;
    }
    SetFont(pFont, TRUE);
    delete m_pFont;
    m_pFont = pFont;
    SetTextColor(crText);
}

int CDirTreeCtrl::GetHorizontalExtent() const
{
    if (!::IsWindow(m_hWnd))
        return 0;
    int nWidest = 0;
    for (HTREEITEM h = GetRootItem(); h != nullptr; h = GetNextVisibleItem(h))
    {
        RECT rc{};
        if (GetItemRect(h, &rc, TRUE))
            nWidest = std::max<int>(nWidest, rc.right);
    }
    // Item rectangles are shifted by the horizontal scroll position.
    nWidest += GetScrollPos(SB_HORZ) + kExtentPadding;
    RECT rcWindow{};
    RECT rcClient{};
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    return nWidest + (rcWindow.right - rcWindow.left) - (rcClient.right - rcClient.left);
}

// ---------------------------------------------------------------------------------------------
// Notifications and input

void CDirTreeCtrl::Notify(UINT nMessage) const
{
    if (m_hNotifyWnd != nullptr && ::IsWindow(m_hNotifyWnd))
        ::SendMessageA(m_hNotifyWnd, nMessage, 0, 0);
}

void CDirTreeCtrl::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTREEVIEWA* pInfo = reinterpret_cast<const NMTREEVIEWA*>(pNMHDR);
    if (m_bInExpandBranch || (pInfo->action & kExpandActionMask) != TVE_EXPAND)
        return;
    // Read on every opening, so that a branch closed for a while shows the disk as it is now.
    if (!FillBranch(pInfo->itemNew.hItem))
        *pResult = TRUE;
}

void CDirTreeCtrl::OnItemExpanded(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTREEVIEWA* pInfo = reinterpret_cast<const NMTREEVIEWA*>(pNMHDR);
    if (m_bInExpandBranch || (pInfo->action & kExpandActionMask) != TVE_EXPAND)
        return;
    if (m_bSettingSelection)
        m_bExpandPending = true;
    else
        Notify(MSG_DIR_TREE_EXPAND);
}

void CDirTreeCtrl::OnSelChanged(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_bSettingSelection && m_bNotifySelChange)
        Notify(MSG_DIR_TREE_SELCHANGED);
}

UINT CDirTreeCtrl::OnGetDlgCode()
{
    // A dialog would turn Enter and Escape into its default buttons; the tree reports them.
    const MSG* pCurrent = AfxGetCurrentMessage();
    const MSG* pKey = pCurrent != nullptr ? reinterpret_cast<const MSG*>(pCurrent->lParam) : nullptr;
    UINT nCode = CTreeCtrl::OnGetDlgCode();
    if (pKey != nullptr && pKey->message == WM_KEYDOWN && (pKey->wParam == VK_RETURN || pKey->wParam == VK_ESCAPE))
        nCode |= DLGC_WANTMESSAGE;
    return nCode;
}

void CDirTreeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN)
        Notify(MSG_DIR_TREE_KEY_ENTER);
    else if (nChar == VK_ESCAPE)
        Notify(MSG_DIR_TREE_KEY_ESCAPE);
    else
        CTreeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CDirTreeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The characters of Enter and Escape were reported as keys; the incremental search of the
    // tree view would only beep at them.
    if (nChar == '\r' || nChar == '\n' || nChar == VK_ESCAPE)
        return;
    CTreeCtrl::OnChar(nChar, nRepCnt, nFlags);
}

void CDirTreeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Some tree views keep Shift+F10 from the default handling that turns it into a context
    // menu request, so the tree asks for the menu itself, and only once.
    if (nChar == VK_F10 && (::GetKeyState(VK_SHIFT) & 0x8000) != 0)
        SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), MAKELPARAM(-1, -1));
    else
        CTreeCtrl::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CDirTreeCtrl::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (m_nContextMenuId == 0)
    {
        CTreeCtrl::OnContextMenu(pWnd, point);
        return;
    }
    if (point.x == -1 && point.y == -1)
    {
        point = GetKeyboardMenuPoint();
    }
    else
    {
        // The menu acts on the selected folder, so a right click selects what it hits.
        CPoint ptClient = point;
        ScreenToClient(&ptClient);
        UINT nFlags = 0;
        HTREEITEM hHit = HitTest(ptClient, &nFlags);
        if (hHit != nullptr && (nFlags & TVHT_ONITEM) != 0)
            SelectItem(hHit);
    }
    ShowContextMenu(point);
}

void CDirTreeCtrl::OnRClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    // Tree views differ in where the menu request of a right click goes: some send it to the
    // parent, so the tree would never see it. The tree asks for its own menu and marks the click
    // handled, so that no second request follows.
    *pResult = 0;
    if (m_nContextMenuId == 0)
        return;
    const DWORD pos = ::GetMessagePos();
    SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_hWnd), static_cast<LPARAM>(pos));
    *pResult = 1;
}

void CDirTreeCtrl::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    // Both character sets lay out the item's mask, handle and child count alike.
    NMTVDISPINFOA* pInfo = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR);
    if ((pInfo->item.mask & TVIF_CHILDREN) != 0)
        pInfo->item.cChildren = HasExpandButton(pInfo->item.hItem) ? 1 : 0;
}

void CDirTreeCtrl::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    m_expandButtons.Forget(reinterpret_cast<const NMTREEVIEWA*>(pNMHDR)->itemOld.hItem);
}

CPoint CDirTreeCtrl::GetKeyboardMenuPoint() const
{
    RECT rcClient{};
    GetClientRect(&rcClient);
    CPoint point(rcClient.left, rcClient.top);
    RECT rcItem{};
    HTREEITEM hSelected = GetSelectedItem();
    if (hSelected != nullptr && GetItemRect(hSelected, &rcItem, TRUE))
    {
        // Under the selected label, kept inside the tree when the label is scrolled away.
        point.x = std::max(rcClient.left, std::min(rcItem.left, rcClient.right));
        point.y = std::max(rcClient.top, std::min(rcItem.bottom, rcClient.bottom));
    }
    ClientToScreen(&point);
    return point;
}

void CDirTreeCtrl::ShowContextMenu(const CPoint& point)
{
    if (m_nContextMenuId == 0 || !::IsWindow(m_hWnd))
        return;
    CWnd* pOwner = GetParent();
    if (pOwner == nullptr)
        pOwner = this;
    CImageMenu loader;
    CImageMenu* pPopup = loader.LoadFilteredPopupMenu(m_nContextMenuId, pOwner);
    if (pPopup == nullptr)
        return;
    UpdateContextMenu(pPopup);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, pOwner);
    delete pPopup;
}

void CDirTreeCtrl::UpdateContextMenu(CMenu* /*pMenu*/) {}
