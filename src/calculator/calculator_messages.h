// The calculator's own replaceable message texts (built-in Czech), keyed as in
// the language file's `Msg` section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/parser_messages.h"

namespace tarvix {

// Keys of the calculator's messages.
namespace calcmsg {
// A degrees-minutes-seconds text that does not convert; "%s" is the text.
inline constexpr std::string_view NonConvertibleString = "Msg_NonConvertibleString";
// Shown instead of a hexadecimal, binary or octal text when the value has no
// 64-bit integer pattern (outside the signed 64-bit range, infinite or NaN).
inline constexpr std::string_view BaseRangeExceeded = "Msg_BaseRangeExceeded";
}  // namespace calcmsg

// A table of the calculator's messages. Every text is replaceable by key; keys
// compare without regard to ASCII case. The owner (the main window's model)
// keeps one table and hands the language loader's texts to it.
class CalculatorMessageTable {
  public:
    CalculatorMessageTable();

    // Raises std::logic_error for a key that is not in the table.
    const std::string& Text(std::string_view key) const;
    // Replaces the text of a known key; returns false for an unknown key.
    bool Replace(std::string_view key, std::string text);
    void ResetToDefaults();
    const std::vector<MessageEntry>& Entries() const;

  private:
    std::vector<std::string> texts_;
};

// An unchangeable table holding the built-in texts, used where no table is given.
const CalculatorMessageTable& BuiltInCalculatorMessages();

}  // namespace tarvix
