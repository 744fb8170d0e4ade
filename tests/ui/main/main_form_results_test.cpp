// The main window's display and commands around results that come from
// elsewhere: the worksheet's scalar results and the Fourier progress after a
// series run, the tool bar's file commands, the side button "Stop", Ctrl+click
// on "d:m:s", and the hints of the menus "&Graf" and "&Analýza" and of the
// constants button. Message boxes and file dialogs are answered by hooks.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <vector>

#include "ui/main/main_form.h"
#include "ui/main/main_form_tools.h"
#include "ui/tools/date_form.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/worksheet/gem_form.h"

using namespace tarvix;

namespace {

struct Window {
    TMainForm form;
    std::vector<MessageBoxRequest> messages;
    std::vector<bool> fileDialogs;  // save?
    std::optional<std::filesystem::path> chosen;

    Window() {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return ModalResult::Yes;
        });
        form.Files().SetHook([this](const FileDialogRequest&, bool save) {
            fileDialogs.push_back(save);
            return chosen;
        });
        form.show();
    }

    QString Display() const { return form.StaticTextDisplay()->text(); }
    QString Model() { return QString::fromStdString(form.Model().DisplayText()); }
    QToolButton* Button(const char* name) const {
        return form.findChild<QToolButton*>(QString::fromLatin1(name));
    }
    std::string Texts() const {
        std::string all;
        for (const MessageBoxRequest& m : messages) all += m.Text + "\n";
        return all;
    }

    // A series of 16 points: the display reads "16 hodnot 100% ".
    void RunSeries() {
        form.RegisterBox(BoxId::X)->lineEdit()->setText(QStringLiteral("1..16:1"));
        form.CalculateText(QStringLiteral("sin(X*22.5)"));
        QCOMPARE(Display(), QStringLiteral("16 hodnot 100% "));
    }
};

}  // namespace

class MainFormResultsTest : public QObject {
    Q_OBJECT

private slots:
    // Each scalar result of the worksheet reaches the display after a series
    // run left its result line there, and the display agrees with Ans.
    void WorksheetResultsReplaceTheSeriesLine() {
        Window w;
        w.form.OperaceSMaticemiItemClick();
        QPointer<TGemForm> gem = w.form.GemForm();
        QVERIFY(gem);
        gem->RozmerSpinEdit()->setValue(2);
        QAbstractItemModel* left = gem->LStringGrid()->model();
        const char* cells[2][2] = {{"2", "1"}, {"1", "3"}};
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                QVERIFY(left->setData(left->index(i, j), QString::fromLatin1(cells[i][j]),
                                      Qt::EditRole));
        const struct {
            const char* Action;
            const char* Shown;
        } cases[] = {
            {"Operace_Determinant", "5"},
            {"Operace_HodnostMatice", "2"},
            {"Hledat_MinimumCelkove", "1"},
            {"Hledat_MaximumCelkove", "3"},
        };
        for (const auto& c : cases) {
            w.RunSeries();
            QAction* action = gem->Action(c.Action);
            QVERIFY2(action, c.Action);
            action->trigger();
            for (const MessageBoxRequest& m : w.messages)  // the rank also tells it in a box
                QVERIFY2(m.Kind == MessageKind::Information, m.Text.c_str());
            w.messages.clear();
            QCOMPARE(w.Display().trimmed(), QString::fromLatin1(c.Shown));
            QCOMPARE(w.Model().trimmed(), QString::fromLatin1(c.Shown));
            QCOMPARE(static_cast<double>(w.form.Model().Parser1().GetVariable("ANS").Re),
                     QString::fromLatin1(c.Shown).toDouble());
        }
        gem->Model().SetModified(false);
        gem->close();
    }

    // The Fourier analysis of the current series shows its progress on the
    // display and keeps the last one.
    void FourierShowsItsProgress() {
        Window w;
        w.form.Series().SetVarAsVector(true);
        w.RunSeries();
        QAction* fourier = w.form.Action("AnalyzaFourierovaItem");
        QVERIFY(fourier->isEnabled());
        fourier->trigger();
        QVERIFY2(w.messages.empty(), w.Texts().c_str());
        QVERIFY2(w.Display().contains(QRegularExpression(QStringLiteral("^100[,.]00 % $"))),
                 qPrintable(w.Display()));
    }

    // "Otevřít" and "Uložit" of the tool bar run the File menu's commands.
    void ToolBarOpensAndSavesTheDataFile() {
        QTemporaryDir dir;
        Window w;
        w.chosen = std::filesystem::path(dir.filePath(QStringLiteral("tool.fx")).toStdString());
        w.form.RegisterBox(BoxId::A)->lineEdit()->setText(QStringLiteral("42"));
        w.form.Action("UlozitToolButton")->trigger();
        QVERIFY2(w.messages.empty(), w.Texts().c_str());
        QCOMPARE(w.fileDialogs, std::vector<bool>{true});
        QVERIFY(std::filesystem::exists(*w.chosen));
        QVERIFY(w.form.windowTitle().contains(QStringLiteral("tool.fx")));

        w.form.RegisterBox(BoxId::A)->lineEdit()->setText(QStringLiteral("7"));
        w.form.Action("OtevritToolButton")->trigger();
        QVERIFY2(w.messages.empty(), w.Texts().c_str());
        QCOMPARE(w.fileDialogs, (std::vector<bool>{true, false}));
        QCOMPARE(w.form.RegisterBox(BoxId::A)->lineEdit()->text(), QStringLiteral("42"));
    }

    // A click on the side button "Stop" during a run stops it, and nothing else.
    void SideStopButtonOnlyStops() {
        Window w;
        w.form.RegisterBox(BoxId::X)->lineEdit()->setText(QStringLiteral("0..10:0.000001"));
        bool clicked = false;
        QTimer::singleShot(100, &w.form, [&] {
            QToolButton* stop = w.Button("StopSpeedButton");
            clicked = stop->isEnabled();
            QTest::mouseClick(stop, Qt::LeftButton);
        });
        w.form.CalculateText(QStringLiteral("sin(X)"));
        QVERIFY(clicked);
        QCOMPARE(w.Display(), QStringLiteral("STOP! "));
        // Only the question about the ten million steps, asked before the run.
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(w.messages[0].Kind, MessageKind::Confirmation);
    }

    // Ctrl+click on "d:m:s" opens the period window.
    void CtrlClickOnDmsOpensThePeriodWindow() {
        Window w;
        QString opened;
        QTimer::singleShot(0, &w.form, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<TDateForm*>(modal)) {
                opened = dialog->objectName();
                dialog->reject();
            } else if (auto* other = qobject_cast<QDialog*>(modal)) {
                other->reject();
            }
        });
        QTest::mouseClick(w.Button("DmsSpeedButton"), Qt::LeftButton, Qt::ControlModifier);
        QCOMPARE(opened, QStringLiteral("TDateForm"));
        QVERIFY2(w.messages.empty(), w.Texts().c_str());
    }

    void MenuAndButtonHints() {
        Window w;
        auto statusTip = [&w](const char* name) { return w.form.Action(name)->statusTip(); };
        QCOMPARE(w.form.findChild<QMenu*>(QStringLiteral("GrafMenu"))->menuAction()->statusTip(),
                 QStringLiteral("Příklady grafů analytických funkcí"));
        QCOMPARE(statusTip("GrafIteraciPromenneItem"),
                 QStringLiteral(
                     "Graf funkce dané analytickými rovnicemi v ortogonální souřadnicové soustavě"));
        QCOMPARE(statusTip("GrafIteraciParametruItem"),
                 QStringLiteral(
                     "Graf funkce dané parametrickými rovnicemi v ortonormální souřadnicové soustavě"));
        QCOMPARE(statusTip("GrafRozvojemItem"),
                 QStringLiteral("Graf funkce dané analytickým rozvojem nekonečné řady"));
        QCOMPARE(statusTip("AnalyzaFourierovaItem"),
                 QStringLiteral("Fourierova analýza neharmonického periodického signálu"));
        QCOMPARE(w.form.Action("AnalyzaFourierovaItem")->toolTip(),
                 QStringLiteral("Fourierova analýza neharmonického periodického signálu"));

        // The constants button: the chosen constant's name and value, or the
        // default hint for a caption without ":".
        QToolButton* constPanel = w.Button("ConstPanel");
        QCOMPARE(constPanel->toolTip(), QStringLiteral("Vložit vybranou konstantu"));
        QAction* au = w.form.ConstPopupMenu()->actions().at(0);
        au->trigger();
        QCOMPARE(constPanel->toolTip(), QStringLiteral("Astronomická jednotka: 1,495978707E11"));
        QCOMPARE(ConstPanelHint(QStringLiteral("0  Bez dvojtečky"), QStringLiteral("1"),
                                QStringLiteral("Vložit konstantu...")),
                 QStringLiteral("Vložit konstantu..."));
        QCOMPARE(ConstPanelHint(QStringLiteral("M  Planckova konstanta: h [Js]\t6,62607015E-34"),
                                QStringLiteral("6,62607015E-34"), QString()),
                 QStringLiteral("Planckova konstanta: 6,62607015E-34"));
    }
};

QTEST_MAIN(MainFormResultsTest)
#include "main_form_results_test.moc"
