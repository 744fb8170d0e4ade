// The worksheet's cell conversions: names, the polar and Cartesian round
// trip, the separations, the triangle conversions (symmetric, antisymmetric,
// Hermitian, skew-Hermitian) and the conjugate, exact values behind the
// texts, rounding with its question, and errors that leave the cells.
#include "matrix/worksheet_convert.h"

#include <cmath>
#include <random>

#include "matrix/worksheet_cell_text.h"
#include "worksheet_data_fixture.h"

namespace tarvix::test {
namespace {

bool Same(const ComplexValue& a, const ComplexValue& b) {
    return a.Re == b.Re && a.Im == b.Im;
}

TEST(ConversionNameTest, EveryKindHasItsCommandLineName) {
    const std::pair<const char*, ConversionKind> names[] = {
        {"polar", ConversionKind::Polar},
        {"cartesian", ConversionKind::Cartesian},
        {"modulus", ConversionKind::Modulus},
        {"argument", ConversionKind::Argument},
        {"real", ConversionKind::Real},
        {"imaginary", ConversionKind::Imaginary},
        {"round", ConversionKind::Round},
        {"symmetric", ConversionKind::Symmetric},
        {"antisymmetric", ConversionKind::Antisymmetric},
        {"hermitian", ConversionKind::Hermitian},
        {"skewhermitian", ConversionKind::SkewHermitian},
        {"conjugate", ConversionKind::Conjugate},
    };
    for (const auto& [name, kind] : names) {
        EXPECT_EQ(ConversionFromName(name), kind) << name;
        EXPECT_EQ(ConversionName(kind), name);
    }
    EXPECT_EQ(ConversionFromName("SkewHermitian"), ConversionKind::SkewHermitian);
    EXPECT_FALSE(ConversionFromName("transpose"));
    EXPECT_FALSE(ConversionFromName(""));
    EXPECT_FALSE(ConversionNeedsComplex(ConversionKind::Antisymmetric));
    EXPECT_TRUE(ConversionNeedsComplex(ConversionKind::Hermitian));
}

TEST(ExactCellTextTest, NumbersReadBackExactly) {
    for (long double x : {1.0L / 3.0L, -2.5L, 1e20L, 1.5e-20L, 45.0L, sqrtl(2.0L)}) {
        const std::string text = ExactNumberText(x);
        EXPECT_EQ(strtold(text.c_str(), nullptr), x) << text;
    }
    EXPECT_EQ(ExactComponentText({3.0L, -4.0L}, 'i'), "3-4i");
    EXPECT_EQ(ExactComponentText({0.0L, 2.0L}, 'j'), "2j");
    EXPECT_EQ(ExactComponentText({5.0L, 0.0L}, 'i'), "5");
    EXPECT_EQ(ExactExponentialText({-2.0L, 0.0L}, auDeg, 'i'), "-2");
    EXPECT_EQ(ExactExponentialText({0.0L, 1.0L}, auRad, 'i'),
              "e^" + ExactNumberText(atan2l(1.0L, 0.0L)) + "i");
}

class ConvertTest : public WorksheetDataTest {
protected:
    bool Convert(ConversionKind kind) {
        std::string error;
        const bool done = ApplyConversion(sheet, kind, error);
        EXPECT_TRUE(done) << error;
        return done;
    }
    std::string Cell(int row, int column) const { return sheet.ActiveGrid().Cell(row, column); }
};

TEST_F(ConvertTest, PolarAndBackKeepTheValuesInEveryAngleUnit) {
    Domain(nsComplex);
    struct Case {
        TAngleUnits units;
        ComplexForm setting;  // the main window's complex form, never switched
        const char* mark;
    };
    const Case cases[] = {
        {auDeg, ComplexForm::Component, "oi"},
        {auRad, ComplexForm::Exponential, "i"},
        {auGrad, ComplexForm::Exponential, "gi"},
    };
    for (const Case& c : cases) {
        parser.SetAngleUnits(c.units);
        main.format.AngleUnits = c.units;
        main.format.Display.Complex = c.setting;
        Left({{"3+4i", "-1.5-2i"}, {"1/3+i/7", "-2"}});
        std::vector<ComplexValue> before;
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j) before.push_back(Value(i, j));
        ASSERT_TRUE(Convert(ConversionKind::Polar));
        EXPECT_NE(Cell(1, 1).find("*e^"), std::string::npos) << Cell(1, 1);
        EXPECT_TRUE(Cell(1, 2).ends_with(c.mark)) << Cell(1, 2);
        EXPECT_EQ(Cell(2, 2), "-2");
        ASSERT_TRUE(Convert(ConversionKind::Cartesian));
        EXPECT_EQ(Cell(1, 1).find("e^"), std::string::npos) << Cell(1, 1);
        EXPECT_EQ(main.format.Display.Complex, c.setting);
        int k = 0;
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 2; ++j, ++k) {
                const ComplexValue v = Value(i, j);
                const long double scale = hypotl(before[k].Re, before[k].Im);
                EXPECT_LE(fabsl(v.Re - before[k].Re), 4e-19L * scale) << Cell(i, j);
                EXPECT_LE(fabsl(v.Im - before[k].Im), 4e-19L * scale) << Cell(i, j);
            }
    }
    EXPECT_TRUE(sheet.Modified());
}

TEST_F(ConvertTest, TheDisplayTextIsKeptWhenItHoldsTheValueElseEveryDigitIsWritten) {
    Domain(nsComplex);
    main.format.Display.Format = NumberFormat::Fix;  // two decimals
    Left({{"1.5+2i", "1/3+i"}});
    ASSERT_TRUE(Convert(ConversionKind::Conjugate));
    EXPECT_EQ(Cell(1, 1), "1.50-2.00i");
    EXPECT_NE(Cell(1, 2), "0.33-1.00i");
    EXPECT_TRUE(Same(Value(1, 2), {1.0L / 3.0L, -1.0L})) << Cell(1, 2);
}

TEST_F(ConvertTest, SeparationsWriteRealValues) {
    Domain(nsComplex);
    struct Case {
        ConversionKind kind;
        TAngleUnits units;
        ComplexValue first;   // of "3+4i"
        ComplexValue second;  // of "i"
    };
    const Case cases[] = {
        {ConversionKind::Modulus, auDeg, {5, 0}, {1, 0}},
        {ConversionKind::Argument,
         auDeg,
         {atan2l(4.0L, 3.0L) * 57.295779513082320877L, 0},
         {90, 0}},
        {ConversionKind::Argument, auRad, {atan2l(4.0L, 3.0L), 0}, {atan2l(1.0L, 0.0L), 0}},
        {ConversionKind::Real, auDeg, {3, 0}, {0, 0}},
        {ConversionKind::Imaginary, auDeg, {4, 0}, {1, 0}},
    };
    for (const Case& c : cases) {
        parser.SetAngleUnits(c.units);
        Left({{"3+4i", "i"}});
        ASSERT_TRUE(Convert(c.kind));
        EXPECT_TRUE(Same(Value(1, 1), c.first)) << Cell(1, 1);
        EXPECT_TRUE(Same(Value(1, 2), c.second)) << Cell(1, 2);
        EXPECT_EQ(Cell(1, 2).find('i'), std::string::npos) << Cell(1, 2);
    }
}

TEST_F(ConvertTest, AntisymmetricWritesZerosAndNegatedUpperCells) {
    Left({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    ASSERT_TRUE(Convert(ConversionKind::Antisymmetric));
    const char* expected[3][3] = {{"0", "2", "3"}, {"-2", "0", "6"}, {"-3", "-6", "0"}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(Cell(i + 1, j + 1), expected[i][j]);
}

TEST_F(ConvertTest, SymmetricCopiesTheUpperTextsAndLeavesTheRightHandSide) {
    sheet.SetMode(WorksheetMode::Equations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"1", "2*x", "7"}, {"3", "4", "8"}});
    ASSERT_TRUE(Convert(ConversionKind::Symmetric));
    EXPECT_EQ(Cell(2, 1), "2*x");  // a text copy: nothing evaluated
    EXPECT_EQ(Cell(1, 3), "7");
    EXPECT_EQ(Cell(2, 3), "8");
}

TEST_F(ConvertTest, HermitianOfARandomComplexMatrixIsItsConjugateTranspose) {
    Domain(nsComplex);
    std::mt19937 random(14);
    std::uniform_real_distribution<double> part(-10.0, 10.0);
    constexpr int n = 6;
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            sheet.LeftGrid().SetCell(
                i, j, ExactComponentText({part(random) / 3.0L, part(random) / 7.0L}, 'i'));
    const TextGrid before = sheet.LeftGrid();
    ASSERT_TRUE(Convert(ConversionKind::Hermitian));
    for (int i = 1; i <= n; ++i) {
        EXPECT_EQ(Value(i, i).Im, 0.0L);
        EXPECT_EQ(Value(i, i).Re, sheet.EvaluateCell(before.Cell(i, i)).Re);
        for (int j = i + 1; j <= n; ++j) {
            EXPECT_EQ(Cell(i, j), before.Cell(i, j));  // the upper triangle stays
            const ComplexValue upper = Value(i, j);
            EXPECT_TRUE(Same(Value(j, i), {upper.Re, -upper.Im})) << i << "," << j;
        }
    }
}

TEST_F(ConvertTest, SkewHermitianHasAPurelyImaginaryDiagonal) {
    Domain(nsComplex);
    Left({{"3+4i", "1-2i"}, {"", "-5"}});
    ASSERT_TRUE(Convert(ConversionKind::SkewHermitian));
    EXPECT_EQ(Cell(1, 1), "4i");
    EXPECT_EQ(Cell(2, 2), "0");
    EXPECT_EQ(Cell(2, 1), "-1-2i");  // −conj(1−2i)
    EXPECT_EQ(Cell(1, 2), "1-2i");
}

TEST_F(ConvertTest, ConjugateTakesEveryCellAndTurnsAnEmptyOneIntoZero) {
    Domain(nsComplex);
    sheet.SetMode(WorksheetMode::Equations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"", "2i", "1+i"}, {"3", "-i", ""}});
    ASSERT_TRUE(Convert(ConversionKind::Conjugate));
    EXPECT_EQ(Cell(1, 1), "0");
    EXPECT_EQ(Cell(1, 2), "-2i");
    EXPECT_EQ(Cell(1, 3), "1-1i");  // the right-hand side too, in the display form
    EXPECT_EQ(Cell(2, 2), "1i");
    EXPECT_EQ(Cell(2, 3), "0");
}

TEST_F(ConvertTest, AnErrorLeavesEveryCellAndIsShownByTheMenuCommand) {
    Domain(nsComplex);
    Left({{"1+i", "2"}, {"3", "sin("}});
    const TextGrid before = sheet.LeftGrid();
    std::string error;
    EXPECT_FALSE(ApplyConversion(sheet, ConversionKind::Conjugate, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(sheet.LeftGrid().Cell(1, 1), before.Cell(1, 1));
    EXPECT_FALSE(sheet.Modified());
    EXPECT_FALSE(ConvertCells(sheet, ConversionKind::Conjugate));
    EXPECT_EQ(dialogs.messages.back().Kind, MessageKind::Error);
    EXPECT_EQ(dialogs.messages.back().Text, error);
}

TEST_F(ConvertTest, ComplexConversionsAreRefusedInTheRealDomain) {
    Left({{"1", "2"}, {"3", "4"}});
    std::string error;
    EXPECT_FALSE(ApplyConversion(sheet, ConversionKind::Polar, error));
    EXPECT_EQ(error, BuiltInMatrixMessages().Text(mxmsg::ConversionNeedsComplex));
    EXPECT_EQ(Cell(1, 1), "1");
}

TEST_F(ConvertTest, RoundingAsksBeforeCellsLoseDigits) {
    Left({{"1/3", "2"}, {"0.5", ""}});
    dialogs.reply = ModalResult::No;
    std::string error;
    EXPECT_FALSE(ApplyConversion(sheet, ConversionKind::Round, error));
    EXPECT_TRUE(error.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].Kind, MessageKind::Confirmation);
    EXPECT_NE(dialogs.messages[0].Text.find('1'), std::string::npos);  // one cell loses digits
    EXPECT_FALSE(main.format.Display.RoundingOn);                      // switched back
    EXPECT_EQ(main.roundingToggles, 2);
    EXPECT_EQ(Cell(1, 1), "1/3");

    dialogs.reply = ModalResult::Yes;
    ASSERT_TRUE(Convert(ConversionKind::Round));
    EXPECT_TRUE(main.format.Display.RoundingOn);
    EXPECT_EQ(Cell(1, 1), "0.333");
    EXPECT_EQ(Cell(1, 2), "2");
    EXPECT_EQ(Cell(2, 1), "0.5");
    EXPECT_EQ(Cell(2, 2), "0");

    // Rounding off again rewrites without loss: no question.
    dialogs.messages.clear();
    ASSERT_TRUE(Convert(ConversionKind::Round));
    EXPECT_FALSE(main.format.Display.RoundingOn);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(Cell(1, 1), "0.333");
}

}  // namespace
}  // namespace tarvix::test
