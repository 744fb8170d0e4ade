// Conversions between the complex and the real matrices.
#include "matrix/matrix_types.h"

#include <algorithm>

namespace tarvix {

bool IsRealMatrix(const CMatrix& m) {
    const ComplexValue* p = m.Data();
    return std::all_of(p, p + static_cast<std::size_t>(m.Rows()) * m.Cols(),
                       [](const ComplexValue& v) { return v.Im == 0.0L; });
}

RealMatrix RealPart(const CMatrix& m) {
    RealMatrix r(m.Rows(), m.Cols());
    for (int i = 0; i < m.Rows(); ++i)
        for (int j = 0; j < m.Cols(); ++j) r(i, j) = m(i, j).Re;
    return r;
}

CMatrix FromReal(const RealMatrix& m) {
    CMatrix c(m.Rows(), m.Cols());
    for (int i = 0; i < m.Rows(); ++i)
        for (int j = 0; j < m.Cols(); ++j) c(i, j).Re = m(i, j);
    return c;
}

}  // namespace tarvix
