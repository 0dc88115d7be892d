// Fixtures of the file tree tests: a scratch folder tree on Wine's C: drive, a host dialog, and
// either a bare file tree in the dialog or a small file-like edit of the tests' own with the
// directory tree drop window, attached to the dialog's edit as the file edit will be.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "DirUtils.h"
#include "DropBaseEdit.h"
#include "DropDirWnd.h"
#include "DropFileTree.h"
#include "FileExtMgr.h"
#include "FileUtils.h"
#include "HostDialog.h"
#include "Input.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace filetreetest
{
using Labels = std::vector<std::string>;

// Folders and files of every test: docs with files of several types (two differing only in the
// case of their extension, two without one, two programs) and a subfolder; a folder holding
// one log file; an empty folder.
inline const char* const kLayout[] = {
    "docs\\a.txt", "docs\\B.TXT", "docs\\c.log", "docs\\notes", "docs\\readme", "docs\\app1.exe",
    "docs\\app2.exe", "docs\\sub\\deep.txt", "onlylog\\x.log", "empty\\",
};

// What docs shows without a filter: its subfolder, then its files in listing order.
inline const Labels kDocsLabels{ "sub", "a.txt", "app1.exe", "app2.exe", "B.TXT", "c.log", "notes", "readme" };

// The file tree as the drop window's tree, with the hooks reachable.
class CTestFileTree : public CDropFileTree
{
public:
    using CDropFileTree::DoesFolderHaveContent;
};

// What the file edit does with its drop window, reduced to the calls the drop window sees:
// hands it the text's path when shown, takes over the tree's pick (keeping the file name when
// a folder is picked and the edit is not read-only) and hands the new text back.
class CTestFileEdit : public CDropBaseEdit
{
public:
    explicit CTestFileEdit(bool readOnly) : m_bReadOnly(readOnly) {}

    bool Attach(HWND hEdit, CDropDirWnd* pDrop)
    {
        if (!SubclassWindow(hEdit))
            return false;
        Init();
        CreateDropWndFont();
        if (!CreateDropWnd(pDrop, false))
            return false;
        Drop()->InitDropWindow();
        return true;
    }
    CDropDirWnd* Drop() { return static_cast<CDropDirWnd*>(GetDropWnd()); }
    std::string Text() const
    {
        CString text;
        GetWindowText(text);
        return static_cast<const char*>(text);
    }
    void OnAppMove() override
    {
        ++m_nAppMoves;
        CDropBaseEdit::OnAppMove();
    }
    using CDropBaseEdit::m_pDropWndFont;

    int m_nChanges = 0;
    int m_nAppMoves = 0;

protected:
    void UpdateDropWnd() override
    {
        if (Drop() != nullptr)
            Drop()->SetPath(Text().c_str());
    }
    void OnDropWndChanged(bool /*keepOpen*/) override
    {
        ++m_nChanges;
        const CString picked = Drop()->GetSelectedPath();
        if (picked.IsEmpty())
            return;
        CString name;
        const CString current = Text().c_str();
        if (!m_bReadOnly && DirUtils::IsDir(picked, true) && FileUtils::IsFile(current, true, true))
            name = FileUtils::ParseFileNameFromPath(current, true);
        SetWindowText(picked + name);
        // The file edit hands every new text to its drop window; during a pick it must not move
        // the tree.
        Drop()->SetPath(picked + name);
    }

private:
    bool m_bReadOnly;
};

class FileTreeTestBase : public testing::Test
{
protected:
    void SetUp() override
    {
        FileExtMgr::CreateInstance();
        for (const char* entry : kLayout)
            m_scratch.Make(entry);
    }
    std::string Path(const std::string& relative) const { return m_scratch.Path() + relative; }
    // Destroys the host dialog (and the edit's window in it), then the edit object.
    template <class TEdit>
    void DestroyHost(TEdit*& pEdit)
    {
        if (::IsWindow(m_host.m_hWnd))
            m_host.DestroyWindow();
        delete pEdit;
        pEdit = nullptr;
        harness::Pump();
    }

    // The item of a path below the scratch root, walked from its drive through items that are
    // already in the tree; null when one is missing.
    static HTREEITEM Find(CDirTreeCtrl& tree, const std::string& path)
    {
        HTREEITEM hItem = tree.GetTreeDirMatch(nullptr, path.substr(0, 2).c_str(), false);
        size_t nPos = 3;
        while (hItem != nullptr && nPos < path.size())
        {
            size_t nEnd = path.find('\\', nPos);
            if (nEnd == std::string::npos)
                nEnd = path.size();
            hItem = tree.GetTreeDirMatch(hItem, path.substr(nPos, nEnd - nPos).c_str(), false);
            nPos = nEnd + 1;
        }
        return hItem;
    }
    static Labels ChildLabels(const CTreeCtrl& tree, HTREEITEM hItem)
    {
        Labels labels;
        for (HTREEITEM h = tree.GetChildItem(hItem); h != nullptr; h = tree.GetNextSiblingItem(h))
            labels.push_back(static_cast<const char*>(tree.GetItemText(h)));
        return labels;
    }
    static POINT LabelPoint(const CTreeCtrl& tree, HTREEITEM hItem)
    {
        CRect rc;
        tree.GetItemRect(hItem, &rc, TRUE);
        POINT pt = rc.CenterPoint();
        tree.ClientToScreen(&pt);
        return pt;
    }
    // Scrolls the item into view and clicks (or double-clicks) its label.
    static void ClickLabel(CTreeCtrl& tree, HTREEITEM hItem, bool bDouble = false)
    {
        tree.EnsureVisible(hItem);
        harness::Pump();
        if (bDouble)
            harness::DoubleClick(LabelPoint(tree, hItem));
        else
            harness::Click(LabelPoint(tree, hItem));
    }
    static std::string SelectedPath(const CDirTreeCtrl& tree)
    {
        return static_cast<const char*>(tree.GetSelectedDir(true));
    }

    harness::ScratchDir m_scratch;
    harness::CHostDialog m_host;
};

// A bare file tree of the drop window's style filling most of the host dialog.
class FileTreeTest : public FileTreeTestBase
{
protected:
    void SetUp() override
    {
        FileTreeTestBase::SetUp();
        ASSERT_TRUE(m_host.CreateHost({ 60, 60 }, { 600, 500 }, { 10, 10, 200, 30 }));
        ASSERT_TRUE(m_tree.Create(0x50010027, CRect(10, 40, 590, 490), &m_host, CDropDirWnd::kTreeId));
        m_tree.m_hNotifyWnd = m_host.m_hWnd;
        m_tree.Refresh(true);
    }
    void TearDown() override { m_host.DestroyWindow(); }

    // Selects a folder below the scratch root, opened, and returns its item.
    HTREEITEM Open(const std::string& relative)
    {
        return m_tree.SetSelectedDir(Path(relative).c_str(), true);
    }
    // Closes and opens a folder's branch again, so that it is read from disk with the filter.
    void Reopen(HTREEITEM hItem)
    {
        m_tree.Expand(hItem, TVE_COLLAPSE);
        m_tree.ExpandBranch(hItem, false);
    }
    void SetFilter(const std::vector<const char*>& exts)
    {
        m_tree.m_extensions.RemoveAll();
        for (const char* ext : exts)
            m_tree.m_extensions.Add(ext);
    }
    int ImageCount() { return ImageList_GetImageCount(m_tree.m_imageList.GetSafeHandle()); }
    int ImageOf(HTREEITEM hItem)
    {
        int nImage = -1;
        int nSelected = -1;
        m_tree.GetItemImage(hItem, nImage, nSelected);
        return nImage;
    }

    CTestFileTree m_tree;
};

// The test edit with a directory tree drop window, in the host dialog at (100,100).
class DropDirWndTest : public FileTreeTestBase
{
protected:
    void SetUp() override { FileTreeTestBase::SetUp(); }
    void TearDown() override { DestroyHost(m_pEdit); }
    // Hosts an edit (read-only or not) whose drop window will show text's path.
    void MakeEdit(bool readOnly, const std::string& text = "")
    {
        ASSERT_TRUE(m_host.CreateHost({ 100, 100 }, { 400, 300 }, { 10, 10, 210, 34 }));
        m_pEdit = new CTestFileEdit(readOnly);
        ASSERT_TRUE(m_pEdit->Attach(m_host.Edit(), new CDropDirWnd(readOnly)));
        m_pEdit->SetWindowText(text.c_str());
        m_host.FocusEdit();
        harness::MoveMouse({ 2, 2 });
    }
    CDropDirWnd* Drop() const { return m_pEdit->Drop(); }
    CDropFileTree& Tree() const { return *Drop()->GetTree(); }
    bool DropVisible() const { return ::IsWindowVisible(Drop()->m_hWnd) != FALSE; }
    void Open()
    {
        harness::PressKey(VK_F9);
        ASSERT_TRUE(DropVisible());
    }
    void FocusTree()
    {
        Tree().SetFocus();
        harness::Pump();
        ASSERT_EQ(::GetFocus(), Tree().m_hWnd);
    }
    CRect DropRect() const
    {
        CRect rc;
        Drop()->GetWindowRect(&rc);
        return rc;
    }

    CTestFileEdit* m_pEdit = nullptr;
};
}
