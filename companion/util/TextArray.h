/// @class TextArray
/// An ordered array of texts that the controls fill, sort, search and hand to their drop
/// windows by pointer. Owns its texts. It knows when it is in the order of Sort(true, false,
/// ContentText) without equal texts, and then finds texts and prefixes by binary search and
/// keeps that order on AddSorted without sorting again.
#pragma once
#include <afx.h>
#include <afxcoll.h>
#include <vector>
#include "UtilApi.h"

class ORVUTIL_API TextArray
{
public:
    /// How Sort and RemoveDuplicates read the texts.
    enum Content
    {
        ContentText = 0,   ///< plain text
        ContentNumber = 1, ///< whole numbers (NumberTextConv::ParseNumber) in numeric order, equal
                           ///< values are duplicates; other texts follow the numbers as text
    };

    /// The index Find gives when the text is not there.
    static constexpr size_t npos = static_cast<size_t>(-1);

    /// An empty array; copies hold their own texts and keep the sorted state.
    ///@{
    TextArray();
    TextArray(const TextArray& other);
    TextArray& operator=(const TextArray& other);
    ~TextArray();
    ///@}

// Attributes
    /// How many texts the array holds, and whether it holds none.
    ///@{
    size_t GetCount() const;
    bool IsEmpty() const;
    ///@}
    /// The text at index; an empty text when index is out of range.
    CString GetAt(size_t index) const;
    /// Whether the texts are in the order of Sort(true, false, ContentText) without two equal
    /// ones, so that Find and FindPrefixRange search by halves.
    bool IsSortedUnique() const;
    /// The same as a reference, which stays valid until the array changes.
    const CString& operator[](size_t index) const;

// Operations
    /// Appends the text at the end.
    void Add(const CString& text);
    /// The same, taking the text over instead of copying it.
    void Add(CString&& text);
    /// Appends every text of texts in order; appending an array to itself doubles it.
    void Add(const TextArray& texts);
    /// The same as Add(text) followed by Sort(true, false, ContentText) and
    /// RemoveDuplicates(false, ContentText), without a full sort while the array is already in
    /// that order: one-by-one additions of n texts cost about n log n in all.
    void AddSorted(const CString& text);
    /// Makes room for count texts in all, so that adding up to that many does not reallocate.
    void Reserve(size_t count);
    /// Empties the array.
    void RemoveAll();
    /// Removes the text at index; nothing happens when index is out of range.
    void RemoveAt(size_t index);
    /// Replaces the whole content with the texts of texts, in their order.
    void CopyFromStringArray(const CStringArray& texts);

    /// Index of the first text equal to text, with found true; npos and found false when none is.
    /// ignoreCase false compares byte for byte; true ignores letter case as StringUtils does.
    size_t Find(const CString& text, bool ignoreCase, bool& found) const;

    /// First and last index of the texts that begin with prefix under
    /// StringUtils::MatchFirstChars(text, prefix, false); false when none does. The same result
    /// as a scan of the whole array, found by binary search while the array is sorted.
    bool FindPrefixRange(const CString& prefix, size_t& first, size_t& last) const;

    /// Merges the texts that AddSorted keeps waiting into their places. Every read does it
    /// first; a caller calls it to have that work done at a moment of its choosing, such as
    /// when the program is idle, rather than by the next read.
    void Settle() const;
    /// Whether texts given to AddSorted still wait for Settle.
    bool HasWaitingTexts() const;

    /// Stable sort. caseSensitive true orders by unsigned byte values; false orders by the
    /// case-folded bytes (StringUtils::Compare), so that all texts that begin with one prefix
    /// under StringUtils::MatchFirstChars(..., false) stand together. descending reverses.
    void Sort(bool ascending, bool caseSensitive, Content content);

    /// Keeps the first of each group of equal texts, in place and in order; the array need not
    /// be sorted. ignoreCase false removes only byte-for-byte duplicates.
    void RemoveDuplicates(bool ignoreCase, Content content);

private:
    bool IsAscendingUnique() const;
    void Append(const CString& text);

    // Settle() changes these two inside const reads; what a caller sees never changes by it.
    mutable std::vector<CString> m_texts;
    // Texts given to AddSorted but not yet merged into m_texts, which is sorted meanwhile.
    mutable std::vector<CString> m_pending;
    // m_texts is in the order of Sort(true, false, ContentText) with no two texts equal.
    bool m_bSortedUnique;
};
