// Details of the main window a user meets at once: the status-bar command
// panels under a real pointer, the exact captions of the windows, Qt's own
// texts in the interface language, long register names and the compact
// layout's status bar.
#include "ui/main/main_form.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "ui/shell/application_identity.h"
#include "ui/lists/function_list_form.h"
#include "ui/main/register_label.h"
#include "ui/lists/var_form.h"

using namespace tarvix;

namespace {

struct Window {
    TMainForm form;
    ModalResult answer = ModalResult::Yes;
    int questions = 0;

    Window() {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest&) {
            ++questions;
            return answer;
        });
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    QToolButton* Panel(const char* name) const {
        return form.findChild<QToolButton*>(QLatin1String(name));
    }
    // Moves the pointer onto the panel as a person would, then clicks it.
    void Click(QToolButton* panel) {
        QTest::mouseMove(panel);
        QCoreApplication::processEvents();
        QVERIFY2(panel->isVisible(), "the panel hid itself under the pointer");
        QTest::mouseClick(panel, Qt::LeftButton);
    }
};

}  // namespace

class WindowDetailsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetApplicationIdentity(); }

    void CommandPanelsTakeARealClick() {
        Window w;
        w.Click(w.Panel("PromennePanel"));
        auto* list = w.form.findChild<TVarForm*>();
        QVERIFY(list);
        QVERIFY(list->isVisible());

        w.form.activateWindow();
        w.form.CalculateText(QStringLiteral("q=5"));
        w.Click(w.Panel("ClearPanel"));
        QCOMPARE(w.questions, 1);
        QCOMPARE(w.form.Model().Parser1().GetVariable("q").Re, 0.0L);
    }

    void EveryWindowShowsExactlyItsOwnCaption() {
        Window w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Tarvix 2.2 - data.fx"));
        // The platform appends the display name to each caption when one is set.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
        w.form.FunkceSpeedButtonClick();
        auto* functions = w.form.findChild<TFuncForm*>();
        QVERIFY(functions);
        QCOMPARE(functions->windowTitle(), QStringLiteral("Seznam funkcí"));
    }

    void QtDialogsSpeakTheInterfaceLanguage() {
        Window w;
        // Qt's own button texts, as its file and message dialogs show them.
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        QCOMPARE(cancel, QStringLiteral("Zrušit"));
    }

    void LongRegisterNamesKeepTheirStartAndShowInTheHint() {
        Window w;
        w.form.SetCompactLayout(true);
        w.form.Model().SetRegisterLabel(BoxId::X, "radius2_of_the_inner_circle");
        w.form.CalculateText(QStringLiteral("1"));
        TRegisterLabel* label = w.form.RegisterLabel(BoxId::X);
        QVERIFY(label->Elided());
        QVERIFY(label->toolTip().contains(QStringLiteral("radius2_of_the_inner_circle")));
        w.form.Model().SetRegisterLabel(BoxId::X, "r");
        w.form.CalculateText(QStringLiteral("1"));
        QVERIFY(!label->Elided());
    }

    void CompactLayoutShowsEveryStatusPanelWhole() {
        Window w;
        w.form.SetCompactLayout(true);
        QCoreApplication::processEvents();
        const QList<QToolButton*> panels = w.form.statusBar()->findChildren<QToolButton*>();
        QVERIFY(panels.size() >= 10);
        for (QToolButton* panel : panels) {
            if (!panel->isVisible()) continue;
            QVERIFY2(panel->width() >= panel->sizeHint().width(),
                     qPrintable(panel->objectName() + QStringLiteral(" is squeezed")));
            const QRect mine(panel->mapTo(&w.form, QPoint(0, 0)), panel->size());
            for (QToolButton* other : panels) {
                if (other == panel || !other->isVisible()) continue;
                const QRect theirs(other->mapTo(&w.form, QPoint(0, 0)), other->size());
                QVERIFY2(!mine.intersects(theirs),
                         qPrintable(panel->objectName() + QStringLiteral(" overlaps ") +
                                    other->objectName()));
            }
            QVERIFY(w.form.rect().contains(mine));
        }
    }
};

QTEST_MAIN(WindowDetailsTest)
#include "window_details_test.moc"
