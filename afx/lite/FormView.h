// CFormView: a view whose contents come from a dialog template, created as a child window.
// Hosts put controls on it as on a dialog; it is the other "dialog-like" parent.
#pragma once
#include "ScrollView.h"

class AFX_LITE_API CFormView : public CScrollView
{
    DECLARE_DYNAMIC(CFormView)
public:
    ~CFormView() override;

    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
    // The same from an in-memory template (for hosts that build their forms in code).
    BOOL CreateIndirect(LPCDLGTEMPLATE lpTemplate, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    explicit CFormView(LPCSTR lpszTemplateName);
    explicit CFormView(UINT nIDTemplate);
    virtual void OnInitialUpdate();

    LPCSTR m_lpszTemplateName;

private:
    BOOL FinishCreate(DWORD dwStyle, const RECT& rect, UINT nID);
};
