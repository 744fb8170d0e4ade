// The calculation history: the lines of each mode in the window and the
// file, fed through the calculator's history hook; the window collecting only
// while open; clear-on-start against appending; "Vymazat"; the options as
// the settings hold them.
#include "storage/history_log.h"

#include <gtest/gtest.h>

#include "session_test_support.h"
#include "storage/history_hooks.h"
#include "storage/history_settings.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

class HistoryLogTest : public testing::WorkingStateTest {
protected:
    HistoryLogTest() { calc.SetHooks(&recorder); }

    void Use(HistoryMode mode, bool saveHistory) {
        HistoryOptions options = log.Options();
        options.Mode = mode;
        options.SaveHistory = saveHistory;
        log.SetOptions(options);
    }

    fs::path path = folder / "data" / "tarvix.log";
    HistoryLog log{path};
    HistoryHooks recorder{log, calc};
};

TEST_F(HistoryLogTest, EachModeRecordsItsLinesInTheWindowAndTheFile) {
    const struct {
        HistoryMode Mode;
        const char* Input;
        std::vector<std::string> Lines;
    } cases[] = {
        {HistoryMode::Results, "2+3", {"5"}},
        {HistoryMode::Results, "x*3", {"6"}},
        {HistoryMode::ExpressionsResults, "x*3", {"x*3 = 6"}},
        {HistoryMode::ExpressionsResults, " 2 + 3 ", {" 2 + 3  = 5"}},
        {HistoryMode::ExpressionsVariablesResults, "x*3", {"x*3 = 6", " x=2", ""}},
        {HistoryMode::ExpressionsVariablesResults, "x*y+Ans", {"x*y+Ans = 6", " x=2", " y=0", ""}},
    };
    log.SetWindowOpen(true);
    Shown("x=2");
    for (const auto& c : cases) {
        fs::remove(path);
        Use(c.Mode, true);
        log.Clear();  // a fresh file and window
        EXPECT_EQ(Run(c.Input), CalcOutcome::Evaluated) << c.Input;
        EXPECT_EQ(log.WindowLines(), c.Lines) << c.Input;
        std::string file;
        for (const std::string& line : c.Lines) file += line + "\n";
        EXPECT_EQ(ReadBytes(path), file) << c.Input;
    }
    // No variable used: no variable block.
    log.Clear();
    log.Record("2+3", "5", {});
    EXPECT_EQ(log.WindowLines(), std::vector<std::string>{"2+3 = 5"});
    EXPECT_EQ(ReadBytes(path), "2+3 = 5\n");
}

TEST_F(HistoryLogTest, WithoutTheFileTheVariablesGoToTheWindowOnly) {
    Use(HistoryMode::ExpressionsVariablesResults, false);
    log.Start();
    log.SetWindowOpen(true);
    Shown("x=2");
    Shown("x*3");
    EXPECT_EQ(log.WindowLines(), (std::vector<std::string>{"x=2 = 2", "x*3 = 6", " x=2", ""}));
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(HistoryLogTest, TheWindowCollectsOnlyWhileOpen) {
    int changes = 0;
    log.SetChangeHandler([&] { ++changes; });
    Shown("1+1");
    EXPECT_TRUE(log.WindowLines().empty());
    log.SetWindowOpen(true);
    Shown("2+2");
    log.AddWindowLine("from the worksheet");
    EXPECT_EQ(log.WindowLines(), (std::vector<std::string>{"2+2 = 4", "from the worksheet"}));
    EXPECT_EQ(changes, 2);
    log.SetWindowOpen(false);  // closing forgets the text
    EXPECT_TRUE(log.WindowLines().empty());
    log.AddWindowLine("ignored");
    EXPECT_TRUE(log.WindowLines().empty());
}

TEST_F(HistoryLogTest, ClearOnStartEmptiesTheFileElseRunsFollowOneAnother) {
    fs::create_directories(path.parent_path());
    WriteBytes(path, "earlier run\n");
    for (bool clearOnStart : {false, true}) {
        HistoryLog run(path);
        HistoryOptions options = run.Options();
        options.SaveHistory = true;
        options.ClearOnStart = clearOnStart;
        run.SetOptions(options);
        run.Start();
        run.Record("1+1", "2", {});
        run.Record("2+2", "4", {});
    }
    EXPECT_EQ(ReadBytes(path), "1+1 = 2\n2+2 = 4\n");

    HistoryLog appending(path);
    HistoryOptions options = appending.Options();
    options.SaveHistory = true;
    options.ClearOnStart = false;
    appending.SetOptions(options);
    appending.Start();
    appending.Record("3", "3", {});
    EXPECT_EQ(ReadBytes(path), "1+1 = 2\n2+2 = 4\n3 = 3\n");
}

TEST_F(HistoryLogTest, ClearEmptiesTheFileAndKeepsItOpenWhenSaving) {
    Use(HistoryMode::ExpressionsResults, true);
    log.Start();
    log.SetWindowOpen(true);
    Shown("1+1");
    log.Clear();
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_TRUE(log.WindowLines().empty());
    EXPECT_TRUE(log.FileOpen());
    Shown("2+2");
    EXPECT_EQ(ReadBytes(path), "2+2 = 4\n");

    Use(HistoryMode::ExpressionsResults, false);
    EXPECT_FALSE(log.FileOpen());
    log.Clear();  // the file is created anew and closed again
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_FALSE(log.FileOpen());
}

TEST_F(HistoryLogTest, FileErrorsAreIgnoredAndTheWindowGoesOn) {
    fs::create_directories(path);  // a folder where the file should be
    Use(HistoryMode::Results, true);
    log.Start();
    log.SetWindowOpen(true);
    Shown("1+1");
    log.Clear();
    Shown("2+2");
    EXPECT_EQ(log.WindowLines(), std::vector<std::string>{"4"});
}

TEST(HistorySettings, OptionsAndWindowThroughTheSettings) {
    Settings settings;
    HistoryOptions defaults = ReadHistoryOptions(settings);
    EXPECT_EQ(defaults.Mode, HistoryMode::ExpressionsResults);
    EXPECT_FALSE(defaults.SaveHistory);
    EXPECT_TRUE(defaults.ClearOnStart);
    EXPECT_EQ(ReadHistoryWindow(settings).Width, 140);
    EXPECT_EQ(ReadHistoryWindow(settings).FontName, "MS Sans Serif");

    for (HistoryMode mode : {HistoryMode::Results, HistoryMode::ExpressionsResults,
                             HistoryMode::ExpressionsVariablesResults}) {
        HistoryOptions options;
        options.Mode = mode;
        options.SaveHistory = true;
        options.AdjustWindowWidth = false;
        WriteHistoryOptions(options, settings);
        const HistoryOptions back = ReadHistoryOptions(settings);
        EXPECT_EQ(back.Mode, mode);
        EXPECT_TRUE(back.SaveHistory);
        EXPECT_FALSE(back.AdjustWindowWidth);
    }
    // A file that only switches Results on (Expressions_Results stays at its default).
    Settings handMade;
    handMade.SetBool("LogFile", "Results", true);
    EXPECT_EQ(ReadHistoryOptions(handMade).Mode, HistoryMode::Results);

    HistoryWindowState window = ReadHistoryWindow(settings);
    window.Left = -20;
    window.Width = 333;
    window.FontStyle = 5;
    WriteHistoryWindow(window, settings);
    EXPECT_EQ(settings.OptionalInteger("LogForm", "Left"), -20);
    EXPECT_EQ(ReadHistoryWindow(settings).Width, 333);
    EXPECT_EQ(ReadHistoryWindow(settings).FontStyle, 5);
}

}  // namespace
}  // namespace tarvix
