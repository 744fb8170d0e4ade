// Folder lookup from the environment and creation of missing folders.
#include "storage/xdg_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace tarvix {

namespace fs = std::filesystem;

namespace {

constexpr const char* kProgramFolder = "tarvix";

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string AccountHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry;
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
        return "";
    }
    return found->pw_dir ? found->pw_dir : "";
}

// The base folder named by the variable, else the fallback under the home folder.
fs::path ProgramFolder(const std::string& variable, const XdgEnvironment& environment,
                       const char* fallbackUnderHome) {
    fs::path base(variable);
    if (variable.empty() || !base.is_absolute()) {
        if (environment.home.empty()) return {};
        base = fs::path(environment.home) / fallbackUnderHome;
    }
    return base / kProgramFolder;
}

}  // namespace

XdgEnvironment XdgEnvironment::FromProcess() {
    XdgEnvironment environment{EnvironmentValue("XDG_CONFIG_HOME"),
                               EnvironmentValue("XDG_DATA_HOME"), EnvironmentValue("HOME")};
    if (environment.home.empty()) environment.home = AccountHome();
    return environment;
}

fs::path SettingsFolder(const XdgEnvironment& environment) {
    return ProgramFolder(environment.configHome, environment, ".config");
}

fs::path DataFolder(const XdgEnvironment& environment) {
    return ProgramFolder(environment.dataHome, environment, ".local/share");
}

std::error_code EnsureFolder(const fs::path& folder) {
    if (folder.empty()) return std::make_error_code(std::errc::invalid_argument);
    std::vector<fs::path> missing;
    std::error_code ec;
    for (fs::path p = folder; !p.empty() && !fs::exists(p, ec); p = p.parent_path()) {
        if (ec) return ec;
        missing.push_back(p);
        if (p == p.parent_path()) break;
    }
    if (ec) return ec;
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        fs::create_directory(*it, ec);
        if (ec) return ec;
        fs::permissions(*it, fs::perms::owner_all, ec);
        if (ec) return ec;
    }
    if (!fs::is_directory(folder, ec)) {
        return ec ? ec : std::make_error_code(std::errc::not_a_directory);
    }
    return {};
}

}  // namespace tarvix
