// Structural edits of the worksheet's active grid: symmetrise, transpose,
// copy the right-hand sides, the exchanges between the two grids, insert and
// remove rows, columns and nodes, remove the diagonal or an area, keep only
// the area, omit the lower rows or the right columns, renumber the headers.
// Each edit empties the search marks and the bordered area and marks the
// worksheet modified; it returns false (nothing changed) where the edit does
// not apply.
#pragma once

#include "matrix/worksheet.h"

namespace tarvix {

// The one direction of mirroring in the worksheet (generation with symmetric
// writing and the symmetric conversion): the lower triangle takes the upper
// one, cell (j, i) := cell (i, j) for i < j, within the grid's rows and
// columns; the right-hand-side column is never touched since j stops at the
// last row.
void MirrorUpperIntoLower(TextGrid& grid);
// The grid's special headers again after a resize: the right-hand side
// "Vektor" of the equations mode's left grid, "Řešení" of its right grid.
void RestoreGridHeaders(Worksheet& sheet, bool rightGrid);

bool Symmetrise(Worksheet& sheet);
// Operations mode: the whole grid (rows and columns exchanged); equations
// mode: the square coefficient part in place, the right-hand side stays.
bool Transpose(Worksheet& sheet);
// Equations mode, left grid: the cursor column := the right-hand side.
bool CopyRhsToCursorColumn(Worksheet& sheet);

// Operations mode only.
bool AssignLeftFromRight(Worksheet& sheet);
bool AssignRightFromLeft(Worksheet& sheet);
bool ExchangeGrids(Worksheet& sheet);
bool GridHasData(const TextGrid& grid);

bool InsertRow(Worksheet& sheet);
bool InsertColumn(Worksheet& sheet);
bool InsertNode(Worksheet& sheet);
bool RemoveRow(Worksheet& sheet);
bool RemoveColumn(Worksheet& sheet);
bool RemoveNode(Worksheet& sheet);
// A square grid with more than one row: the cells right of the diagonal
// move left, then the last column and row go.
bool RemoveDiagonal(Worksheet& sheet);
// The rows and columns of the bordered area go; the order becomes the larger
// of the rows and coefficient columns kept.
bool RemoveArea(Worksheet& sheet);
// Only the rows and columns of the bordered area stay.
bool KeepOnlyArea(Worksheet& sheet);
bool OmitLowerRows(Worksheet& sheet);
bool OmitRightColumns(Worksheet& sheet);
// Column headers 1.. (the right-hand side keeps its name).
bool Renumber(Worksheet& sheet);

}  // namespace tarvix
