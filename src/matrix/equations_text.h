// The equations editor's text as an augmented matrix: lines such as
// "2a - 3b + 4c = 1" become coefficient rows over the unknowns sorted by
// name, with the text after "=" as the right-hand side.
#pragma once

#include <string>
#include <vector>

#include "matrix/matrix_messages.h"

namespace tarvix {

struct EquationsMatrix {
    std::vector<std::string> Unknowns;                  // sorted without regard to case
    std::vector<std::vector<std::string>> Coefficients; // n × n cell texts ("" where absent)
    std::vector<std::string> RightHandSides;            // the text after "=" per equation
};

// Comments run from "'" to the end of a line; blanks and tabs are dropped;
// empty lines are skipped. A product, quotient, power, bracket or ";" raises
// "Výraz v rovnicích nelze použít"; as many equations as unknowns are needed,
// else "Počet rovnic se liší od počtu neznámých". A coefficient written as
// nothing or "+" is "1", "-" is "-1"; a later term of the same unknown wins.
EquationsMatrix ParseEquations(const std::vector<std::string>& lines,
                               const MatrixMessageTable& texts);

}  // namespace tarvix
