// TVarForm: the variable list window's widgets, commands and events.
#include "ui/lists/var_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <array>

#include "calculator/calculator.h"
#include "storage/text_catalog.h"
#include "ui/main/main_window_link.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

// The grid's cell editor: tells when it is typed into, and lets the window
// commit or drop the open edit (before "&Použít", closing or Esc).
class TVarCellDelegate : public QStyledItemDelegate {
public:
    TVarCellDelegate(std::function<void()> typed, QObject* parent)
        : QStyledItemDelegate(parent), typed_(std::move(typed)) {
        // However an edit ends (Enter, Tab, Esc, focus moving away), the
        // editor is no longer open; the view deletes it later.
        connect(this, &QAbstractItemDelegate::closeEditor, this, [this] { editor_ = nullptr; });
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this] { typed_(); });
        }
        editor_ = editor;
        return editor;
    }

    bool Editing() const { return !editor_.isNull(); }

    void Commit() {
        if (!editor_) return;
        QWidget* editor = editor_;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

    void Cancel() {
        if (!editor_) return;
        QWidget* editor = editor_;
        emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }

private:
    std::function<void()> typed_;
    mutable QPointer<QWidget> editor_;
};

namespace {

constexpr std::string_view kSection = "VarForm";

struct ColumnTitle {
    VariableColumn Column;
    std::string_view Key;
    std::string_view BuiltIn;
};
constexpr std::array<ColumnTitle, kVariableColumnCount> kColumnTitles{{
    {VariableColumn::Name, "Name", "Název"},
    {VariableColumn::Value, "Value", "Hodnota"},
    {VariableColumn::Unit, "Unit", "Jednotka"},
    {VariableColumn::Description, "Description", "Popis"},
}};
// Widths of the name, value and unit columns; the description takes the rest.
constexpr std::array<int, 3> kColumnWidths{44, 120, 70};
constexpr QSize kDefaultSize(400, 260);

// Where a command appears (the vector transfers are in their own submenus).
enum Place : unsigned { InToolBar = 1, InPopup = 2, Hidden = 0 };

struct ActionRow {
    std::string_view Name;  // component name
    std::string_view Key;   // text key in section "VarForm"
    std::string_view Caption;
    QKeyCombination Shortcut;
    QKeyCombination Shortcut2;
    unsigned Places;
    void (TVarForm::*Command)();
};

const ActionRow kActions[] = {
    {"EditovatItem", "Edit", "&Editovat", {}, {}, InToolBar | InPopup, &TVarForm::EditovatClick},
    {"PouzitItem", "Apply", "&Použít", {}, {}, InToolBar | InPopup, &TVarForm::PouzitClick},
    {"ObnovitItem", "Refresh", "&Obnovit", {}, {}, InToolBar | InPopup, &TVarForm::ObnovitClick},
    {"OdstranitItem", "Remove", "O&dstranit", QKeyCombination(Qt::ControlModifier, Qt::Key_Delete),
     QKeyCombination(Qt::ControlModifier, Qt::Key_X), InToolBar | InPopup,
     &TVarForm::OdstranitClick},
    {"FourierovaAnalyzaItem", "Fourier", "&Fourierova analýza", {}, {}, InPopup,
     &TVarForm::FourierovaAnalyzaClick},
    {"ZavritItem", "Close", "&Zavřít", {}, {}, InPopup, &TVarForm::ZavritClick},
    // Esc closes the window, or drops the open edit.
    {"EscapeKey", "", "", Qt::Key_Escape, {}, Hidden, &TVarForm::EscapePressed},
};

}  // namespace

TVarForm::TVarForm(Calculator& calculator, TextCatalog& texts, QWidget* parent)
    : QWidget(parent, Qt::Tool), calculator_(calculator), texts_(texts) {
    setObjectName(QStringLiteral("VarForm"));
    setAttribute(Qt::WA_DeleteOnClose);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("VarStringGrid"));
    grid_->setColumnCount(kVariableColumnCount);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(
        grid_->fontMetrics().boundingRect(QStringLiteral("yŽ")).height() + 4);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->horizontalHeader()->setHighlightSections(false);
    for (std::size_t i = 0; i < kColumnWidths.size(); ++i) {
        grid_->setColumnWidth(static_cast<int>(i), kColumnWidths[i]);
    }
    grid_->setWordWrap(false);
    // A variable dragged out of the list: the library's editor pane takes it.
    grid_->setDragEnabled(true);
    grid_->setDragDropMode(QAbstractItemView::DragOnly);
    delegate_ = new TVarCellDelegate(
        [this] {
            editorTyped_ = true;
            RefreshCommands();
        },
        grid_);
    grid_->setItemDelegate(delegate_);
    connect(grid_, &QTableWidget::itemChanged, this, &TVarForm::CellChanged);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (filling_ || row < 0) return;
        model_.SetCurrentRow(row);
        RefreshCommands();  // the vector commands follow the selected name
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int column) {
        // A double click switches edit mode on and edits the cell.
        if (editMode_) return;
        SetEditMode(true);
        if (QTableWidgetItem* item = grid_->item(row, column)) grid_->editItem(item);
    });
    connect(delegate_, &QAbstractItemDelegate::closeEditor, this, [this] {
        editorTyped_ = false;
        RefreshCommands();
    });

    BuildActions();
    BuildToolBar();
    BuildPopupMenu();
    // The import sources (clipboard, statistics, chart) may change meanwhile.
    connect(popupMenu_, &QMenu::aboutToShow, this, &TVarForm::RefreshCommands);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu_->popup(grid_->viewport()->mapToGlobal(at)); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar_);
    layout->addWidget(grid_, 1);

    ApplyTexts();
    resize(kDefaultSize);
    Refresh();
}

TVarForm::~TVarForm() {
    // The grid goes first: closing an open editor reports to this window,
    // whose members must still be there.
    delete grid_;
}

QString TVarForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(texts_.Text(kSection, key, builtIn));
}

QAction* TVarForm::Action(std::string_view name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

bool TVarForm::Modified() const {
    return model_.Modified() || editorTyped_;
}

// --- Building

void TVarForm::BuildActions() {
    for (const ActionRow& row : kActions) {
        auto* action = new QAction(this);
        action->setObjectName(ToQ(row.Name));
        QList<QKeySequence> shortcuts;
        for (QKeyCombination combination : {row.Shortcut, row.Shortcut2}) {
            if (combination.key() != Qt::Key_unknown) shortcuts.append(QKeySequence(combination));
        }
        action->setShortcuts(shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
        const auto command = row.Command;
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
        addAction(action);  // the shortcuts work anywhere in the window
        actions_.emplace(row.Name, action);
        if (!row.Key.empty())
            actionTexts_[action] = {std::string(row.Key), std::string(row.Caption)};
    }
    auto addTransfer = [this](const VectorTransferItem& item) {
        auto* action = new QAction(this);
        action->setObjectName(ToQ(item.Name));
        connect(action, &QAction::triggered, this, [this, &item] { VectorTransferClick(item); });
        actions_.emplace(item.Name, action);
        actionTexts_[action] = {std::string(item.Key), std::string(item.Caption)};
    };
    for (const VectorTransferItem& item : kVectorImportItems) addTransfer(item);
    for (const VectorTransferItem& item : kVectorExportItems) addTransfer(item);
    Action("EditovatItem")->setCheckable(true);
    AddToolWindowKeys(this);
}

void TVarForm::BuildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const ActionRow& row : kActions) {
        if (row.Places & InToolBar) toolBar_->addAction(Action(row.Name));
    }
}

void TVarForm::BuildPopupMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName(QStringLiteral("VarPopupMenu"));
    importMenu_ = new QMenu(popupMenu_);
    importMenu_->setObjectName(QStringLiteral("ImportVektoruItem"));
    for (const VectorTransferItem& item : kVectorImportItems)
        importMenu_->addAction(Action(item.Name));
    exportMenu_ = new QMenu(popupMenu_);
    exportMenu_->setObjectName(QStringLiteral("ExportVektoruItem"));
    for (const VectorTransferItem& item : kVectorExportItems)
        exportMenu_->addAction(Action(item.Name));
    for (const ActionRow& row : kActions) {
        QAction* action = Action(row.Name);
        if (row.Name == "FourierovaAnalyzaItem") {
            popupMenu_->addSeparator();
            popupMenu_->addMenu(importMenu_);
            popupMenu_->addMenu(exportMenu_);
        }
        if (row.Name == "ZavritItem") popupMenu_->addSeparator();
        if (row.Places & InPopup) popupMenu_->addAction(action);
    }
}

void TVarForm::ApplyTexts() {
    setWindowTitle(ToQ(texts_.Text("Title", "VarForm", "Seznam proměnných")));
    QStringList titles;
    for (const ColumnTitle& title : kColumnTitles) titles << Text(title.Key, title.BuiltIn);
    grid_->setHorizontalHeaderLabels(titles);
    for (const auto& [action, text] : actionTexts_) action->setText(Text(text.Key, text.BuiltIn));
    importMenu_->setTitle(Text("ImportVector", "&Import vektoru"));
    exportMenu_->setTitle(Text("ExportVector", "&Export vektoru"));
}

// --- Grid

void TVarForm::Refresh() {
    delegate_->Cancel();
    model_.Refresh(calculator_);
    Fill();
}

void TVarForm::Fill() {
    const QScopedValueRollback guard(filling_, true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);  // no editor opens meanwhile
    grid_->setRowCount(model_.RowCount());
    for (int row = 0; row < model_.RowCount(); ++row) {
        for (const ColumnTitle& title : kColumnTitles) {
            auto* item = new QTableWidgetItem(ToQ(model_.Cell(row, title.Column)));
            // Names are not edited: a variable keeps its name.
            if (title.Column == VariableColumn::Name) {
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                // A name that holds a vector is bold.
                const std::string& name = model_.Cell(row, title.Column);
                if (vectors_ && !name.empty() && vectors_->HoldsVector(name)) {
                    QFont font = grid_->font();
                    font.setBold(true);
                    item->setFont(font);
                }
            }
            grid_->setItem(row, static_cast<int>(title.Column), item);
        }
    }
    grid_->setCurrentCell(model_.CurrentRow(), static_cast<int>(model_.CurrentColumn()));
    SetEditMode(editMode_);
    RefreshCommands();
}

void TVarForm::CellChanged(QTableWidgetItem* item) {
    if (filling_) return;
    model_.SetCell(item->row(), static_cast<VariableColumn>(item->column()), ToStd(item->text()));
    RefreshCommands();
}

void TVarForm::SetEditMode(bool on) {
    editMode_ = on;
    Action("EditovatItem")->setChecked(on);
    if (on) {
        // Cells are edited in place, the editor opens on the current cell.
        grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
        grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    } else {
        delegate_->Commit();
        grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    }
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    grid_->setCurrentIndex(current);
    // The editor is always shown in edit mode, on the current cell.
    if (on && !delegate_->Editing() && (current.flags() & Qt::ItemIsEditable)) grid_->edit(current);
}

void TVarForm::RefreshCommands() {
    const bool modified = Modified();
    Action("PouzitItem")->setEnabled(modified);
    Action("ObnovitItem")->setEnabled(modified);
    // Imports need vectors kept for variables and a selected name; exports
    // and the Fourier analysis need a vector under the selected name.
    const bool vectorsOn = vectors_ && vectors_->VectorsOn();
    const bool named = vectors_ && !SelectedName().empty();
    const bool held = !SelectedVectorName().empty();
    importMenu_->setEnabled(vectorsOn && named);
    for (const VectorTransferItem& item : kVectorImportItems)
        Action(item.Name)->setEnabled(vectorsOn && named && vectors_->ImportEnabled(item));
    exportMenu_->setEnabled(vectorsOn && held);
    for (const VectorTransferItem& item : kVectorExportItems)
        Action(item.Name)->setEnabled(vectorsOn && held);
    Action("FourierovaAnalyzaItem")->setEnabled(held);
}

std::string TVarForm::SelectedName() const {
    if (model_.RowCount() == 0) return {};
    return std::string(model_.Cell(model_.CurrentRow(), VariableColumn::Name));
}

std::string TVarForm::SelectedVectorName() const {
    std::string name = SelectedName();
    return vectors_ && !name.empty() && vectors_->HoldsVector(name) ? name : std::string();
}

void TVarForm::SetVectorPort(VarFormVectorPort* port) {
    vectors_ = port;
    Fill();
}

// --- Commands

void TVarForm::EditovatClick() {
    SetEditMode(!editMode_);
}

void TVarForm::PouzitClick() {
    delegate_->Commit();
    if (!model_.Apply(calculator_)) {
        // The rows above the failing one are applied: the main window shows
        // their register boxes.
        calculator_.Hooks().RefreshVarLabels();
    }
    Fill();  // a failing row is the current one
}

void TVarForm::ObnovitClick() {
    Refresh();
}

void TVarForm::OdstranitClick() {
    delegate_->Commit();
    model_.RemoveRow(model_.CurrentRow(), calculator_);
    Fill();
}

void TVarForm::ZavritClick() {
    close();
}

void TVarForm::EscapePressed() {
    if (delegate_->Editing()) {
        delegate_->Cancel();
    } else {
        close();
    }
}

void TVarForm::FourierovaAnalyzaClick() {
    const std::string name = SelectedVectorName();
    if (!name.empty()) vectors_->AnalyzeVector(name);
}

void TVarForm::VectorTransferClick(const VectorTransferItem& item) {
    const std::string name = SelectedName();
    if (!vectors_ || name.empty()) return;
    delegate_->Commit();
    vectors_->RunVectorTransfer(item, name);
    // An import may have created or changed the variable and its vector.
    if (item.IsImport() && !Modified()) {
        Refresh();
    } else {
        Fill();
    }
}

// --- Events

bool TVarForm::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            // The variables may have changed while another window was active;
            // edits not yet applied are kept.
            if (!Modified()) Refresh();
            break;
        case QEvent::LanguageChange:
            ApplyTexts();
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void TVarForm::closeEvent(QCloseEvent* event) {
    delegate_->Commit();
    if (!model_.ConfirmClose(calculator_)) {
        Fill();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace tarvix
