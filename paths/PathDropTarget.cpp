#include "PathDropTarget.h"

CPathDropTarget::CPathDropTarget() : m_bAccept(false), m_pEdit(nullptr)
{
}

void CPathDropTarget::SetAcceptDrops(CWnd* pEdit, bool accept)
{
    m_bAccept = accept;
    Attach(pEdit);
}

bool CPathDropTarget::AcceptsDrops() const
{
    return m_bAccept;
}

void CPathDropTarget::Attach(CWnd* pEdit)
{
    m_pEdit = pEdit;
    if (m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd))
        ::DragAcceptFiles(m_pEdit->m_hWnd, m_bAccept ? TRUE : FALSE);
}

bool CPathDropTarget::Drop(HDROP hDrop, const Taker& take)
{
    if (hDrop == nullptr)
        return false;
    bool bTaken = false;
    // A drop can reach an edit that never asked for one (a message sent by a program); it is
    // ignored without a sound, as the plain edit ignores it.
    const bool bWanted = m_bAccept && m_pEdit != nullptr && ::IsWindow(m_pEdit->m_hWnd);
    if (bWanted && (m_pEdit->GetStyle() & ES_READONLY) == 0)
    {
        const UINT nCount = ::DragQueryFileA(hDrop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < nCount && !bTaken; ++i)
        {
            const UINT nLength = ::DragQueryFileA(hDrop, i, nullptr, 0);
            // Longer than any path the edits hold: such an item cannot be taken.
            if (nLength == 0 || nLength >= MAX_PATH)
                continue;
            char path[MAX_PATH] = {};
            if (::DragQueryFileA(hDrop, i, path, MAX_PATH) == nLength)
                bTaken = take(CString(path));
        }
    }
    ::DragFinish(hDrop);
    if (bWanted && !bTaken)
        ::MessageBeep(MB_ICONEXCLAMATION);
    return bTaken;
}
