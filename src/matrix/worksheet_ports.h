// The worksheet model's ways out: the main window (formatting modes, scalar
// results to its display, Ans and input line, the display value and the input
// line the operations read), the window's own view (status panels, focus,
// running state) and the options of its menus.
#pragma once

#include <string>
#include <string_view>

#include "calculator/format_options.h"
#include "engine/complex_value.h"
#include "matrix/lu_factor.h"
#include "series/current_series.h"

namespace tarvix {

class WorksheetMainPort {
public:
    virtual ~WorksheetMainPort() = default;
    // The main window's current number format, domain and imaginary unit.
    virtual FormatOptions CurrentFormat() const = 0;
    // A scalar result: the display shows it (formatted by the main window),
    // Ans takes it, the main window gets the focus; a non-empty inputLine
    // replaces the input line's text.
    virtual void ShowScalarResult(const ComplexValue& value, std::string_view inputLine) = 0;
    // The display's text (the scalar of the scalar multiple).
    virtual std::string DisplayText() const = 0;
    // The input line (the function of the transformation by a function).
    virtual std::string InputText() const = 0;
    // The name of the X register's variable, the function's argument.
    virtual std::string XVariableName() const { return "X"; }
    // The name of the Y register's variable (the row of a generated cell).
    virtual std::string YVariableName() const { return "Y"; }

    // --- The main window's modes, switched as its own controls switch them
    // (captions, Ans shown again); the worksheet then reformats its cells.
    virtual void SelectNumberFormat(NumberFormat /*format*/) {}
    virtual void SelectComplexForm(ComplexForm /*form*/) {}
    virtual void ToggleRounding() {}
    // The domain switched to complex (a complex series imported in the real domain).
    virtual void SelectComplexDomain() {}

    // --- Series and charts
    // The main window's current series; nullptr when there is none.
    virtual const CurrentSeries* Series() const { return nullptr; }
    // The series becomes the main window's current series and is added to
    // the detailed chart window (created when missing, then shown) under
    // `title`, as bars or as a line.
    virtual void ChartSeries(CurrentSeries /*series*/, std::string_view /*title*/, bool /*bars*/) {}
    // The complex quantity of the charts and searches (0 modulus, 1 argument,
    // 2 real part, 3 imaginary part, 4 Gaussian plane), mirrored in the main
    // window's chart items.
    virtual void SetComplexQuantity(int /*quantity*/) {}
};

// Status panels: 0 row, 1 pass, 2 state and time, 3 operation title.
class WorksheetView {
public:
    virtual ~WorksheetView() = default;
    virtual void SetStatus(int /*panel*/, std::string_view /*text*/) {}
    // The cell cursor goes to a data cell (1-based) of the left or right grid.
    virtual void FocusCell(bool /*rightGrid*/, int /*row*/, int /*column*/) {}
    // A run starts (true) or ends: cursor, run button, enabled actions.
    virtual void SetRunning(bool /*running*/) {}
    // Grids, headers, editor or mode changed: repaint.
    virtual void Refresh() {}
};

enum class ResultDestination { LeftGrid, RightGrid, Editor, Memory };

// The worksheet's menu options, defaults as a new window has them.
struct WorksheetOptions {
    bool BandPassing = false;             // tridiagonal solver
    bool FastMode = false;                // no trace, watch, polling or progress
    bool WatchMode = false;               // element updates shown, question per pass
    bool TraceOn = false;                 // trace lines to the calculation history
    Pivoting Pivot = Pivoting::Partial;   // row exchanges of the eliminations
    bool GenerateFunctionValues = false;  // cells evaluated as expressions in the real domain
    bool SymmetricWrite = false;          // transformation mirrors the lower triangle
    // The elements the transformation by a function changes: the fill area
    // (0 all … 9 outside the bordered area) and content (0 empty cells,
    // 1 non-empty cells, 2 regardless) of the data generation.
    int TransformArea = 0;
    int TransformContent = 2;
    ResultDestination Destination = ResultDestination::RightGrid;
    int MemorySlot = -1;                  // the memory entry when Destination is Memory
};

}  // namespace tarvix
