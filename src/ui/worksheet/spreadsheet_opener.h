// The spreadsheet export's desktop side: a table written as a flat
// OpenDocument spreadsheet into the temporary folder and opened with the
// desktop's default program for it. When nothing opens it the user is told
// where the file was kept, in words that name no program.
#pragma once

#include <QString>
#include <functional>

#include "calculator/format_options.h"
#include "calculator/message_box.h"
#include "matrix/spreadsheet_export.h"

namespace tarvix {

class TextCatalog;

struct SpreadsheetOpenContext {
    DialogsPort& Dialogs;
    TextCatalog& Texts;
    const MatrixMessageTable& Messages;  // the write error
    FormatOptions Format;
    // Opens a local file with the desktop's program; false when none did.
    std::function<bool(const QString&)> Open = nullptr;
};

// Writes `<stem>.fods` into the temporary folder (atomically) and opens it.
// Returns the file's path, empty after a write error (shown).
QString ExportSpreadsheet(const SpreadsheetTable& table, const std::string& stem,
                          const SpreadsheetOpenContext& context);

}  // namespace tarvix
