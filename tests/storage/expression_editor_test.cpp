// The expression editor's model: the text rules of a line, Enter on a line,
// "Přepočítat vše", and the worksheet file with its questions.
#include "storage/expression_editor.h"

#include <gtest/gtest.h>

#include "session_test_support.h"
#include "storage/editor_worksheet.h"

namespace tarvix::testing {
namespace {

using Lines = std::vector<std::string>;

TEST(EditorLineRules, ParsesAsTheInputLineDoes) {
    struct Case {
        const char* Line;
        bool Evaluates;
        const char* Name;
        const char* Expression;
    };
    const Case cases[] = {
        {"r = 2,5", true, "r", "2.5"},
        {"1+2 =", true, "", "1+2"},
        {"  max(1,5; 2) ", true, "", "max(1.5,2)"},
        {"x mod 3", true, "", "(x)mod3"},
        {"a=b=3", true, "a", "b=3"},
        {"2*3 ' the area", true, "", "2*3"},
        {"\t4 =  ' comment after the equals", true, "", "4"},
        {"' only a comment", false, "", ""},
        {"   ", false, "", ""},
        {"=", false, "", ""},
        {"x=", true, "", "x"},  // the trailing "=" goes first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Line);
        const std::optional<EditorLineParts> parts = ParseEditorLine(c.Line);
        ASSERT_EQ(parts.has_value(), c.Evaluates);
        if (!parts) continue;
        EXPECT_EQ(parts->Name, c.Name);
        EXPECT_EQ(parts->Expression, c.Expression);
    }
}

class ExpressionEditorTest : public CalculatorTest {
protected:
    ExpressionEditor editor{calc};
};

TEST_F(ExpressionEditorTest, EnterEvaluatesALineAndWritesTheResultBelow) {
    struct Case {
        Lines Text;
        std::size_t Line;
        Lines After;
        const char* Status;
    };
    const Case cases[] = {
        {{"r = 2,5"}, 0, {"r = 2,5 =", "2.5"}, "r = 2,5 = 2.5"},
        {{"1+2 ="}, 0, {"1+2 =", "3"}, "1+2 = 3"},
        {{"a", "2^10  ", "b"}, 1, {"a", "2^10 =", "1024", "b"}, "2^10 = 1024"},
        {{"max(1;2,5)"}, 0, {"max(1;2,5) =", "2.5"}, "max(1;2,5) = 2.5"},
    };
    for (const Case& c : cases) {
        std::string text;
        for (const std::string& line : c.Text) text += line + "\n";
        text.pop_back();
        editor.SetText(text);
        editor.SetModified(false);
        const EditorResult result = editor.EnterLine(c.Line);
        EXPECT_EQ(result.Outcome, EditorOutcome::Evaluated) << text;
        EXPECT_EQ(editor.Lines(), c.After);
        EXPECT_EQ(result.Status, c.Status);
        EXPECT_EQ(result.ResultLine, c.Line + 1);
        EXPECT_TRUE(editor.Modified());
    }
    // The last result is on the display and in Ans; r was assigned.
    EXPECT_EQ(TrimBlanks(calc.DisplayText()), "2.5");
    EXPECT_EQ(calc.Ans().Re, 2.5L);
    EXPECT_EQ(calc.Parser1().GetVariable("r").Re, 2.5L);
    EXPECT_EQ(calc.RecentResults().front(), "2.5 ");
}

TEST_F(ExpressionEditorTest, NothingToEvaluateLeavesTheText) {
    for (const char* line : {"' a comment", "", "   "}) {
        editor.SetText(line);
        editor.SetModified(false);
        const Lines before = editor.Lines();
        EXPECT_EQ(editor.EnterLine(0).Outcome, EditorOutcome::Nothing);
        EXPECT_EQ(editor.Lines(), before);
        EXPECT_FALSE(editor.Modified());
    }
    EXPECT_EQ(editor.EnterLine(5).Outcome, EditorOutcome::Nothing);  // past the end
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(ExpressionEditorTest, AnErrorLeavesTextDisplayAndVariables) {
    ASSERT_EQ(Shown("7"), "7");
    calc.Parser1().SetVariable("q", {5.0L, 0.0L});
    const std::string compiled = calc.Parser1().Expression();
    for (const char* line : {"1/0", "2*", "q = unknown_name+1", "1x = 3", "q =="}) {
        SCOPED_TRACE(line);
        editor.SetText(std::string(line) + "\nnext");
        editor.SetModified(false);
        const EditorResult result = editor.EnterLine(0);
        EXPECT_EQ(result.Outcome, EditorOutcome::Failed);
        EXPECT_FALSE(result.Error.empty());
        EXPECT_EQ(editor.Lines(), (Lines{line, "next"}));
        EXPECT_FALSE(editor.Modified());
    }
    EXPECT_EQ(TrimBlanks(calc.DisplayText()), "7");
    EXPECT_EQ(calc.Parser1().GetVariable("q").Re, 5.0L);
    EXPECT_FALSE(calc.Parser1().VariableExists("unknown_name"));
    // The input line's compiled expression is not replaced by the editor's.
    EXPECT_EQ(calc.Parser1().Expression(), compiled);
}

TEST_F(ExpressionEditorTest, ARegisterNameFillsItsBox) {
    editor.SetText("a = 3*4\ny=1,5");
    editor.EnterLine(0);
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Box, "12");
    editor.EnterLine(2);
    EXPECT_EQ(calc.RegisterAt(BoxId::Y).Box, "1.5");
    EXPECT_EQ(editor.Lines(), (Lines{"a = 3*4 =", "12", "y=1,5 =", "1.5"}));
    EXPECT_GE(hooks.VariableListRefreshed, 2);
}

TEST_F(ExpressionEditorTest, RecalculateAllReplacesTheResultLines) {
    editor.SetText("r = 3 =\n2\n' area\npi*r^2 =\n12.5663706143592\nnot evaluated\nr*2 =\nr+1");
    const EditorResult result = editor.RecalculateAll();
    EXPECT_EQ(result.Outcome, EditorOutcome::Evaluated);
    // "r+1" below "r*2 =" is an expression, not a result: the result goes in
    // above it.
    EXPECT_EQ(editor.Lines(), (Lines{"r = 3 =", "3", "' area", "pi*r^2 =", "28.2743338823081",
                                     "not evaluated", "r*2 =", "6", "r+1"}));
    EXPECT_EQ(result.ResultLine, 7u);
    EXPECT_EQ(calc.Ans().Re, 6.0L);
}

TEST_F(ExpressionEditorTest, RecalculateAllStopsAtAnErrorWithTheTextUnchanged) {
    editor.SetText("a = 2 =\n1\nb = a/0 =\n5\nlater = 7 =\n0");
    editor.SetModified(false);
    const Lines before = editor.Lines();
    const EditorResult result = editor.RecalculateAll();
    EXPECT_EQ(result.Outcome, EditorOutcome::Failed);
    EXPECT_EQ(result.Line, 2u);
    EXPECT_EQ(editor.Lines(), before);
    EXPECT_FALSE(editor.Modified());
    EXPECT_FALSE(calc.Parser1().VariableExists("later"));
}

class EditorWorksheetTest : public WorkingStateTest {
protected:
    ExpressionEditor editor{calc};
    TextCatalog texts;
    std::filesystem::path lastFolder = folder.path();
    EditorWorksheet sheet{editor, calc, texts, lastFolder};
    ScriptedFiles files;
};

TEST_F(EditorWorksheetTest, TheFileIsKeptAsAFullPath) {
    EXPECT_EQ(WorksheetPath("Sešit1.txt", folder.path()), folder / "Sešit1.txt");
    EXPECT_EQ(WorksheetPath("/tmp/../tmp/x.txt", folder.path()), "/tmp/x.txt");
    // A relative name chosen in a dialog is made absolute too.
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    editor.SetText("1+1");
    files.Answers.push_back("relative.txt");
    EXPECT_TRUE(sheet.SaveAs(files));
    std::filesystem::current_path(old);
    EXPECT_EQ(sheet.FilePath(), folder / "relative.txt");
    EXPECT_TRUE(sheet.FilePath().is_absolute());
}

TEST_F(EditorWorksheetTest, SavesAndReopensItsWorksheet) {
    sheet.Restore(folder / "Sešit1.txt");  // missing: an empty unnamed worksheet
    EXPECT_FALSE(sheet.Named());
    EXPECT_TRUE(dialogs.Messages.empty());
    editor.SetText("x = 2\n' ř");
    files.Answers.push_back(folder / "work.txt");
    EXPECT_TRUE(sheet.Save(files));  // unnamed: asks for a name
    ASSERT_EQ(files.Requests.size(), 1u);
    EXPECT_EQ(files.Requests[0].Request.FileName, "Sešit1.txt");
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(ReadBytes(folder / "work.txt"), "x = 2\r\n' ř");

    editor.SetText("changed");
    EXPECT_TRUE(sheet.Save(files));  // named: no dialog
    EXPECT_EQ(files.Requests.size(), 1u);

    ExpressionEditor other(calc);
    EditorWorksheet reopened(other, calc, texts, lastFolder);
    reopened.Restore(folder / "work.txt");
    EXPECT_TRUE(reopened.Named());
    EXPECT_EQ(other.Lines(), (Lines{"changed"}));
    EXPECT_FALSE(other.Modified());
    EXPECT_EQ(reopened.Caption("Editor výrazů"), "Editor výrazů - work.txt");
}

TEST_F(EditorWorksheetTest, AFileThatDoesNotReadChangesNothing) {
    editor.SetText("kept");
    EXPECT_FALSE(sheet.OpenFile(folder / "missing.txt"));
    EXPECT_NE(dialogs.OnlyMessage().find("missing.txt"), std::string::npos);
    std::filesystem::create_directory(folder / "dir.txt");
    EXPECT_FALSE(sheet.OpenFile(folder / "dir.txt"));
    EXPECT_EQ(editor.Lines(), (Lines{"kept"}));
    EXPECT_TRUE(editor.Modified());
    // A cp1250 file reads with its Czech letters.
    WriteBytes(folder / "old.txt", "\x9A\x74\x69\x72\r\n1+1 =\r\n2\r\n");
    EXPECT_TRUE(sheet.OpenFile(folder / "old.txt"));
    EXPECT_EQ(editor.Lines(), (Lines{"\xC5\xA1tir", "1+1 =", "2", ""}));
}

TEST_F(EditorWorksheetTest, AsksBeforeLosingChanges) {
    editor.SetText("1+1");
    dialogs.Answers = {ModalResult::Cancel};
    EXPECT_EQ(sheet.AskToSave(files), WorksheetCloseAnswer::Keep);
    dialogs.Answers = {ModalResult::No};
    EXPECT_EQ(sheet.AskToSave(files), WorksheetCloseAnswer::Proceed);
    // Yes, then the file choice cancelled: the worksheet stays.
    dialogs.Answers = {ModalResult::Yes};
    EXPECT_EQ(sheet.AskToSave(files), WorksheetCloseAnswer::Keep);
    EXPECT_EQ(dialogs.Messages.back().Text, "Přejete si uložit data do souboru?");
    // "Nový sešit" after No: an empty unnamed worksheet in the last folder.
    dialogs.Answers = {ModalResult::No};
    EXPECT_TRUE(sheet.New(files, "Sešit1.txt"));
    EXPECT_TRUE(editor.Lines().empty());
    EXPECT_FALSE(editor.Modified());
    EXPECT_EQ(sheet.FilePath(), folder / "Sešit1.txt");
    // Nothing modified: no question.
    const std::size_t asked = dialogs.Messages.size();
    EXPECT_EQ(sheet.AskToSave(files), WorksheetCloseAnswer::Proceed);
    EXPECT_EQ(dialogs.Messages.size(), asked);
}

}  // namespace
}  // namespace tarvix::testing
