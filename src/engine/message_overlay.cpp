// The process-wide replacements of message texts.
#include "engine/message_overlay.h"

#include "engine/name_utils.h"

namespace tarvix {

void MessageOverlay::Set(const std::map<std::string, std::string>& texts) {
    std::map<std::string, std::string, std::less<>> upper;
    for (const auto& [key, text] : texts) upper.emplace(ToUpperAscii(key), text);
    texts_ = std::move(upper);
}

void MessageOverlay::Clear() { texts_.clear(); }

const std::string* MessageOverlay::Find(std::string_view key) const {
    if (texts_.empty()) return nullptr;
    const auto found = texts_.find(ToUpperAscii(key));
    return found == texts_.end() ? nullptr : &found->second;
}

MessageOverlay& LanguageMessages() {
    static MessageOverlay overlay;
    return overlay;
}

}  // namespace tarvix
