// Reading the window statements of the task language.
#include "tasks/task_windows.h"

#include <array>
#include <charconv>

#include "engine/name_utils.h"
#include "tasks/task_text.h"

namespace tarvix {
namespace {

constexpr std::array<std::string_view, 12> kWindowNames = {
    "MainForm", "StatForm", "GrForm", "ExprForm", "ConvForm",  "FuncForm",
    "VarForm",  "LogForm",  "EdForm", "DispForm", "ConstForm", "SplashForm"};

struct ActionWord {
    std::string_view Word;
    WindowAction Action;
};
constexpr std::array<ActionWord, 13> kActions = {{
    {"HIDE", WindowAction::Hide},
    {"SHOW", WindowAction::Show},
    {"MAXIMIZE", WindowAction::Maximize},
    {"MINIMIZE", WindowAction::Minimize},
    {"RESTORE", WindowAction::Restore},
    {"TOPMOST", WindowAction::TopMost},
    {"NORMAL", WindowAction::Normal},
    {"ACTIVE", WindowAction::Active},
    {"TOPLEFT", WindowAction::TopLeft},
    {"BOTTOMLEFT", WindowAction::BottomLeft},
    {"TOPRIGHT", WindowAction::TopRight},
    {"BOTTOMRIGHT", WindowAction::BottomRight},
    {"CENTER", WindowAction::Center},
}};

// Blanks removed, then the first "(" and the first ")" removed.
std::string ArgumentText(std::string_view arguments) {
    std::string text = RemoveBlanksAndTabs(arguments);
    if (std::size_t open = text.find('('); open != std::string::npos) text.erase(open, 1);
    if (std::size_t close = text.find(')'); close != std::string::npos) text.erase(close, 1);
    return text;
}

std::optional<long> ReadInteger(std::string_view text) {
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<WindowCoordinate> ReadCoordinate(std::string_view text,
                                               const VariableLookup& lookup) {
    WindowCoordinate c;
    if (text.empty()) return c;
    c.Given = true;
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        c.Relative = true;
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<long> value = ReadInteger(text);
    if (!value && lookup) value = lookup(text);
    if (!value) return std::nullopt;
    c.Value = negative ? -*value : *value;
    return c;
}

}  // namespace

std::optional<TaskWindow> TaskWindowByName(std::string_view name) {
    for (std::size_t i = 0; i < kWindowNames.size(); ++i) {
        if (EqualsNoCase(name, kWindowNames[i])) return static_cast<TaskWindow>(i);
    }
    return std::nullopt;
}

std::string_view TaskWindowName(TaskWindow window) {
    return kWindowNames[static_cast<std::size_t>(window)];
}

WindowCommandRead ReadWindowCommand(std::string_view arguments, const VariableLookup& lookup) {
    const std::vector<std::string> parts = SplitList(ArgumentText(arguments), ',');
    WindowCommandRead read;
    std::optional<TaskWindow> window = TaskWindowByName(parts[0]);
    if (!window) {
        read.Fault = WindowStatementFault{WindowStatementFault::Kind::UnknownWindow, parts[0]};
        return read;
    }
    WindowCommand command;
    command.Window = *window;
    if (parts.size() == 2) {
        for (const ActionWord& a : kActions) {
            if (EqualsNoCase(parts[1], a.Word)) command.Action = a.Action;
        }
    }
    if (command.Action == WindowAction::None && parts.size() >= 2) {
        WindowCoordinate* coordinates[] = {&command.Left, &command.Top, &command.Width,
                                           &command.Height};
        for (std::size_t i = 1; i < parts.size() && i <= 4; ++i) {
            std::optional<WindowCoordinate> c = ReadCoordinate(parts[i], lookup);
            if (!c) {
                read.Fault = WindowStatementFault{WindowStatementFault::Kind::BadValue, parts[i]};
                return read;
            }
            *coordinates[i - 1] = *c;
        }
        command.Action = WindowAction::Place;
    }
    read.Command = command;
    return read;
}

std::optional<TaskWindow> ReadClosedWindow(std::string_view arguments,
                                           WindowStatementFault& fault) {
    const std::string name = ArgumentText(arguments);
    std::optional<TaskWindow> window = TaskWindowByName(name);
    if (!window) fault = {WindowStatementFault::Kind::UnknownWindow, name};
    return window;
}

std::optional<KeyCommand> ReadKeyCommand(std::string_view arguments, WindowStatementFault& fault) {
    std::string text = RemoveBlanksAndTabs(arguments);
    if (std::size_t open = text.find('('); open != std::string::npos) text.erase(0, open + 1);
    if (std::size_t close = text.find(')'); close != std::string::npos) text.erase(close);
    KeyCommand command;
    if (std::size_t comma = text.find(','); comma != std::string::npos) {
        const std::string name = text.substr(0, comma);
        command.Window = TaskWindowByName(name);
        if (!command.Window) {
            fault = {WindowStatementFault::Kind::UnknownWindow, name};
            return std::nullopt;
        }
        text.erase(0, comma + 1);
    }
    command.Key = ToUpperAscii(text);
    return command;
}

}  // namespace tarvix
