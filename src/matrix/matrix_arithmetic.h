// Element-wise operations, products and the transformation of elements by a
// function. Every result is a new matrix (the operands stay unchanged) whose
// elements are checked finite.
#pragma once

#include <functional>

#include "matrix/matrix_context.h"
#include "matrix/matrix_types.h"

namespace tarvix {

CMatrix Sum(const CMatrix& l, const CMatrix& r, const MatrixContext& context);         // L + R
CMatrix Difference(const CMatrix& l, const CMatrix& r, const MatrixContext& context);  // L − R
// The scalar multiple s·L, in both domains (the real domain uses the real part of s).
CMatrix ScalarMultiple(const CMatrix& l, const ComplexValue& s, const MatrixContext& context);
// L[i][i]·R[i][j]: the rows of R scaled by the diagonal of a square L.
CMatrix DiagonalLeft(const CMatrix& l, const CMatrix& r, const MatrixContext& context);
// L[i][j]·R[j][j]: the columns of L scaled by the diagonal of a square R.
CMatrix DiagonalRight(const CMatrix& l, const CMatrix& r, const MatrixContext& context);
// X·Y; with firstColumnOnly only column 0 of the result is computed (the
// product with the vector in Y's first column), the others stay 0.
CMatrix Product(const CMatrix& x, const CMatrix& y, const MatrixContext& context,
                bool firstColumnOnly = false);
// f applied to every element that `chosen` (row, column from 0) selects, the
// others copied (trace "x: i j value"); with symmetric the lower triangle is
// finally mirrored into the upper one.
CMatrix Transform(const CMatrix& l, const std::function<ComplexValue(const ComplexValue&)>& f,
                  const std::function<bool(int, int)>& chosen, bool symmetric,
                  const MatrixContext& context);
// The matrix with real parts only in the real domain (the operands as the
// real arithmetic sees them).
CMatrix InDomain(const CMatrix& m, const MatrixContext& context);

}  // namespace tarvix
