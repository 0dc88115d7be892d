#include "ImageMenu.h"

IMPLEMENT_DYNAMIC(CImageMenu, CMenu)

CImageMenu::CImageMenu() : m_hWndOwner(nullptr) {}

CImageMenu::~CImageMenu() { m_hWndOwner = nullptr; }

CImageMenu* CImageMenu::LoadFilteredPopupMenu(UINT nIDResource, CWnd* pWnd)
{
    CMenu resource;
    if (nIDResource == 0 || !resource.LoadMenu(nIDResource))
        return nullptr;
    HMENU hPopup = ::GetSubMenu(resource.m_hMenu, 0);
    if (hPopup == nullptr)
        return nullptr;
    // Taken out of the bar so that it outlives the bar, which the local object destroys.
    ::RemoveMenu(resource.m_hMenu, 0, MF_BYPOSITION);

    FilterPopup(hPopup);
    if (::GetMenuItemCount(hPopup) <= 0)
    {
        ::DestroyMenu(hPopup);
        return nullptr;
    }
    CImageMenu* pPopup = new CImageMenu;
    pPopup->Attach(hPopup);
    pPopup->m_hWndOwner = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    return pPopup;
}

BOOL CImageMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    HWND hOwner = pWnd != nullptr ? pWnd->GetSafeHwnd() : m_hWndOwner;
    if (m_hMenu == nullptr || !::IsWindow(hOwner))
        return FALSE;
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hOwner, lpRect);
}

bool CImageMenu::IsSeparator(HMENU hMenu, int nPos)
{
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE;
    return ::GetMenuItemInfoA(hMenu, static_cast<UINT>(nPos), TRUE, &mii) && (mii.fType & MFT_SEPARATOR) != 0;
}

void CImageMenu::FilterPopup(HMENU hPopup)
{
    // Submenus first, so that one emptied by its own filtering goes, with the separator
    // that was there only to set it apart.
    for (int nPos = ::GetMenuItemCount(hPopup) - 1; nPos >= 0; --nPos)
    {
        HMENU hSub = ::GetSubMenu(hPopup, nPos);
        if (hSub == nullptr)
            continue;
        FilterPopup(hSub);
        if (::GetMenuItemCount(hSub) <= 0)
            ::DeleteMenu(hPopup, static_cast<UINT>(nPos), MF_BYPOSITION);
    }

    bool bAfterSeparator = true; // nothing above the first item to separate it from
    for (int nPos = 0; nPos < ::GetMenuItemCount(hPopup);)
    {
        const bool bSeparator = IsSeparator(hPopup, nPos);
        if (bSeparator && bAfterSeparator)
        {
            ::DeleteMenu(hPopup, static_cast<UINT>(nPos), MF_BYPOSITION);
            continue;
        }
        bAfterSeparator = bSeparator;
        ++nPos;
    }
    const int nCount = ::GetMenuItemCount(hPopup);
    if (nCount > 0 && IsSeparator(hPopup, nCount - 1))
        ::DeleteMenu(hPopup, static_cast<UINT>(nCount - 1), MF_BYPOSITION);
}
