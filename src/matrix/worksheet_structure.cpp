// Structural edits of the worksheet's grids. The cells are taken out as rows
// of texts, rearranged and written back; headers are renumbered by the
// resize and the special ones restored.
#include "matrix/worksheet_structure.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "calculator/text_trim.h"

namespace tarvix {
namespace {

using Cells = std::vector<std::vector<std::string>>;

Cells Take(const TextGrid& grid) {
    Cells cells(static_cast<std::size_t>(grid.Rows()));
    for (int i = 1; i <= grid.Rows(); ++i)
        for (int j = 1; j <= grid.Cols(); ++j) cells[i - 1].push_back(grid.Cell(i, j));
    return cells;
}

void Put(Worksheet& sheet, bool right, const Cells& cells, int cols) {
    TextGrid& grid = sheet.Grid(right);
    grid.Resize(0, 0);
    grid.Resize(static_cast<int>(cells.size()), cols);
    for (int i = 1; i <= grid.Rows(); ++i)
        for (int j = 1; j <= cols && j <= static_cast<int>(cells[i - 1].size()); ++j)
            grid.SetCell(i, j, cells[i - 1][j - 1]);
    RestoreGridHeaders(sheet, right);
}

// Marks and the bordered area no longer describe the grid; the cursor stays inside.
bool Finish(Worksheet& sheet, bool right) {
    sheet.ClearMarks();
    sheet.SetBorderedArea(right, std::nullopt);
    const TextGrid& grid = sheet.Grid(right);
    const auto [row, column] = sheet.Cursor(right);
    sheet.SetCursor(right, std::clamp(row, 1, std::max(1, grid.Rows())),
                    std::clamp(column, 1, std::max(1, grid.Cols())));
    sheet.SetModified(true);
    return true;
}

int CoefficientCols(const Worksheet& sheet, bool right) {
    return sheet.Grid(right).Cols() - (sheet.HasRhsColumn(right) ? 1 : 0);
}

// The kept rows and coefficient columns (1-based, in order) become the grid;
// the order is set to the larger count, which resizes both grids as an order
// change does; the right-hand side stays the last column.
void Rebuild(Worksheet& sheet, bool right, const std::vector<int>& rows, const std::vector<int>& cols) {
    const TextGrid old = sheet.Grid(right);
    const bool rhs = sheet.HasRhsColumn(right);
    sheet.SetOrder(static_cast<int>(std::max(rows.size(), cols.size())));
    TextGrid& grid = sheet.Grid(right);
    grid.ClearCells();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int i = static_cast<int>(r) + 1;
        for (std::size_t c = 0; c < cols.size(); ++c)
            if (grid.Contains(i, static_cast<int>(c) + 1))
                grid.SetCell(i, static_cast<int>(c) + 1, old.Cell(rows[r], cols[c]));
        if (rhs && grid.Contains(i, grid.Cols())) grid.SetCell(i, grid.Cols(), old.Cell(rows[r], old.Cols()));
    }
    RestoreGridHeaders(sheet, right);
}

}  // namespace

void MirrorUpperIntoLower(TextGrid& grid) {
    for (int j = 1; j <= grid.Rows() && j <= grid.Cols(); ++j)
        for (int i = 1; i < j; ++i) grid.SetCell(j, i, grid.Cell(i, j));
}

void RestoreGridHeaders(Worksheet& sheet, bool right) {
    TextGrid& grid = sheet.Grid(right);
    if (grid.Cols() < 1) return;
    if (sheet.HasRhsColumn(right)) grid.SetColumnHeader(grid.Cols(), sheet.Texts().Text(mxmsg::HeaderVector));
    if (right && sheet.Mode() == WorksheetMode::Equations)
        grid.SetColumnHeader(1, sheet.Texts().Text(mxmsg::HeaderSolution));
}

bool GridHasData(const TextGrid& grid) {
    for (int i = 1; i <= grid.Rows(); ++i)
        for (int j = 1; j <= grid.Cols(); ++j)
            if (!TrimBlanks(grid.Cell(i, j)).empty()) return true;
    return false;
}

bool Symmetrise(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    MirrorUpperIntoLower(sheet.Grid(right));
    return Finish(sheet, right);
}

bool Transpose(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    if (sheet.Mode() == WorksheetMode::Operations) {
        const Cells old = Take(grid);
        Cells cells(static_cast<std::size_t>(grid.Cols()),
                    std::vector<std::string>(static_cast<std::size_t>(grid.Rows())));
        for (std::size_t i = 0; i < old.size(); ++i)
            for (std::size_t j = 0; j < old[i].size(); ++j) cells[j][i] = old[i][j];
        Put(sheet, right, cells, grid.Rows());
        const auto [row, column] = sheet.Cursor(right);
        sheet.SetCursor(right, column, row);
    } else {
        const int coefficients = CoefficientCols(sheet, right);
        for (int i = 1; i <= grid.Rows(); ++i)
            for (int j = i + 1; j <= coefficients && j <= grid.Rows(); ++j) {
                std::string upper = grid.Cell(i, j);
                grid.SetCell(i, j, grid.Cell(j, i));
                grid.SetCell(j, i, std::move(upper));
            }
    }
    return Finish(sheet, right);
}

bool CopyRhsToCursorColumn(Worksheet& sheet) {
    if (sheet.ActiveIsRight() || !sheet.HasRhsColumn(false)) return false;
    TextGrid& grid = sheet.LeftGrid();
    const int column = sheet.Cursor(false).second;
    if (column < 1 || column >= grid.Cols()) return false;
    for (int i = 1; i <= grid.Rows(); ++i) grid.SetCell(i, column, grid.Cell(i, grid.Cols()));
    return Finish(sheet, false);
}

bool AssignLeftFromRight(Worksheet& sheet) {
    if (sheet.Mode() != WorksheetMode::Operations) return false;
    const bool sameSize = sheet.LeftGrid().Rows() == sheet.RightGrid().Rows() &&
                          sheet.LeftGrid().Cols() == sheet.RightGrid().Cols();
    sheet.LeftGrid() = sheet.RightGrid();
    if (sameSize) sheet.ClearMarks();
    sheet.SetBorderedArea(false, std::nullopt);
    sheet.SetModified(true);
    return true;
}

bool AssignRightFromLeft(Worksheet& sheet) {
    if (sheet.Mode() != WorksheetMode::Operations) return false;
    sheet.RightGrid() = sheet.LeftGrid();
    return Finish(sheet, true);
}

bool ExchangeGrids(Worksheet& sheet) {
    if (sheet.Mode() != WorksheetMode::Operations) return false;
    const bool sameSize = sheet.LeftGrid().Rows() == sheet.RightGrid().Rows() &&
                          sheet.LeftGrid().Cols() == sheet.RightGrid().Cols();
    std::swap(sheet.LeftGrid(), sheet.RightGrid());
    if (sameSize) sheet.ClearMarks();
    sheet.SetBorderedArea(false, std::nullopt);
    sheet.SetBorderedArea(true, std::nullopt);
    sheet.SetModified(true);
    return true;
}

bool InsertRow(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const int at = std::clamp(sheet.Cursor(right).first, 1, grid.Rows() + 1);
    Cells cells = Take(grid);
    cells.insert(cells.begin() + (at - 1), std::vector<std::string>(static_cast<std::size_t>(grid.Cols())));
    Put(sheet, right, cells, grid.Cols());
    return Finish(sheet, right);
}

bool InsertColumn(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const int at = std::clamp(sheet.Cursor(right).second, 1, grid.Cols() + 1);
    Cells cells = Take(grid);
    for (auto& row : cells) row.insert(row.begin() + (at - 1), std::string());
    Put(sheet, right, cells, grid.Cols() + 1);
    return Finish(sheet, right);
}

bool InsertNode(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    const int k = std::clamp(sheet.Cursor(right).first, 1, sheet.Grid(right).Rows() + 1);
    sheet.SetCursor(right, k, k);
    InsertRow(sheet);
    sheet.SetCursor(right, k, std::min(k, sheet.Grid(right).Cols() + 1));
    InsertColumn(sheet);
    sheet.SetCursor(right, k, k);
    return true;
}

bool RemoveRow(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const int at = sheet.Cursor(right).first;
    if (grid.Rows() <= 1 || at < 1 || at > grid.Rows()) return false;
    Cells cells = Take(grid);
    cells.erase(cells.begin() + (at - 1));
    Put(sheet, right, cells, grid.Cols());
    return Finish(sheet, right);
}

bool RemoveColumn(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const int at = sheet.Cursor(right).second;
    // The right-hand side is no column to remove; one coefficient column stays.
    const int coefficients = CoefficientCols(sheet, right);
    if (coefficients <= 1 || at < 1 || at > coefficients) return false;
    Cells cells = Take(grid);
    for (auto& row : cells) row.erase(row.begin() + (at - 1));
    Put(sheet, right, cells, grid.Cols() - 1);
    return Finish(sheet, right);
}

bool RemoveNode(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    const auto [row, column] = sheet.Cursor(right);
    if (sheet.Grid(right).Rows() <= 1 || CoefficientCols(sheet, right) <= 1 ||
        column > CoefficientCols(sheet, right))
        return false;
    RemoveRow(sheet);
    sheet.SetCursor(right, std::min(row, sheet.Grid(right).Rows()), column);
    return RemoveColumn(sheet);
}

bool RemoveDiagonal(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const int n = grid.Rows();
    if (n <= 1 || grid.Cols() != n || sheet.HasRhsColumn(right)) return false;
    Cells cells = Take(grid);
    for (int i = 0; i < n; ++i)
        for (int j = i; j + 1 < n; ++j) cells[i][j] = cells[i][j + 1];
    cells.pop_back();
    Put(sheet, right, cells, n - 1);
    return Finish(sheet, right);
}

bool RemoveArea(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    const std::optional<GridArea> area = sheet.BorderedArea(right);
    if (!area || !sheet.Finished()) return false;
    std::vector<int> rows, cols;
    for (int i = 1; i <= sheet.Grid(right).Rows(); ++i)
        if (i < area->Top || i > area->Bottom) rows.push_back(i);
    for (int j = 1; j <= CoefficientCols(sheet, right); ++j)
        if (j < area->Left || j > area->Right) cols.push_back(j);
    if (rows.empty() || cols.empty()) return false;  // one row and one column stay
    Rebuild(sheet, right, rows, cols);
    return Finish(sheet, right);
}

bool KeepOnlyArea(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    const std::optional<GridArea> area = sheet.BorderedArea(right);
    if (!area || !sheet.Finished()) return false;
    std::vector<int> rows, cols;
    for (int i = area->Top; i <= area->Bottom; ++i) rows.push_back(i);
    for (int j = area->Left; j <= std::min(area->Right, CoefficientCols(sheet, right)); ++j) cols.push_back(j);
    if (rows.empty() || cols.empty()) return false;
    Rebuild(sheet, right, rows, cols);
    return Finish(sheet, right);
}

bool OmitLowerRows(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const int row = sheet.Cursor(right).first;
    if (row < 1 || row >= grid.Rows()) return false;
    grid.Resize(row, grid.Cols());
    RestoreGridHeaders(sheet, right);
    return Finish(sheet, right);
}

bool OmitRightColumns(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const int column = sheet.Cursor(right).second;
    const int coefficients = CoefficientCols(sheet, right);
    if (column < 1 || column >= coefficients) return false;
    if (!sheet.HasRhsColumn(right)) {
        grid.Resize(grid.Rows(), column);
    } else {
        Cells cells = Take(grid);
        for (auto& row : cells) {
            std::string rhs = std::move(row.back());
            row.resize(static_cast<std::size_t>(column));
            row.push_back(std::move(rhs));
        }
        Put(sheet, right, cells, column + 1);
    }
    RestoreGridHeaders(sheet, right);
    return Finish(sheet, right);
}

bool Renumber(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    for (int j = 1; j <= grid.Cols(); ++j) grid.SetColumnHeader(j, std::to_string(j));
    RestoreGridHeaders(sheet, right);
    return Finish(sheet, right);
}

}  // namespace tarvix
