/// @class DateTime
/// A calendar date and a time of day, each of which may be empty on its own: the value that the
/// date and time controls show, parse and step. A default value has neither.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API DateTime
{
public:
    /// Dates run from 1 January 1601 to 31 December 9999 (Gregorian calendar), the range that
    /// the system's date structures and the calendar control can show.
    ///@{
    static constexpr int MinYear = 1601;
    static constexpr int MaxYear = 9999;
    ///@}

    /// An empty value: no date and no time.
    DateTime();

// Attributes
    /// Whether the value holds a date, and a time of day.
    ///@{
    bool IsValidDate() const;
    bool IsValidTime() const;
    ///@}
    /// Date parts: 0 without a date. Day of week 0 = Sunday to 6 = Saturday, -1 without a date.
    ///@{
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetDayOfWeek() const;
    ///@}
    /// Time parts: -1 without a time.
    ///@{
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    ///@}

    /// Equal when both the dates and the times are (an empty part equals only an empty part).
    ///@{
    bool operator==(const DateTime& other) const;
    bool operator!=(const DateTime& other) const;
    ///@}

// Operations
    /// Each setter returns false and leaves the value unchanged when its input is refused.
    /// Setting the date keeps the time, and setting the time keeps the date.
    bool SetDate(int year, int month, int day);

    /// Parses a short date in the user's order and separator (LocaleUtils): day and month of one
    /// or two digits, a year of four digits or of two (00-49 = 2000-2049, 50-99 = 1950-1999).
    /// Separators: the locale's, ".", "/", "-" or spaces, the same one both times, with spaces
    /// around it allowed; the same separator may also close the text ("2024. 02. 29."). A first
    /// field of four digits is always year-month-day, in every locale. The text may start with
    /// the locale's full or abbreviated day name (then a comma or space), which must fit the date.
    bool SetDate(const CString& text);

    /// Sets the time of day: hour 0 to 23, minute and second 0 to 59.
    bool SetTime(int hour, int minute, int second);

    /// Parses H:MM, HH:MM, H:MM:SS or HH:MM:SS (0:00 to 23:59:59), with ":" or the locale's time
    /// separator, spaces around the text allowed; or the same with hours 1 to 12 followed by
    /// AM/PM or the locale's designators (12 AM = 0:00), letter case ignored.
    bool SetTime(const CString& text);

    /// Empties the date, or the time; the other part stays.
    ///@{
    void ClearDate();
    void ClearTime();
    ///@}

    /// Today's date and the current local time, to the second.
    void SetToCurrent();

    /// Moves the date by whole months; the day is clamped to the target month's last day
    /// (31 January + 1 = 28 or 29 February). False without a date or beyond the year range.
    bool AddMonths(int months);

    /// Moves the date by days. False without a date or beyond the year range.
    bool AddDays(int days);

    /// Moves the time of day, wrapping at midnight in both directions; the date stays as it is.
    /// False without a time.
    bool AddMinutes(int minutes);

    /// The date as text, empty without a date:
    ///   withWeekday  - the locale's abbreviated day name and a space before the date;
    ///   twoDigitYear - the year in two digits when SetDate reads it back as the same year
    ///                  (1950-2049), else in four; ignored in the ISO form;
    ///   isoForm      - year-month-day joined by "-", whatever the locale; else the user's
    ///                  order and separator;
    ///   leadingZeros - day and month always in two digits.
    /// SetDate reads every form back as the same date.
    static CString ConvertDateToText(const DateTime& value, bool withWeekday, bool twoDigitYear,
                                     bool isoForm, bool leadingZeros);

    /// The time as text, empty without a time: withSeconds false gives H:MM (the time list's
    /// form, "8:00"), with ":SS" added only when the seconds are not zero, so that nothing is
    /// lost; true always gives H:MM:SS. SetTime reads both back as the same time.
    static CString ConvertTimeToText(const DateTime& value, bool withSeconds);

    /// Whether the year has a 29 February in the Gregorian calendar.
    static bool IsLeapYear(int year);
    /// Days in the month, 0 for a month outside 1 to 12.
    static int GetDaysInMonth(int year, int month);

private:
    int m_nDate; // year * 10000 + month * 100 + day; 0 = no date
    int m_nTime; // seconds since midnight; -1 = no time
};
