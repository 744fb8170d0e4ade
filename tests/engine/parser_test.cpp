// The evaluator: registers, variables, name rules, lists and last value.
#include <gtest/gtest.h>

#include "engine/parser_errors.h"
#include "engine_fixture.h"

namespace tarvix::testing {
namespace {

using ParserTest = EngineTest;

TEST_F(ParserTest, StartsWithTheEightRegisters) {
    EXPECT_EQ(parser.VarCount(), 8);
    const char* names[] = {"A", "B", "C", "D", "E", "F", "X", "Y"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(parser.VariableName(i), names[i]);
    parser.SetVariable("X", {5});
    EXPECT_EQ(parser.GetVariable("x").Re, 5);
    EXPECT_EQ(parser.GetVariable("nothing"), (ComplexValue{}));
    EXPECT_THROW(parser.VariableName(8), TarvixError);
    try {
        parser.VariableName(-1);
    } catch (const TarvixError& e) {
        EXPECT_STREQ(e.what(), "Index je mimo rozsah");
    }
}

TEST_F(ParserTest, NameRules) {
    int help = 0;
    try {
        parser.SetVariable("2a", {1});
        FAIL();
    } catch (const EBadName& e) {
        EXPECT_STREQ(e.what(), "Neplatný název proměnné \"2a\"");
        help = e.HelpContext();
    }
    EXPECT_EQ(help, 17);
    for (const char* bad : {"+", "a-b", "", "x y", "č"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(parser.SetVariable(bad, {1}), EBadName);
    }
    EXPECT_NO_THROW(parser.SetVariable("_tmp", {1}));
    EXPECT_TRUE(parser.VariableExists("_TMP"));
}

TEST_F(ParserTest, ExpressionPreparation) {
    parser.SetExpression("-(-3)");
    EXPECT_EQ(parser.Expression(), "-(0-3)");
    EXPECT_EQ(parser.Evaluate().Re, 3);
    parser.SetExpression("+5");
    EXPECT_EQ(parser.Evaluate().Re, 5);
}

TEST_F(ParserTest, AutomaticRegistration) {
    parser.SetExpression("foo*2");
    EXPECT_TRUE(parser.VariableExists("foo"));
    EXPECT_EQ(parser.GetVariable("foo"), (ComplexValue{}));
    EXPECT_TRUE(parser.IsUsedVariable("FOO"));
    EXPECT_EQ(parser.NewVarCount(), 1);
    EXPECT_EQ(parser.NewVariableName(0), "foo");
    parser.SetExpression("foo*3");
    EXPECT_EQ(parser.NewVarCount(), 0);

    parser.SetAutoRegisterVar(false);
    EXPECT_THROW(parser.SetExpression("bar+1"), ESyntaxError);
    EXPECT_FALSE(parser.VariableExists("bar"));
    // Reserved words never become variables.
    parser.SetAutoRegisterVar(true);
    EXPECT_THROW(parser.SetExpression("sqr+1"), ESyntaxError);
    EXPECT_FALSE(parser.VariableExists("sqr"));
}

TEST_F(ParserTest, VariableReadsItsSlotAtRunTime) {
    parser.SetExpression("A*2");
    parser.SetVariable("A", {2});
    EXPECT_EQ(parser.Evaluate().Re, 4);
    parser.SetVariable("A", {5});
    EXPECT_EQ(parser.Evaluate().Re, 10);
    // A lone variable returns the slot itself, imaginary part included.
    parser.SetVariable("A", {2, 3});
    parser.SetExpression("A");
    EXPECT_EQ(parser.Evaluate(), (ComplexValue{2, 3}));
}

TEST_F(ParserTest, DeleteAndClearKeepRegisterStorage) {
    parser.SetVariable("B", {7});
    parser.SetExpression("B+1");
    parser.DeleteVariable("b");
    EXPECT_FALSE(parser.VariableExists("B"));
    EXPECT_FALSE(parser.IsCompiled());
    EXPECT_EQ(parser.Evaluate(), (ComplexValue{}));
    parser.SetVariable("B", {5});
    EXPECT_TRUE(parser.VariableExists("B"));
    EXPECT_EQ(parser.GetVariable("B").Re, 5);

    parser.SetVariable("v1", {1});
    parser.ClearVariables();
    EXPECT_EQ(parser.VarCount(), 0);
    parser.SetVariable("x", {2});
    EXPECT_EQ(parser.VariableName(0), "X");
}

TEST_F(ParserTest, LastValueFollowsEachEvaluation) {
    parser.SetExpression("");
    EXPECT_EQ(parser.Evaluate(), (ComplexValue{}));
    parser.SetExpression("6*7");
    parser.Evaluate();
    EXPECT_EQ(parser.LastValue().Re, 42);
    EXPECT_EQ(EngineModes.LastValue.Re, 42);
    parser.SetExpression("1/0");
    EXPECT_THROW(parser.Evaluate(), EBadDomain);
    EXPECT_EQ(parser.LastValue().Re, 42);
    parser.SetLastValue({1, 2});
    EXPECT_EQ(EngineModes.LastValue, (ComplexValue{1, 2}));
}

TEST_F(ParserTest, ModesArePropagatedToTheSharedBlock) {
    TParser other;
    parser.SetNumericalScope(nsComplex);
    EXPECT_TRUE(EngineModes.ComplexMode);
    other.SetAngleUnits(auGrad);
    EXPECT_EQ(EngineModes.CurrentAngleUnit, auGrad);
    parser.SetNumericalScope(nsReal);
    EXPECT_FALSE(EngineModes.ComplexMode);
}

TEST_F(ParserTest, ErrorHandlerReceivesCompileErrors) {
    std::string seen;
    parser.SetOnParserError([&](TParser&, const EMathParserError& e) { seen = e.what(); });
    parser.SetExpression("2^3^2");
    EXPECT_EQ(seen, "Syntaktická chyba ve výrazu");
    EXPECT_TRUE(parser.CompileError());
    EXPECT_EQ(parser.Evaluate(), (ComplexValue{}));
    parser.SetExpression("1+1");
    EXPECT_FALSE(parser.CompileError());
}

TEST_F(ParserTest, RemoveBlanks) { EXPECT_EQ(TParser::RemoveBlanks(" 1 + 2 "), "1+2"); }

}  // namespace
}  // namespace tarvix::testing
