// The small helpers the controls are built on: gradients, the host-made style, off-screen
// drawing, the default font, the caret index and the drawn pictures.
#include "Canvas.h"
#include "HostDialog.h"
#include "Input.h"
#include "TestApp.h"
#include <BkgStyle.h>
#include <GraphicsUtils.h>
#include <MemDC.h>
#include <ORVIcon.h>
#include <ShadeProps.h>
#include <WndUtils.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

using harness::Canvas;
using harness::kWhite;

namespace
{
const COLORREF kLight = RGB(200, 100, 0);
const COLORREF kDark = RGB(0, 0, 100);
const COLORREF kInk = RGB(10, 20, 30);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
}

TEST(ShadeProps, GradientRunsFromLightToDarkAndClampsOutsideItsExtent)
{
    const ShadeProps props(kLight, kDark, 0, 0);
    const struct { const char* name; int pos, extent; COLORREF expected; } rows[] = {
        {"first step", 0, 11, kLight}, {"last step", 10, 11, kDark}, {"middle is the mean", 5, 11, RGB(100, 50, 50)},
        {"before the start", -3, 11, kLight}, {"past the end", 40, 11, kDark}, {"one-step extent", 0, 1, kLight},
        {"zero extent", 3, 0, kLight},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, props.GetColorAt(row.pos, row.extent)) << row.name;
}

// Top to bottom is checked through the shaded button's face.
TEST(ShadeProps, FillGradientLeftToRightPaintsOnlyTheRectangle)
{
    Canvas canvas(30, 30);
    canvas.dc.SetBkColor(RGB(1, 2, 3));
    ShadeProps(kLight, kDark, 0, 0, ShadeProps::LeftToRight).FillGradient(&canvas.dc, CRect(5, 5, 25, 25));
    ShadeProps(kLight, kDark, 0, 0).FillGradient(&canvas.dc, CRect(25, 25, 10, 10)); // inverted: empty
    ShadeProps(kLight, kDark, 0, 0).FillGradient(nullptr, CRect(0, 0, 10, 10));
    EXPECT_EQ(kLight, canvas.dc.GetPixel(5, 24));
    EXPECT_EQ(kDark, canvas.dc.GetPixel(24, 5));
    EXPECT_EQ(kWhite, canvas.dc.GetPixel(4, 4));
    EXPECT_EQ(kWhite, canvas.dc.GetPixel(25, 25));
    EXPECT_EQ(RGB(1, 2, 3), canvas.dc.GetBkColor()) << "the caller's background colour survives";
}

TEST(BkgStyle, TheHostsStyleGivesEachComponentItsShadingAndRefusesOtherNumbers)
{
    BkgStyle::DestroyInstance();
    EXPECT_EQ(nullptr, BkgStyle::GetInstance());
    BkgStyle* pStyle = BkgStyle::CreateInstance();
    ASSERT_NE(nullptr, pStyle);
    EXPECT_EQ(pStyle, BkgStyle::CreateInstance()) << "a second creation returns the same style";
    const ShadeProps blue(RGB(0, 0, 255), RGB(0, 0, 50), 0, 0);
    EXPECT_TRUE(pStyle->Set(BkgStyle::DropWindowButtons, blue));
    ShadeProps* pProps = nullptr;
    EXPECT_TRUE(pStyle->Get(static_cast<BkgStyle::UIComponent>(11), pProps)) << "as the time drop window asks";
    ASSERT_NE(nullptr, pProps);
    EXPECT_EQ(blue, *pProps);
    EXPECT_TRUE(pStyle->Get(BkgStyle::Calendar, pProps));
    ASSERT_NE(nullptr, pProps);
    EXPECT_EQ(ShadeProps(), *pProps) << "untouched components have the default shading";
    pStyle->Clear(BkgStyle::DropWindowButtons);
    EXPECT_FALSE(pStyle->Get(BkgStyle::DropWindowButtons, pProps));
    EXPECT_EQ(nullptr, pProps);
    for (int n : {-1, static_cast<int>(BkgStyle::ComponentCount), 1000})
    {
        SCOPED_TRACE(n);
        const auto component = static_cast<BkgStyle::UIComponent>(n);
        ShadeProps props;
        pProps = &props;
        EXPECT_FALSE(pStyle->Get(component, pProps));
        EXPECT_EQ(nullptr, pProps);
        EXPECT_FALSE(pStyle->Set(component, props));
        pStyle->Clear(component);
    }
    BkgStyle::DestroyInstance();
    EXPECT_EQ(nullptr, BkgStyle::GetInstance());
}

TEST(MemDC, DrawingReachesTheTargetInsideItsRectangleWhenDestroyedInTheTargetsFont)
{
    Canvas target(40, 40, kBlue);
    target.dc.FillSolidRect(20, 20, 5, 5, kRed);
    CFont big;
    ASSERT_TRUE(big.CreatePointFont(240, "Arial"));
    CFont* pOld = target.dc.SelectObject(&big);
    const CSize direct = target.dc.GetTextExtent(CString("Wide text"));
    {
        CMemDC mem(&target.dc, CRect(10, 10, 30, 30));
        ASSERT_TRUE(mem.IsOffScreen());
        EXPECT_EQ(direct, mem.GetTextExtent(CString("Wide text")));
        mem.FillSolidRect(0, 0, 16, 16, kWhite); // target coordinates, spilling past the rectangle
        EXPECT_EQ(kBlue, target.dc.GetPixel(12, 12)) << "nothing shows before the copy";
    }
    target.dc.SelectObject(pOld);
    EXPECT_EQ(36, target.Count(CRect(0, 0, 40, 40), kWhite)) << "from (10,10) to (16,16) only";
    EXPECT_EQ(kWhite, target.dc.GetPixel(10, 10));
    EXPECT_EQ(25, target.Count(CRect(0, 0, 40, 40), kRed)) << "what was not painted keeps the target's pixels";
}

TEST(MemDC, GdiObjectsAreFreedOnEveryPath)
{
    Canvas target(20, 20);
    const int start = AfxLiteGetLiveGdiObjectCount();
    const struct { const char* name; CDC* pDC; CRect rc; bool offScreen; } rows[] = {
        {"off-screen", &target.dc, CRect(0, 0, 20, 20), true},
        {"inverted rectangle is normalised", &target.dc, CRect(20, 20, 0, 0), true},
        {"empty rectangle draws into the target", &target.dc, CRect(5, 5, 5, 9), false},
        {"no target", nullptr, CRect(0, 0, 20, 20), false},
    };
    for (const auto& row : rows)
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

TEST(GraphicsUtils, DefaultFontIsTheSystemsMessageFontWithWhatIsGiven)
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    const LOGFONTA sys = ncm.lfMessageFont;
    const LONG height14 = -::MulDiv(14, CClientDC(nullptr).GetDeviceCaps(LOGPIXELSY), 72);
    const struct { const char* name; std::string face; int points, weight; bool italic, underline, strike;
                   std::string expectedFace; LONG height, expectedWeight; } rows[] = {
        {"nothing given", "", -1, -1, false, false, false, sys.lfFaceName, sys.lfHeight, sys.lfWeight},
        {"face only", "Courier New", -1, -1, false, false, false, "Courier New", sys.lfHeight, sys.lfWeight},
        {"size only", "", 14, -1, false, false, false, sys.lfFaceName, height14, sys.lfWeight},
        {"weight and styles", "", -1, FW_BOLD, true, true, true, sys.lfFaceName, sys.lfHeight, FW_BOLD},
        {"zero size and weight keep the system's", "", 0, 0, false, false, false, sys.lfFaceName, sys.lfHeight, sys.lfWeight},
        {"absurd size and weight are ignored", "", 100000, 5000, false, false, false, sys.lfFaceName, sys.lfHeight,
         sys.lfWeight},
        {"an overlong face is cut and terminated", std::string(200, 'F'), -1, -1, false, false, false,
         std::string(LF_FACESIZE - 1, 'F'), sys.lfHeight, sys.lfWeight},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        LOGFONTA lf;
        std::memset(&lf, 0x5A, sizeof(lf)); // garbage in must not leak through
        GraphicsUtils::SetDefaultFont(lf, row.face.c_str(), row.points, row.weight, row.italic, row.underline, row.strike);
        EXPECT_EQ(row.expectedFace, std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE)));
        EXPECT_EQ(row.height, lf.lfHeight);
        EXPECT_EQ(row.expectedWeight, lf.lfWeight);
        EXPECT_EQ(row.italic, lf.lfItalic != 0);
        EXPECT_EQ(row.underline, lf.lfUnderline != 0);
        EXPECT_EQ(row.strike, lf.lfStrikeOut != 0);
    }
}

// The caret after real typing, Shift+arrow selections in both directions and a click.
TEST(WndUtils, CaretIsWhereTheUserLeftIt)
{
    harness::CHostDialog host;
    CEdit edit; // destroyed first, as a host's own edit is
    ASSERT_TRUE(host.CreateHost({100, 100}, {300, 80}, {10, 10, 250, 34}));
    ASSERT_TRUE(edit.SubclassWindow(host.Edit()));
    host.FocusEdit();
    ASSERT_EVENTUALLY(::GetFocus() == edit.m_hWnd);
    using harness::kNone;
    using harness::kShift;
    const struct { const char* name; std::vector<std::pair<WORD, unsigned>> keys; int expected; } rows[] = {
        {"after typing", {}, 6},
        {"home", {{VK_HOME, kNone}}, 0},
        {"two left", {{VK_LEFT, kNone}, {VK_LEFT, kNone}}, 4},
        {"selection to the left: its start", {{VK_LEFT, kShift}, {VK_LEFT, kShift}, {VK_LEFT, kShift}}, 3},
        {"selection to the right: its end", {{VK_HOME, kNone}, {VK_RIGHT, kShift}, {VK_RIGHT, kShift}}, 2},
        {"middle selection to the left", {{VK_LEFT, kNone}, {VK_LEFT, kShift}}, 4},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        edit.SetWindowText("");
        harness::TypeText("abcdef");
        for (const auto& key : row.keys)
            harness::PressKey(key.first, key.second);
        EXPECT_EQ(row.expected, WndUtils::GetCaretPosition(edit));
    }
    POINT pt = edit.PosFromChar(3);
    pt = {pt.x + 1, pt.y + 4};
    edit.ClientToScreen(&pt);
    harness::Click(pt);
    EXPECT_EQ(3, WndUtils::GetCaretPosition(edit)) << "a click just right of the third character";

    edit.SetSel(1, 4);
    ::SetFocus(host.Other());
    ASSERT_EVENTUALLY(::GetFocus() == host.Other());
    EXPECT_EQ(4, WndUtils::GetCaretPosition(edit)) << "without the focus, the selection's end";
    EXPECT_EQ(0, WndUtils::GetCaretPosition(CEdit())) << "a wrapper without a window";
}

TEST(ORVIcon, ComboArrowIsADownwardTriangleCentredInTheRectangle)
{
    for (const CRect& rc : {CRect(3, 2, 20, 22), CRect(0, 0, 60, 10), CRect(5, 5, 65, 65)})
    {
        SCOPED_TRACE(testing::Message() << rc.Width() << "x" << rc.Height());
        Canvas canvas(70, 70);
        canvas.dc.SetBkColor(RGB(1, 2, 3));
        ORVIcon::DrawComboArrow(&canvas.dc, rc, kInk);
        const CRect box = canvas.Bounds(CRect(0, 0, 70, 70), kInk);
        ASSERT_FALSE(box.IsRectEmpty());
        EXPECT_EQ(box, box & rc) << "stays inside";
        EXPECT_LE(std::abs((box.left - rc.left) - (rc.right - box.right)), 1) << "centred across";
        EXPECT_LE(std::abs((box.top - rc.top) - (rc.bottom - box.bottom)), 1) << "centred down";
        EXPECT_EQ(box.Width(), 2 * box.Height() - 1) << "a triangle of single-pixel steps";
        // Wide at the top, one pixel at the bottom: it points down.
        EXPECT_EQ(box.Width(), canvas.Count(CRect(box.left, box.top, box.right, box.top + 1), kInk));
        EXPECT_EQ(1, canvas.Count(CRect(box.left, box.bottom - 1, box.right, box.bottom), kInk));
        EXPECT_EQ(RGB(1, 2, 3), canvas.dc.GetBkColor());
    }
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
    const CPoint centre = plus.CenterPoint();
    EXPECT_EQ(kInk, finer.dc.GetPixel(centre.x, plus.top)) << "the plus has an upright";
    EXPECT_EQ(kInk, coarser.dc.GetPixel(centre.x, centre.y));
    EXPECT_NE(kInk, coarser.dc.GetPixel(centre.x, plus.top)) << "the minus has none";
}

TEST(ORVIcon, NothingIsDrawnWithoutADcRoomOrAKnownPicture)
{
    Canvas canvas(30, 30);
    ORVIcon::DrawComboArrow(nullptr, CRect(0, 0, 20, 20), kInk);
    for (const CRect& rc : {CRect(5, 5, 7, 15), CRect(5, 5, 15, 6), CRect(9, 9, 2, 2)})
        ORVIcon::DrawComboArrow(&canvas.dc, rc, kInk);
    for (int n : {0, 5, 70, 72, 100, 102, -1})
        EXPECT_FALSE(ORVIcon::DrawButtonIcon(&canvas.dc, static_cast<ORVIcon::ButtonIcon>(n), CRect(0, 0, 30, 30), kInk)) << n;
    EXPECT_FALSE(ORVIcon::DrawButtonIcon(&canvas.dc, ORVIcon::Finer, CRect(0, 0, 6, 30), kInk)) << "too small";
    EXPECT_FALSE(ORVIcon::DrawButtonIcon(nullptr, ORVIcon::Finer, CRect(0, 0, 30, 30), kInk));
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 30, 30), kInk));
}
