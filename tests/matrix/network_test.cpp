// Z → Y, the equivalent two-port and the node voltages.
#include "matrix/network_analysis.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

const MatrixMessageTable& Texts() { return BuiltInMatrixMessages(); }

TEST(ImpedanceToAdmittance, Cases) {
    TestContext t(nsComplex);
    ExpectMatrixNear(ImpedanceToAdmittance(M({{2, 1}, {1, 2}}), t.context), M({{1.5L, -1}, {-1, 1.5L}}));
    // No branch between the nodes: no coupling.
    ExpectMatrixNear(ImpedanceToAdmittance(M({{2, 0}, {0, 4}}), t.context), M({{0.5L, 0}, {0, 0.25L}}));
    CMatrix z(1, 1);
    z(0, 0) = {0, 2};  // 1/(2i) = −i/2
    CMatrix y(1, 1);
    y(0, 0) = {0, -0.5L};
    ExpectMatrixNear(ImpedanceToAdmittance(z, t.context), y);
}

TEST(ImpedanceToAdmittance, AsymmetricMatrixNamesTheFirstPair) {
    TestContext t;
    EXPECT_EQ(MessageOf([&] { ImpedanceToAdmittance(M({{2, 1, 0}, {1, 2, 3}, {0, 0, 2}}), t.context); }),
              Texts().Format(mxmsg::NotSymmetric, {"2", "3", "3", "2"}));
}

TEST(TwoPort, NodeAnswers) {
    TestContext t;
    struct Case {
        const char* answer;
        int k1, k2;
    };
    for (const Case& c : {Case{"1, 3", 1, 3}, Case{"3;1", 1, 3}, Case{"2\t4", 2, 4},
                          Case{" 2 3 ", 2, 3}, Case{"", 1, 4}})
        EXPECT_EQ(ParseTwoPortNodes(c.answer, 4, t.context), std::make_pair(c.k1, c.k2)) << c.answer;
    const std::string refused = Texts().Format(mxmsg::TwoPortNodes, {"4"});
    for (const char* answer : {"2; 2", "9, 1", "0, 2", "x, 2", "3"})
        EXPECT_EQ(MessageOf([&] { ParseTwoPortNodes(answer, 4, t.context); }), refused) << answer;
}

TEST(TwoPort, PiEquivalentOfAChain) {
    TestContext t;
    // Nodes 1 and 3 with a branch of 2 each to the reference, two branches
    // of 1 in series through node 2: the series branch is 2.
    ExpectMatrixNear(EquivalentTwoPort(M({{2, 1, 0}, {1, 0, 1}, {0, 1, 2}}), 1, 3, t.context),
                     M({{2, 2}, {2, 2}}), 1e-17L);
    // No branch from node 1 to the reference: written as 0.
    ExpectMatrixNear(EquivalentTwoPort(M({{0, 1, 0}, {1, 0, 1}, {0, 1, 2}}), 1, 3, t.context),
                     M({{0, 2}, {2, 2}}), 1e-17L);
}

TEST(TwoPort, DisconnectedNodes) {
    TestContext t;
    EXPECT_EQ(MessageOf([&] { EquivalentTwoPort(M({{2, 0, 0}, {0, 2, 0}, {0, 0, 2}}), 1, 2, t.context); }),
              Texts().Text(mxmsg::NodesNotConnected));
}

TEST(NodeVoltages, OneInjectedCurrent) {
    TestContext t;
    const CMatrix z = M({{2, 1, 0}, {1, 0, 1}, {0, 1, 2}});
    const NodeVoltages r = ComputeNodeVoltages(z, V({0, 0, 5}), t.context);
    ExpectVectorNear(r.Voltages, V({10.0L / 3, 5, 20.0L / 3}), 1e-17L);
    // Kirchhoff at the injected node: the currents leaving it sum to 5.
    EXPECT_NEAR(static_cast<double>(r.Currents(2, 2).Re + r.Currents(2, 1).Re), 5.0, 1e-17);
    EXPECT_EQ(r.Currents(0, 2), ComplexValue{});  // no branch
}

// Without a branch to the reference node the nodal admittance matrix is
// singular (its rows sum to zero); with decimal impedances the rounding left
// a last pivot of noise and voltages near 1e18 came out.
TEST(NodeVoltages, FloatingNetworkIsASingularMatrix) {
    TestContext t;
    const CMatrix z = M({{0, 0.3L, 0.7L}, {0.3L, 0, 0.9L}, {0.7L, 0.9L, 0}});
    EXPECT_EQ(MessageOf([&] { ComputeNodeVoltages(z, V({0, 0, 1}), t.context); }),
              Texts().Text(mxmsg::SingularMatrix));
    EXPECT_EQ(MessageOf([&] { EquivalentTwoPort(z, 1, 3, t.context); }),
              Texts().Text(mxmsg::SingularMatrix));
}

TEST(NodeVoltages, CurrentErrorsNameTheCell) {
    TestContext t;
    const CMatrix z = M({{2, 1, 0}, {1, 0, 1}, {0, 1, 2}});
    try {
        ComputeNodeVoltages(z, V({1, 0, 5}), t.context);
        FAIL() << "a second current must be refused";
    } catch (const EMatrixError& e) {
        EXPECT_EQ(std::string(e.what()), Texts().Text(mxmsg::OneNodeCurrent));
        EXPECT_EQ(e.Row(), 3);
        EXPECT_EQ(e.Column(), 4);
    }
    EXPECT_EQ(MessageOf([&] { ComputeNodeVoltages(z, V({0, 0, 0}), t.context); }),
              Texts().Text(mxmsg::NoNodeCurrent));
}

}  // namespace
}  // namespace tarvix::test
