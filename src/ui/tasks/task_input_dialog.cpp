// The input box of INPUT.
#include "ui/tasks/task_input_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "calculator/calculator_messages.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

TTaskInputDialog::TTaskInputDialog(const QString& caption, const QString& prompt,
                                   const QString& defaultText, const CalculatorMessageTable& texts,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TaskInputDialog"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    layout->addWidget(label);
    edit_ = new QLineEdit(defaultText, this);
    edit_->selectAll();
    label->setBuddy(edit_);
    layout->addWidget(edit_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(ToQ(texts.Text(calcmsg::ButtonOk)),
                                         QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(ToQ(texts.Text(calcmsg::ButtonCancel)), QDialogButtonBox::RejectRole);
    QPushButton* help =
        buttons->addButton(ToQ(texts.Text(calcmsg::ButtonHelp)), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("HelpButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &TTaskInputDialog::HelpRequested);
    setMinimumWidth(300);
}

QString TTaskInputDialog::Text() const {
    return edit_->text();
}

}  // namespace tarvix
