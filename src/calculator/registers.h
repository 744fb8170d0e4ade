// The eight registers of the main window (a label naming a variable and a box
// holding its value text, with the box's history), the boxes' identities, and
// the texts of values that the registers and the variables summary show.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/format_options.h"
#include "engine/complex_value.h"

namespace tarvix {

class TParser;

// The boxes of the main window: the eight registers in their loading order
// (X = register 1 … F = register 8) and the input line.
enum class BoxId : std::uint8_t { X, Y, A, B, C, D, E, F, Input };

inline constexpr std::size_t kRegisterCount = 8;
// Registers are loaded in this order; duplicates are looked for in it.
inline constexpr std::array<BoxId, kRegisterCount> kRegisterLoadOrder = {
    BoxId::X, BoxId::Y, BoxId::A, BoxId::B, BoxId::C, BoxId::D, BoxId::E, BoxId::F};
// Searches over the labels run in this order.
inline constexpr std::array<BoxId, kRegisterCount> kRegisterSearchOrder = {
    BoxId::A, BoxId::B, BoxId::C, BoxId::D, BoxId::E, BoxId::F, BoxId::X, BoxId::Y};

// The register's letter, "X" … "F" (the input line has none: "").
std::string_view RegisterLetter(BoxId box);
// The register a command names: "1" … "8" or the letters X, Y, A … F in any case.
std::optional<BoxId> RegisterFromCommandChar(char c);
// C … F sit on the extra register panel (F only there).
bool IsExtraRegister(BoxId box);

struct Register {
    std::string Label;  // the variable the register feeds
    std::string Box = "0";
    std::vector<std::string> History;  // newest first
};

class RegisterBank {
public:
    RegisterBank();  // labels are the letters, boxes "0"

    Register& operator[](BoxId box) { return registers_[Index(box)]; }
    const Register& operator[](BoxId box) const { return registers_[Index(box)]; }

    // The register whose label is the name (case-insensitive), searched A … F, X, Y.
    std::optional<BoxId> FindLabel(std::string_view name) const;
    // In the order X, Y, A … F, the first register whose label repeats an
    // earlier one (case-insensitive).
    std::optional<BoxId> FirstDuplicateLabel() const;
    // Labels back to their letters.
    void ResetLabels();
    // Records every box in its history list.
    void RecordHistories(int limit);

private:
    static std::size_t Index(BoxId box);
    std::array<Register, kRegisterCount> registers_;
};

// A value as the "%g" text an assignment writes into a register box: the real
// part; in the complex domain the imaginary part follows with "+" before a
// non-negative part and the unit letter; a zero part is left out ("0" when
// both are zero), so 2 reads "2", 3i "3i" and 3−4i "3-4i".
std::string RegisterValueText(const ComplexValue& value, const FormatOptions& options);

// One line per variable of the evaluator in table order, except "ANS": the
// name, "=" and the value as a "%g" text line (VectorElementText); lines
// separated by "\n". The hint of the variables panel.
std::string VariablesSummary(const TParser& parser, const FormatOptions& options);

// Whether a name is the answer variable "ANS" (compared upper-cased).
bool IsAnsName(std::string_view name);

}  // namespace tarvix
