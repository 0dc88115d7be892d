#include "FormView.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

CFormView::CFormView(LPCSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}
CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)) {}
CFormView::~CFormView() = default;

BOOL CFormView::Create(LPCSTR, LPCSTR, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    if (!CreateDlg(m_lpszTemplateName, pParentWnd))
        return FALSE;
    return FinishCreate(dwStyle, rect, nID);
}

BOOL CFormView::CreateIndirect(LPCDLGTEMPLATE lpTemplate, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CreateDlgIndirect(lpTemplate, pParentWnd, nullptr))
        return FALSE;
    return FinishCreate(dwStyle, rect, nID);
}

BOOL CFormView::FinishCreate(DWORD dwStyle, const RECT& rect, UINT nID)
{
    // The template decides the contents; the caller decides where the form sits.
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_CHILD | (dwStyle & (WS_VISIBLE | WS_BORDER)));
    SetDlgCtrlID(static_cast<int>(nID));
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    OnInitialUpdate();
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CFormView::OnInitialUpdate() {}

BOOL CFormView::PreTranslateMessage(MSG* pMsg)
{
    if (CScrollView::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}
