// Where the main window's keys sit: the function keys on the keypad's 3 × 4
// grid with the captions of the keys whose built-in face is a picture, the
// mode switches as keypad buttons and status-bar panels (names, captions,
// hints), and the common size that makes the keypad an even grid.
#pragma once

#include <string_view>

#include "calculator/keypad_texts.h"
#include "calculator/mode_switches.h"

class QToolButton;

namespace tarvix {

struct KeyFace {
    KeypadKey Key;
    std::string_view Caption;
    int Row;
    int Column;
};
inline constexpr KeyFace kKeyFaces[] = {
    {KeypadKey::Sin, "sin", 0, 0},      {KeypadKey::Cos, "cos", 0, 1},
    {KeypadKey::Tan, "tg", 0, 2},       {KeypadKey::Sqrt, "√x", 0, 3},
    {KeypadKey::Log, "log", 1, 0},      {KeypadKey::Ln, "ln", 1, 1},
    {KeypadKey::Factorial, "n!", 1, 2}, {KeypadKey::Reciprocal, "1/x", 1, 3},
    {KeypadKey::Exp10, "10^x", 2, 0},   {KeypadKey::Exp, "e^x", 2, 1},
    {KeypadKey::Power, "y^x", 2, 2},    {KeypadKey::Square, "x²", 2, 3},
};

struct SwitchRow {
    ModeSwitch Switch;
    std::string_view ButtonName;
    std::string_view Caption;
    std::string_view Hint;
    std::string_view PanelName;
    std::string_view PanelHint;
};
inline constexpr SwitchRow kSwitches[] = {
    {ModeSwitch::AngleUnit, "DrgrSpeedButton", "d-r-g", "Deg-rad-grad", "DrgrPanel",
     "Úhlové jednotky (Ctrl+A)"},
    {ModeSwitch::Base, "BaseSpeedButton", "base", "dec-hex-bin-oct", "BasePanel",
     "Číselná soustava (Ctrl+B, zpět Ctrl+Shift+B)"},
    {ModeSwitch::Domain, "NumbSpeedButton", "num", "real-cplx", "NumbPanel",
     "Reálná nebo komplexní čísla"},
    {ModeSwitch::NumberFormat, "FormSpeedButton", "form", "norm-fix-sci-eng", "FormPanel",
     "Formát zobrazení (Ctrl+F)"},
    {ModeSwitch::FunctionMode, "ModeSpeedButton", "mode", "insert-eval", "ModePanel",
     "Vkládání funkcí do výrazu (Ctrl+M)"},
};

// Gives a button of a group the common key size, so the keypad is an even grid
// at any font size.
void SetKeySize(QToolButton* button);

}  // namespace tarvix
