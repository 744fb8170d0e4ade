// Reading the unit table from its profile-file text.
#include "tools/unit_table.h"

#include "storage/profile_syntax.h"
#include "tools/text_match.h"

namespace tarvix {

UnitTable UnitTable::Parse(std::string_view text) {
    UnitTable table;
    UnitCategory* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const ProfileLine parsed = ParseProfileLine(line);
        if (parsed.kind == ProfileLineKind::Section) {
            table.categories_.push_back({parsed.name, {}});
            current = &table.categories_.back();
        } else if (parsed.kind == ProfileLineKind::Entry && current) {
            const std::string_view value = parsed.value;
            const std::size_t semicolon = value.find(';');
            UnitDefinition unit;
            unit.Name = parsed.name;
            unit.Definition = TrimProfileBlanks(value.substr(0, semicolon));
            if (semicolon != std::string_view::npos)
                unit.Note = TrimProfileBlanks(value.substr(semicolon + 1));
            current->Units.push_back(std::move(unit));
        }
    }
    return table;
}

const UnitTable& UnitTable::BuiltIn() {
    static const UnitTable table = Parse(BuiltInUnitTableText());
    return table;
}

std::optional<std::size_t> UnitTable::FindCategory(std::string_view name) const {
    const std::string wanted = NormalizedName(name);
    for (std::size_t i = 0; i < categories_.size(); ++i) {
        if (NormalizedName(categories_[i].Name) == wanted) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> UnitTable::FindUnit(std::size_t category, std::string_view name) const {
    const std::string wanted = NormalizedName(name);
    const std::vector<UnitDefinition>& units = categories_.at(category).Units;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (NormalizedName(units[i].Name) == wanted) return i;
    }
    return std::nullopt;
}

}  // namespace tarvix
