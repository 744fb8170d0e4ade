// The list of variable descriptions and units.
#include "calculator/var_infos.h"

#include "calculator/text_trim.h"
#include "engine/name_utils.h"

namespace tarvix {

std::vector<std::string>::const_iterator VarInfoList::FindLine(std::string_view name) const {
    for (auto it = lines_.begin(); it != lines_.end(); ++it) {
        std::string_view line = *it;
        if (EqualsNoCase(line.substr(0, line.find('=')), name)) return it;
    }
    return lines_.end();
}

std::optional<std::string> VarInfoList::Value(std::string_view name) const {
    auto it = FindLine(name);
    if (it == lines_.end()) return std::nullopt;
    std::size_t eq = it->find('=');
    return eq == std::string::npos ? std::string() : it->substr(eq + 1);
}

void VarInfoList::Set(std::string_view name, std::string_view value) {
    std::string line = std::string(name) + "=" + std::string(value);
    auto it = FindLine(name);
    if (it == lines_.end()) {
        lines_.push_back(std::move(line));
    } else {
        lines_[static_cast<std::size_t>(it - lines_.begin())] = std::move(line);
    }
}

bool VarInfoList::Remove(std::string_view name) {
    auto it = FindLine(name);
    if (it == lines_.end()) return false;
    lines_.erase(it);
    return true;
}

std::string VarInfoUnit(std::string_view value) {
    std::size_t open = value.find('[');
    if (open == std::string_view::npos) return {};
    std::size_t close = value.find(']', open + 1);
    std::string_view unit = value.substr(
        open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
    return std::string(TrimBlanks(unit));
}

std::string VarInfoDescription(std::string_view value) {
    return std::string(TrimBlanks(value.substr(0, value.find('['))));
}

std::string ComposeVarInfo(std::string_view description, std::string_view unit) {
    return std::string(description) + " [" + std::string(unit) + "]";
}

}  // namespace tarvix
