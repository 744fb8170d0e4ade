// The evaluator: compiling on SetExpression, running the list, the variables.
#include "engine/parser.h"

#include <cmath>

#include "engine/compiler.h"
#include "engine/float_guard.h"
#include "engine/operators.h"
#include "engine/parser_messages.h"
#include "engine/function_library.h"

namespace tarvix {
namespace {
constexpr char kRegisterNames[] = {'A', 'B', 'C', 'D', 'E', 'F', 'X', 'Y'};
constexpr char kEntryOrder[] = {'A', 'B', 'C', 'D', 'E', 'X', 'Y', 'F'};
}  // namespace

TParser::TParser() {
    for (char name : kEntryOrder) {
        variables_.AddExternal(std::string_view(&name, 1), RegisterSlot(std::string_view(&name, 1)));
    }
    RegisterFunctionLibrary(*this);
}

TParser::~TParser() = default;

ComplexValue* TParser::RegisterSlot(std::string_view name) {
    if (name.size() != 1) return nullptr;
    char c = ToUpperAscii(name[0]);
    for (std::size_t i = 0; i < 8; ++i) {
        if (kRegisterNames[i] == c) return &registers_[i];
    }
    return nullptr;
}

void TParser::SetNumericalScope(TNumericalScope scope) {
    scope_ = scope;
    EngineModes.ComplexMode = scope == nsComplex;
}

void TParser::SetAngleUnits(TAngleUnits units) {
    angleUnits_ = units;
    EngineModes.CurrentAngleUnit = units;
}

std::string TParser::RemoveBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ' ') out += c;
    }
    return out;
}

void TParser::SetExpression(std::string_view text) {
    new_.Clear();
    if (text.empty()) {
        used_.Clear();
        list_.reset();
        expression_.clear();
        return;
    }
    std::string prepared;
    prepared.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        prepared += text[i];
        if (text[i] == '(' && i + 1 < text.size() && text[i + 1] == '-') prepared += '0';
    }
    list_.reset();
    expression_ = prepared;
    if (prepared[0] == '+' || prepared[0] == '-') prepared = "0" + prepared;
    CompileInput input;
    input.Variables = &variables_;
    input.UsedVariables = &used_;
    input.NewVariables = &new_;
    input.Functions1 = &functions1_;
    input.Functions2 = &functions2_;
    input.PascalNumberformat = pascalNumberformat_;
    input.AutoRegisterVar = autoRegisterVar_;
    input.NumericalScope = scope_;
    input.NumericalBase = base_;
    input.AngleUnits = angleUnits_;
    input.ImaginaryUnit = EngineModes.ImaginaryUnitChar;
    try {
        list_ = CompileExpression(prepared, input);
        compileError_ = false;
    } catch (const EMathParserError& e) {
        compileError_ = true;
        if (!onParserError_) throw;
        onParserError_(*this, e);
    }
}

ComplexValue TParser::Evaluate() {
    if (!list_) {
        SetLastValue({});
        return {};
    }
    ClearFloatFlags();
    const ComplexValue& slot = list_->Run();
    CheckFloatFlags();
    const long double re = slot.Re;
    if (!std::isfinite(re) || (EngineModes.ComplexMode && !std::isfinite(slot.Im))) {
        CheckFinite({re, EngineModes.ComplexMode ? slot.Im : 0.0L});
    }
    SetLastValue(slot);
    return lastValue_;
}

ComplexValue* TParser::SetVariable(std::string_view name, const ComplexValue& value) {
    ComplexValue* slot = variables_.Find(name);
    if (!slot) {
        if (ComplexValue* reg = RegisterSlot(name)) {
            slot = variables_.AddExternal(name.size() == 1 ? std::string(1, ToUpperAscii(name[0]))
                                                           : std::string(name),
                                          reg);
        } else {
            if (!IsValidIdentifier(name)) Raise<EBadName>(msg::InvalidVarName, {name}, 17);
            slot = variables_.AddOwned(name);
        }
    }
    *slot = value;
    return slot;
}

ComplexValue TParser::GetVariable(std::string_view name) const {
    const ComplexValue* slot = variables_.Find(name);
    return slot ? *slot : ComplexValue{};
}

void TParser::DeleteVariable(std::string_view name) {
    variables_.Remove(name);
    SetExpression("");
}

void TParser::ClearVariables() {
    variables_.Clear();
    SetExpression("");
}

const std::string& TParser::VariableName(int index) const {
    if (index < 0 || index >= VarCount()) Raise<TarvixError>(msg::IndexRangeError);
    return variables_.NameAt(static_cast<std::size_t>(index));
}

void TParser::SetLastValue(const ComplexValue& value) {
    lastValue_ = value;
    EngineModes.LastValue = value;
}

void RegisterOperatorFunctions(TParser& parser) {
    parser.Functions2().Add("POWER", OpRealPower);
    parser.Functions2().Add("INTPOWER", OpIntPower);
    parser.Functions1().Add("SQR", OpSquare);
}

}  // namespace tarvix
