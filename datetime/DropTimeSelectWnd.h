// CDropTimeSelectWnd: the drop window of the time edit. A text list drop window whose rows are
// the times of day from a first to a last hour at an interval in minutes, with a strip under the
// list of a coarser-interval button, a disabled "Detail" caption and a finer-interval button.
// Generates the time texts into its list and into the edit's text array, finds the edit's time
// in the list, and turns a picked row back into a time. Owns the three button objects; the text
// array belongs to the edit.
#pragma once
#include "DateTime.h"
#include "DropTextSelectWnd.h"

class CShadeButton;

class CDropTimeSelectWnd : public CDropTextSelectWnd
{
public:
    CDropTimeSelectWnd(TextArray* texts, bool allowEmpty);
    ~CDropTimeSelectWnd() override;

    // The time drop window of an edit, or null when it has none (or another kind).
    static CDropTimeSelectWnd* FromDropWnd(CDropWnd* pDropWnd);
    // minutes when it is a usable interval (1 to 1439), else 60: a whole day or more would
    // never advance the time, and zero or less would list a single time.
    static int ValidInterval(long long minutes);
    // The interval after one press of the coarser (or finer) button; an interval off the
    // steps 1, 5, 10, 15, 30, 60 stays as it is.
    static int NextInterval(int interval, bool coarser);

// Operations
    // Called once after the window exists: stores the hours and interval, creates the buttons
    // and generates the times.
    void Setup(UINT interval, UINT firstHour, UINT lastHour);
    // Selects the row of m_time, or of the next listed time when m_time is not listed, and
    // scrolls it into view; nothing without a valid time.
    void SelectTime();
    // Gives the three buttons the background style's current shading.
    void ApplyBkgShading();

// Hooks
    CWnd* GetLastControl() override;
    void NotifySelChange(bool keepOpen) override;
    void UpdateList() override;
    void MoveSelection(bool up) override;

// Data
    bool m_bAllowEmpty;
    int m_nFirstHour;
    int m_nLastHour;
    int m_nInterval; // minutes
    DateTime m_time; // the edit's time, or the last picked row's
    CShadeButton* m_pIncreaseBtn; // owned; coarser interval
    CShadeButton* m_pDecreaseBtn; // owned; finer interval
    CShadeButton* m_pDetailLabel; // owned; the disabled caption

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnIncreaseInterval();
    afx_msg void OnDecreaseInterval();

    DECLARE_MESSAGE_MAP()

private:
    bool IsListReady() const;
    void FillTimeList();
    void UpdateIntervalButtons();
    void ChangeInterval(bool coarser);
    // Asks for the fixed size: 100 pixels wide, the default height.
    void ApplyFixedSize();
    // Creates one strip button; logs failTag and returns false when its window is not made.
    bool CreateStripButton(CShadeButton* pButton, LPCSTR caption, DWORD style, int width, UINT id,
                           const char* failTag);
    // The row that shows m_time (bExact true), else the row of the next listed time, wrapping
    // past the last one to the first; -1 when neither is in the list.
    int FindTimeRow(bool& bExact) const;
};
