// The registered worksheet grid and the preparation of cell texts.
#include "engine/cell_link.h"

#include "engine/input_text.h"
#include "engine/parser.h"

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
    return TParser::RemoveBlanks(ConvertSeparators(text));
}

}  // namespace tarvix
