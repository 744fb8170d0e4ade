// Quitting the main window by each path while the focus is in the input line
// with a typed text: the input line still signals while it is destroyed, and
// nothing it reaches may be gone by then (run under AddressSanitizer to see a
// fault at once). Each path also writes the settings file.
#include "ui/main/main_form.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>
#include <csignal>

#include "ui/shell/quit_controller.h"
#include "ui/shell/quit_signals.h"

using namespace tarvix;

namespace {

QString SettingsFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/tarvix/tarvix.ini");
}

// A shown main window with a long text typed into its focused input line and
// the other windows open, so that every child is alive when it goes.
TMainForm* OpenWindowWithTypedInput() {
    auto* form = new TMainForm;
    form->Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::No; });
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form)) return form;
    form->PromennePanelClick();
    form->FunkceSpeedButtonClick();
    form->HistorieItemClick();
    form->activateWindow();
    QLineEdit* input = form->ExprComboBox()->lineEdit();
    input->setFocus();
    QTest::keyClicks(input, QStringLiteral("1+1+1+1+1+1+1+11"));
    QTest::keyClicks(input, QStringLiteral("12345678901234567890123"));
    return form;
}

// Counts the close events a window receives (each one writes the settings).
class CloseCounter : public QObject {
public:
    int Count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Close) ++Count;
        return false;
    }
};

// The program's end as main() runs it: the quit controller takes the quit
// signals. Exec() must return; a loop that would run on is ended after a
// deadline and reported.
struct QuitHarness {
    TQuitController Quit;
    TQuitSignals Signals{[this](int) { Quit.Request(); }};
    bool TimedOut = false;

    // Runs the main loop as main() does; false when it did not end by itself.
    bool ExecEnds() {
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [this] {
            TimedOut = true;
            QCoreApplication::exit(1);
        });
        deadline.start(10000);
        Quit.Exec();
        return !TimedOut;
    }
};

// A main window whose session is loaded, with the quit controller bound to
// it as main() binds it.
TMainForm* OpenLoadedWindow(QuitHarness& harness) {
    auto* form = new TMainForm;
    form->Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::No; });
    form->show();
    form->LoadSession(QString());
    harness.Quit.SetStopHook([form] { form->StopRuns(); });
    harness.Quit.SetMainWindow(form);
    return form;
}

}  // namespace

class MainFormQuitTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsFile()); }

    void DestroyedWhileTheInputLineHasTheFocus() {
        TMainForm* form = OpenWindowWithTypedInput();
        QVERIFY(form->ExprComboBox()->lineEdit()->hasFocus());
        delete form;
    }

    void ClosedByTheCloseEvent() {
        TMainForm* form = OpenWindowWithTypedInput();
        QVERIFY(form->close());
        QVERIFY(QFile::exists(SettingsFile()));
        delete form;
    }

    void ClosedByTheQuitCommand() {
        TMainForm* form = OpenWindowWithTypedInput();
        QAction* quit = form->Action("SouborKonecItem");
        QVERIFY(quit);
        quit->trigger();
        QVERIFY(!form->isVisible());
        QVERIFY(QFile::exists(SettingsFile()));
        delete form;
    }

    // A logout, kill or Ctrl+C quits through the window's close: the
    // settings are written as on a normal exit.
    void QuitSignalsCloseTheWindow_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void QuitSignalsCloseTheWindow() {
        QFETCH(int, signal);
        TMainForm* form = OpenWindowWithTypedInput();
        int received = 0;
        {
            TQuitSignals quit([&](int number) {
                received = number;
                form->close();
            });
            QVERIFY(quit.Installed());
            ::raise(signal);
            QTRY_COMPARE(received, signal);
        }
        QVERIFY(!form->isVisible());
        QVERIFY(QFile::exists(SettingsFile()));
        delete form;
    }

    // A signal while the start-up still spins events before the main loop
    // (the splash waiting for the window): the loop must not be entered,
    // since nothing would end it; a second signal changes nothing.
    void ASignalDuringTheStartUpEndsTheProgram() {
        QuitHarness harness;
        QVERIFY(harness.Signals.Installed());
        ::raise(SIGTERM);
        QTRY_VERIFY(harness.Quit.Requested());
        ::raise(SIGTERM);
        QCoreApplication::processEvents();
        QVERIFY(harness.ExecEnds());
    }

    // A signal while a modal dialog runs its own loop: the dialog's loop
    // and the main loop end, a dialog opened after it does not wait, and the
    // main window is closed once, with the settings written.
    void ASignalWithAModalDialogOpenEndsTheProgram() {
        QuitHarness harness;
        TMainForm* form = OpenLoadedWindow(harness);
        CloseCounter closes;
        form->installEventFilter(&closes);
        bool secondDialogWaited = true;
        QTimer::singleShot(0, form, [form, &secondDialogWaited] {
            QDialog dialog(form);
            QTimer::singleShot(50, &dialog, [] {
                ::raise(SIGTERM);
                ::raise(SIGTERM);  // a second request on top of the first
            });
            dialog.exec();
            QDialog later(form);
            QTimer::singleShot(3000, &later, &QDialog::accept);
            secondDialogWaited = later.exec() == QDialog::Accepted;
        });
        QVERIFY(harness.ExecEnds());
        QVERIFY(!secondDialogWaited);
        QCOMPARE(closes.Count, 1);
        QVERIFY(!form->isVisible());
        QVERIFY(QFile::exists(SettingsFile()));
        delete form;
    }

    // A signal during a long series run: the run stops at its next step and
    // the program ends with the settings written.
    void ASignalDuringASeriesRunEndsTheProgram() {
        QuitHarness harness;
        TMainForm* form = OpenLoadedWindow(harness);
        CloseCounter closes;
        form->installEventFilter(&closes);
        form->RegisterBox(BoxId::X)->setEditText(QStringLiteral("1..1e8:1"));
        QTimer::singleShot(0, form, [form] {
            QTimer::singleShot(200, [] { ::raise(SIGTERM); });
            form->CalculateText(QStringLiteral("X*2"));
        });
        QVERIFY(harness.ExecEnds());
        QVERIFY(!form->Series().Running());
        QCOMPARE(closes.Count, 1);
        QVERIFY(QFile::exists(SettingsFile()));
        delete form;
    }

    // The window the user closed is not closed a second time at the end.
    void AWindowClosedByTheUserIsNotClosedAgain() {
        QuitHarness harness;
        TMainForm* form = OpenLoadedWindow(harness);
        CloseCounter closes;
        form->installEventFilter(&closes);
        QTimer::singleShot(0, form, [form] { form->close(); });
        QVERIFY(harness.ExecEnds());
        QCOMPARE(closes.Count, 1);
        delete form;
    }

    void TheSessionManagersSaveRequestWritesTheSettings() {
        TMainForm* form = OpenWindowWithTypedInput();
        form->SaveWorkingState();
        QVERIFY(QFile::exists(SettingsFile()));
        QVERIFY(form->isVisible());
        delete form;
    }
};

QTEST_MAIN(MainFormQuitTest)
#include "main_form_quit_test.moc"
