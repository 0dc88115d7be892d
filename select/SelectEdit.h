/// @class CSelectEdit
/// CSelectEdit: an edit that offers a list of texts given by the host. The user types freely, or
/// in read-only mode can only pick one of the texts: by its first letter, by Up and Down, by the
/// wheel or from the drop-down list (a CDropTextSelectWnd over the same texts). Owns its texts;
/// the drop window reads them through a pointer.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include <vector>
#include "CharWalk.h"
#include "DropBaseEdit.h"
#include "OrvApi.h"
#include "TextArray.h"

class CDropTextSelectWnd;

class ORV_API CSelectEdit : public CDropBaseEdit
{
    DECLARE_DYNCREATE(CSelectEdit)
public:
    /// Makes an editable control without texts; attach it to the host's edit window, configure
    /// it, then call Init.
    CSelectEdit();
    /// Deletes the drop window and the texts; the host's edit window stays.
    ~CSelectEdit() override;

// Operations
    /// Read-only (list-only) mode; the edit stays writable for the window system.
    void SetReadOnly(bool bReadOnly);
    /// Keep the texts sorted and free of duplicates from the next addition (or DoSort) on.
    void SetSorted(bool bSorted);
    /// In editable mode, Enter on the open list copies the list's selection into the edit.
    void SetEnterKeyUsesSelection();
    /// Opens the list without moving the focus.
    void ShowList();
    /// Width the edit needs to show its widest text beside the drop button.
    int GetMaxWidth();
    /// Takes the keys the edit handles itself (arrows, Enter, Escape, F9) before the host's
    /// dialog turns them into navigation; the host's message loop calls it.
    BOOL PreTranslateMessage(MSG* pMsg) override;

// Hooks, in this order
protected:
    /// Performs the current editing command (cut, paste, clear, undo) under the mode's rules.
    virtual void ProcessEdit();

public:
    /// Lays out the drop button, copies the parent's font and creates the drop window.
    virtual void Init();
    ///@{
    /// Each form appends in order, then keeps the texts sorted when that is asked for.
    virtual void AddText(const CString& text);
    virtual void AddText(const CStringList& texts);
    virtual void AddText(const CStringArray& texts);
    virtual void AddText(const std::vector<CString>& texts);
    virtual void AddText(const TextArray& texts);
    ///@}
    /// Empties the texts; an open list shows the change when it refills.
    virtual void ClearText();

protected:
    // False while there are no texts to offer.
    bool CanShowDropDown() override;
    void UpdateDropWnd() override;
    void OnDropWndChanged(bool keepOpen) override;

    TextArray& GetTextArray();
    bool IsReadOnly() const;
    void ResetUpDownIndex();
    /// Applies the sort rule once.
    void DoSort();

// Data
    bool m_bReadOnly;
    bool m_bSorted;
    bool m_bEnterKeyUsesSelection;
    int m_nUpDownIndex; ///< -1 none
    TextArray m_texts;
    CharWalk::TypedChars m_typedChars; // lead byte of a two-byte character typed read-only

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    /// Read-only with the list closed, the wheel steps through the texts as Up and Down do.
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    /// The four editing commands share ProcessEdit.
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSettleTexts(WPARAM wParam, LPARAM lParam);
    /// Has the work that texts added one at a time leave behind done once the program is idle
    /// (before the user's next key, after the host has finished adding), not by that key.
    void SettleWhenIdle();
    /// Whether such work waits; the base class merges the waiting texts.
    virtual bool HasIdleWork() const;
    virtual void DoIdleWork();

    DECLARE_MESSAGE_MAP()

private:
    void AppendText(const CString& text);
    void RefreshShownList();
    bool IsListShown() const;
    void SelectWholeText();
    // Shows the text at index in the edit and, while the list is open, selects its row.
    void SelectEntry(size_t index);
    // nChar: a typed single-byte character, or a two-byte one as (lead << 8 | trail).
    void TypeFirstLetter(UINT nChar);
    // Steps to the previous or next text with the list closed; false when the edit's text is
    // not one of the texts.
    bool StepText(bool bUp);
    void OnEnterInOpenList();

    bool m_bSettlePosted;
};
