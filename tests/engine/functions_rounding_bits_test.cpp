// Rounding, step and bit functions: values, the limits of the integer
// conversions and their unavailability in complex mode.
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using RoundingBitsTest = FunctionsTest;

TEST_F(RoundingBitsTest, RoundingValues) {
    static const ValueCase cases[] = {
        {"heaviside(0)", kRealRad, 1, 0, kExact},
        {"heaviside(0-0.1)", kRealRad, 0, 0, kExact},
        {"sign(0-3)", kRealRad, -1, 0, kExact},
        {"sign(0)", kRealRad, 0, 0, kExact},
        {"sign(2.5)", kRealRad, 1, 0, kExact},
        {"frac(0-2.5)", kRealRad, -0.5L, 0, kExact},
        {"frac(2.75)", kRealRad, 0.75L, 0, kExact},
        {"int(0-2.5)", kRealRad, -2, 0, kExact},
        {"trunc(2.9)", kRealRad, 2, 0, kExact},
        {"trunc(0-0.5)", kRealRad, 0, 0, kExact},
        {"trunc(0-9223372036854775808)", kRealRad, -0x1p63L, 0, kExact},
        {"ceil(0-2.5)", kRealRad, -2, 0, kExact},
        {"ceil(0-0.5)", kRealRad, 0, 0, kExact},
        {"ceil(2.1)", kRealRad, 3, 0, kExact},
        {"floor(0-2.5)", kRealRad, -3, 0, kExact},
        {"floor(2.9)", kRealRad, 2, 0, kExact},
        // Beyond the 32-bit range ceil and floor stay exact.
        {"ceil(1000000000000.5)", kRealRad, 1000000000001.0L, 0, kExact},
        {"floor(0-3000000000.5)", kRealRad, -3000000001.0L, 0, kExact},
        {"floor(1E30)", kRealRad, 1e30L, 0, kExact},
        {"round(2.5,0)", kRealRad, 3, 0, kExact},
        {"round(0-2.5,0)", kRealRad, -3, 0, kExact},
        {"round(1.23456,2)", kRealRad, 1.23L, 0, kExact},
        {"round(0-1.23456,4)", kRealRad, -1.2346L, 0, kExact},
        {"round(1,20)", kRealRad, 1, 0, kExact},
        {"round(0.1234567890123456789,20)", kRealRad, 0.123456789012346L, 0, kExact},
        {"round(2.5,0-3)", kRealRad, 3, 0, kExact},
        {"round(2.5,0.9)", kRealRad, 3, 0, kExact},
        {"round(17.25,1.9)", kRealRad, 17.3L, 0, kExact},
        {"round(0-0.4,0)", kRealRad, 0, 0, kExact},
        {"round(0.5,1)", kRealRad, 0.5L, 0, kExact},
        {"round(1E20,2)", kRealRad, 1e20L, 0, kExact},
    };
    CheckValues(cases);
}

TEST_F(RoundingBitsTest, BitValues) {
    static const ValueCase cases[] = {
        {"and(12,10)", kRealRad, 8, 0, kExact},
        {"or(12,10)", kRealRad, 14, 0, kExact},
        {"xor(12,10)", kRealRad, 6, 0, kExact},
        {"nor(12,10)", kRealRad, -15, 0, kExact},
        {"and(12.9,10.9)", kRealRad, 8, 0, kExact},
        {"and(0-1,255)", kRealRad, 255, 0, kExact},
        {"not(0)", kRealRad, -1, 0, kExact},
        {"not(5)", kRealRad, -6, 0, kExact},
        {"shl(1,10)", kRealRad, 1024, 0, kExact},
        {"shl(1,63)", kRealRad, -0x1p63L, 0, kExact},
        {"shl(3,62.9)", kRealRad, -0x1p62L, 0, kExact},
        {"shr(0-1,60)", kRealRad, 15, 0, kExact},
        {"shr(0-8,1)", kRealRad, 9223372036854775804.0L, 0, kExact},
        {"shr(1024,0)", kRealRad, 1024, 0, kExact},
        // Counts of 64 and more shift every bit out; so do negative counts.
        {"shl(1,64)", kRealRad, 0, 0, kExact},
        {"shl(1,70)", kRealRad, 0, 0, kExact},
        {"shr(0-1,127)", kRealRad, 0, 0, kExact},
        {"shr(0-1,128)", kRealRad, 0, 0, kExact},
        {"shl(1,1E30)", kRealRad, 0, 0, kExact},
        {"shl(3,0-1)", kRealRad, 0, 0, kExact},
        {"shr(3,0-0.5)", kRealRad, 3, 0, kExact},
    };
    CheckValues(cases);
}

TEST_F(RoundingBitsTest, NotInComplexMode) {
    static const ErrorCase cases[] = {
        {"frac(2.5)", kCplxRad, NoComplexText("frac"), 27},
        {"trunc(2.5)", kCplxRad, NoComplexText("trunc"), 27},
        {"int(2.5)", kCplxRad, NoComplexText("trunc"), 27},
        {"ceil(2.5)", kCplxRad, NoComplexText("ceil"), 27},
        {"floor(2.5)", kCplxRad, NoComplexText("floor"), 27},
        {"round(2.5,1)", kCplxRad, NoComplexText("round"), 27},
        {"heaviside(1)", kCplxRad, NoComplexText("heaviside"), 20},
        {"sign(1)", kCplxRad, NoComplexText("sign"), 20},
        {"not(1)", kCplxRad, NoComplexText("not"), 28},
        {"and(1,2)", kCplxRad, NoComplexText("and"), 28},
        {"or(1,2)", kCplxRad, NoComplexText("or"), 28},
        {"xor(1,2)", kCplxRad, NoComplexText("xor"), 28},
        {"nor(1,2)", kCplxRad, NoComplexText("nor"), 28},
        {"shl(1,2)", kCplxRad, NoComplexText("shl"), 28},
        {"shr(1,2)", kCplxRad, NoComplexText("shr"), 28},
    };
    CheckErrors(cases);
}

TEST_F(RoundingBitsTest, IntegerRangeIsCheckedBeforeConversion) {
    const std::string outOfRange = "Hodnota je mimo rozsah celého čísla";
    static const ErrorCase cases[] = {
        {"trunc(1E19)", kRealRad, outOfRange, 0},
        {"int(9223372036854775808)", kRealRad, outOfRange, 0},
        {"not(0-1E19)", kRealRad, outOfRange, 0},
        {"and(1,1E19)", kRealRad, outOfRange, 0},
        {"xor(1E300,1)", kRealRad, outOfRange, 0},
        {"shl(1E19,1)", kRealRad, outOfRange, 0},
        {"shr(0-1E19,70)", kRealRad, outOfRange, 0},
    };
    CheckErrors<EArithmeticError>(cases);
}

}  // namespace
}  // namespace tarvix::testing
