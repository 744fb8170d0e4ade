// The vector table, the label hint and the value texts of vector elements.
#include "series/var_vectors.h"

#include <gtest/gtest.h>

#include "calculator/value_text.h"
#include "series_test_support.h"

namespace tarvix::testing {
namespace {

void Store(VarVectors& v, std::string_view name, ParserFloatArray values) {
    v.TransferName = name;
    v.TransferVector = std::move(values);
    v.StoreTransfer(true);
}

TEST(VarVectors, StoreFindAndClear) {
    VarVectors v;
    EXPECT_FALSE(v.StoreTransfer(false));
    Store(v, "Abc", {{1, 0}, {2, 0}});
    EXPECT_TRUE(v.HasVector("ABC"));
    EXPECT_EQ(v.FindVector("abc").size(), 2u);
    v.ClearVector("aBc");
    EXPECT_FALSE(v.HasVector("abc"));
    ASSERT_EQ(v.Names().size(), 1u);  // the entry stays
    Store(v, "ABC", {{3, 0}});
    EXPECT_EQ(v.Names().size(), 1u);  // and is reused
    EXPECT_EQ(v.Names()[0], "Abc");
    v.TransferName.clear();
    EXPECT_FALSE(v.StoreTransfer(true));
    v.ClearAllVectors();
    EXPECT_TRUE(v.Names().empty());
    EXPECT_FALSE(v.AnyVector());
}

class VectorTableTest : public SeriesTest {};

TEST_F(VectorTableTest, ShortestVectorHighOverUsedVariables) {
    VarVectors& v = series.Vectors();
    calc.Parser1().SetVariable("P", {});
    calc.Parser1().SetVariable("Q", {});
    calc.Parser1().SetVariable("R", {});
    Store(v, "P", ParserFloatArray(10));
    Store(v, "Q", ParserFloatArray(7));
    Store(v, "R", ParserFloatArray(3));
    calc.Parser1().SetExpression("P+Q");
    EXPECT_EQ(v.ShortestVectorHigh(calc.Parser1()), "6");
    EXPECT_TRUE(v.AnyUsedVector(calc.Parser1()));
    calc.Parser1().ClearUsedVariables();
    calc.Parser1().SetExpression("2");
    EXPECT_EQ(v.ShortestVectorHigh(calc.Parser1()), "-1");
    EXPECT_FALSE(v.AnyUsedVector(calc.Parser1()));
}

TEST_F(VectorTableTest, SetVectorElementsShorterGivesZero) {
    VarVectors& v = series.Vectors();
    calc.Parser1().SetVariable("P", {9, 9});
    calc.Parser1().SetVariable("Q", {9, 9});
    Store(v, "P", {{1, 2}, {3, 4}});
    Store(v, "Q", {{5, 6}});
    Store(v, "NOVAR", {{7, 0}});  // not a variable: skipped
    v.SetVectorElements(calc.Parser1(), 1, false);
    EXPECT_EQ(calc.Parser1().GetVariable("P"), (ComplexValue{3, 0}));
    EXPECT_EQ(calc.Parser1().GetVariable("Q"), (ComplexValue{0, 0}));
    v.SetVectorElements(calc.Parser1(), 0, true);
    EXPECT_EQ(calc.Parser1().GetVariable("P"), (ComplexValue{1, 2}));
    EXPECT_FALSE(calc.Parser1().VariableExists("NOVAR"));
}

TEST_F(VectorTableTest, LabelHint) {
    ParserFloatArray twelve;
    for (int i = 1; i <= 12; ++i) twelve.push_back({i * 1.5L, 0});
    Store(series.Vectors(), "A", twelve);
    EXPECT_EQ(series.VectorHint("A"), "12prvků\n1.5...18");
    EXPECT_EQ(series.VectorHint("B"), "");
}

TEST_F(VectorTableTest, SwitchingVectorsOffClearsTheTable) {
    series.SetVarAsVector(true);
    Store(series.Vectors(), "A", {{1, 0}});
    series.SetVarAsVector(false);
    EXPECT_FALSE(series.Vectors().AnyVector());
}

TEST_F(VectorTableTest, ParseValueTextLines) {
    const std::pair<std::string_view, ComplexValue> cases[] = {
        {"1,5", {1.5L, 0}}, {"2*3", {6, 0}},          {"0..10:1", {0, 0}},  {"", {0, 0}},
        {"5:2", {5, 0}},    {" -2.5E3 ", {-2500, 0}}, {"max(1;2)", {2, 0}},
    };
    for (auto [text, value] : cases) EXPECT_EQ(ParseValueText(text, calc.Parser1()), value) << text;
    SetComplex();
    calc.Parser1().SetNumericalScope(nsComplex);
    EXPECT_EQ(ParseValueText("3+4i", calc.Parser1()), (ComplexValue{3, 4}));
    EXPECT_ANY_THROW(ParseValueText("2*", calc.Parser1()));
}

TEST_F(VectorTableTest, VectorElementTextHasFifteenDigits) {
    FormatOptions o = calc.CurrentFormatOptions();
    EXPECT_EQ(VectorElementText({1.0L / 3.0L, 5}, o), "0.333333333333333");
    EXPECT_EQ(VectorElementText({1e20L, 0}, o), "1E20");
    o.Scope = nsComplex;
    o.ImaginaryUnit = 'j';
    EXPECT_EQ(VectorElementText({3, 4}, o), "3+4j");
    EXPECT_EQ(VectorElementText({1, -2}, o), "1-2j");
    o.DecimalSeparator = ',';
    EXPECT_EQ(VectorElementText({1.25L, 0}, o), "1,25+0j");
}

}  // namespace
}  // namespace tarvix::testing
