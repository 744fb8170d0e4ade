// The worksheet's searches on the active grid: the extreme (minimum or
// maximum) of a row, a column, the diagonal or the whole searched area,
// shown in the main window's display and Ans; the range search that marks
// the cells whose value lies between two bounds; and what is done with the
// marks (highlight, both grids, the list in the equations editor).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/message_box.h"
#include "engine/complex_value.h"
#include "engine/engine_modes.h"
#include "matrix/grid_area.h"

namespace tarvix {

class Worksheet;

enum class ExtremeKind { RowWise, ColumnWise, Diagonal, Overall };

struct CellPosition {
    int Row = 0;
    int Column = 0;
    friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

// Factor from radians to the angle unit (degrees, radians, grads).
long double RadiansToUnits(TAngleUnits units);
// atan2(im, re) in the angle unit.
long double ArgumentInUnits(const ComplexValue& v, TAngleUnits units);

// What a search compares of a cell value: in the real domain the real part;
// in the complex domain by the quantity (0 modulus, 1 argument in `units`,
// 2 real part, 3 imaginary part). The charts' quantity 4 (points in the
// Gaussian plane) gives no single number, so the searches compare the
// modulus then, as for 0.
long double SearchedQuantity(const ComplexValue& v, bool complexDomain, int quantity,
                             TAngleUnits units);

// The searched area of the active grid: the bordered area, else the whole
// data part without the right-hand-side column of the equations mode.
GridArea SearchArea(const Worksheet& sheet);
// The cells an extreme search visits, in scanning order (row by row, left to
// right): the cursor row or column across the area, the diagonal cells (k, k)
// of the area's rows that are columns of the grid, or the whole area.
std::vector<CellPosition> SearchedCells(const Worksheet& sheet, ExtremeKind kind);

// The position of the extreme among the values. Only finite values take
// part, so the search starts from the first finite one and never from a NaN
// (or from a modulus beyond the extended range); later values replace it only
// when strictly smaller (minimum) or greater (maximum), so ties keep the
// first. Nothing when no value is finite.
std::optional<std::size_t> ExtremeIndex(std::span<const long double> values, bool maximum);

struct ExtremeResult {
    CellPosition Cell;
    long double Value = 0.0L;
};

// The extreme search of the active grid: the value is shown in the main
// window's display and stored in Ans, and the active grid's cell cursor moves
// to the found cell (the window shows it). An evaluation error, or no finite
// value, shows its message and changes nothing.
std::optional<ExtremeResult> SearchExtreme(Worksheet& sheet, ExtremeKind kind, bool maximum);

// --- Range search
// The two bound texts of a range input: ".." is looked for first, then the
// first blank, tab or ";"; both sides trimmed. So "2 .. 5", "2..5", "2;5"
// and "2 5" are the same range. Nothing when there is no separator or a side
// is empty (the caller warns).
std::optional<std::pair<std::string, std::string>> SplitRangeText(std::string_view text);

// The label of the range input box: "Meze%s:  minimum .. maximum" with the
// quantity in the complex domain.
std::string RangePrompt(const Worksheet& sheet);

// Marks the cells of the active grid's searched area whose value lies between
// the bounds of `text` (real parts, both ends included); the highlight is on
// exactly when a cell was marked. A text without separator warns, a bound
// that cannot be read shows its error, a cell that cannot be evaluated shows
// its error; then the earlier marks stay. True when the marks were made.
bool SearchRange(Worksheet& sheet, std::string_view text);

// The range input box ("Hledat v rozmezí", RangePrompt), offering the last
// text and remembering the new one in `lastText`; nothing after Cancel or an
// empty text.
std::optional<std::string> AskRangeText(Worksheet& sheet, std::string& lastText);
// The range command: AskRangeText, then SearchRange.
bool AskAndSearchRange(Worksheet& sheet, std::string& lastText);

// The marked cells of the searched grid into the equations editor, one line
// "I=row<tab>J=column<tab>cell text" each, row by row; false when nothing is
// marked (the editor stays).
bool FoundToEditor(Worksheet& sheet);

// Whether the active grid holds any non-empty cell (searches and
// conversions need data).
bool ActiveGridHasData(const Worksheet& sheet);
// "Značit v obou mřížkách" is possible: marks exist, operations mode, and
// both grids have the same size.
bool BothGridsMarkable(const Worksheet& sheet);

// A message of the worksheet's data commands through its dialogs port (an
// error with the Storno and help buttons, anything else with OK).
void ShowWorksheetMessage(Worksheet& sheet, std::string_view text, MessageKind kind);

}  // namespace tarvix
