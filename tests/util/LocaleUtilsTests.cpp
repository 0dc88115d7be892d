#include "LocaleOverride.h"
#include "LocaleUtils.h"
#include <gtest/gtest.h>

TEST(LocaleUtils, DateOrderAndSeparatorComeFromTheShortDatePattern)
{
    const struct
    {
        const char* pattern;
        UINT day, month, year;
        const char* separator;
    } rows[] = {
        {"dd.MM.yyyy", 0, 1, 2, "."},     {"M/d/yyyy", 1, 0, 2, "/"},
        {"yyyy-MM-dd", 2, 1, 0, "-"},     {"d. M. yyyy", 0, 1, 2, ". "},
        {"ddd dd/MM/yy", 0, 1, 2, "/"},   {"yyyy'x'MM'x'dd", 2, 1, 0, "x"},
        {"dd'1'MM'1'yyyy", 0, 1, 2, "/"}, // a separator of digits cannot be used
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
    }
}
