// The algebraic operations on the worksheet's matrices: inverse, determinant,
// minors with subdeterminant and algebraic complement, adjugate and rank.
// All eliminations exchange rows by partial pivoting (the context's choice).
#pragma once

#include "matrix/matrix_context.h"
#include "matrix/matrix_types.h"

namespace tarvix {

// A⁻¹; raises the singular-matrix message when a pivot is negligible (see
// PivotTolerance: the rank is then below the order), or the size message for
// a non-square matrix.
CMatrix Inverse(const CMatrix& a, const MatrixContext& context);
// A⁻¹·B for a square A with as many rows as B (the division operations);
// refuses a singular A as Inverse does.
CMatrix SolveMany(const CMatrix& a, const CMatrix& b, const MatrixContext& context);

// The product of the pivots of the pivoted LU with the permutation's sign;
// 0 when a pivot is exactly zero (a negligible pivot stays in the product).
ComplexValue Determinant(const CMatrix& a, const MatrixContext& context);

// The matrix without row `row` and column `column` (0-based).
CMatrix Minor(const CMatrix& a, int row, int column);
// det of the minor, and that times (−1)^(row+column).
ComplexValue Subdeterminant(const CMatrix& a, int row, int column, const MatrixContext& context);
ComplexValue AlgebraicComplement(const CMatrix& a, int row, int column,
                                 const MatrixContext& context);

// adj(A): det(A)·A⁻¹ for a regular matrix, the transposed cofactors for a
// singular one (a zero determinant or a negligible pivot).
CMatrix Adjugate(const CMatrix& a, const MatrixContext& context);

// Elimination with the largest remaining element as pivot; an element within
// PivotTolerance of the matrix counts as zero.
int Rank(const CMatrix& a, const MatrixContext& context);

// Raises the size message unless a is square.
void RequireSquare(const CMatrix& a, const MatrixContext& context);

}  // namespace tarvix
