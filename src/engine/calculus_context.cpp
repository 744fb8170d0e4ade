// Binding DERIV(f,x) and INTEGR(f,x) at compile time: the function argument is
// compiled into its own list, the second argument must name a variable.
#include "engine/calculus_context.h"

#include "engine/calculus_callbacks.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "engine/variable_table.h"

namespace tarvix {

ComplexValue* CalculusContext::Find(std::string_view name) const {
    return variables_->Find(name);
}

std::unique_ptr<CallContext> BindCalculusCall(CallBindingScope& scope, std::string_view function,
                                              std::string_view variable) {
    if (!IsValidIdentifier(variable)) Raise<EBadName>(msg::InvalidVarName, {variable}, 17);
    ComplexValue* slot = scope.VariableSlot(variable);
    if (!slot) Raise<EBadName>(msg::VarNotRegistered, {variable}, 17);
    return std::make_unique<CalculusContext>(scope.CompileArgument(function), slot,
                                             scope.Variables());
}

}  // namespace tarvix
