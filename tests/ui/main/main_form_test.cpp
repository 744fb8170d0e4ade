// The main window driven through its widgets with key and mouse events:
// calculation from the input line, the message box on errors, the switch
// shortcuts with their coupling, the renaming mode, drag and drop from the
// display, and the function keys. Message boxes are answered by a hook.
#include "ui/main/main_form.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <vector>

#include "ui/widgets/drag_payload.h"
#include "ui/main/register_label.h"

using namespace tarvix;

namespace {

// A shown main window whose message boxes are answered by `answer` and recorded.
struct Window {
    TMainForm form;
    std::vector<MessageBoxRequest> messages;
    ModalResult answer = ModalResult::Cancel;

    Window() {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return answer;
        });
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    QLineEdit* Input() const { return form.ExprComboBox()->lineEdit(); }
    QString Display() const { return form.StaticTextDisplay()->text(); }
    template <typename W = QWidget>
    W* Find(const char* name) const {
        return form.findChild<W*>(QString::fromLatin1(name));
    }
    QString Caption(const char* panel) const { return Find<QToolButton>(panel)->text(); }

    // Types a text into the input line (replacing what is there) and presses Enter.
    void Type(const QString& text) {
        Input()->setFocus();
        Input()->selectAll();
        QTest::keyClick(Input(), Qt::Key_Delete);
        QTest::keyClicks(Input(), text);
        QTest::keyClick(Input(), Qt::Key_Return);
    }

    void Drop(QWidget* target, const DragPayload& payload,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        std::unique_ptr<QMimeData> mime(MakeDragMime(payload));
        const QPoint at = target->rect().center();
        const Qt::DropActions actions = kExchangeAction | kCopyAction | kSameLabelAction;
        QDragEnterEvent enter(at, actions, mime.get(), Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(at), actions, mime.get(), Qt::LeftButton, modifiers);
        QApplication::sendEvent(target, &drop);
    }
};

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void TitleComponentsAndMenus() {
        Window w;
        QCOMPARE(w.form.windowTitle(), QStringLiteral("Tarvix 2.2 - data.fx"));
        for (const char* name :
             {"ExprComboBox",   "StaticTextDisplay", "VypocetButton",  "ComboBoxX",
              "ComboBoxF",      "StaticTextX",       "StaticTextF",    "FnPanel",
              "SwitchesPanel",  "DrgrPanel",         "BasePanel",      "NumbPanel",
              "FormPanel",      "ModePanel",         "RndEdit",        "EngEdit",
              "InvSpeedButton", "HypSpeedButton",    "DmsSpeedButton", "EnterSpeedButton",
              "StopSpeedButton"}) {
            QVERIFY2(w.Find(name), name);
        }
        QCOMPARE(w.Find<QMenu>("SouborMenu")->title(), QStringLiteral("&Soubor"));
        QCOMPARE(w.form.Action("SouborOtevritItem")->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(w.Find<QPushButton>("VypocetButton")->text(), QStringLiteral("&Výpočet"));
        // A caption replaced in the catalog reaches the window.
        w.form.Texts().Replace("FileMenu", "Open", "&Open...");
        w.form.ApplyTexts();
        QCOMPARE(w.form.Action("SouborOtevritItem")->text(), QStringLiteral("&Open..."));
    }

    void TypingAndEnterShowResultAndOperatorsContinueIt() {
        Window w;
        w.Type(QStringLiteral("2*sin(30)+1"));
        QCOMPARE(w.Display(), QStringLiteral("2 "));
        QVERIFY(w.messages.empty());
        // The input line is selected after a result: an operator continues it.
        QCOMPARE(w.Input()->selectedText(), w.Input()->text());
        QTest::keyClicks(w.Input(), QStringLiteral("+3"));
        QCOMPARE(w.Input()->text(), QStringLiteral("2+3"));
        QTest::keyClick(w.Input(), Qt::Key_Return);
        QCOMPARE(w.Display(), QStringLiteral("5 "));
        // The history list of the input line holds both expressions, newest first.
        QCOMPARE(w.form.ExprComboBox()->itemText(0), QStringLiteral("2+3"));
        QCOMPARE(w.form.ExprComboBox()->itemText(1), QStringLiteral("2*sin(30)+1"));
        QVERIFY(w.form.StaticTextDisplay()->toolTip().startsWith(QStringLiteral("5 \n2 ")));
    }

    void BlankTypesBracketsAndSequencesReplacePairs() {
        Window w;
        w.Input()->setFocus();
        QTest::keyClicks(w.Input(), QStringLiteral("sin 30"));
        QCOMPARE(w.Input()->text(), QStringLiteral("sin(30)"));
        w.answer = ModalResult::Yes;
        w.Input()->setText(QStringLiteral("DEFSEQ ** ^"));
        QTest::keyClick(w.Input(), Qt::Key_Return);
        QCOMPARE(w.messages.size(), std::size_t{1});
        w.Input()->selectAll();
        QTest::keyClicks(w.Input(), QStringLiteral("2**3"));
        QCOMPARE(w.Input()->text(), QStringLiteral("2^3"));
    }

    void ErrorShowsTheMessageBoxAndKeepsTheDisplay() {
        Window w;
        w.Type(QStringLiteral("6*7"));
        QCOMPARE(w.Display(), QStringLiteral("42 "));
        w.Type(QStringLiteral("1/0"));
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(w.messages[0].Kind, MessageKind::Error);
        QCOMPARE(QString::fromStdString(w.messages[0].Caption), QStringLiteral(" Chyba"));
        QCOMPARE(QString::fromStdString(w.messages[0].Text), QStringLiteral("Dělení nulou"));
        QCOMPARE(w.Display(), QStringLiteral("42 "));
        // A bracket fault is reported before anything is compiled.
        w.Type(QStringLiteral("2*(3+4"));
        QCOMPARE(QString::fromStdString(w.messages.back().Text),
                 QStringLiteral("Chybějící závorka ve výrazu"));
        QCOMPARE(w.Display(), QStringLiteral("42 "));
    }

    void SwitchShortcutsCycleAndCouple() {
        Window w;
        QLineEdit* input = w.Input();
        input->setFocus();
        // Ctrl+A is the angle switch, not "select all".
        QCOMPARE(w.Caption("DrgrPanel"), QStringLiteral("deg"));
        for (const char* unit : {"rad", "grad", "deg"}) {
            QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(w.Caption("DrgrPanel"), QString::fromLatin1(unit));
        }
        for (const char* base : {"hex", "bin", "oct", "dec"}) {
            QTest::keyClick(input, Qt::Key_B, Qt::ControlModifier);
            QCOMPARE(w.Caption("BasePanel"), QString::fromLatin1(base));
        }
        QTest::keyClick(input, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.Caption("BasePanel"), QStringLiteral("oct"));
        // A non-decimal base keeps the format at norm and switches rounding off.
        QTest::keyClick(input, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(w.Caption("FormPanel"), QStringLiteral("norm"));
        QVERIFY(!w.Find<QToolButton>("RndSpeedButton")->isEnabled());
        // The complex domain returns the base to dec …
        QTest::mouseClick(w.Find<QToolButton>("NumbPanel"), Qt::LeftButton);
        QCOMPARE(w.Caption("NumbPanel"), QStringLiteral("cplx"));
        QCOMPARE(w.Caption("BasePanel"), QStringLiteral("dec"));
        QVERIFY(w.Find<QToolButton>("RndSpeedButton")->isEnabled());
        // … and a base switch returns the domain to real.
        QTest::keyClick(input, Qt::Key_B, Qt::ControlModifier);
        QCOMPARE(w.Caption("NumbPanel"), QStringLiteral("real"));
        QCOMPARE(w.Caption("BasePanel"), QStringLiteral("hex"));
        QTest::keyClick(input, Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
        // Format: norm → fix → sci → eng presses the postfix button.
        for (const char* format : {"fix", "sci", "eng"}) {
            QTest::keyClick(input, Qt::Key_F, Qt::ControlModifier);
            QCOMPARE(w.Caption("FormPanel"), QString::fromLatin1(format));
        }
        QVERIFY(w.Find<QToolButton>("EngSpeedButton")->isChecked());
        QVERIFY(w.Find<QWidget>("EngEdit")->isEnabled());
        // Ctrl+R switches rounding on, which releases the postfix.
        QTest::keyClick(input, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(w.Find<QToolButton>("RndSpeedButton")->isChecked());
        QVERIFY(!w.Find<QToolButton>("EngSpeedButton")->isChecked());
        QCOMPARE(w.Caption("FormPanel"), QStringLiteral("norm"));
        // Page Up raises the rounding digits.
        auto* digits = w.Find<QSpinBox>("RndEdit");
        const int before = digits->value();
        QTest::keyClick(input, Qt::Key_PageUp);
        QCOMPARE(digits->value(), before + 1);
        // Ctrl+M: the function mode, shown by its radio menu item too.
        QTest::keyClick(input, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(w.Caption("ModePanel"), QStringLiteral("eval"));
        QVERIFY(w.form.Action("VyrazArgumentemFnItem")->isChecked());
    }

    void KeypadSwitchRecalculatesInTheNewUnit() {
        Window w;
        w.Type(QStringLiteral("sin(90)"));
        QCOMPARE(w.Display(), QStringLiteral("1 "));
        QTest::mouseClick(w.Find<QToolButton>("DrgrSpeedButton"), Qt::LeftButton);
        QCOMPARE(w.Caption("DrgrPanel"), QStringLiteral("rad"));
        QCOMPARE(w.Display(), QStringLiteral("0.893996663600558 "));
        // From the panel the result is only shown again: Ans stays.
        QTest::mouseClick(w.Find<QToolButton>("DrgrPanel"), Qt::LeftButton);
        QCOMPARE(w.Caption("DrgrPanel"), QStringLiteral("grad"));
        QCOMPARE(w.Display(), QStringLiteral("0.893996663600558 "));
    }

    void RenamingModeEnablesAndDisablesControls() {
        Window w;
        auto* label = w.form.RegisterLabel(BoxId::X);
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(w.form.Model().RenamingMode());
        QVERIFY(!w.form.ExprComboBox()->isEnabled());
        QCOMPARE(w.form.VypocetButton()->text(), QStringLiteral("R&egistrovat"));
        QVERIFY(!w.Find<QMenu>("SouborMenu")->menuAction()->isEnabled());
        QVERIFY(!w.Find<QMenu>("OknoMenu")->menuAction()->isEnabled());
        QVERIFY(w.Find<QMenu>("NapovedaMenu")->menuAction()->isEnabled());
        QVERIFY(!w.form.Action("VypocetToolButton")->isEnabled());
        QVERIFY(w.form.Action("PojmenujToolButton")->isChecked());
        QVERIFY(!w.Find<QToolButton>("ResetSpeedButton")->isEnabled());
        QVERIFY(!w.Find<QToolButton>("RndSpeedButton")->isEnabled());
        QVERIFY(!w.Find<QToolButton>("DrgrPanel")->isEnabled());
        QVERIFY(!w.Find<QToolButton>("FnSpeedButton")->isEnabled());
        QVERIFY(w.form.RegisterBox(BoxId::F)->isVisible());
        QVERIFY(!w.Find<QWidget>("FnPanel")->isVisible());

        // The box shows the name; a valid identifier goes to the label at once,
        // an invalid one does not.
        QLineEdit* box = w.form.RegisterBox(BoxId::X)->lineEdit();
        QCOMPARE(box->text(), QStringLiteral("X"));
        QVERIFY(box->hasFocus());
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("r"));
        QCOMPARE(label->text(), QStringLiteral("r"));
        QTest::keyClicks(box, QStringLiteral("."));
        QCOMPARE(label->text(), QStringLiteral("r"));
        QTest::keyClick(box, Qt::Key_Backspace);

        // The calculate button ends the mode: the boxes get their values back.
        QTest::mouseClick(w.form.VypocetButton(), Qt::LeftButton);
        QVERIFY(!w.form.Model().RenamingMode());
        QVERIFY(w.form.ExprComboBox()->isEnabled());
        QCOMPARE(w.form.VypocetButton()->text(), QStringLiteral("&Výpočet"));
        QCOMPARE(label->text(), QStringLiteral("r"));
        QCOMPARE(box->text(), QStringLiteral("0"));
        QVERIFY(w.Find<QMenu>("SouborMenu")->menuAction()->isEnabled());
        QVERIFY(w.Find<QWidget>("FnPanel")->isVisible());
        QVERIFY(w.form.Model().Parser1().VariableExists("r"));
        QVERIFY(!w.form.Model().Parser1().VariableExists("X"));
    }

    void ClearAndResetAskFirst() {
        Window w;
        w.Type(QStringLiteral("6*7"));
        w.answer = ModalResult::No;
        QTest::mouseClick(w.Find<QToolButton>("ClearPanel"), Qt::LeftButton);
        QCOMPARE(w.Display(), QStringLiteral("42 "));
        QCOMPARE(QString::fromStdString(w.messages.back().Text),
                 QStringLiteral("Mají se proměnné vynulovat?"));
        w.answer = ModalResult::Yes;
        QTest::mouseClick(w.Find<QToolButton>("ResetSpeedButton"), Qt::LeftButton);
        QCOMPARE(w.Display(), QStringLiteral("0 "));
        QCOMPARE(w.messages.back().Kind, MessageKind::Confirmation);
        QCOMPARE(w.Input()->text(), QString());
    }

    void DragFromTheDisplayToLabelsAndBoxes() {
        Window w;
        w.Type(QStringLiteral("6*7"));
        const QString shown = w.Display();
        // Onto a label: the display text as shown becomes the box text.
        w.Drop(w.form.RegisterLabel(BoxId::A), {DragSource::Display, BoxId::Input, shown});
        QCOMPARE(w.form.RegisterBox(BoxId::A)->lineEdit()->text(), QStringLiteral("42 "));
        QCOMPARE(w.form.Model().RegisterAt(BoxId::A).Box, std::string("42 "));
        // Onto a box: the trimmed text at the caret; with Shift in hexadecimal.
        QLineEdit* b = w.form.RegisterBox(BoxId::B)->lineEdit();
        b->setText(QStringLiteral("1+"));
        b->setCursorPosition(2);
        w.Drop(b, {DragSource::Display, BoxId::Input, shown});
        QCOMPARE(b->text(), QStringLiteral("1+42"));
        b->setText(QString());
        w.Drop(b, {DragSource::Display, BoxId::Input, shown}, Qt::ShiftModifier);
        QCOMPARE(b->text(), QStringLiteral("2Ah"));
        // A label onto another box exchanges the two boxes.
        w.Drop(b, {DragSource::RegisterLabel, BoxId::A, QStringLiteral("A")});
        QCOMPARE(b->text(), QStringLiteral("42 "));
        QCOMPARE(w.form.RegisterBox(BoxId::A)->lineEdit()->text(), QStringLiteral("2Ah"));
        // A label onto the input line inserts its variable name.
        w.Input()->setText(QStringLiteral("2*"));
        w.Drop(w.Input(), {DragSource::RegisterLabel, BoxId::Y, QStringLiteral("Y")});
        QCOMPARE(w.Input()->text(), QStringLiteral("2*Y"));
        // A label dropped on itself toggles the renaming mode.
        w.Drop(w.form.RegisterLabel(BoxId::Y),
               {DragSource::RegisterLabel, BoxId::Y, QStringLiteral("Y")});
        QVERIFY(w.form.Model().RenamingMode());
    }

    void ForeignDropsAreRefused() {
        Window w;
        QMimeData mime;
        mime.setText(QStringLiteral("99"));
        QLineEdit* x = w.form.RegisterBox(BoxId::X)->lineEdit();
        QDragEnterEvent enter(x->rect().center(), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(x, &enter);
        QVERIFY(!enter.isAccepted());
    }

    void FunctionKeysInsertAndWrap() {
        Window w;
        QLineEdit* input = w.Input();
        input->setFocus();
        QTest::keyClicks(input, QStringLiteral("2+"));
        QTest::mouseClick(w.Find<QToolButton>("SinSpeedButton"), Qt::LeftButton);
        QCOMPARE(input->text(), QStringLiteral("2+sin()"));
        QCOMPARE(input->cursorPosition(), 6);
        // An operand before the caret is wrapped: 2*x with sqrt gives 2*sqrt(x).
        input->setText(QStringLiteral("2*q"));
        input->setCursorPosition(3);
        QTest::mouseClick(w.Find<QToolButton>("SqrtSpeedButton"), Qt::LeftButton);
        QCOMPARE(input->text(), QStringLiteral("2*sqrt(q)"));
        // A value is evaluated at once; inv gives the inverse and is released.
        input->setText(QStringLiteral("0,5"));
        QTest::mouseClick(w.Find<QToolButton>("InvSpeedButton"), Qt::LeftButton);
        QVERIFY(
            w.Find<QToolButton>("SinSpeedButton")->toolTip().contains(QStringLiteral("arcsin")));
        QTest::mouseClick(w.Find<QToolButton>("SinSpeedButton"), Qt::LeftButton);
        QCOMPARE(w.Display(), QStringLiteral("30 "));
        QCOMPARE(input->text(), QStringLiteral("30"));
        QVERIFY(!w.Find<QToolButton>("InvSpeedButton")->isChecked());
        QCOMPARE(w.Find<QToolButton>("SinSpeedButton")->toolTip(), QStringLiteral("sinus"));
    }

    void DmsConvertsTheInputLine() {
        Window w;
        w.Input()->setText(QStringLiteral("12,75"));
        QTest::mouseClick(w.Find<QToolButton>("DmsSpeedButton"), Qt::LeftButton);
        QCOMPARE(w.Display(), QStringLiteral("12:45:00.000 "));
    }

    void CompactLayoutHidesTheKeypadArea() {
        Window w;
        QVERIFY(w.Find<QWidget>("LowerArea")->isVisible());
        w.form.Action("wMiniOknoItem")->trigger();
        QVERIFY(!w.Find<QWidget>("LowerArea")->isVisible());
        QVERIFY(!w.Find<QToolBar>("ToolBar")->isVisible());
        QVERIFY(w.form.Action("wMiniOknoItem")->isChecked());
        w.form.Action("wMiniOknoItem")->trigger();
        QVERIFY(w.Find<QWidget>("LowerArea")->isVisible());
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
