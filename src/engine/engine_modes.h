// Mode enumerations and the process-wide block of the engine's current modes.
#pragma once

#include <cstdint>

#include "engine/complex_value.h"

namespace tarvix {

// Member order is the stored numeric value; do not reorder.
enum TAngleUnits : std::uint8_t { auDeg, auRad, auGrad };
enum TNumericalBase : std::uint8_t { nbDec, nbHex, nbBin, nbOct };
enum TNumericalScope : std::uint8_t { nsReal, nsComplex };

struct EngineModesBlock {
    bool ComplexMode = false;
    TAngleUnits CurrentAngleUnit = auDeg;
    char ImaginaryUnitChar = 'i';
    ComplexValue LastValue{};
};

// Read by every operation callback; set through the evaluators' mode setters.
extern EngineModesBlock EngineModes;

}  // namespace tarvix
