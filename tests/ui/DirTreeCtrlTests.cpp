// CDirTreeCtrl against a scratch folder tree: lazy filling, selection by path, refreshing after
// changes on disk, bad paths, Escape, the library's context menu by keys and a right click, and
// its font.
#include <gtest/gtest.h>
#include "Controls.h"
#include "DirTreeCtrl.h"
#include "HostDialog.h"
#include "Input.h"
#include "MenuProbe.h"
#include "MessageRecorder.h"
#include "ScratchDir.h"
#include "TestApp.h"
#include <string>
#include <vector>

namespace
{
using Labels = std::vector<std::string>;

// Counts the folders asked whether they have subfolders.
class CProbeTree : public CDirTreeCtrl
{
public:
    mutable int m_nProbes = 0;

protected:
    bool DoesFolderHaveContent(const CString& path) const override
    {
        ++m_nProbes;
        return CDirTreeCtrl::DoesFolderHaveContent(path);
    }
};

class DirTreeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* entry : {"alpha\\deep\\er\\", "beta\\gamma\\", "empty\\"})
            m_scratch.Make(entry);
        ASSERT_TRUE(m_host.CreateHost({80, 80}, {420, 380}, {10, 10, 200, 30}));
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES |
                                      TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                                  CRect(10, 40, 410, 370), &m_host, 2610));
        m_tree.m_hNotifyWnd = m_host.m_hWnd;
        m_tree.Refresh(true);
        m_recorder.Watch(m_host.m_hWnd, "notify");
    }

    HTREEITEM Select(const std::string& relative, bool expandTarget = false)
    {
        return m_tree.SetSelectedDir((m_scratch.Path() + relative).c_str(), expandTarget);
    }
    Labels ChildLabels(HTREEITEM hItem) const
    {
        Labels labels;
        for (HTREEITEM h = m_tree.GetChildItem(hItem); h != nullptr; h = m_tree.GetNextSiblingItem(h))
            labels.push_back(static_cast<const char*>(m_tree.GetItemText(h)));
        return labels;
    }

    harness::ScratchDir m_scratch;
    harness::CHostDialog m_host;
    CProbeTree m_tree;
    harness::MessageRecorder m_recorder;
};
}

// Regression: opening or refreshing a branch asked the disk about every folder in it, so a folder
// of thousands took seconds; only the folders the tree shows are asked.
TEST_F(DirTreeTest, OnlyTheFoldersInViewAreAskedForTheirExpandButtons)
{
    for (int i = 0; i < 300; ++i)
        m_scratch.Make("wide\\f" + std::to_string(1000 + i) + "\\");
    const int nRows = static_cast<int>(m_tree.GetVisibleCount()) + 8; // the rows in view, and a few more
    m_tree.m_nProbes = 0;
    HTREEITEM hWide = Select("wide", true);
    ASSERT_EQ(300u, ChildLabels(hWide).size());
    HTREEITEM hLast = m_tree.GetChildItem(hWide);
    while (m_tree.GetNextSiblingItem(hLast) != nullptr)
        hLast = m_tree.GetNextSiblingItem(hLast);
    for (const char* step : {"opened", "scrolled to the end", "refreshed"})
    {
        SCOPED_TRACE(step);
        if (step[0] == 's')
            m_tree.EnsureVisible(hLast);
        if (step[0] == 'r')
            m_tree.Refresh(false);
        m_tree.Invalidate();
        m_tree.UpdateWindow();
        EXPECT_GT(m_tree.m_nProbes, 0) << "the rows drawn are asked";
        EXPECT_LE(m_tree.m_nProbes, nRows);
        m_tree.m_nProbes = 0;
    }
    EXPECT_FALSE(harness::ShowsExpandButton(m_tree.m_hWnd, m_tree.GetChildItem(hWide)));
}

// Paths are matched whatever their case, slashes and final backslash; a bad or missing one
// selects nothing and leaves the selection (Q: is no drive of the test prefix). Neither reports a
// selection change.
TEST_F(DirTreeTest, SetSelectedDirExpandsDownToTheFolderAndBadPathsSelectNothing)
{
    const std::string deep = m_scratch.Path() + "alpha\\deep\\er\\";
    const struct { std::string input; bool found; } rows[] = {
        {deep, true}, {deep.substr(0, deep.size() - 1), true}, {m_scratch.Path() + "ALPHA/Deep/er", true},
        {"", false}, {"\\\\server\\share\\", false}, {"Q:\\folder\\", false}, {"C:" + std::string(300, 'x'), false},
        {m_scratch.Path() + "missing\\", false}, {"C:relative", false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.input);
        HTREEITEM hItem = m_tree.SetSelectedDir(row.input.c_str(), !row.found); // nothing to expand for a bad path
        EXPECT_EQ(row.found ? m_tree.GetSelectedItem() : nullptr, hItem);
        EXPECT_EQ(deep, std::string(m_tree.GetSelectedDir(true))) << "folder paths end with a backslash";
    }
    EXPECT_EQ(0u, m_recorder.Count(m_host.m_hWnd, CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED));
    EXPECT_TRUE(m_tree.IsBranchExpanded(Select("alpha", true))) << "the flag opens the target itself";
}

// The user opens a folder deleted since the tree was shown.
TEST_F(DirTreeTest, AFolderGoneBeforeItsExpansionShowsNoChildrenAndNoExpandButton)
{
    HTREEITEM hBeta = m_tree.GetTreeDirMatch(Select("", true), "beta", false);
    m_scratch.Remove("beta\\");
    EXPECT_FALSE(m_tree.ExpandBranch(hBeta, true));
    EXPECT_TRUE(ChildLabels(hBeta).empty());
    EXPECT_FALSE(harness::ShowsExpandButton(m_tree.m_hWnd, hBeta));
}

// Escape goes to the notify window, not to the dialog as its Cancel. The library's own menu
// (this executable carries its resources) opens once, inside the tree, at the selected folder by
// the keyboard and at a right click, which selects the folder hit.
// Regression: the tree view sent the menu request of a single right click straight to the
// tree's parent, so only a quick second right click (a double click) opened the menu.
TEST_F(DirTreeTest, EscapeReachesTheNotifyWindowAndEachMenuOpenerShowsTheMenuOnceInsideTheTree)
{
    HTREEITEM hEmpty = m_tree.GetTreeDirMatch(Select("", true), "empty", false);
    HTREEITEM hBeta = Select("beta");
    m_tree.SetFocus();
    harness::Pump();
    harness::PressKey(VK_ESCAPE);
    EXPECT_EVENTUALLY(m_recorder.Count(m_host.m_hWnd, CDirTreeCtrl::MSG_DIR_TREE_KEY_ESCAPE) == 1u);
    EXPECT_EQ(0, m_host.m_nCancelCount);

    m_tree.m_nContextMenuId = 250;
    CRect rcTree;
    m_tree.GetWindowRect(&rcTree);
    CRect rcEmpty;
    m_tree.GetItemRect(hEmpty, &rcEmpty, TRUE);
    m_tree.ClientToScreen(&rcEmpty);
    const struct { const char* name; WORD vk; unsigned modifiers; HTREEITEM selected; } rows[] = { // vk 0: right click
        {"shift+F10", VK_F10, harness::kShift, hBeta},
        {"menu key", VK_APPS, harness::kNone, hBeta},
        {"right click on another folder", 0, harness::kNone, hEmpty},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        uitest::MenuProbe probe({VK_ESCAPE});
        if (row.vk == 0)
            harness::Click(rcEmpty.CenterPoint(), harness::Button::Right);
        else
            harness::PressKey(row.vk, row.modifiers);
        harness::Pump();
        ASSERT_EQ(1, probe.MenusOpened());
        EXPECT_TRUE(rcTree.PtInRect(CPoint(probe.MenuRect().left, probe.MenuRect().top)));
        EXPECT_EQ(row.selected, m_tree.GetSelectedItem());
        EXPECT_NE(nullptr, probe.Find("Select All\tCtrl+A")) << "the library's own menu";
    }
}
