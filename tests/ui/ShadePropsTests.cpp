#include "Canvas.h"
#include <ShadeProps.h>
#include <gtest/gtest.h>

using harness::Canvas;

namespace
{
const COLORREF kLight = RGB(200, 100, 0);
const COLORREF kDark = RGB(0, 0, 100);
}

TEST(ShadeProps, GradientRunsFromLightToDarkAndClampsOutsideItsExtent)
{
    const ShadeProps props(kLight, kDark, 0, 0);
    struct Row { const char* name; int pos; int extent; COLORREF expected; };
    const Row rows[] = {
        {"first step is light", 0, 11, kLight},
        {"last step is dark", 10, 11, kDark},
        {"middle is the mean", 5, 11, RGB(100, 50, 50)},
        {"before the start clamps", -3, 11, kLight},
        {"past the end clamps", 40, 11, kDark},
        {"a one-step extent is light", 0, 1, kLight},
        {"a zero extent is light", 3, 0, kLight},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, props.GetColorAt(row.pos, row.extent));
    }
}

TEST(ShadeProps, FillGradientPaintsOnlyTheRectangleInItsDirection)
{
    for (ShadeProps::Direction dir : {ShadeProps::TopToBottom, ShadeProps::LeftToRight})
    {
        SCOPED_TRACE(dir == ShadeProps::TopToBottom ? "top to bottom" : "left to right");
        Canvas canvas(30, 30);
        canvas.dc.SetBkColor(RGB(1, 2, 3));
        ShadeProps(kLight, kDark, 0, 0, dir).FillGradient(&canvas.dc, CRect(5, 5, 25, 25));
        EXPECT_EQ(kLight, canvas.dc.GetPixel(5, 5));
        EXPECT_EQ(kDark, canvas.dc.GetPixel(24, 24));
        const COLORREF alongOtherAxis = dir == ShadeProps::TopToBottom ? canvas.dc.GetPixel(24, 5) : canvas.dc.GetPixel(5, 24);
        EXPECT_EQ(kLight, alongOtherAxis);
        EXPECT_EQ(RGB(255, 255, 255), canvas.dc.GetPixel(4, 4));
        EXPECT_EQ(RGB(255, 255, 255), canvas.dc.GetPixel(25, 25));
        EXPECT_EQ(RGB(1, 2, 3), canvas.dc.GetBkColor()) << "the caller's background colour survives";
    }
}

TEST(ShadeProps, FillGradientIgnoresAMissingDcAndAnEmptyRectangle)
{
    const ShadeProps props(kLight, kDark, 0, 0);
    props.FillGradient(nullptr, CRect(0, 0, 10, 10));
    Canvas canvas(10, 10);
    props.FillGradient(&canvas.dc, CRect(8, 8, 2, 2));
    EXPECT_EQ(RGB(255, 255, 255), canvas.dc.GetPixel(5, 5));
}
