#include "DateRange.h"

DateRange::DateRange() = default;

int DateRange::DayKey(const DateTime& date)
{
    return date.GetYear() * 10000 + date.GetMonth() * 100 + date.GetDay();
}

bool DateRange::Set(const DateTime& first, const DateTime& last)
{
    if (first.IsValidDate() && last.IsValidDate() && DayKey(first) > DayKey(last))
        return false;
    m_first.ClearDate();
    m_first.ClearTime();
    m_last.ClearDate();
    m_last.ClearTime();
    if (first.IsValidDate())
        m_first.SetDate(first.GetYear(), first.GetMonth(), first.GetDay());
    if (last.IsValidDate())
        m_last.SetDate(last.GetYear(), last.GetMonth(), last.GetDay());
    return true;
}

bool DateRange::IsOpen() const
{
    return !m_first.IsValidDate() && !m_last.IsValidDate();
}

bool DateRange::Contains(const DateTime& date) const
{
    if (!date.IsValidDate())
        return false;
    const int key = DayKey(date);
    return (!m_first.IsValidDate() || key >= DayKey(m_first)) && (!m_last.IsValidDate() || key <= DayKey(m_last));
}

DateTime DateRange::Clamp(const DateTime& date) const
{
    if (!date.IsValidDate() || Contains(date))
        return date;
    DateTime result(date);
    const DateTime& end = m_first.IsValidDate() && DayKey(date) < DayKey(m_first) ? m_first : m_last;
    result.SetDate(end.GetYear(), end.GetMonth(), end.GetDay());
    return result;
}
