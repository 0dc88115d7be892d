#include "DateTime.h"
#include "LocaleUtils.h"
#include "StringUtils.h"

namespace
{
const int kSecondsPerDay = 24 * 60 * 60;
const int kMinutesPerDay = 24 * 60;

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// Days since 1 January 1970 in the proleptic Gregorian calendar, and back.
long long DaysFromCivil(int year, int month, int day)
{
    long long y = month <= 2 ? year - 1 : year;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yearOfEra = y - era * 400;
    long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, int& year, int& month, int& day)
{
    days += 719468;
    long long era = (days >= 0 ? days : days - 146096) / 146097;
    long long dayOfEra = days - era * 146097;
    long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

int ParseDigits(const CString& digits)
{
    int value = 0;
    for (int i = 0; i < digits.GetLength(); ++i)
        value = value * 10 + (digits[i] - '0');
    return value;
}

// Length of the locale day name (full or abbreviated, letter case ignored) that text starts
// with, the longest if several fit; 0 when none does.
int ReadDayName(const CString& text, int& dayOfWeek)
{
    int best = 0;
    for (int day = 0; day < 7; ++day)
    {
        for (int abbreviated = 0; abbreviated < 2; ++abbreviated)
        {
            CString name = LocaleUtils::GetDayName(day, abbreviated != 0);
            if (name.GetLength() > best && StringUtils::MatchFirstChars(text, name, false))
            {
                best = name.GetLength();
                dayOfWeek = day;
            }
        }
    }
    return best;
}

// Reads the run of non-digits at pos as a date separator. The run without its spaces must be
// one of the accepted separators, or be all spaces. kind receives the separator without spaces.
bool ReadDateSeparator(const CString& text, int& pos, CString& kind)
{
    int start = pos;
    while (pos < text.GetLength() && !IsDigit(text[pos]))
        ++pos;
    if (pos == start)
        return false;
    kind = text.Mid(start, pos - start);
    kind.Trim(' ');
    if (kind.IsEmpty())
        return true;
    CString localeKind = LocaleUtils::GetDateSeparator();
    localeKind.Trim(' ');
    return kind == "." || kind == "/" || kind == "-" || (!localeKind.IsEmpty() && kind == localeKind);
}

bool ReadDigits(const CString& text, int& pos, CString& digits, int maxLength)
{
    int start = pos;
    while (pos < text.GetLength() && IsDigit(text[pos]) && pos - start < maxLength + 1)
        ++pos;
    if (pos == start || pos - start > maxLength)
        return false;
    digits = text.Mid(start, pos - start);
    return true;
}

// Reads ":" or the locale's time separator at pos.
bool ReadTimeSeparator(const CString& text, int& pos)
{
    if (pos < text.GetLength() && text[pos] == ':')
    {
        ++pos;
        return true;
    }
    CString separator = LocaleUtils::GetTimeSeparator();
    if (!separator.IsEmpty() && StringUtils::MatchFirstChars(text.Mid(pos), separator, true))
    {
        pos += separator.GetLength();
        return true;
    }
    return false;
}

// Strips a trailing AM/PM designator (the locale's or the English one). Returns 0 when there
// is none, 1 for AM and 2 for PM.
int StripDesignator(CString& text)
{
    const CString candidates[4] = {LocaleUtils::GetTimeDesignator(false), "AM",
                                   LocaleUtils::GetTimeDesignator(true), "PM"};
    int bestLength = 0;
    int result = 0;
    for (int i = 0; i < 4; ++i)
    {
        const CString& name = candidates[i];
        int length = name.GetLength();
        if (length == 0 || length <= bestLength || length >= text.GetLength())
            continue;
        if (StringUtils::MatchFirstChars(text.Right(length), name, false) &&
            (IsDigit(text[text.GetLength() - length - 1]) ||
             text[text.GetLength() - length - 1] == ' '))
        {
            bestLength = length;
            result = i < 2 ? 1 : 2;
        }
    }
    if (result != 0)
    {
        text = text.Left(text.GetLength() - bestLength);
        text.TrimRight(' ');
    }
    return result;
}

CString TwoDigits(int value)
{
    CString text;
    text.Format("%02d", value);
    return text;
}
}

DateTime::DateTime() : m_nDate(0), m_nTime(-1)
{
}

bool DateTime::IsValidDate() const
{
    return m_nDate != 0;
}

bool DateTime::IsValidTime() const
{
    return m_nTime >= 0;
}

int DateTime::GetYear() const
{
    return m_nDate / 10000;
}

int DateTime::GetMonth() const
{
    return m_nDate / 100 % 100;
}

int DateTime::GetDay() const
{
    return m_nDate % 100;
}

int DateTime::GetDayOfWeek() const
{
    if (!IsValidDate())
        return -1;
    // 1 January 1970 was a Thursday.
    long long days = DaysFromCivil(GetYear(), GetMonth(), GetDay());
    return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

int DateTime::GetHour() const
{
    return IsValidTime() ? m_nTime / 3600 : -1;
}

int DateTime::GetMinute() const
{
    return IsValidTime() ? m_nTime / 60 % 60 : -1;
}

int DateTime::GetSecond() const
{
    return IsValidTime() ? m_nTime % 60 : -1;
}

bool DateTime::operator==(const DateTime& other) const
{
    return m_nDate == other.m_nDate && m_nTime == other.m_nTime;
}

bool DateTime::operator!=(const DateTime& other) const
{
    return !(*this == other);
}

bool DateTime::IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DateTime::GetDaysInMonth(int year, int month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool DateTime::SetDate(int year, int month, int day)
{
    if (year < MinYear || year > MaxYear || day < 1 || day > GetDaysInMonth(year, month))
        return false;
    m_nDate = year * 10000 + month * 100 + day;
    return true;
}

bool DateTime::SetDate(const CString& text)
{
    CString s = text;
    s.Trim();
    int pos = 0;
    int namedDay = -1;
    if (!s.IsEmpty() && !IsDigit(s[0]))
    {
        pos = ReadDayName(s, namedDay);
        if (pos == 0)
            return false;
        int afterName = pos;
        if (pos < s.GetLength() && s[pos] == ',')
            ++pos;
        while (pos < s.GetLength() && s[pos] == ' ')
            ++pos;
        if (pos == afterName)
            return false;
    }

    CString fields[3];
    CString kinds[2];
    for (int k = 0; k < 3; ++k)
    {
        if (!ReadDigits(s, pos, fields[k], 4))
            return false;
        if (k < 2 && !ReadDateSeparator(s, pos, kinds[k]))
            return false;
    }
    if (kinds[0] != kinds[1])
        return false;
    // One more separator may close the date, as in "2024. 02. 29.".
    CString rest = s.Mid(pos);
    rest.Trim(' ');
    if (!rest.IsEmpty() && (kinds[0].IsEmpty() || rest != kinds[0]))
        return false;

    UINT dayAt = 0;
    UINT monthAt = 1;
    UINT yearAt = 2;
    if (fields[0].GetLength() == 4)
    {
        yearAt = 0;
        dayAt = 2;
    }
    else
    {
        LocaleUtils::GetDateOrdering(dayAt, monthAt, yearAt);
        if (dayAt > 2 || monthAt > 2 || yearAt > 2)
            return false;
    }
    const CString& yearText = fields[yearAt];
    if ((yearText.GetLength() != 2 && yearText.GetLength() != 4) ||
        fields[dayAt].GetLength() > 2 || fields[monthAt].GetLength() > 2)
        return false;
    int year = ParseDigits(yearText);
    if (yearText.GetLength() == 2)
        year += year < 50 ? 2000 : 1900;

    DateTime parsed(*this);
    if (!parsed.SetDate(year, ParseDigits(fields[monthAt]), ParseDigits(fields[dayAt])))
        return false;
    if (namedDay >= 0 && parsed.GetDayOfWeek() != namedDay)
        return false;
    m_nDate = parsed.m_nDate;
    return true;
}

bool DateTime::SetTime(int hour, int minute, int second)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    m_nTime = hour * 3600 + minute * 60 + second;
    return true;
}

bool DateTime::SetTime(const CString& text)
{
    CString s = text;
    s.Trim();
    const int designator = StripDesignator(s);
    int pos = 0;
    CString hourText;
    CString minuteText;
    CString secondText("00");
    if (!ReadDigits(s, pos, hourText, 2) || !ReadTimeSeparator(s, pos) ||
        !ReadDigits(s, pos, minuteText, 2) || minuteText.GetLength() != 2)
        return false;
    if (pos < s.GetLength())
    {
        if (!ReadTimeSeparator(s, pos) || !ReadDigits(s, pos, secondText, 2) ||
            secondText.GetLength() != 2 || pos != s.GetLength())
            return false;
    }
    int hour = ParseDigits(hourText);
    if (designator != 0)
    {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (designator == 2 ? 12 : 0);
    }
    return SetTime(hour, ParseDigits(minuteText), ParseDigits(secondText));
}

void DateTime::ClearDate()
{
    m_nDate = 0;
}

void DateTime::ClearTime()
{
    m_nTime = -1;
}

void DateTime::SetToCurrent()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    SetDate(now.wYear, now.wMonth, now.wDay);
    SetTime(now.wHour, now.wMinute, now.wSecond);
}

bool DateTime::AddMonths(int months)
{
    if (!IsValidDate())
        return false;
    long long index = static_cast<long long>(GetYear()) * 12 + (GetMonth() - 1) + months;
    if (index < static_cast<long long>(MinYear) * 12 || index > static_cast<long long>(MaxYear) * 12 + 11)
        return false;
    int year = static_cast<int>(index / 12);
    int month = static_cast<int>(index % 12) + 1;
    int day = GetDay();
    if (day > GetDaysInMonth(year, month))
        day = GetDaysInMonth(year, month);
    return SetDate(year, month, day);
}

bool DateTime::AddDays(int days)
{
    if (!IsValidDate())
        return false;
    long long target = DaysFromCivil(GetYear(), GetMonth(), GetDay()) + days;
    if (target < DaysFromCivil(MinYear, 1, 1) || target > DaysFromCivil(MaxYear, 12, 31))
        return false;
    int year = 0;
    int month = 0;
    int day = 0;
    CivilFromDays(target, year, month, day);
    return SetDate(year, month, day);
}

bool DateTime::AddMinutes(int minutes)
{
    if (!IsValidTime())
        return false;
    long long seconds = m_nTime + static_cast<long long>(minutes % kMinutesPerDay) * 60;
    m_nTime = static_cast<int>(((seconds % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay);
    return true;
}

CString DateTime::ConvertDateToText(const DateTime& value, bool withWeekday, bool twoDigitYear,
                                    bool isoForm, bool leadingZeros)
{
    if (!value.IsValidDate())
        return CString();
    CString year;
    if (twoDigitYear && !isoForm && value.GetYear() >= 1950 && value.GetYear() <= 2049)
        year = TwoDigits(value.GetYear() % 100);
    else
        year.Format("%04d", value.GetYear());
    CString month;
    CString day;
    if (leadingZeros)
    {
        month = TwoDigits(value.GetMonth());
        day = TwoDigits(value.GetDay());
    }
    else
    {
        month.Format("%d", value.GetMonth());
        day.Format("%d", value.GetDay());
    }

    CString text;
    if (isoForm)
    {
        text = year + "-" + month + "-" + day;
    }
    else
    {
        UINT dayAt = 1;
        UINT monthAt = 0;
        UINT yearAt = 2;
        LocaleUtils::GetDateOrdering(dayAt, monthAt, yearAt);
        CString fields[3];
        fields[dayAt % 3] = day;
        fields[monthAt % 3] = month;
        fields[yearAt % 3] = year;
        CString separator = LocaleUtils::GetDateSeparator();
        text = fields[0] + separator + fields[1] + separator + fields[2];
    }
    if (withWeekday)
        text = LocaleUtils::GetDayName(value.GetDayOfWeek(), true) + " " + text;
    return text;
}

CString DateTime::ConvertTimeToText(const DateTime& value, bool withSeconds)
{
    if (!value.IsValidTime())
        return CString();
    CString text;
    if (withSeconds || value.GetSecond() != 0)
        text.Format("%d:%02d:%02d", value.GetHour(), value.GetMinute(), value.GetSecond());
    else
        text.Format("%d:%02d", value.GetHour(), value.GetMinute());
    return text;
}
