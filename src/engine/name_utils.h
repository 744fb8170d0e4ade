// ASCII case handling and identifier rules for names typed by users.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

inline char ToUpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
std::string ToUpperAscii(std::string_view s);
int CompareNoCase(std::string_view a, std::string_view b);
inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}
// First character an ASCII letter or "_", the rest letters, digits or "_".
bool IsValidIdentifier(std::string_view s);

// A sorted list of names without duplicates; names compare without regard to case.
class NameList {
public:
    // Adds the name unless an equal one is present; returns true when added.
    bool Add(std::string_view name);
    bool Contains(std::string_view name) const;
    void Clear() { names_.clear(); }
    std::size_t Count() const { return names_.size(); }
    // Raises the general "index out of range" error outside 0..Count()-1.
    const std::string& At(int index) const;
    const std::vector<std::string>& Names() const { return names_; }

private:
    std::vector<std::string> names_;
};

}  // namespace tarvix
