// The worksheet's window placements and recent files written to a settings
// file and read back; defaults without a file; odd window states corrected.
#include "storage/worksheet_settings.h"

#include <gtest/gtest.h>

#include "storage/settings_file.h"
#include "temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

SettingsContext Context() {
    SettingsContext context;
    context.Language = "ENGLISH";
    context.DocumentsFolder = "/home/user/Dokumenty";
    return context;
}

// Saves the settings to a fresh file and loads that file again.
Settings RoundTrip(const TempFolder& folder, const Settings& settings) {
    const fs::path path = folder / "tarvix.ini";
    std::vector<std::string> warnings;
    EXPECT_TRUE(SaveSettingsFile(path, settings, ProfileFile{}, warnings).ok());
    SettingsFileLoad load = LoadSettingsFile(path, Context());
    EXPECT_EQ(load.Status, FileReadStatus::Ok);
    EXPECT_TRUE(load.Warnings.empty());
    return std::move(load.Values);
}

TEST(WorksheetSettings, DefaultsWithoutAFile) {
    const Settings settings(Context(), false);
    const GemFormPlacement gem = ReadGemFormPlacement(settings);
    EXPECT_FALSE(gem.Left);
    EXPECT_FALSE(gem.Top);
    EXPECT_EQ(gem.Width, 650);
    EXPECT_EQ(gem.Width1, 450);
    EXPECT_EQ(gem.RWidth, 120);
    EXPECT_EQ(gem.Height, 271);
    EXPECT_EQ(gem.Height1, 146);
    EXPECT_EQ(gem.WindowState, kWindowNormal);
    const GemVFormPlacement variant = ReadGemVFormPlacement(settings);
    EXPECT_FALSE(variant.Left);
    EXPECT_EQ(variant.Width, 600);
    EXPECT_EQ(variant.Width1, 300);
    EXPECT_EQ(variant.Height, 250);
    EXPECT_EQ(variant.LUpDown, 50);
    EXPECT_EQ(variant.RUpDown, 50);
    EXPECT_TRUE(ReadRecentWorksheets(settings).empty());
}

TEST(WorksheetSettings, PlacementsAndRecentFilesReadBackFromTheFile) {
    TempFolder folder;
    Settings settings(Context(), false);
    const GemFormPlacement gem{.Left = -20, .Top = 35, .Width = 801, .Width1 = 333,
                               .RWidth = 95, .Height = 612, .Height1 = 404,
                               .WindowState = kWindowMaximized};
    const GemVFormPlacement variant{.Left = 140, .Top = 0, .Width = 705, .Width1 = 222,
                                    .Height = 318, .LUpDown = 61, .RUpDown = 77,
                                    .WindowState = kWindowMinimized};
    const std::vector<std::string> recent = {"/home/user/b.txt", "/tmp/a b/matice.re8",
                                             "/home/user/Dokumenty/c.cp4"};
    WriteGemFormPlacement(gem, settings);
    WriteGemVFormPlacement(variant, settings);
    WriteRecentWorksheets(recent, settings);

    const Settings loaded = RoundTrip(folder, settings);
    const GemFormPlacement g = ReadGemFormPlacement(loaded);
    EXPECT_EQ(g.Left, gem.Left);
    EXPECT_EQ(g.Top, gem.Top);
    EXPECT_EQ(g.Width, gem.Width);
    EXPECT_EQ(g.Width1, gem.Width1);
    EXPECT_EQ(g.RWidth, gem.RWidth);
    EXPECT_EQ(g.Height, gem.Height);
    EXPECT_EQ(g.Height1, gem.Height1);
    EXPECT_EQ(g.WindowState, gem.WindowState);
    const GemVFormPlacement v = ReadGemVFormPlacement(loaded);
    EXPECT_EQ(v.Left, variant.Left);
    EXPECT_EQ(v.Top, variant.Top);
    EXPECT_EQ(v.Width, variant.Width);
    EXPECT_EQ(v.Width1, variant.Width1);
    EXPECT_EQ(v.Height, variant.Height);
    EXPECT_EQ(v.LUpDown, variant.LUpDown);
    EXPECT_EQ(v.RUpDown, variant.RUpDown);
    EXPECT_EQ(v.WindowState, variant.WindowState);
    EXPECT_EQ(ReadRecentWorksheets(loaded), recent);
}

TEST(WorksheetSettings, UnknownWindowStateReadsAsNormal) {
    Settings settings(Context(), false);
    settings.SetInteger("GemForm", "WindowState", 7);
    settings.SetInteger("GemVForm", "WindowState", -1);
    EXPECT_EQ(ReadGemFormPlacement(settings).WindowState, kWindowNormal);
    EXPECT_EQ(ReadGemVFormPlacement(settings).WindowState, kWindowNormal);
}

}  // namespace
}  // namespace tarvix
