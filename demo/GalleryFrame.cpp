#include "GalleryFrame.h"

BEGIN_MESSAGE_MAP(CGalleryFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MOVE()
    ON_WM_TIMER()
    ON_WM_ACTIVATE()
END_MESSAGE_MAP()

CGalleryFrame::CGalleryFrame(CGalleryLogger* pLogger) : m_form(pLogger), m_tour(m_form, *this) {}

BOOL CGalleryFrame::CreateHost()
{
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    return CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE)),
                    "Drop-down edit gallery", style, CRect(60, 60, 600, 500), nullptr, 0);
}

int CGalleryFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1 || !m_form.CreateForm(this))
        return -1;
    // The main window wraps the form exactly.
    CRect rcForm;
    m_form.GetWindowRect(&rcForm);
    CRect rcFrame(0, 0, rcForm.Width(), rcForm.Height());
    ::AdjustWindowRectEx(&rcFrame, lpCreateStruct->style, FALSE, lpCreateStruct->dwExStyle);
    SetWindowPos(nullptr, 0, 0, rcFrame.Width(), rcFrame.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_form.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

void CGalleryFrame::OnMove(int x, int y)
{
    CFrameWnd::OnMove(x, y);
    if (::IsWindow(m_form.m_hWnd))
        m_form.OnHostMoved();
}

void CGalleryFrame::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    // On activation the form takes the focus, as a view would; the focus stays where it is when
    // it already lies inside the form.
    if (nState != WA_INACTIVE && ::IsWindow(m_form.m_hWnd) && !::IsChild(m_form.m_hWnd, ::GetFocus()))
        m_form.SetFocus();
}

void CGalleryFrame::StartScreenshotTour(const CString& folder)
{
    m_tour.Start(folder);
}

void CGalleryFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (!m_tour.OnTimer(nIDEvent))
        CFrameWnd::OnTimer(nIDEvent);
}
