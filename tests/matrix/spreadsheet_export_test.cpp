// The spreadsheet export: the table layout of both modes and of a grid with
// headers, the flat OpenDocument text (escaped texts, number cells) and CSV.
#include "matrix/spreadsheet_export.h"

#include "worksheet_data_fixture.h"

namespace tarvix::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

class SpreadsheetTest : public WorksheetDataTest {};

TEST_F(SpreadsheetTest, EquationsLayoutSplitsOffTheRightHandSideAndTheSolution) {
    sheet.SetMode(WorksheetMode::Equations);
    sheet.SetOrder(2);
    for (auto [i, j, text] : {std::tuple{1, 1, "2"}, {1, 2, "1"}, {1, 3, "3"}, {2, 1, "1"},
                              {2, 2, "1"}, {2, 3, "2"}})
        sheet.LeftGrid().SetCell(i, j, text);
    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    const SpreadsheetTable table = WorksheetTable(sheet);
    EXPECT_EQ(table.SheetName, "soubor.txt");
    EXPECT_EQ(table.Rows, (Rows{{"i\\j", "1", "2", "", "Vektor", "", "Řešení"},
                                {"1", "2", "1", "", "3", "", "1"},
                                {"2", "1", "1", "", "2", "", "1"}}));
}

TEST_F(SpreadsheetTest, OperationsLayoutHoldsTheWholeResultGrid) {
    sheet.SetMode(WorksheetMode::Operations);
    sheet.SetOrder(2);
    Fill(sheet.LeftGrid(), {{"2", "1"}, {"1", "1"}});
    ASSERT_EQ(sheet.SelectOperation(op::Inverse), RunOutcome::Done);
    EXPECT_EQ(WorksheetTable(sheet).Rows, (Rows{{"i\\j", "1", "2", "", "1", "2"},
                                                {"1", "2", "1", "", "1", "-1"},
                                                {"2", "1", "1", "", "-1", "2"}}));
}

TEST_F(SpreadsheetTest, GridTableHasHeadersAndTheCorner) {
    TextGrid grid;
    Fill(grid, {{"1", "2"}});
    grid.SetColumnHeader(1, "R1");
    grid.SetColumnHeader(2, "R2");
    EXPECT_EQ(GridTable(grid, "v.txt").Rows, (Rows{{"i\\j", "R1", "R2"}, {"1", "1", "2"}}));
}

TEST_F(SpreadsheetTest, FlatOdsEscapesTextsAndWritesNumbersAsFloats) {
    SpreadsheetTable table;
    table.SheetName = "a&b<c>.txt";
    table.Rows = {{"i\\j", "x<1 & \"y\"", ""}, {"1", "2.5", "1+2i"}, {"-3e-2", "'q'\x01", "1,5"}};
    const std::string text = FlatOdsText(table);
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    EXPECT_NE(text.find("table:name=\"a&amp;b&lt;c&gt;.txt\""), std::string::npos);
    EXPECT_NE(text.find("<text:p>x&lt;1 &amp; &quot;y&quot;</text:p>"), std::string::npos);
    EXPECT_NE(text.find("<text:p>i\\j</text:p>"), std::string::npos);
    EXPECT_NE(text.find("office:value-type=\"float\" office:value=\"2.5\"><text:p>2.5</text:p>"),
              std::string::npos);
    EXPECT_NE(text.find("office:value=\"-0.03\"><text:p>-3e-2</text:p>"), std::string::npos);
    EXPECT_NE(text.find("office:value-type=\"string\"><text:p>1+2i</text:p>"), std::string::npos);
    EXPECT_NE(text.find("office:value-type=\"string\"><text:p>1,5</text:p>"), std::string::npos);
    EXPECT_NE(text.find("<text:p>&apos;q&apos;</text:p>"), std::string::npos);  // control left out
    EXPECT_EQ(Count(text, "<table:table-row>"), 3u);
    EXPECT_EQ(Count(text, "<table:table-cell"), 9u);
    EXPECT_EQ(Count(text, "<table:table-cell/>"), 1u);
    EXPECT_NE(text.find("table:number-columns-repeated=\"3\""), std::string::npos);
    // Every element opened is closed.
    for (std::string_view tag : {"office:document", "office:body", "office:spreadsheet",
                                 "table:table", "table:table-row"}) {
        EXPECT_EQ(Count(text, "<" + std::string(tag) + ">") + Count(text, "<" + std::string(tag) + " "),
                  Count(text, "</" + std::string(tag) + ">"))
            << tag;
    }
}

TEST_F(SpreadsheetTest, CsvQuotesOnlyWhatNeedsIt) {
    SpreadsheetTable table;
    table.Rows = {{"i\\j", "1,5", "a\"b"}, {"1", "", "x\ny"}};
    EXPECT_EQ(CsvText(table), "i\\j,\"1,5\",\"a\"\"b\"\r\n1,,\"x\ny\"\r\n");
}

}  // namespace
}  // namespace tarvix::test
