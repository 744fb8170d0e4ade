// Gregorian calendar arithmetic on day numbers.
#include "tools/civil_date.h"

#include <charconv>
#include <cstdio>

namespace tarvix {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year)) return 29;
    return kDays[month - 1];
}

bool IsValidDate(const CivilDate& date) {
    return date.Month >= 1 && date.Month <= 12 && date.Day >= 1 &&
           date.Day <= DaysInMonth(date.Year, date.Month);
}

bool InDateRange(const CivilDate& date) {
    return IsValidDate(date) && date >= kFirstDate && date <= kLastDate;
}

// Days from civil (proleptic Gregorian), after H. Hinnant's algorithm.
long DayNumber(const CivilDate& date) {
    const long y = date.Year - (date.Month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long mp = (date.Month + 9) % 12;
    const long doy = (153 * mp + 2) / 5 + date.Day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate FromDayNumber(long days) {
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

CivilDate AddDays(const CivilDate& date, long days) {
    return FromDayNumber(DayNumber(date) + days);
}

int Weekday(const CivilDate& date) {
    const long n = DayNumber(date);  // 1970-01-01 was a Thursday
    return static_cast<int>(((n % 7) + 7 + 4) % 7);
}

int IsoWeekNumber(const CivilDate& date) {
    const int isoWeekday = (Weekday(date) + 6) % 7 + 1;  // 1 Monday … 7 Sunday
    // The Thursday of the same week decides the year the week belongs to.
    const CivilDate thursday = AddDays(date, 4 - isoWeekday);
    const long dayOfYear = DayNumber(thursday) - DayNumber({thursday.Year, 1, 1});
    return static_cast<int>(dayOfYear / 7 + 1);
}

CivilDate AddMonths(const CivilDate& date, long months) {
    const long index = static_cast<long>(date.Year) * 12 + (date.Month - 1) + months;
    const long year = index >= 0 ? index / 12 : (index - 11) / 12;
    CivilDate result{static_cast<int>(year), static_cast<int>(index - year * 12 + 1), date.Day};
    const int length = DaysInMonth(result.Year, result.Month);
    if (result.Day > length) result.Day = length;
    return result;
}

CivilDate EasterSunday(int year) {
    const int a = year % 19;
    const int b = (19 * a + 24) % 30;
    const int c = (2 * (year % 4) + 4 * (year % 7) + 6 * b + 5) % 7;
    const int march = 22 + b + c;
    if (march <= 31) return {year, 3, march};
    int april = b + c - 9;
    if (april == 26) april = 19;
    if (april == 25 && b == 28 && c == 6 && a > 10) april = 18;
    return {year, 4, april};
}

std::optional<CivilDate> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    auto number = [&](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + at;
        const char* last = first + length;
        auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || end != last || *first == '-' || *first == '+') return std::nullopt;
        return value;
    };
    std::optional<int> y = number(0, 4), m = number(5, 2), d = number(8, 2);
    if (!y || !m || !d) return std::nullopt;
    CivilDate date{*y, *m, *d};
    if (!IsValidDate(date)) return std::nullopt;
    return date;
}

std::string IsoDateText(const CivilDate& date) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return buffer;
}

}  // namespace tarvix
