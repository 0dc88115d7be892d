// CDirList as drawn: its pictures, indentation and names, row heights and the selected row. Clicks
// and keys in the list are driven through the drop list.
#include "Canvas.h"
#include <DirList.h>
#include <HostDialog.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using harness::Canvas;

namespace
{
class DirListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost({100, 100}, {300, 260}, CRect(10, 8, 200, 30)));
        // The styles the drive and folder list is created with.
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                                      LBS_HASSTRINGS | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY,
                                  CRect(10, 40, 270, 240), &m_host, 2610));
    }

    void Add(const std::vector<std::string>& texts, CDirList::Icons icon = CDirList::IconFolder)
    {
        for (const std::string& text : texts)
            ASSERT_GE(m_list.AddString(text.c_str(), icon), 0) << text;
    }
    CRect Row(int nIndex) const
    {
        CRect rc;
        m_list.GetItemRect(nIndex, rc);
        return rc;
    }
    std::unique_ptr<Canvas> Render() { return Canvas::Print(m_list.m_hWnd, ::GetSysColor(COLOR_WINDOW)); }
    // The left edge of what a row shows (its picture), or -1 when it shows nothing.
    static int InkLeft(const Canvas& canvas, const CRect& rcRow)
    {
        for (int x = rcRow.left; x < rcRow.right; ++x)
            if (canvas.CountNot(CRect(x, rcRow.top, x + 1, rcRow.bottom), ::GetSysColor(COLOR_WINDOW)) > 0)
                return x;
        return -1;
    }
    static bool SamePixels(const Canvas& canvas, const CRect& rcA, const CRect& rcB)
    {
        for (int y = 0; y < rcA.Height(); ++y)
            for (int x = 0; x < rcA.Width(); ++x)
                if (canvas.dc.GetPixel(rcA.left + x, rcA.top + y) != canvas.dc.GetPixel(rcB.left + x, rcB.top + y))
                    return false;
        return true;
    }
    int TextHeight(CFont* pFont)
    {
        CClientDC dc(&m_list);
        CFont* pOld = dc.SelectObject(pFont);
        TEXTMETRICA tm{};
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOld);
        return tm.tmHeight;
    }

    harness::CHostDialog m_host;
    CDirList m_list;
};
}

// The selected row alone is highlighted, and painting leaves no GDI objects behind.
TEST_F(DirListTest, EachLeadingGroupIndentsOneStepAndRowsNamingTheSameFolderAtTheSameDepthLookAlike)
{
    Add({"C:\\", "..\\Windows\\", "..\\..\\System32\\", "..\\..\\..\\drivers\\"});
    const int nGdiBefore = AfxLiteGetLiveGdiObjectCount();
    {
        auto canvas = Render();
        const int nStep = InkLeft(*canvas, Row(1)) - InkLeft(*canvas, Row(0));
        EXPECT_GT(nStep, 0);
        for (int i = 2; i < 4; ++i)
            EXPECT_EQ(nStep, InkLeft(*canvas, Row(i)) - InkLeft(*canvas, Row(i - 1))) << "row " << i;

        m_list.SetCurSel(2);
        canvas = Render();
        const COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
        EXPECT_EQ(0, canvas->Count(Row(1), clrHighlight));
        EXPECT_GT(canvas->Count(Row(2), clrHighlight), Row(2).Width() * Row(2).Height() / 2);
        EXPECT_EQ(0, canvas->Count(Row(3), clrHighlight));
    }
    EXPECT_EQ(nGdiBefore, AfxLiteGetLiveGdiObjectCount());

    const struct { const char* name; const char* a; const char* b; bool same; } rows[] = {
        {"leading group or parent folder", "..\\Windows\\", "C:\\Windows", true},
        {"subfolder row names its parent", "..\\..\\System32\\drivers\\", "..\\..\\..\\drivers", true},
        {"trailing backslash is not drawn", "..\\Temp\\", "..\\Temp", true},
        {"different names differ", "..\\Windows\\", "..\\Windowz\\", false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_list.ResetContent();
        Add({row.a, row.b});
        EXPECT_EQ(row.same, SamePixels(*Render(), Row(0), Row(1)));
    }
}

// Their height in the dialog's font is measured at each DPI with the other sizes.
TEST_F(DirListTest, RowsFollowAFontChange)
{
    Add({"C:\\", "..\\Windows\\", "..\\..\\System32\\"});
    CFont big;
    ASSERT_TRUE(big.CreatePointFont(240, "Arial"));
    const int nBigText = TextHeight(&big);
    ASSERT_GT(nBigText, 20);
    m_list.SetFont(&big);
    for (int i = 0; i < 3; ++i)
        EXPECT_GE(m_list.GetItemHeight(i), nBigText) << "row " << i << " was measured before the font came";
    m_list.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    EXPECT_LT(m_list.GetItemHeight(0), nBigText) << "rows shrink back with a smaller font";
}
