// Replaceable user-interface texts.
#include "storage/text_catalog.h"

#include "engine/name_utils.h"

namespace tarvix {

std::string TextCatalog::MapKey(std::string_view section, std::string_view key) {
    return ToUpperAscii(section) + '\x1f' + ToUpperAscii(key);
}

const std::string& TextCatalog::Text(std::string_view section, std::string_view key,
                                     std::string_view builtIn) {
    auto [it, inserted] = slots_.try_emplace(MapKey(section, key));
    Slot& slot = it->second;
    if (inserted || slot.Section.empty()) {
        slot.Section = std::string(section);
        slot.Key = std::string(key);
    }
    if (slot.BuiltIn.empty()) slot.BuiltIn = std::string(builtIn);
    return slot.Replaced ? slot.Replacement : slot.BuiltIn;
}

void TextCatalog::Replace(std::string_view section, std::string_view key, std::string text) {
    Slot& slot = slots_[MapKey(section, key)];
    if (slot.Section.empty()) {
        slot.Section = std::string(section);
        slot.Key = std::string(key);
    }
    slot.Replacement = std::move(text);
    slot.Replaced = true;
}

void TextCatalog::ResetToBuiltIn() {
    for (auto& [name, slot] : slots_) {
        slot.Replacement.clear();
        slot.Replaced = false;
    }
}

bool TextCatalog::HasReplacement(std::string_view section, std::string_view key) const {
    auto it = slots_.find(MapKey(section, key));
    return it != slots_.end() && it->second.Replaced;
}

std::vector<TextCatalog::Entry> TextCatalog::Entries() const {
    std::vector<Entry> out;
    out.reserve(slots_.size());
    for (const auto& [name, slot] : slots_) {
        out.push_back({slot.Section, slot.Key, slot.Replaced ? slot.Replacement : slot.BuiltIn});
    }
    return out;
}

}  // namespace tarvix
