// Reading and solving the linear systems of EQU blocks.
#include "tasks/equation_system.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

bool StartsName(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

struct Term {
    std::string Coefficient;
    std::string Name;
};

// The terms left of "=" and the text right of it; nothing when the equation
// has no constant-free form.
struct SplitEquation {
    std::vector<Term> Terms;
    std::string Right;
};

EquationFault Split(std::string_view equation, SplitEquation& out) {
    if (equation.find_first_of("*/^();") != std::string_view::npos)
        return EquationFault::Expression;
    const std::size_t equals = equation.find('=');
    if (equals == std::string_view::npos) return EquationFault::WithoutEquals;
    out.Right = equation.substr(equals + 1);
    if (out.Right.empty() || out.Right.find('=') != std::string::npos)
        return EquationFault::Expression;

    Term term;
    bool inName = false;
    for (char c : equation.substr(0, equals)) {
        if (inName && (c == '+' || c == '-')) {
            out.Terms.push_back(std::move(term));
            term = Term{};
            inName = false;
        }
        if (inName || StartsName(c)) {
            inName = true;
            term.Name += c;
        } else {
            term.Coefficient += c;
        }
    }
    // A term without a name (a constant such as the 4 in 2x+4=6) has no column.
    if (!inName) return EquationFault::Expression;
    out.Terms.push_back(std::move(term));
    return EquationFault::None;
}

long double CoefficientValue(const std::string& text,
                             const std::function<long double(std::string_view)>& parseValue) {
    if (text.empty() || text == "+") return 1.0L;
    if (text == "-") return -1.0L;
    std::string_view value = text;
    if (value.front() == '+') value.remove_prefix(1);
    return parseValue(value);
}

}  // namespace

EquationRead ReadEquations(const std::vector<std::string>& equations,
                           const std::function<long double(std::string_view)>& parseValue) {
    EquationRead read;
    std::vector<SplitEquation> split(equations.size());
    NameList unknowns;
    for (std::size_t i = 0; i < equations.size(); ++i) {
        const EquationFault fault = Split(equations[i], split[i]);
        if (fault != EquationFault::None) {
            read.Fault = fault;
            read.FaultEquation = equations[i];
            return read;
        }
        for (const Term& term : split[i].Terms) unknowns.Add(term.Name);
    }
    if (unknowns.Count() != equations.size()) {
        read.Fault = EquationFault::Count;
        return read;
    }
    LinearSystem& system = read.System;
    system.Unknowns = unknowns.Names();
    const std::size_t n = equations.size();
    system.Matrix.assign(n, std::vector<long double>(n, 0.0L));
    system.RightSide.assign(n, 0.0L);
    for (std::size_t i = 0; i < n; ++i) {
        for (const Term& term : split[i].Terms) {
            std::size_t column = 0;
            while (!EqualsNoCase(system.Unknowns[column], term.Name)) ++column;
            system.Matrix[i][column] += CoefficientValue(term.Coefficient, parseValue);
        }
        system.RightSide[i] = parseValue(split[i].Right);
    }
    return read;
}

std::optional<std::vector<long double>> SolveLinearSystem(const LinearSystem& system) {
    std::vector<std::vector<long double>> a = system.Matrix;
    std::vector<long double> b = system.RightSide;
    const std::size_t n = b.size();
    long double scale = 0.0L;
    for (const auto& row : a) {
        for (long double v : row) scale = std::max(scale, std::fabs(v));
    }
    // A pivot this small against the largest coefficient is rounding noise:
    // the matrix is singular.
    const long double tolerance = scale * static_cast<long double>(n) * 16.0L * LDBL_EPSILON;
    if (scale == 0.0L) return std::nullopt;

    for (std::size_t k = 0; k < n; ++k) {
        std::size_t pivot = k;
        for (std::size_t r = k + 1; r < n; ++r) {
            if (std::fabs(a[r][k]) > std::fabs(a[pivot][k])) pivot = r;
        }
        if (std::fabs(a[pivot][k]) <= tolerance) return std::nullopt;
        std::swap(a[k], a[pivot]);
        std::swap(b[k], b[pivot]);
        for (std::size_t r = k + 1; r < n; ++r) {
            const long double factor = a[r][k] / a[k][k];
            if (factor == 0.0L) continue;
            for (std::size_t c = k; c < n; ++c) a[r][c] -= factor * a[k][c];
            b[r] -= factor * b[k];
        }
    }
    std::vector<long double> x(n, 0.0L);
    for (std::size_t d = n; d-- > 0;) {
        long double s = b[d];
        for (std::size_t c = d + 1; c < n; ++c) s -= a[d][c] * x[c];
        x[d] = s / a[d][d];
    }
    return x;
}

}  // namespace tarvix
