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

// The auto-suggest edit finds the texts that begin with what was typed by binary search, which
// needs them to stand together after Sort(true, false, 0) - bytes above 0x7F included.
TEST(TextArray, CaseBlindSortKeepsEveryPrefixTogether)
{
    const char alphabet[] = {'a', 'A', 'b', 'B', ' ', '_', '~', '\xC0', '\xE0', '\x8A', '\x9A',
                             '\xFF', '\x9F', '1'};
    TextArray texts;
    unsigned seed = 12345;
    for (int n = 0; n < 400; ++n)
    {
        CString text;
        int length = 1 + n % 4;
        for (int k = 0; k < length; ++k)
        {
            seed = seed * 1103515245 + 12345;
            text += alphabet[(seed >> 16) % sizeof(alphabet)];
        }
        texts.Add(text);
    }
    texts.Sort(true, false, TextArray::ContentText);
    for (size_t p = 0; p < texts.GetCount(); p += 7)
    {
        for (int prefixLength = 1; prefixLength <= 2; ++prefixLength)
        {
            CString prefix = texts[p].Left(prefixLength);
            int runs = 0;
            bool inRun = false;
            for (size_t i = 0; i < texts.GetCount(); ++i)
            {
                bool match = StringUtils::MatchFirstChars(texts[i], prefix, false);
                runs += match && !inRun;
                inRun = match;
            }
            EXPECT_EQ(1, runs) << "prefix " << prefix.GetString();
        }
    }
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

// A few hundred short texts over a small alphabet with both letter cases, so that prefixes,
// case-blind ties and exact duplicates are common.
std::vector<CString> MixedTexts()
{
    std::vector<CString> texts;
    unsigned seed = 12345;
    for (int i = 0; i < 400; ++i)
    {
        seed = seed * 1103515245u + 12345u;
        CString text;
        for (int length = static_cast<int>(seed >> 28) % 4; length >= 0; --length)
        {
            seed = seed * 1103515245u + 12345u;
            const char letters[] = "abAB\xE9\xC9";
            text += letters[(seed >> 24) % 6];
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
    const char* prefixes[] = {"", "a", "A", "ab", "aB", "b", "\xE9", "\xC9" "a", "abab", "c", "bbbbb"};
    for (const TextArray* array : {&sorted, &unsorted})
    {
        SCOPED_TRACE(array == &sorted ? "sorted" : "unsorted");
        for (const char* prefix : prefixes)
        {
            SCOPED_TRACE(prefix);
            size_t scanFirst = TextArray::npos;
            size_t scanLast = TextArray::npos;
            for (size_t i = 0; i < array->GetCount(); ++i)
            {
                if (StringUtils::MatchFirstChars(array->GetAt(i), prefix, false))
                {
                    if (scanFirst == TextArray::npos)
                        scanFirst = i;
                    scanLast = i;
                }
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
                scanFound = array->GetAt(i) == CString(prefix);
                scanIndex = scanFound ? i : TextArray::npos;
            }
            EXPECT_EQ(found, scanFound);
            EXPECT_EQ(index, scanIndex);
        }
    }
}
