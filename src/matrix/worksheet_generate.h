// Data generation for the worksheet: the generation settings and the random
// engine that live as long as the program, the rule of one generated cell
// (random integers or function values of the main window's input line), the
// generation over a fill area and content, the special matrices (band,
// diagonal, identity, upper triangular) and the import of the main window's
// current series. Every command returns a DataResult; the window shows its
// error through ReportDataResult.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "matrix/worksheet.h"

namespace tarvix {

// Which cells a generation fills (a cell at row i, column j, both from 1).
enum FillAreaCode : int {
    kFillAll = 0,
    kFillRow = 1,            // i = cursor row
    kFillColumn = 2,         // j = cursor column
    kFillDiagonal = 3,       // j = i
    kFillAboveDiagonal = 4,  // j > i
    kFillUpperTriangle = 5,  // j >= i
    kFillBelowDiagonal = 6,  // j < i
    kFillLowerTriangle = 7,  // j <= i
    kFillInsideArea = 8,     // inside the bordered area (all without one)
    kFillOutsideArea = 9,    // outside the bordered area (all without one)
};
enum FillContentCode : int { kFillEmpty = 0, kFillNonEmpty = 1, kFillRegardless = 2 };

struct GenerationSettings {
    bool FunctionValues = false;  // number source: random numbers, or values of the input line
    bool ComplexNumbers = false;  // number kind; complex only while the domain is complex
    bool Symmetric = false;       // afterwards the lower triangle mirrors the upper one
    int FillArea = kFillAll;      // FillAreaCode
    int FillContent = kFillRegardless;  // FillContentCode
};

// What the data commands keep while the program runs (never saved): the
// generation settings, whether an area was copied, and one uniform random
// engine seeded from the clock once, so that two generations differ.
class WorksheetDataState {
public:
    WorksheetDataState();
    GenerationSettings Settings;
    bool AreaCopied = false;
    // A uniformly drawn integer 0 .. below−1.
    int Draw(int below);
    // A fixed start of the random sequence (tests).
    void Seed(std::uint64_t seed) { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
};

// The outcome of a data command: whether cells changed and the message to show.
struct DataResult {
    bool Changed = false;
    std::string Error;
    bool Ok() const { return Error.empty(); }
};
// Shows the result's error as an error message; returns Changed.
bool ReportDataResult(Worksheet& sheet, const DataResult& result);
// A message of the worksheet (kind Error: Storno and Help buttons, else OK).
void ShowWorksheetMessage(Worksheet& sheet, const std::string& text, MessageKind kind);

// Generation writes into the right grid only in the operations mode while
// the right grid is active; otherwise into the left grid.
bool GenerationTargetIsRight(const Worksheet& sheet);
// Whether the cell is in the fill area `code` (cursor and area of the target grid).
bool InFillArea(int code, int row, int column, std::pair<int, int> cursor,
                const std::optional<GridArea>& area);
// Complex numbers are generated in the complex domain when the number kind is
// complex or the key that asks for them (Shift; Ctrl for one cell) is held.
bool ComplexGeneration(const Worksheet& sheet, const GenerationSettings& settings, bool keyHeld);

// The random cell rule: re in −99..99 (a 0 drawn on the diagonal becomes the
// row number), im in −49..49; complex texts as "12-7i" or "12+0i".
// `nonZero` draws again until both parts are non-zero.
std::string RandomCellText(WorksheetDataState& state, int row, int column, bool complex,
                           char imaginaryUnit, bool nonZero = false);

// "Generovat" (Ctrl+D): every cell of the target grid in the fill area and
// content, by the cell rule; a fill of all cells regardless of content clears
// the grid first. Empties the search marks and the computed results.
DataResult GenerateData(Worksheet& sheet, WorksheetDataState& state, bool complexKey = false);

enum class SpecialMatrix { Band, Diagonal, Identity, Triangular };
// A special matrix in the cleared target grid; sets the fill to all cells
// regardless of content.
DataResult GenerateSpecial(Worksheet& sheet, WorksheetDataState& state, SpecialMatrix kind,
                           bool complexKey = false);
// One generated value into a cell (the fill settings do not apply).
DataResult GenerateOneCell(Worksheet& sheet, WorksheetDataState& state, bool rightGrid, int row,
                           int column, bool complexKey);

// "Import datové řady": whether the main window holds a series to import (a
// complex one, or a real one within the order limit).
bool SeriesImportEnabled(Worksheet& sheet);
// The main window's current series into the active grid (rows × columns);
// a complex series in the real domain switches the main window to the
// complex domain; a series beyond the order limit only gets a message.
DataResult ImportSeries(Worksheet& sheet);

}  // namespace tarvix
