// Data generation: the default fill (cleared first, every cell including the
// right-hand side, no zero on the diagonal), fill content and area, symmetric
// writing, the complex cell texts, function values of the input line, the
// special matrices, the target grid, the random engine's seeding and the
// series import.
#include <regex>
#include <set>

#include "matrix/worksheet_generate.h"
#include "worksheet_data_fixture.h"

namespace tarvix::test {
namespace {

bool Empty(const std::string& text) { return text.empty(); }

TEST_F(WorksheetDataTest, DefaultFillClearsAndFillsEveryCellWithoutZeroOnTheDiagonal) {
    Setup(WorksheetMode::Equations, 5, {{"old", "", "", "", "", "7"}});
    Mark();
    // Many draws: a zero on the diagonal would appear about once in 199 cells.
    for (int round = 0; round < 60; ++round) {
        const DataResult result = GenerateData(sheet, state);
        ASSERT_TRUE(result.Ok()) << result.Error;
        ASSERT_TRUE(result.Changed);
        const TextGrid& grid = sheet.LeftGrid();
        ASSERT_EQ(grid.Cols(), 6);
        for (int i = 1; i <= 5; ++i)
            for (int j = 1; j <= 6; ++j) {
                const std::string& cell = grid.Cell(i, j);
                ASSERT_FALSE(Empty(cell)) << i << "," << j;
                const int value = std::stoi(cell);
                EXPECT_GE(value, -99);
                EXPECT_LE(value, 99);
                if (i == j) {
                    EXPECT_NE(value, 0) << "diagonal " << i;
                }
            }
    }
    EXPECT_FALSE(sheet.Marks().Exist());
    EXPECT_TRUE(sheet.Modified());
    EXPECT_EQ(sheet.InputRows().size(), 5u);
    EXPECT_EQ(sheet.InputRows()[0], sheet.LeftGrid().RowText(1));
}

TEST_F(WorksheetDataTest, EmptyCellsContentFillsOnlyEmptyCellsAndClearsNothing) {
    Setup(WorksheetMode::Operations, 3, {{"a", "", "b"}, {"", "c", ""}});
    state.Settings.FillContent = kFillEmpty;
    ASSERT_TRUE(GenerateData(sheet, state).Changed);
    const TextGrid& grid = sheet.LeftGrid();
    EXPECT_EQ(grid.Cell(1, 1), "a");
    EXPECT_EQ(grid.Cell(1, 3), "b");
    EXPECT_EQ(grid.Cell(2, 2), "c");
    for (auto [i, j] : {std::pair{1, 2}, {2, 1}, {2, 3}, {3, 1}, {3, 2}, {3, 3}})
        EXPECT_FALSE(Empty(grid.Cell(i, j))) << i << "," << j;

    // Non-empty cells only: the three texts are replaced, the rest stays.
    Setup(WorksheetMode::Operations, 3);
    sheet.LeftGrid().ClearCells();
    sheet.LeftGrid().SetCell(2, 2, "x");
    state.Settings.FillContent = kFillNonEmpty;
    ASSERT_TRUE(GenerateData(sheet, state).Changed);
    EXPECT_NE(grid.Cell(2, 2), "x");
    EXPECT_TRUE(Empty(grid.Cell(1, 1)));
    EXPECT_TRUE(Empty(grid.Cell(3, 3)));
}

// Which cells each fill area writes in a 3×3 grid with the cursor at (2,3)
// and the bordered area rows 1..2, columns 2..3.
TEST_F(WorksheetDataTest, FillAreasWriteTheirCells) {
    struct Case {
        int area;
        std::set<std::pair<int, int>> cells;
    };
    const std::set<std::pair<int, int>> all = {{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2},
                                               {2, 3}, {3, 1}, {3, 2}, {3, 3}};
    const Case cases[] = {
        {kFillAll, all},
        {kFillRow, {{2, 1}, {2, 2}, {2, 3}}},
        {kFillColumn, {{1, 3}, {2, 3}, {3, 3}}},
        {kFillDiagonal, {{1, 1}, {2, 2}, {3, 3}}},
        {kFillAboveDiagonal, {{1, 2}, {1, 3}, {2, 3}}},
        {kFillUpperTriangle, {{1, 1}, {1, 2}, {1, 3}, {2, 2}, {2, 3}, {3, 3}}},
        {kFillBelowDiagonal, {{2, 1}, {3, 1}, {3, 2}}},
        {kFillLowerTriangle, {{1, 1}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {3, 3}}},
        {kFillInsideArea, {{1, 2}, {1, 3}, {2, 2}, {2, 3}}},
        {kFillOutsideArea, {{1, 1}, {2, 1}, {3, 1}, {3, 2}, {3, 3}}},
    };
    for (const Case& c : cases) {
        Setup(WorksheetMode::Operations, 3);
        sheet.LeftGrid().ClearCells();
        sheet.SetCursor(false, 2, 3);
        sheet.SetBorderedArea(false, GridArea{1, 2, 2, 3});
        state.Settings.FillArea = c.area;
        ASSERT_TRUE(GenerateData(sheet, state).Ok());
        std::set<std::pair<int, int>> filled;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                if (!Empty(sheet.LeftGrid().Cell(i, j))) filled.insert({i, j});
        EXPECT_EQ(filled, c.cells) << "area " << c.area;
    }
    // Inside or outside the area without an area: all cells.
    for (int area : {kFillInsideArea, kFillOutsideArea}) {
        sheet.LeftGrid().ClearCells();
        sheet.SetBorderedArea(false, std::nullopt);
        state.Settings.FillArea = area;
        ASSERT_TRUE(GenerateData(sheet, state).Ok());
        for (auto [i, j] : all) EXPECT_FALSE(Empty(sheet.LeftGrid().Cell(i, j))) << area;
    }
}

TEST_F(WorksheetDataTest, SymmetricWritingAboveTheDiagonalKeepsTheDiagonal) {
    Setup(WorksheetMode::Operations, 4,
          {{"d1", "", "", ""}, {"", "d2", "", ""}, {"", "", "d3", ""}, {"", "", "", "d4"}});
    state.Settings.FillArea = kFillAboveDiagonal;
    state.Settings.Symmetric = true;
    ASSERT_TRUE(GenerateData(sheet, state).Changed);
    const TextGrid& grid = sheet.LeftGrid();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(grid.Cell(i, i), "d" + std::to_string(i));
        for (int j = i + 1; j <= 4; ++j) {
            EXPECT_FALSE(Empty(grid.Cell(i, j)));
            EXPECT_EQ(grid.Cell(j, i), grid.Cell(i, j)) << i << "," << j;
        }
    }
}

TEST_F(WorksheetDataTest, ComplexCellTextsCarrySignAndUnit) {
    const std::regex form(R"((-?\d+)([+-]\d+)j)");
    bool sawZeroImaginary = false, sawNegative = false;
    for (int n = 0; n < 3000; ++n) {
        const std::string text = RandomCellText(state, 1, 2, true, 'j');
        std::smatch m;
        ASSERT_TRUE(std::regex_match(text, m, form)) << text;
        const int re = std::stoi(m[1]), im = std::stoi(m[2]);
        EXPECT_TRUE(re >= -99 && re <= 99 && im >= -49 && im <= 49) << text;
        // "12-7j" and "12+0j": the sign is written once, always.
        EXPECT_EQ(text, std::to_string(re) + (im < 0 ? "" : "+") + std::to_string(im) + "j");
        sawZeroImaginary |= im == 0 && text.ends_with("+0j");
        sawNegative |= im < 0;
    }
    EXPECT_TRUE(sawZeroImaginary);
    EXPECT_TRUE(sawNegative);
    EXPECT_EQ(RandomCellText(state, 1, 2, false, 'i').find('i'), std::string::npos);
}

TEST_F(WorksheetDataTest, ComplexGenerationNeedsTheComplexDomain) {
    Setup(WorksheetMode::Operations, 2);
    state.Settings.ComplexNumbers = true;
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    EXPECT_EQ(sheet.LeftGrid().Cell(1, 2).find('i'), std::string::npos);  // real domain: real

    main.format.Scope = nsComplex;
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    EXPECT_TRUE(sheet.LeftGrid().Cell(1, 2).ends_with("i"));
    // Shift asks for complex numbers whatever the number kind.
    state.Settings.ComplexNumbers = false;
    ASSERT_TRUE(GenerateData(sheet, state, true).Ok());
    EXPECT_TRUE(sheet.LeftGrid().Cell(2, 1).ends_with("i"));
}

TEST_F(WorksheetDataTest, FunctionValuesEvaluateTheInputLineWithXColumnAndYRow) {
    Setup(WorksheetMode::Operations, 3);
    state.Settings.FunctionValues = true;
    main.input = "X+10*Y";
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) EXPECT_EQ(sheet.LeftGrid().Cell(i, j), std::to_string(j + 10 * i));
    // The register variables get their former values back (new ones: 0).
    EXPECT_EQ(parser.GetVariable("X").Re, 0.0L);
    EXPECT_EQ(parser.GetVariable("Y").Re, 0.0L);
}

TEST_F(WorksheetDataTest, EmptyInputLineOrBadExpressionWritesNothing) {
    Setup(WorksheetMode::Operations, 2, {{"1", "2"}, {"3", "4"}});
    state.Settings.FunctionValues = true;
    main.input = "  ";
    DataResult result = GenerateData(sheet, state);
    EXPECT_EQ(result.Error, "Nebyl zadán výraz pro plnění buněk");
    EXPECT_FALSE(result.Changed);
    main.input = "X+*";
    result = GenerateData(sheet, state);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(Cells(sheet.LeftGrid()), (std::vector<std::vector<std::string>>{{"1", "2"}, {"3", "4"}}));
    EXPECT_FALSE(ReportDataResult(sheet, result));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].Kind, MessageKind::Error);

    // An evaluation error in a cell ends the command; the cells before stay.
    main.input = "1/(X-2)";
    result = GenerateData(sheet, state);
    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(sheet.LeftGrid().Cell(1, 1), "-1");
}

TEST_F(WorksheetDataTest, BandMatrixOfOrderFourInEquations) {
    Setup(WorksheetMode::Equations, 4, {{"x", "x", "x", "x", "x"}});
    ASSERT_TRUE(GenerateSpecial(sheet, state, SpecialMatrix::Band).Ok());
    const std::set<std::pair<int, int>> expected = {{1, 1}, {1, 2}, {2, 1}, {2, 2}, {2, 3},
                                                    {3, 2}, {3, 3}, {3, 4}, {4, 3}, {4, 4},
                                                    {1, 5}, {2, 5}, {3, 5}, {4, 5}};
    for (int i = 1; i <= 4; ++i)
        for (int j = 1; j <= 5; ++j) {
            const std::string& cell = sheet.LeftGrid().Cell(i, j);
            if (expected.contains({i, j})) {
                ASSERT_FALSE(Empty(cell)) << i << "," << j;
                EXPECT_NE(std::stoi(cell), 0) << "drawn again until non-zero";
            } else {
                EXPECT_TRUE(Empty(cell)) << i << "," << j << " " << cell;
            }
        }
    EXPECT_EQ(state.Settings.FillArea, kFillAll);
    EXPECT_EQ(state.Settings.FillContent, kFillRegardless);
    EXPECT_EQ(sheet.InputRows().size(), 4u);
}

TEST_F(WorksheetDataTest, SymmetricBandMirrorsTheUpperNeighbour) {
    Setup(WorksheetMode::Operations, 4);
    state.Settings.Symmetric = true;
    ASSERT_TRUE(GenerateSpecial(sheet, state, SpecialMatrix::Band).Ok());
    for (int i = 2; i <= 4; ++i) EXPECT_EQ(sheet.LeftGrid().Cell(i, i - 1), sheet.LeftGrid().Cell(i - 1, i));
    EXPECT_TRUE(Empty(sheet.LeftGrid().Cell(1, 4)));  // operations: no right-hand side
}

TEST_F(WorksheetDataTest, DiagonalIdentityAndTriangular) {
    Setup(WorksheetMode::Equations, 3);
    ASSERT_TRUE(GenerateSpecial(sheet, state, SpecialMatrix::Identity).Ok());
    EXPECT_EQ(Cells(sheet.LeftGrid()), (std::vector<std::vector<std::string>>{
                                           {"1", "", "", "1"}, {"", "1", "", "1"}, {"", "", "1", "1"}}));
    ASSERT_TRUE(GenerateSpecial(sheet, state, SpecialMatrix::Diagonal).Ok());
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j)
            EXPECT_EQ(Empty(sheet.LeftGrid().Cell(i, j)), !(i == j || j == 4)) << i << "," << j;
    ASSERT_TRUE(GenerateSpecial(sheet, state, SpecialMatrix::Triangular).Ok());
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j) EXPECT_EQ(Empty(sheet.LeftGrid().Cell(i, j)), j < i) << i << "," << j;
}

TEST_F(WorksheetDataTest, TargetIsTheRightGridOnlyInOperationsWhileItIsActive) {
    Setup(WorksheetMode::Operations, 2);
    sheet.LeftGrid().ClearCells();
    sheet.SetActiveGrid(true);
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    EXPECT_FALSE(Empty(sheet.RightGrid().Cell(2, 2)));
    EXPECT_TRUE(Empty(sheet.LeftGrid().Cell(2, 2)));

    Setup(WorksheetMode::Equations, 2);
    sheet.SetActiveGrid(true);
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    EXPECT_FALSE(Empty(sheet.LeftGrid().Cell(2, 2)));
}

TEST_F(WorksheetDataTest, TwoGenerationsDifferAndASeedRepeats) {
    Setup(WorksheetMode::Operations, 6);
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    const auto first = Cells(sheet.LeftGrid());
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    EXPECT_NE(Cells(sheet.LeftGrid()), first);

    state.Seed(99);
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    const auto seeded = Cells(sheet.LeftGrid());
    state.Seed(99);
    ASSERT_TRUE(GenerateData(sheet, state).Ok());
    EXPECT_EQ(Cells(sheet.LeftGrid()), seeded);

    // An engine seeded once from the clock: its draws go on, never restart.
    WorksheetDataState program;
    ASSERT_TRUE(GenerateData(sheet, program).Ok());
    const auto a = Cells(sheet.LeftGrid());
    ASSERT_TRUE(GenerateData(sheet, program).Ok());
    EXPECT_NE(Cells(sheet.LeftGrid()), a);
}

TEST_F(WorksheetDataTest, OneCellGenerationClampsToTheGrid) {
    Setup(WorksheetMode::Operations, 2);
    sheet.LeftGrid().ClearCells();
    ASSERT_TRUE(GenerateOneCell(sheet, state, false, 0, -3, false).Changed);
    EXPECT_FALSE(Empty(sheet.LeftGrid().Cell(1, 1)));
    EXPECT_TRUE(Empty(sheet.LeftGrid().Cell(2, 2)));
}

CurrentSeries RealSeries(std::size_t rows, std::size_t columns) {
    CurrentSeries s;
    s.Rows = rows;
    s.Columns = columns;
    for (std::size_t k = 0; k < rows * columns; ++k) {
        s.X.push_back(static_cast<long double>(k));
        s.Y.push_back(static_cast<long double>(k) + 0.5L);
    }
    s.ValidPoints = rows * columns;
    return s;
}

TEST_F(WorksheetDataTest, RealSeriesImportFillsRowsAndColumns) {
    Setup(WorksheetMode::Operations, 5);
    EXPECT_FALSE(SeriesImportEnabled(sheet));
    EXPECT_FALSE(ImportSeries(sheet).Changed);
    main.series = RealSeries(2, 3);
    ASSERT_TRUE(SeriesImportEnabled(sheet));
    ASSERT_TRUE(ImportSeries(sheet).Changed);
    EXPECT_EQ(sheet.Order(), 3);
    EXPECT_EQ(Cells(sheet.LeftGrid()),
              (std::vector<std::vector<std::string>>{{"0.5", "1.5", "2.5"}, {"3.5", "4.5", "5.5"}}));
    EXPECT_EQ(main.complexSwitches, 0);
}

TEST_F(WorksheetDataTest, ComplexSeriesSwitchesTheDomainAndIsBoundedByTheOrderLimit) {
    Setup(WorksheetMode::Operations, 2);
    CurrentSeries s;
    s.Rows = 2;
    s.Columns = 1;
    s.Re = {{1.0L}, {3.0L}};
    s.Im = {{2.0L}, {-4.0L}};
    s.ValidPoints = 2;
    main.series = s;
    ASSERT_TRUE(ImportSeries(sheet).Changed);
    EXPECT_EQ(main.complexSwitches, 1);
    EXPECT_EQ(sheet.LeftGrid().Rows(), 2);
    EXPECT_EQ(sheet.LeftGrid().Cols(), 1);
    EXPECT_NE(sheet.LeftGrid().Cell(1, 1).find('2'), std::string::npos);
    EXPECT_NE(sheet.LeftGrid().Cell(2, 1).find("-4"), std::string::npos);

    s.Rows = 401;
    main.series = s;
    const auto before = Cells(sheet.LeftGrid());
    const DataResult result = ImportSeries(sheet);
    EXPECT_FALSE(result.Changed);
    EXPECT_NE(result.Error.find("400"), std::string::npos);
    EXPECT_EQ(Cells(sheet.LeftGrid()), before);
    // A real series beyond the limit cannot even be chosen.
    main.series = RealSeries(1, 401);
    EXPECT_FALSE(SeriesImportEnabled(sheet));
}

}  // namespace
}  // namespace tarvix::test
