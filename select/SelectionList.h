// CSelectionList: the list box of the text drop window. Wraps around at its ends under the
// arrow keys, reports every selection change to its parent (the drop window) and asks it to
// close on Enter, Escape and a click, and scrolls by the system's wheel setting, keeping the
// part of a wheel turn too small for a line until the next turn. Its rows are texts of a text
// array that it does not copy: a range of it, or a chosen set of its indices. It is a no-data,
// owner-drawn list box of fixed row height whose count is set at once and whose rows are drawn
// and read from the array on demand, so a million texts cost what is on screen; it can mark in
// each row the part that matches the typed text. Owns its window and its row painter; the array
// and the chosen indices belong to others.
#pragma once
#include <afxwin.h>
#include <vector>
#include "MatchRowPainter.h"

class TextArray;

class CSelectionList : public CListBox
{
public:
    CSelectionList();
    ~CSelectionList() override;

    /// The style bits that make the rows come from ShowTexts; the creator adds them.
    static const DWORD kRowStyle = LBS_NODATA | LBS_OWNERDRAWFIXED;

    /// Shows count texts of texts from index first as the rows (texts null: none) and clears
    /// the selection. The array must outlive the rows or be shown again after it changes.
    void ShowTexts(const TextArray* texts, size_t first, size_t count);
    /// Shows the texts at these indices of texts as the rows, in their order; the same rule
    /// holds for the indices as for the array.
    void ShowChosen(const TextArray* texts, const std::vector<size_t>* indices);
    /// The array index of row, or false when row shows no text.
    bool GetTextIndex(int row, size_t& index) const;

    // A vertical wheel turn of delta (WHEEL_DELTA per notch): posts one WM_VSCROLL per line.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // The same for a horizontal turn, with WM_HSCROLL; reached only through the drop window.
    void HorzWheel(short delta);
    // Marks in every row the part that matches typed under mode (a TextMatch mode); an empty
    // typed text marks nothing.
    void SetMatch(const CString& typed, int mode);
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    int m_nScrollLines;      // lines per wheel notch, read once at construction
    int m_nWheelRemainder;   // vertical distance not yet turned into lines, 0..119
    int m_nHWheelRemainder;  // the same for the horizontal wheel
    int m_nLastSel;          // selection last reported by a key other than the arrows
    CString m_strTyped;      // the text whose matches are marked
    int m_nMatchMode;        // how it matches (TextMatch::Mode)
    CMatchRowPainter m_painter;

protected:
    // Answers the text queries of hosts, screen readers and tests from the array.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // An owner-drawn list's rows are as high as its font, which arrives after they were sized.
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    // Hands printable characters and Backspace to the parent, which passes them to the edit.
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    // Turns the distance gathered in remainder into whole lines and posts that many scrolls.
    void ScrollByWheel(int& remainder, short delta, UINT message, WPARAM towardsStart, WPARAM towardsEnd);
    void SendToParent(UINT message, WPARAM wParam, LPARAM lParam);
    // The text of row, or null when the row shows none.
    const CString* RowText(int row) const;
    // First row after start (-1: from the top), wrapping once, whose text equals text (exact)
    // or begins with it, ignoring case; LB_ERR when none does.
    int FindRow(int start, const CString& text, bool exact) const;

    const TextArray* m_pTexts;              // not owned
    const std::vector<size_t>* m_pChosen;   // not owned; null: the rows are a range
    size_t m_nFirst;                        // array index of row 0 of a range
    size_t m_nRows;
};
