// The statistics window's widgets: the grid panel and its splitter, the result
// panels, the buttons, the actions and the grid's pop-up menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/statistics/stat_form.h"
#include "ui/statistics/stat_table_model.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {
namespace {

// The grid's cell editor: Up and Down commit the typed text, close the
// editor and hand the key to the window, which moves the cell cursor (and
// appends or drops the last row) as for the grid's own arrow keys; the
// editor opens again on the new cell.
class StatCellDelegate : public QStyledItemDelegate {
public:
    StatCellDelegate(std::function<void(int key)> arrow, QObject* parent)
        : QStyledItemDelegate(parent), arrow_(std::move(arrow)) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain =
                (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
            if (plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                arrow_(key->key());
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    std::function<void(int)> arrow_;
};

}  // namespace

QAction* TStatForm::NewAction(std::string_view name, std::string_view key,
                              std::string_view caption, void (TStatForm::*handler)(),
                              std::string_view shortcut) {
    return NewAction(name, key, caption, [this, handler] { (this->*handler)(); }, shortcut);
}

QAction* TStatForm::NewAction(std::string_view name, std::string_view key,
                              std::string_view caption, std::function<void()> command,
                              std::string_view shortcut) {
    auto* action = new QAction(Text(key, caption), this);
    action->setObjectName(ToQ(name));
    if (!shortcut.empty()) {
        action->setShortcut(QKeySequence(ToQ(shortcut)));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(action, &QAction::triggered, this, std::move(command));
    actions_.emplace(std::string(name), action);
    return action;
}

QAction* TStatForm::Action(std::string_view name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TStatForm::BuildWidgets() {
    auto* layout = new QVBoxLayout(this);
    auto* splitter = new QSplitter(this);
    splitter_ = splitter;
    grid_ = new QTableView(splitter);
    grid_->setObjectName(QStringLiteral("DataStringGrid"));
    grid_->setModel(tableModel_);
    grid_->setItemDelegate(new StatCellDelegate([this](int key) { ArrowFromEditor(key); }, grid_));
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    grid_->horizontalHeader()->setMinimumSectionSize(1);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    grid_->installEventFilter(this);
    grid_->viewport()->setAcceptDrops(true);
    grid_->viewport()->installEventFilter(this);
    grid_->horizontalHeader()->installEventFilter(this);
    connect(tableModel_, &QAbstractItemModel::modelReset, this, [this] { RefreshNumberColumn(); });
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        RefreshCommands();
        popup_->popup(grid_->viewport()->mapToGlobal(at));
    });
    connect(grid_, &QTableView::doubleClicked, this, [this] {
        if (!model_.Table().EditMode()) EditovatClick();
    });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionPressed, this,
            [this](int section) { model_.Table().SetSelectedColumn(section == 0 ? 1 : section); });
    connect(grid_, &QTableView::pressed, this,
            [this] { model_.Table().SetSelectedColumn(-1); });
    splitter->addWidget(grid_);
    splitter->addWidget(BuildResults());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter, 1);

    auto* options = new QHBoxLayout;
    xy_ = new QCheckBox(this);
    xy_->setObjectName(QStringLiteral("xyCheckBox"));
    edit_ = new QCheckBox(this);
    edit_->setObjectName(QStringLiteral("EditovatCheckBox"));
    rndData_ = new QCheckBox(this);
    rndData_->setObjectName(QStringLiteral("RndDataCheckBox"));
    rndStat_ = new QCheckBox(this);
    rndStat_->setObjectName(QStringLiteral("RndStatCheckBox"));
    rndEdit_ = new QSpinBox(this);
    rndEdit_->setObjectName(QStringLiteral("RndEdit"));
    rndEdit_->setRange(1, 15);
    rndEdit_->setValue(model_.Options().RndPrecision);
    // x-y and editing on the first row, the rounding choices on the second.
    options->addWidget(xy_);
    options->addWidget(edit_);
    options->addStretch();
    layout->addLayout(options);
    auto* rounding = new QHBoxLayout;
    rounding->addWidget(rndData_);
    rounding->addWidget(rndStat_);
    rounding->addWidget(rndEdit_);
    rounding->addStretch();
    layout->addLayout(rounding);
    connect(xy_, &QCheckBox::clicked, this, [this](bool on) {
        model_.SetXy(on);
        RefreshColumns();
        ShowResults();
    });
    connect(edit_, &QCheckBox::clicked, this, [this] { EditovatClick(); });
    connect(rndData_, &QCheckBox::clicked, this, [this] { OptionsChanged(); });
    connect(rndStat_, &QCheckBox::clicked, this, [this] { OptionsChanged(); });
    connect(rndEdit_, &QSpinBox::valueChanged, this, [this] { OptionsChanged(); });

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("ProgressBar"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(8);
    layout->addWidget(progress_);
    layout->addWidget(BuildButtons());
}

int TStatForm::GridPanelWidth() const {
    return pendingPanelWidth_ > 0 ? pendingPanelWidth_ : FirstPane(*splitter_);
}

void TStatForm::SetGridPanelWidth(int width) {
    pendingPanelWidth_ = width;
    if (isVisible()) {
        SetFirstPane(*splitter_, width);
        pendingPanelWidth_ = 0;
    }
}

void TStatForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pendingPanelWidth_ > 0) {
        layout()->activate();
        SetFirstPane(*splitter_, pendingPanelWidth_);
        pendingPanelWidth_ = 0;
    }
}

QWidget* TStatForm::BuildResults() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    results_ = grid;
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    kind_ = new QComboBox(panel);
    kind_->setObjectName(QStringLiteral("RegKindComboBox"));
    connect(kind_, &QComboBox::activated, this, [this](int index) {
        model_.SetModel(static_cast<RegressionModel>(index));
        ApplyTexts();
        ShowResults();
    });
    grid->addWidget(kind_, 0, 0, 1, 3);
    labelHeader_ = new QLabel(panel);
    xHeader_ = new QLabel(panel);
    yHeader_ = new QLabel(panel);
    for (QLabel* h : {labelHeader_, xHeader_, yHeader_}) h->setStyleSheet("font-weight: bold");
    grid->addWidget(labelHeader_, 1, 0);
    grid->addWidget(xHeader_, 1, 1);
    grid->addWidget(yHeader_, 1, 2);
    for (std::size_t i = 0; i < kResultRows; ++i) {
        const int row = static_cast<int>(i) + 2;
        labels_[i] = new QLabel(panel);
        labels_[i]->setObjectName(QStringLiteral("ResultLabel%1").arg(i));
        xValues_[i] = new QLabel(panel);
        yValues_[i] = new QLabel(panel);
        xValues_[i]->setObjectName(QStringLiteral("xValue%1").arg(i));
        yValues_[i]->setObjectName(QStringLiteral("yValue%1").arg(i));
        for (QLabel* v : {xValues_[i], yValues_[i]})
            v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(labels_[i], row, 0);
        grid->addWidget(xValues_[i], row, 1);
        grid->addWidget(yValues_[i], row, 2);
    }
    covariance_ = new QLabel(panel);
    covariance_->setObjectName(QStringLiteral("KovarianceStaticText"));
    variability_ = new QLabel(panel);
    variability_->setObjectName(QStringLiteral("VariabilityStaticText"));
    function_ = new QLineEdit(panel);
    function_->setObjectName(QStringLiteral("RegresniRovniceEdit"));
    function_->setReadOnly(true);
    grid->addWidget(covariance_, 11, 1, 1, 2);
    grid->addWidget(variability_, 12, 1, 1, 2);
    grid->addWidget(function_, 13, 1, 1, 2);
    grid->setRowStretch(14, 1);
    return panel;
}

QWidget* TStatForm::BuildButtons() {
    // Two rows of five, so that the window can be as narrow as its default.
    auto* bar = new QWidget(this);
    auto* layout = new QGridLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    int placed = 0;
    struct ButtonRow {
        std::string_view Name, Key, Caption;
        void (TStatForm::*Handler)();
    };
    static constexpr ButtonRow kButtons[] = {
        {"PridatButton", "Add", "&Přidat", nullptr},
        {"VlozitButton", "Insert", "&Vložit", nullptr},
        {"VyjmoutButton", "Cut", "V&yjmout", nullptr},  // its drop-down: row or all
        {"AktualizovatButton", "Update", "&Aktualizovat", &TStatForm::AktualizovatButtonClick},
        {"GrafButton", "Chart", "&Graf", &TStatForm::ExportGrafItemClick},
        {"ImportButton", "Import", "&Import", &TStatForm::ImportSouborClick},
        {"ExportButton", "Export", "E&xport", &TStatForm::ExportSouborClick},
        {"UlozitButton", "Save", "&Uložit", &TStatForm::UlozitButtonClick},
        {"SkrytButton", "Hide", "&Skrýt", &TStatForm::SkrytClick},
        {"UkoncitButton", "Close", "&Ukončit", &TStatForm::UkoncitClick},
    };
    for (const ButtonRow& row : kButtons) {
        auto* button = new QPushButton(Text(row.Key, row.Caption), bar);
        button->setObjectName(ToQ(row.Name));
        button->setAutoDefault(false);
        const auto handler = row.Handler;
        if (handler) connect(button, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        buttons_.emplace(std::string(row.Name), button);
        layout->addWidget(button, placed / 5, placed % 5);
        ++placed;
    }
    pridat_ = buttons_.at("PridatButton");
    aktualizovat_ = buttons_.at("AktualizovatButton");
    connect(pridat_, &QPushButton::clicked, this, [this] { PridatButtonClick(false); });
    connect(buttons_.at("VlozitButton"), &QPushButton::clicked, this,
            [this] { VlozitButtonClick(false); });
    return bar;
}

void TStatForm::BuildPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu"));
    popup_->addAction(NewAction("EditovatItem", "Edit", "&Editovat", &TStatForm::EditovatClick,
                                "Ctrl+E"));
    popup_->addSeparator();
    popup_->addAction(NewAction("PridatItem", "AddRow", "&Přidat řádek",
                                [this] { PridatButtonClick(false); }));
    popup_->addAction(NewAction("VlozitItem", "InsertRow", "&Vložit řádek",
                                [this] { VlozitButtonClick(false); }));
    popup_->addAction(
        NewAction("VyjmoutItem", "CutRow", "V&yjmout řádek", &TStatForm::VyjmoutButtonClick));
    popup_->addAction(
        NewAction("VyjmoutVseItem", "CutAll", "Vyj&mout vše", &TStatForm::VyjmoutVseClick));
    popup_->addAction(NewAction("VlozitZDispleje", "FromDisplay", "Vl&ožit z displeje",
                                [this] { VlozitButtonClick(true); }));
    popup_->addAction(NewAction("PrenestDoVyrazuItem", "ToExpression", "Pře&nést do výrazu",
                                &TStatForm::PrenestDoVyrazuClick));
    popup_->addAction(NewAction("ZamenitSloupceItem", "SwapColumns", "&Zaměnit sloupce",
                                &TStatForm::ZamenitSloupceItemClick));
    popup_->addSeparator();
    QMenu* import = popup_->addMenu(Text("ImportMenu", "&Import"));
    import->addAction(NewAction("ImportSouborItem", "ImportFile", "&Soubor",
                                &TStatForm::ImportSouborClick, "Ctrl+O"));
    import->addAction(NewAction("ImportDatovaRadaItem", "ImportSeries", "&Datová řada Tarvix",
                                &TStatForm::ImportDatovaRadaClick));
    import->addAction(NewAction("ImportSchrankaItem", "ImportClipboard", "S&chránka Windows",
                                &TStatForm::ImportSchrankaClick));
    QMenu* exportMenu = popup_->addMenu(Text("ExportMenu", "&Export"));
    exportMenu->addAction(NewAction("ExportSouborItem", "ExportFile", "&Soubor",
                                    &TStatForm::ExportSouborClick, "Ctrl+S"));
    exportMenu->addAction(NewAction("ExportGrafItem", "ExportChart", "&Graf Tarvix",
                                    &TStatForm::ExportGrafItemClick));
    exportMenu->addAction(NewAction("ExportSchrankaItem", "ExportClipboard", "S&chránka Windows",
                                    &TStatForm::ExportSchrankaWindowsItemClick));
    // The drop-downs of the buttons offer the same commands.
    auto* cutMenu = new QMenu(this);
    cutMenu->addAction(Text("CutRowShort", "Řá&dek"), this, [this] { VyjmoutButtonClick(); });
    cutMenu->addAction(Text("CutAllShort", "&Vše"), this, [this] { VyjmoutVseClick(); });
    buttons_.at("VyjmoutButton")->setMenu(cutMenu);
    auto* hide = new QAction(this);
    hide->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QStringLiteral("Ctrl+F4"))});
    hide->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(hide, &QAction::triggered, this, [this] { SkrytClick(); });
    addAction(hide);
}

}  // namespace tarvix
