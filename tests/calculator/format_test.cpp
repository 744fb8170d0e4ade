// FormatValueText over the display modes: number masks, rounding, separators,
// engineering postfixes, bases, complex forms and non-finite values.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calculator/value_format.h"
#include "format_cases.h"

namespace tarvix::testing {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();
const std::string kOutOfRange = "Mimo rozsah 64bitového celého čísla";

struct FormatCase {
    const char* Label;
    ComplexValue Value;
    FormatOptions Opt;
    std::string Expected;
};

ComplexValue R(long double re) {
    return {re, 0.0L};
}

const std::vector<FormatCase>& Cases() {
    static const std::vector<FormatCase> cases = {
        // "%g": up to 15 significant digits, fixed from 0.00001 up to 15 integer digits.
        {"norm 1/3", R(1.0L / 3.0L), Options(), "0,333333333333333 "},
        {"norm 1/3 point", R(1.0L / 3.0L), Options(Norm(), '.'), "0.333333333333333 "},
        {"norm 2/3 rounds last digit", R(2.0L / 3.0L), Options(), "0,666666666666667 "},
        {"norm 1e20", R(1e20L), Options(), "1E20 "},
        {"norm 1e20 point", R(1e20L), Options(Norm(), '.'), "1E20 "},
        {"norm 1.5e20", R(1.5e20L), Options(), "1,5E20 "},
        {"norm 0.00001 fixed", R(0.00001L), Options(), "0,00001 "},
        {"norm 0.000012345 fixed", R(0.000012345L), Options(), "0,000012345 "},
        {"norm 0.000001 exponent", R(0.000001L), Options(), "1E-6 "},
        {"norm 0.000001 point", R(0.000001L), Options(Norm(), '.'), "1E-6 "},
        {"norm negative", R(-2.5L), Options(), "-2,5 "},
        {"norm zero", R(0.0L), Options(), "0 "},
        {"norm negative zero", R(-0.0L), Options(), "0 "},
        {"norm integer", R(100.0L), Options(), "100 "},
        {"norm 15 integer digits", R(123456789012345.0L), Options(), "123456789012345 "},
        {"norm 16 integer digits", R(1e15L), Options(), "1E15 "},
        {"norm rounds up to 16 digits", R(999999999999999.9L), Options(), "1E15 "},
        {"norm 0.1+0.2", R(0.1L + 0.2L), Options(), "0,3 "},
        {"norm small mantissa", R(1.23456789012345678e-7L), Options(), "1,23456789012346E-7 "},
        {"norm tiny negative", R(-1e-300L), Options(), "-1E-300 "},
        {"norm largest", R(LDBL_MAX), Options(), "1,18973149535723E4932 "},
        // "%f" and %1.Nf; digits rounded half up from the 15-digit text.
        {"fix 2", R(2.0L), Options(Fix()), "2,00 "},
        {"fix rounding 5", R(2.0L), Options(Rounded(NumberFormat::Fix, 5)), "2,00000 "},
        {"fix half up 0.125", R(0.125L), Options(Fix()), "0,13 "},
        {"fix half up 2.675", R(2.675L), Options(Fix()), "2,68 "},
        {"fix negative half up", R(-1.005L), Options(Fix()), "-1,01 "},
        {"fix carry", R(999.999L), Options(Fix()), "1000,00 "},
        {"fix no sign for zero", R(-0.001L), Options(Fix()), "0,00 "},
        {"fix no thousands separator", R(1234567.891L), Options(Fix()), "1234567,89 "},
        {"fix over 15 integer digits", R(1e20L), Options(Fix()), "1E20 "},
        {"fix rounding 0", R(2.5L), Options(Rounded(NumberFormat::Fix, 0)), "3 "},
        {"fix rounding 3", R(2.0L / 3.0L), Options(Rounded(NumberFormat::Fix, 3)), "0,667 "},
        {"fix rounding 15", R(1.0L / 3.0L), Options(Rounded(NumberFormat::Fix, 15)),
         "0,333333333333333 "},
        {"fix point", R(3.14159L), Options(Fix(), '.'), "3.14 "},
        // "%e" and %1.Ne.
        {"sci", R(1234.5L), Options(Sci()), "1,23450000000000E+003 "},
        {"sci rounding 3", R(1234.5L), Options(Rounded(NumberFormat::Sci, 3)), "1,23E+003 "},
        {"sci rounding carry", R(9.999L), Options(Rounded(NumberFormat::Sci, 3)), "1,00E+001 "},
        {"sci rounding 1", R(1234.5L), Options(Rounded(NumberFormat::Sci, 1)), "1E+003 "},
        {"sci rounding 0 as 1", R(1234.5L), Options(Rounded(NumberFormat::Sci, 0)), "1E+003 "},
        {"sci zero", R(0.0L), Options(Sci()), "0,00000000000000E+000 "},
        {"sci negative small", R(-1e-10L), Options(Sci()), "-1,00000000000000E-010 "},
        {"sci four exponent digits", R(1e4000L), Options(Sci()), "1,00000000000000E+4000 "},
        {"sci point", R(1234.5L), Options(Rounded(NumberFormat::Sci, 3), '.'), "1.23E+003 "},
        // Rounding under norm: N significant digits, then "%g".
        {"norm rounding 3", R(1234.5L), Options(Rounded(NumberFormat::Norm, 3)), "1230 "},
        {"norm rounding 3 small", R(0.00012345L), Options(Rounded(NumberFormat::Norm, 3)),
         "0,000123 "},
        {"norm rounding 3 third", R(1.0L / 3.0L), Options(Rounded(NumberFormat::Norm, 3)),
         "0,333 "},
        {"norm rounding 2 half up", R(0.125L), Options(Rounded(NumberFormat::Norm, 2)), "0,13 "},
        {"norm rounding 1 carry", R(0.96L), Options(Rounded(NumberFormat::Norm, 1)), "1 "},
        {"norm rounding 0 as 1", R(1234.0L), Options(Rounded(NumberFormat::Norm, 0)), "1000 "},
        {"norm rounding 15", R(2.0L / 3.0L), Options(Rounded(NumberFormat::Norm, 15)),
         "0,666666666666667 "},
        {"norm rounding ignores postfix position", R(1234.5L),
         Options({.RoundingOn = true, .Digits = 3, .PostfixPosition = 7}), "1230 "},
        // Engineering postfix at a given position.
        {"eng u", R(0.0005L), Options(Eng(4)), "500u"},
        {"eng negative u", R(-0.0005L), Options(Eng(4)), "-500u"},
        {"eng k", R(1000.0L), Options(Eng(7)), "1k"},
        {"eng fraction k", R(1234.5L), Options(Eng(7)), "1,2345k"},
        {"eng P", R(1e20L), Options(Eng(11)), "100000P"},
        {"eng p", R(4.7e-12L), Options(Eng(2)), "4,7p"},
        {"eng f", R(1e-20L), Options(Eng(1)), "0,00001f"},
        {"eng blank", R(1.0L), Options(Eng(6)), "1 "},
        {"eng exponent drops postfix", R(1e30L), Options(Eng(11)), "1E30 "},
        {"eng exponent with blank", R(1e-7L), Options(Eng(6)), "1E-7 "},
        {"eng point", R(0.0025L), Options(Eng(5), '.'), "2.5m"},
        // Hexadecimal, binary, octal: the 64-bit pattern.
        {"hex 255", R(255.0L), Options(InBase(nbHex)), "0FFh"},
        {"hex 255 prefix", R(255.0L), Options(InBase(nbHex, true)), "0xFF"},
        {"hex -1", R(-1.0L), Options(InBase(nbHex)), "0FFFFFFFFFFFFFFFFh"},
        {"hex -1 prefix", R(-1.0L), Options(InBase(nbHex, true)), "0xFFFFFFFFFFFFFFFF"},
        {"hex truncates", R(3.9L), Options(InBase(nbHex)), "3h"},
        {"hex negative truncates", R(-3.9L), Options(InBase(nbHex)), "0FFFFFFFFFFFFFFFDh"},
        {"hex zero", R(0.0L), Options(InBase(nbHex)), "0h"},
        {"hex 16", R(16.0L), Options(InBase(nbHex)), "10h"},
        {"hex digit first", R(31.0L), Options(InBase(nbHex)), "1Fh"},
        {"hex letter first", R(2748.0L), Options(InBase(nbHex)), "0ABCh"},
        {"hex largest", R(9223372036854775807.0L), Options(InBase(nbHex)), "7FFFFFFFFFFFFFFFh"},
        {"hex smallest", R(-9223372036854775808.0L), Options(InBase(nbHex)), "8000000000000000h"},
        {"hex ignores number format", R(255.0L),
         Options({.Format = NumberFormat::Fix, .RoundingOn = true, .Digits = 5, .Base = nbHex}),
         "0FFh"},
        {"hex ignores postfix", R(2000.0L),
         Options({.Format = NumberFormat::Eng,
                  .EngPostfixOn = true,
                  .PostfixPosition = 7,
                  .Base = nbHex}),
         "7D0h"},
        {"hex 2^63", R(9223372036854775808.0L), Options(InBase(nbHex)), kOutOfRange},
        {"hex 1e30", R(1e30L), Options(InBase(nbHex)), kOutOfRange},
        {"hex -1e19", R(-1e19L), Options(InBase(nbHex)), kOutOfRange},
        {"hex infinity", R(kInf), Options(InBase(nbHex)), kOutOfRange},
        {"hex NaN", R(kNaN), Options(InBase(nbHex)), kOutOfRange},
        {"bin 5", R(5.0L), Options(InBase(nbBin)), "101b"},
        {"bin zero", R(0.0L), Options(InBase(nbBin)), "0b"},
        {"bin fraction", R(0.9L), Options(InBase(nbBin)), "0b"},
        {"bin -1", R(-1.0L), Options(InBase(nbBin)), std::string(64, '1') + "b"},
        {"bin -inf", R(-kInf), Options(InBase(nbBin)), kOutOfRange},
        {"oct 8", R(8.0L), Options(InBase(nbOct)), "10o"},
        {"oct -1", R(-1.0L), Options(InBase(nbOct)), "1" + std::string(21, '7') + "o"},
        {"oct largest", R(9223372036854775807.0L), Options(InBase(nbOct)),
         std::string(21, '7') + "o"},
        {"oct smallest", R(-9223372036854775808.0L), Options(InBase(nbOct)),
         "1" + std::string(21, '0') + "o"},
        {"oct 1e20", R(1e20L), Options(InBase(nbOct)), kOutOfRange},
        // Real domain ignores the imaginary part.
        {"real ignores imaginary", {3.0L, 4.0L}, Options(), "3 "},
        // Complex component form.
        {"component 3-4i", {3.0L, -4.0L}, ComplexOptions(), "3-4i "},
        {"component 2i", {0.0L, 2.0L}, ComplexOptions(), "2i "},
        {"component -1-1i", {-1.0L, -1.0L}, ComplexOptions(), "-1-1i "},
        {"component 5", {5.0L, 0.0L}, ComplexOptions(), "5 "},
        {"component zero", {0.0L, 0.0L}, ComplexOptions(), "0 "},
        {"component fractions",
         {1.0L / 3.0L, 2.0L / 3.0L},
         ComplexOptions(),
         "0,333333333333333+0,666666666666667i "},
        {"component unit j", {1.0L, 1.0L}, ComplexOptions(Norm(), auDeg, 'j'), "1+1j "},
        {"component fix", {1.0L, 2.0L}, ComplexOptions(Fix()), "1,00+2,00i "},
        {"component eng", {1000.0L, 2000.0L}, ComplexOptions(Eng(7)), "1k+2ki "},
        {"component exponents", {1e20L, 1e-6L}, ComplexOptions(), "1E20+1E-6i "},
        {"component infinite imaginary", {1.0L, kInf}, ComplexOptions(), "1+INFi "},
        // Complex exponential form.
        {"exponential 1+i", {1.0L, 1.0L}, ComplexOptions(Polar()), "1,4142135623731*e^45oi "},
        {"exponential 1+i point",
         {1.0L, 1.0L},
         ComplexOptions(Polar(), auDeg, 'i', '.'),
         "1.4142135623731*e^45oi "},
        {"exponential modulus 1 left out", {0.0L, 1.0L}, ComplexOptions(Polar()), "e^90oi "},
        {"exponential negative angle", {0.0L, -1.0L}, ComplexOptions(Polar()), "e^-90oi "},
        {"exponential modulus 2", {sqrtl(2.0L), sqrtl(2.0L)}, ComplexOptions(Polar()), "2*e^45oi "},
        {"exponential 3+4i", {3.0L, 4.0L}, ComplexOptions(Polar()), "5*e^53,130102354156oi "},
        {"exponential third quadrant",
         {-1.0L, -1.0L},
         ComplexOptions(Polar()),
         "1,4142135623731*e^-135oi "},
        {"exponential real value", {-1.0L, 0.0L}, ComplexOptions(Polar()), "-1 "},
        {"exponential radians",
         {0.0L, 1.0L},
         ComplexOptions(Polar(), auRad),
         "e^1,5707963267949i "},
        {"exponential grads", {0.0L, 1.0L}, ComplexOptions(Polar(), auGrad), "e^100gi "},
        {"exponential unit j", {0.0L, 1.0L}, ComplexOptions(Polar(), auDeg, 'j'), "e^90oj "},
        {"exponential tiny modulus", {1e-16L, 1e-16L}, ComplexOptions(Polar()), "0 "},
        {"exponential tiny angle", {1.0L, 1e-17L}, ComplexOptions(Polar()), "1 "},
        {"exponential fix", {1.0L, 1.0L}, ComplexOptions(Polar(Fix())), "1,41*e^45,00oi "},
        // Non-finite values in decimal.
        {"infinity", R(kInf), Options(), "INF"},
        {"negative infinity", R(-kInf), Options(), "-INF"},
        {"NaN", R(kNaN), Options(), "NAN"},
        {"infinity fix", R(kInf), Options(Fix()), "INF"},
        {"infinity sci", R(-kInf), Options(Sci()), "-INF"},
    };
    return cases;
}

TEST(FormatValueText, Table) {
    for (const auto& c : Cases()) {
        SCOPED_TRACE(c.Label);
        EXPECT_EQ(FormatValueText(c.Value, c.Opt), c.Expected);
    }
}

TEST(FormatReal, KeepsPostfixBlankAndExponentText) {
    // FormatReal leaves the trailing character of the postfix position; the
    // value text trims it and adds a blank after a digit only.
    EXPECT_EQ(FormatReal(2.0L, Options()), "2 ");
    EXPECT_EQ(FormatReal(0.0005L, Options(Eng(4))), "500u");
    EXPECT_EQ(FormatReal(1e20L, Options()), "1E20 ");
    EXPECT_EQ(FormatReal(255.0L, Options(InBase(nbHex))), "0FFh");
}

TEST(FormatReal, OutOfRangeTextIsReplaceable) {
    CalculatorMessageTable texts;
    ASSERT_TRUE(texts.Replace(calcmsg::BaseRangeExceeded, "Out of 64-bit range"));
    FormatOptions o = Options(InBase(nbHex));
    o.Texts = &texts;
    EXPECT_EQ(FormatValueText(R(1e30L), o), "Out of 64-bit range");
    EXPECT_EQ(FormatValueText(R(255.0L), o), "0FFh");
}

TEST(FormatValueText, BaseChoiceLeavesOtherModesUntouched) {
    // Showing a value in hexadecimal is a choice of options, not a mode change:
    // the same options shown again in decimal keep their fixed format.
    const FormatOptions dec = Options(Rounded(NumberFormat::Fix, 3));
    FormatOptions hex = dec;
    hex.Display.Base = nbHex;
    EXPECT_EQ(FormatValueText(R(255.5L), hex), "0FFh");
    EXPECT_EQ(FormatValueText(R(255.5L), dec), "255,500 ");
    EXPECT_EQ(dec.Display.Format, NumberFormat::Fix);
}

}  // namespace
}  // namespace tarvix::testing
