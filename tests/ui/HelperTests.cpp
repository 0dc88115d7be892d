// The small helpers the controls are built on: gradients, the drawn pictures and the shell's
// file icons.
#include "Canvas.h"
#include <FileExtMgr.h>
#include <ORVIcon.h>
#include <RegistryUtils.h>
#include <ScratchDir.h>
#include <ShadeProps.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using harness::Canvas;

namespace
{
const COLORREF kLight = RGB(200, 100, 0);
const COLORREF kDark = RGB(0, 0, 100);
const COLORREF kInk = RGB(10, 20, 30);

// The small icon for ext as drawn; empty when none comes back. The caller must be able to
// destroy the icon.
std::vector<COLORREF> IconPicture(const std::string& ext)
{
    HICON hIcon = nullptr;
    if (!FileExtMgr::GetInstance()->GetIconForExt(ext.c_str(), hIcon))
        return {};
    Canvas canvas(16, 16);
    ::DrawIconEx(canvas.dc.m_hDC, 0, 0, hIcon, 16, 16, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int n = 0; n < 16 * 16; ++n)
        pixels.push_back(canvas.dc.GetPixel(n % 16, n / 16));
    EXPECT_TRUE(::DestroyIcon(hIcon)) << "the caller owns the icon";
    return pixels;
}

class FileExtMgrTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_NE(nullptr, FileExtMgr::CreateInstance()); }
    void TearDown() override { FileExtMgr::DestroyInstance(); }
};
}

TEST(ShadeProps, GradientRunsFromLightToDarkClampedToItsExtent)
{
    const ShadeProps props(kLight, kDark, 0, 0);
    const struct { int pos, extent; COLORREF expected; } rows[] = {
        {0, 11, kLight}, {10, 11, kDark}, {5, 11, RGB(100, 50, 50)}, {-3, 11, kLight}, {40, 11, kDark}, {0, 1, kLight}, {3, 0, kLight},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.expected, props.GetColorAt(row.pos, row.extent)) << row.pos << " of " << row.extent;
}

TEST(ORVIcon, CoarserAndFinerAreDistinctMinusAndPlusAndNothingIsDrawnWithoutADcOrRoom)
{
    const CRect rc(0, 0, 25, 20); // the time drop window's button size
    Canvas coarser(25, 20), finer(25, 20);
    ASSERT_TRUE(ORVIcon::DrawButtonIcon(&coarser.dc, static_cast<ORVIcon::ButtonIcon>(71), rc, kInk));
    ASSERT_TRUE(ORVIcon::DrawButtonIcon(&finer.dc, static_cast<ORVIcon::ButtonIcon>(101), rc, kInk));
    const CRect minus = coarser.Bounds(rc, kInk);
    const CRect plus = finer.Bounds(rc, kInk);
    EXPECT_GT(minus.Width(), 2 * minus.Height()) << "a flat bar";
    const CPoint centre = plus.CenterPoint();
    EXPECT_EQ(kInk, finer.dc.GetPixel(centre.x, plus.top)) << "the plus has an upright";
    EXPECT_NE(kInk, coarser.dc.GetPixel(centre.x, plus.top)) << "the minus has none";

    Canvas canvas(30, 30);
    ORVIcon::DrawComboArrow(nullptr, CRect(0, 0, 20, 20), kInk);
    for (const CRect& small : {CRect(5, 5, 7, 15), CRect(5, 5, 15, 6), CRect(9, 9, 2, 2)})
        ORVIcon::DrawComboArrow(&canvas.dc, small, kInk);
    EXPECT_FALSE(ORVIcon::DrawButtonIcon(&canvas.dc, ORVIcon::Finer, CRect(0, 0, 6, 30), kInk)) << "too small";
    EXPECT_EQ(0, canvas.Count(CRect(0, 0, 30, 30), kInk));
}

// A file type of our own whose icon is the text editor's, so that its picture differs from the
// shell's picture for a type nobody registered. The classes root is written because Wine's shell
// does not read per-user classes.
TEST_F(FileExtMgrTest, ARegisteredTypeGetsItsOwnIconHoweverWrittenAndNoIconComesForWhatNoFileNameEndsWith)
{
    harness::RegistryKeyGuard extKey(HKEY_CLASSES_ROOT, ".orvtestext");
    harness::RegistryKeyGuard classKey(HKEY_CLASSES_ROOT, "orvtestext.file");
    ASSERT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CLASSES_ROOT, ".orvtestext", "", "orvtestext.file", false));
    ASSERT_TRUE(RegistryUtils::CreateKeyAndValue(HKEY_CLASSES_ROOT, "orvtestext.file\\DefaultIcon", "",
                                                 "C:\\windows\\system32\\notepad.exe,0", false));
    const std::vector<COLORREF> own = IconPicture("orvtestext");
    ASSERT_FALSE(own.empty());
    EXPECT_NE(IconPicture("unregisteredext"), own) << "the shell was asked about the extension";
    for (const char* spelling : {".orvtestext", "ORVTESTEXT", ".OrvTestExt"})
        EXPECT_EQ(own, IconPicture(spelling)) << spelling;

    // An ending that is no file name's ending gets no icon: the shell is never asked about a
    // path, a wildcard or a name it would read differently.
    const struct { std::string ext; bool icon; } rows[] = {
        {"tar.gz", true}, {std::string(253, 'x'), true}, {std::string(254, 'x'), false}, {"", false},
        {"..", false}, {"t?t", false}, {"..\\..\\windows\\notepad.exe", false}, {"c:txt", false}, {"t\tx", false},
        {"txt.", false}, {"txt ", false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.icon, !IconPicture(row.ext).empty()) << row.ext;
}
