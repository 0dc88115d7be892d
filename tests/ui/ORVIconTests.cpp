#include "Canvas.h"
#include <ORVIcon.h>
#include <gtest/gtest.h>

using harness::Canvas;

namespace
{
const COLORREF kInk = RGB(10, 20, 30);
}

TEST(ORVIcon, ComboArrowIsADownwardTriangleCentredInTheRectangle)
{
    struct Row { const char* name; CRect rc; };
    const Row rows[] = {
        {"drop button", CRect(3, 2, 20, 22)},
        {"wide short", CRect(0, 0, 60, 10)},
        {"large", CRect(5, 5, 65, 65)},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        Canvas canvas(70, 70);
        canvas.dc.SetBkColor(RGB(1, 2, 3));
        ORVIcon::DrawComboArrow(&canvas.dc, row.rc, kInk);
        const CRect box = canvas.Bounds(CRect(0, 0, 70, 70), kInk);
        ASSERT_FALSE(box.IsRectEmpty());
        EXPECT_EQ(box, box & row.rc) << "stays inside";
        EXPECT_LE(std::abs((box.left - row.rc.left) - (row.rc.right - box.right)), 1) << "centred across";
        EXPECT_LE(std::abs((box.top - row.rc.top) - (row.rc.bottom - box.bottom)), 1) << "centred down";
        EXPECT_EQ(box.Width(), 2 * box.Height() - 1) << "a triangle of single-pixel steps";
        // Wide at the top, one pixel at the bottom: it points down.
        EXPECT_EQ(box.Width(), canvas.Count(CRect(box.left, box.top, box.right, box.top + 1), kInk));
        EXPECT_EQ(1, canvas.Count(CRect(box.left, box.bottom - 1, box.right, box.bottom), kInk));
        EXPECT_EQ(RGB(1, 2, 3), canvas.dc.GetBkColor());
    }
}

TEST(ORVIcon, ComboArrowDrawsNothingWithoutRoomOrADc)
{
    ORVIcon::DrawComboArrow(nullptr, CRect(0, 0, 20, 20), kInk);
    Canvas canvas(20, 20);
    for (const CRect& rc : {CRect(5, 5, 7, 15), CRect(5, 5, 15, 6), CRect(9, 9, 2, 2)})
        ORVIcon::DrawComboArrow(&canvas.dc, rc, kInk);
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 20, 20), kInk));
}

TEST(ORVIcon, CoarserAndFinerAreDistinctMinusAndPlus)
{
    const CRect rc(0, 0, 25, 20); // the time drop window's button size
    Canvas coarser(25, 20), finer(25, 20);
    ASSERT_TRUE(ORVIcon::DrawButtonIcon(&coarser.dc, static_cast<ORVIcon::ButtonIcon>(71), rc, kInk));
    ASSERT_TRUE(ORVIcon::DrawButtonIcon(&finer.dc, static_cast<ORVIcon::ButtonIcon>(101), rc, kInk));

    const CRect minus = coarser.Bounds(rc, kInk);
    const CRect plus = finer.Bounds(rc, kInk);
    EXPECT_GE(minus.Width(), 7) << "large enough to read";
    EXPECT_GT(minus.Width(), 2 * minus.Height()) << "a flat bar";
    EXPECT_EQ(plus.Width(), plus.Height()) << "a square cross";
    EXPECT_GT(finer.Count(rc, kInk), coarser.Count(rc, kInk));
    const CPoint centre = plus.CenterPoint();
    EXPECT_EQ(kInk, finer.dc.GetPixel(centre.x, plus.top)) << "the plus has an upright";
    EXPECT_EQ(kInk, coarser.dc.GetPixel(centre.x, centre.y));
    EXPECT_NE(kInk, coarser.dc.GetPixel(centre.x, plus.top)) << "the minus has none";
}

TEST(ORVIcon, UnknownNumbersAndTinyRectanglesDrawNothing)
{
    Canvas canvas(30, 30);
    for (int n : {0, 5, 70, 72, 100, 102, -1})
    {
        SCOPED_TRACE(n);
        EXPECT_FALSE(ORVIcon::DrawButtonIcon(&canvas.dc, static_cast<ORVIcon::ButtonIcon>(n), CRect(0, 0, 30, 30), kInk));
    }
    EXPECT_FALSE(ORVIcon::DrawButtonIcon(&canvas.dc, ORVIcon::Finer, CRect(0, 0, 6, 30), kInk));
    EXPECT_FALSE(ORVIcon::DrawButtonIcon(nullptr, ORVIcon::Finer, CRect(0, 0, 30, 30), kInk));
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 30, 30), kInk));
}
