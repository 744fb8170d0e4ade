// What a DERIV or INTEGR record keeps: the compiled function, the slot of the
// calculus variable and the variable table for the reserved names dx, x1, x2.
#pragma once

#include <memory>
#include <string_view>

#include "engine/complex_value.h"
#include "engine/operation_list.h"

namespace tarvix {

class VariableTable;

class CalculusContext : public CallContext {
  public:
    CalculusContext(std::unique_ptr<OperationList> function, ComplexValue* variable,
                    const VariableTable& variables)
        : function_(std::move(function)), variable_(variable), variables_(&variables) {}

    // Sets the calculus variable's real part to x and runs the function once;
    // the real part of its result.
    long double ValueAt(long double x) const {
        variable_->Re = x;
        return function_->Run().Re;
    }
    ComplexValue& Variable() const { return *variable_; }
    // The slot of a variable looked up by name when the record runs; nullptr
    // when there is none.
    ComplexValue* Find(std::string_view name) const;

  private:
    std::unique_ptr<OperationList> function_;
    ComplexValue* variable_;
    const VariableTable* variables_;  // the evaluator's table; outlives the list
};

// Keeps the real part of the calculus variable and puts it back on every exit
// of the scope, an error included.
class MovedVariable {
  public:
    explicit MovedVariable(ComplexValue& slot) : slot_(slot), saved_(slot.Re) {}
    ~MovedVariable() { slot_.Re = saved_; }
    MovedVariable(const MovedVariable&) = delete;
    MovedVariable& operator=(const MovedVariable&) = delete;

    long double Saved() const { return saved_; }

  private:
    ComplexValue& slot_;
    long double saved_;
};

}  // namespace tarvix
