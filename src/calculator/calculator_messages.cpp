// Built-in Czech texts of the calculator's messages and their replacement.
#include "calculator/calculator_messages.h"

#include <stdexcept>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

// "\n" is a line break inside a message.
const std::vector<MessageEntry>& DefaultEntries() {
    static const std::vector<MessageEntry> entries = {
        {calcmsg::NonConvertibleString, "Nekonvertovatelný řetězec\n%s"},
        {calcmsg::BaseRangeExceeded, "Mimo rozsah 64bitového celého čísla"},
    };
    return entries;
}

std::size_t IndexOf(std::string_view key) {
    const auto& entries = DefaultEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EqualsNoCase(entries[i].Key, key)) return i;
    }
    return entries.size();
}

}  // namespace

CalculatorMessageTable::CalculatorMessageTable() {
    ResetToDefaults();
}

void CalculatorMessageTable::ResetToDefaults() {
    texts_.clear();
    for (const auto& e : DefaultEntries()) texts_.emplace_back(e.Default);
}

const std::vector<MessageEntry>& CalculatorMessageTable::Entries() const {
    return DefaultEntries();
}

const std::string& CalculatorMessageTable::Text(std::string_view key) const {
    std::size_t i = IndexOf(key);
    if (i >= texts_.size()) throw std::logic_error("unknown message key " + std::string(key));
    return texts_[i];
}

bool CalculatorMessageTable::Replace(std::string_view key, std::string text) {
    std::size_t i = IndexOf(key);
    if (i >= texts_.size()) return false;
    texts_[i] = std::move(text);
    return true;
}

const CalculatorMessageTable& BuiltInCalculatorMessages() {
    static const CalculatorMessageTable table;
    return table;
}

}  // namespace tarvix
