// How results leave the worksheet: the cells of the active grid written
// again in the main window's number format, the result file (text or
// binary), the clipboard text of the results, and the solutions grid of
// the variant window as a file and as clipboard text.
#pragma once

#include <string>

#include "calculator/display_modes.h"
#include "matrix/text_grid.h"
#include "matrix/worksheet.h"

namespace tarvix {

// --- Reformatting
// Every data cell of the active grid is evaluated (an empty cell as 0) and
// written again as the main window's current format shows its value. All
// cells are evaluated before one is written: an evaluation error shows the
// evaluator's message and leaves every cell as it was.
//
// The exact value behind a text is never lost silently: a new text that
// reads back to a different value than its cell had (beyond the 15
// significant digits of the system's number text, e.g. a fixed format with
// three rounded decimals) is a loss. When there is one, the user is asked
// once: Yes writes every new text, No keeps the old text of the cells that
// would change their value (the others are reformatted), Cancel changes
// nothing. Returns whether cells were written.
bool ReformatActiveGrid(Worksheet& sheet);

// The format commands: the main window's mode through the port, then the
// active grid reformatted.
bool ApplyNumberFormat(Worksheet& sheet, NumberFormat format);
bool ApplyComplexForm(Worksheet& sheet, ComplexForm form);

// --- Result file
// The text form. Operations: the number of data rows of the right grid,
// then one line per data row with all of its trimmed cells joined by tabs.
// Equations: no header, one line per unknown with its displayed solution
// value (the right grid's column when no solve has run). Lines end with
// CR LF.
std::string ResultFileText(const Worksheet& sheet);
// Writes the result file in the form its extension names (".re4", ".re8",
// ".cp4", ".cp8" binary from the numeric result: the target matrix row by
// row in the operations mode, the unknowns in the equations mode; any other
// extension the text form), through a temporary file renamed over the
// target. The worksheet's own file name stays. False with the message in
// `error` (a write error names the file without its folder; a value beyond
// the binary form's range is named and nothing is written).
bool WriteResultFile(const Worksheet& sheet, const std::string& path, std::string& error);
// The menu command's part after the dialog: writes, and shows a failure as
// an error message.
bool SaveResultFile(Worksheet& sheet, const std::string& path);

// --- Clipboard
// Equations: the displayed solution values, one per line (CR LF);
// operations: the right grid's data cells, trimmed, joined by tabs, every
// row ended by CR LF.
std::string ResultClipboardText(const Worksheet& sheet);

// --- Grids as text (the variant window's solutions)
// The data rows of a grid, trimmed cells joined by tabs, every row ended by
// CR LF.
std::string GridRowsText(const TextGrid& grid);
// Writes GridRowsText atomically; false with the write message in `error`.
bool WriteGridRowsFile(const TextGrid& grid, const std::string& path,
                       const MatrixMessageTable& texts, std::string& error);

}  // namespace tarvix
