// Reading, converting, applying and writing data files.
#include "storage/data_file.h"

#include "calculator/mode_switches.h"
#include "engine/name_utils.h"
#include "storage/profile_file_io.h"

namespace tarvix {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSettings = "Settings";
constexpr std::string_view kInputBoxes = "InputBoxes";
constexpr std::string_view kVariables = "RegisteredVariables";
constexpr std::string_view kExpressions = "Expressions";

char ReadImaginaryUnit(std::string_view text) {
    return !text.empty() && (text[0] == 'i' || text[0] == 'j') ? text[0] : 'i';
}

bool HasDataSection(const ProfileFile& profile) {
    for (std::string_view section : {kSettings, kInputBoxes, kVariables, kExpressions}) {
        if (profile.SectionExists(section)) return true;
    }
    return false;
}

}  // namespace

fs::path DataFilePath(fs::path path) {
    if (!EqualsNoCase(path.extension().string(), ".fx")) path.replace_extension(".fx");
    return path;
}

DataFileContents ReadDataFileContents(const ProfileFile& profile) {
    DataFileContents contents;
    contents.AngleUnit = profile.ReadString(kSettings, "AngleUnit", contents.AngleUnit);
    contents.NumerationBase =
        profile.ReadString(kSettings, "NumerationBase", contents.NumerationBase);
    contents.NumerationDomain =
        profile.ReadString(kSettings, "NumerationDomain", contents.NumerationDomain);
    contents.ImaginaryUnit = ReadImaginaryUnit(profile.ReadString(kSettings, "ImaginaryUnit", "i"));
    contents.InputBoxes = profile.ReadSectionValues(kInputBoxes);
    contents.RegisteredVariables = profile.ReadSectionValues(kVariables);
    for (auto& [key, value] : profile.ReadSectionValues(kExpressions)) {
        contents.Expressions.push_back(std::move(value));
    }
    return contents;
}

void WriteDataFileContents(const DataFileContents& contents, ProfileFile& profile) {
    profile.ReplaceSection(kSettings, {{"AngleUnit", contents.AngleUnit},
                                       {"NumerationBase", contents.NumerationBase},
                                       {"NumerationDomain", contents.NumerationDomain},
                                       {"ImaginaryUnit", std::string(1, contents.ImaginaryUnit)}});
    profile.ReplaceSection(kInputBoxes, contents.InputBoxes);
    profile.ReplaceSection(kVariables, contents.RegisteredVariables);
    std::vector<ProfileEntry> expressions;
    for (std::size_t i = 0; i < contents.Expressions.size(); ++i) {
        expressions.emplace_back(std::to_string(i), contents.Expressions[i]);
    }
    profile.ReplaceSection(kExpressions, expressions);
}

DataFileContents CaptureDataFile(const Calculator& calculator) {
    DataFileContents contents;
    contents.AngleUnit = AngleUnitsCaption(calculator.AngleUnits());
    contents.NumerationBase = BaseCaption(calculator.NumericalBase());
    contents.NumerationDomain = ScopeCaption(calculator.NumericalScope());
    contents.ImaginaryUnit = calculator.ImaginaryUnit();
    contents.InputBoxes = RegisterBoxEntries(calculator);
    contents.RegisteredVariables = VariableEntries(calculator, false, true);
    contents.Expressions = ExpressionsWithInput(calculator);
    return contents;
}

PreparedDataFile PrepareDataFile(const DataFileContents& contents, const Calculator& calculator,
                                 DataFileStatus& status) {
    // The switches as the file's modes leave them, with the switches' coupling.
    ModeSwitches modes = calculator.Switches();
    const TAngleUnits units = AngleUnitsFromCaption(contents.AngleUnit).value_or(auRad);
    SelectAngleUnits(modes, units, SwitchSource::MenuItem);
    SelectBase(modes, BaseFromCaption(contents.NumerationBase).value_or(nbDec),
               SwitchSource::MenuItem);
    if (!EqualsNoCase(contents.NumerationDomain, ScopeCaption(modes.Scope))) {
        SelectDomain(modes, modes.Scope == nsReal ? nsComplex : nsReal, SwitchSource::MenuItem);
    }

    PreparedDataFile prepared;
    prepared.AngleUnits = modes.AngleUnits;
    prepared.Base = modes.Display.Base;
    prepared.Scope = modes.Scope;
    prepared.ImaginaryUnit = ReadImaginaryUnit(std::string_view(&contents.ImaginaryUnit, 1));
    prepared.InputBoxes.assign(
        contents.InputBoxes.begin(),
        contents.InputBoxes.begin() +
            static_cast<std::ptrdiff_t>(std::min(contents.InputBoxes.size(), kRegisterCount)));
    prepared.Expressions = contents.Expressions;
    status = {};
    for (VariableConversion& variable : ConvertVariableTexts(
             calculator, modes, prepared.ImaginaryUnit, contents.RegisteredVariables)) {
        if (!variable.Ok()) {
            status = {DataFileError::BadValue, variable.Name + ": " + variable.Error};
            return {};
        }
        prepared.Variables.emplace_back(std::move(variable.Name), variable.Value);
    }
    return prepared;
}

DataFileLoad LoadDataFile(const fs::path& path, const Calculator& calculator) {
    DataFileLoad load;
    ProfileLoadResult file = LoadProfileFile(path);
    if (!file.ok()) {
        load.Status = {file.status == FileReadStatus::Missing ? DataFileError::Missing
                                                              : DataFileError::Unreadable,
                       file.error.message()};
        return load;
    }
    if (!HasDataSection(file.profile)) {
        load.Status = {DataFileError::NotDataFile, {}};
        return load;
    }
    load.Prepared = PrepareDataFile(ReadDataFileContents(file.profile), calculator, load.Status);
    return load;
}

void ApplyDataFile(const PreparedDataFile& prepared, Calculator& calculator) {
    if (calculator.RenamingMode()) calculator.ToggleRenaming();
    calculator.SetAngleUnits(prepared.AngleUnits);
    calculator.SetNumericalBase(prepared.Base);
    calculator.SetNumericalScope(prepared.Scope);
    calculator.SetImaginaryUnit(prepared.ImaginaryUnit);
    ApplyRegisterBoxes(calculator, prepared.InputBoxes);
    for (const auto& [name, value] : prepared.Variables) {
        calculator.Parser1().SetVariable(name, value);
    }
    calculator.SetInputHistory(prepared.Expressions);
    calculator.SetInputText(prepared.Expressions.empty() ? std::string()
                                                         : prepared.Expressions.front());
    calculator.Hooks().RefreshVariableList();
}

DataFileStatus SaveDataFile(const fs::path& path, const Calculator& calculator) {
    const DataFileContents contents = CaptureDataFile(calculator);
    if (std::optional<std::string> repeated = RepeatedName(contents.InputBoxes)) {
        return {DataFileError::RepeatedName, *repeated};
    }
    ProfileLoadResult existing = LoadProfileFile(path);
    ProfileFile profile = existing.ok() ? std::move(existing.profile) : ProfileFile();
    try {
        WriteDataFileContents(contents, profile);
    } catch (const ProfileWriteError& error) {
        return {DataFileError::WriteFailed, error.what()};
    }
    FileWriteResult written = SaveProfileFile(path, profile);
    if (!written.ok()) return {DataFileError::WriteFailed, written.error.message()};
    return {};
}

}  // namespace tarvix
