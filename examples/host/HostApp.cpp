#include "HostApp.h"
#include <cstring>
#include "AppLogger.h"
#include "HostDlg.h"

namespace
{
CHostApp theApp;
}

CHostApp::CHostApp() : CWinApp("orv059 host") {}

BOOL CHostApp::InitInstance()
{
    // The controls report what they cannot do through the host's logger (to the debugger here).
    AppLogger logger;
    const bool headless = m_lpCmdLine != nullptr && std::strstr(m_lpCmdLine, "--headless") != nullptr;
    CHostDlg dlg(headless);
    // The drop windows are owned by the application's main window.
    m_pMainWnd = &dlg;
    const INT_PTR result = dlg.DoModal();
    m_pMainWnd = nullptr;
    if (headless)
        m_nExitCode = result == IDOK ? 0 : 1;
    // A dialog application ends with its dialog: no message loop of its own.
    return FALSE;
}

int CHostApp::ExitInstance()
{
    CWinApp::ExitInstance();
    return m_nExitCode;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
