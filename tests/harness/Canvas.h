// A memory DC over a bitmap of the screen's format, filled with one colour, with pixel counters
// for drawing tests.
#pragma once
#include <afxwin.h>
#include <memory>

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
                    box |= CRect(x, y, x + 1, y + 1); // a union ignores the empty start
        return box;
    }
    // What a window shows now, painted by the window itself, on a canvas of its client size.
    static std::unique_ptr<Canvas> Print(HWND hWnd, COLORREF fill = kWhite)
    {
        RECT rc{};
        ::GetClientRect(hWnd, &rc);
        auto canvas = std::make_unique<Canvas>(rc.right, rc.bottom, fill);
        ::SendMessageA(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->dc.m_hDC), PRF_CLIENT);
        return canvas;
    }
};
}
