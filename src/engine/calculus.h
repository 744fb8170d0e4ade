// Calculus and special functions: DERIV, INTEGR, FACT, BINOM and CELL.
#pragma once

namespace tarvix {

class TParser;

void RegisterCalculusFunctions(TParser& parser);

}  // namespace tarvix
