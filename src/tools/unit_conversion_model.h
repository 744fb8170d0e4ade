// The conversion window's logic: the chosen quantity and units, the input and
// output texts (kept for the whole program run), the note shown in the
// status bar, the conversion itself and the swaps.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/parser.h"
#include "tools/unit_converter.h"
#include "tools/unit_names.h"

namespace tarvix {

// The value of a conversion's input text: blanks removed, decimal comma, a
// plain number directly, anything else evaluated by `evaluator`, which keeps
// no trace of it. An empty text is not a number: the engine's syntax error.
long double ReadConversionInput(std::string_view text, TParser& evaluator);

class UnitConversionModel {
public:
    explicit UnitConversionModel(const UnitTable& table = UnitTable::BuiltIn());

    const UnitTable& Table() const { return converter_.Table(); }
    std::size_t Category() const { return category_; }
    std::size_t InputUnit() const { return inputUnit_; }
    std::size_t OutputUnit() const { return outputUnit_; }
    const std::string& InputText() const { return input_; }
    const std::string& OutputText() const { return output_; }
    void SetInputText(std::string text) { input_ = std::move(text); }
    std::size_t UnitCount() const { return Table().Category(category_).Units.size(); }

    // Choices; unit indexes beyond the quantity's units select its last one.
    // Another quantity clears the output.
    void SelectCategory(std::size_t category);
    void SelectInputUnit(std::size_t unit);
    void SelectOutputUnit(std::size_t unit);

    // "Pozn.:" and the note of the unit chosen last in the language of
    // `names` (two blanks after the prefix for the input unit); empty when
    // that unit has no note.
    std::string NoteText(std::string_view prefix, const UnitNames& names) const;

    // Reads the input (ReadConversionInput) and converts it; the output is
    // the "%g" text with the decimal separator.
    // Errors propagate: a definition without X clears the output, a missing
    // inverse formula and evaluation errors leave it as it was.
    void Convert(TParser& evaluator, char decimalSeparator);

    // The output becomes the input and the units change places.
    void SwapAll();
    void SwapUnits();
    void SwapValues();

private:
    UnitConverter converter_;
    std::size_t category_ = 0;
    std::size_t inputUnit_ = 0;
    std::size_t outputUnit_ = 0;
    bool noteOfInput_ = true;
    std::string input_ = "1";
    std::string output_;
};

}  // namespace tarvix
