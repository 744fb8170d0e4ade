// The history window on the offscreen platform: the lines of each recording
// mode, the mode buttons, clear, copy, font, closing (placement kept, text
// forgotten), the keys, the width adjustment and the main window's toggle;
// and the file filters the File menu's dialogs get.
#include "ui/lists/log_form.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "calculator/calculator.h"
#include "storage/history_hooks.h"
#include "storage/history_log.h"
#include "storage/text_catalog.h"
#include "ui/widgets/qt_file_choice.h"

using namespace tarvix;

namespace {

QStringList MemoLines(const TLogForm& form) {
    return form.LogMemo()->toPlainText().split(QLatin1Char('\n'));
}

}  // namespace

class LogFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(folder_.isValid());
        log_ = std::make_unique<HistoryLog>(folder_.filePath("tarvix.log").toStdString());
    }
    void cleanup() { log_.reset(); }

    void ShowsTheLinesOfEachModeAndTheButtonsSelectIt() {
        Calculator calculator;
        HistoryHooks hooks(*log_, calculator);
        calculator.SetHooks(&hooks);
        TLogForm form(*log_, texts_, nullptr);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Historie výpočtů"));
        QVERIFY(form.ModeAction(HistoryMode::ExpressionsResults)->isChecked());
        QCOMPARE(form.ModeAction(HistoryMode::Results)->toolTip(), QStringLiteral("Výsledky"));

        struct Step {
            HistoryMode Mode;
            const char* Input;
            QStringList Added;
        };
        const Step steps[] = {
            {HistoryMode::Results, "2+3", {"5"}},
            {HistoryMode::ExpressionsResults, "x=2", {"x=2 = 2"}},
            {HistoryMode::ExpressionsVariablesResults, "x*3", {"x*3 = 6", " x=2", ""}},
        };
        QStringList expected;
        for (const Step& step : steps) {
            form.ModeAction(step.Mode)->trigger();
            QCOMPARE(log_->Options().Mode, step.Mode);
            for (HistoryMode other : {HistoryMode::Results, HistoryMode::ExpressionsResults,
                                      HistoryMode::ExpressionsVariablesResults}) {
                QCOMPARE(form.ModeAction(other)->isChecked(), other == step.Mode);
            }
            calculator.SetInputText(step.Input);
            QCOMPARE(calculator.Calculate(), CalcOutcome::Evaluated);
            expected << step.Added;
            QCOMPARE(MemoLines(form), expected);
        }
    }

    void ClearCopyAndFont() {
        TLogForm form(*log_, texts_, nullptr);
        form.show();
        log_->Record("1+1", "2", {});
        log_->Record("2*5", "10", {});
        QCOMPARE(MemoLines(form), (QStringList{"1+1 = 2", "2*5 = 10"}));

        form.CopyAction()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1+1 = 2\n2*5 = 10"));

        form.ClearAction()->trigger();
        QVERIFY(form.LogMemo()->toPlainText().isEmpty());
        QVERIFY(log_->WindowLines().empty());
        log_->Record("3", "3", {});
        QCOMPARE(MemoLines(form), QStringList{"3 = 3"});

        QFont chosen(QStringLiteral("Monospace"), 13);
        chosen.setBold(true);
        chosen.setItalic(true);
        form.SetFontChooser([&](const QFont&) { return std::optional<QFont>(chosen); });
        form.FontAction()->trigger();
        QCOMPARE(form.LogMemo()->font().pointSize(), 13);
        QCOMPARE(log_->Window().FontSize, 13);
        QCOMPARE(log_->Window().FontStyle, 3);
        QCOMPARE(QString::fromStdString(log_->Window().FontName), chosen.family());

        form.SetFontChooser([](const QFont&) { return std::optional<QFont>(); });
        form.FontAction()->trigger();  // cancelled: nothing changes
        QCOMPARE(log_->Window().FontSize, 13);
    }

    void ClosingKeepsPlacementAndForgetsTheText() {
        log_->Window().Left = 40;
        log_->Window().Top = 50;
        log_->Window().Width = 300;
        log_->Window().Height = 220;
        QPointer<TLogForm> form = new TLogForm(*log_, texts_, nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QVERIFY(log_->WindowOpen());
        QCOMPARE(form->size(), QSize(300, 220));
        log_->Record("1+1", "2", {});
        form->resize(320, 240);
        form->move(60, 70);
        QTest::keyClick(form->LogMemo(), Qt::Key_F4, Qt::ControlModifier);
        QTRY_VERIFY(form.isNull());
        QVERIFY(!log_->WindowOpen());
        QVERIFY(log_->WindowLines().empty());
        QCOMPARE(log_->Window().Width, 320);
        QCOMPARE(log_->Window().Height, 240);
        QCOMPARE(log_->Window().WindowState, 0);
        QVERIFY(log_->Window().Left.has_value());

        log_->Record("2+2", "4", {});  // no window: nothing collected
        QVERIFY(log_->WindowLines().empty());
    }

    void KeysAskTheMainWindow() {
        TLogForm form(*log_, texts_, nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy focus(&form, &TLogForm::FocusInputLineRequested);
        QSignalSpy task(&form, &TLogForm::RunTaskRequested);
        QTest::keyClick(form.LogMemo(), Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(form.LogMemo(), Qt::Key_F9);
        QCOMPARE(focus.size(), 1);
        QCOMPARE(task.size(), 1);
    }

    void WidensForALongLastLineOnlyWhenAsked() {
        for (bool adjust : {true, false}) {
            HistoryOptions options = log_->Options();
            options.AdjustWindowWidth = adjust;
            log_->SetOptions(options);
            log_->Window().Width = 140;
            TLogForm form(*log_, texts_, nullptr);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            const int before = form.width();
            log_->Record(std::string(80, '9') + "+1", "1E80", {});
            if (adjust) {
                QVERIFY2(form.width() > before, "the window widens");
            } else {
                QCOMPARE(form.width(), before);
            }
            log_->Record("1", "1", {});  // never shrinks
            QVERIFY(form.width() >= before);
        }
    }

    void ToggleShowsAndClosesTheWindow() {
        QPointer<TLogForm> form;
        TLogForm* shown = ToggleLogForm(form, *log_, texts_, nullptr);
        QVERIFY(shown);
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QVERIFY(log_->WindowOpen());
        QVERIFY(!ToggleLogForm(form, *log_, texts_, nullptr));
        QTRY_VERIFY(form.isNull());
        QVERIFY(!log_->WindowOpen());
    }

    void AWindowReopenedBeforeTheEventLoopRunsStays() {
        // Closed by the command or by its title bar, then opened again before
        // the closed window's deferred deletion has run.
        for (const bool titleBar : {false, true}) {
            QPointer<TLogForm> form;
            int created = 0;
            const auto count = [&created](TLogForm&) { ++created; };
            QPointer<TLogForm> first = ToggleLogForm(form, *log_, texts_, nullptr, count);
            if (titleBar) {
                QVERIFY(first->close());
            } else {
                QVERIFY(!ToggleLogForm(form, *log_, texts_, nullptr, count));
            }
            QVERIFY(ToggleLogForm(form, *log_, texts_, nullptr, count));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(first.isNull());
            QVERIFY2(form && form->isVisible(), titleBar ? "title bar" : "command");
            QCOMPARE(created, 2);
            // The history still reports to the new window.
            QVERIFY(log_->WindowOpen());
            log_->Record("7*6", "42", {});
            QVERIFY(form->LogMemo()->toPlainText().contains(QStringLiteral("42")));
            delete form;
        }
    }

    void FileFiltersBecomeQtFilters() {
        QCOMPARE(QtFileFilter("Datové soubory (*.fx)|*.fx"),
                 QStringLiteral("Datové soubory (*.fx)"));
        QCOMPARE(QtFileFilter("Texty|*.txt;*.csv|Vše|*.*"),
                 QStringLiteral("Texty (*.txt *.csv);;Vše (*.*)"));
        QtFileChoice files(nullptr);
        FileDialogRequest asked;
        files.SetHook([&](const FileDialogRequest& request, bool save) {
            asked = request;
            return save ? std::optional<std::filesystem::path>("/tmp/x.fx") : std::nullopt;
        });
        FileDialogRequest request;
        request.Caption = "Uložit jako";
        QCOMPARE(files.ChooseFileToSave(request),
                 std::optional<std::filesystem::path>("/tmp/x.fx"));
        QCOMPARE(asked.Caption, std::string("Uložit jako"));
        QVERIFY(!files.ChooseFileToOpen(request));
    }

private:
    QTemporaryDir folder_;
    TextCatalog texts_;
    std::unique_ptr<HistoryLog> log_;
};

QTEST_MAIN(LogFormTest)
#include "log_form_test.moc"
