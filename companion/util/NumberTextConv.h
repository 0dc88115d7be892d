/// @class NumberTextConv
/// Whole numbers to decimal text and back, for settings stored as text.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API NumberTextConv
{
public:
    /// The int that text holds, 0 for any text that is not one (ParseNumber false).
    static int GetNumberFromString(const CString& text);

    /// True when text is a whole number within the range of int: optional spaces, an optional
    /// sign, decimal digits, optionally grouped in threes by the locale's thousand separator.
    /// Digit strings of any length are read without overflow; out of range gives false.
    static bool ParseNumber(const CString& text, int& value);

    /// Decimal text of value. groupThousands separates groups of three digits with separator
    /// (the locale's when separator is empty); minDigits pads with leading zeros up to that many
    /// digits (0 or less: no padding; at most 64). Ungrouped texts, and grouped ones with the
    /// locale's separator, read back through GetNumberFromString as value.
    static CString NumberToString(int value, bool groupThousands, int minDigits,
                                  const CString& separator);
};
