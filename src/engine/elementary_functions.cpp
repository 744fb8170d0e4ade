// Registration of the elementary functions: the operator-backed functions and
// every family of the library, each under all of its names.
#include "engine/elementary_functions.h"

#include "engine/functions_families.h"
#include "engine/parser.h"

namespace tarvix {
namespace {

using FamilyAccessor = FunctionFamily (*)();

constexpr FamilyAccessor kFamilies[] = {
    TrigonometricFunctions, InverseTrigonometricFunctions,
    HyperbolicFunctions,    LogarithmPowerFunctions,
    RoundingFunctions,      BitFunctions,
    ComplexPartFunctions,   AccumulatorFunctions,
};

}  // namespace

void RegisterElementaryFunctions(TParser& parser) {
    RegisterOperatorFunctions(parser);
    for (FamilyAccessor family : kFamilies) {
        FunctionFamily f = family();
        for (const FunctionDef& def : f.OneArgument)
            parser.Functions1().Add(def.Name, def.Callback);
        for (const FunctionDef& def : f.TwoArguments)
            parser.Functions2().Add(def.Name, def.Callback);
    }
}

}  // namespace tarvix
