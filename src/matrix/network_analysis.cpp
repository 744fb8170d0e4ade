// Z → Y, the equivalent two-port and the node voltages.
#include "matrix/network_analysis.h"

#include <charconv>

#include "calculator/text_trim.h"
#include "engine/float_guard.h"
#include "matrix/gauss_solver.h"
#include "matrix/matrix_algebra.h"
#include "matrix/scalar_ops.h"

namespace tarvix {

void RequireSymmetric(const CMatrix& z, const MatrixContext& context) {
    RequireSquare(z, context);
    for (int i = 0; i < z.Rows(); ++i)
        for (int j = i + 1; j < z.Cols(); ++j)
            if (!(z(i, j) == z(j, i)))
                context.Fail(mxmsg::NotSymmetric, {std::to_string(i + 1), std::to_string(j + 1),
                                                   std::to_string(j + 1), std::to_string(i + 1)});
}

CMatrix ImpedanceToAdmittance(const CMatrix& z, const MatrixContext& context) {
    RequireSymmetric(z, context);
    const SolveMonitor& monitor = context.Monitor;
    const int n = z.Rows();
    CMatrix y(n, n);
    for (int i = 0; i < n; ++i) {
        ComplexValue sum{};
        for (int j = 0; j < n; ++j) {
            ComplexValue admittance{};
            if (!IsZero(z(i, j))) admittance = Div(ComplexValue{1.0L, 0.0L}, z(i, j));
            CheckFinite(admittance);
            sum = Add(sum, admittance);
            if (j != i) {
                y(i, j) = IsZero(admittance) ? ComplexValue{} : ComplexValue{-admittance.Re, -admittance.Im};
                monitor.TraceElement("x", i + 1, j + 1, y(i, j));
            }
        }
        CheckFinite(sum);
        y(i, i) = sum;
        monitor.TraceElement("x", i + 1, i + 1, sum);
        monitor.Row(i);
        monitor.CheckStop();
    }
    return y;
}

std::string DefaultTwoPortNodes(int n) { return "1, " + std::to_string(n); }

std::pair<int, int> ParseTwoPortNodes(std::string_view answer, int n, const MatrixContext& context) {
    std::string text(TrimBlanks(answer));
    if (text.empty()) text = DefaultTwoPortNodes(n);
    auto refuse = [&]() { context.Fail(mxmsg::TwoPortNodes, {std::to_string(n)}); };
    std::size_t cut = std::string::npos;
    for (char separator : {',', '\t', ';', ' '}) {
        cut = text.find(separator);
        if (cut != std::string::npos) break;
    }
    if (cut == std::string::npos) refuse();
    auto number = [&](std::string_view part) {
        part = TrimBlanks(part);
        while (!part.empty() && part.front() == '\t') part.remove_prefix(1);
        while (!part.empty() && part.back() == '\t') part.remove_suffix(1);
        part = TrimBlanks(part);
        int value = 0;
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || ec != std::errc() || end != part.data() + part.size()) refuse();
        return value;
    };
    int k1 = number(std::string_view(text).substr(0, cut));
    int k2 = number(std::string_view(text).substr(cut + 1));
    if (k1 > k2) std::swap(k1, k2);
    if (k1 == k2 || k1 < 1 || k2 > n) refuse();
    return {k1, k2};
}

CMatrix EquivalentTwoPort(const CMatrix& z, int k1, int k2, const MatrixContext& context) {
    const CMatrix zn = Inverse(ImpedanceToAdmittance(z, context), context);
    const int a = k1 - 1, b = k2 - 1;
    CMatrix z2(2, 2);
    z2(0, 0) = zn(a, a);
    z2(0, 1) = zn(a, b);
    z2(1, 0) = zn(b, a);
    z2(1, 1) = zn(b, b);
    const CMatrix y2 = Inverse(z2, context);
    const ComplexValue y11 = y2(0, 0), y12 = y2(0, 1), y22 = y2(1, 1);
    if (IsZero(y12)) context.Fail(mxmsg::NodesNotConnected);
    const ComplexValue one{1.0L, 0.0L};
    auto branch = [&](const ComplexValue& admittance) {
        return IsZero(admittance) ? ComplexValue{} : Div(one, admittance);
    };
    CMatrix r(2, 2);
    r(0, 0) = branch(Add(y11, y12));
    r(1, 1) = branch(Add(y22, y12));
    const ComplexValue series = Div(one, y12);
    r(0, 1) = r(1, 0) = {-series.Re, -series.Im};
    CheckFiniteMatrix(r);
    return r;
}

NodeVoltages ComputeNodeVoltages(const CMatrix& z, const CVector& currents,
                                 const MatrixContext& context) {
    RequireSquare(z, context);
    const int n = z.Rows();
    if (static_cast<int>(currents.size()) != n) context.Fail(mxmsg::RhsNotAllocated);
    int k = -1;
    for (int i = 0; i < n; ++i) {
        if (IsZero(currents[i])) continue;
        if (k >= 0) context.Fail(mxmsg::OneNodeCurrent, {}, i + 1, n + 1);
        k = i;
    }
    if (k < 0) context.Fail(mxmsg::NoNodeCurrent, {}, 1, n + 1);
    CMatrix y = ImpedanceToAdmittance(z, context);
    // U = Y⁻¹·(I at node k): one solve instead of the whole nodal impedance matrix.
    CVector injected(static_cast<std::size_t>(n)), voltages;
    injected[k] = currents[k];
    std::vector<int> perm;
    GaussSolve(y, injected, voltages, perm, MatrixContext{context.Monitor, context.Texts, nsComplex,
                                                          context.Pivot});
    NodeVoltages result{voltages, CMatrix(n, n)};
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            if (IsZero(z(i, j))) continue;
            const ComplexValue drop = i == j ? voltages[i] : Sub(voltages[i], voltages[j]);
            result.Currents(i, j) = Div(drop, z(i, j));
        }
    CheckFiniteMatrix(result.Currents);
    return result;
}

}  // namespace tarvix
