/// @class CAutoSuggestEdit
/// CAutoSuggestEdit: an edit that suggests completions while the user types. As soon as the
/// typed text begins one or more of its texts, a list of exactly those texts drops down under
/// it; the arrow keys, Enter, a click or more typing pick from it or narrow it. It draws no drop
/// button. Keeps its texts sorted (from Init on) so that the suggestions lie next to each other.
#pragma once
#include "SelectEdit.h"

class ORV_API CAutoSuggestEdit : public CSelectEdit
{
    DECLARE_DYNCREATE(CAutoSuggestEdit)
public:
    /// Makes the control; attach it to the host's edit window, add the texts, then call Init.
    CAutoSuggestEdit();
    /// Deletes the drop window and the texts; the host's edit window stays.
    ~CAutoSuggestEdit() override;

    /// Call once after the edit window exists: no drop button, the list, sorted texts.
    void Init() override;

protected:
    /// True while some text, other than the typed one itself, begins with the typed text.
    bool CanShowDropDown() override;
    /// Shows, refills or hides the list for the range of texts that begin with the typed text.
    void UpdateDropWnd() override;
    // The editing commands refill or hide the suggestions, as typing does.
    void ProcessEdit() override;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    bool IsListShown() const;
    void HideList();
    // Read-only typing opens the list with the focus in it.
    void OpenListForReadOnlyTyping();
};
