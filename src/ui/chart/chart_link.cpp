// TChartLink: the main window's charts.
#include "ui/chart/chart_link.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include "series/chart_palette_settings.h"
#include "ui/widgets/qt_text.h"
#include "ui/language/language_hub.h"

namespace tarvix {

TChartLink::TChartLink(ChartHost host) : host_(std::move(host)) {
    imageMenu_ = new QMenu(host_.Parent);
    imageMenu_->setObjectName(QStringLiteral("GrImagePopupMenu"));
    BuildImageMenu();
}

TChartLink::~TChartLink() {
    if (!form_) return;
    disconnect(form_, nullptr, this, nullptr);  // nothing reports back to a holder that is going
    delete form_;
}

bool TChartLink::ComplexDomain() const { return host_.Calc.NumericalScope() == nsComplex; }

bool TChartLink::HasCurrentSeries() const {
    const CurrentSeries& s = host_.Series();
    if (!ComplexDomain() && !s.Parametric) return s.RealCount() > 0;
    for (std::size_t r = 0; r < s.Re.size() && r < s.Im.size(); ++r) {
        if (!s.Re[r].empty() && !s.Im[r].empty()) return true;
    }
    return false;
}

TGrForm* TChartLink::EnsureForm() {
    if (form_) return form_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The palette of the settings, taken once: it lives for the program run
    // and the window writes it back when it closes.
    Settings* values = host_.Values ? host_.Values() : nullptr;
    if (values && !paletteRead_) {
        shared_.Palette = shared_.SavedPalette = ReadChartPalette(*values);
        paletteRead_ = true;
    }
    GrFormContext context{host_.Calc, host_.Texts, shared_, host_.Files, values,
                          host_.DataFolder ? host_.DataFolder() : std::filesystem::path()};
    form_ = new TGrForm(context, host_.Parent);
    form_->SetYName(host_.Calc.RegisterAt(BoxId::Y).Label);
    form_->SetDerivativeEnabled(!ComplexDomain() && HasCurrentSeries());
    form_->SetDerivativeHandler([this](CurrentSeries derivative) {
        if (host_.ReplaceSeries) host_.ReplaceSeries(std::move(derivative));
        AddSeriesToChart();
    });
    form_->SetAddSeriesHandler([this] {
        if (!host_.WorksheetSeries || !host_.WorksheetSeries()) AddSeriesToChart();
    });
    connect(form_, &TGrForm::SeriesCountChanged, this, &TChartLink::ChartChanged);
    connect(form_, &TGrForm::Destroying, this, [this] {
        form_ = nullptr;
        emit ChartChanged();
    });
    QApplication::restoreOverrideCursor();
    emit ChartChanged();
    return form_;
}

void TChartLink::DetailedChart() {
    TGrForm* form = EnsureForm();
    if (!form->Model().Empty()) {
        form->show();
        form->raise();
        return;
    }
    if (HasCurrentSeries()) {
        form->AddCurrentSeries(host_.Series(), ComplexDomain(), false, ChartKind::Bar);
    }
    if (form->Model().Empty()) form->close();
}

void TChartLink::AddSeriesToChart() {
    TGrForm* form = EnsureForm();
    form->SetYName(host_.Calc.RegisterAt(BoxId::Y).Label);
    form->SetDerivativeEnabled(!ComplexDomain() && HasCurrentSeries());
    if (!form->AddCurrentSeries(host_.Series(), ComplexDomain(), false, ChartKind::Line)) {
        form->close();
        return;
    }
    form->raise();
}

void TChartLink::AddSeriesFromImage() {
    AddSeriesToChart();
    if (form_) form_->RefreshSeries();
}

void TChartLink::RemoveSeries() {
    if (form_) form_->RemoveSelectedSeries();
}

void TChartLink::RemoveAllSeries() {
    if (form_) form_->RemoveAllSeries();
}

void TChartLink::SetComplexMode(ComplexChartMode mode) {
    shared_.ComplexMode = mode;
    AddSeriesToChart();
}

void TChartLink::PrepareExample(const ExampleSetup& setup) {
    if (image_) image_->Clear();
    shared_.Title = setup.Title;
    shared_.Orthonormal = setup.Orthonormal;
    if (form_) form_->SetOrthonormal(setup.Orthonormal);
}

void TChartLink::RedrawImage() {
    if (!image_) return;
    image_->ShowSeries(host_.Series(), ComplexDomain());
}

std::vector<long double> TChartLink::SelectedSeriesY() const {
    std::vector<long double> values;
    if (!form_) return values;
    if (const ChartSeries* s = form_->Model().SelectedSeries())
        values.assign(s->Y.begin(), s->Y.end());
    return values;
}

void TChartLink::AddSeries(const CurrentSeries& series) {
    TGrForm* form = EnsureForm();
    if (!form->AddCurrentSeries(series, ComplexDomain(), false, ChartKind::Line)) form->close();
}

void TChartLink::ShowMainChart(const CurrentSeries& series) {
    if (image_) image_->ShowSeries(series, ComplexDomain());
    if (host_.ShowChartPanel) host_.ShowChartPanel();
    emit ChartChanged();  // the menu's items follow the new series
}

TGrImage* TChartLink::CreateImage(QWidget* parent) {
    if (image_) return image_;
    image_ = new TGrImage(parent);
    image_->SetEmptyText(ToQ(host_.Texts.Text("Msg", "Msg_GenerateSeries", "Vygenerujte datovou řadu")));
    image_->SetPopupMenu(imageMenu_);
    connect(image_, &TGrImage::DoubleClicked, this, [this] { DetailedChart(); });
    connect(image_, &TGrImage::DragStarted, this, [this] {
        if (host_.SeriesToStatistics) host_.SeriesToStatistics();
    });
    return image_;
}

void TChartLink::BuildImageMenu() {
    struct Item {
        const char* Name;
        const char* Key;
        const char* Caption;
        void (TChartLink::*Command)();
    };
    static const Item items[] = {
        {"GrDetailniItem", "DetailedChart", "&Detailní graf řady", &TChartLink::DetailedChart},
        {"GrPridatItem", "AddToChart", "&Přidat řadu do detailního grafu",
         &TChartLink::AddSeriesFromImage},
        {"GrOdebratItem", "RemoveFromChart", "&Odebrat řadu z detailního grafu",
         &TChartLink::RemoveSeries},
        {"GrVyjmoutItem", "RemoveAllFromChart", "&Vyjmout vše z detailního grafu",
         &TChartLink::RemoveAllSeries},
        {"GrStatistikaItem", "ToStatistics", "Př&enést data do statistiky", nullptr},
    };
    for (const Item& item : items) {
        QAction* a = imageMenu_->addAction(QString());
        BindCatalogText(a, host_.Texts, "GrImagePopupMenu", item.Key, item.Caption);
        a->setObjectName(QLatin1String(item.Name));
        const auto command = item.Command;
        connect(a, &QAction::triggered, this, [this, command] {
            if (command) (this->*command)();
            else if (host_.SeriesToStatistics) host_.SeriesToStatistics();
        });
    }
    connect(imageMenu_, &QMenu::aboutToShow, this, [this] {
        const bool current = HasCurrentSeries();
        const bool charted = ChartHasSeries();
        const QList<QAction*> actions = imageMenu_->actions();
        actions[0]->setEnabled(current || charted);
        actions[1]->setEnabled(current);
        actions[2]->setEnabled(charted);
        actions[3]->setEnabled(charted);
        actions[4]->setEnabled(current && host_.SeriesToStatistics != nullptr);
    });
}

}  // namespace tarvix
