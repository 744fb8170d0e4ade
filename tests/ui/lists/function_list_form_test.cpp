// The function list window driven with the mouse beside a real main window:
// the help text under the pointer, inserting an empty call at the remembered
// caret, wrapping the input in "eval" mode, the status bar's mode switch, the
// window keys, the toggle that follows the window's visibility, and the
// placement below or above the main window.
#include "ui/lists/function_list_form.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>
#include <set>

#include "ui/main/main_form.h"

using namespace tarvix;

namespace {

// A shown main window with its function list opened by the "Fn" button.
struct Windows {
    TMainForm main;
    QPointer<TFuncForm> list;

    Windows() {
        main.Dialogs().SetMessageHook([](const MessageBoxRequest&) { return ModalResult::Ok; });
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        Open();
    }

    void Open() {
        QTest::mouseClick(FunkceButton(), Qt::LeftButton);
        list = main.findChild<TFuncForm*>();
        QVERIFY(list);
        QVERIFY(list->isVisible());
    }

    // The "Fn" button closes the window, which is released.
    void Close() {
        QTest::mouseClick(FunkceButton(), Qt::LeftButton);
        QTRY_VERIFY(list.isNull());
    }

    QToolButton* FunkceButton() const {
        return main.findChild<QToolButton*>(QStringLiteral("FunkceSpeedButton"));
    }
    QLineEdit* Input() const { return main.ExprComboBox()->lineEdit(); }
    QString ModeCaption() const {
        return main.findChild<QToolButton*>(QStringLiteral("ModePanel"))->text();
    }
    QWidget* Viewport() const { return list->FnListBox()->viewport(); }

    // Activates the list window itself (a tool window counts as active while
    // its main window is, so wait for the focus window).
    bool ActivateList() {
        list->activateWindow();
        return QTest::qWaitFor(
            [this] { return QGuiApplication::focusWindow() == list->windowHandle(); });
    }

    int Row(const char* name) const {
        const auto items =
            list->FnListBox()->findItems(QLatin1Char(' ') + QLatin1String(name), Qt::MatchExactly);
        return items.isEmpty() ? -1 : list->FnListBox()->row(items.first());
    }
    QPoint CentreOf(const char* name) const {
        return list->FnListBox()->visualItemRect(list->FnListBox()->item(Row(name))).center();
    }

    // The input line with the focus, its text and the caret at `caret`.
    void Edit(const QString& text, int caret) {
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        Input()->setFocus();
        Input()->setText(text);
        Input()->setCursorPosition(caret);
    }

    // The pointer comes over a name (the input line still has the focus),
    // then the name is clicked.
    void Point(const char* name) { QTest::mouseMove(Viewport(), CentreOf(name)); }
    void Pick(const char* name) {
        Point(name);
        QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, CentreOf(name));
    }
};

}  // namespace

class FunctionListFormTest : public QObject {
    Q_OBJECT

private slots:
    void ListsTheFunctionsInEightColumns() {
        Windows w;
        QListWidget* box = w.list->FnListBox();
        QCOMPARE(w.list->windowTitle(), QStringLiteral("Seznam funkcí"));
        QCOMPARE(box->count(), 56);
        QCOMPARE(box->item(0)->text(), QStringLiteral(" abs"));
        QCOMPARE(box->item(55)->text(), QStringLiteral(" xor"));
        QCOMPARE(w.list->StatusText(0), QStringLiteral("insert"));
        QCOMPARE(w.list->StatusText(1), QStringLiteral("Seznam implementovaných funkcí"));
        // Column by column, seven names each, all of them in view.
        std::set<int> lefts;
        for (int i = 0; i < box->count(); ++i) {
            const QRect rect = box->visualItemRect(box->item(i));
            QVERIFY2(box->viewport()->rect().contains(rect), qPrintable(box->item(i)->text()));
            lefts.insert(rect.left());
        }
        QCOMPARE(lefts.size(), std::size_t{8});
        QCOMPARE(box->visualItemRect(box->item(7)).top(), box->visualItemRect(box->item(0)).top());
        QVERIFY(box->visualItemRect(box->item(7)).left() >
                box->visualItemRect(box->item(6)).left());
        QCOMPARE(w.list->width(), w.main.width());
    }

    void PointerShowsTheHelpText() {
        Windows w;
        w.Point("sum");
        QCOMPARE(w.list->StatusText(1),
                 QStringLiteral("sum(x) ..součet funkčních hodnot při výpočtu datových řad"));
        w.Point("frac");
        QCOMPARE(w.list->StatusText(1), QStringLiteral("frac(x) ..desetinná část reálného čísla"));
        QCOMPARE(w.list->Highlighted(), w.Row("frac"));
        // Below the last name: the last one, xor.
        const QRect last = w.list->FnListBox()->visualItemRect(w.list->FnListBox()->item(55));
        QTest::mouseMove(w.Viewport(), QPoint(last.center().x(), last.bottom() + 3));
        QCOMPARE(w.list->Highlighted(), 55);
        QCOMPARE(w.list->StatusText(1),
                 QStringLiteral("xor(x;y) ..funkce koresponduje bitovému operátoru xor"));
        // A description replaced in the catalog is the one shown.
        w.main.Texts().Replace("Fn", "Fn_Sin", "sine");
        w.Point("sin");
        QCOMPARE(w.list->StatusText(1), QStringLiteral("sin(x) ..sine"));
    }

    void InsertPutsAnEmptyCallAtTheRememberedCaret() {
        Windows w;
        w.Edit(QStringLiteral("2+"), 2);
        w.Pick("sin");
        QCOMPARE(w.Input()->text(), QStringLiteral("2+sin()"));
        QCOMPARE(w.Input()->cursorPosition(), 6);
        QVERIFY(w.Input()->hasFocus());
        // The next name goes in at the caret left between the brackets.
        w.Pick("cos");
        QCOMPARE(w.Input()->text(), QStringLiteral("2+sin(cos())"));
        QCOMPARE(w.Input()->cursorPosition(), 10);
        // The caret remembered while the pointer moved over the list is where
        // the call goes, even when the input line has lost the focus and its
        // caret since.
        w.Edit(QStringLiteral("1+*2"), 2);
        w.Point("sqrt");
        w.Input()->setCursorPosition(4);
        w.Input()->clearFocus();
        QTest::mouseClick(w.Viewport(), Qt::LeftButton, Qt::NoModifier, w.CentreOf("sqrt"));
        QCOMPARE(w.Input()->text(), QStringLiteral("1+sqrt()*2"));
        QCOMPARE(w.Input()->cursorPosition(), 7);
        QCOMPARE(w.main.Model().InputText(), std::string("1+sqrt()*2"));
    }

    void EvalWrapsTheWholeInput() {
        Windows w;
        w.main.Action("VyrazArgumentemFnItem")->trigger();
        w.Point("sqrt");
        QCOMPARE(w.list->StatusText(0), QStringLiteral("eval"));
        w.Edit(QStringLiteral("2+3"), 1);
        w.Pick("sqrt");
        QCOMPARE(w.Input()->text(), QStringLiteral("sqrt(2+3)"));
        QCOMPARE(w.Input()->cursorPosition(), 0);
        // The wrapped input calculates as typed.
        QTest::keyClick(w.Input(), Qt::Key_Return);
        QCOMPARE(w.main.StaticTextDisplay()->text(), QStringLiteral("2.23606797749979 "));
    }

    void StatusBarDoubleClickSwitchesTheFunctionMode() {
        Windows w;
        QCOMPARE(w.ModeCaption(), QStringLiteral("insert"));
        QTest::mouseDClick(w.list->StatusBar1(), Qt::LeftButton);
        QCOMPARE(w.ModeCaption(), QStringLiteral("eval"));
        QCOMPARE(w.list->StatusText(0), QStringLiteral("eval"));
        QVERIFY(w.main.Action("VyrazArgumentemFnItem")->isChecked());
        QTest::mouseDClick(w.list->StatusBar1(), Qt::LeftButton);
        QCOMPARE(w.ModeCaption(), QStringLiteral("insert"));
        QCOMPARE(w.list->StatusText(0), QStringLiteral("insert"));
    }

    void WindowKeysAndTheToggleFollowingVisibility() {
        Windows w;
        QVERIFY(w.FunkceButton()->isChecked());
        QVERIFY(w.ActivateList());
        QVERIFY(w.list->FnListBox()->hasFocus());
        // Ctrl+Q: the main window's input line.
        QTest::keyClick(w.list->FnListBox(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_COMPARE(QGuiApplication::focusWindow(), w.main.windowHandle());
        QVERIFY(w.Input()->hasFocus());
        // Ctrl+F4 hides the window and releases the toggle; one click shows it again.
        QVERIFY(w.ActivateList());
        QTest::keyClick(w.list->FnListBox(), Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!w.list->isVisible());
        QVERIFY(!w.FunkceButton()->isChecked());
        QTest::mouseClick(w.FunkceButton(), Qt::LeftButton);
        QVERIFY(w.list && w.list->isVisible());
        QVERIFY(w.FunkceButton()->isChecked());
        w.Close();
        QVERIFY(!w.FunkceButton()->isChecked());
    }

    void PlacedBelowTheMainWindowOrAboveItAtTheBottom() {
        Windows w;
        const QRect screen = w.main.screen()->availableGeometry();
        QCOMPARE(w.list->frameGeometry().left(), w.main.frameGeometry().left());
        // The main window near the top: the list directly below it.
        w.Close();
        w.main.move(screen.left() + 10, screen.top());
        w.Open();
        QCOMPARE(w.list->frameGeometry().top(), w.main.frameGeometry().bottom() + 1);
        QCOMPARE(w.list->frameGeometry().left(), screen.left() + 10);
        // At the bottom of the screen: directly above it.
        w.Close();
        w.main.move(screen.left() + 10, screen.bottom() - w.main.frameGeometry().height());
        w.Open();
        QCOMPARE(w.list->frameGeometry().bottom() + 1, w.main.frameGeometry().top());
    }
};

QTEST_MAIN(FunctionListFormTest)
#include "function_list_form_test.moc"
