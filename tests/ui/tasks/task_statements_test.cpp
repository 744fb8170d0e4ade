// The window statements of tasks run in the main window: ENTER types with
// pauses and ENTER alone calculates, KEYBD reaches the main window, PLOT
// fills the detailed chart, DATA the statistics window, PRINT and the EQU
// template the output window, OPEN places windows and CLOSE closes them;
// RUN name from the input line, F9 of the output and history windows and
// "&Průvodce" run library tasks; the complex function demonstration
// transfers the shipped library's formula and calculates it.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <vector>

#include "tasks/library_file.h"
#include "tasks/library_tree.h"
#include "ui/chart/chart_link.h"
#include "ui/chart/gr_form.h"
#include "ui/language/language_hub.h"
#include "ui/library/expr_form.h"
#include "ui/lists/log_form.h"
#include "ui/main/main_form.h"
#include "ui/shell/data_paths.h"
#include "ui/statistics/stat_form.h"
#include "ui/tasks/ed_form.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_runner.h"

using namespace tarvix;

namespace {

struct Window {
    TMainForm form;
    TTaskLink& link;
    TaskRunner& runner;
    std::vector<MessageBoxRequest> messages;

    Window() : link(form.Tasks()), runner(link.Runner()) {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return ModalResult::Ok;
        });
        link.SetInputHook([](std::string_view, std::string_view defaultText) {
            return std::optional<std::string>(defaultText);
        });
        form.show();
    }
    // Runs a task to its end.
    bool Run(const char* text) {
        link.RunProgram(TaskProgram(text, "Zkouška", {}));
        return QTest::qWaitFor([this] { return !runner.Running(); }, 10000);
    }
    QLineEdit* Input() const { return form.ExprComboBox()->lineEdit(); }
    QString Display() const { return form.StaticTextDisplay()->text().trimmed(); }
    QStringList Output() const {
        TEdForm* ed = link.EdForm();
        if (!ed) return {};
        return ed->REdit()->toPlainText().split(QLatin1Char('\n'));
    }
};

}  // namespace

class TaskStatementsTest : public QObject {
    Q_OBJECT

private slots:
    void EnterTypesWithoutCalculatingAndAloneCalculates() {
        Window w;
        w.form.CalculateText(QStringLiteral("7"));
        QCOMPARE(w.Display(), QStringLiteral("7"));
        QSignalSpy typed(w.Input(), &QLineEdit::textChanged);
        w.link.RunProgram(TaskProgram("ENTER 2+3", "Zkouška", {}));
        QVERIFY(w.runner.Running());
        QVERIFY(QTest::qWaitFor([&w] { return !w.runner.Running(); }, 5000));
        // The box was emptied, then the characters arrived one by one.
        QStringList texts;
        for (const QList<QVariant>& change : typed) texts << change.at(0).toString();
        QCOMPARE(texts, (QStringList{"", "2", "2+", "2+3"}));
        QCOMPARE(w.Display(), QStringLiteral("7"));
        QVERIFY(w.Run("ENTER"));
        QCOMPARE(w.Display(), QStringLiteral("5"));
    }

    void EnterIntoARegisterBoxAndStopDropsTheRest() {
        Window w;
        QVERIFY(w.Run("ENTER #A,12"));
        QCOMPARE(w.form.RegisterBox(BoxId::A)->lineEdit()->text(), QStringLiteral("12"));
        w.link.RunProgram(TaskProgram("ENTER 123456789", "Zkouška", {}));
        QTRY_VERIFY(!w.Input()->text().isEmpty());
        w.runner.Stop();
        const QString typed = w.Input()->text();
        QVERIFY(typed.size() < 9);
        QTest::qWait(150);
        QCOMPARE(w.Input()->text(), typed);
    }

    void KeybdReachesTheMainWindow() {
        Window w;
        w.Input()->setText(QStringLiteral("12345"));
        w.Input()->selectAll();
        QApplication::clipboard()->clear();
        QVERIFY(w.Run("KEYBD(MainForm, ctrl+c)"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12345"));
        QVERIFY(w.messages.empty());
    }

    void PlotAddsPointsToTheChart() {
        Window w;
        QVERIFY(w.Run("PLOT(1, 1, 2)\nPLOT(1, 2, 3)\nPLOT(2, 0, 0)\nPLOT(5, 1, 1)"));
        TGrForm* chart = w.form.Charts().Form();
        QVERIFY(chart);
        QVERIFY(chart->isVisible());
        const auto& series = chart->Model().Series();
        QCOMPARE(series.size(), std::size_t(2));
        QCOMPARE(series[0].X, (std::vector<double>{1, 2}));
        QCOMPARE(series[0].Y, (std::vector<double>{2, 3}));
        QCOMPARE(series[1].X.size(), std::size_t(1));
        QVERIFY(w.messages.empty());
    }

    void DataOpensTheStatisticsWindowAndAppends() {
        Window w;
        QVERIFY(!w.form.StatForm());
        QVERIFY(w.Run("DATA(3)\nDATA 2*2"));
        TStatForm* stat = w.form.StatForm();
        QVERIFY(stat);
        QCOMPARE(stat->Model().Table().FilledRowCount(), 2);
    }

    void PrintFillsTheOutputWindowAndClsEmptiesIt() {
        Window w;
        QVERIFY(w.Run("PRINT \"x=%g\", 6*7\nPRINT 1, 2"));
        TEdForm* ed = w.link.EdForm();
        QVERIFY(ed && ed->isVisible());
        QCOMPARE(ed->windowTitle(), QStringLiteral("Tarvix - Zkouška"));
        QCOMPARE(w.Output(), (QStringList{"x=42", "1 2"}));
        QVERIFY(w.Run("CLS"));
        QVERIFY(!ed->HasLines());
    }

    void EquationTemplateIsSolvedIntoTheOutputWindow() {
        Window w;
        w.link.SetLibraryFile("/nonexistent/library.exp");
        w.form.Action("FunkceResitSoustavuItem")->trigger();
        // The library window holds the template in its EQU category; F9 solves it.
        TExprForm* library = w.form.ExprForm();
        QVERIFY(library && library->isVisible());
        QVERIFY(library->Memo()->toPlainText().contains(QStringLiteral("2a+3b-c = 5")));
        library->Action("RunToolButton")->trigger();
        QVERIFY(QTest::qWaitFor([&w] { return !w.runner.Running(); }, 5000));
        QCOMPARE(w.Output(), (QStringList{"a = 1", "b = 2", "c = 3"}));
        QCOMPARE(w.form.Model().Parser1().GetVariable("c").Re, 3.0L);
    }

    void OpenPlacesWindowsOnTheScreenAndCloseClosesThem() {
        Window w;
        QVERIFY(w.Run("OPEN(EdForm, 10, 20, 300, 200)"));
        TEdForm* ed = w.link.EdForm();
        QVERIFY(ed && ed->isVisible());
        const QRect screen = ed->screen()->availableGeometry();
        QCOMPARE(ed->frameGeometry().topLeft(), screen.topLeft() + QPoint(10, 20));
        QVERIFY(w.Run("OPEN(EdForm, HIDE)"));
        QVERIFY(!ed->isVisible());
        QVERIFY(w.Run("OPEN(EdForm, SHOW)\nCLOSE(EdForm)"));
        QTRY_VERIFY(!w.link.EdForm());
        // The main window cannot be closed by a task.
        QVERIFY(w.Run("CLOSE(MainForm)"));
        QVERIFY(w.form.isVisible());
        QCOMPARE(w.messages.size(), std::size_t(1));
        QCOMPARE(w.messages.back().Kind, MessageKind::Error);
    }

    void RunNameFromTheInputLineRunsTheLibraryTask() {
        Window w;
        const QString file = QDir(QDir::tempPath()).filePath(QStringLiteral("tarvix-run-test.exp"));
        LibraryTree tree;
        tree.Append(nullptr, std::make_unique<LibraryNode>(
                                 "Jiné", std::vector<LibraryRow>{{"PRINT 1", "Jiná", "TASK"}}));
        tree.Append(nullptr, std::make_unique<LibraryNode>(
                                 "Pokus", std::vector<LibraryRow>{{"PRINT 6*7", "Pokusná úloha",
                                                                   "TASK"}}));
        QVERIFY(WriteLibraryFile(file.toStdString(), tree).ok());
        w.link.SetLibraryFile(file.toStdString());
        for (const char* input : {"RUN pokus", "RUN(Pok)"}) {
            if (TEdForm* ed = w.link.EdForm()) ed->Clear();
            w.Input()->setText(QString::fromUtf8(input));
            QTest::keyClick(w.Input(), Qt::Key_Return);
            QTRY_VERIFY(w.link.EdForm() && w.link.EdForm()->HasLines());
            QVERIFY(QTest::qWaitFor([&w] { return !w.runner.Running(); }, 5000));
            QCOMPARE(w.Output(), QStringList{"42"});
            QCOMPARE(w.link.EdForm()->windowTitle(), QStringLiteral("Tarvix - Pokusná úloha"));
        }
        // F9 in the output window runs the task the input line names.
        w.link.EdForm()->Clear();
        w.Input()->setText(QStringLiteral("Jin"));
        // Keys go to the active window (the library window was shown by RUN).
        QApplication::setActiveWindow(w.link.EdForm());
        QVERIFY(QTest::qWaitForWindowActive(w.link.EdForm()));
        QTest::keyClick(w.link.EdForm()->REdit(), Qt::Key_F9);
        QTRY_COMPARE(w.Output(), QStringList{"1"});
        QFile::remove(file);
    }

    void ComplexChartExampleUsesTheLibrarysRow() {
        Window w;
        const QString file = QDir(QDir::tempPath()).filePath(QStringLiteral("tarvix-kp-test.exp"));
        LibraryTree tree;
        tree.Append(nullptr, std::make_unique<LibraryNode>(
                                 "Komplexní hyperbolický sinus",
                                 std::vector<LibraryRow>{{"mode rad,dec,real\nz=0.5\t[-]\targument",
                                                          "Hyperbolický sinus", "sinh(z)"}}));
        QVERIFY(WriteLibraryFile(file.toStdString(), tree).ok());
        w.link.SetLibraryFile(file.toStdString());
        QCOMPARE(w.form.Model().NumericalScope(), nsReal);
        w.form.Action("GrafUkazkaKPItem")->trigger();
        QCOMPARE(w.form.Model().NumericalScope(), nsComplex);
        QVERIFY(w.Input()->text().contains(QStringLiteral("sinh(z)")));
        QVERIFY(std::abs(w.form.Model().Ans().Re - std::sinh(0.5L)) < 1e-15L);
        QFile::remove(file);

        // A library without that category: nothing happens.
        Window other;
        other.link.SetLibraryFile("/nonexistent/library.exp");
        other.form.Action("GrafUkazkaKPItem")->trigger();
        QCOMPARE(other.form.Model().NumericalScope(), nsReal);
        QVERIFY(other.messages.empty());
    }

    void F9InTheHistoryWindowRunsTheInputLinesTask() {
        Window w;
        QTemporaryDir folder;
        const std::string file = folder.filePath(QStringLiteral("ulohy.exp")).toStdString();
        LibraryTree tree;
        tree.Append(nullptr, std::make_unique<LibraryNode>(
                                 "Jiné", std::vector<LibraryRow>{{"PRINT 1", "Jiná", "TASK"}}));
        tree.Append(nullptr, std::make_unique<LibraryNode>(
                                 "Pokus", std::vector<LibraryRow>{{"PRINT 6*7", "Pokus", "TASK"}}));
        QVERIFY(WriteLibraryFile(file, tree).ok());
        w.link.SetLibraryFile(file);
        // The keys work in the window opened again after a close, also when
        // it is reopened before the closed one's deletion has run.
        for (int open = 0; open < 3; ++open) w.form.Action("wHistorieItem")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto* log = w.form.findChild<TLogForm*>();
        QVERIFY(log && log->isVisible());
        struct Case {
            const char* input;
            const char* printed;
        };
        for (const Case& c : {Case{"RUN Pokus", "42"}, Case{"jin", "1"}}) {
            if (TEdForm* ed = w.link.EdForm()) ed->Clear();
            w.Input()->setText(QString::fromUtf8(c.input));
            // Keys go to the active window (RUN shows the library window).
            log->raise();
            log->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(log));
            QTest::keyClick(log->LogMemo(), Qt::Key_F9);
            QTRY_VERIFY(w.link.EdForm() && w.link.EdForm()->HasLines());
            QVERIFY(QTest::qWaitFor([&w] { return !w.runner.Running(); }, 5000));
            QCOMPARE(w.Output(), QStringList{QString::fromUtf8(c.printed)});
        }
        // Ctrl+Q goes back to the main window's input line.
        log->raise();
        log->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(log));
        QTest::keyClick(log->LogMemo(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.form.ExprComboBox()));
    }

    void ComplexChartExampleCalculatesTheShippedLibrarysFormula_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("library");
        QTest::addColumn<QString>("category");
        QTest::newRow("czech") << QString() << QStringLiteral("tarvix.exp")
                               << QStringLiteral("Komplexní hyperbolický sinus");
        QTest::newRow("english") << QStringLiteral("ENGLISH") << QStringLiteral("tarvix-en.exp")
                                 << QStringLiteral("Complex hyperbolic sine");
    }
    void ComplexChartExampleCalculatesTheShippedLibrarysFormula() {
        QFETCH(QString, language);
        QFETCH(QString, library);
        QFETCH(QString, category);
        Window w;
        if (!language.isEmpty()) {
            const LanguageApplyResult applied = LanguageOf(w.form).ApplyLanguage(language);
            QVERIFY(applied.Ok && applied.FromFile);
        }
        w.link.SetLibraryFile(std::filesystem::path(DataFolder().toStdString()) /
                              library.toStdString());
        QCOMPARE(w.form.Model().NumericalScope(), nsReal);
        w.form.Action("GrafUkazkaKPItem")->trigger();

        // The library window shows the category the search found.
        TExprForm* window = w.form.ExprForm();
        QVERIFY(window && window->isVisible());
        const LibraryNode* found = window->Model().SelectedNode();
        QVERIFY(found);
        QCOMPARE(QString::fromStdString(found->Name), category);
        QCOMPARE(window->FindComboBox()->currentText().toLower(), category.toLower());
        // Its formula was transferred and calculated in the complex domain.
        QCOMPARE(w.form.Model().NumericalScope(), nsComplex);
        QVERIFY2(w.Input()->text().contains(QStringLiteral("sinh(z)")),
                 qPrintable(w.Input()->text()));
        const ComplexValue ans = w.form.Model().Ans();
        QVERIFY2(std::abs(ans.Re - -0.4890562590412937L) < 1e-12L &&
                     std::abs(ans.Im - 1.4031192506220405L) < 1e-12L,
                 qPrintable(w.Display()));
        QVERIFY(w.messages.empty());
    }

    void GuideRunsTheShippedDemoTaskToItsEnd() {
        Window w;
        const std::filesystem::path shipped =
            std::filesystem::path(DataFolder().toStdString()) / "tarvix.exp";
        w.link.SetLibraryFile(shipped);
        QVERIFY(w.link.FindTask("DEMO").has_value());
        QSignalSpy finished(&w.runner, &TaskRunner::Finished);
        QSignalSpy errors(&w.runner, &TaskRunner::ErrorLine);
        w.form.Action("FunkcePruvodceItem")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(finished.count() == 1 || errors.count() > 0, 60000);
        QCOMPARE(errors.count(), 0);
        QCOMPARE(finished.count(), 1);
    }
};

QTEST_MAIN(TaskStatementsTest)
#include "task_statements_test.moc"
