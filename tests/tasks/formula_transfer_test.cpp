// The formula transfer "Použít výraz", the mode line and "Import výrazu".
#include "tasks/formula_transfer.h"

#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "calculator/text_trim.h"

namespace tarvix {
namespace {

struct BoxState {
    std::string Label;
    std::string Box;
    friend bool operator==(const BoxState&, const BoxState&) = default;
};

std::vector<BoxState> Boxes(const Calculator& calculator) {
    std::vector<BoxState> boxes;
    for (BoxId box : kRegisterLoadOrder) {
        boxes.push_back({calculator.RegisterAt(box).Label, calculator.RegisterAt(box).Box});
    }
    return boxes;
}

// Calculates the input line as Enter does.
std::string Calculated(Calculator& calculator) {
    EXPECT_EQ(calculator.Calculate(), CalcOutcome::Evaluated) << calculator.InputText();
    return std::string(TrimBlanks(calculator.DisplayText()));
}

class FormulaTransferTest : public testing::Test {
protected:
    Calculator calculator;
    LibraryMessageTable texts;
};

TEST_F(FormulaTransferTest, TenVariableLinesFillEightBoxesAndTwoLiveOnlyInTheEvaluator) {
    LibraryRow row;
    row.Comment = "Součet";
    row.Expression = "a+b+c+d+k+f+g+h+i9+j10";
    for (const char* line : {"a=1\t[m]\tprvní", "b=2", "c=3", "d=4", "k=5", "f=6", "g=7",
                             "h=2*4\t[s]\tosmá", "i9=9\t[kg]\tdevátá", "j10=10"}) {
        row.Explanation += std::string(line) + "\n";
    }
    calculator.Parser1().SetVariable("old", {5.0L, 0.0L});
    ASSERT_TRUE(TransferFormula(calculator, row, texts));

    EXPECT_EQ(Boxes(calculator), (std::vector<BoxState>{{"a", "1"}, {"b", "2"}, {"c", "3"},
                                                        {"d", "4"}, {"k", "5"}, {"f", "6"},
                                                        {"g", "7"}, {"h", "2*4"}}));
    TParser& parser = calculator.Parser1();
    EXPECT_EQ(parser.GetVariable("i9").Re, 9.0L);
    EXPECT_EQ(parser.GetVariable("j10").Re, 10.0L);
    EXPECT_EQ(parser.GetVariable("h").Re, 8.0L);
    EXPECT_FALSE(parser.VariableExists("old"));  // the reset went first
    EXPECT_EQ(calculator.InputText(), "\"Součet\" a+b+c+d+k+f+g+h+i9+j10");
    EXPECT_EQ(calculator.DisplayText(), "0 ");
    EXPECT_EQ(calculator.VarInfos().Value("a"), "první [m]");
    EXPECT_EQ(calculator.VarInfos().Value("i9"), "devátá [kg]");
    EXPECT_EQ(calculator.VarInfos().Value("b"), " []");
    EXPECT_EQ(calculator.VarInfos().Lines().front(), "a=první [m]");
    EXPECT_EQ(calculator.VarInfos().Lines().back(), "k= []");
    EXPECT_EQ(Calculated(calculator), "55");
}

TEST_F(FormulaTransferTest, FewerLinesLeaveTheOtherBoxesUnderPlaceholderNames) {
    const LibraryRow row{"'Obsah kruhu\nmode deg,dec,real\nr=2\t[m]\tpoloměr\nmodel=3\n\nbez rovnítka",
                         "", "pi*r^2*model+sin(90)"};
    ASSERT_TRUE(TransferFormula(calculator, row, texts));
    EXPECT_EQ(Boxes(calculator),
              (std::vector<BoxState>{{"r", "2"}, {"model", "3"}, {"_A_", "0"}, {"_B_", "0"},
                                     {"_C_", "0"}, {"_D_", "0"}, {"_E_", "0"}, {"_F_", "0"}}));
    EXPECT_EQ(calculator.AngleUnits(), auDeg);
    EXPECT_EQ(calculator.InputText(), "pi*r^2*model+sin(90)");
    // The letters no longer name variables.
    for (const char* letter : {"X", "Y", "A", "F"}) {
        EXPECT_FALSE(calculator.Parser1().VariableExists(letter)) << letter;
    }
    EXPECT_TRUE(calculator.Parser1().VariableExists("_F_"));
    EXPECT_EQ(Calculated(calculator), "38.6991118430775");
}

TEST_F(FormulaTransferTest, ValuesMayUseEarlierVariablesAndFaultyOnesReadAsZero) {
    const LibraryRow row{"r=3\nd=2*r\nq=nonsense+\nt=(1", "", "d+q"};
    ASSERT_TRUE(TransferFormula(calculator, row, texts));
    EXPECT_EQ(calculator.Parser1().GetVariable("d").Re, 6.0L);
    EXPECT_EQ(calculator.Parser1().GetVariable("q").Re, 0.0L);
    EXPECT_EQ(calculator.RegisterAt(BoxId::A).Box, "nonsense+");
}

TEST_F(FormulaTransferTest, TasksNewRowsAndEmptyExpressionsAreNotTransferred) {
    calculator.SetInputText("1+1");
    for (const LibraryRow& row : {LibraryRow{"PRINT 1", "Tisk", "Task"}, LibraryRow{"", "", "  "},
                                  LibraryRow{"x=1", "nový komentář", "nový výraz"}}) {
        EXPECT_FALSE(CanTransferFormula(row, texts)) << row.Expression;
        EXPECT_FALSE(TransferFormula(calculator, row, texts));
    }
    EXPECT_EQ(calculator.InputText(), "1+1");
    EXPECT_TRUE(CanTransferFormula({"", "", "x"}, texts));
}

TEST_F(FormulaTransferTest, AutomaticRegistrationIsSwitchedOn) {
    CalculatorOptions options = calculator.Options();
    options.AutoRegister = false;
    calculator.SetOptions(options);
    ASSERT_TRUE(TransferFormula(calculator, {"x=2", "", "x*2"}, texts));
    EXPECT_TRUE(calculator.Options().AutoRegister);
}

TEST(VariableLineTest, LinesReadApart) {
    struct Case {
        const char* line;
        std::optional<std::vector<std::string>> parts;  // name, value, unit, description
    } cases[] = {
        {"r=2\t[m]\tpoloměr", {{"r", "2", "m", "poloměr"}}},
        {"  U = 12,5 \t [V] \t napětí zdroje ", {{"U", "12,5", "V", "napětí zdroje"}}},
        {"vel= \t [jedn] \t vysvětlivka", {{"vel", "", "jedn", "vysvětlivka"}}},
        {"x=5 [m/s] rychlost", {{"x", "5", "m/s", "rychlost"}}},
        {"x=5\tjen popis", {{"x", "5", "", "jen popis"}}},
        {"x=sin(30)", {{"x", "sin(30)", "", ""}}},
        {"y=1 [m", {{"y", "1", "m", ""}}},
        {"'r=2", std::nullopt},
        {"", std::nullopt},
        {"bez rovnítka", std::nullopt},
        {"=5", std::nullopt},
        {"2x=5", std::nullopt},
        {"a b=5", std::nullopt},
    };
    for (const Case& c : cases) {
        std::optional<VariableLine> read = ParseVariableLine(c.line);
        ASSERT_EQ(read.has_value(), c.parts.has_value()) << c.line;
        if (!read) continue;
        EXPECT_EQ((std::vector<std::string>{read->Name, read->Value, read->Unit, read->Description}),
                  *c.parts)
            << c.line;
    }
}

TEST_F(FormulaTransferTest, ModeLineOfTheCurrentModes) {
    EXPECT_EQ(ModeLine(calculator), "mode rad,dec,real");
    calculator.SetAngleUnits(auGrad);
    calculator.SetNumericalBase(nbHex);
    EXPECT_EQ(ModeLine(calculator), "mode grad,hex,real");
    calculator.SetNumericalScope(nsComplex);
    calculator.SetImaginaryUnit('j');
    CalculatorOptions options = calculator.Options();
    options.EnterInsertsData = true;
    calculator.SetOptions(options);
    EXPECT_EQ(ModeLine(calculator), "mode grad,dec,cplx,data,imag=j");
}

TEST_F(FormulaTransferTest, ImportedExpressionAndTransferGoBothWays) {
    calculator.SetInputText("\"Obsah obdélníku\" w*h");
    calculator.SetRegisterLabel(BoxId::X, "w");
    calculator.SetRegisterBox(BoxId::X, "3");
    calculator.SetRegisterLabel(BoxId::Y, "h");
    calculator.SetRegisterBox(BoxId::Y, "4");
    calculator.VarInfos().Set("w", "šířka [m]");
    calculator.VarInfos().Set("h", "výška []");
    const LibraryRow row = ImportedExpressionRow(calculator, texts);
    EXPECT_EQ(row.Comment, "Obsah obdélníku");
    EXPECT_EQ(row.Expression, "w*h");
    EXPECT_EQ(row.Explanation,
              "mode rad,dec,real\n"
              "w=3\t[m]\tšířka\n"
              "h=4\t[-]\tvýška\n"
              "A=0\t[-]\ttext..\nB=0\t[-]\ttext..\nC=0\t[-]\ttext..\n"
              "D=0\t[-]\ttext..\nE=0\t[-]\ttext..\nF=0\t[-]\ttext..");

    Calculator other;
    ASSERT_TRUE(TransferFormula(other, row, texts));
    EXPECT_EQ(other.InputText(), "\"Obsah obdélníku\" w*h");
    EXPECT_EQ(other.VarInfos().Value("w"), "šířka [m]");
    EXPECT_EQ(other.VarInfos().Value("h"), "výška [-]");
    EXPECT_EQ(Calculated(other), "12");
}

}  // namespace
}  // namespace tarvix
