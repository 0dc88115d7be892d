// CDropPaneAccessible: what screen readers see of a drop window: a pane named after its edit,
// whose children (the list, tree or calendar) are the standard controls' own objects. Keeps
// only window handles.
#pragma once
#include "AccessibleProxy.h"

class CDropPaneAccessible : public CAccessibleProxy
{
public:
    // hDropWnd: the drop window; hEdit: the edit whose name the pane carries.
    CDropPaneAccessible(HWND hDropWnd, HWND hEdit);

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override;

private:
    HWND m_hEdit;
};
