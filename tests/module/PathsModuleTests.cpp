// The directory edit as a host uses it from orv059.dll: attached to a dialog's edit, its icon
// loaded from the library's own resources, its text rules and its list working.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include "DirEdit.h"
#include "DropWnd.h"
#include "HostDialog.h"
#include "Input.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace
{
class CHostDirEdit : public CDirEdit
{
public:
    using CDirEdit::m_hIcon;
    using CDirEdit::m_pDropWnd;
    using CDirEdit::m_rcIcon;

    std::string Text() const
    {
        CString text;
        GetWindowText(text);
        return static_cast<const char*>(text);
    }
};

class PathsModuleTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.CreateHost({ 100, 100 }, { 420, 320 }, { 10, 10, 330, 34 }));
        ::GetClientRect(m_dlg.Edit(), &m_rcClientBefore);
        ASSERT_TRUE(m_edit.SubclassWindow(m_dlg.Edit()));
        m_edit.Init(true);
        m_dlg.FocusEdit();
    }
    void TearDown() override
    {
        m_dlg.DestroyWindow();
        harness::Pump();
    }

    harness::CHostDialog m_dlg;
    CHostDirEdit m_edit;
    RECT m_rcClientBefore = {};
};
}

TEST_F(PathsModuleTest, DirEditAttachesAndCutsButtonAndIconOutOfTheClientArea)
{
    EXPECT_TRUE(m_edit.IsKindOf(RUNTIME_CLASS(CDropBaseEdit)));
    RECT rcClient;
    ::GetClientRect(m_dlg.Edit(), &rcClient);
    EXPECT_EQ(m_rcClientBefore.right - rcClient.right,
              ::GetSystemMetrics(SM_CXVSCROLL) + ::GetSystemMetrics(SM_CXSMICON) + 1);
}

TEST_F(PathsModuleTest, FolderIconComesFromTheLibrarysResources)
{
    ASSERT_NE(m_edit.m_hIcon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(m_edit.m_hIcon, &info));
    BITMAP bm = {};
    ::GetObjectA(info.hbmColor, sizeof(bm), &bm);
    EXPECT_EQ(bm.bmWidth, 16);
    EXPECT_EQ(bm.bmHeight, 16);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    // The icon is painted into the icon area: something there differs from the window colour.
    m_edit.RedrawWindow(nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HDC hdc = ::GetWindowDC(m_edit.m_hWnd);
    const CRect rc = m_edit.m_rcIcon;
    int nInk = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
        {
            const COLORREF clr = ::GetPixel(hdc, x, y);
            nInk += clr != CLR_INVALID && clr != ::GetSysColor(COLOR_WINDOW) ? 1 : 0;
        }
    ::ReleaseDC(m_edit.m_hWnd, hdc);
    EXPECT_GT(nInk, 20);

    // A second Init loads it again.
    m_edit.Init(true);
    EXPECT_NE(m_edit.m_hIcon, nullptr);
}

TEST_F(PathsModuleTest, TextRulesAndListWorkThroughTheLibrary)
{
    harness::ScratchDir tree;
    const std::string folder = tree.MakeDir("pick\\");
    const std::string file = tree.MakeFile("pick\\f.txt", "x");
    m_edit.SetWindowText(folder.c_str());
    EXPECT_EQ(m_edit.Text(), folder);
    m_edit.SetWindowText(file.c_str());
    EXPECT_EQ(m_edit.Text(), "");
    m_edit.SetWindowText(folder.c_str());

    ASSERT_NE(m_edit.m_pDropWnd, nullptr);
    harness::PressKey(VK_F9);
    EXPECT_TRUE(::IsWindowVisible(m_edit.m_pDropWnd->m_hWnd));
    harness::PressKey(VK_DOWN); // into the list
    harness::PressKey(VK_LEFT); // up to the scratch root
    EXPECT_EQ(m_edit.Text(), tree.Path());
    harness::PressKey(VK_ESCAPE);
    EXPECT_FALSE(::IsWindowVisible(m_edit.m_pDropWnd->m_hWnd));
    EXPECT_EQ(m_edit.Text(), folder);
}
