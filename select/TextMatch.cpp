#include "TextMatch.h"
#include "StringUtils.h"
#include <windows.h>

namespace
{
struct LeadBytes
{
    LeadBytes()
    {
        for (int b = 0; b < 256; ++b)
            lead[b] = ::IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
    }
    bool lead[256];
};

const LeadBytes& GetLeadBytes()
{
    static const LeadBytes table;
    return table;
}

inline unsigned char FoldByte(unsigned char b)
{
    return static_cast<unsigned char>(StringUtils::m_tableLowercase[b]);
}
}

bool TextMatch::IsLeadByte(unsigned char b)
{
    return GetLeadBytes().lead[b];
}

bool TextMatch::IsWordByte(unsigned char b)
{
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b >= 0x80;
}

void TextMatch::Fold(const char* text, int length, std::string& out)
{
    const LeadBytes& lead = GetLeadBytes();
    for (int i = 0; i < length; ++i)
    {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (lead.lead[b] && i + 1 < length)
        {
            out.push_back(static_cast<char>(b));
            out.push_back(text[++i]);
            continue;
        }
        out.push_back(static_cast<char>(FoldByte(b)));
    }
}

bool TextMatch::MatchesAt(const CString& text, int pos, const CString& typed)
{
    const LeadBytes& lead = GetLeadBytes();
    const int m = typed.GetLength();
    const int n = text.GetLength();
    if (pos + m > n)
        return false;
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text.GetString()) + pos;
    const unsigned char* q = reinterpret_cast<const unsigned char*>(typed.GetString());
    for (int j = 0; j < m; ++j)
    {
        if (lead.lead[q[j]] && j + 1 < m)
        {
            // A double-byte character: both bytes exactly; the text's byte is then a lead byte
            // too, so both walks stay on the same boundaries.
            if (t[j] != q[j] || t[j + 1] != q[j + 1])
                return false;
            ++j;
            continue;
        }
        if (lead.lead[t[j]] && j + 1 < m)
            return false; // a single-byte character never equals half of a double-byte one
        if (FoldByte(t[j]) != FoldByte(q[j]))
            return false;
    }
    return true;
}

int TextMatch::Find(const CString& text, const CString& typed, int mode)
{
    const int n = text.GetLength();
    const int m = typed.GetLength();
    if (m == 0)
        return 0;
    if (mode == kPrefix)
        return MatchesAt(text, 0, typed) ? 0 : -1;
    const LeadBytes& lead = GetLeadBytes();
    const unsigned char* t = reinterpret_cast<const unsigned char*>(text.GetString());
    bool previousInWord = false;
    for (int i = 0; i + m <= n;)
    {
        const bool canStart = mode == kContains || !previousInWord;
        if (canStart && MatchesAt(text, i, typed))
            return i;
        const bool doubleByte = lead.lead[t[i]] && i + 1 < n;
        previousInWord = doubleByte || IsWordByte(t[i]);
        i += doubleByte ? 2 : 1;
    }
    return -1;
}
