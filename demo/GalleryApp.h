// The gallery host application: shows its dialog and, when asked, writes a screenshot of it.
#pragma once
#include <afxwin.h>

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp();
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    int m_nExitCode = 0;
};
