// The worksheet window's "&Hledat" and "&Konverze" menus beside a real main
// window: a range search typed into the input box marks its cells (drawn
// marked, the highlight item enabled and checked, the marks listed in the
// editor), the minimum search shows its value in the main display and Ans
// and moves the cell cursor, a conversion rewrites the active grid, and the
// enabled states follow the domain and the data.
#include <QAction>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>
#include <vector>

#include "gem_form_windows.h"
#include "ui/worksheet/gem_form.h"
#include "ui/main/main_form.h"
#include "ui/worksheet/worksheet_grid_model.h"

using namespace tarvix;

namespace {

struct Windows : test::GemWindows {
    std::vector<std::string> prompts;
    std::optional<std::string> rangeText;  // what the range input box gets

    Windows() : GemWindows(ModalResult::Ok) {
        main.Dialogs().SetTextHook(
            [this](std::string_view caption, std::string_view prompt, std::string_view) {
                prompts.push_back(std::string(caption) + "|" + std::string(prompt));
                return rangeText;
            });
    }

    // The operations mode with the rows typed into the left grid.
    void Open(const std::vector<std::vector<const char*>>& rows) {
        GemWindows::Open(false);
        gem->RozmerSpinEdit()->setValue(static_cast<int>(rows.size()));
        QAbstractItemModel* left = gem->LStringGrid()->model();
        for (int i = 0; i < static_cast<int>(rows.size()); ++i)
            for (int j = 0; j < static_cast<int>(rows[i].size()); ++j)
                QVERIFY(
                    left->setData(left->index(i, j), QString::fromUtf8(rows[i][j]), Qt::EditRole));
        gem->LStringGrid()->setFocus();
        QTRY_VERIFY(gem->LStringGrid()->hasFocus());
    }

    bool Marked(int row, int column) const {
        const int kind = gem->LStringGrid()
                             ->model()
                             ->index(row - 1, column - 1)
                             .data(WorksheetGridModel::CellKindRole)
                             .toInt();
        return (kind & WorksheetGridModel::Marked) != 0;
    }
    QAction* Action(const char* name) const { return gem->Action(name); }
    QString Left(int row, int column) const {
        return gem->LStringGrid()->model()->index(row - 1, column - 1).data().toString();
    }
};

}  // namespace

class GemFormSearchTest : public QObject {
    Q_OBJECT

private slots:
    void RangeSearchMarksTheCellsFromTheMenu() {
        Windows w;
        w.Open({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
        QAction* highlight = w.Action("Hledat_ZvyraznitHodnoty");
        QVERIFY(highlight);
        QVERIFY(!highlight->isEnabled());
        QVERIFY(w.Action("Hledat_RozmeziHodnot")->isEnabled());

        w.rangeText = "2 .. 5";
        w.Action("Hledat_RozmeziHodnot")->trigger();
        QVERIFY2(w.messages.empty(), w.messages.empty() ? "" : w.messages.back().Text.c_str());
        QCOMPARE(w.prompts.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(w.prompts[0]),
                 QStringLiteral("Hledat v rozmezí|Meze:  minimum .. maximum"));
        const Worksheet& sheet = w.gem->Model();
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) {
                const int value = (i - 1) * 3 + j;
                const bool inside = value >= 2 && value <= 5;
                QCOMPARE(sheet.CellMarked(false, i, j), inside);
                QCOMPARE(w.Marked(i, j), inside);
            }
        QVERIFY(highlight->isEnabled());
        QVERIFY(highlight->isChecked());
        QVERIFY(w.Action("Hledat_NalezeneVlozitDoEditoru")->isEnabled());
        // Two grids of one size in the operations mode: the marks can show in both.
        QAbstractItemModel* right = w.gem->RStringGrid()->model();
        const auto rightMarked = [right] {
            return (right->index(0, 1).data(WorksheetGridModel::CellKindRole).toInt() &
                    WorksheetGridModel::Marked) != 0;
        };
        QVERIFY(!rightMarked());
        QAction* both = w.Action("Hledat_ZnacitVObouMrizkach");
        QVERIFY(both->isEnabled());
        both->trigger();
        QVERIFY(both->isChecked());
        QVERIFY(rightMarked());
        both->trigger();
        QVERIFY(!rightMarked());

        w.Action("Hledat_NalezeneVlozitDoEditoru")->trigger();
        QCOMPARE(w.gem->Memo()->toPlainText(),
                 QStringLiteral("I=1\tJ=2\t2\nI=1\tJ=3\t3\nI=2\tJ=1\t4\nI=2\tJ=2\t5"));
        QCOMPARE(w.gem->Memo()->textCursor().position(), 0);

        highlight->trigger();  // highlight off: the marks stay, drawn no more
        QVERIFY(!w.Marked(1, 2));
        QVERIFY(highlight->isEnabled());
        QVERIFY(!highlight->isChecked());

        // A range without separator warns and keeps the marks.
        w.rangeText = "2-5";
        w.Action("Hledat_RozmeziHodnot")->trigger();
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(w.messages[0].Text),
                 QStringLiteral("Min. a max. hodnotu nutno oddělit dvěma tečkami"));
        QVERIFY(w.gem->Model().Marks().Flag(2, 2));
    }

    void MinimumShowsTheValueAndMovesTheCursor() {
        Windows w;
        w.Open({{"3", "1", "1"}, {"5", "7", "2"}, {"4", "6", "8"}});
        w.Action("Hledat_MinimumCelkove")->trigger();
        QVERIFY(w.messages.empty());
        QCOMPARE(QString::fromStdString(w.main.Model().DisplayText()).trimmed(),
                 QStringLiteral("1"));
        const ComplexValue ans = w.main.Model().Parser1().GetVariable("ANS");
        QCOMPARE(static_cast<double>(ans.Re), 1.0);
        const QModelIndex at = w.gem->LStringGrid()->currentIndex();
        QCOMPARE(at.row(), 0);
        QCOMPARE(at.column(), 1);
        QCOMPARE(w.gem->Model().Cursor(false), std::pair(1, 2));
    }

    void ConversionsFollowTheDomain() {
        Windows w;
        w.Open({{"1", "2"}, {"3", "4"}});
        // The real domain: only the conversions without complex values.
        QVERIFY(w.Action("Konverze_Antisymetricka")->isEnabled());
        QVERIFY(!w.Action("Konverze_KomplexneSdruzenaMatice")->isEnabled());
        QVERIFY(!w.Action("Minimum_Modul")->isEnabled());
        w.Action("Konverze_Antisymetricka")->trigger();
        QCOMPARE(w.Left(1, 1), QStringLiteral("0"));
        QCOMPARE(w.Left(2, 1), QStringLiteral("-2"));
        QCOMPARE(w.Left(1, 2), QStringLiteral("2"));
        QVERIFY(w.gem->Model().Modified());
    }
};

QTEST_MAIN(GemFormSearchTest)
#include "gem_form_search_test.moc"
