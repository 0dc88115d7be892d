#include "DropDpiLayout.h"
#include "DropWnd.h"

namespace
{
int Rescale(int n, UINT nFromDpi, UINT nToDpi)
{
    return ::MulDiv(n, static_cast<int>(nToDpi), static_cast<int>(nFromDpi));
}

bool IsChange(UINT nFromDpi, UINT nToDpi)
{
    return nFromDpi != 0 && nToDpi != 0 && nFromDpi != nToDpi;
}
}

bool DropDpiLayout::RescaleFont(CFont* pFont, UINT nFromDpi, UINT nToDpi, LOGFONTA& lf)
{
    LOGFONTA font;
    if (pFont == nullptr || !IsChange(nFromDpi, nToDpi) || pFont->GetLogFont(&font) == 0)
        return false;
    font.lfHeight = Rescale(font.lfHeight, nFromDpi, nToDpi);
    font.lfWidth = Rescale(font.lfWidth, nFromDpi, nToDpi);
    lf = font;
    return true;
}

void DropDpiLayout::RescaleDropWnd(CDropWnd* pDropWnd, UINT nFromDpi, UINT nToDpi, CFont* pFont)
{
    if (pDropWnd == nullptr || !IsChange(nFromDpi, nToDpi))
        return;
    // 0 or less means "no wish" and stays so.
    for (int* pSize : {&pDropWnd->m_nPreferredWidth, &pDropWnd->m_nPreferredHeight})
    {
        if (*pSize > 0)
            *pSize = Rescale(*pSize, nFromDpi, nToDpi);
    }
    if (!::IsWindow(pDropWnd->m_hWnd))
        return;
    // The children took the drop font when they were made; an open list would otherwise keep
    // rows of the old size until it is made again.
    HFONT hFont = pFont != nullptr ? static_cast<HFONT>(pFont->GetSafeHandle()) : nullptr;
    for (HWND hChild = ::GetWindow(pDropWnd->m_hWnd, GW_CHILD); hFont != nullptr && hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
        ::SendMessageA(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    RelayoutChildren(*pDropWnd);
}

void DropDpiLayout::RelayoutChildren(CWnd& dropWnd)
{
    CRect rc;
    dropWnd.GetClientRect(&rc);
    dropWnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.Width(), rc.Height()));
}
