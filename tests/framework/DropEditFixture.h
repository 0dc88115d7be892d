// A drop edit of the tests' own (hooks that record what the framework calls) with a small drop
// window of two edits around a static, attached to the host dialog's edit as a host would.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "Controls.h"
#include "DropBaseEdit.h"
#include "DropWnd.h"
#include "HostDialog.h"
#include "Input.h"
#include "TestApp.h"

namespace fwtest
{
class CTestDropWnd : public CDropWnd
{
public:
    CEdit m_first;
    CStatic m_middle; // no tab stop
    CEdit m_last;

    CWnd* GetFirstControl() override { return &m_first; }
    CWnd* GetLastControl() override { return &m_last; }
};

// Exposes the protected operations and state, and records each hook call with the edit's text
// at that moment.
class CTestDropEdit : public CDropBaseEdit
{
public:
    std::vector<std::string> m_calls;
    bool m_bCanShow = true;
    bool m_bRightAligned = false;
    int m_nMaxWidth = 0;
    CRect m_tweak{ 0, 0, 0, 0 };

    using CDropBaseEdit::CreateDropWnd;
    using CDropBaseEdit::CreateDropWndFont;
    using CDropBaseEdit::DoDrawButton;
    using CDropBaseEdit::DoDrawIcon;
    using CDropBaseEdit::GetDropWnd;
    using CDropBaseEdit::m_bForwardCloseToParent;
    using CDropBaseEdit::m_nButtonState;
    using CDropBaseEdit::m_rcButton;
    using CDropBaseEdit::m_rcIcon;
    using CDropBaseEdit::ShowDropWnd;

    int Count(const std::string& hook) const
    {
        return std::count_if(m_calls.begin(), m_calls.end(),
                             [&](const std::string& call) { return call.compare(0, call.find(':'), hook) == 0; });
    }
    std::string Text() const { return harness::WindowText(m_hWnd); }

protected:
    bool GetDropWndRightAligned() const override { return m_bRightAligned; }
    int GetDropWndMaxWidth() const override { return m_nMaxWidth; }
    void GetMoveWndFinalTweak(CRect& rc) const override { rc = m_tweak; }
    bool CanShowDropDown() override { return m_bCanShow; }
    void UpdateDropWnd() override { m_calls.push_back("UpdateDropWnd:" + Text()); }
    void OnLoosingFocus() override { m_calls.push_back("OnLoosingFocus"); }
};

inline CRect WindowRectOf(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// The host dialog (client origin 100,100, 400 x 300) with the test edit at (10,10)-(210,34),
// initialised, its drop window created and the focus in it.
class DropEditTest : public testing::Test
{
protected:
    void SetUp() override { MakeHost({ 100, 100 }, { 10, 10, 210, 34 }); }
    void TearDown() override
    {
        m_pDrop = nullptr; // owned by the edit
        harness::DestroyHost(m_pDlg, m_pEdit);
    }
    // Re-creates the host with the edit at rcEdit (client pixels of a dialog at clientOrigin).
    void MakeHost(POINT clientOrigin, const RECT& rcEdit, bool withDropWnd = true)
    {
        TearDown();
        m_pDlg = new harness::CHostDialog;
        ASSERT_TRUE(m_pDlg->CreateHost(clientOrigin, { 400, 300 }, rcEdit));
        m_pEdit = new CTestDropEdit;
        ASSERT_TRUE(m_pEdit->SubclassWindow(m_pDlg->Edit()));
        m_pEdit->Init();
        if (withDropWnd)
        {
            m_pDrop = new CTestDropWnd;
            ASSERT_TRUE(m_pEdit->CreateDropWnd(m_pDrop, true));
            m_pDrop->m_first.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(2, 2, 80, 22), m_pDrop, 11);
            m_pDrop->m_middle.Create("", WS_CHILD | WS_VISIBLE, CRect(2, 24, 80, 30), m_pDrop, 12);
            m_pDrop->m_last.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(2, 32, 80, 52), m_pDrop, 13);
        }
        m_pDlg->FocusEdit();
        // Away from any drop button, which would change how focus changes close the drop window.
        harness::MoveMouse({ 2, 2 });
        m_pEdit->m_calls.clear();
    }

    bool DropVisible() const { return m_pDrop != nullptr && ::IsWindowVisible(m_pDrop->m_hWnd); }
    POINT ButtonPoint() const { return harness::WindowPoint(m_pEdit->m_hWnd, m_pEdit->m_rcButton); }
    void Open()
    {
        harness::PressKey(VK_F9);
        ASSERT_TRUE(DropVisible());
        m_pEdit->m_calls.clear();
    }
    // Shows the drop window with the focus in its first control.
    void OpenFocused()
    {
        m_pEdit->ShowDropWnd(true, true, true);
        ASSERT_EQ(::GetFocus(), m_pDrop->m_first.m_hWnd);
    }

    harness::CHostDialog* m_pDlg = nullptr;
    CTestDropEdit* m_pEdit = nullptr;
    CTestDropWnd* m_pDrop = nullptr;
};
}
