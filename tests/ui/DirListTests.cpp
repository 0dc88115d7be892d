#include "Canvas.h"
#include <DirList.h>
#include <HostDialog.h>
#include <Input.h>
#include <MessageRecorder.h>
#include <TestApp.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using harness::Canvas;

namespace
{
const UINT kListId = 2610;
// The styles the drive and folder list is created with.
const DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                         LBS_HASSTRINGS | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY;
const CRect kListRect(10, 40, 270, 240);

class DirListTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost({100, 100}, {300, 260}, CRect(10, 8, 200, 30)));
        ASSERT_TRUE(m_list.Create(kListStyle, kListRect, &m_host, kListId));
        m_host.FocusEdit();
        m_recorder.Watch(m_host.m_hWnd, "dialog");
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
    // What the list shows now, painted by the control itself through its parent.
    std::unique_ptr<Canvas> Render()
    {
        CRect rcClient;
        m_list.GetClientRect(rcClient);
        auto canvas = std::make_unique<Canvas>(rcClient.Width(), rcClient.Height(), ::GetSysColor(COLOR_WINDOW));
        m_list.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->dc.m_hDC), PRF_CLIENT);
        return canvas;
    }
    // The left edge of what a row shows (its picture), or -1 when it shows nothing.
    static int InkLeft(const Canvas& canvas, const CRect& rcRow)
    {
        const COLORREF clrBack = ::GetSysColor(COLOR_WINDOW);
        for (int x = rcRow.left; x < rcRow.right; ++x)
            for (int y = rcRow.top; y < rcRow.bottom; ++y)
                if (canvas.dc.GetPixel(x, y) != clrBack)
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
    size_t SelChanges() const
    {
        size_t n = 0;
        for (const harness::RecordedMessage& m : m_recorder.Of(m_host.m_hWnd, WM_COMMAND))
            n += LOWORD(m.wParam) == kListId && HIWORD(m.wParam) == LBN_SELCHANGE &&
                 reinterpret_cast<HWND>(m.lParam) == m_list.m_hWnd;
        return n;
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
    harness::MessageRecorder m_recorder;
};
}

TEST_F(DirListTest, RowsKeepTheirTextAndPicture)
{
    const struct
    {
        const char* text;
        int icon;     // as added
        int expected; // as read back: -1 for no picture
    } rows[] = {
        {"A:\\", CDirList::IconRemovableDrive, 2}, {"C:\\", CDirList::IconDrive, 0},
        {"..\\Windows\\", CDirList::IconParentFolder, 4}, {"..\\..\\System32\\", CDirList::IconCurrentFolder, 5},
        {"..\\..\\System32\\drivers\\", CDirList::IconSubfolder, 7}, {"..\\..\\Temp\\", CDirList::IconFolder, 6},
        {"D:\\", CDirList::IconCdRomDrive, 1}, {"N:\\", CDirList::IconNetworkDrive, 3},
        {"E:\\", 8, -1}, {"F:\\", -1, -1},
    };
    const int nRows = static_cast<int>(std::size(rows));
    for (int i = 0; i < nRows; ++i)
        EXPECT_EQ(i, m_list.AddString(rows[i].text, static_cast<CDirList::Icons>(rows[i].icon))) << rows[i].text;
    for (int i = 0; i < nRows; ++i)
    {
        SCOPED_TRACE(rows[i].text);
        CString text;
        m_list.GetText(i, text);
        EXPECT_STREQ(rows[i].text, text);
        EXPECT_EQ(rows[i].expected, m_list.GetItemIcon(i));
    }
    EXPECT_EQ(nRows, static_cast<CListBox&>(m_list).AddString("G:\\"));
    EXPECT_EQ(-1, m_list.GetItemIcon(nRows)) << "a row added without a picture is not the drive picture";
    EXPECT_EQ(-1, m_list.GetItemIcon(nRows + 1)) << "a row that does not exist";
    EXPECT_EQ(LB_ERR, m_list.AddString(nullptr, CDirList::IconDrive));
    EXPECT_EQ(nRows + 1, m_list.GetCount());
}

TEST_F(DirListTest, RowsFitThePictureAndFollowAFontChange)
{
    Add({"C:\\", "..\\Windows\\", "..\\..\\System32\\"});
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_GE(m_list.GetItemHeight(i), 16) << "row " << i;
        EXPECT_GE(m_list.GetItemHeight(i), TextHeight(m_list.GetFont())) << "row " << i;
    }

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

TEST_F(DirListTest, EachLeadingGroupIndentsTheRowOneStep)
{
    Add({"C:\\", "..\\Windows\\", "..\\..\\System32\\", "..\\..\\..\\drivers\\"});
    auto canvas = Render();
    std::vector<int> lefts;
    for (int i = 0; i < 4; ++i)
        lefts.push_back(InkLeft(*canvas, Row(i)));
    ASSERT_GE(lefts[0], 0);
    const int nStep = lefts[1] - lefts[0];
    EXPECT_GT(nStep, 0);
    EXPECT_EQ(nStep, lefts[2] - lefts[1]);
    EXPECT_EQ(nStep, lefts[3] - lefts[2]);
}

TEST_F(DirListTest, RowsNamingTheSameFolderAtTheSameDepthLookAlike)
{
    const struct
    {
        const char* name;
        const char* a;
        const char* b;
        bool same;
    } rows[] = {
        {"leading group or parent folder", "..\\Windows\\", "C:\\Windows", true},
        {"subfolder row names its parent", "..\\..\\System32\\drivers\\", "..\\..\\..\\drivers", true},
        {"trailing backslash is not drawn", "..\\Temp\\", "..\\Temp", true},
        {"different names differ", "..\\Windows\\", "..\\Windowz\\", false},
        {"different depths differ", "..\\Windows\\", "..\\..\\Windows\\", false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        m_list.ResetContent();
        Add({row.a, row.b});
        auto canvas = Render();
        EXPECT_EQ(row.same, SamePixels(*canvas, Row(0), Row(1)));
    }
}

TEST_F(DirListTest, TheSelectedRowIsHighlightedAndDrawingLeavesNoGdiObjects)
{
    Add({"C:\\", "..\\Windows\\", "..\\Temp\\"}, CDirList::IconCurrentFolder);
    m_list.AddString("D:\\", CDirList::IconCdRomDrive);
    m_list.AddString("N:\\", CDirList::IconNetworkDrive);
    m_list.SetCurSel(1);
    const int nGdiBefore = AfxLiteGetLiveGdiObjectCount();
    {
        auto canvas = Render();
        const COLORREF clrHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
        EXPECT_EQ(0, canvas->Count(Row(0), clrHighlight));
        EXPECT_GT(canvas->Count(Row(1), clrHighlight), Row(1).Width() * Row(1).Height() / 2);
        EXPECT_EQ(0, canvas->Count(Row(2), clrHighlight));
    }
    EXPECT_EQ(nGdiBefore, AfxLiteGetLiveGdiObjectCount());
}

TEST_F(DirListTest, AClickSelectsTheRowAndTellsTheParent)
{
    Add({"C:\\", "..\\Windows\\", "..\\..\\System32\\", "..\\..\\Temp\\"});
    CRect rc = Row(2);
    m_list.ClientToScreen(rc);
    harness::Click(rc.CenterPoint());
    EXPECT_EVENTUALLY(SelChanges() == 1);
    EXPECT_EQ(2, m_list.GetCurSel());
    EXPECT_EQ(m_list.m_hWnd, ::GetFocus());
}

TEST_F(DirListTest, TheScrollRangeFollowsTheWidestRowUpToTheNameLimit)
{
    m_list.m_nMaxTextWidth = 250;
    Add({"C:\\", "..\\Windows\\"});
    const int nShort = m_list.GetHorizontalExtent();
    EXPECT_GT(nShort, 0);
    EXPECT_LT(nShort, 250);

    const std::string longName(120, 'W');
    Add({"..\\" + longName + "\\"});
    const int nLimited = m_list.GetHorizontalExtent();
    EXPECT_GT(nLimited, 250);
    EXPECT_LT(nLimited, 250 + 60) << "only the indent, picture and margins come on top of the limit";

    m_list.m_nMaxTextWidth = 0;
    Add({"..\\" + longName + "\\"});
    CClientDC dc(&m_list);
    CFont* pOld = dc.SelectObject(m_list.GetFont());
    EXPECT_GT(m_list.GetHorizontalExtent(), dc.GetTextExtent(longName.c_str(), static_cast<int>(longName.size())).cx);
    dc.SelectObject(pOld);

    m_list.ResetContent();
    EXPECT_EQ(0, m_list.GetHorizontalExtent());
}
