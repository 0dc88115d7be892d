// CListBox checked through the real list box, and the owner-draw messages that come back from the
// parent to the virtual DrawItem, MeasureItem, CompareItem and DeleteItem.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "ControlHost.h"
#include <algorithm>
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

// A list box of the given kind in a fresh host window (destroyed before its host).
template <class TList>
struct ListInHost
{
    CControlHost host;
    TList list;

    bool Open(DWORD dwStyle) { return host.Open() && list.Create(WS_VISIBLE | dwStyle, CRect(0, 0, 150, 120), &host, kListId); }
};

LRESULT Ask(const CWnd& wnd, UINT message, WPARAM wParam = 0) { return ::SendMessageA(wnd.m_hWnd, message, wParam, 0); }

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

// Sorted by descending item data; records deleted data and the keys it was asked about.
class CSortedDataList : public CListBox
{
public:
    std::vector<ULONG_PTR> m_deleted;
    std::vector<UINT> m_keys;

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override { lpMIS->itemHeight = 17; }
    int CompareItem(LPCOMPAREITEMSTRUCT lpCIS) override
    {
        return lpCIS->itemData1 == lpCIS->itemData2 ? 0 : lpCIS->itemData1 > lpCIS->itemData2 ? -1 : 1;
    }
    void DeleteItem(LPDELETEITEMSTRUCT lpDIS) override { m_deleted.push_back(lpDIS->itemData); }
    int VKeyToItem(UINT nKey, UINT) override
    {
        m_keys.push_back(nKey);
        return nKey == VK_DOWN ? -2 : -1; // -2: handled here, the list does nothing
    }
};
}

TEST(ListBox, AddInsertFindSelectAndTextGoThroughTheControl)
{
    ListInHost<CListBox> f;
    ASSERT_TRUE(f.Open(WS_VSCROLL));
    CListBox& list = f.list;
    list.AddString("beta");
    list.AddString("Band");
    EXPECT_EQ(0, list.InsertString(0, "alpha"));
    EXPECT_EQ(2, list.InsertString(2, "banana"));
    ASSERT_EQ(4, Ask(list, LB_GETCOUNT));
    const char* rows[] = { "alpha", "beta", "banana", "Band" };
    for (int nRow = 0; nRow < 4; ++nRow)
    {
        char szRow[16] = {};
        EXPECT_EQ(static_cast<int>(strlen(rows[nRow])), list.GetText(nRow, szRow));
        EXPECT_STREQ(rows[nRow], szRow);
        EXPECT_STREQ(rows[nRow], RowText(list, nRow));
    }
    EXPECT_STREQ("", RowText(list, 9)) << "a missing row reads empty, not sized by LB_ERR";

    EXPECT_EQ(2, list.FindString(-1, "BAN"));  // prefix, any case
    EXPECT_EQ(3, list.FindString(2, "ban"));   // starts after the given row
    EXPECT_EQ(3, list.FindStringExact(-1, "band"));
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "ban"));
    EXPECT_EQ(LB_ERR, list.FindString(-1, nullptr));
    EXPECT_EQ(1, list.SelectString(-1, "be"));
    EXPECT_EQ(1, Ask(list, LB_GETCURSEL));
    EXPECT_EQ(1, list.GetCurSel());

    int nValue = 7;
    list.SetItemDataPtr(3, &nValue);
    EXPECT_EQ(&nValue, list.GetItemDataPtr(3));
    EXPECT_EQ(nullptr, list.GetItemDataPtr(9)) << "not a pointer made of LB_ERR";
    EXPECT_EQ(3, list.DeleteString(0));
    EXPECT_EQ(&nValue, list.GetItemDataPtr(2));
}

TEST(ListBox, SelItemRangeTakesEndsInEitherOrderAndDeselectsASingleRow)
{
    ListInHost<CListBox> f;
    ASSERT_TRUE(f.Open(LBS_EXTENDEDSEL));
    CListBox& list = f.list;
    for (int n = 0; n < 8; ++n)
        list.AddString(CString('x', n + 1));
    list.SelItemRange(TRUE, 5, 2);
    int rgSel[8] = {};
    ASSERT_EQ(4, list.GetSelItems(8, rgSel));
    EXPECT_EQ(2, rgSel[0]);
    EXPECT_EQ(5, rgSel[3]);
    list.SelItemRange(FALSE, 3, 3); // the extended message alone would select this row
    EXPECT_EQ(0, Ask(list, LB_GETSEL, 3));
    EXPECT_EQ(3, list.GetSelCount());
}

TEST(ListBox, OwnerDrawVariableRowsAreMeasuredAndDrawnByReflection)
{
    ListInHost<CMeasuredList> f;
    ASSERT_TRUE(f.Open(LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT));
    CMeasuredList& list = f.list;
    list.AddString("zero");
    list.AddString("two");
    list.InsertString(1, "one");
    EXPECT_EQ((std::vector<UINT>{ 0, 1, 1 }), list.m_measured);
    EXPECT_EQ(10, Ask(list, LB_GETITEMHEIGHT, 0));
    EXPECT_EQ(12, list.GetItemHeight(1));
    EXPECT_STREQ("two", RowText(list, 2));

    list.Invalidate();
    list.UpdateWindow();
    EXPECT_EQ((std::vector<UINT>{ 0, 1, 2 }), list.m_drawn);

    CRect rcRow;
    ASSERT_NE(LB_ERR, list.GetItemRect(1, &rcRow));
    EXPECT_EQ(CRect(0, 10, 150, 22), rcRow);
    BOOL bOutside = TRUE;
    EXPECT_EQ(1u, list.ItemFromPoint(rcRow.CenterPoint(), bOutside));
    EXPECT_FALSE(bOutside);
    list.ItemFromPoint(CPoint(5, 110), bOutside);
    EXPECT_TRUE(bOutside);
}

TEST(ListBox, SortedOwnerDrawListComparesDeletesAndAnswersKeysByReflection)
{
    ListInHost<CSortedDataList> f;
    ASSERT_TRUE(f.Open(LBS_OWNERDRAWFIXED | LBS_SORT | LBS_WANTKEYBOARDINPUT));
    CSortedDataList& list = f.list;
    EXPECT_EQ(17, list.GetItemHeight(0)) << "measured by reflection while the list was created";
    for (ULONG_PTR data : { 5, 1, 9, 3 })
        list.AddString(reinterpret_cast<LPCSTR>(data));
    const ULONG_PTR sorted[] = { 9, 5, 3, 1 };
    for (int nRow = 0; nRow < 4; ++nRow)
        EXPECT_EQ(sorted[nRow], list.GetItemData(nRow)) << "row " << nRow;

    list.DeleteString(1);
    EXPECT_EQ((std::vector<ULONG_PTR>{ 5 }), list.m_deleted);
    list.SetCurSel(0);
    list.SendMessage(WM_KEYDOWN, VK_DOWN);
    list.SendMessage(WM_KEYDOWN, VK_END);
    EXPECT_EQ((std::vector<UINT>{ VK_DOWN, VK_END }), list.m_keys);
    EXPECT_EQ(2, list.GetCurSel()) << "only VK_END moved the selection";

    list.DestroyWindow(); // deletes the other rows, in an order that is the control's business
    std::sort(list.m_deleted.begin(), list.m_deleted.end());
    EXPECT_EQ((std::vector<ULONG_PTR>{ 1, 3, 5, 9 }), list.m_deleted);
}
