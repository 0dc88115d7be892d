#include "StringUtils.h"
#include "TextArray.h"
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace
{
TextArray Texts(std::initializer_list<const char*> texts)
{
    TextArray result;
    for (const char* text : texts)
        result.Add(text);
    return result;
}

std::string Joined(const TextArray& texts)
{
    std::string result;
    for (size_t i = 0; i < texts.GetCount(); ++i)
        result += (i ? "|" : "") + std::string(texts.GetAt(i).GetString());
    return result;
}
}

TEST(TextArray, FindExactlyUnlessCaseIsIgnored)
{
    const TextArray fruit = Texts({"apple", "banana", "Banana", "cherry"});
    struct Row
    {
        const char* text;
        bool ignoreCase;
        bool found;
        size_t index;
    } rows[] = {
        {"banana", false, true, 1},  {"Banana", false, true, 2},
        {"BANANA", false, false, TextArray::npos}, // a paste must not pass for a listed text
        {"BANANA", true, true, 1},   {"banan", true, false, TextArray::npos},
        {"", false, false, TextArray::npos},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.text);
        bool found = !row.found;
        EXPECT_EQ(row.index, fruit.Find(row.text, row.ignoreCase, found));
        EXPECT_EQ(row.found, found);
    }
}

TEST(TextArray, SortOrders)
{
    struct Row
    {
        const char* name;
        bool ascending;
        bool caseSensitive;
        TextArray::Content content;
        const char* expected;
    } rows[] = {
        {"case-blind, ties by bytes", true, false, TextArray::ContentText,
         "apple|Banana|banana|blueberry|Cherry"},
        {"case-blind descending", false, false, TextArray::ContentText,
         "Cherry|blueberry|banana|Banana|apple"},
        {"bytes", true, true, TextArray::ContentText, "Banana|Cherry|apple|banana|blueberry"},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        TextArray texts = Texts({"banana", "Cherry", "apple", "Banana", "blueberry"});
        texts.Sort(row.ascending, row.caseSensitive, row.content);
        EXPECT_EQ(row.expected, Joined(texts));
    }
    TextArray numbers = Texts({"10", "x", "9", "-3", "09", "1,000"});
    numbers.Sort(true, false, TextArray::ContentNumber);
    EXPECT_EQ("-3|09|9|10|1,000|x", Joined(numbers));
}

TEST(TextArray, RemoveDuplicatesKeepsTheFirst)
{
    struct Row
    {
        const char* name;
        bool ignoreCase;
        TextArray::Content content;
        const char* expected;
    } rows[] = {
        {"exact keeps case variants", false, TextArray::ContentText, "b|a|B|01|1"},
        {"case-blind", true, TextArray::ContentText, "b|a|01|1"},
        {"numbers by value", false, TextArray::ContentNumber, "b|a|B|01"},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        TextArray texts = Texts({"b", "a", "b", "B", "01", "1", "a"});
        texts.RemoveDuplicates(row.ignoreCase, row.content);
        EXPECT_EQ(row.expected, Joined(texts));
    }
}

TEST(TextArray, ContainerOperations)
{
    TextArray texts = Texts({"x", "y"});
    texts.Add(texts);
    EXPECT_EQ("x|y|x|y", Joined(texts));
    texts.RemoveAt(1);
    texts.RemoveAt(99);
    EXPECT_EQ("x|x|y", Joined(texts));
    EXPECT_EQ("", texts.GetAt(3)) << "out of range gives an empty text";
    EXPECT_EQ("", texts[TextArray::npos]);

    CStringArray source;
    source.Add("one");
    source.Add("two");
    texts.CopyFromStringArray(source);
    EXPECT_EQ("one|two", Joined(texts));
    texts.Reserve(static_cast<size_t>(-1) / 2); // refused quietly, content intact
    EXPECT_EQ(2u, texts.GetCount());
    texts.RemoveAll();
    EXPECT_TRUE(texts.IsEmpty());
}

namespace
{
// The same additions done the plain way: append, sort, remove duplicates.
TextArray SortedThePlainWay(const std::vector<CString>& texts)
{
    TextArray result;
    for (const CString& text : texts)
    {
        result.Add(text);
        result.Sort(true, false, TextArray::ContentText);
        result.RemoveDuplicates(false, TextArray::ContentText);
    }
    return result;
}

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

TEST(TextArray, AddSortedLeavesWhatSortingAfterEachAdditionWould)
{
    const std::vector<CString> texts = MixedTexts();
    TextArray sorted;
    for (size_t i = 0; i < texts.size(); ++i)
    {
        sorted.AddSorted(texts[i]);
        if (i % 97 == 0) // reads in between merge what is pending
        {
            EXPECT_GT(sorted.GetCount(), 0u);
        }
    }
    EXPECT_EQ(Joined(sorted), Joined(SortedThePlainWay(texts)));

    // An array that is not in order is sorted by the first AddSorted.
    TextArray unsorted = Texts({"b", "a", "b"});
    unsorted.AddSorted("c");
    EXPECT_EQ(Joined(unsorted), "a|b|c");
}

TEST(TextArray, PrefixRangeAndFindAgreeWithAScan)
{
    const std::vector<CString> texts = MixedTexts();
    TextArray sorted;
    for (const CString& text : texts)
        sorted.AddSorted(text);
    TextArray unsorted;
    for (const CString& text : texts)
        unsorted.Add(text);
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
            size_t matches = 0;
            size_t scanFirst = TextArray::npos;
            size_t scanLast = TextArray::npos;
            for (size_t i = 0; i < array->GetCount(); ++i)
            {
                if (StringUtils::MatchFirstChars(array->GetAt(i), prefix, false))
                {
                    if (scanFirst == TextArray::npos)
                        scanFirst = i;
                    scanLast = i;
                    ++matches;
                }
            }
            // Binary search needs every prefix to stand in one run after Sort(true, false, 0).
            if (array == &sorted && matches > 0)
            {
                EXPECT_EQ(matches, scanLast - scanFirst + 1) << "not one run";
            }
            size_t first = TextArray::npos;
            size_t last = TextArray::npos;
            EXPECT_EQ(array->FindPrefixRange(prefix, first, last), scanFirst != TextArray::npos);
            EXPECT_EQ(first, scanFirst);
            EXPECT_EQ(last, scanLast);

            bool found = false;
            const size_t index = array->Find(prefix, false, found);
            bool scanFound = false;
            size_t scanIndex = TextArray::npos;
            for (size_t i = 0; i < array->GetCount() && !scanFound; ++i)
            {
                scanFound = array->GetAt(i) == prefix;
                scanIndex = scanFound ? i : TextArray::npos;
            }
            EXPECT_EQ(found, scanFound);
            EXPECT_EQ(index, scanIndex);
        }
    }
}
