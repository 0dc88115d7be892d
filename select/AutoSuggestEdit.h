/// @class CAutoSuggestEdit
/// CAutoSuggestEdit: an edit that suggests completions while the user types. As soon as the
/// typed text matches one or more of its texts, a list of exactly those texts drops down under
/// it, with the part that matched marked in each row; the arrow keys, Enter, a click or more
/// typing pick from it or narrow it. It draws no drop button. Keeps its texts sorted (from Init
/// on) so that the suggestions of the prefix mode lie next to each other; the word-start and
/// contains modes find theirs through a text index (TextIndex) that it owns and rebuilds when
/// texts are added.
#pragma once
#include <vector>
#include "SelectEdit.h"
#include "TextIndex.h"

class ORV_API CAutoSuggestEdit : public CSelectEdit
{
    DECLARE_DYNCREATE(CAutoSuggestEdit)
public:
    /// Makes the control; attach it to the host's edit window, add the texts, then call Init.
    CAutoSuggestEdit();
    /// Deletes the drop window and the texts; the host's edit window stays.
    ~CAutoSuggestEdit() override;

    /// How a text matches the typed text; letter case is ignored in every mode.
    static const int kMatchPrefix = 0;    ///< the text begins with it (the default)
    static const int kMatchWordStart = 1; ///< a word of the text begins with it: "york", "New York"
    static const int kMatchContains = 2;  ///< it appears anywhere in the text

// Operations
    /// Call once after the edit window exists: no drop button, the list, sorted texts.
    void Init() override;
    /// One of the kMatch values; any other value is ignored. Takes effect from the next keystroke.
    void SetMatchMode(int mode);
    /// The kMatch value in use.
    int GetMatchMode() const;
    /// Off by default. On: typing completes the text in place with the rest of the first
    /// suggestion that begins with the typed text, the added part selected, so that Backspace or
    /// Delete removes it first and more typing replaces it.
    void SetAutoAppend(bool bAutoAppend);
    /// Whether typing completes in place.
    bool GetAutoAppend() const;
    /// Bytes held by the index of the word-start and contains modes (0 while it is not built).
    size_t GetIndexMemory() const;

    /// The texts change: the index follows (at once while a mode needs it).
    void AddText(const CString& text) override;
    void AddText(const CStringList& texts) override;
    void AddText(const CStringArray& texts) override;
    void AddText(const std::vector<CString>& texts) override;
    void AddText(const TextArray& texts) override;
    void ClearText() override;

protected:
    /// True while some text, other than the typed one itself, matches the typed text.
    bool CanShowDropDown() override;
    /// Shows, refills or hides the list for the texts that match the typed text.
    void UpdateDropWnd() override;
    // The editing commands refill or hide the suggestions, as typing does.
    void ProcessEdit() override;

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The match index of the word-start and contains modes is built while idle, too.
    bool HasIdleWork() const override;
    void DoIdleWork() override;

    DECLARE_MESSAGE_MAP()

private:
    bool IsListShown() const;
    void HideList();
    // Read-only typing opens the list with the focus in it.
    void OpenListForReadOnlyTyping();
    // Tells the drop window which texts to show for typed; false when there is no suggestion.
    bool PlaceSuggestions(CDropTextSelectWnd& dropWnd, const CString& typed);
    // The indices of the texts that match typed under the word-start or contains mode.
    const std::vector<size_t>& FindMatches(const CString& typed);
    // The first suggestion for typed that begins with it; false when there is none.
    bool FindCompletion(const CString& typed, size_t& index);
    void AppendCompletion();
    void OnTextsChanged(bool bBuildNow);

    int m_nMatchMode;
    bool m_bAutoAppend;
    TextIndex m_index;
    // The last answer of FindMatches, valid while m_bMatchesValid.
    bool m_bMatchesValid;
    CString m_strMatched;
    std::vector<size_t> m_matches;
};
