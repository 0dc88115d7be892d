// CCmdTarget: the root of every class with a message map; routes commands and notifications
// (WM_COMMAND, WM_NOTIFY and their reflected forms) to the handlers in its maps.
#pragma once
#include "Object.h"
#include "MsgMap.h"

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

struct AFX_CMDHANDLERINFO;

class AFX_LITE_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Finds the handler for nID/nCode (nCode's high word carries the message when it is not
    // WM_COMMAND) and calls it. Returns TRUE when a handler took the command.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static const AFX_MSGMAP* PASCAL GetThisMessageMap();

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;

    friend class CWnd;
};

// Searches one map's entries; null when none matches.
AFX_LITE_API const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
                                                                UINT nMsg, UINT nCode, UINT nID);
