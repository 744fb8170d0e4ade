// Key rules of the input line and the register boxes.
#include "calculator/edit_rules.h"

#include <algorithm>

#include "calculator/text_trim.h"

namespace tarvix {
namespace {

constexpr std::string_view kContinuingOperators = "*+-/^";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one decimal separator, then optionally "E", a sign and
// digits: a number that needs no brackets after any operator.
bool IsPlainUnsignedDecimal(std::string_view text) {
    std::size_t i = 0;
    std::size_t digits = 0;
    bool separator = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            ++digits;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i == text.size()) return true;
    if (text[i] != 'E' && text[i] != 'e') return false;
    if (++i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i])) return false;
    }
    return true;
}

std::size_t SequenceIndex(char c) {
    return static_cast<unsigned char>(c);
}

}  // namespace

bool SequenceTable::Define(char c, char substitute) {
    if (!Accepts(c) || substitute == 0) return false;
    table_[SequenceIndex(c)] = substitute;
    return true;
}

std::optional<char> SequenceTable::Remove(char c) {
    std::optional<char> old = Find(c);
    if (old) table_[SequenceIndex(c)] = 0;
    return old;
}

std::optional<char> SequenceTable::Find(char c) const {
    if (!Accepts(c) || table_[SequenceIndex(c)] == 0) return std::nullopt;
    return table_[SequenceIndex(c)];
}

std::vector<std::pair<char, char>> SequenceTable::Entries() const {
    std::vector<std::pair<char, char>> entries;
    for (std::size_t i = 0; i < table_.size(); ++i) {
        if (table_[i] != 0) entries.emplace_back(static_cast<char>(i), table_[i]);
    }
    return entries;
}

std::string ContinuationText(std::string_view displayText, bool useNumber) {
    if (!useNumber) return "Ans";
    std::string_view number = TrimBlanks(displayText);
    if (IsPlainUnsignedDecimal(number)) return std::string(number);
    return "(" + std::string(number) + ")";
}

EditState InsertAtCaret(const EditState& state, std::string_view text) {
    EditState next = state;
    const std::size_t start = std::min(state.SelStart, state.Text.size());
    const std::size_t length = std::min(state.SelLength, state.Text.size() - start);
    next.Text.replace(start, length, text);
    next.SelStart = start + text.size();
    next.SelLength = 0;
    return next;
}

EditState TypeCharacter(const EditState& state, char typed, const EditContext& context) {
    EditState next = state;
    next.ResultShown = false;
    if (typed == ' ' && context.SpaceAsBrackets) {
        next = InsertAtCaret(next, "()");
        next.SelStart -= 1;
        return next;
    }
    if (state.ResultShown && state.AllSelected() && !context.Continuation.empty() &&
        kContinuingOperators.find(typed) != std::string_view::npos) {
        next.Text = context.Continuation;
        next.SelStart = next.Text.size();
        next.SelLength = 0;
    }
    const std::size_t caret = next.Caret();
    if (context.Sequences && next.SelLength == 0 && caret > 0 && caret <= next.Text.size() &&
        next.Text[caret - 1] == typed) {
        if (std::optional<char> substitute = context.Sequences->Find(typed)) {
            next.Text[caret - 1] = *substitute;
            return next;
        }
    }
    return InsertAtCaret(next, std::string_view(&typed, 1));
}

}  // namespace tarvix
