// A memory DC over a bitmap of the screen's format, filled with one colour, with pixel counters
// for drawing tests.
#pragma once
#include <afxwin.h>

namespace harness
{
const COLORREF kWhite = RGB(255, 255, 255);

struct Canvas
{
    CDC dc;
    CBitmap bitmap;
    CBitmap* pOld = nullptr;

    explicit Canvas(int cx = 40, int cy = 40, COLORREF fill = kWhite)
    {
        CClientDC screen(nullptr);
        dc.CreateCompatibleDC(&screen);
        bitmap.CreateCompatibleBitmap(&screen, cx, cy);
        pOld = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, fill);
    }
    ~Canvas() { dc.SelectObject(pOld); }

    int Count(const CRect& rc, COLORREF clr) const
    {
        int n = 0;
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                n += dc.GetPixel(x, y) == clr;
        return n;
    }
    int CountNot(const CRect& rc, COLORREF clr) const { return rc.Width() * rc.Height() - Count(rc, clr); }
    // The bounding box of the pixels of one colour (empty when there are none).
    CRect Bounds(const CRect& rc, COLORREF clr) const
    {
        CRect box(0, 0, 0, 0);
        for (int y = rc.top; y < rc.bottom; ++y)
            for (int x = rc.left; x < rc.right; ++x)
                if (dc.GetPixel(x, y) == clr)
                    box = box.IsRectEmpty() ? CRect(x, y, x + 1, y + 1) : CRect(std::min<int>(box.left, x),
                          std::min<int>(box.top, y), std::max<int>(box.right, x + 1), std::max<int>(box.bottom, y + 1));
        return box;
    }
};
}
