// The LU kernels: a blocked one for the fast and the polled run, a plain one
// that reports every element for trace and watch.
#include "matrix/lu_factor.h"

#include <algorithm>
#include <numeric>

#include "matrix/pivot_tolerance.h"
#include "matrix/scalar_ops.h"

namespace tarvix {
namespace {

// Panel width of the blocked kernel: the pivot rows of one block row
// (kBlock × n elements) stay in the second-level cache during the update.
constexpr int kBlock = 32;

// Unrolling of the trailing update over the panel columns: four reals or
// two complex values keep the x87 register stack busy without spilling.
template <class T>
constexpr int kUnroll = std::is_same_v<T, long double> ? 4 : 2;

template <class T>
int FindPivot(const DenseMatrix<T>& a, int k, Pivoting pivoting) {
    if (pivoting == Pivoting::None) return k;
    const int n = a.Rows();
    int p = k;
    long double best = Magnitude(a(k, k));
    for (int i = k + 1; i < n; ++i) {
        const long double m = Magnitude(a(i, k));
        if (m > best) {
            best = m;
            p = i;
        }
    }
    return p;
}

template <class T>
void SwapRows(DenseMatrix<T>& a, std::vector<int>& perm, LuOutcome& out, int p, int k) {
    if (p == k) return;
    std::swap_ranges(a.Row(p), a.Row(p) + a.Cols(), a.Row(k));
    std::swap(perm[p], perm[k]);
    out.Sign = -out.Sign;
}

// Rows r of [from, to) minus the multiples a(r, p) of the pivot rows p in
// [k0, k1), over the columns [c0, c1); unrolled over the pivot rows.
template <class T>
void UpdateRow(DenseMatrix<T>& a, int r, int k0, int k1, int c0, int c1) {
    constexpr int U = kUnroll<T>;
    T* row = a.Row(r);
    int p = k0;
    for (; U > 1 && p + U <= k1; p += U) {
        if constexpr (U == 4) {
            const T l0 = row[p], l1 = row[p + 1], l2 = row[p + 2], l3 = row[p + 3];
            if (IsZero(l0) && IsZero(l1) && IsZero(l2) && IsZero(l3)) continue;
            const T* u0 = a.Row(p);
            const T* u1 = a.Row(p + 1);
            const T* u2 = a.Row(p + 2);
            const T* u3 = a.Row(p + 3);
            for (int j = c0; j < c1; ++j) {
                T acc = row[j];
                MulSub(acc, l0, u0[j]);
                MulSub(acc, l1, u1[j]);
                MulSub(acc, l2, u2[j]);
                MulSub(acc, l3, u3[j]);
                row[j] = acc;
            }
        } else if constexpr (U == 2) {
            const T l0 = row[p], l1 = row[p + 1];
            if (IsZero(l0) && IsZero(l1)) continue;
            const T* u0 = a.Row(p);
            const T* u1 = a.Row(p + 1);
            for (int j = c0; j < c1; ++j) {
                T acc = row[j];
                MulSub(acc, l0, u0[j]);
                MulSub(acc, l1, u1[j]);
                row[j] = acc;
            }
        }
    }
    for (; p < k1; ++p) {
        const T l = row[p];
        if (IsZero(l)) continue;
        const T* u = a.Row(p);
        for (int j = c0; j < c1; ++j) MulSub(row[j], l, u[j]);
    }
}

// Records a zero or negligible pivot of column k; false when the pivot is
// zero (the column has nothing to eliminate with).
template <class T>
bool NotePivot(const T& pivot, int k, long double tolerance, LuOutcome& out) {
    if (out.NegligiblePivot < 0 && IsNegligiblePivot(pivot, tolerance)) out.NegligiblePivot = k;
    if (!IsZero(pivot)) return true;
    if (out.ZeroPivot < 0) out.ZeroPivot = k;
    return false;
}

template <class T, bool Poll>
LuOutcome BlockedLu(DenseMatrix<T>& a, std::vector<int>& perm, Pivoting pivoting,
                    long double tolerance, const SolveMonitor& monitor) {
    const int n = a.Rows();
    LuOutcome out;
    for (int k0 = 0; k0 < n; k0 += kBlock) {
        const int k1 = std::min(n, k0 + kBlock);
        // Panel: columns [k0, k1) of the rows below, pivot rows swapped whole.
        for (int k = k0; k < k1; ++k) {
            SwapRows(a, perm, out, FindPivot(a, k, pivoting), k);
            const T pivot = a(k, k);
            if (!NotePivot(pivot, k, tolerance, out)) continue;
            const T* rk = a.Row(k);
            for (int i = k + 1; i < n; ++i) {
                T* ri = a.Row(i);
                if (IsZero(ri[k])) continue;
                const T m = Div(ri[k], pivot);
                ri[k] = m;
                for (int j = k + 1; j < k1; ++j) MulSub(ri[j], m, rk[j]);
            }
            if constexpr (Poll) {
                monitor.Pass(k + 1);
                monitor.CheckStop();
            }
        }
        if (k1 == n) break;
        // Block row of U: the unit lower triangle of the panel applied to the right part.
        for (int i = k0 + 1; i < k1; ++i) UpdateRow(a, i, k0, i, k1, n);
        // Trailing matrix: minus the panel's multipliers times the block row.
        for (int i = k1; i < n; ++i) {
            UpdateRow(a, i, k0, k1, k1, n);
            if constexpr (Poll) {
                if ((i & 15) == 0) monitor.CheckStop();
            }
        }
        if constexpr (Poll) monitor.Row(k1);
    }
    return out;
}

// One element at a time, each reported: the trace line "pass: row column
// value", the watched cell and the stop poll; the watch question after each pass.
template <class T>
LuOutcome TracedLu(DenseMatrix<T>& a, std::vector<int>& perm, Pivoting pivoting,
                   long double tolerance, SolveMonitor& monitor) {
    const int n = a.Rows();
    LuOutcome out;
    for (int k = 0; k < n; ++k) {
        SwapRows(a, perm, out, FindPivot(a, k, pivoting), k);
        const T pivot = a(k, k);
        if (!NotePivot(pivot, k, tolerance, out)) continue;
        if (k == n - 1) break;
        const T* rk = a.Row(k);
        for (int i = k + 1; i < n; ++i) {
            T* ri = a.Row(i);
            if (IsZero(ri[k])) continue;
            const T m = Div(ri[k], pivot);
            for (int j = k + 1; j < n; ++j) {
                if (IsZero(rk[j])) continue;
                MulSub(ri[j], m, rk[j]);
                monitor.TraceElement(std::to_string(k + 1), i + 1, j + 1, ToComplex(ri[j]));
                monitor.WatchElement(i + 1, j + 1, ToComplex(ri[j]));
                monitor.CheckStop();
            }
            ri[k] = m;
        }
        monitor.Pass(k + 1);
        monitor.EndOfPass();
    }
    return out;
}

template <class T>
LuOutcome Factor(DenseMatrix<T>& a, std::vector<int>& perm, Pivoting pivoting,
                 SolveMonitor& monitor) {
    perm.resize(static_cast<std::size_t>(a.Rows()));
    std::iota(perm.begin(), perm.end(), 0);
    const long double tolerance = PivotTolerance(a);
    if (monitor.PerElement()) return TracedLu(a, perm, pivoting, tolerance, monitor);
    if (monitor.Poll()) return BlockedLu<T, true>(a, perm, pivoting, tolerance, monitor);
    return BlockedLu<T, false>(a, perm, pivoting, tolerance, monitor);
}

template <class T>
void Solve(const DenseMatrix<T>& lu, const std::vector<int>& perm, std::vector<T>& b,
           std::vector<T>& x, const SolveMonitor* monitor) {
    const int n = lu.Rows();
    const bool trace = monitor && monitor->Trace();
    std::vector<T> y(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        T s = b[static_cast<std::size_t>(perm[i])];
        const T* row = lu.Row(i);
        for (int j = 0; j < i; ++j) MulSub(s, row[j], y[j]);
        y[i] = s;
        if (trace) monitor->TraceLine("Ly: " + std::to_string(i + 1) + "   " + monitor->Text(ToComplex(s)));
    }
    b = y;
    x.assign(static_cast<std::size_t>(n), T{});
    for (int i = n - 1; i >= 0; --i) {
        T s = y[i];
        const T* row = lu.Row(i);
        for (int j = i + 1; j < n; ++j) MulSub(s, row[j], x[j]);
        x[i] = Div(s, row[i]);
        if (trace) monitor->TraceLine("Ux: " + std::to_string(i + 1) + "   " + monitor->Text(ToComplex(x[i])));
    }
}

}  // namespace

LuOutcome LuFactor(RealMatrix& a, std::vector<int>& perm, Pivoting pivoting, SolveMonitor& monitor) {
    return Factor(a, perm, pivoting, monitor);
}

LuOutcome LuFactor(CMatrix& a, std::vector<int>& perm, Pivoting pivoting, SolveMonitor& monitor) {
    return Factor(a, perm, pivoting, monitor);
}

void LuSolve(const RealMatrix& lu, const std::vector<int>& perm, std::vector<long double>& b,
             std::vector<long double>& x, const SolveMonitor* monitor) {
    Solve(lu, perm, b, x, monitor);
}

void LuSolve(const CMatrix& lu, const std::vector<int>& perm, CVector& b, CVector& x,
             const SolveMonitor* monitor) {
    Solve(lu, perm, b, x, monitor);
}

}  // namespace tarvix
