// The DPI tests' host: one control at a time on the host dialog, its drop window opened as the
// host opens it. The process's DPI is the one DpiRunTests started it at (ORV_TEST_DPI), 96
// without it.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include "DpiScale.h"
#include "DropBaseEdit.h"
#include "DropWnd.h"
#include "HostDialog.h"
#include "Input.h"
#include "ScratchDir.h"
#include "TestApp.h"

namespace dpitest
{
inline UINT ExpectedDpi()
{
    const char* value = std::getenv("ORV_TEST_DPI");
    return value != nullptr && std::atoi(value) > 0 ? static_cast<UINT>(std::atoi(value)) : 96u;
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
    using TEdit::ShowDropWnd;
};

class DpiHost
{
public:
    DpiHost() = default;
    ~DpiHost() { harness::DestroyHost(m_pDlg, m_pEdit); }
    DpiHost(const DpiHost&) = delete;
    DpiHost& operator=(const DpiHost&) = delete;

    // A new host dialog (client 500 x 380 at 100,100) whose edit at rcEdit becomes a TEdit,
    // configured and initialised by init.
    template <class TEdit, class TInit>
    TEdit* Attach(TInit init, const RECT& rcEdit = { 10, 10, 330, 34 })
    {
        harness::DestroyHost(m_pDlg, m_pEdit);
        m_pDlg = new harness::CHostDialog;
        EXPECT_TRUE(m_pDlg->CreateHost({ 100, 100 }, { 500, 380 }, rcEdit));
        auto* pEdit = new TEdit;
        m_pEdit = pEdit;
        EXPECT_TRUE(pEdit->SubclassWindow(m_pDlg->Edit()));
        init(*pEdit);
        m_pDlg->FocusEdit();
        return pEdit;
    }

    // Opens the edit's drop window as the host does; its window, or null when it stays shut.
    template <class TEdit>
    HWND Open(TEdit* pEdit)
    {
        pEdit->ShowDropWnd(true, false, true);
        const HWND hDrop = pEdit->m_pDropWnd != nullptr ? pEdit->m_pDropWnd->m_hWnd : nullptr;
        EXPECT_TRUE(harness::WaitUntil([&] { return hDrop != nullptr && ::IsWindowVisible(hDrop); }, 2000));
        return hDrop;
    }

    static CRect Rect(HWND hWnd)
    {
        CRect rc(0, 0, 0, 0);
        ::GetWindowRect(hWnd, &rc);
        return rc;
    }

private:
    harness::CHostDialog* m_pDlg = nullptr;
    CDropBaseEdit* m_pEdit = nullptr;
    // The time edit stores its interval when it goes.
    harness::RegistryKeyGuard m_registry{ HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT" };
};
}
