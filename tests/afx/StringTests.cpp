// The string rules the controls lean on: its layout, and reads and cuts out of range that give
// nothing instead of touching memory.
#include <afx.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>

static_assert(sizeof(CString) == sizeof(char*), "host code casts CString to LPCSTR");

TEST(String, HighBytesSortAfterAsciiAndReadsPastTheEndGiveNul)
{
    EXPECT_TRUE(CString(static_cast<LPCSTR>(nullptr)).IsEmpty());
    CString s("caf\xE9");
    EXPECT_EQ(static_cast<LPCSTR>(s), *reinterpret_cast<char* const*>(&s)) << "one pointer to its characters";
    EXPECT_EQ('\xE9', s.GetAt(3));
    EXPECT_EQ('\0', s.GetAt(4));
    EXPECT_EQ('\0', s[-1]);
    EXPECT_GT(CString("\xE9").Compare("z"), 0);

    CString cut;
    std::memset(cut.GetBufferSetLength(8), 'x', 8);
    cut.Truncate(2);
    EXPECT_EQ('\0', cut.GetAt(5)); // past the length even where the buffer still holds text
    EXPECT_STREQ("xx", cut);
}

TEST(String, FindsWithStartIndicesAtAndPastTheEnd)
{
    struct Row { const char* sub; int start; int expected; } rows[] = {
        { "b", 2, 3 }, { "b", 5, -1 }, { "b", -1, -1 }, { "", 4, 4 }, { "", 5, -1 }, { nullptr, 0, -1 },
    };
    CString text("abab");
    for (const Row& row : rows)
    {
        SCOPED_TRACE(std::string(row.sub ? row.sub : "(null)") + " from " + std::to_string(row.start));
        EXPECT_EQ(row.expected, text.Find(row.sub, row.start));
        if (row.sub && row.sub[0])
        {
            EXPECT_EQ(row.expected, text.Find(row.sub[0], row.start));
        }
    }
}

TEST(String, CutsClampOutOfRangeCountsAndTrimTakesEveryBlank)
{
    CString s("hello");
    struct Row { const char* name; CString actual; const char* expected; } rows[] = {
        { "Trim()", CString(" \t a b\r\n").Trim(), "a b" },
        { "Left(-1)", s.Left(-1), "" }, { "Left(9)", s.Left(9), "hello" }, { "Mid(-3)", s.Mid(-3), "hello" },
        { "Mid(9, 2)", s.Mid(9, 2), "" }, { "Mid(1, -1)", s.Mid(1, -1), "" },
        { "Mid(2, 0x7fffffff)", s.Mid(2, 0x7fffffff), "llo" }, { "Right(-2)", s.Right(-2), "" },
        { "Right(9)", s.Right(9), "hello" },
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.expected, row.actual);
    }
}

TEST(String, FormatsLongTextsAndItsOwnArguments)
{
    CString longText('x', 5000);
    CString s;
    s.Format("%s|%d|%5.2f|%I64d", longText, -42, 3.14159, 1234567890123LL);
    EXPECT_EQ(5000 + 24, s.GetLength());
    EXPECT_STREQ("|-42| 3.14|1234567890123", s.Mid(5000));
    s.Format("<%s>", s.Left(3)); // an argument taken from the string being formatted
    EXPECT_STREQ("<xxx>", s);
}

TEST(String, CaseFoldingCoversHighBytesOfTheCodePage)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "case table checked against Western code page 1252, ACP is " << GetACP();
    CString s("Ab\xC9\xC0\x8A\x9F\xB5\xDF\xD7");
    EXPECT_STREQ("ab\xE9\xE0\x9A\xFF\xB5\xDF\xD7", CString(s).MakeLower());
    EXPECT_STREQ("AB\xC9\xC0\x8A\x9F\xB5\xDF\xD7", CString(s).MakeUpper());
    EXPECT_EQ(0, CString("\xC9t\xC9").CompareNoCase("\xE9T\xE9"));
}
