// What every matrix computation needs besides its operands: the monitor of
// hooks, the replaceable texts, the number domain and the pivoting choice.
#pragma once

#include "engine/engine_modes.h"
#include "matrix/lu_factor.h"
#include "matrix/matrix_messages.h"
#include "matrix/solve_hooks.h"

namespace tarvix {

struct MatrixContext {
    SolveMonitor& Monitor;
    const MatrixMessageTable& Texts = BuiltInMatrixMessages();
    TNumericalScope Scope = nsReal;           // real domain: only real parts take part
    Pivoting Pivot = Pivoting::Partial;       // row exchanges of the eliminations

    bool Real() const { return Scope != nsComplex; }
    [[noreturn]] void Fail(std::string_view key, std::initializer_list<std::string_view> args = {},
                           int row = 0, int column = 0) const {
        throw EMatrixError(Texts.Format(key, args), row, column);
    }
};

// Raises the engine's arithmetic error when an element is infinite or not a number.
void CheckFiniteMatrix(const CMatrix& m);
void CheckFiniteVector(const CVector& v);

}  // namespace tarvix
