// TMemForm: the matrix memory dialog.
#include "ui/worksheet/mem_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// A caption: catalog key and built-in text.
struct CaptionRow {
    const char* Key;
    std::string_view Caption;
};
// The buttons.
constexpr CaptionRow kButtons[] = {{"PridatButton", "&Přidat"},
                                   {"OdstranitButton", "&Odstranit"},
                                   {"OdstranitVseButton", "Odstranit &vše"},
                                   {"OKButton", "O&K"},
                                   {"StornoButton", "&Storno"}};

// The field captions.
constexpr CaptionRow kLabels[] = {
    {"CisloLabel", "Číslo"}, {"RozmerLabel", "Typ"}, {"PoznamkaLabel", "&Poznámka"}};

}  // namespace

TMemForm::TMemForm(MatrixMemory& memory, TextCatalog& texts, const FormatOptions& format, int rows,
                   int cols, QWidget* parent)
    : QDialog(parent), memory_(memory), texts_(texts), format_(format), rows_(rows), cols_(cols) {
    setObjectName(QStringLiteral("MemForm"));
    setModal(true);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("TabList"));
    list_->setMinimumWidth(320);
    numberEdit_ = new QLineEdit(this);
    numberEdit_->setObjectName(QStringLiteral("CisloEdit"));
    numberEdit_->setReadOnly(true);
    typeEdit_ = new QLineEdit(this);
    typeEdit_->setObjectName(QStringLiteral("RozmerEdit"));
    typeEdit_->setReadOnly(true);
    noteEdit_ = new QLineEdit(this);
    noteEdit_->setObjectName(QStringLiteral("PoznamkaEdit"));

    auto* fields = new QHBoxLayout;
    for (QLabel*& label : labels_) label = new QLabel(this);
    auto [numberLabel, typeLabel, noteLabel] = labels_;
    noteLabel->setBuddy(noteEdit_);
    numberEdit_->setMaximumWidth(50);
    typeEdit_->setMaximumWidth(80);
    fields->addWidget(numberLabel);
    fields->addWidget(numberEdit_);
    fields->addWidget(typeLabel);
    fields->addWidget(typeEdit_);
    fields->addWidget(noteLabel);
    fields->addWidget(noteEdit_, 1);

    for (QPushButton*& button : buttons_) button = new QPushButton(this);
    auto [add, remove, clear, ok, cancel] = buttons_;
    addButton_ = add;
    removeButton_ = remove;
    clearButton_ = clear;
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {addButton_, removeButton_, clearButton_}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(addButton_, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { RemoveClick(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { RemoveAllClick(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(noteEdit_, &QLineEdit::textChanged, this, [this] { SelectionChanged(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { SelectionChanged(); });
    ApplyTexts();
    Reload(memory_.Count() - 1);
}

void TMemForm::ApplyTexts() {
    setWindowTitle(Text("Caption", "Matice"));
    typeEdit_->setToolTip(Text("RozmerEditHint", "Typ matice"));
    for (std::size_t i = 0; i < labels_.size(); ++i)
        labels_[i]->setText(Text(kLabels[i].Key, kLabels[i].Caption));
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setText(Text(kButtons[i].Key, kButtons[i].Caption));
}

QString TMemForm::Text(std::string_view key, std::string_view builtIn) const {
    return ToQ(texts_.Text("MemForm", key, builtIn));
}

int TMemForm::Choose() { return exec() == QDialog::Accepted ? SelectedIndex() : -1; }

int TMemForm::SelectedIndex() const {
    const int row = list_->currentRow();
    return row >= 0 && row < memory_.Count() ? row : -1;
}

void TMemForm::Reload(int select) {
    list_->clear();
    for (const std::string& line : memory_.MemoryIndex()) {
        QString shown = ToQ(line);
        list_->addItem(shown.replace(QLatin1Char('\t'), QStringLiteral("   ")));
    }
    if (select >= 0 && select < list_->count()) list_->setCurrentRow(select);
    numberEdit_->setText(ToQ(memory_.NextNumberText()));
    typeEdit_->setText(ToQ(MatrixMemory::TypeText(rows_, cols_)));
    SelectionChanged();
}

void TMemForm::SelectionChanged() {
    const int index = SelectedIndex();
    addButton_->setEnabled(!noteEdit_->text().trimmed().isEmpty());
    removeButton_->setEnabled(index >= 0);
    clearButton_->setEnabled(memory_.Count() > 0);
    numberEdit_->setToolTip(index >= 0 ? ToQ(memory_.Preview(index, format_)) : QString());
}

void TMemForm::AddClick() {
    const std::string note = ToStd(noteEdit_->text().trimmed());
    const int index = memory_.Add(rows_, cols_, note);
    if (index < 0) return;
    noteEdit_->clear();
    Reload(index);
}

void TMemForm::RemoveClick() {
    const int index = SelectedIndex();
    if (index < 0 || !memory_.Remove(index)) return;
    Reload(std::min(index, memory_.Count() - 1));
}

void TMemForm::RemoveAllClick() {
    memory_.Clear();
    Reload(-1);
}

}  // namespace tarvix
