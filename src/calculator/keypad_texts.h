// The function keys of the calculator's keypad: the texts they apply to the
// input line (with the inv and hyp modifiers), their templates and hints, and
// how a key edits the input line, as pure functions of an edit state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarvix {

// Keypad order. The power key is the y^x key.
enum class KeypadKey : std::uint8_t {
    Reciprocal,
    Square,
    Exp10,
    Exp,
    Power,
    Factorial,
    Sqrt,
    Log,
    Ln,
    Sin,
    Cos,
    Tan,
};

// The keypad's two independent toggles. Every mode switch and every function
// key releases both.
struct KeypadModifiers {
    bool Inv = false;  // "inv": the inverse function
    bool Hyp = false;  // "hyp": the hyperbolic function

    friend bool operator==(const KeypadModifiers&, const KeypadModifiers&) = default;
};

// The input line as a key sees it. Positions are byte offsets into the UTF-8
// text; the caret stands at SelStart + SelLength.
struct KeypadEdit {
    std::string Text;
    std::size_t SelStart = 0;   // start of the selection, or the caret when nothing is selected
    std::size_t SelLength = 0;  // length of the selection; 0 for none

    std::size_t Caret() const { return SelStart + SelLength; }
    friend bool operator==(const KeypadEdit&, const KeypadEdit&) = default;
};

// What a function key does with the input line.
enum class KeypadAction : std::uint8_t {
    Evaluate,           // evaluate the applied text at once (the input reads as a value)
    Insert,             // put the key's function into the input line
    ToggleComplexForm,  // y^x in the complex domain: switch component/exponential form
};

std::span<const KeypadKey> KeypadKeys();

// The window's component name of a key, for example "RevSpeedButton".
std::string_view KeypadButtonName(KeypadKey key);
// The caption of a key that shows text ("log", "ln", "sin ", "cos", "tg");
// empty for the keys that show an image.
std::string_view KeypadCaption(KeypadKey key);
// The built-in hint of a key; the three trigonometric keys follow the
// modifiers ("sinus", "arcsin", "sinh", "argsinh"). Empty for "log" and "ln".
std::string_view KeypadHint(KeypadKey key, KeypadModifiers modifiers);

// What a key does: y^x in the complex domain toggles the complex form; any
// other key evaluates when the input line reads as a value (a value text or the
// name of an existing variable, decided by the caller) and inserts otherwise.
KeypadAction KeypadActionFor(KeypadKey key, bool complexDomain, bool inputIsValue);

// The template a key inserts into an input line that is not a value, for
// example "sin()", "argsinh()", "1/()", "()^2" or "()^".
std::string KeypadTemplate(KeypadKey key, KeypadModifiers modifiers);

// The text a key evaluates when the input line `operand` reads as a value. The
// operand is always bracketed, so 2+3 with 1/x gives 1/(2+3) and with 10^x
// gives 10^(2+3). The y^x key raises `powerBase` (Ans, or the trimmed display
// text) to the operand: (Ans)^(2+3). The other keys ignore `powerBase`.
std::string KeypadAppliedText(KeypadKey key, KeypadModifiers modifiers, std::string_view operand,
                              std::string_view powerBase = {});

// The expression the evaluator compiles for an applied text, read as the
// calculation command reads typed text: every "," becomes "." and then every
// ";" becomes "," (ConvertSeparators), and blanks are removed, so sqrt(2,25)
// compiles as sqrt(2.25) and max(1,5;2) as max(1.5,2).
std::string KeypadExpression(std::string_view appliedText);

// The input line after an evaluating key: the text ("Ans" or the trimmed
// display text) selected as a whole, so the next key replaces or continues it.
KeypadEdit KeypadResultEdit(std::string_view text);

// Puts a key's function into the input line:
// - a selection becomes the operand: "sin(" selection ")", caret after it;
// - otherwise the operand just before the caret (a name or number, or a
//   bracketed group with the function name in front of it, such as sqrt(x))
//   is wrapped the same way: 2*x with sin gives 2*sin(x);
// - with no operand there the template is inserted at the caret and the caret
//   placed just after its "(": 2+ with sin gives 2+sin(|).
KeypadEdit InsertKeypadFunction(const KeypadEdit& edit, KeypadKey key, KeypadModifiers modifiers);

// Typed or inserted text: replaces the selection, or goes in at the caret;
// the caret ends after it.
KeypadEdit InsertText(const KeypadEdit& edit, std::string_view text);

}  // namespace tarvix
