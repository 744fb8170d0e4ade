// Quitting the main window by each path while the focus is in the input line
// with a typed text: the input line still signals while it is destroyed, and
// nothing it reaches may be gone by then (run under AddressSanitizer to see a
// fault at once). Each path also writes the settings file.
#include "ui/main/main_form.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QtTest>
#include <csignal>

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
