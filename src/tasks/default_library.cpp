// Copying the shipped library into the user's data folder at first start.
#include "tasks/default_library.h"

#include "engine/name_utils.h"
#include "storage/atomic_file.h"
#include "storage/xdg_paths.h"

namespace tarvix {

std::string_view ShippedLibraryName(std::string_view language) {
    return EqualsNoCase(language, "ENGLISH") ? kShippedEnglishLibrary : kShippedCzechLibrary;
}

std::filesystem::path LibraryFilePath(std::string_view setting,
                                      const std::filesystem::path& userFolder) {
    const std::filesystem::path name(setting.empty() ? kDefaultLibraryFileName : setting);
    return name.has_parent_path() ? name : userFolder / name;
}

LibraryInstallResult InstallDefaultLibrary(const std::filesystem::path& shippedFolder,
                                           const std::filesystem::path& userFolder,
                                           std::string_view language) {
    LibraryInstallResult result;
    result.Path = userFolder / kDefaultLibraryFileName;
    std::error_code error;
    if (std::filesystem::exists(result.Path, error) || error) {
        result.Error = error;
        return result;
    }
    if ((result.Error = EnsureFolder(userFolder))) return result;
    FileReadResult shipped = ReadWholeFile(shippedFolder / ShippedLibraryName(language));
    if (!shipped.ok()) {
        result.Error = shipped.error ? shipped.error
                                     : std::make_error_code(std::errc::no_such_file_or_directory);
        return result;
    }
    FileWriteResult written = WriteFileAtomically(result.Path, shipped.bytes);
    result.Error = written.error;
    result.Copied = written.ok();
    return result;
}

}  // namespace tarvix
