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
    : QDialog(parent) {
    setObjectName(QStringLiteral("THolidayListDialog"));
    setWindowTitle(ToQ(texts.Text("HolidayListDialog", "Caption", "Svátky")));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(
        ToQ(texts.Text("HolidayListDialog", "Prompt", "Jeden svátek na řádek: DD.MM.   popis")),
        this);
    layout->addWidget(prompt);
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
    buttons->addButton(ToQ(texts.Text("Msg", "Msg_ButtonOk", "OK")), QDialogButtonBox::AcceptRole);
    buttons->addButton(ToQ(texts.Text("Msg", "Msg_ButtonCancel", "Storno")),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(420, 320);
}

std::vector<std::string> THolidayListDialog::Lines() const {
    std::vector<std::string> lines;
    for (const QString& line : editor_->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) lines.push_back(ToStd(line));
    }
    return lines;
}

}  // namespace tarvix
