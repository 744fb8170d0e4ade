// Deeply nested and very long expressions: refused with the nesting message on
// a small stack and in time proportional to their length, while texts within
// the limits still compile.
#include <gtest/gtest.h>

#include <string>

#include "engine/compiler.h"
#include "engine/expression_recognizer.h"
#include "engine/parser_errors.h"
#include "engine_fixture.h"
#include "small_stack.h"

namespace tarvix::testing {
namespace {

constexpr char kNestingMessage[] = "Výraz je příliš zahnízděný";

std::string Repeat(std::string_view piece, int count) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

// open × n, middle, close × n.
std::string Nested(std::string_view open, std::string_view middle, std::string_view close, int n) {
    return Repeat(open, n) + std::string(middle) + Repeat(close, n);
}

class DeepNestingTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        parser.SetVariable("x", {0.5L});
        parser.SetVariable("x1", {0.0L});
        parser.SetVariable("x2", {1.0L});
        parser.SetVariable("dx", {0.5L});
    }

    // The message of compiling and evaluating text on a thread with a small
    // stack ("" when it succeeds).
    std::string ErrorOnSmallStack(const std::string& text) {
        std::string message;
        RunOnSmallStack([&] { message = ErrorOf(text); });
        return message;
    }
};

constexpr int kDeep = 100000;

TEST_F(DeepNestingTest, EveryKindOfDeepNestingIsRefusedOnASmallStack) {
    const std::string cases[] = {
        Nested("(", "1", ")", kDeep),  // bracket peeling
        Repeat("1+", kDeep) + "1",     // a right-grouped operator chain
        Repeat("2*", kDeep) + "1",
        Repeat("1-", kDeep) + "1",  // left-grouped chains
        Repeat("1/", kDeep) + "1",
        Repeat("7DIV", kDeep) + "1",
        Repeat("7MOD", kDeep) + "1",
        Repeat("7DIV2-", kDeep) + "1",  // chains of terms
        Repeat("x^2-", kDeep) + "1",
        Repeat("2*x/3+", kDeep) + "1",
        Nested("-(", "1", ")", kDeep),  // negations
        Nested("2*-", "x", "", kDeep),
        Nested("sin(", "x", ")", kDeep),      // one-argument calls
        Nested("max(1,", "x", ")", kDeep),    // two-argument calls
        Nested("2^(", "x", ")", kDeep),       // powers
        Nested("deriv(", "x", ",x)", kDeep),  // calculus arguments
        Nested("integr(", "x", ",x)", kDeep),
        Nested("(1+", "x", ")", kDeep),  // brackets around operators
        Nested("(", "1", "+1)", kDeep),
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text.substr(0, 24));
        EXPECT_EQ(ErrorOnSmallStack(text), kNestingMessage);
    }
}

// A long text whose recognition would take a power of its length is refused
// as too complex instead (names holding the word DIV leave every split open).
TEST_F(DeepNestingTest, ATextThatWouldTakeTooLongIsTooComplex) {
    parser.SetVariable("xdivdiv", {1.0L});
    EXPECT_EQ(ErrorOnSmallStack(Repeat("xDIVdiv-", kDeep) + "1"), "Výraz je příliš komplexní");
    EXPECT_EQ(Real("xDIVdiv-xDIVdiv"), 0);
}

TEST_F(DeepNestingTest, ComplexModeAndOtherBasesToo) {
    Complex();
    EXPECT_EQ(ErrorOnSmallStack(Nested("(", "i", ")", kDeep)), kNestingMessage);
    EXPECT_EQ(ErrorOnSmallStack(Repeat("i*", kDeep) + "i"), kNestingMessage);
    parser.SetNumericalScope(nsReal);
    parser.SetNumericalBase(nbHex);
    EXPECT_EQ(ErrorOnSmallStack(Repeat("0FF-", kDeep) + "1"), kNestingMessage);
}

TEST_F(DeepNestingTest, TextsWithinTheLimitsStillCompile) {
    // Fifty levels of calls, negations and operators, each in its brackets.
    EXPECT_EQ(Real(Nested("abs(", "2", ")", kMaxNestingLevel)), 2);
    EXPECT_EQ(Real(Nested("-(", "1", ")", kMaxNestingLevel)), 1);
    EXPECT_EQ(Real(Nested("(1+", "1", ")", kMaxNestingLevel)), 51);
    EXPECT_EQ(Real(Repeat("1-", kMaxNestingLevel) + "1"), -49);
    EXPECT_EQ(Real(Repeat("1/", kMaxNestingLevel) + "1"), 1);
    // A hundred redundant bracket pairs are peeled without adding levels.
    EXPECT_EQ(Real(Nested("(", "2*" + Nested("(", "x", ")", 50), ")", 50)), 1);
    EXPECT_EQ(Real(Nested("sin((", "0", "))", kMaxNestingLevel)), 0);
}

TEST_F(DeepNestingTest, OneLevelTooManyIsTheNestingError) {
    EXPECT_EQ(ErrorOf(Repeat("1-", kMaxNestingLevel + 1) + "1"), kNestingMessage);
    EXPECT_EQ(ErrorOf(Nested("-(", "1", ")", kMaxNestingLevel + 1)), kNestingMessage);
    EXPECT_EQ(ErrorOf(Nested("abs(", "1", ")", kMaxNestingLevel + 1)), kNestingMessage);
    EXPECT_THROW(Eval(Nested("(", "1", ")", kMaxRecognitionDepth)), ETooManyNestings);
}

// The argument of a calculus call is compiled into a list of its own, but its
// levels count from the call's, so a chain of calls cannot nest without end.
TEST_F(DeepNestingTest, CalculusArgumentsCountTheLevelsOfTheirCall) {
    auto derivOfChain = [](int plusSigns) { return "deriv(" + Repeat("x+", plusSigns) + "x,x)"; };
    EXPECT_NEAR(static_cast<double>(Real(derivOfChain(kMaxNestingLevel - 1))), 50.0, 1e-6);
    EXPECT_EQ(ErrorOf(derivOfChain(kMaxNestingLevel)), kNestingMessage);
    EXPECT_EQ(ErrorOf(Nested("deriv(", "x", ",x)", kMaxNestingLevel + 1)), kNestingMessage);
}

}  // namespace
}  // namespace tarvix::testing
