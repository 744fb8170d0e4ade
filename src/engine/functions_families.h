// The families of the elementary function library; each is defined in its own
// functions_*.cpp and registered by RegisterElementaryFunctions.
#pragma once

#include "engine/functions_common.h"

namespace tarvix {

// SIN, COS, TG, COTG.
FunctionFamily TrigonometricFunctions();
// ARCSIN, ARCCOS, ARCTG, ARCCOTG.
FunctionFamily InverseTrigonometricFunctions();
// SINH, COSH, TGH, COTGH and their inverses under both names (ARG... and ARC...).
FunctionFamily HyperbolicFunctions();
// EXP, EXP10, LN, LOG, LOG2, SQRT, LOGN.
FunctionFamily LogarithmPowerFunctions();
// FRAC, TRUNC, INT, CEIL, FLOOR, HEAVISIDE, SIGN, ROUND.
FunctionFamily RoundingFunctions();
// NOT, AND, OR, XOR, NOR, SHL, SHR.
FunctionFamily BitFunctions();
// ABS, ARG, RE, IM, CONJUG, ZERO, "1", MAX, MIN, RADIUS, PHASE, ARCTG2, HYPOT.
FunctionFamily ComplexPartFunctions();
// SUM, SQRSUM (built on the last value) and RANDOM.
FunctionFamily AccumulatorFunctions();

}  // namespace tarvix
