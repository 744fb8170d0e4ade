// The series in the windows: the parameter dialog (boxes from the state,
// the default mask, the overwrite question), the menu "Generovat řadu"
// filling the X box, a run with its result line, Stop during a long run,
// and the bold label of a variable with a vector.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>

#include "series/data_pump.h"
#include "ui/main/main_form.h"
#include "ui/chart/param_dlg.h"
#include "ui/main/register_label.h"

using namespace tarvix;

namespace {

ParamDlgState SampleState() {
    ParamDlgState s =
        OpenParamDlg("x*2...x*x", "0..10:0.5", "1", DataSeriesSettings{}, "/tmp", "/tmp/data.txt");
    return s;
}

template <typename W>
W* Part(const TParamDlg& dialog, const char* name) {
    return qobject_cast<W*>(dialog.Part(name));
}

// Runs `action` on the modal dialog once it is shown.
template <typename F>
void OnDialog(F action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<TParamDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(*dialog);
    });
}

}  // namespace

class SeriesUiTest : public QObject {
    Q_OBJECT

private slots:
    void ParamDlgShowsTheState() {
        TextCatalog texts;
        TParamDlg dialog(SampleState(), "x", "Y", texts, {}, {});
        QVERIFY(Part<QCheckBox>(dialog, "ParametrickeCheckBox")->isChecked());
        QCOMPARE(Part<QComboBox>(dialog, "OsaXComboBox")->currentText(), QStringLiteral("x*2"));
        QCOMPARE(Part<QComboBox>(dialog, "OsaYComboBox")->currentText(), QStringLiteral("x*x"));
        QCOMPARE(Part<QLineEdit>(dialog, "XGroupBoxLow")->text(), QStringLiteral("0"));
        QCOMPARE(Part<QLineEdit>(dialog, "XGroupBoxHigh")->text(), QStringLiteral("10"));
        QCOMPARE(Part<QLineEdit>(dialog, "XGroupBoxStep")->text(), QStringLiteral("0.5"));
        QVERIFY(Part<QLineEdit>(dialog, "YGroupBoxLow")->text().isEmpty());
        QVERIFY(Part<QWidget>(dialog, "OsyGroupBox")->isEnabled());
        QVERIFY(!Part<QWidget>(dialog, "SouborGroupBox")->isEnabled());
        QCOMPARE(Part<QComboBox>(dialog, "SouborFxiComboBox")->currentText(),
                 QStringLiteral("/tmp/data.txt"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Parametry datové řady"));
    }

    void ParamDlgReadsBackAndRestoresTheMask() {
        TextCatalog texts;
        TParamDlg dialog(SampleState(), "x", "Y", texts, {}, {});
        Part<QCheckBox>(dialog, "VytvoritSouborCheckBox")->setChecked(true);
        QVERIFY(Part<QWidget>(dialog, "SouborGroupBox")->isEnabled());
        Part<QComboBox>(dialog, "OddSloupcuComboBox")->setCurrentIndex(3);
        Part<QLineEdit>(dialog, "MaskaEdit")->setText(QStringLiteral("0.0"));
        Part<QLineEdit>(dialog, "YGroupBoxLow")->setText(QStringLiteral("1"));
        Part<QLineEdit>(dialog, "YGroupBoxHigh")->setText(QStringLiteral("2"));
        Part<QLineEdit>(dialog, "YGroupBoxStep")->setText(QStringLiteral("1"));
        ParamDlgResult result = AcceptParamDlg(dialog.State());
        QVERIFY(result.Settings.CreateFile);
        QCOMPARE(result.Settings.ColumnSeparator, 3);
        QCOMPARE(result.Settings.FormatFloatMask, std::string("0.0"));
        QCOMPARE(*result.Input, std::string("x*2...x*x"));
        QCOMPARE(*result.XBox, std::string("0..10:0.5"));
        QCOMPARE(*result.YBox, std::string("1..2:1"));
        QTest::mouseClick(Part<QPushButton>(dialog, "ImplButton"), Qt::LeftButton);
        QCOMPARE(Part<QLineEdit>(dialog, "MaskaEdit")->text(), QStringLiteral("0.000000000E+00"));
    }

    void ParamDlgAsksBeforeOverwriting() {
        const std::filesystem::path file = std::filesystem::temp_directory_path() / "tarvix_pd.txt";
        std::ofstream(file) << "old";
        ParamDlgState state = SampleState();
        state.FileName = file.string();
        state.Settings.CreateFile = true;
        TextCatalog texts;
        int asked = 0;
        int answer = TParamDlg::kNo;
        TParamDlg dialog(state, "x", "Y", texts,
                         [&](const std::string&) {
                             ++asked;
                             return answer;
                         },
                         {});
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.accept();
        QCOMPARE(asked, 1);
        QVERIFY(dialog.isVisible());  // No: back to the dialog
        QCOMPARE(QApplication::focusWidget(), dialog.Part("SouborFxiComboBox"));
        answer = TParamDlg::kYes;
        dialog.accept();
        QCOMPARE(asked, 2);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        std::filesystem::remove(file);
    }

    void MenuPreparesTheRangeAndTheRunShowsItsCount() {
        TMainForm form;
        form.Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Yes; });
        form.show();
        form.ExprComboBox()->lineEdit()->setText(QStringLiteral("sin(x)"));
        OnDialog([](TParamDlg& dialog) {
            Part<QLineEdit>(dialog, "XGroupBoxLow")->setText(QStringLiteral("0"));
            Part<QLineEdit>(dialog, "XGroupBoxHigh")->setText(QStringLiteral("10"));
            Part<QLineEdit>(dialog, "XGroupBoxStep")->setText(QStringLiteral("0.01"));
            dialog.accept();
        });
        form.Action("RadaIteraciPromenneItem")->trigger();
        QCOMPARE(form.RegisterBox(BoxId::X)->lineEdit()->text(), QStringLiteral("0..10:0.01"));
        form.CalculateText(QStringLiteral("sin(X)"));
        QCOMPARE(form.StaticTextDisplay()->text().trimmed(), QStringLiteral("1001 hodnot 100%"));
        QCOMPARE(form.Series().Series().ValidPoints, std::size_t(1001));
        QCOMPARE(form.VypocetButton()->text(), QStringLiteral("&Výpočet"));
    }

    // OK records the combo boxes' texts in their lists; a decimal separator
    // applies at once and Storno brings the previous one back.
    void ParamDlgHistoriesAndTheSeparator() {
        TMainForm form;
        form.Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Yes; });
        form.show();
        form.ExprComboBox()->lineEdit()->setText(QStringLiteral("cos(x)"));
        OnDialog([](TParamDlg& dialog) { dialog.accept(); });
        form.Action("RadaIteraciPromenneItem")->trigger();
        const ParamDlgHistories& histories = form.Series().ParamHistories();
        QCOMPARE(histories.OsaY, std::vector<std::string>{"cos(x)"});
        QCOMPARE(histories.File.size(), std::size_t{1});
        int separatorSeen = -1;
        OnDialog([&form, &separatorSeen](TParamDlg& dialog) {
            auto* oyBox = Part<QComboBox>(dialog, "OsaYComboBox");
            QCOMPARE(oyBox->count(), 1);  // the list of the first OK
            auto* separator = Part<QComboBox>(dialog, "OddDesetinnyComboBox");
            separator->setCurrentIndex(1);
            emit separator->activated(1);
            separatorSeen = form.Series().Settings().DecimalSeparator;
            dialog.reject();
        });
        form.Action("RadaIteraciPromenneItem")->trigger();
        QCOMPARE(separatorSeen, 1);
        QCOMPARE(form.Series().Settings().DecimalSeparator, 0);
    }

    void StopEndsALongRunAtOnce() {
        TMainForm form;
        form.Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Yes; });
        form.show();
        form.RegisterBox(BoxId::X)->lineEdit()->setText(QStringLiteral("0..10:0.000001"));
        QElapsedTimer clock;
        qint64 clicked = -1;
        bool runningState = false;
        QTimer::singleShot(150, &form, [&] {
            // The running state: the calculate button reads "Stop", the
            // File menu is off, Enter is hidden.
            runningState =
                form.VypocetButton()->text() == QStringLiteral("Stop") &&
                !form.findChild<QMenu*>(QStringLiteral("SouborMenu"))->menuAction()->isEnabled() &&
                form.findChild<QToolButton*>(QStringLiteral("EnterSpeedButton"))->isHidden();
            clicked = clock.elapsed();
            QTest::mouseClick(form.VypocetButton(), Qt::LeftButton);
        });
        clock.start();
        form.CalculateText(QStringLiteral("sin(X)"));
        const qint64 ended = clock.elapsed();
        QVERIFY(runningState);
        QVERIFY(clicked >= 0);
        QVERIFY2(ended - clicked < 100, qPrintable(QString::number(ended - clicked)));
        QCOMPARE(form.StaticTextDisplay()->text(), QStringLiteral("STOP! "));
        const std::size_t kept = form.Series().Series().ValidPoints;
        QVERIFY(kept > 0);
        QVERIFY(kept < 10000001);
        QCOMPARE(form.Series().Series().Y.size(), kept);
        QCOMPARE(form.VypocetButton()->text(), QStringLiteral("&Výpočet"));
        QVERIFY(form.findChild<QMenu*>(QStringLiteral("SouborMenu"))->menuAction()->isEnabled());
        QVERIFY(!form.findChild<QToolButton*>(QStringLiteral("EnterSpeedButton"))->isHidden());
        QVERIFY(!form.Series().Running());
    }

    void ClosingDuringARunStopsItFirst() {
        auto form = std::make_unique<TMainForm>();
        form->Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Yes; });
        form->show();
        form->RegisterBox(BoxId::X)->lineEdit()->setText(QStringLiteral("0..10:0.000001"));
        bool closed = true;
        QTimer::singleShot(100, form.get(), [&] { closed = form->close(); });
        form->CalculateText(QStringLiteral("sin(X)"));
        QVERIFY(!closed);
        QCOMPARE(form->StaticTextDisplay()->text(), QStringLiteral("STOP! "));
        QVERIFY(form->isVisible());
    }

    void VectorLabelIsBoldWithItsHint() {
        TMainForm form;
        form.show();
        form.Series().SetVarAsVector(true);
        QApplication::clipboard()->setText(QStringLiteral("1\n2,5\n3\n"));
        form.RunDataPump(5, 4, "A");
        TRegisterLabel* label = form.RegisterLabel(BoxId::A);
        QVERIFY(label->font().bold());
        QCOMPARE(label->toolTip(), QStringLiteral("3prvků\n1...3"));
        QVERIFY(!form.RegisterLabel(BoxId::B)->font().bold());
        QVERIFY(form.Action("PromenneSmazatVektoryItem")->isEnabled());
        form.Action("PromenneSmazatVektoryItem")->trigger();
        QVERIFY(!label->font().bold());
        QVERIFY(!form.Action("PromenneSmazatVektoryItem")->isEnabled());
    }
};

QTEST_MAIN(SeriesUiTest)
#include "series_ui_test.moc"
