/// @class ORVIcon
/// ORVIcon: the library's small pictures, drawn with GDI in a given colour so that they follow the
/// colour scheme and any size: the combo-box arrow and the numbered button pictures.
#pragma once
#include "UiApi.h"
#include <afxwin.h>

class ORVUI_API ORVIcon
{
public:
    /// Button pictures. Numbers are fixed: callers pass them as values.
    enum ButtonIcon
    {
        NoIcon = 0,
        ArrowUp = 1,
        ArrowDown = 2,
        ArrowLeft = 3,
        ArrowRight = 4,
        // A minus: fewer, wider steps (a coarser interval).
        Coarser = 71,
        // A plus: more, narrower steps (a finer interval).
        Finer = 101,
    };

    /// A filled downward triangle (at most 7 pixels wide, 4 high in an ordinary button, larger in
    /// a large rectangle) centred in rc. Nothing without a DC or with a rectangle too small.
    static void DrawComboArrow(CDC* pDC, const CRect& rc, COLORREF clr);
    /// Draws a button picture centred in rc, sized to its shorter side; false, drawing nothing,
    /// for NoIcon, an unknown number, a missing DC or a rectangle too small to show it.
    static bool DrawButtonIcon(CDC* pDC, ButtonIcon icon, const CRect& rc, COLORREF clr);
    /// Whether nIcon names a picture DrawButtonIcon can draw (NoIcon is none).
    static bool IsKnownButtonIcon(int nIcon);

    /// Only static drawing functions: never made.
    ORVIcon() = delete;
};
