// Sorted function registries.
#include "engine/function_registry.h"

#include <algorithm>

#include "engine/name_utils.h"

namespace tarvix {

namespace {
auto LowerBound(const std::vector<FunctionEntry>& v, std::string_view name) {
    return std::lower_bound(v.begin(), v.end(), name, [](const FunctionEntry& e, std::string_view n) {
        return CompareNoCase(e.Name, n) < 0;
    });
}
}  // namespace

bool FunctionRegistry::Add(std::string_view name, OperationCallback callback, CallBinder binder) {
    auto it = LowerBound(entries_, name);
    if (it != entries_.end() && EqualsNoCase(it->Name, name)) return false;
    entries_.insert(it, FunctionEntry{ToUpperAscii(name), callback, binder});
    return true;
}

const FunctionEntry* FunctionRegistry::Find(std::string_view name) const {
    auto it = LowerBound(entries_, name);
    if (it != entries_.end() && EqualsNoCase(it->Name, name)) return &*it;
    return nullptr;
}

}  // namespace tarvix
