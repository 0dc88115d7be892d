/// @class ShadeProps
/// ShadeProps: the look of a shaded surface (a two-colour gradient with its text and border
/// colours). A plain value: copied by whoever draws with it, owns nothing.
#pragma once
#include "UiApi.h"
#include <afxwin.h>

class ORVUI_API ShadeProps
{
public:
    /// Direction of the gradient: from the light colour at the top (or left) to the dark one.
    enum Direction
    {
        TopToBottom = 0,
        LeftToRight = 1,
    };

    /// A soft vertical gradient made from the current system colours.
    ShadeProps();
    /// A shading of the given colours and gradient direction.
    ShadeProps(COLORREF clrLight, COLORREF clrDark, COLORREF clrText, COLORREF clrBorder,
               Direction direction = TopToBottom);

    // Operations
    /// The gradient colour at step nPos of nExtent steps (0 is the light end); positions outside
    /// the extent take the nearer end, and an extent below 2 gives the light colour.
    COLORREF GetColorAt(int nPos, int nExtent) const;
    /// Paints rc with the gradient; does nothing without a DC or with an empty rectangle.
    void FillGradient(CDC* pDC, const CRect& rc) const;
    /// The same shading with light and dark swapped: the look of a pressed surface.
    ShadeProps Inverted() const;

    /// Equal when all four colours and the direction are.
    ///@{
    bool operator==(const ShadeProps& other) const;
    bool operator!=(const ShadeProps& other) const { return !(*this == other); }
    ///@}

    // Data
    COLORREF m_clrLight;   ///< the gradient's light end
    COLORREF m_clrDark;    ///< the gradient's dark end
    COLORREF m_clrText;    ///< captions and pictures drawn on the shading
    COLORREF m_clrBorder;  ///< the frame around a shaded surface
    Direction m_direction; ///< which way the gradient runs
};
