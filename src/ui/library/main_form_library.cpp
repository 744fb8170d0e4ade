// The main window's share of the expression library: the command that opens
// the library window (created on first use, on the library the settings
// name), the window on a file given at start, the default library copied
// into the user's data folder at first start, and the library window closed
// first when the program ends. The window reaches the calculator through the
// main window's model operations, so the display and the registers show a
// transferred formula at once.
#include <iostream>

#include "calculator/text_trim.h"
#include "calculator/value_text.h"
#include "storage/calculator_session.h"
#include "storage/xdg_paths.h"
#include "tasks/default_library.h"
#include "tasks/explanation_inserts.h"
#include "tasks/library_messages.h"
#include "tasks/library_settings.h"
#include "ui/help/help_link.h"
#include "ui/library/expr_form.h"
#include "ui/lists/var_form.h"
#include "ui/main/main_form.h"
#include "ui/shell/data_paths.h"
#include "ui/shell/start_file.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_runner.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"

#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>

namespace tarvix {
namespace {

std::filesystem::path UserLibraryFolder() {
    return DataFolder(XdgEnvironment::FromProcess());
}

}  // namespace

TExprForm* TMainForm::ExprForm() const {
    return exprForm_;
}

TExprForm* TMainForm::CreateExprForm() {
    if (exprForm_) return exprForm_;
    ExprFormServices services{calculator_, texts_, *files_, session_->Values(), UserLibraryFolder()};
    services.Perform = [this](const std::function<void()>& operation) { Perform(operation); };
    services.SelectedVariable = [this]() -> std::optional<std::string> {
        if (!varForm_ || !varForm_->isVisible()) {
            PromennePanelClick();
            return std::nullopt;
        }
        const VariableListModel& list = varForm_->Model();
        const int row = varForm_->VarStringGrid()->currentRow();
        if (row < 0 || row >= list.RowCount() || list.Row(row).Name.empty()) return std::string();
        const VariableRow& variable = list.Row(row);
        if (VectorsOn() && HoldsVector(variable.Name)) {
            std::vector<std::string> elements;
            for (const ComplexValue& value : VectorOf(variable.Name))
                elements.push_back(VectorElementText(value, calculator_.CurrentFormatOptions()));
            return VectorInsertText(variable.Name, elements);
        }
        return VariableInsertText(variable.Name, variable.Value);
    };
    services.IsVariableDrag = [this](const QObject* source) {
        const auto* widget = qobject_cast<const QWidget*>(source);
        return varForm_ && widget && (widget == varForm_ || varForm_->isAncestorOf(widget));
    };
    services.Help = [this] { ShowHelpTopic(kLibraryFileHelpContext); };
    services.KeywordHelp = [this](const QString& line, int caret) {
        Help().ShowAtCaret(line, caret);
    };
    services.Runner = &Tasks().Runner();
    services.TaskFolder = session_->Paths().HistoryFile.parent_path();
    exprForm_ = new TExprForm(std::move(services), this);
    return exprForm_;
}

void TMainForm::FunkceKnihovnaItemClick() {
    const bool created = !exprForm_;
    TExprForm* form = CreateExprForm();
    if (created) form->OpenConfiguredLibrary();
    form->show();
    form->raise();
    form->activateWindow();
}

void TMainForm::OpenLibraryFile(const QString& file, bool locked) {
    TExprForm* form = CreateExprForm();
    form->OpenLibrary(std::filesystem::path(file.toStdString()), locked);
    form->show();
    form->raise();
    form->activateWindow();
}

void TMainForm::StartLibrary(const QString& firstArgument) {
    // First start: the shipped library of the interface language becomes the
    // user's own, unless the settings name another library.
    const std::filesystem::path userFolder = UserLibraryFolder();
    const std::filesystem::path configured =
        LibraryFilePath(ReadExprFormSettings(session_->Values()).LibraryFileName, userFolder);
    if (!userFolder.empty() && configured == userFolder / kDefaultLibraryFileName) {
        const LibraryInstallResult installed = InstallDefaultLibrary(
            DataFolder().toStdString(), userFolder,
            session_->Values().String("Localization", "Language"));
        if (installed.Error) {
            std::cerr << "tarvix: the default library was not copied to " << installed.Path
                      << ": " << installed.Error.message() << "\n";
        }
    }
    if (StartFileKindOf(firstArgument.toStdString()) == StartFileKind::Library)
        OpenLibraryFile(firstArgument, true);
}

void TMainForm::BindLibraryTasks() {
    // The library window the tasks act in: created on the task link's
    // library file when it does not exist yet.
    auto libraryWindow = [this](bool show) {
        if (!exprForm_) CreateExprForm()->OpenLibrary(Tasks().LibraryFile());
        if (show) {
            exprForm_->show();
            exprForm_->raise();
            exprForm_->activateWindow();
        }
        return exprForm_.data();
    };
    TaskLinkHooks& hooks = Tasks().Hooks();
    hooks.LibraryWindow = [this, libraryWindow](bool create) -> QWidget* {
        return create ? libraryWindow(false) : exprForm_.data();
    };
    hooks.FocusLibraryEditor = [this] {
        if (exprForm_) exprForm_->Memo()->setFocus(Qt::OtherFocusReason);
    };
    hooks.RunInLibrary = [this, libraryWindow](std::string_view name) {
        const TaskRunner& runner = Tasks().Runner();
        if (runner.Running() || runner.InLine()) return;
        // The calculation that asked is still on the stack: the run starts after it.
        QTimer::singleShot(0, this, [libraryWindow, name = std::string(name)] {
            libraryWindow(true)->RunCategory(TrimBlanks(name));
        });
    };
    hooks.SolveEquations = [libraryWindow] {
        libraryWindow(true)->PrepareEquations("EQU", EquationTemplate());
    };
    hooks.ComplexChartExample = [this, libraryWindow](std::string_view search) {
        // Without a library window and a library file there is nothing to show.
        std::error_code error;
        if (!exprForm_ && !std::filesystem::exists(Tasks().LibraryFile(), error)) return false;
        return libraryWindow(true)->ShowCategoryAndUse(ToQ(search));
    };
}

bool TMainForm::CloseExprForm() {
    return !exprForm_ || exprForm_->close();
}

}  // namespace tarvix
