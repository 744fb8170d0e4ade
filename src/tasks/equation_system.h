// Systems of linear equations written in a task between EQU and END: the
// equations read into a coefficient matrix over the sorted unknowns, and
// their solution by Gaussian elimination with partial pivoting in extended
// precision.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

struct LinearSystem {
    std::vector<std::string> Unknowns;             // sorted without regard to case
    std::vector<std::vector<long double>> Matrix;  // one row per equation
    std::vector<long double> RightSide;
};

enum class EquationFault : std::uint8_t {
    None,
    Expression,     // "*", "/", "^", "(", ")", ";", a second "=", a constant term on the left
    WithoutEquals,  // an equation without "="
    Count,          // the equations are not as many as the unknowns
};

struct EquationRead {
    LinearSystem System;
    EquationFault Fault = EquationFault::None;
    std::string FaultEquation;  // the equation at fault
};

// Reads equations (blanks already removed) such as "2a+3b-c=5" or
// "2,5x-y=0,5": each term is an optional sign, an optional coefficient and
// the name of an unknown (a letter or "_" and everything up to the next "+",
// "-" or "="); the right side is a value. An unknown written twice in one
// equation adds its coefficients. `parseValue` converts coefficient and
// right-side texts (decimal comma accepted) and may raise.
EquationRead ReadEquations(const std::vector<std::string>& equations,
                           const std::function<long double(std::string_view)>& parseValue);

// The solution of Matrix · x = RightSide; nothing when the matrix is
// singular (a pivot below the relative tolerance).
std::optional<std::vector<long double>> SolveLinearSystem(const LinearSystem& system);

}  // namespace tarvix
