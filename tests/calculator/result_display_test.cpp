// What the calculation command shows: the display in every mode of the
// result formatting (one table), the engineering postfix choice, showing Ans
// again after a switch, and the degrees-minutes-seconds conversion.
#include <gtest/gtest.h>

#include "calculator/mode_switches.h"
#include "calculator_test_support.h"

namespace tarvix {
namespace {

using testing::CalculatorTest;

struct DisplayCase {
    const char* Input;
    const char* Display;  // exact display text, trailing blank included
    DisplayModes Modes;
    TNumericalScope Scope = nsReal;
    TAngleUnits Units = auDeg;
};

DisplayModes Rounded(NumberFormat format, int digits) {
    return {.Format = format, .RoundingOn = true, .Digits = digits};
}
DisplayModes Eng() {
    return {.Format = NumberFormat::Eng, .EngPostfixOn = true};
}
DisplayModes InBase(TNumericalBase base, bool prefix = false) {
    return {.Base = base, .HexPrefixStyle = prefix};
}
DisplayModes Polar() {
    return {.Complex = ComplexForm::Exponential};
}

class DisplayTest : public CalculatorTest {
protected:
    DisplayTest() {
        CalculatorOptions o = calc.Options();
        o.DecimalSeparator = ',';
        calc.SetOptions(o);
    }
};

TEST_F(DisplayTest, FormattingTable) {
    const DisplayCase cases[] = {
        // norm: 15 significant digits, fixed down to 0.00001, exponent beyond
        {"1/3", "0,333333333333333 ", {}},
        {"1e20", "1E20 ", {}},
        {"1,5e20", "1,5E20 ", {}},
        {"0,00001", "0,00001 ", {}},
        {"0,000001", "1E-6 ", {}},
        {"-2/3", "-0,666666666666667 ", {}},
        {"123456789012345", "123456789012345 ", {}},
        {"1234567890123456", "1,23456789012346E15 ", {}},
        // fix and sci, with and without rounding
        {"2", "2,00 ", {.Format = NumberFormat::Fix}},
        {"2", "2,00000 ", Rounded(NumberFormat::Fix, 5)},
        {"2/3", "0,667 ", Rounded(NumberFormat::Fix, 3)},
        {"1234,5", "1,23450000000000E+003 ", {.Format = NumberFormat::Sci}},
        {"1234,5", "1,23E+003 ", Rounded(NumberFormat::Sci, 3)},
        {"1234,5", "1230 ", Rounded(NumberFormat::Norm, 3)},
        // eng: the postfix is chosen from the value
        {"0,0005", "500u", Eng()},
        {"0,001", "1m", Eng()},
        {"1e-6", "1u", Eng()},
        {"1e-9", "1n", Eng()},
        {"1000", "1k", Eng()},
        {"999999999999999,9", "1P", Eng()},
        {"1e20", "100000P", Eng()},
        {"5", "5 ", Eng()},
        {"0", "0 ", Eng()},
        // bases: 64-bit patterns (unsuffixed literals are read in the base)
        {"0FF", "0FFh", InBase(nbHex)},
        {"255d", "0xFF", InBase(nbHex, true)},
        {"-1", "0FFFFFFFFFFFFFFFFh", InBase(nbHex)},
        {"3,9d", "3h", InBase(nbHex)},
        {"1e30d", "Mimo rozsah 64bitového celého čísla", InBase(nbHex)},
        {"8d", "10o", InBase(nbOct)},
        {"-1", "1777777777777777777777o", InBase(nbOct)},
        {"101", "101b", InBase(nbBin)},
        // complex component form
        {"3-4i", "3-4i ", {}, nsComplex},
        {"2i", "2i ", {}, nsComplex},
        {"5+0i", "5 ", {}, nsComplex},
        {"0i", "0 ", {}, nsComplex},
        // complex exponential form
        {"i", "e^90oi ", Polar(), nsComplex},
        {"1+i", "1,4142135623731*e^45oi ", Polar(), nsComplex},
        {"-2", "-2 ", Polar(), nsComplex},
        {"2i", "2*e^100gi ", Polar(), nsComplex, auGrad},
        {"3+4i", "5*e^0,927295218001612i ", Polar(), nsComplex, auRad},
    };
    for (const auto& c : cases) {
        calc.Switches().Display = c.Modes;
        calc.Switches().Scope = c.Scope;
        calc.Switches().AngleUnits = c.Units;
        Run(c.Input);
        EXPECT_EQ(calc.DisplayText(), c.Display) << c.Input;
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(DisplayTest, ExponentialTextReadsBackInTheComplexDomain) {
    calc.SetNumericalScope(nsComplex);
    calc.Display().Complex = ComplexForm::Exponential;
    EXPECT_EQ(Shown("3+4i"), "5*e^53,130102354156oi");
    Shown(calc.DisplayText());
    EXPECT_NEAR(static_cast<double>(calc.Ans().Re), 3.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(calc.Ans().Im), 4.0, 1e-12);
}

TEST_F(DisplayTest, SwitchingToEngSelectsThePostfixForAns) {
    Shown("0,0025");
    calc.ApplySwitchChanges(
        SelectNumberFormat(calc.Switches(), NumberFormat::Eng, SwitchSource::KeypadButton));
    EXPECT_EQ(calc.Display().PostfixPosition, 5);
    EXPECT_EQ(calc.DisplayText(), "2,5m");
    EXPECT_EQ(calc.RecentResults().front(), "2,5m");
    // The display shows a value even with a postfix: a later switch shows Ans again.
    calc.ApplySwitchChanges(
        SelectNumberFormat(calc.Switches(), NumberFormat::Sci, SwitchSource::KeypadButton));
    EXPECT_EQ(calc.DisplayText(), "2,50000000000000E-003 ");
}

TEST_F(DisplayTest, RedisplayNeedsAValueOnTheDisplay) {
    Shown("2");
    calc.SetInputText("12,75");
    ASSERT_TRUE(calc.ConvertDms());
    EXPECT_EQ(calc.DisplayText(), "12:45:00,000 ");
    calc.Display().Format = NumberFormat::Fix;
    calc.RedisplayAns();
    EXPECT_EQ(calc.DisplayText(), "12:45:00,000 ");
    calc.SetInputText("12:30");
    ASSERT_TRUE(calc.ConvertDms());
    EXPECT_EQ(calc.DisplayText(), "12,5 ");
    calc.RedisplayAns();
    EXPECT_EQ(calc.DisplayText(), "2,00 ");
}

TEST_F(DisplayTest, DmsConversionKeepsAnsAndReportsBadText) {
    Shown("7");
    const std::pair<const char*, const char*> rows[] = {
        {"12,2", "12:12:00,000 "},
        {"-1.5", "-1:-30:00,000 "},
        {"12:30:30.500", "12,5084722222222 "},
    };
    for (auto [input, shown] : rows) {
        calc.SetInputText(input);
        EXPECT_TRUE(calc.ConvertDms()) << input;
        EXPECT_EQ(calc.DisplayText(), shown);
    }
    EXPECT_EQ(calc.Ans().Re, 7.0L);
    EXPECT_EQ(calc.RecentResults().front(), "12,5084722222222 ");
    EXPECT_EQ(calc.InputHistory().front(), "12:30:30.500");

    calc.SetInputText("12:30.5");
    EXPECT_FALSE(calc.ConvertDms());
    EXPECT_EQ(dialogs.OnlyMessage(), "Nekonvertovatelný řetězec\n12:30.5");
    EXPECT_EQ(dialogs.Messages[0].HelpContext, 13);
    EXPECT_EQ(calc.DisplayText(), "12,5084722222222 ");
}

TEST_F(DisplayTest, AngleKeyConvertsTheShownResultThenCalculatesAgain) {
    Shown("180");
    calc.SetInputText("Ans");
    calc.ApplySwitchChanges(SwitchAngleUnits(calc.Switches(), SwitchSource::KeypadButton));
    EXPECT_EQ(calc.AngleUnits(), auRad);
    EXPECT_EQ(calc.Parser1().AngleUnits(), auRad);
    // Ans became π, shown and recorded, before the calculation ran again.
    EXPECT_EQ(calc.RecentResults().at(1), "3,14159265358979 ");
    EXPECT_EQ(calc.DisplayText(), "3,14159265358979 ");
    EXPECT_NEAR(static_cast<double>(calc.Ans().Re), 3.14159265358979, 1e-14);
}

TEST_F(DisplayTest, ComplexDomainAndNonDecimalBaseExcludeEachOther) {
    calc.SetNumericalBase(nbHex);
    calc.SetNumericalScope(nsComplex);
    EXPECT_EQ(calc.NumericalBase(), nbDec);
    EXPECT_EQ(calc.Parser1().NumericalBase(), nbDec);
    EXPECT_EQ(calc.Parser1().NumericalScope(), nsComplex);
    calc.SetNumericalBase(nbBin);
    EXPECT_EQ(calc.NumericalScope(), nsReal);
    EXPECT_EQ(calc.Parser1().NumericalScope(), nsReal);
    EXPECT_EQ(Shown("101"), "101b");
}

}  // namespace
}  // namespace tarvix
