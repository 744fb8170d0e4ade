// Number masks: the format string of the display modes, mask texts and reading
// number texts back.
#include "calculator/float_mask.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "calculator/display_modes.h"
#include "format_cases.h"

namespace tarvix::testing {
namespace {

TEST(NumberMask, FormatStringOfTheModes) {
    const std::vector<std::pair<DisplayModes, std::string>> cases = {
        {Norm(), "%g"},
        {Fix(), "%f"},
        {Sci(), "%e"},
        {Eng(7), "%g"},
        {Rounded(NumberFormat::Norm, 3), "%g"},
        {Rounded(NumberFormat::Eng, 3), "%g"},
        {Rounded(NumberFormat::Fix, 3), "%1.3f"},
        {Rounded(NumberFormat::Sci, 5), "%1.5e"},
        {Rounded(NumberFormat::Fix, 0), "%1.0f"},
        {Rounded(NumberFormat::Fix, 20), "%1.15f"},  // clamped to 0..15
        {Rounded(NumberFormat::Sci, -2), "%1.0e"},
    };
    for (const auto& [modes, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(FloatMaskText(NumberMask(modes)), expected);
    }
}

TEST(ParseFloatMask, ReadsMaskTexts) {
    EXPECT_EQ(ParseFloatMask("%g"), (FloatMask{MaskKind::General, -1}));
    EXPECT_EQ(ParseFloatMask("%f"), (FloatMask{MaskKind::Fixed, -1}));
    EXPECT_EQ(ParseFloatMask("%e"), (FloatMask{MaskKind::Exponent, -1}));
    EXPECT_EQ(ParseFloatMask("%1.3f"), (FloatMask{MaskKind::Fixed, 3}));
    EXPECT_EQ(ParseFloatMask("%.12e"), (FloatMask{MaskKind::Exponent, 12}));
    EXPECT_EQ(ParseFloatMask("%1.7g"), (FloatMask{MaskKind::General, 7}));
    for (const char* bad : {"", "%", "g", "%x", "%1.f", "%1.3q", "%a.2f", "%13f", "%1.-2f"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(ParseFloatMask(bad), std::nullopt);
    }
}

TEST(FormatFloat, GeneralPrecisionBelowFifteen) {
    EXPECT_EQ(FormatFloat(1234.5L, {MaskKind::General, 3}, '.'), "1.23E3");
    EXPECT_EQ(FormatFloat(123.45L, {MaskKind::General, 3}, '.'), "123");
    EXPECT_EQ(FormatFloat(0.5L, {MaskKind::General, 1}, ','), "0,5");
}

TEST(ReadFloatText, ReadsBackWhatTheMasksWrite) {
    EXPECT_EQ(ReadFloatText("1,5E20", ','), 1.5e20L);
    EXPECT_EQ(ReadFloatText(" 2.25 ", '.'), 2.25L);
    EXPECT_EQ(ReadFloatText("-1,23450000000000E+003", ','), -1234.5L);
    EXPECT_EQ(ReadFloatText("1,5", '.'), std::nullopt);  // other separator
    EXPECT_EQ(ReadFloatText("500u", '.'), std::nullopt);
    EXPECT_EQ(ReadFloatText("1E99999", '.'), std::nullopt);
    EXPECT_EQ(ReadFloatText("   ", '.'), std::nullopt);
    for (long double x : {1.0L / 3.0L, -2.0L / 7.0L, 6.02214076e23L, 1.6e-19L}) {
        for (FloatMask mask :
             {FloatMask{MaskKind::General, -1}, FloatMask{MaskKind::Exponent, -1}}) {
            std::string text = FormatFloat(x, mask, ',');
            auto back = ReadFloatText(text, ',');
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(FormatFloat(*back, mask, ','), text);
        }
    }
}

TEST(ModeCaptions, RoundTripAndIgnoreCase) {
    for (NumberFormat f :
         {NumberFormat::Norm, NumberFormat::Fix, NumberFormat::Sci, NumberFormat::Eng}) {
        EXPECT_EQ(NumberFormatFromCaption(NumberFormatCaption(f)), f);
    }
    for (TNumericalBase b : {nbDec, nbHex, nbBin, nbOct}) {
        EXPECT_EQ(BaseFromCaption(BaseCaption(b)), b);
    }
    EXPECT_EQ(NumberFormatCaption(NumberFormat::Sci), "sci");
    EXPECT_EQ(BaseCaption(nbOct), "oct");
    EXPECT_EQ(NumberFormatFromCaption("FIX"), NumberFormat::Fix);
    EXPECT_EQ(BaseFromCaption("Hex"), nbHex);
    EXPECT_EQ(NumberFormatFromCaption("normal"), std::nullopt);
    EXPECT_EQ(BaseFromCaption(""), std::nullopt);
}

}  // namespace
}  // namespace tarvix::testing
