// The texts the editor pane's menu inserts into an explanation: the window
// states ("Vložit stav oken") and a variable or its vector ("Vložit
// proměnnou"). The mode line is ModeLine (formula_transfer.h), the index
// characters IndexCharacters (library_text.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

enum class WindowShow : std::uint8_t { Normal, Minimized, Maximized };

// An open window as the window layer reports it.
struct OpenWindow {
    std::string FormName;  // "MainForm", "VarForm", …
    WindowShow Show = WindowShow::Normal;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// One line per open window among MainForm, ExprForm, StatForm, GrForm,
// FuncForm, VarForm, LogForm, EdForm, DispForm, ConstForm (in this order;
// other windows are left out): "open " name "," and "MINIMIZE", "MAXIMIZE",
// or left, top, width and height separated by ",".
std::vector<std::string> WindowStateLines(const std::vector<OpenWindow>& windows);

// A variable as name " = " value text; one that holds a vector as
// "vector " name " = (" its element texts joined by ";" ")".
std::string VariableInsertText(std::string_view name, std::string_view valueText);
std::string VectorInsertText(std::string_view name, const std::vector<std::string>& elements);

}  // namespace tarvix
