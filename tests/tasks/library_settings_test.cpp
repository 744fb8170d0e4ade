// The library window's and the search window's settings: defaults without a
// file, and every value written to a settings file and read back.
#include "tasks/library_settings.h"

#include <gtest/gtest.h>

#include "scratch_folder.h"
#include "storage/settings_file.h"

namespace tarvix {
namespace {

TEST(LibrarySettings, DefaultsWithoutAFile) {
    const Settings settings(SettingsContext{}, false);
    const ExprFormSettings e = ReadExprFormSettings(settings);
    EXPECT_FALSE(e.Left);
    EXPECT_FALSE(e.Top);
    EXPECT_EQ(e.Width, 660);
    EXPECT_EQ(e.Height, 330);
    EXPECT_EQ(e.Height1, 156);
    EXPECT_EQ(e.Width0, 200);
    EXPECT_EQ(e.Width1, 200);
    EXPECT_EQ(e.Width2, 200);
    EXPECT_EQ(e.FontName, "Fixedsys");
    EXPECT_EQ(e.FontSize, 10);
    EXPECT_EQ(e.LibraryFileName, "tarvix.exp");
    EXPECT_EQ(e.ComboWidth, 162);
    EXPECT_TRUE(e.SelectedTreeNode.empty());
    const FindFormSettings f = ReadFindFormSettings(settings);
    EXPECT_FALSE(f.Left);
    EXPECT_EQ(f.Width, 400);
    EXPECT_EQ(f.Width0, 160);
    EXPECT_EQ(f.Height, 300);
    EXPECT_TRUE(ReadFindHistory(settings).empty());
    EXPECT_EQ(FindHistoryLimit(settings), 20);
}

TEST(LibrarySettings, EveryValueReadsBackFromTheFile) {
    Settings settings(SettingsContext{}, false);
    const ExprFormSettings expr{.Left = -30, .Top = 44, .Width = 901, .Width0 = 123,
                                .Width1 = 321, .Width2 = 77, .Height = 512, .Height1 = 222,
                                .WindowState = 2, .FontName = "DejaVu Sans Mono",
                                .FontSize = 13, .FontStyle = 5,
                                .SelectedTreeNode = "Kruh a válec", .SelectedGridRow = 3,
                                .TopGridRow = 1, .LibraryFileName = "/data/moje knihovna.exp",
                                .ComboWidth = 190};
    const FindFormSettings find{.Left = 10, .Top = 20, .Width = 450, .Width0 = 99,
                                .Height = 280, .WindowState = 1};
    const std::vector<std::string> history = {"válec", "obsah kruhu", "R"};
    WriteExprFormSettings(expr, settings);
    WriteFindFormSettings(find, settings);
    WriteFindHistory(history, settings);

    const std::filesystem::path path = ScratchFolder() / "tarvix.ini";
    std::vector<std::string> warnings;
    ASSERT_TRUE(SaveSettingsFile(path, settings, ProfileFile{}, warnings).ok());
    const SettingsFileLoad load = LoadSettingsFile(path, SettingsContext{});
    ASSERT_EQ(load.Status, FileReadStatus::Ok);
    EXPECT_TRUE(load.Warnings.empty());

    const ExprFormSettings e = ReadExprFormSettings(load.Values);
    EXPECT_EQ(e.Left, expr.Left);
    EXPECT_EQ(e.Top, expr.Top);
    EXPECT_EQ(e.Width, expr.Width);
    EXPECT_EQ(e.Width0, expr.Width0);
    EXPECT_EQ(e.Width1, expr.Width1);
    EXPECT_EQ(e.Width2, expr.Width2);
    EXPECT_EQ(e.Height, expr.Height);
    EXPECT_EQ(e.Height1, expr.Height1);
    EXPECT_EQ(e.WindowState, expr.WindowState);
    EXPECT_EQ(e.FontName, expr.FontName);
    EXPECT_EQ(e.FontSize, expr.FontSize);
    EXPECT_EQ(e.FontStyle, expr.FontStyle);
    EXPECT_EQ(e.SelectedTreeNode, expr.SelectedTreeNode);
    EXPECT_EQ(e.SelectedGridRow, expr.SelectedGridRow);
    EXPECT_EQ(e.TopGridRow, expr.TopGridRow);
    EXPECT_EQ(e.LibraryFileName, expr.LibraryFileName);
    EXPECT_EQ(e.ComboWidth, expr.ComboWidth);
    const FindFormSettings f = ReadFindFormSettings(load.Values);
    EXPECT_EQ(f.Left, find.Left);
    EXPECT_EQ(f.Top, find.Top);
    EXPECT_EQ(f.Width, find.Width);
    EXPECT_EQ(f.Width0, find.Width0);
    EXPECT_EQ(f.Height, find.Height);
    EXPECT_EQ(f.WindowState, find.WindowState);
    EXPECT_EQ(ReadFindHistory(load.Values), history);
}

}  // namespace
}  // namespace tarvix
