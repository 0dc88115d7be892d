#include "CharWalk.h"
#include <cstring>

bool CharWalk::m_leadBytes[256];

namespace
{
struct LeadByteLoader
{
    LeadByteLoader()
    {
        for (int c = 0; c < 256; ++c)
            CharWalk::m_leadBytes[c] = ::IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(c)) != FALSE;
    }
} g_leadByteLoader;
}

bool CharWalk::IsDoubleByteCodePage()
{
    CPINFO info{};
    return ::GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
}

int CharWalk::CharLength(const CString& text, int pos)
{
    return IsLeadByte(text[pos]) && pos + 1 < text.GetLength() && text[pos + 1] != '\0' ? 2 : 1;
}

int CharWalk::Next(const CString& text, int pos)
{
    if (pos >= text.GetLength())
        return text.GetLength();
    return pos + CharLength(text, pos);
}

int CharWalk::Prev(const CString& text, int pos)
{
    if (pos <= 0)
        return 0;
    if (pos > text.GetLength())
        pos = text.GetLength();
    // Only a walk from the start knows whether the byte before pos is a trail byte (a lead
    // byte value is a valid trail byte too); the system's walk does that.
    const char* begin = text.GetString();
    return static_cast<int>(::CharPrevExA(CP_ACP, begin, begin + pos, 0) - begin);
}

bool CharWalk::IsCharStart(const CString& text, int pos)
{
    return Snap(text, pos) == pos;
}

int CharWalk::Snap(const CString& text, int pos)
{
    if (pos <= 0)
        return 0;
    if (pos >= text.GetLength())
        return pos;
    int start = 0;
    while (start < pos)
    {
        const int next = Next(text, start);
        if (next > pos)
            break;
        start = next;
    }
    return start;
}

int CharWalk::Find(const CString& text, char ch, int start)
{
    const int length = text.GetLength();
    for (int i = 0; i < length; i = Next(text, i))
    {
        if (i >= start && text[i] == ch)
            return i;
    }
    return -1;
}

int CharWalk::Find(const CString& text, const CString& sub, int start)
{
    const int length = text.GetLength();
    const int subLength = sub.GetLength();
    if (subLength == 0)
        return start <= length ? start : -1;
    for (int i = 0; i + subLength <= length; i = Next(text, i))
    {
        if (i >= start && memcmp(text.GetString() + i, sub.GetString(), subLength) == 0 &&
            IsCharStart(text, i + subLength))
            return i;
    }
    return -1;
}

int CharWalk::ReverseFind(const CString& text, char ch)
{
    int found = -1;
    const int length = text.GetLength();
    for (int i = 0; i < length; i = Next(text, i))
    {
        if (text[i] == ch)
            found = i;
    }
    return found;
}

bool CharWalk::EndsWith(const CString& text, char ch)
{
    const int length = text.GetLength();
    return length > 0 && text[length - 1] == ch && Prev(text, length) == length - 1;
}

CString CharWalk::FirstChar(const CString& text)
{
    return text.IsEmpty() ? CString() : text.Left(CharLength(text, 0));
}

bool CharWalk::TypedChars::Take(UINT nChar, CString& ch)
{
    ch.Empty();
    if (m_chLead != 0)
    {
        const char lead = m_chLead;
        m_chLead = 0;
        // A control character cannot be a trail byte: the lead byte is dropped and the key
        // stands alone.
        if (nChar >= 0x40 && nChar < 0x100)
        {
            ch += lead;
            ch += static_cast<char>(nChar);
            return true;
        }
    }
    if (OpensTwoByteChar(nChar))
    {
        m_chLead = static_cast<char>(nChar);
        return false;
    }
    ch += static_cast<char>(nChar);
    return true;
}
