// The analyses drawn in the detailed chart window beside a real main window:
// the regression data with the fitted power curve as a second series, the
// Fourier harmonics of a vector as bars, one statistics column against its
// row number, and the small chart's "Př&enést data do statistiky" that
// fills the statistics grid with the current series.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QtTest>
#include <cmath>
#include <numbers>
#include <qcustomplot.h>

#include "ui/chart/chart_link.h"
#include "ui/main/main_form.h"
#include "ui/statistics/stat_form.h"

using namespace tarvix;

namespace {

struct Windows {
    TMainForm main;
    std::vector<std::string> messages;

    Windows() {
        main.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request.Text);
            return ModalResult::No;
        });
        main.show();
    }
    QToolButton* Button(const char* name) const {
        return main.findChild<QToolButton*>(QString::fromLatin1(name));
    }
    std::string FirstMessage() const { return messages.empty() ? std::string() : messages[0]; }
};

}  // namespace

class AnalysisChartTest : public QObject {
    Q_OBJECT

private slots:
    void regressionDrawsTheDataAndThePowerCurve() {
        Windows w;
        QTest::mouseClick(w.Button("RegSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.main.StatForm();
        QVERIFY(stat);
        stat->Model().Table().SetRows({{"1", "1"}, {"2", "4"}, {"3", "9"}, {"4", "16"}});
        stat->RefreshTable();
        stat->RegKindComboBox()->setCurrentIndex(3);
        emit stat->RegKindComboBox()->activated(3);
        stat->ExportGrafItemClick();
        QVERIFY2(w.messages.empty(), w.FirstMessage().c_str());
        TGrForm* form = w.main.Charts().Form();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->Model().Count(), std::size_t{2});
        // The data: four marked points without a joining line.
        const ChartSeries& data = form->Model().Series()[0];
        QCOMPARE(data.Y, (std::vector<double>{1, 4, 9, 16}));
        auto* points = qobject_cast<QCPGraph*>(form->Plottable(0));
        QVERIFY(points);
        QCOMPARE(points->lineStyle(), QCPGraph::lsNone);
        QVERIFY(points->scatterStyle().shape() != QCPScatterStyle::ssNone);
        // The fitted curve y = x^2 from the first to the last x, drawn as a line.
        auto* curve = qobject_cast<QCPGraph*>(form->Plottable(1));
        QVERIFY(curve);
        QCOMPARE(curve->lineStyle(), QCPGraph::lsLine);
        QCOMPARE(curve->dataCount(), 101);
        QCOMPARE(curve->data()->at(0)->key, 1.0);
        QCOMPARE(curve->data()->at(100)->key, 4.0);
        for (int j : {0, 37, 100}) {
            const double x = curve->data()->at(j)->key;
            QVERIFY(std::fabs(curve->data()->at(j)->value - x * x) < 1e-9);
        }
        // A second export replaces nothing: the chart gains the series again.
        stat->ExportGrafItemClick();
        QCOMPARE(form->Model().Count(), std::size_t{4});
    }

    void oneColumnIsDrawnAgainstItsRowNumber() {
        Windows w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.main.StatForm();
        stat->Model().SetXy(false);
        stat->Model().Table().SetRows({{"5", ""}, {"2+", ""}, {"7", ""}});  // a faulty cell
        stat->RefreshTable();
        stat->ExportGrafItemClick();  // "&Graf Tarvix"
        TGrForm* form = w.main.Charts().Form();
        QVERIFY(form);
        QCOMPARE(form->Model().Count(), std::size_t{1});
        const ChartSeries& s = form->Model().Series()[0];
        QCOMPARE(s.X, (std::vector<double>{1, 3}));
        QCOMPARE(s.Y, (std::vector<double>{5, 7}));
    }

    void fourierOfAVectorDrawsItsHarmonicsAsBars() {
        Windows w;
        SeriesController& series = w.main.Series();
        series.SetVarAsVector(true);
        constexpr int n = 16;
        ParserFloatArray samples;
        for (int j = 0; j < n; ++j) {
            const long double t = 2.0L * std::numbers::pi_v<long double> * j / n;
            samples.push_back({std::sin(t) + 0.5L * std::sin(2.0L * t) + 0.25L * std::cos(3.0L * t),
                               0.0L});
        }
        series.Vectors().TransferName = "A";
        series.Vectors().TransferVector = samples;
        QVERIFY(series.Vectors().StoreTransfer(true));
        w.main.FourierVectorClick("A");
        TGrForm* form = w.main.Charts().Form();
        QVERIFY2(form, w.FirstMessage().c_str());
        QCOMPARE(form->Model().Count(), std::size_t{1});
        auto* bars = qobject_cast<QCPBars*>(form->Plottable(0));
        QVERIFY(bars);
        // Orders 1 … N/2 − 1; the order N/2 stays in the current series only.
        QCOMPARE(bars->dataCount(), n / 2 - 1);
        QCOMPARE(bars->data()->at(0)->key, 1.0);
        QCOMPARE(bars->data()->at(0)->value, 0.0);
        QVERIFY(std::fabs(bars->data()->at(1)->value - 50.0) < 1e-9);
        QVERIFY(std::fabs(bars->data()->at(2)->value - 25.0) < 1e-9);
        QVERIFY(std::fabs(bars->data()->at(3)->value) < 1e-9);
        QVERIFY(QString::fromStdString(form->Model().Header).startsWith("Fourierova analýza:"));
        QCOMPARE(QString::fromStdString(form->Model().XTitle), QStringLiteral("řád harmonické"));
        // "&Fourierova" of the menu on the same samples as the current series
        // replaces the chart by the same bars.
        series.Series() = CurrentSeries::FromVector(samples, false);
        w.main.AnalyzaFourierovaItemClick();
        QVERIFY2(w.messages.empty(), w.FirstMessage().c_str());
        QCOMPARE(form->Model().Count(), std::size_t{1});
        auto* again = qobject_cast<QCPBars*>(form->Plottable(0));
        QVERIFY(again);
        QCOMPARE(again->dataCount(), n / 2 - 1);
        QVERIFY(std::fabs(again->data()->at(1)->value - 50.0) < 1e-9);
    }

    void transferToStatisticsFillsTheGrid() {
        Windows w;
        w.main.Series().Series() = CurrentSeries::FromVector({{2, 0}, {3.5L, 0}, {-1, 0}}, false);
        QMenu* menu = w.main.Charts().ImagePopupMenu();
        emit menu->aboutToShow();
        QAction* item = menu->findChild<QAction*>(QStringLiteral("GrStatistikaItem"));
        if (!item) {
            for (QAction* a : menu->actions())
                if (a->objectName() == QLatin1String("GrStatistikaItem")) item = a;
        }
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        item->trigger();
        QVERIFY2(w.messages.empty(), w.FirstMessage().c_str());
        TStatForm* stat = w.main.StatForm();
        QVERIFY(stat);
        QVERIFY(stat->isVisible());
        const StatTable& table = stat->Model().Table();
        QCOMPARE(table.FilledRowCount(), 3);
        QCOMPARE(QString::fromStdString(table.Cell(0, 0)), QStringLiteral("2"));
        QCOMPARE(QString::fromStdString(table.Cell(0, 2)), QStringLiteral("-1"));
        QCOMPARE(stat->DataStringGrid()->model()->rowCount(), 3);
    }
};

QTEST_MAIN(AnalysisChartTest)
#include "analysis_chart_test.moc"
