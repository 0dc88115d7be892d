#include <GraphicsUtils.h>
#include <gtest/gtest.h>
#include <cstring>

namespace
{
LOGFONTA SystemMessageFont()
{
    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = sizeof(ncm);
    EXPECT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
    return ncm.lfMessageFont;
}

int PixelsForPoints(int points)
{
    CClientDC screen(nullptr);
    return -::MulDiv(points, screen.GetDeviceCaps(LOGPIXELSY), 72);
}
}

TEST(GraphicsUtils, WithNothingGivenTheFontIsTheSystemsMessageFont)
{
    const LOGFONTA expected = SystemMessageFont();
    LOGFONTA lf;
    std::memset(&lf, 0x5A, sizeof(lf)); // garbage in must not leak through
    GraphicsUtils::SetDefaultFont(lf, "", -1, -1, false, false, false);
    EXPECT_STREQ(expected.lfFaceName, lf.lfFaceName);
    EXPECT_EQ(expected.lfHeight, lf.lfHeight);
    EXPECT_EQ(expected.lfWeight, lf.lfWeight);
    EXPECT_EQ(expected.lfItalic, lf.lfItalic);
    EXPECT_EQ(expected.lfUnderline, lf.lfUnderline);

    CFont font;
    EXPECT_TRUE(font.CreateFontIndirect(&lf));
}

TEST(GraphicsUtils, GivenFaceSizeWeightAndStylesReplaceTheSystemsOwn)
{
    const LOGFONTA system = SystemMessageFont();
    struct Row { const char* name; const char* face; int points; int weight; bool italic, underline, strike;
                 const char* expectedFace; LONG expectedHeight; LONG expectedWeight; };
    const Row rows[] = {
        {"face only", "Courier New", -1, -1, false, false, false, "Courier New", system.lfHeight, system.lfWeight},
        {"size only", "", 14, -1, false, false, false, system.lfFaceName, PixelsForPoints(14), system.lfWeight},
        {"weight and styles", "", -1, FW_BOLD, true, true, true, system.lfFaceName, system.lfHeight, FW_BOLD},
        {"size zero keeps the system's", "", 0, 0, false, false, false, system.lfFaceName, system.lfHeight, system.lfWeight},
        {"absurd size and weight are ignored", "", 100000, 5000, false, false, false, system.lfFaceName,
         system.lfHeight, system.lfWeight},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        LOGFONTA lf;
        GraphicsUtils::SetDefaultFont(lf, row.face, row.points, row.weight, row.italic, row.underline, row.strike);
        EXPECT_STREQ(row.expectedFace, lf.lfFaceName);
        EXPECT_EQ(row.expectedHeight, lf.lfHeight);
        EXPECT_EQ(row.expectedWeight, lf.lfWeight);
        EXPECT_EQ(row.italic, lf.lfItalic != 0);
        EXPECT_EQ(row.underline, lf.lfUnderline != 0);
        EXPECT_EQ(row.strike, lf.lfStrikeOut != 0);
    }
}

TEST(GraphicsUtils, AnOverlongFaceIsCutAndStaysTerminated)
{
    const CString longFace('F', 200);
    LOGFONTA lf;
    GraphicsUtils::SetDefaultFont(lf, longFace, -1, -1, false, false, false);
    EXPECT_EQ(static_cast<size_t>(LF_FACESIZE - 1), std::strlen(lf.lfFaceName));
    EXPECT_EQ(0, std::strncmp(lf.lfFaceName, longFace, LF_FACESIZE - 1));
}
