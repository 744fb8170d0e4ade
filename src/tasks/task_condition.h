// Conditions and the parts of an IF line: the relational operators in their
// search order, the two sides of a condition, and the condition, then-part
// and else-part of "IF condition THEN [statement] [ELSE [statement]]".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

// In the order they are searched for: the first one found is the operator.
enum class RelationOperator : std::uint8_t {
    NotEqual,
    LessEqual,
    GreaterEqual,
    Equal,
    Less,
    Greater
};

struct ConditionText {
    RelationOperator Operator = RelationOperator::Equal;
    std::string Left;   // trimmed
    std::string Right;  // trimmed
};

// Splits a condition at its operator: "<>", "<=", ">=", "=", "<", ">" are
// searched in this order outside double quotes (so a quoted MSG question may
// hold any of them). Nothing when the text holds no operator.
std::optional<ConditionText> SplitCondition(std::string_view text);

// The comparison of two real parts.
bool Compare(long double left, RelationOperator op, long double right);

struct IfParts {
    std::string Condition;  // trimmed, up to THEN (all of it without THEN)
    std::string Then;       // trimmed
    std::string Else;       // trimmed
    bool HasElse = false;   // the line has its own ELSE
    // A block IF: the then-part is empty, or the line has an ELSE with an
    // empty else-part; the empty part stands for the block.
    bool IsBlock() const { return Then.empty() || (HasElse && Else.empty()); }
};

// The parts of an IF line's arguments (the text after IF). THEN and ELSE are
// whole words outside double quotes.
IfParts SplitIfLine(std::string_view arguments);

}  // namespace tarvix
