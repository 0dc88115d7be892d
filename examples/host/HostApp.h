// The example host application: runs its dialog of controls modally. "--headless" makes the
// dialog check one pick by itself and the process exit with the check's result.
#pragma once
#include <afxwin.h>

class CHostApp : public CWinApp
{
public:
    CHostApp();
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    int m_nExitCode = 0;
};
