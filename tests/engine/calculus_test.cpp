// DERIV and INTEGR: results, the reserved variables dx, x1, x2, the binding of
// the variable argument, the errors and the restoring of the variable.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calculus_test_support.h"
#include "engine/parser_messages.h"
#include "engine_fixture.h"

namespace tarvix::testing {
namespace {

std::string NotRegistered(const std::string& name) {
    return "Proměnná \"" + name + "\" není registrovaná";
}

// ---------------------------------------------------------------- derivative

struct DerivCase {
    const char* Text;
    long double X;
    long double Expected;
    long double Tolerance;
};

class DerivTest : public EngineTest, public ::testing::WithParamInterface<DerivCase> {};

TEST_P(DerivTest, ActsOnItsFirstArgumentOnly) {
    const DerivCase& c = GetParam();
    parser.SetVariable("x", {c.X, 0.0L});
    parser.SetVariable("a", {3.0L, 0.0L});
    EXPECT_TRUE(IsClose(Real(c.Text), c.Expected, c.Tolerance)) << c.Text;
    EXPECT_EQ(parser.GetVariable("x").Re, c.X) << "variable not restored after " << c.Text;
    // Compiled once, evaluated again: the same result.
    EXPECT_TRUE(IsClose(parser.Evaluate().Re, c.Expected, c.Tolerance)) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(
    Calculus, DerivTest,
    ::testing::Values(
        DerivCase{"DERIV(x^2,x)", 2, 4, 1e-9L}, DerivCase{"3*DERIV(x^2,x)", 2, 12, 1e-9L},
        DerivCase{"2+DERIV(x^2,x)", 2, 6, 1e-9L}, DerivCase{"x*DERIV(x^2,x)", 2, 8, 1e-9L},
        DerivCase{"DERIV(x^2,x)*2", 2, 8, 1e-9L}, DerivCase{"deriv(x^2,x)", -3, -6, 1e-9L},
        DerivCase{"DERIV(x^2,x)+DERIV(x^3,x)", 2, 16, 1e-9L},
        DerivCase{"DERIV(DERIV(x^3,x),x)", 2, 12, 1e-5L}, DerivCase{"DERIV(a*x^2,a)", 2, 4, 1e-9L},
        DerivCase{"DERIV(x,x)", 5, 1, 1e-12L}, DerivCase{"DERIV(7,x)", 5, 0, 0},
        DerivCase{"DERIV((x^2),(x))", 2, 4, 1e-9L}, DerivCase{"DERIV(-x^3,x)", 1, -3, 1e-9L}));

// At 0 the step is dx, else 1E-6; the central difference of x^3 is 3x² + h²,
// so at 0 the result is exactly the square of the step used.
struct StepCase {
    bool HasDx;
    long double Dx;
    long double Expected;
};

class DerivStepTest : public EngineTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(DerivStepTest, StepAtZeroComesFromDx) {
    const StepCase& c = GetParam();
    parser.SetVariable("x", {});
    if (c.HasDx) parser.SetVariable("DX", {c.Dx, 0.0L});  // names ignore case
    EXPECT_TRUE(IsClose(Real("DERIV(x^3,x)"), c.Expected, c.Expected * 1e-12L));
}

INSTANTIATE_TEST_SUITE_P(Calculus, DerivStepTest,
                         ::testing::Values(StepCase{false, 0, 1e-12L}, StepCase{true, 0.01L, 1e-4L},
                                           StepCase{true, -0.01L, 1e-4L},
                                           StepCase{true, 0.5L, 0.25L}));

TEST_F(EngineTest, DerivStepAwayFromZeroIgnoresDx) {
    parser.SetVariable("x", {1000.0L, 0.0L});
    parser.SetVariable("dx", {1.0L, 0.0L});
    // h = 1000/1e6 = 0.001: 3·1000² + 0.001²
    EXPECT_TRUE(IsClose(Real("DERIV(x^3,x)"), 3000000.000001L, 1e-6L));
}

TEST_F(EngineTest, DerivKeepsImaginaryPartAndReturnsRealResult) {
    parser.SetVariable("x", {2.0L, 5.0L});
    parser.SetExpression("DERIV(x^2,x)");
    ComplexValue v = parser.Evaluate();
    EXPECT_TRUE(IsClose(v.Re, 4.0L, 1e-9L));
    EXPECT_EQ(v.Im, 0.0L);
    EXPECT_EQ(parser.GetVariable("x"), (ComplexValue{2.0L, 5.0L}));
    EXPECT_EQ(parser.LastValue(), v);
    EXPECT_EQ(EngineModes.LastValue, v);
}

TEST_F(EngineTest, DerivRestoresVariableWhenFunctionFails) {
    parser.SetVariable("x", {1.0L, 0.0L});
    // At x − h the base of the square root is negative.
    ExpectEngineError<EBadDomain>([&] { Real("DERIV(power(x-1,0.5),x)"); },
                                  ParserMessages().Text(msg::PowerFractExp), 20);
    EXPECT_EQ(parser.GetVariable("x").Re, 1.0L);
}

TEST_F(EngineTest, DerivRestoresOuterVariableWhenNestedCallFails) {
    parser.SetVariable("x", {1.0L, 0.0L});
    ExpectEngineError<EBadDomain>([&] { Real("DERIV(2*DERIV(power(x-1,0.5),x),x)"); },
                                  ParserMessages().Text(msg::PowerFractExp), 20);
    EXPECT_EQ(parser.GetVariable("x").Re, 1.0L);
}

TEST_F(EngineTest, DerivAtZeroWithZeroDxIsInvalidOperation) {
    parser.SetVariable("x", {});
    parser.SetVariable("dx", {});
    ExpectEngineError<EArithmeticError>([&] { Real("DERIV(x^2,x)"); },
                                        ParserMessages().Text(msg::FloatInvalid), 0);
    EXPECT_EQ(parser.GetVariable("x").Re, 0.0L);
}

// ------------------------------------------------------------------ integral

// Reference composite Simpson rule with n double steps.
long double Simpson(const std::function<long double(long double)>& f, long double a, long double b,
                    int n) {
    const long double h = (b - a) / (2 * n);
    long double sum = f(a) + f(b);
    for (int i = 1; i < 2 * n; ++i) sum += (i % 2 ? 4.0L : 2.0L) * f(a + i * h);
    return h / 3.0L * sum;
}

struct IntegrCase {
    long double X1, X2, Dx;
    int Steps;  // the number of Simpson steps the increment must give
};

class IntegrStepsTest : public EngineTest, public ::testing::WithParamInterface<IntegrCase> {};

TEST_P(IntegrStepsTest, StepCountFollowsIncrement) {
    const IntegrCase& c = GetParam();
    parser.SetVariable("x", {42.0L, 0.0L});
    parser.SetVariable("x1", {c.X1, 0.0L});
    parser.SetVariable("x2", {c.X2, 0.0L});
    parser.SetVariable("dx", {c.Dx, 0.0L});
    auto f = [](long double t) { return t * t * t * t; };
    const long double lo = std::min(c.X1, c.X2), hi = std::max(c.X1, c.X2);
    const long double expected = Simpson(f, lo, hi, c.Steps);
    EXPECT_TRUE(IsClose(Real("INTEGR(x^4,x)"), expected, fabsl(expected) * 1e-15L))
        << c.X1 << ".." << c.X2 << " dx " << c.Dx;
    EXPECT_EQ(parser.GetVariable("x").Re, 42.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Calculus, IntegrStepsTest,
    ::testing::Values(IntegrCase{0, 1, 0.1L, 10}, IntegrCase{1, 0, 0.1L, 10},  // swapped bounds
                      IntegrCase{0, 1, -0.1L, 10},    // negative increment by its magnitude
                      IntegrCase{0, 1, 5, 1},         // at least one step
                      IntegrCase{0, 5, 2, 2},         // 2.5 rounds half to even
                      IntegrCase{0, 9, 2, 4},         // 4.5 rounds half to even
                      IntegrCase{-2, 3, 0.3L, 17}));  // 16.67 rounds to 17

TEST_F(EngineTest, IntegrOfSquareIsExact) {
    parser.SetVariable("x", {0.5L, 0.0L});
    parser.SetVariable("x1", {0.0L, 0.0L});
    parser.SetVariable("x2", {1.0L, 0.0L});
    parser.SetVariable("dx", {0.1L, 0.0L});
    EXPECT_TRUE(IsClose(Real("INTEGR(x^2,x)"), 1.0L / 3.0L, 1e-15L));
    EXPECT_TRUE(IsClose(Real("1+INTEGR(x^2,x)*3"), 2.0L, 1e-15L));
    EXPECT_TRUE(IsClose(Real("INTEGR(x^2,x)*x"), 0.5L / 3.0L, 1e-15L));
    parser.SetVariable("x1", {1.0L, 0.0L});
    parser.SetVariable("x2", {0.0L, 0.0L});
    EXPECT_TRUE(IsClose(Real("INTEGR(x^2,x)"), 1.0L / 3.0L, 1e-15L));
    EXPECT_EQ(parser.GetVariable("x").Re, 0.5L);
}

TEST_F(EngineTest, IntegrAndDerivNest) {
    parser.SetVariable("x", {2.0L, 0.0L});
    parser.SetVariable("t", {0.0L, 0.0L});
    parser.SetVariable("x1", {0.0L, 0.0L});
    parser.SetVariable("x2", {1.0L, 0.0L});
    parser.SetVariable("dx", {0.1L, 0.0L});
    // d/dx of ∫0..1 x·t² dt = 1/3; the derivative steps from x = 2.
    EXPECT_TRUE(IsClose(Real("DERIV(INTEGR(x*t^2,t),x)"), 1.0L / 3.0L, 1e-9L));
    EXPECT_EQ(parser.GetVariable("x").Re, 2.0L);
    EXPECT_EQ(parser.GetVariable("t").Re, 0.0L);
}

TEST_F(EngineTest, IntegrStepLimit) {
    parser.SetVariable("x", {});
    parser.SetVariable("x1", {});
    parser.SetVariable("dx", {1.0L, 0.0L});
    // 4 999 999 steps take 9 999 999 evaluations: allowed.
    parser.SetVariable("x2", {4999999.0L, 0.0L});
    EXPECT_TRUE(IsClose(Real("INTEGR(1,x)"), 4999999.0L, 1e-6L));
    // One step more exceeds 10 000 000 evaluations.
    parser.SetVariable("x2", {5000000.0L, 0.0L});
    ExpectEngineError<EBadName>(
        [&] { Real("INTEGR(1,x)"); },
        "Příliš mnoho kroků integrace (nejvýše 10000000);\nzvětšete inkrement dx", 17);
    parser.SetVariable("x2", {1.0L, 0.0L});
    parser.SetVariable("dx", {1e-300L, 0.0L});
    ExpectEngineError<EBadName>(
        [&] { Real("INTEGR(1,x)"); },
        "Příliš mnoho kroků integrace (nejvýše 10000000);\nzvětšete inkrement dx", 17);
}

TEST_F(EngineTest, IntegrRestoresVariableWhenFunctionFails) {
    parser.SetVariable("x", {7.0L, 1.0L});
    parser.SetVariable("x1", {-1.0L, 0.0L});
    parser.SetVariable("x2", {1.0L, 0.0L});
    parser.SetVariable("dx", {0.5L, 0.0L});
    ExpectEngineError<EBadDomain>([&] { Real("INTEGR(1/x,x)"); }, "Dělení nulou", 18);
    EXPECT_EQ(parser.GetVariable("x"), (ComplexValue{7.0L, 1.0L}));
}

// Set-up errors of the integral: which reserved variables exist, and their values.
struct IntegrErrorCase {
    const char* Name;
    bool HasX1, HasX2, HasDx;
    long double X1, X2, Dx;
    std::string Message;
};

class IntegrErrorTest : public EngineTest, public ::testing::WithParamInterface<IntegrErrorCase> {};

TEST_P(IntegrErrorTest, Fails) {
    const IntegrErrorCase& c = GetParam();
    parser.SetVariable("x", {3.0L, 0.0L});
    if (c.HasX1) parser.SetVariable("x1", {c.X1, 0.0L});
    if (c.HasX2) parser.SetVariable("x2", {c.X2, 0.0L});
    if (c.HasDx) parser.SetVariable("dx", {c.Dx, 0.0L});
    ExpectEngineError<EBadName>([&] { Real("INTEGR(x^2,x)"); }, c.Message, 17);
    EXPECT_EQ(parser.GetVariable("x").Re, 3.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Calculus, IntegrErrorTest,
    ::testing::Values(
        IntegrErrorCase{"NoBounds", false, false, true, 0, 0, 0.1L, NotRegistered("x1")},
        IntegrErrorCase{"NoLowerBound", false, true, true, 0, 1, 0.1L, NotRegistered("x1")},
        IntegrErrorCase{"NoUpperBound", true, false, true, 0, 0, 0.1L, NotRegistered("x2")},
        IntegrErrorCase{"EqualBounds", true, true, true, 2, 2, 0.1L, "Nulový interval integrace"},
        IntegrErrorCase{"EqualBoundsNoDx", true, true, false, 2, 2, 0, "Nulový interval integrace"},
        IntegrErrorCase{"ZeroDx", true, true, true, 0, 1, 0, "Nulový inkrement integrace"},
        IntegrErrorCase{"NoDx", true, true, false, 0, 1, 0, "Nulový inkrement integrace"}),
    [](const auto& info) { return std::string(info.param.Name); });

// ------------------------------------------------ binding and complex mode

struct BindErrorCase {
    const char* Text;
    std::string Message;
};

class CalculusBindTest : public EngineTest, public ::testing::WithParamInterface<BindErrorCase> {};

TEST_P(CalculusBindTest, VariableArgumentMustNameAVariable) {
    const BindErrorCase& c = GetParam();
    parser.SetVariable("x", {2.0L, 0.0L});
    ExpectEngineError<EBadName>([&] { parser.SetExpression(c.Text); }, c.Message, 17);
    EXPECT_TRUE(parser.CompileError());
    EXPECT_FALSE(parser.IsCompiled());
}

INSTANTIATE_TEST_SUITE_P(
    Calculus, CalculusBindTest,
    ::testing::Values(BindErrorCase{"DERIV(x^2,2)", "Neplatný název proměnné \"2\""},
                      BindErrorCase{"INTEGR(x^2,2)", "Neplatný název proměnné \"2\""},
                      BindErrorCase{"DERIV(x^2,x+1)", "Neplatný název proměnné \"x+1\""},
                      BindErrorCase{"DERIV(x^2,2*x)", "Neplatný název proměnné \"2*x\""},
                      BindErrorCase{"DERIV(x^2,pi)", NotRegistered("pi")},
                      BindErrorCase{"INTEGR(x^2,pi)", NotRegistered("pi")}));

TEST_F(EngineTest, UnknownVariableArgumentIsRegisteredAutomatically) {
    parser.SetVariable("x", {2.0L, 0.0L});
    parser.SetExpression("DERIV(x^2,w)");
    EXPECT_TRUE(parser.VariableExists("w"));
    EXPECT_EQ(parser.NewVarCount(), 1);
    EXPECT_EQ(parser.NewVariableName(0), "w");
    EXPECT_EQ(parser.Evaluate().Re, 0.0L);
}

TEST_F(EngineTest, UnknownVariableArgumentWithoutAutoRegistrationIsNotAccepted) {
    parser.SetAutoRegisterVar(false);
    parser.SetVariable("x", {2.0L, 0.0L});
    EXPECT_THROW(parser.SetExpression("DERIV(x^2,w)"), EMathParserError);
    EXPECT_FALSE(parser.VariableExists("w"));
}

struct ComplexModeCase {
    const char* Text;
    const char* Name;
};

class CalculusComplexModeTest : public EngineTest,
                                public ::testing::WithParamInterface<ComplexModeCase> {};

TEST_P(CalculusComplexModeTest, CompilesButDoesNotEvaluate) {
    const ComplexModeCase& c = GetParam();
    parser.SetVariable("x", {2.0L, 0.0L});
    parser.SetVariable("x1", {0.0L, 0.0L});
    parser.SetVariable("x2", {1.0L, 0.0L});
    parser.SetVariable("dx", {0.1L, 0.0L});
    parser.SetNumericalScope(nsComplex);
    parser.SetExpression(c.Text);
    ASSERT_TRUE(parser.IsCompiled());
    ExpectEngineError<EBadDomain>([&] { parser.Evaluate(); },
                                  std::string("Funkce ") + c.Name + " není dostupná v režimu cplx",
                                  28);
    EXPECT_EQ(parser.GetVariable("x"), (ComplexValue{2.0L, 0.0L}));
    // The same compiled list works once the mode is back to real.
    parser.SetNumericalScope(nsReal);
    EXPECT_NO_THROW(parser.Evaluate());
}

INSTANTIATE_TEST_SUITE_P(Calculus, CalculusComplexModeTest,
                         ::testing::Values(ComplexModeCase{"DERIV(x^2,x)", "deriv"},
                                           ComplexModeCase{"1+INTEGR(x^2,x)", "integr"}));

}  // namespace
}  // namespace tarvix::testing
