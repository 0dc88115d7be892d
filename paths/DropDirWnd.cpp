#include "DropDirWnd.h"
#include "AppLogger.h"
#include "DirUtils.h"
#include "DropBaseEdit.h"
#include "DropFileTree.h"
#include "DropMessages.h"
#include "FaultInjection.h"
#include "FileUtils.h"
#include "GraphicsUtils.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(CDropDirWnd, CDropWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SHOWWINDOW()
    ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED, OnDirTreeSelChanged)
    ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_KEY_ENTER, OnDirTreeKeyEnter)
    ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_KEY_ESCAPE, OnDirTreeKeyEscape)
    ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_EXPAND, OnDirTreeExpand)
    ON_NOTIFY(NM_DBLCLK, CDropDirWnd::kTreeId, OnTreeDblClk)
    ON_NOTIFY(NM_CLICK, CDropDirWnd::kTreeId, OnTreeClick)
END_MESSAGE_MAP()

namespace
{
const DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                         TVS_SHOWSELALWAYS;
// A drive root ("C:\") is selected but not scrolled to the top: it is near the top anyway.
const int kDriveRootLength = 3;

// The path itself when it exists, else its nearest existing folder; empty when none is left.
CString NearestExisting(const CString& path)
{
    if (FileUtils::DoesFileExist(path) || DirUtils::DoesDirExist(path))
        return path;
    CString folder = DirUtils::ParseParentDir(path);
    while (!folder.IsEmpty() && !DirUtils::DoesDirExist(folder))
    {
        const CString parent = DirUtils::ParseParentDir(folder);
        // Text that does not get shorter would never end the walk.
        if (parent.GetLength() >= folder.GetLength())
            return CString();
        folder = parent;
    }
    return folder;
}
}

CDropDirWnd::CDropDirWnd(bool readOnly)
    : m_bReadOnly(readOnly), m_bNotifying(false), m_pTree(FaultInjection::New<CDropFileTree>())
{
}

CDropDirWnd::~CDropDirWnd()
{
    delete m_pTree;
    m_pTree = nullptr;
}

CWnd* CDropDirWnd::GetFirstControl()
{
    return m_pTree;
}

CWnd* CDropDirWnd::GetLastControl()
{
    return m_pTree;
}

bool CDropDirWnd::HasTreeWindow() const
{
    return m_pTree != nullptr && ::IsWindow(m_pTree->m_hWnd);
}

// ---------------------------------------------------------------------------------------------
// Operations

void CDropDirWnd::SetPath(const CString& path)
{
    if (path.IsEmpty() || m_bNotifying)
        return;
    m_strPath = path;
    if (::IsWindow(m_hWnd) && IsWindowVisible() && HasTreeWindow())
        m_pTree->SetSelectedDir(m_strPath, false);
}

CString CDropDirWnd::GetSelectedPath() const
{
    return m_pTree != nullptr ? m_pTree->GetSelectedDir(true) : CString();
}

void CDropDirWnd::SetExt(const CStringArray& exts)
{
    if (m_pTree == nullptr)
        return;
    for (INT_PTR i = 0; i < exts.GetSize(); ++i)
    {
        if (exts[i] == "*")
        {
            m_arrExt.RemoveAll();
            m_pTree->m_extensions.RemoveAll();
            return;
        }
    }
    m_arrExt.Copy(exts);
    m_pTree->m_extensions.CopyFromStringArray(m_arrExt);
}

bool CDropDirWnd::ShowsFile(const CString& path) const
{
    return m_pTree == nullptr ||
           FileUtils::MatchesFilter(FileUtils::ParseFileNameFromPath(path, true), m_pTree->m_extensions);
}

void CDropDirWnd::InitDropWindow()
{
    SetPreferredSize(ScaleToEdit(kWidth), ScaleToEdit(kHeight));
    if (HasTreeWindow())
        m_pTree->SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL,
                             reinterpret_cast<LPARAM>(m_pTree->m_imageList.GetSafeHandle()));
}

void CDropDirWnd::SetPreferredSize(int nWidth, int nHeight)
{
    if (m_nPreferredWidth == nWidth && m_nPreferredHeight == nHeight)
        return;
    m_nPreferredWidth = nWidth;
    m_nPreferredHeight = nHeight;
    if (m_pEdit != nullptr)
        m_pEdit->OnAppMove();
}

// ---------------------------------------------------------------------------------------------
// Window

int CDropDirWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDropWnd::OnCreate(lpCreateStruct) == -1 || m_pTree == nullptr)
        return -1;
    if (FaultInjection::ShouldFail(FaultInjection::kWindowCreation) ||
        !m_pTree->Create(kTreeStyle, CRect(0, 0, 100, 100), this, kTreeId))
    {
        if (AppLogger::m_pInstance != nullptr)
            AppLogger::m_pInstance->AddLine("{F540E50F-DA2E-4BF5-A011-2801CE3BF299}");
        return -1;
    }
    m_pTree->m_hNotifyWnd = m_hWnd;
    m_pTree->Refresh(true);
    return 0;
}

void CDropDirWnd::OnSize(UINT nType, int cx, int cy)
{
    CDropWnd::OnSize(nType, cx, cy);
    if (HasTreeWindow())
        m_pTree->MoveWindow(0, 0, cx, cy, TRUE);
}

void CDropDirWnd::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CDropWnd::OnShowWindow(bShow, nStatus);
    if (!bShow || !HasTreeWindow())
        return;
    // A file or folder deleted since the last showing is not in the tree: it opens at the
    // nearest folder that is left, instead of wherever the tree's selection fell.
    const CString path = NearestExisting(m_strPath);
    // Files and folders that came or went while the window was hidden show now. When the
    // selected item went, the tree moves its selection to a neighbour; that is no pick of the
    // user's, so it must not reach the edit, which keeps its text until the user picks.
    const bool bWasReporting = m_pTree->m_bNotifySelChange;
    m_pTree->m_bNotifySelChange = false;
    m_pTree->Refresh(true);
    m_pTree->m_bNotifySelChange = bWasReporting;
    if (path.GetLength() > kDriveRootLength)
    {
        if (HTREEITEM hItem = m_pTree->SetSelectedDir(path, true))
            m_pTree->SendMessage(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(hItem));
    }
    if (HTREEITEM hItem = m_pTree->SetSelectedDir(path, false))
        m_pTree->SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(hItem));
    ApplyEditFont();
}

void CDropDirWnd::ApplyEditFont()
{
    if (m_pEdit == nullptr)
        return;
    LOGFONTA lf{};
    CFont* pFont = m_pEdit->GetDropWndFont();
    if (pFont == nullptr || pFont->GetSafeHandle() == nullptr || pFont->GetLogFont(&lf) == 0)
        GraphicsUtils::SetDefaultFont(lf, CString(), -1, -1, false, false, false);
    m_pTree->ApplyFont(lf, ::GetSysColor(COLOR_WINDOWTEXT));
    m_pTree->Invalidate(TRUE);
}

// ---------------------------------------------------------------------------------------------
// Tree notifications

void CDropDirWnd::NotifyEdit()
{
    m_bNotifying = true;
    if (m_pEdit != nullptr)
        m_pEdit->OnDropWndChanged(false);
    m_bNotifying = false;
}

void CDropDirWnd::CloseThroughEdit(bool bAccept)
{
    // As a child's request, so that an accept counts as the user's pick.
    SendMessage(WM_DROPWND_CHILD_CLOSE, bAccept ? 1 : 0, 0);
}

LRESULT CDropDirWnd::OnDirTreeSelChanged(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (m_pTree == nullptr)
        return 0;
    const CString path = m_pTree->GetSelectedDir(true);
    if (path.IsEmpty())
        return 0;
    const bool bIsFile = FileUtils::IsFile(path, true, true);
    const bool bTake = m_bReadOnly ? bIsFile : (DirUtils::IsDir(path, true) || bIsFile);
    if (!bTake)
        return 0;
    m_strPath = path;
    NotifyEdit();
    return 0;
}

LRESULT CDropDirWnd::OnDirTreeKeyEnter(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CloseThroughEdit(true);
    return 0;
}

LRESULT CDropDirWnd::OnDirTreeKeyEscape(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CloseThroughEdit(false);
    return 0;
}

LRESULT CDropDirWnd::OnDirTreeExpand(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    if (HasTreeWindow())
        SetPreferredSize(m_pTree->GetHorizontalExtent(), ScaleToEdit(kHeight));
    return 0;
}

void CDropDirWnd::OnTreeClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 0;
    if (!HasTreeWindow())
        return;
    CPoint point;
    ::GetCursorPos(&point);
    m_pTree->ScreenToClient(&point);
    UINT nFlags = 0;
    HTREEITEM hItem = m_pTree->HitTest(point, &nFlags);
    // A click on another item changes the selection, which reports the pick. The item already
    // selected changes nothing, yet clicking it is a pick too (the edit may hold something
    // else, as after a deletion).
    if (hItem == nullptr || hItem != m_pTree->GetSelectedItem() ||
        (nFlags & (TVHT_ONITEMLABEL | TVHT_ONITEMICON)) == 0)
        return;
    OnDirTreeSelChanged(0, 0);
}

void CDropDirWnd::OnTreeDblClk(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    *pResult = 0;
    if (!HasTreeWindow())
        return;
    CPoint point;
    ::GetCursorPos(&point);
    m_pTree->ScreenToClient(&point);
    UINT nFlags = 0;
    if (m_pTree->HitTest(point, &nFlags) == nullptr || (nFlags & TVHT_ONITEMLABEL) == 0)
        return;
    const CString path = m_pTree->GetSelectedDir(true);
    // Folders open by double-click; only a file is a final choice.
    if (path.IsEmpty() || !FileUtils::IsFile(path, true, true))
        return;
    NotifyEdit();
    SendMessage(WM_DROPWND_CHILD_CLOSE, 1, 0);
}
