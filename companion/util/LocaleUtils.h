/// @class LocaleUtils
/// The user's regional settings as the date, time and number texts need them, read from the
/// locale (GetLocaleInfoA) on every call, so that a change of settings applies at once.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API LocaleUtils
{
public:
    /// Positions 0 to 2 of day, month and year in the user's short date (for "dd.MM.yyyy":
    /// 0, 1, 2). Taken from the short-date pattern; where that has no usable order, from the
    /// locale's date order code; month-day-year when neither can be read.
    static void GetDateOrdering(UINT& day, UINT& month, UINT& year);

    /// The text between the first two fields of the short-date pattern ("." for "dd.MM.yyyy",
    /// ". " for "d. M. yyyy"); the locale's date separator when the pattern has none; "/" when
    /// nothing can be read or the separator holds digits.
    static CString GetDateSeparator();

    /// The locale's time separator, ":" when it cannot be read.
    static CString GetTimeSeparator();

    /// The locale's digit-grouping separator, "," when it cannot be read.
    static CString GetThousandSeparator();

    /// Name of a day of the week, 0 = Sunday to 6 = Saturday; empty for other numbers.
    static CString GetDayName(int dayOfWeek, bool abbreviated);

    /// The locale's AM (pm false) or PM designator; may be empty in a 24-hour locale.
    static CString GetTimeDesignator(bool pm);

    /// Any locale text of the user's locale; empty when it cannot be read.
    static CString GetLocaleText(LCTYPE type);
};
