#include "HostCaption.h"
#include "DropBaseEdit.h"
#include "DropWnd.h"

HWND HostCaption::HostOf(const CDropWnd& dropWnd)
{
    if (dropWnd.m_pEdit == nullptr || !::IsWindow(dropWnd.m_pEdit->m_hWnd))
        return nullptr;
    return ::GetAncestor(dropWnd.m_pEdit->m_hWnd, GA_ROOT);
}

void HostCaption::OnDropWndActivate(const CDropWnd& dropWnd, bool bActive, HWND hOther)
{
    const HWND hHost = HostOf(dropWnd);
    if (hHost == nullptr)
        return;
    if (bActive)
    {
        ::SendMessageA(hHost, WM_NCACTIVATE, TRUE, 0);
        return;
    }
    // The host itself gets its activation from the system; another drop window of the same host
    // keeps the caption active when it activates.
    if (hOther == hHost)
        return;
    if (const CDropWnd* pOther = dynamic_cast<const CDropWnd*>(CWnd::FromHandlePermanent(hOther)))
    {
        if (HostOf(*pOther) == hHost)
            return;
    }
    ::SendMessageA(hHost, WM_NCACTIVATE, FALSE, 0);
}
