// The input-line commands: their recognition, and what the calculator does
// with each (RUN, DEFSEQ, UNDEFSEQ, DEFVAR, "@r=", "#r=", assignments).
#include "calculator/input_commands.h"

#include <gtest/gtest.h>

#include "calculator_test_support.h"

namespace tarvix {
namespace {

using testing::CalculatorTest;
using Kind = InputCommandKind;

TEST(ParseInputCommand, RecognisesEachCommand) {
    struct Row {
        const char* Text;
        Kind Expected;
        const char* Name;
        const char* Text2;
    } rows[] = {
        {"RUN(uloha)", Kind::RunTask, "uloha", ""},
        {"run( uloha )", Kind::RunTask, "uloha", ""},
        {"RUN uloha", Kind::RunTask, "uloha", ""},
        {"RUN(", Kind::None, "", ""},
        {"RUNNER", Kind::None, "", ""},
        {"DEFVAR  abc ", Kind::DefineVariable, "abc", ""},
        {"defvar 2x", Kind::DefineVariable, "2x", ""},
        {"@1=r", Kind::RenameRegister, "r", ""},
        {"@b= delka", Kind::RenameRegister, "delka", ""},
        {"#x=1..5:1", Kind::SetRegisterBox, "", "1..5:1"},
        {"#8=2*pi", Kind::SetRegisterBox, "", "2*pi"},
        {"x=2*3", Kind::Assignment, "x", "2*3"},
        {" y = 1+1 ", Kind::Assignment, "y", "1+1"},
        {"CELL(2;3)=5", Kind::Assignment, "CELL", "5"},
        {"2*(3+4)=x", Kind::Assignment, "2*", "x"},
        {"@9=r", Kind::Assignment, "@9", "r"},
        {"x=", Kind::None, "", ""},
        {"x=1:::5", Kind::None, "", ""},
        {"t*2...y=t*t", Kind::None, "", ""},
        {"p=t*2...t*t", Kind::Assignment, "p", "t*2...t*t"},
        {"2*sin(x)+A", Kind::None, "", ""},
    };
    for (const auto& row : rows) {
        InputCommand cmd = ParseInputCommand(row.Text);
        EXPECT_EQ(cmd.Kind, row.Expected) << row.Text;
        EXPECT_EQ(cmd.Name, row.Name) << row.Text;
        EXPECT_EQ(cmd.Text, row.Text2) << row.Text;
    }
}

TEST(ParseInputCommand, SequenceCommandsHaveExactLengths) {
    InputCommand def = ParseInputCommand("DEFSEQ ** ^");
    EXPECT_EQ(def.Kind, Kind::DefineSequence);
    EXPECT_EQ(def.Character, '*');
    EXPECT_EQ(def.Substitute, '^');
    EXPECT_EQ(ParseInputCommand("DEFSEQ *+ ^").Kind, Kind::None);
    EXPECT_EQ(ParseInputCommand("DEFSEQ ** ^^").Kind, Kind::None);
    InputCommand undef = ParseInputCommand("UNDEFSEQ *");
    EXPECT_EQ(undef.Kind, Kind::UndefineSequence);
    EXPECT_EQ(undef.Character, '*');
    EXPECT_EQ(ParseInputCommand("UNDEFSEQ **").Kind, Kind::None);
}

TEST(ParseInputCommand, RegisterNumbersAndLetters) {
    const std::pair<char, BoxId> rows[] = {
        {'1', BoxId::X}, {'2', BoxId::Y}, {'3', BoxId::A}, {'8', BoxId::F},
        {'x', BoxId::X}, {'Y', BoxId::Y}, {'c', BoxId::C}, {'F', BoxId::F},
    };
    for (auto [c, box] : rows) {
        InputCommand cmd = ParseInputCommand(std::string("#") + c + "=7");
        EXPECT_EQ(cmd.Kind, Kind::SetRegisterBox) << c;
        EXPECT_EQ(cmd.Register, box) << c;
    }
    EXPECT_EQ(ParseInputCommand("CELL(2;3)=5").TargetArguments, "2;3");
}

class InputCommandTest : public CalculatorTest {};

TEST_F(InputCommandTest, RunStartsTheTaskWithoutTheClosingBracket) {
    EXPECT_EQ(Run("RUN(uloha)"), CalcOutcome::Stopped);
    EXPECT_EQ(hooks.Tasks, (std::vector<std::string>{"uloha"}));
    EXPECT_EQ(calc.InputText(), "uloha");
    EXPECT_EQ(Run("RUN druha"), CalcOutcome::Stopped);
    EXPECT_EQ(hooks.Tasks.back(), "druha");
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(InputCommandTest, DefseqAsksAndStoresOnYesOnly) {
    dialogs.Answers = {ModalResult::No};
    EXPECT_EQ(Run("DEFSEQ ** ^"), CalcOutcome::Stopped);
    EXPECT_EQ(calc.Sequences().Find('*'), std::nullopt);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs.Messages[0].HelpContext, 12);
    EXPECT_EQ(dialogs.Messages[0].Text,
              "Byla definována náhrada sekvence znaků \n  Nahrazovat dvojici znaků \"**\" \n  "
              "nadále jen jedním znakem \"^\" ?");

    dialogs.Answers = {ModalResult::Yes};
    Run("DEFSEQ ** ^");
    EXPECT_EQ(calc.Sequences().Find('*'), '^');
}

TEST_F(InputCommandTest, DefseqWithTheSameCharacterRemovesTheDefinition) {
    calc.Sequences().Define('*', '^');
    Run("DEFSEQ ** *");
    EXPECT_EQ(calc.Sequences().Find('*'), std::nullopt);
    EXPECT_EQ(dialogs.OnlyMessage(), "Náhrada sekvence znaků \"**\" \nznakem \"^\" byla zrušena");
    EXPECT_EQ(dialogs.Messages[0].Kind, MessageKind::Information);
    // Without a definition nothing is shown.
    Run("DEFSEQ ** *");
    EXPECT_EQ(dialogs.Messages.size(), 1u);
}

TEST_F(InputCommandTest, UndefseqRemovesAndTells) {
    calc.Sequences().Define('/', ':');
    Run("UNDEFSEQ /");
    EXPECT_EQ(calc.Sequences().Find('/'), std::nullopt);
    EXPECT_EQ(dialogs.OnlyMessage(), "Náhrada sekvence znaků \"//\" byla zrušena");
}

TEST_F(InputCommandTest, DefvarCreatesAZeroVariableOnce) {
    EXPECT_EQ(Run("DEFVAR delka"), CalcOutcome::Stopped);
    EXPECT_TRUE(calc.Parser1().VariableExists("delka"));
    EXPECT_EQ(calc.Parser1().GetVariable("delka"), ComplexValue{});
    EXPECT_EQ(dialogs.Messages.back().Text, "Proměnná \"delka\" byla registrována");
    EXPECT_EQ(dialogs.Messages.back().Kind, MessageKind::Information);

    Run("DEFVAR DELKA");
    EXPECT_EQ(dialogs.Messages.back().Text, "Proměnná \"DELKA\" již existuje");
    EXPECT_EQ(dialogs.Messages.back().Kind, MessageKind::Error);
    EXPECT_EQ(dialogs.Messages.back().Buttons, kCancelButton);

    Run("DEFVAR 2x");
    EXPECT_EQ(dialogs.Messages.back().Text, "Neplatný identifikátor proměnné \"2x\"");
    EXPECT_EQ(dialogs.Messages.back().Buttons, kCancelHelpButtons);
    EXPECT_EQ(dialogs.Messages.back().HelpContext, 17);
    EXPECT_FALSE(calc.Parser1().VariableExists("2x"));
}

TEST_F(InputCommandTest, AtCommandRenamesARegister) {
    calc.SetRegisterBox(BoxId::X, "5");
    EXPECT_EQ(Run("@1=r"), CalcOutcome::Stopped);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Label, "r");
    EXPECT_FALSE(calc.Parser1().VariableExists("X"));
    EXPECT_EQ(calc.Parser1().GetVariable("r").Re, 5.0L);
    EXPECT_EQ(dialogs.OnlyMessage(), "Proměnná \"r\" byla registrována");
    EXPECT_EQ(Shown("r*2"), "10");

    // From the library's use-expression command no message is shown.
    Run("@a=s", CalcOrigin::LibraryUse);
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Label, "s");
    EXPECT_EQ(dialogs.Messages.size(), 1u);

    Run("@y=1a");
    EXPECT_EQ(dialogs.Messages.back().Text, "Neplatný identifikátor proměnné \"1a\"");
    EXPECT_EQ(calc.RegisterAt(BoxId::Y).Label, "Y");
}

TEST_F(InputCommandTest, HashCommandFillsABoxAndChecksRanges) {
    EXPECT_EQ(Run("#b=2*3"), CalcOutcome::Stopped);
    EXPECT_EQ(calc.RegisterAt(BoxId::B).Box, "2*3");
    EXPECT_EQ(Shown("B+1"), "7");

    EXPECT_EQ(Run("#x=0 .. 2 * 5 : 0,5"), CalcOutcome::Stopped);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Box, "0 .. 2 * 5 : 0,5");
    EXPECT_EQ(dialogs.Messages.size(), 0u);

    // A missing step and an unknown name in a part are syntax errors; the
    // check creates no variable.
    EXPECT_EQ(Run("#y=0..10"), CalcOutcome::Failed);
    EXPECT_EQ(dialogs.Messages.back().Text, "Syntaktická chyba ve výrazu");
    EXPECT_EQ(view.Focus.back().first, BoxId::Y);
    EXPECT_EQ(Run("#x=0..nove:1"), CalcOutcome::Failed);
    EXPECT_FALSE(calc.Parser1().VariableExists("nove"));
    EXPECT_EQ(view.Focus.back().first, BoxId::X);
}

TEST_F(InputCommandTest, AssignmentToANewVariable) {
    EXPECT_EQ(Shown("vysledek=2*3"), "6");
    EXPECT_EQ(calc.Parser1().GetVariable("vysledek").Re, 6.0L);
    EXPECT_TRUE(dialogs.Messages.empty());

    SetOption(&CalculatorOptions::AutoRegister, false);
    EXPECT_EQ(Run("jina=1"), CalcOutcome::Stopped);
    EXPECT_EQ(dialogs.OnlyMessage(), "Proměnná \"jina\" nebyla definována");
    EXPECT_EQ(dialogs.Messages[0].Buttons, kCancelHelpButtons);
    EXPECT_FALSE(calc.Parser1().VariableExists("jina"));
    // An existing variable is still a target.
    EXPECT_EQ(Shown("vysledek=vysledek+1"), "7");
}

TEST_F(InputCommandTest, AssignmentToAnInvalidName) {
    EXPECT_EQ(Run("2x=5"), CalcOutcome::Stopped);
    EXPECT_EQ(dialogs.OnlyMessage(), "Neplatný identifikátor proměnné \"2x\"");
}

TEST_F(InputCommandTest, RegisterTargetGetsTheGeneralText) {
    EXPECT_EQ(Shown("A=1+1"), "2");
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "2");
    EXPECT_EQ(calc.Parser1().GetVariable("A").Re, 2.0L);
    // The box holds 15 digits; the next calculation reloads A from that text.
    Shown("A=1/3");
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "0.333333333333333");
    EXPECT_EQ(Shown("A*3"), "0.999999999999999");
}

TEST_F(InputCommandTest, RegisterTargetInTheComplexDomain) {
    calc.SetNumericalScope(nsComplex);
    const std::pair<const char*, const char*> rows[] = {
        {"A=3-4i", "3-4i"}, {"A=2i", "2i"}, {"A=5+0i", "5"}, {"A=0i", "0"}, {"A=1+i", "1+1i"},
    };
    for (auto [input, box] : rows) {
        Run(input);
        EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, box) << input;
    }
}

TEST_F(InputCommandTest, CompileFailureOfARegisterTargetPutsTheTextIntoItsBox) {
    calc.SetRegisterBox(BoxId::B, "4");
    EXPECT_EQ(Run("b = 2 * + "), CalcOutcome::Failed);
    EXPECT_EQ(calc.RegisterAt(BoxId::B).Box, "2*+");
    EXPECT_EQ(dialogs.OnlyMessage(), "Syntaktická chyba ve výrazu");
    EXPECT_EQ(view.Focus.back().first, BoxId::Input);
}

TEST_F(InputCommandTest, CellTargetWritesTheWorksheetWhenItIsOpen) {
    hooks.Worksheet = true;
    Shown("CELL(2;3)=1/4");
    ASSERT_EQ(hooks.Cells.size(), 1u);
    EXPECT_EQ(hooks.Cells[0].Row, 2);
    EXPECT_EQ(hooks.Cells[0].Column, 3);
    EXPECT_EQ(hooks.Cells[0].Text, "0.25 ");
}

}  // namespace
}  // namespace tarvix
