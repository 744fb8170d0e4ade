// The spreadsheet export: the worksheet's grids laid out as a table of texts
// (the corner "i\j", the left grid with its headers, an empty column, the
// right-hand side, an empty column and the result), written as an
// OpenDocument flat XML spreadsheet (".fods") or as CSV for the desktop's
// spreadsheet program.
#pragma once

#include <string>
#include <vector>

#include "matrix/text_grid.h"
#include "matrix/worksheet.h"

namespace tarvix {

struct SpreadsheetTable {
    std::string SheetName;
    std::vector<std::vector<std::string>> Rows;  // cell texts, row by row; "" an empty cell
};

// The worksheet's table, the sheet named after the worksheet's file (no
// folder). Row r of the left grid (0 the header row) is table row r: the
// row header and the coefficients, an empty column, the last column (the
// right-hand side), an empty column and the right grid's column 1 (the
// solution or its header). In the operations mode the left grid keeps all
// of its columns and the whole right grid follows the empty column.
SpreadsheetTable WorksheetTable(const Worksheet& sheet);
// A grid with its headers (row and column 0) as a table under `sheetName`,
// the corner cell "i\j".
SpreadsheetTable GridTable(const TextGrid& grid, const std::string& sheetName,
                           const MatrixMessageTable& texts = BuiltInMatrixMessages());

// The flat OpenDocument spreadsheet of a table: every text escaped; a text
// that is a plain decimal number is a float cell showing that text.
std::string FlatOdsText(const SpreadsheetTable& table);
// The table as CSV: comma separated, fields with a comma, quote or line end
// quoted (quotes doubled), lines ended by CR LF.
std::string CsvText(const SpreadsheetTable& table);

// The text with "&", "<", ">", '"' and "'" escaped and the characters XML
// cannot hold (controls other than tab and line ends) left out.
std::string XmlEscaped(std::string_view text);

}  // namespace tarvix
