// Data generation: settings, the random engine, the cell rule, generation
// over a fill area, the special matrices and the series import.
#include "matrix/worksheet_generate.h"

#include <chrono>

#include "calculator/expression_probe.h"
#include "calculator/message_box.h"
#include "calculator/text_trim.h"
#include "engine/input_text.h"
#include "matrix/worksheet_structure.h"

namespace tarvix {
namespace {

std::uint64_t ClockSeed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    return static_cast<std::uint64_t>(ticks) ^ (static_cast<std::uint64_t>(device()) << 32);
}

bool IsEmptyCell(const std::string& text) { return TrimBlanks(text).empty(); }

// The values of generated cells: random integers, or the input line
// evaluated with X := column and Y := row. The X and Y variables get their
// former values back when the source goes.
class CellSource {
public:
    CellSource(Worksheet& sheet, WorksheetDataState& state, bool complex)
        : sheet_(sheet), state_(state), complex_(complex),
          unit_(sheet.Format().ImaginaryUnit) {}
    ~CellSource() {
        if (!probe_) return;
        probe_.reset();
        for (const Saved& s : saved_) sheet_.Parser().SetVariable(s.Name, s.Value);
    }
    CellSource(const CellSource&) = delete;
    CellSource& operator=(const CellSource&) = delete;

    // Compiles the input line for function values; the error text, empty when ready.
    std::string Prepare(bool functionValues) {
        if (!functionValues) return {};
        const std::string text(TrimBlanks(sheet_.Main().InputText()));
        if (text.empty()) return sheet_.Texts().Text(mxmsg::NoFillExpression);
        TParser& parser = sheet_.Parser();
        xName_ = sheet_.Main().XVariableName();
        yName_ = sheet_.Main().YVariableName();
        for (const std::string& name : {xName_, yName_}) {
            const bool existed = parser.VariableExists(name);
            saved_.push_back({name, existed ? parser.GetVariable(name) : ComplexValue{}});
            if (!existed) parser.SetVariable(name, {});
        }
        probe_.emplace(parser);
        try {
            probe_->Compile(ConvertSeparators(text));
        } catch (const TarvixError& error) {
            return error.what();
        }
        return {};
    }

    // Raises the evaluator's error for function values.
    std::string Value(int row, int column, bool nonZero) {
        if (!probe_) return RandomCellText(state_, row, column, complex_, unit_, nonZero);
        TParser& parser = sheet_.Parser();
        parser.SetVariable(xName_, {static_cast<long double>(column), 0.0L});
        parser.SetVariable(yName_, {static_cast<long double>(row), 0.0L});
        return sheet_.FormatCell(probe_->Evaluate());
    }

private:
    struct Saved {
        std::string Name;
        ComplexValue Value;
    };
    Worksheet& sheet_;
    WorksheetDataState& state_;
    bool complex_;
    char unit_;
    std::optional<ExpressionProbe> probe_;
    std::string xName_, yName_;
    std::vector<Saved> saved_;
};

// The preparation shared by the generations after the source is ready: a
// fill of all cells regardless of content clears the target grid; marks,
// computed results and intermediate lists are emptied.
void PrepareTarget(Worksheet& sheet, bool right, const GenerationSettings& settings) {
    if (settings.FillArea == kFillAll && settings.FillContent == kFillRegardless)
        sheet.Grid(right).ClearCells();
    sheet.ClearMarks();
    sheet.ForgetResults();
}

}  // namespace

WorksheetDataState::WorksheetDataState() : engine_(ClockSeed()) {}

int WorksheetDataState::Draw(int below) {
    return std::uniform_int_distribution<int>(0, below - 1)(engine_);
}

void ShowWorksheetMessage(Worksheet& sheet, const std::string& text, MessageKind kind) {
    const MessageButtons buttons = kind == MessageKind::Error ? kCancelHelpButtons : kOkButton;
    sheet.Dialogs().ShowMessage(PrepareMessageBox(text, kind, buttons, EMatrixError::kHelpContext,
                                                  TextsOf(sheet.Format())));
}

bool ReportDataResult(Worksheet& sheet, const DataResult& result) {
    if (!result.Ok()) ShowWorksheetMessage(sheet, result.Error, MessageKind::Error);
    return result.Changed;
}

bool GenerationTargetIsRight(const Worksheet& sheet) {
    return sheet.Mode() == WorksheetMode::Operations && sheet.ActiveIsRight();
}

bool InFillArea(int code, int i, int j, std::pair<int, int> cursor,
                const std::optional<GridArea>& area) {
    switch (code) {
        case kFillRow: return i == cursor.first;
        case kFillColumn: return j == cursor.second;
        case kFillDiagonal: return j == i;
        case kFillAboveDiagonal: return j > i;
        case kFillUpperTriangle: return j >= i;
        case kFillBelowDiagonal: return j < i;
        case kFillLowerTriangle: return j <= i;
        case kFillInsideArea: return !area || area->Contains(i, j);
        case kFillOutsideArea: return !area || !area->Contains(i, j);
        default: return true;
    }
}

bool ComplexGeneration(const Worksheet& sheet, const GenerationSettings& settings, bool keyHeld) {
    return sheet.Format().Scope == nsComplex && (keyHeld || settings.ComplexNumbers);
}

std::string RandomCellText(WorksheetDataState& state, int row, int column, bool complex,
                           char imaginaryUnit, bool nonZero) {
    int re = 0, im = 0;
    do {
        re = state.Draw(199) - 99;
        if (re == 0 && row == column) re = row;  // no zero on the diagonal
        im = state.Draw(99) - 49;
    } while (nonZero && (re == 0 || im == 0));
    std::string text = std::to_string(re);
    if (complex) text += (im < 0 ? "" : "+") + std::to_string(im) + imaginaryUnit;
    return text;
}

DataResult GenerateData(Worksheet& sheet, WorksheetDataState& state, bool complexKey) {
    DataResult result;
    if (!sheet.Finished()) return result;
    const GenerationSettings& settings = state.Settings;
    const bool right = GenerationTargetIsRight(sheet);
    CellSource source(sheet, state, ComplexGeneration(sheet, settings, complexKey));
    result.Error = source.Prepare(settings.FunctionValues);
    if (!result.Ok()) return result;  // nothing written, the grid as it was

    PrepareTarget(sheet, right, settings);
    result.Changed = true;
    TextGrid& grid = sheet.Grid(right);
    const std::pair<int, int> cursor = sheet.Cursor(right);
    const std::optional<GridArea> area = sheet.BorderedArea(right);
    try {
        for (int i = 1; i <= grid.Rows(); ++i) {
            for (int j = 1; j <= grid.Cols(); ++j) {
                const bool empty = IsEmptyCell(grid.Cell(i, j));
                if (settings.FillContent == kFillEmpty && !empty) continue;
                if (settings.FillContent == kFillNonEmpty && empty) continue;
                if (!InFillArea(settings.FillArea, i, j, cursor, area)) continue;
                grid.SetCell(i, j, source.Value(i, j, false));
            }
            if (!settings.Symmetric) sheet.MutableInputRows().push_back(grid.RowText(i));
        }
    } catch (const TarvixError& error) {
        result.Error = error.what();  // the cells written so far stay
        return result;
    }
    if (settings.Symmetric) MirrorUpperIntoLower(grid);
    return result;
}

DataResult GenerateSpecial(Worksheet& sheet, WorksheetDataState& state, SpecialMatrix kind,
                           bool complexKey) {
    DataResult result;
    if (!sheet.Finished()) return result;
    GenerationSettings& settings = state.Settings;
    settings.FillArea = kFillAll;
    settings.FillContent = kFillRegardless;
    const bool right = GenerationTargetIsRight(sheet);
    CellSource source(sheet, state, ComplexGeneration(sheet, settings, complexKey));
    if (kind != SpecialMatrix::Identity) result.Error = source.Prepare(settings.FunctionValues);
    if (!result.Ok()) return result;

    PrepareTarget(sheet, right, settings);
    result.Changed = true;
    TextGrid& grid = sheet.Grid(right);
    const bool equations = sheet.Mode() == WorksheetMode::Equations;
    const int last = grid.Cols();
    try {
        for (int i = 1; i <= grid.Rows(); ++i) {
            for (int j = 1; j <= last; ++j) {
                switch (kind) {
                    case SpecialMatrix::Band: {
                        const bool band = j >= i - 1 && j <= i + 1;
                        if (!band && !(j == last && (equations || j <= i + 1))) continue;
                        if (settings.Symmetric && j < i)
                            grid.SetCell(i, j, grid.Cell(j, i));
                        else
                            grid.SetCell(i, j, source.Value(i, j, true));
                        break;
                    }
                    case SpecialMatrix::Diagonal:
                        if (j == i || (equations && j == last)) grid.SetCell(i, j, source.Value(i, j, true));
                        break;
                    case SpecialMatrix::Identity:
                        if (j == i || (equations && j == last)) grid.SetCell(i, j, "1");
                        break;
                    case SpecialMatrix::Triangular:
                        if (j >= i) grid.SetCell(i, j, source.Value(i, j, false));
                        break;
                }
            }
            if (!right) sheet.MutableInputRows().push_back(grid.RowText(i));
        }
    } catch (const TarvixError& error) {
        result.Error = error.what();
    }
    return result;
}

DataResult GenerateOneCell(Worksheet& sheet, WorksheetDataState& state, bool rightGrid, int row,
                           int column, bool complexKey) {
    DataResult result;
    if (!sheet.Finished()) return result;
    TextGrid& grid = sheet.Grid(rightGrid);
    row = std::clamp(row, 1, std::max(1, grid.Rows()));
    column = std::clamp(column, 1, std::max(1, grid.Cols()));
    if (!grid.Contains(row, column)) return result;
    CellSource source(sheet, state, ComplexGeneration(sheet, state.Settings, complexKey));
    result.Error = source.Prepare(state.Settings.FunctionValues);
    if (!result.Ok()) return result;
    try {
        grid.SetCell(row, column, source.Value(row, column, false));
    } catch (const TarvixError& error) {
        result.Error = error.what();
        return result;
    }
    sheet.SetModified(true);
    result.Changed = true;
    return result;
}

// --- Series import

namespace {
bool ComplexSeries(const CurrentSeries& s) { return !s.Im.empty(); }
}  // namespace

bool SeriesImportEnabled(Worksheet& sheet) {
    const CurrentSeries* s = sheet.Main().Series();
    if (!s || s->IsEmpty() || s->Rows == 0 || s->Columns == 0) return false;
    if (ComplexSeries(*s)) return true;
    return s->Rows <= static_cast<std::size_t>(kMaxMatrixOrder) &&
           s->Columns <= static_cast<std::size_t>(kMaxMatrixOrder);
}

DataResult ImportSeries(Worksheet& sheet) {
    DataResult result;
    if (!sheet.Finished()) return result;
    const CurrentSeries* s = sheet.Main().Series();
    if (!s || s->IsEmpty() || s->Rows == 0 || s->Columns == 0) return result;
    const std::size_t limit = static_cast<std::size_t>(kMaxMatrixOrder);
    if (s->Rows > limit || s->Columns > limit) {
        result.Error = sheet.Texts().Format(
            mxmsg::SeriesTooLarge,
            {std::to_string(s->Rows), std::to_string(s->Columns), std::to_string(kMaxMatrixOrder)});
        return result;
    }
    const CurrentSeries series = *s;  // the domain switch may renew the main window's series
    const int rows = static_cast<int>(series.Rows), cols = static_cast<int>(series.Columns);
    const bool complexSeries = ComplexSeries(series);
    if (complexSeries && sheet.Format().Scope != nsComplex) sheet.Main().SelectComplexDomain();

    const bool right = sheet.ActiveIsRight();
    sheet.SetOrder(std::max(rows, cols));
    TextGrid& grid = sheet.Grid(right);
    grid.Resize(0, 0);
    grid.Resize(rows, cols + (sheet.HasRhsColumn(right) ? 1 : 0));
    RestoreGridHeaders(sheet, right);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) {
            const auto r = static_cast<std::size_t>(i - 1), c = static_cast<std::size_t>(j - 1);
            if (complexSeries) {
                if (r >= series.Re.size() || r >= series.Im.size() || c >= series.Re[r].size() ||
                    c >= series.Im[r].size())
                    continue;
                grid.SetCell(i, j, sheet.FormatCell({series.Re[r][c], series.Im[r][c]}));
            } else {
                const std::size_t at = r * series.Columns + c;
                if (at >= series.RealCount()) continue;
                grid.SetCell(i, j, sheet.FormatCell({series.Y[at], 0.0L}));
            }
        }
    sheet.ClearMarks();
    sheet.SetModified(true);
    result.Changed = true;
    return result;
}

}  // namespace tarvix
