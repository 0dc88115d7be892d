#include <afxwin.h>
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
}

// The leak checks of the control tests read this count.
TEST(Gdi, LiveCountFollowsCreateAttachDetachAndDelete)
{
    const int start = AfxLiteGetLiveGdiObjectCount();
    {
        Canvas canvas; // memory DC and bitmap; the screen DC it borrowed is released
        EXPECT_EQ(start + 2, AfxLiteGetLiveGdiObjectCount());
        CPen pen(PS_SOLID, 1, kRed);
        CBrush brush(kBlue);
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
        EXPECT_EQ(start + 5, AfxLiteGetLiveGdiObjectCount());

        // Each selection hands back the wrapper of the object it replaced.
        CPen* pOldPen = canvas.dc.SelectObject(&pen);
        CFont* pOldFont = canvas.dc.SelectObject(&font);
        ASSERT_NE(nullptr, pOldPen);
        EXPECT_EQ(&pen, canvas.dc.SelectObject(pOldPen));
        EXPECT_EQ(&font, canvas.dc.SelectObject(pOldFont));

        EXPECT_TRUE(pen.DeleteObject());
        EXPECT_FALSE(pen.DeleteObject());
        EXPECT_EQ(start + 4, AfxLiteGetLiveGdiObjectCount());
        HGDIOBJ hDetached = brush.Detach();
        CBrush adopter;
        adopter.Attach(hDetached); // freed through another wrapper
    }
    AfxLiteFreeTempObjects();
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());

    HPEN hRaw = ::CreatePen(PS_SOLID, 1, kGreen);
    {
        CPen pen;
        EXPECT_TRUE(pen.Attach(hRaw));
        EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount()) << "attached objects are not counted";
    }
    EXPECT_EQ(0u, ::GetObjectType(hRaw)) << "but they are owned";
}

TEST(Gdi, DCFromHandleGivesThePermanentWrapperElseATemporaryOne)
{
    Canvas canvas;
    EXPECT_EQ(&canvas.dc, CDC::FromHandle(canvas.dc));
    EXPECT_EQ(nullptr, CDC::FromHandle(nullptr));
    HDC hRawDC = ::CreateCompatibleDC(nullptr);
    CDC* pTempDC = CDC::FromHandle(hRawDC);
    ASSERT_NE(nullptr, pTempDC);
    EXPECT_EQ(pTempDC, CDC::FromHandle(hRawDC));
    EXPECT_EQ(hRawDC, pTempDC->m_hAttribDC);
    AfxLiteFreeTempObjects();
    EXPECT_GT(::GetDeviceCaps(hRawDC, BITSPIXEL), 0) << "the temporary left the DC alone";
    ::DeleteDC(hRawDC);
}

TEST(Gdi, DrawingAndCopyingReachTheBitmap)
{
    Canvas canvas;
    CDC& dc = canvas.dc;
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kBlue);
    CPen* pOldPen = dc.SelectObject(&pen);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    dc.Rectangle(2, 2, 10, 10);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
    dc.Draw3dRect(CRect(12, 0, 22, 10), kRed, kBlue);
    Canvas copy;
    EXPECT_TRUE(copy.dc.BitBlt(0, 0, 40, 40, &dc, 0, 0, SRCCOPY));
    const struct { const char* name; int x, y; COLORREF expected; } rows[] = {
        { "rectangle border", 2, 2, kRed }, { "rectangle inside", 5, 5, kBlue }, { "past the rectangle", 10, 10, kWhite },
        { "3d top-left", 12, 5, kRed }, { "3d bottom-right", 21, 5, kBlue }, { "3d bottom edge", 15, 9, kBlue },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, dc.GetPixel(row.x, row.y));
        EXPECT_EQ(row.expected, copy.dc.GetPixel(row.x, row.y)) << "copied";
    }
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
        EXPECT_EQ(start + 2, AfxLiteGetLiveGdiObjectCount());
    }
    EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
    ::DestroyWindow(wnd.Detach());
}
