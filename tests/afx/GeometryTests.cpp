// The geometry the controls place their buttons, icons and drop windows with.
#include <afx.h>
#include <gtest/gtest.h>

TEST(Geometry, PointsUnpackSignedWordsAndCombineWithSizes)
{
    CPoint pt(static_cast<LPARAM>(MAKELONG(-5, 7))); // a mouse message left of the primary screen
    EXPECT_EQ(CPoint(-5, 7), pt);
    EXPECT_EQ(CPoint(-2, 3), pt + CSize(3, -4));
    EXPECT_EQ(CSize(-7, 11), pt - CPoint(2, -4));
    EXPECT_EQ(CPoint(5, -7), -pt);
}

TEST(Geometry, RectsMeasureMoveShrinkAndHitTest)
{
    const struct { const char* name; CRect rect; CRect expected; } rows[] = {
        { "offset", [] { CRect rc(10, 20, 40, 60); rc.OffsetRect(-10, 5); return rc; }(), CRect(0, 25, 30, 65) },
        { "offset by point", [] { CRect rc(10, 20, 40, 60); rc.OffsetRect(CPoint(1, 1)); return rc; }(), CRect(11, 21, 41, 61) },
        { "deflate", [] { CRect rc(10, 20, 40, 60); rc.DeflateRect(3, 4); return rc; }(), CRect(13, 24, 37, 56) },
        { "inflate", [] { CRect rc(10, 20, 40, 60); rc.InflateRect(1, 2); return rc; }(), CRect(9, 18, 41, 62) },
        { "normalize", [] { CRect rc(40, 60, 10, 20); rc.NormalizeRect(); return rc; }(), CRect(10, 20, 40, 60) },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.expected, row.rect);
    }
    CRect rc(10, 20, 40, 60);
    EXPECT_EQ(30, rc.Width());
    EXPECT_EQ(40, rc.Height());
    EXPECT_TRUE(rc.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rc.PtInRect(CPoint(40, 30))); // right and bottom edges are outside
    EXPECT_FALSE(rc.PtInRect(CPoint(20, 60)));
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(9, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(rc.IsRectEmpty());
    LPCRECT p = rc;
    EXPECT_EQ(&rc.left, &p->left);
}
