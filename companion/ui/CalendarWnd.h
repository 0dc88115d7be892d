/// @class CCalendarWnd
/// CCalendarWnd: a date picker window. Hosts the common controls' month calendar (single
/// selection) over a strip with its own buttons (clear, options), drives the calendar from the
/// keyboard itself, and reports picks, keys and the shown range to its parent with registered
/// messages. Owns its child windows, its special dates and the current date value.
#pragma once
#include "ShadeButton.h"
#include <DateTime.h>
#include <set>
#include <vector>

class ORVUI_API CCalendarWnd : public CWnd
{
    DECLARE_DYNAMIC(CCalendarWnd)
public:
    /// Registered messages sent to the parent. Dates travel packed as year * 10000 + month * 100
    /// + day (0 = no date), see PackDate.
    /// wParam the new date; lParam 1 when the keyboard moved the selection or the user changed
    /// the shown month (keep the calendar open), 0 when the user clicked a day or "today".
    static const UINT CALWND_ONSELCHANGE;
    /// The clear button: the user wants no date. wParam 0, lParam 0.
    static const UINT CALWND_ONNODATE;
    /// Enter in the calendar: wParam the current date (0 = none), lParam 0.
    static const UINT CALWND_ENTERKEY;
    /// Escape in the calendar: wParam 0, lParam 0.
    static const UINT CALWND_ESCKEY;
    /// "Save as web page" chosen from the options menu; the parent picks the path and calls
    /// SaveCalendarWebPage. wParam 0, lParam 0 (so that a parent that receives it under
    /// CALWND_DATERANGE_CHANGED can tell it apart: a real range is never 0).
    static const UINT CALWND_PROMPT_SAVEWEBPAGE;
    /// The months on show changed (navigation, SetDate, the months choice): wParam the first
    /// and lParam the last day shown (partly shown neighbour months included), both nonzero.
    static const UINT CALWND_DATERANGE_CHANGED;

    /// How many months the calendar shows; the date-range choice of the options menu.
    enum MonthsShown
    {
        OneMonth = 1,    ///< one month, whatever room there is (the default)
        AsManyAsFit = 0, ///< the month calendar's own layout: as many months as its area holds
    };

    /// Makes the object; Create makes the window.
    CCalendarWnd();
    /// Destroys the window and its buttons.
    ~CCalendarWnd() override;

    // Operations
    /// Creates the window as a visible child of pParent with control id nID:
    ///   bShowSpecialDates  - days given to SetSpecialDates are drawn bold (MCS_DAYSTATE);
    ///   bShowClearButton   - a "No date" button in the strip sends CALWND_ONNODATE;
    ///   bShowOptionsButton - an "Options" button in the strip opens the options menu;
    ///   bShowGenerateHTML  - the options menu offers "Save as web page...";
    ///   bShowDateRanges    - the options menu offers the months choice (MonthsShown).
    /// Without either button there is no strip. False without a parent or when a window fails.
    bool Create(UINT nID, const CRect& rect, bool bShowSpecialDates, CWnd* pParent, bool bShowClearButton,
                bool bShowOptionsButton, bool bShowGenerateHTML, bool bShowDateRanges);
    /// Selects the date and brings its month into view; the empty DateTime clears the value
    /// and shows today. Raises no CALWND_ONSELCHANGE; CALWND_DATERANGE_CHANGED when the shown
    /// months change. Before Create only the value is kept.
    void SetDate(const DateTime& date);
    /// Days drawn bold when the window was created with bShowSpecialDates; invalid dates are
    /// skipped. Replaces the previous set.
    void SetSpecialDates(const DateTime* pDates, int nCount);
    /// Whether the date is one of the days given to SetSpecialDates.
    bool IsSpecialDate(const DateTime& date) const;
    /// How many months the calendar shows; the options menu's months choice sets the same.
    ///@{
    void SetMonthsShown(MonthsShown months);
    MonthsShown GetMonthsShown() const { return m_monthsShown; }
    ///@}
    /// Colours from BkgStyle::GetInstance() (Calendar for the calendar and strip,
    /// CalendarButtons for the buttons) when there is a style and it shades them, otherwise the
    /// system colours.
    void ApplyBkgShading();
    /// Writes the shown months as an HTML page (a table per month, weekday header in the user's
    /// locale, the current date marked, special dates bold). False without a window, for an
    /// empty path, or when the file cannot be written completely (nothing is left behind then).
    bool SaveCalendarWebPage(const CString& path) const;
    /// The client size that shows the chosen months and the button strip: one month's
    /// MCM_GETMINREQRECT (two across for AsManyAsFit) plus the strip. Zero size without a window.
    CSize GetPreferredSize() const;
    /// The first and last day shown (partly shown neighbour months included); false without a window.
    bool GetShownRange(DateTime& first, DateTime& last) const;
    /// The hosted month calendar control; null without a window.
    HWND GetMonthCalHwnd() const { return m_hMonthCal; }

    /// A date as the messages carry it, year * 10000 + month * 100 + day, and back; 0 stands
    /// for no date both ways.
    ///@{
    static LPARAM PackDate(const DateTime& date);
    static DateTime UnpackDate(LPARAM packed);
    ///@}

    // Data
    /// The date the calendar holds (empty when the user cleared it or SetDate gave none).
    DateTime m_date;

    // Implementation
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnClearClicked();
    afx_msg void OnOptionsClicked();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

private:
    enum class Source
    {
        Host, // calls of the host and changes already reported: only the range is reported
        User, // the user scrolled the calendar: the selection notification (lParam 1) too
    };

    static LRESULT CALLBACK MonthCalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR uIdSubclass, DWORD_PTR dwRefData);
    bool OnMonthCalKey(UINT nChar);
    void MoveSelection(const DateTime& target);
    void OnMonthCalSelChange(const SYSTEMTIME& st);
    void OnMonthCalSelect(const SYSTEMTIME& st);
    void FillDayState(NMDAYSTATE* pDayState);
    void RefreshDayState();
    void CheckShownRange(Source source);
    void ChooseOption(UINT nCmd);
    void Layout();
    int StripHeight() const;
    void Notify(UINT message, WPARAM wParam, LPARAM lParam);
    DateTime SelectionOrToday() const;

    HWND m_hMonthCal;
    CShadeButton m_btnClear;
    CShadeButton m_btnOptions;
    bool m_bShowSpecialDates;
    bool m_bShowClearButton;
    bool m_bShowOptionsButton;
    bool m_bShowGenerateHTML;
    bool m_bShowDateRanges;
    MonthsShown m_monthsShown;
    LPARAM m_shownFirst; // packed, 0 before the first check
    LPARAM m_shownLast;
    bool m_bSettingDate;   // our own MCM_SETCURSEL is running: notifications are ours
    bool m_bInMouseButton; // the control is handling a button going down or up
    ShadeProps m_stripShade;
    bool m_bStripShaded;
    std::set<LPARAM> m_specialDates; // packed dates
    // The day states handed to the control: it reads them after the notification returns.
    std::vector<DWORD> m_dayStateBuffer;
};
