// TGrForm: the detailed chart window "Graf datové řady". The series, the
// selection, colours and texts live in a ChartModel; this window draws them
// with QCustomPlot (sorted line data as graphs with adaptive sampling, curves
// whose points keep their order as QCPCurve, bars as QCPBars) and binds the
// tool bar, scroll bars, track bars, status bar and popup menus to it. The
// cross-hair and the measuring reference live on their own buffered layer,
// so moving them repaints only that layer.
//
// Parts: gr_form.cpp (building, settings, series list), gr_form_view.cpp
// (drawing, axes, zoom, pan, cross-hair, scanning, animation),
// gr_form_commands.cpp (files, pictures, clipboard, print, colours, texts).
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "series/chart_axis.h"
#include "series/chart_messages.h"
#include "series/chart_model.h"
#include "series/chart_status.h"
#include "storage/data_file_commands.h"
#include "storage/text_catalog.h"

class QAction;
class QBoxLayout;
class QComboBox;
class QCPAbstractPlottable;
class QCPItemStraightLine;
class QCustomPlot;
class QLabel;
class QMenu;
class QMouseEvent;
class QScrollBar;
class QSlider;
class QStatusBar;
class QTimer;
class QToolBar;

namespace tarvix {

class Settings;
struct ChartTexts;

// What the chart window reaches outside itself.
struct GrFormContext {
    Calculator& Calc;          // message boxes
    TextCatalog& Texts;
    ChartShared& Shared;       // palette, title, orthonormal choice, complex mode
    FileChoicePort& Files;
    Settings* Values = nullptr;  // section GrForm; nullptr: defaults
    std::filesystem::path DataFolder;
};

// How the move and zoom commands act.
enum class MoveMode { Both, Horizontal, Vertical };

class TGrForm : public QWidget {
    Q_OBJECT

public:
    explicit TGrForm(GrFormContext context, QWidget* parent = nullptr);
    ~TGrForm() override;

    ChartModel& Model() { return model_; }
    QCustomPlot* Chart() const { return plot_; }
    QComboBox* SeriesComboBox() const { return seriesCombo_; }
    QSlider* SeriesTrackBar() const { return seriesTrack_; }
    QSlider* PointTrackBar() const { return pointTrack_; }
    QScrollBar* HorzScrollBar() const { return horzBar_; }
    QScrollBar* VertScrollBar() const { return vertBar_; }
    QAction* Action(const char* name) const;
    QString StatusPanel(int index) const;
    // The guide line that follows the mouse during an axis drag is shown.
    bool DragGuideShown() const;

    // --- Series
    // AddCurrentSeries: the current series added (all replaced first with
    // `replace`); the window is shown when the chart has series.
    bool AddCurrentSeries(const CurrentSeries& series, bool complexDomain, bool replace,
                          ChartKind kind);
    // Adds ready series (all replaced first with `replace`); the window is
    // shown when the chart has series. Returns whether it has series.
    bool AddSeriesList(std::vector<ChartSeries> series, bool replace);
    // Removes the selected series; an empty chart closes the window.
    void RemoveSelectedSeries();
    // Removes every series and closes the window.
    void RemoveAllSeries();
    // Redraws every series in its palette colour (after the selection changed
    // elsewhere) and refreshes the measuring reference.
    void RefreshSeries();
    // The name of the Y variable for the point track bar's hint.
    void SetYName(std::string name) { yName_ = std::move(name); }
    // Called with the derivative to make it the current series and add it.
    void SetDerivativeHandler(std::function<void(CurrentSeries)> handler) {
        derivativeHandler_ = std::move(handler);
    }
    // Called by "Přidat datovou řadu" to add a series; without it the
    // button runs the derivative of its drop-down.
    void SetAddSeriesHandler(std::function<void()> handler) { addSeriesHandler_ = std::move(handler); }
    // Whether the derivative command is offered (real domain, a current series).
    void SetDerivativeEnabled(bool enabled);

    // --- View
    void ZoomIn(bool large = true);
    void ZoomOut(bool large = true);
    void DefaultScale();
    void SetMoveMode(MoveMode mode);
    void SetZoomStep(double percent);
    void SetOrthonormal(bool on);
    bool Orthonormal() const { return model_.Empty() ? false : shared_.Orthonormal; }
    AxisRange XRange() const;
    AxisRange YRange() const;
    void SetScanning(bool on);
    void SetMeasuring(bool on);
    void SetAnimating(bool on);
    bool Animating() const;
    void SetHideUnselected(bool on);
    void SetCursorSwitch(bool on);
    // The pointer at a point of the plot area (as a mouse move would).
    void PointAt(const QPointF& position);
    void ScanTo(int index);
    // The plottable that draws series i.
    QCPAbstractPlottable* Plottable(int index) const;

    // --- Commands
    bool LoadXyFile(const std::filesystem::path& file);
    // Writes the picture; the format follows the extension (png, svg, pdf, bmp).
    bool SavePicture(const std::filesystem::path& file);
    void CopyPicture();
    void CopyStatusLine();
    void Print();
    void ApplyTexts();

signals:
    void SeriesCountChanged(int count);
    // The window is being destroyed: holders drop their pointer before its
    // children go (a pointer read then would reach a half-destroyed window).
    void Destroying();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // gr_form.cpp
    void BuildToolBar();
    // The tool bars side by side when both fit the width, else one above the other.
    void ArrangeToolRows();
    void BuildSelector();
    void BuildStatusBar();
    void BuildPopupMenu();
    QAction* NewAction(const char* name, const char* key, const char* caption,
                       std::function<void()> command, bool checkable = false);
    QString Text(const char* key, const char* builtIn) const;
    void LoadSettings();
    void StoreSettings();
    void SyncSeriesControls();
    void SelectSeries(int index);
    // After series were added: scroll bars centred, plottables, controls and scale.
    void SeriesAdded(bool changed, bool replace);

    // gr_form_view.cpp
    void RebuildPlottables();
    // Plottables for the series added since the last drawing.
    void AppendPlottables();
    void ApplyColors();
    void Replot();
    bool ApplyOrthonormal();  // true when it changed the left axis
    void SetRanges(std::optional<AxisRange> x, std::optional<AxisRange> y);
    void ScrollMoved(bool horizontal, int position);
    void MouseMove(QMouseEvent* event);
    void MousePress(QMouseEvent* event);
    void MouseRelease(QMouseEvent* event);
    void MoveCrossHair(double x, double y, bool visible);
    void DrawReference();
    void UpdateStatus();
    void AnimationStep();
    void SetHighlight(bool on);
    // The data changed (series added, removed, loaded or transformed): the
    // scanned point, the measuring reference and the cross-hair belonged to
    // the data before, so scanning and measuring end and the status restarts.
    void DataChanged();

    // gr_form_commands.cpp
    void OpenXyFile();
    void SavePictureAs();
    void ChooseSeriesColors();
    void ChooseBackground();
    void ChooseCrossHairColor();
    void EditTexts();
    // "&OK" of the texts dialog; false when a value does not read.
    bool ApplyChartTexts(const ChartTexts& texts);
    void Derivative();
    void ShowError(std::string_view key, std::string_view argument = {}, int helpContext = 0);

    GrFormContext context_;
    ChartShared& shared_;
    ChartMessageTable messages_;
    ChartModel model_;
    std::string yName_ = "Y";
    std::function<void(CurrentSeries)> derivativeHandler_;
    std::function<void()> addSeriesHandler_;

    QCustomPlot* plot_ = nullptr;
    QWidget* toolArea_ = nullptr;  // the two tool bars, in one row or two
    QBoxLayout* toolRows_ = nullptr;
    QToolBar* toolBar_ = nullptr;        // files, zoom and moves
    QToolBar* seriesToolBar_ = nullptr;  // the series commands
    QScrollBar* horzBar_ = nullptr;
    QScrollBar* vertBar_ = nullptr;
    QWidget* selector_ = nullptr;
    QSlider* seriesTrack_ = nullptr;
    QSlider* pointTrack_ = nullptr;
    QComboBox* seriesCombo_ = nullptr;
    QComboBox* zoomCombo_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    std::array<QLabel*, 8> panels_{};
    QMenu* popup_ = nullptr;
    QMenu* copyMenu_ = nullptr;
    QMenu* addMenu_ = nullptr;
    QTimer* animation_ = nullptr;
    std::map<std::string, QAction*, std::less<>> actions_;
    QCPItemStraightLine* crossV_ = nullptr;
    QCPItemStraightLine* crossH_ = nullptr;
    QCPItemStraightLine* refV_ = nullptr;
    QCPItemStraightLine* refH_ = nullptr;
    // During an axis drag: a line at the pressed value and one following
    // the mouse, on the cross-hair's layer.
    QCPItemStraightLine* dragFrom_ = nullptr;
    QCPItemStraightLine* dragTo_ = nullptr;
    void MoveDragGuides(const QPointF& at, bool start);
    void HideDragGuides();
    std::vector<QCPAbstractPlottable*> plottables_;

    MoveMode moveMode_ = MoveMode::Both;
    double zoomStep_ = 5.0;
    bool cursorSwitch_ = true;  // on: normal pointer, no cross-hair
    bool scanning_ = false;
    bool hideUnselected_ = false;
    bool highlighted_ = false;
    bool savedCursorSwitch_ = true;  // while unselected series are hidden
    int animationDirection_ = 1;
    int horzPos_ = 50;
    int vertPos_ = 50;
    bool inOrthonormal_ = false;
    ChartPointer pointer_;
    std::optional<ChartReference> reference_;
    // An axis drag in progress: the axis and the value under the press.
    enum class DragAxis { None, Bottom, Left };
    DragAxis drag_ = DragAxis::None;
    double dragValue_ = 0.0;
    Rgb defaultBackground_{255, 255, 240};
    Rgb defaultCrossHair_{0, 0, 255};
};

// "Graf datové řady" window's caption texts section.
inline constexpr const char* kGrFormSection = "GrForm";

}  // namespace tarvix
