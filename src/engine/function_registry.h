// Registries of the built-in functions: upper-case name to callback, looked up
// without regard to case.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/operation_list.h"

namespace tarvix {

class VariableTable;

// What a binder gets when the compiler meets a call of its function: the
// argument texts and a way to compile a text into an operation list of its own.
class CallBindingScope {
public:
    virtual ~CallBindingScope() = default;
    // Compiles text (a function argument) into a separate operation list that
    // reads the same variables; raises compile errors as usual.
    virtual std::unique_ptr<OperationList> CompileArgument(std::string_view text) = 0;
    // The slot of a variable named in the text, registering it when automatic
    // registration allows; nullptr when there is no such variable.
    virtual ComplexValue* VariableSlot(std::string_view name) = 0;
    virtual const VariableTable& Variables() const = 0;
};

// A function whose arguments are not compiled into the calling list but bound
// by the function itself (the calculus): returns the context of its record.
using CallBinder = std::unique_ptr<CallContext> (*)(CallBindingScope& scope,
                                                    std::string_view arg1,
                                                    std::string_view arg2);

struct FunctionEntry {
    std::string Name;  // upper case
    OperationCallback Callback = nullptr;
    CallBinder Binder = nullptr;
};

class FunctionRegistry {
public:
    // Registers name (stored in upper case); false when the name is taken.
    bool Add(std::string_view name, OperationCallback callback, CallBinder binder = nullptr);
    const FunctionEntry* Find(std::string_view name) const;
    std::size_t Count() const { return entries_.size(); }
    const FunctionEntry& At(std::size_t i) const { return entries_[i]; }

private:
    std::vector<FunctionEntry> entries_;
};

}  // namespace tarvix
