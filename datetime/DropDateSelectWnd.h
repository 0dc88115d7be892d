// CDropDateSelectWnd: the drop window of the date edit. Its client area is one calendar
// (CCalendarWnd); it passes the edit's date in, turns the calendar's picks, no-date choice, Enter
// and Escape into the edit's OnDropWndChanged and the close protocol, forwards the shown-range
// and save-as-web-page notifications to the window that contains the edit, and keeps the focus
// on the calendar while it is open. Owns the calendar object.
#pragma once
#include "DateTime.h"
#include "DropWnd.h"

class CCalendarWnd;

class CDropDateSelectWnd : public CDropWnd
{
public:
    CDropDateSelectWnd();
    ~CDropDateSelectWnd() override;

    // The calendar drop window of an edit, or null when it has none (or another kind).
    static CDropDateSelectWnd* FromDropWnd(CDropWnd* pDropWnd);

// Operations
    // Shows the date in the calendar; the empty value means "no date".
    void SetDate(const DateTime& date);
    // The calendar's date, or the empty value when it holds none.
    DateTime GetDate();

// Hooks
    CWnd* GetFirstControl() override;
    CWnd* GetLastControl() override;

// Data
    bool m_bHasDate;
    // Options passed to the calendar when it is created; the date edit sets them before that.
    bool m_bShowSpecialDates;
    bool m_bShowClearButton;
    bool m_bShowOptionsButton;
    bool m_bShowGenerateHTML;
    bool m_bShowDateRanges;
    CCalendarWnd* m_pCalendar; // owned

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnCalSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalNoDate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalEnterKey(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalEscKey(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalDateRangeChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCalPromptSaveWebPage(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    bool IsCalendarWindow() const;
    // Sends a calendar notification on to the edit's parent window under the same identifier.
    void ForwardToEditParent(UINT message, WPARAM wParam, LPARAM lParam);
};
