// The preferences dialog's values: reading them from the program and applying them.
#include "storage/preferences.h"

#include "calculator/mode_switches.h"

namespace tarvix {
namespace {

constexpr std::string_view kDisplay = "Display";
constexpr std::string_view kApplication = "Application";
constexpr std::string_view kLocalization = "Localization";

FontSetting ReadFont(const Settings& settings, std::string_view prefix) {
    const std::string p(prefix);
    return {settings.String(kDisplay, p + "DisplayFontName"),
            settings.Int(kDisplay, p + "DisplayFontSize"),
            settings.Int(kDisplay, p + "DisplayFontStyle"),
            settings.Integer(kDisplay, p + "DisplayFontColor")};
}

void WriteFont(const FontSetting& font, std::string_view prefix, Settings& settings) {
    const std::string p(prefix);
    settings.SetString(kDisplay, p + "DisplayFontName", font.Name);
    settings.SetInteger(kDisplay, p + "DisplayFontSize", font.Size);
    settings.SetInteger(kDisplay, p + "DisplayFontStyle", font.Style);
    settings.SetInteger(kDisplay, p + "DisplayFontColor", font.Color);
}

struct VatKey {
    std::string_view Key;
    std::string PrefValues::*Field;
};
constexpr VatKey kVatKeys[] = {
    {"VATRate", &PrefValues::VatRate},
    {"ReducedVATRate", &PrefValues::ReducedVatRate},
    {"BasisPriceRoundUnit", &PrefValues::BasisRoundUnit},
    {"TotalPriceRoundUnit", &PrefValues::TotalRoundUnit},
};

void WriteVat(const PrefValues& values, Settings& settings) {
    for (const VatKey& key : kVatKeys) settings.SetString(kLocalization, key.Key, values.*key.Field);
}

}  // namespace

DisplayAppearance ReadDisplayAppearance(const Settings& settings) {
    DisplayAppearance appearance;
    appearance.RealColor = settings.Integer(kDisplay, "RColor");
    appearance.ComplexColor = settings.Integer(kDisplay, "CColor");
    appearance.RealFont = ReadFont(settings, "R");
    appearance.ComplexFont = ReadFont(settings, "C");
    appearance.SwitchFontColor = settings.Integer("Switches", "FontColor");
    appearance.HexPrefix = settings.Bool(kDisplay, "HexPrefixFormat");
    return appearance;
}

void WriteDisplayAppearance(const DisplayAppearance& appearance, Settings& settings) {
    settings.SetInteger(kDisplay, "RColor", appearance.RealColor);
    settings.SetInteger(kDisplay, "CColor", appearance.ComplexColor);
    WriteFont(appearance.RealFont, "R", settings);
    WriteFont(appearance.ComplexFont, "C", settings);
    settings.SetInteger("Switches", "FontColor", appearance.SwitchFontColor);
    settings.SetBool(kDisplay, "HexPrefixFormat", appearance.HexPrefix);
}

DisplayAppearance DefaultDisplayAppearance() {
    return ReadDisplayAppearance(Settings());
}

ApplicationOptions ReadApplicationOptions(const Settings& settings) {
    return {settings.Bool(kApplication, "ShowTrayIcon"), settings.Bool(kApplication, "MinimizeToTray"),
            settings.Bool(kApplication, "ActivateByNumLock"),
            settings.Bool(kApplication, "RunMinimizedOnWinStart")};
}

void WriteApplicationOptions(const ApplicationOptions& options, Settings& settings) {
    settings.SetBool(kApplication, "ShowTrayIcon", options.ShowTrayIcon);
    settings.SetBool(kApplication, "MinimizeToTray", options.MinimizeToTray);
    settings.SetBool(kApplication, "ActivateByNumLock", options.ActivateByNumLock);
    settings.SetBool(kApplication, "RunMinimizedOnWinStart", options.RunMinimizedAtLogin);
}

PreferencesModel::PreferencesModel(Calculator& calculator, HistoryLog& history, Settings& settings,
                                   PreferencesPort& port)
    : calculator_(calculator), history_(history), settings_(settings), port_(port) {
    shown_ = Current();
    edited_ = shown_;
}

PrefValues PreferencesModel::Current() const {
    const CalculatorOptions& options = calculator_.Options();
    PrefValues values;
    values.AutoRegister = options.AutoRegister;
    values.NumberInsteadAns = options.UseNumberInsteadOfAns;
    values.ImaginaryUnit = calculator_.ImaginaryUnit();
    values.VarAsVector = port_.VarAsVector();
    values.KeypadMode = calculator_.Switches().Mode;
    values.EnterAppendsData = options.EnterInsertsData;
    values.SpaceAsBrackets = options.SpaceAsBrackets;
    for (const VatKey& key : kVatKeys) values.*key.Field = settings_.String(kLocalization, key.Key);
    values.AskForClear = options.AskForClear;
    values.AskForReset = options.AskForReset;
    values.History = history_.Options();
    values.CopyToClipboard = options.CopyResultToClipboard;
    values.Language = settings_.String(kLocalization, "Language");
    values.Application = ReadApplicationOptions(settings_);
    values.Display = ReadDisplayAppearance(settings_);
    // The running display's form is the one that counts.
    values.Display.HexPrefix = calculator_.Switches().Display.HexPrefixStyle;
    values.Holidays = port_.HolidayLines();
    return values;
}

void PreferencesModel::Edit(const PrefValues& values) {
    edited_ = values;
    applyEnabled_ = true;
}

bool PreferencesModel::ScalarsNeedWarning(const PrefValues& values) const {
    return !values.VarAsVector && port_.VarAsVector() && port_.VectorsExist();
}

bool PreferencesModel::Apply() {
    if (!applyEnabled_) return false;
    const PrefValues& v = edited_;
    // 1. The options and the menu items that show them.
    CalculatorOptions options = calculator_.Options();
    options.AutoRegister = v.AutoRegister;
    options.UseNumberInsteadOfAns = v.NumberInsteadAns;
    options.EnterInsertsData = v.EnterAppendsData;
    options.SpaceAsBrackets = v.SpaceAsBrackets;
    options.AskForClear = v.AskForClear;
    options.AskForReset = v.AskForReset;
    options.CopyResultToClipboard = v.CopyToClipboard;
    calculator_.SetOptions(options);
    calculator_.SetImaginaryUnit(v.ImaginaryUnit);
    SelectFunctionMode(calculator_.Switches(), v.KeypadMode);
    WriteVat(v, settings_);
    // 2. Variables as scalars clear the vectors.
    if (v.VarAsVector != port_.VarAsVector()) port_.ApplyVarAsVector(v.VarAsVector);
    // 3. The history, and the mode button of an open history window.
    const HistoryMode oldMode = history_.Options().Mode;
    history_.SetOptions(v.History);
    if (v.History.Mode != oldMode) port_.ApplyHistoryMode(v.History.Mode);
    // 4. The language. Its re-read settings never undo the VAT values just
    // applied, and the holiday list is decided by step 6.
    if (v.Language != settings_.String(kLocalization, "Language")) {
        settings_.SetString(kLocalization, "Language", v.Language);
        port_.ApplyLanguage(settings_.String(kLocalization, "Language"));
        WriteVat(v, settings_);
    }
    // 5. The display.
    WriteDisplayAppearance(v.Display, settings_);
    calculator_.Switches().Display.HexPrefixStyle = v.Display.HexPrefix;
    port_.ApplyAppearance();
    // 6. The holiday list, when its text was edited (an unedited text is the
    // list as it was, which a language change may since have replaced).
    if (v.Holidays != shown_.Holidays) settings_.SetList("Holidays", v.Holidays);
    // 7. The notification area and the start at login.
    const bool startChanged = v.Application.RunMinimizedAtLogin !=
                              ReadApplicationOptions(settings_).RunMinimizedAtLogin;
    ApplicationOptions application = v.Application;
    if (startChanged && !port_.SetStartAtLogin(application.RunMinimizedAtLogin)) {
        application.RunMinimizedAtLogin = !application.RunMinimizedAtLogin;
        edited_.Application.RunMinimizedAtLogin = application.RunMinimizedAtLogin;
    }
    WriteApplicationOptions(application, settings_);
    port_.ApplyApplicationOptions();
    port_.RefreshProgram();
    // 8. Applying is disabled until the next change.
    shown_ = edited_;
    shown_.Holidays = port_.HolidayLines();
    edited_.Holidays = shown_.Holidays;
    applyEnabled_ = false;
    return true;
}

}  // namespace tarvix
