/// @class CImageMenu
/// CImageMenu: a popup menu taken from a menu resource and tidied for showing, plus its tracking.
/// Owns its menu handle as the framework's menu does; remembers (never owns) the window it was
/// loaded for, by handle.
#pragma once
#include <afxwin.h>
#include "UiApi.h"

class ORVUI_API CImageMenu : public CMenu
{
    DECLARE_DYNAMIC(CImageMenu)
public:
    /// An empty menu object; LoadFilteredPopupMenu makes the popups.
    CImageMenu();
    /// Destroys the popup it holds, if any, as every menu object does.
    ~CImageMenu() override;

    // Operations
    /// Loads menu resource nIDResource through the framework's resource search (the current
    /// resource module first) and returns its first submenu as a new popup that the caller
    /// deletes; null when the resource is missing, has no submenu, or nothing is left of it.
    /// Filtering removes separators that would open or close a popup or follow another one,
    /// and submenus that are empty after their own filtering. pWnd is the window the menu is
    /// for: it becomes the popup's default owner in TrackPopupMenu and may be null.
    CImageMenu* LoadFilteredPopupMenu(UINT nIDResource, CWnd* pWnd);

    /// Shows the popup at a screen point with the framework menu's flags. A null pWnd means the
    /// window given at load. Nonzero on success (with TPM_RETURNCMD: the chosen command, 0 when
    /// cancelled); 0 without a menu or without an owner window.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

protected:
    // Implementation
    static void FilterPopup(HMENU hPopup);
    static bool IsSeparator(HMENU hMenu, int nPos);

    HWND m_hWndOwner; ///< window given at load; not owned
};
