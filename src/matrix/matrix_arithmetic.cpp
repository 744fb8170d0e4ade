// Element-wise operations, products and transformations.
#include "matrix/matrix_arithmetic.h"

#include "engine/float_guard.h"
#include "matrix/scalar_ops.h"

namespace tarvix {
namespace {

[[noreturn]] void SizeMismatch(const CMatrix& a, const CMatrix& b, const MatrixContext& context) {
    context.Fail(mxmsg::SizeMismatch, {std::to_string(a.Rows()), std::to_string(a.Cols()),
                                       std::to_string(b.Rows()), std::to_string(b.Cols())});
}

void RequireOperands(const CMatrix& l, const CMatrix& r, const MatrixContext& context) {
    if (l.Empty()) context.Fail(mxmsg::SourceNotAllocated);
    if (r.Empty()) context.Fail(mxmsg::TargetNotAllocated);
}

// result(i, j) := f(i, j) over the given size, traced "x: i j value", polled per row.
template <class F>
CMatrix ElementWise(int rows, int cols, const MatrixContext& context, F f) {
    const SolveMonitor& monitor = context.Monitor;
    CMatrix result(rows, cols);
    for (int i = 0; i < rows; ++i) {
        for (int j = 0; j < cols; ++j) {
            ComplexValue v = f(i, j);
            if (context.Real()) v.Im = 0.0L;
            CheckFinite(v);
            result(i, j) = v;
            monitor.TraceElement("x", i + 1, j + 1, v);
        }
        monitor.Row(i);
        monitor.CheckStop();
    }
    return result;
}

}  // namespace

CMatrix InDomain(const CMatrix& m, const MatrixContext& context) {
    if (!context.Real()) return m;
    CMatrix r = m;
    for (int i = 0; i < r.Rows(); ++i)
        for (int j = 0; j < r.Cols(); ++j) r(i, j).Im = 0.0L;
    return r;
}

CMatrix Sum(const CMatrix& l, const CMatrix& r, const MatrixContext& context) {
    RequireOperands(l, r, context);
    if (l.Rows() != r.Rows() || l.Cols() != r.Cols()) SizeMismatch(l, r, context);
    return ElementWise(l.Rows(), l.Cols(), context, [&](int i, int j) { return Add(l(i, j), r(i, j)); });
}

CMatrix Difference(const CMatrix& l, const CMatrix& r, const MatrixContext& context) {
    RequireOperands(l, r, context);
    if (l.Rows() != r.Rows() || l.Cols() != r.Cols()) SizeMismatch(l, r, context);
    return ElementWise(l.Rows(), l.Cols(), context, [&](int i, int j) { return Sub(l(i, j), r(i, j)); });
}

CMatrix ScalarMultiple(const CMatrix& l, const ComplexValue& s, const MatrixContext& context) {
    if (l.Empty()) context.Fail(mxmsg::SourceNotAllocated);
    const ComplexValue factor{s.Re, context.Real() ? 0.0L : s.Im};
    return ElementWise(l.Rows(), l.Cols(), context, [&](int i, int j) { return Mul(factor, l(i, j)); });
}

CMatrix DiagonalLeft(const CMatrix& l, const CMatrix& r, const MatrixContext& context) {
    RequireOperands(l, r, context);
    if (!l.IsSquare() || l.Rows() != r.Rows()) SizeMismatch(l, r, context);
    return ElementWise(r.Rows(), r.Cols(), context, [&](int i, int j) { return Mul(l(i, i), r(i, j)); });
}

CMatrix DiagonalRight(const CMatrix& l, const CMatrix& r, const MatrixContext& context) {
    RequireOperands(l, r, context);
    if (!r.IsSquare() || l.Cols() != r.Rows()) SizeMismatch(l, r, context);
    return ElementWise(l.Rows(), l.Cols(), context, [&](int i, int j) { return Mul(l(i, j), r(j, j)); });
}

CMatrix Product(const CMatrix& x, const CMatrix& y, const MatrixContext& context,
                bool firstColumnOnly) {
    RequireOperands(x, y, context);
    if (x.Cols() != y.Rows()) SizeMismatch(x, y, context);
    const SolveMonitor& monitor = context.Monitor;
    const int rows = x.Rows(), inner = x.Cols(), cols = y.Cols();
    const int computed = firstColumnOnly ? 1 : cols;
    CMatrix result(rows, cols);
    for (int i = 0; i < rows; ++i) {
        ComplexValue* out = result.Row(i);
        if (monitor.Trace()) {
            for (int j = 0; j < computed; ++j)
                for (int k = 0; k < inner; ++k) {
                    MulAdd(out[j], x(i, k), y(k, j));
                    monitor.TraceLine(std::to_string(i + 1) + ": " + std::to_string(j + 1) + " " +
                                      std::to_string(k + 1) + "   " + monitor.Text(out[j]));
                }
        } else {
            // Row of X times Y, walking Y's rows: contiguous memory throughout.
            for (int k = 0; k < inner; ++k) {
                const ComplexValue a = x(i, k);
                if (IsZero(a)) continue;
                const ComplexValue* yk = y.Row(k);
                for (int j = 0; j < computed; ++j) MulAdd(out[j], a, yk[j]);
            }
        }
        for (int j = 0; j < computed; ++j) {
            if (context.Real()) out[j].Im = 0.0L;
            CheckFinite(out[j]);
        }
        monitor.Row(i);
        monitor.CheckStop();
    }
    return result;
}

CMatrix Transform(const CMatrix& l, const std::function<ComplexValue(const ComplexValue&)>& f,
                  const std::function<bool(int, int)>& chosen, bool symmetric,
                  const MatrixContext& context) {
    if (l.Empty()) context.Fail(mxmsg::SourceNotAllocated);
    CMatrix result = ElementWise(l.Rows(), l.Cols(), context, [&](int i, int j) {
        return chosen(i, j) ? f(l(i, j)) : l(i, j);
    });
    if (symmetric)
        for (int i = 0; i < result.Rows(); ++i)
            for (int j = 0; j < i && j < result.Cols() && i < result.Cols(); ++j)
                result(j, i) = result(i, j);
    return result;
}

}  // namespace tarvix
