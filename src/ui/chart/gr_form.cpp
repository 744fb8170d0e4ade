// TGrForm: building the window, its settings and the list of series.
#include "ui/chart/gr_form.h"

#include <QAction>
#include <QActionGroup>
#include <QPainter>
#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <qcustomplot.h>

#include "series/chart_palette_settings.h"
#include "storage/settings_store.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

// Zoom steps of the zoom box, in percent.
constexpr double kZoomSteps[] = {0.1, 0.5, 1, 2, 5, 10, 20, 50, 100};
constexpr int kDefaultZoomStep = 4;  // 5 %

// The tool bar's buttons show a glyph; the caption is their hint.
QIcon GlyphIcon(const QString& glyph) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(24);
    painter.setFont(font);
    painter.setPen(QApplication::palette().color(QPalette::ButtonText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

// The glyph of each tool bar action.
const std::map<std::string, QString, std::less<>>& ToolGlyphs() {
    static const std::map<std::string, QString, std::less<>> glyphs = {
        {"OpenAction", QStringLiteral("\u2191")},         {"SaveAction", QStringLiteral("\u2193")},
        {"CopyAction", QStringLiteral("\u2750")},         {"PrintAction", QStringLiteral("\u25A3")},
        {"ZoomInAction", QStringLiteral("\u2295")},       {"ZoomOutAction", QStringLiteral("\u2296")},
        {"DefaultScaleAction", QStringLiteral("\u2302")}, {"MoveBothAction", QStringLiteral("\u2725")},
        {"MoveHorizontalAction", QStringLiteral("\u2194")},
        {"MoveVerticalAction", QStringLiteral("\u2195")}, {"AddSeriesAction", QStringLiteral("+")},
        {"RemoveSeriesAction", QStringLiteral("\u2212")}, {"ScanAction", QStringLiteral("\u271B")},
        {"MeasureAction", QStringLiteral("\u21A6")},      {"AnimateAction", QStringLiteral("\u25B6")},
        {"HideAction", QStringLiteral("\u25D0")},         {"TextsAction", QStringLiteral("T")},
        {"OrthonormalAction", QStringLiteral("\u229E")},
    };
    return glyphs;
}

QString ZoomStepText(double percent) {
    return QString::number(percent).replace(QLatin1Char('.'), QLatin1Char(',')) +
           QLatin1Char('%');
}

}  // namespace

TGrForm::TGrForm(GrFormContext context, QWidget* parent)
    : QWidget(parent, Qt::Window),
      context_(context),
      shared_(context.Shared),
      model_(context.Shared) {
    setObjectName(QStringLiteral("GrForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    model_.AxisTitlePattern = messages_.Text(chartmsg::AxisTitle);

    plot_ = new QCustomPlot(this);
    plot_->setObjectName(QStringLiteral("Chart"));
    plot_->setNoAntialiasingOnDrag(true);
    plot_->setContextMenuPolicy(Qt::CustomContextMenu);
    plot_->plotLayout()->insertRow(0);
    plot_->plotLayout()->addElement(0, 0, new QCPTextElement(plot_, QString(), QFont(font().family(), 10, QFont::Bold)));
    plot_->plotLayout()->setRowStretchFactor(0, 0.01);
    plot_->addLayer(QStringLiteral("crosshair"), plot_->layer(QStringLiteral("main")),
                    QCustomPlot::limAbove);
    plot_->layer(QStringLiteral("crosshair"))->setMode(QCPLayer::lmBuffered);
    auto newLine = [this] {
        auto* line = new QCPItemStraightLine(plot_);
        line->setLayer(QStringLiteral("crosshair"));
        line->setVisible(false);
        line->setSelectable(false);
        return line;
    };
    crossV_ = newLine();
    crossH_ = newLine();
    refV_ = newLine();
    refH_ = newLine();
    dragFrom_ = newLine();
    dragTo_ = newLine();
    plot_->installEventFilter(this);
    connect(plot_, &QCustomPlot::mouseMove, this, &TGrForm::MouseMove);
    connect(plot_, &QCustomPlot::mousePress, this, &TGrForm::MousePress);
    connect(plot_, &QCustomPlot::mouseRelease, this, &TGrForm::MouseRelease);
    connect(plot_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popup_->popup(plot_->mapToGlobal(at)); });

    horzBar_ = new QScrollBar(Qt::Horizontal, this);
    horzBar_->setObjectName(QStringLiteral("HorzScrollBar"));
    vertBar_ = new QScrollBar(Qt::Vertical, this);
    vertBar_->setObjectName(QStringLiteral("VertScrollBar"));
    vertBar_->setInvertedAppearance(true);
    for (QScrollBar* bar : {horzBar_, vertBar_}) {
        bar->setRange(0, 100);
        bar->setValue(50);
        connect(bar, &QScrollBar::valueChanged, this,
                [this, bar](int position) { ScrollMoved(bar == horzBar_, position); });
        bar->installEventFilter(this);  // Ctrl+arrows zoom
    }

    animation_ = new QTimer(this);
    animation_->setInterval(50);
    connect(animation_, &QTimer::timeout, this, &TGrForm::AnimationStep);

    BuildToolBar();
    BuildSelector();
    BuildStatusBar();
    BuildPopupMenu();

    auto* chartArea = new QGridLayout;
    chartArea->setSpacing(0);
    chartArea->addWidget(plot_, 0, 0);
    chartArea->addWidget(vertBar_, 0, 1);
    chartArea->addWidget(horzBar_, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolArea_);
    layout->addLayout(chartArea, 1);
    layout->addWidget(selector_);
    layout->addWidget(statusBar_);

    LoadSettings();
    ApplyTexts();
    ApplyColors();
    UpdateStatus();
}

TGrForm::~TGrForm() {
    emit Destroying();
    for (QObject* child : findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

QString TGrForm::Text(const char* key, const char* builtIn) const {
    return ToQ(context_.Texts.Text(kGrFormSection, key, builtIn));
}

QAction* TGrForm::NewAction(const char* name, const char* key, const char* caption,
                            std::function<void()> command, bool checkable) {
    auto* action = new QAction(Text(key, caption), this);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    action->setProperty("textKey", QLatin1String(key));
    action->setProperty("builtIn", QString::fromUtf8(caption));
    connect(action, &QAction::triggered, this, [command] { command(); });
    addAction(action);
    actions_[name] = action;
    return action;
}

QAction* TGrForm::Action(const char* name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TGrForm::BuildToolBar() {
    // Two tool bars: the files and the view, then the series. They stand in
    // one row when the window is wide enough for both, else in two rows, so
    // no button hides behind the overflow button.
    toolArea_ = new QWidget(this);
    toolArea_->setObjectName(QStringLiteral("ToolArea"));
    toolRows_ = new QBoxLayout(QBoxLayout::LeftToRight, toolArea_);
    toolRows_->setContentsMargins(0, 0, 0, 0);
    toolRows_->setSpacing(0);
    auto newBar = [this](const char* name) {
        auto* bar = new QToolBar(toolArea_);
        bar->setObjectName(QLatin1String(name));
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        bar->setMovable(false);
        return bar;
    };
    toolBar_ = newBar("ToolBar");
    seriesToolBar_ = newBar("SeriesToolBar");
    toolRows_->addWidget(toolBar_);
    toolRows_->addWidget(seriesToolBar_, 1);

    toolBar_->addAction(NewAction("OpenAction", "Open", "Načíst z txt souboru", [this] { OpenXyFile(); }));
    toolBar_->addAction(NewAction("SaveAction", "Save", "Uložit do souboru", [this] { SavePictureAs(); }));
    copyMenu_ = new QMenu(this);
    copyMenu_->addAction(NewAction("CopyBmpAction", "CopyBmp", "&Bmp - bitmapa", [this] { CopyPicture(); }));
    QAction* copyStatus = NewAction("CopyStatusAction", "CopyStatus", "&Stavový řádek",
                                    [this] { CopyStatusLine(); });
    copyStatus->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
    copyMenu_->addAction(copyStatus);
    QAction* copy = NewAction("CopyAction", "Copy", "Kopírovat do schránky", [this] { CopyPicture(); });
    copy->setMenu(copyMenu_);
    toolBar_->addAction(copy);
    toolBar_->addAction(NewAction("PrintAction", "Print", "Vytisknout", [this] { Print(); }));
    toolBar_->addSeparator();

    QAction* zoomIn = NewAction("ZoomInAction", "ZoomIn", "Zvětšit", [this] {
        ZoomIn(true);
    });
    toolBar_->addAction(zoomIn);
    QAction* zoomOut = NewAction("ZoomOutAction", "ZoomOut", "Zmenšit", [this] { ZoomOut(true); });
    toolBar_->addAction(zoomOut);
    // F5 and F6 of the hidden menu zoom by the step itself (the buttons by five steps).
    NewAction("ZoomInKeyAction", "ZoomInKey", "Zvětšit", [this] { ZoomIn(false); })
        ->setShortcut(QKeySequence(Qt::Key_F5));
    NewAction("ZoomOutKeyAction", "ZoomOutKey", "Zmenšit", [this] { ZoomOut(false); })
        ->setShortcut(QKeySequence(Qt::Key_F6));
    zoomCombo_ = new QComboBox(this);
    zoomCombo_->setObjectName(QStringLiteral("ZoomComboBox"));
    for (double step : kZoomSteps) zoomCombo_->addItem(ZoomStepText(step), step);
    zoomCombo_->setCurrentIndex(kDefaultZoomStep);
    connect(zoomCombo_, &QComboBox::currentIndexChanged, this,
            [this](int i) { zoomStep_ = zoomCombo_->itemData(i).toDouble(); });
    toolBar_->addWidget(zoomCombo_);
    // Move and zoom in both directions, horizontally or vertically.
    auto* moves = new QActionGroup(this);
    const struct {
        const char* Name;
        const char* Key;
        const char* Caption;
        MoveMode Mode;
    } modes[] = {
        {"MoveBothAction", "MoveBoth", "Měnit velikost/polohu v obou směrech", MoveMode::Both},
        {"MoveHorizontalAction", "MoveHorizontal", "Měnit velikost/polohu vodorovně",
         MoveMode::Horizontal},
        {"MoveVerticalAction", "MoveVertical", "Měnit velikost/polohu svisle", MoveMode::Vertical},
    };
    for (const auto& m : modes) {
        const MoveMode mode = m.Mode;
        QAction* a = NewAction(m.Name, m.Key, m.Caption, [this, mode] { SetMoveMode(mode); }, true);
        moves->addAction(a);
        toolBar_->addAction(a);
    }
    Action("MoveBothAction")->setChecked(true);
    toolBar_->addAction(NewAction("DefaultScaleAction", "DefaultScale", "Výchozí měřítko",
                                  [this] { DefaultScale(); }));

    addMenu_ = new QMenu(this);
    addMenu_->addAction(NewAction("DerivaceAction", "Derivative", "&Derivace dy/dx", [this] { Derivative(); }));
    QAction* add = NewAction("AddSeriesAction", "AddSeries", "Přidat datovou řadu", [this] {
        if (addSeriesHandler_)
            addSeriesHandler_();
        else if (derivativeHandler_)
            Derivative();
    });
    add->setMenu(addMenu_);
    seriesToolBar_->addAction(add);
    seriesToolBar_->addAction(NewAction("RemoveSeriesAction", "RemoveSeries", "Odebrat datovou řadu",
                                  [this] { RemoveSelectedSeries(); }));
    seriesToolBar_->addAction(NewAction("ScanAction", "Scan", "Snímat souřadnice",
                                  [this] { SetScanning(Action("ScanAction")->isChecked()); }, true));
    seriesToolBar_->addAction(NewAction("MeasureAction", "Measure", "Měřit vzdálenosti",
                                  [this] { SetMeasuring(Action("MeasureAction")->isChecked()); }, true));
    QAction* animate = NewAction("AnimateAction", "Animate", "Animovat",
                                 [this] { SetAnimating(Action("AnimateAction")->isChecked()); }, true);
    animate->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    seriesToolBar_->addAction(animate);
    seriesToolBar_->addAction(NewAction("HideAction", "HideUnselected", "Skrýt nevybrané řady",
                                  [this] { SetHideUnselected(Action("HideAction")->isChecked()); }, true));
    seriesToolBar_->addAction(NewAction("TextsAction", "Texts", "Změnit textové popisky", [this] { EditTexts(); }));
    QAction* orthonormal = NewAction("OrthonormalAction", "Orthonormal", "Ortonormální souřadnice",
                                     [this] { SetOrthonormal(Action("OrthonormalAction")->isChecked()); }, true);
    seriesToolBar_->addAction(orthonormal);
    for (const auto& [name, glyph] : ToolGlyphs()) {
        if (QAction* a = Action(name.c_str())) a->setIcon(GlyphIcon(glyph));
    }
    // The cursor switch has no button; its state is kept in the settings.
    NewAction("CursorAction", "CursorSwitch", "Kurzor", [this] {
        SetCursorSwitch(Action("CursorAction")->isChecked());
    }, true);
}

void TGrForm::BuildSelector() {
    selector_ = new QWidget(this);
    selector_->setObjectName(QStringLiteral("Selektor"));
    seriesCombo_ = new QComboBox(selector_);
    seriesCombo_->setObjectName(QStringLiteral("SeriesComboBox"));
    seriesTrack_ = new QSlider(Qt::Horizontal, selector_);
    seriesTrack_->setObjectName(QStringLiteral("SeriesTrackBar"));
    pointTrack_ = new QSlider(Qt::Horizontal, selector_);
    pointTrack_->setObjectName(QStringLiteral("PointTrackBar"));
    for (QSlider* track : {seriesTrack_, pointTrack_}) {
        track->setRange(0, 0);
        track->installEventFilter(this);
    }
    connect(seriesCombo_, &QComboBox::activated, this, [this](int i) { SelectSeries(i); });
    connect(seriesTrack_, &QSlider::valueChanged, this, [this](int i) {
        if (!animation_->isActive()) SelectSeries(i);
    });
    connect(pointTrack_, &QSlider::valueChanged, this, [this](int i) { ScanTo(i); });
    auto* layout = new QHBoxLayout(selector_);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(seriesCombo_);
    layout->addWidget(seriesTrack_, 1);
    layout->addWidget(pointTrack_, 3);
}

void TGrForm::BuildStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(statusBar_);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setMinimumWidth(i == 4 ? 4 : 48);
        statusBar_->addWidget(panels_[i], i == 4 ? 0 : 1);
    }
}

void TGrForm::BuildPopupMenu() {
    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("GrafPopupMenu"));
    struct Part {
        const char* Name;
        const char* Key;
        const char* Caption;
        QWidget* Widget;
    };
    const Part parts[] = {
        {"ToolBarItem", "ViewToolBar", "&Panel nástrojů", toolArea_},
        {"HorzBarItem", "ViewHorzBar", "&Horizontální posuvník", horzBar_},
        {"VertBarItem", "ViewVertBar", "&Vertikální posuvník", vertBar_},
        {"SelectorItem", "ViewSelector", "&Selektor", selector_},
        {"StatusBarItem", "ViewStatusBar", "S&tavový řádek", statusBar_},
    };
    std::vector<QAction*> views;
    for (const Part& part : parts) {
        QWidget* widget = part.Widget;
        QAction* a = NewAction(part.Name, part.Key, part.Caption, [] {}, true);
        a->setChecked(true);
        connect(a, &QAction::toggled, widget, &QWidget::setVisible);
        popup_->addAction(a);
        views.push_back(a);
    }
    popup_->addSeparator();
    popup_->addAction(NewAction("ShowAllItem", "ShowAll", "&Zobrazit všechny", [views] {
        for (QAction* a : views) a->setChecked(true);
    }));
    popup_->addAction(NewAction("HideAllItem", "HideAll", "S&krýt všechny", [views] {
        for (QAction* a : views) a->setChecked(false);
    }));
    popup_->addSeparator();
    QMenu* colors = popup_->addMenu(Text("Colors", "&Barvy"));
    colors->addAction(NewAction("SpojniceItem", "ColorLines", "&Spojnice bodů", [this] { ChooseSeriesColors(); }));
    colors->addAction(NewAction("PozadiItem", "ColorBackground", "&Pozadí grafu", [this] { ChooseBackground(); }));
    colors->addAction(NewAction("KrizItem", "ColorCrossHair", "&Nitkový kříž", [this] { ChooseCrossHairColor(); }));
    colors->addAction(NewAction("SedaItem", "ColorGrey", "&Odstíny šedé", [this] {
        model_.SetGreyScale(Action("SedaItem")->isChecked());
        ApplyColors();
    }, true));
    colors->addAction(NewAction("ObnovitItem", "ColorRestore", "&Obnovit původní barvy", [this] {
        model_.RestoreColors(defaultBackground_, defaultCrossHair_);
        Action("SedaItem")->setChecked(false);
        ApplyColors();
    }));
}

void TGrForm::ApplyTexts() {
    setWindowTitle(Text("Caption", "Graf datové řady"));
    for (auto& [name, action] : actions_) {
        const QString key = action->property("textKey").toString();
        if (key.isEmpty()) continue;
        action->setText(ToQ(context_.Texts.Text(kGrFormSection, ToStd(key),
                                                ToStd(action->property("builtIn").toString()))));
    }
    seriesCombo_->setToolTip(Text("SeriesIndexHint", "Index vybrané řady"));
    seriesTrack_->setToolTip(Text("SeriesTrackHint", "Index datové řady"));
    pointTrack_->setToolTip(Text("PointTrackHint", "Index bodu v datové řadě"));
}

void TGrForm::LoadSettings() {
    int width = 500, height = 400;
    std::optional<std::int64_t> left, top;
    int state = 0;
    Rgb background{255, 255, 240};
    Rgb crossHair{0, 0, 255};
    if (Settings* s = context_.Values) {
        width = s->Int("GrForm", "Width");
        height = s->Int("GrForm", "Height");
        left = s->OptionalInteger("GrForm", "Left");
        top = s->OptionalInteger("GrForm", "Top");
        state = s->Int("GrForm", "WindowState");
        cursorSwitch_ = s->Bool("GrForm", "CrossHair");
        background = ChartColorFromSetting(s->Integer("GrForm", "BkColor"));
        crossHair = CrossHairFromSetting(s->Integer("GrForm", "CrossHairColor"), background);
    }
    resize(std::max(width, 200), std::max(height, 150));
    if (left && top) {
        move(static_cast<int>(*left), static_cast<int>(*top));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width / 2, height / 2));
    }
    if (state == 2) setWindowState(Qt::WindowMaximized);
    model_.SetBackground(background);
    model_.SetCrossHair(crossHair);
    Action("CursorAction")->setChecked(cursorSwitch_);
    // The window opens orthogonal unless an example asked for orthonormal.
    Action("OrthonormalAction")->setChecked(shared_.Orthonormal);
}

void TGrForm::StoreSettings() {
    Settings* s = context_.Values;
    if (!s) return;
    const QRect frame = normalGeometry();
    s->SetOptionalInteger("GrForm", "Left", frame.x());
    s->SetOptionalInteger("GrForm", "Top", frame.y());
    s->SetInteger("GrForm", "Width", frame.width());
    s->SetInteger("GrForm", "Height", frame.height());
    s->SetInteger("GrForm", "WindowState",
                  isMaximized() ? 2 : (isMinimized() ? 1 : 0));
    s->SetBool("GrForm", "Orthonormal", shared_.Orthonormal);
    s->SetBool("GrForm", "CrossHair", cursorSwitch_);
    s->SetInteger("GrForm", "BkColor", ChartColorSetting(model_.Background()));
    s->SetInteger("GrForm", "CrossHairColor", ChartColorSetting(model_.CrossHair()));
    s->SetInteger("GrForm", "PanningMode", static_cast<int>(moveMode_) + 1);
    WriteChartPalette(model_.GreyScale() ? shared_.SavedPalette : shared_.Palette, *s);
}

void TGrForm::closeEvent(QCloseEvent* event) {
    SetAnimating(false);
    if (model_.GreyScale()) {
        model_.SetGreyScale(false);
        Action("SedaItem")->setChecked(false);
    }
    StoreSettings();
    QWidget::closeEvent(event);
}

bool TGrForm::AddCurrentSeries(const CurrentSeries& series, bool complexDomain, bool replace,
                               ChartKind kind) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::size_t before = model_.Count();
    const bool has = model_.AddCurrentSeries(series, complexDomain, replace, kind);
    QApplication::restoreOverrideCursor();
    SeriesAdded(model_.Count() != before, replace);
    if (has) show();
    return has;
}

bool TGrForm::AddSeriesList(std::vector<ChartSeries> series, bool replace) {
    if (replace) model_.Clear();
    const bool changed = !series.empty();
    for (ChartSeries& s : series) model_.AddPoints(std::move(s));
    SeriesAdded(changed, replace);
    if (!model_.Empty()) show();
    return !model_.Empty();
}

void TGrForm::SeriesAdded(bool changed, bool replace) {
    if (changed || replace) {
        horzBar_->blockSignals(true);
        vertBar_->blockSignals(true);
        horzBar_->setValue(50);
        vertBar_->setValue(50);
        horzPos_ = vertPos_ = 50;
        horzBar_->blockSignals(false);
        vertBar_->blockSignals(false);
        if (replace) RebuildPlottables();
        else AppendPlottables();
        DataChanged();
        SyncSeriesControls();
        DefaultScale();
    }
}

void TGrForm::RemoveSelectedSeries() {
    SetAnimating(false);
    if (!model_.RemoveSelected()) {
        close();
        return;
    }
    RebuildPlottables();
    DataChanged();
    SyncSeriesControls();
    Replot();
}

void TGrForm::RemoveAllSeries() {
    model_.Clear();
    RebuildPlottables();
    DataChanged();
    SyncSeriesControls();
    close();
}

void TGrForm::RefreshSeries() {
    SetHighlight(false);
    ApplyColors();
    DrawReference();
}

void TGrForm::SyncSeriesControls() {
    const int count = static_cast<int>(model_.Count());
    seriesCombo_->blockSignals(true);
    seriesTrack_->blockSignals(true);
    seriesCombo_->clear();
    for (int i = 1; i <= count; ++i) seriesCombo_->addItem(QString::number(i));
    seriesCombo_->setCurrentIndex(model_.Selected());
    seriesTrack_->setRange(0, std::max(count - 1, 0));
    seriesTrack_->setValue(std::max(model_.Selected(), 0));
    seriesCombo_->blockSignals(false);
    seriesTrack_->blockSignals(false);
    const ChartSeries* s = model_.SelectedSeries();
    pointTrack_->blockSignals(true);
    pointTrack_->setRange(0, s ? std::max(static_cast<int>(s->X.size()) - 1, 0) : 0);
    pointTrack_->blockSignals(false);
    Action("AnimateAction")->setEnabled(!hideUnselected_);
    emit SeriesCountChanged(count);
    UpdateStatus();
}

void TGrForm::SelectSeries(int index) {
    if (index < 0 || index >= static_cast<int>(model_.Count())) return;
    model_.Select(index);
    if (hideUnselected_) {
        for (int i = 0; i < static_cast<int>(plottables_.size()); ++i)
            plottables_[static_cast<std::size_t>(i)]->setVisible(i == index);
    }
    SyncSeriesControls();
    if (highlighted_) SetHighlight(true);
    if (scanning_) ScanTo(pointTrack_->value());
    plot_->replot();
}

void TGrForm::ArrangeToolRows() {
    const int needed = toolBar_->sizeHint().width() + seriesToolBar_->sizeHint().width();
    const auto direction =
        needed <= width() ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (toolRows_->direction() != direction) toolRows_->setDirection(direction);
}

void TGrForm::resizeEvent(QResizeEvent* event) {
    ArrangeToolRows();
    QWidget::resizeEvent(event);
}

void TGrForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        DefaultScale();
        return;
    }
    QWidget::keyPressEvent(event);
}

QString TGrForm::StatusPanel(int index) const {
    return panels_.at(static_cast<std::size_t>(index))->text();
}

}  // namespace tarvix
