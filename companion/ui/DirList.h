/// @class CDirList
/// CDirList: an owner-drawn list box of drives and folders, each row a small picture and a name,
/// indented to show where the folder sits. Rows come one by one through AddString (a list with
/// LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS; each row's picture kept in its item data), or all at
/// once through ShowRows (a list with kRowStyle; rows drawn from the caller's arrays as they
/// show, so thousands of rows cost what is on screen). Owns nothing but its window.
///
/// A row's text is read as a path: each leading "..\" group is one step of indentation, and so
/// is each folder named before the last one ("..\System32\drivers\" shows "drivers" two steps
/// in); the last folder is the name shown, without its backslash, except that a drive root keeps
/// its "C:\". The pictures are drawn here, not taken from the shell, so that they look the same
/// on every system and need no icon handles.
#pragma once
#include "UiApi.h"
#include <afxwin.h>
#include <vector>

class TextArray;

class ORVUI_API CDirList : public CListBox
{
    DECLARE_DYNAMIC(CDirList)
public:
    /// Row pictures. Values are fixed: callers pass them as numbers.
    enum Icons
    {
        IconDrive = 0,          ///< a fixed drive (also any drive root heading a folder chain)
        IconCdRomDrive = 1,     ///< a disc
        IconRemovableDrive = 2, ///< a drive with a slot
        IconNetworkDrive = 3,   ///< a drive on a cable
        IconParentFolder = 4,   ///< an open folder: on the way from the root to the current folder
        IconCurrentFolder = 5,  ///< an open folder with a bright front: the current folder
        IconFolder = 6,         ///< a closed folder
        IconSubfolder = 7,      ///< a closed folder, below the current one
        IconCount = 8,
    };

    /// Makes the object; the host creates or subclasses the list box window.
    CDirList();
    /// The rows' pictures are drawn, not owned: nothing to free beyond the window.
    ~CDirList() override;

    /// The style bits of a list whose rows ShowRows hands over at once; the creator adds them
    /// (without LBS_HASSTRINGS or another owner-draw style).
    static const DWORD kRowStyle = LBS_NODATA | LBS_OWNERDRAWFIXED;

    // Operations
    /// Appends a row and returns its index, or LB_ERR (no window, no text) / LB_ERRSPACE. An icon
    /// outside the enumeration adds the row without a picture.
    int AddString(const char* text, CDirList::Icons icon);
    /// Makes texts the rows of a list created with kRowStyle, row i with the picture icons[i]
    /// (outside the enumeration or missing: none), and clears the selection; null: no rows. The
    /// row count is set at once; rows are drawn and answer LB_GETTEXT, LB_GETTEXTLEN,
    /// LB_FINDSTRINGEXACT and LB_SELECTSTRING from the arrays, which the caller keeps unchanged
    /// while they are shown (or shows again).
    void ShowRows(const TextArray* texts, const std::vector<unsigned char>* icons);
    /// The picture of a row (0 to 7), or -1 for a row without one or a row that does not exist.
    int GetItemIcon(int nIndex) const;

    // Attributes
    /// The widest a name is drawn, in pixels; a longer name ends with an ellipsis. 0 or less lets
    /// names run to the list's edge. The horizontal scroll range follows the widest row so drawn.
    /// Read when rows are added and drawn.
    int m_nMaxTextWidth;

    // Implementation
    /// Owner drawing, called through the parent's reflected WM_DRAWITEM and WM_MEASUREITEM:
    /// a row's picture and indented name, and the row height of the current font.
    ///@{
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    ///@}

protected:
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnResetContent(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindStringExact(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelectString(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    /// The text of a row shown through ShowRows; null for other lists and rows out of range.
    const CString* ShownRow(int nIndex) const;
    /// The first shown row after nStart (-1: from the top), wrapping once, whose text equals
    /// text (bExact) or begins with it, letter case ignored; LB_ERR when none does.
    int FindShownRow(int nStart, const CString& text, bool bExact) const;
    /// The widest shown row, measured from the font's character widths.
    int MeasureShownRows();
    static int ParseRow(const CString& text, CString& name);
    /// ParseRow without copying: the name is the span [nStart, nEnd) of text.
    static int FindName(const CString& text, int& nStart, int& nEnd);
    static void DrawPicture(CDC& dc, int nIcon, const CRect& rc);
    int RowHeight();
    int RowWidth(CDC& dc, const CString& text) const;
    int RowWidthFor(int nSteps, int nTextWidth) const;
    void WidenExtentFor(const CString& text);
    void RemeasureAll();

    int m_nExtent;    // the widest row drawn so far, for the horizontal scroll range
    int m_nRowHeight; // of the current font; 0 until measured
    const TextArray* m_pRowTexts;                  // rows given to ShowRows; not owned
    const std::vector<unsigned char>* m_pRowIcons; // their pictures; not owned
};
