// Inverse, determinant, minors, adjugate, rank, element-wise operations,
// products and division.
#include "matrix/matrix_algebra.h"
#include "matrix/matrix_arithmetic.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

const MatrixMessageTable& Texts() { return BuiltInMatrixMessages(); }

TEST(Inverse, TableOfCases) {
    TestContext t;
    ExpectMatrixNear(Inverse(M({{2, 1}, {1, 1}}), t.context), M({{1, -1}, {-1, 2}}));
    // Row exchanges make the permutation matrix invertible.
    ExpectMatrixNear(Inverse(M({{0, 1}, {1, 0}}), t.context), M({{0, 1}, {1, 0}}));
    ExpectMatrixNear(Inverse(M({{1, 2}, {3, 4}}), t.context), M({{-2, 1}, {1.5L, -0.5L}}), 1e-18L);
    ExpectMatrixNear(Inverse(M({{4}}), t.context), M({{0.25L}}));
}

TEST(Inverse, SingularAndNonSquareAreRefused) {
    TestContext t;
    EXPECT_EQ(MessageOf([&] { Inverse(M({{1, 2}, {2, 4}}), t.context); }),
              Texts().Text(mxmsg::SingularMatrix));
    EXPECT_EQ(MessageOf([&] { Inverse(M({{1, 2, 3}, {4, 5, 6}}), t.context); }),
              Texts().Format(mxmsg::NotSquare, {"2", "3"}));
}

// Rank 2, but rounded to binary the last pivot is noise, not 0: the inverse
// and the division used to return elements near 1e19.
const CMatrix kDecimalSingular = M({{0.1L, 0.2L, 0.3L}, {0.4L, 0.5L, 0.6L}, {0.7L, 0.8L, 0.9L}});

TEST(Inverse, NegligiblePivotIsASingularMatrixAsForRank) {
    for (TNumericalScope scope : {nsReal, nsComplex}) {
        TestContext t(scope);
        ASSERT_EQ(Rank(kDecimalSingular, t.context), 2);
        EXPECT_EQ(MessageOf([&] { Inverse(kDecimalSingular, t.context); }),
                  Texts().Text(mxmsg::SingularMatrix));
        EXPECT_EQ(MessageOf([&] { SolveMany(kDecimalSingular, M({{1}, {1}, {2}}), t.context); }),
                  Texts().Text(mxmsg::SingularMatrix));
    }
}

TEST(Determinant, StaysTheProductOfThePivotsOfANearlySingularMatrix) {
    TestContext t;
    const ComplexValue d = Determinant(kDecimalSingular, t.context);
    // Not forced to 0: the rounding noise of the last pivot times the others.
    EXPECT_NE(d.Re, 0.0L);
    EXPECT_LT(std::fabs(d.Re), 1e-18L);
    // The adjugate of such a matrix comes from its cofactors, not from the
    // noise of an inverse: (0.5·0.9 − 0.6·0.8) = −0.03 and so on.
    ExpectMatrixNear(Adjugate(kDecimalSingular, t.context),
                     M({{-0.03L, 0.06L, -0.03L}, {0.06L, -0.12L, 0.06L}, {-0.03L, 0.06L, -0.03L}}),
                     1e-17L);
}

TEST(Inverse, ComplexMatrix) {
    TestContext t(nsComplex);
    CMatrix a(1, 1);
    a(0, 0) = {0, 2};  // 1/(2i) = −i/2
    CMatrix expected(1, 1);
    expected(0, 0) = {0, -0.5L};
    ExpectMatrixNear(Inverse(a, t.context), expected);
}

struct DetCase {
    const char* name;
    CMatrix a;
    long double det;
};

class DeterminantCases : public ::testing::TestWithParam<DetCase> {};

TEST_P(DeterminantCases, ProductOfPivotsWithSign) {
    TestContext t;
    const ComplexValue d = Determinant(GetParam().a, t.context);
    EXPECT_NEAR(static_cast<double>(d.Re), static_cast<double>(GetParam().det),
                1e-15 * std::max(1.0, std::fabs(static_cast<double>(GetParam().det))));
    EXPECT_EQ(d.Im, 0.0L);
}

CMatrix Hilbertish(int n) {
    CMatrix a(n, n);
    for (int i = 0; i < n; ++i) a(i, i) = {10, 0};
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Matrices, DeterminantCases,
    ::testing::Values(DetCase{"two", M({{1, 2}, {3, 4}}), -2},
                      DetCase{"sample", M({{2, -3, 4}, {5, 2, -6}, {3, -2, 3}}), 23},
                      // Chió condensation called this one singular.
                      DetCase{"regular_zero_leading_minor", M({{1, 2, 3}, {2, 4, 7}, {1, 1, 1}}), 1},
                      DetCase{"exchange", M({{0, 1}, {1, 0}}), -1},
                      DetCase{"one_by_one", M({{-7}}), -7},
                      DetCase{"singular_is_zero", M({{1, 2}, {2, 4}}), 0},
                      DetCase{"zero_column", M({{0, 1}, {0, 2}}), 0},
                      // Condensation overflowed from order 14 on.
                      DetCase{"order_30", Hilbertish(30), 1e30L}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Determinant, ComplexAndOverflow) {
    TestContext c(nsComplex);
    CMatrix a(2, 2);
    a(0, 0) = {0, 1};
    a(1, 1) = {0, 1};  // i·i = −1
    const ComplexValue d = Determinant(a, c.context);
    EXPECT_NEAR(static_cast<double>(d.Re), -1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(d.Im), 0.0, 1e-18);

    TestContext t;
    CMatrix huge(2, 2);
    huge(0, 0) = {1e3000L, 0};
    huge(1, 1) = {1e3000L, 0};
    EXPECT_THROW(Determinant(huge, t.context), EArithmeticError);
}

TEST(Minors, SubdeterminantAndComplement) {
    TestContext t;
    const CMatrix a = M({{1, 2}, {3, 4}});
    EXPECT_EQ(Subdeterminant(a, 0, 1, t.context).Re, 3);
    EXPECT_EQ(AlgebraicComplement(a, 0, 1, t.context).Re, -3);
    EXPECT_EQ(AlgebraicComplement(a, 1, 1, t.context).Re, 1);
    ExpectMatrixNear(Minor(M({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), 1, 1), M({{1, 3}, {7, 9}}));
    EXPECT_EQ(MessageOf([&] { Subdeterminant(a, 2, 0, t.context); }),
              Texts().Format(mxmsg::CellOutside, {"3", "1"}));
}

TEST(Adjugate, RegularAndSingular) {
    TestContext t;
    ExpectMatrixNear(Adjugate(M({{1, 2}, {3, 4}}), t.context), M({{4, -2}, {-3, 1}}), 1e-17L);
    // Singular: the transposed cofactors.
    ExpectMatrixNear(Adjugate(M({{1, 2}, {2, 4}}), t.context), M({{4, -2}, {-2, 1}}));
    ExpectMatrixNear(Adjugate(M({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}), t.context),
                     M({{-3, 6, -3}, {6, -12, 6}, {-3, 6, -3}}), 1e-15L);
    const CMatrix a = M({{2, -3, 4}, {5, 2, -6}, {3, -2, 3}});
    const CMatrix adj = Adjugate(a, t.context);
    // A·adj(A) = det(A)·I
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            long double s = 0;
            for (int k = 0; k < 3; ++k) s += a(i, k).Re * adj(k, j).Re;
            EXPECT_NEAR(static_cast<double>(s), i == j ? 23.0 : 0.0, 1e-15);
        }
}

TEST(Rank, TableOfCases) {
    TestContext t;
    struct Case {
        CMatrix a;
        int rank;
    };
    const Case cases[] = {
        {M({{1, 2}, {2, 4}}), 1},
        {M({{0, 1}, {0, 2}}), 1},
        {M({{1, 2, 3}, {2, 4, 7}}), 2},
        {M({{0.1L, 0.2L, 0.3L}, {0.4L, 0.5L, 0.6L}, {0.7L, 0.8L, 0.9L}}), 2},
        {M({{2, -3, 4}, {5, 2, -6}, {3, -2, 3}}), 3},
        {M({{0, 0}, {0, 0}}), 0},
        {M({{1}, {2}, {3}}), 1},
    };
    for (const Case& c : cases) EXPECT_EQ(Rank(c.a, t.context), c.rank);
}

TEST(ElementWise, SumDifferenceScalarDiagonals) {
    TestContext t;
    const CMatrix l = M({{1, 2}, {3, 4}});
    const CMatrix r = M({{10, 20}, {30, 40}});
    ExpectMatrixNear(Sum(l, r, t.context), M({{11, 22}, {33, 44}}));
    ExpectMatrixNear(Difference(l, r, t.context), M({{-9, -18}, {-27, -36}}));
    ExpectMatrixNear(ScalarMultiple(l, {2, 0}, t.context), M({{2, 4}, {6, 8}}));
    ExpectMatrixNear(DiagonalLeft(l, r, t.context), M({{10, 20}, {120, 160}}));
    // From the right: the columns of L scaled by the diagonal of R.
    ExpectMatrixNear(DiagonalRight(l, r, t.context), M({{10, 80}, {30, 160}}));
    EXPECT_EQ(MessageOf([&] { Sum(l, M({{1, 2, 3}}), t.context); }),
              Texts().Format(mxmsg::SizeMismatch, {"2", "2", "1", "3"}));

    // The complex domain multiplies too (it used to divide).
    TestContext c(nsComplex);
    ExpectMatrixNear(ScalarMultiple(l, {2, 0}, c.context), M({{2, 4}, {6, 8}}));
    CMatrix expected(2, 2);
    expected(0, 0) = {0, 1};
    expected(0, 1) = {0, 2};
    expected(1, 0) = {0, 3};
    expected(1, 1) = {0, 4};
    ExpectMatrixNear(ScalarMultiple(l, {0, 1}, c.context), expected);
    // The real domain takes the real part of the scalar.
    ExpectMatrixNear(ScalarMultiple(l, {2, 5}, t.context), M({{2, 4}, {6, 8}}));
}

TEST(Products, MatrixVectorSquareAndDivision) {
    TestContext t;
    const CMatrix l = M({{1, 2}, {3, 4}});
    const CMatrix r = M({{5, 6}, {7, 8}});
    ExpectMatrixNear(Product(l, r, t.context), M({{19, 22}, {43, 50}}));
    ExpectMatrixNear(Product(r, l, t.context), M({{23, 34}, {31, 46}}));
    ExpectMatrixNear(Product(l, r, t.context, true), M({{19, 0}, {43, 0}}));
    ExpectMatrixNear(Product(l, l, t.context), M({{7, 10}, {15, 22}}));
    ExpectMatrixNear(Product(M({{1, 2, 3}}), M({{1}, {2}, {3}}), t.context), M({{14}}));
    EXPECT_EQ(MessageOf([&] { Product(l, M({{1, 2, 3}}), t.context); }),
              Texts().Format(mxmsg::SizeMismatch, {"2", "2", "1", "3"}));
    // L⁻¹·R and R⁻¹·L
    const CMatrix lr = SolveMany(l, r, t.context);
    ExpectMatrixNear(Product(l, lr, t.context), r, 1e-17L);
    const CMatrix rl = SolveMany(r, l, t.context);
    ExpectMatrixNear(Product(r, rl, t.context), l, 1e-17L);
    EXPECT_EQ(MessageOf([&] { SolveMany(M({{1, 1}, {1, 1}}), r, t.context); }),
              Texts().Text(mxmsg::SingularMatrix));
}

TEST(Products, TraceNamesRowColumnAndSummationIndex) {
    RecordingHooks hooks;
    hooks.trace = true;
    TestContext t(nsReal, &hooks);
    Product(M({{1, 2}}), M({{3}, {4}}), t.context);
    ASSERT_EQ(hooks.lines.size(), 2u);
    EXPECT_EQ(hooks.lines[0], "1: 1 1   3");
    EXPECT_EQ(hooks.lines[1], "1: 1 2   11");
}

TEST(Transform, AppliesFunctionAndMirrors) {
    TestContext t;
    const auto square = [](const ComplexValue& x) { return ComplexValue{x.Re * x.Re, 0}; };
    const auto all = [](int, int) { return true; };
    ExpectMatrixNear(Transform(M({{1, 2}, {3, 4}}), square, all, false, t.context), M({{1, 4}, {9, 16}}));
    ExpectMatrixNear(Transform(M({{1, 2}, {3, 4}}), square, all, true, t.context), M({{1, 9}, {9, 16}}));
    // Only the chosen elements change; the others are copied.
    const auto upper = [](int i, int j) { return j >= i; };
    ExpectMatrixNear(Transform(M({{1, 2}, {3, 4}}), square, upper, false, t.context), M({{1, 4}, {3, 16}}));
}

}  // namespace
}  // namespace tarvix::test
