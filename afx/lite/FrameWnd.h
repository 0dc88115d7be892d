// CFrameWnd: a top-level host window (the application's main window in tests and the gallery).
// Frames live on the heap and delete themselves when their window is destroyed.
#pragma once
#include "Wnd.h"

class AFX_LITE_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const RECT rectDefault;

    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                        LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

protected:
    void PostNcDestroy() override;
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

    HMENU m_hMenuDefault;
};
