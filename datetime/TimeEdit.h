/// @class CTimeEdit
/// CTimeEdit: an edit for a time of day. Holds a DateTime, shows it as text and reads back what
/// the user types or pastes; its drop window lists the times between two whole hours at an
/// interval that the user makes coarser or finer there, and that is remembered for the user in
/// the registry (the last time edit destroyed wins). A selection edit over the generated time
/// texts, so Up, Down, Enter and first letters work on the times. Owns its drop window through
/// the base class. Its run-time class is the selection edit's; the host constructs it directly.
#pragma once
#include "DateTime.h"
#include "OrvApi.h"
#include "SelectEdit.h"

class CDropTimeSelectWnd;

class ORV_API CTimeEdit : public CSelectEdit
{
public:
    /// Makes the control; attach it to the host's edit window, then call Init.
    CTimeEdit();
    /// Deletes the time list; the interval reaches the registry when the edit window is destroyed.
    ~CTimeEdit() override;

// Operations
    /// Configures the control and creates its drop window; call once after the edit window
    /// exists. firstHour 0 to 23 and lastHour firstHour to 24 bound the list (every time whose
    /// hour lies between them); allowEmpty puts an empty entry, for no time, at the top.
    void Init(UINT firstHour, UINT lastHour, bool allowEmpty, bool drawButton);
    /// textOption is passed to DateTime::ConvertTimeToText whenever the text is made from the time.
    void SetTime(const DateTime& time, bool textOption);
    /// The time the edit holds; IsValidTime() is false when it holds none.
    const DateTime& GetTime() const;
    /// Gives the drop window's buttons the background style's current shading.
    void ApplyBkgShading();
    /// Width the drop window takes at most.
    int GetMaxWidth();

    /// The host cannot put texts of its own into the time list through these.
    ///@{
    using CSelectEdit::AddText;
    void AddText(const CString& text) override;
    void AddText(const CStringList& texts) override;
    void AddText(const CStringArray& texts) override;
    void ClearText() override;
    ///@}

    /// Where the interval is kept: HKEY_CURRENT_USER, this key, this value, as decimal text.
    ///@{
    static const char* const kIntervalKey;
    static const char* const kIntervalValue;
    ///@}

// Hooks
protected:
    bool GetDropWndRightAligned() const override;
    int GetDropWndMaxWidth() const override;
    void GetMoveWndFinalTweak(CRect& rc) const override;
    void UpdateDropWnd() override;
    void OnDropWndChanged(bool keepOpen) override;
    using CSelectEdit::LoadData;
    void SaveData() override;
    /// Pastes, cuts and clears change the time as typing does.
    void ProcessEdit() override;

    /// The stored interval; 60 when missing, not a number, or outside 1 to 1439 minutes.
    void LoadData(UINT& interval) const;
    /// Writes the text form of m_time into the edit, only when it differs.
    void UpdateEditCtrl();

// Data
    bool m_bTextOption;
    DateTime m_time;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

    DECLARE_MESSAGE_MAP()

private:
    CDropTimeSelectWnd* GetTimeDropWnd() const;
    bool IsTimeListShown() const;
    // Parses the text into m_time and shows it in the list (no row for a text that is no time),
    // without the list writing back into the edit.
    void ReadText();
    CString CurrentText() const;
};
