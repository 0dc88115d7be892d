// One control at a time on the host dialog, as a host attaches it: the dialog's edit becomes the
// control, with the focus already in it while the control sets itself up, and the mouse away from
// any drop button (which would change how focus changes close the drop window).
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include "Controls.h"
#include "DropBaseEdit.h"
#include "HostDialog.h"
#include "Input.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace fwtest
{
inline CRect WindowRectOf(HWND hWnd)
{
    CRect rc(0, 0, 0, 0);
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

// Any control with its layout state and its drop window reachable.
template <class TEdit>
class Probe : public TEdit
{
public:
    using TEdit::m_nDpi;
    using TEdit::m_pDropWnd;
    using TEdit::m_pDropWndFont;
    using TEdit::m_rcButton;
    using TEdit::m_rcIcon;
    using TEdit::CreateDropWnd;
    using TEdit::CreateDropWndFont;
    using TEdit::GetDropWnd;
    using TEdit::ShowDropWnd;
};

class ControlHost
{
public:
    ControlHost() = default;
    ~ControlHost() { Destroy(); }
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    // A new host dialog (client 500 x 380 at clientOrigin) whose edit at rcEdit becomes a TEdit,
    // configured and initialised by init.
    template <class TEdit, class TInit>
    TEdit* Attach(TInit init, const RECT& rcEdit = { 10, 10, 210, 34 }, POINT clientOrigin = { 100, 100 })
    {
        Destroy();
        m_pDlg = new harness::CHostDialog;
        EXPECT_TRUE(m_pDlg->CreateHost(clientOrigin, { 500, 380 }, rcEdit));
        auto* pEdit = new TEdit;
        m_pEdit = pEdit;
        EXPECT_TRUE(pEdit->SubclassWindow(m_pDlg->Edit()));
        m_pDlg->FocusEdit();
        init(*pEdit);
        harness::MoveMouse({ 2, 2 });
        return pEdit;
    }
    void Destroy() { harness::DestroyHost(m_pDlg, m_pEdit); }
    harness::CHostDialog* Dialog() const { return m_pDlg; }

private:
    harness::CHostDialog* m_pDlg = nullptr;
    CDropBaseEdit* m_pEdit = nullptr;
    // The time edit stores its interval when it goes.
    harness::RegistryKeyGuard m_registry{ HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT" };
};

// A test of one TEdit whose drop window is a TDrop, on a host of its own.
template <class TEdit, class TDrop>
class ControlTest : public testing::Test
{
protected:
    template <class TInit>
    void Attach(TInit init, const RECT& rcEdit = { 10, 10, 210, 34 }, POINT clientOrigin = { 100, 100 })
    {
        m_pEdit = m_host.Attach<TEdit>(init, rcEdit, clientOrigin);
        m_pDlg = m_host.Dialog();
        m_pDrop = dynamic_cast<TDrop*>(m_pEdit->GetDropWnd());
    }
    std::string Text() const { return harness::WindowText(m_pEdit->m_hWnd); }
    bool DropVisible() const { return m_pDrop != nullptr && ::IsWindowVisible(m_pDrop->m_hWnd); }

    ControlHost m_host;
    harness::CHostDialog* m_pDlg = nullptr;
    TEdit* m_pEdit = nullptr;
    TDrop* m_pDrop = nullptr;
};
}
