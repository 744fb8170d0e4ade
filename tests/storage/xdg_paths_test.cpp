// The settings and data folders from the environment, and their creation.
#include "storage/xdg_paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteBytes;

TEST(XdgPaths, FoldersFromTheEnvironment) {
    struct Case {
        XdgEnvironment environment;
        std::string settings;
        std::string data;
    };
    const Case cases[] = {
        {{"", "", "/home/Jana"}, "/home/Jana/.config/tarvix", "/home/Jana/.local/share/tarvix"},
        {{"/Cfg/X", "/Data/Y", "/home/u"}, "/Cfg/X/tarvix", "/Data/Y/tarvix"},
        // Relative values are not valid base folders and are ignored.
        {{"cfg", "share", "/home/u"}, "/home/u/.config/tarvix", "/home/u/.local/share/tarvix"},
        {{"/etc/xdg", "", ""}, "/etc/xdg/tarvix", ""},
        {{"", "", ""}, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SettingsFolder(c.environment), fs::path(c.settings)) << c.settings;
        EXPECT_EQ(DataFolder(c.environment), fs::path(c.data)) << c.data;
    }
}

// Sets an environment variable for the lifetime of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = ::getenv(name)) saved_ = old;
        ::setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (saved_) {
            ::setenv(name_, saved_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(XdgPaths, ProcessEnvironmentIsRead) {
    ScopedVariable config("XDG_CONFIG_HOME", "/tmp/Config Home");
    ScopedVariable data("XDG_DATA_HOME", "/tmp/Data Home");
    ScopedVariable home("HOME", "/tmp/Home");
    XdgEnvironment environment = XdgEnvironment::FromProcess();
    EXPECT_EQ(environment.configHome, "/tmp/Config Home");
    EXPECT_EQ(environment.dataHome, "/tmp/Data Home");
    EXPECT_EQ(environment.home, "/tmp/Home");
}

TEST(XdgPaths, HomeFallsBackToTheAccount) {
    ScopedVariable home("HOME", "");
    EXPECT_FALSE(XdgEnvironment::FromProcess().home.empty());
}

TEST(XdgPaths, EnsureFolderCreatesMissingFoldersPrivately) {
    TempFolder folder;
    const fs::path settings = folder / "Config" / "tarvix";
    EXPECT_FALSE(EnsureFolder(settings));
    EXPECT_TRUE(fs::is_directory(settings));
    EXPECT_EQ(fs::status(settings).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(fs::status(folder / "Config").permissions() & fs::perms::all, fs::perms::owner_all);

    // An existing folder is accepted as it is.
    fs::permissions(settings, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    EXPECT_FALSE(EnsureFolder(settings));
    EXPECT_EQ(fs::status(settings).permissions() & fs::perms::all,
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

TEST(XdgPaths, EnsureFolderReportsFailures) {
    TempFolder folder;
    WriteBytes(folder / "file", "x");
    EXPECT_EQ(EnsureFolder(folder / "file"), std::errc::not_a_directory);
    EXPECT_TRUE(EnsureFolder(folder / "file" / "below"));
    EXPECT_EQ(EnsureFolder(""), std::errc::invalid_argument);
}

}  // namespace
}  // namespace tarvix
