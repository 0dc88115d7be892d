#include "DropEditAccessible.h"
#include "DropBaseEdit.h"
#include "DropWnd.h"

namespace
{
// The standard label rule: the nearest earlier sibling in the tab (z) order that is visible,
// provided it is a static text. Ampersands of the mnemonic go; "&&" stands for one.
CString LabelBefore(HWND hWnd)
{
    HWND hPrev = ::GetWindow(hWnd, GW_HWNDPREV);
    while (hPrev != nullptr && !::IsWindowVisible(hPrev))
        hPrev = ::GetWindow(hPrev, GW_HWNDPREV);
    char className[16] = {};
    if (hPrev == nullptr || ::GetClassNameA(hPrev, className, sizeof(className)) == 0 ||
        ::lstrcmpiA(className, "Static") != 0)
        return CString();
    char text[256] = {};
    ::GetWindowTextA(hPrev, text, sizeof(text));
    CString label;
    for (const char* p = text; *p != '\0'; ++p)
    {
        if (*p == '&' && p[1] != '\0')
            ++p;
        label += *p;
    }
    return label;
}

HRESULT SetVariantI4(VARIANT* pVar, LONG value)
{
    if (pVar == nullptr)
        return E_POINTER;
    ::VariantInit(pVar);
    pVar->vt = VT_I4;
    pVar->lVal = value;
    return S_OK;
}
}

CDropEditAccessible::CDropEditAccessible(HWND hEdit) : CAccessibleProxy(hEdit)
{
}

CString CDropEditAccessible::NameOf(const CDropBaseEdit& edit)
{
    const CString name = edit.GetAccessibleName();
    return name.IsEmpty() ? LabelBefore(edit.m_hWnd) : name;
}

CDropBaseEdit* CDropEditAccessible::Edit() const
{
    if (!IsAlive())
        return nullptr;
    return dynamic_cast<CDropBaseEdit*>(CWnd::FromHandlePermanent(m_hWnd));
}

LONG CDropEditAccessible::Child(const VARIANT& varChild) const
{
    const LONG nChild = ChildId(varChild);
    if (Edit() == nullptr || nChild > kButtonChild)
        return -1;
    return nChild;
}

bool CDropEditAccessible::IsDropped() const
{
    const CDropBaseEdit* pEdit = Edit();
    return pEdit != nullptr && pEdit->IsDropWndVisible();
}

CRect CDropEditAccessible::ChildRect(LONG nChild) const
{
    const CDropBaseEdit* pEdit = Edit();
    CRect rcWindow;
    pEdit->GetWindowRect(&rcWindow);
    if (nChild == kButtonChild)
    {
        CRect rc = pEdit->m_rcButton;
        rc.OffsetRect(rcWindow.left, rcWindow.top);
        return rc;
    }
    if (nChild == kTextChild)
    {
        CRect rc;
        pEdit->GetClientRect(&rc);
        pEdit->ClientToScreen(&rc);
        return rc;
    }
    return rcWindow;
}

HRESULT CDropEditAccessible::get_accChildCount(LONG* pcountChildren)
{
    if (pcountChildren == nullptr)
        return E_POINTER;
    *pcountChildren = 2;
    return Edit() != nullptr ? S_OK : RPC_E_DISCONNECTED;
}

HRESULT CDropEditAccessible::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (ppdispChild == nullptr)
        return E_POINTER;
    *ppdispChild = nullptr;
    const LONG nChild = Child(varChild);
    // Both children are simple elements of this object, answered by id.
    return nChild >= kTextChild ? S_FALSE : E_INVALIDARG;
}

HRESULT CDropEditAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    const LONG nChild = Child(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    if (nChild == kButtonChild)
        return ToBstr(IsDropped() ? "Close" : "Open", pszName);
    return ToBstr(NameOf(*Edit()), pszName);
}

HRESULT CDropEditAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    const LONG nChild = Child(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    if (nChild == kButtonChild)
    {
        if (pszValue != nullptr)
            *pszValue = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    CString text;
    Edit()->GetWindowText(text);
    // An empty text is a value all the same: an empty string rather than none.
    const HRESULT hr = ToBstr(text, pszValue);
    if (hr == S_FALSE)
    {
        *pszValue = ::SysAllocString(L"");
        return *pszValue != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    return hr;
}

HRESULT CDropEditAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    static const LONG kRoles[] = { ROLE_SYSTEM_COMBOBOX, ROLE_SYSTEM_TEXT, ROLE_SYSTEM_PUSHBUTTON };
    const LONG nChild = Child(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    return SetVariantI4(pvarRole, kRoles[nChild]);
}

HRESULT CDropEditAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    const LONG nChild = Child(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    const CDropBaseEdit* pEdit = Edit();
    const bool bDisabled = !pEdit->IsWindowEnabled();
    const bool bOpen = IsDropped();
    LONG state = bDisabled ? STATE_SYSTEM_UNAVAILABLE : 0;
    if (nChild == kButtonChild)
    {
        if (pEdit->m_nButtonState == 2 || pEdit->IsHostReadOnly())
            state |= STATE_SYSTEM_UNAVAILABLE;
        if (bOpen)
            state |= STATE_SYSTEM_PRESSED;
        return SetVariantI4(pvarState, state);
    }
    if (!bDisabled)
        state |= STATE_SYSTEM_FOCUSABLE;
    if (::GetFocus() == m_hWnd)
        state |= STATE_SYSTEM_FOCUSED;
    if (nChild == kTextChild)
    {
        if (pEdit->IsHostReadOnly())
            state |= STATE_SYSTEM_READONLY;
        return SetVariantI4(pvarState, state);
    }
    state |= bOpen ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
    if (!pEdit->IsWindowVisible())
        state |= STATE_SYSTEM_INVISIBLE;
    return SetVariantI4(pvarState, state);
}

HRESULT CDropEditAccessible::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    const LONG nChild = Child(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    if (nChild != kButtonChild)
    {
        if (pszDefaultAction != nullptr)
            *pszDefaultAction = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    return ToBstr(IsDropped() ? "Close" : "Open", pszDefaultAction);
}

HRESULT CDropEditAccessible::accDoDefaultAction(VARIANT varChild)
{
    const LONG nChild = Child(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    if (nChild != kButtonChild)
        return DISP_E_MEMBERNOTFOUND;
    CDropBaseEdit* pEdit = Edit();
    if (!IsDropped() && (!pEdit->IsWindowEnabled() || !pEdit->IsDropDownAllowed()))
        return S_FALSE;
    // As the button's click: the edit keeps the focus, a close cancels.
    pEdit->ShowDropWnd(!IsDropped(), false, false);
    return S_OK;
}

HRESULT CDropEditAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                         VARIANT varChild)
{
    if (pxLeft == nullptr || pyTop == nullptr || pcxWidth == nullptr || pcyHeight == nullptr)
        return E_POINTER;
    const LONG nChild = Child(varChild);
    if (nChild < 0)
        return E_INVALIDARG;
    const CRect rc = ChildRect(nChild);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CDropEditAccessible::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    const LONG nStart = Child(varStart);
    if (nStart < 0)
        return E_INVALIDARG;
    LONG nEnd = -1;
    if (nStart == CHILDID_SELF)
    {
        if (navDir == NAVDIR_FIRSTCHILD)
            nEnd = kTextChild;
        else if (navDir == NAVDIR_LASTCHILD)
            nEnd = kButtonChild;
        else
            return CAccessibleProxy::accNavigate(navDir, varStart, pvarEndUpAt);
    }
    else if (navDir == NAVDIR_NEXT || navDir == NAVDIR_RIGHT)
        nEnd = nStart == kTextChild ? kButtonChild : -1;
    else if (navDir == NAVDIR_PREVIOUS || navDir == NAVDIR_LEFT)
        nEnd = nStart == kButtonChild ? kTextChild : -1;
    if (pvarEndUpAt == nullptr)
        return E_POINTER;
    ::VariantInit(pvarEndUpAt);
    if (nEnd < 0)
        return S_FALSE;
    return SetVariantI4(pvarEndUpAt, nEnd);
}

HRESULT CDropEditAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == nullptr)
        return E_POINTER;
    ::VariantInit(pvarChild);
    if (Edit() == nullptr)
        return RPC_E_DISCONNECTED;
    const CPoint pt(xLeft, yTop);
    for (LONG nChild : { LONG(kButtonChild), LONG(kTextChild), LONG(CHILDID_SELF) })
    {
        if (ChildRect(nChild).PtInRect(pt))
            return SetVariantI4(pvarChild, nChild);
    }
    return S_FALSE;
}
