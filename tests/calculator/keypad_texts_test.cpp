// The keypad's function keys: texts with inv/hyp, actions, evaluated texts and
// the edits of the input line.
#include "calculator/keypad_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "engine/engine_modes.h"
#include "engine/parser.h"

namespace tarvix::testing {
namespace {

constexpr KeypadModifiers kPlain{};
constexpr KeypadModifiers kInv{true, false};
constexpr KeypadModifiers kHyp{false, true};
constexpr KeypadModifiers kInvHyp{true, true};
constexpr KeypadModifiers kAllModifiers[] = {kPlain, kInv, kHyp, kInvHyp};

TEST(KeypadTexts, TrigonometricKeysFollowTheModifiers) {
    struct Case {
        KeypadKey Key;
        KeypadModifiers Modifiers;
        const char* Template;
        const char* Hint;
    };
    const std::vector<Case> cases = {
        {KeypadKey::Sin, kPlain, "sin()", "sinus"},
        {KeypadKey::Sin, kInv, "arcsin()", "arcsin"},
        {KeypadKey::Sin, kHyp, "sinh()", "sinh"},
        {KeypadKey::Sin, kInvHyp, "argsinh()", "argsinh"},
        {KeypadKey::Cos, kPlain, "cos()", "kosinus"},
        {KeypadKey::Cos, kInv, "arccos()", "arccos"},
        {KeypadKey::Cos, kHyp, "cosh()", "cosh"},
        {KeypadKey::Cos, kInvHyp, "argcosh()", "argcosh"},
        {KeypadKey::Tan, kPlain, "tg()", "tangens"},
        {KeypadKey::Tan, kInv, "arctg()", "arctg"},
        {KeypadKey::Tan, kHyp, "tgh()", "tgh"},
        {KeypadKey::Tan, kInvHyp, "argtgh()", "argtgh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Template);
        EXPECT_EQ(KeypadTemplate(c.Key, c.Modifiers), c.Template);
        EXPECT_EQ(KeypadHint(c.Key, c.Modifiers), c.Hint);
        std::string applied = c.Template;
        applied.insert(applied.size() - 1, "x");
        EXPECT_EQ(KeypadAppliedText(c.Key, c.Modifiers, "x"), applied);
    }
}

TEST(KeypadTexts, OtherKeysIgnoreTheModifiers) {
    struct Case {
        KeypadKey Key;
        const char* Template;
        const char* Applied;  // to the operand 2+3; y^x raises Ans to it
        const char* Hint;
    };
    const std::vector<Case> cases = {
        {KeypadKey::Reciprocal, "1/()", "1/(2+3)", "Převrácená hodnota"},
        {KeypadKey::Square, "()^2", "(2+3)^2", "Druhá mocnina"},
        {KeypadKey::Exp10, "10^()", "10^(2+3)", "Exp. funkce při základu 10"},
        {KeypadKey::Exp, "exp()", "exp(2+3)", "Exp. funkce při základu 2,718..."},
        {KeypadKey::Power, "()^", "(Ans)^(2+3)", "Exp. funkce obecného základu"},
        {KeypadKey::Factorial, "fact()", "fact(2+3)", "Faktoriál"},
        {KeypadKey::Sqrt, "sqrt()", "sqrt(2+3)", "Druhá odmocnina"},
        {KeypadKey::Log, "log()", "log(2+3)", ""},
        {KeypadKey::Ln, "ln()", "ln(2+3)", ""},
    };
    for (const auto& c : cases) {
        for (KeypadModifiers modifiers : kAllModifiers) {
            SCOPED_TRACE(std::string(c.Template) + (modifiers.Inv ? " inv" : "") +
                         (modifiers.Hyp ? " hyp" : ""));
            EXPECT_EQ(KeypadTemplate(c.Key, modifiers), c.Template);
            EXPECT_EQ(KeypadAppliedText(c.Key, modifiers, "2+3", "Ans"), c.Applied);
            EXPECT_EQ(KeypadHint(c.Key, modifiers), c.Hint);
        }
    }
}

TEST(KeypadTexts, KeysNamesAndCaptions) {
    std::set<std::string_view> names;
    for (KeypadKey key : KeypadKeys()) {
        EXPECT_FALSE(KeypadButtonName(key).empty());
        names.insert(KeypadButtonName(key));
    }
    EXPECT_EQ(names.size(), KeypadKeys().size());
    EXPECT_EQ(KeypadKeys().size(), 12u);
    EXPECT_EQ(KeypadButtonName(KeypadKey::Reciprocal), "RevSpeedButton");
    EXPECT_EQ(KeypadButtonName(KeypadKey::Power), "PwrSpeedButton");
    EXPECT_EQ(KeypadButtonName(KeypadKey::Tan), "TanSpeedButton");
    EXPECT_EQ(KeypadCaption(KeypadKey::Sin), "sin ");
    EXPECT_EQ(KeypadCaption(KeypadKey::Tan), "tg");
    EXPECT_EQ(KeypadCaption(KeypadKey::Log), "log");
    EXPECT_EQ(KeypadCaption(KeypadKey::Reciprocal), "");
}

TEST(KeypadTexts, ActionOfAKey) {
    struct Case {
        KeypadKey Key;
        bool Complex;
        bool IsValue;
        KeypadAction Expected;
    };
    const std::vector<Case> cases = {
        {KeypadKey::Sin, false, true, KeypadAction::Evaluate},
        {KeypadKey::Sin, false, false, KeypadAction::Insert},
        {KeypadKey::Sin, true, true, KeypadAction::Evaluate},
        {KeypadKey::Reciprocal, true, true, KeypadAction::Evaluate},
        {KeypadKey::Reciprocal, true, false, KeypadAction::Insert},
        {KeypadKey::Power, false, true, KeypadAction::Evaluate},
        {KeypadKey::Power, false, false, KeypadAction::Insert},
        {KeypadKey::Power, true, true, KeypadAction::ToggleComplexForm},
        {KeypadKey::Power, true, false, KeypadAction::ToggleComplexForm},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(KeypadButtonName(c.Key)) + (c.Complex ? " cplx" : " real") +
                     (c.IsValue ? " value" : " text"));
        EXPECT_EQ(KeypadActionFor(c.Key, c.Complex, c.IsValue), c.Expected);
    }
}

TEST(KeypadTexts, SeparatorsConvertAsTheCalculationCommandDoes) {
    EXPECT_EQ(KeypadExpression("max(1,5; 2)"), "max(1.5,2)");
    EXPECT_EQ(KeypadExpression(KeypadAppliedText(KeypadKey::Sqrt, kPlain, " 2, 25 ")),
              "sqrt(2.25)");
    // The display text with a decimal comma as the base of y^x.
    EXPECT_EQ(KeypadExpression(KeypadAppliedText(KeypadKey::Power, kPlain, "3", "0,5")),
              "(0.5)^(3)");
}

// The evaluated texts compile to what the keys promise.
class KeypadEvaluationTest : public ::testing::Test {
protected:
    void SetUp() override { EngineModes = EngineModesBlock{}; }
    void TearDown() override { EngineModes = EngineModesBlock{}; }

    long double Evaluate(KeypadKey key, KeypadModifiers modifiers, std::string_view operand,
                         std::string_view powerBase = {}) {
        parser.SetExpression(
            KeypadExpression(KeypadAppliedText(key, modifiers, operand, powerBase)));
        EXPECT_FALSE(parser.CompileError());
        return parser.Evaluate().Re;
    }

    TParser parser;
};

TEST_F(KeypadEvaluationTest, OperandIsBracketed) {
    parser.SetAngleUnits(auRad);
    parser.SetVariable("ANS", {3.0L, 0.0L});
    struct Case {
        KeypadKey Key;
        KeypadModifiers Modifiers;
        const char* Operand;
        long double Expected;
    };
    const std::vector<Case> cases = {
        {KeypadKey::Reciprocal, kPlain, "2+3", 0.2L},
        {KeypadKey::Exp10, kPlain, "1+1", 100.0L},
        {KeypadKey::Square, kPlain, "1-4", 9.0L},
        {KeypadKey::Power, kPlain, "1+1", 9.0L},  // (Ans)^(1+1)
        {KeypadKey::Sqrt, kPlain, "2,25", 1.5L},
        {KeypadKey::Factorial, kPlain, "2+2", 24.0L},
        {KeypadKey::Log, kPlain, "50*2", 2.0L},
        {KeypadKey::Ln, kPlain, "1", 0.0L},
        {KeypadKey::Exp, kPlain, "0", 1.0L},
        {KeypadKey::Sin, kInv, "0,5+0,5", std::numbers::pi_v<long double> / 2.0L},
        {KeypadKey::Cos, kHyp, "0", 1.0L},
        {KeypadKey::Tan, kInvHyp, "0", 0.0L},
        {KeypadKey::Sin, kInvHyp, "0", 0.0L},
        {KeypadKey::Cos, kInvHyp, "1", 0.0L},
        {KeypadKey::Tan, kInv, "1", std::numbers::pi_v<long double> / 4.0L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(KeypadAppliedText(c.Key, c.Modifiers, c.Operand, "Ans"));
        EXPECT_NEAR(Evaluate(c.Key, c.Modifiers, c.Operand, "Ans"), c.Expected, 1e-15L);
    }
}

KeypadEdit Edit(std::string text, std::size_t start, std::size_t length = 0) {
    return {std::move(text), start, length};
}

TEST(KeypadTexts, InsertionWrapsTheSelectionOrTheOperandBeforeTheCaret) {
    struct Case {
        const char* Label;
        KeypadEdit Before;
        KeypadKey Key;
        KeypadModifiers Modifiers;
        KeypadEdit After;
    };
    const std::vector<Case> cases = {
        // No operand before the caret: the template, caret after its "(".
        {"after operator", Edit("2+", 2), KeypadKey::Sin, kPlain, Edit("2+sin()", 6)},
        {"empty line", Edit("", 0), KeypadKey::Reciprocal, kPlain, Edit("1/()", 3)},
        {"square template", Edit("2+", 2), KeypadKey::Square, kPlain, Edit("2+()^2", 3)},
        {"power template", Edit("2+", 2), KeypadKey::Power, kPlain, Edit("2+()^", 3)},
        {"caret mid-text", Edit("2+3", 2), KeypadKey::Cos, kInv, Edit("2+arccos()3", 9)},
        {"after blank", Edit("2 ", 2), KeypadKey::Ln, kPlain, Edit("2 ln()", 5)},
        {"unmatched bracket", Edit("2)", 2), KeypadKey::Sqrt, kPlain, Edit("2)sqrt()", 7)},
        {"after open bracket", Edit("max(", 4), KeypadKey::Sin, kHyp, Edit("max(sinh()", 9)},
        // The operand before the caret.
        {"name", Edit("2*x", 3), KeypadKey::Sin, kPlain, Edit("2*sin(x)", 8)},
        {"name mid-text", Edit("2*x+1", 3), KeypadKey::Cos, kInv, Edit("2*arccos(x)+1", 11)},
        {"number", Edit("a-12,5", 6), KeypadKey::Reciprocal, kPlain, Edit("a-1/(12,5)", 10)},
        {"exponent", Edit("x+1,5E-3", 8), KeypadKey::Ln, kPlain, Edit("x+ln(1,5E-3)", 12)},
        {"sign not part", Edit("x-3", 3), KeypadKey::Sin, kPlain, Edit("x-sin(3)", 8)},
        {"name ending in E", Edit("x+ABE-3", 7), KeypadKey::Sin, kPlain, Edit("x+ABE-sin(3)", 12)},
        {"function call", Edit("a*sqrt(x)", 9), KeypadKey::Sin, kPlain, Edit("a*sin(sqrt(x))", 14)},
        {"nested group", Edit("2+(a*(b+c))", 11), KeypadKey::Square, kPlain,
         Edit("2+((a*(b+c)))^2", 15)},
        {"power base", Edit("y", 1), KeypadKey::Power, kPlain, Edit("(y)^", 4)},
        {"exp10", Edit("1+x", 3), KeypadKey::Exp10, kPlain, Edit("1+10^(x)", 8)},
        // A selection is the operand, whatever stands before the caret.
        {"whole selection", Edit("x+y", 0, 3), KeypadKey::Square, kPlain, Edit("(x+y)^2", 7)},
        {"part selection", Edit("1+x*y", 2, 3), KeypadKey::Tan, kInvHyp, Edit("1+argtgh(x*y)", 13)},
        {"selection mid-text", Edit("1+x*y-2", 2, 3), KeypadKey::Exp, kPlain,
         Edit("1+exp(x*y)-2", 10)},
        // Positions beyond the text are taken as its end.
        {"clamped caret", Edit("ab", 10, 4), KeypadKey::Sin, kPlain, Edit("sin(ab)", 7)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        const KeypadEdit after = InsertKeypadFunction(c.Before, c.Key, c.Modifiers);
        EXPECT_EQ(after.Text, c.After.Text);
        EXPECT_EQ(after.SelStart, c.After.SelStart);
        EXPECT_EQ(after.SelLength, 0u);
    }
}

TEST(KeypadTexts, InsertedTextReplacesTheSelection) {
    EXPECT_EQ(InsertText(Edit("1+3", 2, 1), "pi"), Edit("1+pi", 4));
    EXPECT_EQ(InsertText(Edit("1+3", 1), "0"), Edit("10+3", 2));
    EXPECT_EQ(InsertText(Edit("", 0), "sin("), Edit("sin(", 4));
    EXPECT_EQ(InsertText(Edit("ab", 5), "c"), Edit("abc", 3));
}

TEST(KeypadTexts, ResultEditSelectsEverything) {
    EXPECT_EQ(KeypadResultEdit("Ans"), Edit("Ans", 0, 3));
    const KeypadEdit number = KeypadResultEdit("0,333333333333333");
    EXPECT_EQ(number.SelStart, 0u);
    EXPECT_EQ(number.SelLength, number.Text.size());
    EXPECT_EQ(number.Caret(), number.Text.size());
    // The next key replaces the result.
    EXPECT_EQ(InsertText(KeypadResultEdit("Ans"), "2"), Edit("2", 1));
}

}  // namespace
}  // namespace tarvix::testing
