// Registration of the calculus and special functions into an evaluator's
// registries.
#include "engine/calculus.h"

#include "engine/calculus_callbacks.h"
#include "engine/parser.h"

namespace tarvix {
namespace {

struct CalculusEntry {
    int Arguments;  // which registry: one- or two-argument functions
    const char* Name;
    OperationCallback Callback;
    CallBinder Binder;
};

constexpr CalculusEntry kCalculusFunctions[] = {
    {1, "FACT", OpFact, nullptr},
    {2, "CELL", OpCell, nullptr},
    {2, "DERIV", OpDeriv, BindCalculusCall},
    {2, "INTEGR", OpIntegr, BindCalculusCall},
    {2, "BINOM", OpBinom, nullptr},
};

}  // namespace

void RegisterCalculusFunctions(TParser& parser) {
    for (const CalculusEntry& e : kCalculusFunctions) {
        FunctionRegistry& registry = e.Arguments == 1 ? parser.Functions1() : parser.Functions2();
        registry.Add(e.Name, e.Callback, e.Binder);
    }
}

}  // namespace tarvix
