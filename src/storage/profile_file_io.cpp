// Profile documents to and from files.
#include "storage/profile_file_io.h"

#include "storage/line_reader.h"

namespace tarvix {

ProfileLoadResult LoadProfileFile(const std::filesystem::path& path) {
    FileReadResult file = ReadTextFile(path);
    ProfileLoadResult result{file.status, file.error, {}};
    if (file.ok()) result.profile = ProfileFile::FromBytes(file.bytes);
    return result;
}

FileWriteResult SaveProfileFile(const std::filesystem::path& path, const ProfileFile& profile) {
    return WriteFileAtomically(path, profile.ToText());
}

}  // namespace tarvix
