// CDropEditAccessible: what screen readers see of a drop edit, shaped as the native combo box's
// object: a combo box named after the host's label (or the name the host set) whose value is the
// text, expanded or collapsed, with two children: the edit text and the drop button, a push
// button named and acting "Open" or "Close". Keeps only the edit's window handle and looks the
// edit up at each question.
#pragma once
#include <afxwin.h>
#include "AccessibleProxy.h"

class CDropBaseEdit;

class CDropEditAccessible : public CAccessibleProxy
{
public:
    // Child ids: the edit text and the drop button.
    enum
    {
        kTextChild = 1,
        kButtonChild = 2,
    };

    explicit CDropEditAccessible(HWND hEdit);

    // The accessible name of the edit: the host's name for it, else the text of the static label
    // just before it in the tab order, without its mnemonic ampersands.
    static CString NameOf(const CDropBaseEdit& edit);

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* pcountChildren) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varChild, BSTR* pszValue) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

private:
    // The edit while its window lives; null after.
    CDropBaseEdit* Edit() const;
    // The child id a question names, or -1 when it names none of ours (or the edit is gone).
    LONG Child(const VARIANT& varChild) const;
    bool IsDropped() const;
    CRect ChildRect(LONG nChild) const; // screen coordinates
};
