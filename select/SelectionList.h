// CSelectionList: the list box of the text drop window. Wraps around at its ends under the
// arrow keys, reports every selection change to its parent (the drop window) and asks it to
// close on Enter, Escape and a click, and scrolls by the system's wheel setting, keeping the
// part of a wheel turn too small for a line until the next turn. Created owner-drawn, it marks
// in each row the part that matches the typed text. Owns its window and its row painter.
#pragma once
#include <afxwin.h>
#include "MatchRowPainter.h"

class CSelectionList : public CListBox
{
public:
    CSelectionList();
    ~CSelectionList() override;

    // A vertical wheel turn of delta (WHEEL_DELTA per notch): posts one WM_VSCROLL per line.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // The same for a horizontal turn, with WM_HSCROLL; reached only through the drop window.
    void HorzWheel(short delta);
    // Marks in every row the part that matches typed under mode (a TextMatch mode); takes
    // effect only in a list created with LBS_OWNERDRAWFIXED | LBS_HASSTRINGS.
    void SetMatch(const CString& typed, int mode);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    int m_nScrollLines;      // lines per wheel notch, read once at construction
    int m_nWheelRemainder;   // vertical distance not yet turned into lines, 0..119
    int m_nHWheelRemainder;  // the same for the horizontal wheel
    int m_nLastSel;          // selection last reported by a key other than the arrows
    CString m_strTyped;      // the text whose matches are marked
    int m_nMatchMode;        // how it matches (TextMatch::Mode)
    CMatchRowPainter m_painter;

protected:
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // An owner-drawn list's rows are as high as its font, which arrives after they were sized.
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    // Hands printable characters and Backspace to the parent, which passes them to the edit.
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    bool IsOwnerDrawn() const;
    // Turns the distance gathered in remainder into whole lines and posts that many scrolls.
    void ScrollByWheel(int& remainder, short delta, UINT message, WPARAM towardsStart, WPARAM towardsEnd);
    void SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
};
