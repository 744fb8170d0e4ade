// Degrees-minutes-seconds texts and their reading back.
#include "calculator/dms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/parser_errors.h"

namespace tarvix::testing {
namespace {

TEST(DmsText, Table) {
    const std::vector<std::tuple<long double, char, std::string>> cases = {
        {12.75L, ',', "12:45:00,000"},          {12.2L, ',', "12:12:00,000"},
        {12.2L, '.', "12:12:00.000"},           {0.0L, ',', "0:00:00,000"},
        {-1.5L, ',', "-1:-30:00,000"},          {-0.5L, ',', "0:-30:00,000"},
        {59.9999999L, ',', "60:00:00,000"},     {1.0001L, ',', "1:00:00,360"},
        {10.5125L, ',', "10:30:45,000"},        {1.0L / 3.0L, ',', "0:20:00,000"},
        {0.0000001L, ',', "0:00:00,000"},      // 0.36 ms rounds to 0
        {359.9999998L, ',', "359:59:59,999"},  // 999.28 ms rounds down
        {123456.789L, ',', "123456:47:20,400"},
    };
    for (const auto& [value, separator, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(DmsText(value, separator), expected);
    }
}

TEST(DmsText, RejectsValuesWithoutWholeMilliseconds) {
    EXPECT_THROW(DmsText(1e300L, ','), EArithmeticError);
    EXPECT_THROW(DmsText(std::numeric_limits<long double>::infinity(), ','), EArithmeticError);
    EXPECT_THROW(DmsText(std::numeric_limits<long double>::quiet_NaN(), ','), EArithmeticError);
}

TEST(ParseDms, Table) {
    const std::vector<std::pair<const char*, long double>> cases = {
        {"12:30", 12.5L},
        {"12:45:00.000", 12.75L},
        {"12:45:00,000", 12.75L},
        {"12:30:15", 12.5L + 15.0L / 3600.0L},
        {"12:30:15.250", 12.5L + 15.0L / 3600.0L + 250.0L / 3600000.0L},
        {"-1:-30:00,000", -1.5L},
        {"12:", 12.0L},
        {" 7:06 ", 7.1L},
        {"1.5:30", 2.0L},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_NEAR(ParseDms(text), expected, 1e-15L);
    }
}

TEST(ParseDms, UnconvertibleTextsRaiseTheMessage) {
    for (const char* text :
         {"12:30.5", "12", "", ":30", "abc:1", "12:x", "12:30:1a", "12:30:15.x"}) {
        SCOPED_TRACE(text);
        try {
            ParseDms(text);
            ADD_FAILURE() << "no error";
        } catch (const TarvixError& e) {
            EXPECT_EQ(std::string(e.what()), std::string("Nekonvertovatelný řetězec\n") + text);
            EXPECT_EQ(e.HelpContext(), 13);
        }
    }
}

TEST(ParseDms, MessageIsReplaceable) {
    CalculatorMessageTable texts;
    ASSERT_TRUE(texts.Replace("msg_nonconvertiblestring", "Cannot convert \"%s\""));
    try {
        ParseDms("1:2.5", texts);
        ADD_FAILURE() << "no error";
    } catch (const TarvixError& e) {
        EXPECT_STREQ(e.what(), "Cannot convert \"1:2.5\"");
    }
}

TEST(Dms, RoundTripToTheMillisecond) {
    for (long double x : {12.75L, 0.123456L, -45.678901L, 359.9999L, 1234.0005L, -0.01L}) {
        SCOPED_TRACE(static_cast<double>(x));
        long double back = ParseDms(DmsText(x, ','));
        EXPECT_NEAR(back, roundl(x * 3600000.0L) / 3600000.0L, 1e-12L);
        EXPECT_EQ(DmsText(back, ','), DmsText(x, ','));
    }
}

}  // namespace
}  // namespace tarvix::testing
