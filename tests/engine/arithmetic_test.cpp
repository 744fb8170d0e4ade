// Operators in both domains, complex helpers, angle conversion and the
// arithmetic faults the evaluator reports.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/complex_math.h"
#include "engine/float_guard.h"
#include "engine/operators.h"
#include "engine/parser_errors.h"
#include "engine_fixture.h"

namespace tarvix::testing {
namespace {

using ArithmeticTest = EngineTest;

void ExpectNear(const ComplexValue& actual, const ComplexValue& expected) {
    EXPECT_NEAR(static_cast<double>(actual.Re), static_cast<double>(expected.Re), 1e-17);
    EXPECT_NEAR(static_cast<double>(actual.Im), static_cast<double>(expected.Im), 1e-17);
}

TEST_F(ArithmeticTest, IntegerDivisionAndRemainder) {
    struct Case {
        const char* text;
        long double expected;
    } cases[] = {{"7 DIV 2", 3},   {"(0-7) DIV 2", -3}, {"-7 MOD 2", -1}, {"7 MOD (0-2)", 1},
                 {"7.9 DIV 2.9", 3}, {"(0-7) MOD 2", -1}, {"9223372036854775807 MOD 10", 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Real(c.text), c.expected);
    }
    int help = 0;
    EXPECT_EQ(ErrorOf("5 DIV 0.5", &help), "Dělení nulou operátorem div");
    EXPECT_EQ(help, 18);
    EXPECT_EQ(ErrorOf("5 MOD 0"), "Dělení nulou operátorem mod");
    // The quotient that does not fit 64 bits is an error, never a crash.
    EXPECT_THROW(Eval("(0-9223372036854775808) DIV (0-1)"), EArithmeticError);
    EXPECT_EQ(Real("(0-9223372036854775808) MOD (0-1)"), 0);
    // Operands outside the 64-bit range are range errors.
    EXPECT_THROW(Eval("1e30 DIV 2"), EArithmeticError);
    Complex();
    EXPECT_EQ(ErrorOf("5 DIV 2", &help), "Funkce div není dostupná v režimu cplx");
    EXPECT_EQ(help, 18);
    EXPECT_EQ(ErrorOf("5 MOD 2"), "Funkce mod není dostupná v režimu cplx");
}

TEST_F(ArithmeticTest, RealPowers) {
    EXPECT_NEAR(static_cast<double>(Real("(0-8)^(1/3)")), -2.0, 1e-15);
    EXPECT_EQ(ErrorOf("(0-8)^0.5"),
              "Chyba argumentu funkce power(x;y),\nzáklad je záporný a exponent necelý");
    EXPECT_EQ(ErrorOf("0^(0-1.5)"),
              "Chyba argumentu funkce power(x;y),\nzáklad je nulový a exponent záporný");
    EXPECT_EQ(Real("0^2.5"), 0);
    // Odd roots whose reciprocal is not exact in binary still count.
    EXPECT_NEAR(static_cast<double>(Real("(0-32768)^(1/15)")), -2.0, 1e-15);
    EXPECT_LT(Real("(0-5)^(1/61)"), 0);
    // Squaring stops with the last bit: no spurious overflow.
    EXPECT_NEAR(static_cast<double>(Real("1e900^5") / 1e4500L), 1.0, 1e-17);
    EXPECT_EQ(Real("2^0.5"), sqrtl(2.0L));
    EXPECT_EQ(Real("10^(0-3)"), 1e-3L);
    EXPECT_EQ(RealIntPower(2.0L, -16400.0L), ldexpl(1.0L, -16400));
    EXPECT_THROW(RealIntPower(2.0L, 3e9L), EArithmeticError);
}

TEST_F(ArithmeticTest, ComplexOperatorsAndPowers) {
    Complex();
    EXPECT_EQ(Eval("i^2"), (ComplexValue{-1, 0}));
    EXPECT_EQ(Eval("(1+2i)*(3-i)"), (ComplexValue{5, 5}));
    ExpectNear(Eval("(5+5i)/(3-i)"), {1, 2});
    ExpectNear(Eval("(1+i)^3"), {-2, 2});
    EXPECT_EQ(Eval("0^2"), (ComplexValue{0, 0}));
    EXPECT_EQ(Eval("0^(0.5+3i)"), (ComplexValue{0, 0}));
    EXPECT_EQ(ErrorOf("0^0"), "Argument funkce power(x;y)\nje neurčitý výraz 0^0");
    EXPECT_EQ(ErrorOf("0^(0-1)"), "Dělení nulou");
    ComplexValue v = Eval("(1+i)^(0+1i)");
    EXPECT_NEAR(static_cast<double>(v.Re), 0.428829006294368, 1e-14);
    EXPECT_NEAR(static_cast<double>(v.Im), 0.154871752464247, 1e-14);
    int help = -1;
    EXPECT_EQ(ErrorOf("1/(0+0i)", &help), "Dělení nulou");
    EXPECT_EQ(help, 0);
}

TEST_F(ArithmeticTest, RealModeIgnoresImaginaryParts) {
    parser.SetVariable("z", {2, 5});
    EXPECT_EQ(Eval("z*3"), (ComplexValue{6, 0}));
}

TEST_F(ArithmeticTest, ComplexHelpers) {
    EXPECT_EQ(CSqrt({-4, 0}), (ComplexValue{0, 2}));
    EXPECT_EQ(CSqrt({4, 0}), (ComplexValue{2, 0}));
    EXPECT_EQ(CSqrt({-3, 4}), (ComplexValue{1, 2}));
    EXPECT_EQ(CSqrt({3, -4}), (ComplexValue{2, -1}));
    // Just off the negative real axis: no division by zero, the right branch.
    ComplexValue near = CSqrt({-4, 1e-30L});
    EXPECT_NEAR(static_cast<double>(near.Im), 2.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(near.Re), 2.5e-31, 1e-45);
    ComplexValue ln = CLn({-1, 0});
    EXPECT_EQ(ln.Re, 0);
    EXPECT_EQ(ln.Im, kPi);
    EXPECT_THROW(CLn({0, 0}), EBadDomain);
    // Smith's division: no overflow for huge or tiny operands.
    ComplexValue q = CDiv({1e4900L, 1e4900L}, {1e4900L, 1e4900L});
    EXPECT_EQ(q, (ComplexValue{1, 0}));
    ComplexValue t = CDiv({1e-4900L, 0}, {1e-4900L, 1e-4900L});
    EXPECT_NEAR(static_cast<double>(t.Re), 0.5, 1e-15);
    EXPECT_THROW(CDiv({1, 0}, {0, 0}), EBadDomain);
    EXPECT_EQ(ArcTan2(-0.0L, -1.0L), kPi);
    EXPECT_EQ(ArcTan2(0.0L, -1.0L), kPi);
    EXPECT_EQ(ArcTan2(-1e-4000L, -1.0L), -kPi);
}

TEST_F(ArithmeticTest, AngleConversion) {
    EngineModes.CurrentAngleUnit = auDeg;
    EXPECT_EQ(ToRadians(180.0L), kPi);
    EngineModes.CurrentAngleUnit = auGrad;
    EXPECT_NEAR(static_cast<double>(ToRadians(200.0L)), static_cast<double>(kPi), 1e-17);
    EXPECT_NEAR(static_cast<double>(FromRadians(kPi)), 200.0, 1e-13);
    EngineModes.CurrentAngleUnit = auDeg;
    EngineModes.ComplexMode = true;
    ComplexValue r = ToRadians(ComplexValue{90, 90});
    EXPECT_EQ(r.Re, kPi / 2);
    EXPECT_EQ(r.Im, kPi / 2);
    EngineModes.ComplexMode = false;
    EXPECT_EQ(ToRadians(ComplexValue{90, 90}).Im, 90);
}

TEST_F(ArithmeticTest, FloatingPointFaultsBecomeErrors) {
    EXPECT_EQ(ErrorOf("1e4000*1e4000"), "Přetečení rozsahu čísla s pohyblivou řádovou čárkou");
    EXPECT_THROW(Eval("1e4000*1e4000"), EArithmeticError);
    EXPECT_EQ(ErrorOf("0^-1"), "Dělení nulou v pohyblivé řádové čárce");  // 1/0^1
    Complex();
    EXPECT_THROW(Eval("(1e3000+1e3000i)*(1e3000+1e3000i)"), EArithmeticError);
    // A failed evaluation does not poison the next one.
    EXPECT_EQ(Eval("1+1"), (ComplexValue{2, 0}));
}

// Flags left set by code outside the evaluator (here the x87 and the SSE
// unit) do not fail the next evaluation, and a fault whose result vanishes
// is still reported.
TEST_F(ArithmeticTest, OnlyFaultsOfTheEvaluationCount) {
    const std::string overflow = "Přetečení rozsahu čísla s pohyblivou řádovou čárkou";
    volatile long double hugeExtended = 1e4000L;
    volatile long double extended = hugeExtended * hugeExtended;  // x87 overflow
    volatile double hugeDouble = 1e308;
    volatile double sse = hugeDouble * 10.0;  // SSE overflow
    volatile double zero = 0.0;
    volatile double quotient = 1.0 / zero;  // SSE division by zero
    (void)extended, (void)sse, (void)quotient;
    ASSERT_NE(RaisedFloatFlags(), 0u);
    EXPECT_EQ(Eval("1+1"), (ComplexValue{2, 0}));
    EXPECT_EQ(RaisedFloatFlags(), 0u);
    EXPECT_EQ(ErrorOf("1/(1e4000*1e4000)"), overflow);
    EXPECT_EQ(ErrorOf("1/(1e4000*1e4000)+sin(1)*exp(2)"), overflow);
    EXPECT_EQ(Real("2*3"), 6);
}

// The optimiser must not move arithmetic past the flag test.
long double OverflowingProduct(long double a) {
    ClearFloatFlags();
    long double p = a * a;
    FloatBarrier(p);
    try {
        CheckFloatFlags();
    } catch (const EArithmeticError&) {
        return -1.0L;
    }
    return p;
}

TEST_F(ArithmeticTest, FlagTestSeesTheArithmeticBeforeIt) {
    volatile long double big = 1e4000L;
    EXPECT_EQ(OverflowingProduct(big), -1.0L);
    volatile long double small = 3.0L;
    EXPECT_EQ(OverflowingProduct(small), 9.0L);
}

TEST_F(ArithmeticTest, IntegerConversionsAreRangeChecked) {
    EXPECT_EQ(TruncToInt64(-9223372036854775808.0L), INT64_MIN);
    EXPECT_EQ(TruncToInt64(9223372036854775807.0L), INT64_MAX);
    EXPECT_THROW(TruncToInt64(9223372036854775808.0L), EArithmeticError);
    EXPECT_THROW(TruncToInt64(NAN), EArithmeticError);
    EXPECT_EQ(TruncToInt32(-2147483648.9L), INT32_MIN);
    EXPECT_THROW(TruncToInt32(2147483648.0L), EArithmeticError);
}

}  // namespace
}  // namespace tarvix::testing
