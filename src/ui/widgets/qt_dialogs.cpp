// The message box and the text question as Qt dialogs.
#include "ui/widgets/qt_dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <iterator>

#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// Every button with its role in the button box, in the order they are offered.
struct ButtonRow {
    MessageButton Button;
    QDialogButtonBox::ButtonRole Role;
};
constexpr ButtonRow kButtonRows[] = {
    {MessageButton::Yes, QDialogButtonBox::YesRole},
    {MessageButton::YesToAll, QDialogButtonBox::YesRole},
    {MessageButton::Ok, QDialogButtonBox::AcceptRole},
    {MessageButton::Retry, QDialogButtonBox::AcceptRole},
    {MessageButton::Ignore, QDialogButtonBox::AcceptRole},
    {MessageButton::All, QDialogButtonBox::AcceptRole},
    {MessageButton::No, QDialogButtonBox::NoRole},
    {MessageButton::NoToAll, QDialogButtonBox::NoRole},
    {MessageButton::Abort, QDialogButtonBox::RejectRole},
    {MessageButton::Cancel, QDialogButtonBox::RejectRole},
    {MessageButton::Help, QDialogButtonBox::HelpRole},
};

// The button that Enter presses, first found.
constexpr MessageButton kDefaultOrder[] = {MessageButton::Yes, MessageButton::Ok,
                                           MessageButton::Retry, MessageButton::No,
                                           MessageButton::Cancel};
// The button that Esc or closing the window stands for, first found.
constexpr MessageButton kEscapeOrder[] = {MessageButton::Cancel, MessageButton::No,
                                          MessageButton::Abort, MessageButton::Ok};

struct KindIcon {
    MessageKind Kind;
    QStyle::StandardPixmap Pixmap;
};
constexpr KindIcon kKindIcons[] = {
    {MessageKind::Warning, QStyle::SP_MessageBoxWarning},
    {MessageKind::Error, QStyle::SP_MessageBoxCritical},
    {MessageKind::Information, QStyle::SP_MessageBoxInformation},
    {MessageKind::Confirmation, QStyle::SP_MessageBoxQuestion},
    {MessageKind::Custom, QStyle::SP_MessageBoxInformation},
};

}  // namespace

TMessageDialog::TMessageDialog(const MessageBoxRequest& request,
                               const CalculatorMessageTable& texts, QWidget* parent)
    : QDialog(parent), request_(request) {
    setObjectName(QStringLiteral("MessageDialog"));
    setWindowTitle(ToQ(request.Caption));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("MessageIcon"));
    for (const auto& row : kKindIcons) {
        if (row.Kind != request.Kind) continue;
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(row.Pixmap, nullptr, this).pixmap(size, size));
    }
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* text = new QLabel(ToQ(request.Text), this);
    text->setObjectName(QStringLiteral("MessageText"));
    text->setTextFormat(Qt::PlainText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (request.BoldText) {
        QFont bold = text->font();
        bold.setBold(true);
        text->setFont(bold);
    }

    auto* box = new QDialogButtonBox(this);
    for (const auto& row : kButtonRows) {
        if (!request.Buttons.Has(row.Button)) continue;
        QPushButton* button = box->addButton(ToQ(ButtonCaption(row.Button, texts)), row.Role);
        button->setAutoDefault(false);
        buttons_[row.Button] = button;
        const MessageButton which = row.Button;
        connect(button, &QPushButton::clicked, this, [this, which] { Press(which); });
    }
    for (MessageButton which : kDefaultOrder) {
        if (auto* button = qobject_cast<QPushButton*>(Button(which))) {
            button->setDefault(true);
            button->setFocus();
            break;
        }
    }

    auto* body = new QHBoxLayout;
    body->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
    body->addWidget(icon);
    body->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addWidget(box);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QAbstractButton* TMessageDialog::Button(MessageButton button) const {
    const auto found = buttons_.find(button);
    return found == buttons_.end() ? nullptr : found->second;
}

void TMessageDialog::Press(MessageButton button) {
    if (button == MessageButton::Help) {
        emit HelpRequested(request_.HelpContext);
        return;
    }
    result_ = ButtonResult(button);
    done(static_cast<int>(result_));
}

void TMessageDialog::reject() {
    result_ = ModalResult::None;
    for (MessageButton which : kEscapeOrder) {
        if (request_.Buttons.Has(which)) {
            result_ = ButtonResult(which);
            break;
        }
    }
    done(static_cast<int>(result_));
}

QtDialogs::QtDialogs(const CalculatorMessageTable& texts, QWidget* parent)
    : texts_(texts), parent_(parent) {}

ModalResult QtDialogs::ShowMessage(const MessageBoxRequest& request) {
    if (messageHook_) return messageHook_(request);
    TMessageDialog dialog(request, texts_, parent_);
    QObject::connect(&dialog, &TMessageDialog::HelpRequested, &dialog, [this](int context) {
        if (helpHandler_) helpHandler_(context);
    });
    dialog.exec();
    return dialog.Result();
}

std::optional<std::string> QtDialogs::AskText(std::string_view caption, std::string_view prompt,
                                              std::string_view defaultText) {
    if (textHook_) return textHook_(caption, prompt, defaultText);
    bool ok = false;
    const QString answer = QInputDialog::getText(parent_, ToQ(caption), ToQ(prompt),
                                                 QLineEdit::Normal, ToQ(defaultText), &ok);
    if (!ok) return std::nullopt;
    return ToStd(answer);
}

}  // namespace tarvix
