#include "LocaleUtils.h"

namespace
{
// The numeric fields of a short-date pattern in their order, with the literal text between the
// first two. Quoted literals ('...') are skipped; "ddd" and "dddd" are day names, not fields.
struct DatePattern
{
    char fields[3] = {0, 0, 0};
    int count = 0;
    CString firstSeparator;
    bool duplicate = false;
};

DatePattern ReadDatePattern(const CString& pattern)
{
    DatePattern result;
    CString literal;
    const int length = pattern.GetLength();
    int i = 0;
    while (i < length)
    {
        char ch = pattern[i];
        if (ch == '\'')
        {
            int close = pattern.Find('\'', i + 1);
            if (close < 0)
                close = length;
            literal += pattern.Mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (ch == 'd' || ch == 'M' || ch == 'y')
        {
            int run = i;
            while (run < length && pattern[run] == ch)
                ++run;
            bool isField = !(ch == 'd' && run - i > 2);
            if (isField)
            {
                for (int k = 0; k < result.count; ++k)
                    result.duplicate = result.duplicate || result.fields[k] == ch;
                if (result.count == 1)
                    result.firstSeparator = literal;
                if (result.count < 3)
                    result.fields[result.count] = ch;
                ++result.count;
            }
            literal.Empty();
            i = run;
            continue;
        }
        literal += ch;
        ++i;
    }
    return result;
}
}

CString LocaleUtils::GetLocaleText(LCTYPE type)
{
    char buffer[128] = {0};
    int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof(buffer));
    if (length <= 0)
        return CString();
    buffer[sizeof(buffer) - 1] = '\0';
    return CString(buffer);
}

void LocaleUtils::GetDateOrdering(UINT& day, UINT& month, UINT& year)
{
    DatePattern pattern = ReadDatePattern(GetLocaleText(LOCALE_SSHORTDATE));
    if (pattern.count == 3 && !pattern.duplicate)
    {
        for (UINT position = 0; position < 3; ++position)
        {
            switch (pattern.fields[position])
            {
            case 'd': day = position; break;
            case 'M': month = position; break;
            default: year = position; break;
            }
        }
        return;
    }
    CString order = GetLocaleText(LOCALE_IDATE);
    if (order == "1")
    {
        day = 0;
        month = 1;
        year = 2;
    }
    else if (order == "2")
    {
        year = 0;
        month = 1;
        day = 2;
    }
    else
    {
        month = 0;
        day = 1;
        year = 2;
    }
}

CString LocaleUtils::GetDateSeparator()
{
    DatePattern pattern = ReadDatePattern(GetLocaleText(LOCALE_SSHORTDATE));
    CString separator = pattern.count >= 2 ? pattern.firstSeparator : CString();
    if (separator.IsEmpty())
        separator = GetLocaleText(LOCALE_SDATE);
    // A separator with digits could not be told apart from the fields around it.
    if (separator.IsEmpty() || separator.FindOneOf("0123456789") >= 0)
        separator = "/";
    return separator;
}

CString LocaleUtils::GetTimeSeparator()
{
    CString separator = GetLocaleText(LOCALE_STIME);
    return separator.IsEmpty() ? CString(":") : separator;
}

CString LocaleUtils::GetThousandSeparator()
{
    CString separator = GetLocaleText(LOCALE_STHOUSAND);
    return separator.IsEmpty() ? CString(",") : separator;
}

CString LocaleUtils::GetDayName(int dayOfWeek, bool abbreviated)
{
    if (dayOfWeek < 0 || dayOfWeek > 6)
        return CString();
    // The locale numbers the days from Monday (1) to Sunday (7).
    int localeDay = dayOfWeek == 0 ? 6 : dayOfWeek - 1;
    LCTYPE first = abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1;
    return GetLocaleText(first + localeDay);
}

CString LocaleUtils::GetTimeDesignator(bool pm)
{
    return GetLocaleText(pm ? LOCALE_S2359 : LOCALE_S1159);
}
