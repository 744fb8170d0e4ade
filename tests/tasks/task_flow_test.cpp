// The run of a task: loops, IF blocks, BREAK and CONTINUE, GOTO, the end
// check, stepping, running to the cursor and continuing after an error.
#include <gtest/gtest.h>

#include "task_fixture.h"

namespace tarvix {
namespace {

struct FlowCase {
    const char* name;
    const char* program;
    std::vector<std::string> printed;
};

// Programs that end normally, with what they print.
TEST(TaskFlowTest, ProgramsPrintWhatTheirControlFlowSays) {
    const FlowCase cases[] = {
        {"for three times leaves i past the limit",
         "FOR i=1 TO 3\nPRINT i\nNEXT\nPRINT i",
         {"1", "2", "3", "4"}},
        {"for without a pass", "FOR i=1 TO 0\nPRINT i\nNEXT\nPRINT i", {"2"}},
        {"for downwards", "FOR i=3 TO 1 STEP -1\nPRINT i\nNEXT", {"3", "2", "1"}},
        {"for with a fractional step", "FOR x=0 TO 1 STEP 0,5\nPRINT x\nNEXT", {"0", "0.5", "1"}},
        {"TO inside a name", "AUTO=2\nFOR i=AUTO TO 3\nPRINT i\nNEXT", {"2", "3"}},
        {"while that never runs", "x=5\nWHILE x<0\nPRINT x\nLOOP\nPRINT \"done\"", {"done"}},
        {"while", "x=3\nWHILE x>0\nPRINT x\nx=x-1\nLOOP", {"3", "2", "1"}},
        {"repeat", "n=0\nREPEAT\nn=n+1\nUNTIL n>=3\nPRINT n", {"3"}},
        {"one-line if",
         "x=1\nIF x>0 THEN PRINT \"p\" ELSE PRINT \"n\"\nIF x<0 THEN PRINT \"q\"",
         {"p"}},
        {"block if true",
         "x=1\nIF x=1 THEN\nPRINT \"a\"\nELSE\nPRINT \"b\"\nENDIF\nPRINT \"c\"",
         {"a", "c"}},
        {"block if false", "x=2\nIF x=1 THEN\nPRINT \"a\"\nELSE\nPRINT \"b\"\nENDIF", {"b"}},
        {"statement after a block ELSE",
         "x=2\nIF x=1 THEN\nPRINT \"a\"\nELSE PRINT \"b\"\nPRINT \"b2\"\nENDIF",
         {"b", "b2"}},
        {"if with its own else opening the else block",
         "x=2\nIF x=1 THEN PRINT \"one\" ELSE\nPRINT \"other\"\nENDIF",
         {"other"}},
        {"nested blocks skipped as units",
         "x=0\nIF x=1 THEN\nIF x=0 THEN\nPRINT \"no\"\nENDIF\nIF x>5 THEN PRINT \"no\"\n"
         "ELSE\nPRINT \"else\"\nENDIF",
         {"else"}},
        {"break leaves only the inner loop",
         "FOR i=1 TO 2\nFOR j=1 TO 5\nIF j=2 THEN BREAK\nPRINT i*10+j\nNEXT\nNEXT",
         {"11", "21"}},
        {"break inside a block if closes the if",
         "FOR i=1 TO 5\nIF i=3 THEN\nBREAK\nENDIF\nPRINT i\nNEXT\nPRINT \"after\"",
         {"1", "2", "after"}},
        {"continue steps the loop",
         "FOR i=1 TO 4\nIF i=2 THEN\nCONTINUE\nENDIF\nPRINT i\nNEXT",
         {"1", "3", "4"}},
        {"continue in a while tests again",
         "n=0\nWHILE n<3\nn=n+1\nIF n=2 THEN CONTINUE\nPRINT n\nLOOP",
         {"1", "3"}},
        {"goto both label forms and END",
         "GOTO there\nPRINT \"skipped\"\nLABEL there\nPRINT \"a\"\nGOTO(:second)\n:second\n"
         "PRINT \"b\"\nGOTO END\nPRINT \"skipped\"\nEND",
         {"a", "b"}},
        {"gosub and return",
         "GOSUB twice\nPRINT \"back\"\nEND\nSUB twice\nPRINT \"in\"\nRETURN",
         {"in", "back"}},
        {"return closes the loops of the routine",
         "GOSUB s\nPRINT \"back\"\nEND\nSUB s\nFOR i=1 TO 3\nIF i=2 THEN RETURN\nNEXT\nRETURN",
         {"back"}},
        {"exit at the top stops the task", "PRINT \"a\"\nEXIT\nPRINT \"b\"", {"a"}},
        {"exit leaves the subroutine",
         "GOSUB s\nPRINT \"back\"\nEND\nSUB s\nFOR i=1 TO 3\nEXIT\nNEXT\nRETURN",
         {"back"}},
        {"end inside a one-line if stops", "IF 1=1 THEN END\nPRINT \"no\"", {}},
        {"a while skipped over an equation block",
         "x=0\nIF x=1 THEN\nEQU\nx+y=2\nx-y=0\nEND\nENDIF\nPRINT \"ok\"",
         {"ok"}},
    };
    for (const FlowCase& c : cases) {
        TaskFixture f;
        const StepResult result = f.Run(c.program);
        EXPECT_TRUE(result.Status == StepStatus::Finished || result.Status == StepStatus::Stopped)
            << c.name << ": " << result.Error.Message;
        EXPECT_EQ(f.host.Printed, c.printed) << c.name;
        EXPECT_TRUE(f.interpreter.AtStart()) << c.name;
    }
}

TEST(TaskFlowTest, LoopVariablesEndPastTheirLimits) {
    TaskFixture f;
    ASSERT_EQ(f.Run("FOR i=1 TO 3\nNEXT\nFOR j=1 TO 0\nNEXT\nFOR k=3 TO 1 STEP -1\nNEXT").Status,
              StepStatus::Finished);
    EXPECT_EQ(f.Var("i"), 4.0L);
    EXPECT_EQ(f.Var("j"), 2.0L);
    EXPECT_EQ(f.Var("k"), 0.0L);
}

struct ErrorCase {
    const char* name;
    const char* program;
    std::string_view key;
    std::vector<std::string> args;
    int line;  // 0-based, the line highlighted and run again by Continue
    TaskErrorKind kind;
};

TEST(TaskFlowTest, MisplacedStatementsAndOpenStructuresStopOnTheirLine) {
    using K = TaskErrorKind;
    const ErrorCase cases[] = {
        {"next without for", "x=1\nNEXT", taskmsg::SurplusNext, {}, 1, K::Structure},
        {"loop without while", "LOOP", taskmsg::SurplusLoop, {}, 0, K::Structure},
        {"until without repeat", "UNTIL x>1", taskmsg::SurplusUntil, {}, 0, K::Structure},
        {"next closing a while", "WHILE 1=1\nNEXT", taskmsg::SurplusNext, {}, 1, K::Structure},
        {"else without if", "ELSE", taskmsg::MisplacedElse, {}, 0, K::Structure},
        {"second else",
         "IF 1=1 THEN\nELSE\nELSE\nENDIF",
         taskmsg::MisplacedElse,
         {},
         2,
         K::Structure},
        {"endif without if", "ENDIF", taskmsg::SurplusEndif, {}, 0, K::Structure},
        {"break outside loops", "BREAK", taskmsg::MisplacedBreak, {}, 0, K::Structure},
        {"continue outside loops", "CONTINUE", taskmsg::MisplacedContinue, {}, 0, K::Structure},
        {"if without operator",
         "IF x THEN y=1",
         taskmsg::MissingRelationOperator,
         {},
         0,
         K::Structure},
        {"while without condition", "WHILE", taskmsg::MissingCondition, {}, 0, K::Statement},
        {"until without operator",
         "REPEAT\nUNTIL x",
         taskmsg::ConditionWithoutOperator,
         {},
         1,
         K::Statement},
        {"goto inside a loop",
         "FOR i=1 TO 2\nGOTO x\nNEXT\n:x",
         taskmsg::GotoWithinLoops,
         {},
         1,
         K::Structure},
        {"goto to a missing label",
         "GOTO nowhere",
         taskmsg::CannotFindLabel,
         {":nowhere"},
         0,
         K::Structure},
        {"label inside a block",
         "IF 1=1 THEN\n:here\nENDIF",
         taskmsg::LabelWithinStructure,
         {},
         1,
         K::Structure},
        {"return without gosub", "RETURN", taskmsg::MisplacedReturn, {}, 0, K::Structure},
        {"missing sub", "GOSUB nothing", taskmsg::SubNotFound, {"NOTHING"}, 0, K::Statement},
        {"for without to", "FOR i=1 3", taskmsg::ForSyntax, {}, 0, K::Statement},
        {"for without =", "FOR i TO 3", taskmsg::ForSyntax, {}, 0, K::Statement},
        {"step 0", "FOR i=1 TO 3 STEP 0\nNEXT", taskmsg::ZeroStep, {}, 0, K::Statement},
        {"open for", "x=1\nFOR i=1 TO 3\nx=2", taskmsg::NotClosedLoop, {}, 1, K::EndCheck},
        {"open while at END", "WHILE 1=1\nEND\nLOOP", taskmsg::NotClosedLoop, {}, 0, K::EndCheck},
        {"open if", "IF 1=1 THEN\nx=1", taskmsg::NotClosedIf, {}, 0, K::EndCheck},
        {"false block if running into END",
         "IF 1=2 THEN\nx=1\nEND",
         taskmsg::NotClosedIf,
         {},
         0,
         K::EndCheck},
        {"open subroutine", "GOSUB s\nEND\nSUB s\nx=1", taskmsg::NotClosedSub, {}, 2, K::EndCheck},
    };
    for (const ErrorCase& c : cases) {
        TaskFixture f;
        const StepResult result = f.Run(c.program);
        ASSERT_EQ(result.Status, StepStatus::Error) << c.name;
        std::string expected;
        if (c.args.empty()) {
            expected = f.Message(c.key);
        } else {
            expected = f.Message(c.key, {c.args[0]});
        }
        if (c.key == taskmsg::NotClosedLoop) {
            EXPECT_TRUE(result.Error.Message.starts_with(expected)) << c.name;
        } else {
            EXPECT_EQ(result.Error.Message, expected) << c.name;
        }
        EXPECT_EQ(result.Error.Line, c.line) << c.name;
        EXPECT_EQ(f.interpreter.NextLine(), c.line) << c.name;
        EXPECT_EQ(result.Error.Kind, c.kind) << c.name;
    }
}

TEST(TaskFlowTest, TheEndCheckNamesTheInnermostOpenStructure) {
    TaskFixture f;
    StepResult result = f.Run("FOR i=1 TO 2\nWHILE 1=1\nEND");
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Message, "Neukončený cyklus WHILE...LOOP");
    EXPECT_EQ(result.Error.Line, 1);
    EXPECT_EQ(result.Error.HelpContext, 513);

    result = f.Run("REPEAT\nx=1");
    EXPECT_EQ(result.Error.Message, "Neukončený cyklus REPEAT...UNTIL");
    result = f.Run("FOR i=1 TO 2\nx=1");
    EXPECT_EQ(result.Error.Message, "Neukončený cyklus FOR...NEXT");
    EXPECT_EQ(result.Error.HelpContext, 512);
}

TEST(TaskFlowTest, AnErrorInTheLoopsStartLimitOrStepIsATaskError) {
    TaskFixture f;
    f.calc.Parser1().SetVariable("Ans", {7.0L, 0.0L});
    const StepResult result = f.Run("FOR i=1 TO nothing\nNEXT");
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Line, 0);
    // Nothing was opened: the loop is not on the run state.
    f.Load("FOR i=1 TO 1\nNEXT");
    f.interpreter.Start();
    EXPECT_EQ(f.RunOn().Status, StepStatus::Finished);
}

TEST(TaskFlowTest, DepthLimitsGiveMessages) {
    TaskFixture f;
    std::string program;
    for (int i = 0; i <= kMaxBlockIfs; ++i) program += "IF 1=1 THEN\n";
    StepResult result = f.Run(program);
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Message, f.Message(taskmsg::TooManyIfs, {"10"}));
    EXPECT_EQ(result.Error.Line, kMaxBlockIfs);

    result = f.Run("GOSUB s\nEND\nSUB s\nGOSUB s\nRETURN");
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Message, f.Message(taskmsg::TooManySubCalls, {"100"}));
}

TEST(TaskFlowTest, EachStepRunsOneLineAndTheNextLineIsTheOneToHighlight) {
    TaskFixture f;
    f.Load("x=0\nFOR i=1 TO 2\nx=x+i\nNEXT\nPRINT x");
    f.interpreter.Start();
    EXPECT_TRUE(f.interpreter.AtStart());
    const int expectedNext[] = {1, 2, 3, 2, 3, 4};
    for (int next : expectedNext) {
        const StepResult result = f.interpreter.Step();
        ASSERT_EQ(result.Status, StepStatus::Continue);
        EXPECT_EQ(f.interpreter.NextLine(), next);
    }
    EXPECT_TRUE(f.host.Printed.empty());
    // The last line ends the task in the same step.
    EXPECT_EQ(f.interpreter.Step().Status, StepStatus::Finished);
    EXPECT_EQ(f.host.Printed, std::vector<std::string>{"3"});
    EXPECT_EQ(f.interpreter.NextLine(), 0);
}

TEST(TaskFlowTest, RunToCursorRunsEveryLineBeforeItAndStopsOnIt) {
    TaskFixture f;
    f.Load("PRINT 0\nPRINT 1\nPRINT 2\nPRINT 3\nPRINT 4\nPRINT 5\nPRINT 6");
    f.interpreter.Start();
    f.interpreter.SetStopLine(5);
    StepResult result = f.interpreter.Run();
    EXPECT_EQ(result.Status, StepStatus::Paused);
    EXPECT_EQ(f.interpreter.NextLine(), 5);
    EXPECT_EQ(f.host.Printed, (std::vector<std::string>{"0", "1", "2", "3", "4"}));

    // Started on the cursor's line, the run goes on to the end.
    f.interpreter.SetStopLine(5);
    f.interpreter.Resume();
    EXPECT_EQ(f.interpreter.Run().Status, StepStatus::Finished);
    EXPECT_EQ(f.host.Printed.size(), 7u);
}

TEST(TaskFlowTest, ContinueRunsTheFailingLineAgain) {
    TaskFixture f;
    f.Load("z=0\na=1\nb=2\nc=3\nd=4\ne=5\nf=6\nPRINT 10/z\nPRINT \"end\"");
    f.interpreter.Start();
    StepResult result = f.interpreter.Run();
    ASSERT_EQ(result.Status, StepStatus::Error);
    EXPECT_EQ(result.Error.Line, 7);
    EXPECT_EQ(f.interpreter.NextLine(), 7);
    EXPECT_FALSE(result.Error.Message.empty());

    f.calc.Parser1().SetVariable("z", {2.0L, 0.0L});
    f.interpreter.Resume();
    EXPECT_EQ(f.interpreter.Run().Status, StepStatus::Finished);
    EXPECT_EQ(f.host.Printed, (std::vector<std::string>{"5", "end"}));
}

TEST(TaskFlowTest, ALineThatFailsLeavesTheOpenStructuresAsTheyWere) {
    TaskFixture f;
    f.Load("z=0\nIF 1=1 THEN PRINT 1/z ELSE\nPRINT \"else\"\nENDIF\nPRINT \"end\"");
    f.interpreter.Start();
    ASSERT_EQ(f.interpreter.Run().Status, StepStatus::Error);
    // Continue runs the IF line again from the same state: one block is open.
    f.calc.Parser1().SetVariable("z", {1.0L, 0.0L});
    f.interpreter.Resume();
    const StepResult result = f.interpreter.Run();
    EXPECT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    EXPECT_EQ(f.host.Printed, (std::vector<std::string>{"1", "end"}));
}

TEST(TaskFlowTest, PauseAndDelayHandTheRunBackToTheDriver) {
    TaskFixture f;
    f.Load("PRINT 1\nPAUSE\nDELAY(250)\nDELAY 0\nDELAY\nPRINT 2");
    f.interpreter.Start();
    StepResult result = f.interpreter.Run();
    EXPECT_EQ(result.Status, StepStatus::Paused);
    EXPECT_EQ(f.interpreter.NextLine(), 2);
    result = f.interpreter.Run();
    EXPECT_EQ(result.Status, StepStatus::Wait);
    EXPECT_EQ(result.WaitMs, 250);
    EXPECT_EQ(f.interpreter.Run().Status, StepStatus::Finished);
    EXPECT_EQ(f.host.Printed, (std::vector<std::string>{"1", "2"}));
}

TEST(TaskFlowTest, TextEditedWhilePausedRunsAsItNowStands) {
    TaskFixture f;
    f.Load("PRINT 1\nPAUSE\nPRINT 2\nPRINT 3");
    f.interpreter.Start();
    ASSERT_EQ(f.interpreter.Run().Status, StepStatus::Paused);
    f.interpreter.UpdateProgram(TaskProgram("PRINT 1\nPAUSE\nPRINT 20", "Test", {}));
    EXPECT_EQ(f.interpreter.NextLine(), 2);
    f.interpreter.Resume();
    EXPECT_EQ(f.interpreter.Run().Status, StepStatus::Finished);
    EXPECT_EQ(f.host.Printed, (std::vector<std::string>{"1", "20"}));
}

TEST(TaskFlowTest, ResetForgetsTheRunStateButNotTheVariables) {
    TaskFixture f;
    f.Load("x=41\nFOR i=1 TO 3\nNEXT");
    f.interpreter.Start();
    f.interpreter.Step();
    f.interpreter.Step();
    f.interpreter.Reset();
    EXPECT_TRUE(f.interpreter.AtStart());
    EXPECT_EQ(f.Var("x"), 41.0L);
    f.interpreter.Start();
    EXPECT_EQ(f.RunOn().Status, StepStatus::Finished);
}

}  // namespace
}  // namespace tarvix
