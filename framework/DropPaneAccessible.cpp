#include "DropPaneAccessible.h"
#include "DropBaseEdit.h"
#include "DropEditAccessible.h"

CDropPaneAccessible::CDropPaneAccessible(HWND hDropWnd, HWND hEdit) : CAccessibleProxy(hDropWnd), m_hEdit(hEdit)
{
}

HRESULT CDropPaneAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    if (ChildId(varChild) != CHILDID_SELF)
        return CAccessibleProxy::get_accName(varChild, pszName);
    const CDropBaseEdit* pEdit = ::IsWindow(m_hEdit)
                                     ? dynamic_cast<CDropBaseEdit*>(CWnd::FromHandlePermanent(m_hEdit))
                                     : nullptr;
    if (!IsAlive() || pEdit == nullptr)
        return RPC_E_DISCONNECTED;
    return ToBstr(CDropEditAccessible::NameOf(*pEdit), pszName);
}

HRESULT CDropPaneAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (ChildId(varChild) != CHILDID_SELF)
        return CAccessibleProxy::get_accRole(varChild, pvarRole);
    if (!IsAlive())
        return RPC_E_DISCONNECTED;
    if (pvarRole == nullptr)
        return E_POINTER;
    ::VariantInit(pvarRole);
    pvarRole->vt = VT_I4;
    pvarRole->lVal = ROLE_SYSTEM_PANE;
    return S_OK;
}
