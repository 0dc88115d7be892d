#include "TextArray.h"
#include "CharWalk.h"
#include "NumberTextConv.h"
#include "StringUtils.h"
#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

namespace
{
const CString g_emptyText;

// Number texts first in numeric order, then the other texts; ties by text.
int CompareAsContent(const CString& a, const CString& b, bool caseSensitive,
                     TextArray::Content content)
{
    if (content == TextArray::ContentNumber)
    {
        int valueA = 0;
        int valueB = 0;
        bool isNumberA = NumberTextConv::ParseNumber(a, valueA);
        bool isNumberB = NumberTextConv::ParseNumber(b, valueB);
        if (isNumberA != isNumberB)
            return isNumberA ? -1 : 1;
        if (isNumberA && valueA != valueB)
            return valueA < valueB ? -1 : 1;
    }
    return StringUtils::Compare(a, b, caseSensitive);
}

// What makes two texts duplicates: equal keys.
std::string DuplicateKey(const CString& text, bool ignoreCase, TextArray::Content content)
{
    int value = 0;
    if (content == TextArray::ContentNumber && NumberTextConv::ParseNumber(text, value))
        return "#" + std::to_string(value);
    std::string key = "$";
    key.append(text.GetString(), text.GetLength());
    if (ignoreCase)
    {
        // Trail bytes of two-byte characters keep their value, as in StringUtils::Compare.
        for (int i = 0; i < text.GetLength(); i = CharWalk::Next(text, i))
        {
            if (CharWalk::CharLength(text, i) == 1)
                key[static_cast<size_t>(i) + 1] = static_cast<char>(
                    StringUtils::m_tableLowercase[static_cast<unsigned char>(text[i])]);
        }
    }
    return key;
}

// Where text stands against texts that begin with prefix, in the case-blind order of Sort:
// below (-1), one of them (0) or above (1).
int ComparePrefix(const CString& text, const CString& prefix)
{
    const unsigned char* pText = reinterpret_cast<const unsigned char*>(text.GetString());
    const unsigned char* pPrefix = reinterpret_cast<const unsigned char*>(prefix.GetString());
    const int common = text.GetLength() < prefix.GetLength() ? text.GetLength() : prefix.GetLength();
    bool trail = false;
    for (int i = 0; i < common; ++i)
    {
        const int byteText = trail ? pText[i] : StringUtils::m_tableLowercase[pText[i]];
        const int bytePrefix = trail ? pPrefix[i] : StringUtils::m_tableLowercase[pPrefix[i]];
        if (byteText != bytePrefix)
            return byteText < bytePrefix ? -1 : 1;
        trail = !trail && CharWalk::IsLeadByte(static_cast<char>(pText[i]));
    }
    return text.GetLength() < prefix.GetLength() ? -1 : 0;
}

bool CaseBlindLess(const CString& a, const CString& b)
{
    return StringUtils::Compare(a, b, false) < 0;
}
}

TextArray::TextArray() : m_bSortedUnique(true) {}
TextArray::TextArray(const TextArray& other) = default;
TextArray& TextArray::operator=(const TextArray& other) = default;
TextArray::~TextArray() = default;

void TextArray::Settle() const
{
    if (m_pending.empty())
        return;
    std::stable_sort(m_pending.begin(), m_pending.end(), CaseBlindLess);
    std::vector<CString> merged;
    merged.reserve(std::max(m_texts.capacity(), m_texts.size() + m_pending.size()));
    size_t i = 0;
    for (CString& text : m_pending)
    {
        while (i < m_texts.size() && CaseBlindLess(m_texts[i], text))
            merged.push_back(std::move(m_texts[i++]));
        // Equal under the case-blind order means equal bytes: a duplicate to drop.
        const bool duplicate = (i < m_texts.size() && StringUtils::Compare(m_texts[i], text, false) == 0) ||
                               (!merged.empty() && StringUtils::Compare(merged.back(), text, false) == 0);
        if (!duplicate)
            merged.push_back(std::move(text));
    }
    while (i < m_texts.size())
        merged.push_back(std::move(m_texts[i++]));
    m_texts.swap(merged);
    m_pending.clear();
}

bool TextArray::HasWaitingTexts() const
{
    return !m_pending.empty();
}

bool TextArray::IsAscendingUnique() const
{
    for (size_t i = 1; i < m_texts.size(); ++i)
    {
        if (!CaseBlindLess(m_texts[i - 1], m_texts[i]))
            return false;
    }
    return true;
}

size_t TextArray::GetCount() const
{
    Settle();
    return m_texts.size();
}

bool TextArray::IsEmpty() const
{
    return m_texts.empty() && m_pending.empty();
}

bool TextArray::IsSortedUnique() const
{
    Settle();
    return m_bSortedUnique;
}

CString TextArray::GetAt(size_t index) const
{
    return (*this)[index];
}

const CString& TextArray::operator[](size_t index) const
{
    Settle();
    return index < m_texts.size() ? m_texts[index] : g_emptyText;
}

void TextArray::Append(const CString& text)
{
    if (m_bSortedUnique && !m_texts.empty() && !CaseBlindLess(m_texts.back(), text))
        m_bSortedUnique = false;
    m_texts.push_back(text);
}

void TextArray::Add(const CString& text)
{
    Settle();
    Append(text);
}

void TextArray::Add(CString&& text)
{
    Settle();
    if (m_bSortedUnique && !m_texts.empty() && !CaseBlindLess(m_texts.back(), text))
        m_bSortedUnique = false;
    m_texts.push_back(std::move(text));
}

void TextArray::Add(const TextArray& texts)
{
    Settle();
    texts.Settle();
    const std::vector<CString> copy(texts.m_texts); // texts may be this array
    for (const CString& text : copy)
        Append(text);
}

void TextArray::AddSorted(const CString& text)
{
    if (!m_bSortedUnique)
    {
        Add(text);
        Sort(true, false, ContentText);
        RemoveDuplicates(false, ContentText);
        return;
    }
    // Texts that arrive in order go straight to the end; others wait for the next read and are
    // merged in one pass.
    if (m_pending.empty() && (m_texts.empty() || CaseBlindLess(m_texts.back(), text)))
        m_texts.push_back(text);
    else
        m_pending.push_back(text);
}

void TextArray::Reserve(size_t count)
{
    // A count the host cannot mean (beyond what memory could hold) is ignored rather than thrown.
    if (count <= m_texts.max_size())
    {
        try
        {
            m_texts.reserve(count);
        }
        catch (const std::exception&)
        {
        }
    }
}

void TextArray::RemoveAll()
{
    m_texts.clear();
    m_pending.clear();
    m_bSortedUnique = true;
}

void TextArray::RemoveAt(size_t index)
{
    Settle();
    if (index < m_texts.size())
        m_texts.erase(m_texts.begin() + static_cast<std::ptrdiff_t>(index));
}

void TextArray::CopyFromStringArray(const CStringArray& texts)
{
    std::vector<CString> copy;
    const INT_PTR count = texts.GetSize();
    copy.reserve(static_cast<size_t>(count));
    for (INT_PTR i = 0; i < count; ++i)
        copy.push_back(texts.GetAt(i));
    m_texts.swap(copy);
    m_pending.clear();
    m_bSortedUnique = IsAscendingUnique();
}

size_t TextArray::Find(const CString& text, bool ignoreCase, bool& found) const
{
    Settle();
    if (m_bSortedUnique && !ignoreCase)
    {
        auto it = std::lower_bound(m_texts.begin(), m_texts.end(), text, CaseBlindLess);
        found = it != m_texts.end() && StringUtils::Compare(*it, text, true) == 0;
        return found ? static_cast<size_t>(it - m_texts.begin()) : npos;
    }
    for (size_t i = 0; i < m_texts.size(); ++i)
    {
        if (m_texts[i].GetLength() == text.GetLength() &&
            StringUtils::MatchFirstChars(m_texts[i], text, !ignoreCase))
        {
            found = true;
            return i;
        }
    }
    found = false;
    return npos;
}

bool TextArray::FindPrefixRange(const CString& prefix, size_t& first, size_t& last) const
{
    Settle();
    if (m_bSortedUnique)
    {
        auto begin = std::partition_point(m_texts.begin(), m_texts.end(),
                                          [&](const CString& text) { return ComparePrefix(text, prefix) < 0; });
        auto end = std::partition_point(begin, m_texts.end(),
                                        [&](const CString& text) { return ComparePrefix(text, prefix) == 0; });
        if (begin == end)
            return false;
        first = static_cast<size_t>(begin - m_texts.begin());
        last = static_cast<size_t>(end - m_texts.begin()) - 1;
        return true;
    }
    bool any = false;
    for (size_t i = 0; i < m_texts.size(); ++i)
    {
        if (StringUtils::MatchFirstChars(m_texts[i], prefix, false))
        {
            if (!any)
                first = i;
            last = i;
            any = true;
        }
    }
    return any;
}

void TextArray::Sort(bool ascending, bool caseSensitive, Content content)
{
    Settle();
    if (m_bSortedUnique && ascending && !caseSensitive && content == ContentText)
        return; // already in that order, and no two texts are equal for the stable sort to keep
    std::stable_sort(m_texts.begin(), m_texts.end(),
                     [=](const CString& a, const CString& b) {
                         int order = CompareAsContent(a, b, caseSensitive, content);
                         return ascending ? order < 0 : order > 0;
                     });
    m_bSortedUnique = IsAscendingUnique();
}

void TextArray::RemoveDuplicates(bool ignoreCase, Content content)
{
    Settle();
    if (m_bSortedUnique && !ignoreCase && content == ContentText)
        return;
    std::unordered_set<std::string> seen;
    std::vector<CString> kept;
    kept.reserve(m_texts.size());
    for (const CString& text : m_texts)
    {
        if (seen.insert(DuplicateKey(text, ignoreCase, content)).second)
            kept.push_back(text);
    }
    m_texts.swap(kept);
    // Removing texts keeps an order; it can only complete one (a sort that left equal texts).
    if (!m_bSortedUnique)
        m_bSortedUnique = IsAscendingUnique();
}
