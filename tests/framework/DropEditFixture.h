// A drop edit of the tests' own (hooks that record what the framework calls) with a small drop
// window of two edits around a static, attached to the host dialog's edit as a host would.
#pragma once
#include <algorithm>
#include <string>
#include <vector>
#include "ControlHost.h"
#include "DropWnd.h"

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
class CTestDropEdit : public Probe<CDropBaseEdit>
{
public:
    std::vector<std::string> m_calls;
    bool m_bCanShow = true;
    bool m_bRightAligned = false;
    int m_nMaxWidth = 0;
    CRect m_tweak{ 0, 0, 0, 0 };

    using CDropBaseEdit::DoDrawIcon;
    using CDropBaseEdit::m_bForwardCloseToParent;
    using CDropBaseEdit::m_nButtonState;

    int Count(const std::string& hook) const
    {
        return std::count_if(m_calls.begin(), m_calls.end(),
                             [&](const std::string& call) { return call.compare(0, call.find(':'), hook) == 0; });
    }

protected:
    bool GetDropWndRightAligned() const override { return m_bRightAligned; }
    int GetDropWndMaxWidth() const override { return m_nMaxWidth; }
    void GetMoveWndFinalTweak(CRect& rc) const override { rc = m_tweak; }
    bool CanShowDropDown() override { return m_bCanShow; }
    void UpdateDropWnd() override { m_calls.push_back("UpdateDropWnd:" + harness::WindowText(m_hWnd)); }
    void OnLoosingFocus() override { m_calls.push_back("OnLoosingFocus"); }
};

// The host dialog with the test edit at (10,10)-(210,34), initialised, its drop window created
// and the focus in it.
class DropEditTest : public ControlTest<CTestDropEdit, CTestDropWnd>
{
protected:
    void SetUp() override { MakeHost(); }
    // Re-creates the host, with the dialog's client area at clientOrigin.
    void MakeHost(bool withDropWnd = true, POINT clientOrigin = { 100, 100 })
    {
        Attach(
            [&](CTestDropEdit& edit) {
                edit.Init();
                if (!withDropWnd)
                    return;
                auto* pDrop = new CTestDropWnd;
                ASSERT_TRUE(edit.CreateDropWnd(pDrop, true));
                pDrop->m_first.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(2, 2, 80, 22), pDrop, 11);
                pDrop->m_middle.Create("", WS_CHILD | WS_VISIBLE, CRect(2, 24, 80, 30), pDrop, 12);
                pDrop->m_last.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(2, 32, 80, 52), pDrop, 13);
            },
            { 10, 10, 210, 34 }, clientOrigin);
        m_pEdit->m_calls.clear();
    }

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
};
}
