// CWinThread: a user-interface thread with its message pump. Every message it takes from the
// queue goes through PreTranslateMessage first (the walk from the target window up to the main
// window, then the thread itself); idle time frees temporary wrapper objects.
#pragma once
#include "CmdTarget.h"

class CWnd;

class AFX_LITE_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    ~CWinThread() override;

    // Attributes
    CWnd* m_pMainWnd;
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur;

    virtual CWnd* GetMainWnd();

    // Overridables
    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();

private:
    POINT m_ptCursorLast;
    UINT m_nMsgLast;
};

AFX_LITE_API CWinThread* AFXAPI AfxGetThread();
AFX_LITE_API CWnd* AFXAPI AfxGetMainWnd();
// The framework's pre-translation of one message for the current thread.
AFX_LITE_API BOOL AFXAPI AfxPreTranslateMessage(MSG* pMsg);
AFX_LITE_API BOOL AFXAPI AfxPumpMessage();
AFX_LITE_API void AFXAPI AfxPostQuitMessage(int nExitCode);
