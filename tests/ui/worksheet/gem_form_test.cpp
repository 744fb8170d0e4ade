// The matrix worksheet window beside a real main window: opened from the
// "Matice" menu in each mode, a 3×3 system typed into the grid and solved
// with F9 (solution and check columns), the equations editor's sample, stop
// during a run (through the watch mode's question) with the window usable
// afterwards, save and reopen of a text file, the enabled states of an empty
// worksheet, the closing questions (also during a run), the CELL link of
// the main window, the memory dialog and the variant window, the windows'
// placements and the recent files kept across runs. Message boxes are
// answered by a hook.
#include "gem_form_windows.h"
#include "ui/worksheet/gem_form.h"

#include <QAction>
#include <QHeaderView>
#include <QListWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <vector>

#include "ui/worksheet/gem_v_form.h"
#include "ui/main/main_form.h"
#include "ui/worksheet/mem_form.h"
#include "storage/calculator_session.h"
#include "storage/worksheet_settings.h"
#include "ui/widgets/qt_file_choice.h"

using namespace tarvix;

namespace {

// Message boxes are cancelled unless a test answers them.
struct Windows : test::GemWindows {
    Windows() : GemWindows(ModalResult::Cancel) {}

    // The sample system 2a−3b+4c=1, 5a+2b−6c=2, 3a−2b+3c=3 typed into the grid.
    void TypeSample() {
        gem->RozmerSpinEdit()->setValue(3);
        const char* rows[3][4] = {{"2", "-3", "4", "1"}, {"5", "2", "-6", "2"}, {"3", "-2", "3", "3"}};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) SetLeft(i + 1, j + 1, QString::fromLatin1(rows[i][j]));
    }
    bool Enabled(const char* action) const { return gem->Action(action)->isEnabled(); }
    QString LastMessage() const {
        return messages.empty() ? QString() : QString::fromStdString(messages.back().Text);
    }
};

double Number(const QString& text) { return text.trimmed().toDouble(); }

}  // namespace

class GemFormTest : public QObject {
    Q_OBJECT

private slots:
    void OpensInEitherMode() {
        Windows w;
        w.Open(true);
        QCOMPARE(w.gem->Model().Mode(), WorksheetMode::Equations);
        QVERIFY(w.gem->windowTitle().startsWith(QStringLiteral("Soustava lineárních rovnic - soubor.txt")));
        QCOMPARE(w.Left()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Vektor"));
        QCOMPARE(w.Right()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Řešení"));
        QVERIFY(w.gem->Memo()->toPlainText().contains(QStringLiteral("2a - 3b + 4c = 1")));
        w.main.OperaceSMaticemiItemClick();
        QCOMPARE(w.main.GemForm(), w.gem.data());  // one worksheet only
        QCOMPARE(w.gem->Model().Mode(), WorksheetMode::Operations);
        QCOMPARE(w.Left()->columnCount(), 2);
        QCOMPARE(w.gem->StatusText(3), QStringLiteral("Inverze matice"));
    }

    // Opened for matrix operations, F9 runs the inverse (the mode's own
    // operation) and the result goes into the right grid.
    void OperationsModeRunsTheInverse() {
        Windows w;
        w.Open(false);
        w.SetLeft(1, 1, "2");
        w.SetLeft(1, 2, "1");
        w.SetLeft(2, 1, "1");
        w.SetLeft(2, 2, "1");
        QTest::keyClick(w.gem, Qt::Key_F9);
        QVERIFY2(w.messages.empty(), qPrintable(w.LastMessage()));
        QCOMPARE(w.gem->Model().Mode(), WorksheetMode::Operations);
        QCOMPARE(Number(w.RightCell(1, 1)), 1.0);
        QCOMPARE(Number(w.RightCell(1, 2)), -1.0);
        QCOMPARE(Number(w.RightCell(2, 2)), 2.0);
        // The mode button back to the equations: F9 would solve there.
        w.gem->ToggleMode();
        QCOMPARE(w.gem->Model().Mode(), WorksheetMode::Equations);
        QCOMPARE(w.gem->StatusText(3), QStringLiteral("Soustava rovnic"));
    }

    // A cell that does not read: its message, the cell cursor on it (left
    // or right grid) and no "Příprava dat..." left in the status bar.
    void ACellErrorFocusesTheCellAndClearsTheStatus() {
        Windows w;
        w.Open(true);
        w.TypeSample();
        w.SetLeft(2, 3, QStringLiteral("2*"));
        QTest::keyClick(w.gem, Qt::Key_F9);
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(w.gem->StatusText(2), QString());
        QTableView* left = w.gem->LStringGrid();
        QCOMPARE(left->currentIndex().row(), 1);
        QCOMPARE(left->currentIndex().column(), 2);
        QVERIFY(left->hasFocus());
        // Corrected, the system solves and the status shows the time.
        w.SetLeft(2, 3, QStringLiteral("-6"));
        QTest::keyClick(w.gem, Qt::Key_F9);
        QCOMPARE(w.messages.size(), std::size_t{1});
        QVERIFY(w.gem->StatusText(2).startsWith(QStringLiteral("Doba výpočtu")));
    }

    // A worksheet never placed before shows a 5×5 system with its solution
    // without scrolling.
    void FirstPlacementShowsAFiveByFiveSystem() {
        Windows w;
        w.Open(true);
        w.gem->RozmerSpinEdit()->setValue(5);
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 6; ++j) w.SetLeft(i, j, QString::number(i == j ? 2 : j == 6 ? i : 0));
        QTest::keyClick(w.gem, Qt::Key_F9);
        QVERIFY2(w.messages.empty(), qPrintable(w.LastMessage()));
        QCoreApplication::processEvents();
        auto shows = [](QTableView* view, int rows, int columns) {
            const int bottom = view->rowViewportPosition(rows - 1) + view->rowHeight(rows - 1);
            const int right = view->columnViewportPosition(columns - 1) + view->columnWidth(columns - 1);
            return view->rowViewportPosition(0) >= 0 && view->columnViewportPosition(0) >= 0 &&
                   bottom <= view->viewport()->height() && right <= view->viewport()->width();
        };
        QVERIFY(shows(w.gem->LStringGrid(), 5, 6));
        QVERIFY(shows(w.gem->RStringGrid(), 5, 1));
        QCOMPARE(w.RightCell(5, 1).trimmed(), QStringLiteral("2.5"));
    }

    // Ctrl+O over modified data asks to save first; Cancel keeps the data.
    void OpeningAnotherFileAsksToSaveFirst() {
        Windows w;
        w.Open(true);
        w.SetLeft(1, 1, QStringLiteral("4"));
        QVERIFY(w.gem->Model().Modified());
        int dialogs = 0;
        w.main.Files().SetHook([&](const FileDialogRequest&, bool) {
            ++dialogs;
            return std::optional<std::filesystem::path>();
        });
        w.answer = [](const MessageBoxRequest&) { return ModalResult::Cancel; };
        QTest::keyClick(w.gem, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.messages.size(), std::size_t{1});
        QVERIFY(w.LastMessage().contains(QStringLiteral("uložit")));
        QCOMPARE(dialogs, 0);
        QCOMPARE(w.LeftCell(1, 1), QStringLiteral("4"));
        // No: the open dialog follows.
        w.answer = [](const MessageBoxRequest&) { return ModalResult::No; };
        QTest::keyClick(w.gem, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.messages.size(), std::size_t{2});
        QCOMPARE(dialogs, 1);
        // Unmodified: no question.
        w.gem->Model().SetModified(false);
        QTest::keyClick(w.gem, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(w.messages.size(), std::size_t{2});
        QCOMPARE(dialogs, 2);
    }

    // GemForm/RWidth sizes the right grid's columns and GemVForm/LUpDown and
    // RUpDown the variant window's; closing writes them back.
    void ColumnWidthSettingsApply() {
        Windows w;
        Settings& settings = w.main.Session().Values();
        settings.SetInteger("GemForm", "RWidth", 150);
        settings.SetInteger("GemVForm", "LUpDown", 60);
        settings.SetInteger("GemVForm", "RUpDown", 90);
        w.Open(false);
        QCOMPARE(w.gem->RStringGrid()->horizontalHeader()->defaultSectionSize(), 150);
        // Without automatic alignment (which shares the grid's width out)
        // new columns of the right grid take the width.
        QAction* align = w.gem->Action("Rastr_AutomatickyZarovnavat");
        if (align->isChecked()) align->trigger();
        const int columns = w.Right()->columnCount();
        w.gem->RozmerSpinEdit()->setValue(w.gem->RozmerSpinEdit()->value() + 2);
        QVERIFY(w.Right()->columnCount() > columns);
        QCOMPARE(w.gem->RStringGrid()->columnWidth(w.Right()->columnCount() - 1), 150);
        w.gem->ToggleMode();
        w.TypeSample();
        QTest::keyClick(w.gem, Qt::Key_F9);
        w.gem->VariantClick();
        QPointer<TGemVForm> variants = w.gem->VariantForm();
        QVERIFY(variants);
        QCOMPARE(variants->LStringGrid()->columnWidth(0), 60);
        QCOMPARE(variants->RStringGrid()->columnWidth(0), 90);
        variants->findChild<QSpinBox*>(QStringLiteral("RColWidthsEdit"))->setValue(110);
        w.gem->RStringGrid()->setColumnWidth(0, 170);
        w.gem->Model().SetModified(false);
        QVERIFY(w.gem->close());
        QTRY_VERIFY(!w.gem);
        w.main.SaveWorkingState();
        QCOMPARE(ReadGemFormPlacement(settings).RWidth, 170);
        QCOMPARE(ReadGemVFormPlacement(settings).LUpDown, 60);
        QCOMPARE(ReadGemVFormPlacement(settings).RUpDown, 110);
    }

    void EmptyWorksheetDisablesRunAndStop() {
        Windows w;
        w.Open(true);
        QVERIFY(!w.Enabled("RunToolButton"));
        QVERIFY(!w.Enabled("StopToolButton"));
        QVERIFY(!w.Enabled("Vypocet_Spustit"));
        QVERIFY(w.Enabled("Soubor_Otevrit"));
        w.SetLeft(1, 1, "1");
        w.SetLeft(2, 2, "1");
        QVERIFY(!w.Enabled("RunToolButton"));  // no right-hand side yet
        w.SetLeft(1, 3, "5");
        QVERIFY(w.Enabled("RunToolButton"));
        QVERIFY(!w.Enabled("StopToolButton"));  // only while running
        QVERIFY(!w.Enabled("Reseni_KontrolaVysledku"));
    }

    void TypedSystemSolvesWithF9() {
        Windows w;
        w.Open(true);
        // One cell typed with keys: the editor opens on the key, Enter commits
        // and moves to the next column.
        w.gem->RozmerSpinEdit()->setValue(3);
        QTableView* view = w.gem->LStringGrid();
        w.gem->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.gem));
        view->setFocus();
        view->setCurrentIndex(w.Left()->index(0, 0));
        QTest::keyClicks(view, QStringLiteral("2"));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != view);
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(view->currentIndex().column(), 1);
        QCOMPARE(w.LeftCell(1, 1), QStringLiteral("2"));
        QVERIFY(w.gem->Model().Modified());
        w.TypeSample();

        QTest::keyClick(w.gem, Qt::Key_F9);
        QVERIFY2(w.messages.empty(), qPrintable(w.LastMessage()));
        QCOMPARE(Number(w.RightCell(1, 1)), 26.0 / 23);
        QCOMPARE(Number(w.RightCell(2, 1)), 51.0 / 23);
        QCOMPARE(Number(w.RightCell(3, 1)), 31.0 / 23);
        QVERIFY(w.gem->StatusText(2).startsWith(QStringLiteral("Doba výpočtu")));

        // The check column reproduces the right-hand sides, then goes back.
        QVERIFY(w.Enabled("Reseni_KontrolaVysledku"));
        w.gem->Action("Reseni_KontrolaVysledku")->trigger();
        QCOMPARE(w.Right()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Kontrola"));
        QCOMPARE(Number(w.RightCell(1, 1)), 1.0);
        QCOMPARE(Number(w.RightCell(2, 1)), 2.0);
        QCOMPARE(Number(w.RightCell(3, 1)), 3.0);
        w.gem->Action("Reseni_KontrolaVysledku")->trigger();
        QCOMPARE(Number(w.RightCell(1, 1)), 26.0 / 23);

        // The triangulated view shows other rows; switching it off restores the input.
        w.gem->Action("Reseni_TriangulovanaMatice")->trigger();
        QVERIFY(w.gem->Model().TriangleViewShown());
        w.gem->Action("Reseni_TriangulovanaMatice")->trigger();
        QCOMPARE(w.LeftCell(2, 3), QStringLiteral("-6"));
    }

    void EditorSampleBecomesTheMatrixAndSolves() {
        Windows w;
        w.Open(false);
        w.gem->ConvertEquationsClick();
        QCOMPARE(w.gem->Model().Mode(), WorksheetMode::Equations);
        QCOMPARE(w.gem->RozmerSpinEdit()->value(), 3);
        QCOMPARE(w.LeftCell(1, 2), QStringLiteral("-3"));
        QCOMPARE(w.LeftCell(2, 3), QStringLiteral("-6"));
        QCOMPARE(w.LeftCell(3, 4), QStringLiteral("3"));
        w.gem->SelectOperation(op::Solve);
        QCOMPARE(Number(w.RightCell(2, 1)), 51.0 / 23);
    }

    void StopDuringARunLeavesTheWindowUsable() {
        Windows w;
        w.Open(true);
        w.TypeSample();
        w.gem->Action("Vypocet_SledovatUpravyMatice")->trigger();
        QVERIFY(w.gem->Model().Options().WatchMode);
        // At the first pass's question: the run is on, stop is the one command
        // of the data's; then the user presses F2 and lets it go on.
        bool checked = false;
        w.answer = [&, this](const MessageBoxRequest&) {
            if (!checked) {
                checked = true;
                Expect(w.Enabled("StopToolButton"), "stop enabled");
                Expect(!w.Enabled("RunToolButton"), "run disabled");
                Expect(!w.Enabled("Soubor_Otevrit"), "open disabled");
                Expect(!w.gem->RozmerSpinEdit()->isEnabled(), "order disabled");
                QTest::keyClick(w.gem, Qt::Key_F2);
            }
            return ModalResult::Yes;
        };
        w.gem->RunClick();
        QVERIFY(checked);
        QVERIFY(failures_.empty());
        QCOMPARE(w.gem->StatusText(2), QStringLiteral("Výpočet byl přerušen !"));
        QVERIFY(w.RightCell(1, 1).isEmpty());
        QVERIFY(!w.gem->Model().HasSolution());
        QVERIFY(w.gem->RozmerSpinEdit()->isEnabled());
        // The watched cells do not stay in the input.
        QCOMPARE(w.LeftCell(2, 2), QStringLiteral("2"));

        w.gem->Action("Vypocet_SledovatUpravyMatice")->trigger();
        w.answer = [](const MessageBoxRequest&) { return ModalResult::Cancel; };
        w.gem->RunClick();
        QCOMPARE(Number(w.RightCell(3, 1)), 31.0 / 23);
    }

    // F9 on a 400 × 400 system finishes with the time in the status bar; F2
    // pressed while it runs stops it at the next poll.
    void LargeSystemRunsAndStops() {
        Windows w;
        w.Open(true);
        w.gem->RozmerSpinEdit()->setValue(400);
        TextGrid& left = w.gem->Model().LeftGrid();
        unsigned seed = 12345;
        for (int i = 1; i <= 400; ++i) {
            for (int j = 1; j <= 400; ++j) {
                seed = seed * 1103515245u + 12345u;
                left.SetCell(i, j, std::to_string(i == j ? 500 : static_cast<int>(seed >> 16) % 19 - 9));
            }
            left.SetCell(i, 401, std::to_string(i));
        }
        w.gem->RefreshFromModel();
        QTest::keyClick(w.gem, Qt::Key_F9);
        QVERIFY2(w.messages.empty(), qPrintable(w.LastMessage()));
        QVERIFY(w.gem->StatusText(2).startsWith(QStringLiteral("Doba výpočtu")));
        QVERIFY(!w.RightCell(400, 1).isEmpty());

        QTimer::singleShot(0, w.gem, [&w] { QTest::keyClick(w.gem, Qt::Key_F2); });
        QTest::keyClick(w.gem, Qt::Key_F9);
        QCOMPARE(w.gem->StatusText(2), QStringLiteral("Výpočet byl přerušen !"));
        QVERIFY(w.RightCell(1, 1).isEmpty());
        QVERIFY(w.Enabled("RunToolButton"));
        QVERIFY(!w.Enabled("StopToolButton"));
    }

    void SavesAndReopensATextFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("soustava.txt"));
        Windows w;
        w.Open(true);
        w.TypeSample();
        w.SetLeft(1, 4, QStringLiteral("max(1;2)"));
        w.gem->Memo()->setPlainText(QStringLiteral("'poznámka\n  a + b = 1"));
        QVERIFY(w.gem->SaveFile(file));
        QVERIFY(!w.gem->Model().Modified());
        QVERIFY(w.gem->windowTitle().endsWith(QStringLiteral("soustava.txt")));

        w.gem->SouborNovy();
        QVERIFY(w.LeftCell(1, 1).isEmpty());
        QVERIFY(w.gem->Memo()->toPlainText().isEmpty());
        QVERIFY(w.gem->OpenFile(file));
        QCOMPARE(w.LeftCell(1, 4), QStringLiteral("max(1;2)"));
        QCOMPARE(w.LeftCell(3, 2), QStringLiteral("-2"));
        QCOMPARE(w.gem->Memo()->toPlainText(), QStringLiteral("'poznámka\n  a + b = 1"));
        QCOMPARE(w.gem->RozmerSpinEdit()->value(), 3);

        // A rectangular grid is no binary file: refused with a message, nothing written.
        w.gem->Model().SetMode(WorksheetMode::Operations);
        w.gem->Model().LeftGrid().Resize(2, 3);
        const QString binary = dir.filePath(QStringLiteral("a.re8"));
        QVERIFY(!w.gem->SaveFile(binary));
        QVERIFY(!QFile::exists(binary));
        QVERIFY(w.LastMessage().contains(QStringLiteral("2x3")));
        // A missing file names itself; the worksheet keeps its grid.
        QVERIFY(!w.gem->OpenFile(dir.filePath(QStringLiteral("nic.txt"))));
        QVERIFY(w.LastMessage().contains(QStringLiteral("nic.txt")));
        QCOMPARE(w.Left()->columnCount(), 3);
    }

    void ClosingAsksToSaveChangedData() {
        Windows w;
        w.Open(true);
        w.SetLeft(1, 1, "4");
        w.answer = [](const MessageBoxRequest&) { return ModalResult::Cancel; };
        QVERIFY(!w.gem->close());
        QVERIFY(w.gem);
        QVERIFY(w.LastMessage().contains(QStringLiteral("uložit")));
        w.answer = [](const MessageBoxRequest&) { return ModalResult::No; };
        QVERIFY(w.gem->close());
        QTRY_VERIFY(!w.gem);
        QVERIFY(!w.main.GemForm());
    }

    void ClosingDuringARunStopsFirst() {
        Windows w;
        w.Open(true);
        w.TypeSample();
        w.gem->Model().SetModified(false);
        w.gem->Action("Vypocet_SledovatUpravyMatice")->trigger();
        int questions = 0;
        w.answer = [&](const MessageBoxRequest& request) {
            ++questions;
            if (QString::fromStdString(request.Text).contains(QStringLiteral("iterací")))
                QMetaObject::invokeMethod(w.gem, [&w] { w.gem->close(); }, Qt::DirectConnection);
            return ModalResult::Yes;  // go on; yes, stop the run
        };
        w.gem->RunClick();
        QVERIFY(questions >= 2);
        QTRY_VERIFY(!w.gem);
    }

    void CellReadsTheOpenWorksheet() {
        Windows w;
        w.Open(true);
        w.SetLeft(1, 2, QStringLiteral("-3"));
        w.main.CalculateText(QStringLiteral("CELL(1;2)*2"));
        QCOMPARE(QString::fromStdString(w.main.Model().DisplayText()).trimmed(), QStringLiteral("-6"));
        w.gem->Model().SetModified(false);
        QVERIFY(w.gem->close());
        QTRY_VERIFY(!w.gem);
        w.messages.clear();
        w.main.CalculateText(QStringLiteral("CELL(1;2)"));
        QVERIFY(w.LastMessage().contains(QStringLiteral("Prosím otevřete formulář pro maticový počet")));
    }

    void MemoryDialogAddsAndRemovesEntries() {
        Windows w;
        w.Open(false);
        std::unique_ptr<TMemForm> dialog(w.gem->CreateMemoryDialog());
        QCOMPARE(dialog->RozmerEdit()->text(), QString::fromStdString(MatrixMemory::TypeText(2, 2)));
        QCOMPARE(dialog->CisloEdit()->text(), QStringLiteral("01"));
        QVERIFY(!dialog->PridatButton()->isEnabled());
        dialog->PoznamkaEdit()->setText(QStringLiteral("první"));
        QVERIFY(dialog->PridatButton()->isEnabled());
        dialog->AddClick();
        dialog->PoznamkaEdit()->setText(QStringLiteral("druhá"));
        dialog->AddClick();
        QCOMPARE(dialog->TabList()->count(), 2);
        QVERIFY(dialog->TabList()->item(1)->text().contains(QStringLiteral("druhá")));
        QCOMPARE(dialog->SelectedIndex(), 1);
        dialog->TabList()->setCurrentRow(0);
        dialog->RemoveClick();
        QCOMPARE(dialog->TabList()->count(), 1);
        QVERIFY(dialog->TabList()->item(0)->text().contains(QStringLiteral("druhá")));
        dialog->RemoveAllClick();
        QCOMPARE(dialog->TabList()->count(), 0);
        QVERIFY(!dialog->OdstranitButton()->isEnabled());
    }

    void VariantWindowSolvesEachColumn() {
        Windows w;
        w.Open(true);
        w.TypeSample();
        w.gem->RunClick();
        w.gem->VariantClick();
        TGemVForm* variants = w.gem->VariantForm();
        QVERIFY(variants);
        QAbstractItemModel* v = variants->LStringGrid()->model();
        QCOMPARE(v->columnCount(), 3);
        QCOMPARE(v->index(2, 0).data().toString(), QStringLiteral("3"));  // V1 = the right-hand side
        const char* second[3] = {"3", "2", "1"};
        for (int i = 0; i < 3; ++i) {
            v->setData(v->index(i, 1), QString::fromLatin1(second[i]), Qt::EditRole);
            v->setData(v->index(i, 2), QStringLiteral("0"), Qt::EditRole);
        }
        variants->RunClick();
        QAbstractItemModel* r = variants->RStringGrid()->model();
        QCOMPARE(r->headerData(1, Qt::Horizontal).toString(), QStringLiteral("R2"));
        QCOMPARE(Number(r->index(0, 0).data().toString()), 26.0 / 23);
        QCOMPARE(Number(r->index(0, 1).data().toString()), -6.0 / 23);
        QCOMPARE(Number(r->index(1, 1).data().toString()), -79.0 / 23);
        QCOMPARE(Number(r->index(2, 2).data().toString()), 0.0);
        variants->ColCountEdit()->setValue(5);
        QCOMPARE(v->columnCount(), 5);
        // Closing the worksheet closes the variant window.
        QPointer<TGemVForm> guard(variants);
        w.gem->Model().SetModified(false);
        w.gem->close();
        QTRY_VERIFY(!guard);
    }

    // The worksheet and its variant window come back where they were left:
    // moved, resized and with the grid panes changed, closed and opened again.
    void PlacementSurvivesClosingAndReopening() {
        Windows w;
        w.Open(true);
        w.gem->VariantClick();
        QPointer<TGemVForm> variants = w.gem->VariantForm();
        QVERIFY(variants);
        variants->move(90, 70);
        variants->resize(520, 330);
        w.gem->move(40, 30);
        w.gem->resize(700, 480);
        // The splitter between the left and the right grid.
        auto gridPanes = [&w] { return qobject_cast<QSplitter*>(w.gem->LStringGrid()->parentWidget()); };
        QSplitter* panes = gridPanes();
        QVERIFY(panes);
        const int total = panes->sizes().value(0) + panes->sizes().value(1);
        panes->setSizes({total / 4, total - total / 4});
        const int leftPane = panes->sizes().value(0);
        const QRect gemGeometry = w.gem->geometry();
        const QRect variantGeometry = variants->geometry();
        w.gem->Model().SetModified(false);
        QVERIFY(w.gem->close());
        QTRY_VERIFY(!w.gem);
        QTRY_VERIFY(!variants);

        w.Open(true);
        QCOMPARE(w.gem->geometry(), gemGeometry);
        panes = gridPanes();
        QVERIFY(panes);
        QCOMPARE(panes->sizes().value(0), leftPane);
        w.gem->VariantClick();
        variants = w.gem->VariantForm();
        QVERIFY(variants);
        QCOMPARE(variants->geometry(), variantGeometry);

        // The placement reaches the settings that the main window saves.
        w.main.SaveWorkingState();
        const GemFormPlacement saved = ReadGemFormPlacement(w.main.Session().Values());
        QCOMPARE(saved.Width, gemGeometry.width());
        QCOMPARE(saved.Height, gemGeometry.height());
        QCOMPARE(saved.WindowState, kWindowNormal);
        QCOMPARE(ReadGemVFormPlacement(w.main.Session().Values()).Width, variantGeometry.width());
        w.gem->Model().SetModified(false);
        w.gem->close();
    }

    // A saved worksheet file is in the recent list of the next run.
    void RecentFilesSurviveTheSettingsFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("posledni.txt"));
        {
            Windows w;
            w.Open(true);
            w.TypeSample();
            QVERIFY(w.gem->SaveFile(file));
            w.main.SaveWorkingState();
        }
        Windows next;
        next.main.LoadSession(QString());
        const std::vector<std::string> recent = ReadRecentWorksheets(next.main.Session().Values());
        QVERIFY(!recent.empty());
        QCOMPARE(QString::fromStdString(recent.front()), file);
        next.Open(true);
        QVERIFY(next.gem->OpenFile(QString::fromStdString(recent.front())));
        QCOMPARE(next.LeftCell(3, 2), QStringLiteral("-2"));
    }

private:
    // Checks inside a message hook (QVERIFY cannot return from there).
    void Expect(bool ok, const char* what) {
        if (!ok) failures_.push_back(what);
    }
    std::vector<const char*> failures_;
};

QTEST_MAIN(GemFormTest)
#include "gem_form_test.moc"
