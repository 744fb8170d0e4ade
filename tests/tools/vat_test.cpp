// VAT rounding, computation and the mode on the calculator's registers.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

#include "calculator/calculator.h"
#include "calculator/float_mask.h"
#include "tools/tool_messages.h"
#include "tools/vat_mode.h"
#include "../engine/small_stack.h"

namespace tarvix {
namespace {

TEST(VatRounding, HalfAwayFromZeroAfterFifteenDigits) {
    struct Case {
        long double X, Unit, Expected;
    };
    const Case cases[] = {
        {1.05L, 0.10L, 1.1L},       {-1.05L, 0.10L, -1.1L},      {1.04L, 0.10L, 1.0L},
        {99.97L, 0.10L, 100.0L},    {121.75L, 0.5L, 122.0L},     {-0.25L, 0.5L, -0.5L},
        {3.14159L, 0.0L, 3.14159L}, {81.9672131L, 0.10L, 82.0L},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToUnit(c.X, c.Unit), c.Expected) << static_cast<double>(c.X);
    }
}

// Amounts of up to 13 integer digits keep their cents, and halfway cases of
// 13 digits round away from zero (12-digit rounding lost both).
TEST(VatRounding, LargeAmountsKeepTheirCents) {
    struct Case {
        long double X, Unit, Expected;
    };
    const Case cases[] = {
        {123456789012.35L, 0.01L, 123456789012.35L},
        {123456789012.35L, 0.10L, 123456789012.4L},
        {9876543210987.65L, 0.01L, 9876543210987.65L},
        {-9876543210987.65L, 0.01L, -9876543210987.65L},
        {1234567890123.45L, 0.10L, 1234567890123.5L},
        {41259396475.15L, 0.10L, 41259396475.2L},
        {-41259396475.15L, 0.10L, -41259396475.2L},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToUnit(c.X, c.Unit), c.Expected) << static_cast<double>(c.X);
    }
}

// Halfway amounts of 10 to 13 significant digits at the units 0.01, 0.10 and
// 0.50, both signs, against the decimal result written out as text.
TEST(VatRounding, HalfwayCasesOfTenToThirteenDigits) {
    std::mt19937_64 random(26);
    auto read = [](const std::string& text) { return ReadFloatText(text, '.').value(); };
    for (int digits = 10; digits <= 13; ++digits) {
        // The integer part has `digits` − 2 digits for the units 0.10 and
        // 0.50 (two decimals), `digits` − 3 for 0.01 (three decimals).
        auto integerPart = [&](int length) {
            long long low = 1;
            for (int i = 1; i < length; ++i) low *= 10;
            const auto span = static_cast<unsigned long long>(9 * low);
            return low + static_cast<long long>(random() % span);
        };
        for (int i = 0; i < 300; ++i) {
            const std::string sign = i % 2 ? "-" : "";
            const long long whole = integerPart(digits - 2);
            const int tenth = static_cast<int>(random() % 10);
            // x.t5 at 0.10 gives x.(t+1).
            const std::string tenths = std::to_string(whole) + "." + std::to_string(tenth) + "5";
            const std::string tenthsUp =
                std::to_string(whole + (tenth + 1) / 10) + "." + std::to_string((tenth + 1) % 10);
            EXPECT_EQ(RoundToUnit(read(sign + tenths), 0.10L), read(sign + tenthsUp)) << tenths;
            // x.25 and x.75 at 0.50 give x.5 and x + 1.
            const std::string quarter = std::to_string(whole) + (i % 4 < 2 ? ".25" : ".75");
            const std::string quarterUp =
                i % 4 < 2 ? std::to_string(whole) + ".5" : std::to_string(whole + 1);
            EXPECT_EQ(RoundToUnit(read(sign + quarter), 0.50L), read(sign + quarterUp)) << quarter;
            // x.cc5 at 0.01 gives x.(cc+1).
            const long long cents = integerPart(digits - 3);
            const int hundredth = static_cast<int>(random() % 100);
            char text[64], up[64];
            std::snprintf(text, sizeof text, "%lld.%02d5", cents, hundredth);
            std::snprintf(up, sizeof up, "%lld.%02d", cents + (hundredth + 1) / 100,
                          (hundredth + 1) % 100);
            EXPECT_EQ(RoundToUnit(read(sign + text), 0.01L), read(sign + up)) << text;
        }
    }
}

TEST(VatCompute, EachEnteredField) {
    const VatRounding rounding;
    VatResult r = ComputeVat(VatField::Base, {100.0L, 22.0L, 0, 0}, rounding);
    EXPECT_EQ(r.Values.Tax, 22.0L);
    EXPECT_EQ(r.Values.Total, 122.0L);
    EXPECT_FALSE(r.Write[0]);
    EXPECT_TRUE(r.Write[2] && r.Write[3]);

    r = ComputeVat(VatField::Base, {99.97L, 22.0L, 0, 0}, rounding);
    EXPECT_EQ(r.Values.Base, 100.0L);
    EXPECT_EQ(r.Values.Total, 122.0L);
    EXPECT_EQ(r.Values.Tax, 22.0L);
    EXPECT_TRUE(r.Write[0]);

    r = ComputeVat(VatField::Total, {0, 22.0L, 0, 100.0L}, rounding);
    EXPECT_EQ(r.Values.Base, 82.0L);
    EXPECT_EQ(r.Values.Tax, 18.0L);
    EXPECT_FALSE(r.Write[3]);

    r = ComputeVat(VatField::Tax, {0, 22.0L, 22.0L, 0}, rounding);
    EXPECT_EQ(r.Values.Total, 122.0L);
    EXPECT_EQ(r.Values.Base, 100.0L);

    EXPECT_THROW(ComputeVat(VatField::Tax, {0, 0, 10.0L, 0}, rounding), ToolError);
    EXPECT_THROW(ComputeVat(VatField::Total, {0, -100.0L, 0, 10.0L}, rounding), ToolError);
    // A zero rate with the base entered is fine.
    EXPECT_EQ(ComputeVat(VatField::Base, {10.0L, 0, 0, 0}, rounding).Values.Total, 10.0L);
}

class MessageLog : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        texts.push_back(request.Text);
        return ModalResult::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view,
                                       std::string_view) override {
        return std::nullopt;
    }
    std::vector<std::string> texts;
};

// The VAT hook as the main window implements it, with a scripted focus.
class VatHooks : public CalculatorHooks {
public:
    explicit VatHooks(VatMode& mode) : mode_(mode) {}
    void VatCalculation(Calculator&) override {
        if (mode_.IsOn()) mode_.Compute(focus);
    }
    std::optional<BoxId> focus;

private:
    VatMode& mode_;
};

struct VatFixture : ::testing::Test {
    VatFixture() {
        calculator.SetDialogs(&log);
        calculator.SetHooks(&hooks);
        mode.SwitchOn();
    }
    const std::string& Box(BoxId box) { return calculator.RegisterAt(box).Box; }
    Calculator calculator;
    MessageLog log;
    VatMode mode{calculator};
    VatHooks hooks{mode};
};

TEST_F(VatFixture, SwitchingOnAndOff) {
    EXPECT_TRUE(mode.IsOn());
    EXPECT_EQ(calculator.RegisterAt(BoxId::X).Label, "bezDPH");
    EXPECT_EQ(calculator.RegisterAt(BoxId::B).Label, "celkem");
    EXPECT_EQ(Box(BoxId::Y), "22");
    EXPECT_EQ(calculator.Parser1().GetVariable("sazba").Re, 22.0L);
    EXPECT_EQ(calculator.InputText(), "DPH");
    const auto& rates = calculator.RegisterAt(BoxId::Y).History;
    EXPECT_NE(std::find(rates.begin(), rates.end(), "5"), rates.end());
    mode.SwitchOff();
    EXPECT_FALSE(mode.IsOn());
    EXPECT_EQ(calculator.RegisterAt(BoxId::X).Label, "X");
    EXPECT_FALSE(calculator.Parser1().VariableExists("bezDPH"));
    EXPECT_TRUE(calculator.Parser1().VariableExists("B"));
    EXPECT_EQ(Box(BoxId::B), "0");
}

TEST_F(VatFixture, EnterInTheBaseBox) {
    calculator.SetRegisterBox(BoxId::X, "99,97");
    calculator.SetRegisterBox(BoxId::Y, "22 %");
    hooks.focus = BoxId::X;
    calculator.SetInputText("DPH");
    EXPECT_EQ(calculator.Calculate(), CalcOutcome::Evaluated);
    EXPECT_EQ(Box(BoxId::X), "100.00");
    EXPECT_EQ(Box(BoxId::Y), "22 ");
    EXPECT_EQ(Box(BoxId::A), "22.00");
    EXPECT_EQ(Box(BoxId::B), "122.00");
    EXPECT_EQ(calculator.Ans().Re, 22.0L);  // the input line shows the tax
    EXPECT_TRUE(log.texts.empty());
}

TEST_F(VatFixture, TotalEnteredAndDecimalsOfTheCurrency) {
    VatSettings settings;
    settings.CurrencyDecimals = 0;
    mode.SetSettings(settings);
    calculator.SetRegisterBox(BoxId::B, "100");
    EXPECT_TRUE(mode.Compute(BoxId::B));
    EXPECT_EQ(Box(BoxId::X), "82");
    EXPECT_EQ(Box(BoxId::A), "18");
    EXPECT_EQ(Box(BoxId::B), "100");
}

TEST_F(VatFixture, NoFieldFocusedAndZeroRate) {
    EXPECT_FALSE(mode.Compute(BoxId::Input));
    ASSERT_EQ(log.texts.size(), 1u);
    EXPECT_NE(log.texts[0].find("bezDPH / DPH /celkem"), std::string::npos);

    calculator.SetRegisterBox(BoxId::Y, "0");
    calculator.SetRegisterBox(BoxId::A, "5");
    hooks.focus = BoxId::A;
    EXPECT_EQ(calculator.Calculate(), CalcOutcome::Failed);
    EXPECT_EQ(Box(BoxId::X), "0");  // nothing written
    EXPECT_EQ(log.texts.back(), BuiltInToolMessages().Text(toolmsg::VatZeroRate));
}

TEST_F(VatFixture, ABaseBeyondTheRangeIsAnOverflowAndNothingIsWritten) {
    calculator.SetRegisterBox(BoxId::X, "1e4932");
    hooks.focus = BoxId::X;
    EXPECT_EQ(calculator.Calculate(), CalcOutcome::Failed);
    ASSERT_FALSE(log.texts.empty());
    EXPECT_EQ(log.texts.back(), "Přetečení rozsahu čísla s pohyblivou řádovou čárkou");
    EXPECT_EQ(Box(BoxId::X), "1e4932");
    EXPECT_EQ(Box(BoxId::A), "0");
    EXPECT_EQ(Box(BoxId::B), "0");
}

TEST_F(VatFixture, CentsOfALargeBaseStayWithACentUnit) {
    VatSettings settings;
    settings.BaseRoundUnit = "0,01";
    mode.SetSettings(settings);
    calculator.SetRegisterBox(BoxId::X, "123456789012,35");
    EXPECT_TRUE(mode.Compute(BoxId::X));
    EXPECT_EQ(Box(BoxId::X), "123456789012,35");
    EXPECT_EQ(Box(BoxId::B), "150617282595.00");
    EXPECT_EQ(Box(BoxId::A), "27160493582.65");
}

// A field's text is an expression: one nested 100,000 deep is refused with
// the nesting message on a small stack, and nothing is written.
TEST_F(VatFixture, ADeeplyNestedFieldIsRefused) {
    std::string deep(100000, '(');
    deep += '1';
    deep.append(100000, ')');
    calculator.SetRegisterBox(BoxId::X, deep);
    hooks.focus = BoxId::X;
    CalcOutcome outcome = CalcOutcome::Evaluated;
    testing::RunOnSmallStack([&] { outcome = calculator.Calculate(); });
    EXPECT_EQ(outcome, CalcOutcome::Failed);
    ASSERT_FALSE(log.texts.empty());
    EXPECT_EQ(log.texts.back(), "Výraz je příliš zahnízděný");
    EXPECT_EQ(Box(BoxId::A), "0");
}

}  // namespace
}  // namespace tarvix
