// The bordered area of the worksheet's active grid as text: copy to the
// clipboard (cells joined by tabs, rows ended by CR LF), paste from a text
// into a rectangle, clear, and the select-all rectangle.
#pragma once

#include <string>
#include <string_view>

#include "calculator/calculator_ports.h"
#include "matrix/worksheet.h"
#include "matrix/worksheet_generate.h"

namespace tarvix {

// The area's (or the whole data part's) cell texts, tabs between cells, CR LF after each row.
std::string AreaText(const Worksheet& sheet);
// The area text to the clipboard; AreaCopied is set.
void CopyArea(Worksheet& sheet, WorksheetDataState& state, ClipboardPort& clipboard);
// Pasting needs an area copied since the program started and text on the clipboard.
bool PasteEnabled(const WorksheetDataState& state, const ClipboardPort& clipboard);
// The text into the bordered area, or from the cursor cell to the last row
// and column. A text line ends at LF, CR LF or CR; its fields (up to a tab)
// fill the rectangle's columns, fields beyond the last column are skipped, a
// short line leaves the rest of its row; lines beyond the rectangle are
// ignored. False when nothing was written.
bool PasteAreaText(Worksheet& sheet, std::string_view text);
// The area's cells emptied, or without an area the whole grid's.
bool ClearArea(Worksheet& sheet);
// Rows 1..last and columns 1..last of the active grid, without the
// right-hand side of the equations mode; it becomes the bordered area.
GridArea SelectAll(Worksheet& sheet);

}  // namespace tarvix
