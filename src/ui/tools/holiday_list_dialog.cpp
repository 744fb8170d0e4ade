// The holiday list editor.
#include "ui/tools/holiday_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

THolidayListDialog::THolidayListDialog(const std::vector<std::string>& lines, TextCatalog& texts,
                                       QWidget* parent)
    : QDialog(parent), texts_(texts) {
    setObjectName(QStringLiteral("THolidayListDialog"));
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel(this);
    layout->addWidget(prompt_);
    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("HolidaysMemo"));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList text;
    for (const std::string& line : lines) text << ToQ(line);
    editor_->setPlainText(text.join(QLatin1Char('\n')));
    layout->addWidget(editor_, 1);
    // Buttons with the program's own captions (Qt's standard ones would
    // take the toolkit's translation).
    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    cancelButton_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    ApplyTexts();
    resize(420, 320);
}

void THolidayListDialog::ApplyTexts() {
    setWindowTitle(ToQ(texts_.Text("HolidayListDialog", "Caption", "Svátky")));
    prompt_->setText(
        ToQ(texts_.Text("HolidayListDialog", "Prompt", "Jeden svátek na řádek: DD.MM.   popis")));
    okButton_->setText(ToQ(texts_.Text("Msg", "Msg_ButtonOk", "OK")));
    cancelButton_->setText(ToQ(texts_.Text("Msg", "Msg_ButtonCancel", "Storno")));
}

std::vector<std::string> THolidayListDialog::Lines() const {
    std::vector<std::string> lines;
    for (const QString& line : editor_->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) lines.push_back(ToStd(line));
    }
    return lines;
}

}  // namespace tarvix
