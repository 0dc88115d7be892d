#include "NumberTextConv.h"
#include "LocaleUtils.h"

namespace
{
bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}
}

int NumberTextConv::GetNumberFromString(const CString& text)
{
    int value = 0;
    return ParseNumber(text, value) ? value : 0;
}

bool NumberTextConv::ParseNumber(const CString& text, int& value)
{
    const char* p = text.GetString();
    const char* end = p + text.GetLength();
    while (p < end && IsBlank(*p))
        ++p;
    while (end > p && IsBlank(end[-1]))
        --end;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-'))
    {
        negative = *p == '-';
        ++p;
    }
    if (p == end || !IsDigit(*p))
        return false;

    const CString separator = LocaleUtils::GetThousandSeparator();
    const int separatorLength = separator.GetLength();
    const long long limit = negative ? 2147483648LL : 2147483647LL;
    long long magnitude = 0;
    int groupDigits = 0;    // digits since the last separator
    bool grouped = false;
    while (p < end)
    {
        if (IsDigit(*p))
        {
            magnitude = magnitude * 10 + (*p - '0');
            if (magnitude > limit)
                return false;
            ++groupDigits;
            ++p;
            continue;
        }
        // A separator must follow one to three leading digits or a full group, and be followed
        // by a digit; the group after it is checked when the next separator or the end comes.
        bool isSeparator = separatorLength > 0 && end - p > separatorLength &&
                           strncmp(p, separator.GetString(), separatorLength) == 0 &&
                           IsDigit(p[separatorLength]);
        if (!isSeparator || groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
            return false;
        grouped = true;
        groupDigits = 0;
        p += separatorLength;
    }
    if (grouped && groupDigits != 3)
        return false;
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

CString NumberTextConv::NumberToString(int value, bool groupThousands, int minDigits,
                                       const CString& separator)
{
    // In 64 bits the magnitude of INT_MIN fits.
    long long wide = value;
    unsigned long long magnitude = static_cast<unsigned long long>(wide < 0 ? -wide : wide);
    CString digits;
    do
    {
        digits.Insert(0, static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (minDigits > 64)
        minDigits = 64;
    while (digits.GetLength() < minDigits)
        digits.Insert(0, '0');

    CString result;
    if (groupThousands)
    {
        const CString groupSeparator =
            separator.IsEmpty() ? LocaleUtils::GetThousandSeparator() : separator;
        const int length = digits.GetLength();
        for (int i = 0; i < length; ++i)
        {
            if (i > 0 && (length - i) % 3 == 0)
                result += groupSeparator;
            result += digits[i];
        }
    }
    else
    {
        result = digits;
    }
    if (value < 0)
        result.Insert(0, '-');
    return result;
}
