#include "WinApp.h"
#include "ModuleState.h"
#include "Wnd.h"

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_hInstance(nullptr), m_pszAppName(lpszAppName), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL),
      m_nWaitCursorCount(0), m_hcurWaitCursorRestore(nullptr)
{
    if (g_pApp == nullptr)
        g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(12)), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const { return LoadCursor(MAKEINTRESOURCEA(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const { return ::LoadCursorA(nullptr, lpszCursorName); }
HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, MAKEINTRESOURCEA(14)), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const { return ::LoadIconA(nullptr, lpszIconName); }

BOOL CWinApp::InitApplication() { return TRUE; }
BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

int CWinApp::Run()
{
    // Without a main window there is nothing to run a loop for.
    if (m_pMainWnd == nullptr)
        return ExitInstance();
    return CWinThread::Run();
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount < 0)
        m_nWaitCursorCount = 0;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        ::SetCursor(m_hcurWaitCursorRestore != nullptr ? m_hcurWaitCursorRestore : ::LoadCursor(nullptr, IDC_ARROW));
    }
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
    }
    INITCOMMONCONTROLSEX icc{ sizeof(icc), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);
    return TRUE;
}

void AFXAPI AfxWinTerm() { AfxLiteFreeTempObjects(); }

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) || pThread == nullptr)
        return nReturnCode;
    if (pApp != nullptr && !pApp->InitApplication())
    {
        AfxWinTerm();
        return nReturnCode;
    }
    if (!pThread->InitInstance())
    {
        if (pThread->m_pMainWnd != nullptr)
            pThread->m_pMainWnd->DestroyWindow();
        nReturnCode = pThread->ExitInstance();
    }
    else
    {
        nReturnCode = pThread->Run();
    }
    AfxWinTerm();
    return nReturnCode;
}
