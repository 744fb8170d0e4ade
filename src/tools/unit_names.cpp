// Catalog keys and language texts of the unit table.
#include "tools/unit_names.h"

#include "tools/text_match.h"

namespace tarvix {
namespace {

// The ASCII letters of Latin-1 (U+00C0…U+00FF) and Latin Extended-A
// (U+0100…U+017F) without their accents; "_" where there is none (× ÷).
constexpr std::string_view kLatin1Letters =
    "AAAAAAACEEEEIIIIDNOOOOO_OUUUUYTs"
    "aaaaaaaceeeeiiiidnooooo_ouuuuyty";
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

// A name as a key part: ASCII letters and digits, accents dropped, every
// other run of characters one "_", none at the ends.
std::string KeyPart(std::string_view name) {
    std::string out;
    bool pendingSeparator = false;
    auto add = [&](char c) {
        if (c == '_') {
            pendingSeparator = true;
            return;
        }
        if (pendingSeparator && !out.empty()) out += '_';
        pendingSeparator = false;
        out += c;
    };
    for (std::size_t i = 0; i < name.size();) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte < 0x80) {
            const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                               (byte >= '0' && byte <= '9');
            add(plain ? static_cast<char>(byte) : '_');
            ++i;
            continue;
        }
        std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : 2;
        if (i + length > name.size()) length = name.size() - i;
        char32_t c = 0;
        if (length == 2)
            c = ((byte & 0x1F) << 6) | (static_cast<unsigned char>(name[i + 1]) & 0x3F);
        if (c >= 0xC0 && c <= 0xFF) {
            add(kLatin1Letters[c - 0xC0]);
        } else if (c >= 0x100 && c <= 0x17F) {
            add(kLatinExtendedA[c - 0x100]);
        } else {
            add('_');
        }
        i += length;
    }
    return out;
}

std::string UnitKeyPart(const UnitCategory& category, const UnitDefinition& unit) {
    return KeyPart(category.Name) + '_' + KeyPart(unit.Name);
}

// The first of `count` entries whose name (of `nameOf`) matches `wanted`.
template <typename NameOf>
std::optional<std::size_t> FindByName(std::size_t count, std::string_view wanted, NameOf nameOf) {
    const std::string normalized = NormalizedName(wanted);
    for (std::size_t i = 0; i < count; ++i) {
        if (NormalizedName(nameOf(i)) == normalized) return i;
    }
    return std::nullopt;
}

}  // namespace

std::string CategoryTextKey(const UnitCategory& category) {
    return "Category_" + KeyPart(category.Name);
}

std::string UnitTextKey(const UnitCategory& category, const UnitDefinition& unit) {
    return "Unit_" + UnitKeyPart(category, unit);
}

std::string NoteTextKey(const UnitCategory& category, const UnitDefinition& unit) {
    return "Note_" + UnitKeyPart(category, unit);
}

const std::string& UnitNames::CategoryName(std::size_t category) const {
    const UnitCategory& c = table_.Category(category);
    return texts_.Text(kUnitTextSection, CategoryTextKey(c), c.Name);
}

const std::string& UnitNames::UnitName(std::size_t category, std::size_t unit) const {
    const UnitCategory& c = table_.Category(category);
    const UnitDefinition& u = c.Units.at(unit);
    return texts_.Text(kUnitTextSection, UnitTextKey(c, u), u.Name);
}

std::string UnitNames::Note(std::size_t category, std::size_t unit) const {
    const UnitCategory& c = table_.Category(category);
    const UnitDefinition& u = c.Units.at(unit);
    if (u.Note.empty()) return {};
    return texts_.Text(kUnitTextSection, NoteTextKey(c, u), u.Note);
}

std::optional<std::size_t> UnitNames::FindCategory(std::string_view name) const {
    if (std::optional<std::size_t> own = table_.FindCategory(name)) return own;
    return FindByName(table_.Categories().size(), name,
                      [this](std::size_t i) -> std::string_view { return CategoryName(i); });
}

std::optional<std::size_t> UnitNames::FindUnit(std::size_t category, std::string_view name) const {
    if (std::optional<std::size_t> own = table_.FindUnit(category, name)) return own;
    return FindByName(
        table_.Category(category).Units.size(), name,
        [this, category](std::size_t i) -> std::string_view { return UnitName(category, i); });
}

void UnitNames::AskAll() const {
    for (std::size_t c = 0; c < table_.Categories().size(); ++c) {
        CategoryName(c);
        for (std::size_t u = 0; u < table_.Category(c).Units.size(); ++u) {
            UnitName(c, u);
            Note(c, u);
        }
    }
}

}  // namespace tarvix
