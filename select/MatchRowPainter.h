// CMatchRowPainter: draws one row of an owner-drawn list with a part of its text marked, in
// bold and, on a row that is not selected, in the hot-track colour, so the user sees why the row
// is listed. Owns the bold font it makes from the list's font; the list's font is not owned.
#pragma once
#include <afxwin.h>

class CMatchRowPainter
{
public:
    CMatchRowPainter();
    ~CMatchRowPainter();

// Operations
    // The list's font (null: the system font); the bold one is made from it.
    void SetFont(HFONT hFont);
    // The row height that fits the list's font.
    int GetRowHeight(HWND hList) const;
    // Draws row dis with text, bytes [start, start + length) marked (length 0: nothing).
    void Draw(const DRAWITEMSTRUCT& dis, const CString& text, int start, int length) const;

    // Gap between the row's left edge and its text, as the list box leaves it.
    static const int kTextIndent = 2;

private:
    // Draws bytes [from, from + count) at x and returns the x after them.
    static int DrawPiece(HDC hDC, HFONT hFont, int x, int y, const char* from, int count);

    HFONT m_hFont;  // not owned
    CFont m_bold;
};
