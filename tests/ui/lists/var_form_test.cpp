// The variable list window driven with keys and the mouse beside a real main
// window: the rows with values, units and descriptions, editing and applying
// a value (which reaches the variable and its register box), a failing value
// that stops the apply at its row, removing variables, the vector commands
// of the selected row, and closing with unapplied edits. Message boxes are
// answered by a hook.
#include "ui/lists/var_form.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <vector>

#include "ui/main/main_form.h"
#include "ui/main/register_label.h"

using namespace tarvix;

namespace {

enum Column { kName = 0, kValue = 1, kUnit = 2, kDescription = 3 };

// A shown main window with its variable list open; message boxes are
// answered by `answer` and recorded.
struct Windows {
    TMainForm main;
    QPointer<TVarForm> vars;
    std::vector<MessageBoxRequest> messages;
    ModalResult answer = ModalResult::Cancel;

    Windows() {
        main.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return answer;
        });
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        // A user variable with a description and a unit.
        main.Model().Parser1().SetVariable("delka", ComplexValue{2.5L, 0.0L});
        main.Model().VarInfos().Set("delka", "délka hrany [m]");
        Open();
    }

    void Open() {
        main.PromennePanelClick();
        vars = main.findChild<TVarForm*>();
        QVERIFY(vars);
        QVERIFY(vars->isVisible());
        // A tool window counts as active while its main window is: wait for
        // the window itself.
        QVERIFY(QTest::qWaitFor(
            [this] { return QGuiApplication::focusWindow() == vars->windowHandle(); }));
    }

    QTableWidget* Grid() const { return vars->VarStringGrid(); }
    QString Cell(int row, Column column) const { return Grid()->item(row, column)->text(); }
    int Row(const char* name) const {
        for (int row = 0; row < Grid()->rowCount(); ++row) {
            if (Cell(row, kName) == QLatin1String(name)) return row;
        }
        return -1;
    }
    QWidget* Button(const char* action) const {
        return vars->findChild<QToolBar*>()->widgetForAction(vars->Action(action));
    }
    QString Box(BoxId box) const { return main.RegisterBox(box)->lineEdit()->text(); }
    long double Variable(const char* name) { return main.Model().Parser1().GetVariable(name).Re; }

    // In edit mode: clicks a cell, which opens its editor (the current cell
    // has it open already), and types a text over its contents; the editor
    // stays open.
    void Type(int row, Column column, const QString& text) {
        if (Grid()->currentRow() != row || Grid()->currentColumn() != column) {
            const QRect cell = Grid()->visualRect(Grid()->model()->index(row, column));
            QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        }
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, text);
    }
    void EditMode() {
        QTest::mouseClick(Button("EditovatItem"), Qt::LeftButton);
        QVERIFY(vars->EditMode());
    }
    void Apply() { QTest::mouseClick(Button("PouzitItem"), Qt::LeftButton); }
};

}  // namespace

class VarFormTest : public QObject {
    Q_OBJECT

private slots:
    void ListsTheVariablesWithUnitsAndDescriptions() {
        Windows w;
        QCOMPARE(w.vars->windowTitle(), QStringLiteral("Seznam proměnných"));
        QCOMPARE(w.Grid()->columnCount(), 4);
        QCOMPARE(w.Grid()->horizontalHeaderItem(kName)->text(), QStringLiteral("Název"));
        QCOMPARE(w.Grid()->horizontalHeaderItem(kDescription)->text(), QStringLiteral("Popis"));
        // The eight register variables and delka; Ans is not listed.
        QCOMPARE(w.Grid()->rowCount(), 9);
        QCOMPARE(w.Row("Ans"), -1);
        const int delka = w.Row("delka");
        QVERIFY(delka >= 0);
        QCOMPARE(w.Cell(delka, kValue), QStringLiteral("2.5"));
        QCOMPARE(w.Cell(delka, kUnit), QStringLiteral("m"));
        QCOMPARE(w.Cell(delka, kDescription), QStringLiteral("délka hrany"));
        QCOMPARE(w.Cell(w.Row("X"), kValue), QStringLiteral("0"));
        // Nothing edited: apply and refresh are disabled, whole rows selected.
        QVERIFY(!w.vars->Action("PouzitItem")->isEnabled());
        QVERIFY(!w.vars->Action("ObnovitItem")->isEnabled());
        QCOMPARE(w.Grid()->selectionBehavior(), QAbstractItemView::SelectRows);
        // A calculation of the main window refreshes the shown list.
        w.main.RegisterBox(BoxId::X)->lineEdit()->setText(QStringLiteral("7"));
        w.main.CalculateText(QStringLiteral("X*2"));
        QCOMPARE(w.Cell(w.Row("X"), kValue), QStringLiteral("7"));
    }

    void EditingAndApplyingReachTheVariableAndItsRegister() {
        Windows w;
        w.EditMode();
        const int a = w.Row("A");
        w.Type(a, kValue, QStringLiteral("6*7"));
        // Typing alone enables apply and refresh.
        QVERIFY(w.vars->Modified());
        QVERIFY(w.vars->Action("PouzitItem")->isEnabled());
        // Tab moves on to the unit and then the description.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("m2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("plocha"));
        w.Apply();
        QVERIFY(w.messages.empty());
        QCOMPARE(w.Variable("A"), 42.0L);
        QCOMPARE(w.Box(BoxId::A), QStringLiteral("6*7"));
        QCOMPARE(w.main.Model().VarInfos().Value("A"), std::optional<std::string>("plocha [m2]"));
        QVERIFY(!w.vars->Modified());
        QVERIFY(!w.vars->Action("PouzitItem")->isEnabled());
        // The main window's label hint shows the description.
        QVERIFY(w.main.RegisterLabel(BoxId::A)->toolTip().contains(QStringLiteral("plocha")));
    }

    void AFailingValueStopsTheApplyAtItsRow() {
        Windows w;
        w.EditMode();
        const int a = w.Row("A");
        const int b = w.Row("B");
        w.Type(a, kValue, QStringLiteral("3"));
        w.Type(b, kValue, QStringLiteral("2+"));
        w.Apply();
        // The row above is applied, the failing one is current and still edited.
        QCOMPARE(w.Variable("A"), 3.0L);
        QCOMPARE(w.Box(BoxId::A), QStringLiteral("3"));
        QCOMPARE(w.Variable("B"), 0.0L);
        QCOMPARE(w.Box(BoxId::B), QStringLiteral("0"));
        QCOMPARE(w.Grid()->currentRow(), b);
        QCOMPARE(w.Cell(b, kValue), QStringLiteral("2+"));
        QVERIFY(w.vars->Modified());
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(w.messages.back().Kind, MessageKind::Error);
    }

    void RemovingVariables() {
        Windows w;
        // Ctrl+Delete removes the selected user variable and its row.
        w.Grid()->setCurrentCell(w.Row("delka"), kValue);
        QTest::keyClick(w.Grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(w.Row("delka"), -1);
        QCOMPARE(w.Grid()->rowCount(), 8);
        QVERIFY(!w.main.Model().Parser1().VariableExists("delka"));
        QVERIFY(!w.main.Model().VarInfos().Value("delka"));
        // A register's variable: the register gets its letter, "0" and 0 back.
        w.main.RegisterBox(BoxId::C)->lineEdit()->setText(QStringLiteral("5"));
        w.main.CalculateText(QStringLiteral("C"));
        QCOMPARE(w.Cell(w.Row("C"), kValue), QStringLiteral("5"));
        w.Grid()->setCurrentCell(w.Row("C"), kValue);
        QTest::mouseClick(w.Button("OdstranitItem"), Qt::LeftButton);
        QCOMPARE(w.Box(BoxId::C), QStringLiteral("0"));
        QCOMPARE(w.Variable("C"), 0.0L);
        QCOMPARE(w.Cell(w.Row("C"), kValue), QStringLiteral("0"));
    }

    void VectorCommandsOfTheSelectedRow() {
        Windows w;
        VarVectors& vectors = w.main.Series().Vectors();
        // Without vectors kept for variables nothing can be imported.
        w.Grid()->setCurrentCell(w.Row("delka"), kValue);
        QVERIFY(!w.vars->findChild<QMenu*>("ImportVektoruItem")->isEnabled());
        QVERIFY(!w.vars->findChild<QMenu*>("ExportVektoruItem")->isEnabled());

        w.main.Series().SetVarAsVector(true);
        QApplication::clipboard()->setText(QStringLiteral("1\n2,5\n3\n"));
        w.main.RunDataPump(5, 4, "delka");
        w.vars->Refresh();
        QCOMPARE(vectors.FindVector("delka").size(), std::size_t{3});
        // The name holding a vector is bold, the others are not.
        QVERIFY(w.Grid()->item(w.Row("delka"), kName)->font().bold());
        QVERIFY(!w.Grid()->item(w.Row("B"), kName)->font().bold());

        // The commands follow the selected name.
        w.Grid()->setCurrentCell(w.Row("B"), kValue);
        QVERIFY(w.vars->findChild<QMenu*>("ImportVektoruItem")->isEnabled());
        QVERIFY(w.vars->Action("ImportSchrankaItem")->isEnabled());
        QVERIFY(!w.vars->Action("ImportGrafItem")->isEnabled());
        QVERIFY(!w.vars->findChild<QMenu*>("ExportVektoruItem")->isEnabled());
        QVERIFY(!w.vars->Action("FourierovaAnalyzaItem")->isEnabled());
        w.Grid()->setCurrentCell(w.Row("delka"), kValue);
        QVERIFY(w.vars->findChild<QMenu*>("ExportVektoruItem")->isEnabled());
        QVERIFY(w.vars->Action("ExportSchrankaItem")->isEnabled());
        QVERIFY(w.vars->Action("FourierovaAnalyzaItem")->isEnabled());

        // Export to the clipboard and import back into another variable.
        QApplication::clipboard()->clear();
        w.vars->Action("ExportSchrankaItem")->trigger();
        QCOMPARE(QApplication::clipboard()->text().count(QLatin1Char('\n')), 3);
        w.Grid()->setCurrentCell(w.Row("B"), kValue);
        w.vars->Action("ImportSchrankaItem")->trigger();
        const ParserFloatArray& imported = vectors.FindVector("B");
        QCOMPARE(imported.size(), std::size_t{3});
        QCOMPARE(imported[1].Re, 2.5L);
        QCOMPARE(imported[2].Re, 3.0L);
        // The window is refreshed after the import.
        QVERIFY(w.Grid()->item(w.Row("B"), kName)->font().bold());
        QVERIFY(w.messages.empty());

        // Removing the row empties its vector.
        w.Grid()->setCurrentCell(w.Row("delka"), kValue);
        QTest::keyClick(w.Grid(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(w.Row("delka"), -1);
        QVERIFY(!vectors.HasVector("delka"));
        QVERIFY(vectors.HasVector("B"));
    }

    void ClosingWithUnappliedEditsAsksFirst() {
        Windows w;
        w.EditMode();
        const int d = w.Row("D");
        // Esc drops an open edit; a second Esc closes the unmodified window.
        w.Type(d, kValue, QStringLiteral("9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(w.Cell(d, kValue), QStringLiteral("0"));
        QVERIFY(!w.vars->Modified());
        QTest::keyClick(w.Grid(), Qt::Key_Escape);
        QTRY_VERIFY(w.vars.isNull());
        QVERIFY(w.messages.empty());

        // Cancel keeps the window, No closes it without applying.
        w.Open();
        w.EditMode();
        w.Type(d, kValue, QStringLiteral("9"));
        QVERIFY(!w.vars->close());
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(w.messages.back().Text),
                 QStringLiteral("Mají se hodnoty proměnných aktualizovat?"));
        QCOMPARE(w.messages.back().Kind, MessageKind::Confirmation);
        QVERIFY(w.vars->isVisible());
        w.answer = ModalResult::No;
        QVERIFY(w.vars->close());
        QTRY_VERIFY(w.vars.isNull());
        QCOMPARE(w.Variable("D"), 0.0L);

        // Yes applies and closes.
        w.Open();
        w.EditMode();
        w.Type(d, kValue, QStringLiteral("9"));
        w.answer = ModalResult::Yes;
        w.vars->Action("ZavritItem")->trigger();
        QTRY_VERIFY(w.vars.isNull());
        QCOMPARE(w.Variable("D"), 9.0L);
        QCOMPARE(w.Box(BoxId::D), QStringLiteral("9"));
    }

    void EditModeLeavesTheMainWindowsFocusAlone() {
        Windows w;
        w.EditMode();
        w.main.activateWindow();
        QTRY_COMPARE(QGuiApplication::focusWindow(), w.main.windowHandle());
        QLineEdit* input = w.main.ExprComboBox()->lineEdit();
        input->setFocus();
        // The calculation refreshes the list, whose editor must not take the focus.
        w.main.RegisterBox(BoxId::Y)->lineEdit()->setText(QStringLiteral("4"));
        w.main.CalculateText(QStringLiteral("Y+1"));
        QCOMPARE(w.Cell(w.Row("Y"), kValue), QStringLiteral("4"));
        QVERIFY(input->hasFocus());
        QCOMPARE(QGuiApplication::focusWindow(), w.main.windowHandle());
    }

    void WindowKeysHideAndReachTheInputLine() {
        Windows w;
        QTest::keyClick(w.Grid(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_COMPARE(QGuiApplication::focusWindow(), w.main.windowHandle());
        QVERIFY(w.main.ExprComboBox()->lineEdit()->hasFocus());
        w.Open();
        QTest::keyClick(w.Grid(), Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!w.vars.isNull());
        QVERIFY(!w.vars->isVisible());
    }
};

QTEST_MAIN(VarFormTest)
#include "var_form_test.moc"
