// The function list window's logic: the listed function names with their call
// forms and replaceable descriptions, the help text of a name, what a click on
// a name does to the input line in the "insert" and "eval" modes, which item
// the pointer highlights, and where the window goes next to the main window.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculator/calculator_options.h"
#include "calculator/keypad_texts.h"

namespace tarvix {

// One function's help: a fixed call form followed directly by a replaceable
// description (section "Fn" of the language file, its key, the built-in text).
struct FunctionHelpEntry {
    std::string_view Name;         // compared exactly after trimming
    std::string_view CallForm;     // for example "sin(x) .."
    std::string_view Key;          // for example "Fn_Sin"
    std::string_view Description;  // the built-in Czech text
};

inline constexpr std::string_view kFunctionTextSection = "Fn";

// The names the list shows, in the list's sorted order.
std::span<const FunctionHelpEntry> ListedFunctions();

// The help entry of a name, the operators and the names the list does not
// show (mantissa, zero, div, mod, ^ ...) included. Blanks around the name are
// ignored; the name itself must match exactly, case included. Nothing for an
// unknown name.
const FunctionHelpEntry* FindFunctionHelp(std::string_view name);

// The current text of a replaceable description: (key, built-in text) → text.
using FunctionTextLookup =
    std::function<std::string(std::string_view key, std::string_view builtIn)>;

// The call form followed directly by the description; empty for an unknown name.
std::string FunctionHelpText(std::string_view name, const FunctionTextLookup& lookup);

// The item the pointer highlights: the item under it; the last item when the
// pointer is past the last one; otherwise (between items, an empty list
// area) the first. -1 for an empty list.
int FunctionListHighlight(std::optional<int> itemUnderPointer, bool pastLastItem, int itemCount);

// A click on a name (trimmed first), given the input line with the caret and
// selection remembered when the pointer came over the list:
// - "insert": the selection (or nothing at the caret) becomes name + "()" and
//   the caret stands right after the "(";
// - "eval": the whole text becomes the argument, name + "(" + text + ")",
//   with the caret at the start and nothing selected.
// The result is the input line's new text with the caret and selection that
// are remembered and applied to it.
KeypadEdit FunctionListClick(FunctionMode mode, std::string_view name, const KeypadEdit& input);

// A window's outer rectangle in screen coordinates.
struct WindowRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;

    int Bottom() const { return Top + Height; }
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

// Room kept free under the list window at the screen's bottom edge.
inline constexpr int kFunctionListScreenMargin = 24;

// The list window's rectangle: as wide as the main window and at its left
// edge; directly below it when it fits there with the margin to spare,
// otherwise directly above it.
WindowRect FunctionListPlacement(const WindowRect& mainWindow, int ownHeight,
                                 const WindowRect& screen);

}  // namespace tarvix
