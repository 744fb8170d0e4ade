// The window statements of the task language read into commands for the
// host: OPEN(window, action) and OPEN(window, left, top, width, height),
// CLOSE(window) and KEYBD([window,] key). Which windows exist and how a key
// reaches them is the host's business.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

// The windows a task may address, by their form names.
enum class TaskWindow : std::uint8_t {
    MainForm,
    StatForm,
    GrForm,
    ExprForm,
    ConvForm,
    FuncForm,
    VarForm,
    LogForm,
    EdForm,
    DispForm,
    ConstForm,
    SplashForm,
};

// The form name ("StatForm") in any case; nothing for another text.
std::optional<TaskWindow> TaskWindowByName(std::string_view name);
std::string_view TaskWindowName(TaskWindow window);

enum class WindowAction : std::uint8_t {
    None,  // only create (when needed) and show
    Hide,
    Show,
    Maximize,
    Minimize,
    Restore,
    TopMost,
    Normal,
    Active,
    TopLeft,
    BottomLeft,
    TopRight,
    BottomRight,
    Center,
    Place,  // left, top, width and height below
};

// One of left, top, width, height: absent (kept), a value, or a change of
// the current value ("+10", "-10").
struct WindowCoordinate {
    bool Given = false;
    bool Relative = false;
    long Value = 0;  // the change when relative
};

struct WindowCommand {
    TaskWindow Window = TaskWindow::MainForm;
    WindowAction Action = WindowAction::None;
    WindowCoordinate Left, Top, Width, Height;
};

struct KeyCommand {
    std::optional<TaskWindow> Window;  // created if needed and activated first
    std::string Key;                   // upper-cased: "A", "CTRL+C", "F5"
};

// Why a window statement could not be read.
struct WindowStatementFault {
    enum class Kind : std::uint8_t { UnknownWindow, BadValue } What;
    std::string Text;  // the window name or the value
};

// The value of a variable, rounded, for a coordinate written as a name;
// nothing when no such variable exists.
using VariableLookup = std::function<std::optional<long>(std::string_view name)>;

// OPEN(window, …) without "AS#": blanks removed, the first "(" and ")"
// removed, parts separated by ",". Raises nothing; a fault is returned.
struct WindowCommandRead {
    std::optional<WindowCommand> Command;
    std::optional<WindowStatementFault> Fault;
};
WindowCommandRead ReadWindowCommand(std::string_view arguments, const VariableLookup& lookup);

// CLOSE(window): the window named between the parentheses.
std::optional<TaskWindow> ReadClosedWindow(std::string_view arguments, WindowStatementFault& fault);

// KEYBD([window,] key).
std::optional<KeyCommand> ReadKeyCommand(std::string_view arguments, WindowStatementFault& fault);

}  // namespace tarvix
