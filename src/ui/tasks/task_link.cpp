// TTaskLink: the runner's owner, the output window, dialogs, typing, and the
// tasks of the library run from the main window.
#include "ui/tasks/task_link.h"

#include <QComboBox>
#include <QLineEdit>

#include "calculator/input_commands.h"
#include "calculator/text_trim.h"
#include "engine/name_utils.h"
#include "storage/calculator_session.h"
#include "storage/settings_store.h"
#include "storage/storage_texts.h"
#include "tasks/default_library.h"
#include "tasks/formula_transfer.h"
#include "tasks/library_model.h"
#include "ui/lists/log_form.h"
#include "ui/main/main_form.h"
#include "ui/shell/data_paths.h"
#include "ui/tasks/ed_form.h"
#include "ui/tasks/task_input_dialog.h"
#include "ui/tasks/task_runner.h"
#include "ui/tasks/task_ui_texts.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// ENTER types one character every 50 ms and waits 400 ms after the last.
constexpr int kTypingPauseMs = 50;
constexpr int kTypedPauseMs = 400;
constexpr int kInputHelpContext = 523;

// The equation template of "Ř&ešit soustavu rovnic".
constexpr std::string_view kEquationTemplate =
    "'Napište soustavu rovnic dle vzoru, stiskněte F9.\n"
    "'Poznámka:  klíčová slova EQU a END jsou povinná.\n"
    "\n"
    "equ\n"
    "  2a+3b-c = 5\n"
    "     a+3b = 7\n"
    "     2b-c = 1\n"
    "end";
constexpr std::string_view kEquationCategory = "EQU";
constexpr std::string_view kGuideInput = "Run DEMO";

}  // namespace

std::string_view EquationTemplate() {
    return kEquationTemplate;
}

TTaskLink::TTaskLink(TMainForm& form)
    : QObject(&form),
      CalculatorTaskHost(form.Model(), form.Series(), form.Dialogs()),
      form_(form),
      runner_(std::make_unique<TaskRunner>(*this, messages_, &form.Texts())) {
    runner_->SetSliceWrapper([this](const std::function<void()>& slice) { RunSlice(slice); });
    connect(runner_.get(), &TaskRunner::Stopped, this, &TTaskLink::CancelTyping);
    typingTimer_.setInterval(kTypingPauseMs);
    connect(&typingTimer_, &QTimer::timeout, this, &TTaskLink::TypeNextCharacter);
}

TTaskLink::~TTaskLink() {
    typingTimer_.stop();
    runner_.reset();
    delete edForm_;
}

void TTaskLink::RunSlice(const std::function<void()>& slice) {
    form_.RunModelOperation([&] {
        // The calculator knows that its calculations are a task's lines.
        struct TaskRunning {
            Calculator& Calc;
            explicit TaskRunning(Calculator& calc) : Calc(calc) { Calc.SetTaskRunning(true); }
            ~TaskRunning() { Calc.SetTaskRunning(false); }
        } running(form_.Model());
        slice();
        FlushPlot();
    });
}

// --- The output window

TEdForm* TTaskLink::EnsureEdForm() {
    if (edForm_) return edForm_;
    EdFormContext context(form_.Texts());
    context.Values = &form_.Session().Values();
    context.Files = &form_.Files();
    context.LastFolder = &form_.Session().Document().LastFolder;
    context.Ask = [this](std::string_view text, MessageKind kind, MessageButtons buttons) {
        return form_.Model().ShowMessageBox(text, kind, buttons, 0);
    };
    edForm_ = new TEdForm(std::move(context), &form_);
    connect(edForm_, &TEdForm::RunTaskRequested, this, &TTaskLink::RunInputLineTask);
    connect(edForm_, &TEdForm::FocusInputLineRequested, this, [this] {
        form_.activateWindow();
        form_.ExprComboBox()->setFocus(Qt::ShortcutFocusReason);
    });
    return edForm_;
}

void TTaskLink::PrintLine(std::string_view title, std::string_view line) {
    TEdForm* ed = EnsureEdForm();
    ed->SetTitle(ToQ(title));
    ed->AddLine(ToQ(line));
    if (!ed->isVisible()) ed->show();
}

bool TTaskLink::OutputHasLines() {
    return edForm_ && edForm_->HasLines();
}

void TTaskLink::ClearOutput() {
    if (edForm_) edForm_->Clear();
}

void TTaskLink::ClearHistory() {
    if (auto* log = form_.findChild<TLogForm*>()) log->ClearAction()->trigger();
}

// --- Dialogs

std::optional<std::string> TTaskLink::InputBox(std::string_view caption, std::string_view prompt,
                                               std::string_view defaultText) {
    if (inputHook_) return inputHook_(prompt, defaultText);
    TTaskInputDialog dialog(ToQ(caption), ToQ(prompt), ToQ(defaultText), form_.Model().Texts(),
                            &form_);
    connect(&dialog, &TTaskInputDialog::HelpRequested, this, [this] {
        if (hooks_.HelpTopic) hooks_.HelpTopic(kInputHelpContext);
    });
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return ToStd(dialog.Text());
}

std::optional<std::filesystem::path> TTaskLink::ChooseTextFile(
    bool forWriting, const std::filesystem::path& folder) {
    FileDialogRequest request;
    request.Filter = CatalogString(form_.Texts(), texts::TextFiles) + " (*.txt)|*.txt";
    request.DefaultExtension = "txt";
    request.Folder = folder;
    if (!forWriting) return form_.Files().ChooseFileToOpen(request);
    std::optional<std::filesystem::path> path = form_.Files().ChooseFileToSave(request);
    std::error_code error;
    if (!path || !std::filesystem::exists(*path, error)) return path;
    const std::string question = FormatMessageText(
        CatalogString(form_.Texts(), texts::AskForOverwriteFile), {path->string()});
    if (form_.Model().ShowMessageBox(question, MessageKind::Confirmation, kYesNoCancelButtons, 0) !=
        ModalResult::Yes) {
        return std::nullopt;
    }
    return path;
}

void TTaskLink::ShowHelp(std::string_view topic) {
    if (hooks_.Help) hooks_.Help(topic);
}

// --- The calculator's commands that also move the focus

void TTaskLink::ResetCalculator() {
    CalculatorTaskHost::ResetCalculator();
    if (hooks_.LibraryWindow) {
        if (QWidget* library = hooks_.LibraryWindow(false)) library->activateWindow();
    }
    if (hooks_.FocusLibraryEditor) hooks_.FocusLibraryEditor();
}

void TTaskLink::ClearCalculator() {
    CalculatorTaskHost::ClearCalculator();
    if (hooks_.FocusLibraryEditor) hooks_.FocusLibraryEditor();
}

// --- ENTER: typing with pauses

long TTaskLink::TypeText(BoxId box, std::string_view text) {
    CancelTyping();
    // The box is emptied first; the characters follow on the typing timer.
    CalculatorTaskHost::TypeText(box, {});
    typingBox_ = box;
    typingText_ = ToQ(text).toStdU32String();
    typed_ = 0;
    if (!typingText_.empty()) typingTimer_.start();
    return static_cast<long>(typingText_.size()) * kTypingPauseMs + kTypedPauseMs;
}

void TTaskLink::TypeNextCharacter() {
    if (typed_ >= typingText_.size()) {
        typingTimer_.stop();
        return;
    }
    ++typed_;
    const std::string prefix =
        ToStd(QString::fromStdU32String(typingText_.substr(0, typed_)));
    form_.RunModelOperation([&] { CalculatorTaskHost::TypeText(typingBox_, prefix); });
    if (typed_ >= typingText_.size()) typingTimer_.stop();
}

void TTaskLink::CancelTyping() {
    typingTimer_.stop();
    typingText_.clear();
    typed_ = 0;
}

// --- Tasks of the library

std::filesystem::path TTaskLink::LibraryFile() {
    if (libraryOverride_) return *libraryOverride_;
    const Settings& settings = form_.Session().Values();
    const std::filesystem::path userFolder = form_.Session().Paths().HistoryFile.parent_path();
    const std::string& setting = settings.String("ExprForm", "LibraryFileName");
    std::filesystem::path path = LibraryFilePath(setting, userFolder);
    std::error_code error;
    if (!std::filesystem::exists(path, error) &&
        path == LibraryFilePath(kDefaultLibraryFileName, userFolder)) {
        path = InstallDefaultLibrary(DataFolder().toStdString(), userFolder,
                                     settings.String("Localization", "Language"))
                   .Path;
    }
    return path;
}

std::filesystem::path TTaskLink::WorkingFolder() {
    return form_.Session().Paths().HistoryFile.parent_path();
}

std::optional<TaskProgram> TTaskLink::FindTask(std::string_view name) {
    LibraryModel library;
    if (!library.Open(LibraryFile()).Ok) return std::nullopt;
    if (!library.FindCategory(TrimBlanks(name))) return std::nullopt;
    const LibraryRow* row = library.CurrentRow();
    if (!row || !IsTaskRow(*row)) return std::nullopt;
    return TaskProgram(row->Explanation, row->Comment, WorkingFolder());
}

void TTaskLink::RunNamedTask(std::string_view name) {
    if (hooks_.RunInLibrary) {
        hooks_.RunInLibrary(name);
        return;
    }
    if (runner_->Running() || runner_->InLine()) return;
    std::optional<TaskProgram> program = FindTask(name);
    if (!program) return;
    // The calculation that asked is still on the stack: the run starts after it.
    QTimer::singleShot(0, this, [this, p = std::move(*program)]() mutable {
        RunProgram(std::move(p));
    });
}

void TTaskLink::RunInputLineTask() {
    const std::string input = ToStd(form_.ExprComboBox()->lineEdit()->text());
    const std::string_view text = StripDescription(input);
    const InputCommand command = ParseInputCommand(text);
    RunNamedTask(command.Kind == InputCommandKind::RunTask ? std::string_view(command.Name)
                                                           : TrimBlanks(text));
}

void TTaskLink::RunGuide() {
    form_.CalculateText(ToQ(kGuideInput));
}

void TTaskLink::SolveEquations() {
    if (hooks_.SolveEquations) {
        hooks_.SolveEquations();
        return;
    }
    // Without the library window: the library's EQU task, else the template.
    std::optional<TaskProgram> program;
    LibraryModel library;
    if (library.Open(LibraryFile()).Ok) {
        for (LibraryNode* node : library.Tree().Nodes()) {
            if (ToUpperAscii(node->Name) != kEquationCategory) continue;
            const LibraryRow& row = node->Rows.front();
            if (IsTaskRow(row)) program = TaskProgram(row.Explanation, row.Comment, WorkingFolder());
            break;
        }
    }
    if (!program) program = TaskProgram(kEquationTemplate, std::string(kEquationCategory),
                                        WorkingFolder());
    RunProgram(std::move(*program));
}

void TTaskLink::ComplexChartExample() {
    const std::string search = CatalogString(form_.Texts(), texts::ComplexDemoCategory);
    bool transferred = false;
    if (hooks_.ComplexChartExample) {
        transferred = hooks_.ComplexChartExample(search);
    } else {
        LibraryModel library;
        if (!library.Open(LibraryFile()).Ok || !library.FindCategory(search)) return;
        const LibraryRow* row = library.CurrentRow();
        if (!row) return;
        form_.RunModelOperation([&] {
            transferred = TransferFormula(form_.Model(), *row, library.Texts());
        });
    }
    if (!transferred) return;
    // The example is a function of a complex variable: the complex domain
    // (kept when it is on already), then Enter.
    form_.RunModelOperation([&] {
        Calculator& calculator = form_.Model();
        if (calculator.NumericalScope() == nsReal) calculator.SetNumericalScope(nsComplex);
    });
    form_.VypocetButtonClick();
}

void TTaskLink::RunProgram(TaskProgram program) {
    if (runner_->Running() || runner_->InLine()) return;
    runner_->SetProgram(std::move(program));
    runner_->Run();
}

bool TTaskLink::PrepareClose() {
    if (runner_->InLine()) {
        runner_->Stop();
        return false;
    }
    runner_->Stop();
    CancelTyping();
    if (edForm_) edForm_->close();
    return true;
}

}  // namespace tarvix
