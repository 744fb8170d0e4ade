// The compiled form of an expression: a flat list of operation records run in
// order, each computing one operator or function call into its result slot.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "engine/complex_value.h"

namespace tarvix {

// Numeric values are fixed.
enum OperationKind : std::uint8_t {
    okVariable = 0,
    okConstant = 1,
    okNegate = 2,
    okAdd = 3,
    okSubtract = 4,
    okMultiply = 5,
    okDivide = 6,
    okModulo = 7,
    okIntDivide = 8,
    okIntPower = 9,
    okRealPower = 10,
    okSquare = 11,
    okCube = 12,
    okFourthPower = 13,
    okFunction1 = 14,
    okFunction2 = 15,
};

struct OperationRec;
// Reads Arg1 (and Arg2), writes Dest, reads EngineModes; fails only by raising.
using OperationCallback = void (*)(const OperationRec&);

// Extra data a special function keeps with its record (compiled sub-expressions
// of the calculus, for example). Owned by the operation list.
class CallContext {
public:
    virtual ~CallContext() = default;
};

struct OperationRec {
    ComplexValue* Arg1 = nullptr;
    ComplexValue* Arg2 = nullptr;
    ComplexValue* Dest = nullptr;
    OperationCallback Callback = nullptr;
    CallContext* Context = nullptr;
    OperationKind Kind = okVariable;
};

class OperationList {
public:
    OperationList() = default;
    OperationList(const OperationList&) = delete;
    OperationList& operator=(const OperationList&) = delete;

    // Runs every record from head to tail and returns the result slot. Nothing
    // is allocated while it runs.
    const ComplexValue& Run() const {
        for (const OperationRec& r : records_) r.Callback(r);
        return *result_;
    }

    // A new zeroed (or given) slot owned by the list; its address never changes.
    ComplexValue* NewSlot(ComplexValue init = {}) {
        slots_.push_back(init);
        return &slots_.back();
    }
    CallContext* Own(std::unique_ptr<CallContext> context) {
        contexts_.push_back(std::move(context));
        return contexts_.back().get();
    }

    std::vector<OperationRec>& Records() { return records_; }
    const std::vector<OperationRec>& Records() const { return records_; }
    void SetResult(ComplexValue* slot) { result_ = slot; }
    ComplexValue* Result() const { return result_; }

private:
    std::vector<OperationRec> records_;
    ComplexValue* result_ = nullptr;
    std::deque<ComplexValue> slots_;
    std::vector<std::unique_ptr<CallContext>> contexts_;
};

}  // namespace tarvix
