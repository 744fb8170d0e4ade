// The worksheet's numeric containers: dense row-major matrices of complex
// values (`CMatrix`) and of reals (`RealMatrix`, the real fast path), the
// vector `CVector` and the list of matrices `TMatrices`.
#pragma once

#include <cstddef>
#include <type_traits>
#include <vector>

#include "engine/complex_value.h"

namespace tarvix {

using CVector = std::vector<ComplexValue>;

// A rows × columns matrix stored row by row in one block, so that the solvers
// walk contiguous memory. Indices are 0-based; new elements are zero.
template <class T>
class DenseMatrix {
public:
    DenseMatrix() = default;
    DenseMatrix(int rows, int cols) { Resize(rows, cols); }

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    bool Empty() const { return rows_ == 0 || cols_ == 0; }
    bool IsSquare() const { return rows_ == cols_; }

    T& operator()(int i, int j) { return data_[Index(i, j)]; }
    const T& operator()(int i, int j) const { return data_[Index(i, j)]; }
    T* Row(int i) { return data_.data() + Index(i, 0); }
    const T* Row(int i) const { return data_.data() + Index(i, 0); }
    T* Data() { return data_.data(); }
    const T* Data() const { return data_.data(); }

    // A new size with every element zero.
    void Resize(int rows, int cols) {
        rows_ = rows;
        cols_ = cols;
        data_.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), T{});
    }
    void Clear() { Resize(0, 0); }

    static DenseMatrix Identity(int n) {
        DenseMatrix m(n, n);
        for (int i = 0; i < n; ++i) m(i, i) = One();
        return m;
    }

    friend bool operator==(const DenseMatrix&, const DenseMatrix&) = default;

private:
    static T One() {
        if constexpr (std::is_same_v<T, ComplexValue>)
            return ComplexValue{1.0L, 0.0L};
        else
            return T{1};
    }
    std::size_t Index(int i, int j) const {
        return static_cast<std::size_t>(i) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(j);
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<T> data_;
};

using CMatrix = DenseMatrix<ComplexValue>;
using RealMatrix = DenseMatrix<long double>;
using TMatrices = std::vector<CMatrix>;

// True when every imaginary part is zero.
bool IsRealMatrix(const CMatrix& m);
RealMatrix RealPart(const CMatrix& m);
CMatrix FromReal(const RealMatrix& m);

}  // namespace tarvix
