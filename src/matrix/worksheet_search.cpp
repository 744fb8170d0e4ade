// Extreme and range searches of the worksheet's active grid and the marks
// they leave.
#include "matrix/worksheet_search.h"

#include <cmath>

#include "calculator/message_box.h"
#include "calculator/text_trim.h"
#include "calculator/value_text.h"
#include "engine/complex_math.h"
#include "matrix/worksheet.h"

namespace tarvix {
namespace {

bool ComplexDomain(const Worksheet& sheet) {
    return sheet.Format().Scope == nsComplex;
}

// The compared quantity of one cell of the active grid; raises the
// evaluator's error. The complex domain evaluates the cell by the cell rule,
// the real domain reads it as a value text.
long double CellQuantity(Worksheet& sheet, const CellPosition& at) {
    const std::string& text = sheet.ActiveGrid().Cell(at.Row, at.Column);
    const bool complex = ComplexDomain(sheet);
    const ComplexValue v =
        complex ? sheet.EvaluateCell(text) : ParseValueText(text, sheet.Parser());
    return SearchedQuantity(v, complex, sheet.SearchQuantity(), sheet.Parser().AngleUnits());
}

// The quantities of the cells, or nothing after the first evaluation error
// (its message shown).
std::optional<std::vector<long double>> CellQuantities(Worksheet& sheet,
                                                       const std::vector<CellPosition>& cells) {
    std::vector<long double> values;
    values.reserve(cells.size());
    try {
        for (const CellPosition& at : cells) values.push_back(CellQuantity(sheet, at));
    } catch (const TarvixError& error) {
        ShowWorksheetMessage(sheet, error.what(), MessageKind::Error);
        return std::nullopt;
    }
    return values;
}

}  // namespace

void ShowWorksheetMessage(Worksheet& sheet, std::string_view text, MessageKind kind) {
    const MessageButtons buttons = kind == MessageKind::Error ? kCancelHelpButtons : kOkButton;
    sheet.Dialogs().ShowMessage(PrepareMessageBox(text, kind, buttons, EMatrixError::kHelpContext,
                                                  TextsOf(sheet.Format())));
}

long double RadiansToUnits(TAngleUnits units) {
    switch (units) {
        case auDeg:
            return 57.295779513082320877L;
        case auGrad:
            return 63.661977236758134305L;
        case auRad:
            break;
    }
    return 1.0L;
}

long double ArgumentInUnits(const ComplexValue& v, TAngleUnits units) {
    return ArcTan2(v.Im, v.Re) * RadiansToUnits(units);
}

long double SearchedQuantity(const ComplexValue& v, bool complexDomain, int quantity,
                             TAngleUnits units) {
    if (!complexDomain) return v.Re;
    switch (quantity) {
        case 1:
            return ArgumentInUnits(v, units);
        case 2:
            return v.Re;
        case 3:
            return v.Im;
        default:  // 0, and 4 (the charts' Gaussian plane): the modulus
            return hypotl(v.Re, v.Im);
    }
}

GridArea SearchArea(const Worksheet& sheet) {
    const bool right = sheet.ActiveIsRight();
    if (const std::optional<GridArea> area = sheet.BorderedArea(right)) return *area;
    const TextGrid& grid = sheet.ActiveGrid();
    return GridArea{1, 1, grid.Rows(), grid.Cols() - (sheet.HasRhsColumn(right) ? 1 : 0)};
}

std::vector<CellPosition> SearchedCells(const Worksheet& sheet, ExtremeKind kind) {
    const TextGrid& grid = sheet.ActiveGrid();
    const GridArea area = SearchArea(sheet);
    const auto [row, column] = sheet.Cursor(sheet.ActiveIsRight());
    std::vector<CellPosition> cells;
    switch (kind) {
        case ExtremeKind::RowWise:
            if (row >= 1 && row <= grid.Rows())
                for (int j = area.Left; j <= area.Right; ++j) cells.push_back({row, j});
            break;
        case ExtremeKind::ColumnWise:
            if (column >= 1 && column <= grid.Cols())
                for (int i = area.Top; i <= area.Bottom; ++i) cells.push_back({i, column});
            break;
        case ExtremeKind::Diagonal:
            for (int k = area.Top; k <= area.Bottom && k <= grid.Cols(); ++k)
                if (k >= 1) cells.push_back({k, k});
            break;
        case ExtremeKind::Overall:
            for (int i = area.Top; i <= area.Bottom; ++i)
                for (int j = area.Left; j <= area.Right; ++j) cells.push_back({i, j});
            break;
    }
    return cells;
}

std::optional<std::size_t> ExtremeIndex(std::span<const long double> values, bool maximum) {
    std::optional<std::size_t> found;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const long double v = values[k];
        if (!std::isfinite(v)) continue;
        if (!found || (maximum ? v > values[*found] : v < values[*found])) found = k;
    }
    return found;
}

std::optional<ExtremeResult> SearchExtreme(Worksheet& sheet, ExtremeKind kind, bool maximum) {
    const std::vector<CellPosition> cells = SearchedCells(sheet, kind);
    const std::optional<std::vector<long double>> values = CellQuantities(sheet, cells);
    if (!values) return std::nullopt;
    const std::optional<std::size_t> at = ExtremeIndex(*values, maximum);
    if (!at) {
        ShowWorksheetMessage(sheet, sheet.Texts().Text(mxmsg::NoFiniteCell), MessageKind::Warning);
        return std::nullopt;
    }
    const ExtremeResult result{cells[*at], (*values)[*at]};
    sheet.Main().ShowScalarResult(ComplexValue{result.Value, 0.0L}, {});
    sheet.SetCursor(sheet.ActiveIsRight(), result.Cell.Row, result.Cell.Column);
    return result;
}

std::optional<std::pair<std::string, std::string>> SplitRangeText(std::string_view text) {
    std::size_t at = text.find("..");
    std::size_t width = 2;
    if (at == std::string_view::npos) {
        at = text.find_first_of(" \t;", text.find_first_not_of(" \t"));
        width = 1;
    }
    if (at == std::string_view::npos) return std::nullopt;
    std::string low(TrimBlanks(text.substr(0, at)));
    std::string high(TrimBlanks(text.substr(at + width)));
    std::erase(low, '\t');
    std::erase(high, '\t');
    if (low.empty() || high.empty()) return std::nullopt;
    return std::pair{std::move(low), std::move(high)};
}

std::string RangePrompt(const Worksheet& sheet) {
    const MatrixMessageTable& texts = sheet.Texts();
    std::string quantity;
    if (ComplexDomain(sheet)) {
        switch (sheet.SearchQuantity()) {
            case 1:
                quantity = texts.Text(mxmsg::QuantityArgument);
                break;
            case 2:
                quantity = texts.Text(mxmsg::QuantityReal);
                break;
            case 3:
                quantity = texts.Text(mxmsg::QuantityImaginary);
                break;
            default:
                quantity = texts.Text(mxmsg::QuantityModulus);
                break;  // 0 and 4
        }
    }
    return texts.Format(mxmsg::RangePrompt, {quantity});
}

bool SearchRange(Worksheet& sheet, std::string_view text) {
    const auto bounds = SplitRangeText(TrimBlanks(text));
    if (!bounds) {
        ShowWorksheetMessage(sheet, sheet.Texts().Text(mxmsg::RangeSeparator),
                             MessageKind::Warning);
        return false;
    }
    long double low = 0.0L;
    long double high = 0.0L;
    try {
        low = ParseValueText(bounds->first, sheet.Parser()).Re;
        high = ParseValueText(bounds->second, sheet.Parser()).Re;
    } catch (const TarvixError& error) {
        ShowWorksheetMessage(sheet, error.what(), MessageKind::Error);
        return false;
    }

    const GridArea area = SearchArea(sheet);
    std::vector<CellPosition> cells;
    for (int i = area.Top; i <= area.Bottom; ++i)
        for (int j = area.Left; j <= area.Right; ++j) cells.push_back({i, j});
    const std::optional<std::vector<long double>> values = CellQuantities(sheet, cells);
    if (!values) return false;

    const TextGrid& grid = sheet.ActiveGrid();
    FoundMarks marks = sheet.Marks();  // keeps the display choices
    marks.Reset(sheet.ActiveIsRight(), grid.Rows(), grid.Cols());
    for (std::size_t k = 0; k < cells.size(); ++k) {
        const long double v = (*values)[k];
        if (low <= v && v <= high) marks.Set(cells[k].Row, cells[k].Column);
    }
    marks.Highlight = marks.FoundAny;
    sheet.Marks() = std::move(marks);
    return true;
}

std::optional<std::string> AskRangeText(Worksheet& sheet, std::string& lastText) {
    std::optional<std::string> answer = sheet.Dialogs().AskText(
        sheet.Texts().Text(mxmsg::RangeCaption), RangePrompt(sheet), lastText);
    if (!answer) return std::nullopt;
    lastText = *answer;
    if (TrimBlanks(*answer).empty()) return std::nullopt;
    return answer;
}

bool AskAndSearchRange(Worksheet& sheet, std::string& lastText) {
    const std::optional<std::string> text = AskRangeText(sheet, lastText);
    return text && SearchRange(sheet, *text);
}

bool FoundToEditor(Worksheet& sheet) {
    const FoundMarks& marks = sheet.Marks();
    if (!marks.Exist() || !marks.FoundAny) return false;
    const TextGrid& grid = sheet.Grid(marks.RightGrid);
    std::vector<std::string> lines;
    for (int i = 1; i <= marks.Rows; ++i)
        for (int j = 1; j <= marks.Cols; ++j)
            if (marks.Flag(i, j) && grid.Contains(i, j))
                lines.push_back(sheet.Texts().Format(
                    mxmsg::FoundLine, {std::to_string(i), std::to_string(j), grid.Cell(i, j)}));
    sheet.Editor() = std::move(lines);
    return true;
}

bool ActiveGridHasData(const Worksheet& sheet) {
    const TextGrid& grid = sheet.ActiveGrid();
    for (int i = 1; i <= grid.Rows(); ++i)
        for (int j = 1; j <= grid.Cols(); ++j)
            if (!TrimBlanks(grid.Cell(i, j)).empty()) return true;
    return false;
}

bool BothGridsMarkable(const Worksheet& sheet) {
    return sheet.Marks().Exist() && sheet.Mode() == WorksheetMode::Operations &&
           sheet.LeftGrid().Rows() == sheet.RightGrid().Rows() &&
           sheet.LeftGrid().Cols() == sheet.RightGrid().Cols();
}

}  // namespace tarvix
