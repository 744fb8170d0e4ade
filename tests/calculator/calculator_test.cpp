// The calculation command of the calculator model: its order, outcomes,
// messages and records, driven through scripted ports.
#include <gtest/gtest.h>

#include "calculator/expression_probe.h"
#include "calculator_test_support.h"

namespace tarvix {
namespace {

using testing::CalculatorTest;

TEST_F(CalculatorTest, EvaluatesAndRecordsAResult) {
    EXPECT_EQ(Shown("2*(3+4)"), "14");
    EXPECT_EQ(calc.DisplayText(), "14 ");
    EXPECT_EQ(calc.Ans().Re, 14.0L);
    EXPECT_TRUE(calc.ResultShown());
    EXPECT_EQ(calc.RecentResults(), (std::vector<std::string>{"14 "}));
    EXPECT_EQ(calc.InputHistory(), (std::vector<std::string>{"2*(3+4)"}));
    EXPECT_EQ(hooks.History, (std::vector<std::pair<std::string, std::string>>{{"2*(3+4)", "14"}}));
    EXPECT_EQ(hooks.SeriesCleared, 1);
    EXPECT_GE(view.SelectAllCount, 1);
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(CalculatorTest, QuotedDescriptionSeparatorsAndBlanks) {
    EXPECT_EQ(Shown("\"obvod\" 2 * 3"), "6");
    EXPECT_EQ(Shown("max(1,5;2)"), "2");
    EXPECT_EQ(Shown("max(1,5;1)"), "1.5");
    EXPECT_EQ(calc.InputText(), "max(1,5;1)");
}

TEST_F(CalculatorTest, AssignmentCreatesItsTargetWithoutTheQuestion) {
    EXPECT_EQ(Shown("novy=2*3"), "6");
    EXPECT_EQ(Shown("novy+1"), "7");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(CalculatorTest, WordOperatorsBetweenOperands) {
    EXPECT_EQ(Shown("x=7"), "7");
    EXPECT_EQ(Shown("x mod 2"), "1");
    EXPECT_EQ(Shown("x div 2"), "3");
    EXPECT_EQ(Shown("17 MOD 5"), "2");
    // Chains of word operators, with names on either side, associate to the left.
    EXPECT_EQ(Shown("a=7"), "7");
    EXPECT_EQ(Shown("b=3"), "3");
    const struct {
        const char* Typed;
        const char* Shown;
    } chains[] = {
        {"a mod 3 mod 2", "1"},   {"a div b div 2", "1"},     {"10 mod b mod 2", "1"},
        {"100 DIV a DIV 2", "7"}, {"A MOD b mOd 2", "1"},
    };
    for (const auto& chain : chains) {
        EXPECT_EQ(Shown(chain.Typed), chain.Shown) << chain.Typed;
    }
    EXPECT_FALSE(calc.Parser1().VariableExists("bmod2"));
    EXPECT_FALSE(calc.Parser1().VariableExists("aDIV2"));
    EXPECT_TRUE(dialogs.Messages.empty());
    // A name containing the letters stays a name: a new variable.
    EXPECT_EQ(Run("model"), CalcOutcome::NewVariables);
    EXPECT_TRUE(calc.Parser1().VariableExists("model"));
}

TEST_F(CalculatorTest, MissingAndRedundantBrackets) {
    EXPECT_EQ(Run("2*(3+4"), CalcOutcome::Stopped);
    EXPECT_EQ(dialogs.OnlyMessage(), "Chybějící závorka ve výrazu");
    EXPECT_EQ(dialogs.Messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(dialogs.Messages[0].Buttons, kCancelHelpButtons);
    EXPECT_EQ(dialogs.Messages[0].HelpContext, 11);
    EXPECT_EQ(view.Focus.back(), std::make_pair(BoxId::Input, TextSelection{6, 0}));

    Run("2*3)+4");
    EXPECT_EQ(dialogs.Messages.back().Text, "Nadbytečná závorka ve výrazu");
    EXPECT_EQ(view.Focus.back(), std::make_pair(BoxId::Input, TextSelection{3, 1}));
    EXPECT_EQ(calc.DisplayText(), "0 ");

    // While the window is not active the box does not take the focus.
    view.Active = false;
    view.Focus.clear();
    Run("(1");
    EXPECT_TRUE(view.Focus.empty());
}

TEST_F(CalculatorTest, BracketFaultsRaiseInATask) {
    calc.SetInputText("2*(3");
    EXPECT_THROW(calc.CalculateOrThrow(CalcOrigin::Task), EMissMatchingBracket);
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(CalculatorTest, FaultyRegisterBoxStopsBeforeEvaluation) {
    Shown("5");
    calc.SetRegisterBox(BoxId::A, "(2");
    EXPECT_EQ(Run("A+1"), CalcOutcome::Stopped);
    EXPECT_EQ(dialogs.OnlyMessage(), "Chybějící závorka ve výrazu");
    EXPECT_EQ(view.Focus.back(), std::make_pair(BoxId::A, TextSelection{2, 0}));
    EXPECT_EQ(calc.DisplayText(), "5 ");
    EXPECT_EQ(calc.RecentResults().size(), 1u);
}

TEST_F(CalculatorTest, ErrorKeepsDisplayAnsAndRecords) {
    Shown("5");
    SetOption(&CalculatorOptions::EnterInsertsData, true);
    EXPECT_EQ(Run("1/0"), CalcOutcome::Failed);
    EXPECT_EQ(dialogs.OnlyMessage(), "Dělení nulou");
    EXPECT_EQ(dialogs.Messages[0].Caption, " Chyba");
    EXPECT_TRUE(dialogs.Messages[0].Buttons.Has(MessageButton::Cancel));
    EXPECT_EQ(calc.DisplayText(), "5 ");
    EXPECT_EQ(calc.Ans().Re, 5.0L);
    EXPECT_EQ(calc.RecentResults().size(), 1u);
    EXPECT_TRUE(hooks.Statistics.empty());
    EXPECT_EQ(hooks.History.size(), 1u);
    EXPECT_THROW(calc.CalculateOrThrow(), EMathParserError);
}

TEST_F(CalculatorTest, StatisticsDataReceiveOnlyFreshResults) {
    SetOption(&CalculatorOptions::EnterInsertsData, true);
    Shown("2+1");
    Run("2*(");
    Run("sqrt(");
    Run("neznama");  // new variable: nothing evaluated
    Shown("4");
    ASSERT_EQ(hooks.Statistics.size(), 2u);
    EXPECT_EQ(hooks.Statistics[0].Re, 3.0L);
    EXPECT_EQ(hooks.Statistics[1].Re, 4.0L);
    EXPECT_EQ(calc.RecentResults(), (std::vector<std::string>{"4 ", "3 "}));
}

TEST_F(CalculatorTest, RecentResultsAreLimited) {
    for (int i = 1; i <= 12; ++i) Shown(std::to_string(i));
    ASSERT_EQ(calc.RecentResults().size(), 9u);
    EXPECT_EQ(calc.RecentResults().front(), "12 ");
    EXPECT_EQ(calc.RecentResults().back(), "4 ");
    EXPECT_EQ(calc.DisplayHint().substr(0, 8), "12 \n11 \n");
}

TEST_F(CalculatorTest, NewVariablesAreAskedAboutAndNothingIsEvaluated) {
    Shown("9");
    dialogs.Answers = {ModalResult::Yes};
    EXPECT_EQ(Run("b2+a2"), CalcOutcome::NewVariables);
    EXPECT_EQ(dialogs.OnlyMessage(),
              "Byly registrovány nové proměnné: \na2\nb2 \n\nVložit použité proměnné do "
              "vstupních polí?");
    EXPECT_EQ(dialogs.Messages[0].Kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs.Messages[0].Buttons, kYesNoCancelButtons);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Label, "a2");
    EXPECT_EQ(calc.RegisterAt(BoxId::Y).Label, "b2");
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Label, "A");
    EXPECT_EQ(view.Focus.back().first, BoxId::X);
    EXPECT_EQ(view.ExtraRegistersShown, 0);
    EXPECT_EQ(calc.DisplayText(), "9 ");

    calc.SetRegisterBox(BoxId::X, "2");
    calc.SetRegisterBox(BoxId::Y, "3");
    EXPECT_EQ(Shown("b2+a2"), "5");
}

TEST_F(CalculatorTest, NewVariablesListTheTargetAndFillMoreThanFourRegisters) {
    dialogs.Answers = {ModalResult::Yes};
    EXPECT_EQ(Run("t=p1+p2+p3+p4"), CalcOutcome::NewVariables);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Label, "p1");
    EXPECT_EQ(calc.RegisterAt(BoxId::C).Label, "t");
    EXPECT_EQ(view.ExtraRegistersShown, 1);
}

TEST_F(CalculatorTest, NewVariablesAnsweredNoKeepTheLabels) {
    dialogs.Answers = {ModalResult::No};
    EXPECT_EQ(Run("q1*2"), CalcOutcome::NewVariables);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Label, "X");
    EXPECT_EQ(Shown("q1*2"), "0");
}

TEST_F(CalculatorTest, LibraryUseSkipsTheNewVariableQuestion) {
    EXPECT_EQ(Run("w1+1", CalcOrigin::LibraryUse), CalcOutcome::NewVariables);
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(CalculatorTest, DuplicateLabelsStopTheCalculation) {
    calc.SetRegisterLabel(BoxId::D, "a");
    EXPECT_EQ(Run("1+1"), CalcOutcome::Stopped);
    EXPECT_EQ(dialogs.OnlyMessage(), "Duplicita proměnné \"a\"");
    EXPECT_EQ(dialogs.Messages[0].HelpContext, 17);
    EXPECT_EQ(view.ExtraRegistersShown, 1);
    EXPECT_EQ(view.Focus.back().first, BoxId::D);
    // A running task is not checked.
    calc.SetInputText("1+1");
    EXPECT_EQ(calc.CalculateOrThrow(CalcOrigin::Task), CalcOutcome::Evaluated);
}

TEST_F(CalculatorTest, CalculationEndsTheRenamingMode) {
    calc.ToggleRenaming();
    ASSERT_TRUE(calc.RenamingMode());
    EXPECT_EQ(Run("1+1"), CalcOutcome::Stopped);
    EXPECT_FALSE(calc.RenamingMode());
    EXPECT_EQ(calc.DisplayText(), "0 ");
}

TEST_F(CalculatorTest, ListBoxOriginFocusesTheInputLine) {
    Run("1+1", CalcOrigin::ListBox);
    EXPECT_EQ(view.Focus.back().first, BoxId::Input);
}

TEST_F(CalculatorTest, RegistersAreLoadedBeforeEvaluation) {
    calc.SetRegisterBox(BoxId::A, "2*3");
    calc.SetRegisterBox(BoxId::B, "1,5");
    calc.SetRegisterBox(BoxId::Y, "1..5:1");
    EXPECT_EQ(Shown("A+B+Y"), "7.5");
    calc.SetRegisterBox(BoxId::C, "neznamy");
    EXPECT_EQ(Run("C"), CalcOutcome::Failed);
    EXPECT_FALSE(calc.Parser1().VariableExists("neznamy"));
}

TEST_F(CalculatorTest, CopiesTheResultToTheClipboardWhenAsked) {
    Shown("1/4");
    EXPECT_EQ(clipboard.Content, "");
    SetOption(&CalculatorOptions::CopyResultToClipboard, true);
    Shown("1/8");
    EXPECT_EQ(clipboard.Content, "0.125");
    calc.CopyDisplayToClipboard();
    EXPECT_EQ(clipboard.Content, "0.125");
}

TEST_F(CalculatorTest, UsedVariableLinesForTheHistory) {
    Shown("v=2");
    Shown("v*3+Ans");
    EXPECT_EQ(calc.UsedVariableLines(), (std::vector<std::string>{" v=2"}));
    EXPECT_EQ(hooks.History.back(), std::make_pair(std::string("v*3+Ans"), std::string("8")));
}

TEST_F(CalculatorTest, EmptyInputCalculatesNothing) {
    Shown("3");
    EXPECT_EQ(Run("   "), CalcOutcome::Stopped);
    EXPECT_EQ(Run("\"jen popis\""), CalcOutcome::Stopped);
    EXPECT_EQ(calc.DisplayText(), "3 ");
    EXPECT_EQ(calc.Ans().Re, 3.0L);
}

TEST_F(CalculatorTest, IsValueTextLeavesNoTrace) {
    Shown("x=4");
    calc.SetInputText("x+1");
    calc.Parser1().SetExpression("x+1");
    const ComplexValue last = calc.Parser1().LastValue();
    EXPECT_TRUE(calc.IsValueText(" 2,5 "));
    EXPECT_TRUE(calc.IsValueText("x*2"));
    EXPECT_FALSE(calc.IsValueText("neco*2"));
    EXPECT_FALSE(calc.IsValueText("1 + 2"));
    EXPECT_FALSE(calc.IsValueText(",5"));
    EXPECT_FALSE(calc.IsValueText(""));
    EXPECT_FALSE(calc.IsValueText("1/0"));
    EXPECT_FALSE(calc.Parser1().VariableExists("neco"));
    EXPECT_EQ(calc.Parser1().Expression(), "x+1");
    EXPECT_TRUE(calc.Parser1().AutoRegisterVar());
    EXPECT_EQ(calc.Parser1().LastValue(), last);
    EXPECT_EQ(calc.Parser1().Evaluate().Re, 5.0L);
}

TEST_F(CalculatorTest, ShiftShowsTheResultInHexadecimalOnce) {
    calc.Switches().Display.Format = NumberFormat::Eng;
    calc.Switches().Display.EngPostfixOn = true;
    EXPECT_EQ(calc.CalculateShowingHex(), CalcOutcome::Stopped);  // empty input
    calc.SetInputText("255");
    EXPECT_EQ(calc.CalculateShowingHex(), CalcOutcome::Evaluated);
    EXPECT_EQ(calc.DisplayText(), "0FFh");
    EXPECT_EQ(calc.Display().Format, NumberFormat::Eng);
    EXPECT_TRUE(calc.Display().EngPostfixOn);
    EXPECT_EQ(calc.NumericalBase(), nbDec);
    EXPECT_EQ(Shown("2000"), "2k");
}

TEST_F(CalculatorTest, EvaluateAppliedTextLeavesAnsOrTheNumber) {
    calc.SetInputText("2+3");
    EXPECT_TRUE(calc.InputReadsAsValue());
    EXPECT_EQ(calc.EvaluateAppliedText("1/(2+3)"), CalcOutcome::Evaluated);
    EXPECT_EQ(calc.DisplayText(), "0.2 ");
    EXPECT_EQ(calc.InputText(), "0.2");
    SetOption(&CalculatorOptions::UseNumberInsteadOfAns, false);
    EXPECT_EQ(calc.EvaluateAppliedText("max(1,5;1)"), CalcOutcome::Evaluated);
    EXPECT_EQ(calc.DisplayText(), "1.5 ");
    EXPECT_EQ(calc.InputText(), "Ans");
    EXPECT_EQ(calc.RecentResults().front(), "1.5 ");
    calc.SetInputText("2+");
    EXPECT_FALSE(calc.InputReadsAsValue());
    calc.SetInputText("Ans");
    EXPECT_TRUE(calc.InputReadsAsValue());
}

TEST_F(CalculatorTest, OperatorContinuesTheShownResult) {
    calc.SetNumericalScope(nsComplex);
    Shown("3+4i");
    EditState state{"3+4i", 0, 4, false};
    state = calc.TypeIntoBox(BoxId::Input, state, '*');
    EXPECT_EQ(state.Text, "(3+4i)*");
    EXPECT_FALSE(calc.ResultShown());
    state = calc.TypeIntoBox(BoxId::Input, state, '2');
    EXPECT_EQ(Shown(state.Text), "6+8i");

    calc.SetNumericalScope(nsReal);
    Shown("-5");
    state = calc.TypeIntoBox(BoxId::Input, {"-5", 0, 2, false}, '^');
    state = calc.TypeIntoBox(BoxId::Input, state, '2');
    EXPECT_EQ(Shown(state.Text), "25");

    SetOption(&CalculatorOptions::UseNumberInsteadOfAns, false);
    Shown("-5");
    state = calc.TypeIntoBox(BoxId::Input, {"-5", 0, 2, false}, '+');
    EXPECT_EQ(state.Text, "Ans+");
}

TEST_F(CalculatorTest, KeysInARegisterBoxDoNotContinueResults) {
    Shown("7");
    calc.Sequences().Define('*', '^');
    EditState state = calc.TypeIntoBox(BoxId::A, {"2*", 2, 0, false}, '*');
    EXPECT_EQ(state.Text, "2^");
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "2^");
    EXPECT_TRUE(calc.ResultShown());
}

TEST_F(CalculatorTest, ModesGoToTheEvaluatorBeforeCalculating) {
    calc.SetAngleUnits(auRad);
    EXPECT_EQ(Shown("2*arcsin(1)"), "3.14159265358979");
    calc.Switches().AngleUnits = auDeg;
    EXPECT_EQ(Shown("arcsin(1)"), "90");
    EXPECT_EQ(calc.Parser1().AngleUnits(), auDeg);
    calc.SetNumericalBase(nbHex);
    EXPECT_EQ(Shown("10"), "10h");
    EXPECT_EQ(calc.Parser1().NumericalBase(), nbHex);
}

}  // namespace
}  // namespace tarvix
