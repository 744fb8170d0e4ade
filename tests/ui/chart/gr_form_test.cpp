// The detailed chart window and the main window's chart link, without a
// main window: adding and removing series (the last one closes the window),
// the plottables and colours of a two-dimensional run, parametric curves,
// zoom and the default scale, scanning with its status bar, x-y files,
// picture export as PNG and SVG, the small chart and its hint.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <qcustomplot.h>

#include "series/chart_examples.h"
#include "ui/chart/chart_examples_dialog.h"
#include "ui/chart/chart_link.h"
#include "ui/chart/gr_form.h"
#include "chart_test_ports.h"
#include "ui/chart/gr_image.h"

using namespace tarvix;

namespace {

// sin(X)*Y over X = 0..360:1 (degrees) and Y = 1..3:1.
CurrentSeries SineRun(std::size_t rows) {
    CurrentSeries s = CurrentSeries::ForRun(rows, 361, {0, 0}, {1, 0}, {1, 0}, {1, 0}, rows > 1,
                                            false);
    for (std::size_t r = 0; r < rows; ++r) {
        for (int j = 0; j <= 360; ++j) {
            s.X.push_back(j);
            s.Y.push_back(static_cast<long double>(r + 1) * std::sin(j * 3.14159265358979L / 180));
        }
    }
    s.ValidPoints = rows * 361;
    return s;
}

CurrentSeries CircleRun() {
    CurrentSeries s = CurrentSeries::ForRun(1, 201, {0, 0}, {0.0314159L, 0}, {}, {}, false, true);
    for (int j = 0; j <= 200; ++j) {
        const long double t = j * 3.14159265358979L / 100;
        s.Re[0].push_back(std::cos(t));
        s.Im[0].push_back(std::sin(t));
    }
    s.Parametric = true;
    s.ValidPoints = 201;
    return s;
}

}  // namespace

class GrFormTest : public QObject {
    Q_OBJECT

private:
    Calculator calc;
    RecordingDialogs dialogs;
    TextCatalog texts;
    NoFiles files;
    ChartShared shared;
    CurrentSeries current;

    TGrForm* NewForm() {
        return new TGrForm(GrFormContext{calc, texts, shared, files, nullptr, {}});
    }

private slots:
    void initTestCase() { calc.SetDialogs(&dialogs); }
    void init() {
        shared = ChartShared{};
        dialogs.messages.clear();
    }

    void addingAndRemovingSeries() {
        QPointer<TGrForm> form = NewForm();
        QSignalSpy counts(form.data(), &TGrForm::SeriesCountChanged);
        QVERIFY(form->AddCurrentSeries(SineRun(1), false, false, ChartKind::Line));
        QVERIFY(form->isVisible());
        QVERIFY(form->AddCurrentSeries(SineRun(1), false, false, ChartKind::Line));
        QCOMPARE(form->SeriesComboBox()->count(), 2);
        QCOMPARE(form->SeriesComboBox()->currentText(), QStringLiteral("2"));
        QCOMPARE(form->Plottable(0)->pen().color(), QColor(255, 0, 0));
        QCOMPARE(form->Plottable(1)->pen().color(), QColor(0, 255, 0));
        QCOMPARE(form->Chart()->plottableCount(), 2);
        QCOMPARE(counts.last().at(0).toInt(), 2);
        form->RemoveSelectedSeries();
        QCOMPARE(form->Chart()->plottableCount(), 1);
        QCOMPARE(form->SeriesComboBox()->count(), 1);
        QVERIFY(form->isVisible());
        form->RemoveSelectedSeries();  // the last one: the window closes and goes
        QTRY_VERIFY(form.isNull());
    }

    void twoDimensionalRunDrawsThreeCurves() {
        std::unique_ptr<TGrForm> form(NewForm());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->SetYName("Y");
        form->AddCurrentSeries(SineRun(3), false, false, ChartKind::Line);
        QCOMPARE(form->Chart()->plottableCount(), 3);
        const QColor expected[] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
        for (int i = 0; i < 3; ++i) {
            auto* graph = qobject_cast<QCPGraph*>(form->Plottable(i));
            QVERIFY(graph);  // sorted line data: a graph with adaptive sampling
            QVERIFY(graph->adaptiveSampling());
            QCOMPARE(graph->dataCount(), 361);
            QCOMPARE(graph->pen().color(), expected[i]);
        }
        // The cross-hair over the plot: x, y and the parameter of the selected (last) series.
        form->resize(500, 400);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->Chart()->replot();
        const QPointF centre = form->Chart()->axisRect()->rect().center();
        form->PointAt(centre);
        QVERIFY(form->StatusPanel(1).startsWith(QStringLiteral("x=")));
        QVERIFY(form->StatusPanel(1).size() > 2);
        QVERIFY(form->StatusPanel(2).startsWith(QStringLiteral("y=")));
        QCOMPARE(form->StatusPanel(3), QStringLiteral("p=3"));
        // Scanning: point 90 of the selected series.
        form->SetScanning(true);
        form->PointTrackBar()->setValue(90);
        QCOMPARE(form->StatusPanel(0), QStringLiteral("i=91\\361"));
        QCOMPARE(form->StatusPanel(1), QStringLiteral("x=90"));
        QCOMPARE(form->StatusPanel(2), QStringLiteral("y=3"));
        QCOMPARE(form->StatusPanel(3), QStringLiteral("p=90"));
        QVERIFY(form->PointTrackBar()->toolTip().contains(QStringLiteral("Y=3")));
        form->close();
    }

    void parametricCircleIsARoundCurve() {
        std::unique_ptr<TGrForm> form(NewForm());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        shared.Orthonormal = true;
        form->resize(600, 400);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->AddCurrentSeries(CircleRun(), false, false, ChartKind::Bar);
        auto* curve = qobject_cast<QCPCurve*>(form->Plottable(0));
        QVERIFY(curve);  // the points keep their order, and no bars
        QCOMPARE(curve->dataCount(), 201);
        // Orthonormal: equal units per pixel on both axes.
        const QRect area = form->Chart()->axisRect()->rect();
        const double perPixelX = form->XRange().Length() / area.width();
        const double perPixelY = form->YRange().Length() / area.height();
        QVERIFY(std::fabs(perPixelX - perPixelY) < 1e-9 * perPixelX);
        form->close();
    }

    void zoomAndDefaultScale() {
        std::unique_ptr<TGrForm> form(NewForm());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->AddCurrentSeries(SineRun(1), false, false, ChartKind::Line);
        const AxisRange x0 = form->XRange();
        const AxisRange y0 = form->YRange();
        form->ZoomIn();
        QVERIFY(form->XRange().Length() < x0.Length());
        form->ZoomOut();
        QVERIFY(std::fabs(form->XRange().Min - x0.Min) < 1e-9);
        QVERIFY(std::fabs(form->XRange().Max - x0.Max) < 1e-9);
        form->SetMoveMode(MoveMode::Horizontal);
        form->ZoomIn();
        QCOMPARE(form->XRange().Min, x0.Min);
        QVERIFY(std::fabs(form->XRange().Max - (x0.Min + 0.8 * x0.Length())) < 1e-9);
        QCOMPARE(form->YRange(), y0);
        form->HorzScrollBar()->setValue(60);  // pans by 10/50 of the x spread
        QVERIFY(std::fabs(form->XRange().Min - (x0.Min - 72.0)) < 1e-9);
        form->DefaultScale();
        QCOMPARE(form->XRange(), x0);
        QCOMPARE(form->HorzScrollBar()->value(), 50);
        // Ctrl+Up on the vertical bar zooms the left axis only, and
        // Ctrl+Down zooms it back.
        QTest::keyClick(form->VertScrollBar(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(form->XRange(), x0);
        QVERIFY(form->YRange().Length() < y0.Length());
        QTest::keyClick(form->VertScrollBar(), Qt::Key_Down, Qt::ControlModifier);
        QVERIFY(std::fabs(form->YRange().Length() - y0.Length()) < 1e-9 * y0.Length());
        QCOMPARE(form->VertScrollBar()->value(), 50);  // no panning by the arrow
    }

    // Dragging the bottom axis shows guide lines while the mouse moves and
    // rescales the axis on release.
    void axisDragShowsGuidesAndRescales() {
        std::unique_ptr<TGrForm> form(NewForm());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->resize(600, 400);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->AddCurrentSeries(SineRun(1), false, false, ChartKind::Line);
        QCustomPlot* plot = form->Chart();
        const AxisRange x0 = form->XRange();
        const int axisY = plot->xAxis->axisRect()->bottom() + 2;
        const double pressValue = x0.Min + 0.5 * x0.Length();
        const QPoint press(qRound(plot->xAxis->coordToPixel(pressValue)), axisY);
        const QPoint release(qRound(plot->xAxis->coordToPixel(x0.Min + 0.25 * x0.Length())), axisY);
        QVERIFY(!form->DragGuideShown());
        QTest::mousePress(plot, Qt::LeftButton, {}, press);
        QVERIFY(form->DragGuideShown());
        QMouseEvent move(QEvent::MouseMove, release, plot->mapToGlobal(release), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(plot, &move);
        QVERIFY(form->DragGuideShown());
        QTest::mouseRelease(plot, Qt::LeftButton, {}, release);
        QVERIFY(!form->DragGuideShown());
        // The value pressed moved to the release point: min kept, range doubled.
        QCOMPARE(form->XRange().Min, x0.Min);
        QVERIFY(form->XRange().Length() > 1.8 * x0.Length());
    }

    void xyFileLoadsAndAFailureIsReported() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("body.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0;1\n1;4\n2;9\nbad\n");
        file.close();
        std::unique_ptr<TGrForm> form(NewForm());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->AddCurrentSeries(SineRun(2), false, false, ChartKind::Line);
        QVERIFY(form->LoadXyFile(path.toStdString()));
        QCOMPARE(form->Model().Count(), std::size_t{1});
        QCOMPARE(form->Model().Header, std::string("body.txt"));
        QCOMPARE(form->Plottable(0)->interface1D()->dataCount(), 3);
        QVERIFY(!form->LoadXyFile(dir.filePath(QStringLiteral("missing.txt")).toStdString()));
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QVERIFY(dialogs.messages[0].find("missing.txt") != std::string::npos);
        QCOMPARE(form->Model().Count(), std::size_t{1});  // the chart is as it was
    }

    void picturesAreWrittenAsPngAndSvg() {
        QTemporaryDir dir;
        std::unique_ptr<TGrForm> form(NewForm());
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->resize(500, 400);
        form->AddCurrentSeries(SineRun(1), false, false, ChartKind::Line);
        const QString png = dir.filePath(QStringLiteral("chart.png"));
        QVERIFY(form->SavePicture(png.toStdString()));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QCOMPARE(image.width(), form->Chart()->width());
        // Some pixel of the curve is red.
        bool red = false;
        for (int y = 0; y < image.height() && !red; ++y)
            for (int x = 0; x < image.width() && !red; ++x)
                red = image.pixelColor(x, y) == QColor(255, 0, 0);
        QVERIFY(red);
        const QString svg = dir.filePath(QStringLiteral("chart.svg"));
        QVERIFY(form->SavePicture(svg.toStdString()));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        const QByteArray text = svgFile.readAll();
        QVERIFY(text.contains("<svg"));
        QVERIFY(text.contains("</svg>"));
        QVERIFY(form->SavePicture(dir.filePath(QStringLiteral("chart.pdf")).toStdString()));
        QVERIFY(QFile(dir.filePath(QStringLiteral("chart.pdf"))).size() > 0);
        // A folder that does not exist: a message, no file.
        QVERIFY(!form->SavePicture("/nonexistent/folder/chart.png"));
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
    }

    void linkAddsRemovesAndDrawsTheSmallChart() {
        QWidget parent;
        ChartHost host{calc, texts, files, &parent, nullptr, nullptr,
                       [this]() -> const CurrentSeries& { return current; }, nullptr, nullptr,
                       nullptr};
        TChartLink link(host);
        TGrImage* image = link.CreateImage(&parent);
        image->resize(200, 100);
        current = CurrentSeries::Empty();
        QVERIFY(!link.HasCurrentSeries());
        link.DetailedChart();
        QTRY_VERIFY(!link.Exists());  // nothing to show: the window goes again
        current = SineRun(1);
        QVERIFY(link.HasCurrentSeries());
        link.ShowMainChart(current);
        QVERIFY(image->Preview().has_value());
        QVERIFY(image->toolTip().startsWith(QStringLiteral("Xmin = 0\nXmax = 360\nYmin = -1")));
        link.DetailedChart();  // bars of the current series
        QVERIFY(link.Exists());
        QVERIFY(qobject_cast<QCPBars*>(link.Form()->Plottable(0)));
        link.AddSeriesToChart();
        QCOMPARE(link.SelectedSeriesY().size(), std::size_t{361});
        QCOMPARE(link.Form()->Model().Count(), std::size_t{2});
        link.RemoveAllSeries();
        QTRY_VERIFY(!link.Exists());
        current = CurrentSeries::Empty();
        link.RedrawImage();
        QVERIFY(!image->Preview().has_value());
    }

    void exampleDialogsRememberTheChoice() {
        ExampleChoice choice{3, 0};
        {
            TChartExamplesDialog dialog(ExampleList::Expansion, choice, texts, nullptr);
            QCOMPARE(dialog.KrivkaListBox()->count(), 6);
            QCOMPARE(dialog.KrivkaListBox()->currentRow(), 3);
            dialog.KrivkaListBox()->setCurrentRow(5);
            QCOMPARE(dialog.YEquationLabel()->text(),
                     QStringLiteral("y=sin(n*a)/n*cos(n*x) :::n=1..1000:1"));
        }
        QCOMPARE(choice.Selected, 5);
        TChartExamplesDialog again(ExampleList::Expansion, choice, texts, nullptr);
        QCOMPARE(again.KrivkaListBox()->currentRow(), 5);
        ExampleChoice parametric{};
        TChartExamplesDialog circle(ExampleList::Parametric, parametric, texts, nullptr);
        QCOMPARE(circle.SelectedName(), QStringLiteral("Kružnice"));
        QCOMPARE(circle.XEquationLabel()->text(), QStringLiteral("x=a*cos(t)"));
    }
};

QTEST_MAIN(GrFormTest)
#include "gr_form_test.moc"
