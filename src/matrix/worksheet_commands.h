// Which of the worksheet window's commands are enabled in the model's state:
// the commands that could change the data only while no computation runs,
// the run button only on a filled diagonal, stop only during a run, the
// result views only after a result.
#pragma once

#include <string>
#include <string_view>

namespace tarvix {

class Worksheet;
class TextGrid;

struct WorksheetCommandStates {
    bool DataCommands = true;  // new, open, recent, close, order, mode, generate, editor conversions
    bool Run = false;          // run button, F9 and every operation
    bool Stop = false;         // stop button, F2
    bool ResultCheck = false;  // "Kontrola výsledku": a solution or an inverse exists
    bool TriangleView = false; // triangulated and LU views: a solution exists
    bool MoveResultLeft = false;
    bool Save = false;         // save to the current file: the data were changed
};

WorksheetCommandStates CommandStates(const Worksheet& sheet);

}  // namespace tarvix

namespace tarvix {

// "Nový": both grids and the editor cleared, the file name back to
// "soubor.txt" in the program folder, not modified. The order and mode stay.
void ClearWorksheet(Worksheet& sheet, const std::string& programFolder);

// Whether the left grid can be saved in the binary form of `path`: those
// forms hold n² (operations) or n(n+1) (equations) elements and nothing
// else, so a rectangular operand is refused. Text files always can.
bool FitsFileForm(const Worksheet& sheet, std::string_view path);

// The watch mode shows the elements of a running elimination in the left
// grid. After the run the grid gets back the texts it had before (`before`),
// unless a result was delivered into the left grid or its size changed.
void RestoreWatchedCells(Worksheet& sheet, const TextGrid& before, bool resultDelivered);

}  // namespace tarvix
