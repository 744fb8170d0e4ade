// Pure text rules of the calculation command: history lists, the bracket
// check, blank removal with word operators, descriptions and separators.
#include <gtest/gtest.h>

#include "calculator/check_brackets.h"
#include "calculator/history_list.h"
#include "calculator/input_commands.h"
#include "calculator/word_operators.h"

namespace tarvix {
namespace {

using Lines = std::vector<std::string>;

TEST(AddToHistory, MovesAKnownTextToTheTop) {
    Lines list = {"a", "b", "c"};
    AddToHistory(list, "c", 20);
    EXPECT_EQ(list, (Lines{"c", "a", "b"}));
    AddToHistory(list, "c", 20);
    EXPECT_EQ(list, (Lines{"c", "a", "b"}));
}

TEST(AddToHistory, InsertsAtTheTopAndDropsTheOldestAtTheLimit) {
    Lines list = {"a", "b", "c"};
    AddToHistory(list, "d", 3);
    EXPECT_EQ(list, (Lines{"d", "a", "b"}));
    AddToHistory(list, "e", 5);
    EXPECT_EQ(list, (Lines{"e", "d", "a", "b"}));
    AddToHistory(list, "", 5);
    EXPECT_EQ(list.size(), 4u);
}

TEST(AddRecentResult, KeepsRepeatsAndTheLimit) {
    Lines list;
    for (const char* r : {"1 ", "2 ", "2 ", "3 "}) AddRecentResult(list, r, 3);
    EXPECT_EQ(list, (Lines{"3 ", "2 ", "2 "}));
    EXPECT_EQ(JoinLines(list), "3 \n2 \n2 ");
}

TEST(FindBracketFault, FirstRedundantOrMissingBracket) {
    EXPECT_FALSE(FindBracketFault("2*(3+4)"));
    EXPECT_FALSE(FindBracketFault(""));
    EXPECT_EQ(FindBracketFault("2*(3+4"), (BracketFault{BracketFaultKind::Missing, 6, 0}));
    EXPECT_EQ(FindBracketFault("2*3)+4"), (BracketFault{BracketFaultKind::Redundant, 3, 1}));
    // The first bracket that takes the count below zero, even if more follow.
    EXPECT_EQ(FindBracketFault("(1))+((2"), (BracketFault{BracketFaultKind::Redundant, 3, 1}));
    EXPECT_EQ(FindBracketFault(")("), (BracketFault{BracketFaultKind::Redundant, 0, 1}));
}

TEST(RemoveBlanksKeepingWordOperators, WordOperatorsStayOperators) {
    struct Row {
        const char* Typed;
        const char* Compiled;
    } rows[] = {
        {"x mod 2", "(x)mod2"},
        {"a div b", "(a)divb"},
        {"x MOD y", "(x)MODy"},
        {"a*x mod 2", "a*(x)mod2"},
        {"x mod(3)", "(x)mod(3)"},
        {"7 mod 2", "7mod2"},
        {"sin(x) mod 2", "sin(x)mod2"},
        {"max(a mod b, 2)", "max((a)modb,2)"},
        {"x1 div 3 + y mod 2", "(x1)div3+(y)mod2"},
        // Chains: each operand is delimited, in any letter case.
        {"a mod 3 mod 2", "(a)mod3mod2"},
        {"a div b div 2", "(a)div(b)div2"},
        {"10 mod b mod 2", "10mod(b)mod2"},
        {"100 DIV a DIV 2", "100DIV(a)DIV2"},
        {"a Mod b mOD c", "(a)Mod(b)mODc"},
        // Names containing the letters stay names.
        {"model + 1", "model+1"},
        {"individual * 2", "individual*2"},
        {"x_mod 2", "x_mod2"},
        {"xmod2", "xmod2"},
        // Without an operand on both sides the word is a name.
        {"mod 2", "mod2"},
        {"x mod", "xmod"},
        {" 1 + 2 ", "1+2"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RemoveBlanksKeepingWordOperators(row.Typed), row.Compiled) << row.Typed;
    }
}

TEST(StripDescription, KeepsTheTextAfterTheLastQuote) {
    EXPECT_EQ(StripDescription("\"obvod kruhu\" 2*pi*r "), "2*pi*r");
    EXPECT_EQ(StripDescription("\"a\" \"b\"  x+1"), "x+1");
    EXPECT_EQ(StripDescription("  1+2  "), "1+2");
    EXPECT_EQ(StripDescription("\"only a description\""), "");
}

TEST(ConvertSeparators, DecimalCommaThenArgumentSeparator) {
    EXPECT_EQ(ConvertSeparators("max(1,5;2)"), "max(1.5,2)");
    EXPECT_EQ(ConvertSeparators("1;2,3"), "1,2.3");
}

TEST(SplitRange, TrimmedPartsWithMissingOnesEmpty) {
    RangeTexts r = SplitRange(" 0 .. 10 : 0,5 ");
    EXPECT_EQ(r.Low, "0");
    EXPECT_EQ(r.High, "10");
    EXPECT_EQ(r.Step, "0,5");
    r = SplitRange("1..5");
    EXPECT_EQ(r.High, "5");
    EXPECT_EQ(r.Step, "");
    EXPECT_TRUE(IsRangeText("1..5"));
    EXPECT_FALSE(IsRangeText("1.5"));
}

}  // namespace
}  // namespace tarvix
