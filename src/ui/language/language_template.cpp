// Collecting the built-in texts of the program.
#include "ui/language/language_template.h"

#include <QApplication>
#include <set>
#include <span>

#include "analysis/analysis_messages.h"
#include "calculator/calculator_messages.h"
#include "calculator/function_list.h"
#include "engine/name_utils.h"
#include "engine/parser_messages.h"
#include "matrix/matrix_messages.h"
#include "series/chart_messages.h"
#include "series/series_messages.h"
#include "storage/atomic_file.h"
#include "storage/editor_texts.h"
#include "storage/language.h"
#include "storage/storage_texts.h"
#include "tasks/library_messages.h"
#include "tasks/task_messages.h"
#include "tools/tool_messages.h"
#include "ui/help/help_texts.h"
#include "ui/language/action_texts.h"
#include "ui/lists/vector_transfers.h"
#include "ui/main/main_form.h"
#include "ui/shell/picture_windows.h"
#include "ui/tasks/task_ui_texts.h"

namespace tarvix {
namespace {

std::string SectionOfKey(std::string_view key) {
    const std::size_t bar = key.find('_');
    return std::string(bar == std::string_view::npos ? std::string_view("Msg")
                                                     : key.substr(0, bar));
}

template <typename Table>
void AddTable(std::vector<LanguageEntry>& out) {
    const Table table;
    for (const MessageEntry& entry : table.Entries())
        out.push_back(
            {SectionOfKey(entry.Key), std::string(entry.Key), std::string(entry.Default)});
}

}  // namespace

std::vector<LanguageEntry> MessageTableTexts() {
    std::vector<LanguageEntry> out;
    AddTable<ParserMessageTable>(out);
    AddTable<CalculatorMessageTable>(out);
    AddTable<TaskMessageTable>(out);
    AddTable<LibraryMessageTable>(out);
    AddTable<SeriesMessageTable>(out);
    AddTable<ChartMessageTable>(out);
    AddTable<AnalysisMessageTable>(out);
    AddTable<MatrixMessageTable>(out);
    AddTable<ToolMessageTable>(out);
    return out;
}

std::vector<LanguageEntry> BuiltInTexts(TMainForm& form) {
    for (const QString& name : PictureWindowNames()) {
        OpenWindowForPicture(form, name);
        QApplication::processEvents();
    }
    form.SetCompactLayout(false);
    TextCatalog& catalog = form.Texts();
    // The declared texts, also those asked only inside an action.
    for (const auto& table : {std::span<const CatalogText* const>(texts::kAll),
                              std::span<const CatalogText* const>(texts::kEditorAll),
                              std::span<const CatalogText* const>(texts::kHelpAll),
                              std::span<const CatalogText* const>(texts::kTaskUiAll),
                              std::span<const CatalogText* const>(texts::kActionTexts)}) {
        for (const CatalogText* text : table) CatalogString(catalog, *text);
    }
    // The vector transfers of the variable's pop-up menu.
    for (const auto& items : {std::span<const VectorTransferItem>(kVectorImportItems),
                              std::span<const VectorTransferItem>(kVectorExportItems)}) {
        for (const VectorTransferItem& item : items)
            catalog.Text(texts::kVariablePopupSection, item.Key, item.Caption);
    }
    CatalogString(catalog, kLanguageFileRefused);
    // The function list asks for a description when the pointer rests on a name.
    std::vector<const FunctionHelpEntry*> functions;
    for (const FunctionHelpEntry& entry : ListedFunctions()) functions.push_back(&entry);
    for (std::string_view name : {"mantissa", "exponent", "zero", "div", "mod", "binom", "^"}) {
        if (const FunctionHelpEntry* entry = FindFunctionHelp(name)) functions.push_back(entry);
    }
    for (const FunctionHelpEntry* entry : functions)
        catalog.Text(kFunctionTextSection, entry->Key, entry->Description);
    // The built-in texts: keys only a language file named are left empty.
    ApplyBuiltInLanguage(catalog);

    std::vector<LanguageEntry> out = MessageTableTexts();
    std::set<std::string> seen;
    for (const LanguageEntry& entry : out)
        seen.insert(ToUpperAscii(entry.Section + '\x1f' + entry.Key));
    for (const TextCatalog::Entry& entry : catalog.Entries()) {
        if (entry.Text.empty()) continue;
        if (!seen.insert(ToUpperAscii(entry.Section + '\x1f' + entry.Key)).second) continue;
        out.push_back({entry.Section, entry.Key, entry.Text});
    }
    return out;
}

bool WriteLanguageTemplate(TMainForm& form, const std::filesystem::path& file, std::string& error) {
    const std::string text = WriteLanguageText("CZECH", "00420", BuiltInTexts(form));
    const FileWriteResult written = WriteFileAtomically(file, text);
    if (!written.ok()) error = written.error.message();
    return written.ok();
}

}  // namespace tarvix
