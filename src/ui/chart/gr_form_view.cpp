// TGrForm: drawing the series, the axes (zoom, pan, drag, orthonormal
// scale), the cross-hair with the status bar, scanning, measuring,
// highlighting and animation.
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <cmath>
#include <qcustomplot.h>

#include "ui/chart/gr_form.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }

QVector<double> ToQVector(const std::vector<double>& v) {
    return QVector<double>(v.begin(), v.end());
}

bool IsSorted(const std::vector<double>& x) { return std::is_sorted(x.begin(), x.end()); }

}  // namespace

QCPAbstractPlottable* TGrForm::Plottable(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= plottables_.size()) return nullptr;
    return plottables_[static_cast<std::size_t>(index)];
}

void TGrForm::RebuildPlottables() {
    plot_->clearPlottables();
    plottables_.clear();
    AppendPlottables();
}

void TGrForm::AppendPlottables() {
    const std::vector<ChartSeries>& all = model_.Series();
    for (std::size_t i = plottables_.size(); i < all.size(); ++i) {
        const ChartSeries& s = all[i];
        QCPAbstractPlottable* p = nullptr;
        if (s.Kind == ChartKind::Bar) {
            auto* bars = new QCPBars(plot_->xAxis, plot_->yAxis);
            bars->setData(ToQVector(s.X), ToQVector(s.Y), IsSorted(s.X));
            bars->setWidth(s.XStep != 0.0L ? std::fabs(static_cast<double>(s.XStep)) * 0.8 : 0.8);
            p = bars;
        } else if (s.Ordered || !IsSorted(s.X)) {
            // The points keep their order: a parametric curve, the Gauss plane.
            auto* curve = new QCPCurve(plot_->xAxis, plot_->yAxis);
            curve->setData(ToQVector(s.X), ToQVector(s.Y));
            if (s.Dots) {
                curve->setLineStyle(QCPCurve::lsNone);
                curve->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 6));
            }
            p = curve;
        } else {
            QCPGraph* graph = plot_->addGraph();
            graph->setData(ToQVector(s.X), ToQVector(s.Y), true);
            graph->setAdaptiveSampling(true);
            graph->setLineStyle(s.Dots ? QCPGraph::lsNone : QCPGraph::lsLine);
            if (s.Dots) graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 6));
            p = graph;
        }
        p->setSelectable(QCP::stNone);
        plottables_.push_back(p);
    }
    ApplyColors();
}

void TGrForm::ApplyColors() {
    const QColor background = ToQColor(model_.Background());
    plot_->setBackground(QBrush(background));
    plot_->axisRect()->setBackground(QBrush(background));
    if (auto* title = qobject_cast<QCPTextElement*>(plot_->plotLayout()->element(0, 0))) {
        title->setText(ToQ(model_.Header));
        title->setTextColor(ToQColor(model_.HeaderColor()));
    }
    plot_->xAxis->setLabel(ToQ(model_.XTitle));
    plot_->yAxis->setLabel(ToQ(model_.YTitle));
    const Rgb dark = DarkenedBackground(model_.Background());
    for (std::size_t i = 0; i < plottables_.size(); ++i) {
        Rgb c = model_.SeriesColor(i);
        if (highlighted_ && model_.Count() > 1) {
            c = static_cast<int>(i) == model_.Selected() ? HighlightGrey(dark) : dark;
        }
        QCPAbstractPlottable* p = plottables_[i];
        p->setPen(QPen(ToQColor(c)));
        if (qobject_cast<QCPBars*>(p)) p->setBrush(QBrush(ToQColor(c)));
    }
    const QPen cross(ToQColor(model_.CrossHair()));
    for (QCPItemStraightLine* line : {crossV_, crossH_, refV_, refH_}) line->setPen(cross);
    for (QCPItemStraightLine* line : {dragFrom_, dragTo_})
        line->setPen(QPen(ToQColor(model_.CrossHair()), 1, Qt::DashLine));
    plot_->setCursor(cursorSwitch_ ? Qt::ArrowCursor : Qt::CrossCursor);
    Replot();
}

void TGrForm::Replot() {
    plot_->replot();
    // The plot area is known after a drawing; the orthonormal scale redraws
    // while it changes the left axis (tick labels may move the margins once).
    for (int pass = 0; pass < 3 && ApplyOrthonormal(); ++pass) plot_->replot();
    DrawReference();
}

bool TGrForm::ApplyOrthonormal() {
    if (inOrthonormal_ || !shared_.Orthonormal || model_.Empty()) return false;
    inOrthonormal_ = true;
    bool changed = false;
    const QRect area = plot_->axisRect()->rect();
    const AxisRange y = YRange();
    if (const auto left = OrthonormalLeft(y, XRange(), area.height(), area.width())) {
        if (left->Length() < y.Length() * (1.0 - 1e-12)) {
            // The left axis would cut off what it shows: the bottom axis
            // grows to the same scale instead.
            if (const auto bottom = OrthonormalLeft(XRange(), y, area.width(), area.height())) {
                const AxisRange x = XRange();
                const double grow = (bottom->Length() - x.Length()) / 2.0;
                plot_->xAxis->setRange(x.Min - grow, x.Max + grow);
                changed = true;
            }
        } else {
            changed = std::fabs(left->Max - y.Max) > 1e-12 * left->Length();
            if (changed) plot_->yAxis->setRange(left->Min, left->Max);
        }
    }
    inOrthonormal_ = false;
    return changed;
}

AxisRange TGrForm::XRange() const { return {plot_->xAxis->range().lower, plot_->xAxis->range().upper}; }
AxisRange TGrForm::YRange() const { return {plot_->yAxis->range().lower, plot_->yAxis->range().upper}; }

void TGrForm::SetRanges(std::optional<AxisRange> x, std::optional<AxisRange> y) {
    if (x) plot_->xAxis->setRange(x->Min, x->Max);
    if (y) plot_->yAxis->setRange(y->Min, y->Max);
    Replot();
}

void TGrForm::ZoomIn(bool large) {
    if (moveMode_ == MoveMode::Both) {
        const double f = 1.0 / kCentreZoomFactor;
        SetRanges(ZoomAboutCentre(XRange(), f), ZoomAboutCentre(YRange(), f));
        return;
    }
    const double f = ZoomFactor(zoomStep_, true, large);
    if (moveMode_ == MoveMode::Horizontal) SetRanges(ZoomRange(XRange(), f), std::nullopt);
    else SetRanges(std::nullopt, ZoomRange(YRange(), f));
}

void TGrForm::ZoomOut(bool large) {
    if (moveMode_ == MoveMode::Both) {
        SetRanges(ZoomAboutCentre(XRange(), kCentreZoomFactor),
                  ZoomAboutCentre(YRange(), kCentreZoomFactor));
        return;
    }
    const double f = ZoomFactor(zoomStep_, false, large);
    if (moveMode_ == MoveMode::Horizontal) SetRanges(ZoomRange(XRange(), f), std::nullopt);
    else SetRanges(std::nullopt, ZoomRange(YRange(), f));
}

void TGrForm::DefaultScale() {
    plot_->rescaleAxes(true);
    // A flat series still gets a visible range.
    for (QCPAxis* axis : {plot_->xAxis, plot_->yAxis}) {
        const QCPRange r = axis->range();
        if (!(r.upper > r.lower)) axis->setRange(r.lower - 1.0, r.upper + 1.0);
    }
    for (QScrollBar* bar : {horzBar_, vertBar_}) {
        bar->blockSignals(true);
        bar->setValue(50);
        bar->blockSignals(false);
    }
    horzPos_ = vertPos_ = 50;
    Replot();
}

void TGrForm::SetMoveMode(MoveMode mode) {
    moveMode_ = mode;
    const char* names[] = {"MoveBothAction", "MoveHorizontalAction", "MoveVerticalAction"};
    Action(names[static_cast<int>(mode)])->setChecked(true);
}

void TGrForm::SetZoomStep(double percent) {
    const int i = zoomCombo_->findData(percent);
    if (i >= 0) zoomCombo_->setCurrentIndex(i);
    zoomStep_ = percent;
}

void TGrForm::SetOrthonormal(bool on) {
    shared_.Orthonormal = on;
    Action("OrthonormalAction")->setChecked(on);
    if (!on) {
        // Back to the automatic maximum of the left axis.
        const AxisRange x = XRange();
        DefaultScale();
        SetRanges(x, std::nullopt);
        return;
    }
    Replot();
}

void TGrForm::ScrollMoved(bool horizontal, int position) {
    int& previous = horizontal ? horzPos_ : vertPos_;
    std::optional<AxisRange> moved;
    if (horizontal) {
        moved = PanRange(XRange(), previous, position, model_.XExtent(), -1);
        SetMoveMode(MoveMode::Horizontal);
    } else {
        moved = PanRange(YRange(), previous, position, model_.YExtent(), +1);
        SetMoveMode(MoveMode::Vertical);
    }
    previous = position;
    if (!moved) {
        DefaultScale();
        return;
    }
    // No orthonormal correction right after a scroll.
    if (horizontal) plot_->xAxis->setRange(moved->Min, moved->Max);
    else plot_->yAxis->setRange(moved->Min, moved->Max);
    plot_->replot();
    DrawReference();
}

void TGrForm::MoveCrossHair(double x, double y, bool visible) {
    crossV_->point1->setCoords(x, 0.0);
    crossV_->point2->setCoords(x, 1.0);
    crossH_->point1->setCoords(0.0, y);
    crossH_->point2->setCoords(1.0, y);
    crossV_->setVisible(visible);
    crossH_->setVisible(visible);
    plot_->layer(QStringLiteral("crosshair"))->replot();
}

void TGrForm::DrawReference() {
    const bool on = reference_.has_value() && !model_.Empty();
    if (on) {
        // A small cross at the reference point.
        const double dx = XRange().Length() / 50.0;
        const double dy = YRange().Length() / 50.0;
        refV_->point1->setCoords(reference_->X, reference_->Y - dy);
        refV_->point2->setCoords(reference_->X, reference_->Y + dy);
        refH_->point1->setCoords(reference_->X - dx, reference_->Y);
        refH_->point2->setCoords(reference_->X + dx, reference_->Y);
    }
    refV_->setVisible(on);
    refH_->setVisible(on);
    plot_->layer(QStringLiteral("crosshair"))->replot();
}

void TGrForm::UpdateStatus() {
    const ChartStatusTexts texts = StatusTexts(model_, pointer_, reference_);
    for (std::size_t i = 0; i < panels_.size(); ++i) panels_[i]->setText(ToQ(texts[i]));
}

void TGrForm::PointAt(const QPointF& position) {
    if (scanning_ || !plot_->axisRect()->rect().contains(position.toPoint())) return;
    pointer_.X = plot_->xAxis->pixelToCoord(position.x());
    pointer_.Y = plot_->yAxis->pixelToCoord(position.y());
    pointer_.Scanning = false;
    if (!Animating()) MoveCrossHair(pointer_.X, pointer_.Y, !cursorSwitch_);
    UpdateStatus();
}

void TGrForm::ScanTo(int index) {
    const ChartSeries* s = model_.SelectedSeries();
    if (!s || s->X.empty()) return;
    index = std::clamp(index, 0, static_cast<int>(s->X.size()) - 1);
    pointer_.Index = index;
    if (scanning_) {
        pointer_.Scanning = true;
        pointer_.X = s->X[static_cast<std::size_t>(index)];
        pointer_.Y = s->Y[static_cast<std::size_t>(index)];
        MoveCrossHair(pointer_.X, pointer_.Y, true);
    }
    pointTrack_->setToolTip(
        ToQ(messages_.Text(chartmsg::ParameterHint) + yName_ + "=" +
            (s->Parameter ? StatusNumber(*s->Parameter) : std::string()) + "\r" +
            messages_.Text(chartmsg::IndexHint) + std::to_string(index + 1)));
    UpdateStatus();
}

void TGrForm::MouseMove(QMouseEvent* event) {
    if (drag_ != DragAxis::None) {
        MoveDragGuides(event->position(), false);
        return;
    }
    PointAt(event->position());
}

// A vertical guide for the bottom axis, a horizontal one for the left axis,
// in pixel coordinates of the chart.
void TGrForm::MoveDragGuides(const QPointF& at, bool start) {
    const bool bottom = drag_ == DragAxis::Bottom;
    for (QCPItemStraightLine* line : {dragFrom_, dragTo_}) {
        if (line == dragFrom_ && !start) continue;
        line->point1->setType(QCPItemPosition::ptAbsolute);
        line->point2->setType(QCPItemPosition::ptAbsolute);
        if (bottom) {
            line->point1->setCoords(at.x(), 0.0);
            line->point2->setCoords(at.x(), 1.0);
        } else {
            line->point1->setCoords(0.0, at.y());
            line->point2->setCoords(1.0, at.y());
        }
        line->setVisible(true);
    }
    plot_->layer(QStringLiteral("crosshair"))->replot();
}

void TGrForm::HideDragGuides() {
    dragFrom_->setVisible(false);
    dragTo_->setVisible(false);
    plot_->layer(QStringLiteral("crosshair"))->replot();
}

bool TGrForm::DragGuideShown() const { return dragTo_->visible(); }

void TGrForm::MousePress(QMouseEvent* event) {
    const QPointF at = event->position();
    if (event->button() != Qt::LeftButton) return;
    if (plot_->xAxis->selectTest(at, false) >= 0 &&
        plot_->xAxis->selectTest(at, false) < plot_->selectionTolerance()) {
        drag_ = DragAxis::Bottom;
        dragValue_ = plot_->xAxis->pixelToCoord(at.x());
        MoveDragGuides(at, true);
        return;
    }
    if (plot_->yAxis->selectTest(at, false) >= 0 &&
        plot_->yAxis->selectTest(at, false) < plot_->selectionTolerance()) {
        drag_ = DragAxis::Left;
        dragValue_ = plot_->yAxis->pixelToCoord(at.y());
        MoveDragGuides(at, true);
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        // Shift+click: the x and y values appended to the clipboard text.
        const ChartStatusTexts t = StatusTexts(model_, pointer_, reference_);
        auto value = [](const std::string& panel) { return panel.substr(panel.find('=') + 1); };
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(clipboard->text() + ToQ(value(t[1]) + "\t" + value(t[2]) + "\r\n"));
    }
}

void TGrForm::MouseRelease(QMouseEvent* event) {
    if (drag_ == DragAxis::None) return;
    HideDragGuides();
    const bool keepMax = event->modifiers() & Qt::ShiftModifier;
    if (drag_ == DragAxis::Bottom) {
        const double release = plot_->xAxis->pixelToCoord(event->position().x());
        SetRanges(DragRange(XRange(), dragValue_, release, keepMax), std::nullopt);
    } else {
        const double release = plot_->yAxis->pixelToCoord(event->position().y());
        SetRanges(std::nullopt, DragRange(YRange(), dragValue_, release, keepMax));
    }
    drag_ = DragAxis::None;
}

void TGrForm::SetScanning(bool on) {
    scanning_ = on;
    Action("ScanAction")->setChecked(on);
    if (on) SetCursorSwitch(false);
    pointer_.Scanning = on;
    if (on) ScanTo(pointTrack_->value());
    else UpdateStatus();
}

void TGrForm::DataChanged() {
    scanning_ = false;
    Action("ScanAction")->setChecked(false);
    Action("MeasureAction")->setChecked(false);
    reference_.reset();
    pointer_ = ChartPointer{};
    pointTrack_->blockSignals(true);
    pointTrack_->setValue(0);
    pointTrack_->blockSignals(false);
    pointTrack_->setToolTip(Text("PointTrackHint", "Index bodu v datové řadě"));
    MoveCrossHair(0.0, 0.0, false);
    DrawReference();
    UpdateStatus();
}

void TGrForm::SetMeasuring(bool on) {
    Action("MeasureAction")->setChecked(on);
    if (on) {
        const ChartSeries* s = model_.SelectedSeries();
        if (scanning_ && s && !s->X.empty()) {
            reference_ = ChartReference{pointer_.X, pointer_.Y, pointer_.Index};
        } else {
            reference_ = ChartReference{};
        }
    } else {
        reference_.reset();
    }
    DrawReference();
    UpdateStatus();
}

bool TGrForm::Animating() const { return animation_->isActive(); }

void TGrForm::SetAnimating(bool on) {
    Action("AnimateAction")->setChecked(on && model_.Count() > 0);
    if (on && model_.Count() > 0 && !hideUnselected_) {
        animationDirection_ = 1;
        MoveCrossHair(0, 0, false);
        animation_->start();
        return;
    }
    animation_->stop();
    for (QCPAbstractPlottable* p : plottables_) p->setVisible(true);
    plot_->replot();
}

void TGrForm::AnimationStep() {
    const int count = static_cast<int>(model_.Count());
    if (count == 0) {
        SetAnimating(false);
        return;
    }
    int next = model_.Selected() + animationDirection_;
    if (next >= count || next < 0) {
        animationDirection_ = -animationDirection_;
        next = std::clamp(model_.Selected() + animationDirection_, 0, count - 1);
    }
    model_.Select(next);
    for (int i = 0; i < count; ++i) plottables_[static_cast<std::size_t>(i)]->setVisible(i == next);
    seriesTrack_->setValue(next);
    seriesCombo_->setCurrentIndex(next);
    UpdateStatus();
    plot_->replot();
}

void TGrForm::SetHideUnselected(bool on) {
    hideUnselected_ = on;
    Action("HideAction")->setChecked(on);
    if (on) {
        SetAnimating(false);
        savedCursorSwitch_ = cursorSwitch_;
        SetCursorSwitch(false);
    } else {
        SetCursorSwitch(savedCursorSwitch_);
    }
    for (int i = 0; i < static_cast<int>(plottables_.size()); ++i)
        plottables_[static_cast<std::size_t>(i)]->setVisible(!on || i == model_.Selected());
    Action("AnimateAction")->setEnabled(!on);
    plot_->replot();  // the axes stay as they are
}

void TGrForm::SetCursorSwitch(bool on) {
    cursorSwitch_ = on;
    Action("CursorAction")->setChecked(on);
    plot_->setCursor(on ? Qt::ArrowCursor : Qt::CrossCursor);
    if (on && !scanning_) MoveCrossHair(0, 0, false);
}

void TGrForm::SetHighlight(bool on) {
    if (highlighted_ == on) return;
    highlighted_ = on;
    ApplyColors();
}

bool TGrForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == seriesTrack_) {
        if (event->type() == QEvent::FocusIn) SetHighlight(model_.Count() > 1);
        if (event->type() == QEvent::FocusOut) SetHighlight(false);
    }
    if ((watched == seriesTrack_ || watched == pointTrack_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            (watched == seriesTrack_ ? pointTrack_ : seriesTrack_)->setFocus();
            return true;
        }
    }
    // Ctrl+arrows on a scroll bar zoom along its axis: up and right in, down
    // and left out, by the small step (the large one with Shift).
    if ((watched == horzBar_ || watched == vertBar_) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool in = key->key() == Qt::Key_Up || key->key() == Qt::Key_Right;
        const bool out = key->key() == Qt::Key_Down || key->key() == Qt::Key_Left;
        if ((key->modifiers() & Qt::ControlModifier) && (in || out)) {
            SetMoveMode(watched == horzBar_ ? MoveMode::Horizontal : MoveMode::Vertical);
            const bool large = key->modifiers() & Qt::ShiftModifier;
            if (in) ZoomIn(large);
            else ZoomOut(large);
            return true;
        }
    }
    if (watched == plot_ && event->type() == QEvent::Resize) {
        QTimer::singleShot(0, this, [this] { Replot(); });
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tarvix
