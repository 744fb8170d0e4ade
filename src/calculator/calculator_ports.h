// The calculator model's ways out: the dialogs port (message box, text
// question), the clipboard, the view (focus and selection in the main
// window's boxes) and the hooks into subsystems built later (tasks, series,
// statistics, worksheet, VAT, history, variable list). The Qt main window
// implements them; tests script them. Hooks do nothing until their subsystem
// exists.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculator/message_box.h"
#include "calculator/registers.h"
#include "engine/complex_value.h"

namespace tarvix {

class TParser;
class Calculator;
class EMathParserError;

class DialogsPort {
public:
    virtual ~DialogsPort() = default;
    // Shows a prepared message and returns the button pressed.
    virtual ModalResult ShowMessage(const MessageBoxRequest& request) = 0;
    // Asks for a line of text; nothing when the user cancels.
    virtual std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                               std::string_view defaultText) = 0;
};

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    virtual void SetText(std::string_view text) = 0;
    virtual std::string Text() const = 0;
};

// A selection in a box; Length below 0 selects the whole text. Positions are
// byte offsets into the UTF-8 text.
struct TextSelection {
    std::size_t Start = 0;
    long Length = -1;

    static TextSelection All() { return {}; }
    friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// Focus and panels of the main window.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;
    // Whether the main window is the active window (boxes take the focus only then).
    virtual bool IsActive() const { return true; }
    virtual void FocusBox(BoxId /*box*/, TextSelection /*selection*/) {}
    // Selects the whole text of whichever box has the focus.
    virtual void SelectFocusedText() {}
    // Shows the extra register panel (the F box and the labels C … F).
    virtual void ShowExtraRegisters() {}
};

class CalculatorHooks {
public:
    virtual ~CalculatorHooks() = default;

    // Tasks: RUN(name) and F9; a compile error of the calculation command.
    virtual void RunTask(std::string_view /*name*/) {}
    virtual void CalculationCompileFailed(const EMathParserError& /*error*/) {}

    // Series. PrepareSeries sees the typed input (with "..." or ":::") and the
    // prepared text; false stops the calculation. BranchToSeries may take over
    // a compiled calculation (the X box holds a range used by the expression,
    // or a used variable holds a vector); true when it did.
    // EvaluateSeriesExpansion gives the sum of a ":::" series expansion.
    virtual bool PrepareSeries(std::string_view /*typed*/, std::string& /*text*/) { return true; }
    virtual bool BranchToSeries(Calculator& /*calculator*/, bool /*xRangeUsed*/) { return false; }
    virtual std::optional<ComplexValue> EvaluateSeriesExpansion(TParser& /*parser*/) {
        return std::nullopt;
    }
    virtual void ClearSeries() {}     // the current series of the main window
    virtual void ClearMiniChart() {}  // the small chart of the main window
    virtual void ClearAllVectors() {}
    virtual void RemoveVector(std::string_view /*name*/) {}

    // Statistics: "Enter vkládá data" appends each result; the reset clears all.
    virtual void AppendStatisticsData(const ComplexValue& /*value*/) {}
    virtual void ClearStatistics() {}

    // Worksheet: CELL(row;column)=… writes the formatted result into a cell.
    virtual bool WorksheetOpen() const { return false; }
    virtual void AssignWorksheetCell(int /*row*/, int /*column*/, std::string_view /*text*/) {}
    virtual void RefreshWorksheetValues() {}

    // VAT: runs its calculation when the labels of X, Y, A, B read its names;
    // the reset releases its button.
    virtual void VatCalculation(Calculator& /*calculator*/) {}
    virtual void ReleaseVat() {}

    // History: one calculation (the input line and the trimmed display text);
    // Calculator::UsedVariableLines gives the variable block.
    virtual void RecordCalculation(std::string_view /*expression*/, std::string_view /*result*/) {}

    // Variable list window (refreshed only while visible) and the label hints.
    virtual void RefreshVariableList() {}
    virtual void RefreshVarLabels() {}

    // The reset gives the data file its default name.
    virtual void ResetDataFileName() {}
};

}  // namespace tarvix
