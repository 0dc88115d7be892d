#include "DateTime.h"
#include "LocaleUtils.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
// Sets the user's short-date pattern for one scope and puts the previous one back afterwards.
class LocaleOverride
{
public:
    explicit LocaleOverride(const char* pattern)
    {
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_previous, sizeof(m_previous));
        EXPECT_TRUE(SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, pattern));
    }
    ~LocaleOverride()
    {
        if (m_previous[0])
            SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, m_previous);
    }

private:
    char m_previous[128] = {0};
};

DateTime MakeDate(int year, int month, int day, int hour = -1, int minute = 0, int second = 0)
{
    DateTime value;
    EXPECT_TRUE(value.SetDate(year, month, day));
    if (hour >= 0)
    {
        EXPECT_TRUE(value.SetTime(hour, minute, second));
    }
    return value;
}
}

// The date edit's own form of a date in patterns the locale tests of the edit do not set: a year
// of two digits written with four, a quoted separator, a day name, a separator of digits.
TEST(DateTime, EachShortDatePatternGivesOrderSeparatorAndAnEditFormThatReadsBack)
{
    // editForm: 7 March 2024.
    const struct { const char* pattern; UINT day, month, year; const char* separator, *editForm; } rows[] = {
        {"dd/MM/yy", 0, 1, 2, "/", "07/03/2024"},     {"yyyy'x'MM'x'dd", 2, 1, 0, "x", "2024x03x07"},
        {"ddd dd/MM/yy", 0, 1, 2, "/", nullptr},
        {"dd'1'MM'1'yyyy", 0, 1, 2, "/", nullptr}, // a separator of digits cannot be used
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pattern);
        LocaleOverride locale(row.pattern);
        UINT day = 9, month = 9, year = 9;
        LocaleUtils::GetDateOrdering(day, month, year);
        EXPECT_EQ(row.day, day);
        EXPECT_EQ(row.month, month);
        EXPECT_EQ(row.year, year);
        EXPECT_EQ(row.separator, LocaleUtils::GetDateSeparator());
        if (!row.editForm)
            continue;
        EXPECT_EQ(row.editForm, DateTime::ConvertDateToText(MakeDate(2024, 3, 7), false, false, false, true));
        for (const DateTime& date : {MakeDate(1999, 12, 31), MakeDate(1601, 1, 1), MakeDate(9999, 12, 31), MakeDate(2049, 7, 4)})
        {
            DateTime parsed;
            ASSERT_TRUE(parsed.SetDate(DateTime::ConvertDateToText(date, false, false, false, true)));
            EXPECT_TRUE(parsed == date);
        }
    }
}

// A refused text (no date given) leaves the value as it was; an accepted one keeps the time.
TEST(DateTime, SetDateReadsTheUserOrderAndCommonSeparatorsAndRefusesTheRest)
{
    const DateTime none;
    const struct { const char* pattern; CString text; DateTime date; } rows[] = {
        {"dd.MM.yyyy", " 06/12/24 ", MakeDate(2024, 12, 6)}, {"dd.MM.yyyy", "6-12-50", MakeDate(1950, 12, 6)},
        {"dd.MM.yyyy", "6 12 2049", MakeDate(2049, 12, 6)},
        {"dd.MM.yyyy", "2024-12-06", MakeDate(2024, 12, 6)}, // four digits first: year-month-day anywhere
        {"M/d/yyyy", "2.29.96", MakeDate(1996, 2, 29)},        {"yyyy. MM. dd.", "2024. 12. 06.", MakeDate(2024, 12, 6)},
        {"yyyy. MM. dd.", "24.12.6", MakeDate(2024, 12, 6)},
        {"dd.MM.yyyy", LocaleUtils::GetDayName(5, false) + ", 06.12.2024", MakeDate(2024, 12, 6)},
        // Only the right day name may stand before the date (6 December 2024 is a Friday).
        {"dd.MM.yyyy", LocaleUtils::GetDayName(4, true) + " 06.12.2024", none},
        {"dd.MM.yyyy", "29.02.2023", none}, {"dd.MM.yyyy", "1.13.2024", none}, {"dd.MM.yyyy", "1.1.1600", none},
        {"dd.MM.yyyy", "1.1.202", none},    {"dd.MM.yyyy", "1.1.10000", none}, {"dd.MM.yyyy", "1.1.2024.1", none},
        {"dd.MM.yyyy", "1.1", none},        {"dd.MM.yyyy", "", none},          {"dd.MM.yyyy", "1.1-2024", none},
        {"dd.MM.yyyy", "\x80\xFF.1.2024", none}, {"dd.MM.yyyy", CString('1', 5000), none},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.pattern) + " " + row.text.Left(40).GetString());
        LocaleOverride locale(row.pattern);
        DateTime value = MakeDate(2001, 2, 3, 4, 5, 6);
        EXPECT_EQ(row.date.IsValidDate(), value.SetDate(row.text));
        DateTime expected = MakeDate(2001, 2, 3, 4, 5, 6);
        if (row.date.IsValidDate())
            expected.SetDate(row.date.GetYear(), row.date.GetMonth(), row.date.GetDay());
        EXPECT_TRUE(value == expected);
    }
}

// A refused text (no hour given) leaves the value as it was; an accepted one keeps the date and
// comes back from its text with and without seconds.
TEST(DateTime, SetTimeReadsTwelveAndTwentyFourHourFormsAndRefusesTheRest)
{
    // hour -1: refused; listForm: without seconds.
    const struct { const char* text; int hour, minute = 0, second = 0; const char* listForm = nullptr; } rows[] = {
        {"08:05", 8, 5, 0, "8:05"},            {" 0:00 ", 0, 0, 0, "0:00"},      {"23:59:59", 23, 59, 59, "23:59:59"},
        {"9:30 PM", 21, 30, 0, "21:30"},       {"12:15am", 0, 15, 0, "0:15"},    {"12:00 pm", 12, 0, 0, "12:00"},
        {"24:00", -1}, {"9:60", -1}, {"9:5", -1}, {"9:30:", -1}, {"13:00 PM", -1}, {"0:30 AM", -1}, {"9:30:60", -1},
        {"9:30 XM", -1}, {"-1:30", -1}, {"\xE9:30", -1}, {"9::30", -1},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.text);
        DateTime value = MakeDate(2001, 2, 3, 1, 2, 3);
        EXPECT_EQ(row.hour >= 0, value.SetTime(row.text));
        if (row.hour < 0)
        {
            EXPECT_TRUE(value == MakeDate(2001, 2, 3, 1, 2, 3));
            continue;
        }
        EXPECT_TRUE(value == MakeDate(2001, 2, 3, row.hour, row.minute, row.second));
        EXPECT_EQ(row.listForm, DateTime::ConvertTimeToText(value, false));
        for (bool withSeconds : {false, true})
        {
            DateTime parsed = MakeDate(2001, 2, 3);
            ASSERT_TRUE(parsed.SetTime(DateTime::ConvertTimeToText(value, withSeconds)));
            EXPECT_TRUE(parsed == value);
        }
    }
}

// The steps the calendar's keys and the date edit's wheel take: the day clamped across a year, and
// no step past the ends of the calendar.
TEST(DateTime, AddMonthsClampsTheDayAndStepsPastTheEndsAreRefused)
{
    // done false: refused, the value stays.
    const struct { DateTime start; bool months; int amount; DateTime expected; bool done; } rows[] = {
        {MakeDate(2024, 5, 31), true, 13, MakeDate(2025, 6, 30), true},
        {MakeDate(9999, 12, 1), true, 1, MakeDate(9999, 12, 1), false},
        {MakeDate(1601, 1, 1), false, -1, MakeDate(1601, 1, 1), false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        DateTime value = row.start;
        EXPECT_EQ(row.done, row.months ? value.AddMonths(row.amount) : value.AddDays(row.amount));
        EXPECT_TRUE(value == row.expected);
    }
}
