// The tools' own replaceable message texts (built-in Czech), keyed as in the
// language file's `Msg` section, and the error the tools raise with them.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "engine/parser_messages.h"

namespace tarvix {

namespace toolmsg {
// Unit conversion (help context 32).
inline constexpr std::string_view NoVariableX = "Msg_ConvNoVariableX";
inline constexpr std::string_view NoInverseFormula = "Msg_ConvNoInverseFormula";
inline constexpr std::string_view UnknownCategory = "Msg_ConvUnknownCategory";
inline constexpr std::string_view UnknownUnit = "Msg_ConvUnknownUnit";
// Dates: "%s" is the date text or the holiday line.
inline constexpr std::string_view DateOutOfRange = "Msg_DateOutOfRange";
inline constexpr std::string_view BadDate = "Msg_BadDate";
inline constexpr std::string_view BadHolidayLine = "Msg_BadHolidayLine";
// VAT (help context 17): the field names are its "%s".
inline constexpr std::string_view VatMoveCursor = "Msg_VatMoveCursor";
inline constexpr std::string_view VatZeroRate = "Msg_VatZeroRate";
inline constexpr std::string_view VatMinusHundredRate = "Msg_VatMinusHundredRate";
}  // namespace toolmsg

inline constexpr int kConversionHelpContext = 32;
inline constexpr int kVatHelpContext = 17;

// The table of the tools' messages.
class ToolMessageTable : public MessageTable {
public:
    ToolMessageTable();
};

// An unchangeable table holding the built-in texts.
const ToolMessageTable& BuiltInToolMessages();

// A failure of a tool: the message key and its "%s" arguments; what() is the
// built-in text with the arguments in place.
class ToolError : public std::runtime_error {
public:
    ToolError(std::string_view key, std::initializer_list<std::string_view> args = {});
    const std::string& Key() const { return key_; }
    const std::vector<std::string>& Args() const { return args_; }
    // The text from a (possibly replaced) table, or from a pattern of the key.
    std::string Text(const MessageTable& table) const;
    std::string TextFrom(std::string_view pattern) const;

private:
    std::string key_;
    std::vector<std::string> args_;
};

}  // namespace tarvix
