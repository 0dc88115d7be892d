// An ordered array of texts that the controls fill, sort, search and hand to their drop
// windows by pointer. Owns its texts.
#pragma once
#include <afx.h>
#include <afxcoll.h>
#include <vector>
#include "UtilApi.h"

class ORVUTIL_API TextArray
{
public:
    // How Sort and RemoveDuplicates read the texts.
    enum Content
    {
        ContentText = 0,   // plain text
        ContentNumber = 1, // whole numbers (NumberTextConv::ParseNumber) in numeric order, equal
                           // values are duplicates; other texts follow the numbers as text
    };

    // The index Find gives when the text is not there.
    static constexpr size_t npos = static_cast<size_t>(-1);

    TextArray();
    TextArray(const TextArray& other);
    TextArray& operator=(const TextArray& other);
    ~TextArray();

// Attributes
    size_t GetCount() const;
    bool IsEmpty() const;
    // The text at index; an empty text when index is out of range.
    CString GetAt(size_t index) const;
    // The same as a reference, which stays valid until the array changes.
    const CString& operator[](size_t index) const;

// Operations
    void Add(const CString& text);
    // Appends every text of texts in order; appending an array to itself doubles it.
    void Add(const TextArray& texts);
    // Makes room for count texts in all, so that adding up to that many does not reallocate.
    void Reserve(size_t count);
    void RemoveAll();
    // Removes the text at index; nothing happens when index is out of range.
    void RemoveAt(size_t index);
    // Replaces the whole content with the texts of texts, in their order.
    void CopyFromStringArray(const CStringArray& texts);

    // Index of the first text equal to text, with found true; npos and found false when none is.
    // ignoreCase false compares byte for byte; true ignores letter case as StringUtils does.
    size_t Find(const CString& text, bool ignoreCase, bool& found) const;

    // Stable sort. caseSensitive true orders by unsigned byte values; false orders by the
    // case-folded bytes (StringUtils::Compare), so that all texts that begin with one prefix
    // under StringUtils::MatchFirstChars(..., false) stand together. descending reverses.
    void Sort(bool ascending, bool caseSensitive, Content content);

    // Keeps the first of each group of equal texts, in place and in order; the array need not
    // be sorted. ignoreCase false removes only byte-for-byte duplicates.
    void RemoveDuplicates(bool ignoreCase, Content content);

private:
    std::vector<CString> m_texts;
};
