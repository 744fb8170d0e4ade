// Moving the calculator's state between the settings and the model.
#include "storage/settings_apply.h"

#include "calculator/float_mask.h"
#include "calculator/mode_switches.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOptions = "Options";
constexpr std::string_view kLimits = "HistoryLimits";
constexpr std::string_view kFormat = "DisplayFormat";
constexpr std::string_view kSwitches = "Switches";
constexpr std::string_view kDataFile = "DataFile";

NumberFormat FormatOfMask(std::string_view mask, bool engineering) {
    if (mask.find('f') != std::string_view::npos) return NumberFormat::Fix;
    if (mask.find('e') != std::string_view::npos) return NumberFormat::Sci;
    return engineering ? NumberFormat::Eng : NumberFormat::Norm;
}

void ApplyVariables(const Settings& settings, Calculator& calculator,
                    std::vector<std::string>& warnings) {
    const std::vector<ProfileEntry>& texts = settings.Entries("RegisteredVariables");
    for (const VariableConversion& variable : ConvertVariableTexts(
             calculator, calculator.Switches(), calculator.ImaginaryUnit(), texts)) {
        if (variable.Ok()) {
            calculator.Parser1().SetVariable(variable.Name, variable.Value);
        } else if (IsValidIdentifier(variable.Name)) {
            warnings.push_back("settings [RegisteredVariables] " + variable.Name + ": " +
                               variable.Error + "; using 0");
            calculator.Parser1().SetVariable(variable.Name, {});
        } else {
            warnings.push_back("settings [RegisteredVariables] " + variable.Name + ": " +
                               variable.Error + "; left out");
        }
    }
}

std::vector<std::string> VarInfoLines(const std::vector<ProfileEntry>& entries) {
    std::vector<std::string> lines;
    for (const auto& [name, text] : entries) lines.push_back(name + "=" + text);
    return lines;
}

std::vector<ProfileEntry> VarInfoEntries(const std::vector<std::string>& lines) {
    std::vector<ProfileEntry> entries;
    for (const std::string& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    return entries;
}

}  // namespace

CalculatorOptions ReadCalculatorOptions(const Settings& settings, CalculatorOptions options) {
    options.AutoRegister = settings.Bool(kOptions, "AutoRegisterVariables");
    options.UseNumberInsteadOfAns = settings.Bool(kOptions, "NumberInsteadAns");
    options.SpaceAsBrackets = settings.Bool(kOptions, "SpaceAsBrackets");
    options.AskForClear = settings.Bool(kOptions, "AskForClear");
    options.AskForReset = settings.Bool(kOptions, "AskForReset");
    options.EnterInsertsData = settings.Bool("StatForm", "EnterAppendsData");
    options.CopyResultToClipboard = settings.Bool("LogFile", "CopyLogToClipboard");
    options.InputHistoryLimit = settings.Int(kLimits, "ExprComboBox");
    options.RecentResultsLimit = settings.Int(kLimits, "AnswerHint");
    return options;
}

void WriteCalculatorOptions(const CalculatorOptions& options, Settings& settings) {
    settings.SetBool(kOptions, "AutoRegisterVariables", options.AutoRegister);
    settings.SetBool(kOptions, "NumberInsteadAns", options.UseNumberInsteadOfAns);
    settings.SetBool(kOptions, "SpaceAsBrackets", options.SpaceAsBrackets);
    settings.SetBool(kOptions, "AskForClear", options.AskForClear);
    settings.SetBool(kOptions, "AskForReset", options.AskForReset);
    settings.SetBool("StatForm", "EnterAppendsData", options.EnterInsertsData);
    settings.SetBool("LogFile", "CopyLogToClipboard", options.CopyResultToClipboard);
    settings.SetInteger(kLimits, "ExprComboBox", options.InputHistoryLimit);
    settings.SetInteger(kLimits, "AnswerHint", options.RecentResultsLimit);
}

ModeSwitches ReadModeSwitches(const Settings& settings, ModeSwitches modes) {
    DisplayModes& display = modes.Display;
    display.Digits = settings.Int(kFormat, "Precision");
    display.PostfixPosition = settings.Int(kFormat, "Postfix");
    display.RoundingOn = settings.Bool(kFormat, "PrecisionChecked");
    display.EngPostfixOn = settings.Bool(kFormat, "PostfixChecked");
    display.Format = NumberFormatFromCaption(settings.String(kSwitches, "Format"))
                         .value_or(FormatOfMask(settings.String(kFormat, "FloatFormatMask"),
                                                display.EngPostfixOn));
    display.Complex =
        settings.Bool(kSwitches, "PolarFormat") ? ComplexForm::Exponential : ComplexForm::Component;
    display.HexPrefixStyle = settings.Bool("Display", "HexPrefixFormat");
    display.Base = BaseFromCaption(settings.String(kSwitches, "Radix")).value_or(nbDec);
    modes.Mode =
        FunctionModeFromCaption(settings.String(kSwitches, "Mode")).value_or(FunctionMode::Insert);
    modes.AngleUnits = AngleUnitsFromCaption(settings.String(kSwitches, "Units")).value_or(auDeg);
    modes.Scope =
        ScopeFromCaption(settings.String(kSwitches, "Domain")) == nsReal ? nsReal : nsComplex;
    modes.Modifiers = {};
    NormalizeModeSwitches(modes);
    return modes;
}

void WriteModeSwitches(const ModeSwitches& modes, Settings& settings) {
    const DisplayModes& display = modes.Display;
    settings.SetString(kFormat, "FloatFormatMask", FloatMaskText(NumberMask(display)));
    settings.SetInteger(kFormat, "Precision", display.Digits);
    settings.SetInteger(kFormat, "Postfix", display.PostfixPosition);
    settings.SetBool(kFormat, "PrecisionChecked", display.RoundingOn);
    settings.SetBool(kFormat, "PostfixChecked", display.EngPostfixOn);
    settings.SetString(kSwitches, "Mode", FunctionModeCaption(modes.Mode));
    settings.SetString(kSwitches, "Units", AngleUnitsCaption(modes.AngleUnits));
    settings.SetString(kSwitches, "Radix", BaseCaption(display.Base));
    settings.SetString(kSwitches, "Domain", ScopeCaption(modes.Scope));
    settings.SetString(kSwitches, "Format", NumberFormatCaption(display.Format));
    settings.SetBool(kSwitches, "PolarFormat", display.Complex == ComplexForm::Exponential);
    settings.SetBool("Display", "HexPrefixFormat", display.HexPrefixStyle);
}

void ApplySettings(const Settings& settings, Calculator& calculator,
                   std::vector<std::string>& warnings) {
    if (calculator.RenamingMode()) calculator.ToggleRenaming();
    calculator.SetOptions(ReadCalculatorOptions(settings, calculator.Options()));

    calculator.Switches() = ReadModeSwitches(settings, calculator.Switches());
    SwitchChanges all;
    all.AngleUnits = all.Base = all.Scope = all.Format = all.FunctionMode = true;
    calculator.ApplySwitchChanges(all);
    calculator.SetImaginaryUnit(settings.String(kOptions, "ImaginaryUnit").front());

    calculator.Sequences().Clear();
    for (const auto& [c, substitute] : settings.Sequences()) {
        calculator.Sequences().Define(c, substitute);
    }

    ApplyRegisterBoxes(calculator, settings.Entries("InputBoxes"));
    ApplyVariables(settings, calculator, warnings);

    const std::vector<std::string>& expressions = settings.List("Expressions");
    calculator.SetInputHistory(expressions);
    calculator.SetInputText(expressions.empty() ? std::string() : expressions.front());

    calculator.VarInfos().SetLines(VarInfoLines(settings.Entries("VarInfos")));
}

void CaptureSettings(const Calculator& calculator, Settings& settings) {
    WriteCalculatorOptions(calculator.Options(), settings);
    WriteModeSwitches(calculator.Switches(), settings);
    settings.SetString(kOptions, "ImaginaryUnit", std::string(1, calculator.ImaginaryUnit()));
    settings.SetSequences(calculator.Sequences().Entries());
    settings.SetEntries("InputBoxes", RegisterBoxEntries(calculator));
    settings.SetEntries("RegisteredVariables", VariableEntries(calculator, true, false));
    std::vector<std::string> expressions = ExpressionsWithInput(calculator);
    std::erase(expressions, std::string());
    settings.SetList("Expressions", std::move(expressions));
    settings.SetEntries("VarInfos", VarInfoEntries(calculator.VarInfos().Lines()));
}

DataFileDocument ReadDataFileDocument(const Settings& settings) {
    DataFileDocument document;
    const std::string& name = settings.String(kDataFile, "FileName");
    if (!name.empty()) document.FileName = name;
    document.Folder = settings.String(kDataFile, "PathName");
    document.LastFolder = settings.String(kDataFile, "InitialDir");
    return document;
}

void WriteDataFileDocument(const DataFileDocument& document, Settings& settings) {
    settings.SetString(kDataFile, "FileName", document.FileName);
    settings.SetString(kDataFile, "PathName", document.Folder.string());
    settings.SetString(kDataFile, "InitialDir", document.LastFolder.string());
}

}  // namespace tarvix
