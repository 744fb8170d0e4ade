// Public holidays: the user's holiday list (lines "DD.MM.   description"),
// the built-in lists by language, and the day tables of 1900–2099 that mark
// working days (Monday to Friday) and holidays (the list's days in every year
// and the computed Easter Monday).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/civil_date.h"

namespace tarvix {

struct DayMonth {
    int Day = 1;
    int Month = 1;
    friend bool operator==(const DayMonth&, const DayMonth&) = default;
};

struct HolidayList {
    std::vector<DayMonth> Days;
    std::vector<std::string> SkippedLines;  // lines that did not read (a warning each)
};

// Reads the lines: of each non-empty line the first five characters, digits
// kept and anything else a separator, give day and month ("1.5." reads as
// 01.05.); a line without a separator, or with a day or month that does not
// exist (31.04., 00.13.), is skipped and listed.
HolidayList ParseHolidayLines(const std::vector<std::string>& lines);

// The built-in list of a language word ("CZECH", "GERMAN", any other: English).
std::vector<std::string> DefaultHolidayLines(std::string_view language);

class HolidayCalendar {
public:
    explicit HolidayCalendar(const std::vector<DayMonth>& holidays);

    // Days outside 1900–2099 are neither.
    bool IsWorkday(const CivilDate& date) const;
    bool IsHoliday(const CivilDate& date) const;

private:
    static bool Test(const std::vector<std::uint8_t>& bits, long index);
    static void Set(std::vector<std::uint8_t>& bits, long index);
    static long Index(const CivilDate& date);

    std::vector<std::uint8_t> workdayBits_;
    std::vector<std::uint8_t> holidayBits_;
};

}  // namespace tarvix
