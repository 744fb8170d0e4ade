// The library window's task rows: the run commands and their keys drive the
// program's task runner on the selected task, the runner's signals show the
// status text, the paused line and an error line in the editor pane, and the
// editor pane highlights a task's text.
#include <QAction>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>
#include <algorithm>

#include "engine/name_utils.h"
#include "tasks/task_program.h"
#include "ui/library/expr_form.h"
#include "ui/tasks/task_highlighter.h"
#include "ui/tasks/task_runner.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

const LibraryRow* TaskRowOf(const LibraryModel& library) {
    const LibraryRow* row = library.CurrentRow();
    return row && IsTaskRow(*row) ? row : nullptr;
}

}  // namespace

void TExprForm::BindTasks() {
    // F7 has no tool button: it steps one line.
    QAction* step = NewAction("StepItem", "Krok", [this] {
        if (runner_) runner_->StepLine();
    }, "F7");
    addAction(step);
    Action("RunToolButton")->setShortcut(QKeySequence(Qt::Key_F9));
    Action("RunToCursorToolButton")->setShortcut(QKeySequence(Qt::Key_F4));
    Action("PauseToolButton")->setShortcut(QKeySequence(Qt::Key_F8));
    Action("PauseToolButton")->setCheckable(true);
    Action("StopToolButton")->setShortcut(QKeySequence(Qt::Key_F2));
    // The run keys belong to the focus inside this window only: F9 in the
    // task output window is its own command.
    for (std::string_view name : {"StepItem", "RunToolButton", "RunToCursorToolButton",
                                  "PauseToolButton", "StopToolButton"})
        Action(name)->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    highlighter_ = new TaskHighlighter(nullptr);
    highlighter_->setParent(this);

    runner_ = services_.Runner;
    if (!runner_) return;
    TaskRunner* runner = runner_;
    connect(Action("RunToolButton"), &QAction::triggered, runner, &TaskRunner::Run);
    connect(Action("PauseToolButton"), &QAction::triggered, this, [this] {
        if (!runner_) return;
        runner_->TogglePause();
        // The button shows the runner's state, not the click's toggle.
        Action("PauseToolButton")->setChecked(runner_->Paused());
    });
    connect(Action("StopToolButton"), &QAction::triggered, runner, &TaskRunner::Stop);
    connect(Action("RunToCursorToolButton"), &QAction::triggered, this, [this] {
        // The lines up to the caret's line run; the next one is highlighted.
        if (runner_) runner_->RunToCursor(memo_->textCursor().blockNumber() + 1);
    });
    connect(runner, &TaskRunner::StatusChanged, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(runner, &TaskRunner::HighlightLine, this, [this](int line) {
        pausedLine_ = line;
        ShowLineMarks();
    });
    connect(runner, &TaskRunner::ErrorLine, this, [this](int line) {
        errorLine_ = line;
        ShowLineMarks();
    });
    connect(runner, &TaskRunner::RunningChanged, this, [this](bool running) {
        // Continue re-runs the failing line: its mark goes.
        if (running && errorLine_ >= 0) {
            errorLine_ = -1;
            ShowLineMarks();
        }
        RefreshRunCommands();
    });
    connect(runner, &TaskRunner::PausedChanged, this,
            [this](bool paused) { Action("PauseToolButton")->setChecked(paused); });
}

void TExprForm::RefreshRunCommands() {
    BindSelectedTask();
    const bool task = runner_ && TaskRowOf(library_) != nullptr;
    const bool running = task && runner_->Running();
    for (std::string_view name : {"RunToolButton", "RunToCursorToolButton", "StepItem"}) {
        if (QAction* action = Action(name)) action->setEnabled(task && !running);
    }
    for (std::string_view name : {"PauseToolButton", "StopToolButton"}) {
        if (QAction* action = Action(name)) action->setEnabled(task);
    }
}

void TExprForm::BindSelectedTask() {
    const LibraryNode* node = library_.SelectedNode();
    const std::pair<LibraryNodeId, int> selected{node ? node->Id() : 0, library_.SelectedRow()};
    if (boundRow_ == selected) return;
    boundRow_ = selected;
    const LibraryRow* row = TaskRowOf(library_);
    if (highlighter_) highlighter_->setDocument(row ? memo_->document() : nullptr);
    // A task's lines are numbered (run to the caret and error lines refer to
    // them); a formula's explanation is text without numbered lines.
    memo_->SetLineNumbersShown(row != nullptr);
    pausedLine_ = -1;
    errorLine_ = -1;
    ShowLineMarks();
    statusBar()->clearMessage();
    if (!runner_) return;
    // Another row: the run (if any) ends after its current line.
    if (row) {
        runner_->SetProgram(TaskProgram(row->Explanation, row->Comment, services_.TaskFolder));
    } else {
        runner_->Reset();
    }
}

void TExprForm::ShowLineMarks() {
    QList<QTextEdit::ExtraSelection> marks;
    if (pausedLine_ >= 0) marks.append(TaskLineMark(*memo_, pausedLine_, TaskLineKind::Paused));
    if (errorLine_ >= 0) marks.append(TaskLineMark(*memo_, errorLine_, TaskLineKind::Error));
    memo_->setExtraSelections(marks);
    QMap<int, QColor> numberMarks;
    if (pausedLine_ >= 0) numberMarks.insert(pausedLine_, TaskLineColor(TaskLineKind::Paused));
    if (errorLine_ >= 0) numberMarks.insert(errorLine_, TaskLineColor(TaskLineKind::Error));
    memo_->SetLineNumberMarks(numberMarks);
    if (pausedLine_ >= 0) {
        // The paused line in view (the editor scrolls by lines), the caret
        // where the user left it.
        QScrollBar* bar = memo_->verticalScrollBar();
        const int first = bar->value();
        const int shown = std::max(bar->pageStep(), 1);
        if (pausedLine_ < first || pausedLine_ >= first + shown)
            bar->setValue(std::max(0, pausedLine_ - shown / 2));
    }
}

void TExprForm::KeywordHelpAtCaret() {
    if (!services_.KeywordHelp) {
        services_.Help();
        return;
    }
    const QTextCursor caret = memo_->textCursor();
    services_.KeywordHelp(caret.block().text(), caret.positionInBlock());
}

bool TExprForm::RunCategory(std::string_view name) {
    if (!runner_ || runner_->Running() || runner_->InLine()) return false;
    if (!library_.FindCategory(name)) return false;
    ShowHit();
    if (!TaskRowOf(library_)) return false;
    runner_->Run();
    return true;
}

void TExprForm::PrepareEquations(std::string_view title, std::string_view equationTemplate) {
    CommitGridEdit();
    library_.SetEditMode(true);
    LibraryNode* equations = nullptr;
    for (LibraryNode* node : library_.Tree().Nodes()) {
        if (ToUpperAscii(node->Name) == "EQU") {
            equations = node;
            break;
        }
    }
    if (equations) {
        library_.Select(equations);
        TreeCommand([] { return false; });
    } else {
        TreeCommand([&] {
            equations = library_.NewSubcategory(ModeText());
            if (!equations) equations = library_.NewCategory(ModeText());
            return equations != nullptr;
        });
        if (!equations) return;
        library_.RenameCategory(*equations, "EQU");
        library_.SetCell(0, LibraryCell::Comment, title);
        library_.SetCell(0, LibraryCell::Expression, "TASK");
    }
    library_.SelectRow(0);
    const LibraryRow* row = library_.CurrentRow();
    if (row && IsTaskRow(*row) && std::count(row->Explanation.begin(), row->Explanation.end(), '\n') == 1) {
        library_.SetCell(0, LibraryCell::Explanation, equationTemplate);
    }
    boundRow_.reset();  // the runner takes the text as it is now
    RefreshFromModel();
    emit RowSelected();
    memo_->setFocus(Qt::OtherFocusReason);
}

// The edited text of the selected task: the runner reads it from the next line on.
void TExprForm::TaskTextChanged() {
    const LibraryRow* row = TaskRowOf(library_);
    if (!runner_ || !row) return;
    runner_->UpdateProgram(TaskProgram(row->Explanation, row->Comment, services_.TaskFolder));
}

}  // namespace tarvix
