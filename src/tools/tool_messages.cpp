// Built-in Czech texts of the tools' messages.
#include "tools/tool_messages.h"

namespace tarvix {
namespace {

const std::vector<MessageEntry>& DefaultEntries() {
    static const std::vector<MessageEntry> entries = {
        {toolmsg::NoVariableX, "Převodní vztah neobsahuje proměnnou X"},
        {toolmsg::NoInverseFormula, "Nebyl definován inverzní převodní vztah"},
        {toolmsg::UnknownCategory, "Neznámá veličina \"%s\""},
        {toolmsg::UnknownUnit, "Neznámá jednotka \"%s\""},
        {toolmsg::DateOutOfRange, "Datum %s je mimo rozsah 1900-01-01 až 2099-12-31"},
        {toolmsg::BadDate, "Neplatné datum \"%s\""},
        {toolmsg::BadHolidayLine, "Řádek seznamu svátků nelze přečíst a byl vynechán: \"%s\""},
        {toolmsg::VatMoveCursor, "Přesuňte kurzor do některého pole %\\ %s / %s /%s"},
        {toolmsg::VatZeroRate, "Při nulové sazbě nelze ze zadané DPH určit cenu bez DPH"},
        {toolmsg::VatMinusHundredRate, "Při sazbě -100 % nelze z celkové ceny určit cenu bez DPH"},
    };
    return entries;
}

}  // namespace

ToolMessageTable::ToolMessageTable() : MessageTable(DefaultEntries()) {}

const ToolMessageTable& BuiltInToolMessages() {
    static const ToolMessageTable table;
    return table;
}

namespace {
std::string BuiltInText(std::string_view key, std::initializer_list<std::string_view> args) {
    return FormatMessageText(BuiltInToolMessages().Text(key), args);
}
}  // namespace

ToolError::ToolError(std::string_view key, std::initializer_list<std::string_view> args)
    : std::runtime_error(BuiltInText(key, args)), key_(key), args_(args.begin(), args.end()) {}

std::string ToolError::Text(const MessageTable& table) const {
    return TextFrom(table.Text(key_));
}

std::string ToolError::TextFrom(std::string_view pattern) const {
    // The tools' messages take at most three arguments; missing ones are empty.
    const auto arg = [this](std::size_t i) -> std::string_view {
        return i < args_.size() ? std::string_view(args_[i]) : std::string_view{};
    };
    return FormatMessageText(pattern, {arg(0), arg(1), arg(2)});
}

}  // namespace tarvix
