#include "GalleryApp.h"
#include "BkgStyle.h"
#include "FileExtMgr.h"
#include "GalleryFrame.h"
#include <cstring>

namespace
{
CGalleryApp theApp;

// "--screenshot FOLDER" makes the gallery write its pictures there and exit.
CString ScreenshotFolder(LPCSTR lpCmdLine)
{
    const char* p = lpCmdLine != nullptr ? std::strstr(lpCmdLine, "--screenshot") : nullptr;
    if (p == nullptr)
        return CString();
    CString folder(p + std::strlen("--screenshot"));
    folder.Trim();
    folder.Trim('"');
    return folder;
}
}

CGalleryApp::CGalleryApp() : CWinApp("gallery") {}

BOOL CGalleryApp::InitInstance()
{
    // The process-wide services the controls look for.
    m_pLogger = new CGalleryLogger;
    // A blue shading for the calendar and the time list's buttons, as a host's theme would.
    BkgStyle* pStyle = BkgStyle::CreateInstance();
    const ShadeProps blue(RGB(236, 243, 252), RGB(52, 101, 164), RGB(255, 255, 255), RGB(32, 74, 135));
    pStyle->Set(BkgStyle::Calendar, blue);
    pStyle->Set(BkgStyle::CalendarButtons, ShadeProps(RGB(250, 250, 250), RGB(214, 226, 242), RGB(0, 0, 0), RGB(32, 74, 135)));
    pStyle->Set(BkgStyle::DropWindowButtons, ShadeProps(RGB(250, 250, 250), RGB(214, 226, 242), RGB(0, 0, 0), RGB(32, 74, 135)));
    FileExtMgr::CreateInstance();

    CGalleryFrame* pFrame = new CGalleryFrame(m_pLogger); // deletes itself when its window goes
    m_pMainWnd = pFrame;
    if (!pFrame->CreateHost())
    {
        m_pMainWnd = nullptr;
        return FALSE;
    }
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();

    const CString folder = ScreenshotFolder(m_lpCmdLine);
    m_bScreenshots = !folder.IsEmpty();
    if (m_bScreenshots)
        pFrame->StartScreenshotTour(folder);
    return TRUE;
}

int CGalleryApp::ExitInstance()
{
    FileExtMgr::DestroyInstance();
    BkgStyle::DestroyInstance();
    delete m_pLogger;
    m_pLogger = nullptr;
    CWinApp::ExitInstance();
    return m_bScreenshots && CScreenshotTour::AnyFailure() ? 1 : 0;
}

BOOL CGalleryApp::PreTranslateMessage(MSG* pMsg)
{
    // The editable pick forwards the closing of its list: posted, so it shows up here.
    if (m_pLogger != nullptr && m_pMainWnd != nullptr)
    {
        if (pMsg->message == WM_SETFOCUS && pMsg->hwnd == m_pMainWnd->m_hWnd)
            m_pLogger->AddLine("posted WM_SETFOCUS reached the main window (list accepted)");
        else if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && pMsg->lParam == 0)
            m_pLogger->AddLine("posted Escape reached the form (list cancelled)");
    }
    return CWinApp::PreTranslateMessage(pMsg);
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
