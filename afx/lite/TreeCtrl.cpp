#include "TreeCtrl.h"
#include "../afxstr.h"
#include "CtlSend.h"
#include "Edit.h"
#include "ImageList.h"

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace
{
// The tree-view class exists only once the common controls registered it.
void RegisterTreeViewClass()
{
    static const BOOL bRegistered = [] {
        INITCOMMONCONTROLSEX icc{ sizeof(INITCOMMONCONTROLSEX), ICC_TREEVIEW_CLASSES };
        return ::InitCommonControlsEx(&icc);
    }();
    (void)bRegistered;
}

LPARAM ItemParam(HTREEITEM hItem) { return reinterpret_cast<LPARAM>(hItem); }
}

CTreeCtrl::CTreeCtrl() = default;
CTreeCtrl::~CTreeCtrl() { DestroyWindow(); }

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    RegisterTreeViewClass();
    return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTreeCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    RegisterTreeViewClass();
    return CWnd::CreateEx(dwExStyle, WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---------------------------------------------------------------------------------------------
// Attributes

UINT CTreeCtrl::GetCount() const { return static_cast<UINT>(AfxLiteSendCtl(m_hWnd, TVM_GETCOUNT)); }
UINT CTreeCtrl::GetIndent() const { return static_cast<UINT>(AfxLiteSendCtl(m_hWnd, TVM_GETINDENT)); }
void CTreeCtrl::SetIndent(UINT nIndent) { AfxLiteSendCtl(m_hWnd, TVM_SETINDENT, nIndent); }
UINT CTreeCtrl::GetVisibleCount() const { return static_cast<UINT>(AfxLiteSendCtl(m_hWnd, TVM_GETVISIBLECOUNT)); }

CImageList* CTreeCtrl::GetImageList(int nImageList) const
{
    HIMAGELIST hImageList = reinterpret_cast<HIMAGELIST>(AfxLiteSendCtl(m_hWnd, TVM_GETIMAGELIST, static_cast<WPARAM>(nImageList)));
    return hImageList != nullptr ? CImageList::FromHandle(hImageList) : nullptr;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    HIMAGELIST hNew = pImageList != nullptr ? pImageList->GetSafeHandle() : nullptr;
    HIMAGELIST hOld = reinterpret_cast<HIMAGELIST>(AfxLiteSendCtl(m_hWnd, TVM_SETIMAGELIST, static_cast<WPARAM>(nImageListType),
                                                                  reinterpret_cast<LPARAM>(hNew)));
    return hOld != nullptr ? CImageList::FromHandle(hOld) : nullptr;
}

SHORT CTreeCtrl::GetItemHeight() const { return static_cast<SHORT>(AfxLiteSendCtl(m_hWnd, TVM_GETITEMHEIGHT)); }
SHORT CTreeCtrl::SetItemHeight(SHORT cyHeight) { return static_cast<SHORT>(AfxLiteSendCtl(m_hWnd, TVM_SETITEMHEIGHT, static_cast<WPARAM>(cyHeight))); }

// Colours answer CLR_NONE (the control's "system colour") when there is no window.
COLORREF CTreeCtrl::GetBkColor() const { return static_cast<COLORREF>(AfxLiteSendCtl(m_hWnd, TVM_GETBKCOLOR, 0, 0, static_cast<LRESULT>(CLR_NONE))); }
COLORREF CTreeCtrl::SetBkColor(COLORREF clr) { return static_cast<COLORREF>(AfxLiteSendCtl(m_hWnd, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(clr), static_cast<LRESULT>(CLR_NONE))); }
COLORREF CTreeCtrl::GetTextColor() const { return static_cast<COLORREF>(AfxLiteSendCtl(m_hWnd, TVM_GETTEXTCOLOR, 0, 0, static_cast<LRESULT>(CLR_NONE))); }
COLORREF CTreeCtrl::SetTextColor(COLORREF clr) { return static_cast<COLORREF>(AfxLiteSendCtl(m_hWnd, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(clr), static_cast<LRESULT>(CLR_NONE))); }
UINT CTreeCtrl::GetScrollTime() const { return static_cast<UINT>(AfxLiteSendCtl(m_hWnd, TVM_GETSCROLLTIME)); }
UINT CTreeCtrl::SetScrollTime(UINT uScrollTime) { return static_cast<UINT>(AfxLiteSendCtl(m_hWnd, TVM_SETSCROLLTIME, uScrollTime)); }

// The label edit has no object of ours unless someone subclassed it: a temporary wrapper that
// only uses the handle, as the framework hands out.
CEdit* CTreeCtrl::GetEditControl() const
{
    return static_cast<CEdit*>(CWnd::FromHandle(reinterpret_cast<HWND>(AfxLiteSendCtl(m_hWnd, TVM_GETEDITCONTROL))));
}

CToolTipCtrl* CTreeCtrl::GetToolTips() const
{
    return reinterpret_cast<CToolTipCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(AfxLiteSendCtl(m_hWnd, TVM_GETTOOLTIPS))));
}

// ---------------------------------------------------------------------------------------------
// Navigation

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
    return reinterpret_cast<HTREEITEM>(AfxLiteSendCtl(m_hWnd, TVM_GETNEXTITEM, nCode, ItemParam(hItem)));
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXT); }
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUS); }
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PARENT); }
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const { return GetNextItem(nullptr, TVGN_FIRSTVISIBLE); }
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_NEXTVISIBLE); }
HTREEITEM CTreeCtrl::GetPrevVisibleItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_PREVIOUSVISIBLE); }
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
HTREEITEM CTreeCtrl::GetDropHilightItem() const { return GetNextItem(nullptr, TVGN_DROPHILITE); }
HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }

// ---------------------------------------------------------------------------------------------
// Items

BOOL CTreeCtrl::GetItem(TVITEMA* pItem) const
{
    if (pItem == nullptr)
        return FALSE;
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CTreeCtrl::SetItem(TVITEMA* pItem)
{
    if (pItem == nullptr)
        return FALSE;
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(pItem)));
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    TVITEMA item{};
    item.hItem = hItem;
    item.mask = nMask;
    item.pszText = const_cast<LPSTR>(lpszItem != nullptr ? lpszItem : "");
    item.iImage = nImage;
    item.iSelectedImage = nSelectedImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

BOOL CTreeCtrl::GetItemFields(HTREEITEM hItem, UINT nMask, TVITEMA& item, UINT nStateMask) const
{
    item = TVITEMA{};
    item.hItem = hItem;
    item.mask = nMask | TVIF_HANDLE;
    item.stateMask = nStateMask;
    return hItem != nullptr && GetItem(&item);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    // The control truncates to the buffer it is given: grow it until the text leaves room over.
    CString strText;
    const int nMaxLen = 0x100000;
    for (int nLen = 256; hItem != nullptr && nLen <= nMaxLen; nLen *= 4)
    {
        TVITEMA item{};
        item.hItem = hItem;
        item.mask = TVIF_HANDLE | TVIF_TEXT;
        LPSTR pszBuffer = strText.GetBufferSetLength(nLen);
        pszBuffer[0] = '\0';
        item.pszText = pszBuffer;
        item.cchTextMax = nLen + 1;
        if (!GetItem(&item))
        {
            strText.ReleaseBuffer(0);
            break;
        }
        // A text-callback item may answer with a pointer of its own instead of filling ours.
        if (item.pszText != pszBuffer)
        {
            strText.ReleaseBuffer(0);
            if (item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKA)
                strText = item.pszText;
            break;
        }
        strText.ReleaseBuffer();
        if (strText.GetLength() < nLen)
            break;
    }
    return strText;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem)
{
    return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
    TVITEMA item;
    if (!GetItemFields(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, item))
        return FALSE;
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
    return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, nullptr, nImage, nSelectedImage, 0, 0, 0);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
    TVITEMA item;
    if (!GetItemFields(hItem, TVIF_STATE, item, nStateMask))
        return 0;
    return item.state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
    return SetItem(hItem, TVIF_STATE, nullptr, 0, 0, nState, nStateMask, 0);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMA item;
    if (!GetItemFields(hItem, TVIF_PARAM, item))
        return 0;
    return static_cast<DWORD_PTR>(item.lParam);
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    return SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, static_cast<LPARAM>(dwData));
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
    TVITEMA item;
    if (!GetItemFields(hItem, TVIF_CHILDREN, item))
        return FALSE;
    return item.cChildren;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
    if (lpRect == nullptr)
        return FALSE;
    // The message takes the item in the rectangle it fills.
    ::SetRectEmpty(lpRect);
    *reinterpret_cast<HTREEITEM*>(lpRect) = hItem;
    BOOL bResult = hItem != nullptr && AfxLiteSendCtl(m_hWnd, TVM_GETITEMRECT, bTextOnly, reinterpret_cast<LPARAM>(lpRect));
    if (!bResult)
        ::SetRectEmpty(lpRect);
    return bResult;
}

// State images are one-based: 1 is the unchecked box, 2 and above are checked.
BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const
{
    UINT nState = GetItemState(hItem, TVIS_STATEIMAGEMASK);
    return (nState >> 12) > 1;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck)
{
    return SetItemState(hItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), TVIS_STATEIMAGEMASK);
}

// ---------------------------------------------------------------------------------------------
// Operations

HTREEITEM CTreeCtrl::InsertItem(TVINSERTSTRUCTA* lpInsertStruct)
{
    if (lpInsertStruct == nullptr)
        return nullptr;
    return reinterpret_cast<HTREEITEM>(AfxLiteSendCtl(m_hWnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(lpInsertStruct)));
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA tvis{};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = nMask;
    // A null text makes an item with an empty label rather than reaching the control.
    tvis.item.pszText = const_cast<LPSTR>(lpszItem != nullptr ? lpszItem : "");
    tvis.item.iImage = nImage;
    tvis.item.iSelectedImage = nSelectedImage;
    tvis.item.state = nState;
    tvis.item.stateMask = nStateMask;
    tvis.item.lParam = lParam;
    return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter)
{
    return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
                      hParent, hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_DELETEITEM, 0, ItemParam(hItem))); }
BOOL CTreeCtrl::DeleteAllItems() { return DeleteItem(TVI_ROOT); }
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_EXPAND, nCode, ItemParam(hItem))); }
BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_SELECTITEM, nCode, ItemParam(hItem))); }
BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }
BOOL CTreeCtrl::SelectDropTarget(HTREEITEM hItem) { return Select(hItem, TVGN_DROPHILITE); }
BOOL CTreeCtrl::SelectSetFirstVisible(HTREEITEM hItem) { return Select(hItem, TVGN_FIRSTVISIBLE); }
BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_ENSUREVISIBLE, 0, ItemParam(hItem))); }

CEdit* CTreeCtrl::EditLabel(HTREEITEM hItem)
{
    return static_cast<CEdit*>(CWnd::FromHandle(reinterpret_cast<HWND>(AfxLiteSendCtl(m_hWnd, TVM_EDITLABELA, 0, ItemParam(hItem)))));
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    TVHITTESTINFO hti{};
    hti.pt = pt;
    hti.flags = TVHT_NOWHERE;
    HTREEITEM hItem = HitTest(&hti);
    if (pFlags != nullptr)
        *pFlags = hti.flags;
    return hItem;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
    if (pHitTestInfo == nullptr)
        return nullptr;
    return reinterpret_cast<HTREEITEM>(AfxLiteSendCtl(m_hWnd, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem) { return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_SORTCHILDREN, 0, ItemParam(hItem))); }

BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort)
{
    if (pSort == nullptr || pSort->lpfnCompare == nullptr)
        return FALSE;
    return static_cast<BOOL>(AfxLiteSendCtl(m_hWnd, TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(pSort)));
}
