#include "NumberTextConv.h"
#include <gtest/gtest.h>

TEST(NumberTextConv, ReadsWholeNumbersOnly)
{
    // The thousand separator of the test machine's locale is ",".
    const struct
    {
        const char* text;
        int expected;
        bool isNumber;
    } rows[] = {
        {"60", 60, true},         {" -15 ", -15, true},     {"+7", 7, true},
        {"007", 7, true},         {"1,234,567", 1234567, true},
        {"2147483647", 2147483647, true}, {"-2147483648", -2147483647 - 1, true},
        {"2147483648", 0, false}, {"99999999999999999999999999999999", 0, false},
        {"12abc", 0, false},      {"abc", 0, false},        {"", 0, false},
        {"-", 0, false},          {"1,23", 0, false},       {"1234,567", 0, false},
        {",123", 0, false},       {"1,,234", 0, false},     {"1.5", 0, false},
        {"\xB9\xB2", 0, false},   {"- 5", 0, false},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.text);
        int value = -99;
        EXPECT_EQ(row.isNumber, NumberTextConv::ParseNumber(row.text, value));
        EXPECT_EQ(row.expected, NumberTextConv::GetNumberFromString(row.text));
    }
    EXPECT_EQ(0, NumberTextConv::GetNumberFromString(CString('9', 100000)));
}

TEST(NumberTextConv, WritesTextThatReadsBack)
{
    const struct
    {
        int value;
        bool group;
        int minDigits;
        const char* separator;
        const char* expected;
    } rows[] = {
        {30, false, 0, "", "30"},           {-5, false, 3, "", "-005"},
        {1234567, true, 0, "", "1,234,567"}, {1234567, true, 0, ".", "1.234.567"},
        {-2147483647 - 1, false, 0, "", "-2147483648"}, {0, false, 0, "", "0"},
        {12, false, 1000, "", nullptr},     {999, true, 0, "", "999"},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.value);
        CString text = NumberTextConv::NumberToString(row.value, row.group, row.minDigits,
                                                      row.separator);
        if (row.expected)
        {
            EXPECT_EQ(row.expected, text);
        }
        else
        {
            EXPECT_EQ(64, text.GetLength()) << "padding is bounded";
        }
        if (CString(row.separator).IsEmpty())
        {
            EXPECT_EQ(row.value, NumberTextConv::GetNumberFromString(text));
        }
    }
}
