// Code sets and short names of the worksheet operations.
#include "matrix/operation_codes.h"

#include <array>
#include <charconv>
#include <utility>

namespace tarvix {
namespace {

constexpr std::array<std::pair<std::string_view, MatrixOperationCode>, 24> kNames = {{
    {"solve", op::Solve},
    {"lu", op::LuResolve},
    {"inverse", op::Inverse},
    {"det", op::Determinant},
    {"subdet", op::Subdeterminant},
    {"eval", op::Evaluate},
    {"add", op::Sum},
    {"sub", op::Difference},
    {"scalar", op::Scalar},
    {"mulleft", op::ProductLeft},
    {"mulright", op::ProductRight},
    {"mulvec", op::ProductVector},
    {"diagleft", op::DiagonalLeft},
    {"diagright", op::DiagonalRight},
    {"divleft", op::DivideLeft},
    {"divright", op::DivideRight},
    {"square", op::Square},
    {"rank", op::Rank},
    {"complement", op::Complement},
    {"adjugate", op::Adjugate},
    {"transform", op::Transform},
    {"zy", op::ImpedanceToAdmittance},
    {"twoport", op::TwoPort},
    {"nodal", op::NodeVoltages},
}};

}  // namespace

bool IsRightOperandOp(MatrixOperationCode code) {
    return (code >= op::Evaluate && code <= op::Transform) || code == op::ImpedanceToAdmittance ||
           code == op::TwoPort;
}

bool UsesRightOperand(MatrixOperationCode code) {
    switch (code) {
        case op::Sum:
        case op::Difference:
        case op::ProductLeft:
        case op::ProductRight:
        case op::ProductVector:
        case op::DiagonalLeft:
        case op::DiagonalRight:
        case op::DivideLeft:
        case op::DivideRight:
            return true;
        default:
            return false;
    }
}

bool KeepsRightGrid(MatrixOperationCode code) {
    return code == op::Determinant || code == op::Subdeterminant || code == op::Rank ||
           IsRightOperandOp(code);
}

bool HasNoResultGrid(MatrixOperationCode code) {
    return code == op::Determinant || code == op::Subdeterminant;
}

bool NeedsEquationsMode(MatrixOperationCode code) {
    return code == op::Solve || code == op::LuResolve || code == op::NodeVoltages;
}

std::optional<MatrixOperationCode> OperationFromName(std::string_view name) {
    for (const auto& [text, code] : kNames)
        if (text == name) return code;
    int number = 0;
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (!name.empty() && ec == std::errc() && end == name.data() + name.size() && number >= 1 &&
        number <= op::NodeVoltages && number != op::ThresholdTransform)
        return static_cast<MatrixOperationCode>(number);
    return std::nullopt;
}

}  // namespace tarvix
