// Classifying profile-file lines and composing lines that read back exactly.
#include "storage/profile_syntax.h"

#include "storage/text_codec.h"

namespace tarvix {

namespace {

constexpr std::string_view kBlanks = " \t";

bool IsQuote(char c) {
    return c == '"' || c == '\'';
}

bool IsQuotedPair(std::string_view text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.front() == text.back();
}

bool HasEndBlanks(std::string_view text) {
    return !text.empty() && (kBlanks.find(text.front()) != std::string_view::npos ||
                             kBlanks.find(text.back()) != std::string_view::npos);
}

bool IsSingleLineUtf8(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos && IsValidUtf8(text);
}

}  // namespace

std::string_view TrimProfileBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

ProfileLine ParseProfileLine(std::string_view line) {
    ProfileLine result;
    result.text = std::string(line);
    std::string_view content = TrimProfileBlanks(line);
    if (content.empty()) {
        result.kind = ProfileLineKind::Blank;
    } else if (content.front() == ';') {
        result.kind = ProfileLineKind::Comment;
    } else if (content.front() == '[') {
        result.kind = ProfileLineKind::Section;
        std::string_view inside = content.substr(1);
        result.name = std::string(TrimProfileBlanks(inside.substr(0, inside.find(']'))));
    } else if (std::size_t equals = content.find('='); equals != std::string_view::npos) {
        result.kind = ProfileLineKind::Entry;
        result.name = std::string(TrimProfileBlanks(content.substr(0, equals)));
        std::string_view value = TrimProfileBlanks(content.substr(equals + 1));
        if (IsQuotedPair(value)) value = value.substr(1, value.size() - 2);
        result.value = std::string(value);
    } else {
        result.kind = ProfileLineKind::Other;
    }
    return result;
}

bool IsWritableSectionName(std::string_view name) {
    return IsSingleLineUtf8(name) && !HasEndBlanks(name) &&
           name.find(']') == std::string_view::npos;
}

bool IsWritableKey(std::string_view key) {
    return IsSingleLineUtf8(key) && !HasEndBlanks(key) && key.find('=') == std::string_view::npos &&
           !(key.starts_with(';') || key.starts_with('['));
}

bool IsWritableValue(std::string_view value) {
    return IsSingleLineUtf8(value);
}

std::string SectionHeaderText(std::string_view name) {
    std::string line = "[";
    line += name;
    line += ']';
    return line;
}

std::string EntryLineText(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    if (HasEndBlanks(value) || IsQuotedPair(value)) {
        line += '"';
        line += value;
        line += '"';
    } else {
        line += value;
    }
    return line;
}

}  // namespace tarvix
