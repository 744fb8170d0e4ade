// Recognition of the input-line commands.
#include "calculator/input_commands.h"

#include <algorithm>

#include "calculator/text_trim.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string Trimmed(std::string_view text) {
    return std::string(TrimBlanks(text));
}

bool ParseRun(std::string_view text, InputCommand& cmd) {
    if (text.size() <= 4 || !(StartsWithNoCase(text, "RUN(") || StartsWithNoCase(text, "RUN ")))
        return false;
    std::string_view name = TrimBlanks(text.substr(4));
    if (text[3] == '(' && name.ends_with(')')) name.remove_suffix(1);
    cmd.Kind = InputCommandKind::RunTask;
    cmd.Name = Trimmed(name);
    return true;
}

bool ParseDefineSequence(std::string_view text, InputCommand& cmd) {
    if (text.size() != 11 || !StartsWithNoCase(text, "DEFSEQ ") || text[7] != text[8] ||
        text[9] != ' ')
        return false;
    cmd.Kind = InputCommandKind::DefineSequence;
    cmd.Character = text[7];
    cmd.Substitute = text[10];
    return true;
}

bool ParseUndefineSequence(std::string_view text, InputCommand& cmd) {
    if (text.size() != 10 || !StartsWithNoCase(text, "UNDEFSEQ ")) return false;
    cmd.Kind = InputCommandKind::UndefineSequence;
    cmd.Character = text[9];
    return true;
}

bool ParseDefineVariable(std::string_view text, InputCommand& cmd) {
    if (!StartsWithNoCase(text, "DEFVAR ")) return false;
    cmd.Kind = InputCommandKind::DefineVariable;
    cmd.Name = Trimmed(text.substr(7));
    return true;
}

// "@r=…" and "#r=…": the marker, a register and "=".
bool ParseRegisterCommand(std::string_view text, char marker, InputCommand& cmd) {
    if (text.size() < 3 || text[0] != marker || text[2] != '=') return false;
    std::optional<BoxId> reg = RegisterFromCommandChar(text[1]);
    if (!reg) return false;
    cmd.Register = *reg;
    return true;
}

bool ParseRename(std::string_view text, InputCommand& cmd) {
    if (text.size() <= 3 || !ParseRegisterCommand(text, '@', cmd)) return false;
    cmd.Kind = InputCommandKind::RenameRegister;
    cmd.Name = Trimmed(text.substr(3));
    return true;
}

bool ParseSetBox(std::string_view text, InputCommand& cmd) {
    if (!ParseRegisterCommand(text, '#', cmd)) return false;
    cmd.Kind = InputCommandKind::SetRegisterBox;
    cmd.Text = Trimmed(text.substr(3));
    return true;
}

bool ParseAssignment(std::string_view text, InputCommand& cmd) {
    std::size_t eq = text.find('=');
    if (text.size() <= 2 || eq == std::string_view::npos ||
        text.find(":::") != std::string_view::npos)
        return false;
    // In a parametric pair "x...y=expression" the name belongs to the y-expression.
    if (std::size_t dots = text.find("..."); dots != std::string_view::npos && dots < eq) return false;
    std::string_view target = TrimBlanks(text.substr(0, eq));
    if (std::size_t open = target.find('('); open != std::string_view::npos) {
        std::string_view args = target.substr(open + 1);
        if (std::size_t close = args.rfind(')'); close != std::string_view::npos) {
            args = args.substr(0, close);
        }
        cmd.TargetArguments = Trimmed(args);
        target = TrimBlanks(target.substr(0, open));
    }
    cmd.Kind = InputCommandKind::Assignment;
    cmd.Name = std::string(target);
    cmd.Text = Trimmed(text.substr(eq + 1));
    return true;
}

using CommandParser = bool (*)(std::string_view, InputCommand&);
constexpr CommandParser kParsers[] = {
    ParseRun,    ParseDefineSequence, ParseUndefineSequence, ParseDefineVariable,
    ParseRename, ParseSetBox,         ParseAssignment,
};

}  // namespace

InputCommand ParseInputCommand(std::string_view text) {
    for (CommandParser parse : kParsers) {
        InputCommand cmd;
        if (parse(text, cmd)) return cmd;
    }
    return {};
}

std::string_view StripDescription(std::string_view input) {
    std::size_t quote = input.rfind('"');
    if (quote != std::string_view::npos) input.remove_prefix(quote + 1);
    return TrimBlanks(input);
}

bool IsRangeText(std::string_view text) {
    return text.find("..") != std::string_view::npos;
}

RangeTexts SplitRange(std::string_view text) {
    RangeTexts parts;
    std::size_t dots = text.find("..");
    if (dots == std::string_view::npos) {
        parts.Low = Trimmed(text);
        return parts;
    }
    parts.Low = Trimmed(text.substr(0, dots));
    std::string_view rest = text.substr(dots + 2);
    std::size_t colon = rest.find(':');
    parts.High = Trimmed(rest.substr(0, colon));
    if (colon != std::string_view::npos) parts.Step = Trimmed(rest.substr(colon + 1));
    return parts;
}

}  // namespace tarvix
