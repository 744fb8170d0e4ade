// Blank removal that keeps "x mod 2" and "a div b" as operators.
#include "calculator/word_operators.h"

#include <vector>

#include "engine/name_utils.h"

namespace tarvix {
namespace {

constexpr std::string_view kWordOperators[] = {"MOD", "DIV"};

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// Length of the word operator standing on its own at position i, or 0.
std::size_t WordOperatorAt(std::string_view text, std::size_t i) {
    if (i > 0 && IsNameChar(text[i - 1])) return 0;
    for (std::string_view word : kWordOperators) {
        if (!EqualsNoCase(text.substr(i, word.size()), word)) continue;
        std::size_t end = i + word.size();
        if (end < text.size() && IsNameChar(text[end])) continue;
        bool blankBefore = i > 0 && text[i - 1] == ' ';
        bool blankAfter = end < text.size() && text[end] == ' ';
        if (blankBefore || blankAfter) return word.size();
    }
    return 0;
}

bool HasOperandAfter(std::string_view text, std::size_t end) {
    return text.find_first_not_of(' ', end) != std::string_view::npos;
}

}  // namespace

std::string RemoveBlanksKeepingWordOperators(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 4);
    // Where the last word operator written ends: the left operand of the next
    // one starts no earlier, so "a mod 3 mod 2" never reads "mod3" as a name.
    std::size_t operandStart = 0;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == ' ') {
            ++i;
            continue;
        }
        std::size_t length = WordOperatorAt(text, i);
        if (length == 0 || out.empty() || !HasOperandAfter(text, i + length)) {
            out += c;
            ++i;
            continue;
        }
        // The left operand's last word, when it is a name, would merge with the
        // operator: bracket it.
        std::size_t start = out.size();
        while (start > operandStart && IsNameChar(out[start - 1])) --start;
        if (start < out.size() && IsNameStart(out[start])) {
            out.insert(start, 1, '(');
            out += ')';
        }
        out.append(text.substr(i, length));
        operandStart = out.size();
        i += length;
    }
    return out;
}

}  // namespace tarvix
