// The register bank and the value texts of registers and variables.
#include "calculator/registers.h"

#include "calculator/float_mask.h"
#include "calculator/history_list.h"
#include "calculator/value_text.h"
#include "engine/name_utils.h"
#include "engine/parser.h"

namespace tarvix {
namespace {

constexpr std::string_view kLetters[] = {"X", "Y", "A", "B", "C", "D", "E", "F"};

struct CommandRow {
    char Digit;
    BoxId Box;
};
constexpr CommandRow kCommandChars[] = {
    {'1', BoxId::X}, {'2', BoxId::Y}, {'3', BoxId::A}, {'4', BoxId::B},
    {'5', BoxId::C}, {'6', BoxId::D}, {'7', BoxId::E}, {'8', BoxId::F},
};

}  // namespace

std::string_view RegisterLetter(BoxId box) {
    std::size_t i = static_cast<std::size_t>(box);
    return i < kRegisterCount ? kLetters[i] : std::string_view();
}

std::optional<BoxId> RegisterFromCommandChar(char c) {
    const char upper = ToUpperAscii(c);
    for (const auto& row : kCommandChars) {
        if (row.Digit == c || RegisterLetter(row.Box)[0] == upper) return row.Box;
    }
    return std::nullopt;
}

bool IsExtraRegister(BoxId box) {
    return box == BoxId::C || box == BoxId::D || box == BoxId::E || box == BoxId::F;
}

RegisterBank::RegisterBank() {
    ResetLabels();
}

std::size_t RegisterBank::Index(BoxId box) {
    const auto i = static_cast<std::size_t>(box);
    return i < kRegisterCount ? i : 0;
}

std::optional<BoxId> RegisterBank::FindLabel(std::string_view name) const {
    for (BoxId box : kRegisterSearchOrder) {
        if (EqualsNoCase((*this)[box].Label, name)) return box;
    }
    return std::nullopt;
}

std::optional<BoxId> RegisterBank::FirstDuplicateLabel() const {
    for (std::size_t i = 1; i < kRegisterCount; ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (EqualsNoCase((*this)[kRegisterLoadOrder[i]].Label,
                             (*this)[kRegisterLoadOrder[j]].Label)) {
                return kRegisterLoadOrder[i];
            }
        }
    }
    return std::nullopt;
}

void RegisterBank::ResetLabels() {
    for (BoxId box : kRegisterLoadOrder) (*this)[box].Label = RegisterLetter(box);
}

void RegisterBank::RecordHistories(int limit) {
    for (auto& reg : registers_) AddToHistory(reg.History, reg.Box, limit);
}

std::string RegisterValueText(const ComplexValue& value, const FormatOptions& options) {
    const FloatMask general{};
    const char separator = options.DecimalSeparator;
    if (options.Scope != nsComplex || value.Im == 0.0L) {
        return FormatFloat(value.Re, general, separator);
    }
    std::string im = FormatFloat(value.Im, general, separator) + options.ImaginaryUnit;
    if (value.Re == 0.0L) return im;
    return FormatFloat(value.Re, general, separator) + (im.starts_with('-') ? "" : "+") + im;
}

std::string VariablesSummary(const TParser& parser, const FormatOptions& options) {
    std::string out;
    const VariableTable& table = parser.Variables();
    for (std::size_t i = 0; i < table.Count(); ++i) {
        if (IsAnsName(table.NameAt(i))) continue;
        if (!out.empty()) out += '\n';
        out += table.NameAt(i);
        out += '=';
        out += VectorElementText(*table.SlotAt(i), options);
    }
    return out;
}

bool IsAnsName(std::string_view name) {
    return EqualsNoCase(name, "ANS");
}

}  // namespace tarvix
