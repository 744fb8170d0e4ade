// VAT rounding, computation and the mode on the calculator's registers.
#include <gtest/gtest.h>

#include "calculator/calculator.h"
#include "tools/tool_messages.h"
#include "tools/vat_mode.h"

namespace tarvix {
namespace {

TEST(VatRounding, HalfAwayFromZeroAfterTwelveDigits) {
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

}  // namespace
}  // namespace tarvix
