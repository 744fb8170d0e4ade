// The MODE statement: its words, and their effect on the calculator.
#include "tasks/mode_statement.h"

#include <gtest/gtest.h>

#include "calculator/calculator.h"

namespace tarvix {
namespace {

TEST(ModeStatementTest, ReadsItsWordsAnywhereInAnyCase) {
    ModeStatement grad = ParseModeStatement("MODE GRAD");
    EXPECT_EQ(grad.AngleUnits, auGrad);

    ModeStatement hexDeg = ParseModeStatement("mode hex deg");
    ASSERT_EQ(hexDeg.Bases.size(), 1u);
    EXPECT_EQ(hexDeg.Bases[0], nbHex);
    EXPECT_EQ(hexDeg.AngleUnits, auDeg);

    ModeStatement line = ParseModeStatement("mode rad,dec,cplx,data,imag=j");
    EXPECT_EQ(line.AngleUnits, auRad);
    EXPECT_EQ(line.Scope, nsComplex);
    EXPECT_EQ(line.ImaginaryUnit, 'j');
    EXPECT_TRUE(line.EnterAppendsData);

    // "GRAD" contains "RAD": degrees first, then grads, then radians.
    EXPECT_EQ(ParseModeStatement("MODE DEG GRAD").AngleUnits, auDeg);
    // The last format word present (in the order NORM FIX SCI ENG) wins.
    EXPECT_EQ(ParseModeStatement("MODE ENG FIX").Format, NumberFormat::Eng);
    EXPECT_FALSE(ParseModeStatement("MODE").EnterAppendsData);
}

TEST(ModeStatementTest, RoundingDigitIsOneCharacterAndANonDigitReadsAsSeven) {
    EXPECT_EQ(ParseModeStatement("MODE RND=4").RoundingDigits, 4);
    EXPECT_EQ(ParseModeStatement("MODE RND=12").RoundingDigits, 1);
    EXPECT_EQ(ParseModeStatement("MODE RND=x").RoundingDigits, 7);
    EXPECT_EQ(ParseModeStatement("MODE RND=").RoundingDigits, 7);
    EXPECT_FALSE(ParseModeStatement("MODE DEG").RoundingDigits.has_value());
}

TEST(ModeStatementTest, OnlyALineWhoseFirstWordIsModeIsAModeLine) {
    struct Case {
        const char* line;
        bool mode;
    } cases[] = {
        {"mode rad,dec,real", true}, {"  MODE DEG", true}, {"Mode", true}, {"MODE:deg", true},
        {"model=5\t[-]\tmodel", false}, {"modes=2", false},   {"x=1 'mode deg", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsModeStatement(c.line), c.mode) << c.line;
}

TEST(ModeStatementTest, AppliesModesAndKeepsTheInputLine) {
    Calculator calculator;
    calculator.SetInputText("x=x+1");
    ApplyModeStatement(calculator, ParseModeStatement("MODE HEX DEG"));
    EXPECT_EQ(calculator.NumericalBase(), nbHex);
    EXPECT_EQ(calculator.AngleUnits(), auDeg);
    EXPECT_EQ(calculator.InputText(), "x=x+1");
    EXPECT_FALSE(calculator.Options().EnterInsertsData);

    // Complex needs the decimal base: the coupling returns it to "dec".
    ApplyModeStatement(calculator, ParseModeStatement("mode cplx,imag=j,data"));
    EXPECT_EQ(calculator.NumericalScope(), nsComplex);
    EXPECT_EQ(calculator.NumericalBase(), nbDec);
    EXPECT_EQ(calculator.ImaginaryUnit(), 'j');
    EXPECT_TRUE(calculator.Options().EnterInsertsData);
    ApplyModeStatement(calculator, ParseModeStatement("mode real,imag=i"));
    EXPECT_EQ(calculator.NumericalScope(), nsReal);
    EXPECT_FALSE(calculator.Options().EnterInsertsData);
}

TEST(ModeStatementTest, TheFirstBaseThatDiffersFromTheCurrentOneIsApplied) {
    Calculator calculator;
    ApplyModeStatement(calculator, ParseModeStatement("MODE DEC BIN"));
    EXPECT_EQ(calculator.NumericalBase(), nbBin);
    ApplyModeStatement(calculator, ParseModeStatement("MODE BIN OCT"));
    EXPECT_EQ(calculator.NumericalBase(), nbOct);
}

TEST(ModeStatementTest, RoundingSwitchesRoundingOnWithTheDigitsAndTheNormFormat) {
    Calculator calculator;
    ApplyModeStatement(calculator, ParseModeStatement("MODE SCI"));
    EXPECT_EQ(calculator.Display().Format, NumberFormat::Sci);
    ApplyModeStatement(calculator, ParseModeStatement("MODE RND=4"));
    EXPECT_TRUE(calculator.Display().RoundingOn);
    EXPECT_EQ(calculator.Display().Digits, 4);
    EXPECT_EQ(calculator.Display().Format, NumberFormat::Norm);
}

TEST(ModeStatementTest, ASwitchShowsAnsAgainInsteadOfRunningTheInputLineTwice) {
    Calculator calculator;
    calculator.SetInputText("n=n+1");
    calculator.Parser1().SetVariable("N", ComplexValue{1.0L, 0.0L});
    ASSERT_EQ(calculator.Calculate(), CalcOutcome::Evaluated);
    ApplyModeStatement(calculator, ParseModeStatement("MODE DEG FIX CPLX"));
    EXPECT_EQ(calculator.Parser1().GetVariable("N").Re, 2.0L);
}

}  // namespace
}  // namespace tarvix
