// The task runner in the main window: long runs leave the event loop
// running between slices, Stop ends a run and a DELAY at once, an error
// pauses on its line and Continue runs that line again, stepping executes
// one line per press with the next line highlighted, and run to the cursor
// stops before the cursor's line.
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <vector>

#include "ui/main/main_form.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_runner.h"
#include "ui/tasks/task_ui_texts.h"

using namespace tarvix;

namespace {

// The main window with its task link; message boxes are recorded and answered.
struct Window {
    TMainForm form;
    TTaskLink& link;
    TaskRunner& runner;
    std::vector<MessageBoxRequest> messages;

    Window() : link(form.Tasks()), runner(link.Runner()) {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return ModalResult::Cancel;
        });
        form.show();
    }
    void Load(const char* text) { runner.SetProgram(TaskProgram(text, "Zkouška", {})); }
    long double Var(const char* name) { return form.Model().Parser1().GetVariable(name).Re; }
    bool WaitIdle(int ms = 10000) {
        return QTest::qWaitFor([this] { return !runner.Running(); }, ms);
    }
};

// Counts the turns of the event loop while it lives.
struct LoopTurns {
    QTimer timer;
    int turns = 0;
    LoopTurns() {
        QObject::connect(&timer, &QTimer::timeout, [this] { ++turns; });
        timer.start(0);
    }
};

}  // namespace

class TaskRunnerTest : public QObject {
    Q_OBJECT

private slots:
    void LongLoopLeavesTheEventLoopRunningAndStopEndsIt() {
        Window w;
        QSignalSpy status(&w.runner, &TaskRunner::StatusChanged);
        w.Load("s=0\nFOR i=1 TO 1000000\ns=s+i\nNEXT");
        LoopTurns loop;
        w.runner.Run();
        QVERIFY(w.runner.Running());
        QTRY_VERIFY(loop.turns > 5);
        QVERIFY(w.runner.Running());
        const long double reached = w.Var("i");
        QVERIFY(reached > 1 && reached < 1000000);

        // Stop pressed from an event between slices: the run ends there.
        QTimer::singleShot(0, &w.runner, &TaskRunner::Stop);
        QTRY_VERIFY(!w.runner.Running());
        QCOMPARE(status.last().at(0).toString(), QString::fromUtf8(texts::TaskInterrupted.BuiltIn.data()));
        QVERIFY(w.runner.Interpreter().AtStart());
        const long double stoppedAt = w.Var("i");
        QTest::qWait(30);
        QCOMPARE(w.Var("i"), stoppedAt);
        QVERIFY(w.messages.empty());
    }

    void StopInsideALineIsAppliedWhenTheLineReturns() {
        Window w;
        // An event that runs inside a line (a nested event loop of a dialog,
        // a series run) asks to stop: the line finishes, the next never runs.
        bool runningInside = false;
        w.form.Dialogs().SetMessageHook([&](const MessageBoxRequest&) {
            w.runner.Stop();
            runningInside = w.runner.Running();
            return ModalResult::Ok;
        });
        w.Load("a=1\nMSG \"stop\"\na=2");
        w.runner.Run();
        QVERIFY(runningInside);
        QVERIFY(!w.runner.Running());
        QCOMPARE(w.Var("a"), 1.0L);
        QVERIFY(w.runner.Interpreter().AtStart());
    }

    void DelayIsATimerAndStopEndsItAtOnce() {
        Window w;
        w.Load("x=0\nDELAY 2000\nx=1");
        LoopTurns loop;
        w.runner.Run();
        QVERIFY(w.runner.Running());
        QTRY_VERIFY(loop.turns > 5);
        QCOMPARE(w.Var("x"), 0.0L);
        w.runner.Stop();
        QVERIFY(!w.runner.Running());
        QTest::qWait(20);
        QCOMPARE(w.Var("x"), 0.0L);

        // A short delay runs on to the end.
        QSignalSpy finished(&w.runner, &TaskRunner::Finished);
        w.Load("x=0\nDELAY 30\nx=5");
        w.runner.Run();
        QVERIFY(w.WaitIdle());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(w.Var("x"), 5.0L);
    }

    void ErrorPausesOnItsLineAndContinueRunsItAgain() {
        Window w;
        QSignalSpy errors(&w.runner, &TaskRunner::ErrorLine);
        QSignalSpy highlights(&w.runner, &TaskRunner::HighlightLine);
        w.Load("x=1\nIF yy>0 THEN x=2\nz=3");
        w.runner.Run();
        QVERIFY(!w.runner.Running());
        QVERIFY(w.runner.Paused());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.last().at(0).toInt(), 1);
        QCOMPARE(highlights.last().at(0).toInt(), 1);
        QCOMPARE(w.runner.NextLine(), 1);
        QCOMPARE(w.messages.size(), std::size_t(1));
        QCOMPARE(w.messages.back().Kind, MessageKind::Error);
        QVERIFY(w.messages.back().Buttons.Has(MessageButton::Help));

        // The cause removed, Continue executes the failing line again.
        w.form.Model().Parser1().SetVariable("yy", ComplexValue{1.0L, 0.0L});
        w.runner.TogglePause();
        QVERIFY(w.WaitIdle());
        QVERIFY(!w.runner.Paused());
        QCOMPARE(w.Var("x"), 2.0L);
        QCOMPARE(w.Var("z"), 3.0L);
        QCOMPARE(highlights.last().at(0).toInt(), -1);
    }

    void SteppingExecutesOneLinePerPressAndHighlightsTheNext() {
        Window w;
        QSignalSpy highlights(&w.runner, &TaskRunner::HighlightLine);
        QSignalSpy finished(&w.runner, &TaskRunner::Finished);
        w.Load("a=1\nb=2\nc=3");
        w.form.Model().Parser1().SetVariable("b", ComplexValue{});
        for (int press = 1; press <= 2; ++press) {
            w.runner.StepLine();
            QVERIFY(w.runner.Paused());
            QCOMPARE(highlights.last().at(0).toInt(), press);
        }
        QCOMPARE(w.Var("a"), 1.0L);
        QCOMPARE(w.Var("b"), 2.0L);
        QCOMPARE(finished.count(), 0);
        // The last line: the end of the task belongs to the same press.
        w.runner.StepLine();
        QCOMPARE(w.Var("c"), 3.0L);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!w.runner.Paused());
        QCOMPARE(highlights.last().at(0).toInt(), -1);
    }

    void PauseBeforeTheStartHighlightsLineZero() {
        Window w;
        QSignalSpy highlights(&w.runner, &TaskRunner::HighlightLine);
        w.Load("a=1\nb=2");
        w.runner.TogglePause();
        QVERIFY(w.runner.Paused());
        QCOMPARE(highlights.last().at(0).toInt(), 0);
        // Released: the run goes from line 0 to the end.
        w.runner.TogglePause();
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.Var("b"), 2.0L);
    }

    void RunToCursorStopsBeforeTheCursorsLine() {
        Window w;
        QSignalSpy highlights(&w.runner, &TaskRunner::HighlightLine);
        w.Load("v=0\nv=1\nv=2\nv=3\nv=4\nv=5\nv=6");
        w.runner.RunToCursor(5);
        QVERIFY(w.WaitIdle());
        QVERIFY(w.runner.Paused());
        QCOMPARE(w.Var("v"), 4.0L);
        QCOMPARE(highlights.last().at(0).toInt(), 5);
        QCOMPARE(w.runner.NextLine(), 5);
    }

    void PauseDuringARunTakesEffectBetweenSlices() {
        Window w;
        w.Load("FOR k=1 TO 1000000\nNEXT");
        w.runner.Run();
        QVERIFY(w.runner.Running());
        QTimer::singleShot(0, &w.runner, [&w] { w.runner.SetPaused(true); });
        QTRY_VERIFY(!w.runner.Running());
        QVERIFY(w.runner.Paused());
        const long double k = w.Var("k");
        QTest::qWait(20);
        QCOMPARE(w.Var("k"), k);
        w.runner.Stop();
        QVERIFY(!w.runner.Paused());
        QVERIFY(w.runner.Interpreter().AtStart());
    }

    void ARunRequestDuringARunDoesNothing() {
        Window w;
        w.Load("n=0\nDELAY 50\nn=n+1");
        w.runner.Run();
        w.runner.Run();
        w.runner.StepLine();
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.Var("n"), 1.0L);
    }

    void ClosingTheMainWindowDuringARunStopsIt() {
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Ok; });
        form->show();
        TaskRunner& runner = form->Tasks().Runner();
        runner.SetProgram(TaskProgram("DELAY 5000", "Zkouška", {}));
        runner.Run();
        QVERIFY(runner.Running());
        QVERIFY(form->close());
        QVERIFY(!runner.Running());
        delete form;
    }
};

QTEST_MAIN(TaskRunnerTest)
#include "task_runner_test.moc"
