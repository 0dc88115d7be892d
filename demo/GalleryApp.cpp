#include "GalleryApp.h"
#include "GalleryDlg.h"
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
    CGalleryDlg dlg(ScreenshotFolder(m_lpCmdLine));
    m_pMainWnd = &dlg;
    // The process reports whether the dialog ran to its end (and wrote its screenshots).
    m_nExitCode = dlg.DoModal() == IDOK ? 0 : 1;
    m_pMainWnd = nullptr;
    return FALSE; // no message loop after the dialog
}

int CGalleryApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
