// TParser, the evaluator: symbol table with the eight registers, the function
// registries, the compiled expression and the last result.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/complex_value.h"
#include "engine/engine_modes.h"
#include "engine/function_registry.h"
#include "engine/name_utils.h"
#include "engine/operation_list.h"
#include "engine/parser_errors.h"
#include "engine/variable_table.h"

namespace tarvix {

class TParser;
using TParserExceptionEvent = std::function<void(TParser& sender, const EMathParserError& e)>;

class TParser {
public:
    TParser();
    ~TParser();
    TParser(const TParser&) = delete;
    TParser& operator=(const TParser&) = delete;

    // Setting the expression compiles it ("(-" becomes "(0-", a leading sign
    // gets a "0" in front for compilation).
    void SetExpression(std::string_view text);
    const std::string& Expression() const { return expression_; }

    // Runs the compiled list once. Arithmetic faults (overflow, invalid
    // operation, division by zero) raise EArithmeticError.
    ComplexValue Evaluate();

    ComplexValue* SetVariable(std::string_view name, const ComplexValue& value);
    ComplexValue GetVariable(std::string_view name) const;
    ComplexValue* VariableAddress(std::string_view name) const { return variables_.Find(name); }
    bool VariableExists(std::string_view name) const { return variables_.Contains(name); }
    bool IsUsedVariable(std::string_view name) const { return used_.Contains(name); }
    void DeleteVariable(std::string_view name);
    void ClearVariables();
    void ClearUsedVariables() { used_.Clear(); }
    void ClearNewVariables() { new_.Clear(); }

    int VarCount() const { return static_cast<int>(variables_.Count()); }
    int UsedVarCount() const { return static_cast<int>(used_.Count()); }
    int NewVarCount() const { return static_cast<int>(new_.Count()); }
    const std::string& VariableName(int index) const;
    const std::string& UsedVariableName(int index) const { return used_.At(index); }
    const std::string& NewVariableName(int index) const { return new_.At(index); }

    void SetLastValue(const ComplexValue& value);
    const ComplexValue& LastValue() const { return lastValue_; }

    bool PascalNumberformat() const { return pascalNumberformat_; }
    void SetPascalNumberformat(bool on) { pascalNumberformat_ = on; }
    bool AutoRegisterVar() const { return autoRegisterVar_; }
    void SetAutoRegisterVar(bool on) { autoRegisterVar_ = on; }
    TNumericalScope NumericalScope() const { return scope_; }
    void SetNumericalScope(TNumericalScope scope);
    TNumericalBase NumericalBase() const { return base_; }
    void SetNumericalBase(TNumericalBase base) { base_ = base; }
    TAngleUnits AngleUnits() const { return angleUnits_; }
    void SetAngleUnits(TAngleUnits units);

    void SetOnParserError(TParserExceptionEvent handler) { onParserError_ = std::move(handler); }
    bool CompileError() const { return compileError_; }
    bool IsCompiled() const { return list_ != nullptr; }

    const FunctionRegistry& Functions1() const { return functions1_; }
    const FunctionRegistry& Functions2() const { return functions2_; }
    FunctionRegistry& Functions1() { return functions1_; }
    FunctionRegistry& Functions2() { return functions2_; }
    const VariableTable& Variables() const { return variables_; }

    static std::string RemoveBlanks(std::string_view text);

private:
    ComplexValue* RegisterSlot(std::string_view name);

    std::array<ComplexValue, 8> registers_{};  // A, B, C, D, E, F, X, Y
    VariableTable variables_;
    NameList used_;
    NameList new_;
    FunctionRegistry functions1_;
    FunctionRegistry functions2_;
    std::unique_ptr<OperationList> list_;
    std::string expression_;
    ComplexValue lastValue_{};
    bool compileError_ = false;
    bool pascalNumberformat_ = true;
    bool autoRegisterVar_ = true;
    TNumericalScope scope_ = nsReal;
    TNumericalBase base_ = nbDec;
    TAngleUnits angleUnits_ = auDeg;
    TParserExceptionEvent onParserError_;
};

// Registers the functions the operators need (POWER, INTPOWER, SQR); the
// function library adds the rest through RegisterFunctionLibrary.
void RegisterOperatorFunctions(TParser& parser);

}  // namespace tarvix
