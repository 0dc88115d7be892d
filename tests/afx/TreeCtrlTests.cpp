// CTreeCtrl checked through the real tree-view: insertion by every overload, navigation, item
// fields, expansion, and selection with its notification reflected to the tree.
#include <afxwin.h>
#include <afxcmn.h>
#include <gtest/gtest.h>
#include "ControlHost.h"
#include <string>

namespace
{
// root (images 0/1) with children a (data 10, images 1/1), b (data 20), c.
class CSampleTree : public CTreeCtrl
{
public:
    HTREEITEM m_hRoot = nullptr, m_hA = nullptr, m_hB = nullptr, m_hC = nullptr;
    HTREEITEM m_hSelChanged = nullptr;

    bool Fill()
    {
        m_hRoot = InsertItem("root", 0, 1);
        m_hC = InsertItem("c", m_hRoot);
        m_hA = InsertItem(TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE, "a", 1, 1, 0, 0, 10, m_hRoot,
                          TVI_FIRST);
        TVINSERTSTRUCTA tvis{};
        tvis.hParent = m_hRoot;
        tvis.hInsertAfter = m_hA;
        tvis.item.mask = TVIF_TEXT | TVIF_PARAM;
        tvis.item.pszText = const_cast<LPSTR>("b");
        tvis.item.lParam = 20;
        m_hB = InsertItem(&tvis);
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
    CImageList images;
    CSampleTree tree;

    bool Open()
    {
        HICON hIcon = ::LoadIconA(nullptr, MAKEINTRESOURCEA(32512)); // IDI_APPLICATION
        return host.Open() && images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0) && images.Add(hIcon) == 0 &&
               images.Add(hIcon) == 1 &&
               tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_CHECKBOXES, CRect(0, 0, 200, 200), &host, 400) &&
               tree.SetImageList(&images, TVSIL_NORMAL) == nullptr && tree.Fill();
    }
};
}

TEST(TreeCtrl, InsertionOverloadsBuildTheTreeTheControlNavigates)
{
    TreeFixture f;
    ASSERT_TRUE(f.Open());
    CSampleTree& tree = f.tree;
    EXPECT_STREQ("SysTreeView32", WindowClassName(tree.m_hWnd));
    EXPECT_EQ(f.images.GetSafeHandle(), TreeView_GetImageList(tree.m_hWnd, TVSIL_NORMAL));
    ASSERT_NE(nullptr, tree.GetImageList(TVSIL_NORMAL));
    EXPECT_EQ(f.images.GetSafeHandle(), tree.GetImageList(TVSIL_NORMAL)->GetSafeHandle());

    EXPECT_EQ(4u, tree.GetCount());
    EXPECT_EQ(tree.m_hRoot, TreeView_GetRoot(tree.m_hWnd));
    EXPECT_EQ(tree.m_hRoot, tree.GetRootItem());
    EXPECT_EQ(tree.m_hA, tree.GetChildItem(tree.m_hRoot));
    EXPECT_EQ(tree.m_hB, tree.GetNextSiblingItem(tree.m_hA));
    EXPECT_EQ(tree.m_hC, tree.GetNextSiblingItem(tree.m_hB));
    EXPECT_EQ(nullptr, tree.GetNextSiblingItem(tree.m_hC));
    EXPECT_EQ(tree.m_hA, tree.GetPrevSiblingItem(tree.m_hB));
    EXPECT_EQ(tree.m_hRoot, tree.GetParentItem(tree.m_hC));
    EXPECT_TRUE(tree.ItemHasChildren(tree.m_hRoot));
    EXPECT_FALSE(tree.ItemHasChildren(tree.m_hB));

    struct Row
    {
        const char* text;
        HTREEITEM hItem;
        DWORD_PTR data;
        int image, selectedImage;
    } rows[] = { { "root", tree.m_hRoot, 0, 0, 1 }, { "a", tree.m_hA, 10, 1, 1 }, { "b", tree.m_hB, 20, 0, 0 } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.text);
        EXPECT_STREQ(row.text, tree.GetItemText(row.hItem));
        EXPECT_EQ(row.data, tree.GetItemData(row.hItem));
        int nImage = -1, nSelectedImage = -1;
        EXPECT_TRUE(tree.GetItemImage(row.hItem, nImage, nSelectedImage));
        EXPECT_EQ(row.image, nImage);
        EXPECT_EQ(row.selectedImage, nSelectedImage);
    }
}

TEST(TreeCtrl, ExpandSelectAndHitTestFollowTheControl)
{
    TreeFixture f;
    ASSERT_TRUE(f.Open());
    CSampleTree& tree = f.tree;
    EXPECT_EQ(nullptr, tree.GetNextVisibleItem(tree.m_hRoot)); // collapsed
    EXPECT_TRUE(tree.Expand(tree.m_hRoot, TVE_EXPAND));
    EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), TreeView_GetItemState(tree.m_hWnd, tree.m_hRoot, TVIS_EXPANDED));
    EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), tree.GetItemState(tree.m_hRoot, TVIS_EXPANDED | TVIS_BOLD));
    EXPECT_EQ(tree.m_hA, tree.GetNextVisibleItem(tree.m_hRoot));

    EXPECT_TRUE(tree.SelectItem(tree.m_hB));
    EXPECT_EQ(tree.m_hB, TreeView_GetSelection(tree.m_hWnd));
    EXPECT_EQ(tree.m_hB, tree.GetSelectedItem());
    EXPECT_EQ(tree.m_hB, tree.m_hSelChanged) << "TVN_SELCHANGED reflected to the tree";

    CRect rcLabel;
    ASSERT_TRUE(tree.GetItemRect(tree.m_hA, &rcLabel, TRUE));
    UINT nFlags = 0;
    EXPECT_EQ(tree.m_hA, tree.HitTest(rcLabel.CenterPoint(), &nFlags));
    EXPECT_NE(0u, nFlags & TVHT_ONITEMLABEL);

    EXPECT_TRUE(tree.Expand(tree.m_hRoot, TVE_COLLAPSE));
    tree.EnsureVisible(tree.m_hC); // opens the parent again
    EXPECT_EQ(static_cast<UINT>(TVIS_EXPANDED), TreeView_GetItemState(tree.m_hWnd, tree.m_hRoot, TVIS_EXPANDED));
}

TEST(TreeCtrl, TextsOfAnyLengthNullTextsAndChecks)
{
    TreeFixture f;
    ASSERT_TRUE(f.Open());
    CSampleTree& tree = f.tree;
    const std::string longText(1000, 'L'); // longer than any first buffer
    EXPECT_TRUE(tree.SetItemText(tree.m_hB, longText.c_str()));
    EXPECT_EQ(longText, std::string(tree.GetItemText(tree.m_hB)));
    EXPECT_TRUE(tree.SetItemText(tree.m_hC, nullptr)); // an empty label, not a fault in the control
    EXPECT_STREQ("", tree.GetItemText(tree.m_hC));
    HTREEITEM hUnnamed = tree.InsertItem(static_cast<LPCSTR>(nullptr), tree.m_hC);
    ASSERT_NE(nullptr, hUnnamed);
    EXPECT_STREQ("", tree.GetItemText(hUnnamed));

    EXPECT_FALSE(tree.GetCheck(tree.m_hA));
    EXPECT_TRUE(tree.SetCheck(tree.m_hA));
    EXPECT_EQ(2u, TreeView_GetItemState(tree.m_hWnd, tree.m_hA, TVIS_STATEIMAGEMASK) >> 12);
    EXPECT_TRUE(tree.GetCheck(tree.m_hA));
}
