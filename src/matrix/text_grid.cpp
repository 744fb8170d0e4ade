// The worksheet's text grid.
#include "matrix/text_grid.h"

namespace tarvix {

void TextGrid::Resize(int rows, int cols) {
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (int i = 1; i <= rows && i <= rows_; ++i)
        for (int j = 1; j <= cols && j <= cols_; ++j)
            cells[static_cast<std::size_t>(i - 1) * cols + (j - 1)] = std::move(cells_[Index(i, j)]);
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    colHeaders_.resize(static_cast<std::size_t>(cols));
    for (int j = 1; j <= cols; ++j) colHeaders_[j - 1] = std::to_string(j);
}

void TextGrid::ClearCells() {
    for (std::string& c : cells_) c.clear();
}

std::string TextGrid::RowText(int row) const {
    std::string text;
    for (int j = 1; j <= cols_; ++j) {
        if (j > 1) text += '\t';
        text += Cell(row, j);
    }
    return text;
}

}  // namespace tarvix
