// The unit table of the conversion window: quantities (categories) with their
// units, each unit a name, a definition (a factor to the base unit, or a
// formula pair in X) and a note; read from profile-file text in memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

struct UnitDefinition {
    std::string Name;
    std::string Definition;  // trimmed text before the first ";"
    std::string Note;        // trimmed text after it
};

struct UnitCategory {
    std::string Name;
    std::vector<UnitDefinition> Units;
};

// The quantities in the order the window offers them (index 0 … 14).
inline constexpr std::size_t kUnitCategoryCount = 15;
// Places for units of one quantity in the window.
inline constexpr std::size_t kMaxUnitsPerCategory = 20;

class UnitTable {
public:
    // Sections in text order, keys in file order (value = text after the
    // first "="); lines outside sections and comment lines are ignored.
    static UnitTable Parse(std::string_view text);
    // The built-in table, parsed once.
    static const UnitTable& BuiltIn();

    const std::vector<UnitCategory>& Categories() const { return categories_; }
    const UnitCategory& Category(std::size_t index) const { return categories_.at(index); }
    // Names as a user types them (text_match.h).
    std::optional<std::size_t> FindCategory(std::string_view name) const;
    std::optional<std::size_t> FindUnit(std::size_t category, std::string_view name) const;

private:
    std::vector<UnitCategory> categories_;
};

// The text of the built-in table.
std::string_view BuiltInUnitTableText();

}  // namespace tarvix
