// Registration of the built-in function library into an evaluator's registries.
#pragma once

namespace tarvix {

class TParser;

// Fills both registries of a new evaluator with every built-in function.
void RegisterFunctionLibrary(TParser& parser);

}  // namespace tarvix
