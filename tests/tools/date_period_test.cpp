// Dates, Easter, holiday lists and periods.
#include "tools/date_period.h"

#include <gtest/gtest.h>

#include "tools/tool_messages.h"

namespace tarvix {
namespace {

const HolidayCalendar& CzechCalendar() {
    static const HolidayCalendar calendar(ParseHolidayLines(DefaultHolidayLines("CZECH")).Days);
    return calendar;
}

// The anonymous Gregorian algorithm (Meeus/Jones/Butcher), independent of
// Gauss's rule used by the program.
CivilDate AnonymousGregorianEaster(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {y, month, day};
}

TEST(CivilDate, DayNumbersWeekdaysAndWeeks) {
    EXPECT_EQ(DayNumber({1970, 1, 1}), 0);
    EXPECT_EQ(DayNumber(kLastDate) - DayNumber(kFirstDate), 73048);
    for (long n = DayNumber(kFirstDate); n <= DayNumber(kLastDate); n += 37)
        EXPECT_EQ(DayNumber(FromDayNumber(n)), n);
    EXPECT_EQ(Weekday({2003, 1, 1}), 3);  // Wednesday
    EXPECT_EQ(Weekday({1900, 1, 1}), 1);  // Monday
    EXPECT_EQ(IsoWeekNumber({2003, 1, 1}), 1);
    EXPECT_EQ(IsoWeekNumber({2004, 12, 31}), 53);
    EXPECT_EQ(IsoWeekNumber({2005, 1, 2}), 53);
    EXPECT_EQ(IsoWeekNumber({2008, 12, 29}), 1);
}

TEST(CivilDate, MonthsAreClipped) {
    EXPECT_EQ(AddMonths({2003, 1, 31}, 1), (CivilDate{2003, 2, 28}));
    EXPECT_EQ(AddMonths({2003, 1, 31}, 2), (CivilDate{2003, 3, 31}));
    EXPECT_EQ(AddMonths({2004, 1, 31}, 1), (CivilDate{2004, 2, 29}));
    EXPECT_EQ(AddMonths({2003, 3, 31}, -1), (CivilDate{2003, 2, 28}));
    EXPECT_EQ(AddMonths({2003, 1, 15}, -13), (CivilDate{2001, 12, 15}));
}

TEST(CivilDate, IsoText) {
    EXPECT_EQ(ParseIsoDate("2003-02-28"), (CivilDate{2003, 2, 28}));
    EXPECT_FALSE(ParseIsoDate("2003-02-29"));
    EXPECT_FALSE(ParseIsoDate("2003-2-28"));
    EXPECT_FALSE(ParseIsoDate("2003-02-2x"));
    EXPECT_EQ(IsoDateText({1900, 1, 1}), "1900-01-01");
}

TEST(Easter, KnownDatesAndEveryYear) {
    EXPECT_EQ(AddDays(EasterSunday(1954), 1), (CivilDate{1954, 4, 19}));
    EXPECT_EQ(EasterSunday(1954), (CivilDate{1954, 4, 18}));
    EXPECT_EQ(AddDays(EasterSunday(2049), 1), (CivilDate{2049, 4, 19}));
    EXPECT_EQ(EasterSunday(1981), (CivilDate{1981, 4, 19}));
    for (int year = 1900; year <= 2099; ++year)
        EXPECT_EQ(EasterSunday(year), AnonymousGregorianEaster(year)) << year;
}

TEST(HolidayList, LinesReadAndBadOnesSkipped) {
    const HolidayList list = ParseHolidayLines({"01.01.   Nový rok", "", "1.5. Svátek práce",
                                                "8/5 x", "31.04. nonsense", "abc", "29.02."});
    const std::vector<DayMonth> expected = {{1, 1}, {1, 5}, {8, 5}, {29, 2}};
    EXPECT_EQ(list.Days, expected);
    EXPECT_EQ(list.SkippedLines, (std::vector<std::string>{"31.04. nonsense", "abc"}));
    EXPECT_EQ(ParseHolidayLines(DefaultHolidayLines("CZECH")).Days.size(), 11u);
    // No fixed 12 April in the other lists: Easter Monday is computed.
    for (const char* language : {"GERMAN", "ENGLISH"}) {
        for (const DayMonth& day : ParseHolidayLines(DefaultHolidayLines(language)).Days)
            EXPECT_FALSE(day.Day == 12 && day.Month == 4) << language;
    }
}

TEST(HolidayCalendar, EasterMondayAndListDays) {
    const HolidayCalendar empty({});
    EXPECT_TRUE(empty.IsHoliday({1954, 4, 19}));
    EXPECT_FALSE(empty.IsHoliday({1954, 4, 18}));
    EXPECT_TRUE(empty.IsWorkday({2003, 1, 1}));
    EXPECT_FALSE(empty.IsWorkday({2003, 1, 4}));
    EXPECT_TRUE(CzechCalendar().IsHoliday({2003, 12, 24}));
    EXPECT_FALSE(CzechCalendar().IsHoliday({1899, 12, 31}));
}

TEST(Period, JanuaryWithAndWithoutTheFirstDay) {
    const auto without = ComputePeriod({2003, 1, 1}, {2003, 1, 31}, false, 8.5L, CzechCalendar());
    ASSERT_TRUE(without);
    EXPECT_EQ(without->Days, 30);
    EXPECT_NEAR(static_cast<double>(without->Weeks), 4.285714, 1e-6);
    EXPECT_EQ(without->WholeMonths, 0);
    EXPECT_NEAR(static_cast<double>(without->Months), 0.9677419, 1e-7);
    const auto with = ComputePeriod({2003, 1, 1}, {2003, 1, 31}, true, 8.5L, CzechCalendar());
    ASSERT_TRUE(with);
    EXPECT_EQ(with->Days, 31);
    EXPECT_EQ(with->WholeMonths, 1);
    EXPECT_EQ(with->Months, 1.0L);
    // January 2003: 1 January is a Wednesday holiday; 23 weekdays, 22 working.
    EXPECT_EQ(with->Holidays, 1);
    EXPECT_EQ(with->WorkingDays, 22);
    EXPECT_EQ(with->RestDays, 9);
    EXPECT_EQ(with->WorkingHours, 22 * 8.5L);
    int total = 0;
    for (int count : with->WeekdayCounts) total += count;
    EXPECT_EQ(total, 31);
    EXPECT_EQ(with->WeekdayCounts[3], 5);  // five Wednesdays
}

TEST(Period, EdgeCases) {
    const CivilDate d{2003, 5, 5};
    EXPECT_EQ(ComputePeriod(d, d, false, 8.0L, CzechCalendar())->Days, 0);
    EXPECT_EQ(ComputePeriod(d, d, true, 8.0L, CzechCalendar())->Days, 1);
    EXPECT_FALSE(ComputePeriod({2003, 5, 6}, d, false, 8.0L, CzechCalendar()));
    // The first day of the range counted: the day before stays outside the tables.
    const auto first = ComputePeriod(kFirstDate, {1900, 1, 7}, true, 8.0L, CzechCalendar());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Days, 7);
    EXPECT_EQ(first->Holidays, 1);  // New Year
    EXPECT_EQ(first->WorkingDays, 4);
    // Christmas 2004: Friday 24th to Sunday 26th, Saturday a holiday and a rest day.
    const auto christmas =
        ComputePeriod({2004, 12, 24}, {2004, 12, 26}, true, 8.0L, CzechCalendar());
    EXPECT_EQ(christmas->Holidays, 3);
    EXPECT_EQ(christmas->WorkingDays, 0);
    EXPECT_EQ(christmas->RestDays, 3);
    // Whole months from the start date do not drift after a clipped month.
    const auto spring = ComputePeriod({2003, 1, 31}, {2003, 3, 31}, false, 8.0L, CzechCalendar());
    EXPECT_EQ(spring->WholeMonths, 2);
    EXPECT_EQ(spring->Months, 2.0L);
    EXPECT_EQ(spring->Years, 2.0L / 12.0L);
}

TEST(MoveDate, ForwardBackAndRange) {
    EXPECT_EQ(MoveDate({2003, 1, 31}, {.Months = 1}, false), (CivilDate{2003, 2, 28}));
    EXPECT_EQ(MoveDate({2003, 1, 31}, {.Months = 2}, false), (CivilDate{2003, 3, 31}));
    EXPECT_EQ(MoveDate({2003, 3, 31}, {.Days = 3, .Weeks = 1, .Months = 1, .Years = 1}, true),
              (CivilDate{2002, 2, 18}));
    EXPECT_EQ(MoveDate({2003, 1, 1}, {.Days = 365}, false), (CivilDate{2004, 1, 1}));
    EXPECT_THROW(MoveDate({2099, 12, 1}, {.Months = 1}, false), ToolError);
    EXPECT_THROW(MoveDate({1900, 1, 1}, {.Days = 1}, true), ToolError);
}

}  // namespace
}  // namespace tarvix
