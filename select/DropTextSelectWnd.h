// CDropTextSelectWnd: the drop window of the selection, auto-suggest and time edits. Its client
// area is one CSelectionList showing the edit's texts, all of them or one range; it selects the
// row equal to the edit's text, sizes itself to its rows, and passes every selection change on
// to the edit. Owns the list object; the text array belongs to the edit.
#pragma once
#include <vector>
#include "DropWnd.h"
#include "TextArray.h"

class CSelectionList;

class CDropTextSelectWnd : public CDropWnd
{
public:
    explicit CDropTextSelectWnd(TextArray* texts);
    ~CDropTextSelectWnd() override;

    // The text drop window of an edit, or null when it has none (or another kind).
    static CDropTextSelectWnd* FromDropWnd(CDropWnd* pDropWnd);

// Operations
    // Selects row index (-1 none) and, with notify, tells the edit as a key move would.
    void SetCurSel(int index, bool notify);
    // The selected row's text; empty when nothing is selected.
    CString GetSelectedText() const;
    // The list row that shows the text at index of the array, or -1 when no row shows it.
    int GetRowOfText(size_t index) const;
    // Shows the texts at these ascending indices of the array instead of a range, until a
    // range is set again through ShowRange.
    void ShowChosen(const std::vector<size_t>& indices);
    void ShowRange(int first, int last);

// Hooks
    CWnd* GetFirstControl() override;
    CWnd* GetLastControl() override;
    void ForwardMouseWheel(bool bVertical, short zDelta) override;
    virtual void NotifySelChange(bool keepOpen);
    // Refills the list from the shown range, selects the edit's text, asks for the height.
    virtual void UpdateList();
    // Moves the selection one row, wrapping at the ends, and notifies.
    virtual void MoveSelection(bool up);

// Data
    int m_nFirstText;        // first array index shown; negative: the whole array
    int m_nLastText;         // last array index shown, read only when m_nFirstText >= 0
    bool m_bShowChosen;      // m_chosenTexts is shown instead of the range
    std::vector<size_t> m_chosenTexts;
    CSelectionList* m_pList; // owned
    TextArray* m_pTexts;     // the edit's texts, not owned

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg LRESULT OnListSelChange(WPARAM wParam, LPARAM lParam);
    // An owner-drawn list reports every row it removes; its rows hold no data to free, and a
    // refill of a thousand rows would otherwise pass each report on to the list (reflection).
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    // A window with nothing to offer is refused in the middle of being shown: a hide from the
    // WM_SHOWWINDOW handler alone would be undone by the show that sent it.
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    // A character that the list handed on (see CSelectionList::OnChar) goes to the edit.
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    bool IsListWindow() const;
    bool HasNothingToOffer() const;
    // The shown range of array indices, limited to the array; false when it holds nothing.
    bool GetShownRange(size_t& first, size_t& last) const;
    void FillList(size_t first, size_t last, const CString& editText, int& chosenRow);
    void FillChosen(const CString& editText, int& chosenRow);
    int ComputeListHeight() const;
};
