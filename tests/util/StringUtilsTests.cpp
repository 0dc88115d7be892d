#include "StringUtils.h"
#include "TextArray.h"
#include <gtest/gtest.h>
#include <string>

TEST(StringUtils, CaseTablesFollowTheAnsiCodePage)
{
    for (int c = 0; c < 256; ++c)
    {
        ASSERT_TRUE(StringUtils::m_tableLowercase[c] >= 0 && StringUtils::m_tableLowercase[c] < 256);
        ASSERT_TRUE(StringUtils::m_tableUppercase[c] >= 0 && StringUtils::m_tableUppercase[c] < 256);
    }
    EXPECT_EQ('a', StringUtils::m_tableLowercase['A']);
    EXPECT_EQ('Z', StringUtils::m_tableUppercase['z']);
    EXPECT_EQ('1', StringUtils::m_tableLowercase['1']);
    EXPECT_EQ(0, StringUtils::m_tableUppercase[0]);
    if (GetACP() != 1252)
        GTEST_SKIP() << "the letters above 0x7F below are those of code page 1252";
    const int pairs[][2] = {{0xC0, 0xE0}, {0xC9, 0xE9}, {0x8A, 0x9A}, {0x9F, 0xFF}};
    for (const auto& pair : pairs)
    {
        SCOPED_TRACE(pair[0]);
        EXPECT_EQ(pair[1], StringUtils::m_tableLowercase[pair[0]]);
        EXPECT_EQ(pair[0], StringUtils::m_tableUppercase[pair[1]]);
    }
    EXPECT_EQ(0xD7, StringUtils::m_tableLowercase[0xD7]) << "the multiplication sign has no case";
}

TEST(StringUtils, MatchFirstChars)
{
    struct Row
    {
        const char* text;
        const char* prefix;
        bool caseSensitive;
        bool expected;
    } rows[] = {
        {"New York", "new y", false, true}, {"New York", "new y", true, false},
        {"New York", "New Y", true, true},  {"New", "New York", false, false},
        {"abc", "", true, true},            {"", "", false, true},
        {"\xC9t\xE9", "\xE9T", false, GetACP() == 1252}, {"\xC9t\xE9", "\xE9T", true, false},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.text) + " / " + row.prefix);
        EXPECT_EQ(row.expected, StringUtils::MatchFirstChars(row.text, row.prefix, row.caseSensitive));
    }
}

TEST(StringUtils, FindLastAndSplitLine)
{
    EXPECT_EQ(5, StringUtils::FindLast("06.12.2024", "."));
    EXPECT_EQ(4, StringUtils::FindLast("a. b. c", ". "));
    EXPECT_EQ(-1, StringUtils::FindLast("abc", "x"));
    EXPECT_EQ(-1, StringUtils::FindLast("abc", ""));
    EXPECT_EQ(-1, StringUtils::FindLast("", "."));
    EXPECT_EQ(0, StringUtils::FindLast("aaa", "aaa"));

    struct Row
    {
        const char* line;
        const char* separator;
        const char* expected;
        size_t count;
    } rows[] = {
        {"C:\\Windows\\System32\\", "\\", "C:|Windows|System32|", 4},
        {"a,,b", ",", "a||b", 3},
        {"a--b--", "--", "a|b|", 3},
        {"abc", "", "abc", 1},
        {"", ",", "", 0},
        {",", ",", "|", 2},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.line);
        TextArray parts;
        parts.Add("stale");
        EXPECT_EQ(row.count, StringUtils::SplitLine(row.line, row.separator, parts));
        std::string joined;
        for (size_t i = 0; i < parts.GetCount(); ++i)
            joined += (i ? "|" : "") + std::string(parts[i].GetString());
        EXPECT_EQ(row.expected, joined);
    }
}
