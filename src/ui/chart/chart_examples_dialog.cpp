// The example dialogs of the "&Graf" menu.
#include "ui/chart/chart_examples_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

const char* SectionOf(ExampleList list) {
    switch (list) {
        case ExampleList::Parametric: return "GrafForm";
        case ExampleList::Cartesian: return "Graf1FormIP";
        case ExampleList::Expansion: return "Graf1FormNR";
    }
    return "GrafForm";
}

}  // namespace

QString TChartExamplesDialog::ExampleName(TextCatalog& texts, ExampleList list, int index) {
    const TKrivka& k = ExampleTable(list)[static_cast<std::size_t>(index)];
    return ToQ(texts.Text(SectionOf(list), k.Key, k.Name));
}

TChartExamplesDialog::TChartExamplesDialog(ExampleList list, ExampleChoice& choice,
                                           TextCatalog& texts, QWidget* parent)
    : QDialog(parent), list_(list), choice_(choice), texts_(texts) {
    auto text = [&texts](const CatalogText& entry) { return ToQ(CatalogString(texts, entry)); };
    const bool parametric = list == ExampleList::Parametric;
    setObjectName(parametric ? QStringLiteral("GrafForm") : QStringLiteral("Graf1Form"));
    switch (list) {
        case ExampleList::Parametric:
            setWindowTitle(text(texts::GrafFormCaptionParametric));
            break;
        case ExampleList::Cartesian:
            setWindowTitle(text(texts::GrafFormCaptionCartesian));
            break;
        case ExampleList::Expansion:
            setWindowTitle(text(texts::GrafFormCaptionExpansion));
            break;
    }
    if (parent) move(parent->pos() + QPoint(146, 40));

    listBox_ = new QListWidget(this);
    listBox_->setObjectName(list == ExampleList::Parametric  ? QStringLiteral("KrivkaListBox")
                            : list == ExampleList::Cartesian ? QStringLiteral("KrivkaListBoxIP")
                                                             : QStringLiteral("KrivkaListBoxNR"));
    // The names are written into the list again each time (the language may
    // have changed).
    const int count = static_cast<int>(ExampleTable(list).size());
    for (int i = 0; i < count; ++i) listBox_->addItem(ExampleName(texts, list, i));
    choice_ = RestoredChoice(choice_, list);
    listBox_->setCurrentRow(choice_.Selected);
    listBox_->scrollToItem(listBox_->item(choice_.Top), QAbstractItemView::PositionAtTop);
    connect(listBox_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        choice_.Selected = row;
        const QListWidgetItem* top = listBox_->itemAt(0, 0);
        choice_.Top = top ? listBox_->row(top) : 0;
        ShowEquations(row);
    });
    connect(listBox_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* heading = new QLabel(
        parametric ? text(texts::GrafFormParametricLabel) : text(texts::GrafFormCartesianLabel),
        this);
    xEquation_ = new QLabel(this);
    xEquation_->setObjectName(QStringLiteral("XEquationLabel"));
    yEquation_ = new QLabel(this);
    yEquation_->setObjectName(QStringLiteral("YEquationLabel"));
    auto* equations = new QGridLayout;
    if (parametric) {
        equations->addWidget(new QLabel(text(texts::GrafFormXAxis), this), 0, 0);
        equations->addWidget(xEquation_, 0, 1);
        equations->addWidget(new QLabel(text(texts::GrafFormYAxis), this), 1, 0);
    } else {
        xEquation_->hide();
    }
    equations->addWidget(yEquation_, 1, 1);
    equations->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(text(texts::GrafFormOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(text(texts::GrafFormCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(listBox_, 1);
    layout->addWidget(heading);
    layout->addLayout(equations);
    layout->addWidget(buttons);
    resize(460, 420);
    ShowEquations(choice_.Selected);
}

void TChartExamplesDialog::ShowEquations(int index) {
    const TKrivka& k = ExampleTable(list_)[static_cast<std::size_t>(index)];
    xEquation_->setText(ToQ(k.XEquation));
    yEquation_->setText(ToQ(k.YEquation));
}

const TKrivka& TChartExamplesDialog::Selected() const {
    return ExampleTable(list_)[static_cast<std::size_t>(choice_.Selected)];
}

QString TChartExamplesDialog::SelectedName() const {
    return ExampleName(texts_, list_, choice_.Selected);
}

}  // namespace tarvix
