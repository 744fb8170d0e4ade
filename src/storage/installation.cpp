// The running program's version, executable folder and data folder.
#include "storage/installation.h"

#include <system_error>

namespace tarvix {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

}  // namespace

std::string_view ProgramVersion() { return TARVIX_VERSION; }

fs::path ExecutableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

fs::path ShippedDataFolderFor(const fs::path& programFolder, const fs::path& developmentFolder) {
    if (!programFolder.empty()) {
        const fs::path installed = (programFolder / ".." / "share" / "tarvix").lexically_normal();
        if (IsFolder(installed)) return installed;
    }
    if (IsFolder(developmentFolder)) return developmentFolder.lexically_normal();
    return {};
}

fs::path SourceDataFolder() { return TARVIX_SOURCE_DATA_DIR; }

fs::path ShippedDataFolder() { return ShippedDataFolderFor(ExecutableFolder(), SourceDataFolder()); }

}  // namespace tarvix
