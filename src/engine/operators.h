// Operator callbacks of the evaluator and the power computations they share
// with the functions power(x;y) and intpower(x;y).
#pragma once

#include "engine/complex_value.h"
#include "engine/operation_list.h"

namespace tarvix {

void OpNothing(const OperationRec& r);
void OpNegate(const OperationRec& r);
void OpAdd(const OperationRec& r);
void OpSubtract(const OperationRec& r);
void OpMultiply(const OperationRec& r);
void OpDivide(const OperationRec& r);
void OpIntDivide(const OperationRec& r);
void OpModulo(const OperationRec& r);
void OpSquare(const OperationRec& r);
void OpCube(const OperationRec& r);
void OpFourthPower(const OperationRec& r);
void OpIntPower(const OperationRec& r);
void OpRealPower(const OperationRec& r);

// The callback an operator kind runs (OpNothing for leaves, nullptr for calls).
OperationCallback OperatorCallback(OperationKind kind);

// Real-mode powers: a^n with n truncated to 32 bits, and the general a^b.
long double RealIntPower(long double a, long double n);
long double RealPower(long double a, long double b);
// Complex-mode powers.
ComplexValue ComplexIntPower(const ComplexValue& a, const ComplexValue& n);
ComplexValue ComplexPower(const ComplexValue& a, const ComplexValue& b);

}  // namespace tarvix
