// Equation blocks (EQU … END) and INTERP: the readers, the solver and the
// resampling, and both statements in a task.
#include <gtest/gtest.h>

#include <cmath>

#include "calculator/value_text.h"
#include "engine/parser.h"
#include "task_fixture.h"
#include "tasks/equation_system.h"
#include "tasks/newton_interpolation.h"

namespace tarvix {
namespace {

long double PlainNumber(std::string_view text) {
    TParser parser;
    return ParseValueText(text, parser).Re;
}

TEST(EquationSystemTest, TermsGiveCoefficientsOverTheSortedUnknowns) {
    const EquationRead read = ReadEquations({"2a+3b-c=5", "a+3b=7", "2b-c=1"}, PlainNumber);
    ASSERT_EQ(read.Fault, EquationFault::None);
    EXPECT_EQ(read.System.Unknowns, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(read.System.Matrix[0], (std::vector<long double>{2, 3, -1}));
    EXPECT_EQ(read.System.Matrix[1], (std::vector<long double>{1, 3, 0}));
    EXPECT_EQ(read.System.RightSide[2], 1.0L);

    // A decimal comma, a leading sign and an unknown written twice (added).
    const EquationRead more = ReadEquations({"-2,5x+y+x=0,5", "Y-x=1"}, PlainNumber);
    ASSERT_EQ(more.Fault, EquationFault::None);
    EXPECT_EQ(more.System.Matrix[0], (std::vector<long double>{-1.5L, 1}));
    EXPECT_EQ(more.System.Matrix[1], (std::vector<long double>{-1, 1}));
    EXPECT_EQ(more.System.RightSide[0], 0.5L);
}

TEST(EquationSystemTest, ReadingFaults) {
    struct Case {
        std::vector<std::string> equations;
        EquationFault fault;
    } cases[] = {
        {{"2*x+y=1", "x-y=0"}, EquationFault::Expression},
        {{"2x+4=6"}, EquationFault::Expression},  // a constant term has no column
        {{"x=1=2"}, EquationFault::Expression},
        {{"x+y"}, EquationFault::WithoutEquals},
        {{"x+y=1", "x-y=1", "2x=3"}, EquationFault::Count},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadEquations(c.equations, PlainNumber).Fault, c.fault) << c.equations[0];
    }
}

TEST(EquationSystemTest, PartialPivotingSolvesWhatNeedsARowExchange) {
    const EquationRead read = ReadEquations({"y=1", "x+y=3"}, PlainNumber);
    const std::optional<std::vector<long double>> x = SolveLinearSystem(read.System);
    ASSERT_TRUE(x);
    EXPECT_EQ((*x)[0], 2.0L);
    EXPECT_EQ((*x)[1], 1.0L);

    const EquationRead singular = ReadEquations({"x+y=2", "2x+2y=4"}, PlainNumber);
    EXPECT_FALSE(SolveLinearSystem(singular.System));
    // Nearly singular still solves: the tolerance is relative.
    const EquationRead tiny = ReadEquations({"0,000000000001x+y=1", "x+y=2"}, PlainNumber);
    ASSERT_EQ(tiny.Fault, EquationFault::None);
    EXPECT_TRUE(SolveLinearSystem(tiny.System));
}

TEST(NewtonInterpolationTest, SamplesThePolynomialThroughTheNodes) {
    // y = x² − 2x + 1 through x = 1, 2, 3; five samples with the step 0.5
    // end on the last node.
    const Interpolation r = NewtonResample({1, 2, 3}, {0, 1, 4}, 5);
    ASSERT_EQ(r.Fault, InterpolationFault::None);
    const long double expected[] = {0.0L, 0.25L, 1.0L, 2.25L, 4.0L};
    ASSERT_EQ(r.Samples.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_NEAR(r.Samples[i], expected[i], 1e-15L) << i;

    // A cubic through four nodes spaced 0.5 apart, sampled between them.
    const Interpolation cubic = NewtonResample({0, 0.5L, 1, 1.5L}, {0, 0.125L, 1, 3.375L}, 7);
    ASSERT_EQ(cubic.Fault, InterpolationFault::None);
    ASSERT_EQ(cubic.Samples.size(), 7u);
    EXPECT_NEAR(cubic.Samples[1], 0.015625L, 1e-15L);  // 0.25³
    EXPECT_NEAR(cubic.Samples[3], 0.421875L, 1e-15L);  // 0.75³
    EXPECT_EQ(cubic.Samples[6], 3.375L);
}

TEST(NewtonInterpolationTest, FaultsOfTheArguments) {
    EXPECT_EQ(NewtonResample({1, 2}, {1, 2}, 1).Fault, InterpolationFault::TooFewSamples);
    EXPECT_EQ(NewtonResample({1, 2}, {1, 2}, 1755).Fault, InterpolationFault::TooManySamples);
    EXPECT_EQ(NewtonResample({1, 2, 3}, {1, 2}, 5).Fault, InterpolationFault::Lengths);
    EXPECT_EQ(NewtonResample({1, 2, 4}, {1, 2, 3}, 5).Fault, InterpolationFault::NotEquidistant);
    EXPECT_EQ(NewtonResample({1, 1}, {1, 2}, 5).Fault, InterpolationFault::NotEquidistant);
    std::vector<long double> many(42);
    for (std::size_t i = 0; i < many.size(); ++i) many[i] = static_cast<long double>(i);
    EXPECT_EQ(NewtonResample(many, many, 5).Fault, InterpolationFault::TooManyNodes);
    many.pop_back();
    EXPECT_EQ(NewtonResample(many, many, 5).Fault, InterpolationFault::None);
}

TEST(TaskEquationsTest, TheTemplateSystemIsSolvedPrintedAndAssigned) {
    TaskFixture f;
    f.host.Printed = {"earlier"};
    const StepResult result = f.Run(
        "'Napište soustavu rovnic dle vzoru, stiskněte F9.\n"
        "'Poznámka:  klíčová slova EQU a END jsou povinná.\n\nequ\n  2a+3b-c = 5\n"
        "     a+3b = 7\n     2b-c = 1\nend");
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    EXPECT_EQ(f.host.Printed, (std::vector<std::string>{"earlier", "", "a = 1", "b = 2", "c = 3"}));
    EXPECT_EQ(f.Var("a"), 1.0L);
    EXPECT_EQ(f.Var("c"), 3.0L);
}

TEST(TaskEquationsTest, UnknownsKeepTheirExactValuesWhateverTheDisplayShows) {
    TaskFixture f;
    const StepResult result = f.Run("MODE FIX\nEQU\n3x+y=1\nx-y=0\nEND");
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    EXPECT_EQ(f.host.Printed, (std::vector<std::string>{"x = 0.25", "y = 0.25"}));
    EXPECT_EQ(f.Var("x"), 0.25L);

    TaskFixture g;
    ASSERT_EQ(g.Run("MODE FIX\nEQU\n3x=1\nEND").Status, StepStatus::Finished);
    EXPECT_EQ(g.host.Printed, (std::vector<std::string>{"x = 0.33"}));
    EXPECT_EQ(g.Var("x"), 1.0L / 3.0L);
}

TEST(TaskEquationsTest, EquationFaultsAreTaskErrorsAtTheEquLine) {
    struct Case {
        const char* program;
        std::string_view key;
    } cases[] = {
        {"x=1\nEQU\n2*x+y=1\nx-y=0\nEND", taskmsg::EquationExpression},
        {"x=1\nEQU\n2x+4=6\nEND", taskmsg::EquationExpression},
        {"x=1\nEQU\nx+y=1\nx-y=1\n2x=3\nEND", taskmsg::EquationCount},
        {"x=1\nEQU\nx+y=2\n2x+2y=4\nEND", taskmsg::SingularMatrix},
        {"x=1\nEQU\nx+y=2\nx-y=0", taskmsg::EquationsWithoutEnd},
    };
    for (const Case& c : cases) {
        TaskFixture f;
        const StepResult result = f.Run(c.program);
        ASSERT_EQ(result.Status, StepStatus::Error) << c.program;
        EXPECT_EQ(result.Error.Message, f.Message(c.key)) << c.program;
        EXPECT_EQ(result.Error.Line, 1) << c.program;
        EXPECT_TRUE(f.host.Printed.empty()) << c.program;
    }
}

TEST(TaskEquationsTest, InterpResamplesVectorsOfTheTask) {
    TaskFixture f;
    const StepResult result =
        f.Run("VECTOR xs = (1; 2; 3)\nVECTOR ys = (0; 1; 4)\nn=5\nINTERP(xs, ys, n, zs)");
    ASSERT_EQ(result.Status, StepStatus::Finished) << result.Error.Message;
    const ParserFloatArray& zs = f.series.Vectors().FindVector("zs");
    ASSERT_EQ(zs.size(), 5u);
    EXPECT_NEAR(zs[1].Re, 0.25L, 1e-15L);
    EXPECT_NEAR(zs[3].Re, 2.25L, 1e-15L);

    const std::string vectors = "VECTOR xs = (1; 2; 3)\nVECTOR ys = (0; 1; 4)\n";
    ExpectFaults({
        {vectors + "INTERP(xs, ys, 5)", taskmsg::MissingVariableName, ""},
        {vectors + "INTERP(xs, 1y, 5, zs)", taskmsg::InvalidIdentifier, "1y"},
        {vectors + "n=5\nINTERP(xs, n, 5, zs)", taskmsg::NotVector, "n"},
        {vectors + "INTERP(xs, ys, 2000, zs)", taskmsg::TooManySamples, "ys"},
        {vectors + "INTERP(xs, ys, 1, zs)", taskmsg::TooFewSamples, ""},
        {"VECTOR xs = (1; 2; 4)\nVECTOR ys = (0; 1; 4)\nINTERP(xs, ys, 5, zs)",
         taskmsg::NodesNotEquidistant, "xs"},
        {"VECTOR xs = (1; 2)\nVECTOR ys = (0; 1; 4)\nINTERP(xs, ys, 5, zs)", taskmsg::VectorLengths,
         "xs", "ys"},
    });
}

}  // namespace
}  // namespace tarvix
