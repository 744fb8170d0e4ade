// The main window's widgets by role, as the window builds them and its
// commands reach them: display, input line, registers, side buttons, the
// lower area's pages and keys, the switches and the status bar's panels.
#pragma once

#include <array>
#include <map>

#include "calculator/keypad_texts.h"
#include "calculator/mode_switches.h"
#include "calculator/registers.h"

class QComboBox;
class QFrame;
class QSpinBox;
class QStackedWidget;
class QToolBar;
class QToolButton;
class QPushButton;
class QWidget;

namespace tarvix {

class TDisplayLabel;
class TPostfixSpinBox;
class TRegisterLabel;

struct MainFormWidgets {
    TDisplayLabel* StaticTextDisplay = nullptr;
    QFrame* DisplayFrame = nullptr;
    QToolButton* VyrazSpeedButton = nullptr;
    QComboBox* ExprComboBox = nullptr;
    QPushButton* VypocetButton = nullptr;
    std::array<TRegisterLabel*, kRegisterCount> Labels{};
    std::array<QComboBox*, kRegisterCount> Boxes{};
    QWidget* MainPanel = nullptr;  // registers and the side buttons
    QWidget* SideButtons = nullptr;
    QWidget* ExtraRegisterPanel = nullptr;  // C … F
    QWidget* LowerArea = nullptr;           // page buttons and the pages
    QStackedWidget* PanelStack = nullptr;
    QWidget* FnPanel = nullptr;
    QToolButton* FnSpeedButton = nullptr;
    QToolButton* GrSpeedButton = nullptr;
    QToolButton* PromSpeedButton = nullptr;
    std::map<KeypadKey, QToolButton*> KeypadButtons;
    QToolButton* InvSpeedButton = nullptr;
    QToolButton* HypSpeedButton = nullptr;
    QToolButton* DmsSpeedButton = nullptr;
    QToolButton* FunkceSpeedButton = nullptr;
    std::map<ModeSwitch, QToolButton*> SwitchButtons;  // keypad: d-r-g, base, …
    std::map<ModeSwitch, QToolButton*> SwitchPanels;   // status bar: deg, dec, …
    QToolButton* RndSpeedButton = nullptr;
    QSpinBox* RndEdit = nullptr;
    QToolButton* EngSpeedButton = nullptr;
    TPostfixSpinBox* EngEdit = nullptr;
    QToolButton* LEngPanel = nullptr;
    QToolButton* REngPanel = nullptr;
    QToolButton* EnterSpeedButton = nullptr;
    QToolButton* StopSpeedButton = nullptr;
    QToolButton* DataSpeedButton = nullptr;
    QToolButton* ViewSpeedButton = nullptr;
    QToolButton* StatSpeedButton = nullptr;
    QToolButton* RegSpeedButton = nullptr;
    QToolButton* ResetSpeedButton = nullptr;
    QWidget* SwitchesPanel = nullptr;
    QToolButton* PromennePanel = nullptr;
    QToolButton* ClearPanel = nullptr;
    QToolButton* EditPanel = nullptr;
    QToolButton* ConstPanel = nullptr;
    QToolButton* ConstPopupPanel = nullptr;
    QWidget* CommandPanels = nullptr;  // variable, clear, edit, const, >
    QToolBar* ToolBar = nullptr;
};

}  // namespace tarvix
