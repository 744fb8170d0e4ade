// FACT and BINOM: values, range errors and the complex-mode refusal.
#include <gtest/gtest.h>

#include <string>

#include "calculus_test_support.h"
#include "engine/parser_messages.h"
#include "engine_fixture.h"

namespace tarvix::testing {
namespace {

struct ValueCase {
    const char* Text;
    long double Expected;
    long double RelativeTolerance;
};

class SpecialValueTest : public EngineTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(SpecialValueTest, Computes) {
    const ValueCase& c = GetParam();
    parser.SetExpression(c.Text);
    const ComplexValue v = parser.Evaluate();
    if (c.RelativeTolerance == 0)
        EXPECT_EQ(v.Re, c.Expected) << c.Text;
    else
        EXPECT_TRUE(IsClose(v.Re, c.Expected, c.Expected * c.RelativeTolerance)) << c.Text;
    EXPECT_EQ(v.Im, 0.0L) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Factorial, SpecialValueTest,
    ::testing::Values(ValueCase{"fact(0)", 1, 0}, ValueCase{"fact(0.5)", 1, 0},
                      ValueCase{"fact(1)", 1, 0}, ValueCase{"fact(4.9)", 24, 0},
                      ValueCase{"FACT(10)", 3628800, 0}, ValueCase{"fact(2+3)", 120, 0},
                      ValueCase{"5!", 120, 0},
                      ValueCase{"fact(25)", 15511210043330985984000000.0L, 1e-18L},
                      ValueCase{"fact(1754)", 1.9792618901050100554e4930L, 1e-15L}));

INSTANTIATE_TEST_SUITE_P(
    Binomial, SpecialValueTest,
    ::testing::Values(ValueCase{"binom(5,2)", 10, 0}, ValueCase{"binom(5,3)", 10, 0},
                      ValueCase{"binom(5,0)", 1, 0}, ValueCase{"binom(5,5)", 1, 0},
                      ValueCase{"binom(0,0)", 1, 0}, ValueCase{"binom(5,1)", 5, 0},
                      ValueCase{"binom(5,4)", 5, 0}, ValueCase{"binom(5.9,2.9)", 10, 0},
                      ValueCase{"BINOM(10,3)", 120, 0}, ValueCase{"binom(52,5)", 2598960, 1e-18L},
                      ValueCase{"binom(100,50)", 100891344545564193334812497256.0L, 1e-17L},
                      ValueCase{"binom(1000,500)", 2.702882409454365695e299L, 1e-15L},
                      // n itself has no upper bound; a small k needs few steps.
                      ValueCase{"binom(2000000000,1)", 2000000000, 0},
                      ValueCase{"binom(2000000000,2)", 1999999999000000000.0L, 1e-18L}));

struct ErrorCase {
    const char* Text;
    std::string Message;
};

class SpecialRangeTest : public EngineTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(SpecialRangeTest, Fails) {
    const ErrorCase& c = GetParam();
    parser.SetExpression(c.Text);
    ExpectEngineError<EBadDomain>([&] { parser.Evaluate(); }, c.Message, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Factorial, SpecialRangeTest,
    ::testing::Values(ErrorCase{"fact(1755)", "Argument funkce x! je mimo rozsah <0, 1754>"},
                      ErrorCase{"fact(1754.5)", "Argument funkce x! je mimo rozsah <0, 1754>"},
                      ErrorCase{"fact(-1)", "Argument funkce x! je mimo rozsah <0, 1754>"},
                      ErrorCase{"fact(-0.5)", "Argument funkce x! je mimo rozsah <0, 1754>"}));

INSTANTIATE_TEST_SUITE_P(
    Binomial, SpecialRangeTest,
    ::testing::Values(
        ErrorCase{"binom(5,6)", "Argument funkce binom(n;k) je mimo rozsah k = <0..n>"},
        ErrorCase{"binom(5,-1)", "Argument funkce binom(n;k) je mimo rozsah k = <0..n>"},
        ErrorCase{"binom(0,1)", "Argument funkce binom(n;k) je mimo rozsah k = <0..n>"},
        ErrorCase{"binom(-1,0)", "Argument funkce binom(n;k) je mimo rozsah <0, 1754>"},
        ErrorCase{"binom(-1,5)", "Argument funkce binom(n;k) je mimo rozsah <0, 1754>"}));

TEST_F(EngineTest, BinomialArgumentsBeyondInt32AreRangeErrors) {
    for (const char* text : {"binom(3000000000,1)", "binom(5,-3000000000)"}) {
        parser.SetExpression(text);
        ExpectEngineError<EArithmeticError>([&] { parser.Evaluate(); },
                                            ParserMessages().Text(msg::RangeError), 0);
    }
}

TEST_F(EngineTest, BinomialBeyondFloatRangeOverflows) {
    parser.SetExpression("binom(20000,10000)");
    ExpectEngineError<EArithmeticError>([&] { parser.Evaluate(); },
                                        ParserMessages().Text(msg::FloatOverflow), 0);
}

struct ComplexCase {
    const char* Text;
    std::string Message;
    int HelpContext;
};

class SpecialComplexModeTest : public EngineTest,
                               public ::testing::WithParamInterface<ComplexCase> {};

TEST_P(SpecialComplexModeTest, CompilesButDoesNotEvaluate) {
    const ComplexCase& c = GetParam();
    parser.SetNumericalScope(nsComplex);
    parser.SetExpression(c.Text);
    ASSERT_TRUE(parser.IsCompiled());
    ExpectEngineError<EBadDomain>([&] { parser.Evaluate(); }, c.Message, c.HelpContext);
}

INSTANTIATE_TEST_SUITE_P(
    Calculus, SpecialComplexModeTest,
    ::testing::Values(
        // The complex-mode check comes before the range checks.
        ComplexCase{"fact(3)", "Funkce x! není dostupná v režimu cplx", 20},
        ComplexCase{"fact(-1)", "Funkce x! není dostupná v režimu cplx", 20},
        ComplexCase{"binom(5,2)", "Funkce binom(n;k) není dostupná v režimu cplx", 28},
        ComplexCase{"binom(5,6)", "Funkce binom(n;k) není dostupná v režimu cplx", 28}));

// The "!" postfix of a literal is fact() written short: refused in the
// complex domain when the text is compiled, in every position.
TEST_F(EngineTest, FactorialPostfixIsRealOnly) {
    parser.SetNumericalScope(nsComplex);
    for (const char* text : {"3!", "2*3!", "3!+i"}) {
        ExpectEngineError<EBadDomain>([&] { parser.SetExpression(text); },
                                      "Funkce x! není dostupná v režimu cplx", 20);
    }
    parser.SetNumericalScope(nsReal);
    parser.SetExpression("3!");
    EXPECT_EQ(parser.Evaluate().Re, 6.0L);
}

}  // namespace
}  // namespace tarvix::testing
