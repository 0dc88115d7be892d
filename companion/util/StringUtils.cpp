#include "StringUtils.h"
#include "CharWalk.h"
#include "TextArray.h"
#include <cstring>

int StringUtils::m_tableLowercase[256];
int StringUtils::m_tableUppercase[256];

namespace
{
// Maps each byte through the code page's own case conversion. A byte whose counterpart is not
// one single byte of the code page keeps its own value, so that folding never changes a text's
// length and a prefix stays a prefix.
void FillCaseTables()
{
    for (int c = 0; c < 256; ++c)
    {
        char lower[2] = {static_cast<char>(c), '\0'};
        char upper[2] = {static_cast<char>(c), '\0'};
        if (c != 0 && !IsDBCSLeadByte(static_cast<BYTE>(c)))
        {
            CharLowerBuffA(lower, 1);
            CharUpperBuffA(upper, 1);
        }
        StringUtils::m_tableLowercase[c] = static_cast<unsigned char>(lower[0]);
        StringUtils::m_tableUppercase[c] = static_cast<unsigned char>(upper[0]);
    }
}

struct CaseTableLoader
{
    CaseTableLoader() { FillCaseTables(); }
} g_caseTableLoader;

int Fold(char ch)
{
    return StringUtils::m_tableLowercase[static_cast<unsigned char>(ch)];
}
}

bool StringUtils::MatchFirstChars(const CString& text, const CString& prefix, bool caseSensitive)
{
    const int prefixLength = prefix.GetLength();
    if (prefixLength > text.GetLength())
        return false;
    const char* pText = text.GetString();
    const char* pPrefix = prefix.GetString();
    // A prefix that ends inside one of text's two-byte characters is not a prefix of it.
    if (!CharWalk::IsCharStart(text, prefixLength))
        return false;
    if (caseSensitive)
        return memcmp(pText, pPrefix, prefixLength) == 0;
    for (int i = 0; i < prefixLength; i = CharWalk::Next(prefix, i))
    {
        // Only single-byte letters have a case; both bytes of a two-byte character must match.
        if (CharWalk::CharLength(prefix, i) == 2)
        {
            if (pText[i] != pPrefix[i] || pText[i + 1] != pPrefix[i + 1])
                return false;
        }
        else if (Fold(pText[i]) != Fold(pPrefix[i]))
        {
            return false;
        }
    }
    return true;
}

int StringUtils::FindLast(const CString& text, const CString& sub)
{
    const int subLength = sub.GetLength();
    if (subLength == 0 || subLength > text.GetLength())
        return -1;
    int found = -1;
    for (int at = CharWalk::Find(text, sub, 0); at >= 0; at = CharWalk::Find(text, sub, at + 1))
        found = at;
    return found;
}

size_t StringUtils::SplitLine(const CString& line, const CString& separator, TextArray& parts)
{
    parts.RemoveAll();
    if (line.IsEmpty())
        return 0;
    const int separatorLength = separator.GetLength();
    if (separatorLength == 0)
    {
        parts.Add(line);
        return 1;
    }
    int start = 0;
    for (;;)
    {
        int found = CharWalk::Find(line, separator, start);
        if (found < 0)
        {
            parts.Add(line.Mid(start));
            break;
        }
        parts.Add(line.Mid(start, found - start));
        start = found + separatorLength;
    }
    return parts.GetCount();
}

int StringUtils::Compare(const CString& a, const CString& b, bool caseSensitive)
{
    const unsigned char* pA = reinterpret_cast<const unsigned char*>(a.GetString());
    const unsigned char* pB = reinterpret_cast<const unsigned char*>(b.GetString());
    const int common = a.GetLength() < b.GetLength() ? a.GetLength() : b.GetLength();
    if (!caseSensitive)
    {
        // The bytes before i are equal, so both texts are at a character start or both inside
        // the same two-byte character. A trail byte keeps its value: two-byte characters stand
        // in the code page's order, and only single-byte letters fold.
        bool trail = false;
        for (int i = 0; i < common; ++i)
        {
            const int byteA = trail ? pA[i] : m_tableLowercase[pA[i]];
            const int byteB = trail ? pB[i] : m_tableLowercase[pB[i]];
            if (byteA != byteB)
                return byteA < byteB ? -1 : 1;
            trail = !trail && CharWalk::IsLeadByte(static_cast<char>(pA[i]));
        }
        if (a.GetLength() != b.GetLength())
            return a.GetLength() < b.GetLength() ? -1 : 1;
    }
    int exact = memcmp(pA, pB, common);
    if (exact != 0)
        return exact < 0 ? -1 : 1;
    if (a.GetLength() != b.GetLength())
        return a.GetLength() < b.GetLength() ? -1 : 1;
    return 0;
}
