// TextMatch: where a typed text matches a text under the auto-suggest edit's match modes. Letter
// case is ignored for single-byte characters only, through StringUtils' case table, so the modes
// agree with the prefix search of the sorted texts; a double-byte character matches only
// itself, and a match starts on a character boundary, never inside a double-byte character.
#pragma once
#include <afx.h>
#include <string>

class TextMatch
{
public:
    enum Mode
    {
        kPrefix = 0,    // the text begins with the typed text
        kWordStart = 1, // a word of the text begins with it
        kContains = 2,  // it appears anywhere in the text
    };

    // Byte offset in text at which typed matches under mode, the first such place; -1 when it
    // does not match. An empty typed text matches at 0.
    static int Find(const CString& text, const CString& typed, int mode);
    // Appends the folded bytes of text[0, length) to out: single-byte characters through the
    // lower-case table, both bytes of a double-byte character as they are.
    static void Fold(const char* text, int length, std::string& out);
    // Whether byte b begins a double-byte character in the ANSI code page.
    static bool IsLeadByte(unsigned char b);

private:
    // Whether typed matches text at byte offset pos, compared character by character.
    static bool MatchesAt(const CString& text, int pos, const CString& typed);
    // Whether a single-byte character belongs to a word: letters and digits, and every byte
    // from 0x80 up (the code page's own letters).
    static bool IsWordByte(unsigned char b);
};
