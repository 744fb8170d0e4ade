// The text search window: its layout, the search and its hits, going to a
// hit, its keys and its placement.
#include "ui/library/find_form.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/library/tool_icons.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/window_placement.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "FindForm";

enum HitColumn { kRowColumn = 0, kCategoryColumn = 1, kCommentColumn = 2 };

bool IsEnter(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// A character that starts a new search text (no command key with it).
bool IsTypedCharacter(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    return text.size() == 1 && text.front().isPrint() && !text.front().isSpace();
}

}  // namespace

TFindForm::TFindForm(FindFormServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
    setObjectName(QStringLiteral("FindForm"));
    setModal(true);
    setSizeGripEnabled(true);
    placement_ = ReadFindFormSettings(services_.Values);
    find_.History = ReadFindHistory(services_.Values);
    find_.HistoryLimit = FindHistoryLimit(services_.Values);
    Build();
    ApplyTexts();
    ApplyGeometry(*this, placement_.Left, placement_.Top, placement_.Width, placement_.Height);

    // The search texts of the main window; the newest is the search text.
    for (const std::string& text : find_.History) combo_->addItem(ToQ(text));
    combo_->setCurrentIndex(find_.History.empty() ? -1 : 0);
    ComboBoxChange();
}

TFindForm::~TFindForm() = default;

QString TFindForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(services_.Texts.Text(kSection, key, builtIn));
}

void TFindForm::Build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);

    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("ComboBox"));
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->lineEdit()->installEventFilter(this);
    connect(combo_, &QComboBox::editTextChanged, this, [this] { ComboBoxChange(); });
    row->addWidget(combo_, 1);

    const QStyle& look = *style();
    auto button = [this, row, &look](const char* name, bool toggle) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setIcon(LibraryToolIcon(name, look));
        b->setIconSize(QSize(20, 20));
        b->setAutoRaise(true);
        b->setCheckable(toggle);
        b->installEventFilter(this);
        row->addWidget(b);
        return b;
    };
    categButton_ = button("CategToolButton", true);
    commentButton_ = button("CommentToolButton", true);
    subCategButton_ = button("SubCategToolButton", true);
    findButton_ = button("FindToolButton", false);
    selectButton_ = button("SelectToolButton", false);
    categButton_->setChecked(find_.Options.Names);
    commentButton_->setChecked(find_.Options.Rows);
    subCategButton_->setChecked(find_.Options.Subtree);
    connect(categButton_, &QToolButton::clicked, this, [this] { CategToolButtonClick(); });
    connect(commentButton_, &QToolButton::clicked, this, [this] { CategToolButtonClick(); });
    connect(subCategButton_, &QToolButton::clicked, this, [this] { CategToolButtonClick(); });
    connect(findButton_, &QToolButton::clicked, this, [this] { FindToolButtonClick(); });
    connect(selectButton_, &QToolButton::clicked, this, [this] { SelectToolButtonClick(); });
    layout->addLayout(row);

    grid_ = new QTableWidget(0, 3, this);
    grid_->setObjectName(QStringLiteral("StringGrid"));
    grid_->setColumnHidden(kRowColumn, true);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int current) {
        if (!filling_) StringGridSelectCell(current);
    });
    connect(grid_, &QTableWidget::cellClicked, this,
            [this](int clicked) { StringGridSelectCell(clicked); });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { SelectToolButtonClick(); });
    layout->addWidget(grid_, 1);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    countPanel_ = new QLabel(statusBar_);
    countPanel_->setMinimumWidth(60);
    pathPanel_ = new QLabel(statusBar_);
    statusBar_->addWidget(countPanel_);
    statusBar_->addWidget(pathPanel_, 1);
    layout->addWidget(statusBar_);
}

void TFindForm::ApplyTexts() {
    setWindowTitle(Text("Caption", "Hledání textu"));
    struct Hint {
        QToolButton* Button;
        const char* Key;
        std::string_view BuiltIn;
    };
    const Hint hints[] = {
        {categButton_, "CategToolButtonHint", "Prohledat názvy kategorií"},
        {commentButton_, "CommentToolButtonHint", "Prohledat komentáře a úlohy"},
        {subCategButton_, "SubCategToolButtonHint", "Prohledat podkategorie"},
        {findButton_, "FindToolButtonHint", "Najdi text"},
        {selectButton_, "SelectToolButtonHint", "Jít k nalezené položce"},
    };
    for (const Hint& hint : hints) SetHint(hint.Button, Text(hint.Key, hint.BuiltIn));
    grid_->setHorizontalHeaderLabels(
        {QString(), Text("Category", "Kategorie"), Text("Comment", "Komentář")});
}

QToolButton* TFindForm::Button(const char* name) const {
    return findChild<QToolButton*>(QLatin1String(name));
}

QString TFindForm::StatusText(int panel) const {
    return panel == 0 ? countPanel_->text() : pathPanel_->text();
}

// --- Commands

void TFindForm::ComboBoxChange() {
    find_.Text = ToStd(combo_->currentText());
    RefreshCommands();
}

void TFindForm::CategToolButtonClick() {
    find_.Options.Names = categButton_->isChecked();
    find_.Options.Rows = commentButton_->isChecked();
    find_.Options.Subtree = subCategButton_->isChecked();
    RefreshCommands();
}

void TFindForm::RefreshCommands() {
    findButton_->setEnabled(find_.CanFind());
    selectButton_->setEnabled(find_.CanGo(services_.Library));
}

void TFindForm::FindToolButtonClick() {
    CategToolButtonClick();
    find_.Text = ToStd(combo_->currentText());
    if (!find_.CanFind()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool searched = find_.Find(services_.Library);
    QApplication::restoreOverrideCursor();
    if (!searched) return;
    // The search text heads the list of earlier ones.
    const QString text = combo_->currentText();
    {
        const QSignalBlocker blocker(combo_);
        combo_->clear();
        for (const std::string& entry : find_.History) combo_->addItem(ToQ(entry));
        combo_->setCurrentIndex(-1);
        combo_->setEditText(text);
    }
    ShowHits();
}

void TFindForm::ShowHits() {
    filling_ = true;
    const std::vector<LibraryHit>& hits = find_.Hits();
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(hits.size()));
    for (int r = 0; r < static_cast<int>(hits.size()); ++r) {
        const LibraryHit& hit = hits[static_cast<std::size_t>(r)];
        grid_->setItem(r, kRowColumn, new QTableWidgetItem(QString::number(hit.Row)));
        grid_->setItem(r, kCategoryColumn, new QTableWidgetItem(ToQ(hit.Category)));
        grid_->setItem(r, kCommentColumn, new QTableWidgetItem(ToQ(hit.Comment)));
    }
    if (find_.Current() >= 0) grid_->setCurrentCell(find_.Current(), kCategoryColumn);
    filling_ = false;
    countPanel_->setText(ToQ(find_.CountText()));
    pathPanel_->setText(ToQ(find_.PathText(services_.Library)));
    if (!hits.empty()) grid_->setFocus();
    RefreshCommands();
}

void TFindForm::StringGridSelectCell(int row) {
    find_.SetCurrent(row);
    pathPanel_->setText(ToQ(find_.PathText(services_.Library)));
    RefreshCommands();
    if (find_.CanGo(services_.Library)) GoToCurrent();
}

void TFindForm::GoToCurrent() {
    // The main window keeps the search texts from now on.
    WriteFindHistory(find_.History, services_.Values);
    if (find_.Go(services_.Library) && services_.ShowHit) services_.ShowHit();
}

void TFindForm::SelectToolButtonClick() {
    if (find_.CanGo(services_.Library)) GoToCurrent();
    accept();
}

// --- Keys, placement, closing

bool TFindForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool inSearchBox = watched == combo_->lineEdit();
    if (IsEnter(*key)) {
        if (watched == grid_) {
            SelectToolButtonClick();
        } else {
            FindToolButtonClick();
        }
        return true;
    }
    if (!inSearchBox && IsTypedCharacter(*key)) {
        // Typing elsewhere starts a new search text.
        combo_->setFocus(Qt::OtherFocusReason);
        combo_->setEditText(key->text());
        combo_->lineEdit()->setCursorPosition(static_cast<int>(key->text().size()));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFindForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placementApplied_) {
        placementApplied_ = true;
        grid_->setColumnWidth(kCategoryColumn, std::max(placement_.Width0, 20));
        ApplyState(*this, placement_.WindowState);
    }
    combo_->setFocus(Qt::ActiveWindowFocusReason);
    combo_->lineEdit()->selectAll();
}

void TFindForm::StorePlacement() {
    StoreGeometry(*this, placement_);
    placement_.Width0 = grid_->columnWidth(kCategoryColumn);
    WriteFindFormSettings(placement_, services_.Values);
}

void TFindForm::done(int result) {
    StorePlacement();
    grid_->setRowCount(0);
    find_.ClearHits();
    QDialog::done(result);
}

}  // namespace tarvix
