#include "String.h"
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace
{
// The shared empty string: a zero header followed by a zero terminator. Never written.
int g_nilStorage[3] = { 0, 0, 0 };
char* NilChars() { return reinterpret_cast<char*>(g_nilStorage + 2); }

// Pointers below 64K are resource ids in the framework's string constructors, never text.
bool IsText(LPCSTR psz) { return reinterpret_cast<ULONG_PTR>(psz) >= 0x10000; }

int SafeLength(LPCSTR psz)
{
    if (!IsText(psz))
        return 0;
    size_t n = std::strlen(psz);
    if (n > static_cast<size_t>(INT_MAX / 2))
        throw std::bad_alloc();
    return static_cast<int>(n);
}

LPCSTR SafeText(LPCSTR psz) { return IsText(psz) ? psz : ""; }

// One case-mapping table for every byte of the ANSI code page, built once. A byte maps only to
// a byte that converts back exactly, so characters whose other case lies outside the code page
// stay as they are.
struct CaseTables
{
    unsigned char lower[256];
    unsigned char upper[256];

    CaseTables()
    {
        for (int c = 0; c < 256; ++c)
        {
            lower[c] = MapByte(static_cast<unsigned char>(c), false);
            upper[c] = MapByte(static_cast<unsigned char>(c), true);
        }
    }

    static unsigned char MapByte(unsigned char c, bool bUpper)
    {
        if (c == 0)
            return 0;
        char in = static_cast<char>(c);
        WCHAR wide[2] = {};
        if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &in, 1, wide, 1) != 1)
            return c;
        if (bUpper)
            CharUpperBuffW(wide, 1);
        else
            CharLowerBuffW(wide, 1);
        char out[4] = {};
        BOOL bUsedDefault = FALSE;
        int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, 1, out, sizeof(out), nullptr,
                                    &bUsedDefault);
        if (n != 1 || bUsedDefault)
            return c;
        return static_cast<unsigned char>(out[0]);
    }
};

const CaseTables& Tables()
{
    static const CaseTables tables;
    return tables;
}

int Sign(int n) { return n < 0 ? -1 : (n > 0 ? 1 : 0); }

bool IsSpace(unsigned char c, const void*) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsChar(unsigned char c, const void* p) { return c == *static_cast<const unsigned char*>(p); }
bool IsInSet(unsigned char c, const void* p)
{
    return c != 0 && std::strchr(static_cast<LPCSTR>(p), c) != nullptr;
}
}

// Construction

CString::CString() : m_pszData(NilChars()) {}

CString::CString(const CString& other) : m_pszData(NilChars())
{
    SetString(other.m_pszData, other.GetLength());
}

CString::CString(CString&& other) noexcept : m_pszData(other.m_pszData)
{
    other.m_pszData = NilChars();
}

CString::CString(LPCSTR psz) : m_pszData(NilChars()) { SetString(psz); }

CString::CString(const unsigned char* psz) : m_pszData(NilChars())
{
    SetString(reinterpret_cast<LPCSTR>(psz));
}

CString::CString(char ch, int nRepeat) : m_pszData(NilChars())
{
    if (nRepeat <= 0)
        return;
    Reserve(nRepeat);
    std::memset(m_pszData, ch, nRepeat);
    SetLengthUnchecked(nRepeat);
}

CString::CString(LPCSTR pch, int nLength) : m_pszData(NilChars()) { SetString(pch, nLength); }

CString::~CString() { Release(); }

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        SetString(other.m_pszData, other.GetLength());
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other)
    {
        Release();
        m_pszData = other.m_pszData;
        other.m_pszData = NilChars();
    }
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    SetString(psz);
    return *this;
}

CString& CString::operator=(char ch)
{
    SetString(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    Append(other);
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    Append(psz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

// Implementation

void CString::Reserve(int nLength)
{
    if (nLength < 0)
        throw std::bad_alloc();
    Data* pOld = Header();
    bool bNil = m_pszData == NilChars();
    if (!bNil && nLength <= pOld->nAllocLength)
        return;
    // Grow by half again so that repeated appends stay linear.
    int64_t nCapacity = nLength;
    if (!bNil)
        nCapacity = std::max<int64_t>(nCapacity, int64_t(pOld->nAllocLength) * 3 / 2);
    nCapacity = std::min<int64_t>(nCapacity, INT_MAX - 64);
    if (nCapacity < nLength)
        throw std::bad_alloc();
    Data* pNew = static_cast<Data*>(std::malloc(sizeof(Data) + size_t(nCapacity) + 1));
    if (pNew == nullptr)
        throw std::bad_alloc();
    pNew->nAllocLength = static_cast<int>(nCapacity);
    pNew->nDataLength = pOld->nDataLength;
    std::memcpy(pNew->Chars(), m_pszData, size_t(pOld->nDataLength) + 1);
    m_pszData = pNew->Chars();
    if (!bNil)
        std::free(pOld);
}

void CString::SetLengthUnchecked(int nLength)
{
    if (m_pszData == NilChars())
        return;
    Header()->nDataLength = nLength;
    m_pszData[nLength] = '\0';
}

void CString::Release()
{
    if (m_pszData != NilChars())
        std::free(Header());
    m_pszData = NilChars();
}

bool CString::Overlaps(LPCSTR p) const
{
    return m_pszData != NilChars() && p >= m_pszData && p <= m_pszData + GetAllocLength();
}

int CString::TrimLeftSpan(bool (*pfnMatch)(unsigned char, const void*), const void* pContext) const
{
    int n = 0;
    int nLength = GetLength();
    while (n < nLength && pfnMatch(static_cast<unsigned char>(m_pszData[n]), pContext))
        ++n;
    return n;
}

int CString::TrimRightSpan(bool (*pfnMatch)(unsigned char, const void*), const void* pContext) const
{
    int nEnd = GetLength();
    while (nEnd > 0 && pfnMatch(static_cast<unsigned char>(m_pszData[nEnd - 1]), pContext))
        --nEnd;
    return GetLength() - nEnd;
}

// Attributes

char CString::GetAt(int nIndex) const
{
    return (nIndex >= 0 && nIndex < GetLength()) ? m_pszData[nIndex] : '\0';
}

char CString::operator[](int nIndex) const { return GetAt(nIndex); }

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength())
        m_pszData[nIndex] = ch;
}

// Extraction

CString CString::Left(int nCount) const
{
    if (nCount >= GetLength())
        return *this;
    return CString(m_pszData, std::max(nCount, 0));
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, INT_MAX); }

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    nFirst = std::max(nFirst, 0);
    nCount = std::max(nCount, 0);
    if (nFirst >= nLength)
        return CString();
    nCount = static_cast<int>(std::min<int64_t>(nCount, nLength - nFirst));
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    if (nCount >= nLength)
        return *this;
    nCount = std::max(nCount, 0);
    return CString(m_pszData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    if (!IsText(pszCharSet))
        return CString();
    return Left(static_cast<int>(std::strspn(m_pszData, pszCharSet)));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    if (!IsText(pszCharSet))
        return *this;
    return Left(static_cast<int>(std::strcspn(m_pszData, pszCharSet)));
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    int nLength = GetLength();
    if (iStart >= 0 && iStart < nLength)
    {
        // Without delimiters the rest is one token; the framework returned it forever and a
        // caller's loop never ended, so the position moves past the end here.
        if (!IsText(pszTokens) || *pszTokens == '\0')
        {
            CString token(m_pszData + iStart, nLength - iStart);
            iStart = nLength;
            return token;
        }
        LPCSTR pszPlace = m_pszData + iStart;
        int nIncluding = static_cast<int>(std::strspn(pszPlace, pszTokens));
        if (iStart + nIncluding < nLength)
        {
            int nFrom = iStart + nIncluding;
            int nExcluding = static_cast<int>(std::strcspn(m_pszData + nFrom, pszTokens));
            iStart = nFrom + nExcluding + 1;
            return Mid(nFrom, nExcluding);
        }
    }
    iStart = -1;
    return CString();
}

// Searching

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength() || ch == '\0')
        return -1;
    LPCSTR p = std::strchr(m_pszData + nStart, ch);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (!IsText(pszSub) || nStart < 0 || nStart > GetLength())
        return -1;
    LPCSTR p = std::strstr(m_pszData + nStart, pszSub);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

int CString::ReverseFind(char ch) const
{
    if (ch == '\0')
        return -1;
    LPCSTR p = std::strrchr(m_pszData, ch);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    if (!IsText(pszCharSet) || *pszCharSet == '\0')
        return -1;
    LPCSTR p = std::strpbrk(m_pszData, pszCharSet);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

// Comparison

int CString::Compare(LPCSTR psz) const { return Sign(std::strcmp(m_pszData, SafeText(psz))); }

int CString::CompareNoCase(LPCSTR psz) const
{
    const unsigned char* lower = Tables().lower;
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pszData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(SafeText(psz));
    for (;; ++a, ++b)
    {
        int diff = int(lower[*a]) - int(lower[*b]);
        if (diff != 0 || *a == 0)
            return Sign(diff);
    }
}

int CString::Collate(LPCSTR psz) const { return Sign(std::strcoll(m_pszData, SafeText(psz))); }

int CString::CollateNoCase(LPCSTR psz) const { return Sign(_stricoll(m_pszData, SafeText(psz))); }

// Modification

void CString::Empty() { Release(); }

void CString::SetString(LPCSTR psz) { SetString(psz, SafeLength(psz)); }

void CString::SetString(LPCSTR pch, int nLength)
{
    if (!IsText(pch) || nLength <= 0)
    {
        SetLengthUnchecked(0);
        return;
    }
    if (Overlaps(pch))
    {
        CString copy(pch, nLength); // a part of this string's own characters
        *this = std::move(copy);
        return;
    }
    Reserve(nLength);
    std::memcpy(m_pszData, pch, nLength);
    SetLengthUnchecked(nLength);
}

void CString::Append(LPCSTR psz) { Append(psz, SafeLength(psz)); }

void CString::Append(LPCSTR pch, int nLength)
{
    if (!IsText(pch) || nLength <= 0)
        return;
    int nOld = GetLength();
    if (int64_t(nOld) + nLength > INT_MAX / 2)
        throw std::bad_alloc();
    ptrdiff_t nOffset = Overlaps(pch) ? pch - m_pszData : -1;
    Reserve(nOld + nLength);
    if (nOffset >= 0)
        pch = m_pszData + nOffset;
    std::memmove(m_pszData + nOld, pch, nLength);
    SetLengthUnchecked(nOld + nLength);
}

void CString::Append(const CString& other) { Append(other.m_pszData, other.GetLength()); }

void CString::AppendChar(char ch) { Append(&ch, 1); }

CString& CString::MakeLower()
{
    const unsigned char* lower = Tables().lower;
    for (int i = 0, n = GetLength(); i < n; ++i)
        m_pszData[i] = static_cast<char>(lower[static_cast<unsigned char>(m_pszData[i])]);
    return *this;
}

CString& CString::MakeUpper()
{
    const unsigned char* upper = Tables().upper;
    for (int i = 0, n = GetLength(); i < n; ++i)
        m_pszData[i] = static_cast<char>(upper[static_cast<unsigned char>(m_pszData[i])]);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_pszData, m_pszData + GetLength());
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

CString& CString::TrimLeft()
{
    Delete(0, TrimLeftSpan(IsSpace, nullptr));
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    Delete(0, TrimLeftSpan(IsChar, &chTarget));
    return *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    if (IsText(pszTargets))
        Delete(0, TrimLeftSpan(IsInSet, pszTargets));
    return *this;
}

CString& CString::TrimRight()
{
    Truncate(GetLength() - TrimRightSpan(IsSpace, nullptr));
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    Truncate(GetLength() - TrimRightSpan(IsChar, &chTarget));
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    if (IsText(pszTargets))
        Truncate(GetLength() - TrimRightSpan(IsInSet, pszTargets));
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (int i = 0, n = GetLength(); i < n; ++i)
    {
        if (m_pszData[i] == chOld)
        {
            m_pszData[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOldLength = SafeLength(pszOld);
    if (nOldLength == 0)
        return 0;
    CString strNew(pszNew);
    CString strOld(pszOld, nOldLength);
    CString result;
    int nCount = 0;
    int nPos = 0;
    for (int nHit; (nHit = Find(strOld, nPos)) >= 0; nPos = nHit + nOldLength)
    {
        if (nCount == 0)
            result.Preallocate(GetLength());
        result.Append(m_pszData + nPos, nHit - nPos);
        result.Append(strNew);
        ++nCount;
    }
    if (nCount > 0)
    {
        result.Append(m_pszData + nPos, GetLength() - nPos);
        *this = std::move(result);
    }
    return nCount;
}

int CString::Remove(char ch)
{
    int nLength = GetLength();
    char* pEnd = std::remove(m_pszData, m_pszData + nLength, ch);
    int nNewLength = static_cast<int>(pEnd - m_pszData);
    SetLengthUnchecked(nNewLength);
    return nLength - nNewLength;
}

int CString::Insert(int nIndex, char ch)
{
    char sz[2] = { ch, '\0' };
    return Insert(nIndex, sz);
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    int nLength = GetLength();
    nIndex = std::min(std::max(nIndex, 0), nLength);
    int nInsert = SafeLength(psz);
    if (nInsert == 0)
        return nLength;
    CString copy(psz, nInsert); // psz may point into this string
    Reserve(nLength + nInsert);
    std::memmove(m_pszData + nIndex + nInsert, m_pszData + nIndex, nLength - nIndex);
    std::memcpy(m_pszData + nIndex, copy.m_pszData, nInsert);
    SetLengthUnchecked(nLength + nInsert);
    return nLength + nInsert;
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    nIndex = std::max(nIndex, 0);
    if (nCount <= 0 || nIndex >= nLength)
        return nLength;
    nCount = static_cast<int>(std::min<int64_t>(nCount, nLength - nIndex));
    std::memmove(m_pszData + nIndex, m_pszData + nIndex + nCount, nLength - nIndex - nCount);
    SetLengthUnchecked(nLength - nCount);
    return nLength - nCount;
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength < GetLength())
        SetLengthUnchecked(std::max(nNewLength, 0));
}

// Formatting

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    // Formatted into a fresh string: an argument may be this string's own characters.
    CString result;
    result.AppendFormatV(pszFormat, args);
    *this = std::move(result);
}

void CString::AppendFormatV(LPCSTR pszFormat, va_list args)
{
    if (!IsText(pszFormat))
        return;
    va_list count;
    va_copy(count, args);
    int nAdd = _vscprintf(pszFormat, count);
    va_end(count);
    if (nAdd <= 0)
        return;
    CString piece;
    piece.Reserve(nAdd);
    _vsnprintf(piece.m_pszData, size_t(nAdd) + 1, pszFormat, args);
    piece.SetLengthUnchecked(nAdd);
    Append(piece);
}

void __cdecl CString::FormatArgs(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void __cdecl CString::AppendFormatArgs(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

// Buffer access

LPSTR CString::GetBuffer() { return GetBuffer(0); }

LPSTR CString::GetBuffer(int nMinBufferLength)
{
    Reserve(std::max(nMinBufferLength, GetLength()));
    return m_pszData;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    nNewLength = std::max(nNewLength, 0);
    Reserve(nNewLength);
    SetLengthUnchecked(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (m_pszData == NilChars())
        return;
    int nCapacity = GetAllocLength();
    if (nNewLength < 0)
        nNewLength = static_cast<int>(strnlen(m_pszData, nCapacity));
    SetLengthUnchecked(std::min(nNewLength, nCapacity));
}

void CString::ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(std::max(nNewLength, 0)); }

void CString::Preallocate(int nLength)
{
    if (nLength > 0)
        Reserve(nLength);
}

void CString::FreeExtra()
{
    if (IsEmpty())
    {
        Release();
        return;
    }
    if (GetAllocLength() > GetLength())
    {
        CString exact(m_pszData, GetLength());
        *this = std::move(exact);
    }
}

// Concatenation and comparison operators

namespace
{
CString Concat(LPCSTR pchLeft, int nLeft, LPCSTR pchRight, int nRight)
{
    CString result;
    result.Preallocate(nLeft + nRight);
    result.Append(pchLeft, nLeft);
    result.Append(pchRight, nRight);
    return result;
}
}

CString operator+(const CString& left, const CString& right)
{
    return Concat(left, left.GetLength(), right, right.GetLength());
}

CString operator+(const CString& left, LPCSTR right)
{
    return Concat(left, left.GetLength(), right, SafeLength(right));
}

CString operator+(LPCSTR left, const CString& right)
{
    return Concat(left, SafeLength(left), right, right.GetLength());
}

CString operator+(const CString& left, char right) { return Concat(left, left.GetLength(), &right, 1); }
CString operator+(char left, const CString& right) { return Concat(&left, 1, right, right.GetLength()); }

bool operator==(const CString& left, const CString& right)
{
    return left.GetLength() == right.GetLength() && left.Compare(right) == 0;
}
bool operator==(const CString& left, LPCSTR right) { return left.Compare(right) == 0; }
bool operator==(LPCSTR left, const CString& right) { return right.Compare(left) == 0; }
bool operator==(const CString& left, char right) { return left.GetLength() == 1 && left[0] == right; }
bool operator==(char left, const CString& right) { return right == left; }
bool operator!=(const CString& left, const CString& right) { return !(left == right); }
bool operator!=(const CString& left, LPCSTR right) { return !(left == right); }
bool operator!=(LPCSTR left, const CString& right) { return !(right == left); }
bool operator!=(const CString& left, char right) { return !(left == right); }
bool operator!=(char left, const CString& right) { return !(right == left); }
bool operator<(const CString& left, const CString& right) { return left.Compare(right) < 0; }
bool operator<(const CString& left, LPCSTR right) { return left.Compare(right) < 0; }
bool operator<(LPCSTR left, const CString& right) { return right.Compare(left) > 0; }
bool operator>(const CString& left, const CString& right) { return left.Compare(right) > 0; }
bool operator>(const CString& left, LPCSTR right) { return left.Compare(right) > 0; }
bool operator>(LPCSTR left, const CString& right) { return right.Compare(left) < 0; }
bool operator<=(const CString& left, const CString& right) { return left.Compare(right) <= 0; }
bool operator<=(const CString& left, LPCSTR right) { return left.Compare(right) <= 0; }
bool operator<=(LPCSTR left, const CString& right) { return right.Compare(left) >= 0; }
bool operator>=(const CString& left, const CString& right) { return left.Compare(right) >= 0; }
bool operator>=(const CString& left, LPCSTR right) { return left.Compare(right) >= 0; }
bool operator>=(LPCSTR left, const CString& right) { return right.Compare(left) <= 0; }
