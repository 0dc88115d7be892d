#include <afxcmn.h>
#include <lite/Gdi.h>
#include <gtest/gtest.h>
#include "Canvas.h"

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

using harness::Canvas;

struct PixelRow { const char* name; int x; int y; COLORREF expected; };

void ExpectPixels(const CDC& dc, std::initializer_list<PixelRow> rows)
{
    for (const PixelRow& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, dc.GetPixel(row.x, row.y)) << "at " << row.x << "," << row.y;
    }
}
}

TEST(Gdi, LiveCountReturnsToItsStartAfterCreateSelectAndDelete)
{
    const int start = AfxLiteGetLiveGdiObjectCount();
    {
        Canvas canvas; // memory DC and bitmap; the screen DC it borrowed is released
        EXPECT_EQ(start + 2, AfxLiteGetLiveGdiObjectCount());
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
        CRgn rgn;
        rgn.CreateRectRgn(0, 0, 5, 5);
        EXPECT_EQ(start + 6, AfxLiteGetLiveGdiObjectCount());

        CPen* pOldPen = canvas.dc.SelectObject(&pen);
        CBrush* pOldBrush = canvas.dc.SelectObject(&brush);
        CFont* pOldFont = canvas.dc.SelectObject(&font);
        ASSERT_NE(nullptr, pOldPen);
        ASSERT_NE(nullptr, pOldBrush);
        ASSERT_NE(nullptr, pOldFont);
        canvas.dc.Rectangle(1, 1, 9, 9);
        canvas.dc.TextOut(0, 10, CString("x"));
        // Each selection hands back the wrapper of the object it replaced.
        EXPECT_EQ(&pen, canvas.dc.SelectObject(pOldPen));
        EXPECT_EQ(&brush, canvas.dc.SelectObject(pOldBrush));
        EXPECT_EQ(&font, canvas.dc.SelectObject(pOldFont));
        EXPECT_EQ(nullptr, canvas.dc.SelectObject(static_cast<CPen*>(nullptr)));
        CGdiObject* pOld = canvas.dc.SelectStockObject(NULL_BRUSH);
        ASSERT_NE(nullptr, pOld);
        EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), pOld->GetObjectType());
        canvas.dc.SelectObject(pOld->m_hObject);

        EXPECT_TRUE(pen.DeleteObject());
        EXPECT_FALSE(pen.DeleteObject());
        EXPECT_EQ(start + 5, AfxLiteGetLiveGdiObjectCount());
    }
    AfxLiteFreeTempObjects();
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
}

TEST(Gdi, AttachedObjectsAreNotCountedButAreOwned)
{
    const int start = AfxLiteGetLiveGdiObjectCount();
    HPEN hRaw = ::CreatePen(PS_SOLID, 1, kGreen);
    {
        CPen pen;
        EXPECT_TRUE(pen.Attach(hRaw));
        EXPECT_FALSE(pen.Attach(static_cast<HPEN>(::GetStockObject(BLACK_PEN))));
        EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
    }
    EXPECT_EQ(0u, ::GetObjectType(hRaw)); // the wrapper deleted what it was given

    CBrush made(kRed);
    HGDIOBJ hMade = made.Detach();
    EXPECT_EQ(start + 1, AfxLiteGetLiveGdiObjectCount()); // detached, still alive
    {
        CBrush adopter;
        adopter.Attach(hMade);
    }
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount()); // freed through another wrapper

    CBrush system;
    EXPECT_TRUE(system.CreateSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
}

TEST(Gdi, FromHandleGivesThePermanentWrapperElseATemporaryOne)
{
    CPen pen(PS_SOLID, 1, kRed);
    EXPECT_EQ(&pen, CPen::FromHandle(pen));
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen));
    EXPECT_EQ(nullptr, CPen::FromHandle(nullptr));

    HFONT hRaw = ::CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    CFont* pTemp = CFont::FromHandle(hRaw);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(pTemp, CFont::FromHandle(hRaw));
    AfxLiteFreeTempObjects();
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), ::GetObjectType(hRaw)); // the temporary left the font alone
    ::DeleteObject(hRaw);

    Canvas canvas;
    EXPECT_EQ(&canvas.dc, CDC::FromHandle(canvas.dc));
    HDC hRawDC = ::CreateCompatibleDC(nullptr);
    CDC* pTempDC = CDC::FromHandle(hRawDC);
    ASSERT_NE(nullptr, pTempDC);
    EXPECT_EQ(hRawDC, pTempDC->m_hAttribDC);
    AfxLiteFreeTempObjects();
    EXPECT_GT(::GetDeviceCaps(hRawDC, BITSPIXEL), 0);
    ::DeleteDC(hRawDC);

    CDC* volatile pNoDC = nullptr;
    CGdiObject* volatile pNoObject = nullptr;
    EXPECT_EQ(nullptr, pNoDC->GetSafeHdc());
    EXPECT_EQ(nullptr, pNoObject->GetSafeHandle());
}

TEST(Gdi, DrawingOperationsReachTheBitmap)
{
    Canvas canvas;
    CDC& dc = canvas.dc;
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    dc.Rectangle(2, 2, 10, 10);
    dc.MoveTo(0, 20);
    dc.SelectObject(pOldPen);
    CPen green(PS_SOLID, 1, kGreen);
    dc.SelectObject(&green);
    dc.LineTo(10, 20);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
    dc.Draw3dRect(CRect(12, 0, 22, 10), kRed, kBlue);
    CBrush frame(kGreen);
    dc.FrameRect(CRect(24, 0, 30, 6), &frame);
    dc.SetPixel(39, 39, kRed);
    ExpectPixels(dc, {
        { "rectangle border", 2, 2, kRed }, { "rectangle inside", 5, 5, kBlue },
        { "past the rectangle", 10, 10, kWhite }, { "line", 5, 20, kGreen },
        { "line end excluded", 10, 20, kWhite }, { "3d top-left", 12, 5, kRed },
        { "3d bottom-right", 21, 5, kBlue }, { "3d bottom edge", 15, 9, kBlue },
        { "frame edge", 24, 3, kGreen }, { "frame inside", 26, 3, kWhite }, { "pixel", 39, 39, kRed },
    });

    Canvas copy;
    EXPECT_TRUE(copy.dc.BitBlt(0, 0, 40, 40, &dc, 0, 0, SRCCOPY));
    EXPECT_EQ(kBlue, copy.dc.GetPixel(5, 5));
    EXPECT_TRUE(copy.dc.StretchBlt(30, 30, 8, 8, &dc, 39, 39, 1, 1, SRCCOPY));
    EXPECT_EQ(kRed, copy.dc.GetPixel(34, 34));
}

TEST(Gdi, TextIsMeasuredAndDrawn)
{
    Canvas canvas;
    CDC& dc = canvas.dc;
    CFont font;
    font.CreatePointFont(100, "Arial");
    CFont* pOldFont = dc.SelectObject(&font);
    CSize one = dc.GetTextExtent("W", 1);
    CSize two = dc.GetTextExtent(CString("WW"));
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(2 * one.cx, two.cx);
    TEXTMETRICA tm = {};
    EXPECT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, one.cy);

    CRect calc(0, 0, 0, 0);
    dc.DrawText(CString("WW"), calc, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(two.cx, calc.Width());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), dc.GetTextColor());
    EXPECT_TRUE(dc.TextOut(0, 0, CString("W")));
    EXPECT_GT(canvas.CountNot(CRect(0, 0, one.cx, one.cy), kWhite), 0);
    EXPECT_EQ(0, canvas.CountNot(CRect(one.cx + 1, 0, 40, one.cy), kWhite));
    EXPECT_FALSE(dc.TextOut(0, 0, nullptr, 3));
    EXPECT_EQ(CSize(0, 0), dc.GetTextExtent(nullptr, 4));
    dc.SelectObject(pOldFont);
}

TEST(Gdi, ClippingLimitsPaintingUntilRestored)
{
    Canvas canvas;
    CDC& dc = canvas.dc;
    int nSaved = dc.SaveDC();
    EXPECT_EQ(SIMPLEREGION, dc.IntersectClipRect(CRect(0, 0, 10, 10)));
    CRect box;
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(box));
    EXPECT_EQ(CRect(0, 0, 10, 10), box);
    dc.FillSolidRect(0, 0, 40, 40, kRed);
    EXPECT_EQ(kWhite, dc.GetPixel(20, 20));
    EXPECT_TRUE(dc.RestoreDC(nSaved));

    CRgn rgn;
    rgn.CreateRectRgn(20, 20, 30, 30);
    EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(&rgn));
    dc.ExcludeClipRect(25, 25, 30, 30);
    dc.FillSolidRect(0, 0, 40, 40, kBlue);
    ExpectPixels(dc, { { "inside", 21, 21, kBlue }, { "excluded", 27, 27, kWhite }, { "outside", 5, 5, kRed } });
    dc.SelectClipRgn(nullptr);
    dc.FillSolidRect(0, 0, 40, 40, kGreen);
    EXPECT_EQ(kGreen, dc.GetPixel(5, 5));
}

TEST(Gdi, ImageListsHoldIconsAndAreCounted)
{
    const int start = AfxLiteGetLiveGdiObjectCount();
    {
        CImageList list;
        ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4));
        EXPECT_FALSE(list.Create(16, 16, ILC_COLOR32, 0, 4));
        EXPECT_EQ(start + 1, AfxLiteGetLiveGdiObjectCount());
        EXPECT_EQ(&list, CImageList::FromHandle(list));
        EXPECT_EQ(0, list.Add(::LoadIconA(nullptr, IDI_APPLICATION)));
        EXPECT_EQ(-1, list.Add(static_cast<HICON>(nullptr)));
        EXPECT_EQ(1, list.GetImageCount());
        HICON hIcon = list.ExtractIcon(0);
        EXPECT_NE(nullptr, hIcon);
        ::DestroyIcon(hIcon);

        Canvas canvas;
        EXPECT_TRUE(list.Draw(&canvas.dc, 0, CPoint(4, 4), ILD_NORMAL));
        EXPECT_GT(canvas.CountNot(CRect(4, 4, 20, 20), kWhite), 0);
        EXPECT_FALSE(list.Draw(nullptr, 0, CPoint(0, 0), ILD_NORMAL));
    }
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
}

TEST(Gdi, WindowDCsBelongToTheirWindowAndAreReleasedWithTheObject)
{
    CWnd wnd;
    wnd.Attach(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 60, 40, nullptr, nullptr, nullptr, nullptr));
    ASSERT_NE(nullptr, wnd.m_hWnd);
    const int start = AfxLiteGetLiveGdiObjectCount();
    {
        CClientDC client(&wnd);
        CWindowDC whole(&wnd);
        EXPECT_EQ(wnd.m_hWnd, ::WindowFromDC(client));
        EXPECT_EQ(wnd.m_hWnd, ::WindowFromDC(whole));
        EXPECT_EQ(&client, CDC::FromHandle(client));
        CRect box;
        client.GetClipBox(box);
        EXPECT_EQ(CRect(0, 0, 60, 40), box);
        EXPECT_EQ(start + 2, AfxLiteGetLiveGdiObjectCount());
        CPaintDC none(nullptr); // no window to paint: stays empty
        EXPECT_EQ(nullptr, none.GetSafeHdc());
    }
    {
        ::InvalidateRect(wnd.m_hWnd, nullptr, FALSE);
        CPaintDC paint(&wnd);
        EXPECT_EQ(paint.m_hDC, paint.m_ps.hdc);
        EXPECT_EQ(CRect(0, 0, 60, 40), CRect(paint.m_ps.rcPaint));
    }
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE)); // EndPaint validated it
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
    ::DestroyWindow(wnd.Detach());
}
