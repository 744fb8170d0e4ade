// Registration of the calculus and special functions.
#include "engine/calculus.h"

#include "engine/parser.h"

namespace tarvix {

void RegisterCalculusFunctions(TParser&) {}

}  // namespace tarvix
