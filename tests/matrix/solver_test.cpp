// The Gaussian solve, the LU re-solve and the tridiagonal solver: the
// worksheet's sample system, pivoting cases, random systems against Eigen in
// both domains, stop, trace and watch.
#include <Eigen/Dense>
#include <complex>
#include <random>

#include "matrix/gauss_solver.h"
#include "matrix/matrix_algebra.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

const MatrixMessageTable& Texts() { return BuiltInMatrixMessages(); }

const CMatrix kSample = M({{2, -3, 4}, {5, 2, -6}, {3, -2, 3}});

TEST(GaussSolve, SampleSystemAndReSolveWithKeptFactors) {
    TestContext t;
    CMatrix a = kSample;
    CVector b = V({1, 2, 3}), x;
    std::vector<int> perm;
    GaussSolve(a, b, x, perm, t.context);
    ExpectVectorNear(x, V({26.0L / 23, 51.0L / 23, 31.0L / 23}), 1e-17L);

    GaussFactors factors{a, perm, true};
    CVector b2 = V({3, 2, 1}), x2;
    LuResolve(factors, b2, x2, t.context);
    ExpectVectorNear(x2, V({-6.0L / 23, -79.0L / 23, -39.0L / 23}), 1e-17L);
}

TEST(GaussSolve, FactorsReproduceThePermutedMatrix) {
    TestContext t;
    CMatrix a = kSample;
    CVector b = V({1, 2, 3}), x;
    std::vector<int> perm;
    GaussSolve(a, b, x, perm, t.context);
    // L·U equals the rows of A in the order of perm.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            long double s = 0;
            for (int k = 0; k <= std::min(i, j); ++k) s += (k == i ? 1.0L : a(i, k).Re) * a(k, j).Re;
            EXPECT_NEAR(static_cast<double>(s), static_cast<double>(kSample(perm[i], j).Re), 1e-17);
        }
    EXPECT_EQ(perm[0], 1);  // 5 is the largest of the first column
}

struct PivotCase {
    const char* name;
    CMatrix a;
    CVector b;
    CVector x;
};

class PivotingCases : public ::testing::TestWithParam<PivotCase> {};

TEST_P(PivotingCases, PartialPivotingSolvesRegularSystems) {
    const PivotCase& c = GetParam();
    for (TNumericalScope scope : {nsReal, nsComplex}) {
        TestContext t(scope);
        CMatrix a = c.a;
        CVector b = c.b, x;
        std::vector<int> perm;
        GaussSolve(a, b, x, perm, t.context);
        ExpectVectorNear(x, c.x, 1e-18L);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Systems, PivotingCases,
    ::testing::Values(
        // Without row exchanges this one gives (0, 1).
        PivotCase{"tiny_pivot", M({{1e-20L, 1}, {1, 1}}), V({1, 2}),
                  V({1.0L / (1.0L - 1e-20L), (1.0L - 2e-20L) / (1.0L - 1e-20L)})},
        PivotCase{"zero_first_pivot", M({{0, 1}, {1, 0}}), V({1, 1}), V({1, 1})},
        PivotCase{"one_by_one", M({{4}}), V({2}), V({0.5L})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GaussSolve, NoPivotingChoiceFailsOnAZeroPivot) {
    TestContext t(nsReal, nullptr, Pivoting::None);
    CMatrix a = M({{0, 1}, {1, 0}});
    CVector b = V({1, 1}), x;
    std::vector<int> perm;
    EXPECT_EQ(MessageOf([&] { GaussSolve(a, b, x, perm, t.context); }),
              Texts().Text(mxmsg::SingularMatrix));
}

TEST(GaussSolve, SingularMatrixIsRefused) {
    for (TNumericalScope scope : {nsReal, nsComplex}) {
        TestContext t(scope);
        CMatrix a = M({{1, 2}, {2, 4}});
        CVector b = V({1, 2}), x;
        std::vector<int> perm;
        EXPECT_EQ(MessageOf([&] { GaussSolve(a, b, x, perm, t.context); }),
                  Texts().Text(mxmsg::SingularMatrix));
    }
}

TEST(GaussSolve, OverflowIsAnArithmeticError) {
    TestContext t;
    // Both pivots of the size of the matrix, so the system is regular; only
    // the solution, 1e8000, overflows.
    CMatrix a = M({{1e-4000L, 0}, {0, 1e-4000L}});
    CVector b = V({1e4000L, 1}), x;
    std::vector<int> perm;
    EXPECT_THROW(GaussSolve(a, b, x, perm, t.context), EArithmeticError);
}

// Rank 2: the third row is twice the second minus the first. Rounded to
// binary the elimination leaves a last pivot of rounding noise instead of 0,
// and the solve used to answer with values near 1e19.
const CMatrix kDecimalSingular = M({{0.1L, 0.2L, 0.3L}, {0.4L, 0.5L, 0.6L}, {0.7L, 0.8L, 0.9L}});

// The same matrix times (1 + i): the complex kernel's case.
CMatrix ComplexDecimalSingular() {
    CMatrix a = kDecimalSingular;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) a(i, j).Im = a(i, j).Re;
    return a;
}

TEST(GaussSolve, NegligiblePivotIsRefusedInEveryKernelAndDomain) {
    RecordingHooks polling;
    RecordingHooks tracing;
    tracing.trace = true;
    for (SolveHooks* hooks : {static_cast<SolveHooks*>(nullptr), static_cast<SolveHooks*>(&polling),
                              static_cast<SolveHooks*>(&tracing)})
        for (Pivoting pivoting : {Pivoting::Partial, Pivoting::None})
            for (const auto& [scope, matrix] :
                 {std::pair{nsReal, kDecimalSingular}, std::pair{nsComplex, ComplexDecimalSingular()}}) {
                SCOPED_TRACE(testing::Message() << "hooks " << (hooks == nullptr ? 0 : hooks == &polling ? 1 : 2)
                                                << " pivoting " << static_cast<int>(pivoting)
                                                << " scope " << static_cast<int>(scope));
                TestContext t(scope, hooks, pivoting);
                CMatrix a = matrix;
                CVector b = V({1, 1, 2}), x;
                std::vector<int> perm;
                EXPECT_EQ(MessageOf([&] { GaussSolve(a, b, x, perm, t.context); }),
                          Texts().Text(mxmsg::SingularMatrix));
            }
}

// Rank and the solvers judge with one tolerance: a product of an n × (n−1)
// and an (n−1) × n matrix of decimal fractions has rank n − 1 and is
// refused; the same with a full-rank last factor is solved.
TEST(GaussSolve, RefusesExactlyWhatRankCallsDeficient) {
    std::mt19937_64 gen(7);
    std::uniform_int_distribution<int> tenths(-30, 30);
    for (int n : {3, 5, 8, 12}) {
        for (bool deficient : {true, false}) {
            const int inner = deficient ? n - 1 : n;
            CMatrix b(n, inner), c(inner, n), a(n, n);
            for (int i = 0; i < n; ++i)
                for (int k = 0; k < inner; ++k) b(i, k) = {tenths(gen) / 10.0L, 0};
            for (int k = 0; k < inner; ++k)
                for (int j = 0; j < n; ++j) c(k, j) = {tenths(gen) / 10.0L + (k == j ? 5 : 0), 0};
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    for (int k = 0; k < inner; ++k) a(i, j).Re += b(i, k).Re * c(k, j).Re;
            SCOPED_TRACE(testing::Message() << "n " << n << (deficient ? " deficient" : " full"));
            TestContext t;
            ASSERT_EQ(Rank(a, t.context), inner);
            CMatrix work = a;
            CVector rhs(static_cast<std::size_t>(n), ComplexValue{1, 0}), x;
            std::vector<int> perm;
            const std::string message = MessageOf([&] { GaussSolve(work, rhs, x, perm, t.context); });
            EXPECT_EQ(message, deficient ? Texts().Text(mxmsg::SingularMatrix) : std::string());
        }
    }
}

TEST(GaussSolve, RealDomainIgnoresImaginaryParts) {
    TestContext t(nsReal);
    CMatrix a = M({{2, 0}, {0, 4}});
    a(0, 0).Im = 5;
    CVector b = V({2, 8}), x;
    b[1].Im = 3;
    std::vector<int> perm;
    GaussSolve(a, b, x, perm, t.context);
    ExpectVectorNear(x, V({1, 2}));
}

TEST(GaussSolve, ComplexSystem) {
    TestContext t(nsComplex);
    // (1+i)·x = 2 → x = 1 − i; second equation 2·y = 2i → y = i.
    CMatrix a(2, 2);
    a(0, 0) = {1, 1};
    a(1, 1) = {2, 0};
    CVector b = {{2, 0}, {0, 2}}, x;
    std::vector<int> perm;
    GaussSolve(a, b, x, perm, t.context);
    ExpectVectorNear(x, CVector{{1, -1}, {0, 1}});
}

// Random well-conditioned systems against Eigen's PartialPivLU: same
// solution, residual within 10·n·1.1e-19.
template <bool Complex>
void CompareWithEigen(int n, unsigned seed) {
    using Scalar = std::conditional_t<Complex, std::complex<long double>, long double>;
    std::mt19937_64 gen(seed);
    std::uniform_real_distribution<double> dist(-1, 1);
    CMatrix a(n, n);
    CVector b(static_cast<std::size_t>(n));
    Eigen::Matrix<Scalar, Eigen::Dynamic, Eigen::Dynamic> ea(n, n);
    Eigen::Matrix<Scalar, Eigen::Dynamic, 1> eb(n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            a(i, j) = {dist(gen), Complex ? dist(gen) : 0.0};
            if (i == j) a(i, j).Re += 2;
            if constexpr (Complex) ea(i, j) = Scalar(a(i, j).Re, a(i, j).Im);
            else ea(i, j) = a(i, j).Re;
        }
        b[i] = {dist(gen), Complex ? dist(gen) : 0.0};
        if constexpr (Complex) eb(i) = Scalar(b[i].Re, b[i].Im);
        else eb(i) = b[i].Re;
    }
    auto ex = Eigen::PartialPivLU<decltype(ea)>(ea).solve(eb).eval();
    TestContext t(Complex ? nsComplex : nsReal);
    CMatrix work = a;
    CVector rhs = b, x;
    std::vector<int> perm;
    GaussSolve(work, rhs, x, perm, t.context);
    long double residual = 0, normA = 0, normX = 0;
    for (int i = 0; i < n; ++i) {
        ComplexValue s{};
        long double row = 0;
        for (int j = 0; j < n; ++j) {
            s.Re += a(i, j).Re * x[j].Re - a(i, j).Im * x[j].Im;
            s.Im += a(i, j).Re * x[j].Im + a(i, j).Im * x[j].Re;
            row += std::hypot(a(i, j).Re, a(i, j).Im);
        }
        residual = std::max(residual, std::hypot(s.Re - b[i].Re, s.Im - b[i].Im));
        normA = std::max(normA, row);
        normX = std::max(normX, std::hypot(x[i].Re, x[i].Im));
        const std::complex<long double> e(ex(i));
        EXPECT_NEAR(static_cast<double>(x[i].Re), static_cast<double>(e.real()), 1e-15);
        EXPECT_NEAR(static_cast<double>(x[i].Im), static_cast<double>(e.imag()), 1e-15);
    }
    EXPECT_LE(residual / (normA * normX), 10.0L * n * 1.1e-19L);
}

TEST(GaussSolve, RandomRealSystemsMatchEigen) {
    for (int n : {1, 7, 31, 32, 33, 100}) CompareWithEigen<false>(n, 10 + n);
}

TEST(GaussSolve, RandomComplexSystemsMatchEigen) {
    for (int n : {2, 31, 65, 90}) CompareWithEigen<true>(n, 20 + n);
}

TEST(GaussSolve, StopMidSolveRaisesAndPollsAreNotPerElement) {
    const int n = 80;
    CMatrix a(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) a(i, j) = {1.0L / (i + j + 1) + (i == j ? 1 : 0), 0};
    CVector b(n, ComplexValue{1, 0}), x;
    std::vector<int> perm;

    RecordingHooks counting;
    TestContext t(nsReal, &counting);
    CMatrix work = a;
    CVector rhs = b;
    GaussSolve(work, rhs, x, perm, t.context);
    EXPECT_GT(counting.polls, 0);
    EXPECT_LT(counting.polls, n * n / 4);  // far fewer than one per element

    RecordingHooks stopping;
    stopping.stopAtPoll = counting.polls / 2;
    TestContext s(nsReal, &stopping);
    work = a;
    rhs = b;
    CVector untouched;
    EXPECT_THROW(GaussSolve(work, rhs, untouched, perm, s.context), ComputationStopped);
    for (const ComplexValue& v : untouched) EXPECT_EQ(v, ComplexValue{});
}

TEST(GaussSolve, FastModeMakesNoCalls) {
    RecordingHooks hooks;
    hooks.poll = false;
    TestContext t(nsReal, &hooks);
    CMatrix a = kSample;
    CVector b = V({1, 2, 3}), x;
    std::vector<int> perm;
    GaussSolve(a, b, x, perm, t.context);
    EXPECT_EQ(hooks.polls, 0);
    EXPECT_TRUE(hooks.lines.empty());
}

TEST(GaussSolve, TraceLinesNameThePassRowColumnAndValue) {
    RecordingHooks hooks;
    hooks.trace = true;
    TestContext t(nsReal, &hooks);
    CMatrix a = M({{2, 1}, {1, 3}});
    CVector b = V({1, 2}), x;
    std::vector<int> perm;
    GaussSolve(a, b, x, perm, t.context);
    // One update: pass 1, row 2, column 2: 3 − 1/2·1 = 2.5.
    ASSERT_EQ(hooks.lines.size(), 1u);
    EXPECT_EQ(hooks.lines[0], "1: 2 2   2.5");
}

TEST(GaussSolve, WatchAsksAfterEachPassAndCanStopWatching) {
    RecordingHooks hooks;
    hooks.watch = true;
    hooks.answer = WatchAnswer::StopWatching;
    TestContext t(nsReal, &hooks);
    CMatrix a = kSample;
    CVector b = V({1, 2, 3}), x;
    std::vector<int> perm;
    GaussSolve(a, b, x, perm, t.context);
    EXPECT_EQ(hooks.questions, 1);  // "no" after the first pass ends the questions
    EXPECT_EQ(hooks.watched.size(), 4u);  // the four updates of the first pass
    ExpectVectorNear(x, V({26.0L / 23, 51.0L / 23, 31.0L / 23}), 1e-17L);
}

TEST(LuResolve, NeedsFactorsOfACompletedSolve) {
    TestContext t;
    CVector b = V({1, 2}), x;
    EXPECT_EQ(MessageOf([&] { LuResolve(GaussFactors{}, b, x, t.context); }),
              Texts().Text(mxmsg::NoGaussFactors));
    GaussFactors wrongOrder{M({{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}), {0, 1, 2}, true};
    EXPECT_EQ(MessageOf([&] { LuResolve(wrongOrder, b, x, t.context); }),
              Texts().Text(mxmsg::NoGaussFactors));
    GaussFactors zeroDiagonal{M({{1, 0}, {0, 0}}), {0, 1}, true};
    EXPECT_EQ(MessageOf([&] { LuResolve(zeroDiagonal, b, x, t.context); }),
              Texts().Format(mxmsg::LuDiagonalZero, {"2"}));
}

TEST(TridiagonalSolve, SolvesBandAndRefusesOffBandElements) {
    TestContext t;
    CMatrix a = M({{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}});
    CVector b = V({1, 0, 1}), x;
    TridiagonalSolve(a, b, x, t.context);
    ExpectVectorNear(x, V({1, 1, 1}), 1e-18L);

    CMatrix full = M({{2, -1, 7}, {-1, 2, -1}, {0, -1, 2}});
    b = V({1, 0, 1});
    EXPECT_EQ(MessageOf([&] { TridiagonalSolve(full, b, x, t.context); }),
              Texts().Format(mxmsg::NotTridiagonal, {"1", "3"}));

    CMatrix zero = M({{0, 1}, {1, 1}});
    b = V({1, 1});
    EXPECT_EQ(MessageOf([&] { TridiagonalSolve(zero, b, x, t.context); }),
              Texts().Format(mxmsg::DiagonalZero, {"1"}));
}

TEST(TridiagonalSolve, NegligiblePivotIsASingularMatrix) {
    TestContext t;
    // Rank 2 (0.1·(0.35 − 0.05) − 0.2·0.15 = 0); the last pivot comes out
    // as rounding noise.
    CMatrix a = M({{0.1L, 0.2L, 0}, {0.3L, 0.7L, 0.1L}, {0, 0.5L, 0.5L}});
    ASSERT_EQ(Rank(a, t.context), 2);
    CVector b = V({1, 3, 1}), x;
    EXPECT_EQ(MessageOf([&] { TridiagonalSolve(a, b, x, t.context); }),
              Texts().Text(mxmsg::SingularMatrix));
}

}  // namespace
}  // namespace tarvix::test
