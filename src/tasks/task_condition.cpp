// Conditions and IF lines of the task language.
#include "tasks/task_condition.h"

#include <array>

#include "tasks/task_text.h"

namespace tarvix {
namespace {

struct OperatorText {
    std::string_view Text;
    RelationOperator Operator;
};
constexpr std::array<OperatorText, 6> kOperators = {{
    {"<>", RelationOperator::NotEqual},
    {"<=", RelationOperator::LessEqual},
    {">=", RelationOperator::GreaterEqual},
    {"=", RelationOperator::Equal},
    {"<", RelationOperator::Less},
    {">", RelationOperator::Greater},
}};

}  // namespace

std::optional<ConditionText> SplitCondition(std::string_view text) {
    for (const OperatorText& op : kOperators) {
        const std::size_t at = FindTextOutsideQuotes(text, op.Text);
        if (at == std::string_view::npos) continue;
        return ConditionText{op.Operator, std::string(TrimTask(text.substr(0, at))),
                             std::string(TrimTask(text.substr(at + op.Text.size())))};
    }
    return std::nullopt;
}

bool Compare(long double left, RelationOperator op, long double right) {
    switch (op) {
        case RelationOperator::NotEqual:
            return left != right;
        case RelationOperator::LessEqual:
            return left <= right;
        case RelationOperator::GreaterEqual:
            return left >= right;
        case RelationOperator::Equal:
            return left == right;
        case RelationOperator::Less:
            return left < right;
        case RelationOperator::Greater:
            return left > right;
    }
    return false;
}

IfParts SplitIfLine(std::string_view arguments) {
    IfParts parts;
    const std::size_t then = FindWordOutsideQuotes(arguments, "THEN");
    if (then == std::string_view::npos) {
        parts.Condition = TrimTask(arguments);
        return parts;
    }
    parts.Condition = TrimTask(arguments.substr(0, then));
    const std::string_view rest = arguments.substr(then + 4);
    const std::size_t otherwise = FindWordOutsideQuotes(rest, "ELSE");
    if (otherwise == std::string_view::npos) {
        parts.Then = TrimTask(rest);
        return parts;
    }
    parts.HasElse = true;
    parts.Then = TrimTask(rest.substr(0, otherwise));
    parts.Else = TrimTask(rest.substr(otherwise + 4));
    return parts;
}

}  // namespace tarvix
