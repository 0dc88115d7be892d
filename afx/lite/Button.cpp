#include "Button.h"
#include "CtlSend.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

CButton::CButton() = default;
CButton::~CButton() { DestroyWindow(); }

BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const { return static_cast<UINT>(AfxLiteSendCtl(m_hWnd, BM_GETSTATE)); }
void CButton::SetState(BOOL bHighlight) { AfxLiteSendCtl(m_hWnd, BM_SETSTATE, bHighlight); }
int CButton::GetCheck() const { return static_cast<int>(AfxLiteSendCtl(m_hWnd, BM_GETCHECK)); }
void CButton::SetCheck(int nCheck) { AfxLiteSendCtl(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck)); }

// The button type and its text placement flags live in the low byte of the window style.
UINT CButton::GetButtonStyle() const
{
    return AfxLiteHasWindow(m_hWnd) ? static_cast<UINT>(::GetWindowLongA(m_hWnd, GWL_STYLE)) & 0xFF : 0;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) { AfxLiteSendCtl(m_hWnd, BM_SETSTYLE, nStyle, bRedraw); }

HICON CButton::SetIcon(HICON hIcon)
{
    return reinterpret_cast<HICON>(AfxLiteSendCtl(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CButton::GetIcon() const { return reinterpret_cast<HICON>(AfxLiteSendCtl(m_hWnd, BM_GETIMAGE, IMAGE_ICON)); }

HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
    return reinterpret_cast<HBITMAP>(AfxLiteSendCtl(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(hBitmap)));
}

HBITMAP CButton::GetBitmap() const { return reinterpret_cast<HBITMAP>(AfxLiteSendCtl(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP)); }

HCURSOR CButton::SetCursor(HCURSOR hCursor)
{
    return reinterpret_cast<HCURSOR>(AfxLiteSendCtl(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(hCursor)));
}

HCURSOR CButton::GetCursor() { return reinterpret_cast<HCURSOR>(AfxLiteSendCtl(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR)); }

void CButton::Click() { AfxLiteSendCtl(m_hWnd, BM_CLICK); }

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}
