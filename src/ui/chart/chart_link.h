// TChartLink: the charts as the main window holds them. It owns the
// program-wide chart state (palette, title, orthonormal choice, complex
// chart mode, the remembered example choices), creates the detailed chart
// window on demand, draws the small chart after each run and answers the
// series engine's chart port. The main window supplies the current series
// and its own commands through ChartHost.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <filesystem>
#include <functional>

#include "series/chart_examples.h"
#include "series/chart_model.h"
#include "series/series_ports.h"
#include "ui/chart/gr_form.h"
#include "ui/chart/gr_image.h"

class QMenu;

namespace tarvix {

struct ChartHost {
    Calculator& Calc;
    TextCatalog& Texts;
    FileChoicePort& Files;
    QWidget* Parent;  // the main window
    std::function<Settings*()> Values;
    std::function<std::filesystem::path()> DataFolder;
    std::function<const CurrentSeries&()> Series;
    // Makes `series` the current series (the derivative of the chart).
    std::function<void(CurrentSeries)> ReplaceSeries;
    // The chart panel shown in place of the function panel.
    std::function<void()> ShowChartPanel;
    // "Př&enést data do statistiky".
    std::function<void()> SeriesToStatistics;
    // The chart's "Přidat datovou řadu": true when the matrix worksheet
    // exists and took the request (it adds its own data); false adds the
    // current series.
    std::function<bool()> WorksheetSeries = nullptr;
};

class TChartLink : public QObject, public ChartPort {
    Q_OBJECT

public:
    explicit TChartLink(ChartHost host);
    ~TChartLink() override;

    ChartShared& Shared() { return shared_; }
    ExampleChoice& Choice(ExampleList list) { return choices_[static_cast<std::size_t>(list)]; }
    // The detailed chart while it exists.
    TGrForm* Form() const { return form_; }
    TGrForm* EnsureForm();
    // The small chart, created once on `parent` (the chart panel).
    TGrImage* CreateImage(QWidget* parent);
    TGrImage* Image() const { return image_; }
    QMenu* ImagePopupMenu() const { return imageMenu_; }

    bool ComplexDomain() const;
    // The current series exists: real domain and not parametric, the results;
    // otherwise both rows of real and imaginary parts.
    bool HasCurrentSeries() const;
    bool ChartHasSeries() const { return form_ && !form_->Model().Empty(); }

    // --- Commands
    void DetailedChart();             // "&Detailní graf řady"
    void AddSeriesToChart();          // "&Přidat řadu do grafu"
    void AddSeriesFromImage();        // "&Přidat řadu do detailního grafu"
    void RemoveSeries();              // "&Odebrat řadu z grafu"
    void RemoveAllSeries();           // "&Vyjmout všechny řady z grafu"
    void SetComplexMode(ComplexChartMode mode);
    // After an example: the small chart is cleared, the title and the
    // orthonormal choice are set.
    void PrepareExample(const ExampleSetup& setup);
    // Redraws the small chart from the current series (or clears it).
    void RedrawImage();

    // ChartPort
    bool Exists() const override { return form_ != nullptr; }
    std::vector<long double> SelectedSeriesY() const override;
    void AddSeries(const CurrentSeries& series) override;
    void ShowMainChart(const CurrentSeries& series) override;

signals:
    // The chart window opened, closed or changed its series.
    void ChartChanged();

private:
    void BuildImageMenu();

    ChartHost host_;
    ChartShared shared_;
    bool paletteRead_ = false;  // from the settings, at the first window
    std::array<ExampleChoice, 3> choices_{};
    // Cleared by the window's Destroying signal, before its children go.
    TGrForm* form_ = nullptr;
    QPointer<TGrImage> image_;
    QMenu* imageMenu_ = nullptr;
};

}  // namespace tarvix
