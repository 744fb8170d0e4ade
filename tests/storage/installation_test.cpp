// The installation paths: the data folder next to the executable's bin
// folder wins over the development folder; the executable folder is this
// test's own.
#include "storage/installation.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace tarvix {
namespace {

namespace fs = std::filesystem;

class InstallationTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tarvix_installation_" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "prefix" / "bin");
        fs::create_directories(root_ / "source" / "data");
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path root_;
};

TEST_F(InstallationTest, InstalledDataNextToBinWins) {
    fs::create_directories(root_ / "prefix" / "share" / "tarvix");
    EXPECT_EQ(ShippedDataFolderFor(root_ / "prefix" / "bin", root_ / "source" / "data"),
              root_ / "prefix" / "share" / "tarvix");
}

TEST_F(InstallationTest, DevelopmentFolderWithoutInstalledData) {
    EXPECT_EQ(ShippedDataFolderFor(root_ / "prefix" / "bin", root_ / "source" / "data"),
              root_ / "source" / "data");
    // A file named like the data folder is no folder.
    fs::create_directories(root_ / "prefix" / "share");
    std::FILE* file = std::fopen((root_ / "prefix" / "share" / "tarvix").c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(ShippedDataFolderFor(root_ / "prefix" / "bin", root_ / "source" / "data"),
              root_ / "source" / "data");
}

TEST_F(InstallationTest, NoFolderAtAll) {
    EXPECT_TRUE(ShippedDataFolderFor(root_ / "prefix" / "bin", root_ / "missing").empty());
    EXPECT_TRUE(ShippedDataFolderFor({}, {}).empty());
}

TEST(InstallationPaths, RunningProgram) {
    EXPECT_EQ(ExecutableFolder(), fs::path(TARVIX_TEST_BINARY_DIR));
    // The build tree has no share/tarvix beside it: the source tree's data.
    EXPECT_EQ(ShippedDataFolder(), SourceDataFolder());
    EXPECT_TRUE(fs::is_regular_file(ShippedDataFolder() / "tarvix.exp"));
}

}  // namespace
}  // namespace tarvix
