// The Gaussian, LU re-solve and tridiagonal solvers.
#include "matrix/gauss_solver.h"

#include <algorithm>
#include <numeric>

#include "engine/float_guard.h"
#include "matrix/pivot_tolerance.h"
#include "matrix/scalar_ops.h"

namespace tarvix {

void CheckFiniteMatrix(const CMatrix& m) {
    const ComplexValue* p = m.Data();
    const std::size_t count = static_cast<std::size_t>(m.Rows()) * m.Cols();
    for (std::size_t i = 0; i < count; ++i) CheckFinite(p[i]);
}

void CheckFiniteVector(const CVector& v) {
    for (const ComplexValue& z : v) CheckFinite(z);
}

namespace {

void CheckOperands(const CMatrix& a, const CVector& b, const MatrixContext& context) {
    if (a.Empty()) context.Fail(mxmsg::SourceNotAllocated);
    if (static_cast<int>(b.size()) != a.Rows()) context.Fail(mxmsg::RhsNotAllocated);
    if (!a.IsSquare())
        context.Fail(mxmsg::NotSquare, {std::to_string(a.Rows()), std::to_string(a.Cols())});
}

bool IsRealVector(const CVector& v) {
    return std::all_of(v.begin(), v.end(), [](const ComplexValue& z) { return z.Im == 0.0L; });
}

void CheckRegularDiagonal(const CMatrix& lu) {
    for (int i = 0; i < lu.Rows(); ++i) CheckFinite(lu(i, i));
}

}  // namespace

void GaussSolve(CMatrix& a, CVector& b, CVector& x, std::vector<int>& perm,
                const MatrixContext& context) {
    CheckOperands(a, b, context);
    const int n = a.Rows();
    x.assign(static_cast<std::size_t>(n), ComplexValue{});
    if (context.Real() || (IsRealMatrix(a) && IsRealVector(b))) {
        RealMatrix r = RealPart(a);
        const LuOutcome outcome = LuFactor(r, perm, context.Pivot, context.Monitor);
        a = FromReal(r);
        if (outcome.Singular()) context.Fail(mxmsg::SingularMatrix);
        CheckRegularDiagonal(a);
        std::vector<long double> rb(static_cast<std::size_t>(n)), rx;
        for (int i = 0; i < n; ++i) rb[i] = b[i].Re;
        LuSolve(r, perm, rb, rx);
        for (int i = 0; i < n; ++i) {
            b[i] = {rb[i], 0.0L};
            x[i] = {rx[i], 0.0L};
        }
    } else {
        const LuOutcome outcome = LuFactor(a, perm, context.Pivot, context.Monitor);
        if (outcome.Singular()) context.Fail(mxmsg::SingularMatrix);
        CheckRegularDiagonal(a);
        LuSolve(a, perm, b, x);
    }
    CheckFiniteVector(x);
}

void LuResolve(const GaussFactors& factors, CVector& b, CVector& x, const MatrixContext& context) {
    const int n = factors.LU.Rows();
    if (!factors.Valid || n == 0 || static_cast<int>(b.size()) != n)
        context.Fail(mxmsg::NoGaussFactors);
    for (int i = 0; i < n; ++i)
        if (IsZero(factors.LU(i, i))) context.Fail(mxmsg::LuDiagonalZero, {std::to_string(i + 1)});
    if (context.Real())
        for (ComplexValue& z : b) z.Im = 0.0L;
    context.Monitor.TraceLine("P:   I   V[i]");
    context.Monitor.TraceLine("==========");
    LuSolve(factors.LU, factors.Perm, b, x, &context.Monitor);
    context.Monitor.TraceLine("");
    CheckFiniteVector(x);
}

void TridiagonalSolve(CMatrix& a, CVector& b, CVector& x, const MatrixContext& context) {
    CheckOperands(a, b, context);
    const int n = a.Rows();
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if ((j < i - 1 || j > i + 1) && !IsZero(a(i, j)))
                context.Fail(mxmsg::NotTridiagonal, {std::to_string(i + 1), std::to_string(j + 1)});
    if (context.Real()) {
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) a(i, j).Im = 0.0L;
            b[i].Im = 0.0L;
        }
    }
    const SolveMonitor& monitor = context.Monitor;
    const long double tolerance = PivotTolerance(a);
    // An exact zero on the diagonal is named; a negligible one makes the
    // system singular as in the Gaussian solve.
    auto checkPivot = [&](int g) {
        if (g + 1 < n && IsZero(a(g, g))) context.Fail(mxmsg::DiagonalZero, {std::to_string(g + 1)});
        if (IsNegligiblePivot(a(g, g), tolerance)) context.Fail(mxmsg::SingularMatrix);
    };
    for (int k = 1; k < n; ++k) {
        const int g = k - 1;
        checkPivot(g);
        if (!IsZero(a(k, g))) {
            const ComplexValue m = Div(a(k, g), a(g, g));
            MulSub(a(k, k), m, a(g, k));
            MulSub(b[k], m, b[g]);
            a(k, g) = m;
            monitor.TraceElement("1", k + 1, k + 1, a(k, k));
            monitor.WatchElement(k + 1, k + 1, a(k, k));
        }
        monitor.Pass(k);
        monitor.CheckStop();
    }
    x.assign(static_cast<std::size_t>(n), ComplexValue{});
    for (int i = n - 1; i >= 0; --i) {
        ComplexValue s = b[i];
        if (i + 1 < n) MulSub(s, a(i, i + 1), x[i + 1]);
        if (i == n - 1) checkPivot(i);
        x[i] = Div(s, a(i, i));
    }
    CheckFiniteVector(x);
}

}  // namespace tarvix
