// Copy, paste, clear and select-all of the active grid's bordered area.
#include "matrix/worksheet_area.h"

namespace tarvix {

std::string AreaText(const Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    const TextGrid& grid = sheet.Grid(right);
    const GridArea area = sheet.AreaOrAll(right);
    std::string text;
    for (int i = area.Top; i <= area.Bottom; ++i) {
        for (int j = area.Left; j <= area.Right; ++j) {
            if (j > area.Left) text += '\t';
            if (grid.Contains(i, j)) text += grid.Cell(i, j);
        }
        text += "\r\n";
    }
    return text;
}

void CopyArea(Worksheet& sheet, WorksheetDataState& state, ClipboardPort& clipboard) {
    clipboard.SetText(AreaText(sheet));
    state.AreaCopied = true;
}

bool PasteEnabled(const WorksheetDataState& state, const ClipboardPort& clipboard) {
    return state.AreaCopied && !clipboard.Text().empty();
}

bool PasteAreaText(Worksheet& sheet, std::string_view text) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    GridArea target;
    if (const std::optional<GridArea> area = sheet.BorderedArea(right)) {
        target = *area;
    } else {
        const auto [row, column] = sheet.Cursor(right);
        target = GridArea{row, column, grid.Rows(), grid.Cols()};
    }
    if (target.Empty()) return false;
    std::size_t at = 0;
    bool written = false;
    auto lineEnd = [&](std::size_t p) { return text[p] == '\n' || text[p] == '\r'; };
    // Moves past the line end at p (CR LF counts once).
    auto skipLineEnd = [&](std::size_t p) {
        if (text[p] == '\r' && p + 1 < text.size() && text[p + 1] == '\n') return p + 2;
        return p + 1;
    };
    for (int i = target.Top; i <= target.Bottom && at < text.size(); ++i) {
        for (int j = target.Left; j <= target.Right; ++j) {
            std::size_t end = at;
            while (end < text.size() && text[end] != '\t' && !lineEnd(end)) ++end;
            if (grid.Contains(i, j)) {
                grid.SetCell(i, j, std::string(text.substr(at, end - at)));
                written = true;
            }
            if (end >= text.size()) {
                at = end;
                break;
            }
            if (text[end] == '\t' && j < target.Right) {
                at = end + 1;
                continue;
            }
            // The line ends here, or the rectangle's last column is done:
            // the rest of the text line is skipped.
            while (end < text.size() && !lineEnd(end)) ++end;
            at = end < text.size() ? skipLineEnd(end) : end;
            break;
        }
    }
    if (written) sheet.SetModified(true);
    return written;
}

bool ClearArea(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    TextGrid& grid = sheet.Grid(right);
    const GridArea area = sheet.AreaOrAll(right);
    for (int i = area.Top; i <= area.Bottom; ++i)
        for (int j = area.Left; j <= area.Right; ++j)
            if (grid.Contains(i, j)) grid.SetCell(i, j, std::string());
    sheet.SetModified(true);
    return true;
}

GridArea SelectAll(Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    const TextGrid& grid = sheet.Grid(right);
    const GridArea area{1, 1, grid.Rows(), grid.Cols() - (sheet.HasRhsColumn(right) ? 1 : 0)};
    sheet.SetBorderedArea(right, area);
    return area;
}

}  // namespace tarvix
