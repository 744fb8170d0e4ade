// The example tables of the "&Graf" menu and what an example sets up.
#include <gtest/gtest.h>

#include "series/chart_examples.h"

namespace tarvix {
namespace {

TEST(ChartExamples, TablesHoldEveryExample) {
    EXPECT_EQ(ExampleTable(ExampleList::Parametric).size(), 24u);
    EXPECT_EQ(ExampleTable(ExampleList::Cartesian).size(), 6u);
    EXPECT_EQ(ExampleTable(ExampleList::Expansion).size(), 6u);
    // Rows 8 and 9 repeat the equations of row 7.
    const auto p = ExampleTable(ExampleList::Parametric);
    EXPECT_EQ(p[8].XEquation, p[7].XEquation);
    EXPECT_EQ(p[13].YEquation, p[11].YEquation);
    for (ExampleList list : {ExampleList::Parametric, ExampleList::Cartesian,
                             ExampleList::Expansion}) {
        for (const TKrivka& k : ExampleTable(list)) {
            EXPECT_NE(k.Range.find(".."), std::string_view::npos) << k.Name;
            EXPECT_EQ(k.YEquation.substr(0, 2), "y=") << k.Name;
        }
    }
}

TEST(ChartExamples, CircleFillsTheParametricBoxes) {
    const TKrivka& circle = ExampleTable(ExampleList::Parametric)[0];
    const ExampleSetup s = SetupOf(circle, ExampleList::Parametric, circle.Name);
    EXPECT_EQ(s.InputLine, "\"Kružnice\" a*cos(t)...a*sin(t)");
    EXPECT_EQ(s.Labels[0], "t");
    EXPECT_EQ(s.Boxes[0], "0..2*pi:pi/100");
    EXPECT_EQ(s.Labels[1], "a");
    EXPECT_EQ(s.Boxes[1], "1");
    EXPECT_EQ(s.Labels[3], "d");
    EXPECT_EQ(s.Labels[7], "_F_");
    EXPECT_EQ(s.Boxes[7], "0");
    EXPECT_TRUE(s.Orthonormal);
    EXPECT_EQ(s.Title, "Kružnice");
    const TKrivka& spiral = ExampleTable(ExampleList::Parametric)[2];
    EXPECT_EQ(SetupOf(spiral, ExampleList::Parametric, "S").Boxes[1], "1:0,1");
}

TEST(ChartExamples, CartesianAndExpansionKeepTheirEquation) {
    const TKrivka& pulse = ExampleTable(ExampleList::Expansion)[5];
    const ExampleSetup s = SetupOf(pulse, ExampleList::Expansion, "Impuls");
    EXPECT_EQ(s.InputLine, "\"Impuls\" y=sin(n*a)/n*cos(n*x) :::n=1..1000:1");
    EXPECT_EQ(s.Labels[0], "x");
    EXPECT_EQ(s.Labels[1], "n");
    EXPECT_EQ(s.Boxes[1], "0");
    EXPECT_EQ(s.Boxes[2], "0.2");
    EXPECT_FALSE(s.Orthonormal);
    EXPECT_EQ(s.Variables[1], "n");
}

TEST(ChartExamples, RememberedChoiceBeyondTheListBecomesZero) {
    EXPECT_EQ(RestoredChoice({5, 2}, ExampleList::Cartesian).Selected, 5);
    EXPECT_EQ(RestoredChoice({6, 2}, ExampleList::Cartesian).Selected, 0);
    EXPECT_EQ(RestoredChoice({23, 30}, ExampleList::Parametric).Top, 0);
}

}  // namespace
}  // namespace tarvix
