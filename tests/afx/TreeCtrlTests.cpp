// CTreeCtrl checked through the real tree-view: insertion, item texts of any length, expansion,
// and selection with its notification reflected to the tree.
#include <afxwin.h>
#include <afxcmn.h>
#include <gtest/gtest.h>
#include "ControlHost.h"
#include <string>

namespace
{
// root with children a (data 10), b (data 20), c.
class CSampleTree : public CTreeCtrl
{
public:
    HTREEITEM m_hRoot = nullptr, m_hA = nullptr, m_hB = nullptr, m_hC = nullptr;
    HTREEITEM m_hSelChanged = nullptr;

    HTREEITEM Insert(const char* text, LPARAM data, HTREEITEM hParent, HTREEITEM hAfter)
    {
        TVINSERTSTRUCTA tvis{};
        tvis.hParent = hParent;
        tvis.hInsertAfter = hAfter;
        tvis.item.mask = TVIF_TEXT | TVIF_PARAM;
        tvis.item.pszText = const_cast<LPSTR>(text);
        tvis.item.lParam = data;
        return InsertItem(&tvis);
    }
    bool Fill()
    {
        m_hRoot = Insert("root", 0, TVI_ROOT, TVI_LAST);
        m_hC = Insert("c", 0, m_hRoot, TVI_LAST);
        m_hA = InsertItem(TVIF_TEXT | TVIF_PARAM, "a", 0, 0, 0, 0, 10, m_hRoot, TVI_FIRST);
        m_hB = Insert("b", 20, m_hRoot, m_hA);
        return m_hRoot && m_hA && m_hB && m_hC;
    }

protected:
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT*) { m_hSelChanged = reinterpret_cast<NMTREEVIEWA*>(pNMHDR)->itemNew.hItem; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSampleTree, CTreeCtrl)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
END_MESSAGE_MAP()

struct TreeFixture
{
    CControlHost host;
    CSampleTree tree;

    bool Open()
    {
        return host.Open() && tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 200, 200), &host, 400) &&
               tree.Fill();
    }
};
}

TEST(TreeCtrl, InsertedItemsOfAnyTextLengthAreReadBack)
{
    TreeFixture f;
    ASSERT_TRUE(f.Open());
    CSampleTree& tree = f.tree;
    EXPECT_STREQ("SysTreeView32", WindowClassName(tree.m_hWnd));
    EXPECT_EQ(4u, tree.GetCount());
    const std::string longText(1000, 'L'); // longer than any first buffer
    ASSERT_NE(nullptr, tree.Insert(longText.c_str(), 30, tree.m_hC, TVI_LAST));
    const struct { std::string text; HTREEITEM hItem; DWORD_PTR data; } rows[] = {
        { "root", tree.m_hRoot, 0 }, { "a", tree.m_hA, 10 }, { "b", tree.m_hB, 20 },
        { longText, tree.GetChildItem(tree.m_hC), 30 },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.text.substr(0, 8));
        EXPECT_EQ(row.text, std::string(tree.GetItemText(row.hItem)));
        EXPECT_EQ(row.data, tree.GetItemData(row.hItem));
    }
}

TEST(TreeCtrl, ExpandAndSelectFollowTheControl)
{
    TreeFixture f;
    ASSERT_TRUE(f.Open());
    CSampleTree& tree = f.tree;
    EXPECT_EQ(nullptr, tree.GetNextVisibleItem(tree.m_hRoot)); // collapsed
    EXPECT_TRUE(tree.Expand(tree.m_hRoot, TVE_EXPAND));
    EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), tree.GetItemState(tree.m_hRoot, TVIS_EXPANDED | TVIS_BOLD));
    EXPECT_EQ(tree.m_hA, tree.GetNextVisibleItem(tree.m_hRoot));

    EXPECT_TRUE(tree.SelectItem(tree.m_hB));
    EXPECT_EQ(tree.m_hB, TreeView_GetSelection(tree.m_hWnd));
    EXPECT_EQ(tree.m_hB, tree.GetSelectedItem());
    EXPECT_EQ(tree.m_hB, tree.m_hSelChanged) << "TVN_SELCHANGED reflected to the tree";

    EXPECT_TRUE(tree.Expand(tree.m_hRoot, TVE_COLLAPSE));
    tree.EnsureVisible(tree.m_hC); // opens the parent again
    EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), TreeView_GetItemState(tree.m_hWnd, tree.m_hRoot, TVIS_EXPANDED));
}
