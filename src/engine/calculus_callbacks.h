// Operation callbacks of the calculus and special functions, and the binder
// that compiles the argument of DERIV and INTEGR into a list of its own.
#pragma once

#include <memory>
#include <string_view>

#include "engine/function_registry.h"
#include "engine/operation_list.h"

namespace tarvix {

// Binds DERIV(f,x) and INTEGR(f,x): f becomes a separate operation list, x must
// name an existing (or automatically registered) variable.
std::unique_ptr<CallContext> BindCalculusCall(CallBindingScope& scope, std::string_view function,
                                              std::string_view variable);

void OpDeriv(const OperationRec& r);
void OpIntegr(const OperationRec& r);
void OpFact(const OperationRec& r);
void OpBinom(const OperationRec& r);
void OpCell(const OperationRec& r);

}  // namespace tarvix
