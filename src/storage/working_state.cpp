// Converting and applying the working state shared by the data and settings files.
#include "storage/working_state.h"

#include <algorithm>
#include <exception>

#include "calculator/history_list.h"
#include "calculator/value_text.h"
#include "engine/engine_modes.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

// The process-wide engine modes, put back when the scope ends: a private
// evaluator's mode setters change them as well.
class EngineModesGuard {
public:
    EngineModesGuard() : saved_(EngineModes) {}
    ~EngineModesGuard() { EngineModes = saved_; }
    EngineModesGuard(const EngineModesGuard&) = delete;
    EngineModesGuard& operator=(const EngineModesGuard&) = delete;

private:
    EngineModesBlock saved_;
};

const ProfileEntry* FirstEntryNamed(const std::vector<ProfileEntry>& entries,
                                    std::string_view name) {
    for (const ProfileEntry& entry : entries) {
        if (EqualsNoCase(entry.first, name)) return &entry;
    }
    return nullptr;
}

}  // namespace

std::vector<VariableConversion> ConvertVariableTexts(const Calculator& calculator,
                                                     const ModeSwitches& modes, char imaginaryUnit,
                                                     const std::vector<ProfileEntry>& texts) {
    std::vector<VariableConversion> converted;
    if (texts.empty()) return converted;
    EngineModesGuard guard;
    TParser scratch;
    const TParser& main = calculator.Parser1();
    for (int i = 0; i < main.VarCount(); ++i) {
        const std::string& name = main.VariableName(i);
        scratch.SetVariable(name, main.GetVariable(name));
    }
    scratch.SetAutoRegisterVar(false);
    scratch.SetAngleUnits(modes.AngleUnits);
    scratch.SetNumericalScope(modes.Scope);
    scratch.SetNumericalBase(modes.Display.Base);
    EngineModes.ImaginaryUnitChar = imaginaryUnit == 'j' ? 'j' : 'i';
    converted.reserve(texts.size());
    for (const auto& [name, text] : texts) {
        VariableConversion conversion{name, {}, {}};
        try {
            conversion.Value = ParseValueText(text, scratch);
            scratch.SetVariable(name, conversion.Value);
        } catch (const std::exception& error) {
            conversion.Error = error.what();
        }
        converted.push_back(std::move(conversion));
    }
    return converted;
}

void ApplyRegisterBoxes(Calculator& calculator, const std::vector<ProfileEntry>& entries) {
    const std::size_t named = std::min(entries.size(), kRegisterLoadOrder.size());
    for (std::size_t i = 0; i < named; ++i) {
        const std::string& name = entries[i].first;
        calculator.SetRegisterLabel(kRegisterLoadOrder[i], name);
        calculator.SetRegisterBox(kRegisterLoadOrder[i], FirstEntryNamed(entries, name)->second);
    }
}

std::vector<ProfileEntry> RegisterBoxEntries(const Calculator& calculator) {
    std::vector<ProfileEntry> entries;
    for (BoxId box : kRegisterLoadOrder) {
        const Register& reg = calculator.RegisterAt(box);
        entries.emplace_back(reg.Label, reg.Box);
    }
    return entries;
}

std::optional<std::string> RepeatedName(const std::vector<ProfileEntry>& entries) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (EqualsNoCase(entries[i].first, entries[j].first)) return entries[i].first;
        }
    }
    return std::nullopt;
}

std::vector<ProfileEntry> VariableEntries(const Calculator& calculator, bool withAns,
                                          bool imaginaryWhenZero) {
    const TParser& parser = calculator.Parser1();
    const FormatOptions options = calculator.CurrentFormatOptions();
    FormatOptions realOnly = options;
    realOnly.Scope = nsReal;
    std::vector<ProfileEntry> entries;
    for (int i = 0; i < parser.VarCount(); ++i) {
        const std::string& name = parser.VariableName(i);
        if (!withAns && IsAnsName(name)) continue;
        const ComplexValue value = parser.GetVariable(name);
        const bool imaginary =
            options.Scope == nsComplex && (imaginaryWhenZero || value.Im != 0.0L);
        entries.emplace_back(name, VectorElementText(value, imaginary ? options : realOnly));
    }
    return entries;
}

std::vector<std::string> ExpressionsWithInput(const Calculator& calculator) {
    std::vector<std::string> expressions = calculator.InputHistory();
    AddToHistory(expressions, calculator.InputText(), calculator.Options().InputHistoryLimit);
    return expressions;
}

}  // namespace tarvix
