/// @class CharWalk
/// Walks ANSI texts by whole characters of the current code page. On a double-byte code page
/// (932, 936, 949, 950) one character can be a lead byte and a trail byte, and the trail byte can
/// be 0x5C, the backslash, or an ASCII letter; every scan that looks for a separator, a caret
/// neighbour, a first letter or a case-blind match goes through here so that it never reads a
/// trail byte as a character of its own. On a single-byte code page every byte is a character
/// and each function is the plain byte scan.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API CharWalk
{
public:
    /// Whether byte ch opens a two-byte character in the ANSI code page.
    static bool IsLeadByte(char ch) { return m_leadBytes[static_cast<unsigned char>(ch)]; }
    /// True when the ANSI code page has two-byte characters at all.
    static bool IsDoubleByteCodePage();

    /// Bytes of the character that starts at pos: 2 for a lead byte followed by a trail byte,
    /// else 1 (a lead byte cut off at the end of the text counts alone).
    static int CharLength(const CString& text, int pos);
    /// Start of the character after the one at pos (pos must be a character start).
    static int Next(const CString& text, int pos);
    /// Start of the character that ends at pos; 0 at the beginning.
    static int Prev(const CString& text, int pos);
    /// Whether pos is a character start (0 and the length count as starts).
    static bool IsCharStart(const CString& text, int pos);
    /// pos moved back to the start of the character it falls in.
    static int Snap(const CString& text, int pos);

    /// The first single-byte character ch at a character start from start on; -1 when absent.
    static int Find(const CString& text, char ch, int start = 0);
    /// The first occurrence of sub that starts and ends at character starts, from start on; -1
    /// when absent.
    static int Find(const CString& text, const CString& sub, int start = 0);
    /// The last single-byte character ch at a character start; -1 when absent.
    static int ReverseFind(const CString& text, char ch);
    /// Whether the last character of text is the single-byte ch.
    static bool EndsWith(const CString& text, char ch);
    /// The first whole character (one or two bytes); empty for an empty text.
    static CString FirstChar(const CString& text);

    /// Joins the bytes of typed characters: an ANSI window gets a two-byte character as two
    /// WM_CHAR messages, the lead byte first. A lead byte is held until its trail byte comes.
    class ORVUTIL_API TypedChars
    {
    public:
        /// Starts with no lead byte waiting.
        TypedChars() : m_chLead(0) {}
        /// Takes one WM_CHAR code; true with the whole character in ch once it is complete,
        /// false while a lead byte waits for its trail byte.
        bool Take(UINT nChar, CString& ch);
        /// Whether nChar would open a two-byte character (then Take holds it).
        static bool OpensTwoByteChar(UINT nChar) { return nChar < 0x100 && IsLeadByte(static_cast<char>(nChar)); }
        /// Whether a lead byte waits for its trail byte.
        bool IsPending() const { return m_chLead != 0; }
        /// Forgets a waiting lead byte.
        void Reset() { m_chLead = 0; }

    private:
        char m_chLead;
    };

    /// The lead bytes of the ANSI code page, read through IsDBCSLeadByteEx when the DLL loads.
    static bool m_leadBytes[256];
};
