// DropDpiLayout: what a move to a monitor of another DPI changes in a drop edit beyond its own
// frame: the drop window's font and the size the drop window asks for, both in pixels of the
// old DPI, rescaled as the system rescales a top-level window; and the drop window's children,
// laid out again at the new DPI. Holds no state; internal to the library.
#pragma once
#include <afxwin.h>

class CDropWnd;

class DropDpiLayout
{
public:
    // The font pFont at nToDpi into lf; false (lf untouched) without a font or a change.
    static bool RescaleFont(CFont* pFont, UINT nFromDpi, UINT nToDpi, LOGFONTA& lf);
    // Rescales the wished size of pDropWnd, gives its children pFont (the drop font made for
    // the new DPI; null: they keep theirs) and lays them out again.
    static void RescaleDropWnd(CDropWnd* pDropWnd, UINT nFromDpi, UINT nToDpi, CFont* pFont);
    // Lays the children of a drop window out again at its current size (a WM_SIZE of it).
    static void RelayoutChildren(CWnd& dropWnd);

    DropDpiLayout() = delete;
};
