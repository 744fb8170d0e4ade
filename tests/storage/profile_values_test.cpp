// Reading and writing typed profile values: integers (decimal and hexadecimal),
// Booleans and floating-point numbers, with every malformed form refused.
#include "storage/profile_values.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <limits>
#include <optional>

namespace tarvix {
namespace {

TEST(ProfileValues, Integers) {
    struct Case {
        std::string_view text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"42", 42},
        {" -7\t", -7},
        {"+3", 3},
        {"0", 0},
        {"-0", 0},
        {"$FF", 255},
        {"$ff", 255},
        {"0x10", 16},
        {"-$10", -16},
        {"$80000008", 0x80000008LL},
        {"9223372036854775807", INT64_MAX},
        {"-9223372036854775808", INT64_MIN},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"$8000000000000000", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"12abc", std::nullopt},
        {"1.5", std::nullopt},
        {"1 2", std::nullopt},
        {"--1", std::nullopt},
        {"+-1", std::nullopt},
        {"$-1", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"$0x10", std::nullopt},
        {"true", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseProfileInteger(c.text), c.value) << c.text;
}

TEST(ProfileValues, Booleans) {
    EXPECT_EQ(ParseProfileBool("1"), true);
    EXPECT_EQ(ParseProfileBool("0"), false);
    EXPECT_EQ(ParseProfileBool("-5"), true);
    EXPECT_EQ(ParseProfileBool("$0"), false);
    EXPECT_EQ(ParseProfileBool("yes"), std::nullopt);
    EXPECT_EQ(ParseProfileBool(""), std::nullopt);
    EXPECT_EQ(ProfileBoolText(true), "1");
    EXPECT_EQ(ProfileBoolText(false), "0");
}

TEST(ProfileValues, Floats) {
    struct Case {
        std::string_view text;
        std::optional<long double> value;
    };
    const Case cases[] = {
        {"2.5", 2.5L},
        {"2,5", 2.5L},
        {" -1e3 ", -1000.0L},
        {"+1E-2", 0.01L},
        {".5", 0.5L},
        {"5.", 5.0L},
        {"7", 7.0L},
        {"1.18973149535723176502e+4932", LDBL_MAX},
        {"1e", std::nullopt},
        {"e5", std::nullopt},
        {".", std::nullopt},
        {"", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x1p3", std::nullopt},
        {"1e99999", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,5,6", std::nullopt},
        {"--1", std::nullopt},
        {"1 000", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseProfileFloat(c.text), c.value) << c.text;
}

TEST(ProfileValues, FloatTextReadsBackExactly) {
    const long double values[] = {0.1L,        -3.14159265358979323846264338327950288L,
                                  1.0L / 3.0L, LDBL_MAX,
                                  LDBL_MIN,    0.0L,
                                  -0.0L,       123456789012345678.0L};
    for (long double value : values) {
        std::optional<std::string> text = ProfileFloatText(value);
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(ParseProfileFloat(*text), value) << *text;
        EXPECT_EQ(text->find(','), std::string::npos);
    }
    EXPECT_EQ(ProfileFloatText(std::numeric_limits<long double>::infinity()), std::nullopt);
    EXPECT_EQ(ProfileFloatText(std::numeric_limits<long double>::quiet_NaN()), std::nullopt);
}

}  // namespace
}  // namespace tarvix
