// Grouping, literals, limits and compile errors of the expression compiler.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/compiler.h"
#include "engine/engine_modes.h"
#include "engine/parser_errors.h"
#include "engine_fixture.h"

namespace tarvix::testing {
namespace {

class CompilerTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        parser.SetVariable("a", {10});
        parser.SetVariable("b", {4});
        parser.SetVariable("c", {2});
        parser.SetVariable("x", {3});
    }
};

struct RealCase {
    const char* text;
    long double expected;
};

TEST_F(CompilerTest, GroupingFollowsTheOperandClasses) {
    const RealCase cases[] = {
        {"a-b-c", 4},          // (a-b)-c
        {"a-b+c", 8},          // (a-b)+c
        {"a+b-c", 12},         // a+(b-c)
        {"8/4/2", 1},          // (8/4)/2
        {"a/b*c", 5},          // (a/b)*c
        {"a*b/c", 20},         // a*(b/c)
        {"2*3DIV2", 2},        // 2*(3 DIV 2)
        {"7DIV2*2", 6},        // (7 DIV 2)*2
        {"9DIV2/2", 2},        // (9 DIV 2)/2
        {"7 div 2", 3},        // word operators in any case
        {"7Mod2", 1},
        {"7\\2", 3},
        {"2*-3", -6},          // -3 is a literal
        {"-2^2", -4},          // 0-(2^2)
        {"-x^2", -9},
        {"-(-3)", 3},
        {"(2^3)^2", 64},
        {"2^(3^2)", 512},
        {"((((1+2))))*3", 9},
        {"2^-2", 0.25L},
        {"-x*b", -12},         // (-x)*b
        {"2*(-x)", -6},
        {"1+(-x)*2", -5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Real(c.text), c.expected);
    }
}

// A minus after an operator negates the whole power that follows, as it does
// at the start of the text: -3^2 is -(3^2) wherever it stands, never (-3)^2.
// A signed literal base would make 2*-3^2 differ from 2*(-3^2).
TEST_F(CompilerTest, MinusBeforeAPowerNegatesThePower) {
    const RealCase cases[] = {
        {"2*-3^2", -18},  {"1--3^2", 10},      {"4/-2^2", -1},  {"max(0,-3^2)", 0},
        {"-3^2", -9},     {"min(0,-3^2)", -9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Real(c.text), c.expected);
    }
}

TEST_F(CompilerTest, RejectsWhatTheGrammarDoesNotAllow) {
    const char* cases[] = {"2^3^2", "2*-x", "x+-a", "2x", "2(3)", "2e", "a*", "*a",
                           "power(,2)", "power(1,)", "max(,2)", "max(1,)", "sqr", "sin", "()", "1fh", "x!"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ErrorOf(text), "Syntaktická chyba ve výrazu");
    }
}

TEST_F(CompilerTest, ErrorClassesAndHelpContexts) {
    EXPECT_THROW(Eval("2^3^2"), ESyntaxError);
    EXPECT_THROW(Eval("(1+2"), EMissMatchingBracket);
    EXPECT_THROW(parser.SetExpression("1 + 2"), EExpressionHasBlanks);
    int help = -1;
    EXPECT_EQ(ErrorOf("(1+2", &help), "Chybějící závorka ve výrazu");
    EXPECT_EQ(help, 11);
    // Blanks around the text are removed, not rejected.
    parser.SetExpression("  1+2  ");
    EXPECT_EQ(parser.Evaluate().Re, 3);
}

TEST_F(CompilerTest, NumberLiterals) {
    const RealCase cases[] = {
        {"5k", 5000},   {"5M", 5e6},      {"5m", 5 * 1e-3L}, {"2G", 2e9}, {"3T", 3e12},
        {"1P", 1e15},   {"4u", 4 * 1e-6L},    {"7n", 7 * 1e-9L},  {"1p", 1e-12L}, {"2f", 2 * 1e-15L},
        {"12%", 0.12L}, {"5!", 120},      {"101b", 5},    {"17o", 15}, {"1Fh", 31},
        {"0x1f", 31},   {"12d", 12},      {"1.5e3", 1500}, {".5", 0.5L}, {"5.", 5},
        {"1E-2", 0.01L}, {"7FFFFFFFFFFFFFFFh", 9223372036854775807.0L},
        {"4.7!", 24},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Real(c.text), c.expected);
    }
    EXPECT_EQ(Real("pi"), kPi);
    EXPECT_EQ(Real("Pi"), kPi);
    EXPECT_EQ(Real("e"), kE);
    EXPECT_NEAR(static_cast<double>(Real("2*e")), 5.43656365691809, 1e-13);
    // E is the register, e the constant.
    parser.SetVariable("E", {7});
    EXPECT_EQ(Real("E"), 7);
}

TEST_F(CompilerTest, LiteralErrors) {
    int help = 0;
    EXPECT_EQ(ErrorOf("8000000000000000h", &help), "Překročen rozsah 2^64");
    EXPECT_EQ(help, 14);
    EXPECT_EQ(ErrorOf("1755!"), "Argument funkce x! je mimo rozsah <0, 1754>");
    EXPECT_THROW(Eval("1e5000"), EBadDomain);
    // A literal below the extended range is zero, not an error.
    EXPECT_EQ(Real("1e-5000"), 0);
}

TEST_F(CompilerTest, LiteralsInOtherBases) {
    parser.SetNumericalBase(nbHex);
    const RealCase hex[] = {{"0FF", 255}, {"1e5", 485}, {"1F", 31}, {"1f", 1e-15L},
                            {"1b", 1},    {"1B", 27},   {"12d", 12}, {"-0A*1", -10}};
    for (const auto& c : hex) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Real(c.text), c.expected);
    }
    // FF is a name, not a number.
    Eval("FF");
    EXPECT_TRUE(parser.VariableExists("FF"));
    int help = 0;
    EXPECT_EQ(ErrorOf("1.5", &help), "Neplatný znak \"1.5\" číselné soustavy hex.");
    EXPECT_EQ(help, 14);

    parser.SetNumericalBase(nbOct);
    EXPECT_EQ(ErrorOf("19"), "Neplatný znak \"19\" číselné soustavy oct.");
    EXPECT_EQ(Real("17"), 15);
    parser.SetNumericalBase(nbBin);
    EXPECT_EQ(Real("1011"), 11);
    EXPECT_EQ(ErrorOf("12"), "Neplatný znak \"12\" číselné soustavy bin.");
}

TEST_F(CompilerTest, ImaginaryLiterals) {
    Complex();
    EXPECT_EQ(Eval("3i"), (ComplexValue{0, 3}));
    EXPECT_EQ(Eval("-i"), (ComplexValue{0, -1}));
    EXPECT_EQ(Eval("2.5ki"), (ComplexValue{0, 2500}));
    EXPECT_EQ(Eval("30oi").Im, 30 * (kPi / 180));
    EXPECT_EQ(Eval("30o").Re, 30 * (kPi / 180));
    EXPECT_EQ(Eval("100g").Re, 100 * (kPi / 200));
    int help = 0;
    EXPECT_EQ(ErrorOf("3j", &help), "Symbol (j) není nastaveným symbolem imaginární jednotky");
    EXPECT_EQ(help, 113);
    EXPECT_EQ(ErrorOf("3kj", &help), "Symbol (j) není nastaveným symbolem imaginární jednotky");
    EXPECT_EQ(help, 15);
    EXPECT_THROW(Eval("3j"), EBadImaginaryUnit);

    EngineModes.ImaginaryUnitChar = 'j';
    EXPECT_EQ(Eval("3j"), (ComplexValue{0, 3}));
    EXPECT_THROW(Eval("3i"), EBadImaginaryUnit);
    // The unit letter is never a variable; the other letter may be one.
    Eval("i+1");
    EXPECT_TRUE(parser.VariableExists("i"));
    EXPECT_FALSE(parser.VariableExists("j"));
}

TEST_F(CompilerTest, PowerKindsFollowTheLiteralExponent) {
    EXPECT_EQ(Real("2^10"), 1024);
    EXPECT_EQ(Real("x^2"), 9);
    EXPECT_EQ(Real("x^3"), 27);
    EXPECT_EQ(Real("x^4"), 81);
    // 0^0 with an integral literal exponent is the integer power's error.
    EXPECT_EQ(ErrorOf("0^0"), "Argument funkce intpower(x;y)\nje neurčitý výraz 0^0");
    parser.SetVariable("z", {0});
    EXPECT_EQ(ErrorOf("0^z"), "Argument funkce power(x;y)\nje neurčitý výraz 0^0");
    // An exponent literal beyond 32 bits gives the real power, not a range error.
    EXPECT_EQ(Real("1^1e12"), 1);
    EXPECT_EQ(Real("2^-1"), 0.5L);
}

TEST_F(CompilerTest, NestingAndComplexityLimits) {
    auto chain = [](int plusSigns) {
        std::string s = "1";
        for (int i = 0; i < plusSigns; ++i) s += "+1";
        return s;
    };
    EXPECT_EQ(Real(chain(50)), 51);
    EXPECT_EQ(ErrorOf(chain(51)), "Výraz je příliš zahnízděný");
    EXPECT_THROW(Eval(chain(51)), ETooManyNestings);

    // 101 operations on one level: a balanced tree of products of sums.
    std::string wide = "(1+1)";
    std::string text = wide;
    for (int i = 0; i < 7; ++i) text = "(" + text + ")*(" + text + ")";
    EXPECT_THROW(Eval(text), EExpressionTooComplex);
}

TEST_F(CompilerTest, FailedCompileRegistersNoVariables) {
    const int before = parser.VarCount();
    EXPECT_THROW(Eval("newone+2^3^2"), ESyntaxError);
    EXPECT_THROW(Eval("alpha*(beta+"), EMissMatchingBracket);
    EXPECT_EQ(parser.VarCount(), before);
    EXPECT_FALSE(parser.VariableExists("newone"));
    // Names seen only in branches the final tree did not take are not registered.
    Eval("q1+q2");
    EXPECT_EQ(parser.VarCount(), before + 2);
    EXPECT_EQ(parser.NewVarCount(), 2);
}

TEST_F(CompilerTest, CompilationIsNotExponential) {
    // Forty-term chains and deeply bracketed texts compile at once.
    std::string chain = "a";
    for (int i = 0; i < 39; ++i) chain += (i % 2 ? "-b*c" : "-x");
    Eval(chain);
    std::string nested = "x";
    for (int i = 0; i < 45; ++i) nested = "(" + nested + "-x*2)";
    EXPECT_NO_THROW(Eval(nested));
    // A long text that fails after much backtracking.
    std::string bad;
    for (int i = 0; i < 60; ++i) bad += "x-";
    bad += "^";
    EXPECT_THROW(Eval(bad), ESyntaxError);
}

TEST_F(CompilerTest, FunctionCallsSplitAtTheFirstValidComma) {
    EXPECT_EQ(Real("power(2,10)"), 1024);
    EXPECT_EQ(Real("POWER(power(2,2),power(1+1,1))"), 16);
    EXPECT_EQ(Real("sqr(x)*sqr(2)"), 36);
    EXPECT_EQ(Real("intpower(2,3)"), 8);
    EXPECT_THROW(Eval("power(1)"), ESyntaxError);
    EXPECT_EQ(Real("max(1,2)"), 2);
    // A product of calls splits at the "*" between them.
    parser.SetAngleUnits(auDeg);
    EXPECT_NEAR(static_cast<double>(Real("sin(30)*cos(60)")), 0.25, 1e-18);
    EXPECT_EQ(Real("max(min(3,4),power(2,1))"), 3);
}

}  // namespace
}  // namespace tarvix::testing
