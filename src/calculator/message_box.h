// The message box of every window: its kinds with their captions, the button
// sets, the result codes of the buttons, and the preparation of a message
// (caption, line breaks, bold text) before a dialogs port shows it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calculator/calculator_messages.h"

namespace tarvix {

// Member order is the kind number callers pass (0 warning … 4 custom).
enum class MessageKind : std::uint8_t { Warning, Error, Information, Confirmation, Custom };

// One button of a message box.
enum class MessageButton : std::uint16_t {
    Ok = 1u << 0,
    Cancel = 1u << 1,
    Yes = 1u << 2,
    No = 1u << 3,
    Abort = 1u << 4,
    Retry = 1u << 5,
    Ignore = 1u << 6,
    All = 1u << 7,
    NoToAll = 1u << 8,
    YesToAll = 1u << 9,
    Help = 1u << 10,
};

// A set of buttons.
class MessageButtons {
public:
    constexpr MessageButtons() = default;
    constexpr MessageButtons(MessageButton b) : bits_(static_cast<std::uint16_t>(b)) {}
    constexpr bool Has(MessageButton b) const {
        return (bits_ & static_cast<std::uint16_t>(b)) != 0;
    }
    constexpr bool Empty() const { return bits_ == 0; }
    friend constexpr MessageButtons operator|(MessageButtons a, MessageButtons b) {
        MessageButtons r;
        r.bits_ = static_cast<std::uint16_t>(a.bits_ | b.bits_);
        return r;
    }
    friend constexpr bool operator==(MessageButtons, MessageButtons) = default;

private:
    std::uint16_t bits_ = 0;
};

constexpr MessageButtons operator|(MessageButton a, MessageButton b) {
    return MessageButtons(a) | MessageButtons(b);
}

// The button sets the calculator uses.
inline constexpr MessageButtons kOkButton = MessageButton::Ok;
inline constexpr MessageButtons kCancelButton = MessageButton::Cancel;
inline constexpr MessageButtons kCancelHelpButtons = MessageButton::Cancel | MessageButton::Help;
inline constexpr MessageButtons kYesNoCancelButtons =
    MessageButton::Yes | MessageButton::No | MessageButton::Cancel;

// The button pressed; the numbers are the dialog results the system's callers
// compare with (Yes = 6). None: the box was closed without a button.
enum class ModalResult : std::uint8_t {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
    All = 8,
    NoToAll = 9,
    YesToAll = 10,
};

// A message ready to be shown: what a dialogs port needs.
struct MessageBoxRequest {
    std::string Caption;  // " Chyba" and the like
    std::string Text;     // line breaks as "\n"
    MessageKind Kind = MessageKind::Warning;
    MessageButtons Buttons = kOkButton;
    int HelpContext = 0;    // 0: no help topic attached
    bool BoldText = false;  // the custom kind shows its message in bold
};

// Replaces the line breaks of built-in and language-file texts: "%\ "
// (percent, backslash, blank) and "%\\ " (the same with a line feed) each
// become "\n". (The "%s" arguments are filled by the engine's
// FormatMessageText(pattern, args) before this.)
std::string FormatMessageText(std::string_view text);

// Caption and text of a message box: the kinds 0 to 3 take " " + their
// caption; the custom kind takes the text up to the first "|" as its caption
// (after a blank) and the rest as the message, shown bold (without a "|" the
// caption is the blank alone). Line breaks are replaced in both.
MessageBoxRequest PrepareMessageBox(std::string_view text, MessageKind kind, MessageButtons buttons,
                                    int helpContext, const CalculatorMessageTable& texts);

// The caption of a button ("&Ano", "Storno", …) and the result it returns
// (Help returns None: it opens the help topic and leaves the box open).
std::string_view ButtonCaption(MessageButton button, const CalculatorMessageTable& texts);
ModalResult ButtonResult(MessageButton button);

}  // namespace tarvix
