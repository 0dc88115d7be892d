#include "DateTime.h"
#include "LocaleOverride.h"
#include "LocaleUtils.h"
#include <gtest/gtest.h>
#include <string>

namespace
{
DateTime MakeDate(int year, int month, int day)
{
    DateTime value;
    EXPECT_TRUE(value.SetDate(year, month, day));
    return value;
}

// Reports the caller's line with the text that failed.
void ExpectDate(const char* text, int year, int month, int day)
{
    SCOPED_TRACE(text);
    DateTime value;
    ASSERT_TRUE(value.SetDate(text));
    EXPECT_EQ(year, value.GetYear());
    EXPECT_EQ(month, value.GetMonth());
    EXPECT_EQ(day, value.GetDay());
}

const char* const kPatterns[] = {"dd.MM.yyyy", "M/d/yyyy", "yyyy-MM-dd", "d. M. yyyy",
                                 "dd/MM/yy", "yyyy'x'MM'x'dd"};
}

TEST(DateTime, DefaultValueIsEmpty)
{
    DateTime value;
    EXPECT_FALSE(value.IsValidDate());
    EXPECT_FALSE(value.IsValidTime());
    EXPECT_EQ(0, value.GetMonth());
    EXPECT_EQ(-1, value.GetHour());
    EXPECT_EQ(-1, value.GetDayOfWeek());
    EXPECT_EQ("", DateTime::ConvertDateToText(value, false, false, false, true));
    EXPECT_EQ("", DateTime::ConvertTimeToText(value, false));
}

TEST(DateTime, DateTextsParseBackInEveryLocaleOrder)
{
    const DateTime dates[] = {MakeDate(2024, 2, 29), MakeDate(1999, 12, 31), MakeDate(2000, 1, 1),
                              MakeDate(1601, 1, 1), MakeDate(9999, 12, 31), MakeDate(2049, 7, 4)};
    for (const char* pattern : kPatterns)
    {
        LocaleOverride locale(pattern);
        for (const DateTime& date : dates)
        {
            for (int flags = 0; flags < 16; ++flags)
            {
                CString text = DateTime::ConvertDateToText(date, flags & 1, flags & 2, flags & 4,
                                                           flags & 8);
                SCOPED_TRACE(std::string(pattern) + " -> " + text.GetString());
                DateTime parsed;
                ASSERT_TRUE(parsed.SetDate(text));
                EXPECT_TRUE(parsed == date);
            }
        }
    }
}

TEST(DateTime, DateEditFormFollowsTheLocale)
{
    const DateTime date = MakeDate(2024, 3, 7);
    const struct
    {
        const char* pattern;
        const char* expected;
    } rows[] = {{"dd.MM.yyyy", "07.03.2024"}, {"M/d/yyyy", "03/07/2024"},
                {"yyyy-MM-dd", "2024-03-07"}, {"d. M. yyyy", "07. 03. 2024"}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.pattern);
        LocaleOverride locale(row.pattern);
        EXPECT_EQ(row.expected, DateTime::ConvertDateToText(date, false, false, false, true));
    }
    LocaleOverride locale("dd.MM.yyyy");
    EXPECT_EQ("2024-3-7", DateTime::ConvertDateToText(date, false, true, true, false));
    EXPECT_EQ("7.3.24", DateTime::ConvertDateToText(date, false, true, false, false));
    EXPECT_EQ("7.3.1949", DateTime::ConvertDateToText(MakeDate(1949, 3, 7), false, true, false, false));
}

TEST(DateTime, SetDateReadsTheUserOrderAndCommonSeparators)
{
    {
        LocaleOverride locale("dd.MM.yyyy");
        ExpectDate("6.12.2024", 2024, 12, 6);
        ExpectDate(" 06/12/24 ", 2024, 12, 6);
        ExpectDate("6-12-50", 1950, 12, 6);
        ExpectDate("6 12 2049", 2049, 12, 6);
        ExpectDate("2024-12-06", 2024, 12, 6); // four digits first: year-month-day anywhere
        ExpectDate("29.2.2000", 2000, 2, 29);
    }
    {
        LocaleOverride locale("M/d/yyyy");
        ExpectDate("12/6/2024", 2024, 12, 6);
        ExpectDate("2.29.96", 1996, 2, 29);
    }
    {
        LocaleOverride locale("yyyy. MM. dd.");
        ExpectDate("2024. 12. 06.", 2024, 12, 6);
        ExpectDate("24.12.6", 2024, 12, 6);
    }
}

TEST(DateTime, SetDateRefusesAndKeepsTheValue)
{
    LocaleOverride locale("dd.MM.yyyy");
    const char* const refused[] = {
        "31.02.2024", "29.02.2023", "1.13.2024", "0.1.2024", "1.0.2024", "1.1.202",
        "1.1.2", "1.1.20245", "1.1.10000", "1.1.1600", "1.1", "1.1.2024.1", "1.1-2024",
        "1..1.2024", "1.1.2024x", "x1.1.2024", "", "   ", ".", "123.1.2024",
        "1.1.99999999999999999999", "\x80\xFF.1.2024", "1\xE9" "1\xE9" "2024",
        "Tomorrow 1.1.2024"};
    for (const char* text : refused)
    {
        SCOPED_TRACE(text);
        DateTime value = MakeDate(2001, 2, 3);
        value.SetTime(4, 5, 6);
        const DateTime before = value;
        EXPECT_FALSE(value.SetDate(text));
        EXPECT_TRUE(value == before);
    }
    CString longText('1', 5000);
    DateTime value;
    EXPECT_FALSE(value.SetDate(longText));
}

TEST(DateTime, SetDateAcceptsTheRightDayNameOnly)
{
    LocaleOverride locale("dd.MM.yyyy");
    const DateTime friday = MakeDate(2024, 12, 6);
    ASSERT_EQ(5, friday.GetDayOfWeek());
    CString full = LocaleUtils::GetDayName(5, false) + ", 06.12.2024";
    CString wrong = LocaleUtils::GetDayName(4, true) + " 06.12.2024";
    DateTime value;
    EXPECT_TRUE(value.SetDate(full)) << full.GetString();
    EXPECT_TRUE(value == friday);
    EXPECT_FALSE(value.SetDate(wrong)) << wrong.GetString();
}

TEST(DateTime, SetTimeForms)
{
    struct Row
    {
        const char* text;
        int hour; // -1: refused
        int minute;
        int second;
    } rows[] = {
        {"8:00", 8, 0, 0},     {"08:05", 8, 5, 0},     {"23:59:59", 23, 59, 59},
        {" 0:00 ", 0, 0, 0},   {"9:30 PM", 21, 30, 0}, {"12:15am", 0, 15, 0},
        {"12:00 pm", 12, 0, 0}, {"24:00", -1, 0, 0},   {"9:60", -1, 0, 0},
        {"9:5", -1, 0, 0},     {"9", -1, 0, 0},        {"9:30:", -1, 0, 0},
        {"13:00 PM", -1, 0, 0}, {"0:30 AM", -1, 0, 0}, {"9:30:60", -1, 0, 0},
        {"abc", -1, 0, 0},     {"", -1, 0, 0},         {"9:30 XM", -1, 0, 0},
        {"-1:30", -1, 0, 0},   {"\xE9:30", -1, 0, 0},  {"9::30", -1, 0, 0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.text);
        DateTime value;
        value.SetTime(1, 2, 3);
        bool parsed = value.SetTime(row.text);
        EXPECT_EQ(row.hour >= 0, parsed);
        EXPECT_EQ(row.hour >= 0 ? row.hour : 1, value.GetHour());
        EXPECT_EQ(row.hour >= 0 ? row.minute : 2, value.GetMinute());
        EXPECT_EQ(row.hour >= 0 ? row.second : 3, value.GetSecond());
    }
}

TEST(DateTime, TimeTextsParseBack)
{
    const int times[][3] = {{8, 0, 0}, {0, 0, 0}, {23, 59, 59}, {10, 5, 7}, {17, 30, 0}};
    for (const auto& t : times)
    {
        DateTime value;
        ASSERT_TRUE(value.SetTime(t[0], t[1], t[2]));
        for (bool withSeconds : {false, true})
        {
            CString text = DateTime::ConvertTimeToText(value, withSeconds);
            SCOPED_TRACE(text.GetString());
            DateTime parsed;
            ASSERT_TRUE(parsed.SetTime(text));
            EXPECT_TRUE(parsed == value);
        }
    }
    DateTime eight;
    eight.SetTime(8, 0, 0);
    EXPECT_EQ("8:00", DateTime::ConvertTimeToText(eight, false));
    EXPECT_EQ("8:00:00", DateTime::ConvertTimeToText(eight, true));
}

TEST(DateTime, AddMonthsClampsTheDay)
{
    struct Row
    {
        int year, month, day, months;
        int expectedYear, expectedMonth, expectedDay;
    } rows[] = {
        {2024, 1, 31, 1, 2024, 2, 29},  {2023, 1, 31, 1, 2023, 2, 28},
        {2024, 3, 31, -1, 2024, 2, 29}, {2024, 12, 15, 1, 2025, 1, 15},
        {2024, 1, 15, -1, 2023, 12, 15}, {2024, 5, 31, 13, 2025, 6, 30},
        {2000, 2, 29, 12, 2001, 2, 28}, {2024, 10, 31, -120, 2014, 10, 31},
    };
    for (const Row& row : rows)
    {
        DateTime value = MakeDate(row.year, row.month, row.day);
        SCOPED_TRACE(testing::Message() << row.year << "-" << row.month << "-" << row.day
                                        << " + " << row.months);
        ASSERT_TRUE(value.AddMonths(row.months));
        EXPECT_EQ(row.expectedYear, value.GetYear());
        EXPECT_EQ(row.expectedMonth, value.GetMonth());
        EXPECT_EQ(row.expectedDay, value.GetDay());
    }
    DateTime last = MakeDate(9999, 12, 1);
    EXPECT_FALSE(last.AddMonths(1));
    EXPECT_FALSE(last.AddMonths(-2147483647 - 1));
    EXPECT_TRUE(last == MakeDate(9999, 12, 1));
    DateTime empty;
    EXPECT_FALSE(empty.AddMonths(1));
    EXPECT_FALSE(empty.IsValidDate());
}

TEST(DateTime, AddMinutesWrapsAtMidnight)
{
    struct Row
    {
        int hour, minute, minutes, expectedHour, expectedMinute;
    } rows[] = {
        {23, 30, 45, 0, 15}, {0, 10, -15, 23, 55}, {12, 0, 1440 * 3 + 1, 12, 1},
        {12, 0, -1440 * 5 - 60, 11, 0}, {0, 0, 2147483647, 2147483647 / 60 % 24, 2147483647 % 60},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(testing::Message() << row.hour << ":" << row.minute << " + " << row.minutes);
        DateTime value = MakeDate(2024, 12, 31);
        value.SetTime(row.hour, row.minute, 7);
        ASSERT_TRUE(value.AddMinutes(row.minutes));
        EXPECT_EQ(row.expectedHour, value.GetHour());
        EXPECT_EQ(row.expectedMinute, value.GetMinute());
        EXPECT_EQ(7, value.GetSecond());
        EXPECT_EQ(31, value.GetDay()) << "the date stays";
    }
    DateTime noTime;
    EXPECT_FALSE(noTime.AddMinutes(5));
}

TEST(DateTime, DaysAndClearing)
{
    DateTime value = MakeDate(2024, 2, 28);
    ASSERT_TRUE(value.AddDays(2));
    EXPECT_TRUE(value == MakeDate(2024, 3, 1));
    ASSERT_TRUE(value.AddDays(-366));
    EXPECT_TRUE(value == MakeDate(2023, 3, 1));
    EXPECT_EQ(3, value.GetDayOfWeek()); // a Wednesday
    DateTime first = MakeDate(1601, 1, 1);
    EXPECT_FALSE(first.AddDays(-1));

    value.SetTime(9, 0, 0);
    value.ClearTime();
    EXPECT_FALSE(value.IsValidTime());
    EXPECT_TRUE(value.IsValidDate());
    value.ClearDate();
    EXPECT_TRUE(value == DateTime());

    DateTime now;
    now.SetToCurrent();
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_TRUE(now.IsValidDate() && now.IsValidTime());
    EXPECT_EQ(local.wYear, now.GetYear());
}
