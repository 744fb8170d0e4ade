// The text of tasks: recognising statements, reading lines and comments,
// conditions and IF lines, and the PRINT formats.
#include <gtest/gtest.h>

#include <array>

#include "tasks/print_format.h"
#include "tasks/task_condition.h"
#include "tasks/task_keywords.h"
#include "tasks/task_program.h"

namespace tarvix {
namespace {

TEST(TaskLanguageTest, StatementsAreRecognisedByTheirLeadingLetters) {
    struct Case {
        const char* statement;
        StatementCode code;
        std::size_t argumentsAt;
    } cases[] = {
        {"  print x", StatementCode::Print, 7},
        {"PRINT", StatementCode::Print, 5},
        {"Data1=5", StatementCode::Data, 4},  // the digit ends the letters
        {"Printer=5", StatementCode::None, 0},
        {"x=5", StatementCode::None, 0},
        {"None=1", StatementCode::None, 0},  // the expression's own name is no keyword
        {":loop", StatementCode::Label, 1},
        {"Label here", StatementCode::Label, 5},
        {"enddef", StatementCode::EndDef, 6},
        {"ENDIF", StatementCode::Endif, 5},
        {"END", StatementCode::End, 3},
        {"IF(x>0)THEN", StatementCode::If, 2},
        {"Vector v=(1;2)", StatementCode::Vector, 6},
        {"sin(x)", StatementCode::None, 0},
        {"", StatementCode::None, 0},
    };
    for (const Case& c : cases) {
        const RecognizedStatement r = RecognizeStatement(c.statement);
        EXPECT_EQ(r.Code, c.code) << c.statement;
        EXPECT_EQ(r.KeywordLength, c.argumentsAt) << c.statement;
    }
    // The table holds all 44 statements in code order.
    EXPECT_EQ(KeywordOf(StatementCode::End).Word, "End");
    EXPECT_EQ(KeywordOf(StatementCode::For).HelpContext, 512);
}

TEST(TaskLanguageTest, CommentsStartAtAnApostropheOutsideQuotes) {
    struct Case {
        const char* raw;
        const char* statement;
        const char* comment;
    } cases[] = {
        {"x = 1 ' the start", "x = 1", "the start"},
        {"' only a comment", "", "only a comment"},
        {"\t  PRINT \"it's\"  ", "PRINT \"it's\"", ""},
        {"PRINT \"a'b\" ' note", "PRINT \"a'b\"", "note"},
        {"   ", "", ""},
    };
    for (const Case& c : cases) {
        const TaskLine line = ReadTaskLine(c.raw);
        EXPECT_EQ(line.Statement, c.statement) << c.raw;
        EXPECT_EQ(line.Comment, c.comment) << c.raw;
    }
    EXPECT_EQ(ReadTaskLine("PRINT \"it's\"").Code, StatementCode::Print);
}

TEST(TaskLanguageTest, LinesEndWithAnyLineBreakAndTheInputPlaceholderIsReplaced) {
    const TaskProgram program("a=1\r\nb=2\rc=3\n:Here\nLABEL There\nEND", "T", {});
    ASSERT_EQ(program.LineCount(), 6);
    EXPECT_EQ(program.Line(2).Statement, "c=3");
    EXPECT_EQ(program.FindLabel(":HERE"), 3);
    EXPECT_EQ(program.FindLabel(":there"), 4);  // both label forms
    EXPECT_EQ(program.FindLabel("END"), 5);
    EXPECT_EQ(program.FindLabel(":nowhere"), -1);

    EXPECT_TRUE(ReadTaskLine("PRINT \"input\"").HasInputPlaceholder);
    EXPECT_EQ(ReplaceInputPlaceholder("MSG \"Input\" + \"INPUT\"", "\"Eva\""),
              "MSG \"Eva\" + \"Eva\"");
}

TEST(TaskLanguageTest, ConditionsTakeTheFirstOperatorOfTheSearchOrder) {
    struct Case {
        const char* text;
        RelationOperator op;
        const char* left;
        const char* right;
    } cases[] = {
        {"a<=b", RelationOperator::LessEqual, "a", "b"},
        {"a<>b", RelationOperator::NotEqual, "a", "b"},
        {"a >= 2", RelationOperator::GreaterEqual, "a", "2"},
        {"x=1", RelationOperator::Equal, "x", "1"},
        {"x<1", RelationOperator::Less, "x", "1"},
        {"x>1", RelationOperator::Greater, "x", "1"},
        // Inside quotes an operator is text of a MSG question.
        {"MSG \"a=b?\", CONF = 6", RelationOperator::Equal, "MSG \"a=b?\", CONF", "6"},
        {"MSG \"a<>b?\", CONF <> 6", RelationOperator::NotEqual, "MSG \"a<>b?\", CONF", "6"},
    };
    for (const Case& c : cases) {
        const std::optional<ConditionText> condition = SplitCondition(c.text);
        ASSERT_TRUE(condition) << c.text;
        EXPECT_EQ(condition->Operator, c.op) << c.text;
        EXPECT_EQ(condition->Left, c.left) << c.text;
        EXPECT_EQ(condition->Right, c.right) << c.text;
    }
    EXPECT_FALSE(SplitCondition("x"));
}

TEST(TaskLanguageTest, IfLinesSplitAtWholeWordsOutsideQuotes) {
    const IfParts oneLine = SplitIfLine(" x>0 THEN y=1 ELSE y=2");
    EXPECT_EQ(oneLine.Condition, "x>0");
    EXPECT_EQ(oneLine.Then, "y=1");
    EXPECT_EQ(oneLine.Else, "y=2");
    EXPECT_FALSE(oneLine.IsBlock());

    EXPECT_TRUE(SplitIfLine(" x>0 THEN").IsBlock());
    EXPECT_TRUE(SplitIfLine(" x>0 THEN y=1 ELSE").IsBlock());
    // Names holding the words, and quoted words, are no THEN or ELSE.
    const IfParts names = SplitIfLine(" athens=1 THEN PRINT \"ELSE\" ELSE elsewhere=2");
    EXPECT_EQ(names.Condition, "athens=1");
    EXPECT_EQ(names.Then, "PRINT \"ELSE\"");
    EXPECT_EQ(names.Else, "elsewhere=2");
}

TEST(TaskLanguageTest, PrintFormatsExtendTheDisplaysNumberMasks) {
    struct Case {
        const char* format;
        long double value;
        const char* text;
    } cases[] = {
        {"%g", 1.0L / 3.0L, "0.333333333333333"},
        {"x=%g!", 2.5L, "x=2.5!"},
        {"%g", 1e20L, "1E20"},
        {"%f", 3.14159L, "3.14"},
        {"%1.3f", 2.0L / 3.0L, "0.667"},
        {"%1.3g", 1234.5L, "1.23E3"},
        {"%e", 1500.0L, "1.50000000000000E+003"},
        {"%1.3e", -0.00123L, "-1.23E-003"},
        {"%8.2f|", -1.5L, "   -1.50|"},
        {"%-6g|", 7.0L, "7     |"},
        {"%+g", 7.0L, "+7"},
        {"%d", 2.5L, "3"},
        {"%i", -2.5L, "-3"},
        {"%05d", -42.0L, "-0042"},
        {"%.3d", 7.0L, "007"},
        {"%x", 255.0L, "ff"},
        {"%X", 255.4L, "FF"},
        {"%#x", 255.0L, "0xff"},
        {"%o", 8.0L, "10"},
        {"%x", -1.0L, "ffffffffffffffff"},
        {"%u", 3.0L, "3"},
        {"%s", 0.1L, "0.1"},
        {"100%% %g", 5.0L, "100% 5"},
        {"a%\\ b %g", 1.0L, "a%\\ b 1"},  // the message line break stays
    };
    for (const Case& c : cases) {
        const ComplexValue values[] = {{c.value, 0.0L}};
        const PrintFormatResult r = FormatPrintText(c.format, values, FormatOptions{});
        EXPECT_EQ(r.Fault, PrintFormatFault::None) << c.format;
        EXPECT_EQ(r.Text, c.text) << c.format;
    }
}

TEST(TaskLanguageTest, PrintFormatFaultsAreReportedAndNeverGuessed) {
    const ComplexValue one[] = {{1.0L, 0.0L}};
    const ComplexValue two[] = {{1.0L, 0.0L}, {2.0L, 0.0L}};
    const FormatOptions options;
    EXPECT_EQ(FormatPrintText("%g %g", one, options).Fault, PrintFormatFault::CountMismatch);
    EXPECT_EQ(FormatPrintText("%g", two, options).Fault, PrintFormatFault::CountMismatch);
    EXPECT_EQ(FormatPrintText("no conversion", one, options).Fault,
              PrintFormatFault::CountMismatch);
    EXPECT_EQ(FormatPrintText("%q", one, options).Fault, PrintFormatFault::Invalid);
    EXPECT_EQ(FormatPrintText("%g%", one, options).Fault, PrintFormatFault::Invalid);
    EXPECT_EQ(FormatPrintText("%999g", one, options).Fault, PrintFormatFault::Invalid);
    EXPECT_EQ(FormatPrintText("%n", one, options).Fault, PrintFormatFault::Invalid);
    const ComplexValue huge[] = {{1e30L, 0.0L}};
    const PrintFormatResult range = FormatPrintText("%d", huge, options);
    EXPECT_EQ(range.Fault, PrintFormatFault::IntegerRange);
    EXPECT_EQ(range.FaultValue, "1E30");
    // Without values the format is the text itself, conversions and all.
    EXPECT_EQ(FormatPrintText("%d%% done", {}, options).Text, "%d%% done");
}

TEST(TaskLanguageTest, PrintFormatsFollowTheSeparatorAndTheComplexDomain) {
    FormatOptions options;
    options.DecimalSeparator = ',';
    options.Scope = nsComplex;
    const ComplexValue value[] = {{1.5L, -2.0L}};
    EXPECT_EQ(FormatPrintText("%g", value, options).Text, "1,5");
    EXPECT_EQ(FormatPrintText("%s", value, options).Text, "1,5-2i");
}

}  // namespace
}  // namespace tarvix
