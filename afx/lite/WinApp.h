// CWinApp: the application object of the host (one per process, made by the host as a global).
// Holds the instance handle, the wait cursor count and the start-up sequence of AfxWinMain.
#pragma once
#include "WinThread.h"

class AFX_LITE_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR lpszAppName = nullptr);
    ~CWinApp() override;

    // Attributes
    HINSTANCE m_hInstance;
    LPCSTR m_pszAppName;
    LPSTR m_lpCmdLine;
    int m_nCmdShow;

    // Operations
    HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
    HICON LoadIcon(LPCSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR lpszIconName) const;

    // Overridables
    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int ExitInstance() override;
    int Run() override;
    // nCode 1 shows the wait cursor (counted), -1 undoes one, 0 shows it again if counted.
    virtual void DoWaitCursor(int nCode);

    // Implementation
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;
};

AFX_LITE_API CWinApp* AFXAPI AfxGetApp();
AFX_LITE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
AFX_LITE_API void AFXAPI AfxWinTerm();
AFX_LITE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
