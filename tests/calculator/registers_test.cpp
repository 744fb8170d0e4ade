// Registers and variables: the register bank, LoadRegisters, the renaming
// mode, Clear, Reset, VarInfos with "Popisek", the label hints and the
// variables summary.
#include "calculator/registers.h"

#include <gtest/gtest.h>

#include "calculator/var_infos.h"
#include "calculator_test_support.h"

namespace tarvix {
namespace {

using testing::CalculatorTest;

std::vector<std::string> VariableNames(const TParser& parser) {
    std::vector<std::string> names;
    for (int i = 0; i < parser.VarCount(); ++i) names.push_back(parser.VariableName(i));
    return names;
}

TEST(RegisterBank, LettersCommandCharactersAndDuplicates) {
    RegisterBank bank;
    EXPECT_EQ(bank[BoxId::X].Label, "X");
    EXPECT_EQ(bank[BoxId::F].Label, "F");
    EXPECT_EQ(bank[BoxId::A].Box, "0");
    EXPECT_EQ(RegisterFromCommandChar('3'), BoxId::A);
    EXPECT_EQ(RegisterFromCommandChar('e'), BoxId::E);
    EXPECT_EQ(RegisterFromCommandChar('9'), std::nullopt);
    EXPECT_EQ(RegisterFromCommandChar('G'), std::nullopt);
    EXPECT_FALSE(bank.FirstDuplicateLabel());

    bank[BoxId::B].Label = "r";
    bank[BoxId::Y].Label = "R";
    EXPECT_EQ(bank.FirstDuplicateLabel(), BoxId::B);  // Y comes first in the order X, Y, A, B
    EXPECT_EQ(bank.FindLabel("r"), BoxId::B);         // labels are searched A … F, X, Y
    bank.ResetLabels();
    EXPECT_EQ(bank[BoxId::B].Label, "B");
    EXPECT_FALSE(bank.FindLabel("r"));
}

TEST(RegisterValueText, GeneralTextOfAssignedValues) {
    FormatOptions real;
    FormatOptions complex;
    complex.Scope = nsComplex;
    complex.DecimalSeparator = ',';
    EXPECT_EQ(RegisterValueText({1.0L / 3.0L, 0}, real), "0.333333333333333");
    EXPECT_EQ(RegisterValueText({2.0L, 5.0L}, real), "2");
    EXPECT_EQ(RegisterValueText({1e20L, 0}, real), "1E20");
    EXPECT_EQ(RegisterValueText({2.5L, -4.0L}, complex), "2,5-4i");
    EXPECT_EQ(RegisterValueText({0, 0.5L}, complex), "0,5i");
    EXPECT_EQ(RegisterValueText({3, 0}, complex), "3");
    EXPECT_EQ(RegisterValueText({0, 0}, complex), "0");
}

TEST(VarInfoList, LinesByNameWithoutRegardToCase) {
    VarInfoList infos;
    infos.Set("delka", "délka [m]");
    infos.Set("t", "čas [s]");
    infos.Set("DELKA", "strana [cm]");
    EXPECT_EQ(infos.Lines(), (std::vector<std::string>{"DELKA=strana [cm]", "t=čas [s]"}));
    EXPECT_EQ(infos.Value("Delka"), "strana [cm]");
    EXPECT_EQ(VarInfoUnit(*infos.Value("t")), "s");
    EXPECT_EQ(VarInfoDescription(*infos.Value("t")), "čas");
    EXPECT_EQ(VarInfoUnit(" [] "), "");
    EXPECT_EQ(VarInfoDescription("bez jednotky"), "bez jednotky");
    EXPECT_EQ(ComposeVarInfo("délka", "m"), "délka [m]");
    EXPECT_TRUE(infos.Remove("T"));
    EXPECT_FALSE(infos.Remove("t"));
    EXPECT_EQ(infos.Value("t"), std::nullopt);
}

class RegistersTest : public CalculatorTest {};

TEST_F(RegistersTest, LoadRegistersAssignsEveryBox) {
    calc.SetRegisterBox(BoxId::X, "2,5");
    calc.SetRegisterBox(BoxId::A, "X*2");
    calc.SetRegisterBox(BoxId::B, "");
    calc.SetRegisterBox(BoxId::C, "nezname+1");
    calc.Parser1().SetVariable("C", {7, 0});
    calc.LoadRegisters(false);
    const TParser& p = calc.Parser1();
    EXPECT_EQ(p.GetVariable("X").Re, 2.5L);
    EXPECT_EQ(p.GetVariable("A").Re, 5.0L);  // X is loaded first
    EXPECT_EQ(calc.RegisterAt(BoxId::B).Box, "0");
    EXPECT_EQ(p.GetVariable("C").Re, 0.0L);  // not convertible: 0, no message
    EXPECT_FALSE(p.VariableExists("nezname"));
    EXPECT_TRUE(dialogs.Messages.empty());
    EXPECT_EQ(calc.RegisterAt(BoxId::X).History.front(), "2,5");
    EXPECT_EQ(hooks.VariableListRefreshed, 1);

    calc.LoadRegisters(true);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Box, "0");
    EXPECT_EQ(p.GetVariable("X").Re, 0.0L);
}

TEST_F(RegistersTest, RenamingMovesTheValueToTheNewName) {
    calc.SetRegisterBox(BoxId::X, "5");
    calc.LoadRegisters(false);
    calc.ToggleRenaming(BoxId::X);
    ASSERT_TRUE(calc.RenamingMode());
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Box, "X");
    EXPECT_FALSE(calc.Parser1().VariableExists("X"));
    EXPECT_FALSE(calc.Parser1().VariableExists("F"));
    EXPECT_EQ(view.Focus.back().first, BoxId::X);

    calc.SetRegisterBox(BoxId::X, "r");
    calc.SetRegisterBox(BoxId::Y, "2x");  // not an identifier: the label stays
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Label, "r");
    EXPECT_EQ(calc.RegisterAt(BoxId::Y).Label, "Y");

    calc.ToggleRenaming();
    EXPECT_FALSE(calc.RenamingMode());
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Box, "5");
    EXPECT_EQ(calc.RegisterAt(BoxId::Y).Box, "0");
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Label, "r");
    EXPECT_FALSE(calc.Parser1().VariableExists("X"));
    EXPECT_EQ(calc.Parser1().GetVariable("r").Re, 5.0L);
    EXPECT_EQ(Shown("r*2"), "10");
    EXPECT_EQ(hooks.LabelsRefreshed, 2);
}

TEST_F(RegistersTest, LeavingABoxZeroesAnEmptyOne) {
    calc.SetRegisterBox(BoxId::A, "");
    calc.RegisterBoxLeft(BoxId::A);
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "0");
    EXPECT_EQ(calc.RegisterAt(BoxId::A).History.front(), "0");
    calc.ToggleRenaming();
    calc.SetRegisterBox(BoxId::B, "");
    calc.RegisterBoxLeft(BoxId::B);
    EXPECT_EQ(calc.RegisterAt(BoxId::B).Box, "");
}

TEST_F(RegistersTest, ZeroingABoxLeavesTheVariable) {
    Shown("A=4");
    calc.ZeroRegisterBox(BoxId::A);
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "0");
    EXPECT_EQ(calc.Parser1().GetVariable("A").Re, 4.0L);
}

TEST_F(RegistersTest, ClearAsksAndZeroesEveryVariable) {
    Shown("u=3");
    calc.SetRegisterBox(BoxId::A, "2");
    dialogs.Answers = {ModalResult::No};
    calc.Clear(true);
    EXPECT_EQ(dialogs.OnlyMessage(), "Mají se proměnné vynulovat?");
    EXPECT_EQ(calc.Parser1().GetVariable("u").Re, 3.0L);

    dialogs.Answers = {ModalResult::Yes};
    calc.Clear(true);
    EXPECT_TRUE(calc.Parser1().VariableExists("u"));
    EXPECT_EQ(calc.Parser1().GetVariable("u").Re, 0.0L);
    EXPECT_EQ(calc.Ans().Re, 0.0L);
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "0");
    EXPECT_EQ(calc.RegisterAt(BoxId::A).History.front(), "2");
    EXPECT_EQ(calc.DisplayText(), "0 ");
    EXPECT_EQ(view.Focus.back().first, BoxId::X);

    // From code, or with the question switched off, nothing is asked.
    Shown("u=5");
    calc.Clear(false);
    EXPECT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(calc.Parser1().GetVariable("u").Re, 0.0L);
}

TEST_F(RegistersTest, ResetRemovesUserVariablesAndDescriptions) {
    Shown("u=3");
    calc.SetRegisterLabel(BoxId::A, "delka");
    calc.VarInfos().Set("delka", "strana [m]");
    calc.SetInputText("u*2");
    calc.Switches().Modifiers = {true, true};
    dialogs.Answers = {ModalResult::Cancel};
    calc.Reset(true);
    EXPECT_EQ(dialogs.OnlyMessage(),
              "Má se provést reset? \n(odstranit uživatelské proměnné a vynulovat)");
    EXPECT_TRUE(calc.Parser1().VariableExists("u"));

    dialogs.Answers = {ModalResult::Yes};
    calc.Reset(true);
    EXPECT_EQ(VariableNames(calc.Parser1()),
              (std::vector<std::string>{"A", "Ans", "B", "C", "D", "E", "F", "X", "Y"}));
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Label, "A");
    EXPECT_EQ(calc.InputText(), "");
    EXPECT_EQ(calc.InputHistory().front(), "u*2");
    EXPECT_EQ(calc.DisplayText(), "0 ");
    EXPECT_TRUE(calc.VarInfos().Empty());
    EXPECT_FALSE(calc.Switches().Modifiers.Inv);
    EXPECT_FALSE(calc.Switches().Modifiers.Hyp);
    EXPECT_EQ(hooks.VectorsCleared, 1);
    EXPECT_EQ(hooks.StatisticsCleared, 1);
    EXPECT_EQ(hooks.DataFileReset, 1);
    EXPECT_EQ(view.Focus.back().first, BoxId::Input);
    EXPECT_EQ(calc.VariablesHint(), "A=0\nB=0\nC=0\nD=0\nE=0\nF=0\nX=0\nY=0");
}

TEST_F(RegistersTest, DescriptionProposesTheCurrentTextAndCancelStoresNothing) {
    dialogs.TextAnswers = {std::nullopt, std::string("  délka [m] ")};
    calc.EditDescription(BoxId::A);
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Caption, "Popisek proměnné");
    EXPECT_EQ(dialogs.Questions[0].Prompt, "A =");
    EXPECT_EQ(dialogs.Questions[0].Default, " []");
    EXPECT_TRUE(calc.VarInfos().Empty());

    calc.EditDescription(BoxId::A);
    EXPECT_EQ(calc.VarInfos().Lines(), (std::vector<std::string>{"A=délka [m]"}));
    dialogs.TextAnswers = {std::nullopt};
    calc.EditDescription(BoxId::A);
    EXPECT_EQ(dialogs.Questions.back().Default, "délka [m]");
    EXPECT_EQ(calc.VarInfos().Lines().size(), 1u);
}

TEST_F(RegistersTest, LabelHints) {
    EXPECT_EQ(calc.RegisterLabelHint(BoxId::A, false), "Název proměnné");
    EXPECT_EQ(calc.RegisterLabelHint(BoxId::A, true), "A");
    calc.VarInfos().Set("A", " []");
    EXPECT_EQ(calc.RegisterLabelHint(BoxId::A, false), "Název proměnné");
    calc.VarInfos().Set("A", "délka [m]");
    EXPECT_EQ(calc.RegisterLabelHint(BoxId::A, false), "A = délka [m]");
    calc.VarInfos().Set("A", "počet []");
    EXPECT_EQ(calc.RegisterLabelHint(BoxId::A, false), "A = počet");
}

TEST_F(RegistersTest, VariablesSummaryLeavesOutAns) {
    Shown("delka=2,5");
    calc.SetNumericalScope(nsComplex);
    Shown("z=3-4i");
    const std::string hint = calc.VariablesHint();
    EXPECT_EQ(hint.find("Ans"), std::string::npos);
    EXPECT_NE(hint.find("delka=2.5+0i\n"), std::string::npos);
    EXPECT_NE(hint.find("\nz=3-4i"), std::string::npos);
    EXPECT_EQ(hint.back(), 'i');
}

}  // namespace
}  // namespace tarvix
