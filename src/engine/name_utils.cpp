// ASCII case handling, identifier rules and the sorted name list.
#include "engine/name_utils.h"

#include <algorithm>

#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {

std::string ToUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = ToUpperAscii(c);
    return out;
}

int CompareNoCase(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(ToUpperAscii(a[i]));
        unsigned char y = static_cast<unsigned char>(ToUpperAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool IsValidIdentifier(std::string_view s) {
    if (s.empty()) return false;
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!letter(s[0])) return false;
    return std::all_of(s.begin() + 1, s.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

namespace {
auto LowerBound(const std::vector<std::string>& v, std::string_view name) {
    return std::lower_bound(v.begin(), v.end(), name, [](const std::string& a, std::string_view b) {
        return CompareNoCase(a, b) < 0;
    });
}
}  // namespace

bool NameList::Add(std::string_view name) {
    auto it = LowerBound(names_, name);
    if (it != names_.end() && EqualsNoCase(*it, name)) return false;
    names_.insert(it, std::string(name));
    return true;
}

bool NameList::Contains(std::string_view name) const {
    auto it = LowerBound(names_, name);
    return it != names_.end() && EqualsNoCase(*it, name);
}

const std::string& NameList::At(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= names_.size())
        Raise<TarvixError>(msg::IndexRangeError);
    return names_[static_cast<std::size_t>(index)];
}

}  // namespace tarvix
