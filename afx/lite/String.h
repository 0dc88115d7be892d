// CString: the framework's string of 8-bit characters in the ANSI code page. The object is one
// pointer to its characters, with length and capacity in a header just before them, so a
// (LPCSTR) cast hands Windows the characters themselves. Every allocation and release happens
// inside afxlite.dll, so a string made in one module may be freed in another.
//
// Out-of-range indices and counts never touch memory outside the string: reads give 0 or an
// empty result, writes do nothing, counts are clamped (the framework asserts instead).
#pragma once
#include "AfxApi.h"
#include <cstdarg>

class AFX_LITE_API CString
{
public:
    // Construction
    CString();
    CString(const CString& other);
    CString(CString&& other) noexcept;
    // Null and resource-id-sized pointers (below 64K) give an empty string.
    CString(LPCSTR psz);
    CString(const unsigned char* psz);
    CString(char ch, int nRepeat = 1);
    // Copies nLength bytes from pch (clamped to zero when negative).
    CString(LPCSTR pch, int nLength);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& other);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

    // Attributes
    int GetLength() const { return Header()->nDataLength; }
    int GetAllocLength() const { return Header()->nAllocLength; }
    bool IsEmpty() const { return GetLength() == 0; }
    LPCSTR GetString() const { return m_pszData; }
    operator LPCSTR() const { return m_pszData; }
    // char is signed here: bytes 0x80-0xFF read as negative values. 0 past the end.
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const;
    void SetAt(int nIndex, char ch);

    // Extraction (counts clamped to the string)
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // Searching: -1 when not found or when the start is out of range
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    // Comparison: Compare orders by unsigned byte values; the NoCase forms fold both sides
    // with the same table as MakeLower; Collate follows the C run-time's locale.
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;
    int Collate(LPCSTR psz) const;
    int CollateNoCase(LPCSTR psz) const;

    // Modification
    void Empty();
    void SetString(LPCSTR psz);
    void SetString(LPCSTR pch, int nLength);
    void Append(LPCSTR psz);
    void Append(LPCSTR pch, int nLength);
    void Append(const CString& other);
    void AppendChar(char ch);
    CString& MakeLower();
    CString& MakeUpper();
    CString& MakeReverse();
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    // Index clamped into [0, length]; returns the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    // Clamped to the string; returns the new length.
    int Delete(int nIndex, int nCount = 1);
    void Truncate(int nNewLength);

    // Formatting with the C run-time's printf rules, any length. CString arguments are passed
    // as their characters, so Format("%s", str) works without a cast.
    template <typename... Args>
    void Format(LPCSTR pszFormat, const Args&... args)
    {
        FormatArgs(pszFormat, PassArg(args)...);
    }
    template <typename... Args>
    void AppendFormat(LPCSTR pszFormat, const Args&... args)
    {
        AppendFormatArgs(pszFormat, PassArg(args)...);
    }
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormatV(LPCSTR pszFormat, va_list args);

    // Buffer access: write up to the returned capacity, then ReleaseBuffer(-1) takes the length
    // up to the first NUL (or the capacity), ReleaseBuffer(n) takes n clamped to the capacity.
    LPSTR GetBuffer();
    LPSTR GetBuffer(int nMinBufferLength);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();
    LPSTR LockBuffer() { return GetBuffer(); }
    void UnlockBuffer() {}

    // Implementation
private:
    struct Data
    {
        int nDataLength;
        int nAllocLength;
        char* Chars() { return reinterpret_cast<char*>(this + 1); }
    };

    void __cdecl FormatArgs(LPCSTR pszFormat, ...);
    void __cdecl AppendFormatArgs(LPCSTR pszFormat, ...);

    Data* Header() const { return reinterpret_cast<Data*>(m_pszData) - 1; }
    // Makes room for nLength characters plus the terminator, keeping the current content.
    void Reserve(int nLength);
    void SetLengthUnchecked(int nLength);
    void Release();
    bool Overlaps(LPCSTR p) const;
    int TrimLeftSpan(bool (*pfnMatch)(unsigned char, const void*), const void* pContext) const;
    int TrimRightSpan(bool (*pfnMatch)(unsigned char, const void*), const void* pContext) const;

    static LPCSTR PassArg(const CString& str) { return str.GetString(); }
    template <typename T>
    static const T& PassArg(const T& value) { return value; }

    LPSTR m_pszData;
};

AFX_LITE_API CString operator+(const CString& left, const CString& right);
AFX_LITE_API CString operator+(const CString& left, LPCSTR right);
AFX_LITE_API CString operator+(LPCSTR left, const CString& right);
AFX_LITE_API CString operator+(const CString& left, char right);
AFX_LITE_API CString operator+(char left, const CString& right);

AFX_LITE_API bool operator==(const CString& left, const CString& right);
AFX_LITE_API bool operator==(const CString& left, LPCSTR right);
AFX_LITE_API bool operator==(LPCSTR left, const CString& right);
AFX_LITE_API bool operator==(const CString& left, char right);
AFX_LITE_API bool operator==(char left, const CString& right);
AFX_LITE_API bool operator!=(const CString& left, const CString& right);
AFX_LITE_API bool operator!=(const CString& left, LPCSTR right);
AFX_LITE_API bool operator!=(LPCSTR left, const CString& right);
AFX_LITE_API bool operator!=(const CString& left, char right);
AFX_LITE_API bool operator!=(char left, const CString& right);
AFX_LITE_API bool operator<(const CString& left, const CString& right);
AFX_LITE_API bool operator<(const CString& left, LPCSTR right);
AFX_LITE_API bool operator<(LPCSTR left, const CString& right);
AFX_LITE_API bool operator>(const CString& left, const CString& right);
AFX_LITE_API bool operator>(const CString& left, LPCSTR right);
AFX_LITE_API bool operator>(LPCSTR left, const CString& right);
AFX_LITE_API bool operator<=(const CString& left, const CString& right);
AFX_LITE_API bool operator<=(const CString& left, LPCSTR right);
AFX_LITE_API bool operator<=(LPCSTR left, const CString& right);
AFX_LITE_API bool operator>=(const CString& left, const CString& right);
AFX_LITE_API bool operator>=(const CString& left, LPCSTR right);
AFX_LITE_API bool operator>=(LPCSTR left, const CString& right);
