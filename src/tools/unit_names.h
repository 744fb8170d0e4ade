// The unit table's texts in the interface language: category names, unit
// names and notes are catalog texts of the section "Units", keyed by the
// table's own (Czech) names, which stay the identifiers the converter and
// the files use. Names typed by a user are found by either form.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "storage/text_catalog.h"
#include "tools/unit_table.h"

namespace tarvix {

inline constexpr std::string_view kUnitTextSection = "Units";

// Catalog keys: "Category_", "Unit_" or "Note_", then the category's name and
// (for units and notes) the unit's name, each written in ASCII letters and
// digits with "_" between words ("Unit_delka_zakonna_mile_USA").
std::string CategoryTextKey(const UnitCategory& category);
std::string UnitTextKey(const UnitCategory& category, const UnitDefinition& unit);
std::string NoteTextKey(const UnitCategory& category, const UnitDefinition& unit);

class UnitNames {
public:
    UnitNames(const UnitTable& table, TextCatalog& texts) : table_(table), texts_(texts) {}

    // The texts of the current language (built-in: the table's own).
    const std::string& CategoryName(std::size_t category) const;
    const std::string& UnitName(std::size_t category, std::size_t unit) const;
    // Empty for a unit without a note.
    std::string Note(std::size_t category, std::size_t unit) const;

    // A typed name: the table's own name first, then the current language's
    // (compared as text_match.h compares names).
    std::optional<std::size_t> FindCategory(std::string_view name) const;
    std::optional<std::size_t> FindUnit(std::size_t category, std::string_view name) const;

    // Asks the catalog for every text of the table, so that a language file
    // template lists them all.
    void AskAll() const;

private:
    const UnitTable& table_;
    TextCatalog& texts_;
};

}  // namespace tarvix
