// TVarForm: the variable list window's widgets, commands and events.
#include "ui/var_form.h"

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
#include "ui/main_window_link.h"
#include "ui/qt_text.h"

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

// Where a command appears.
enum Place : unsigned { InToolBar = 1, InPopup = 2, InImport = 4, InExport = 8, Hidden = 0 };

struct ActionRow {
    std::string_view Name;  // component name
    std::string_view Key;   // text key in section "VarForm"
    std::string_view Caption;
    QKeyCombination Shortcut;
    QKeyCombination Shortcut2;
    unsigned Places;
    void (TVarForm::*Command)();  // nullptr: "Připravuje se.." until vectors exist
};

const ActionRow kActions[] = {
    {"EditovatItem", "Edit", "&Editovat", {}, {}, InToolBar | InPopup, &TVarForm::EditovatClick},
    {"PouzitItem", "Apply", "&Použít", {}, {}, InToolBar | InPopup, &TVarForm::PouzitClick},
    {"ObnovitItem", "Refresh", "&Obnovit", {}, {}, InToolBar | InPopup, &TVarForm::ObnovitClick},
    {"OdstranitItem", "Remove", "O&dstranit", QKeyCombination(Qt::ControlModifier, Qt::Key_Delete),
     QKeyCombination(Qt::ControlModifier, Qt::Key_X), InToolBar | InPopup,
     &TVarForm::OdstranitClick},
    {"ImportSouborTxtItem", "ImportTxt", "&Soubor TXT", {}, {}, InImport, nullptr},
    {"ImportSouborWafItem", "ImportWaf", "S&oubor WAF", {}, {}, InImport, nullptr},
    {"ImportStatistikaXItem", "ImportStatX", "S&tatistika - data X", {}, {}, InImport, nullptr},
    {"ImportStatistikaYItem", "ImportStatY", "St&atistika - data Y", {}, {}, InImport, nullptr},
    {"ImportGrafItem", "ImportChart", "&Detailní graf", {}, {}, InImport, nullptr},
    {"ImportSchrankaItem", "ImportClipboard", "S&chránka Windows", {}, {}, InImport, nullptr},
    {"ExportSouborItem", "ExportFile", "&Soubor", {}, {}, InExport, nullptr},
    {"ExportStatistikaItem", "ExportStat", "St&atistika", {}, {}, InExport, nullptr},
    {"ExportGrafItem", "ExportChart", "&Detailní graf", {}, {}, InExport, nullptr},
    {"ExportSchrankaItem", "ExportClipboard", "S&chránka Windows", {}, {}, InExport, nullptr},
    {"FourierovaAnalyzaItem", "Fourier", "&Fourierova analýza", {}, {}, InPopup, nullptr},
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
    delegate_ = new TVarCellDelegate(
        [this] {
            editorTyped_ = true;
            RefreshCommands();
        },
        grid_);
    grid_->setItemDelegate(delegate_);
    connect(grid_, &QTableWidget::itemChanged, this, &TVarForm::CellChanged);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!filling_ && row >= 0) model_.SetCurrentRow(row);
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
        const auto command = row.Command ? row.Command : &TVarForm::InPreparation;
        connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
        addAction(action);  // the shortcuts work anywhere in the window
        actions_.emplace(row.Name, action);
        if (!row.Key.empty())
            actionTexts_[action] = {std::string(row.Key), std::string(row.Caption)};
    }
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
    exportMenu_ = new QMenu(popupMenu_);
    exportMenu_->setObjectName(QStringLiteral("ExportVektoruItem"));
    for (const ActionRow& row : kActions) {
        QAction* action = Action(row.Name);
        if (row.Places & InImport) importMenu_->addAction(action);
        if (row.Places & InExport) exportMenu_->addAction(action);
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
            if (title.Column == VariableColumn::Name)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
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
    // The vector transfers and the Fourier analysis need a vector under the
    // selected name; no variable holds one until the series subsystem exists.
    exportMenu_->setEnabled(false);
    Action("FourierovaAnalyzaItem")->setEnabled(false);
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

void TVarForm::InPreparation() {
    ShowInPreparation(calculator_, texts_);
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
