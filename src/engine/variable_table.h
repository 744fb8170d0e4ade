// The symbol table: variable names (case-insensitive, sorted) to value slots.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/complex_value.h"

namespace tarvix {

class VariableTable {
public:
    ComplexValue* Find(std::string_view name) const;
    bool Contains(std::string_view name) const { return Find(name) != nullptr; }
    // Enters a slot owned elsewhere (the registers); replaces nothing.
    ComplexValue* AddExternal(std::string_view name, ComplexValue* slot);
    // Enters a new zeroed slot owned by the table.
    ComplexValue* AddOwned(std::string_view name);
    // Removes the entry (freeing an owned slot); false when absent.
    bool Remove(std::string_view name);
    void Clear() { entries_.clear(); }
    std::size_t Count() const { return entries_.size(); }
    const std::string& NameAt(std::size_t i) const { return entries_[i].Name; }
    ComplexValue* SlotAt(std::size_t i) const { return entries_[i].Slot; }

private:
    struct Entry {
        std::string Name;
        ComplexValue* Slot = nullptr;
        std::unique_ptr<ComplexValue> Owned;
    };
    std::vector<Entry>::const_iterator LowerBound(std::string_view name) const;
    std::vector<Entry> entries_;
};

}  // namespace tarvix
