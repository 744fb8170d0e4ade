// The conversion window's state and commands.
#include "tools/unit_conversion_model.h"

#include <algorithm>
#include <utility>

#include "calculator/float_mask.h"
#include "calculator/value_text.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "tools/tool_messages.h"

namespace tarvix {

UnitConversionModel::UnitConversionModel(const UnitTable& table) : converter_(table) {}

void UnitConversionModel::SelectCategory(std::size_t category) {
    category = std::min(category, Table().Categories().size() - 1);
    // The output belongs to the previous quantity: it goes even when the
    // input cannot be converted in the new one.
    if (category != category_) output_.clear();
    category_ = category;
    const std::size_t last = UnitCount() == 0 ? 0 : UnitCount() - 1;
    inputUnit_ = std::min(inputUnit_, last);
    outputUnit_ = std::min(outputUnit_, last);
}

void UnitConversionModel::SelectInputUnit(std::size_t unit) {
    if (UnitCount() == 0) return;
    inputUnit_ = std::min(unit, UnitCount() - 1);
    noteOfInput_ = true;
}

void UnitConversionModel::SelectOutputUnit(std::size_t unit) {
    if (UnitCount() == 0) return;
    outputUnit_ = std::min(unit, UnitCount() - 1);
    noteOfInput_ = false;
}

std::string UnitConversionModel::NoteText(std::string_view prefix, const UnitNames& names) const {
    const std::size_t unit = noteOfInput_ ? inputUnit_ : outputUnit_;
    if (unit >= UnitCount()) return {};
    const std::string note = names.Note(category_, unit);
    if (note.empty()) return {};
    return std::string(prefix) + (noteOfInput_ ? "  " : "") + note;
}

long double ReadConversionInput(std::string_view text, TParser& evaluator) {
    std::string value;
    for (char c : text) {
        if (c != ' ' && c != '\t') value += c;
    }
    if (value.empty()) Raise<ESyntaxError>(msg::Parse, {}, 11);  // the compiler's help context
    return ParseValueText(value, evaluator).Re;
}

void UnitConversionModel::Convert(TParser& evaluator, char decimalSeparator) {
    const long double value = ReadConversionInput(input_, evaluator);
    long double result = 0.0L;
    try {
        result = converter_.Convert(category_, inputUnit_, outputUnit_, value);
    } catch (const ToolError& e) {
        if (e.Key() == toolmsg::NoVariableX) output_.clear();
        throw;
    }
    output_ = FormatFloat(result, FloatMask{}, decimalSeparator);
}

void UnitConversionModel::SwapAll() {
    input_ = output_;
    SwapUnits();
}

void UnitConversionModel::SwapUnits() {
    std::swap(inputUnit_, outputUnit_);
}

void UnitConversionModel::SwapValues() {
    input_ = output_;
}

}  // namespace tarvix
