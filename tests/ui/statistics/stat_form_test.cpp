// The statistics window driven from the main window: the "stat" and "reg"
// buttons, typing rows into the grid, "&Aktualizovat" showing all twelve
// results, "&Data" appending the display, the regression model's function,
// and an export followed by an import of the same file. Message boxes and
// file dialogs are answered by hooks.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <optional>
#include <vector>

#include "series/series_controller.h"
#include "ui/widgets/drag_payload.h"
#include "ui/main/main_form.h"
#include "ui/widgets/qt_file_choice.h"
#include "ui/main/register_label.h"
#include "ui/statistics/stat_form.h"

using namespace tarvix;

namespace {

struct Window {
    TMainForm form;
    std::vector<MessageBoxRequest> messages;
    ModalResult answer = ModalResult::No;
    std::optional<std::filesystem::path> file;

    Window() {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return answer;
        });
        form.Files().SetHook([this](const FileDialogRequest&, bool) { return file; });
        form.show();
    }
    QToolButton* Button(const char* name) const {
        return form.findChild<QToolButton*>(QString::fromLatin1(name));
    }
    TStatForm* Stat() const { return form.StatForm(); }
    QPushButton* StatButton(const char* name) const {
        return Stat()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
};

// Types a text into the current cell of the grid and commits it with Enter.
void TypeCell(QTableView* grid, int row, int column, const QString& text) {
    grid->setCurrentIndex(grid->model()->index(row, column));
    grid->setFocus();
    QTest::keyClicks(grid, text);
    auto* editor = grid->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
}

}  // namespace

class StatFormTest : public QObject {
    Q_OBJECT

private slots:
    void StatButtonOpensAndClosesTheWindow() {
        Window w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        QVERIFY(w.Stat() != nullptr);
        QCOMPARE(w.Stat()->windowTitle(), QStringLiteral("Statistická analýza"));
        QVERIFY(w.form.Action("AnalyzaStatistickaItem")->isChecked());
        QVERIFY(!w.Stat()->Model().RegressionMode());
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        QTRY_VERIFY(w.Stat() == nullptr);
        QVERIFY(!w.form.Action("AnalyzaStatistickaItem")->isChecked());
    }

    // The window comes back where it was, with its size and grid panel width.
    void PlacementSurvivesClosingAndReopening() {
        Window w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        QTRY_VERIFY(w.Stat() && w.Stat()->isVisible());
        w.Stat()->move(140, 90);
        const QSize size = w.Stat()->minimumSizeHint().expandedTo(QSize(560, 420)) + QSize(20, 10);
        w.Stat()->resize(size);
        w.Stat()->SetGridPanelWidth(230);
        QCOMPARE(w.Stat()->GridPanelWidth(), 230);
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        QTRY_VERIFY(w.Stat() == nullptr);
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        QTRY_VERIFY(w.Stat() && w.Stat()->isVisible());
        QCOMPARE(w.Stat()->pos(), QPoint(140, 90));
        QCOMPARE(w.Stat()->size(), size);
        QCOMPARE(w.Stat()->GridPanelWidth(), 230);
    }

    void TypedRowsGiveAllTwelveResults() {
        Window w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        stat->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(stat));
        QTableView* grid = stat->DataStringGrid();
        const QStringList values = {"1", "2", "3", "4"};
        for (int i = 0; i < values.size(); ++i) {
            TypeCell(grid, i, 1, values[i]);
            grid->setCurrentIndex(grid->model()->index(i, 1));
            grid->setFocus();
            if (i + 1 < values.size()) QTest::keyClick(grid, Qt::Key_Down);
        }
        QCOMPARE(grid->model()->rowCount(), 4);
        QPushButton* update = w.StatButton("AktualizovatButton");
        QVERIFY(update->isEnabled());
        QTest::mouseClick(update, Qt::LeftButton);
        const QStringList expected = {"4",    "1",    "4",  "2.5", "2.21336383940064",
                                      "2.73861278752583", "1.92", "10", "30", "1.25",
                                      "1.11803398874989", "0.447213595499958"};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(stat->ResultLabel(false, i)->text(), expected[i]);
        QVERIFY(w.messages.empty());
    }

    // Down in an open cell editor commits the cell and moves on, appending a
    // row at the end; Up goes back, dropping an empty last row.
    void ArrowsInTheCellEditorCommitAndMove() {
        Window w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        stat->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(stat));
        QTableView* grid = stat->DataStringGrid();
        grid->setCurrentIndex(grid->model()->index(0, 1));
        grid->setFocus();
        for (const char* value : {"1", "2", "3", "4"}) {
            QWidget* editor = QApplication::focusWidget();
            QVERIFY(editor);
            QTest::keyClicks(editor, QString::fromLatin1(value));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        }
        const StatTable& table = stat->Model().Table();
        QCOMPARE(table.RowCount(), 5);  // the fifth row is the new empty one
        for (int row = 0; row < 4; ++row)
            QCOMPARE(QString::fromStdString(table.Cell(1, row)), QString::number(row + 1));
        QCOMPARE(grid->currentIndex().row(), 4);
        // Up from the empty last row removes it; Up in an editor moves up.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(table.RowCount(), 4);
        QCOMPARE(grid->currentIndex().row(), 3);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("4"));
        editor->setText(QStringLiteral("40"));
        QTest::keyClick(editor, Qt::Key_Up);
        QCOMPARE(QString::fromStdString(table.Cell(1, 3)), QStringLiteral("40"));
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(table.RowCount(), 4);
    }

    // A faulty cell clears the shown results before its message appears.
    void AFaultyCellClearsTheResultsFirst() {
        Window w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        stat->Model().Table().SetRows({{"1", ""}, {"2", ""}, {"3", ""}});
        stat->RefreshTable();
        QTest::mouseClick(w.StatButton("AktualizovatButton"), Qt::LeftButton);
        QCOMPARE(stat->ResultLabel(false, 0)->text(), QStringLiteral("3"));
        stat->Model().Table().SetCell(1, 1, "2*");
        stat->RefreshTable();
        QStringList shownWithTheMessage;
        w.form.Dialogs().SetMessageHook([&](const MessageBoxRequest& request) {
            w.messages.push_back(request);
            for (int row = 0; row < 12; ++row)
                shownWithTheMessage << stat->ResultLabel(false, row)->text();
            return ModalResult::Cancel;
        });
        QTest::mouseClick(w.StatButton("AktualizovatButton"), Qt::LeftButton);
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(w.messages[0].Text),
                 QStringLiteral("Chybějící data nebo chybný formát dat"));
        QCOMPARE(shownWithTheMessage.size(), 12);
        for (const QString& text : shownWithTheMessage) QCOMPARE(text, QString());
        QCOMPARE(stat->ResultLabel(false, 0)->text(), QString());
        QCOMPARE(stat->DataStringGrid()->currentIndex().row(), 1);
        QVERIFY(!w.StatButton("UlozitButton")->isEnabled());
    }

    // "&Zadávat řadu..." from the regression view with editing off: the
    // statistics mode, editing on and the grid ready for typing.
    void EnterSeriesCommandOpensTheGridForTyping() {
        Window w;
        QTest::mouseClick(w.Button("RegSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        stat->EditovatClick();
        QVERIFY(!stat->Model().Table().EditMode());
        QAction* enter = w.form.Action("SouborZadavatRaduItem");
        QVERIFY(enter);
        QCOMPARE(enter->text(), QStringLiteral("&Zadávat řadu..."));
        enter->trigger();
        QCOMPARE(w.Stat(), stat);
        QVERIFY(stat->isVisible());
        QVERIFY(!stat->Model().RegressionMode());
        QVERIFY(stat->Model().Table().EditMode());
        QVERIFY(w.Button("StatSpeedButton")->isChecked());
        QVERIFY(!w.Button("RegSpeedButton")->isChecked());
        QVERIFY(w.form.Action("AnalyzaStatistickaItem")->isChecked());
        QVERIFY(!w.form.Action("AnalyzaRegresniItem")->isChecked());
        QTRY_VERIFY(stat->DataStringGrid()->hasFocus() ||
                    stat->DataStringGrid()->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(stat->DataStringGrid()->currentIndex().column(), 1);
        // Typed values go straight into the grid.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QString::fromStdString(stat->Model().Table().Cell(1, 0)), QStringLiteral("7"));
        // From a closed window it opens one.
        stat->close();
        QTRY_VERIFY(w.Stat() == nullptr);
        enter->trigger();
        QVERIFY(w.Stat() && w.Stat()->isVisible());
        QVERIFY(w.Stat()->Model().Table().EditMode());
    }

    void DataButtonAppendsTheDisplay() {
        Window w;
        w.form.CalculateText(QStringLiteral("2+3"));
        QTest::mouseClick(w.Button("DataSpeedButton"), Qt::LeftButton);
        QVERIFY(w.Stat() != nullptr);
        w.form.CalculateText(QStringLiteral("7"));
        QTest::mouseClick(w.Button("DataSpeedButton"), Qt::LeftButton);
        const StatTable& table = w.Stat()->Model().Table();
        QCOMPARE(table.RowCount(), 2);
        QCOMPARE(QString::fromStdString(table.Cell(1, 0)), QStringLiteral("5"));
        QCOMPARE(QString::fromStdString(table.Cell(1, 1)), QStringLiteral("7"));
        QVERIFY(w.Button("DataSpeedButton")->styleSheet().contains("0,0,255"));
    }

    void RegButtonFitsThePowerModel() {
        Window w;
        QTest::mouseClick(w.Button("RegSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        QVERIFY(stat->Model().RegressionMode());
        QCOMPARE(stat->windowTitle(), QStringLiteral("Regresní analýza"));
        QVERIFY(!stat->XyCheckBox()->isVisible());
        stat->Model().Table().SetRows({{"1", "1"}, {"2", "4"}, {"3", "9"}});
        stat->RefreshTable();
        stat->RegKindComboBox()->setCurrentIndex(3);
        emit stat->RegKindComboBox()->activated(3);
        QCOMPARE(stat->RegresniRovniceEdit()->text(), QStringLiteral("y = 1*x^(2)"));
        QVERIFY(stat->RegresniRovniceEdit()->isReadOnly());
    }

    // The regression view shows its grid panel with both columns whole, the
    // headers in full and the number column as wide as its numbers.
    void RegressionViewShowsTheWholeGrid() {
        Window w;
        QTest::mouseClick(w.Button("RegSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        QVERIFY(QTest::qWaitForWindowExposed(stat));
        stat->Model().Table().SetRows({{"1", "2.1"}, {"2", "3.9"}, {"3", "6.2"}});
        stat->RefreshTable();
        QTest::mouseClick(w.StatButton("AktualizovatButton"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QTableView* grid = stat->DataStringGrid();
        QCOMPARE(grid->columnWidth(0), grid->fontMetrics().horizontalAdvance(QLatin1Char('0')) + 18);
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        const QFontMetrics header = grid->horizontalHeader()->fontMetrics();
        for (int column : {1, 2}) {
            const QString caption = grid->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(grid->columnWidth(column) > header.horizontalAdvance(caption),
                     qPrintable(caption));
            QVERIFY(grid->columnViewportPosition(column) + grid->columnWidth(column) <=
                    grid->viewport()->width());
        }
        // A thousand rows widen the number column to four digits.
        std::vector<StatRow> rows(1000, StatRow{"1", "2"});
        stat->Model().Table().SetRows(rows);
        stat->RefreshTable();
        QCOMPARE(grid->columnWidth(0), 4 * grid->fontMetrics().horizontalAdvance(QLatin1Char('0')) + 7);
    }

    // The widths of the label column and the x panel come from the settings
    // and go back to them.
    void PanelWidthsFollowTheSettings() {
        Window w;
        Settings& settings = w.form.Session().Values();
        settings.SetInteger("StatForm", "Sections1Width", 260);
        settings.SetInteger("StatForm", "xPanelWidth", 170);
        QTest::mouseClick(w.Button("RegSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        QVERIFY(QTest::qWaitForWindowExposed(stat));
        QCoreApplication::processEvents();
        auto* label = stat->findChild<QLabel*>(QStringLiteral("ResultLabel0"));
        QVERIFY(label);
        QVERIFY(label->width() >= 260);
        QVERIFY(stat->ResultLabel(true, 0)->width() >= 170);
        QTest::mouseClick(w.Button("RegSpeedButton"), Qt::LeftButton);
        QTRY_VERIFY(w.Stat() == nullptr);
        QCOMPARE(settings.Int("StatForm", "Sections1Width"), 260);
        QCOMPARE(settings.Int("StatForm", "xPanelWidth"), 170);
    }

    void ExportThenImportRoundTrip() {
        QTemporaryDir dir;
        Window w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        TStatForm* stat = w.Stat();
        stat->Model().SetXy(true);
        stat->Model().Table().SetRows({{"1,5", "2"}, {"3", "4"}});
        stat->RefreshTable();
        w.file = std::filesystem::path(dir.path().toStdString()) / "data.txt";
        stat->ExportSouborClick();
        QVERIFY(!stat->Model().Table().DataModified());
        stat->VyjmoutVseClick();
        QCOMPARE(stat->DataStringGrid()->model()->rowCount(), 1);
        stat->ImportSouborClick();
        QCOMPARE(stat->DataStringGrid()->model()->rowCount(), 2);
        QCOMPARE(stat->DataStringGrid()->model()->index(0, 1).data().toString(),
                 QStringLiteral("1,5"));
        QCOMPARE(stat->windowTitle(), QStringLiteral("Statistická analýza - data.txt"));
        QCOMPARE(stat->ResultLabel(true, 7)->text(), QStringLiteral("4.5"));
    }

    void ClosingWithYesAndCancelledSaveKeepsTheWindow() {
        Window w;
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        w.Stat()->PridatButtonClick(false);
        w.Stat()->Model().Table().SetCell(1, 0, "8");
        w.answer = ModalResult::Yes;  // export, but the save dialog is cancelled
        w.file.reset();
        QVERIFY(!w.Stat()->close());
        QVERIFY(w.Stat() != nullptr);
        QCOMPARE(QString::fromStdString(w.Stat()->Model().Table().Cell(1, 0)),
                 QStringLiteral("8"));
    }

    void VectorTransfersIntoAndOutOfTheGrid() {
        Window w;
        SeriesController& series = w.form.Series();
        series.SetVarAsVector(true);
        series.Vectors().TransferName = "A";
        series.Vectors().TransferVector = {{2, 0}, {4, 0}, {9, 0}};
        QVERIFY(series.Vectors().StoreTransfer(true));
        w.form.RunDataPump(4, 2, "A");  // vector A into column x
        QVERIFY(w.Stat() != nullptr);
        const StatTable& table = w.Stat()->Model().Table();
        QCOMPARE(table.RowCount(), 3);
        QCOMPARE(QString::fromStdString(table.Cell(1, 2)), QStringLiteral("9"));
        // The commands follow the table filled by code, without a key or a click.
        QVERIFY(w.Stat()->Action("ExportGrafItem")->isEnabled());
        QVERIFY(w.StatButton("ExportButton")->isEnabled());
        w.form.RunDataPump(2, 4, "B");  // column x into vector B
        QCOMPARE(series.Vectors().FindVector("B").size(), std::size_t{3});
        QCOMPARE(static_cast<double>(series.Vectors().FindVector("B")[1].Re), 4.0);
    }

    // Register labels and the display dropped on the grid.
    void DropsOnTheGrid() {
        Window w;
        SeriesController& series = w.form.Series();
        series.SetVarAsVector(true);
        series.Vectors().TransferName = "A";
        series.Vectors().TransferVector = {{2, 0}, {4, 0}, {9, 0}};
        QVERIFY(series.Vectors().StoreTransfer(true));
        QTest::mouseClick(w.Button("StatSpeedButton"), Qt::LeftButton);
        QTRY_VERIFY(w.Stat() && w.Stat()->isVisible());
        QTableView* grid = w.Stat()->DataStringGrid();
        auto drop = [grid](const DragPayload& payload, int row, int column) {
            std::unique_ptr<QMimeData> mime(MakeDragMime(payload));
            const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
            QDropEvent event(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
            // A drop goes to the widget that accepted the drag's entry.
            QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(grid->viewport(), &enter);
            if (!enter.isAccepted()) return false;
            QCoreApplication::sendEvent(grid->viewport(), &event);
            return event.isAccepted();
        };
        const StatTable& table = w.Stat()->Model().Table();
        // The label of a register whose variable holds a vector.
        QVERIFY(drop({DragSource::RegisterLabel, BoxId::A, QStringLiteral("A")}, 0, 1));
        QCOMPARE(table.RowCount(), 3);
        QCOMPARE(QString::fromStdString(table.Cell(1, 2)), QStringLiteral("9"));
        // A variable without a vector changes nothing.
        QVERIFY(!drop({DragSource::RegisterLabel, BoxId::B, QStringLiteral("B")}, 0, 1));
        QCOMPARE(table.RowCount(), 3);
        // The display's text becomes the text of the cell it lands on.
        QVERIFY(drop({DragSource::Display, BoxId::Input, QStringLiteral(" 12.5 ")}, 1, 1));
        QCOMPARE(QString::fromStdString(table.Cell(1, 1)), QStringLiteral("12.5"));
        QVERIFY(table.DataModified());
        // The grid dropped on the label of register C fills C's vector with
        // column x.
        TRegisterLabel* label = w.form.RegisterLabel(BoxId::C);
        std::unique_ptr<QMimeData> mime(MakeDragMime({DragSource::StatGrid, BoxId::Input, {}}));
        const QPoint at = label->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(label, &dropped);
        const ParserFloatArray& c = series.Vectors().FindVector(w.form.Model().RegisterAt(BoxId::C).Label);
        QCOMPARE(c.size(), std::size_t{3});
        QCOMPARE(static_cast<double>(c[1].Re), 12.5);
        // The grid is no target for its own drag.
        QVERIFY(!drop({DragSource::StatGrid, BoxId::Input, {}}, 0, 1));
    }

    void FourierOfTheCurrentSeriesReplacesItOnlyOnSuccess() {
        Window w;
        SeriesController& series = w.form.Series();
        series.SetVarAsVector(true);
        CurrentSeries odd = CurrentSeries::Empty();
        odd.X = {0, 1, 2};
        odd.Y = {1, 2, 3};
        odd.ValidPoints = 3;
        series.Series() = odd;
        w.form.AnalyzaFourierovaItemClick();
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(w.messages[0].Text),
                 QStringLiteral("Počet vzorků musí být sudé číslo 4 až 2048"));
        QCOMPARE(series.Series().Y.size(), std::size_t{3});  // left as it was
        CurrentSeries square = CurrentSeries::Empty();
        square.Y = {1, 1, 1, 1, -1, -1, -1, -1};
        square.X = {0, 1, 2, 3, 4, 5, 6, 7};
        square.ValidPoints = 8;
        series.Series() = square;
        w.form.AnalyzaFourierovaItemClick();
        QCOMPARE(series.Series().Y.size(), std::size_t{4});
        QVERIFY(std::abs(static_cast<double>(series.Series().Y[2]) - 41.4213562373095) < 1e-9);
    }
};

QTEST_MAIN(StatFormTest)
#include "stat_form_test.moc"
