// A date edit attached to the host dialog's edit as a host would attach it, with what a user
// sees of it: the text and selection, whether the calendar is open, the calendar's date, the
// spot of a day in the calendar to click, and where the focus is. Also the user's short-date
// pattern set for one test, so that the locale's field order is the one under test.
#pragma once
#include <afxwin.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "CalendarWnd.h"
#include "Controls.h"
#include "DateEdit.h"
#include "DateTime.h"
#include "DropDateSelectWnd.h"
#include "HostDialog.h"
#include "Input.h"
#include "TestApp.h"

namespace datetest
{
inline DateTime MakeDate(int year, int month, int day)
{
    DateTime date;
    date.SetDate(year, month, day);
    return date;
}

// yyyymmdd of the date part, "none" without a date: readable in failure messages.
inline std::string DateText(const DateTime& date)
{
    return date.IsValidDate() ? std::to_string(CCalendarWnd::PackDate(date)) : "none";
}

inline std::string Today()
{
    DateTime today;
    today.SetToCurrent();
    return DateText(today);
}

// The user's short-date pattern (LOCALE_SSHORTDATE, which LocaleUtils reads on every call) for
// one test; the previous pattern is put back afterwards.
class LocalePattern
{
public:
    explicit LocalePattern(const char* pattern)
    {
        char previous[128] = "";
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, previous, sizeof(previous));
        m_previous = previous;
        EXPECT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, pattern)) << pattern;
    }
    ~LocalePattern()
    {
        if (!m_previous.empty())
            ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_previous.c_str());
    }
    LocalePattern(const LocalePattern&) = delete;
    LocalePattern& operator=(const LocalePattern&) = delete;

private:
    std::string m_previous;
};

// Exposes what the tests check beyond the public operations, records each OnDropWndChanged
// call, and counts the Alt keys that reach the window after PreTranslateMessage.
class CProbeDateEdit : public CDateEdit
{
public:
    using CDateEdit::AnalyzeEditContent;
    using CDateEdit::GetDropWnd;
    using CDateEdit::HighlightField;
    using CDateEdit::m_bInitialised;

    std::vector<bool> m_changes; // keepOpen of each OnDropWndChanged
    int m_nSysKeys = 0;

protected:
    void OnDropWndChanged(bool keepOpen) override
    {
        m_changes.push_back(keepOpen);
        CDateEdit::OnDropWndChanged(keepOpen);
    }
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        ++m_nSysKeys;
        CDateEdit::OnSysKeyDown(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

class DateTest : public testing::Test
{
protected:
    void TearDown() override
    {
        m_pDrop = nullptr; // owned by the edit
        harness::DestroyHost(m_pDlg, m_pEdit);
    }

    // Re-creates the host dialog (client origin 100,100, 400 x 360) with the edit at
    // (10,10)-(160,34), attaches a new date edit, lets configure set options, calls Init with
    // date and puts the focus in the edit.
    CProbeDateEdit* Attach(const DateTime& date, const std::function<void(CProbeDateEdit&)>& configure = nullptr)
    {
        TearDown();
        m_pDlg = new harness::CHostDialog;
        EXPECT_TRUE(m_pDlg->CreateHost({ 100, 100 }, { 400, 360 }, { 10, 10, 160, 34 }));
        m_pEdit = new CProbeDateEdit;
        EXPECT_TRUE(m_pEdit->SubclassWindow(m_pDlg->Edit()));
        if (configure)
            configure(*m_pEdit);
        m_pEdit->Init(date, true);
        m_pDrop = CDropDateSelectWnd::FromDropWnd(m_pEdit->GetDropWnd());
        m_pDlg->FocusEdit();
        harness::MoveMouse({ 2, 2 });
        return m_pEdit;
    }

    std::string Text() const { return harness::WindowText(m_pEdit->m_hWnd); }
    void SelectAll() { m_pEdit->SetSel(0, -1); }
    std::pair<int, int> Selection() const
    {
        int start = -1;
        int end = -1;
        m_pEdit->GetSel(start, end);
        return { start, end };
    }
    bool CalendarVisible() const { return m_pDrop != nullptr && ::IsWindowVisible(m_pDrop->m_hWnd); }
    HWND MonthCal() const { return m_pDrop->m_pCalendar->GetMonthCalHwnd(); }
    // The day the month calendar control itself has selected.
    std::string MonthCalSelection() const
    {
        SYSTEMTIME st{};
        ::SendMessage(MonthCal(), MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
        return DateText(MakeDate(st.wYear, st.wMonth, st.wDay));
    }
    HWND CalendarButton(const char* caption) const
    {
        return ::FindWindowExA(m_pDrop->m_pCalendar->m_hWnd, nullptr, nullptr, caption);
    }
    HWND FocusWnd() const { return ::GetFocus(); }
    bool FocusInCalendar() const
    {
        const HWND hFocus = ::GetFocus();
        return hFocus != nullptr && ::IsChild(m_pDrop->m_hWnd, hFocus);
    }

    // Screen point in the middle of the calendar's cell for date (a day of the shown month or a
    // grey day of a neighbour month).
    testing::AssertionResult DayPoint(const DateTime& date, POINT& screen) const
    {
        if (harness::MonthCalSpot(MonthCal(), MCHT_CALENDARDATE, date.GetYear(), date.GetMonth(), date.GetDay(), screen))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << DateText(date) << " is not shown";
    }
    // Opens the calendar with Down, as a user who goes on with the keys or the mouse does.
    void OpenWithDown()
    {
        harness::PressKey(VK_DOWN);
        ASSERT_TRUE(CalendarVisible());
        ASSERT_TRUE(FocusInCalendar());
        m_pEdit->m_changes.clear();
    }

    harness::CHostDialog* m_pDlg = nullptr;
    CProbeDateEdit* m_pEdit = nullptr;
    CDropDateSelectWnd* m_pDrop = nullptr;
};
}
