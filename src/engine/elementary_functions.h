// The elementary function library: trigonometric, hyperbolic, logarithmic,
// power, rounding, bit and complex-part functions.
#pragma once

namespace tarvix {

class TParser;

void RegisterElementaryFunctions(TParser& parser);

}  // namespace tarvix
