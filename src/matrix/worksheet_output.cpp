// Reformatting the active grid, the result file, the results' clipboard text
// and the text of a grid's rows.
#include "matrix/worksheet_output.h"

#include <cmath>
#include <filesystem>
#include <vector>

#include "calculator/message_box.h"
#include "calculator/text_trim.h"
#include "storage/atomic_file.h"

namespace tarvix {
namespace {

constexpr int kResultFileHelpContext = 205;

// Whether a text read back gives its cell's value again within the 15
// significant digits of the system's number text. Each part is compared on
// its own (a dropped small imaginary part counts); a part far below the
// modulus is compared against the modulus, so the rounding of the polar
// form (cos 90° is no exact 0) is no loss.
bool SameValue(const ComplexValue& a, const ComplexValue& b) {
    constexpr long double kRelative = 1e-14L;
    const long double modulus = std::hypot(a.Re, a.Im);
    auto close = [&](long double x, long double y) {
        return std::fabs(x - y) <= kRelative * std::fabs(x) + 1e-3L * kRelative * modulus;
    };
    return close(a.Re, b.Re) && close(a.Im, b.Im);
}

struct NewCell {
    int Row;
    int Column;
    std::string Text;
    bool Loses;
};

void ShowFailure(Worksheet& sheet, const std::string& text, int helpContext) {
    sheet.Dialogs().ShowMessage(PrepareMessageBox(text, MessageKind::Error, kCancelHelpButtons,
                                                  helpContext, TextsOf(sheet.Format())));
}

std::string FileNameOnly(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The equations mode's solution texts: the displayed solution values of the
// last solve, else (a grid opened or typed) the right grid's column, one
// line each, CR LF.
std::string SolutionLines(const Worksheet& sheet) {
    std::string out;
    const std::vector<std::string>& solutions = sheet.SolutionRows();
    const TextGrid& right = sheet.RightGrid();
    if (!solutions.empty()) {
        for (const std::string& row : solutions) {
            out += TrimBlanks(row);
            out += "\r\n";
        }
        return out;
    }
    for (int i = 1; i <= right.Rows(); ++i) {
        if (right.Cols() >= 1) out += TrimBlanks(right.Cell(i, 1));
        out += "\r\n";
    }
    return out;
}

}  // namespace

bool ReformatActiveGrid(Worksheet& sheet) {
    TextGrid& grid = sheet.ActiveGrid();
    std::vector<NewCell> cells;
    int losses = 0;
    try {
        for (int i = 1; i <= grid.Rows(); ++i)
            for (int j = 1; j <= grid.Cols(); ++j) {
                const std::string& old = grid.Cell(i, j);
                const ComplexValue value = sheet.EvaluateCell(old);
                std::string text = sheet.FormatCell(value);
                if (text == old) continue;
                bool loses = true;
                try {
                    loses = !SameValue(value, sheet.EvaluateCell(text));
                } catch (const TarvixError&) {
                    // A text that no longer reads (a display base) keeps its old form.
                }
                if (loses) ++losses;
                cells.push_back({i, j, std::move(text), loses});
            }
    } catch (const TarvixError& error) {
        ShowFailure(sheet, error.what(), error.HelpContext());
        return false;
    }
    bool writeLosses = true;
    if (losses > 0) {
        const ModalResult answer = sheet.Dialogs().ShowMessage(PrepareMessageBox(
            sheet.Texts().Format(mxmsg::ReformatLoss, {std::to_string(losses)}),
            MessageKind::Confirmation, kYesNoCancelButtons, 0, TextsOf(sheet.Format())));
        if (answer != ModalResult::Yes && answer != ModalResult::No) return false;
        writeLosses = answer == ModalResult::Yes;
    }
    bool changed = false;
    for (NewCell& cell : cells) {
        if (cell.Loses && !writeLosses) continue;
        grid.SetCell(cell.Row, cell.Column, std::move(cell.Text));
        changed = true;
    }
    if (changed && !sheet.ActiveIsRight()) sheet.SetModified(true);
    return true;
}

bool ApplyNumberFormat(Worksheet& sheet, NumberFormat format) {
    sheet.Main().SelectNumberFormat(format);
    return ReformatActiveGrid(sheet);
}

bool ApplyComplexForm(Worksheet& sheet, ComplexForm form) {
    sheet.Main().SelectComplexForm(form);
    return ReformatActiveGrid(sheet);
}

std::string ResultFileText(const Worksheet& sheet) {
    const TextGrid& right = sheet.RightGrid();
    if (sheet.Mode() == WorksheetMode::Operations)
        return std::to_string(right.Rows()) + "\r\n" + GridRowsText(right);
    return SolutionLines(sheet);
}

bool WriteResultFile(const Worksheet& sheet, const std::string& path, std::string& error) {
    const WorksheetFileFormat format = FileFormatOf(path);
    const MatrixMessageTable& texts = sheet.Texts();
    std::string bytes;
    try {
        if (format == WorksheetFileFormat::Text) {
            bytes = ResultFileText(sheet);
        } else if (sheet.Mode() == WorksheetMode::Operations) {
            const CMatrix& target = sheet.TargetMatrix();
            if (target.Rows() == 0) {
                error = texts.Text(mxmsg::NoResultValues);
                return false;
            }
            for (int i = 0; i < target.Rows(); ++i)
                for (int j = 0; j < target.Cols(); ++j)
                    AppendBinaryValue(bytes, target(i, j), format, texts);
        } else {
            const CVector& unknowns = sheet.UnknownsVector();
            if (unknowns.empty()) {
                error = texts.Text(mxmsg::NoResultValues);
                return false;
            }
            for (const ComplexValue& v : unknowns) AppendBinaryValue(bytes, v, format, texts);
        }
    } catch (const EMatrixError& e) {
        error = e.what();  // a value beyond the binary form's range: nothing written
        return false;
    }
    if (!WriteFileAtomically(path, bytes).ok()) {
        error = texts.Format(mxmsg::WriteError, {FileNameOnly(path)});
        return false;
    }
    return true;
}

bool SaveResultFile(Worksheet& sheet, const std::string& path) {
    std::string error;
    if (WriteResultFile(sheet, path, error)) return true;
    ShowFailure(sheet, error, kResultFileHelpContext);
    return false;
}

std::string ResultClipboardText(const Worksheet& sheet) {
    if (sheet.Mode() == WorksheetMode::Operations) return GridRowsText(sheet.RightGrid());
    return SolutionLines(sheet);
}

std::string GridRowsText(const TextGrid& grid) {
    std::string out;
    for (int i = 1; i <= grid.Rows(); ++i) {
        for (int j = 1; j <= grid.Cols(); ++j) {
            if (j > 1) out += '\t';
            out += TrimBlanks(grid.Cell(i, j));
        }
        out += "\r\n";
    }
    return out;
}

bool WriteGridRowsFile(const TextGrid& grid, const std::string& path,
                       const MatrixMessageTable& texts, std::string& error) {
    if (WriteFileAtomically(path, GridRowsText(grid)).ok()) return true;
    error = texts.Format(mxmsg::WriteError, {FileNameOnly(path)});
    return false;
}

}  // namespace tarvix
