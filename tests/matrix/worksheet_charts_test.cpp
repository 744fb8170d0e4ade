// The worksheet's chart sources: the series and titles of rows, columns,
// the diagonal and the parametric charts in both domains and for every
// complex quantity, and the chart commands handing them to the main window.
#include "matrix/worksheet_charts.h"
#include <cmath>

#include "worksheet_data_fixture.h"

namespace tarvix::test {
namespace {

using Values = TArrayOfExtended;

class ChartsTest : public WorksheetDataTest {
protected:
    ChartsTest() {
        sheet.SetMode(WorksheetMode::Operations);
        sheet.SetOrder(3);
        Fill(sheet.LeftGrid(), {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
        sheet.SetCursor(false, 2, 3);
    }
};

TEST_F(ChartsTest, RowOfARealMatrixIsNumberedFromOne) {
    const WorksheetChart chart = BuildWorksheetChart(sheet, ChartSource::Row);
    const CurrentSeries& s = chart.Series;
    EXPECT_EQ(chart.Title, "datovou řadu tvoří 2. řádek matice");
    EXPECT_EQ(s.Y, (Values{4, 5, 6}));
    EXPECT_EQ(s.X, (Values{1, 2, 3}));
    EXPECT_EQ(s.Start.Re, 1.0L);
    EXPECT_EQ(s.Step.Re, 1.0L);
    EXPECT_EQ(s.Rows, 1u);
    EXPECT_EQ(s.Columns, 3u);
    EXPECT_EQ(s.ValidPoints, 3u);
    EXPECT_FALSE(s.Parametric);
    EXPECT_FALSE(s.TwoDim);
}

TEST_F(ChartsTest, ColumnAndDiagonal) {
    const WorksheetChart column = BuildWorksheetChart(sheet, ChartSource::Column);
    EXPECT_EQ(column.Title, "datovou řadu tvoří 3. sloupec matice");
    EXPECT_EQ(column.Series.Y, (Values{3, 6, 9}));

    Fill(sheet.LeftGrid(), {{"1", "2", "3"}, {"4", "5", "6"}});  // 2 × 3
    const WorksheetChart diagonal = BuildWorksheetChart(sheet, ChartSource::Diagonal);
    EXPECT_EQ(diagonal.Title, "datovou řadu tvoří hlavní diagonála matice");
    EXPECT_EQ(diagonal.Series.Y, (Values{1, 5}));
    EXPECT_EQ(diagonal.Series.Columns, 2u);
    EXPECT_EQ(diagonal.Series.ValidPoints, 2u);
}

TEST_F(ChartsTest, TheActiveGridAndItsCursorAreCharted) {
    Fill(sheet.RightGrid(), {{"10", "20"}, {"30", "40"}});
    sheet.SetActiveGrid(true);
    sheet.SetCursor(true, 1, 2);
    EXPECT_EQ(BuildWorksheetChart(sheet, ChartSource::Row).Series.Y, (Values{10, 20}));
    EXPECT_EQ(BuildWorksheetChart(sheet, ChartSource::Column).Series.Y, (Values{20, 40}));
}

TEST_F(ChartsTest, ComplexQuantities) {
    Complex();
    parser.SetAngleUnits(auDeg);
    Fill(sheet.LeftGrid(), {{"3+4i", "-1"}, {"2i", "1+i"}});
    sheet.SetCursor(false, 1, 1);
    struct Case {
        int Quantity;
        Values Re;
        Values Im;
        const char* Suffix;
    };
    const long double deg = 57.295779513082320877L;
    for (const Case& c :
         {Case{0, {1, 2}, {5, 1}, ", (modul komplex. č.)"},
          Case{1, {1, 2}, {std::atan2(4.0L, 3.0L) * deg, 180}, ", (argument komplex. č.)"},
          Case{2, {1, 2}, {3, -1}, ", (reálná složka komplex. č.)"},
          Case{3, {1, 2}, {4, 0}, ", (imaginární složka komplex. č.)"},
          Case{4, {3, -1}, {4, 0}, ", (v Gaussově komplexní rovině)"}}) {
        SCOPED_TRACE(c.Quantity);
        sheet.SetSearchQuantity(c.Quantity);
        const WorksheetChart chart = BuildWorksheetChart(sheet, ChartSource::Row);
        EXPECT_EQ(chart.Title, std::string("datovou řadu tvoří 1. řádek matice") + c.Suffix);
        ASSERT_EQ(chart.Series.Re.size(), 1u);
        ASSERT_EQ(chart.Series.Re[0].size(), 2u);
        for (std::size_t k = 0; k < 2; ++k) {
            EXPECT_NEAR(static_cast<double>(chart.Series.Re[0][k]), static_cast<double>(c.Re[k]), 1e-15);
            EXPECT_NEAR(static_cast<double>(chart.Series.Im[0][k]), static_cast<double>(c.Im[k]), 1e-13);
        }
        EXPECT_TRUE(chart.Series.Parametric);
        EXPECT_TRUE(chart.Series.Y.empty());
    }
}

TEST_F(ChartsTest, ArgumentFollowsTheAngleUnit) {
    Complex();
    Fill(sheet.LeftGrid(), {{"i"}});
    sheet.SetCursor(false, 1, 1);
    sheet.SetSearchQuantity(1);
    for (auto [unit, expected] : {std::pair{auDeg, 90.0L}, {auGrad, 100.0L},
                                  {auRad, 1.5707963267948966192L}}) {
        parser.SetAngleUnits(unit);
        EXPECT_NEAR(static_cast<double>(BuildWorksheetChart(sheet, ChartSource::Row).Series.Im[0][0]),
                    static_cast<double>(expected), 1e-13);
    }
}

TEST_F(ChartsTest, ParametricRowsAndColumns) {
    Fill(sheet.LeftGrid(), {{"1", "2", "3"}, {"4", "5", "-6"}});
    const WorksheetChart rows = BuildWorksheetChart(sheet, ChartSource::ParametricRows);
    EXPECT_EQ(rows.Title, "datové řady tvoří řádky matice");
    EXPECT_EQ(rows.Series.Rows, 2u);
    EXPECT_EQ(rows.Series.Columns, 3u);
    EXPECT_TRUE(rows.Series.Parametric);
    EXPECT_TRUE(rows.Series.TwoDim);
    EXPECT_EQ(rows.Series.Re[1], (Values{1, 2, 3}));
    EXPECT_EQ(rows.Series.Im[1], (Values{4, 5, -6}));  // the real domain plots the values

    const WorksheetChart columns = BuildWorksheetChart(sheet, ChartSource::ParametricColumns);
    EXPECT_EQ(columns.Title, "datové řady tvoří sloupce matice");
    EXPECT_EQ(columns.Series.Rows, 3u);
    EXPECT_EQ(columns.Series.Columns, 2u);
    EXPECT_EQ(columns.Series.Re[2], (Values{1, 2}));
    EXPECT_EQ(columns.Series.Im[2], (Values{3, -6}));
    EXPECT_EQ(columns.Series.ValidPoints, 6u);

    Complex();
    sheet.SetSearchQuantity(0);
    const WorksheetChart modulus = BuildWorksheetChart(sheet, ChartSource::ParametricColumns);
    EXPECT_EQ(modulus.Title, "datové řady tvoří sloupce matice, (modul komplex. č.)");
    EXPECT_EQ(modulus.Series.Im[2], (Values{3, 6}));
}

TEST_F(ChartsTest, CommandsHandTheSeriesToTheMainWindow) {
    WorksheetCharts charts(sheet);
    ASSERT_TRUE(charts.Chart(ChartSource::Diagonal, true));
    ASSERT_EQ(main.charts.size(), 1u);
    EXPECT_EQ(main.charts[0].Series.Y, (Values{1, 5, 9}));
    EXPECT_EQ(main.charts[0].Title, "datovou řadu tvoří hlavní diagonála matice");
    EXPECT_TRUE(main.charts[0].Bars);
    EXPECT_EQ(charts.LastChartKind(), ChartSource::Diagonal);

    // The chart window's request repeats the last single series as a line.
    ASSERT_TRUE(charts.AddLastAsLine());
    ASSERT_EQ(main.charts.size(), 2u);
    EXPECT_FALSE(main.charts[1].Bars);
    EXPECT_EQ(main.charts[1].Series.Y, (Values{1, 5, 9}));

    ASSERT_TRUE(charts.Chart(ChartSource::ParametricRows, true));
    EXPECT_FALSE(charts.AddLastAsLine());
    EXPECT_EQ(main.charts.size(), 3u);

    charts.SetQuantity(4);
    EXPECT_EQ(sheet.SearchQuantity(), 4);
    EXPECT_EQ(main.quantities.back(), 4);
    charts.SetQuantity(7);  // no such quantity
    EXPECT_EQ(sheet.SearchQuantity(), 4);
}

TEST_F(ChartsTest, CellErrorShowsTheMessageAndChartsNothing) {
    sheet.LeftGrid().SetCell(2, 2, "5+");
    parser.SetExpression("2*3");
    WorksheetCharts charts(sheet);
    EXPECT_FALSE(charts.Chart(ChartSource::Row, true));
    EXPECT_TRUE(main.charts.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].Kind, MessageKind::Error);
    EXPECT_EQ(parser.Expression(), "2*3");  // the main window's expression untouched
    EXPECT_TRUE(charts.Chart(ChartSource::Column, true));  // column 3 holds no error
}

}  // namespace
}  // namespace tarvix::test
