// The statistics window's model: computing, imports, exports, the chart and
// the close question, with scripted dialogs, files and chart.
#include "analysis/stat_window.h"

#include <gtest/gtest.h>

#include <fstream>

#include "analysis_test_support.h"
#include "calculator_test_support.h"
#include "temp_folder.h"

namespace tarvix {
namespace {

using testing::Column;
using testing::Pairs;

class StatWindowTest : public ::testing::Test {
protected:
    StatWindowTest() : window(calc) {
        calc.SetDialogs(&dialogs);
        calc.SetClipboard(&clipboard);
        window.SetFiles(&files);
        window.SetChart(&chart);
        window.SetClipboard(&clipboard);
        window.SetClock([] { return std::string("1.1.2026 0:00:00"); });
    }
    std::filesystem::path Write(const char* name, std::string_view text) {
        std::filesystem::path path = folder.path() / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string ReadBack(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    Calculator calc;
    testing::ScriptedDialogs dialogs;
    testing::RecordingClipboard clipboard;
    testing::FakeFiles files;
    testing::FakeChart chart;
    testing::TempFolder folder;
    StatWindow window;
};

TEST_F(StatWindowTest, StartsInEditModeWithOneEmptyRow) {
    EXPECT_EQ(window.Table().RowCount(), 1);
    EXPECT_TRUE(window.Table().EditMode());
    EXPECT_FALSE(window.Table().DataModified());
    EXPECT_EQ(window.Caption(), "Statistická analýza");
    EXPECT_EQ(window.ColumnHeader(1), "Hodnota x");
}

TEST_F(StatWindowTest, ComputeShowsAllTwelveResults) {
    for (const char* v : {"1", "2", "3", "4"}) window.Table().Append(v);
    ASSERT_TRUE(window.Compute());
    const StatPanels& p = *window.Panels();
    const std::array<std::string, kResultRows> expected = {
        "4", "1", "4", "2.5", "2.21336383940064", "2.73861278752583", "1.92", "10", "30",
        "1.25", "1.11803398874989", "0.447213595499958"};
    EXPECT_EQ(p.Y, expected);
    for (const std::string& x : p.X) EXPECT_TRUE(x.empty());
}

TEST_F(StatWindowTest, FaultyCellShowsOneMessageAndNoResults) {
    window.Table().SetRows(Column({"1", "x+", "3"}));
    EXPECT_FALSE(window.Compute());
    EXPECT_EQ(dialogs.OnlyMessage(), "Chybějící data nebo chybný formát dat");
    EXPECT_EQ(dialogs.Messages[0].HelpContext, 13);
    EXPECT_FALSE(window.HasResults());
    EXPECT_EQ(window.Table().CurrentRow(), 1);
}

// A file line nested too deep is reported as such, not as a bad number.
TEST_F(StatWindowTest, ImportOfADeeplyNestedValueSaysSo) {
    const std::string deep = std::string(30000, '(') + "1" + std::string(30000, ')');
    window.ImportFilePath(Write("deep.txt", "2\n" + deep + "\n"));
    EXPECT_EQ(dialogs.OnlyMessage(), "Výraz je příliš zahnízděný");
    EXPECT_EQ(window.Table().Cell(1, 0), "2");
    EXPECT_EQ(window.Table().RowCount(), 1);
    // Two columns: OK skips the line and goes on.
    dialogs.Messages.clear();
    dialogs.Answers = {ModalResult::Ok};
    window.SetRegressionMode(true);
    window.ImportFilePath(Write("deep2.txt", "1;2\n2;" + deep + "\n3;5\n4;7"));
    EXPECT_EQ(dialogs.OnlyMessage(), "Výraz je příliš zahnízděný");
    EXPECT_EQ(window.Table().RowCount(), 3);
}

TEST_F(StatWindowTest, RegressionModeForcesTwoColumnsAndRelabels) {
    window.SetRegressionMode(true);
    EXPECT_TRUE(window.Table().Xy());
    EXPECT_EQ(window.Caption(), "Regresní analýza");
    EXPECT_EQ(window.Labels()[11], "Regresní funkce");
    window.Table().SetRows(Pairs({{"1", "1"}, {"2", "4"}, {"3", "9"}}));
    window.SetModel(RegressionModel::Power);
    EXPECT_EQ(window.XPanelHeader(), "ln(x)");
    EXPECT_EQ(window.YPanelHeader(), "ln(y)");
    ASSERT_TRUE(window.HasResults());
    EXPECT_EQ(window.Panels()->Function, "y = 1*x^(2)");
}

TEST_F(StatWindowTest, RegressionChartDrawsDataAndCurveOverTheXRange) {
    window.SetRegressionMode(true);
    window.Table().SetRows(Pairs({{"3", "9"}, {"1", "1"}, {"2", "4"}}));
    window.SetModel(RegressionModel::Power);
    window.ExportChart();
    ASSERT_EQ(chart.Charts.size(), 1u);
    const AnalysisChart& c = chart.Charts[0];
    ASSERT_EQ(c.Curves.size(), 2u);
    EXPECT_EQ(c.Curves[0].Kind, CurveKind::Points);
    EXPECT_EQ(c.Curves[0].X, (std::vector<long double>{3, 1, 2}));
    const ChartCurve& curve = c.Curves[1];
    ASSERT_EQ(curve.X.size(), 101u);
    EXPECT_EQ(curve.X.front(), 1.0L);  // the smallest x, not the first row's
    EXPECT_EQ(curve.X.back(), 3.0L);
    EXPECT_NEAR(static_cast<double>(curve.Y[50]), 4.0, 1e-12);
    EXPECT_EQ(calc.RegisterAt(BoxId::X).Box, "0");  // the user's X is not touched
}

TEST_F(StatWindowTest, OneColumnChartUsesRowNumbers) {
    window.Table().SetRows(Column({"5", "7", "9"}));
    window.ExportChart();
    ASSERT_EQ(chart.Charts.size(), 1u);
    EXPECT_EQ(chart.Charts[0].Curves[0].X, (std::vector<long double>{1, 2, 3}));
    EXPECT_EQ(chart.Charts[0].Curves[0].Y, (std::vector<long double>{5, 7, 9}));
}

TEST_F(StatWindowTest, FileImportSetsRowsCaptionAndResults) {
    files.Answers.push_back(Write("xy.txt", "1;2\r\n3;4\r\n5\r\n"));
    ASSERT_TRUE(window.ImportFile());
    EXPECT_EQ(window.Table().Rows(), Pairs({{"1", "2"}, {"3", "4"}, {"5", "0"}}));
    EXPECT_TRUE(window.Table().Xy());
    EXPECT_EQ(window.Caption(), "Statistická analýza - xy.txt");
    ASSERT_TRUE(window.HasResults());
    EXPECT_EQ(window.Panels()->X[7], "9");
    EXPECT_TRUE(window.Table().DataModified());
}

TEST_F(StatWindowTest, CancelledOpenDialogChangesNothing) {
    window.Table().SetRows(Column({"1", "2"}));
    EXPECT_FALSE(window.ImportFile());
    EXPECT_EQ(window.Table().RowCount(), 2);
}

TEST_F(StatWindowTest, ExportImportRoundTrip) {
    window.Table().SetXy(true);
    window.Table().SetRows(Pairs({{"1,5", "2"}, {"3", "4"}}));
    const std::filesystem::path path = folder.path() / "out.txt";
    files.Answers.push_back(path);
    ASSERT_TRUE(window.ExportToFile(false));
    EXPECT_EQ(ReadBack(path), "1,5\t2\r\n3\t4\r\n");
    EXPECT_FALSE(window.Table().DataModified());
    StatWindow other(calc);
    other.SetFiles(&files);
    files.Answers.push_back(path);
    ASSERT_TRUE(other.ImportFile());
    EXPECT_EQ(other.Table().Rows(), window.Table().Rows());
    EXPECT_EQ(other.Panels()->X[7], "4.5");
}

TEST_F(StatWindowTest, ExportAsksBeforeOverwriting) {
    const std::filesystem::path path = Write("old.txt", "keep");
    window.Table().SetRows(Column({"1", "2"}));
    files.Answers.push_back(path);
    dialogs.Answers.push_back(ModalResult::No);
    EXPECT_FALSE(window.ExportToFile(false));
    EXPECT_EQ(ReadBack(path), "keep");
    EXPECT_EQ(dialogs.OnlyMessage(), "Soubor \"old.txt\" existuje. \nMá se přepsat?");
}

TEST_F(StatWindowTest, ReportExportUsesTheSelection) {
    for (const char* v : {"1", "2", "3", "4"}) window.Table().Append(v);
    ASSERT_TRUE(window.Compute());
    window.Selection().Items.fill(false);
    window.Selection().Items[ReportSelection::FirstResult] = true;
    const std::filesystem::path path = folder.path() / "report.txt";
    ASSERT_TRUE(window.ExportToPath(path, true));
    EXPECT_EQ(ReadBack(path), "Počet hodnot       : 4\r\n");
}

TEST_F(StatWindowTest, CloseWithYesWhoseSaveIsCancelledKeepsTheWindow) {
    window.Table().Append("1");
    dialogs.Answers.push_back(ModalResult::Yes);
    EXPECT_EQ(window.CloseQuery(), CloseAnswer::KeepOpen);
    EXPECT_EQ(window.Table().Cell(1, 0), "1");
    dialogs.Answers.push_back(ModalResult::No);
    EXPECT_EQ(window.CloseQuery(), CloseAnswer::Close);
    dialogs.Answers.push_back(ModalResult::Cancel);
    EXPECT_EQ(window.CloseQuery(), CloseAnswer::KeepOpen);
}

TEST_F(StatWindowTest, ClipboardImportAndExport) {
    clipboard.Content = "1,5\r\n2\r\n";
    ASSERT_TRUE(window.ImportClipboard());
    EXPECT_EQ(window.Panels()->Y[7], "3.5");
    window.ExportClipboard();
    EXPECT_EQ(clipboard.Content, "1,5\r\n2\r\n");
}

TEST_F(StatWindowTest, SeriesImport) {
    CurrentSeries empty = CurrentSeries::Empty();
    EXPECT_FALSE(window.ImportSeries(empty, false));
    EXPECT_EQ(dialogs.OnlyMessage(), "Vygenerujte datovou řadu");
    CurrentSeries s = CurrentSeries::Empty();
    s.X = {0, 1, 2};
    s.Y = {1, 0.5L, 1.0L / 3};
    s.ValidPoints = 3;
    StatWindowOptions o;
    o.RndData = true;
    o.RndPrecision = 3;
    window.SetOptions(o);
    ASSERT_TRUE(window.ImportSeries(s, false));
    EXPECT_EQ(window.Table().Rows(), Pairs({{"1", ""}, {"0.5", ""}, {"0.333", ""}}));
    window.Table().SetXy(true);
    ASSERT_TRUE(window.ImportSeries(s, false));
    EXPECT_EQ(window.Table().Rows()[2], (StatRow{"2", "0.333"}));
}

// Section StatForm drives the results as the window shows them, for the
// window and for the headless report alike; what the model writes back
// reads again.
TEST_F(StatWindowTest, SettingsRoundTheResultsAndSelectTheReportItems) {
    Settings settings;
    settings.SetBool("StatForm", "RndStatData", true);
    settings.SetInteger("StatForm", "RndPrecision", 3);
    settings.SetBool("StatForm", "DateTime", false);
    settings.SetBool("StatForm", "xyData", true);
    settings.SetInteger("StatForm", "Sections1Width", 240);
    window.ReadSettings(settings);
    EXPECT_EQ(window.PanelWidths().Labels, 240);
    EXPECT_EQ(window.PanelWidths().XPanel, 67);  // the default
    EXPECT_TRUE(window.Options().RndStatData);
    EXPECT_EQ(window.Options().RndPrecision, 3);
    EXPECT_TRUE(window.Table().Xy());
    EXPECT_FALSE(window.Selection().Items[ReportSelection::DateTime]);

    window.Table().SetXy(false);
    for (const char* v : {"1", "2", "3", "4"}) window.Table().Append(v);
    ASSERT_TRUE(window.Compute());
    EXPECT_EQ(window.Panels()->Y[4], "2.21");  // the geometric mean, 2.21336383940064
    EXPECT_EQ(window.Panels()->Y[10], "1.12");

    Settings written;
    window.WriteSettings(written);
    EXPECT_TRUE(written.Bool("StatForm", "RndStatData"));
    EXPECT_EQ(written.Int("StatForm", "RndPrecision"), 3);
    EXPECT_FALSE(written.Bool("StatForm", "DateTime"));
    EXPECT_FALSE(written.Bool("StatForm", "xyData"));
    EXPECT_EQ(written.Int("StatForm", "Sections1Width"), 240);
    EXPECT_EQ(written.Int("StatForm", "xPanelWidth"), 67);
    // Precision 0 (allowed in the file) counts as one digit.
    settings.SetInteger("StatForm", "RndPrecision", 0);
    window.ReadSettings(settings);
    EXPECT_EQ(window.Options().RndPrecision, 1);
}

TEST_F(StatWindowTest, VectorImportIntoSecondColumn) {
    ASSERT_TRUE(window.ImportVector({{1, 0}, {2, 0}}, 2));
    EXPECT_EQ(window.Table().Rows(), Pairs({{"", "1"}, {"", "2"}}));
}

}  // namespace
}  // namespace tarvix
