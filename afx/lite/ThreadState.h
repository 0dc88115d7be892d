// Internal to afxlite.dll: per-thread state of the framework (the message being handled, the
// window being created, the creation hook) and the window handle map.
#pragma once
#include "HandleMap.h"

class CWnd;
class CWinThread;

struct AFX_THREAD_STATE
{
    MSG m_lastSentMsg{};
    CWnd* m_pWndInit = nullptr;
    HHOOK m_hHookOldCbtFilter = nullptr;
    CWinThread* m_pCurrentWinThread = nullptr;
    char m_szTempClassName[128] = {};
};

AFX_THREAD_STATE* AfxGetThreadState();
CHandleMap<CWnd>& AfxMapHWND();
