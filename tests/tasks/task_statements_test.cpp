// The statements with effects: PRINT, MSG, INPUT, files, MODE, user
// functions, vectors, windows and the calculator commands.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "task_fixture.h"

namespace tarvix {
namespace {

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
    return {lines.begin(), lines.end()};
}

TEST(TaskStatementsTest, PrintFormatsValuesAndListsThemWithoutAFormat) {
    TaskFixture f;
    const StepResult result = f.Run(
        "x=1,5\ny=2\nPRINT \"x=%g, y=%g\", x, y\nPRINT x, y\nPRINT\nPRINT \"100% hotovo\"\n"
        "PRINT max(1;2)\nPRINT 1,2,3,4,5,6,7,8,9,10,11,12\nPRINT \"%5.1f|%-4d|%X\", x, y, 255");
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    EXPECT_EQ(f.host.Printed, Lines({"x=1.5, y=2", "1.5 2", "", "100% hotovo", "2",
                                     "1 2 3 4 5 6 7 8 9 10 11 12", "  1.5|2   |FF"}));
    EXPECT_EQ(f.host.Title, "Test");
}

TEST(TaskStatementsTest, PrintFormatFaultsAreTaskErrors) {
    ExpectFaults({
        {"PRINT \"%g %g\", 1", taskmsg::FormatMismatch, "%g %g"},
        {"PRINT \"%g\", 1, 2", taskmsg::FormatMismatch, "%g"},
        {"PRINT \"%w\", 1", taskmsg::FormatInvalid, "%w"},
        {"PRINT \"%d\", 1e300", taskmsg::FormatIntegerRange, "1E300"},
        {"PRINT \"open", taskmsg::TextNotTerminated, ""},
        {"PRINT #x, 1", taskmsg::FileNumberRange, ""},
        {"PRINT #3, 1", taskmsg::FileNotOpenForWriting, "#3"},
    });
}

TEST(TaskStatementsTest, MsgBoxesTakeTheirKindButtonsAndValues) {
    TaskFixture f;
    f.dialogs.Answers = {ModalResult::Ok, ModalResult::Yes, ModalResult::Ignore};
    ASSERT_EQ(
        f.Run("MSG \"Ahoj\"\nMSG \"Dál?\", CONF\nMSG \"x=%g\", WARNING, ABORT RETRY IGNORE; 2*3\n"
              "MSG \"\"")
            .Status,
        StepStatus::Finished);
    ASSERT_EQ(f.dialogs.Messages.size(), 3u);
    EXPECT_EQ(f.dialogs.Messages[0].Kind, MessageKind::Information);
    EXPECT_EQ(f.dialogs.Messages[0].Buttons, kOkButton);
    EXPECT_EQ(f.dialogs.Messages[1].Kind, MessageKind::Confirmation);
    EXPECT_EQ(f.dialogs.Messages[1].Buttons, kYesNoCancelButtons);
    EXPECT_EQ(f.dialogs.Messages[2].Text, "x=6");
    EXPECT_EQ(f.dialogs.Messages[2].Kind, MessageKind::Warning);
    // IGNORE is one word: no No button.
    EXPECT_EQ(f.dialogs.Messages[2].Buttons,
              MessageButton::Abort | MessageButton::Retry | MessageButton::Ignore);
}

TEST(TaskStatementsTest, MsgButtonsAreWholeWordsOrRunsOfThem) {
    struct Case {
        const char* buttons;
        MessageButtons expected;
    } cases[] = {
        {"YESNO", MessageButton::Yes | MessageButton::No},
        {"OK,CANCEL", MessageButton::Ok | MessageButton::Cancel},
        {"okcancel", MessageButton::Ok | MessageButton::Cancel},
        {"IGNORE", MessageButton::Ignore},
        {"NOTHING", kOkButton},  // not made of button words: the information default
    };
    for (const Case& c : cases) {
        TaskFixture f;
        f.Run(std::string("MSG \"q\", INFO, ") + c.buttons);
        ASSERT_EQ(f.dialogs.Messages.size(), 1u) << c.buttons;
        EXPECT_EQ(f.dialogs.Messages[0].Buttons, c.expected) << c.buttons;
    }
}

TEST(TaskStatementsTest, AnIfConditionMayAskWithMsg) {
    for (const auto& [answer, printed] :
         {std::pair{ModalResult::Yes, "yes"}, std::pair{ModalResult::No, "no"}}) {
        TaskFixture f;
        f.dialogs.Answers = {answer};
        ASSERT_EQ(f.Run("IF MSG \"Je a=b?\", CONF = 6 THEN PRINT \"yes\" ELSE PRINT \"no\"").Status,
                  StepStatus::Finished);
        ASSERT_EQ(f.dialogs.Messages.size(), 1u);
        EXPECT_EQ(f.dialogs.Messages[0].Text, "Je a=b?");
        EXPECT_EQ(f.host.Printed, Lines({printed}));
    }
    TaskFixture f;
    f.dialogs.Answers = {ModalResult::Cancel};
    f.Run("IF MSG \"Konec?\", CONF <> 6 THEN PRINT \"not yes\"");
    EXPECT_EQ(f.dialogs.Messages[0].Text, "Konec?");
    EXPECT_EQ(f.host.Printed, Lines({"not yes"}));
}

TEST(TaskStatementsTest, InputOffersItsDefaultAndKeepsItWhenClosed) {
    TaskFixture f;
    f.dialogs.TextAnswers = {std::nullopt, std::string("7*6"), std::string("Eva")};
    const StepResult result = f.Run(
        "INPUT \"Průměr d\", d, 2\nINPUT x\nINPUT \"Jméno?\", \"INPUT\"\nPRINT \"INPUT\"\nPRINT d, "
        "x");
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    ASSERT_EQ(f.dialogs.Questions.size(), 3u);
    EXPECT_EQ(f.dialogs.Questions[0].Caption, "Vstup");
    EXPECT_EQ(f.dialogs.Questions[0].Prompt, "Průměr d");
    EXPECT_EQ(f.dialogs.Questions[0].Default, "2");
    EXPECT_EQ(f.dialogs.Questions[1].Prompt, "x =");
    EXPECT_EQ(f.dialogs.Questions[1].Default, "0");
    EXPECT_EQ(f.host.Printed, Lines({"Eva", "2 42"}));
}

TEST(TaskStatementsTest, InputFaultsAreReported) {
    TaskFixture f;
    StepResult result = f.Run("INPUT \"prompt\",");
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Message, f.Message(taskmsg::MissingVariableName));

    f.dialogs.TextAnswers = {std::string("1+")};
    result = f.Run("INPUT y");
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Message, f.Message(taskmsg::BadNumberFormat, {"1+"}));
}

class TaskFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tarvix_task_files_" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        f_.interpreter.Files().CloseAll();
        std::filesystem::remove_all(folder_);
    }
    std::string Read(const char* name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::filesystem::path folder_;
    TaskFixture f_;
};

TEST_F(TaskFilesTest, WrittenLinesAreReadBackInTheWorkingFolder) {
    const StepResult result = f_.Run(
        "OPEN \"Input.txt\" FOR OUTPUT AS#1\n"
        "FOR i=1 TO 3\nPRINT #1, \"%g\", i*1.5\nNEXT\nPRINT #1\nCLOSE #1\n"
        "OPEN \"Input.txt\" FOR INPUT AS#12\ns=0\nn=0\n"
        "WHILE NOTEOF(#1)\nINPUT #1, v\ns=s+v\nn=n+1\nLOOP\nCLOSE #1\nPRINT s, n",
        folder_);
    // The empty last line reads as a failed number.
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Message, f_.Message(taskmsg::BadNumberFormat, {""}));
    // The name keeps its case; "Input" in it does not make the OPEN read.
    EXPECT_EQ(Read("Input.txt"), "1.5\n3\n4.5\n\n");
}

TEST_F(TaskFilesTest, NotEofEndsTheLoopAndTheSumIsRight) {
    {
        std::ofstream out(folder_ / "data.txt");
        out << "1\n2,5\n 3 \n";
    }
    const StepResult result = f_.Run(
        "OPEN \"data.txt\" FOR INPUT AS#2\ns=0\nWHILE NOTEOF(#2)\nINPUT #2, v\ns=s+v\nLOOP\n"
        "CLOSE #2\nPRINT s",
        folder_);
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    EXPECT_EQ(f_.host.Printed, Lines({"6.5"}));
}

TEST_F(TaskFilesTest, FileStatementFaultsNameTheFileOrItsNumber) {
    ExpectFaults(
        {
            {"OPEN \"missing.txt\" FOR INPUT AS#1", taskmsg::FileNotFound,
             (folder_ / "missing.txt").string()},
            {"OPEN \"x.txt\" FOR OUTPUT AS#", taskmsg::MissingFileNumber, ""},
            {"OPEN \"x.txt\" FOR OUTPUT AS#a", taskmsg::FileNumberRange, ""},
            {"OPEN \"x.txt FOR OUTPUT AS#1", taskmsg::FileNameNotTerminated, ""},
            {"OPEN \"a|b.txt\" FOR OUTPUT AS#1", taskmsg::InvalidFileName, ""},
            {"WHILE NOTEOF(#12)\nLOOP", taskmsg::FileNumberError, ""},
            {"WHILE NOTEOF(#4)\nLOOP", taskmsg::FileAccess, "4"},
            {"INPUT #5, v", taskmsg::FileNotOpenForReading, "#5"},
        },
        folder_);
}

TEST(TaskStatementsTest, ModeWordsSwitchTheCalculator) {
    TaskFixture f;
    ASSERT_EQ(f.Run("MODE GRAD").Status, StepStatus::Finished);
    EXPECT_EQ(f.calc.AngleUnits(), auGrad);
    ASSERT_EQ(f.Run("MODE HEX DEG").Status, StepStatus::Finished);
    EXPECT_EQ(f.calc.NumericalBase(), nbHex);
    EXPECT_EQ(f.calc.AngleUnits(), auDeg);
    ASSERT_EQ(f.Run("MODE DEC SCI\nMODE RND=4").Status, StepStatus::Finished);
    EXPECT_TRUE(f.calc.Display().RoundingOn);
    EXPECT_EQ(f.calc.Display().Digits, 4);
    EXPECT_EQ(f.calc.Display().Format, NumberFormat::Norm);
}

TEST(TaskStatementsTest, FunctionsTakeTheirArgumentsBeforeAnyIsAssigned) {
    TaskFixture f;
    const StepResult result = f.Run(
        "DEF area(a, b)\nRESULT = a*b\nENDDEF\nDEF swap(p, q)\nPRINT \"%g %g\", p, q\nENDDEF\n"
        "DEF show(t)\nr = t\nPRINT r\nENDDEF\nBEGIN\nCALL area(3; 4)\nPRINT area\n"
        "a=1\nb=2\nCALL swap(b; a)\nDEF area(2; 5)\nPRINT area\nCALL show(\"a+b\")\nEND");
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    // The quoted argument stands for its text: r = a+b with a=2, b=5.
    EXPECT_EQ(f.host.Printed, Lines({"12", "2 1", "10", "7"}));
}

TEST(TaskStatementsTest, FunctionFaultsAreReported) {
    ExpectFaults({
        {"DEF f(a)\nENDDEF\nBEGIN\nCALL f(1; 2)", taskmsg::ArgumentCount, "f"},
        {"BEGIN\nCALL g(1)", taskmsg::FunctionNotDefined, "g"},
        {"RESULT = 1", taskmsg::ResultOutsideFunction, ""},
        {"DEF\nENDDEF", taskmsg::MissingFunctionName, ""},
        {"DEF f(a,,b)\nENDDEF", taskmsg::InvalidIdentifier, ""},
        {"DEF f(1x)\nENDDEF", taskmsg::InvalidIdentifier, "1x"},
        {"DEF f(a)\nx=1", taskmsg::FunctionNotClosed, "f"},
        {"BEGIN\nENDDEF", taskmsg::SurplusEndDef, ""},
    });
}

TEST(TaskStatementsTest, ExitInAFunctionGoesToItsEndDef) {
    TaskFixture f;
    ASSERT_EQ(f.Run("DEF f(n)\nIF n>1 THEN EXIT\nRESULT = n\nENDDEF\nBEGIN\nf=0\nCALL f(5)\n"
                    "PRINT f\nCALL f(1)\nPRINT f")
                  .Status,
              StepStatus::Finished);
    EXPECT_EQ(f.host.Printed, Lines({"0", "1"}));
}

TEST(TaskStatementsTest, VectorsComeFromOneLineOrFromTheLinesBelow) {
    TaskFixture f;
    const StepResult result = f.Run(
        "VECTOR v = (1; 2,5; 3)\nVECTOR w =\n4\n 5 ' five\n)\nPRINT \"after\"\nVECTOR e=\n7\n\n"
        "PRINT \"end\"");
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    EXPECT_EQ(f.host.Printed, Lines({"after", "end"}));
    const ParserFloatArray& v = f.series.Vectors().FindVector("v");
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[1].Re, 2.5L);
    EXPECT_EQ(f.series.Vectors().FindVector("w").size(), 2u);
    EXPECT_EQ(f.series.Vectors().FindVector("e").size(), 1u);
    EXPECT_TRUE(f.calc.Parser1().VariableExists("v"));

    const StepResult bad = f.Run("VECTOR u = (1; )x");
    ASSERT_EQ(bad.Status, StepStatus::Error);
    EXPECT_EQ(f.Run("VECTOR = (1)").Error.Message, f.Message(taskmsg::MissingVariableName));
}

TEST(TaskStatementsTest, UnitAnnotationsLabelTheVariable) {
    TaskFixture f;
    ASSERT_EQ(f.Run("a=2\nb=3\nS = a*b [m2] ' plocha").Status, StepStatus::Finished);
    EXPECT_EQ(f.Var("S"), 6.0L);
    EXPECT_EQ(f.calc.VarInfos().Value("S"), "plocha [m2]");
}

TEST(TaskStatementsTest, ExpressionErrorsAreReportedAndTheTaskGoesOn) {
    TaskFixture f;
    ASSERT_EQ(f.Run("x=1/0\nPRINT \"on\"").Status, StepStatus::Finished);
    EXPECT_EQ(f.host.Printed, Lines({"on"}));
    ASSERT_FALSE(f.dialogs.Messages.empty());
    EXPECT_EQ(f.dialogs.Messages.back().Kind, MessageKind::Error);
}

TEST(TaskStatementsTest, WindowStatementsBecomeCommandsAndTheHostWindowsStayOpen) {
    TaskFixture f;
    f.calc.Parser1().SetVariable("w", {300.4L, 0.0L});
    ASSERT_EQ(f.Run("OPEN(StatForm, MAXIMIZE)\nOPEN (grform, 10, +5, w, -20)\nCLOSE(VarForm)\n"
                    "KEYBD(MainForm, ctrl+c)\nKEYBD(a)\nHELP(512)\nCLS\nCLS history\n"
                    "PLOT(1, 2, 3)")
                  .Status,
              StepStatus::Finished);
    ASSERT_EQ(f.host.Windows.size(), 2u);
    EXPECT_EQ(f.host.Windows[0].Window, TaskWindow::StatForm);
    EXPECT_EQ(f.host.Windows[0].Action, WindowAction::Maximize);
    const WindowCommand& place = f.host.Windows[1];
    EXPECT_EQ(place.Action, WindowAction::Place);
    EXPECT_EQ(place.Left.Value, 10);
    EXPECT_FALSE(place.Left.Relative);
    EXPECT_TRUE(place.Top.Relative);
    EXPECT_EQ(place.Top.Value, 5);
    EXPECT_EQ(place.Width.Value, 300);
    EXPECT_EQ(place.Height.Value, -20);
    EXPECT_EQ(f.host.Closed, std::vector<TaskWindow>{TaskWindow::VarForm});
    ASSERT_EQ(f.host.Keys.size(), 2u);
    EXPECT_EQ(f.host.Keys[0].Window, TaskWindow::MainForm);
    EXPECT_EQ(f.host.Keys[0].Key, "CTRL+C");
    EXPECT_EQ(f.host.Keys[1].Key, "A");
    EXPECT_EQ(f.host.HelpTopics, Lines({"512"}));
    EXPECT_EQ(f.host.OutputClears, 1);
    EXPECT_EQ(f.host.HistoryClears, 1);
    ASSERT_EQ(f.host.Points.size(), 1u);
    EXPECT_EQ(f.host.Points[0].Series, 1);

    for (const char* refused : {"CLOSE(ExprForm)", "CLOSE(MainForm)"}) {
        const StepResult result = f.Run(refused);
        ASSERT_EQ(result.Status, StepStatus::Error) << refused;
    }
    EXPECT_EQ(f.Run("OPEN(Nowhere, SHOW)").Error.Message,
              f.Message(taskmsg::UnknownWindow, {"Nowhere"}));
    EXPECT_EQ(f.Run("OPEN(GrForm, 1, x1y)").Error.Message,
              f.Message(taskmsg::WindowValue, {"x1y"}));
    EXPECT_EQ(f.Run("PLOT(0, 1, 1)").Error.Message, f.Message(taskmsg::PlotSeries));
}

TEST(TaskStatementsTest, EnterTypesIntoBoxesAndCalculates) {
    TaskFixture f;
    ASSERT_EQ(f.Run("ENTER #A,5\nENTER (2*3)\nENTER\nENTER #X:DISPLAY").Status,
              StepStatus::Finished);
    EXPECT_EQ(f.calc.RegisterAt(BoxId::A).Box, "5");
    EXPECT_EQ(f.calc.InputText(), "2*3");
    EXPECT_EQ(f.calc.Ans().Re, 6.0L);
    EXPECT_EQ(f.calc.RegisterAt(BoxId::X).Box, "6");
}

TEST(TaskStatementsTest, CopyPutsTheDisplayInABaseOnTheClipboard) {
    TaskFixture f;
    testing::RecordingClipboard clipboard;
    f.calc.SetClipboard(&clipboard);
    ASSERT_EQ(f.Run("255\nCOPY hex").Status, StepStatus::Finished);
    EXPECT_EQ(clipboard.Text(), "0FFh");      // as the display shows hexadecimal
    EXPECT_EQ(f.calc.DisplayText(), "255 ");  // shown as before
    ASSERT_EQ(f.Run("7\nCOPY(bin)\nCOPY roman").Status, StepStatus::Finished);
    EXPECT_EQ(clipboard.Text(), "111b");
}

TEST(TaskStatementsTest, ResetClearsTheCalculatorAndDataGoesThroughTheCalculation) {
    TaskFixture f;
    ASSERT_EQ(f.Run("q=5\nDATA(q*2)\nRESET").Status, StepStatus::Finished);
    EXPECT_FALSE(f.calc.Parser1().VariableExists("q"));
    EXPECT_EQ(f.calc.Ans().Re, 0.0L);
}

}  // namespace
}  // namespace tarvix
