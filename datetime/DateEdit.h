/// @class CDateEdit
/// CDateEdit: an edit for one calendar date. The text shows the date in the user's locale format
/// and is parsed back as the user types; the drop window is a calendar (CDropDateSelectWnd) kept
/// in step with the text both ways. The wheel steps the date by months, Alt+T and Alt+F5 set
/// today. Owns its date value; the drop window belongs to the base class.
#pragma once
#include <afxwin.h>
#include "DateTime.h"
#include "DropBaseEdit.h"
#include "OrvApi.h"

class CDropDateSelectWnd;

class ORV_API CDateEdit : public CDropBaseEdit
{
public:
    /// Makes the control with every calendar option off; attach it to the host's edit window,
    /// choose the options, then call Init.
    CDateEdit();
    /// Deletes the calendar drop window; the host's edit window stays.
    ~CDateEdit() override;

// Operations
    /// Lays out the drop button, takes the first date and creates the calendar with the options
    /// set so far; options set later do not reach the calendar.
    void Init(const DateTime& date, bool drawButton);
    /// Shows the date in the text and the calendar.
    void SetDate(const DateTime& date);
    /// The date the edit holds; IsValidDate() is false when it holds none.
    const DateTime& GetDate() const;
    /// Width the drop window takes at most: the calendar's width.
    int GetMaxWidth();
    /// Opens the calendar without moving the focus.
    void ShowCalendar();

    /// Calendar options, read by Init (see CCalendarWnd::Create): bold special dates, the
    /// "No date" button, the options button, "Save as web page..." and the months choice in the
    /// options menu.
    ///@{
    void SetShowSpecialDates(bool bShow);
    void SetShowClearButton(bool bShow);
    void SetShowOptionsButton(bool bShow);
    void SetShowGenerateHTML(bool bShow);
    void SetShowDateRanges(bool bShow);
    ///@}

    /// Gives the calendar the background style's current shading (BkgStyle).
    void ApplyBkgShading();
    /// Writes the calendar's months as a web page; false without a calendar or when writing fails.
    bool SaveCalendarWebPage(const CString& path);

// Hooks
protected:
    BOOL PreTranslateMessage(MSG* msg) override;
    bool GetDropWndRightAligned() const override;
    int GetDropWndMaxWidth() const override;
    void GetMoveWndFinalTweak(CRect& r) const override;
    void UpdateDropWnd() override;
    void OnDropWndChanged(bool keepOpen) override;

// Implementation
    /// Writes m_date into the text (empty without a date), only when the text differs.
    void UpdateEditCtrl();
    /// Parses the text into m_date and, when it parsed, passes it on to the calendar; without
    /// allowTextUpdate the calendar's echo of that date is ignored.
    void AnalyzeEditContent(bool allowTextUpdate);
    /// Selects field 0, 1 or 2 of the text, counted by the locale's date separator.
    void HighlightField(int field);

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnValueChanged();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnMouseWheel(UINT flags, short delta, CPoint pt);
    /// The framework's horizontal wheel handler returns nothing; it steps as the vertical wheel.
    afx_msg void OnMouseHWheel(UINT flags, short delta, CPoint pt);

    DECLARE_MESSAGE_MAP()

// Data
    bool m_bInitialised;
    bool m_bShowSpecialDates;
    bool m_bShowClearButton;
    bool m_bShowOptionsButton;
    bool m_bShowGenerateHTML;
    bool m_bShowDateRanges;
    DateTime m_date;

private:
    CDropDateSelectWnd* GetDateDropWnd();
    bool HasDropWindow();
    bool HasCalendarWindow();
    // Parses the text into m_date; false (and m_date unchanged) when it is not a date.
    bool ParseText();
    void SetCalendarDate(const DateTime& date);
    // Text to calendar, with the calendar's echo suppressed.
    void PassTextToCalendar();
    void StepMonths(short delta);
};
