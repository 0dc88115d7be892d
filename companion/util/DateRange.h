/// @class DateRange
/// DateRange: the span of calendar days a date may take, each end open or closed. An end given
/// as a DateTime without a date is open. Compares days only (the time of day is ignored).
#pragma once
#include "DateTime.h"
#include "UtilApi.h"

class ORVUTIL_API DateRange
{
public:
    /// An open range: every day is inside.
    DateRange();

    /// Both ends at once; false (and the range unchanged) when both are closed and first comes
    /// after last.
    bool Set(const DateTime& first, const DateTime& last);
    /// The ends; a DateTime without a date stands for an open end.
    ///@{
    const DateTime& GetFirst() const { return m_first; }
    const DateTime& GetLast() const { return m_last; }
    ///@}
    /// Whether both ends are open.
    bool IsOpen() const;
    /// Whether the day of date lies in the range; a DateTime without a date is never inside.
    bool Contains(const DateTime& date) const;
    /// date moved to the nearer end when it lies outside; a DateTime without a date unchanged.
    DateTime Clamp(const DateTime& date) const;

private:
    static int DayKey(const DateTime& date);

    DateTime m_first; // no date: open
    DateTime m_last;  // no date: open
};
