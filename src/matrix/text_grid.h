// A worksheet grid as text: data cells addressed 1-based (row i, column j),
// the header texts of row 0 (per column) and column 0 (per row). The cell
// text is the only stored form of a matrix between computations.
#pragma once

#include <string>
#include <vector>

namespace tarvix {

class TextGrid {
public:
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

    // A new data size; texts that still fit are kept, new cells are empty.
    // The headers are renumbered (rows 1..rows, columns 1..cols).
    void Resize(int rows, int cols);
    void ClearCells();

    const std::string& Cell(int row, int col) const { return cells_[Index(row, col)]; }
    void SetCell(int row, int col, std::string text) { cells_[Index(row, col)] = std::move(text); }
    bool Contains(int row, int col) const {
        return row >= 1 && row <= rows_ && col >= 1 && col <= cols_;
    }

    const std::string& ColumnHeader(int col) const { return colHeaders_[col - 1]; }
    void SetColumnHeader(int col, std::string text) { colHeaders_[col - 1] = std::move(text); }

    // The cells of a data row joined by tabs.
    std::string RowText(int row) const;

private:
    std::size_t Index(int row, int col) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(cols_) +
               static_cast<std::size_t>(col - 1);
    }

    int rows_ = 0;
    int cols_ = 0;
    std::vector<std::string> cells_;
    std::vector<std::string> colHeaders_;
};

}  // namespace tarvix
