// Registration of the elementary functions.
#include "engine/elementary_functions.h"

#include "engine/parser.h"

namespace tarvix {

void RegisterElementaryFunctions(TParser& parser) { RegisterOperatorFunctions(parser); }

}  // namespace tarvix
