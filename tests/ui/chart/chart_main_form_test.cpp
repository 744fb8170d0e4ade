// The charts beside a real main window: the examples of the "&Graf" menu
// run their series and draw them (the circle round, in radians), a
// two-dimensional run adds one curve per Y value, the small chart shows each
// finished run and a double click on it opens the detailed chart, and the
// complex chart modes add the chosen part of a complex series.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QtTest>
#include <cmath>
#include <qcustomplot.h>

#include "ui/chart/chart_link.h"
#include "ui/main/main_form.h"
#include "ui/main/register_label.h"

using namespace tarvix;

namespace {

struct Windows {
    TMainForm main;
    std::vector<std::string> messages;

    Windows() {
        main.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request.Text);
            return ModalResult::Yes;
        });
        main.show();
    }
    const TKrivka& Example(ExampleList list, const char* name) {
        for (const TKrivka& k : ExampleTable(list)) {
            if (k.Name == name) return k;
        }
        throw std::logic_error("no such example");
    }
};

}  // namespace

class ChartMainFormTest : public QObject {
    Q_OBJECT

private slots:
    void circleExampleDrawsARoundCircleInRadians() {
        Windows w;
        w.main.Model().SetAngleUnits(auDeg);
        w.main.RunExample(ExampleList::Parametric,
                          w.Example(ExampleList::Parametric, "Kružnice"), QStringLiteral("Kružnice"));
        QVERIFY2(w.messages.empty(), w.messages.empty() ? "" : w.messages[0].c_str());
        QCOMPARE(w.main.Model().AngleUnits(), auRad);
        QCOMPARE(w.main.Model().NumericalScope(), nsReal);
        QCOMPARE(w.main.RegisterLabel(BoxId::X)->text(), QStringLiteral("t"));
        QCOMPARE(w.main.RegisterBox(BoxId::X)->currentText(), QStringLiteral("0..2*pi:pi/100"));
        const CurrentSeries& s = w.main.Series().Series();
        QVERIFY(s.Parametric);
        QCOMPARE(s.Re.at(0).size(), std::size_t{201});
        QVERIFY(w.main.Charts().Image()->Preview().has_value());
        // The detailed chart: lines (not bars), header, orthonormal.
        w.main.Action("GrafDetailniItem")->trigger();
        TGrForm* form = w.main.Charts().Form();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        auto* curve = qobject_cast<QCPCurve*>(form->Plottable(0));
        QVERIFY(curve);
        QCOMPARE(curve->dataCount(), 201);
        for (int j : {0, 50, 100, 150}) {
            const double x = curve->data()->at(j)->key;
            const double y = curve->data()->at(j)->value;
            QVERIFY(std::fabs(x * x + y * y - 1.0) < 1e-12);
        }
        QCOMPARE(form->Model().Header, std::string("Kružnice"));
        QVERIFY(form->Orthonormal());
        form->resize(600, 400);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        form->DefaultScale();
        const QRect area = form->Chart()->axisRect()->rect();
        QVERIFY(std::fabs(form->XRange().Length() / area.width() -
                          form->YRange().Length() / area.height()) <
                1e-9 * form->XRange().Length());
    }

    void cartesianAndExpansionExamplesRun() {
        Windows w;
        w.main.RunExample(ExampleList::Cartesian, w.Example(ExampleList::Cartesian, "Řetězovka"),
                          QStringLiteral("Řetězovka"));
        QVERIFY2(w.messages.empty(), w.messages.empty() ? "" : w.messages[0].c_str());
        QCOMPARE(w.main.Series().Series().RealCount(), std::size_t{201});
        QVERIFY(w.main.Charts().Image()->toolTip().startsWith(QStringLiteral("Xmin = -1\nXmax = 1\nYmin = 1\n")));
        QVERIFY(!w.main.Charts().Shared().Orthonormal);
        w.main.RunExample(ExampleList::Expansion, w.Example(ExampleList::Expansion, "Trojúhelníková křivka"),
                          QStringLiteral("Trojúhelníková křivka"));
        QVERIFY2(w.messages.empty(), w.messages.empty() ? "" : w.messages[0].c_str());
        QCOMPARE(w.main.Series().Series().RealCount(), std::size_t{1001});
        w.main.Action("GrafPridatRaduItem")->trigger();
        QVERIFY(w.main.Charts().Form());
        QCOMPARE(w.main.Charts().Form()->Model().Header, std::string("Trojúhelníková křivka"));
        QCOMPARE(w.main.Charts().Form()->Model().Series()[0].Y.size(), std::size_t{1001});
    }

    void twoDimensionalRunAndTheSmallChart() {
        Windows w;
        w.main.RegisterBox(BoxId::X)->setEditText(QStringLiteral("0..360:1"));
        w.main.RegisterBox(BoxId::Y)->setEditText(QStringLiteral("1..3:1"));
        w.main.CalculateText(QStringLiteral("sin(X)*Y"));
        QVERIFY2(w.messages.empty(), w.messages.empty() ? "" : w.messages[0].c_str());
        TGrImage* image = w.main.Charts().Image();
        QVERIFY(image->isVisible());  // the chart panel replaced the keypad
        QVERIFY(image->Preview().has_value());
        // A double click opens the detailed chart with the series as bars.
        QTest::mouseDClick(image, Qt::LeftButton, {}, image->rect().center());
        TGrForm* form = w.main.Charts().Form();
        QVERIFY(form);
        QCOMPARE(form->Model().Count(), std::size_t{3});
        QVERIFY(qobject_cast<QCPBars*>(form->Plottable(0)));
        QCOMPARE(form->Plottable(2)->pen().color(), QColor(0, 0, 255));
        QVERIFY(w.main.Action("GrafOdebratRaduItem")->isEnabled());
        w.main.Action("GrafVyjmoutRadyItem")->trigger();
        QTRY_VERIFY(!w.main.Charts().Form());
        QVERIFY(!w.main.Action("GrafOdebratRaduItem")->isEnabled());
        // An ordinary calculation empties the current series.
        w.main.CalculateText(QStringLiteral("1+1"));
        QVERIFY(!w.main.Charts().HasCurrentSeries());
    }

    void complexModesAddTheChosenPart() {
        Windows w;
        w.main.Model().SetNumericalScope(nsComplex);
        w.main.RegisterBox(BoxId::X)->setEditText(QStringLiteral("0..4:1"));
        w.main.CalculateText(QStringLiteral("X+2i"));
        QVERIFY2(w.messages.empty(), w.messages.empty() ? "" : w.messages[0].c_str());
        QVERIFY(w.main.Charts().HasCurrentSeries());
        QAction* argument = w.main.Action("ArgumentItem");
        QVERIFY(argument);
        QVERIFY(argument->isEnabled());  // a complex series exists
        argument->trigger();
        TGrForm* form = w.main.Charts().Form();
        QVERIFY(form);
        QCOMPARE(form->Model().YTitle, std::string("osa ar"));
        QCOMPARE(form->Model().Series()[0].Y[2], std::atan2(2.0, 2.0));
        w.main.Action("GaussovaKomplexniRovinaItem")->trigger();
        QCOMPARE(form->Model().Count(), std::size_t{2});
        QCOMPARE(form->Model().Series()[1].X[3], 3.0);
        QCOMPARE(form->Model().Series()[1].Y[3], 2.0);
        QVERIFY(argument->isEnabled());
    }
};

QTEST_MAIN(ChartMainFormTest)
#include "chart_main_form_test.moc"
