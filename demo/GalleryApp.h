// The gallery host application: a main window with the form of all six controls, the process's
// logger, background style and file type manager, as a real host sets them up.
#pragma once
#include <afxwin.h>
#include "GalleryLogger.h"

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp();
    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

private:
    CGalleryLogger* m_pLogger = nullptr;
    bool m_bScreenshots = false;
};
