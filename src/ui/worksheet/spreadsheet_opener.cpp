// Writing the spreadsheet file to the temporary folder and opening it.
#include "ui/worksheet/spreadsheet_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <filesystem>

#include "matrix/matrix_messages.h"
#include "storage/atomic_file.h"
#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

QString ExportSpreadsheet(const SpreadsheetTable& table, const std::string& stem,
                          const SpreadsheetOpenContext& context) {
    const std::filesystem::path file = std::filesystem::path(ToStd(QDir::tempPath())) /
                                       ((stem.empty() ? std::string("tarvix") : stem) + ".fods");
    auto show = [&](const std::string& text, MessageKind kind) {
        const MessageButtons buttons = kind == MessageKind::Error ? kCancelHelpButtons : kOkButton;
        context.Dialogs.ShowMessage(PrepareMessageBox(text, kind, buttons, 0, TextsOf(context.Format)));
    };
    if (!WriteFileAtomically(file, FlatOdsText(table)).ok()) {
        show(context.Messages.Format(mxmsg::WriteError, {file.filename().string()}),
             MessageKind::Error);
        return {};
    }
    const QString path = ToQ(file.string());
    const bool opened = context.Open ? context.Open(path)
                                     : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    if (!opened) {
        const std::string text = CatalogString(context.Texts, texts::SpreadsheetNotOpened);
        show(FormatMessageText(text, {file.string()}), MessageKind::Information);
    }
    return path;
}

}  // namespace tarvix
