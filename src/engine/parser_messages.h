// The engine's replaceable message texts (built-in Czech), keyed as in the
// language file's `Error` section, and the "%s" substitution used with them.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// Keys of the engine's messages.
namespace msg {
inline constexpr std::string_view DivisionByZero = "Error_DivisionByZero";
inline constexpr std::string_view ZeroDivisionBy = "Error_ZeroDivisionBy";
inline constexpr std::string_view IndefiniteExpr = "Error_IndefiniteExpr";
inline constexpr std::string_view PowerNegatExp = "Error_Power_NegatExp";
inline constexpr std::string_view PowerFractExp = "Error_Power_FractExp";
inline constexpr std::string_view RangeOverflow = "Error_RangeOverflow";
inline constexpr std::string_view OverDefinition = "Error_OverDefinition";
inline constexpr std::string_view NoComplexFunc = "Error_NoComplexFunc";
inline constexpr std::string_view Parse = "Error_Parse";
inline constexpr std::string_view Blanks = "Error_Blanks";
inline constexpr std::string_view Nestings = "Error_Nestings";
inline constexpr std::string_view TooComplex = "Error_TooComplex";
inline constexpr std::string_view InternalError = "Error_InternalError";
inline constexpr std::string_view IndexRangeError = "Error_IndexRangeError";
inline constexpr std::string_view MissingBrackets = "Error_MissingBrackets";
inline constexpr std::string_view RedundantBrackets = "Error_RedundantBrackets";
inline constexpr std::string_view RangeInt64Exceeded = "Error_RangeInt64Exceeded";
inline constexpr std::string_view InvalidDigitCharacter = "Error_InvalidDigitCharacter";
inline constexpr std::string_view BadImaginaryUnitIdentifier = "Error_BadImaginaryUnitIdentifier";
inline constexpr std::string_view VarNameEqualsImaginaryUnit = "Error_VarNameEqualsImaginaryUnit";
inline constexpr std::string_view InvalidVarName = "Error_InvalidVarName";
inline constexpr std::string_view VarNotRegistered = "Error_VarNotRegistered";
// Arithmetic faults detected through the floating-point flags and integer checks.
inline constexpr std::string_view FloatOverflow = "Error_FloatOverflow";
inline constexpr std::string_view FloatInvalid = "Error_FloatInvalid";
inline constexpr std::string_view FloatZeroDivide = "Error_FloatZeroDivide";
inline constexpr std::string_view IntOverflow = "Error_IntOverflow";
inline constexpr std::string_view RangeError = "Error_RangeError";
inline constexpr std::string_view LiteralOverflow = "Error_LiteralOverflow";
// Calculus and special functions.
inline constexpr std::string_view ZeroIntegrationInterval = "Error_ZeroIntegrationInterval";
inline constexpr std::string_view ZeroIntegrationIncrement = "Error_ZeroIntegrationIncrement";
inline constexpr std::string_view TooManyIntegrationSteps = "Error_TooManyIntegrationSteps";
inline constexpr std::string_view OpenMatrixForm = "Error_OpenMatrixForm";
inline constexpr std::string_view CellRowRange = "Error_CellRowRange";
inline constexpr std::string_view CellColumnRange = "Error_CellColumnRange";
inline constexpr std::string_view CellRecursion = "Error_CellRecursion";
}  // namespace msg

struct MessageEntry {
    std::string_view Key;
    std::string_view Default;
};

// A table of replaceable messages built from a list of keys with their
// built-in texts. Keys compare without regard to ASCII case.
class MessageTable {
public:
    explicit MessageTable(const std::vector<MessageEntry>& defaults);

    // Raises std::logic_error for a key that is not in the table.
    const std::string& Text(std::string_view key) const;
    // Replaces the text of a known key; returns false for an unknown key.
    bool Replace(std::string_view key, std::string text);
    void ResetToDefaults();
    const std::vector<MessageEntry>& Entries() const { return *defaults_; }

private:
    std::size_t IndexOf(std::string_view key) const;

    const std::vector<MessageEntry>* defaults_;
    std::vector<std::string> texts_;
};

// The table of engine messages.
class ParserMessageTable : public MessageTable {
public:
    ParserMessageTable();
};

// The process-wide table the engine raises its messages from.
ParserMessageTable& ParserMessages();

// Substitutes each "%s" of pattern by the next argument (missing ones by nothing).
// The pattern is never interpreted as a printf format.
std::string FormatMessageText(std::string_view pattern,
                              std::initializer_list<std::string_view> args);

}  // namespace tarvix
