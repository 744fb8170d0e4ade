// The worksheet's operation codes (`MatrixOperationCode`, one byte), the code
// sets that steer the run cycle and the short names of the headless
// interface.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvix {

using MatrixOperationCode = std::uint8_t;

namespace op {
inline constexpr MatrixOperationCode Undefined = 0;
inline constexpr MatrixOperationCode Solve = 1;
inline constexpr MatrixOperationCode LuResolve = 2;
inline constexpr MatrixOperationCode Inverse = 3;
inline constexpr MatrixOperationCode Determinant = 4;
inline constexpr MatrixOperationCode Subdeterminant = 5;
inline constexpr MatrixOperationCode Evaluate = 6;
inline constexpr MatrixOperationCode Sum = 7;
inline constexpr MatrixOperationCode Difference = 8;
inline constexpr MatrixOperationCode Scalar = 9;
inline constexpr MatrixOperationCode ProductLeft = 10;
inline constexpr MatrixOperationCode ProductRight = 11;
inline constexpr MatrixOperationCode ProductVector = 12;
inline constexpr MatrixOperationCode DiagonalLeft = 13;
inline constexpr MatrixOperationCode DiagonalRight = 14;
inline constexpr MatrixOperationCode DivideLeft = 15;
inline constexpr MatrixOperationCode DivideRight = 16;
inline constexpr MatrixOperationCode Square = 17;
inline constexpr MatrixOperationCode Rank = 18;
inline constexpr MatrixOperationCode Complement = 19;
inline constexpr MatrixOperationCode Adjugate = 20;
inline constexpr MatrixOperationCode Transform = 21;
inline constexpr MatrixOperationCode ThresholdTransform = 22;
inline constexpr MatrixOperationCode ImpedanceToAdmittance = 23;
inline constexpr MatrixOperationCode TwoPort = 24;
inline constexpr MatrixOperationCode NodeVoltages = 25;
inline constexpr MatrixOperationCode CharacteristicPolynomial = 26;
}  // namespace op

// The right grid is read as the second operand and receives the result.
bool IsRightOperandOp(MatrixOperationCode code);
// The operations that read the right grid as their second operand (the
// others of the set above leave it unread, so unrelated text there cannot
// stop them).
bool UsesRightOperand(MatrixOperationCode code);
// The right grid is not cleared before the run.
bool KeepsRightGrid(MatrixOperationCode code);
// Scalar results only: the right grid is left alone.
bool HasNoResultGrid(MatrixOperationCode code);
// Codes 1, 2 and 25 work in the equations mode.
bool NeedsEquationsMode(MatrixOperationCode code);
// The code of a short name ("solve", "det", …) or of a number text "1" … "25".
std::optional<MatrixOperationCode> OperationFromName(std::string_view name);

}  // namespace tarvix
