// The detailed chart window's state across changes: the texts dialog (its
// accelerators reach their fields; a value that does not read keeps the
// dialog open with what was typed; a transformation rescales the axes), the
// scanning and measuring state reset by every change of the data, the axis
// titles of an analysis chart after a complex one, the tool bars that show
// every button at the default width, and the palette of the settings.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <cmath>
#include <qcustomplot.h>

#include "analysis/analysis_chart.h"
#include "storage/settings_store.h"
#include "ui/chart/analysis_chart_link.h"
#include "ui/chart/chart_link.h"
#include "ui/chart/chart_texts_dialog.h"
#include "ui/chart/gr_form.h"
#include "chart_test_ports.h"

using namespace tarvix;

namespace {

// y = sin(x) over x = 0 … 360 (degrees).
CurrentSeries SineRun() {
    CurrentSeries s = CurrentSeries::ForRun(1, 361, {0, 0}, {1, 0}, {}, {}, false, false);
    for (int j = 0; j <= 360; ++j) {
        s.X.push_back(j);
        s.Y.push_back(std::sin(j * 3.14159265358979L / 180));
    }
    s.ValidPoints = 361;
    return s;
}

// Complex values on the unit circle, one row.
CurrentSeries ComplexRun() {
    CurrentSeries s = CurrentSeries::ForRun(1, 50, {0, 0}, {1, 0}, {}, {}, false, true);
    for (int j = 0; j < 50; ++j) {
        s.Re[0].push_back(std::cos(j / 8.0L));
        s.Im[0].push_back(std::sin(j / 8.0L));
    }
    s.ValidPoints = 50;
    return s;
}

}  // namespace

class GrFormStateTest : public QObject {
    Q_OBJECT

private:
    Calculator calc;
    RecordingDialogs dialogs;
    TextCatalog texts;
    NoFiles files;
    ChartShared shared;
    QTemporaryDir dir;

    std::unique_ptr<TGrForm> NewForm() {
        auto form = std::make_unique<TGrForm>(GrFormContext{calc, texts, shared, files, nullptr, {}});
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        return form;
    }

    std::filesystem::path WriteFile(const char* name, const char* text) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(text);
        return path.toStdString();
    }

private slots:
    void initTestCase() { calc.SetDialogs(&dialogs); }
    void init() {
        shared = ChartShared{};
        dialogs.messages.clear();
    }

    void textsDialogKeepsTheTextsOnABadValue() {
        auto form = NewForm();
        form->AddCurrentSeries(SineRun(), false, false, ChartKind::Line);
        QStringList unboundLabels;
        bool keptOpen = false;
        QString keptHeader;
        QTimer::singleShot(0, form.get(), [&] {
            auto* dialog = qobject_cast<TChartTextsDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            // Every label that shows an accelerator moves the focus to its field.
            for (QLabel* label : dialog->findChildren<QLabel*>())
                if (label->text().contains(QLatin1Char('&')) && !label->buddy())
                    unboundLabels << label->text();
            dialog->HeaderEdit()->setText(QStringLiteral("Nový"));
            dialog->TransformCheckBox()->setChecked(true);
            dialog->KxEdit()->setText(QStringLiteral("2*"));
            dialog->accept();
            keptOpen = dialog->isVisible();
            keptHeader = dialog->HeaderEdit()->text();
            dialog->KxEdit()->setText(QStringLiteral("2"));
            dialog->PyEdit()->setText(QStringLiteral("10"));
            dialog->accept();
        });
        form->Action("TextsAction")->trigger();
        QVERIFY2(unboundLabels.isEmpty(), qPrintable(unboundLabels.join(QLatin1Char(' '))));
        QVERIFY(keptOpen);
        QCOMPARE(keptHeader, QStringLiteral("Nový"));
        QCOMPARE(dialogs.messages.size(), std::size_t{1});
        QCOMPARE(form->Model().Header, std::string("Nový"));
        // The points moved to (2x, y + 10) and the axes follow them.
        QCOMPARE(form->Model().Series()[0].X.back(), 720.0);
        QVERIFY(form->XRange().Max >= 720.0);
        QVERIFY(form->YRange().Min >= 8.0);
        QVERIFY(form->YRange().Max <= 12.0);
    }

    void everyDataChangeEndsScanningAndMeasuring() {
        auto form = NewForm();
        form->resize(500, 400);
        form->AddCurrentSeries(SineRun(), false, false, ChartKind::Line);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        form->SetScanning(true);
        form->PointTrackBar()->setValue(317);
        form->SetMeasuring(true);
        form->PointTrackBar()->setValue(300);
        QCOMPARE(form->StatusPanel(0), QStringLiteral("i=301\\361"));
        QCOMPARE(form->StatusPanel(5), QStringLiteral("dx=-17"));

        QVERIFY(form->LoadXyFile(WriteFile("three.txt", "0;1\n1;4\n2;9\n")));
        QCOMPARE(form->StatusPanel(0), QStringLiteral("i=1\\3"));
        QCOMPARE(form->StatusPanel(5), QStringLiteral("dx="));
        QVERIFY(!form->Action("ScanAction")->isChecked());
        QVERIFY(!form->Action("MeasureAction")->isChecked());
        QCOMPARE(form->PointTrackBar()->value(), 0);

        // Scanning again: the points of the file, not those before.
        form->SetScanning(true);
        form->PointTrackBar()->setValue(2);
        QCOMPARE(form->StatusPanel(0), QStringLiteral("i=3\\3"));
        QCOMPARE(form->StatusPanel(2), QStringLiteral("y=9"));

        // A file without a readable line: no point, no stale index.
        QVERIFY(form->LoadXyFile(WriteFile("garbage.txt", "abc\nxyz\n")));
        QCOMPARE(form->StatusPanel(0), QStringLiteral("i=1\\0"));
        QVERIFY(!form->Action("ScanAction")->isChecked());

        // Adding a series ends them too.
        form->AddCurrentSeries(SineRun(), false, false, ChartKind::Line);
        form->SetScanning(true);
        form->PointTrackBar()->setValue(200);
        form->SetMeasuring(true);
        form->AddCurrentSeries(SineRun(), false, false, ChartKind::Line);
        QCOMPARE(form->StatusPanel(0), QStringLiteral("i=1\\361"));
        QCOMPARE(form->StatusPanel(7), QStringLiteral("dp="));
        QVERIFY(!form->Action("MeasureAction")->isChecked());
    }

    // A chart of real data after a complex one names its axes x and y.
    void analysisChartTakesRealAxisTitles() {
        QWidget parent;
        CurrentSeries current = ComplexRun();
        ChartHost host{calc, texts, files, &parent, nullptr, nullptr,
                       [&current]() -> const CurrentSeries& { return current; }, nullptr, nullptr,
                       nullptr};
        TChartLink link(host);
        link.Shared().ComplexMode = ComplexChartMode::Argument;
        TGrForm* form = link.EnsureForm();
        form->AddCurrentSeries(current, true, false, ChartKind::Line);
        QCOMPARE(form->Model().YTitle, std::string("osa ar"));
        AnalysisChart chart;
        chart.Curves.push_back({"data", CurveKind::Points, {1, 2, 3}, {1, 4, 9}});
        AnalysisChartLink(link).ShowAnalysisChart(chart);
        QCOMPARE(form->Model().XTitle, std::string("osa x"));
        QCOMPARE(form->Model().YTitle, std::string("osa y"));
        QCOMPARE(form->Chart()->yAxis->label(), QStringLiteral("osa y"));
        link.RemoveAllSeries();
    }

    // At the default width every button shows (no overflow button hides
    // any); a wide window puts both tool bars in one row.
    void toolBarsShowEveryButton() {
        auto form = NewForm();
        form->AddCurrentSeries(SineRun(), false, false, ChartKind::Line);
        QCOMPARE(form->width(), 500);
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        auto* tools = form->findChild<QToolBar*>(QStringLiteral("ToolBar"));
        auto* seriesTools = form->findChild<QToolBar*>(QStringLiteral("SeriesToolBar"));
        QVERIFY(tools && seriesTools);
        QStringList hidden;
        for (QToolBar* bar : {tools, seriesTools})
            for (QAction* action : bar->actions())
                if (!action->isSeparator() && !bar->widgetForAction(action)->isVisible())
                    hidden << action->objectName();
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QLatin1Char(' '))));
        for (const char* name : {"HideAction", "TextsAction", "OrthonormalAction"})
            QVERIFY2(seriesTools->actions().contains(form->Action(name)), name);
        form->resize(1400, 400);
        QTRY_COMPARE(seriesTools->y(), tools->y());
        form->resize(500, 400);
        QTRY_VERIFY(seriesTools->y() > tools->y());
    }

    // The palette comes from the settings and goes back to them.
    void paletteOfTheSettings() {
        Settings values;
        values.SetHexColor("ChartSeriesColor", "1", 0x808000);  // teal, red in the low byte
        QWidget parent;
        CurrentSeries current = SineRun();
        ChartHost host{calc,     texts,   files,
                       &parent,  [&values] { return &values; },
                       nullptr,  [&current]() -> const CurrentSeries& { return current; },
                       nullptr,  nullptr, nullptr};
        TChartLink link(host);
        link.AddSeriesToChart();
        link.AddSeriesToChart();
        TGrForm* form = link.Form();
        QVERIFY(form);
        QCOMPARE(form->Plottable(0)->pen().color(), QColor(255, 0, 0));
        QCOMPARE(form->Plottable(1)->pen().color(), QColor(0, 128, 128));
        SeriesPaletteColors palette = form->Model().Palette();
        palette[0] = {1, 2, 3};
        form->Model().SetPalette(palette);
        link.RemoveAllSeries();
        QCOMPARE(values.HexColor("ChartSeriesColor", "0"), 0x030201);
        QCOMPARE(values.HexColor("ChartSeriesColor", "1"), 0x808000);
        QCOMPARE(values.HexColor("ChartSeriesColor", "2"), 0xFF0000);  // blue
    }
};

QTEST_MAIN(GrFormStateTest)
#include "gr_form_state_test.moc"
