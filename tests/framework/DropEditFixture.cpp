#include "DropEditFixture.h"
#include "Input.h"

namespace fwtest
{
BEGIN_MESSAGE_MAP(CTestDropWnd, CDropWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CTestDropWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (m_bFailCreate || CDropWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_first.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(2, 2, 80, 22), this, kFirstId);
    m_middle.Create("", WS_CHILD | WS_VISIBLE, CRect(2, 24, 80, 30), this, kMiddleId);
    m_last.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(2, 32, 80, 52), this, kLastId);
    return 0;
}

int CTestDropEdit::Count(const char* hook) const
{
    int n = 0;
    for (const std::string& call : m_calls)
        n += call.compare(0, call.find(':'), hook) == 0 ? 1 : 0;
    return n;
}

std::string CTestDropEdit::Text() const
{
    CString text;
    GetWindowText(text);
    return static_cast<const char*>(text);
}

bool CTestDropEdit::CanShowDropDown()
{
    m_calls.push_back("CanShowDropDown");
    return m_bCanShow;
}

void CTestDropEdit::UpdateDropWnd()
{
    m_calls.push_back("UpdateDropWnd:" + Text());
}

void CTestDropEdit::SaveData()
{
    m_calls.push_back("SaveData");
}

void CTestDropEdit::OnLoosingFocus()
{
    m_calls.push_back("OnLoosingFocus");
}

void CTestDropEdit::DrawIcon(const CRect&)
{
    m_calls.push_back("DrawIcon");
}

void DropEditTest::SetUp()
{
    MakeHost({ 100, 100 }, { 10, 10, 210, 34 });
}

void DropEditTest::TearDown()
{
    m_pDrop = nullptr; // owned by the edit
    harness::DestroyHost(m_pDlg, m_pEdit);
}

void DropEditTest::MakeHost(POINT clientOrigin, const RECT& rcEdit, bool withDropWnd)
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
    }
    m_pDlg->FocusEdit();
    // Away from any drop button, which would change how focus changes close the drop window.
    harness::MoveMouse({ 2, 2 });
    m_pEdit->m_calls.clear();
}

bool DropEditTest::DropVisible() const
{
    return m_pDrop != nullptr && ::IsWindowVisible(m_pDrop->m_hWnd);
}

HWND DropEditTest::DropHwnd() const
{
    return m_pDrop != nullptr ? m_pDrop->m_hWnd : nullptr;
}

POINT DropEditTest::ButtonPoint() const
{
    return harness::WindowPoint(m_pEdit->m_hWnd, m_pEdit->m_rcButton);
}

void DropEditTest::Open()
{
    harness::PressKey(VK_F9);
    ASSERT_TRUE(DropVisible());
    m_pEdit->m_calls.clear();
}
}
