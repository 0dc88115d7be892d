/// @class StringUtils
/// Text helpers whose idea of letter case is that of the ANSI code page, the same in every
/// helper: a case-blind sort, prefix match and look-up always agree with each other. They walk
/// whole characters (CharWalk): only single-byte letters fold, and a two-byte character matches
/// and sorts by its own bytes, which is the order of the code page.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class TextArray;

class ORVUTIL_API StringUtils
{
public:
    /// True when text begins with prefix (every text begins with the empty prefix).
    /// caseSensitive false folds both through m_tableLowercase; true compares bytes exactly.
    static bool MatchFirstChars(const CString& text, const CString& prefix, bool caseSensitive);

    /// Index of the last occurrence of sub in text at a character start; -1 when there is none
    /// or sub is empty.
    static int FindLast(const CString& text, const CString& sub);

    /// Replaces parts with the pieces of line between separators: n separators give n + 1
    /// pieces, empty ones included ("C:\a\" gives "C:", "a", ""). An empty line gives no piece;
    /// an empty separator gives the whole line. Returns the number of pieces.
    static size_t SplitLine(const CString& line, const CString& separator, TextArray& parts);

    /// Three-way order of unsigned bytes; caseSensitive false compares the folded bytes first
    /// (trail bytes of two-byte characters unfolded) and breaks ties by the exact bytes, so that
    /// the order is total.
    static int Compare(const CString& a, const CString& b, bool caseSensitive);

    /// Letter case of every byte value in the ANSI code page (not only ASCII): lower- and
    /// upper-case counterpart of byte c, c itself where there is none. Filled when the DLL loads.
    ///@{
    static int m_tableLowercase[256];
    static int m_tableUppercase[256];
    ///@}
};
