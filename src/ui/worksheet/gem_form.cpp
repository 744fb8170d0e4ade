// TGemForm: layout (tool bar, order control, the two grids, the equations
// editor), the status bar with its progress bar, the refresh from the model
// and the closing questions.
#include "ui/worksheet/gem_form.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include "calculator/message_box.h"
#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/widgets/qt_text.h"
#include "ui/worksheet/gem_v_form.h"
#include "ui/worksheet/worksheet_grid_model.h"

namespace tarvix {
namespace {
constexpr std::string_view kSection = "GemForm";
constexpr const char* kEditorFirstLine =
    "'Zde lze psát komentář a/nebo soustavu rovnic jako v matematice, např.";
constexpr const char* kEditorSamples[] = {"  2a - 3b + 4c = 1", "  5a + 2b - 6c = 2",
                                          "  3a - 2b + 3c = 3"};
}  // namespace

TGemForm::TGemForm(const GemFormServices& services, QWidget* parent)
    : QMainWindow(parent),
      services_(services),
      sheet_(services.Parser, services.Memory, services.Main, services.Dialogs) {
    setObjectName(QStringLiteral("GemForm"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    sheet_.SetProgramFolder(services_.ProgramFolder);
    sheet_.SetView(this);
    sheet_.SetHooks(this);
    services_.Memory.Clear();

    BuildMenus();
    BuildToolBar();
    setCentralWidget(BuildCentre());
    BuildStatusBar();

    // A new worksheet: the editor's sample, the equations mode with code 1.
    sheet_.Editor() = {services_.Texts.Text(kSection, "EditorFirstLine", kEditorFirstLine)};
    for (const char* line : kEditorSamples) sheet_.Editor().emplace_back(line);
    PullEditorFromModel();
    SetStatus(3, sheet_.CurrentOperation() == op::Solve
                     ? BuiltInMatrixMessages().OperationTitle(op::Solve)
                     : std::string());
    resize(760, 520);
    RestorePlacement();
    RefreshFromModel();
}

// The model is a member: the windows and views that read it go before it,
// and no child signals this window while the rest goes.
TGemForm::~TGemForm() {
    delete variantForm_.data();
    for (QObject* child : findChildren<QObject*>()) {
        QObject::disconnect(child, nullptr, this, nullptr);
        child->removeEventFilter(this);  // a view resized while its neighbour goes
    }
    delete leftView_;
    leftView_ = nullptr;
    delete rightView_;
    rightView_ = nullptr;
    sheet_.SetHooks(nullptr);
    sheet_.SetView(nullptr);
}

QString TGemForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(services_.Texts.Text(kSection, key, builtIn));
}

QWidget* TGemForm::BuildCentre() {
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(2, 2, 2, 2);

    auto makeView = [this](WorksheetGridModel* model, const char* name) {
        auto* view = new QTableView(this);
        view->setObjectName(QLatin1String(name));
        view->setModel(model);
        auto* delegate = new WorksheetCellDelegate(view);
        delegate->SetAfterEnter([this, view] { MoveAfterEnter(view); });
        view->setItemDelegate(delegate);
        view->setSelectionMode(QAbstractItemView::ContiguousSelection);
        view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                              QAbstractItemView::EditKeyPressed);
        const int rowHeight = view->fontMetrics().height() + 4;
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
        view->verticalHeader()->setMinimumSectionSize(rowHeight);
        view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view->horizontalHeader()->setDefaultSectionSize(view->fontMetrics().horizontalAdvance(
                                                            QStringLiteral("-0.000000000")));
        view->setMouseTracking(true);
        view->viewport()->installEventFilter(this);
        view->installEventFilter(this);
        connect(model, &WorksheetGridModel::CellEdited, this, [this] { RefreshEnabled(); });
        connect(view, &QTableView::entered, this, [this, model](const QModelIndex& at) {
            SetStatus(0, ToQ(CatalogString(services_.Texts, texts::GemFormRowPanel))
                             .replace("%s", QString::number(at.row() + 1))
                             .toStdString());
            SetStatus(1, ToQ(CatalogString(services_.Texts, texts::GemFormColumnPanel))
                             .replace("%s", QString::number(at.column() + 1))
                             .toStdString());
            SetStatus(2, (ToQ(CatalogString(services_.Texts, texts::GemFormValuePanel))
                              .replace("%s", at.data().toString()))
                             .toStdString());
            (void)model;
        });
        return view;
    };
    leftModel_ = new WorksheetGridModel(sheet_, false, this);
    rightModel_ = new WorksheetGridModel(sheet_, true, this);
    leftView_ = makeView(leftModel_, "LStringGrid");
    rightView_ = makeView(rightModel_, "RStringGrid");
    // The model follows each grid's cell cursor and selection: the data
    // commands read the cursor and the bordered area from it.
    for (QTableView* view : {leftView_, rightView_}) {
        const bool right = view == rightView_;
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, right](const QModelIndex& at) {
                    if (at.isValid()) sheet_.SetCursor(right, at.row() + 1, at.column() + 1);
                });
        connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, view, right] {
                    const QItemSelection selection = view->selectionModel()->selection();
                    std::optional<GridArea> area;
                    if (selection.size() == 1) {
                        const QItemSelectionRange& r = selection.first();
                        area = GridArea{r.top() + 1, r.left() + 1, r.bottom() + 1, r.right() + 1};
                    }
                    sheet_.SetBorderedArea(right, area);
                });
    }

    gridSplitter_ = new QSplitter(Qt::Horizontal, this);
    gridSplitter_->addWidget(leftView_);
    gridSplitter_->addWidget(rightView_);
    gridSplitter_->setStretchFactor(0, 3);
    gridSplitter_->setStretchFactor(1, 1);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] {
        if (!refreshing_) {
            PushEditorToModel();
            sheet_.SetModified(true);
            RefreshEnabled();
        }
    });

    mainSplitter_ = new QSplitter(Qt::Vertical, this);
    mainSplitter_->addWidget(gridSplitter_);
    mainSplitter_->addWidget(memo_);
    mainSplitter_->setStretchFactor(0, 4);
    mainSplitter_->setStretchFactor(1, 1);
    layout->addWidget(mainSplitter_);
    return centre;
}

void TGemForm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    static constexpr int kWidths[] = {90, 90, 220, 0};
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        if (kWidths[i] > 0) panels_[i]->setMinimumWidth(kWidths[i]);
        bar->addWidget(panels_[i], i == 3 ? 1 : 0);
    }
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar"));
    progress_->setMaximumWidth(297);
    progress_->setRange(0, 100);
    progress_->hide();
    bar->addPermanentWidget(progress_);
}

QString TGemForm::StatusText(int panel) const {
    return panel >= 0 && panel < 4 ? panels_[panel]->text() : QString();
}

void TGemForm::SetStatus(int panel, std::string_view text) {
    if (panel >= 0 && panel < 4) panels_[panel]->setText(ToQ(text));
}

void TGemForm::ShowInMode(WorksheetMode mode) {
    if (sheet_.Finished()) {
        sheet_.SetMode(mode);
        selected_ = mode == WorksheetMode::Equations ? op::Solve : op::Inverse;
        SetStatus(3, BuiltInMatrixMessages().OperationTitle(selected_));
    }
    RefreshFromModel();
    show();
    raise();
    activateWindow();
}

// After a mode switch without an operation: an operation that would switch
// the mode back gives way to the mode's own (the solve or the inverse).
void TGemForm::SelectForMode() {
    const bool equations = sheet_.Mode() == WorksheetMode::Equations;
    const bool keepsMode = selected_ == op::Determinant || selected_ == op::Subdeterminant;
    if (!keepsMode && NeedsEquationsMode(selected_) != equations)
        selected_ = equations ? op::Solve : op::Inverse;
    SetStatus(3, BuiltInMatrixMessages().OperationTitle(selected_));
}

void TGemForm::PushEditorToModel() {
    std::vector<std::string>& lines = sheet_.Editor();
    lines.clear();
    const QString text = memo_->toPlainText();
    if (text.isEmpty()) return;
    for (const QString& line : text.split(QLatin1Char('\n'))) lines.push_back(ToStd(line));
}

void TGemForm::PullEditorFromModel() {
    QStringList lines;
    for (const std::string& line : sheet_.Editor()) lines << ToQ(line);
    const QString text = lines.join(QLatin1Char('\n'));
    if (text == memo_->toPlainText()) return;
    refreshing_ = true;
    memo_->setPlainText(text);
    refreshing_ = false;
}

void TGemForm::RefreshGrids() {
    leftModel_->Reload();
    rightModel_->Reload();
    // A reload forgets the views' cell cursors: they go back to the model's
    // (after a cell error, the offending cell).
    for (QTableView* view : {leftView_, rightView_}) {
        const auto [row, column] = sheet_.Cursor(view == rightView_);
        const QModelIndex at = view->model()->index(row - 1, column - 1);
        if (at.isValid()) view->selectionModel()->setCurrentIndex(at, QItemSelectionModel::NoUpdate);
    }
    // "Automatické zarovnávání": the columns share the grid's width.
    if (QAction* align = Action("Rastr_AutomatickyZarovnavat"); align && align->isChecked())
        AlignToBorders();
}

void TGemForm::RefreshTitle() {
    setWindowTitle(ToQ(sheet_.Title()) + (sheet_.Modified() ? QStringLiteral(" *") : QString()));
}

void TGemForm::Refresh() {
    if (refreshing_) return;
    RefreshGrids();
    PullEditorFromModel();
    refreshing_ = true;
    orderEdit_->setValue(sheet_.Order());
    refreshing_ = false;
    RefreshTitle();
    RefreshChecks();
}

void TGemForm::RefreshFromModel() {
    Refresh();
    RefreshEnabled();
}

void TGemForm::OrderChanged(int n) {
    if (refreshing_ || !sheet_.Finished() || n == sheet_.Order()) return;
    sheet_.SetOrder(n);
    RefreshFromModel();
}

// Enter moves the cell cursor: by columns (default) to the next column and
// from the last one to column 1 of the next row; by rows to the next row and
// from the last one to row 1 of the next column; nothing at the last cell.
void TGemForm::MoveAfterEnter(QTableView* view) {
    const QModelIndex at = view->currentIndex();
    if (!at.isValid()) return;
    const int rows = view->model()->rowCount(), cols = view->model()->columnCount();
    int r = at.row(), c = at.column();
    if (enterByColumns_) {
        if (++c >= cols) c = 0, ++r;
    } else {
        if (++r >= rows) r = 0, ++c;
    }
    if (r >= rows || c >= cols) return;
    view->setCurrentIndex(view->model()->index(r, c));
}

QMenu* TGemForm::MenuNamed(std::string_view name) const {
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QTableView* TGemForm::ActiveView() const {
    return sheet_.ActiveIsRight() ? rightView_ : leftView_;
}

WorksheetGridModel* TGemForm::GridModel(bool rightGrid) const {
    return rightGrid ? rightModel_ : leftModel_;
}

void TGemForm::AfterDataCommand() {
    Refresh();
    RefreshEnabled();
}

bool TGemForm::eventFilter(QObject* watched, QEvent* event) {
    // While the columns are aligned automatically they follow the grid's width.
    if (event->type() == QEvent::Resize && (watched == leftView_ || watched == rightView_))
        if (QAction* align = Action("Rastr_AutomatickyZarovnavat"); align && align->isChecked())
            AlignToBorders();
    // The grid that gets the focus becomes the active grid.
    if (event->type() == QEvent::FocusIn && (watched == leftView_ || watched == rightView_))
        sheet_.SetActiveGrid(watched == rightView_);
    if (event->type() == QEvent::KeyPress &&
        (watched == leftView_ || watched == rightView_)) {
        auto* view = static_cast<QTableView*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        // (While a cell is edited its editor has the keys.)
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            MoveAfterEnter(view);
            return true;
        }
        // Shift+Ctrl+O: the recent-files menu at the cell cursor.
        if (key->key() == Qt::Key_O && key->modifiers() == (Qt::ShiftModifier | Qt::ControlModifier)) {
            RebuildRecentMenu();
            recentMenu_->popup(view->viewport()->mapToGlobal(view->visualRect(view->currentIndex()).center()));
            return true;
        }
        if (key->matches(QKeySequence::Delete) && sheet_.Finished()) {
            for (const QModelIndex& at : view->selectionModel()->selectedIndexes())
                view->model()->setData(at, QString(), Qt::EditRole);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TGemForm::ShowInPreparation() {
    Ask(CatalogString(services_.Texts, texts::InPreparation), MessageButton::Ok);
}

ModalResult TGemForm::Ask(const std::string& text, MessageButtons buttons) {
    const MessageKind kind = buttons == MessageButtons(MessageButton::Ok)
                                 ? MessageKind::Information
                                 : MessageKind::Confirmation;
    return services_.Dialogs.ShowMessage(
        PrepareMessageBox(text, kind, buttons, 0, TextsOf(services_.Main.CurrentFormat())));
}

// A running computation asks whether to stop it; then changed data with
// something in the left grid ask whether to save them.
bool TGemForm::ConfirmClose() {
    if (running_) {
        const ModalResult stop = Ask(CatalogString(services_.Texts, texts::GemFormStopQuestion),
                                     MessageButton::Yes | MessageButton::No);
        if (stop != ModalResult::Yes) return false;
        stopRequested_ = true;
        sheet_.RequestStop();
        closeAfterRun_ = true;
        return false;  // closes once the solver has unwound
    }
    return SaveChangesFirst();
}

bool TGemForm::SaveChangesFirst() {
    bool hasData = false;
    const TextGrid& left = sheet_.LeftGrid();
    for (int i = 1; i <= left.Rows() && !hasData; ++i)
        for (int j = 1; j <= left.Cols() && !hasData; ++j) hasData = !left.Cell(i, j).empty();
    if (hasData && sheet_.Modified()) {
        const ModalResult save =
            Ask(CatalogString(services_.Texts, texts::GemFormSaveQuestion), kYesNoCancelButtons);
        if (save == ModalResult::Cancel || save == ModalResult::None) return false;
        if (save == ModalResult::Yes) {
            SouborUlozit();
            if (sheet_.Modified()) return false;  // the save failed or was cancelled
        }
    }
    return true;
}

void TGemForm::closeEvent(QCloseEvent* event) {
    if (!ConfirmClose()) {
        event->ignore();
        return;
    }
    StorePlacement();
    if (variantForm_) variantForm_->close();
    emit Closing();
    event->accept();
}

}  // namespace tarvix
