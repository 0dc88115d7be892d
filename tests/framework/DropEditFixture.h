// A drop edit of the tests' own (hooks that record what the framework calls) with a small drop
// window of two edits, attached to the host dialog's edit as a host would.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "DropBaseEdit.h"
#include "DropWnd.h"
#include "HostDialog.h"
#include "TestApp.h"

namespace fwtest
{
class CTestDropWnd : public CDropWnd
{
public:
    enum
    {
        kFirstId = 11,
        kMiddleId = 12, // no tab stop
        kLastId = 13,
    };
    bool m_bFailCreate = false;
    CEdit m_first;
    CStatic m_middle;
    CEdit m_last;

    CWnd* GetFirstControl() override { return &m_first; }
    CWnd* GetLastControl() override { return &m_last; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
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
    using CDropBaseEdit::DrawButton;
    using CDropBaseEdit::GetDropWnd;
    using CDropBaseEdit::m_bForwardCloseToParent;
    using CDropBaseEdit::m_nButtonState;
    using CDropBaseEdit::m_pDropWndFont;
    using CDropBaseEdit::m_rcButton;
    using CDropBaseEdit::m_rcIcon;
    using CDropBaseEdit::ShowDropWnd;

    int Count(const char* hook) const;
    std::string Text() const;

protected:
    bool GetDropWndRightAligned() const override { return m_bRightAligned; }
    int GetDropWndMaxWidth() const override { return m_nMaxWidth; }
    void GetMoveWndFinalTweak(CRect& rc) const override { rc = m_tweak; }
    bool CanShowDropDown() override;
    void UpdateDropWnd() override;
    void SaveData() override;
    void OnLoosingFocus() override;
    void DrawIcon(const CRect& rc) override;
};

// The host dialog (client origin 100,100, 400 x 300) with the test edit at (10,10)-(210,34),
// initialised, and its drop window created.
class DropEditTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // Re-creates the host with the edit at rcEdit (client pixels of a dialog at clientOrigin).
    void MakeHost(POINT clientOrigin, const RECT& rcEdit, bool withDropWnd = true);

    bool DropVisible() const;
    HWND DropHwnd() const;
    HWND FocusWnd() const { return ::GetFocus(); }
    // Screen point at the centre of the drop button.
    POINT ButtonPoint() const;
    void Open();

    harness::CHostDialog* m_pDlg = nullptr;
    CTestDropEdit* m_pEdit = nullptr;
    CTestDropWnd* m_pDrop = nullptr;
};
}
