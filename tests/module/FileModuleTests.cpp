// The file edit as a host finds it in orv059.dll: constructed directly, attached, initialised
// writable with a filter, its text rules and its tree working.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include "DropWnd.h"
#include "FileEdit.h"
#include "HostDialog.h"
#include "Input.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace
{
class CHostFileEdit : public CFileEdit
{
public:
    using CFileEdit::m_pDropWnd;

    std::string Text() const
    {
        CString text;
        GetWindowText(text);
        return static_cast<const char*>(text);
    }
};
}

TEST(FileModule, FileEditAttachesAndInitsFromTheDll)
{
    EXPECT_EQ(CRuntimeClass::FromName("CFileEdit"), nullptr) << "the host constructs it directly";
    harness::ScratchDir tree;
    const std::string other = tree.MakeFile("pick\\a.txt", "x");
    const std::string file = tree.MakeFile("pick\\f.txt", "x");
    const std::string folder = tree.Path() + "pick\\";
    harness::CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateHost({ 100, 100 }, { 420, 320 }, { 10, 10, 330, 34 }));
    {
        CHostFileEdit edit;
        ASSERT_TRUE(edit.SubclassWindow(dlg.Edit()));
        EXPECT_EQ(edit.GetRuntimeClass(), RUNTIME_CLASS(CDropBaseEdit));
        edit.Init(false);
        CStringArray exts;
        exts.Add("txt");
        edit.SetExt(exts);
        dlg.FocusEdit();

        edit.SetWindowText(file.c_str());
        EXPECT_EQ(edit.Text(), file);
        edit.SetWindowText(folder.c_str());
        EXPECT_EQ(edit.Text(), folder) << "a writable file edit takes a folder";
        edit.SetWindowText((folder + "a|b").c_str());
        EXPECT_EQ(edit.Text(), "");

        edit.SetWindowText(file.c_str());
        ASSERT_NE(edit.m_pDropWnd, nullptr);
        harness::PressKey(VK_F9);
        EXPECT_TRUE(::IsWindowVisible(edit.m_pDropWnd->m_hWnd));
        harness::PressKey(VK_DOWN); // into the tree, on the edit's file
        harness::PressKey(VK_UP);   // the file above it
        EXPECT_EQ(edit.Text(), other);
        harness::PressKey(VK_ESCAPE);
        EXPECT_FALSE(::IsWindowVisible(edit.m_pDropWnd->m_hWnd));
        dlg.DestroyWindow();
    }
    harness::Pump();
}
