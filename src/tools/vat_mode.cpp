// The VAT mode of the main window's registers.
#include "tools/vat_mode.h"

#include <algorithm>
#include <climits>
#include <clocale>

#include "calculator/float_mask.h"
#include "calculator/history_list.h"
#include "calculator/text_trim.h"
#include "calculator/value_text.h"
#include "engine/name_utils.h"
#include "tools/tool_messages.h"

namespace tarvix {

int SystemCurrencyDecimals() {
    // Only the monetary category is taken from the environment.
    std::setlocale(LC_MONETARY, "");
    const std::lconv* conventions = std::localeconv();
    const int digits = conventions ? conventions->frac_digits : CHAR_MAX;
    return digits == CHAR_MAX || digits < 0 || digits > 6 ? 2 : digits;
}

VatSettings ReadVatSettings(const Settings& settings) {
    VatSettings vat;
    vat.Rate = settings.String("Localization", "VATRate");
    vat.ReducedRate = settings.String("Localization", "ReducedVATRate");
    vat.BaseRoundUnit = settings.String("Localization", "BasisPriceRoundUnit");
    vat.TotalRoundUnit = settings.String("Localization", "TotalPriceRoundUnit");
    vat.CurrencyDecimals = SystemCurrencyDecimals();
    return vat;
}

VatMode::VatMode(Calculator& calculator)
    : calculator_(calculator), messages_(&BuiltInToolMessages()) {}

void VatMode::SetMessages(const MessageTable* messages) {
    messages_ = messages ? messages : &BuiltInToolMessages();
}

std::optional<VatField> VatMode::FieldOf(BoxId box) {
    for (std::size_t i = 0; i < kVatBoxes.size(); ++i) {
        if (kVatBoxes[i] == box) return static_cast<VatField>(i);
    }
    return std::nullopt;
}

bool VatMode::IsOn() const {
    for (std::size_t i = 0; i < kVatBoxes.size(); ++i) {
        if (!EqualsNoCase(calculator_.RegisterAt(kVatBoxes[i]).Label, names_.Names[i]))
            return false;
    }
    return true;
}

void VatMode::SwitchOn() {
    TParser& parser = calculator_.Parser1();
    for (BoxId box : kVatBoxes) {
        const std::string label = calculator_.RegisterAt(box).Label;
        if (parser.VariableExists(label)) parser.DeleteVariable(label);
    }
    ComplexValue rate{};
    try {
        rate = ParseValueText(settings_.Rate, parser);
    } catch (const std::exception&) {
        // An unreadable rate setting leaves the rate 0; the box shows its text.
    }
    for (std::size_t i = 0; i < kVatBoxes.size(); ++i) {
        const BoxId box = kVatBoxes[i];
        parser.SetVariable(names_.Names[i], box == BoxId::Y ? rate : ComplexValue{});
        calculator_.SetRegisterLabel(box, names_.Names[i]);
        calculator_.SetRegisterBox(box, box == BoxId::Y ? settings_.Rate : "0");
    }
    calculator_.SetInputText(names_.Names[static_cast<std::size_t>(VatField::Tax)]);
    RefreshRateList();
}

void VatMode::SwitchOff() {
    TParser& parser = calculator_.Parser1();
    for (const std::string& name : names_.Names) {
        if (parser.VariableExists(name)) parser.DeleteVariable(name);
    }
    for (BoxId box : kVatBoxes) {
        const std::string letter(RegisterLetter(box));
        calculator_.SetRegisterLabel(box, letter);
        calculator_.SetRegisterBox(box, "0");
        parser.SetVariable(letter, {});
    }
    calculator_.SetInputText("");
}

void VatMode::RefreshRateList() {
    std::vector<std::string>& list = calculator_.RegisterHistory(BoxId::Y);
    for (const std::string& rate : {settings_.Rate, settings_.ReducedRate}) {
        if (std::find(list.begin(), list.end(), rate) == list.end()) list.push_back(rate);
    }
    AddToHistory(list, calculator_.RegisterAt(BoxId::Y).Box,
                 calculator_.Options().InputHistoryLimit);
}

bool VatMode::Compute(std::optional<BoxId> focused) {
    calculator_.Switches().Modifiers = {};
    TParser& parser = calculator_.Parser1();
    VatRounding rounding;
    rounding.BaseUnit = ParseValueText(settings_.BaseRoundUnit, parser).Re;
    rounding.TotalUnit = ParseValueText(settings_.TotalRoundUnit, parser).Re;

    // A rate typed with its percent sign keeps the text before it.
    const std::string& rateText = calculator_.RegisterAt(BoxId::Y).Box;
    if (const std::size_t percent = rateText.find('%'); percent != std::string::npos)
        calculator_.SetRegisterBox(BoxId::Y, rateText.substr(0, percent));

    VatValues values;
    values.Base = ParseValueText(calculator_.RegisterAt(BoxId::X).Box, parser).Re;
    values.Rate = ParseValueText(calculator_.RegisterAt(BoxId::Y).Box, parser).Re;
    values.Tax = ParseValueText(calculator_.RegisterAt(BoxId::A).Box, parser).Re;
    values.Total = ParseValueText(calculator_.RegisterAt(BoxId::B).Box, parser).Re;

    const std::optional<VatField> field = focused ? FieldOf(*focused) : std::nullopt;
    if (!field) {
        const auto& n = names_.Names;
        calculator_.ShowMessageBox(
            FormatMessageText(messages_->Text(toolmsg::VatMoveCursor), {n[0], n[2], n[3]}),
            MessageKind::Information, kOkButton, kVatHelpContext);
        return false;
    }
    VatResult result;
    try {
        result = ComputeVat(*field, values, rounding);
    } catch (const ToolError& e) {
        throw std::runtime_error(e.Text(*messages_));
    }
    const FloatMask currency{MaskKind::Fixed, settings_.CurrencyDecimals};
    const char separator = calculator_.Options().DecimalSeparator;
    const std::array<long double, 4> computed = {result.Values.Base, result.Values.Rate,
                                                 result.Values.Tax, result.Values.Total};
    for (std::size_t i = 0; i < kVatBoxes.size(); ++i) {
        if (!result.Write[i]) continue;
        calculator_.SetRegisterBox(kVatBoxes[i], FormatFloat(computed[i], currency, separator));
        parser.SetVariable(names_.Names[i], {computed[i], 0.0L});
    }
    return true;
}

}  // namespace tarvix
