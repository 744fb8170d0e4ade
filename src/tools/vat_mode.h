// The main window's VAT mode on the calculator model: the registers X, Y, A
// and B become the fields "bezDPH", "sazba", "DPH" and "celkem"; switching
// the mode on and off, the rate box's list, and the computation from the
// field that has the focus.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calculator/calculator.h"
#include "storage/settings_store.h"
#include "tools/vat_calculator.h"

namespace tarvix {

inline constexpr std::array<BoxId, 4> kVatBoxes = {BoxId::X, BoxId::Y, BoxId::A, BoxId::B};

// The field names (replaceable texts); they are the register labels and the
// variables of the mode.
struct VatFieldNames {
    std::array<std::string, 4> Names = {"bezDPH", "sazba", "DPH", "celkem"};
};

// The settings of the mode (section Localization), read as texts.
struct VatSettings {
    std::string Rate = "22";
    std::string ReducedRate = "5";
    std::string BaseRoundUnit = "0,10";
    std::string TotalRoundUnit = "0,50";
    int CurrencyDecimals = 2;
};

// The currency decimals of the system's locale; 2 when it does not say.
int SystemCurrencyDecimals();

// The rates and rounding units of section Localization with the system's
// currency decimals: what the main window and the headless --vat use.
VatSettings ReadVatSettings(const Settings& settings);

class VatMode {
public:
    explicit VatMode(Calculator& calculator);

    void SetNames(VatFieldNames names) { names_ = std::move(names); }
    const VatFieldNames& Names() const { return names_; }
    void SetSettings(VatSettings settings) { settings_ = std::move(settings); }
    const VatSettings& Settings() const { return settings_; }
    // Texts of the messages (the built-in table unless replaced).
    void SetMessages(const MessageTable* messages);

    // The labels of X, Y, A, B read the field names.
    bool IsOn() const;
    // Removes the variables of the four labels, creates the field variables
    // (the rate with the value of the rate setting), sets the labels, boxes
    // "0" and the rate, the input line "DPH" (the tax field's name) and
    // refreshes the rate list. The caller focuses the X box.
    void SwitchOn();
    // Removes the field variables; labels X, Y, A, B with boxes "0" and
    // variables of value 0; the input line emptied. The caller focuses it.
    void SwitchOff();
    // The rate settings are added to the rate box's list when missing and its
    // text is recorded in the list.
    void RefreshRateList();
    // The computation from the focused box: false when no field has the focus
    // (the information message has been shown) and nothing changed. Errors
    // of the boxes' texts and impossible rates are raised; nothing is written.
    bool Compute(std::optional<BoxId> focused);

    // The field of a box, if it is one of the four.
    static std::optional<VatField> FieldOf(BoxId box);

private:
    Calculator& calculator_;
    VatFieldNames names_;
    VatSettings settings_;
    const MessageTable* messages_;
};

}  // namespace tarvix
