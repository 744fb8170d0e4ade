// The holiday list and the day tables of the period window.
#include "tools/holiday_calendar.h"

#include <charconv>

#include "calculator/text_trim.h"

namespace tarvix {
namespace {

const long kFirstDay = DayNumber(kFirstDate);
const long kDayCount = DayNumber(kLastDate) - DayNumber(kFirstDate) + 1;

// The first `count` characters (UTF-8 code points) of a text.
std::string_view LeadingCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t n = 0; n < count && end < text.size(); ++n) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end);
}

int ReadNumber(std::string_view digits) {
    int value = -1;
    if (digits.empty() || digits.size() > 2) return -1;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

HolidayList ParseHolidayLines(const std::vector<std::string>& lines) {
    HolidayList list;
    for (const std::string& raw : lines) {
        const std::string_view line = TrimBlanks(raw);
        if (line.empty()) continue;
        // Digits stay, anything else separates.
        std::string head;
        for (char c : LeadingCharacters(line, 5)) {
            const bool digit = c >= '0' && c <= '9';
            if (digit) {
                head += c;
            } else if (head.empty() || head.back() != '/') {
                head += '/';
            }
        }
        const std::size_t slash = head.find('/');
        bool read = false;
        if (slash != std::string::npos) {
            const std::size_t next = head.find('/', slash + 1);
            const int day = ReadNumber(std::string_view(head).substr(0, slash));
            const int month = ReadNumber(std::string_view(head).substr(
                slash + 1, next == std::string::npos ? std::string::npos : next - slash - 1));
            // 29.02. exists in leap years, so any year's length is asked.
            if (month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(2000, month)) {
                list.Days.push_back({day, month});
                read = true;
            }
        }
        if (!read) list.SkippedLines.push_back(raw);
    }
    return list;
}

std::vector<std::string> DefaultHolidayLines(std::string_view language) {
    if (language == "CZECH") {
        return {
            "01.01.   Nový rok, Den obnovy samostatného českého státu",
            "01.05.   Svátek práce",
            "08.05.   Den osvobození (1945)",
            "05.07.   Den slovanských věrozvěstů Cyrila a Metoděje",
            "06.07.   mistr Jan Hus (1415)",
            "28.09.   Den české státnosti",
            "28.10.   Den vzniku samostatného československého státu (1918)",
            "17.11.   Den boje za svobodu a demokracii (1989)",
            "24.12.   Štědrý den",
            "25.12.   1. svátek vánoční",
            "26.12.   2. svátek vánoční",
        };
    }
    // Easter Monday is computed for every year, so the lists hold no fixed date for it.
    if (language == "GERMAN") {
        return {"01.01.   Neujahr", "24.12.   Heiliger Abend", "25.12.   1. Weihnachtstag",
                "26.12.   2. Weihnachtstag"};
    }
    return {"01.01.   New Year", "24.12.   Christmas", "25.12.   Christmas", "26.12.   Christmas"};
}

HolidayCalendar::HolidayCalendar(const std::vector<DayMonth>& holidays)
    : workdayBits_((kDayCount + 7) / 8), holidayBits_((kDayCount + 7) / 8) {
    for (long index = 0; index < kDayCount; ++index) {
        const CivilDate date = FromDayNumber(kFirstDay + index);
        const int weekday = Weekday(date);
        if (weekday >= 1 && weekday <= 5) Set(workdayBits_, index);
        for (const DayMonth& holiday : holidays) {
            if (holiday.Day == date.Day && holiday.Month == date.Month) {
                Set(holidayBits_, index);
                break;
            }
        }
    }
    for (int year = kFirstDate.Year; year <= kLastDate.Year; ++year) {
        Set(holidayBits_, Index(AddDays(EasterSunday(year), 1)));
    }
}

bool HolidayCalendar::IsWorkday(const CivilDate& date) const {
    return Test(workdayBits_, Index(date));
}

bool HolidayCalendar::IsHoliday(const CivilDate& date) const {
    return Test(holidayBits_, Index(date));
}

long HolidayCalendar::Index(const CivilDate& date) {
    return DayNumber(date) - kFirstDay;
}

bool HolidayCalendar::Test(const std::vector<std::uint8_t>& bits, long index) {
    if (index < 0 || index >= kDayCount) return false;
    return (bits[static_cast<std::size_t>(index / 8)] >> (index % 8)) & 1;
}

void HolidayCalendar::Set(std::vector<std::uint8_t>& bits, long index) {
    if (index < 0 || index >= kDayCount) return;
    bits[static_cast<std::size_t>(index / 8)] |= static_cast<std::uint8_t>(1u << (index % 8));
}

}  // namespace tarvix
