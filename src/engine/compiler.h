// CompileExpression: expression text to operation list.
#pragma once

#include <memory>
#include <string_view>

#include "engine/engine_modes.h"
#include "engine/operation_list.h"

namespace tarvix {

class VariableTable;
class NameList;
class FunctionRegistry;

// Deepest tree level below the whole expression, and operation slots per level.
inline constexpr int kMaxNestingLevel = 50;
inline constexpr int kMaxSlotsPerLevel = 100;

struct CompileInput {
    VariableTable* Variables = nullptr;
    NameList* UsedVariables = nullptr;
    NameList* NewVariables = nullptr;
    const FunctionRegistry* Functions1 = nullptr;
    const FunctionRegistry* Functions2 = nullptr;
    bool PascalNumberformat = true;
    bool AutoRegisterVar = true;
    TNumericalScope NumericalScope = nsReal;
    TNumericalBase NumericalBase = nbDec;
    TAngleUnits AngleUnits = auDeg;
    char ImaginaryUnit = 'i';
};

// Compiles a prepared text (see TParser::SetExpression). Raises the engine's
// compile errors; a failed compilation registers no variables.
std::unique_ptr<OperationList> CompileExpression(std::string_view text, const CompileInput& input);

}  // namespace tarvix
