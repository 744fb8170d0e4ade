// Period lengths and counts over the day tables; moving dates.
#include "tools/date_period.h"

#include "tools/tool_messages.h"

namespace tarvix {

std::optional<PeriodResult> ComputePeriod(const CivilDate& start, const CivilDate& end,
                                          bool countFirstDay, long double shiftHours,
                                          const HolidayCalendar& calendar) {
    const CivilDate s = countFirstDay ? AddDays(start, -1) : start;
    const long days = DayNumber(end) - DayNumber(s);
    if (days < 0) return std::nullopt;

    PeriodResult result;
    result.Days = days;
    result.Weeks = static_cast<long double>(days) / 7.0L;

    // Whole months from s, each step counted from s itself so that a clipped
    // day does not drift (31 Jan + 2 months is 31 Mar, not 28 Mar).
    long months = 0;
    while (AddMonths(s, months + 1) <= end) ++months;
    const CivilDate reached = AddMonths(s, months);
    long double fraction = 0.0L;
    if (end.Day != reached.Day) {
        const int reachedLength = DaysInMonth(reached.Year, reached.Month);
        const int rest =
            end.Day > reached.Day ? end.Day - reached.Day : reachedLength - reached.Day + end.Day;
        const int length = reached.Day <= 15 ? reachedLength : DaysInMonth(end.Year, end.Month);
        fraction = static_cast<long double>(rest) / static_cast<long double>(length);
    }
    result.WholeMonths = months;
    result.Months = static_cast<long double>(months) + fraction;
    result.Years = result.Months / 12.0L;

    for (long i = 1; i <= days; ++i) {
        const CivilDate day = AddDays(s, i);
        ++result.WeekdayCounts[static_cast<std::size_t>(Weekday(day))];
        const bool holiday = calendar.IsHoliday(day);
        if (holiday) ++result.Holidays;
        if (calendar.IsWorkday(day) && !holiday) {
            ++result.WorkingDays;
        } else {
            ++result.RestDays;
        }
    }
    result.WorkingHours = static_cast<long double>(result.WorkingDays) * shiftHours;
    return result;
}

CivilDate MoveDate(const CivilDate& date, const PeriodShift& shift, bool back) {
    const long sign = back ? -1 : 1;
    const long months = shift.Years * 12 + shift.Months;
    const long days = shift.Weeks * 7 + shift.Days;
    // Beyond a few centuries the result is out of range anyway; the limit
    // keeps the arithmetic away from overflow.
    constexpr long kLimit = 1000000;
    if (months > kLimit || months < -kLimit || days > kLimit * 30 || days < -kLimit * 30)
        throw ToolError(toolmsg::DateOutOfRange, {"?"});
    const CivilDate moved = AddDays(AddMonths(date, sign * months), sign * days);
    if (!InDateRange(moved)) throw ToolError(toolmsg::DateOutOfRange, {IsoDateText(moved)});
    return moved;
}

}  // namespace tarvix
