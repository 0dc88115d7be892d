#include "ShadeProps.h"

namespace
{
BYTE Blend(BYTE from, BYTE to, int nPos, int nLast)
{
    return static_cast<BYTE>(from + (static_cast<int>(to) - from) * nPos / nLast);
}

// Halfway from c towards white or black: enough contrast for a visible gradient in any scheme.
COLORREF Lighten(COLORREF c)
{
    return RGB((GetRValue(c) + 255) / 2, (GetGValue(c) + 255) / 2, (GetBValue(c) + 255) / 2);
}
}

ShadeProps::ShadeProps()
    : m_clrLight(Lighten(::GetSysColor(COLOR_BTNFACE))),
      m_clrDark(::GetSysColor(COLOR_BTNFACE)),
      m_clrText(::GetSysColor(COLOR_BTNTEXT)),
      m_clrBorder(::GetSysColor(COLOR_BTNSHADOW)),
      m_direction(TopToBottom)
{
}

ShadeProps::ShadeProps(COLORREF clrLight, COLORREF clrDark, COLORREF clrText, COLORREF clrBorder,
                       Direction direction)
    : m_clrLight(clrLight), m_clrDark(clrDark), m_clrText(clrText), m_clrBorder(clrBorder),
      m_direction(direction == LeftToRight ? LeftToRight : TopToBottom)
{
}

COLORREF ShadeProps::GetColorAt(int nPos, int nExtent) const
{
    if (nExtent < 2 || nPos <= 0)
        return m_clrLight;
    const int nLast = nExtent - 1;
    if (nPos >= nLast)
        return m_clrDark;
    return RGB(Blend(GetRValue(m_clrLight), GetRValue(m_clrDark), nPos, nLast),
               Blend(GetGValue(m_clrLight), GetGValue(m_clrDark), nPos, nLast),
               Blend(GetBValue(m_clrLight), GetBValue(m_clrDark), nPos, nLast));
}

void ShadeProps::FillGradient(CDC* pDC, const CRect& rc) const
{
    if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || rc.IsRectEmpty())
        return;
    // FillSolidRect leaves its colour as the background colour; the caller's stays as it was.
    const COLORREF clrOldBk = pDC->GetBkColor();
    if (m_direction == LeftToRight)
    {
        for (int x = 0; x < rc.Width(); ++x)
            pDC->FillSolidRect(rc.left + x, rc.top, 1, rc.Height(), GetColorAt(x, rc.Width()));
    }
    else
    {
        for (int y = 0; y < rc.Height(); ++y)
            pDC->FillSolidRect(rc.left, rc.top + y, rc.Width(), 1, GetColorAt(y, rc.Height()));
    }
    pDC->SetBkColor(clrOldBk);
}

ShadeProps ShadeProps::Inverted() const
{
    return ShadeProps(m_clrDark, m_clrLight, m_clrText, m_clrBorder, m_direction);
}

bool ShadeProps::operator==(const ShadeProps& other) const
{
    return m_clrLight == other.m_clrLight && m_clrDark == other.m_clrDark && m_clrText == other.m_clrText &&
           m_clrBorder == other.m_clrBorder && m_direction == other.m_direction;
}
