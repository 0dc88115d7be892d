#include "TextArray.h"
#include "NumberTextConv.h"
#include "StringUtils.h"
#include <algorithm>
#include <string>
#include <unordered_set>

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
        for (size_t i = 1; i < key.size(); ++i)
            key[i] = static_cast<char>(
                StringUtils::m_tableLowercase[static_cast<unsigned char>(key[i])]);
    }
    return key;
}
}

TextArray::TextArray() = default;
TextArray::TextArray(const TextArray& other) = default;
TextArray& TextArray::operator=(const TextArray& other) = default;
TextArray::~TextArray() = default;

size_t TextArray::GetCount() const
{
    return m_texts.size();
}

bool TextArray::IsEmpty() const
{
    return m_texts.empty();
}

CString TextArray::GetAt(size_t index) const
{
    return (*this)[index];
}

const CString& TextArray::operator[](size_t index) const
{
    return index < m_texts.size() ? m_texts[index] : g_emptyText;
}

void TextArray::Add(const CString& text)
{
    m_texts.push_back(text);
}

void TextArray::Add(const TextArray& texts)
{
    if (&texts == this)
    {
        std::vector<CString> copy(m_texts);
        m_texts.insert(m_texts.end(), copy.begin(), copy.end());
        return;
    }
    m_texts.insert(m_texts.end(), texts.m_texts.begin(), texts.m_texts.end());
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
}

void TextArray::RemoveAt(size_t index)
{
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
}

size_t TextArray::Find(const CString& text, bool ignoreCase, bool& found) const
{
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

void TextArray::Sort(bool ascending, bool caseSensitive, Content content)
{
    std::stable_sort(m_texts.begin(), m_texts.end(),
                     [=](const CString& a, const CString& b) {
                         int order = CompareAsContent(a, b, caseSensitive, content);
                         return ascending ? order < 0 : order > 0;
                     });
}

void TextArray::RemoveDuplicates(bool ignoreCase, Content content)
{
    std::unordered_set<std::string> seen;
    std::vector<CString> kept;
    kept.reserve(m_texts.size());
    for (const CString& text : m_texts)
    {
        if (seen.insert(DuplicateKey(text, ignoreCase, content)).second)
            kept.push_back(text);
    }
    m_texts.swap(kept);
}
