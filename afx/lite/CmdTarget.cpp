#include "CmdTarget.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = { { 0, 0, 0, 0, AfxSig_end, nullptr } };
    static const AFX_MSGMAP map = { nullptr, &entries[0] };
    return &map;
}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
                                                   UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
            nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return nullptr;
}

namespace
{
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, UINT_PTR nSig, AFX_PMSG pfn, void* pExtra)
{
    MessageMapFunctions mmf;
    mmf.pfn = pfn;
    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (nSig)
    {
    case AfxSigCmd_v:
        (pTarget->*mmf.pfnCmd_v_v)();
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*mmf.pfnCmd_b_v)();
    case AfxSigCmd_RANGE:
        (pTarget->*mmf.pfnCmd_v_u)(nID);
        return TRUE;
    case AfxSigNotify_v:
        if (pNotify == nullptr)
            return FALSE;
        (pTarget->*mmf.pfnNotify_v_NMHDR_pl)(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        if (pNotify == nullptr)
            return FALSE;
        return (pTarget->*mmf.pfnNotify_b_NMHDR_pl)(pNotify->pNMHDR, pNotify->pResult);
    case AfxSigNotify_RANGE:
        if (pNotify == nullptr)
            return FALSE;
        (pTarget->*mmf.pfnNotify_v_u_NMHDR_pl)(nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    default:
        return FALSE;
    }
}
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO*)
{
    // A plain command has message 0 in the high word; notifications carry their message there.
    UINT nMsg = HIWORD(static_cast<UINT>(nCode));
    UINT nNotify = LOWORD(static_cast<UINT>(nCode));
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? (*pMap->pfnGetBaseMap)() : nullptr)
    {
        if (const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, nNotify, nID))
            return DispatchCmdMsg(this, nID, pEntry->nSig, pEntry->pfn, pExtra);
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(0);
}
