// The report selection dialog of the statistics window.
#include "ui/statistics/stat_s_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

TStatSForm::TStatSForm(ReportSelection& selection, std::string& comment,
                       const std::array<std::string, kReportItems>& itemTexts,
                       TextCatalog& texts, const QString& caption, QWidget* parent)
    : QDialog(parent), selection_(selection), comment_(comment) {
    setObjectName(QStringLiteral("StatSForm"));
    setWindowTitle(caption);
    setModal(true);
    auto text = [&texts](const CatalogText& entry) { return ToQ(CatalogString(texts, entry)); };
    auto* layout = new QVBoxLayout(this);
    auto* memoLabel = new QLabel(text(texts::StatSFormComment), this);
    memo_ = new QPlainTextEdit(ToQ(comment_), this);
    memo_->setObjectName(QStringLiteral("KomentarMemo"));
    memo_->setMaximumHeight(memo_->fontMetrics().lineSpacing() * 4);
    memoLabel->setBuddy(memo_);
    auto* listLabel = new QLabel(text(texts::StatSFormItems), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CheckListBox"));
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    for (std::size_t i = 0; i < kReportItems; ++i) {
        auto* item = new QListWidgetItem(ToQ(itemTexts[i]), list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(selection_.Items[i] ? Qt::Checked : Qt::Unchecked);
    }
    const int rowHeight = list_->sizeHintForRow(0) > 0 ? list_->sizeHintForRow(0) : 18;
    list_->setMinimumHeight(rowHeight * 8 + 8);
    listLabel->setBuddy(list_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(text(texts::StatSFormOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(text(texts::StatSFormCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("StornoButton"));
    connect(ok, &QPushButton::clicked, this, &TStatSForm::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(memoLabel);
    layout->addWidget(memo_);
    layout->addWidget(listLabel);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(420, 360);
}

void TStatSForm::OkClick() {
    for (int i = 0; i < list_->count() && i < static_cast<int>(kReportItems); ++i)
        selection_.Items[i] = list_->item(i)->checkState() == Qt::Checked;
    comment_ = ToStd(memo_->toPlainText());
    accept();
}

}  // namespace tarvix
