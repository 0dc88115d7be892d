#include "Canvas.h"
#include <MemDC.h>
#include <gtest/gtest.h>

using harness::Canvas;
using harness::kWhite;

namespace
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
}

TEST(MemDC, DrawingReachesTheTargetOnlyWhenTheObjectIsDestroyed)
{
    Canvas target(40, 40);
    {
        CMemDC mem(&target.dc, CRect(10, 10, 30, 30));
        ASSERT_TRUE(mem.IsOffScreen());
        mem.FillSolidRect(12, 12, 4, 4, kRed); // target coordinates
        EXPECT_EQ(kWhite, target.dc.GetPixel(12, 12)) << "nothing shows before the copy";
    }
    EXPECT_EQ(kRed, target.dc.GetPixel(12, 12));
    EXPECT_EQ(kRed, target.dc.GetPixel(15, 15));
    EXPECT_EQ(kWhite, target.dc.GetPixel(16, 16));
    EXPECT_EQ(16, target.Count(CRect(0, 0, 40, 40), kRed));
}

TEST(MemDC, WhatTheCallerDoesNotPaintKeepsTheTargetsPixelsAndOutsideIsUntouched)
{
    Canvas target(40, 40, kBlue);
    target.dc.FillSolidRect(20, 20, 5, 5, kRed);
    {
        CMemDC mem(&target.dc, CRect(15, 15, 30, 30));
        mem.FillSolidRect(0, 0, 40, 40, kWhite); // spills past the rectangle
        mem.FillSolidRect(20, 20, 5, 5, kRed);
    }
    EXPECT_EQ(kBlue, target.dc.GetPixel(14, 14)) << "outside the rectangle";
    EXPECT_EQ(kBlue, target.dc.GetPixel(30, 30)) << "outside the rectangle";
    EXPECT_EQ(kWhite, target.dc.GetPixel(15, 15));
    EXPECT_EQ(25, target.Count(CRect(0, 0, 40, 40), kRed));
}

TEST(MemDC, GdiObjectsAreFreedOnEveryPath)
{
    Canvas target(20, 20);
    const int start = AfxLiteGetLiveGdiObjectCount();
    struct Row { const char* name; CDC* pDC; CRect rc; bool offScreen; };
    const Row rows[] = {
        {"off-screen", &target.dc, CRect(0, 0, 20, 20), true},
        {"inverted rectangle is normalised", &target.dc, CRect(20, 20, 0, 0), true},
        {"empty rectangle draws into the target", &target.dc, CRect(5, 5, 5, 9), false},
        {"no target", nullptr, CRect(0, 0, 20, 20), false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        {
            CMemDC mem(row.pDC, row.rc);
            EXPECT_EQ(row.offScreen, mem.IsOffScreen());
            mem.FillSolidRect(0, 0, 1, 1, kRed);
        }
        EXPECT_EQ(start, AfxLiteGetLiveGdiObjectCount());
    }
    EXPECT_EQ(kRed, target.dc.GetPixel(0, 0));
    EXPECT_NE(nullptr, target.dc.GetSafeHdc()) << "the target's DC is never taken over";
}

TEST(MemDC, TextUsesTheTargetsFont)
{
    Canvas target(120, 40);
    CFont big;
    ASSERT_TRUE(big.CreatePointFont(240, "Arial"));
    CFont* pOld = target.dc.SelectObject(&big);
    const CSize direct = target.dc.GetTextExtent(CString("Wide text"));
    {
        CMemDC mem(&target.dc, CRect(0, 0, 120, 40));
        EXPECT_EQ(direct, mem.GetTextExtent(CString("Wide text")));
    }
    target.dc.SelectObject(pOld);
}
