// The worksheet port of CELL(row;column): the matrix worksheet registers its
// grid here while it exists and withdraws it when it closes.
#pragma once

#include <string>
#include <string_view>

namespace tarvix {

// The worksheet's grid as CELL sees it. Row 0 and column 0 are header cells;
// data cells are numbered from 1.
class CellGrid {
  public:
    virtual ~CellGrid() = default;
    virtual int RowCount() const = 0;
    virtual int ColumnCount() const = 0;
    // The raw text the user typed into the cell.
    virtual std::string CellText(int row, int col) const = 0;
};

// Registers the grid (nullptr withdraws it). The grid is not owned.
void SetCellGrid(CellGrid* grid);
CellGrid* CurrentCellGrid();

// A cell's raw text prepared like the calculator's input line: "," becomes
// ".", then ";" becomes ",", and blanks are removed.
std::string PrepareCellText(std::string_view text);

}  // namespace tarvix
