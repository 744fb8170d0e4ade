// Network analysis on a branch impedance matrix Z (nodes 1..n and the
// reference node; z[i][j] the branch between i and j, z[i][i] the branch to
// the reference, 0 no branch): the nodal admittance matrix, the equivalent Π
// two-port between two nodes and the node voltages and branch currents of one
// injected node current.
#pragma once

#include <optional>
#include <string_view>
#include <utility>

#include "matrix/matrix_context.h"
#include "matrix/matrix_types.h"

namespace tarvix {

// Raises "not symmetric" naming the first pair z[i][j] ≠ z[j][i] (1-based).
void RequireSymmetric(const CMatrix& z, const MatrixContext& context);

// Y[i][j] = −1/z[i][j] (i ≠ j), Y[i][i] = Σj 1/z[i][j] over the non-zero
// elements of row i. Z must be square and symmetric.
CMatrix ImpedanceToAdmittance(const CMatrix& z, const MatrixContext& context);

// The two node numbers of the answer "k1, k2" (also separated by a tab, ";" or
// a blank), sorted; an empty answer means "1, n". Raises the nodes message
// for anything but two different integers in 1..n.
std::pair<int, int> ParseTwoPortNodes(std::string_view answer, int n, const MatrixContext& context);
// The default answer "1, n".
std::string DefaultTwoPortNodes(int n);

// The 2 × 2 branch impedance matrix of the Π two-port between the 1-based
// nodes k1 < k2: R11 = 1/(y11 + y12), R22 = 1/(y22 + y12), R12 = R21 = −1/y12,
// a zero admittance sum meaning no branch (0); y12 = 0 gives "Uzly nejsou
// propojeny".
CMatrix EquivalentTwoPort(const CMatrix& z, int k1, int k2, const MatrixContext& context);

struct NodeVoltages {
    CVector Voltages;  // U = Z_N·I, Z_N = Y⁻¹, for the current injected at one node
    CMatrix Currents;  // (U[i] − U[j])/z[i][j], U[i]/z[i][i]; 0 where no branch
};
// The one non-zero entry of `currents` is the injected current; a second one
// raises "Lze zadat pouze jeden uzlový proud" at its row, none raises the
// no-current message.
NodeVoltages ComputeNodeVoltages(const CMatrix& z, const CVector& currents,
                                 const MatrixContext& context);

}  // namespace tarvix
