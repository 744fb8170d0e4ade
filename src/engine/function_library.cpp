// The built-in function library: every registry entry of a new evaluator.
#include "engine/function_library.h"

#include "engine/calculus.h"
#include "engine/elementary_functions.h"

namespace tarvix {

void RegisterFunctionLibrary(TParser& parser) {
    RegisterElementaryFunctions(parser);
    RegisterCalculusFunctions(parser);
}

}  // namespace tarvix
