// The generators of the worksheet for tarvix-cli's `--fill KIND[:ARGS]`.
//
// Grammar:  KIND [ ":" ARG { "," ARG } ]
//   KIND  random      random real integers (a zero on the diagonal becomes the row number)
//         complex     random complex integers; needs the complex domain
//         function    values of the calculator's input line, X := column, Y := row
//         band        tridiagonal (band) matrix, plus the right-hand side in the equations mode
//         diagonal    diagonal matrix, plus the right-hand side in the equations mode
//         identity    identity matrix ("1"), plus the right-hand side in the equations mode
//         triangular  upper triangular matrix
//   ARG   area=N      fill area 0..9: 0 all, 1 cursor row, 2 cursor column, 3 diagonal,
//                     4 above the diagonal, 5 upper triangle, 6 below the diagonal,
//                     7 lower triangle, 8 inside the bordered area, 9 outside it
//         content=N   0 empty cells only, 1 non-empty cells only, 2 regardless (default)
//         symmetric   the lower triangle mirrors the upper one afterwards
// Each fill starts from the default settings (area 0, content 2, not
// symmetric); area and content apply to random, complex and function, the
// special matrices always fill the cleared grid. Example: "random:area=4,symmetric".
#pragma once

#include <string>
#include <string_view>

#include "matrix/worksheet.h"
#include "matrix/worksheet_generate.h"

namespace tarvix {

// Applies one fill to the worksheet; false with an English message in
// `error` for an unknown kind, a bad argument or a failed generation.
// `state` holds the random engine (seeded once per program run) and the
// settings, which the fill leaves as they were.
bool ApplyFill(Worksheet& sheet, WorksheetDataState& state, std::string_view kindAndArgs,
               std::string& error);

}  // namespace tarvix
