// TChartTextsDialog: the chart's header, axis titles and transformation.
#include "ui/chart/chart_texts_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

TChartTextsDialog::TChartTextsDialog(const ChartTexts& texts, int seriesCount,
                                     TextCatalog& catalog, QWidget* parent, Apply apply)
    : QDialog(parent), apply_(std::move(apply)) {
    auto text = [&catalog](const CatalogText& entry) { return ToQ(CatalogString(catalog, entry)); };
    setObjectName(QStringLiteral("GrTextDlg"));
    setWindowTitle(text(texts::GrTextDlgCaption));
    header_ = new QLineEdit(ToQ(texts.Header), this);
    xTitle_ = new QLineEdit(ToQ(texts.XTitle), this);
    yTitle_ = new QLineEdit(ToQ(texts.YTitle), this);
    auto* form = new QFormLayout;
    form->addRow(text(texts::GrTextDlgHeader), header_);
    form->addRow(text(texts::GrTextDlgXAxis), xTitle_);
    form->addRow(text(texts::GrTextDlgYAxis), yTitle_);

    transform_ = new QCheckBox(text(texts::GrTextDlgTransform), this);
    transform_->setChecked(texts.Transform);
    kx_ = new QLineEdit(ToQ(texts.Kx), this);
    ky_ = new QLineEdit(ToQ(texts.Ky), this);
    px_ = new QLineEdit(ToQ(texts.Px), this);
    py_ = new QLineEdit(ToQ(texts.Py), this);
    series_ = new QSpinBox(this);
    series_->setRange(1, std::max(seriesCount, 1));
    series_->setValue(texts.Series + 1);
    auto* group = new QWidget(this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("x"), group), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("y"), group), 0, 2);
    // The labels' accelerators move to the fields beside them.
    auto label = [group](const QString& caption, QWidget* buddy) {
        auto* l = new QLabel(caption, group);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(text(texts::GrTextDlgConstant), kx_), 1, 0);
    grid->addWidget(kx_, 1, 1);
    grid->addWidget(ky_, 1, 2);
    grid->addWidget(label(text(texts::GrTextDlgShift), px_), 2, 0);
    grid->addWidget(px_, 2, 1);
    grid->addWidget(py_, 2, 2);
    grid->addWidget(label(text(texts::GrTextDlgSeries), series_), 3, 0);
    grid->addWidget(series_, 3, 1);
    group->setEnabled(texts.Transform);
    connect(transform_, &QCheckBox::toggled, group, &QWidget::setEnabled);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text(texts::GrTextDlgOk), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(text(texts::GrTextDlgCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(transform_);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void TChartTextsDialog::accept() {
    if (apply_ && !apply_(Result())) return;
    QDialog::accept();
}

ChartTexts TChartTextsDialog::Result() const {
    ChartTexts t;
    t.Header = ToStd(header_->text());
    t.XTitle = ToStd(xTitle_->text());
    t.YTitle = ToStd(yTitle_->text());
    t.Transform = transform_->isChecked();
    t.Kx = ToStd(kx_->text());
    t.Ky = ToStd(ky_->text());
    t.Px = ToStd(px_->text());
    t.Py = ToStd(py_->text());
    t.Series = series_->value() - 1;
    return t;
}

}  // namespace tarvix
