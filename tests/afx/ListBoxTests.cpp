// CListBox checked through the real list box, and the owner-draw messages that come back from the
// parent to the virtual DrawItem and MeasureItem.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "ControlHost.h"
#include <vector>

namespace
{
const UINT kListId = 300;

CString RowText(const CListBox& list, int nRow)
{
    CString strText("stale");
    list.GetText(nRow, strText);
    return strText;
}

// Rows 10, 12, 14, ... pixels high; records which rows were measured and drawn.
class CMeasuredList : public CListBox
{
public:
    std::vector<UINT> m_measured, m_drawn;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        m_measured.push_back(lpMIS->itemID);
        lpMIS->itemHeight = 10 + 2 * lpMIS->itemID;
    }
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        if (lpDIS->hwndItem == m_hWnd && lpDIS->CtlID == kListId && lpDIS->CtlType == ODT_LISTBOX)
            m_drawn.push_back(lpDIS->itemID);
    }
};
}

TEST(ListBox, OwnerDrawVariableRowsAreMeasuredAndDrawnByReflection)
{
    CControlHost host;
    ASSERT_TRUE(host.Open());
    CMeasuredList list; // destroyed before its host
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                            CRect(0, 0, 150, 120), &host, kListId));
    list.AddString("zero");
    list.AddString("two");
    list.InsertString(1, "one");
    EXPECT_EQ((std::vector<UINT>{ 0, 1, 1 }), list.m_measured);
    EXPECT_EQ(12, ::SendMessageA(list.m_hWnd, LB_GETITEMHEIGHT, 1, 0));
    EXPECT_STREQ("two", RowText(list, 2));

    list.Invalidate();
    list.UpdateWindow();
    EXPECT_EQ((std::vector<UINT>{ 0, 1, 2 }), list.m_drawn);
    CRect rcRow;
    ASSERT_NE(LB_ERR, list.GetItemRect(1, &rcRow));
    EXPECT_EQ(CRect(0, 10, 150, 22), rcRow);
}
