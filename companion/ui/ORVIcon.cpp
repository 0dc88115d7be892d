#include "ORVIcon.h"
#include <algorithm>

namespace
{
// FillSolidRect leaves its colour as the background colour; callers keep theirs.
class BkColorKeeper
{
public:
    explicit BkColorKeeper(CDC* pDC) : m_pDC(pDC), m_clr(pDC->GetBkColor()) {}
    ~BkColorKeeper() { m_pDC->SetBkColor(m_clr); }

private:
    CDC* m_pDC;
    COLORREF m_clr;
};

bool CanDraw(CDC* pDC) { return pDC != nullptr && pDC->GetSafeHdc() != nullptr; }

// Rows of a triangle, one pixel shorter at each end per row; nRows rows tall, 2*nRows-1 wide.
void FillTriangle(CDC* pDC, int x, int y, int nRows, bool bDown, COLORREF clr)
{
    for (int i = 0; i < nRows; ++i)
    {
        const int nInset = bDown ? i : nRows - 1 - i;
        pDC->FillSolidRect(x + nInset, y + i, 2 * (nRows - nInset) - 1, 1, clr);
    }
}

void FillSideways(CDC* pDC, int x, int y, int nCols, bool bRight, COLORREF clr)
{
    for (int i = 0; i < nCols; ++i)
    {
        const int nInset = bRight ? i : nCols - 1 - i;
        pDC->FillSolidRect(x + i, y + nInset, 1, 2 * (nCols - nInset) - 1, clr);
    }
}
}

void ORVIcon::DrawComboArrow(CDC* pDC, const CRect& rc, COLORREF clr)
{
    if (!CanDraw(pDC))
        return;
    // Four rows in a scroll-bar-wide button; larger rectangles get a proportionally larger arrow.
    int nRows = std::max(4, std::min(rc.Width(), rc.Height() * 2) / 4);
    nRows = std::min({nRows, (rc.Width() + 1) / 2, rc.Height()});
    if (nRows < 2)
        return;
    BkColorKeeper keep(pDC);
    const int nWidth = 2 * nRows - 1;
    FillTriangle(pDC, rc.left + (rc.Width() - nWidth) / 2, rc.top + (rc.Height() - nRows) / 2, nRows, true, clr);
}

bool ORVIcon::IsKnownButtonIcon(int nIcon)
{
    switch (nIcon)
    {
    case ArrowUp:
    case ArrowDown:
    case ArrowLeft:
    case ArrowRight:
    case Coarser:
    case Finer:
        return true;
    default:
        return false;
    }
}

bool ORVIcon::DrawButtonIcon(CDC* pDC, ButtonIcon icon, const CRect& rc, COLORREF clr)
{
    if (!CanDraw(pDC) || !IsKnownButtonIcon(icon))
        return false;
    // The picture is an odd-sided square of about two thirds of the shorter side, so that it
    // has a centre pixel row and column.
    int nSide = std::min(rc.Width(), rc.Height()) * 2 / 3;
    nSide = std::min(nSide, 32);
    if (nSide % 2 == 0)
        --nSide;
    if (nSide < 5)
        return false;
    const int x = rc.left + (rc.Width() - nSide) / 2;
    const int y = rc.top + (rc.Height() - nSide) / 2;
    const int nHalf = nSide / 2;
    const int nBar = nSide >= 9 ? 3 : 1; // stroke thickness, odd so it stays centred

    BkColorKeeper keep(pDC);
    switch (icon)
    {
    case ArrowUp:
    case ArrowDown:
        FillTriangle(pDC, x, y + (nSide - (nHalf + 1)) / 2, nHalf + 1, icon == ArrowDown, clr);
        break;
    case ArrowLeft:
    case ArrowRight:
        FillSideways(pDC, x + (nSide - (nHalf + 1)) / 2, y, nHalf + 1, icon == ArrowRight, clr);
        break;
    case Coarser:
        pDC->FillSolidRect(x, y + nHalf - nBar / 2, nSide, nBar, clr);
        break;
    case Finer:
        pDC->FillSolidRect(x, y + nHalf - nBar / 2, nSide, nBar, clr);
        pDC->FillSolidRect(x + nHalf - nBar / 2, y, nBar, nSide, clr);
        break;
    default:
        break;
    }
    return true;
}
