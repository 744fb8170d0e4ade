// The library window: its layout, showing the model (tree, grid, editor
// pane, caption, status), following the user's selection and edits, the
// placement between the window and the settings, and closing.
#include "ui/library/expr_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "calculator/calculator.h"
#include "engine/name_utils.h"
#include "storage/text_catalog.h"
#include "tasks/formula_transfer.h"
#include "ui/library/find_form.h"
#include "ui/library/library_tree_model.h"
#include "ui/library/library_tree_view.h"
#include "ui/tasks/task_runner.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "ExprForm";

// The widths the header sections keep (tree, comment, expression).
constexpr int kTreeMin = 50;
constexpr int kTreeMax = 3000;
constexpr int kCommentMin = 42;
constexpr int kCommentMax = 2500;
constexpr int kExpressionMin = 50;

enum GridColumn { kCommentColumn = 0, kExpressionColumn = 1 };

LibraryCell CellOfColumn(int column) {
    return column == kCommentColumn ? LibraryCell::Comment : LibraryCell::Expression;
}

}  // namespace

TExprForm::TExprForm(ExprFormServices services, QWidget* parent)
    : QMainWindow(parent, Qt::Window), services_(std::move(services)) {
    setObjectName(QStringLiteral("ExprForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    placement_ = ReadExprFormSettings(services_.Values);
    ApplyLibraryTexts();

    setCentralWidget(BuildCentre());
    BuildActions();
    BuildToolBar();
    BuildMenus();
    BuildKeys();
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusPanel"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(status_, 1);

    // The tool bar's commands act on the pane that had the focus last.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now) return;
        if (now == tree_ || tree_->isAncestorOf(now)) {
            activePane_ = LibraryPane::Tree;
        } else if (now == grid_ || grid_->isAncestorOf(now)) {
            activePane_ = LibraryPane::Grid;
        } else if (now == memo_) {
            activePane_ = LibraryPane::Editor;
        } else {
            return;
        }
        RefreshCommands();
    });

    BindTasks();
    ApplyTexts();
    RestorePlacement();
    RefreshFromModel();
}

TExprForm::~TExprForm() {
    // The focus signal must not reach a window that is going.
    disconnect(qApp, nullptr, this, nullptr);
    // The views go before the library they show: an open name editor of the
    // tree still reads it while the window's children are hidden.
    memo_->removeEventFilter(this);
    memo_->viewport()->removeEventFilter(this);
    delete takeCentralWidget();
}

QString TExprForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(services_.Texts.Text(kSection, key, builtIn));
}

// The library's messages and the texts of new categories and rows, from the
// catalog's Msg section.
void TExprForm::ApplyLibraryTexts() {
    LibraryMessageTable& table = library_.Texts();
    for (const MessageEntry& entry : table.Entries())
        table.Replace(entry.Key, services_.Texts.Text("Msg", entry.Key, entry.Default));
}

QWidget* TExprForm::BuildCentre() {
    mainSplitter_ = new QSplitter(Qt::Horizontal, this);
    mainSplitter_->setObjectName(QStringLiteral("MainSplitter"));
    mainSplitter_->setChildrenCollapsible(false);

    tree_ = new TLibraryTreeView(mainSplitter_);
    treeModel_ = new LibraryTreeModel(library_, this);
    tree_->setModel(treeModel_);
    tree_->setMinimumWidth(kTreeMin);
    tree_->setMaximumWidth(kTreeMax);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { TreeCurrentChanged(); });
    connect(tree_, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (const LibraryNode* node = treeModel_->Node(index)) expanded_.insert(node->Id());
    });
    connect(tree_, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (const LibraryNode* node = treeModel_->Node(index)) expanded_.erase(node->Id());
    });
    // The view's drag is over before the category moves.
    connect(tree_, &TLibraryTreeView::CategoryDropped, this,
            [this](LibraryNode* node, CategoryDrop place) { MoveCategory(node, place); },
            Qt::QueuedConnection);
    connect(treeModel_, &LibraryTreeModel::Renamed, this, [this] {
        RefreshTitle();
        RefreshStatus();
    });

    rightSplitter_ = new QSplitter(Qt::Vertical, mainSplitter_);
    rightSplitter_->setObjectName(QStringLiteral("RightSplitter"));
    grid_ = new QTableWidget(0, 2, rightSplitter_);
    grid_->setObjectName(QStringLiteral("StringGrid"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(false);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->horizontalHeader()->setMinimumSectionSize(kCommentMin);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                const int limited = section == kCommentColumn
                                        ? std::clamp(size, kCommentMin, kCommentMax)
                                        : std::max(size, kExpressionMin);
                if (limited != size) grid_->horizontalHeader()->resizeSection(section, limited);
            });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this] { GridCurrentChanged(); });
    connect(grid_, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { GridItemChanged(item); });
    // Rows are reordered by dragging their header (edit mode).
    connect(grid_->verticalHeader(), &QHeaderView::sectionMoved, this,
            [this](int logical, int oldVisual, int newVisual) {
                GridRowMoved(logical, oldVisual, newVisual);
            });

    memo_ = new LineNumberEdit(rightSplitter_);
    memo_->SetLineNumbersShown(false);  // shown while a task row is selected
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setContextMenuPolicy(Qt::CustomContextMenu);
    memo_->viewport()->installEventFilter(this);
    memo_->installEventFilter(this);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { MemoTextChanged(); });
    connect(memo_, &QPlainTextEdit::selectionChanged, this, [this] { RefreshCommands(); });

    rightSplitter_->setStretchFactor(1, 1);
    mainSplitter_->setStretchFactor(1, 1);
    return mainSplitter_;
}

// --- Showing the model

void TExprForm::RefreshFromModel(bool treeChanged) {
    if (treeChanged) {
        treeModel_->BeginChange();
        treeModel_->EndChange();
        RestoreExpansion();
    }
    ShowSelection();
    RefreshTitle();
}

void TExprForm::TreeCommand(const std::function<bool()>& command) {
    treeModel_->BeginChange();
    const bool changed = command();
    treeModel_->EndChange();
    RestoreExpansion();
    ShowSelection();
    RefreshTitle();
    (void)changed;
}

void TExprForm::RestoreExpansion() {
    const bool filling = std::exchange(filling_, true);
    std::set<LibraryNodeId> wanted;
    wanted.swap(expanded_);
    if (!wanted.empty()) {
        for (LibraryNode* node : library_.Tree().Nodes()) {
            if (wanted.count(node->Id())) tree_->expand(treeModel_->IndexOf(node));
        }
    }
    filling_ = filling;
}

void TExprForm::ShowSelection() {
    const bool filling = std::exchange(filling_, true);
    const QModelIndex index = treeModel_->IndexOf(library_.SelectedNode());
    if (index.isValid()) {
        tree_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        tree_->scrollTo(index);
    } else {
        tree_->selectionModel()->clear();
    }
    filling_ = filling;
    FillGrid();
    FillMemo();
    RefreshCommands();
    RefreshStatus();
}

void TExprForm::FillGrid() {
    const bool filling = std::exchange(filling_, true);
    const LibraryNode* node = library_.SelectedNode();
    const int rows = node ? static_cast<int>(node->Rows.size()) : 0;
    grid_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const LibraryRow& row = node->Rows[static_cast<std::size_t>(r)];
        for (int column : {kCommentColumn, kExpressionColumn}) {
            const QString text = ToQ(row.Cell(CellOfColumn(column)));
            if (QTableWidgetItem* item = grid_->item(r, column)) {
                if (item->text() != text) item->setText(text);
            } else {
                grid_->setItem(r, column, new QTableWidgetItem(text));
            }
        }
    }
    if (rows > 0) {
        const int column = std::max(grid_->currentColumn(), 0);
        grid_->setCurrentCell(library_.SelectedRow(), column);
    }
    filling_ = filling;
}

void TExprForm::FillMemo() {
    const bool filling = std::exchange(filling_, true);
    const LibraryRow* row = library_.CurrentRow();
    const QString text = row ? ToQ(row->Explanation) : QString();
    if (memo_->toPlainText() != text) memo_->setPlainText(text);
    filling_ = filling;
    // The enlarged editor is for tasks.
    if (editorEnlarged_ && !(row && IsTaskRow(*row))) SetEditorEnlarged(false);
}

void TExprForm::RefreshCommands() {
    const bool edit = library_.EditMode();
    const LibraryNode* node = library_.SelectedNode();
    const LibraryRow* row = library_.CurrentRow();
    const bool hasNode = node != nullptr;
    auto enable = [this](std::string_view name, bool on) {
        if (QAction* action = Action(name)) action->setEnabled(on);
    };
    auto check = [this](std::string_view name, bool on) {
        if (QAction* action = Action(name)) action->setChecked(on);
    };
    check("EditToolButton", edit);
    check("EditovatItem", edit);
    enable("SaveToolButton", !locked_);
    libraryButton_->setEnabled(!locked_);
    enable("ImportKnihovnyItem", !locked_);
    enable("ExportKnihovnyItem", !locked_ && hasNode);

    // The tree
    enable("NovaKategorieItem", edit);
    enable("NovaPodkategorieItem", edit && hasNode);
    enable("VyjmoutKategoriiItem", edit && hasNode);
    enable("KopirovatKategoriiItem", hasNode);
    enable("VlozitKategoriiItem", edit && library_.CanPasteCategory());
    enable("OdstranitKategoriiItem", edit && hasNode);
    // The grid
    enable("NovyRadekItem", edit && hasNode);
    enable("VyjmoutRadekItem", edit && hasNode);
    enable("KopirovatRadekItem", hasNode);
    enable("VlozitRadekItem", edit && hasNode && library_.CanPasteRow());
    enable("OdstranitRadekItem", edit && hasNode);
    enable("ImportVyrazuItem", edit);
    // The editor pane
    const bool writable = edit && row;
    const bool selected = memo_->textCursor().hasSelection();
    for (std::string_view name : {"VlozitRezimItem", "VlozitStavOkenItem", "VlozitPromennouItem",
                                  "MemoVlozitItem", "MemoZpetItem"})
        enable(name, writable);
    indexMenu_->setEnabled(writable);
    enable("MemoVyjmoutItem", writable && selected);
    enable("MemoOdstranitItem", writable && selected);
    enable("MemoKopirovatItem", selected);
    memo_->setReadOnly(!writable);

    // The tool bar's commands on the active pane
    switch (activePane_) {
        case LibraryPane::Tree:
            enable("NewToolButton", edit);
            enable("CutToolButton", edit && hasNode);
            enable("CopyToolButton", hasNode);
            enable("PasteToolButton", edit && library_.CanPasteCategory());
            enable("DeleteToolButton", edit && hasNode);
            break;
        case LibraryPane::Grid:
            enable("NewToolButton", edit && hasNode);
            enable("CutToolButton", edit && hasNode);
            enable("CopyToolButton", hasNode);
            enable("PasteToolButton", edit && hasNode && library_.CanPasteRow());
            enable("DeleteToolButton", edit && hasNode);
            break;
        case LibraryPane::Editor:
            enable("NewToolButton", false);
            enable("CutToolButton", writable && selected);
            enable("CopyToolButton", selected);
            enable("PasteToolButton", writable);
            enable("DeleteToolButton", writable && selected);
            break;
    }
    const bool task = row && IsTaskRow(*row);
    enable("EdResizeToolButton", task || editorEnlarged_);
    check("EdResizeToolButton", editorEnlarged_);
    enable("UseToolButton", row && CanTransferFormula(*row, library_.Texts()));

    // Edit mode: names, cells and rows can be changed; categories and rows dragged.
    grid_->setEditTriggers(edit ? QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed
                                : QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setSectionsMovable(edit);
    tree_->setDragEnabled(edit);
    RefreshRunCommands();
}

void TExprForm::RefreshTitle() {
    QString title = Text("Caption", "Knihovna výrazů");
    const std::filesystem::path& path = library_.FilePath();
    if (!path.empty()) title += QStringLiteral(" - ") + ToQ(path.filename().string());
    setWindowTitle(title);
}

void TExprForm::RefreshStatus() {
    const LibraryNode* node = library_.SelectedNode();
    status_->setText(node ? ToQ(NodePath(*node, "\\ ")) : QString());
}

QString TExprForm::StatusText() const {
    const QString message = statusBar()->currentMessage();
    return message.isEmpty() ? status_->text() : message;
}

// --- The user's selection and edits

void TExprForm::TreeCurrentChanged() {
    if (filling_) return;
    LibraryNode* node = treeModel_->Node(tree_->currentIndex());
    if (!node || node == library_.SelectedNode()) return;
    library_.Select(node);
    const bool filling = std::exchange(filling_, true);
    FillGrid();
    FillMemo();
    filling_ = filling;
    RefreshCommands();
    RefreshStatus();
    emit RowSelected();
}

void TExprForm::GridCurrentChanged() {
    if (filling_) return;
    const int row = grid_->currentRow();
    if (row < 0 || row == library_.SelectedRow()) return;
    library_.SelectRow(row);
    FillMemo();
    RefreshCommands();
    emit RowSelected();
}

void TExprForm::GridItemChanged(QTableWidgetItem* item) {
    if (filling_) return;
    library_.SetCell(item->row(), CellOfColumn(item->column()), ToStd(item->text()));
    // The cell shows what the library holds: the cleaned text, or the old
    // one outside edit mode.
    const LibraryNode* node = library_.SelectedNode();
    if (node && item->row() < static_cast<int>(node->Rows.size())) {
        const QString held =
            ToQ(node->Rows[static_cast<std::size_t>(item->row())].Cell(CellOfColumn(item->column())));
        if (item->text() != held) {
            const bool filling = std::exchange(filling_, true);
            item->setText(held);
            filling_ = filling;
        }
    }
    RefreshCommands();
    RefreshTitle();
}

void TExprForm::MemoTextChanged() {
    if (filling_ || !library_.EditMode()) return;
    if (library_.SetCell(library_.SelectedRow(), LibraryCell::Explanation,
                         ToStd(memo_->toPlainText()))) {
        TaskTextChanged();
        RefreshTitle();
        RefreshCommands();
    }
}

void TExprForm::GridRowMoved(int /*logical*/, int oldVisual, int newVisual) {
    if (filling_) return;
    // The header's order goes back to the rows' order; the library moves the row.
    QHeaderView* header = grid_->verticalHeader();
    {
        const bool filling = std::exchange(filling_, true);
        const QSignalBlocker blocker(header);
        header->moveSection(newVisual, oldVisual);
        filling_ = filling;
    }
    MoveRow(oldVisual, newVisual);
}

// --- Placement

void TExprForm::RestorePlacement() {
    ApplyGeometry(*this, placement_.Left, placement_.Top, placement_.Width, placement_.Height);
    ApplyEditorFont(EditorFont(placement_));
}

void TExprForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placementApplied_) return;
    placementApplied_ = true;
    SetFirstPane(*mainSplitter_, std::clamp(placement_.Width0, kTreeMin, kTreeMax));
    SetFirstPane(*rightSplitter_, placement_.Height1);
    grid_->setColumnWidth(kCommentColumn, std::clamp(placement_.Width1, kCommentMin, kCommentMax));
    grid_->setColumnWidth(kExpressionColumn, std::max(placement_.Width2, kExpressionMin));
    findCombo_->setFixedWidth(std::max(placement_.ComboWidth, 40));
    ApplyState(*this, placement_.WindowState);
    if (const QModelIndex index = tree_->currentIndex(); index.isValid()) tree_->scrollTo(index);
}

void TExprForm::RestoreSelection() {
    LibraryNode* wanted = nullptr;
    if (!placement_.SelectedTreeNode.empty()) {
        for (LibraryNode* node : library_.Tree().Nodes()) {
            if (EqualsNoCase(node->Name, placement_.SelectedTreeNode)) {
                wanted = node;
                break;
            }
        }
    }
    if (!wanted) return;
    library_.Select(wanted, placement_.SelectedGridRow);
    ShowSelection();
    const int top = std::min(placement_.TopGridRow, grid_->rowCount() - 1);
    if (top > 0) grid_->scrollToItem(grid_->item(top, 0), QAbstractItemView::PositionAtTop);
}

void TExprForm::StorePlacement() {
    if (StoreGeometry(*this, placement_)) {
        placement_.Width0 = FirstPane(*mainSplitter_);
        placement_.Height1 = editorEnlarged_ && !gridSizes_.isEmpty() ? gridSizes_.front()
                                                                       : FirstPane(*rightSplitter_);
        placement_.Width1 = grid_->columnWidth(kCommentColumn);
        placement_.Width2 = grid_->columnWidth(kExpressionColumn);
        placement_.ComboWidth = findCombo_->width();
    }
    const LibraryNode* node = library_.SelectedNode();
    placement_.SelectedTreeNode = node ? node->Name : std::string();
    placement_.SelectedGridRow = std::max(library_.SelectedRow(), 0);
    placement_.TopGridRow = std::max(grid_->rowAt(0), 0);
    // A file given at start is not the user's library.
    if (!locked_ && !library_.FilePath().empty()) {
        const std::filesystem::path& path = library_.FilePath();
        placement_.LibraryFileName =
            path.parent_path() == services_.UserFolder ? path.filename().string() : path.string();
    }
    WriteExprFormSettings(placement_, services_.Values);
}

// --- Closing

bool TExprForm::CanClose() {
    if (!library_.Modified()) return true;
    switch (services_.Calc.ShowMessageBox(library_.Texts().Text(libmsg::SaveQuestion),
                                          MessageKind::Confirmation, kYesNoCancelButtons, 0)) {
        case ModalResult::Yes: return SaveToolButtonClick();
        case ModalResult::No: return true;
        default: return false;
    }
}

void TExprForm::closeEvent(QCloseEvent* event) {
    if (!CanClose()) {
        event->ignore();
        return;
    }
    // A run ends with the window (after its current line).
    if (runner_) runner_->Stop();
    StorePlacement();
    QMainWindow::closeEvent(event);
}

bool TExprForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == memo_ || watched == memo_->viewport()) {
        if (MemoEvent(watched, event)) return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- Messages

void TExprForm::ShowMessage(const std::string& text, int helpContext) {
    services_.Calc.ShowMessageBox(text, MessageKind::Error,
                                  helpContext ? kCancelHelpButtons : kCancelButton, helpContext);
}

void TExprForm::ReportOutcome(const LibraryFileOutcome& outcome) {
    if (!outcome.Ok) ShowMessage(outcome.Message, outcome.HelpContext);
}

}  // namespace tarvix
