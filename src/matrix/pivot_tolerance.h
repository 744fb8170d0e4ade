// The relative tolerance below which a pivot of an elimination counts as
// zero. Rank and every solver share it, so a matrix whose rank is below its
// order is refused as singular instead of giving a solution of rounding noise.
#pragma once

#include <algorithm>
#include <cfloat>

#include "matrix/matrix_types.h"
#include "matrix/scalar_ops.h"

namespace tarvix {

// max(rows, columns)·ε·max|a(i, j)| with ε of the 80-bit type and the pivot
// measure of the eliminations (|re| + |im| for a complex element). A zero
// matrix gives 0: only exact zeros count then.
template <class T>
long double PivotTolerance(const DenseMatrix<T>& a) {
    long double largest = 0.0L;
    const T* p = a.Data();
    const std::size_t count = static_cast<std::size_t>(a.Rows()) * static_cast<std::size_t>(a.Cols());
    for (std::size_t i = 0; i < count; ++i) largest = std::max(largest, Magnitude(p[i]));
    return static_cast<long double>(std::max(a.Rows(), a.Cols())) * LDBL_EPSILON * largest;
}

// A pivot within the tolerance: the elimination cannot divide by it reliably.
template <class T>
bool IsNegligiblePivot(const T& pivot, long double tolerance) {
    return Magnitude(pivot) <= tolerance;
}

}  // namespace tarvix
