#include <afxwin.h>
#include <lite/Gdi.h>
#include <gtest/gtest.h>
#include "Canvas.h"

namespace
{
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

// The buttons frame their faces with it; no other test reads the frame's pixels.
TEST(Gdi, Draw3dRectDrawsEachEdgeInItsColour)
{
    Canvas canvas;
    canvas.dc.Draw3dRect(CRect(12, 0, 22, 10), kRed, kBlue);
    const struct { const char* name; int x, y; COLORREF expected; } rows[] = {
        { "top", 15, 0, kRed }, { "left", 12, 5, kRed }, { "right", 21, 5, kBlue }, { "bottom", 15, 9, kBlue },
        { "inside", 15, 5, harness::kWhite },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, canvas.dc.GetPixel(row.x, row.y));
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
