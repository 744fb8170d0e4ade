// VarInfos: the descriptions and units attached to variable names, one
// "name=description [unit]" line per described variable.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

class VarInfoList {
public:
    // The text after the "=" of the name's line (names compare without
    // regard to ASCII case); nothing when the name has no line.
    std::optional<std::string> Value(std::string_view name) const;
    // Replaces the name's line by name "=" value, or appends one.
    void Set(std::string_view name, std::string_view value);
    // Removes the name's line; false when there was none.
    bool Remove(std::string_view name);
    void Clear() { lines_.clear(); }
    bool Empty() const { return lines_.empty(); }

    // The lines as stored in the data and settings files.
    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

private:
    std::vector<std::string>::const_iterator FindLine(std::string_view name) const;
    std::vector<std::string> lines_;
};

// The parts of a line's value "description [unit]": the unit is the trimmed
// text between "[" and "]", the description the trimmed text before "[".
std::string VarInfoUnit(std::string_view value);
std::string VarInfoDescription(std::string_view value);
// The value of a line: description " [" unit "]".
std::string ComposeVarInfo(std::string_view description, std::string_view unit);

}  // namespace tarvix
