// The registered worksheet grid and the preparation of cell texts.
#include "engine/cell_link.h"

namespace tarvix {
namespace {
CellGrid* registeredGrid = nullptr;
}  // namespace

void SetCellGrid(CellGrid* grid) {
    registeredGrid = grid;
}

CellGrid* CurrentCellGrid() {
    return registeredGrid;
}

std::string PrepareCellText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ') continue;
        if (c == ',')
            c = '.';
        else if (c == ';')
            c = ',';
        out += c;
    }
    return out;
}

}  // namespace tarvix
