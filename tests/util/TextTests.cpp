#include "CharWalk.h"
#include "DirUtils.h"
#include "NumberTextConv.h"
#include "TextList.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(StringUtils, MatchFirstCharsFindLastAndSplitLine)
{
    const struct { const char* text; const char* prefix; bool caseSensitive; bool expected; } matches[] = {
        {"New York", "new y", false, true}, {"New York", "new y", true, false}, {"New", "New York", false, false},
        {"abc", "", true, true},            {"\xC9t\xE9", "\xE9T", false, GetACP() == 1252},
    };
    for (const auto& row : matches)
    {
        SCOPED_TRACE(std::string(row.text) + " / " + row.prefix);
        EXPECT_EQ(row.expected, StringUtils::MatchFirstChars(row.text, row.prefix, row.caseSensitive));
    }
    const struct { const char* text; const char* separator; int last; const char* pieces; size_t count; } splits[] = {
        {"a. b. c", ". ", 4, "a|b|c", 3},         {"abc", "", -1, "abc", 1},
        {"", ".", -1, "", 0},                     {"aaa", "aaa", 0, "|", 2},
        {"a,,b", ",", 2, "a||b", 3},              {"a--b--", "--", 4, "a|b|", 3},
    };
    for (const auto& row : splits)
    {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(row.last, StringUtils::FindLast(row.text, row.separator));
        TextArray parts = Split("stale");
        EXPECT_EQ(row.count, StringUtils::SplitLine(row.text, row.separator, parts));
        EXPECT_EQ(row.pieces, Join(parts));
    }
}

TEST(TextArray, FindExactlyUnlessCaseIsIgnoredAndReadsOutOfRangeGiveNothing)
{
    const TextArray fruit = Split("apple|banana|Banana|cherry");
    const struct { const char* text; bool ignoreCase; size_t index; } rows[] = {
        {"banana", false, 1}, {"Banana", false, 2},
        {"BANANA", false, TextArray::npos}, // a paste must not pass for a listed text
        {"BANANA", true, 1},  {"banan", true, TextArray::npos}, {"", false, TextArray::npos},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.text);
        bool found = row.index == TextArray::npos;
        EXPECT_EQ(row.index, fruit.Find(row.text, row.ignoreCase, found));
        EXPECT_EQ(row.index != TextArray::npos, found);
    }
    EXPECT_EQ("", fruit.GetAt(4));
    EXPECT_EQ("", fruit[TextArray::npos]);
    TextArray texts = fruit;
    texts.Add(texts);                          // the array itself, as a host may hand it back
    EXPECT_EQ(Join(fruit) + "|" + Join(fruit), Join(texts));
}

namespace
{
// A few hundred short texts over a small alphabet with both letter cases (bytes above 0x7F
// among them: the code page's own case pairs), so that prefixes, case-blind ties and exact
// duplicates are common.
std::vector<CString> MixedTexts()
{
    const char letters[] = {'a', 'b', 'A', 'B', ' ', '~', '1', '\xE9', '\xC9', '\x8A', '\x9A', '\xFF', '\x9F'};
    std::vector<CString> texts;
    unsigned seed = 12345;
    for (int i = 0; i < 400; ++i)
    {
        seed = seed * 1103515245u + 12345u;
        CString text;
        for (int length = static_cast<int>(seed >> 28) % 4; length >= 0; --length)
        {
            seed = seed * 1103515245u + 12345u;
            text += letters[(seed >> 24) % sizeof(letters)];
        }
        texts.push_back(text);
    }
    return texts;
}
}

// AddSorted leaves what sorting after each addition would; the prefix range and Find (by halves
// on the sorted array, by reading on the other) find what reading every text finds.
TEST(TextArray, AddSortedAndThePrefixSearchAgreeWithSortingAndAScan)
{
    const std::vector<CString> texts = MixedTexts();
    TextArray sorted, unsorted, resorted;
    for (size_t i = 0; i < texts.size(); ++i)
    {
        sorted.AddSorted(texts[i]);
        unsorted.Add(texts[i]);
        resorted.Add(texts[i]);
        resorted.Sort(true, false, TextArray::ContentText);
        resorted.RemoveDuplicates(false, TextArray::ContentText);
        if (i % 97 == 0) // reads in between merge what is pending
        {
            EXPECT_EQ(Join(sorted), Join(resorted));
        }
    }
    EXPECT_EQ(Join(sorted), Join(resorted));

    // Fixed prefixes, and the first one and two bytes of every seventh text.
    std::vector<CString> prefixes = {"", "a", "A", "ab", "aB", "b", "\xE9", "\xC9" "a", "abab", "c", "bbbbb"};
    for (size_t i = 0; i < texts.size(); i += 7)
    {
        prefixes.push_back(texts[i].Left(1));
        prefixes.push_back(texts[i].Left(2));
    }
    for (const TextArray* array : {&sorted, &unsorted})
    {
        SCOPED_TRACE(array == &sorted ? "sorted" : "unsorted");
        for (const CString& prefix : prefixes)
        {
            SCOPED_TRACE(prefix.GetString());
            std::vector<size_t> matches;
            size_t scanIndex = TextArray::npos;
            for (size_t i = 0; i < array->GetCount(); ++i)
            {
                if (StringUtils::MatchFirstChars(array->GetAt(i), prefix, false))
                    matches.push_back(i);
                if (scanIndex == TextArray::npos && array->GetAt(i) == prefix)
                    scanIndex = i;
            }
            // Binary search needs every prefix to stand in one run after Sort(true, false, 0).
            if (array == &sorted && !matches.empty())
            {
                EXPECT_EQ(matches.size(), matches.back() - matches.front() + 1) << "not one run";
            }
            const size_t none = TextArray::npos;
            size_t first = none, last = none;
            EXPECT_EQ(array->FindPrefixRange(prefix, first, last), !matches.empty());
            EXPECT_EQ(first, matches.empty() ? none : matches.front());
            EXPECT_EQ(last, matches.empty() ? none : matches.back());
            bool found = false;
            EXPECT_EQ(scanIndex, array->Find(prefix, false, found));
            EXPECT_EQ(scanIndex != TextArray::npos, found);
        }
    }
}

// The time edit keeps its interval as text: what it reads back must be a whole number or 0. (What
// it writes is read back by the time edit's own tests.)
TEST(NumberTextConv, ReadsWholeNumbersOnlyAndWritesTextThatReadsBack)
{
    const struct { CString text; int expected; } rows[] = { // 0: refused
        {"60", 60}, {" -15 ", -15}, {"2147483647", 2147483647}, {"2147483648", 0}, {CString('9', 100000), 0},
        {"12abc", 0}, {"", 0}, {"1.5", 0}, {"- 5", 0},
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.text.Left(20).GetString());
        EXPECT_EQ(row.expected, NumberTextConv::GetNumberFromString(row.text));
    }
}

// The bytes that make Japanese characters under code page 932 are characters of their own on a
// single-byte code page, and every scan goes on treating them so, with today's order.
TEST(StringUtils, ASingleByteCodePageScansEveryByteAsACharacter)
{
    if (CharWalk::IsDoubleByteCodePage())
        GTEST_SKIP() << "the rows below hold only on a single-byte code page";
    TextArray texts = Split("\x93\x8C\x8B\x9E|\x83\x4A\x83\x81|\x83\x6A|\x83\x41\x83\x54|\x83\x41\x83\x43|"
                            "\x83\x61|ABD|abc");
    texts.Sort(true, false, TextArray::ContentText);
    EXPECT_EQ("abc|ABD|\x83\x61|\x83\x41\x83\x43|\x83\x41\x83\x54|\x83\x6A|\x83\x4A\x83\x81|\x93\x8C\x8B\x9E",
              Join(texts));
    EXPECT_TRUE(StringUtils::MatchFirstChars("\x83\x74x", "\x83T", false));
    EXPECT_EQ(CString("C:\\a\\\x95\\"), DirUtils::ParseParentDir("C:\\a\\\x95\\b\\"));
    EXPECT_EQ(2, CharWalk::Prev("a\x95\x5C", 3));
}
