// Linear systems of the worksheet's equations mode: the Gaussian solve with
// LU factors kept for a re-solve, the LU re-solve for a new right-hand side
// and the tridiagonal solver.
#pragma once

#include <vector>

#include "matrix/matrix_context.h"
#include "matrix/matrix_types.h"

namespace tarvix {

// The factors of the last completed solve: P·A = L·U held in one matrix
// (U on and above the diagonal, the multipliers of L below) with the row
// permutation. Valid only after a solve that ran to its end.
struct GaussFactors {
    CMatrix LU;
    std::vector<int> Perm;
    bool Valid = false;

    void Reset() {
        LU.Clear();
        Perm.clear();
        Valid = false;
    }
};

// Solves a·x = b. a is replaced by the factors, b by the forward result
// L⁻¹·P·b. In the real domain (and for a complex system with no imaginary
// part) the real kernel runs on the real parts. Raises the singular-matrix
// message for a pivot within the tolerance that Rank uses (PivotTolerance),
// the engine's arithmetic error for a non-finite result, ComputationStopped
// at a stop request.
void GaussSolve(CMatrix& a, CVector& b, CVector& x, std::vector<int>& perm,
                const MatrixContext& context);

// A new right-hand side with the kept factors: x := U⁻¹·L⁻¹·P·b. Raises
// "Nejdříve je nutno provést výpočet Gaussovou metodou" without valid factors
// of the order of b, and the zero-diagonal message naming the element. (The
// factors of a completed solve have no negligible pivot: the solve refused
// them.)
void LuResolve(const GaussFactors& factors, CVector& b, CVector& x, const MatrixContext& context);

// The tridiagonal system: refuses a matrix with a non-zero element outside
// the three central diagonals (naming it); a zero diagonal element on the way
// gives "Diagonální prvek k je roven nule", a negligible one (or a zero last
// one) the singular-matrix message. a receives its factors (no row
// exchanges; multipliers below the diagonal), b the forward result.
void TridiagonalSolve(CMatrix& a, CVector& b, CVector& x, const MatrixContext& context);

}  // namespace tarvix
