// Equations to matrix.
#include "matrix/equations_text.h"

#include <algorithm>
#include <cctype>

namespace tarvix {
namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool StartsName(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}

struct Term {
    std::string Name;
    std::string Coefficient;
};

struct Equation {
    std::vector<Term> Terms;
    std::string Rhs;
};

}  // namespace

EquationsMatrix ParseEquations(const std::vector<std::string>& lines,
                               const MatrixMessageTable& texts) {
    std::vector<Equation> equations;
    std::vector<std::string> names;
    for (const std::string& raw : lines) {
        std::string line = raw.substr(0, raw.find('\''));
        std::erase_if(line, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
        if (line.empty()) continue;
        if (line.find_first_of("*/^();") != std::string::npos)
            throw EMatrixError(texts.Text(mxmsg::EquationExpression));
        const std::size_t eq = line.find('=');
        const std::string left = line.substr(0, eq);
        Equation equation;
        if (eq != std::string::npos) equation.Rhs = line.substr(eq + 1);
        std::string coefficient;
        for (std::size_t i = 0; i < left.size();) {
            if (!StartsName(left[i])) {
                coefficient += left[i++];
                continue;
            }
            const std::size_t end = left.find_first_of("+-", i);
            Term term{left.substr(i, end == std::string::npos ? std::string::npos : end - i),
                      coefficient};
            coefficient.clear();
            if (std::none_of(names.begin(), names.end(),
                             [&](const std::string& n) { return Lower(n) == Lower(term.Name); }))
                names.push_back(term.Name);
            equation.Terms.push_back(std::move(term));
            i = end == std::string::npos ? left.size() : end;
        }
        equations.push_back(std::move(equation));
    }
    if (equations.size() != names.size()) throw EMatrixError(texts.Text(mxmsg::EquationCount));
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    EquationsMatrix result;
    result.Unknowns = names;
    const std::size_t n = names.size();
    result.Coefficients.assign(n, std::vector<std::string>(n));
    for (std::size_t i = 0; i < n; ++i) {
        for (const Term& term : equations[i].Terms) {
            const std::size_t k = static_cast<std::size_t>(
                std::find_if(names.begin(), names.end(),
                             [&](const std::string& s) { return Lower(s) == Lower(term.Name); }) -
                names.begin());
            std::string c = term.Coefficient;
            if (c.empty() || c == "+") c = "1";
            else if (c == "-") c = "-1";
            else if (c.front() == '+') c.erase(0, 1);
            result.Coefficients[i][k] = c;
        }
        result.RightHandSides.push_back(equations[i].Rhs);
    }
    return result;
}

}  // namespace tarvix
