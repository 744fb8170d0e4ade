// Range texts, point counts and values with increment.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/function_library.h"
#include "engine/parser.h"
#include "engine/parser_errors.h"
#include "series/series_range.h"

namespace tarvix {
namespace {

class RangeTest : public ::testing::Test {
protected:
    RangeTest() {
        RegisterFunctionLibrary(parser);
        parser.SetAngleUnits(auRad);
        EngineModes.ImaginaryUnitChar = 'i';
    }
    std::vector<long double> Points(std::string_view text) {
        SeriesRange r = ReadRange(text, parser, texts);
        std::vector<long double> v;
        for (std::size_t i = 0; i < r.Count; ++i)
            v.push_back(r.Imaginary ? r.At(i, r.Tolerance(r.Count)).Im : r.At(i, r.Tolerance(r.Count)).Re);
        return v;
    }
    TParser parser;
    SeriesMessageTable texts;
};

TEST_F(RangeTest, PointsOfRanges) {
    struct Case {
        std::string_view Text;
        std::vector<long double> Expected;
    } cases[] = {
        {"0..1:0.25", {0.0L, 0.25L, 0.5L, 0.75L, 1.0L}},
        {"0..1:0.3", {0.0L, 0.3L, 0.6L, 0.9L}},
        {"1..0:-0.5", {1.0L, 0.5L, 0.0L}},
        {" 0 .. 1 : 0,5 ", {0.0L, 0.5L, 1.0L}},
        {"2..2:1", {2.0L}},
        {"0..2*3:3", {0.0L, 3.0L, 6.0L}},
    };
    for (const Case& c : cases) {
        std::vector<long double> p = Points(c.Text);
        ASSERT_EQ(p.size(), c.Expected.size()) << c.Text;
        for (std::size_t i = 0; i < p.size(); ++i)
            EXPECT_NEAR(double(p[i]), double(c.Expected[i]), 1e-15) << c.Text << " #" << i;
    }
}

TEST_F(RangeTest, EndPointLostToRoundingStillCounts) {
    // (1.3 - 0) / 0.1 is 12.999… in binary.
    EXPECT_EQ(ReadRange("0..1.3:0.1", parser, texts).Count, 14u);
    EXPECT_EQ(ReadRange("0..10:0.01", parser, texts).Count, 1001u);
    EXPECT_EQ(RangePointCount(0.0L, 1.0L, 0.3L), 4.0L);
    EXPECT_EQ(RangePointCount(0.0L, 0.5L, -1.0L), 1.0L);  // Trunc(-0.5) + 1
}

TEST_F(RangeTest, EleventhPointFromMinusOneIsExactlyZero) {
    SeriesRange r = ReadRange("-1..1:0.1", parser, texts);
    ASSERT_EQ(r.Count, 21u);
    EXPECT_EQ(r.At(10, r.Tolerance(r.Count)).Re, 0.0L);
    EXPECT_FALSE(std::signbit(r.At(10, r.Tolerance(r.Count)).Re));
}

TEST_F(RangeTest, ComplexRangeIteratesOneComponent) {
    parser.SetNumericalScope(nsComplex);
    SeriesRange r = ReadRange("0..2i:0.5i", parser, texts);
    EXPECT_TRUE(r.Imaginary);
    EXPECT_EQ(r.Count, 5u);
    EXPECT_EQ(r.At(4, r.Tolerance(5)).Im, 2.0L);
    EXPECT_EQ(r.At(4, r.Tolerance(5)).Re, 0.0L);
    try {
        ReadRange("0..1+i:0.5+0.5i", parser, texts);
        FAIL() << "both components stepped";
    } catch (const EMathParserError& e) {
        EXPECT_EQ(std::string(e.what()), "Iterovat lze pouze jednu složku komplexní proměnné %\\ 0..1+i:0.5+0.5i");
        EXPECT_EQ(e.HelpContext(), kSeriesHelpContext);
    }
}

TEST_F(RangeTest, RefusedRanges) {
    EXPECT_THROW(ReadRange("0..1:0", parser, texts), EMathParserError);
    try {
        ReadRange("0..1:0", parser, texts);
    } catch (const EMathParserError& e) {
        EXPECT_EQ(std::string(e.what()), "Iterační proměnná je rovna nule");
    }
    EXPECT_THROW(ReadRange("1..0:0.5", parser, texts), EArithmeticError);  // fewer than one point
    EXPECT_THROW(ReadRange("0..1e300:1", parser, texts), EArithmeticError);  // too many points
    EXPECT_THROW(ReadRange("0..1:1e-4000", parser, texts), EArithmeticError);
    EXPECT_THROW(ReadRange("0..q:1", parser, texts), EMathParserError);  // unknown name
    EXPECT_THROW(ReadRange("0..1", parser, texts), EMathParserError);    // no step
}

TEST_F(RangeTest, IncrementTexts) {
    EXPECT_EQ(IncrementText("10:2"), "2");
    EXPECT_EQ(IncrementText("0:ANS"), "ANS");
    EXPECT_EQ(IncrementText("0 : a b"), "ab");
    EXPECT_FALSE(IncrementText("10").has_value());
    EXPECT_FALSE(IncrementText("0..1:0.1").has_value());
}

TEST_F(RangeTest, IncrementsAddAnsAVariableOrAFixedValue) {
    parser.SetVariable("A", {0.0L, 0.0L});
    parser.SetVariable("B", {1.0L, 0.0L});
    parser.SetVariable("C", {5.0L, 0.0L});
    parser.SetVariable("STEP", {0.5L, 0.0L});
    std::vector<TIncr> list = {MakeIncrement("A", "ANS", parser), MakeIncrement("B", "step", parser),
                               MakeIncrement("C", "2*3", parser)};
    EXPECT_EQ(parser.GetVariable("C_").Re, 6.0L);  // stored once in the auxiliary variable
    ApplyIncrements(list, {10.0L, 3.0L}, false);
    parser.SetVariable("STEP", {1.0L, 0.0L});  // a variable's current value counts
    ApplyIncrements(list, {20.0L, 0.0L}, false);
    EXPECT_EQ(parser.GetVariable("A"), (ComplexValue{30.0L, 0.0L}));  // no imaginary part in real
    EXPECT_EQ(parser.GetVariable("B").Re, 2.5L);
    EXPECT_EQ(parser.GetVariable("C").Re, 17.0L);
}

}  // namespace
}  // namespace tarvix
