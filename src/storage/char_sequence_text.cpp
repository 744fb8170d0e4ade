// Reading and writing the KeyboardSequence entries.
#include "storage/char_sequence_text.h"

#include <cstdint>
#include <string>

#include "engine/name_utils.h"
#include "storage/profile_values.h"

namespace tarvix {
namespace {

constexpr std::string_view kPrefix = "Char";
constexpr char kEmptyCharacter = '\x7F';

bool IsDecimalDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<char> CodeIn(std::string_view text, int min, int max) {
    std::optional<std::int64_t> code = ParseProfileInteger(text);
    if (!code || *code < min || *code > max) return std::nullopt;
    return static_cast<char>(*code);
}

char FirstCharacter(std::string_view text) {
    return text.empty() ? kEmptyCharacter : text.front();
}

bool Acceptable(const CharSequence& sequence) {
    const auto key = static_cast<unsigned char>(sequence.first);
    const auto substitute = static_cast<unsigned char>(sequence.second);
    return key >= 32 && key <= 127 && substitute >= 1 && substitute <= 127;
}

}  // namespace

ProfileEntry CharSequenceEntry(const CharSequence& sequence) {
    return {std::string(kPrefix) + std::to_string(static_cast<unsigned char>(sequence.first)),
            std::to_string(static_cast<unsigned char>(sequence.second))};
}

std::optional<CharSequence> ReadCharSequenceEntry(std::string_view key, std::string_view value) {
    if (key.size() > kPrefix.size() && EqualsNoCase(key.substr(0, kPrefix.size()), kPrefix) &&
        IsDecimalDigits(key.substr(kPrefix.size()))) {
        std::optional<char> c = CodeIn(key.substr(kPrefix.size()), 32, 127);
        std::optional<char> substitute = CodeIn(value, 1, 127);
        if (!c || !substitute) return std::nullopt;
        return CharSequence{*c, *substitute};
    }
    CharSequence sequence{FirstCharacter(key), FirstCharacter(value)};
    if (!Acceptable(sequence)) return std::nullopt;
    return sequence;
}

}  // namespace tarvix
