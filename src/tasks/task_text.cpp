// Text helpers of the task language.
#include "tasks/task_text.h"

#include "engine/name_utils.h"

namespace tarvix {

std::string_view TrimTask(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsTaskBlank(text[first])) ++first;
    std::size_t last = text.size();
    while (last > first && IsTaskBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string RemoveBlanksAndTabs(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (!IsTaskBlank(c)) out += c;
    }
    return out;
}

std::string_view StripOuterParentheses(std::string_view text) {
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::size_t FindOutsideQuotes(std::string_view text, char c, std::size_t from) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
            if (c == '"' && i >= from) return i;
        } else if (!quoted && text[i] == c && i >= from) {
            return i;
        }
    }
    return std::string_view::npos;
}

std::size_t FindTextOutsideQuotes(std::string_view text, std::string_view what, std::size_t from) {
    if (what.empty()) return std::string_view::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted || i < from || text.size() - i < what.size()) continue;
        if (EqualsNoCase(text.substr(i, what.size()), what)) return i;
    }
    return std::string_view::npos;
}

std::size_t FindWordOutsideQuotes(std::string_view text, std::string_view word, std::size_t from) {
    for (std::size_t at = FindTextOutsideQuotes(text, word, from); at != std::string_view::npos;
         at = FindTextOutsideQuotes(text, word, at + 1)) {
        const bool startsWord = at == 0 || !IsIdentifierChar(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord = end >= text.size() || !IsIdentifierChar(text[end]);
        if (startsWord && endsWord) return at;
    }
    return std::string_view::npos;
}

std::vector<std::string> SplitList(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

std::vector<std::string> SplitTopLevel(std::string_view text, char separator) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    bool quoted = false;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth > 0) --depth;
        } else if (c == separator && depth == 0) {
            parts.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

std::string ReplaceIdentifier(std::string_view text, std::string_view name,
                              std::string_view replacement) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsIdentifierChar(text[i])) {
            out += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && IsIdentifierChar(text[end])) ++end;
        const std::string_view word = text.substr(i, end - i);
        if (EqualsNoCase(word, name)) {
            out += replacement;
        } else {
            out += word;
        }
        i = end;
    }
    return out;
}

}  // namespace tarvix
