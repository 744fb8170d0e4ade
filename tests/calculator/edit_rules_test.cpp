// Key rules of the input line and the register boxes: character sequences,
// operator continuation after a result, and the blank as brackets.
#include "calculator/edit_rules.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

EditState Caret(std::string text, std::size_t caret) {
    return {std::move(text), caret, 0, false};
}
EditState ResultSelected(std::string text) {
    const std::size_t n = text.size();
    return {std::move(text), 0, n, true};
}

TEST(ContinuationText, AnsOrTheNumberBracketedUnlessPlain) {
    struct Row {
        const char* Display;
        bool UseNumber;
        const char* Continuation;
    } rows[] = {
        {"7 ", false, "Ans"},
        {"3+4i ", false, "Ans"},
        {"7 ", true, "7"},
        {"0,333333333333333 ", true, "0,333333333333333"},
        {"1.5 ", true, "1.5"},
        {"1E20 ", true, "1E20"},
        {"1,23E+003", true, "1,23E+003"},
        {"3+4i ", true, "(3+4i)"},
        {"-5 ", true, "(-5)"},
        {"1E-6 ", true, "1E-6"},
        {"500u", true, "(500u)"},
        {"0FFh", true, "(0FFh)"},
        {"1.4142135623731*e^45oi ", true, "(1.4142135623731*e^45oi)"},
        {"1..2", true, "(1..2)"},
        {"E5", true, "(E5)"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ContinuationText(row.Display, row.UseNumber), row.Continuation) << row.Display;
    }
}

TEST(TypeCharacter, OperatorAfterASelectedResultContinuesIt) {
    EditContext context;
    context.Continuation = "(3+4i)";
    EditState after = TypeCharacter(ResultSelected("3+4i"), '*', context);
    EXPECT_EQ(after, (EditState{"(3+4i)*", 7, 0, false}));
    for (char op : std::string_view("+-/^")) {
        EXPECT_EQ(TypeCharacter(ResultSelected("7"), op, context).Text, std::string("(3+4i)") + op);
    }
}

TEST(TypeCharacter, NoContinuationWithoutAShownResultOrFullSelection) {
    EditContext context;
    context.Continuation = "Ans";
    // A digit replaces the selected result.
    EXPECT_EQ(TypeCharacter(ResultSelected("7"), '2', context).Text, "2");
    // The result is no longer marked as shown.
    EditState notShown = ResultSelected("7");
    notShown.ResultShown = false;
    EXPECT_EQ(TypeCharacter(notShown, '*', context).Text, "*");
    // Only part of the text selected.
    EXPECT_EQ(TypeCharacter({"12", 1, 1, true}, '+', context).Text, "1+");
    // The register boxes have no continuation.
    EXPECT_EQ(TypeCharacter(ResultSelected("7"), '*', EditContext{}).Text, "*");
}

TEST(TypeCharacter, AnyKeyClearsTheResultFlag) {
    EditContext context;
    context.Continuation = "Ans";
    EXPECT_FALSE(TypeCharacter(ResultSelected("7"), '*', context).ResultShown);
    EXPECT_FALSE(TypeCharacter(ResultSelected("7"), '1', context).ResultShown);
}

TEST(TypeCharacter, SequenceReplacesThePreviousCharacter) {
    SequenceTable sequences;
    ASSERT_TRUE(sequences.Define('*', '^'));
    EditContext context;
    context.Sequences = &sequences;
    context.SpaceAsBrackets = false;
    EXPECT_EQ(TypeCharacter(Caret("2*", 2), '*', context), (EditState{"2^", 2, 0, false}));
    // In the middle of a text, at the caret.
    EXPECT_EQ(TypeCharacter(Caret("2*3", 2), '*', context), (EditState{"2^3", 2, 0, false}));
    // The first one is typed as it is, and other characters are not affected.
    EXPECT_EQ(TypeCharacter(Caret("2", 1), '*', context).Text, "2*");
    EXPECT_EQ(TypeCharacter(Caret("2+", 2), '+', context).Text, "2++");
    // With a selection the character replaces it.
    EXPECT_EQ(TypeCharacter({"2*x", 2, 1, false}, '*', context).Text, "2**");
}

TEST(TypeCharacter, BlankAsBrackets) {
    EditContext context;
    context.SpaceAsBrackets = true;
    EXPECT_EQ(TypeCharacter(Caret("sin", 3), ' ', context), (EditState{"sin()", 4, 0, false}));
    EXPECT_EQ(TypeCharacter({"2*x", 2, 1, false}, ' ', context), (EditState{"2*()", 3, 0, false}));
    context.SpaceAsBrackets = false;
    EXPECT_EQ(TypeCharacter(Caret("a", 1), ' ', context), (EditState{"a ", 2, 0, false}));
}

TEST(SequenceTable, DefinitionsOfPrintableCharacters) {
    SequenceTable t;
    EXPECT_FALSE(t.Define('\t', 'x'));
    EXPECT_FALSE(t.Define(' ', 'x'));
    EXPECT_FALSE(t.Define(static_cast<char>(0xC3), 'x'));
    EXPECT_TRUE(t.Define('/', ':'));
    EXPECT_TRUE(t.Define('*', '^'));
    EXPECT_EQ(t.Find('/'), ':');
    EXPECT_EQ(t.Entries(), (std::vector<std::pair<char, char>>{{'*', '^'}, {'/', ':'}}));
    EXPECT_EQ(t.Remove('/'), ':');
    EXPECT_EQ(t.Remove('/'), std::nullopt);
    EXPECT_EQ(t.Find('/'), std::nullopt);
}

TEST(InsertAtCaret, ReplacesTheSelection) {
    EXPECT_EQ(InsertAtCaret({"1+2", 1, 1, false}, "*3"), (EditState{"1*32", 3, 0, false}));
    EXPECT_EQ(InsertAtCaret(Caret("ab", 1), "X"), (EditState{"aXb", 2, 0, false}));
}

}  // namespace
}  // namespace tarvix
