#include <afx.h>
#include <gtest/gtest.h>

namespace
{
void ExpectRect(const RECT& actual, int l, int t, int r, int b)
{
    EXPECT_EQ(l, actual.left);
    EXPECT_EQ(t, actual.top);
    EXPECT_EQ(r, actual.right);
    EXPECT_EQ(b, actual.bottom);
}
#define EXPECT_RECT(actual, l, t, r, b) \
    do { SCOPED_TRACE(#actual); ExpectRect(actual, l, t, r, b); } while (0)
}

TEST(Geometry, PointsAndSizesUnpackSignedWordsAndCombine)
{
    CPoint pt(static_cast<LPARAM>(MAKELONG(-5, 7)));
    EXPECT_EQ(-5, pt.x);
    EXPECT_EQ(7, pt.y);
    CSize size(static_cast<DWORD>(MAKELONG(3, -4)));
    EXPECT_EQ(CSize(3, -4), size);
    EXPECT_EQ(CPoint(-2, 3), pt + size);
    EXPECT_EQ(CSize(-7, 11), pt - CPoint(2, -4));
    EXPECT_EQ(CPoint(5, -7), -pt);
    pt -= CSize(1, 1);
    EXPECT_EQ(CPoint(-6, 6), pt);
    EXPECT_RECT(CPoint(1, 2) + CRect(0, 0, 10, 10), 1, 2, 11, 12);
    EXPECT_RECT(CSize(1, 2) - CRect(0, 0, 10, 10), -1, -2, 9, 8);
}

TEST(Geometry, RectAttributesAndCornersAliasTheMembers)
{
    CRect rc(10, 20, 40, 60);
    EXPECT_EQ(30, rc.Width());
    EXPECT_EQ(40, rc.Height());
    EXPECT_EQ(CSize(30, 40), rc.Size());
    EXPECT_EQ(CPoint(25, 40), rc.CenterPoint());
    rc.TopLeft() = CPoint(0, 0);
    rc.BottomRight().Offset(1, 1);
    EXPECT_RECT(rc, 0, 0, 41, 61);
    EXPECT_TRUE(rc.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(rc.PtInRect(CPoint(41, 10))); // right and bottom edges are outside
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(9, 5, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
    LPCRECT p = rc;
    EXPECT_EQ(&rc.left, &p->left);
}

TEST(Geometry, InflateDeflateOffsetAndMove)
{
    CRect rc(10, 10, 20, 20);
    rc.InflateRect(1, 2);
    EXPECT_RECT(rc, 9, 8, 21, 22);
    rc.DeflateRect(CSize(1, 2));
    rc.InflateRect(1, 2, 3, 4);
    EXPECT_RECT(rc, 9, 8, 23, 24);
    rc.DeflateRect(CRect(1, 2, 3, 4));
    EXPECT_RECT(rc, 10, 10, 20, 20);
    rc += CRect(1, 1, 1, 1);
    rc -= CRect(1, 1, 1, 1);
    rc += CPoint(5, -5);
    EXPECT_RECT(rc, 15, 5, 25, 15);
    rc.MoveToXY(0, 100);
    EXPECT_RECT(rc, 0, 100, 10, 110);
    EXPECT_RECT(rc - CSize(0, 100), 0, 0, 10, 10);
    CRect inverted(30, 40, 10, 20);
    inverted.NormalizeRect();
    EXPECT_RECT(inverted, 10, 20, 30, 40);
}

TEST(Geometry, IntersectUnionAndSubtract)
{
    CRect a(0, 0, 10, 10), b(5, 5, 15, 15), apart(20, 20, 30, 30), empty;
    CRect rc;
    EXPECT_TRUE(rc.IntersectRect(a, b));
    EXPECT_RECT(rc, 5, 5, 10, 10);
    EXPECT_FALSE(rc.IntersectRect(a, apart));
    EXPECT_TRUE(rc.IsRectNull());
    EXPECT_RECT(a & b, 5, 5, 10, 10);
    EXPECT_RECT(a | b, 0, 0, 15, 15);
    EXPECT_RECT(a | empty, 0, 0, 10, 10); // empty rectangles do not stretch a union
    CRect c(a);
    c &= apart;
    EXPECT_TRUE(c.IsRectNull());
    c = a;
    c |= apart;
    EXPECT_RECT(c, 0, 0, 30, 30);
    EXPECT_TRUE(rc.SubtractRect(CRect(0, 0, 10, 10), CRect(5, 0, 10, 10)));
    EXPECT_RECT(rc, 0, 0, 5, 10);
    EXPECT_TRUE(rc.SubtractRect(a, CRect(2, 2, 4, 4))); // a hole leaves the source as it is
    EXPECT_RECT(rc, 0, 0, 10, 10);
    EXPECT_TRUE(a == CRect(0, 0, 10, 10));
    EXPECT_TRUE(a != b);
}
