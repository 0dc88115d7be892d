#include "TestApp.h"
#include <gtest/gtest.h>

namespace
{
CTestApp theApp;
}

CTestApp::CTestApp() : CWinApp("test host") {}

BOOL CTestApp::InitInstance()
{
    CFrameWnd* pFrame = new CFrameWnd;
    if (!pFrame->Create(nullptr, "test host main window", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

int CTestApp::ExitInstance()
{
    if (m_pMainWnd != nullptr)
        m_pMainWnd->DestroyWindow();
    return CWinApp::ExitInstance();
}

namespace harness
{
void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
    {
        if (msg.message == WM_QUIT || !theApp.PumpMessage())
            return;
    }
    for (LONG lCount = 0; theApp.OnIdle(lCount); ++lCount)
    {
    }
}

bool WaitUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        Pump();
        if (cond())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(::GetModuleHandleA(nullptr), nullptr, ::GetCommandLineA(), SW_SHOWNORMAL) ||
        !theApp.InitInstance())
    {
        fprintf(stderr, "test host: could not start the application\n");
        return 2;
    }
    int result = RUN_ALL_TESTS();
    theApp.ExitInstance();
    return result;
}
