// The user constants window.
#include "ui/tools/const_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "storage/settings_store.h"
#include "ui/main/main_form.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "ConstForm";
constexpr int kShortcutColumn = 1;

// Keys that move or close rather than make a shortcut.
bool IsReservedKey(int key) {
    switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Home:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Help:
            return true;
        default:
            return false;
    }
}

// The commands of the pop-up menu.
struct ActionRow {
    const char* Name;
    std::string_view Caption;
    const char* Shortcut;
    void (TConstForm::*Handler)();
};
constexpr ActionRow kActions[] = {
    {"EditovatItem", "&Editovat", nullptr, &TConstForm::EditovatClick},
    {"VlozitItem", "&Vložit", nullptr, &TConstForm::VlozitClick},
    {"PridatItem", "&Přidat", "Ins", &TConstForm::PridatClick},
    {"OdstranitItem", "&Odstranit", "Ctrl+Del", &TConstForm::OdstranitClick},
    {"PouzitVeVyrazuItem", "&Použít ve výrazu", nullptr, &TConstForm::PouzitVeVyrazuClick},
};

}  // namespace

QString TConstForm::ShortcutText(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
        key == Qt::Key_Meta || key == Qt::Key_AltGr || key == 0 || key == Qt::Key_unknown)
        return {};
    // The platform's canonical text, as its conversion of a shortcut gives it.
    const QKeyCombination combination(
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier),
        static_cast<Qt::Key>(key));
    return QKeySequence(combination).toString(QKeySequence::PortableText);
}

TConstForm::TConstForm(TMainForm& main, QWidget* parent)
    : QWidget(parent, Qt::Tool), main_(main), model_(main.UserConstants()) {
    setObjectName(QStringLiteral("TConstForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("StringGrid"));
    grid_->setColumnCount(3);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    // The value column takes the rest of the width.
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    grid_->installEventFilter(this);
    layout->addWidget(grid_);

    popupMenu_ = new QMenu(this);
    for (const ActionRow& row : kActions) {
        QAction* action = popupMenu_->addAction(QString());
        action->setObjectName(QString::fromLatin1(row.Name));
        if (row.Shortcut) {
            action->setShortcut(QKeySequence(QString::fromLatin1(row.Shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            addAction(action);
        }
        connect(action, &QAction::triggered, this, row.Handler);
    }
    Action("EditovatItem")->setCheckable(true);
    auto* cut = new QShortcut(QKeySequence(QStringLiteral("Ctrl+X")), this);
    connect(cut, &QShortcut::activated, this, &TConstForm::OdstranitClick);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    auto* hide = new QShortcut(QKeySequence(QStringLiteral("Ctrl+F4")), this);
    connect(hide, &QShortcut::activated, this, &QWidget::hide);
    auto* focusMain = new QShortcut(QKeySequence(QStringLiteral("Ctrl+Q")), this);
    connect(focusMain, &QShortcut::activated, this, [this] {
        main_.activateWindow();
        main_.ExprComboBox()->setFocus();
    });
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu_->popup(grid_->viewport()->mapToGlobal(at)); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (!model_.EditMode()) PouzitVeVyrazuClick();
    });
    connect(grid_, &QTableWidget::itemChanged, this, &TConstForm::CellChanged);

    // Placement and the widths of the first two columns from the settings.
    const Settings& settings = main_.Session().Values();
    // The value column keeps room for a value beside the first two columns.
    const int leastWidth = settings.Int(kSection, "Width0") + settings.Int(kSection, "Width1") +
                           fontMetrics().horizontalAdvance(QStringLiteral("Hodnota")) * 2;
    resize(std::max(settings.Int(kSection, "Width"), leastWidth), settings.Int(kSection, "Height"));
    const auto left = settings.OptionalInteger(kSection, "Left");
    const auto top = settings.OptionalInteger(kSection, "Top");
    if (left && top) move(static_cast<int>(*left), static_cast<int>(*top));
    grid_->setColumnWidth(0, settings.Int(kSection, "Width0"));
    grid_->setColumnWidth(1, settings.Int(kSection, "Width1"));
    ApplyTexts();
    Fill();
}

void TConstForm::ApplyTexts() {
    setWindowTitle(Text("Caption", "Uživatelské konstanty"));
    grid_->setHorizontalHeaderLabels({Text("NameColumn", "Název"),
                                      Text("ShortcutColumn", "Kláv. zkratka"),
                                      Text("ValueColumn", "Hodnota")});
    for (const ActionRow& row : kActions) Action(row.Name)->setText(Text(row.Name, row.Caption));
}

QString TConstForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(main_.Texts().Text(kSection, key, builtIn));
}

QAction* TConstForm::Action(std::string_view name) const {
    for (QAction* action : popupMenu_->actions()) {
        if (action->objectName() == ToQ(name)) return action;
    }
    return nullptr;
}

void TConstForm::Fill() {
    filling_ = true;
    const int current = grid_->currentRow();
    grid_->setRowCount(static_cast<int>(model_.Rows().size()));
    for (std::size_t r = 0; r < model_.Rows().size(); ++r) {
        for (std::size_t c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(ToQ(model_.Rows()[r][c]));
            grid_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    const int rows = grid_->rowCount();
    grid_->setCurrentCell(std::clamp(current, 0, rows - 1), std::max(0, grid_->currentColumn()));
    filling_ = false;
    RefreshMode();
}

void TConstForm::RefreshMode() {
    const bool edit = model_.EditMode();
    Action("EditovatItem")->setChecked(edit);
    for (const char* name : {"VlozitItem", "PridatItem", "OdstranitItem"})
        Action(name)->setEnabled(edit);
    grid_->setSelectionBehavior(edit ? QAbstractItemView::SelectItems
                                     : QAbstractItemView::SelectRows);
    grid_->setEditTriggers(edit ? QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed
                                : QAbstractItemView::NoEditTriggers);
    // The shortcut column takes key presses, never typed text.
    filling_ = true;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        if (QTableWidgetItem* item = grid_->item(r, kShortcutColumn))
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    }
    filling_ = false;
}

void TConstForm::CellChanged(QTableWidgetItem* item) {
    if (filling_) return;
    model_.SetCell(static_cast<std::size_t>(item->row()), static_cast<std::size_t>(item->column()),
                   ToStd(item->text()));
}

void TConstForm::EditovatClick() {
    model_.ToggleEditMode();
    RefreshMode();
}

void TConstForm::VlozitClick() {
    if (model_.InsertRow(static_cast<std::size_t>(std::max(0, grid_->currentRow())))) Fill();
}

void TConstForm::PridatClick() {
    if (!model_.AppendRow()) return;
    Fill();
    grid_->setCurrentCell(grid_->rowCount() - 1, 0);
}

void TConstForm::OdstranitClick() {
    if (model_.RemoveRow(static_cast<std::size_t>(std::max(0, grid_->currentRow())))) Fill();
}

void TConstForm::PouzitVeVyrazuClick() {
    const int row = grid_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= model_.Rows().size()) return;
    const QString value = ToQ(model_.Rows()[static_cast<std::size_t>(row)][2]).trimmed();
    main_.InsertIntoInputLine(value);
    close();
}

void TConstForm::Store() {
    main_.SetUserConstants(model_.ToList());
}

bool TConstForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) Store();
    return QWidget::event(event);
}

void TConstForm::closeEvent(QCloseEvent* event) {
    Store();
    Settings& settings = main_.Session().Values();
    settings.SetOptionalInteger(kSection, "Left", x());
    settings.SetOptionalInteger(kSection, "Top", y());
    settings.SetInteger(kSection, "Width", width());
    settings.SetInteger(kSection, "Height", height());
    settings.SetInteger(kSection, "Width0", grid_->columnWidth(0));
    settings.SetInteger(kSection, "Width1", grid_->columnWidth(1));
    QWidget::closeEvent(event);
}

bool TConstForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress && model_.EditMode() &&
        grid_->currentColumn() == kShortcutColumn && grid_->currentRow() >= 0) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsReservedKey(key->key())) return false;
        const int row = grid_->currentRow();
        QString text;
        if (key->key() != Qt::Key_Delete && key->key() != Qt::Key_Backspace) {
            text = ShortcutText(key->key(), key->modifiers());
            if (text.isEmpty()) return true;  // a modifier alone: wait for the key
        }
        model_.SetCell(static_cast<std::size_t>(row), kShortcutColumn, ToStd(text));
        filling_ = true;
        grid_->item(row, kShortcutColumn)->setText(text);
        filling_ = false;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tarvix
