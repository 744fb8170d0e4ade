// Cell conversions of the worksheet's active grid: every value is read
// first, the new texts are made, then the cells are written together.
#include "matrix/worksheet_convert.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "calculator/message_box.h"
#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "engine/name_utils.h"
#include "matrix/worksheet.h"
#include "matrix/worksheet_cell_text.h"
#include "matrix/worksheet_search.h"

namespace tarvix {
namespace {

struct NameRow {
    std::string_view Name;
    ConversionKind Kind;
    bool NeedsComplex;
};

constexpr NameRow kConversions[] = {
    {"polar", ConversionKind::Polar, true},
    {"cartesian", ConversionKind::Cartesian, true},
    {"modulus", ConversionKind::Modulus, true},
    {"argument", ConversionKind::Argument, true},
    {"real", ConversionKind::Real, true},
    {"imaginary", ConversionKind::Imaginary, true},
    {"round", ConversionKind::Round, false},
    {"symmetric", ConversionKind::Symmetric, false},
    {"antisymmetric", ConversionKind::Antisymmetric, false},
    {"hermitian", ConversionKind::Hermitian, true},
    {"skewhermitian", ConversionKind::SkewHermitian, true},
    {"conjugate", ConversionKind::Conjugate, true},
};

const NameRow& RowOf(ConversionKind kind) {
    for (const NameRow& row : kConversions)
        if (row.Kind == kind) return row;
    return kConversions[0];
}

struct CellWrite {
    int Row;
    int Column;
    std::string Text;
};

bool SameValue(const ComplexValue& a, const ComplexValue& b) {
    return a.Re == b.Re && a.Im == b.Im;
}

// Writes the new texts of a conversion, so that reading and writing never mix.
class CellWriter {
public:
    CellWriter(Worksheet& sheet, std::optional<ComplexForm> form) : sheet_(sheet) {
        options_ = sheet.Format();
        if (form) options_.Display.Complex = *form;
        complex_ = options_.Scope == nsComplex;
    }

    ComplexValue Read(int row, int column) const {
        return sheet_.EvaluateCell(sheet_.ActiveGrid().Cell(row, column));
    }

    // The value in the display format when that text reads back as the same
    // value, else in the same form with exact numbers.
    void Value(int row, int column, ComplexValue v) {
        if (!complex_) v.Im = 0.0L;
        std::string display(TrimBlanks(FormatValueText(v, options_)));
        const bool exponential = complex_ && options_.Display.Complex == ComplexForm::Exponential;
        std::string exact =
            exponential ? ExactExponentialText(v, options_.AngleUnits, options_.ImaginaryUnit)
                        : ExactComponentText(v, options_.ImaginaryUnit);
        if (display != exact) {
            // The exponential text reads back through cos and sin: compare
            // the two texts' values rather than the value itself.
            const std::optional<ComplexValue> shown = TryRead(display);
            const std::optional<ComplexValue> reference = exponential ? TryRead(exact) : v;
            if (shown && reference && SameValue(*shown, *reference)) exact = std::move(display);
        }
        writes_.push_back({row, column, std::move(exact)});
    }
    void Text(int row, int column, std::string text) {
        writes_.push_back({row, column, std::move(text)});
    }

    void Commit() {
        TextGrid& grid = sheet_.ActiveGrid();
        for (CellWrite& w : writes_) grid.SetCell(w.Row, w.Column, std::move(w.Text));
        sheet_.SetModified(true);
    }

private:
    std::optional<ComplexValue> TryRead(const std::string& text) const {
        try {
            return sheet_.EvaluateCell(text);
        } catch (const TarvixError&) {
            return std::nullopt;
        }
    }

    Worksheet& sheet_;
    FormatOptions options_;
    bool complex_ = false;
    std::vector<CellWrite> writes_;
};

ComplexValue Conjugate(const ComplexValue& v) {
    return {v.Re, -v.Im};
}

// Every data cell, the right-hand side included.
template <class F>
void ForEveryCell(const TextGrid& grid, F f) {
    for (int i = 1; i <= grid.Rows(); ++i)
        for (int j = 1; j <= grid.Cols(); ++j) f(i, j);
}

// The square part's upper triangle with the diagonal: i ≤ j ≤ min(rows, cols).
template <class F>
void ForUpperTriangle(const TextGrid& grid, F f) {
    const int n = std::min(grid.Rows(), grid.Cols());
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= n; ++j) f(i, j);
}

void ConvertWhole(Worksheet& sheet, ConversionKind kind) {
    std::optional<ComplexForm> form;
    if (kind == ConversionKind::Polar) form = ComplexForm::Exponential;
    if (kind == ConversionKind::Cartesian) form = ComplexForm::Component;
    // The forced form lives in the writer's own options: the main window's
    // complex-form setting is never switched, so nothing is to be restored.
    CellWriter writer(sheet, form);
    const TAngleUnits units = sheet.Parser().AngleUnits();
    ForEveryCell(sheet.ActiveGrid(), [&](int i, int j) {
        const ComplexValue v = writer.Read(i, j);
        switch (kind) {
            case ConversionKind::Modulus:
                return writer.Value(i, j, {hypotl(v.Re, v.Im), 0.0L});
            case ConversionKind::Argument:
                return writer.Value(i, j, {ArgumentInUnits(v, units), 0.0L});
            case ConversionKind::Real:
                return writer.Value(i, j, {v.Re, 0.0L});
            case ConversionKind::Imaginary:
                return writer.Value(i, j, {v.Im, 0.0L});
            case ConversionKind::Conjugate:
                return writer.Value(i, j, Conjugate(v));
            default:
                return writer.Value(i, j, v);  // polar, Cartesian
        }
    });
    writer.Commit();
}

// The lower triangle follows the upper one, the same direction as the
// generator's symmetric writing: cell (j, i) is made from cell (i, j).
void ConvertTriangle(Worksheet& sheet, ConversionKind kind) {
    CellWriter writer(sheet, std::nullopt);
    const TextGrid& grid = sheet.ActiveGrid();
    ForUpperTriangle(grid, [&](int i, int j) {
        if (kind == ConversionKind::Symmetric) {
            if (i != j) writer.Text(j, i, grid.Cell(i, j));  // a copy of the text
            return;
        }
        const ComplexValue v = writer.Read(i, j);
        switch (kind) {
            case ConversionKind::Antisymmetric:
                if (i == j) return writer.Text(i, i, "0");
                return writer.Value(j, i, {-v.Re, -v.Im});
            case ConversionKind::Hermitian:
                if (i == j) return writer.Value(i, i, {v.Re, 0.0L});
                return writer.Value(j, i, Conjugate(v));
            default:  // skew-Hermitian: a purely imaginary diagonal, i·Im
                if (i == j) return writer.Value(i, i, {0.0L, v.Im});
                return writer.Value(j, i, {-v.Re, v.Im});
        }
    });
    writer.Commit();
}

// Rounding switches the display's rounding and rewrites every cell in the
// new format, which is meant to drop digits: the user confirms when a cell
// would lose some; otherwise (and after an error) the switch is put back.
bool ConvertRounding(Worksheet& sheet, std::string& error) {
    sheet.Main().ToggleRounding();
    const TextGrid& grid = sheet.ActiveGrid();
    std::vector<CellWrite> writes;
    int losing = 0;
    try {
        ForEveryCell(grid, [&](int i, int j) {
            const std::string& before = grid.Cell(i, j);
            const ComplexValue v = sheet.EvaluateCell(before);
            std::string text = sheet.FormatCell(v);
            if (text != TrimBlanks(before)) {
                bool same = false;
                try {
                    same = SameValue(sheet.EvaluateCell(text), v);
                } catch (const TarvixError&) {
                }
                if (!same) ++losing;
            }
            writes.push_back({i, j, std::move(text)});
        });
    } catch (const TarvixError& e) {
        sheet.Main().ToggleRounding();
        error = e.what();
        return false;
    }
    if (losing > 0) {
        const std::string question =
            sheet.Texts().Format(mxmsg::ConversionLosesDigits, {std::to_string(losing)});
        const ModalResult answer = sheet.Dialogs().ShowMessage(PrepareMessageBox(
            question, MessageKind::Confirmation, MessageButton::Yes | MessageButton::No,
            EMatrixError::kHelpContext, TextsOf(sheet.Format())));
        if (answer != ModalResult::Yes) {
            sheet.Main().ToggleRounding();
            return false;
        }
    }
    TextGrid& target = sheet.ActiveGrid();
    for (CellWrite& w : writes) target.SetCell(w.Row, w.Column, std::move(w.Text));
    sheet.SetModified(true);
    return true;
}

}  // namespace

std::optional<ConversionKind> ConversionFromName(std::string_view name) {
    for (const NameRow& row : kConversions)
        if (EqualsNoCase(row.Name, name)) return row.Kind;
    return std::nullopt;
}

std::string_view ConversionName(ConversionKind kind) {
    return RowOf(kind).Name;
}

bool ConversionNeedsComplex(ConversionKind kind) {
    return RowOf(kind).NeedsComplex;
}

bool ApplyConversion(Worksheet& sheet, ConversionKind kind, std::string& error) {
    error.clear();
    if (ConversionNeedsComplex(kind) && sheet.Format().Scope != nsComplex) {
        error = sheet.Texts().Text(mxmsg::ConversionNeedsComplex);
        return false;
    }
    try {
        switch (kind) {
            case ConversionKind::Round:
                return ConvertRounding(sheet, error);
            case ConversionKind::Symmetric:
            case ConversionKind::Antisymmetric:
            case ConversionKind::Hermitian:
            case ConversionKind::SkewHermitian:
                ConvertTriangle(sheet, kind);
                return true;
            default:
                ConvertWhole(sheet, kind);
                return true;
        }
    } catch (const TarvixError& e) {
        error = e.what();
        return false;
    }
}

bool ConvertCells(Worksheet& sheet, ConversionKind kind) {
    std::string error;
    if (ApplyConversion(sheet, kind, error)) return true;
    if (!error.empty()) ShowWorksheetMessage(sheet, error, MessageKind::Error);
    return false;
}

}  // namespace tarvix
