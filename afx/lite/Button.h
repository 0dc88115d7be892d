// CButton: wraps a standard button (push, check, radio, group box). Owns nothing but the window
// it creates; an owner-drawn button gets its WM_DRAWITEM back from the parent as DrawItem.
#pragma once
#include "Wnd.h"

class AFX_LITE_API CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton();
    ~CButton() override;

    virtual BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HCURSOR SetCursor(HCURSOR hCursor);
    HCURSOR GetCursor();

    // Operations: a click as if the user had pressed and released the button.
    void Click();

    // Overridable for BS_OWNERDRAW buttons, reached through reflection; does nothing here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
