// The worksheet window's data commands beside a real main window: Ctrl+D
// generates into the grid (every cell, no zero on the diagonal), the fill
// area submenu with symmetric writing, a band matrix from the menu, select
// all, copy and paste of an area through the clipboard, a structural edit,
// the renamed cell-rule toggle and the default of automatic alignment.
#include <QAbstractButton>
#include <QAction>
#include <QSplitter>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QGuiApplication>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QHeaderView>
#include <QtTest>

#include "gem_form_windows.h"
#include "matrix/worksheet_generate.h"
#include "ui/worksheet/gem_form.h"
#include "ui/main/main_form.h"

using namespace tarvix;

namespace {

struct Windows : test::GemWindows {
    Windows() : GemWindows(ModalResult::Ok) {}

    void Trigger(const char* name) {
        QAction* a = gem->Action(name);
        QVERIFY2(a, name);
        QVERIFY2(a->isEnabled(), name);
        a->trigger();
    }
};

}  // namespace

class GemFormDataTest : public QObject {
    Q_OBJECT

private slots:
    void CtrlDGeneratesEveryCellWithoutZeroOnTheDiagonal() {
        Windows w;
        w.Open(true);
        w.gem->RozmerSpinEdit()->setValue(4);
        QVERIFY(w.gem->Action("Data_GenerovatNahodnaCisla")->isChecked());
        QVERIFY(w.gem->Action("Plnit_Vse")->isChecked());
        QVERIFY(w.gem->Action("Plnit_ObsahNerozhoduje")->isChecked());
        QTest::keyClick(w.gem, Qt::Key_D, Qt::ControlModifier);
        QVERIFY(w.messages.empty());
        QCOMPARE(w.Left()->columnCount(), 5);
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 5; ++j) {
                const QString cell = w.LeftCell(i, j);
                QVERIFY2(!cell.isEmpty(), qPrintable(QStringLiteral("%1,%2").arg(i).arg(j)));
                if (i == j) QVERIFY(cell.toInt() != 0);
            }
        QVERIFY(w.gem->windowTitle().endsWith(QStringLiteral(" *")));
        // A second press draws other numbers.
        QStringList first;
        for (int i = 1; i <= 4; ++i) first << w.LeftCell(i, 1) << w.LeftCell(i, 2) << w.LeftCell(i, 3);
        QTest::keyClick(w.gem, Qt::Key_D, Qt::ControlModifier);
        QStringList second;
        for (int i = 1; i <= 4; ++i) second << w.LeftCell(i, 1) << w.LeftCell(i, 2) << w.LeftCell(i, 3);
        QVERIFY(first != second);
    }

    // "Nový" with Shift clears only the active grid's data; the editor and
    // the file stay.
    void NewWithShiftClearsOnlyTheGrid() {
        Windows w;
        w.Open(false);
        w.gem->RozmerSpinEdit()->setValue(2);
        QVERIFY(w.Left()->setData(w.Left()->index(0, 0), QStringLiteral("7"), Qt::EditRole));
        w.gem->LStringGrid()->setFocus();
        const std::vector<std::string> editor = w.gem->Model().Editor();
        QTest::keyPress(w.gem->LStringGrid(), Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(QApplication::keyboardModifiers() & Qt::ShiftModifier);
        w.gem->Action("Soubor_Novy")->trigger();
        QTest::keyRelease(w.gem->LStringGrid(), Qt::Key_Shift);
        QVERIFY(w.LeftCell(1, 1).isEmpty());
        QCOMPARE(w.gem->Model().Editor(), editor);
        // Without Shift the editor is cleared too.
        w.gem->Action("Soubor_Novy")->trigger();
        QVERIFY(w.gem->Model().Editor() != editor);
    }

    // The width edit sets the left grid's data columns; the last one fills
    // the rest of the grid. Ctrl+Q puts the shared width into the edit.
    void WidthEditSetsTheColumns() {
        Windows w;
        w.Open(false);
        w.gem->RozmerSpinEdit()->setValue(3);
        QTableView* left = w.gem->LStringGrid();
        w.gem->ColWidthsEdit()->setValue(40);
        QCOMPARE(left->columnWidth(0), 40);
        QCOMPARE(left->columnWidth(1), 40);
        QVERIFY(left->columnWidth(2) >= 40);
        QCOMPARE(left->columnWidth(2), std::max(40, left->viewport()->width() - 80));
        w.Trigger("Rastr_ZarovnatPoOkraje");
        QCOMPARE(w.gem->ColWidthsEdit()->value(), left->columnWidth(0));
        // Without automatic alignment a generation widens a narrow last column.
        w.Trigger("Rastr_AutomatickyZarovnavat");
        QVERIFY(!w.gem->Action("Rastr_AutomatickyZarovnavat")->isChecked());
        left->setColumnWidth(2, 15);
        w.Trigger("Data_Generovat");
        QCOMPARE(left->columnWidth(2), 40);
    }

    // With an area selected, a click on a row header extends it to that row.
    void HeaderClickExtendsTheArea() {
        Windows w;
        w.Open(false);
        w.gem->RozmerSpinEdit()->setValue(4);
        QTableView* view = w.gem->LStringGrid();
        view->selectionModel()->select(
            QItemSelection(view->model()->index(0, 0), view->model()->index(1, 1)),
            QItemSelectionModel::ClearAndSelect);
        QCOMPARE(w.gem->Model().BorderedArea(false), std::optional(GridArea{1, 1, 2, 2}));
        QHeaderView* rows = view->verticalHeader();
        const QPoint at(rows->width() / 2, rows->sectionViewportPosition(3) + rows->sectionSize(3) / 2);
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(w.gem->Model().BorderedArea(false), std::optional(GridArea{1, 1, 4, 2}));
    }

    // "Transformace funkcí" changes only the elements of the fill area and
    // content chosen in the menu; the settings reach it from a new window too.
    void TransformationFollowsTheFillAreaMenu() {
        Windows w;
        w.Open(false);
        w.gem->RozmerSpinEdit()->setValue(2);
        const char* cells[2][2] = {{"1", "2"}, {"3", "4"}};
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                QVERIFY(w.Left()->setData(w.Left()->index(i, j), QString::fromLatin1(cells[i][j]), Qt::EditRole));
        w.main.ExprComboBox()->lineEdit()->setText(QStringLiteral("X*10"));
        w.main.Model().SetInputText("X*10");
        w.Trigger("Plnit_Diagonala");
        w.Trigger("Transformace_Funkci");
        QVERIFY2(w.messages.empty(), w.messages.empty() ? "" : w.messages.back().Text.c_str());
        QCOMPARE(w.RightCell(1, 1).trimmed(), QStringLiteral("10"));
        QCOMPARE(w.RightCell(1, 2).trimmed(), QStringLiteral("2"));
        QCOMPARE(w.RightCell(2, 1).trimmed(), QStringLiteral("3"));
        QCOMPARE(w.RightCell(2, 2).trimmed(), QStringLiteral("40"));
        w.gem->Model().SetModified(false);
        w.gem->close();
        QTRY_VERIFY(!w.gem);
        w.Open(false);
        QCOMPARE(w.gem->Model().Options().TransformArea, int{kFillDiagonal});
        w.Trigger("Plnit_Vse");
        QCOMPARE(w.gem->Model().Options().TransformArea, int{kFillAll});
        w.Trigger("Plnit_PrazdneBunky");
        QCOMPARE(w.gem->Model().Options().TransformContent, int{kFillEmpty});
    }

    // The condensation method is not built: its item is disabled and its
    // hint names the elimination that computes instead.
    void CondensationMethodIsDisabledWithAHint() {
        Windows w;
        w.Open(true);
        QAction* condensation = w.gem->Action("Metoda_Kondenzacni");
        QVERIFY(condensation);
        QVERIFY(!condensation->isEnabled());
        QVERIFY(!condensation->isChecked());
        QVERIFY(condensation->toolTip().contains(QStringLiteral("Gaussovou eliminací")));
        QCOMPARE(condensation->statusTip(), condensation->toolTip());
        QVERIFY(w.gem->Action("Metoda_Gaussova")->isChecked());
        w.gem->RefreshFromModel();
        QVERIFY(!condensation->isEnabled());
    }

    void FillAreaAboveTheDiagonalWithSymmetricWriting() {
        Windows w;
        w.Open(false);
        w.gem->RozmerSpinEdit()->setValue(3);
        for (int i = 1; i <= 3; ++i)
            QVERIFY(w.Left()->setData(w.Left()->index(i - 1, i - 1), QStringLiteral("d"), Qt::EditRole));
        w.Trigger("Plnit_NadDiagonalou");
        w.Trigger("Data_SymetrickyZapisovat");
        QVERIFY(w.gem->Action("Plnit_NadDiagonalou")->isChecked());
        QVERIFY(!w.gem->Action("Plnit_Vse")->isChecked());
        QVERIFY(w.gem->Model().Options().SymmetricWrite);  // the transformation follows it
        w.Trigger("Data_Generovat");
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(w.LeftCell(i, i), QStringLiteral("d"));
            for (int j = i + 1; j <= 3; ++j) {
                QVERIFY(!w.LeftCell(i, j).isEmpty());
                QCOMPARE(w.LeftCell(j, i), w.LeftCell(i, j));
            }
        }
        // The settings outlive the window.
        w.gem->close();
        QTRY_VERIFY(!w.gem);  // released on close
        w.Open(false);
        QVERIFY(w.gem->Action("Plnit_NadDiagonalou")->isChecked());
        QVERIFY(w.gem->Action("Data_SymetrickyZapisovat")->isChecked());
    }

    void BandMatrixFromTheMenuResetsTheFillArea() {
        Windows w;
        w.Open(true);
        w.gem->RozmerSpinEdit()->setValue(4);
        w.Trigger("Plnit_Diagonala");
        w.Trigger("Data_PasovaMatice");
        QVERIFY(w.gem->Action("Plnit_Vse")->isChecked());
        for (int i = 1; i <= 4; ++i)
            for (int j = 1; j <= 5; ++j)
                QCOMPARE(w.LeftCell(i, j).isEmpty(), !(std::abs(i - j) <= 1 || j == 5));
    }

    void SelectCopyAndPasteAnAreaThroughTheClipboard() {
        Windows w;
        w.Open(false);
        w.gem->RozmerSpinEdit()->setValue(2);
        const char* texts[2][2] = {{"1", "2"}, {"3", "4"}};
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                QVERIFY(w.Left()->setData(w.Left()->index(i, j), QString::fromLatin1(texts[i][j]), Qt::EditRole));
        w.gem->LStringGrid()->setFocus();
        QTest::keyClick(w.gem, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(w.gem->Model().BorderedArea(false), (GridArea{1, 1, 2, 2}));
        // No cell editing while the area exists.
        QCOMPARE(w.gem->LStringGrid()->editTriggers(), QAbstractItemView::NoEditTriggers);
        QTest::keyClick(w.gem, Qt::Key_C, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1\t2\r\n3\t4\r\n"));

        QGuiApplication::clipboard()->setText(QStringLiteral("7\t8\t9\r\n5\t6\t0"));
        w.gem->LStringGrid()->clearSelection();
        w.gem->LStringGrid()->setCurrentIndex(w.Left()->index(0, 0));
        w.gem->Model().SetBorderedArea(false, std::nullopt);
        w.Trigger("Upravy_VlozitOblast");
        QCOMPARE(w.LeftCell(1, 1), QStringLiteral("7"));
        QCOMPARE(w.LeftCell(1, 2), QStringLiteral("8"));
        QCOMPARE(w.LeftCell(2, 1), QStringLiteral("5"));
        QCOMPARE(w.LeftCell(2, 2), QStringLiteral("6"));
        QVERIFY(w.gem->LStringGrid()->editTriggers() != QAbstractItemView::NoEditTriggers);
    }

    // A double click on a grid's corner widens that grid; Ctrl+U splits again.
    void CornerDoubleClickWidensTheGrid() {
        Windows w;
        w.Open(false);
        QSplitter* grids = nullptr;
        for (QSplitter* s : w.gem->findChildren<QSplitter*>())
            if (s->indexOf(w.gem->LStringGrid()) >= 0) grids = s;
        QVERIFY(grids);
        auto* corner = w.gem->LStringGrid()->findChild<QAbstractButton*>();
        QVERIFY(corner);
        QTest::mouseDClick(corner, Qt::LeftButton);
        // The other grid keeps only the width its view needs at least.
        const int least = w.gem->RStringGrid()->minimumSizeHint().width();
        QTRY_VERIFY(grids->sizes()[1] <= std::max(least, 40));
        QTest::keyClick(w.gem, Qt::Key_U, Qt::ControlModifier);
        QTRY_VERIFY(std::abs(grids->sizes()[0] - grids->sizes()[1]) <= 2);
        QTest::keyClick(w.gem, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(grids->sizes()[0] <= std::max(w.gem->LStringGrid()->minimumSizeHint().width(), 60));
    }

    void StructuralEditFromTheRasterMenu() {
        Windows w;
        w.Open(false);
        w.gem->RozmerSpinEdit()->setValue(3);
        w.gem->LStringGrid()->setFocus();
        w.gem->LStringGrid()->setCurrentIndex(w.Left()->index(1, 0));
        w.Trigger("Rastr_OdstranitRadek");
        QCOMPARE(w.Left()->rowCount(), 2);
        w.Trigger("Rastr_VlozitRadek");
        QCOMPARE(w.Left()->rowCount(), 3);
    }

    void CellRuleToggleKeepsItsOptionUnderItsNewName() {
        Windows w;
        w.Open(true);
        QVERIFY(w.gem->Action("Rastr_AutomatickyZarovnavat")->isChecked());
        w.Trigger("Data_VycislovatFunkcniHodnoty");
        QVERIFY(w.gem->Model().Options().GenerateFunctionValues);
        w.Trigger("Data_GenerovatFunkcniHodnoty");
        QVERIFY(w.gem->DataState().Settings.FunctionValues);
        QVERIFY(w.gem->Model().Options().GenerateFunctionValues);  // independent
        // Complex numbers need the complex domain.
        QVERIFY(!w.gem->Action("Data_GenerovatKomplexniCisla")->isEnabled());
        // The function values come from the main window's input line; an
        // empty one gives the message and writes nothing.
        w.Trigger("Data_Generovat");
        QVERIFY(!w.messages.empty());
        QCOMPARE(QString::fromStdString(w.messages.back().Text), QStringLiteral("Nebyl zadán výraz pro plnění buněk"));
    }
};

QTEST_MAIN(GemFormDataTest)
#include "gem_form_data_test.moc"
