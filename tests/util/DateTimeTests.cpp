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

TEST(DateTime, EachShortDatePatternGivesOrderSeparatorEditFormAndRoundTrips)
{
    // editForm: 7 March 2024 with leading zeros.
    const struct { const char* pattern; UINT day, month, year; const char* separator, *editForm; } rows[] = {
        {"dd.MM.yyyy", 0, 1, 2, ".", "07.03.2024"},   {"M/d/yyyy", 1, 0, 2, "/", "03/07/2024"},
        {"yyyy-MM-dd", 2, 1, 0, "-", "2024-03-07"},   {"d. M. yyyy", 0, 1, 2, ". ", "07. 03. 2024"},
        {"dd/MM/yy", 0, 1, 2, "/", "07/03/2024"},     {"yyyy'x'MM'x'dd", 2, 1, 0, "x", "2024x03x07"},
        {"ddd dd/MM/yy", 0, 1, 2, "/", nullptr},
        {"dd'1'MM'1'yyyy", 0, 1, 2, "/", nullptr}, // a separator of digits cannot be used
    };
    const DateTime dates[] = {MakeDate(2024, 2, 29), MakeDate(1999, 12, 31), MakeDate(2000, 1, 1),
                              MakeDate(1601, 1, 1), MakeDate(9999, 12, 31), MakeDate(2049, 7, 4)};
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
        for (const DateTime& date : dates)
        {
            for (int flags = 0; flags < 16; ++flags)
            {
                CString text = DateTime::ConvertDateToText(date, flags & 1, flags & 2, flags & 4, flags & 8);
                SCOPED_TRACE(text.GetString());
                DateTime parsed;
                ASSERT_TRUE(parsed.SetDate(text));
                EXPECT_TRUE(parsed == date);
            }
        }
    }
    LocaleOverride locale("dd.MM.yyyy");
    EXPECT_EQ("2024-3-7", DateTime::ConvertDateToText(MakeDate(2024, 3, 7), false, true, true, false));
    EXPECT_EQ("7.3.24", DateTime::ConvertDateToText(MakeDate(2024, 3, 7), false, true, false, false));
    EXPECT_EQ("7.3.1949", DateTime::ConvertDateToText(MakeDate(1949, 3, 7), false, true, false, false));
    EXPECT_EQ("", DateTime::ConvertDateToText(DateTime(), false, false, false, true));
}

TEST(DateTime, SetDateReadsTheUserOrderAndCommonSeparators)
{
    const struct { const char* pattern; const char* text; int year, month, day; } rows[] = {
        {"dd.MM.yyyy", "6.12.2024", 2024, 12, 6},  {"dd.MM.yyyy", " 06/12/24 ", 2024, 12, 6},
        {"dd.MM.yyyy", "6-12-50", 1950, 12, 6},    {"dd.MM.yyyy", "6 12 2049", 2049, 12, 6},
        {"dd.MM.yyyy", "29.2.2000", 2000, 2, 29},
        {"dd.MM.yyyy", "2024-12-06", 2024, 12, 6}, // four digits first: year-month-day anywhere
        {"M/d/yyyy", "12/6/2024", 2024, 12, 6},    {"M/d/yyyy", "2.29.96", 1996, 2, 29},
        {"yyyy. MM. dd.", "2024. 12. 06.", 2024, 12, 6}, {"yyyy. MM. dd.", "24.12.6", 2024, 12, 6},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::string(row.pattern) + " " + row.text);
        LocaleOverride locale(row.pattern);
        DateTime value;
        ASSERT_TRUE(value.SetDate(row.text));
        EXPECT_TRUE(value == MakeDate(row.year, row.month, row.day));
    }
}

TEST(DateTime, SetDateRefusesAndKeepsTheValue)
{
    LocaleOverride locale("dd.MM.yyyy");
    const CString refused[] = {
        "31.02.2024", "29.02.2023", "1.13.2024", "0.1.2024", "1.0.2024", "1.1.202",
        "1.1.2", "1.1.20245", "1.1.10000", "1.1.1600", "1.1", "1.1.2024.1", "1.1-2024",
        "1..1.2024", "1.1.2024x", "x1.1.2024", "", "   ", ".", "123.1.2024",
        "1.1.99999999999999999999", "\x80\xFF.1.2024", "1\xE9" "1\xE9" "2024",
        "Tomorrow 1.1.2024", CString('1', 5000),
        // Only the right day name may stand before the date (6 December 2024 is a Friday).
        LocaleUtils::GetDayName(4, true) + " 06.12.2024"};
    for (const CString& text : refused)
    {
        SCOPED_TRACE(text.Left(40).GetString());
        DateTime value = MakeDate(2001, 2, 3, 4, 5, 6);
        const DateTime before = value;
        EXPECT_FALSE(value.SetDate(text));
        EXPECT_TRUE(value == before);
    }
    DateTime value;
    ASSERT_EQ(5, MakeDate(2024, 12, 6).GetDayOfWeek());
    EXPECT_TRUE(value.SetDate(LocaleUtils::GetDayName(5, false) + ", 06.12.2024"));
    EXPECT_TRUE(value == MakeDate(2024, 12, 6));
}

TEST(DateTime, SetTimeFormsAndTextsThatParseBack)
{
    const struct { const char* text; int hour, minute, second; const char* listForm; } rows[] = { // listForm: without seconds
        {"8:00", 8, 0, 0, "8:00"},           {"08:05", 8, 5, 0, "8:05"},       {" 0:00 ", 0, 0, 0, "0:00"},
        {"23:59:59", 23, 59, 59, "23:59:59"}, {"9:30 PM", 21, 30, 0, "21:30"}, {"12:15am", 0, 15, 0, "0:15"},
        {"12:00 pm", 12, 0, 0, "12:00"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.text);
        DateTime value = MakeDate(2001, 2, 3);
        ASSERT_TRUE(value.SetTime(row.text));
        EXPECT_TRUE(value == MakeDate(2001, 2, 3, row.hour, row.minute, row.second));
        EXPECT_EQ(row.listForm, DateTime::ConvertTimeToText(value, false));
        for (bool withSeconds : {false, true})
        {
            DateTime parsed = MakeDate(2001, 2, 3);
            ASSERT_TRUE(parsed.SetTime(DateTime::ConvertTimeToText(value, withSeconds)));
            EXPECT_TRUE(parsed == value);
        }
    }
    for (const char* text : {"24:00", "9:60", "9:5", "9", "9:30:", "13:00 PM", "0:30 AM", "9:30:60", "abc", "",
                             "9:30 XM", "-1:30", "\xE9:30", "9::30"})
    {
        SCOPED_TRACE(text);
        DateTime value = MakeDate(2001, 2, 3, 1, 2, 3);
        EXPECT_FALSE(value.SetTime(text));
        EXPECT_TRUE(value == MakeDate(2001, 2, 3, 1, 2, 3));
    }
    EXPECT_EQ("8:00:00", DateTime::ConvertTimeToText(MakeDate(2001, 2, 3, 8), true));
    EXPECT_EQ("", DateTime::ConvertTimeToText(DateTime(), false));
    DateTime cleared = MakeDate(2001, 2, 3, 8);
    cleared.ClearTime();
    EXPECT_TRUE(cleared == MakeDate(2001, 2, 3)) << "clearing the time keeps the date";
}

TEST(DateTime, AddMonthsClampsTheDayAndAddMinutesWrapsAtMidnight)
{
    const auto D = [](int year, int month, int day) { return MakeDate(year, month, day); };
    const auto T = [](int hour, int minute) { return MakeDate(2024, 12, 31, hour, minute, 7); };
    const DateTime none;
    const int big = 2147483647;
    // done false: refused, the value stays.
    const struct { DateTime start; char unit; int amount; DateTime expected; bool done; } rows[] = {
        {D(2023, 1, 31), 'M', 1, D(2023, 2, 28), true},     {D(2024, 3, 31), 'M', -1, D(2024, 2, 29), true},
        {D(2024, 12, 15), 'M', 1, D(2025, 1, 15), true},    {D(2024, 5, 31), 'M', 13, D(2025, 6, 30), true},
        {D(2000, 2, 29), 'M', 12, D(2001, 2, 28), true},    {D(2024, 10, 31), 'M', -120, D(2014, 10, 31), true},
        {D(9999, 12, 1), 'M', 1, D(9999, 12, 1), false},    {D(9999, 12, 1), 'M', -big - 1, D(9999, 12, 1), false},
        {none, 'M', 1, none, false},                        {D(2024, 2, 28), 'D', 2, D(2024, 3, 1), true},
        {D(2024, 3, 1), 'D', -366, D(2023, 3, 1), true},    {D(1601, 1, 1), 'D', -1, D(1601, 1, 1), false},
        {T(23, 30), 'm', 45, T(0, 15), true},               {T(0, 10), 'm', -15, T(23, 55), true},
        {T(12, 0), 'm', 1440 * 3 + 1, T(12, 1), true},      {T(12, 0), 'm', -1440 * 5 - 60, T(11, 0), true},
        {T(0, 0), 'm', big, T(big / 60 % 24, big % 60), true}, {D(2024, 12, 31), 'm', 5, D(2024, 12, 31), false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        DateTime value = row.start;
        const bool done = row.unit == 'M'   ? value.AddMonths(row.amount)
                          : row.unit == 'D' ? value.AddDays(row.amount)
                                            : value.AddMinutes(row.amount);
        EXPECT_EQ(row.done, done);
        EXPECT_TRUE(value == row.expected);
    }
}
