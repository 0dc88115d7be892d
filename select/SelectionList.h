// CSelectionList: the list box of the text drop window. Wraps around at its ends under the
// arrow keys, reports every selection change to its parent (the drop window) and asks it to
// close on Enter, Escape and a click, and scrolls by the system's wheel setting, keeping the
// part of a wheel turn too small for a line until the next turn. Owns only its window.
#pragma once
#include <afxwin.h>

class CSelectionList : public CListBox
{
public:
    CSelectionList();
    ~CSelectionList() override;

    // A vertical wheel turn of delta (WHEEL_DELTA per notch): posts one WM_VSCROLL per line.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // The same for a horizontal turn, with WM_HSCROLL; reached only through the drop window.
    void HorzWheel(short delta);

    int m_nScrollLines;      // lines per wheel notch, read once at construction
    int m_nWheelRemainder;   // vertical distance not yet turned into lines, 0..119
    int m_nHWheelRemainder;  // the same for the horizontal wheel
    int m_nLastSel;          // selection last reported by a key other than the arrows

protected:
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Hands printable characters and Backspace to the parent, which passes them to the edit.
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    // Turns the distance gathered in remainder into whole lines and posts that many scrolls.
    void ScrollByWheel(int& remainder, short delta, UINT message, WPARAM towardsStart, WPARAM towardsEnd);
    void SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
};
