// A rectangle of data cells of a worksheet grid (1-based, inclusive): the
// bordered area the user selected, or the whole data part when there is none.
#pragma once

#include <algorithm>

namespace tarvix {

struct GridArea {
    int Top = 1;
    int Left = 1;
    int Bottom = 0;
    int Right = 0;

    bool Contains(int row, int column) const {
        return row >= Top && row <= Bottom && column >= Left && column <= Right;
    }
    int Rows() const { return std::max(0, Bottom - Top + 1); }
    int Cols() const { return std::max(0, Right - Left + 1); }
    bool Empty() const { return Rows() == 0 || Cols() == 0; }
    // More than one cell: a single selected cell is no bordered area.
    bool IsBordered() const { return Rows() * Cols() > 1; }

    friend bool operator==(const GridArea&, const GridArea&) = default;
};

}  // namespace tarvix
