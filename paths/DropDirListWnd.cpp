#include "DropDirListWnd.h"
#include "AppLogger.h"
#include "CharWalk.h"
#include "DirEdit.h"
#include "DirUtils.h"
#include "DropBaseEdit.h"
#include "DropMessages.h"
#include "FaultInjection.h"
#include "StringUtils.h"
#include "VolumeUtils.h"
#include <algorithm>
#include <utility>

BEGIN_MESSAGE_MAP(CDropDirListWnd, CDropWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_WM_MEASUREITEM()
    ON_LBN_SELCHANGE(CDropDirListWnd::kListId, OnListSelChange)
    ON_LBN_DBLCLK(CDropDirListWnd::kListId, OnListDblClk)
END_MESSAGE_MAP()

namespace
{
// Rows are handed to the list at once and drawn as they show: a folder among 50,000 siblings
// opens as fast as one among five.
const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                         LBS_NOTIFY | CDirList::kRowStyle;
// Widest a folder name is drawn before it is cut with an ellipsis.
const int kMaxTextWidth = 250;
// Rows kept in view above the selected one.
const int kRowsAboveSelection = 3;
const DWORD kSubfolderTestFlags = DirUtils::ListSkipHidden | DirUtils::ListSkipSystem; // 12

// Drives are ordered against the current folder by their first byte as a signed character, so
// "c:\" sorts above every upper-case drive letter.
signed char FirstChar(const CString& text)
{
    return text.IsEmpty() ? 0 : static_cast<signed char>(text[0]);
}

int DriveIcon(const CString& root)
{
    switch (VolumeUtils::GetDriveTypeA(root))
    {
    case DRIVE_CDROM:
        return CDirList::IconCdRomDrive;
    case DRIVE_REMOVABLE:
        return CDirList::IconRemovableDrive;
    case DRIVE_REMOTE:
        return CDirList::IconNetworkDrive;
    default:
        return CDirList::IconDrive;
    }
}

bool IsDriveRoot(const CString& path)
{
    return path.GetLength() == 3;
}

// The list compares paths as text and every folder it reads from the disk ends with one
// backslash, so a path handed in as "C:\a" or "C:/a" would never be found among its siblings.
CString CompletePath(const CString& path)
{
    CString completed(path);
    completed.Replace('/', '\\');
    if (!CharWalk::EndsWith(completed, '\\'))
        completed += '\\';
    return completed;
}

// Keeps the wait cursor up on every way out of a refill.
class WaitCursor
{
public:
    WaitCursor()
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->BeginWaitCursor();
    }
    ~WaitCursor()
    {
        if (CWinApp* pApp = AfxGetApp())
            pApp->EndWaitCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}

CDropDirListWnd::CDropDirListWnd() : m_bFontPending(true), m_bNotifying(false) {}

CDropDirListWnd::~CDropDirListWnd() = default;

// ---------------------------------------------------------------------------------------------
// Operations

void CDropDirListWnd::SetPath(const CString& path)
{
    if (m_bNotifying)
        return;
    // Escape gives the edit back what it holds now, not merely the last folder handed in: an
    // edit that was emptied, or that browses from its start folder while empty, stays empty.
    CString held;
    if (m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd))
        m_pEdit->GetWindowText(held);
    m_strRestorePath = held.IsEmpty() ? CString() : CompletePath(held);
    if (path.IsEmpty())
        return;
    m_strPath = CompletePath(path);
    if (::IsWindow(m_hWnd) && IsWindowVisible())
        FillList();
}

CString CDropDirListWnd::GetPath() const
{
    return m_strPath;
}

CWnd* CDropDirListWnd::GetFirstControl()
{
    return &m_list;
}

CWnd* CDropDirListWnd::GetLastControl()
{
    return &m_list;
}

void CDropDirListWnd::SelectPath(const CString& path)
{
    m_strPath = path;
    FillList();
    NotifyEdit();
}

CString CDropDirListWnd::GetSelectedPath() const
{
    if (!::IsWindow(m_list.m_hWnd))
        return CString();
    const int nSel = m_list.GetCurSel();
    if (nSel == LB_ERR || nSel < 0)
        return CString();
    return m_paths.GetAt(static_cast<size_t>(nSel));
}

void CDropDirListWnd::NotifyEdit()
{
    m_bNotifying = true;
    if (CDirEdit* pEdit = dynamic_cast<CDirEdit*>(m_pEdit))
        pEdit->OnDropWndChanged(false);
    m_bNotifying = false;
}

// ---------------------------------------------------------------------------------------------
// Rows

int CDropDirListWnd::AddRow(CString text, int nIcon, CString path)
{
    // Taken over, not copied: a wide folder adds tens of thousands of rows.
    m_texts.Add(std::move(text));
    m_icons.push_back(static_cast<unsigned char>(nIcon));
    m_paths.Add(std::move(path));
    return static_cast<int>(m_paths.GetCount()) - 1;
}

int CDropDirListWnd::AddDriveRow(const CString& root)
{
    return AddRow(root, DriveIcon(root), root);
}

void CDropDirListWnd::WalkUpToExistingFolder()
{
    while (!m_strPath.IsEmpty() && !DirUtils::DoesDirExist(m_strPath))
    {
        const CString parent = DirUtils::ParseParentDir(m_strPath);
        // Text that does not get shorter would never end the walk.
        if (parent.GetLength() >= m_strPath.GetLength())
        {
            m_strPath.Empty();
            break;
        }
        m_strPath = parent;
    }
}

void CDropDirListWnd::AddFolderChain(int& nSelected)
{
    TextArray parts;
    StringUtils::SplitLine(m_strPath, "\\", parts);
    CString indent;
    CString accumulated;
    for (size_t j = 0; j < parts.GetCount() && !parts[j].IsEmpty(); ++j)
    {
        if (j > 0)
            indent += "..\\";
        accumulated += parts[j] + "\\";
        if (accumulated != m_strPath)
            AddRow(indent + parts[j] + "\\", j == 0 ? CDirList::IconDrive : CDirList::IconParentFolder,
                   accumulated);
    }
    AddSiblings(indent, nSelected);
}

void CDropDirListWnd::AddSiblings(const CString& indent, int& nSelected)
{
    // The parent as the disk listing spells it, so that its names make the siblings' paths.
    const CString parent = DirUtils::ParseParentDir(m_strPath);
    if (parent.IsEmpty())
        return;
    const TextArray& siblings = m_parentListing.Read(parent);
    const TextArray& children = m_ownListing.Read(m_strPath);
    Reserve(m_paths.GetCount() + siblings.GetCount() + children.GetCount() + 26);

    const CString current = m_strPath.Mid(parent.GetLength());
    for (size_t i = 0; i < siblings.GetCount(); ++i)
    {
        const CString& name = siblings[i];
        const bool bCurrent = name == current;
        const int nIndex =
            AddRow(indent + name, bCurrent ? CDirList::IconCurrentFolder : CDirList::IconFolder, parent + name);
        if (!bCurrent)
            continue;
        nSelected = nIndex;
        for (size_t k = 0; k < children.GetCount(); ++k)
            AddRow(indent + name + children[k], CDirList::IconSubfolder, m_strPath + children[k]);
    }
}

void CDropDirListWnd::Reserve(size_t nRows)
{
    m_texts.Reserve(nRows);
    m_paths.Reserve(nRows);
    m_icons.reserve(nRows);
}

void CDropDirListWnd::FillList()
{
    if (m_strPath.IsEmpty())
        m_strPath = "C:\\";
    WaitCursor wait;
    // The list keeps pointing at the rows while they are rebuilt; nothing draws or reads them
    // before ShowRows hands them over again, and a row past their end shows nothing.
    m_paths.RemoveAll();
    m_texts.RemoveAll();
    m_icons.clear();
    if (!::IsWindow(m_list.m_hWnd))
        return;

    TextArray drives;
    VolumeUtils::GetDriveInformation(&drives, nullptr, nullptr, nullptr);
    const signed char first = FirstChar(m_strPath);
    size_t nextDrive = 0;
    for (; nextDrive < drives.GetCount() && FirstChar(drives[nextDrive]) < first; ++nextDrive)
        AddDriveRow(drives[nextDrive]);

    int nSelected = -1;
    // A root is listed only when it exists: a missing drive walks up to nothing below.
    if (IsDriveRoot(m_strPath) && DirUtils::DoesDirExist(m_strPath))
    {
        nSelected = AddDriveRow(m_strPath);
        const TextArray& subdirs = m_ownListing.Read(m_strPath);
        Reserve(m_paths.GetCount() + subdirs.GetCount() + 26);
        for (size_t i = 0; i < subdirs.GetCount(); ++i)
            AddRow("..\\" + subdirs[i], CDirList::IconFolder, m_strPath + subdirs[i]);
    }
    else
    {
        WalkUpToExistingFolder();
        if (IsDriveRoot(m_strPath))
            nSelected = AddDriveRow(m_strPath);
        else if (!m_strPath.IsEmpty())
            AddFolderChain(nSelected);
    }

    const signed char current = FirstChar(m_strPath);
    for (; nextDrive < drives.GetCount(); ++nextDrive)
    {
        if (FirstChar(drives[nextDrive]) > current)
            AddDriveRow(drives[nextDrive]);
    }

    m_list.ShowRows(&m_texts, &m_icons);
    if (nSelected >= 0)
    {
        m_list.SetCurSel(nSelected);
        m_list.SetTopIndex(std::max(nSelected - kRowsAboveSelection, 0));
    }
}

// ---------------------------------------------------------------------------------------------
// Window handlers

int CDropDirListWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDropWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (FaultInjection::ShouldFail(FaultInjection::kWindowCreation) ||
        !m_list.Create(kListStyle, CRect(0, 0, 100, 100), this, kListId))
    {
        if (AppLogger::m_pInstance != nullptr)
            AppLogger::m_pInstance->AddLine("{956C4DC7-0834-418A-9EB3-E6690E3D3B52}");
        return -1;
    }
    m_list.m_nMaxTextWidth = ScaleToEdit(kMaxTextWidth);
    return 0;
}

void CDropDirListWnd::OnSize(UINT nType, int cx, int cy)
{
    CDropWnd::OnSize(nType, cx, cy);
    if (::IsWindow(m_list.m_hWnd))
        m_list.MoveWindow(0, 0, cx, cy, TRUE);
}

void CDropDirListWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDropWnd::OnShowWindow(bShow, nStatus);
    if (!bShow)
        return;
    FillList();
    if (!m_bFontPending || m_pEdit == nullptr || !::IsWindow(m_list.m_hWnd))
        return;
    // Without a font yet, the next showing tries again.
    if (CFont* pFont = m_pEdit->GetDropWndFont())
    {
        m_list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), TRUE);
        m_bFontPending = false;
    }
    m_list.InvalidateRect(nullptr, TRUE);
}

void CDropDirListWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    // Every row added is measured; asking the list straight away, instead of searching the
    // children for it and reflecting the message, keeps a refill of thousands of rows fast.
    if (nIDCtl == kListId && lpMeasureItemStruct != nullptr && ::IsWindow(m_list.m_hWnd))
    {
        m_list.MeasureItem(lpMeasureItemStruct);
        return;
    }
    CDropWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CDropDirListWnd::OnListSelChange()
{
    const CString sel = GetSelectedPath();
    if (sel.IsEmpty() || sel == m_strPath)
        return;
    if (RefuseVanishedFolder(sel))
        return;
    const CString previous = m_strPath;
    m_strPath = sel;
    if (DirUtils::ParseParentDir(previous) != DirUtils::ParseParentDir(sel) ||
        DirUtils::HasSubdirectory(previous, kSubfolderTestFlags) ||
        DirUtils::HasSubdirectory(sel, kSubfolderTestFlags))
        FillList();
    NotifyEdit();
}

void CDropDirListWnd::OnListDblClk()
{
    const CString sel = GetSelectedPath();
    if (sel.IsEmpty() || RefuseVanishedFolder(sel))
        return;
    m_strPath = sel;
    NotifyEdit();
    SendMessage(WM_DROPWND_CHILD_CLOSE, 1, 0);
}

bool CDropDirListWnd::RefuseVanishedFolder(const CString& sel)
{
    if (DirUtils::DoesDirExist(sel))
        return false;
    // Deleted since the list was filled: the pick is refused, the edit keeps its folder, and
    // the list shows again what is on the disk around the folder it had (walking up from it
    // when that went too).
    ::MessageBeep(MB_ICONEXCLAMATION);
    FillList();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Keys

BOOL CDropDirListWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->hwnd == m_hWnd || pMsg->hwnd == m_list.m_hWnd) &&
        HandleKey(static_cast<UINT>(pMsg->wParam)))
        return TRUE;
    return CDropWnd::PreTranslateMessage(pMsg);
}

bool CDropDirListWnd::HandleKey(UINT nKey)
{
    switch (nKey)
    {
    case VK_RETURN:
        SendMessage(WM_DROPWND_CHILD_CLOSE, 1, 0);
        return true;
    case VK_ESCAPE:
        // With no folder ever set from the edit, the edit was empty: browsing is undone by
        // emptying it again, not by writing "C:\" into it.
        if (!m_strRestorePath.IsEmpty())
            SelectPath(m_strRestorePath);
        else if (m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd))
            m_pEdit->SetWindowText("");
        SendMessage(WM_DROPWND_CHILD_CLOSE, 0, 0);
        return true;
    case VK_LEFT:
        if (m_strPath.GetLength() <= 3)
            return false;
        SelectPath(DirUtils::ParseParentDir(m_strPath));
        return true;
    case VK_RIGHT:
    {
        bool bFound = false;
        size_t i = m_paths.Find(m_strPath, true, bFound);
        if (!bFound)
            return false;
        // Past the current folder's own row and every row below it that lies inside it.
        while (i < m_paths.GetCount() && StringUtils::MatchFirstChars(m_paths[i], m_strPath, true))
            ++i;
        if (i >= m_paths.GetCount())
            return false;
        if (!RefuseVanishedFolder(m_paths[i]))
            SelectPath(m_paths[i]);
        return true;
    }
    default:
        return false;
    }
}
