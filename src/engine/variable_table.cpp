// Sorted, case-insensitive variable table.
#include "engine/variable_table.h"

#include <algorithm>

#include "engine/name_utils.h"

namespace tarvix {

std::vector<VariableTable::Entry>::const_iterator VariableTable::LowerBound(
    std::string_view name) const {
    return std::lower_bound(entries_.begin(), entries_.end(), name,
                            [](const Entry& e, std::string_view n) { return CompareNoCase(e.Name, n) < 0; });
}

ComplexValue* VariableTable::Find(std::string_view name) const {
    auto it = LowerBound(name);
    if (it != entries_.end() && EqualsNoCase(it->Name, name)) return it->Slot;
    return nullptr;
}

ComplexValue* VariableTable::AddExternal(std::string_view name, ComplexValue* slot) {
    auto it = LowerBound(name);
    if (it != entries_.end() && EqualsNoCase(it->Name, name)) return it->Slot;
    entries_.insert(it, Entry{std::string(name), slot, nullptr});
    return slot;
}

ComplexValue* VariableTable::AddOwned(std::string_view name) {
    auto it = LowerBound(name);
    if (it != entries_.end() && EqualsNoCase(it->Name, name)) return it->Slot;
    auto owned = std::make_unique<ComplexValue>();
    ComplexValue* slot = owned.get();
    entries_.insert(it, Entry{std::string(name), slot, std::move(owned)});
    return slot;
}

bool VariableTable::Remove(std::string_view name) {
    auto it = LowerBound(name);
    if (it == entries_.end() || !EqualsNoCase(it->Name, name)) return false;
    entries_.erase(it);
    return true;
}

}  // namespace tarvix
