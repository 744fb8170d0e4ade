// The keypad's function keys: their table of texts and the edits they make.
#include "calculator/keypad_texts.h"

#include <algorithm>
#include <array>

#include "calculator/input_commands.h"
#include "engine/parser.h"

namespace tarvix {
namespace {

// Texts by modifiers in the order plain, inv, hyp, inv+hyp. A key without
// variants fills only the first; the others fall back to it.
using Variants = std::array<std::string_view, 4>;

struct KeyRow {
    KeypadKey Key;
    std::string_view ButtonName;
    std::string_view Caption;
    Variants Prefix;          // the text in front of the operand
    std::string_view Suffix;  // the text after the operand
    Variants Hint;
};

constexpr KeyRow kKeys[] = {
    {KeypadKey::Reciprocal, "RevSpeedButton", "", {"1/("}, ")", {"Převrácená hodnota"}},
    {KeypadKey::Square, "SqrSpeedButton", "", {"("}, ")^2", {"Druhá mocnina"}},
    {KeypadKey::Exp10, "Exp10SpeedButton", "", {"10^("}, ")", {"Exp. funkce při základu 10"}},
    {KeypadKey::Exp, "ExpSpeedButton", "", {"exp("}, ")", {"Exp. funkce při základu 2,718..."}},
    // The operand of the inserted text is the base; the evaluated text raises
    // Ans (or the display) to the input: (Ans)^(x).
    {KeypadKey::Power, "PwrSpeedButton", "", {"("}, ")^", {"Exp. funkce obecného základu"}},
    {KeypadKey::Factorial, "FactSpeedButton", "", {"fact("}, ")", {"Faktoriál"}},
    {KeypadKey::Sqrt, "SqrtSpeedButton", "", {"sqrt("}, ")", {"Druhá odmocnina"}},
    {KeypadKey::Log, "LogSpeedButton", "log", {"log("}, ")", {}},
    {KeypadKey::Ln, "LnSpeedButton", "ln", {"ln("}, ")", {}},
    {KeypadKey::Sin,
     "SinSpeedButton",
     "sin ",
     {"sin(", "arcsin(", "sinh(", "argsinh("},
     ")",
     {"sinus", "arcsin", "sinh", "argsinh"}},
    {KeypadKey::Cos,
     "CosSpeedButton",
     "cos",
     {"cos(", "arccos(", "cosh(", "argcosh("},
     ")",
     {"kosinus", "arccos", "cosh", "argcosh"}},
    {KeypadKey::Tan,
     "TanSpeedButton",
     "tg",
     {"tg(", "arctg(", "tgh(", "argtgh("},
     ")",
     {"tangens", "arctg", "tgh", "argtgh"}},
};

constexpr auto kKeyOrder = [] {
    std::array<KeypadKey, std::size(kKeys)> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) keys[i] = kKeys[i].Key;
    return keys;
}();

const KeyRow& RowOf(KeypadKey key) {
    for (const auto& row : kKeys) {
        if (row.Key == key) return row;
    }
    return kKeys[0];
}

std::string_view Variant(const Variants& texts, KeypadModifiers modifiers) {
    std::string_view text = texts[(modifiers.Inv ? 1 : 0) + (modifiers.Hyp ? 2 : 0)];
    return text.empty() ? texts[0] : text;
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// Characters of a name or a number literal (decimal point or comma, "$" of
// the hexadecimal prefix, base and engineering suffix letters).
bool IsOperandChar(char c) {
    return IsNameChar(c) || c == '.' || c == ',' || c == '$';
}

std::size_t SkipBack(std::string_view text, std::size_t pos, bool (*accept)(char)) {
    while (pos > 0 && accept(text[pos - 1])) --pos;
    return pos;
}

// The start of a decimal mantissa whose exponent sign stands just before
// `pos` (1,5E-3 seen from the 3), or `pos` when there is none.
std::size_t ExponentMantissaStart(std::string_view text, std::size_t pos, std::size_t caret) {
    if (pos < 2 || (text[pos - 1] != '-' && text[pos - 1] != '+')) return pos;
    if (text[pos - 2] != 'E' && text[pos - 2] != 'e') return pos;
    std::string_view exponent = text.substr(pos, caret - pos);
    if (!std::ranges::all_of(exponent, IsDigit)) return pos;
    const std::size_t mark = pos - 2;
    const std::size_t start =
        SkipBack(text, mark, [](char c) { return IsDigit(c) || c == '.' || c == ','; });
    if (start == mark || !IsDigit(text[start])) return pos;
    if (start > 0 && IsOperandChar(text[start - 1])) return pos;
    return start;
}

// The start of the operand that ends at the caret; the caret itself when
// there is none (an operator, a blank, an unmatched bracket or the start).
std::size_t OperandStart(std::string_view text, std::size_t caret) {
    if (caret == 0) return caret;
    if (text[caret - 1] == ')') {
        int depth = 0;
        for (std::size_t pos = caret; pos > 0; --pos) {
            const char c = text[pos - 1];
            if (c == ')') ++depth;
            if (c == '(' && --depth == 0) return SkipBack(text, pos - 1, IsNameChar);
        }
        return caret;
    }
    const std::size_t start = SkipBack(text, caret, IsOperandChar);
    if (start == caret) return caret;
    return ExponentMantissaStart(text, start, caret);
}

std::string Wrap(const KeyRow& row, KeypadModifiers modifiers, std::string_view operand) {
    std::string text(Variant(row.Prefix, modifiers));
    text += operand;
    text += row.Suffix;
    return text;
}

// `edit` with [from, to) replaced by `text` and the caret at `caret`
// (counted from `from`), nothing selected.
KeypadEdit Replace(const KeypadEdit& edit, std::size_t from, std::size_t to, std::string_view text,
                   std::size_t caret) {
    KeypadEdit result;
    result.Text.reserve(edit.Text.size() + text.size());
    result.Text.append(edit.Text, 0, from);
    result.Text += text;
    result.Text.append(edit.Text, to);
    result.SelStart = from + caret;
    return result;
}

// The selection limited to the text.
std::pair<std::size_t, std::size_t> SelectionOf(const KeypadEdit& edit) {
    const std::size_t from = std::min(edit.SelStart, edit.Text.size());
    const std::size_t to = std::min(from + edit.SelLength, edit.Text.size());
    return {from, to};
}

}  // namespace

std::span<const KeypadKey> KeypadKeys() {
    return kKeyOrder;
}

std::string_view KeypadButtonName(KeypadKey key) {
    return RowOf(key).ButtonName;
}

std::string_view KeypadCaption(KeypadKey key) {
    return RowOf(key).Caption;
}

std::string_view KeypadHint(KeypadKey key, KeypadModifiers modifiers) {
    return Variant(RowOf(key).Hint, modifiers);
}

KeypadAction KeypadActionFor(KeypadKey key, bool complexDomain, bool inputIsValue) {
    if (key == KeypadKey::Power && complexDomain) return KeypadAction::ToggleComplexForm;
    return inputIsValue ? KeypadAction::Evaluate : KeypadAction::Insert;
}

std::string KeypadTemplate(KeypadKey key, KeypadModifiers modifiers) {
    return Wrap(RowOf(key), modifiers, {});
}

std::string KeypadAppliedText(KeypadKey key, KeypadModifiers modifiers, std::string_view operand,
                              std::string_view powerBase) {
    const KeyRow& row = RowOf(key);
    if (key != KeypadKey::Power) return Wrap(row, modifiers, operand);
    std::string text = Wrap(row, modifiers, powerBase);
    text += '(';
    text += operand;
    text += ')';
    return text;
}

std::string KeypadExpression(std::string_view appliedText) {
    return TParser::RemoveBlanks(ConvertSeparators(appliedText));
}

KeypadEdit KeypadResultEdit(std::string_view text) {
    return {std::string(text), 0, text.size()};
}

KeypadEdit InsertKeypadFunction(const KeypadEdit& edit, KeypadKey key, KeypadModifiers modifiers) {
    const KeyRow& row = RowOf(key);
    auto [from, to] = SelectionOf(edit);
    if (from == to) from = OperandStart(edit.Text, to);
    if (from == to) {
        const std::string text = Wrap(row, modifiers, {});
        return Replace(edit, from, to, text, text.find('(') + 1);
    }
    const std::string text =
        Wrap(row, modifiers, std::string_view(edit.Text).substr(from, to - from));
    return Replace(edit, from, to, text, text.size());
}

KeypadEdit InsertText(const KeypadEdit& edit, std::string_view text) {
    const auto [from, to] = SelectionOf(edit);
    return Replace(edit, from, to, text, text.size());
}

}  // namespace tarvix
