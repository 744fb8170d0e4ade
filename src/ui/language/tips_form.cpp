// TTipsForm: the tip of the day.
#include "ui/language/tips_form.h"

#include <QCheckBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "storage/settings_store.h"
#include "storage/text_catalog.h"
#include "ui/language/language_hub.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

constexpr std::string_view kSection = "Tips";

std::uint32_t Seed() {
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

}  // namespace

TTipsForm::TTipsForm(std::vector<std::string> tips, TextCatalog& texts, bool showAtStart,
                     std::function<void(bool)> changed, QWidget* parent)
    : QDialog(parent),
      texts_(texts),
      tips_(std::move(tips)),
      deck_(tips_.size(), Seed()),
      changed_(std::move(changed)) {
    setObjectName(QStringLiteral("TipsForm"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);

    headingLabel_ = new QLabel(this);
    headingLabel_->setObjectName(QStringLiteral("VitezeLabel"));
    QFont heading = headingLabel_->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    headingLabel_->setFont(heading);

    tipLabel_ = new QLabel(this);
    tipLabel_->setObjectName(QStringLiteral("TipLabel"));
    tipLabel_->setWordWrap(true);
    tipLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tipLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    tipLabel_->setMinimumSize(tipLabel_->fontMetrics().averageCharWidth() * 52,
                              tipLabel_->fontMetrics().lineSpacing() * 6);

    auto* text = new QVBoxLayout;
    text->addWidget(headingLabel_);
    text->addWidget(tipLabel_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);

    showCheckBox_ = new QCheckBox(this);
    showCheckBox_->setObjectName(QStringLiteral("ZobrazovatCheckBox"));
    showCheckBox_->setChecked(showAtStart);
    connect(showCheckBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (changed_) changed_(on);
    });
    nextButton_ = new QPushButton(this);
    nextButton_->setObjectName(QStringLiteral("DalsiTipButton"));
    connect(nextButton_, &QPushButton::clicked, this, &TTipsForm::DalsiTipButtonClick);
    closeButton_ = new QPushButton(this);
    closeButton_->setObjectName(QStringLiteral("ZavritButton"));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showCheckBox_);
    buttons->addStretch(1);
    buttons->addWidget(nextButton_);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    ApplyTexts();
    // The first tip is drawn when the window opens.
    DalsiTipButtonClick();
}

void TTipsForm::ApplyTexts() {
    setWindowTitle(ToQ(texts_.Text("Title", "TipsForm", "Tip dne")));
    headingLabel_->setText(ToQ(texts_.Text(kSection, "DidYouKnow", "Víte že ...")));
    showCheckBox_->setText(ToQ(texts_.Text(kSection, "ShowAtStart", "Z&obrazovat tipy při spuštění")));
    nextButton_->setText(ToQ(texts_.Text(kSection, "NextTip", "&Další tip")));
    closeButton_->setText(ToQ(texts_.Text(kSection, "Close", "&Zavřít")));
    if (!shown_) tipLabel_->setText(ToQ(texts_.Text(kSection, "NoTips", "Nejsou k dispozici žádné tipy")));
}

void TTipsForm::SetTips(std::vector<std::string> tips) {
    tips_ = std::move(tips);
    deck_ = TipDeck(tips_.size(), Seed());
    shown_.reset();
    DalsiTipButtonClick();
}

void TTipsForm::DalsiTipButtonClick() {
    shown_ = deck_.Next();
    if (shown_) {
        tipLabel_->setText(ToQ(tips_[*shown_]));
    } else {
        tipLabel_->setText(ToQ(texts_.Text(kSection, "NoTips", "Nejsou k dispozici žádné tipy")));
    }
}

QString TTipsForm::TipText() const { return tipLabel_->text(); }

TTipsForm* ShowTipsForm(QWidget* parent, TextCatalog& texts, TLanguageHub& language,
                        Settings& settings) {
    if (auto* open = parent->findChild<TTipsForm*>()) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* form = new TTipsForm(
        LoadTips(language.Folders(), ToStd(language.Language())), texts,
        settings.Bool("Help", "TipsOfTheDay"),
        [&settings](bool on) { settings.SetBool("Help", "TipsOfTheDay", on); }, parent);
    QObject::connect(&language, &TLanguageHub::LanguageChanged, form,
                     [form, &language](const QString& word) {
                         form->SetTips(LoadTips(language.Folders(), ToStd(word)));
                     });
    form->show();
    return form;
}

}  // namespace tarvix
