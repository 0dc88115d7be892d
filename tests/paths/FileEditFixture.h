// The file edit attached to the host dialog's edit as a host would, on the file tree tests'
// scratch folder tree, with a counter of the beeps it makes.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include "DirEditFixture.h"
#include "DropDirWnd.h"
#include "FileEdit.h"
#include "FileTreeFixture.h"

namespace fileedittest
{
// Exposes the protected state of the file edit.
class CProbeFileEdit : public CFileEdit
{
public:
    using CFileEdit::m_bReadOnly;
    using CFileEdit::m_pDropWnd;

    CDropDirWnd* Drop() const { return dynamic_cast<CDropDirWnd*>(m_pDropWnd); }
    std::string Text() const
    {
        CString text;
        GetWindowText(text);
        return static_cast<const char*>(text);
    }
    std::pair<int, int> Sel() const
    {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return { static_cast<int>(start), static_cast<int>(end) };
    }
    void SetSel(int start, int end) { ::SendMessageA(m_hWnd, EM_SETSEL, start, end); }
    // Puts text into the edit as typing would, past the text rules of WM_SETTEXT.
    void PutRaw(const std::string& text)
    {
        SetSel(0, -1);
        ::SendMessageA(m_hWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
};

// The host dialog at (100,100) with the file edit at (10,10)-(330,34) over the scratch tree.
class FileEditTest : public filetreetest::FileTreeTestBase
{
protected:
    void TearDown() override { DestroyHost(m_pEdit); }
    // Attaches a file edit, initialised read-only or not, holding text (through WM_SETTEXT).
    void MakeEdit(bool readOnly, const std::string& text = "")
    {
        TearDown();
        ASSERT_TRUE(m_host.CreateHost({ 100, 100 }, { 420, 320 }, { 10, 10, 330, 34 }));
        m_pEdit = new CProbeFileEdit;
        ASSERT_TRUE(m_pEdit->SubclassWindow(m_host.Edit()));
        m_pEdit->Init(readOnly);
        ASSERT_NE(m_pEdit->Drop(), nullptr);
        m_pEdit->SetWindowText(text.c_str());
        m_host.FocusEdit();
        harness::MoveMouse({ 2, 2 });
        m_beeps.Reset();
    }
    CDropFileTree& Tree() const { return *m_pEdit->Drop()->GetTree(); }
    bool DropVisible() const { return ::IsWindowVisible(m_pEdit->Drop()->m_hWnd) != FALSE; }
    // Opens the tree with F9 from the edit.
    void Open()
    {
        harness::PressKey(VK_F9);
        ASSERT_TRUE(DropVisible());
    }
    void Close()
    {
        harness::PressKey(VK_F9);
        ASSERT_FALSE(DropVisible());
    }
    void SetExt(CFileEdit& edit, const std::vector<const char*>& exts)
    {
        CStringArray list;
        for (const char* ext : exts)
            list.Add(ext);
        edit.SetExt(list);
    }

    CProbeFileEdit* m_pEdit = nullptr;
    pathtest::BeepCounter m_beeps;
};
}
