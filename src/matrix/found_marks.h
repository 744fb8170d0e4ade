// The marks of a range search: one flag per data cell of the searched grid,
// whether any cell was marked, and the two display choices (highlight on,
// marks drawn at the same places in both grids).
#pragma once

#include <cstdint>
#include <vector>

namespace tarvix {

struct FoundMarks {
    bool RightGrid = false;  // the searched grid
    int Rows = 0;
    int Cols = 0;
    std::vector<std::uint8_t> Flags;  // Rows × Cols, row by row
    bool FoundAny = false;
    bool Highlight = false;  // "Zvýraznit hodnoty"
    bool BothGrids = false;  // "Značit v obou mřížkách"

    bool Exist() const { return !Flags.empty(); }
    bool Flag(int row, int column) const {
        return row >= 1 && row <= Rows && column >= 1 && column <= Cols &&
               Flags[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(Cols) +
                     static_cast<std::size_t>(column - 1)] != 0;
    }
    void Reset(bool rightGrid, int rows, int cols) {
        RightGrid = rightGrid;
        Rows = rows;
        Cols = cols;
        Flags.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), 0);
        FoundAny = false;
    }
    void Set(int row, int column) {
        Flags[static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(Cols) +
              static_cast<std::size_t>(column - 1)] = 1;
        FoundAny = true;
    }
    void Clear() { *this = FoundMarks{}; }
};

}  // namespace tarvix
