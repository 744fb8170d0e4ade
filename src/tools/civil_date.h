// Dates of the Gregorian calendar as plain values: day numbers, weekdays,
// month arithmetic with clipping, ISO week numbers, Easter Sunday, and the
// YYYY-MM-DD text.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

struct CivilDate {
    int Year = 1900;
    int Month = 1;
    int Day = 1;
    friend auto operator<=>(const CivilDate&, const CivilDate&) = default;
};

// The range of the period window's pickers and day tables.
inline constexpr CivilDate kFirstDate{1900, 1, 1};
inline constexpr CivilDate kLastDate{2099, 12, 31};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidDate(const CivilDate& date);
bool InDateRange(const CivilDate& date);

// Days since 1970-01-01 (negative before), and back.
long DayNumber(const CivilDate& date);
CivilDate FromDayNumber(long days);
CivilDate AddDays(const CivilDate& date, long days);

// 0 Sunday, 1 Monday … 6 Saturday.
int Weekday(const CivilDate& date);
// The ISO 8601 week number (weeks start on Monday; week 1 holds the year's
// first Thursday).
int IsoWeekNumber(const CivilDate& date);

// The date `months` calendar months later (earlier when negative), the day of
// month clipped to the length of the month reached.
CivilDate AddMonths(const CivilDate& date, long months);

// Easter Sunday of a year 1900–2099 (Gauss's rule with its two exceptions).
CivilDate EasterSunday(int year);

// "YYYY-MM-DD"; a text that does not read as a valid date gives nothing.
std::optional<CivilDate> ParseIsoDate(std::string_view text);
std::string IsoDateText(const CivilDate& date);

}  // namespace tarvix
