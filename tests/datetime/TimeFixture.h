// A time edit attached to the host dialog's edit as a host would attach it, with the stored
// interval under the tests' control (the registry key is removed before and after each test)
// and what a user sees: the text, the time, the list's rows and selection, the focus.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "Controls.h"
#include "DropTimeSelectWnd.h"
#include "HostDialog.h"
#include "Input.h"
#include "LogCapture.h"
#include "RegistryUtils.h"
#include "ScratchDir.h"
#include "SelectionList.h"
#include "ShadeButton.h"
#include "TestApp.h"
#include "TimeEdit.h"

namespace timetest
{
class CProbeTimeEdit : public CTimeEdit
{
public:
    using CTimeEdit::GetDropWnd;
    using CTimeEdit::LoadData;
    using CTimeEdit::m_rcButton;
};

inline std::string Str(const CString& text)
{
    return text.GetString();
}

// "H:MM" of a time, "<none>" without one.
inline std::string TimeOf(const DateTime& time)
{
    return time.IsValidTime() ? Str(DateTime::ConvertTimeToText(time, false)) : "<none>";
}

inline DateTime MakeTime(int hour, int minute, int second = 0)
{
    DateTime time;
    time.SetTime(hour, minute, second);
    return time;
}

class TimeTest : public testing::Test
{
protected:
    void TearDown() override
    {
        m_pDrop = nullptr; // owned by the edit
        harness::DestroyHost(m_pDlg, m_pEdit, m_pOther);
    }

    // Closes the current edit first: it stores its own interval when it is destroyed.
    void StoreInterval(const char* text)
    {
        TearDown();
        RegistryUtils::CreateKeyAndValue(HKEY_CURRENT_USER, CTimeEdit::kIntervalKey, CTimeEdit::kIntervalValue,
                                         text, false);
    }
    static std::string StoredInterval()
    {
        return Str(RegistryUtils::GetKeyValue(HKEY_CURRENT_USER, CTimeEdit::kIntervalKey,
                                              CTimeEdit::kIntervalValue, false));
    }

    // Re-creates the host (client origin 100,100, 400 x 300, edit at (10,10)-(210,34)), attaches
    // a time edit, puts the focus in the edit and calls Init.
    CProbeTimeEdit* Attach(UINT firstHour, UINT lastHour, bool allowEmpty = false)
    {
        TearDown();
        m_pDlg = new harness::CHostDialog;
        EXPECT_TRUE(m_pDlg->CreateHost({ 100, 100 }, { 400, 300 }, { 10, 10, 210, 34 }));
        m_pEdit = new CProbeTimeEdit;
        EXPECT_TRUE(m_pEdit->SubclassWindow(m_pDlg->Edit()));
        m_pDlg->FocusEdit();
        m_pEdit->Init(firstHour, lastHour, allowEmpty, true);
        m_pDrop = CDropTimeSelectWnd::FromDropWnd(m_pEdit->GetDropWnd());
        harness::MoveMouse({ 2, 2 });
        return m_pEdit;
    }

    std::string Text() const { return harness::WindowText(m_pEdit->m_hWnd); }
    std::string Time() const { return TimeOf(m_pEdit->GetTime()); }
    bool ListVisible() const { return m_pDrop != nullptr && ::IsWindowVisible(m_pDrop->m_hWnd); }
    std::vector<std::string> Rows() const { return harness::ListRows(m_pDrop->m_pList->m_hWnd); }
    std::string SelectedRow() const { return harness::ListSelection(m_pDrop->m_pList->m_hWnd); }
    void Open()
    {
        harness::PressKey(VK_F9);
        ASSERT_TRUE(ListVisible());
    }
    void LeaveEdit()
    {
        ::SetFocus(m_pDlg->Other());
        harness::Pump();
    }
    POINT ButtonPoint(CWnd* pButton) const { return harness::ClientCenter(pButton->m_hWnd); }

    harness::RegistryKeyGuard m_registry{ HKEY_CURRENT_USER, "Software\\Orvanta\\Common\\MRUT" };
    harness::LogCapture m_log;
    harness::CHostDialog* m_pDlg = nullptr;
    CProbeTimeEdit* m_pEdit = nullptr;
    CProbeTimeEdit* m_pOther = nullptr; // a second time edit on the dialog's other edit
    CDropTimeSelectWnd* m_pDrop = nullptr;
};
}
