// Transfers between vectors and text files, WAF recordings, the statistics
// grid, the clipboard and the chart.
#include <gtest/gtest.h>

#include "engine/parser_errors.h"
#include "series/waf_file.h"
#include "series_test_support.h"
#include "storage/line_reader.h"
#include "temp_folder.h"

namespace tarvix::testing {
namespace {

class DataPumpTest : public SeriesTest {
protected:
    DataPumpTest() { series.SetVarAsVector(true); }
    void Store(std::string_view name, ParserFloatArray values) {
        series.Vectors().TransferName = name;
        series.Vectors().TransferVector = std::move(values);
        series.Vectors().StoreTransfer(true);
    }
    const ParserFloatArray& Vector(std::string_view name) {
        return series.Vectors().FindVector(name);
    }
    TempFolder folder;
};

TEST_F(DataPumpTest, TextFileToVector) {
    WriteBytes(folder / "a.txt", "1,5\n2*3\r\n0..10:1\n\n5:2\n");
    pump.Run(0, 4, "A", folder / "a.txt");
    EXPECT_EQ(Vector("A"), (ParserFloatArray{{1.5L, 0}, {6, 0}, {0, 0}, {0, 0}, {5, 0}}));
    EXPECT_EQ(control.Busy, (std::vector<bool>{true, false}));
    EXPECT_GE(control.Polls, 5);
}

TEST_F(DataPumpTest, FaultyLineKeepsThePreviousVector) {
    Store("A", {{7, 0}});
    WriteBytes(folder / "a.txt", "1\n2*\n");
    EXPECT_ANY_THROW(pump.Run(0, 4, "A", folder / "a.txt"));
    EXPECT_EQ(Vector("A"), (ParserFloatArray{{7, 0}}));
    EXPECT_EQ(control.Busy.back(), false);
}

TEST_F(DataPumpTest, LineTooLongKeepsThePreviousVector) {
    Store("A", {{7, 0}});
    std::string bytes = "1\n";
    bytes.append(kMaxLineLength + 1, '2');
    WriteBytes(folder / "a.txt", bytes);
    for (const std::filesystem::path& file :
         {folder / "a.txt", std::filesystem::path("/dev/zero")}) {
        try {
            pump.Run(0, 4, "A", file);
            ADD_FAILURE() << "no error for " << file;
        } catch (const TarvixError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Řádek " + std::string(file == "/dev/zero" ? "1" : "2") + " souboru %\\ \"" +
                          file.string() + "\" %\\ je delší než 16 MB");
        }
        EXPECT_EQ(Vector("A"), (ParserFloatArray{{7, 0}}));
    }
}

TEST_F(DataPumpTest, MissingFileEmptiesTheVector) {
    Store("A", {{7, 0}});
    pump.Run(0, 4, "A", folder / "none.txt");
    EXPECT_FALSE(series.Vectors().HasVector("A"));
}

TEST_F(DataPumpTest, NothingIsStoredWithVectorsOff) {
    series.SetVarAsVector(false);
    WriteBytes(folder / "a.txt", "1\n");
    pump.Run(0, 4, "A", folder / "a.txt");
    EXPECT_FALSE(series.Vectors().HasVector("A"));
}

TEST_F(DataPumpTest, VectorToTextFile) {
    Store("A", {{3, 4}, {1, -2}, {1.0L / 3.0L, 0}});
    pump.Run(4, 0, "A", folder / "b.txt");
    EXPECT_EQ(ReadBytes(folder / "b.txt"), "3\r\n1\r\n0.333333333333333\r\n");
    SetComplex();
    calc.SetImaginaryUnit('j');
    pump.Run(4, 0, "A", folder / "b.txt");
    EXPECT_EQ(ReadBytes(folder / "b.txt"), "3+4j\r\n1-2j\r\n0.333333333333333+0j\r\n");
}

TEST_F(DataPumpTest, ExportThenImportRoundTrips) {
    Store("A", {{-1.25e-7L, 0}, {123456789012345.0L, 0}});
    pump.Run(4, 0, "A", folder / "v.txt");
    pump.Run(0, 4, "B", folder / "v.txt");
    EXPECT_EQ(Vector("B"), Vector("A"));
}

TEST_F(DataPumpTest, WafRecordingIntoAAndB) {
    std::string bytes(2 * kWafBlockSize, '\x80');
    bytes[1] = '\x00';
    bytes[kWafBlockSize + 2] = '\xff';
    WriteBytes(folder / "r.waf", bytes);
    Store("B", {{1, 0}});
    pump.Run(1, 4, "", folder / "r.waf");
    ASSERT_EQ(Vector("A").size(), kWafBlockSize);
    ASSERT_EQ(Vector("B").size(), kWafBlockSize);
    EXPECT_EQ(Vector("A")[0].Re, 0.0L);
    EXPECT_NEAR(double(Vector("A")[1].Re), -0.0512, 1e-15);
    EXPECT_EQ(Vector("B")[2].Re, 508.0L);
    // The follow-up calculation drew channel 1 as a series and left B alone.
    EXPECT_EQ(calc.InputText(), "A");
    EXPECT_EQ(series.Series().ValidPoints, kWafBlockSize);
    EXPECT_EQ(series.Series().Step.Re, kWafStep);
    EXPECT_EQ(Vector("B")[2].Re, 508.0L);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Box, "0");
}

TEST_F(DataPumpTest, WafReadsOnlyItsTwoBlocks) {
    pump.Run(1, 4, "", "/dev/zero");  // endless: only 4096 bytes are read
    ASSERT_EQ(Vector("A").size(), kWafBlockSize);
    EXPECT_NEAR(double(Vector("A")[0].Re), -0.0512, 1e-15);
    EXPECT_EQ(Vector("B")[0].Re, -512.0L);
}

TEST_F(DataPumpTest, ShortWafFileIsAReadError) {
    WriteBytes(folder / "r.waf", std::string(4095, '\x80'));
    EXPECT_ANY_THROW(pump.Run(1, 4, "", folder / "r.waf"));
    EXPECT_FALSE(series.Vectors().HasVector("A"));
}

TEST_F(DataPumpTest, StatisticsColumnsToVector) {
    statistics.Open = true;
    statistics.Cells[0] = {"n", "1", "2", "3", "4"};
    statistics.Cells[1] = {"x", "1", "2,5", "", " "};
    statistics.Cells[2] = {"y", "7", "8", "9", ""};
    pump.Run(2, 4, "A", {});
    EXPECT_EQ(Vector("A"), (ParserFloatArray{{1, 0}, {2.5L, 0}}));  // trailing empty rows skipped
    statistics.Selected = 2;
    pump.Run(3, 4, "B", {});
    EXPECT_EQ(Vector("B").size(), 2u);  // "x-y" off: still the X column
    statistics.Xy = true;
    pump.Run(3, 4, "B", {});
    EXPECT_EQ(Vector("B"), (ParserFloatArray{{7, 0}, {8, 0}, {9, 0}}));
    EXPECT_EQ(statistics.Shown, 3);
}

TEST_F(DataPumpTest, VectorToStatisticsKeepsTheOtherColumn) {
    statistics.Cells[0] = {"n", "1", "2", "3", "4", "5"};
    statistics.Cells[1] = {"x", "a", "b", "c", "d", "e"};
    statistics.Cells[2] = {"y", "p", "q", "r", "s", "t"};
    Store("A", {{1, 0}, {2, 0}, {3, 0}});
    pump.Run(4, 2, "A", {});
    EXPECT_EQ(statistics.RowCount(), 4);
    EXPECT_EQ(statistics.Cells[0], (std::vector<std::string>{"n", "1", "2", "3"}));
    EXPECT_EQ(statistics.Cells[1], (std::vector<std::string>{"x", "1", "2", "3"}));
    EXPECT_EQ(statistics.Cells[2], (std::vector<std::string>{"y", "p", "q", "r"}));
    pump.Run(4, 3, "A", {});
    EXPECT_EQ(statistics.Cells[2], (std::vector<std::string>{"y", "1", "2", "3"}));
}

TEST_F(DataPumpTest, TextFileToStatistics) {
    WriteBytes(folder / "a.txt", "4\n5\n");
    pump.Run(0, 3, "", folder / "a.txt");
    EXPECT_EQ(statistics.Cells[2], (std::vector<std::string>{"y", "4", "5"}));
}

TEST_F(DataPumpTest, ClipboardToVectorAndBack) {
    clipboard.Content = "1\r\n2,5\r\n";
    pump.Run(5, 4, "A", {});
    EXPECT_EQ(Vector("A"), (ParserFloatArray{{1, 0}, {2.5L, 0}}));  // no element for the last break
    clipboard.Content.clear();
    pump.Run(4, 5, "A", {});
    EXPECT_EQ(clipboard.Content, "1\r\n2.5\r\n");
}

TEST_F(DataPumpTest, ClipboardThatDoesNotEvaluate) {
    Store("A", {{7, 0}});
    clipboard.Content = "1\nabc+\n";
    pump.Run(5, 4, "A", {});
    EXPECT_EQ(dialogs.OnlyMessage(), "Syntaktická chyba ve výrazu");
    EXPECT_EQ(dialogs.Messages[0].HelpContext, kTransferHelpContext);
    EXPECT_EQ(Vector("A"), (ParserFloatArray{{7, 0}}));
    EXPECT_TRUE(series.Vectors().TransferName.empty());
}

TEST_F(DataPumpTest, ChartToVector) {
    pump.Run(6, 4, "A", {});
    EXPECT_FALSE(series.Vectors().HasVector("A"));  // no chart window
    chart.Open = true;
    chart.Selected = {1.5L, -2.0L};
    pump.Run(6, 4, "A", {});
    EXPECT_EQ(Vector("A"), (ParserFloatArray{{1.5L, 0}, {-2.0L, 0}}));
}

TEST_F(DataPumpTest, VectorToChart) {
    Store("A", {{4, 1}, {5, 2}, {6, 3}});
    pump.Run(4, 6, "A", {});
    ASSERT_EQ(chart.Added.size(), 1u);
    const CurrentSeries& s = chart.Added[0];
    EXPECT_EQ(s.Rows, 1u);
    EXPECT_EQ(s.Columns, 3u);
    EXPECT_EQ(s.ValidPoints, 3u);
    EXPECT_EQ(s.Start, (ComplexValue{0, 0}));
    EXPECT_EQ(s.Step, (ComplexValue{1, 0}));
    EXPECT_EQ(s.X, (std::vector<long double>{0, 1, 2}));
    EXPECT_EQ(s.Y, (std::vector<long double>{4, 5, 6}));
    SetComplex();
    pump.Run(4, 6, "A", {});
    EXPECT_EQ(chart.Added.size(), 1u);  // no chart in the complex domain
    EXPECT_EQ(series.Series().Re, (std::vector<std::vector<long double>>{{4, 5, 6}}));
    EXPECT_EQ(series.Series().Im, (std::vector<std::vector<long double>>{{1, 2, 3}}));
}

TEST_F(DataPumpTest, UnknownEndpointsShowTheirMessages) {
    Store("A", {{1, 0}});
    pump.Run(9, 5, "A", {});
    pump.Run(4, 1, "A", {});
    EXPECT_EQ(Messages(),
              (std::vector<std::string>{"Neošetřen typ SourceObj v proceduře DataPump",
                                        "Neošetřen typ DestinObj v proceduře DataPump"}));
}

TEST(WafFile, DecodesBothChannels) {
    std::string bytes(4096, '\x80');
    bytes[0] = '\x00';
    bytes[2047] = '\xff';
    bytes[2048] = '\x00';
    const WafChannels c = DecodeWaf(bytes);
    ASSERT_EQ(c.Channel1.size(), 2048u);
    EXPECT_NEAR(double(c.Channel1[0]), -0.0512, 1e-15);
    EXPECT_NEAR(double(c.Channel1[2047]), 0.0508, 1e-15);
    EXPECT_EQ(c.Channel2[0], -512.0L);
    EXPECT_EQ(c.Channel2[1], 0.0L);
    EXPECT_TRUE(DecodeWaf(std::string(4095, 'a')).Channel1.empty());
}

}  // namespace
}  // namespace tarvix::testing
