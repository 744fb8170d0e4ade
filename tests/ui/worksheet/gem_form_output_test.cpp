// The worksheet window's outputs beside a real main window: the row chart of
// the cursor row handed to the detailed chart (series, title, bars), the
// quantity items mirrored in the main window's chart items, a number format
// command reformatting the active grid, the result file written through the
// save dialog without renaming the worksheet, the clipboard copy and the
// enabled states of the output commands.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "gem_form_windows.h"
#include "series/chart_model.h"
#include "ui/chart/chart_link.h"
#include "ui/worksheet/gem_form.h"
#include "ui/chart/gr_form.h"
#include "ui/main/main_form.h"
#include "ui/widgets/qt_file_choice.h"

using namespace tarvix;

namespace {

struct Windows : test::GemWindows {
    std::optional<std::filesystem::path> saveAnswer;
    std::vector<FileDialogRequest> fileRequests;

    Windows() : GemWindows(ModalResult::Yes) {
        main.Files().SetHook([this](const FileDialogRequest& request, bool) {
            fileRequests.push_back(request);
            return saveAnswer;
        });
    }

    // The operations mode with a 3×3 matrix 1…9 in the left grid.
    void OpenWithMatrix() {
        Open(false);
        gem->RozmerSpinEdit()->setValue(3);
        QAbstractItemModel* left = gem->LStringGrid()->model();
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                QVERIFY(left->setData(left->index(i, j), QString::number(3 * i + j + 1), Qt::EditRole));
    }
    void SelectLeftCell(int row, int column) {
        QTableView* view = gem->LStringGrid();
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row - 1, column - 1));
    }
    QAction* Act(const char* name) const { return gem->Action(name); }
    QString Messages() const {
        QString all;
        for (const auto& m : messages) all += QString::fromStdString(m.Text) + "\n";
        return all;
    }
};

std::string ReadFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

class GemFormOutputTest : public QObject {
    Q_OBJECT

private slots:
    // The whole way from the window: a random complex 10×10 matrix made
    // Hermitian, its largest modulus found, written as a result file and as
    // a spreadsheet file, and its diagonal drawn in the detailed chart.
    void ComplexHermitianPipeline() {
        Windows w;
        w.main.Model().SetNumericalScope(nsComplex);
        w.main.OperaceSMaticemiItemClick();
        w.gem = w.main.GemForm();
        QVERIFY(w.gem);
        w.gem->RozmerSpinEdit()->setValue(10);
        w.SelectLeftCell(1, 1);
        w.Act("Data_GenerovatKomplexniCisla")->trigger();
        w.Act("Data_Generovat")->trigger();
        w.Act("Konverze_HermitovskySymetricka")->trigger();
        Worksheet& sheet = w.gem->Model();
        const TextGrid& left = sheet.LeftGrid();
        QCOMPARE(left.Rows(), 10);
        long double largest = -1.0L;
        int bestRow = 0, bestColumn = 0;
        bool someImaginary = false;
        for (int i = 1; i <= 10; ++i)
            for (int j = 1; j <= 10; ++j) {
                const ComplexValue a = sheet.EvaluateCell(left.Cell(i, j));
                const ComplexValue b = sheet.EvaluateCell(left.Cell(j, i));
                QCOMPARE(static_cast<double>(a.Re), static_cast<double>(b.Re));
                QCOMPARE(static_cast<double>(a.Im), static_cast<double>(-b.Im));
                someImaginary = someImaginary || a.Im != 0.0L;
                const long double modulus = std::hypot(a.Re, a.Im);
                if (modulus > largest) largest = modulus, bestRow = i, bestColumn = j;
            }
        QVERIFY(someImaginary);
        // The overall maximum of the modulus: the cursor on its first cell.
        w.Act("Hledat_MaximumCelkove")->trigger();
        const QModelIndex found = w.gem->LStringGrid()->currentIndex();
        QCOMPARE(found.row() + 1, bestRow);
        QCOMPARE(found.column() + 1, bestColumn);
        QCOMPARE(static_cast<double>(w.main.Model().Ans().Re), static_cast<double>(largest));
        // Evaluated into the right grid, then written out.
        w.gem->SelectOperation(op::Evaluate);
        QTemporaryDir dir;
        w.saveAnswer = std::filesystem::path(dir.filePath(QStringLiteral("hermitian.txt")).toStdString());
        w.Act("Reseni_UlozitDoSouboru")->trigger();
        const std::string text = ReadFile(dir.filePath(QStringLiteral("hermitian.txt")));
        QVERIFY(text.rfind("10\n", 0) == 0 || text.rfind("10\r\n", 0) == 0);
        QCOMPARE(std::count(text.begin(), text.end(), '\n'), 11);
        QString opened;
        w.gem->SetDocumentOpener([&opened](const QString& path) {
            opened = path;
            return true;
        });
        w.Act("Reseni_ExportDoMsExcel")->trigger();
        QVERIFY(opened.endsWith(QStringLiteral(".fods")));
        const std::string sheetText = ReadFile(opened);
        QVERIFY(sheetText.find("office:document") != std::string::npos);
        QVERIFY(sheetText.find(left.Cell(1, 2)) != std::string::npos);
        QFile::remove(opened);
        // The main diagonal in the detailed chart: ten real points.
        w.Act("Graf_DataHlavniDiagonaly")->trigger();
        TGrForm* chart = w.main.Charts().Form();
        QVERIFY(chart);
        QCOMPARE(chart->Model().Count(), std::size_t{1});
        QCOMPARE(chart->Model().Series()[0].Y.size(), std::size_t{10});
        QVERIFY2(w.messages.empty(), qPrintable(w.Messages()));
    }

    void RowChartGoesToTheDetailedChart() {
        Windows w;
        w.OpenWithMatrix();
        w.SelectLeftCell(2, 1);
        QCOMPARE(w.gem->Model().Cursor(false).first, 2);
        QVERIFY(w.Act("Graf_RadkovaData")->isEnabled());
        w.Act("Graf_RadkovaData")->trigger();
        QVERIFY2(w.messages.empty(), qPrintable(w.Messages()));

        const CurrentSeries& s = w.main.Series().Series();
        QCOMPARE(s.Y, (TArrayOfExtended{4, 5, 6}));
        QCOMPARE(s.Start.Re, 1.0L);
        TGrForm* form = w.main.Charts().Form();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QCOMPARE(form->Model().Count(), std::size_t{1});
        const ChartSeries& drawn = form->Model().Series()[0];
        QCOMPARE(drawn.Kind, ChartKind::Bar);
        QCOMPARE(drawn.X, (std::vector<double>{1, 2, 3}));
        QCOMPARE(drawn.Y, (std::vector<double>{4, 5, 6}));
        QCOMPARE(form->Model().Header, std::string("datovou řadu tvoří 2. řádek matice"));

        // The diagonal is added as a second series.
        w.Act("Graf_DataHlavniDiagonaly")->trigger();
        QCOMPARE(form->Model().Count(), std::size_t{2});
        QCOMPARE(form->Model().Series()[1].Y, (std::vector<double>{1, 5, 9}));
    }

    // "Přidat datovou řadu" of the detailed chart repeats the worksheet's
    // last row, column or diagonal chart as a line, nothing after a
    // parametric chart.
    void ChartAddSeriesAsksTheWorksheet() {
        Windows w;
        w.OpenWithMatrix();
        w.SelectLeftCell(1, 3);
        w.Act("Graf_SloupcovaData")->trigger();
        TGrForm* form = w.main.Charts().Form();
        QVERIFY(form);
        QCOMPARE(form->Model().Count(), std::size_t{1});
        QAbstractItemModel* left = w.gem->LStringGrid()->model();
        QVERIFY(left->setData(left->index(2, 2), QStringLiteral("10"), Qt::EditRole));
        form->Action("AddSeriesAction")->trigger();
        QVERIFY2(w.messages.empty(), qPrintable(w.Messages()));
        QCOMPARE(form->Model().Count(), std::size_t{2});
        const ChartSeries& added = form->Model().Series()[1];
        QCOMPARE(added.Kind, ChartKind::Line);
        QCOMPARE(added.Y, (std::vector<double>{3, 6, 10}));
        QCOMPARE(form->Model().Header, std::string("datovou řadu tvoří 3. sloupec matice"));

        w.Act("Graf_ParametrickyGrafRadku")->trigger();
        const std::size_t count = form->Model().Count();
        form->Action("AddSeriesAction")->trigger();
        QCOMPARE(form->Model().Count(), count);
    }

    void QuantityItemsFollowTheModelAndTheMainWindow() {
        Windows w;
        w.OpenWithMatrix();
        QVERIFY(w.Act("Graf_Modul")->isChecked());
        w.Act("Graf_GaussovaKomplexniRovina")->trigger();
        QCOMPARE(w.gem->Model().SearchQuantity(), 4);
        QVERIFY(w.main.Action("GaussovaKomplexniRovinaItem")->isChecked());
        // A quantity set elsewhere (the searches) shows after a refresh.
        w.gem->Model().SetSearchQuantity(2);
        w.gem->RefreshFromModel();
        QVERIFY(w.Act("Graf_RealnaSlozka")->isChecked());
        QVERIFY(!w.Act("Graf_GaussovaKomplexniRovina")->isChecked());
    }

    void FormatCommandReformatsTheActiveGrid() {
        Windows w;
        w.OpenWithMatrix();
        QAbstractItemModel* left = w.gem->LStringGrid()->model();
        QVERIFY(left->setData(left->index(0, 0), QStringLiteral("1/4"), Qt::EditRole));
        QVERIFY(left->setData(left->index(0, 1), QString(), Qt::EditRole));
        w.SelectLeftCell(1, 1);
        w.Act("Format_Common")->trigger();
        QVERIFY2(w.messages.empty(), qPrintable(w.Messages()));
        QCOMPARE(left->index(0, 0).data().toString(), QStringLiteral("0.25"));
        QCOMPARE(left->index(0, 1).data().toString(), QStringLiteral("0"));
        QVERIFY(w.Act("Format_Common")->isChecked());
    }

    void ResultFileClipboardAndEnabledStates() {
        Windows w;
        w.OpenWithMatrix();
        QVERIFY(!w.Act("Reseni_UlozitDoSouboru")->isEnabled());
        QVERIFY(!w.Act("Reseni_KopirovatDoSchranky")->isEnabled());
        QVERIFY(!w.Act("Upravy_ExportDoKnihovnyVyrazu")->isEnabled());
        w.Act("Operace_Umocneni")->trigger();
        QTest::keyClick(w.gem, Qt::Key_F9);
        QVERIFY2(w.messages.empty(), qPrintable(w.Messages()));
        QVERIFY(w.Act("Reseni_UlozitDoSouboru")->isEnabled());
        QVERIFY(w.Act("Reseni_ExportDoMsExcel")->isEnabled());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("square.txt"));
        const std::string worksheetFile = w.gem->Model().FileName();
        w.saveAnswer = std::filesystem::path(path.toStdString());
        w.Act("Reseni_UlozitDoSouboru")->trigger();
        QVERIFY2(w.messages.empty(), qPrintable(w.Messages()));
        QCOMPARE(ReadFile(path), std::string("3\r\n30\t36\t42\r\n66\t81\t96\r\n102\t126\t150\r\n"));
        QCOMPARE(w.gem->Model().FileName(), worksheetFile);
        QVERIFY(w.fileRequests.back().FileName.empty());  // never the worksheet's own file

        w.Act("Reseni_KopirovatDoSchranky")->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("30\t36\t42\r\n66\t81\t96\r\n102\t126\t150\r\n"));
    }
};

QTEST_MAIN(GemFormOutputTest)
#include "gem_form_output_test.moc"
