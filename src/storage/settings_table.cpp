// The rows of the settings table.
//
// Colours are integers in the file's colour form (settings_color.h): blue,
// green, red from the high to the low byte, or a system colour above
// 0x80000000 (0x80000005 window background, 0x80000008 window text,
// 0x80000016 3D light).
#include "storage/settings_table.h"

#include <string>
#include <unordered_map>
#include <vector>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

constexpr std::int64_t kWindowBackground = 0x80000005;
constexpr std::int64_t kWindowText = 0x80000008;
constexpr std::int64_t k3dLight = 0x80000016;
constexpr std::int64_t kMaxColor = 0xFFFFFFFF;
constexpr std::int64_t kMaxPixels = 32767;

constexpr SettingSpec Row(std::string_view section, std::string_view key, SettingType type) {
    SettingSpec s;
    s.Section = section;
    s.Key = key;
    s.Type = type;
    return s;
}

constexpr SettingSpec Flag(std::string_view section, std::string_view key, bool value) {
    SettingSpec s = Row(section, key, SettingType::Bool);
    s.IntDefault = value ? 1 : 0;
    return s;
}

constexpr SettingSpec Number(std::string_view section, std::string_view key, std::int64_t value) {
    SettingSpec s = Row(section, key, SettingType::Integer);
    s.IntDefault = value;
    return s;
}

// An integer that reads as `outOfRange` outside min…max.
constexpr SettingSpec Ranged(std::string_view section, std::string_view key, std::int64_t value,
                             std::int64_t min, std::int64_t max, std::int64_t outOfRange) {
    SettingSpec s = Number(section, key, value);
    s.Ranged = true;
    s.Min = min;
    s.Max = max;
    s.OutOfRange = outOfRange;
    return s;
}

// Sizes in pixels: a negative or huge value reads as the default.
constexpr SettingSpec Pixels(std::string_view section, std::string_view key, std::int64_t value) {
    return Ranged(section, key, value, 0, kMaxPixels, value);
}

constexpr SettingSpec Colour(std::string_view section, std::string_view key, std::int64_t value) {
    return Ranged(section, key, value, 0, kMaxColor, value);
}

constexpr SettingSpec FontSize(std::string_view section, std::string_view key, std::int64_t value) {
    return Ranged(section, key, value, 1, 200, value);
}

// Font styles: bit 1 bold, 2 italic, 4 underline, 8 strike-out.
constexpr SettingSpec FontStyle(std::string_view section, std::string_view key) {
    SettingSpec s = Number(section, key, 0);
    s.LowBits = 0xF;
    return s;
}

// 0 normal, 1 minimised, 2 maximised.
constexpr SettingSpec WindowState(std::string_view section) {
    return Ranged(section, "WindowState", 0, 0, 2, 0);
}

// A window position; missing means centred on the screen.
constexpr SettingSpec Position(std::string_view section, std::string_view key) {
    return Row(section, key, SettingType::OptionalInteger);
}

constexpr SettingSpec Text(std::string_view section, std::string_view key, std::string_view value,
                           StringRule rule = StringRule::None) {
    SettingSpec s = Row(section, key, SettingType::String);
    s.TextDefault = value;
    s.Rule = rule;
    return s;
}

constexpr SettingSpec TextFrom(std::string_view section, std::string_view key, DefaultSource source,
                               std::string_view otherKey = {}, StringRule rule = StringRule::None) {
    SettingSpec s = Text(section, key, {}, rule);
    s.Source = source;
    s.DefaultKey = otherKey;
    return s;
}

constexpr SettingSpec List(std::string_view section, SettingType type) {
    return Row(section, {}, type);
}

constexpr SettingSpec HexColor(std::string_view section, std::string_view key, std::int64_t value) {
    SettingSpec s = Row(section, key, SettingType::HexColor);
    s.IntDefault = value;
    return s;
}

constexpr SettingSpec FreshInt(SettingSpec s, std::int64_t value) {
    s.HasFreshDefault = true;
    s.FreshIntDefault = value;
    return s;
}

constexpr SettingSpec FreshText(SettingSpec s, std::string_view value) {
    s.HasFreshDefault = true;
    s.FreshTextDefault = value;
    return s;
}

// The sixteen colours of chart series, in the file's colour form (red in the
// low byte): the chart's built-in palette, red, lime, blue, fuchsia, aqua,
// maroon, green, navy, purple, teal, yellow, olive, white, silver, gray, black.
constexpr std::int64_t kSeriesPalette[16] = {
    0x0000FF, 0x00FF00, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x000080, 0x008000, 0x800000,
    0x800080, 0x808000, 0x00FFFF, 0x008080, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x000000,
};
constexpr std::string_view kSeriesKeys[16] = {"0", "1", "2",  "3",  "4",  "5",  "6",  "7",
                                              "8", "9", "10", "11", "12", "13", "14", "15"};

std::vector<SettingSpec> BuildTable() {
    using T = SettingType;
    std::vector<SettingSpec> rows = {
        TextFrom("Localization", "Language", DefaultSource::Language, {}, StringRule::UpperCase),
        Text("Localization", "CountryId", "0xxx"),
        Text("Localization", "VATRate", "22"),
        Text("Localization", "ReducedVATRate", "5"),
        Text("Localization", "BasisPriceRoundUnit", "0,10"),
        Text("Localization", "TotalPriceRoundUnit", "0,50"),

        List("Holidays", T::IndexedList),

        Flag("Application", "ShowTrayIcon", true),
        Flag("Application", "MinimizeToTray", true),
        Flag("Application", "ActivateByNumLock", true),
        Flag("Application", "RunMinimizedOnWinStart", false),

        Flag("Window", "Maximized", true),
        Flag("Window", "StayOnTop", false),

        Position("Position", "Left"),
        Position("Position", "Top"),
        Position("Position", "MaximizedLeft"),
        Position("Position", "MaximizedTop"),
        Position("Position", "MinimizedLeft"),
        Position("Position", "MinimizedTop"),

        Text("DisplayFormat", "FloatFormatMask", "%g"),
        Ranged("DisplayFormat", "Precision", 3, 0, 15, 4),
        Ranged("DisplayFormat", "Postfix", 6, 1, 11, 6),
        Flag("DisplayFormat", "PrecisionChecked", false),
        Flag("DisplayFormat", "PostfixChecked", false),

        Flag("Hint", "ShowHint", true),
        Ranged("Hint", "HintHidePause", 10000, 0, 3600000, 10000),

        Colour("Switches", "FontColor", 0x808080),
        Text("Switches", "Mode", "insert"),
        // A first start (no settings file) is in degrees: sin(30) gives 0.5.
        FreshText(Text("Switches", "Units", "rad"), "deg"),
        Text("Switches", "Radix", "dec"),
        Text("Switches", "Domain", "real"),
        Text("Switches", "Format", "norm"),
        Flag("Switches", "PolarFormat", false),

        Colour("Display", "RColor", k3dLight),
        Colour("Display", "CColor", k3dLight),
        Colour("Display", "FontColor", kWindowText),
        Text("Display", "RDisplayFontName", "Term"),
        FontSize("Display", "RDisplayFontSize", 14),
        FontStyle("Display", "RDisplayFontStyle"),
        Colour("Display", "RDisplayFontColor", kWindowText),
        Text("Display", "CDisplayFontName", "MS Sans Serif"),
        FontSize("Display", "CDisplayFontSize", 8),
        FontStyle("Display", "CDisplayFontStyle"),
        Colour("Display", "CDisplayFontColor", kWindowText),
        Flag("Display", "HexPrefixFormat", false),

        List("InputBoxes", T::NamedList),
        List("RegisteredVariables", T::NamedList),

        Flag("Options", "AutoRegisterVariables", true),
        Flag("Options", "NumberInsteadAns", true),
        Flag("Options", "SpaceAsBrackets", true),
        Flag("Options", "VarAsVector", false),
        Text("Options", "ImaginaryUnit", "i", StringRule::ImaginaryUnit),
        Flag("Options", "AskForClear", true),
        Flag("Options", "AskForReset", true),

        List("Expressions", T::IndexedList),

        Ranged("HistoryLimits", "ExprComboBox", 20, 1, 1000, 20),
        Ranged("HistoryLimits", "AnswerHint", 9, 1, 1000, 9),

        List("KeyboardSequence", T::CharSequenceList),

        Text("DataFile", "FileName", "data.fx"),
        TextFrom("DataFile", "PathName", DefaultSource::DocumentsFolder),
        TextFrom("DataFile", "InitialDir", DefaultSource::SameAsKey, "PathName"),

        Position("LogForm", "Left"),
        Position("LogForm", "Top"),
        Pixels("LogForm", "Width", 140),
        Pixels("LogForm", "Height", 200),
        WindowState("LogForm"),
        Flag("LogForm", "Open", false),
        Text("LogForm", "LogFormFontName", "MS Sans Serif"),
        FontSize("LogForm", "LogFormFontSize", 8),
        FontStyle("LogForm", "LogFormFontStyle"),
        Colour("LogForm", "LogFormFontColor", kWindowText),

        Flag("LogFile", "SaveHistory", false),
        Flag("LogFile", "ClearOnStart", true),
        Flag("LogFile", "Results", false),
        Flag("LogFile", "Expressions_Results", true),
        Flag("LogFile", "Expressions_Variables_Results", false),
        Flag("LogFile", "CopyLogToClipboard", false),
        Flag("LogFile", "AdjustWindowWidth", true),

        Flag("DataSeries", "CreateFile", false),
        Flag("DataSeries", "Numbering", true),
        Flag("DataSeries", "Ordinate", true),
        Number("DataSeries", "ColumnSeparator", 0),
        Text("DataSeries", "DefaultFloatMask", "0.000000000E+00"),
        FreshText(Text("DataSeries", "FormatFloatMask", "0.000000000E+00"), "0.000000E+00"),
        Number("DataSeries", "DecimalSeparator", 0),

        Position("StatForm", "Left"),
        Position("StatForm", "Top"),
        FreshInt(Pixels("StatForm", "Width", 450), 463),
        FreshInt(Pixels("StatForm", "Height", 388), 424),
        FreshInt(Pixels("StatForm", "LeftPanelWidth", 180), 150),
        Pixels("StatForm", "Sections1Width", 178),
        Pixels("StatForm", "xPanelWidth", 67),
        Flag("StatForm", "xyData", false),
        Flag("StatForm", "RndData", false),
        Flag("StatForm", "RndStatData", false),
        Ranged("StatForm", "RndPrecision", 6, 0, 15, 6),
        Flag("StatForm", "EnterAppendsData", false),
        Flag("StatForm", "Header", true),
        Flag("StatForm", "DateTime", true),
        Flag("StatForm", "DataSerie", true),
        Flag("StatForm", "Count", true),
        Flag("StatForm", "Minimum", true),
        Flag("StatForm", "Maximum", true),
        Flag("StatForm", "AriAverage", true),
        Flag("StatForm", "GeoAverage", true),
        Flag("StatForm", "SqrAverage", true),
        Flag("StatForm", "HarAverage", true),
        Flag("StatForm", "Sum", true),
        Flag("StatForm", "SumOfSquares", true),
        Flag("StatForm", "Dispersion", true),
        Flag("StatForm", "StdDeviation", true),
        Flag("StatForm", "Variation", true),

        Position("ExprForm", "Left"),
        Position("ExprForm", "Top"),
        Pixels("ExprForm", "Width", 660),
        Pixels("ExprForm", "Width0", 200),
        Pixels("ExprForm", "Width1", 200),
        Pixels("ExprForm", "Width2", 200),
        Pixels("ExprForm", "Height", 330),
        Pixels("ExprForm", "Height1", 156),
        WindowState("ExprForm"),
        Text("ExprForm", "FontName", "Fixedsys"),
        FontSize("ExprForm", "FontSize", 10),
        FontStyle("ExprForm", "FontStyle"),
        Text("ExprForm", "SelectedTreeNode", ""),
        Ranged("ExprForm", "SelectedGridRow", 0, 0, INT32_MAX, 0),
        Ranged("ExprForm", "TopGridRow", 0, 0, INT32_MAX, 0),
        Text("ExprForm", "LibraryFileName", "tarvix.exp"),
        Pixels("ExprForm", "ComboWidth", 162),

        Position("FindForm", "Left"),
        Position("FindForm", "Top"),
        Pixels("FindForm", "Width", 400),
        Pixels("FindForm", "Width0", 160),
        Pixels("FindForm", "Height", 300),
        WindowState("FindForm"),

        Position("GemForm", "Left"),
        Position("GemForm", "Top"),
        Pixels("GemForm", "Width", 650),
        Pixels("GemForm", "Width1", 450),
        Pixels("GemForm", "RWidth", 120),
        Pixels("GemForm", "Height", 271),
        Pixels("GemForm", "Height1", 146),
        WindowState("GemForm"),

        Position("GemVForm", "Left"),
        Position("GemVForm", "Top"),
        Pixels("GemVForm", "Width", 600),
        Pixels("GemVForm", "Width1", 300),
        Pixels("GemVForm", "Height", 250),
        Pixels("GemVForm", "LUpDown", 50),
        Pixels("GemVForm", "RUpDown", 50),
        WindowState("GemVForm"),

        List("HistoryList", T::CountedList),

        Position("GrForm", "Left"),
        Position("GrForm", "Top"),
        Pixels("GrForm", "Width", 500),
        Pixels("GrForm", "Height", 400),
        WindowState("GrForm"),
        Flag("GrForm", "Orthonormal", false),
        Number("GrForm", "PanningMode", 1),
        Flag("GrForm", "CrossHair", true),
        Colour("GrForm", "BkColor", 0xF0FFFF),  // red 255, green 255, blue 240
        // The cross-hair is drawn in its stored colour: pure blue, in the
        // marked form of the chart colours (0x01000000 | RGB), so that it is
        // not read as an old XOR mask (which gives pale yellow on the light
        // background, next to invisible).
        Colour("GrForm", "CrossHairColor", 0x010000FF),

        Position("DispForm", "Left"),
        Position("DispForm", "Top"),
        Pixels("DispForm", "Width", 200),
        Pixels("DispForm", "Height", 150),
        WindowState("DispForm"),
        Flag("DispForm", "Open", false),
        Text("DispForm", "DispFormFontName", "MS Sans Serif"),
        FontSize("DispForm", "DispFormFontSize", 8),
        FontStyle("DispForm", "DispFormFontStyle"),
        Colour("DispForm", "DispFormFontColor", kWindowText),
        Colour("DispForm", "DispFormColor", kWindowBackground),
        TextFrom("DispForm", "WorkSheet", DefaultSource::WorkSheetName),
    };
    for (std::size_t i = 0; i < 16; ++i) {
        rows.push_back(HexColor("ChartSeriesColor", kSeriesKeys[i], kSeriesPalette[i]));
    }
    const std::vector<SettingSpec> rest = {
        Position("VarForm", "Left"),
        Position("VarForm", "Top"),
        Pixels("VarForm", "Width", 200),
        Pixels("VarForm", "Height", 226),
        Pixels("VarForm", "Width0", 44),
        Pixels("VarForm", "Width1", 120),
        Pixels("VarForm", "Width2", 70),

        Position("ConstForm", "Left"),
        Position("ConstForm", "Top"),
        Pixels("ConstForm", "Width", 200),
        Pixels("ConstForm", "Height", 226),
        Pixels("ConstForm", "Width0", 60),
        Pixels("ConstForm", "Width1", 90),

        Position("EdForm", "Left"),
        Position("EdForm", "Top"),
        Pixels("EdForm", "Width", 368),
        Pixels("EdForm", "Height", 378),
        WindowState("EdForm"),
        Text("EdForm", "EdFormFontName", "MS Sans Serif"),
        FontSize("EdForm", "EdFormFontSize", 8),
        FontStyle("EdForm", "EdFormFontStyle"),
        Colour("EdForm", "EdFormFontColor", kWindowText),

        Flag("Help", "TipsOfTheDay", true),

        List("UserConsts", T::IndexedList),
        List("VarInfos", T::NamedList),
        List("FindCategory", T::IndexedList),

        // The web links of the help menu; empty hides them.
        Text("Internet", "FAQ", ""),
        Text("Internet", "News", ""),
        Text("Internet", "Support", ""),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

std::string LookupKey(std::string_view section, std::string_view key) {
    return ToUpperAscii(section) + '\n' + ToUpperAscii(key);
}

}  // namespace

std::span<const SettingSpec> SettingsTable() {
    static const std::vector<SettingSpec> table = BuildTable();
    return table;
}

const SettingSpec* FindSetting(std::string_view section, std::string_view key) {
    static const std::unordered_map<std::string, const SettingSpec*> index = [] {
        std::unordered_map<std::string, const SettingSpec*> map;
        for (const SettingSpec& entry : SettingsTable()) {
            map.emplace(LookupKey(entry.Section, entry.Key), &entry);
        }
        return map;
    }();
    auto found = index.find(LookupKey(section, key));
    return found == index.end() ? nullptr : found->second;
}

std::int64_t CorrectInteger(const SettingSpec& entry, std::int64_t value) {
    if (entry.LowBits != 0) value &= entry.LowBits;
    if (entry.Ranged && (value < entry.Min || value > entry.Max)) value = entry.OutOfRange;
    return value;
}

}  // namespace tarvix
