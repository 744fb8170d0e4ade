// Worksheet files: the text form (a size header, tab-separated rows and an
// optional "<MEMO>" part with the editor text) and the binary forms ".re4",
// ".re8", ".cp4", ".cp8" (little-endian IEEE singles or doubles, complex as
// real and imaginary part, row by row, no header). Parsing builds everything
// first, so a failed read changes nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/format_options.h"
#include "engine/complex_value.h"
#include "matrix/matrix_messages.h"

namespace tarvix {

enum class WorksheetMode {
    Equations,   // wmEquations: the augmented matrix [A | b]
    Operations,  // wmOperations: two matrix operands
};

enum class WorksheetFileFormat { Text, Real4, Real8, Complex4, Complex8 };

// The largest order of the worksheet; the smallest is 1.
constexpr int kMaxMatrixOrder = 400;

// The message of an order outside 1..kMaxMatrixOrder, the limit substituted.
std::string OrderRangeMessage(const MatrixMessageTable& texts);

// The format of a file name's extension (compared without regard to case).
WorksheetFileFormat FileFormatOf(std::string_view path);

struct WorksheetFileData {
    WorksheetMode Mode = WorksheetMode::Equations;  // the header's mode, else the current one
    int Rows = 0;  // data rows of the left grid
    int Cols = 0;  // data columns of the left grid (the right-hand side included)
    std::vector<std::vector<std::string>> Cells;  // Rows × Cols texts
    std::vector<std::string> Memo;                // the editor lines
    bool HasMemo = false;
};

// The text form; an order outside 1..400 raises the dimension message.
WorksheetFileData ParseWorksheetText(std::string_view text, WorksheetMode current,
                                     const MatrixMessageTable& texts);
// A binary form read in the given mode: n = ⌊√(elements)⌋ rows of n (or n+1 in
// the equations mode) elements; each shown as the format gives it, "0" as an
// empty cell.
WorksheetFileData ParseWorksheetBinary(std::string_view bytes, WorksheetFileFormat format,
                                       WorksheetMode mode, const FormatOptions& display,
                                       const MatrixMessageTable& texts);

// Appends one value in a binary form: a 4-byte single or an 8-byte double
// (real part only), or two of them (real part, then imaginary part),
// little-endian. The text form appends nothing. A part beyond the range of
// the form (about 3.4e38 for a single, 1.8e308 for a double) would be stored
// as an infinity that no reader takes back: it raises the range message
// naming the value, so the caller writes nothing.
void AppendBinaryValue(std::string& bytes, const ComplexValue& value, WorksheetFileFormat format,
                       const MatrixMessageTable& texts);

// The text form of a grid's cells (CR LF line ends): header "rows\cols" in the
// operations mode, "order\" in the equations mode.
std::string WorksheetText(const WorksheetFileData& data);

}  // namespace tarvix
