// LU factorisation with partial pivoting (largest modulus in the column) of a
// real or complex square matrix, in place: P·A = L·U with the multipliers of
// L below the diagonal (unit diagonal implied) and U on and above it.
//
// Without per-element hooks a blocked kernel runs (panel factorisation,
// triangular solve of the block row, rank-k update of the trailing matrix
// with the pivot rows held in cache); with trace or watch on, a plain
// right-looking elimination reports every element it writes.
#pragma once

#include <vector>

#include "matrix/matrix_types.h"
#include "matrix/solve_hooks.h"

namespace tarvix {

enum class Pivoting {
    None,     // rows are never exchanged: a zero pivot fails
    Partial,  // the largest modulus of the column below the diagonal
};

struct LuOutcome {
    int Sign = 1;        // sign of the row permutation
    int ZeroPivot = -1;  // first column without a non-zero pivot (0-based), -1 when none
    // First column whose pivot lies within PivotTolerance of the matrix
    // (0-based; every zero pivot is one), -1 when none.
    int NegligiblePivot = -1;

    // Solvers refuse a factorisation with a negligible pivot: its solution
    // would be rounding noise (the rank is below the order).
    bool Singular() const { return NegligiblePivot >= 0; }
};

// perm receives the original row index of every factor row. A column without
// a non-zero pivot is left as it is and the elimination goes on (the
// determinant, the product of the pivots, is then 0); a negligible non-zero
// pivot is used as it is. Raises ComputationStopped at a stop request.
LuOutcome LuFactor(RealMatrix& a, std::vector<int>& perm, Pivoting pivoting, SolveMonitor& monitor);
LuOutcome LuFactor(CMatrix& a, std::vector<int>& perm, Pivoting pivoting, SolveMonitor& monitor);

// Solves with the factors: x := U⁻¹·L⁻¹·P·b. b is replaced by the forward
// result y = L⁻¹·P·b. The factors must be regular. A monitor with trace on
// gets the lines "Ly: i   y[i]" and "Ux: i   x[i]".
void LuSolve(const RealMatrix& lu, const std::vector<int>& perm, std::vector<long double>& b,
             std::vector<long double>& x, const SolveMonitor* monitor = nullptr);
void LuSolve(const CMatrix& lu, const std::vector<int>& perm, CVector& b, CVector& x,
             const SolveMonitor* monitor = nullptr);

}  // namespace tarvix
