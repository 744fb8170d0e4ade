// Reading table rows from text (a file or the clipboard): one row per
// non-empty line, the column separator chosen anew for every line (TAB,
// else ";", else a blank; a line with none keeps the previous one), values
// checked as cell values. The reader is a pure function of the text and
// the answers to its questions, so it is tested and fuzzed without a window.
// A file is read line by line under the common cap on a line's length.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "analysis/cell_reader.h"
#include "analysis/stat_table.h"
#include "storage/atomic_file.h"

namespace tarvix {

// A refused line: its number (from 1), the refused text and the kind.
enum class ImportProblem : std::uint8_t {
    BadValue,          // a value does not read; single column: reading ends
    UnknownSeparator,  // regression mode: a line without a separator of its own
    TooDeep,           // as BadValue, the value nests deeper than the evaluator allows
};
struct ImportQuestion {
    ImportProblem Problem = ImportProblem::BadValue;
    std::size_t Line = 0;
    std::string Text;
    bool EndsReading = false;  // single column: the reading ends here anyway
};

// The answer to a refused line: true goes on with the next line, false ends
// the import (the rows read so far stay).
using ImportAsk = std::function<bool(const ImportQuestion&)>;
// Progress by lines (or bytes of a file), 0 … 50 percent.
using ImportProgress = std::function<void(int percent)>;

// Why a file gave no rows at all.
enum class ImportFileError : std::uint8_t {
    None,
    Unreadable,   // missing or refused by the system (ReadError says why)
    LineTooLong,  // a line longer than the cap (ErrorLine says which)
};

struct ImportResult {
    StatCells Rows;
    bool Xy = false;          // the last line decided "x-y"
    bool Cancelled = false;   // the user ended the reading
    ImportFileError FileError = ImportFileError::None;  // then Rows is empty
    std::error_code ReadError;
    std::size_t ErrorLine = 0;
};

// Reads the rows of `text` (lines split at LF, a CR before it dropped).
// Without a separator a line is one value for column `column` (1 or 2); with
// one, x is the text before it and y the next field after any repeated
// separators ("0" when there is none). `regression` refuses lines without a
// separator of their own: they give no row.
ImportResult ReadImportText(std::string_view text, bool regression, int column,
                            CellReader& reader, const ImportAsk& ask,
                            const ImportProgress& progress = {});

// The same for the lines of a file (UTF-8, or cp1250 line by line), with the
// progress by bytes. A file that cannot be read, or a line longer than
// kMaxLineLength, gives no rows and the FileError.
ImportResult ReadImportFile(const std::filesystem::path& path, bool regression, int column,
                            CellReader& reader, const ImportAsk& ask,
                            const ImportProgress& progress = {});

}  // namespace tarvix
