// The period between two dates (days, weeks, months, years, weekday counts,
// working days, rest days, holidays and working hours) and moving a date by a
// period.
#pragma once

#include <array>
#include <optional>

#include "tools/civil_date.h"
#include "tools/holiday_calendar.h"

namespace tarvix {

struct PeriodResult {
    long Days = 0;
    long double Weeks = 0.0L;
    long WholeMonths = 0;
    long double Months = 0.0L;
    long double Years = 0.0L;
    std::array<int, 7> WeekdayCounts{};  // index 0 Sunday … 6 Saturday
    int WorkingDays = 0;                 // workdays that are no holidays
    int RestDays = 0;                    // every other counted day
    int Holidays = 0;
    long double WorkingHours = 0.0L;
};

// The counted days are those after `start` up to `end`, or from `start` on
// when countFirstDay. Whole months are counted from the start date each time
// (start + k months, clipped), the remaining days as a fraction of a month.
// Nothing when the start lies after the end (after the first-day shift).
std::optional<PeriodResult> ComputePeriod(const CivilDate& start, const CivilDate& end,
                                          bool countFirstDay, long double shiftHours,
                                          const HolidayCalendar& calendar);

struct PeriodShift {
    long Days = 0;
    long Weeks = 0;
    long Months = 0;
    long Years = 0;
};

// Forward: the date moved by 12·Years + Months calendar months, then by
// 7·Weeks + Days days; back: the same in the other direction. Raises
// ToolError when the result leaves 1900–2099.
CivilDate MoveDate(const CivilDate& date, const PeriodShift& shift, bool back);

}  // namespace tarvix
