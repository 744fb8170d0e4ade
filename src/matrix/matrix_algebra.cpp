// Inverse, determinant, minors, adjugate and rank.
#include "matrix/matrix_algebra.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "engine/float_guard.h"
#include "matrix/lu_factor.h"
#include "matrix/pivot_tolerance.h"
#include "matrix/scalar_ops.h"

namespace tarvix {
namespace {

// Solves the factored system for each column of b into the columns of the result.
template <class T>
DenseMatrix<T> SolveColumns(const DenseMatrix<T>& lu, const std::vector<int>& perm,
                            const DenseMatrix<T>& b, const MatrixContext& context) {
    const int n = lu.Rows();
    DenseMatrix<T> result(n, b.Cols());
    std::vector<T> column(static_cast<std::size_t>(n)), x;
    for (int j = 0; j < b.Cols(); ++j) {
        for (int i = 0; i < n; ++i) column[i] = b(i, j);
        LuSolve(lu, perm, column, x);
        for (int i = 0; i < n; ++i) result(i, j) = x[i];
        context.Monitor.Row(j);
        context.Monitor.CheckStop();
    }
    return result;
}

// Factors a copy of a (real kernel when real) and solves for b's columns;
// nothing when a pivot is negligible (the matrix is singular).
std::optional<CMatrix> FactorAndSolve(const CMatrix& a, const CMatrix& b,
                                      const MatrixContext& context) {
    std::vector<int> perm;
    if (context.Real() || (IsRealMatrix(a) && IsRealMatrix(b))) {
        RealMatrix lu = RealPart(a);
        if (LuFactor(lu, perm, context.Pivot, context.Monitor).Singular()) return std::nullopt;
        return FromReal(SolveColumns(lu, perm, RealPart(b), context));
    }
    CMatrix lu = a;
    if (LuFactor(lu, perm, context.Pivot, context.Monitor).Singular()) return std::nullopt;
    return SolveColumns(lu, perm, b, context);
}

// The inverse, or nothing for a singular matrix.
std::optional<CMatrix> InverseOf(const CMatrix& a, const MatrixContext& context) {
    std::optional<CMatrix> result = FactorAndSolve(a, CMatrix::Identity(a.Rows()), context);
    if (!result) return result;
    context.Monitor.TraceLine("==========");
    if (context.Monitor.Trace()) {
        for (int i = 0; i < result->Rows(); ++i)
            for (int j = 0; j < result->Cols(); ++j)
                context.Monitor.TraceElement(std::to_string(a.Rows()), i + 1, j + 1, (*result)(i, j));
    }
    CheckFiniteMatrix(*result);
    return result;
}

}  // namespace

void RequireSquare(const CMatrix& a, const MatrixContext& context) {
    if (a.Empty()) context.Fail(mxmsg::SourceNotAllocated);
    if (!a.IsSquare())
        context.Fail(mxmsg::NotSquare, {std::to_string(a.Rows()), std::to_string(a.Cols())});
}

CMatrix Inverse(const CMatrix& a, const MatrixContext& context) {
    RequireSquare(a, context);
    std::optional<CMatrix> result = InverseOf(a, context);
    if (!result) context.Fail(mxmsg::SingularMatrix);
    return std::move(*result);
}

CMatrix SolveMany(const CMatrix& a, const CMatrix& b, const MatrixContext& context) {
    RequireSquare(a, context);
    if (b.Empty()) context.Fail(mxmsg::TargetNotAllocated);
    if (b.Rows() != a.Cols())
        context.Fail(mxmsg::SizeMismatch, {std::to_string(a.Rows()), std::to_string(a.Cols()),
                                           std::to_string(b.Rows()), std::to_string(b.Cols())});
    std::optional<CMatrix> result = FactorAndSolve(a, b, context);
    if (!result) context.Fail(mxmsg::SingularMatrix);
    CheckFiniteMatrix(*result);
    return std::move(*result);
}

ComplexValue Determinant(const CMatrix& a, const MatrixContext& context) {
    RequireSquare(a, context);
    std::vector<int> perm;
    ComplexValue det{1.0L, 0.0L};
    if (context.Real() || IsRealMatrix(a)) {
        RealMatrix lu = RealPart(a);
        const LuOutcome outcome = LuFactor(lu, perm, Pivoting::Partial, context.Monitor);
        if (outcome.ZeroPivot >= 0) return {};
        long double d = outcome.Sign;
        for (int i = 0; i < lu.Rows(); ++i) d *= lu(i, i);
        det = {d, 0.0L};
    } else {
        CMatrix lu = a;
        const LuOutcome outcome = LuFactor(lu, perm, Pivoting::Partial, context.Monitor);
        if (outcome.ZeroPivot >= 0) return {};
        det = {static_cast<long double>(outcome.Sign), 0.0L};
        for (int i = 0; i < lu.Rows(); ++i) det = Mul(det, lu(i, i));
    }
    CheckFinite(det);
    if (det.Re == 0.0L) det.Re = 0.0L;  // no negative zero
    return det;
}

CMatrix Minor(const CMatrix& a, int row, int column) {
    CMatrix m(a.Rows() - 1, a.Cols() - 1);
    for (int i = 0, mi = 0; i < a.Rows(); ++i) {
        if (i == row) continue;
        for (int j = 0, mj = 0; j < a.Cols(); ++j) {
            if (j == column) continue;
            m(mi, mj++) = a(i, j);
        }
        ++mi;
    }
    return m;
}

ComplexValue Subdeterminant(const CMatrix& a, int row, int column, const MatrixContext& context) {
    RequireSquare(a, context);
    if (row < 0 || row >= a.Rows() || column < 0 || column >= a.Cols())
        context.Fail(mxmsg::CellOutside, {std::to_string(row + 1), std::to_string(column + 1)});
    if (a.Rows() == 1) return {1.0L, 0.0L};  // the empty minor
    return Determinant(Minor(a, row, column), context);
}

ComplexValue AlgebraicComplement(const CMatrix& a, int row, int column,
                                 const MatrixContext& context) {
    ComplexValue d = Subdeterminant(a, row, column, context);
    if ((row + column) % 2 != 0 && !IsZero(d)) d = {-d.Re, -d.Im};
    return d;
}

CMatrix Adjugate(const CMatrix& a, const MatrixContext& context) {
    RequireSquare(a, context);
    const int n = a.Rows();
    if (n == 1) return CMatrix::Identity(1);
    const ComplexValue det = Determinant(a, context);
    // det(A)·A⁻¹ while A is regular; a singular A (a negligible pivot) has
    // no usable inverse, its adjugate comes from the cofactors.
    std::optional<CMatrix> inverse;
    if (!IsZero(det)) inverse = InverseOf(a, context);
    CMatrix adj(n, n);
    if (inverse) {
        adj = std::move(*inverse);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) adj(i, j) = Mul(det, adj(i, j));
    } else {
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                adj(i, j) = AlgebraicComplement(a, j, i, context);
                context.Monitor.TraceElement("x", i + 1, j + 1, adj(i, j));
            }
            context.Monitor.Row(i);
            context.Monitor.CheckStop();
        }
    }
    CheckFiniteMatrix(adj);
    return adj;
}

int Rank(const CMatrix& a, const MatrixContext& context) {
    if (a.Empty()) context.Fail(mxmsg::SourceNotAllocated);
    CMatrix w = a;
    const int m = w.Rows(), c = w.Cols();
    if (context.Real())
        for (int i = 0; i < m; ++i)
            for (int j = 0; j < c; ++j) w(i, j).Im = 0.0L;
    const long double tolerance = PivotTolerance(w);
    const SolveMonitor& monitor = context.Monitor;
    int rank = 0;
    for (int k = 0; k < std::min(m, c); ++k) {
        int p = k, q = k;
        long double best = -1.0L;
        for (int i = k; i < m; ++i)
            for (int j = k; j < c; ++j)
                if (Magnitude(w(i, j)) > best) {
                    best = Magnitude(w(i, j));
                    p = i;
                    q = j;
                }
        if (IsNegligiblePivot(w(p, q), tolerance)) break;
        if (p != k) std::swap_ranges(w.Row(p), w.Row(p) + c, w.Row(k));
        if (q != k)
            for (int i = 0; i < m; ++i) std::swap(w(i, q), w(i, k));
        ++rank;
        for (int i = k + 1; i < m; ++i) {
            const ComplexValue f = Div(w(i, k), w(k, k));
            for (int j = k + 1; j < c; ++j) {
                MulSub(w(i, j), f, w(k, j));
                if (monitor.Trace())
                    monitor.TraceLine(std::to_string(k + 1) + ": " + std::to_string(i + 1) + " " +
                                      std::to_string(j + 1) + "   " + monitor.Text(w(i, j)) + "   ");
            }
            w(i, k) = {};
        }
        monitor.Pass(k + 1);
        monitor.CheckStop();
    }
    return rank;
}

}  // namespace tarvix
