// TGemForm's run cycle and result views: run and stop, the model's view and
// hook ports (status panels, watched cells, trace, the stop poll that lets
// the window process its events), the enabled states, the check,
// triangulated and LU views, the editor conversions and the memory.
#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include "matrix/worksheet_commands.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_form.h"
#include "ui/worksheet/gem_v_form.h"
#include "ui/worksheet/mem_form.h"
#include "ui/worksheet/worksheet_grid_model.h"

namespace tarvix {
namespace {
// The longest time between two looks at the window's events during a run.
constexpr int kPollMilliseconds = 30;
}  // namespace

void TGemForm::Perform(const std::function<void()>& operation) {
    PushEditorToModel();
    operation();
    RefreshFromModel();
}

void TGemForm::SelectOperation(MatrixOperationCode code) {
    if (!sheet_.Finished()) return;
    if (QAction* run = Action("RunToolButton")) {
        for (auto& [name, action] : actions_)
            if (action->data().isValid() && action->data().toInt() == code) {
                run->setText(action->text());
                run->setToolTip(action->text().remove(QLatin1Char('&')));
            }
    }
    PushEditorToModel();
    if (code != op::LuResolve) selected_ = code;
    const bool watched = sheet_.Options().WatchMode && !sheet_.Options().FastMode;
    const TextGrid before = sheet_.LeftGrid();
    const RunOutcome outcome = sheet_.SelectOperation(code);
    if (watched) RestoreWatchedCells(sheet_, before, outcome == RunOutcome::Done);
    AfterRun(outcome);
}

void TGemForm::RunClick() {
    if (!sheet_.Finished() || !CommandStates(sheet_).Run) return;
    if (selected_ != sheet_.CurrentOperation()) return SelectOperation(selected_);
    PushEditorToModel();
    const bool watched = sheet_.Options().WatchMode && !sheet_.Options().FastMode;
    const TextGrid before = sheet_.LeftGrid();
    const RunOutcome outcome = sheet_.Run();
    if (watched) RestoreWatchedCells(sheet_, before, outcome == RunOutcome::Done);
    AfterRun(outcome);
}

void TGemForm::StopClick() {
    if (sheet_.Finished()) return;
    stopRequested_ = true;
    sheet_.RequestStop();
}

// A stopped run shows no result: the right grid of an operation that clears
// it before the run is left empty rather than showing an older result.
void TGemForm::AfterRun(RunOutcome outcome) {
    stopRequested_ = false;
    if (outcome == RunOutcome::Stopped && !KeepsRightGrid(sheet_.CurrentOperation()))
        sheet_.RightGrid().ClearCells();
    RefreshFromModel();
    if (closeAfterRun_) {
        closeAfterRun_ = false;
        QTimer::singleShot(0, this, [this] { close(); });
    }
}

void TGemForm::SetRunning(bool running) {
    running_ = running;
    leftModel_->SetReadOnly(running);
    rightModel_->SetReadOnly(running);
    if (running) {
        stopRequested_ = false;
        pollTimer_.start();
        QApplication::setOverrideCursor(Qt::BusyCursor);
        progress_->setValue(0);
        progress_->show();
    } else {
        QApplication::restoreOverrideCursor();
        progress_->hide();
    }
    if (runButton_) runButton_->setChecked(running);
    RefreshEnabled();
}

void TGemForm::FocusCell(bool rightGrid, int row, int column) {
    QTableView* view = rightGrid ? rightView_ : leftView_;
    const QModelIndex at = view->model()->index(row - 1, column - 1);
    if (at.isValid()) view->setCurrentIndex(at);
    view->setFocus();
}

void TGemForm::RefreshEnabled() {
    const WorksheetCommandStates s = CommandStates(sheet_);
    auto enable = [this](std::string_view name, bool on) {
        if (QAction* a = Action(name)) a->setEnabled(on);
    };
    for (std::string_view name :
         {"Soubor_Novy", "Soubor_Otevrit", "Soubor_OtevritMinuly", "Soubor_Zavrit", "NewToolButton",
          "OpenToolButton", "MatrixToolButton", "Rastr_SoustavaRovnic", "Rastr_MaticoveOperace",
          "Upravy_RovnicePrevestNaMatici", "Upravy_PoznacenouVlozitDoLeve",
          "Upravy_PoznacenouVlozitDoPrave", "CompletionToolButton", "Data_NacistZPameti",
          "Data_NacistZPametiDoPrave", "Data_Generovat", "Vypocet_VariantniVypoctySoustavy",
          "Soubor_Ulozit", "Soubor_UlozitJako", "SaveToolButton"})
        enable(name, s.DataCommands);
    orderEdit_->setEnabled(s.DataCommands);
    for (auto& [name, action] : actions_)
        if (action->data().isValid()) action->setEnabled(s.Run);
    enable("Vypocet_ReseniSLURozkladem", s.DataCommands && sheet_.HasSolution());
    enable("Vypocet_Spustit", s.Run);
    enable("RunToolButton", s.Run);
    enable("Vypocet_Prerusit", s.Stop);
    enable("StopToolButton", s.Stop);
    enable("Reseni_KontrolaVysledku", s.ResultCheck);
    enable("ResultCheckToolButton", s.ResultCheck);
    enable("Reseni_TriangulovanaMatice", s.TriangleView);
    enable("TriangleToolButton", s.TriangleView);
    enable("Reseni_LURozkladMaticeSoustavy", s.TriangleView);
    enable("Reseni_VysledekPrenestDoleva", s.MoveResultLeft);
    enable("BackAssignToolButton", s.MoveResultLeft);
    if (runButton_) runButton_->setEnabled(s.Run || s.DataCommands);
    RefreshDataEnabled();
    RefreshSearchEnabled();
    RefreshOutputEnabled();
    RefreshTitle();
}

// --- Hooks of a running computation

bool TGemForm::TraceActive() const { return services_.HistoryOpen(); }

void TGemForm::Trace(std::string_view line) { services_.HistoryLine(line); }

void TGemForm::WatchElement(int row, int column, const ComplexValue&) {
    leftModel_->CellChanged(row, column);
}

bool TGemForm::StopRequested() {
    if (pollTimer_.elapsed() >= kPollMilliseconds) {
        QApplication::processEvents();
        pollTimer_.restart();
    }
    return stopRequested_;
}

void TGemForm::Pass(int pass) {
    const int n = std::max(1, sheet_.Order() - 1);
    progress_->setValue(std::min(100, pass * 100 / n));
}

void TGemForm::Row(int row) {
    const int n = std::max(1, sheet_.LeftGrid().Rows());
    progress_->setValue(std::min(100, row * 100 / n));
}

// --- Mode and result views

void TGemForm::ToggleMode() {
    if (!sheet_.Finished()) return;
    Perform([this] {
        sheet_.SetMode(sheet_.Mode() == WorksheetMode::Equations ? WorksheetMode::Operations
                                                                 : WorksheetMode::Equations);
        SelectForMode();
    });
}

void TGemForm::ResultCheckClick() {
    if (!CommandStates(sheet_).ResultCheck) return RefreshChecks();
    Perform([this] { sheet_.SetResultCheck(!sheet_.ResultCheckShown()); });
}

void TGemForm::TriangleClick() {
    if (!CommandStates(sheet_).TriangleView) return RefreshChecks();
    luView_ = false;
    Perform([this] { sheet_.SetTriangleView(!sheet_.TriangleViewShown()); });
}

void TGemForm::LuViewClick() {
    if (!CommandStates(sheet_).TriangleView) return RefreshChecks();
    const bool on = !(sheet_.TriangleViewShown() && luView_);
    luView_ = on;
    Perform([this, on] { sheet_.SetTriangleView(on); });
}

void TGemForm::MoveResultLeftClick() {
    if (!CommandStates(sheet_).MoveResultLeft) return;
    Perform([this] {
        if (sheet_.MoveResultLeft()) sheet_.SetModified(true);
    });
}

void TGemForm::ShowTimeClick() {
    services_.Dialogs.AskText(CatalogString(services_.Texts, texts::GemFormTimeCaption),
                              BuiltInMatrixMessages().OperationTitle(sheet_.CurrentOperation()),
                              sheet_.LastRunTime() + " sec");
}

// --- Editor

void TGemForm::ConvertEquationsClick() {
    if (!sheet_.Finished()) return;
    Perform([this] {
        if (sheet_.ConvertEquations(true)) sheet_.SetModified(true);
    });
}

void TGemForm::GridToEditorClick(bool rightGrid) {
    Perform([this, rightGrid] { sheet_.GridToEditor(rightGrid); });
}

void TGemForm::EditorToGridClick(bool rightGrid) {
    if (!sheet_.Finished()) return;
    Perform([this, rightGrid] {
        if (sheet_.Editor().empty()) return;
        sheet_.EditorToGrid(rightGrid);
        sheet_.SetModified(true);
    });
}

// With the focus in an editor holding "=", the equations become the matrix;
// in an editor without "=" its lines go to a grid (the right one with a
// modifier held); elsewhere the left grid goes into the editor.
void TGemForm::CompletionClick() {
    if (!sheet_.Finished()) return;
    if (memo_->hasFocus()) {
        if (memo_->toPlainText().contains(QLatin1Char('='))) {
            Perform([this] {
                if (sheet_.ConvertEquations(false)) sheet_.SetModified(true);
            });
        } else {
            EditorToGridClick(QApplication::keyboardModifiers() &
                              (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
        }
        return;
    }
    GridToEditorClick(false);
}

// --- Matrix memory

TMemForm* TGemForm::CreateMemoryDialog() {
    const auto [rows, cols] = sheet_.ExpectedResultSize();
    return new TMemForm(services_.Memory, services_.Texts, services_.Main.CurrentFormat(), rows,
                        cols, this);
}

void TGemForm::MemoryLoadClick(bool rightGrid) {
    if (!sheet_.Finished()) return;
    std::unique_ptr<TMemForm> dialog(CreateMemoryDialog());
    const int index = dialog->Choose();
    if (index < 0) return;
    Perform([this, index, rightGrid] {
        if (sheet_.LoadFromMemory(index, rightGrid)) sheet_.SetModified(true);
    });
}

void TGemForm::ResultToMemoryClick() {
    std::unique_ptr<TMemForm> dialog(CreateMemoryDialog());
    const int index = dialog->Choose();
    WorksheetOptions& o = sheet_.Options();
    if (index >= 0) {
        o.Destination = ResultDestination::Memory;
        o.MemorySlot = index;
    }
    RefreshChecks();
}

// --- Variants

TGemVForm* TGemForm::VariantForm() const { return variantForm_; }

void TGemForm::VariantClick() {
    if (!variantForm_) {
        variantForm_ = new TGemVForm(sheet_, services_.Dialogs, services_.Texts, services_.Files, this,
                                     services_.VariantPlacement);
        connect(variantForm_, &TGemVForm::WorksheetChanged, this, [this] { RefreshFromModel(); });
    }
    variantForm_->show();
    variantForm_->raise();
}

}  // namespace tarvix
