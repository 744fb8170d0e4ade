// Tasks in the library window: the run commands follow the selected row,
// F9 runs a task into the output window, F7 steps with the next line
// highlighted, F4 runs to the caret's line, an error line is marked until
// Continue runs it again, F2 ends a long loop, another row resets the run,
// RUN name runs the library's task in the window and the equations command
// leaves its template in an EQU category; Alt+F1 on a task keyword opens its
// help topic. A task's lines are numbered in the editor's gutter, the
// paused line's number marked in line with the line.
#include <QAction>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextBlock>

#include "library_windows.h"
#include "ui/help/help_form.h"
#include "ui/help/help_link.h"
#include "ui/tasks/ed_form.h"
#include "ui/tasks/task_highlighter.h"
#include "ui/tasks/task_link.h"
#include "ui/tasks/task_runner.h"
#include "ui/widgets/line_number_edit.h"

using namespace tarvix;
using namespace tarvix::test;

namespace {

// A library of task rows and one formula row.
LibraryTree TaskLibrary() {
    LibraryTree tree;
    auto add = [&tree](const char* name, std::vector<LibraryRow> rows) {
        tree.Append(nullptr, std::make_unique<LibraryNode>(name, std::move(rows)));
    };
    add("Pokus", {{"a=1\nPRINT 6*7\na=2", "Pokusná úloha", "TASK"}, {"v=1", "Vzorec", "v*2"}});
    add("Kroky", {{"k=1\nk=2\nk=3\nk=4\nk=5\nk=6\nk=7", "Kroky", "TASK"}});
    add("Chyba", {{"x=1\nIF yy>0 THEN x=2\nz=3", "Chybná úloha", "TASK"}});
    add("Smycka", {{"s=0\nFOR i=1 TO 100000000\ns=s+i\nNEXT", "Dlouhá smyčka", "TASK"}});
    std::string counting;
    for (int line = 0; line < 150; ++line) counting += "n=n+1\n";
    add("Dlouha", {{counting + "n=0", "Mnoho řádků", "TASK"}});
    return tree;
}

// The colour the gutter shows beside a line of the editor (0-based).
QColor GutterColourBeside(LineNumberEdit& memo, int line) {
    const QRect rect = memo.cursorRect(QTextCursor(memo.document()->findBlockByNumber(line)));
    const QPoint inGutter =
        memo.Gutter()->mapFrom(&memo, memo.viewport()->mapTo(&memo, rect.center()));
    return memo.Gutter()->grab().toImage().pixelColor(2, inGutter.y());
}

struct TaskWindows : LibraryWindows {
    TExprForm* library = nullptr;
    TaskRunner& runner = main.Tasks().Runner();

    TaskWindows() {
        library = Open(Write("ulohy.exp", TaskLibrary()));
        if (library) library->Memo()->setFocus();
    }
    long double Var(const char* name) { return main.Model().Parser1().GetVariable(name).Re; }
    QStringList Output() {
        QStringList lines;
        if (TEdForm* ed = main.Tasks().EdForm()) {
            for (const std::string& line : ed->Lines()) lines << ToQ(line);
        }
        return lines;
    }
    bool WaitIdle() {
        return QTest::qWaitFor([this] { return !runner.Running(); }, 10000);
    }
    void Key(Qt::Key key) { QTest::keyClick(library->Memo(), key); }
    bool RunEnabled() const { return library->Action("RunToolButton")->isEnabled(); }
};

}  // namespace

class ExprFormTaskTest : public QObject {
    Q_OBJECT

private slots:
    void RunCommandsAreEnabledForTaskRowsOnly() {
        TaskWindows w;
        QVERIFY(w.library);
        const char* commands[] = {"RunToolButton", "RunToCursorToolButton", "PauseToolButton",
                                  "StopToolButton", "StepItem"};
        struct Case {
            const char* category;
            int row;
            bool task;
        };
        for (const Case& c : {Case{"Pokus", 0, true}, Case{"Pokus", 1, false},
                              Case{"Kroky", 0, true}, Case{"Pokus", 1, false}}) {
            w.ClickCategory(c.category);
            w.ClickRow(c.row);
            for (const char* command : commands) {
                QVERIFY2(w.library->Action(command)->isEnabled() == c.task, command);
            }
        }
        // The task's text is highlighted in the editor pane, a formula's is not.
        w.ClickCategory("Kroky");
        const auto* highlighter = w.library->findChild<TaskHighlighter*>();
        QVERIFY(highlighter);
        QCOMPARE(highlighter->document(), w.library->Memo()->document());
        w.ClickCategory("Pokus");
        w.ClickRow(1);
        QVERIFY(!highlighter->document());
    }

    void TaskLinesAreNumberedBesideTheirLines() {
        TaskWindows w;
        LineNumberEdit& memo = *w.library->Memo();
        // A formula's explanation has no numbers; a task's has them left of its text.
        w.ClickCategory("Pokus");
        w.ClickRow(1);
        QVERIFY(!memo.Gutter()->isVisible());
        QCOMPARE(memo.viewport()->geometry().left(), memo.contentsRect().left());
        w.ClickCategory("Kroky");
        QVERIFY(memo.Gutter()->isVisible());
        const int shortWidth = memo.GutterWidth();
        QVERIFY(shortWidth > 0);
        QCOMPARE(memo.viewport()->geometry().left(), memo.Gutter()->geometry().right() + 1);

        // Three-digit numbers take a wider gutter; so does a larger font.
        w.ClickCategory("Dlouha");
        QVERIFY(memo.GutterWidth() > shortWidth);
        const int longWidth = memo.GutterWidth();
        QFont larger = memo.font();
        larger.setPointSize(larger.pointSize() * 2);
        memo.setFont(larger);
        QVERIFY(memo.GutterWidth() > longWidth);
        QCOMPARE(memo.viewport()->geometry().left(), memo.Gutter()->geometry().right() + 1);

        // Run to line 120: the editor scrolls to the paused line; the numbers
        // follow, the paused line's number is marked beside it, its
        // neighbours' are not.
        memo.setTextCursor(QTextCursor(memo.document()->findBlockByNumber(119)));
        w.Key(Qt::Key_F4);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.library->PausedLine(), 120);
        const int first = memo.FirstVisibleLineNumber();
        QVERIFY(first > 1);
        QCOMPARE(first, memo.verticalScrollBar()->value() + 1);
        QVERIFY(first <= 121);
        QCOMPARE(memo.LineNumberMarks().value(120), TaskLineColor(TaskLineKind::Paused));
        QCOMPARE(GutterColourBeside(memo, 120), TaskLineColor(TaskLineKind::Paused));
        QVERIFY(GutterColourBeside(memo, 121) != TaskLineColor(TaskLineKind::Paused));
        QVERIFY(GutterColourBeside(memo, 119) != TaskLineColor(TaskLineKind::Paused));

        // Scrolled by hand: the first number follows.
        memo.verticalScrollBar()->setValue(30);
        QCOMPARE(memo.FirstVisibleLineNumber(), 31);
    }

    void F9RunsTheTaskIntoTheOutputWindow() {
        TaskWindows w;
        w.ClickCategory("Pokus");
        QSignalSpy running(&w.runner, &TaskRunner::RunningChanged);
        w.Key(Qt::Key_F9);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.Output(), QStringList{"42"});
        QCOMPARE(w.Var("a"), 2.0L);
        QCOMPARE(w.main.Tasks().EdForm()->windowTitle(), QStringLiteral("Tarvix - Pokusná úloha"));
        // The run button was disabled while the run was active.
        QVERIFY(running.count() >= 2);
        QCOMPARE(running.first().at(0).toBool(), true);
        QVERIFY(w.RunEnabled());
        QVERIFY(!w.library->StatusText().isEmpty());
    }

    void F7StepsOneLineAndHighlightsTheNext() {
        TaskWindows w;
        w.ClickCategory("Kroky");
        w.Key(Qt::Key_F7);
        QCOMPARE(w.Var("k"), 1.0L);
        QCOMPARE(w.library->PausedLine(), 1);
        QVERIFY(w.library->Action("PauseToolButton")->isChecked());
        w.Key(Qt::Key_F7);
        QCOMPARE(w.Var("k"), 2.0L);
        QCOMPARE(w.library->PausedLine(), 2);
        // The mark lies on that line of the editor pane.
        const QList<QTextEdit::ExtraSelection> marks = w.library->Memo()->extraSelections();
        QCOMPARE(marks.size(), 1);
        QCOMPARE(marks.front().cursor.blockNumber(), 2);

        // F4 with the caret on the fifth line: lines up to it run, the sixth is next.
        QTextCursor caret(w.library->Memo()->document()->findBlockByNumber(4));
        w.library->Memo()->setTextCursor(caret);
        w.Key(Qt::Key_F4);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.Var("k"), 5.0L);
        QCOMPARE(w.library->PausedLine(), 5);

        // F8 continues to the end; the mark goes.
        w.Key(Qt::Key_F8);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.Var("k"), 7.0L);
        QCOMPARE(w.library->PausedLine(), -1);
        QVERIFY(w.library->Memo()->extraSelections().isEmpty());
    }

    void AnErrorLineIsMarkedUntilContinueRunsItAgain() {
        TaskWindows w;
        w.ClickCategory("Chyba");
        w.Key(Qt::Key_F9);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.library->ErrorLine(), 1);
        QCOMPARE(w.messages.size(), std::size_t(1));
        QCOMPARE(w.messages.back().Kind, MessageKind::Error);
        const QList<QTextEdit::ExtraSelection> marks = w.library->Memo()->extraSelections();
        QVERIFY(!marks.isEmpty());
        QCOMPARE(marks.back().cursor.blockNumber(), 1);
        QCOMPARE(marks.back().format.background(),
                 TaskLineMark(*w.library->Memo(), 1, TaskLineKind::Error).format.background());

        // The cause removed, Continue runs the failing line and the rest.
        w.main.Model().Parser1().SetVariable("yy", ComplexValue{1.0L, 0.0L});
        w.Key(Qt::Key_F8);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.library->ErrorLine(), -1);
        QCOMPARE(w.Var("x"), 2.0L);
        QCOMPARE(w.Var("z"), 3.0L);
    }

    void F2EndsALongLoopAndAnotherRowResetsTheRun() {
        TaskWindows w;
        w.ClickCategory("Smycka");
        w.Key(Qt::Key_F9);
        QVERIFY(w.runner.Running());
        QVERIFY(!w.RunEnabled());
        QTRY_VERIFY(w.Var("i") > 10);
        w.Key(Qt::Key_F2);
        QTRY_VERIFY(!w.runner.Running());
        const long double stoppedAt = w.Var("i");
        QVERIFY(stoppedAt < 100000000);
        QTest::qWait(30);
        QCOMPARE(w.Var("i"), stoppedAt);
        QVERIFY(w.RunEnabled());

        // Running again, then another row: the run ends and the new task is ready.
        w.Key(Qt::Key_F9);
        QVERIFY(w.runner.Running());
        w.ClickCategory("Kroky");
        QTRY_VERIFY(!w.runner.Running());
        QCOMPARE(w.runner.Program().Title(), std::string("Kroky"));
        w.Key(Qt::Key_F9);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.Var("k"), 7.0L);
    }

    void ClosingTheWindowEndsTheRun() {
        TaskWindows w;
        w.ClickCategory("Smycka");
        w.Key(Qt::Key_F9);
        QVERIFY(w.runner.Running());
        QVERIFY(w.library->close());
        QTRY_VERIFY(!w.runner.Running());
        QTRY_VERIFY(!w.Library());
    }

    void RunNameRunsTheTaskInTheLibraryWindow() {
        TaskWindows w;
        w.main.Tasks().SetLibraryFile(w.Path("ulohy.exp"));
        w.library->close();
        w.main.Tasks().RunNamedTask("pok");
        QTRY_VERIFY(w.Output() == QStringList{"42"});
        // Closing deletes the window: RUN makes it again.
        QVERIFY(w.Library() && w.Library()->isVisible());
        QCOMPARE(w.Model().SelectedNode()->Name, std::string("Pokus"));
        // No such task: nothing runs.
        w.main.Tasks().EdForm()->Clear();
        w.main.Tasks().RunNamedTask("nic");
        QTest::qWait(20);
        QVERIFY(w.Output().isEmpty());
    }

    void EquationsCommandPreparesTheEquCategory() {
        TaskWindows w;
        w.main.Tasks().SetLibraryFile(w.Path("ulohy.exp"));
        w.main.FunkceResitSoustavuItemClick();
        const LibraryNode* node = w.Model().SelectedNode();
        QVERIFY(node);
        QCOMPARE(node->Name, std::string("EQU"));
        QVERIFY(w.Model().EditMode());
        QCOMPARE(w.Memo(), ToQ(EquationTemplate()));
        QVERIFY(w.RunEnabled());
        w.Key(Qt::Key_F9);
        QVERIFY(w.WaitIdle());
        QCOMPARE(w.Output(), (QStringList{"a = 1", "b = 2", "c = 3"}));

        // Again: the same category, its text kept.
        w.library->Memo()->setPlainText(QStringLiteral("equ\nx = 4\nend"));
        w.main.FunkceResitSoustavuItemClick();
        int categories = 0;
        for (LibraryNode* n : w.Model().Tree().Nodes()) categories += n->Name == "EQU";
        QCOMPARE(categories, 1);
        QCOMPARE(w.Memo(), QStringLiteral("equ\nx = 4\nend"));
    }
    void AltF1OnATaskKeywordOpensItsHelpTopic() {
        TaskWindows w;
        QVERIFY(w.library);
        w.main.Help().SetLanguage(QStringLiteral("CZECH"));
        struct Case {
            const char* category;
            int line;
            int column;
            const char* page;
        };
        // The caret inside a keyword, on the bound of a FOR line (the
        // statement of the line), at the start of NEXT (its loop's topic);
        // each case's page differs from the one before.
        for (const Case& c : {Case{"Pokus", 1, 3, "task_print.html#print"},
                              Case{"Smycka", 1, 12, "task_loops.html#for"},
                              Case{"Pokus", 1, 0, "task_print.html#print"},
                              Case{"Smycka", 3, 0, "task_loops.html#for"}}) {
            w.ClickCategory(c.category);
            w.ClickRow(0);
            QPlainTextEdit* memo = w.library->Memo();
            QTextCursor caret(memo->document()->findBlockByNumber(c.line));
            caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, c.column);
            memo->setTextCursor(caret);
            memo->setFocus();
            QTest::keyClick(memo, Qt::Key_F1, Qt::AltModifier);
            THelpForm* help = w.main.Help().Form();
            QVERIFY2(help && help->isVisible(), c.page);
            const QUrl url = help->CurrentUrl();
            QCOMPARE(url.path().section(QLatin1Char('/'), -1) + QLatin1Char('#') + url.fragment(),
                     QString::fromLatin1(c.page));
            // The keys go to the library window again.
            TaskWindows::Activate(w.library);
        }
    }
};

QTEST_MAIN(ExprFormTaskTest)
#include "expr_form_task_test.moc"
