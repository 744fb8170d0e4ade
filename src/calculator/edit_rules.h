// The key rules of the input line and the register boxes as pure functions of
// an edit state: character sequences (DEFSEQ), continuing a result with an
// operator, and the blank typed as a pair of brackets.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvix {

// A box's text with its selection. Positions are byte offsets into the UTF-8
// text; the caret stands at the end of the selection.
struct EditState {
    std::string Text;
    std::size_t SelStart = 0;
    std::size_t SelLength = 0;
    bool ResultShown = false;  // a result has just been displayed

    std::size_t Caret() const { return SelStart + SelLength; }
    bool AllSelected() const { return !Text.empty() && SelStart == 0 && SelLength == Text.size(); }

    friend bool operator==(const EditState&, const EditState&) = default;
};

// The user's character sequences: typing the character c twice in a row gives
// its substitute. Characters are single bytes above the control characters.
class SequenceTable {
public:
    // False (nothing stored) for a control character or a byte beyond ASCII.
    bool Define(char c, char substitute);
    // Removes the definition; returns the substitute it had.
    std::optional<char> Remove(char c);
    std::optional<char> Find(char c) const;
    void Clear() { table_.fill(0); }
    // Every definition in character order, for the settings file.
    std::vector<std::pair<char, char>> Entries() const;

private:
    static bool Accepts(char c) { return c > ' ' && static_cast<unsigned char>(c) < 128; }
    std::array<char, 128> table_{};  // 0: no definition
};

// What the rules need besides the state.
struct EditContext {
    const SequenceTable* Sequences = nullptr;
    bool SpaceAsBrackets = true;  // Space inserts "()" with the caret inside
    // The input line continues a result with this text when an operator is
    // typed over the selected result ("Ans", or the number; see
    // ContinuationText). Empty for the register boxes, which do not continue.
    std::string Continuation;
};

// The text an operator continues a result with: "Ans", or with "&Používat
// číslo místo Ans" the trimmed display text, in brackets whenever it is not a
// plain unsigned decimal literal (digits, one "." or ",", an exponent "E" with
// an optional sign), so that 3+4i continues as (3+4i)* and -5 as (-5)^.
std::string ContinuationText(std::string_view displayText, bool useNumber);

// Inserts a text at the caret, replacing the selection; the caret follows it.
EditState InsertAtCaret(const EditState& state, std::string_view text);

// The state after one character typed into a box, by the rules in this order:
// - a blank with SpaceAsBrackets inserts "()" and puts the caret between;
// - with a result shown and the whole text selected, the operators "*", "+",
//   "-", "/" and "^" first replace the text by the continuation (caret at the
//   end), then are typed;
// - a character with a sequence definition, typed right after the same
//   character (nothing selected), replaces that character by its substitute
//   and is itself dropped;
// - any other character replaces the selection.
// Any key clears the result-shown flag. (The "#" key opens the constants menu
// instead; the window handles it before these rules.)
EditState TypeCharacter(const EditState& state, char typed, const EditContext& context);

}  // namespace tarvix
