// Loading a profile document from a file and saving it atomically as UTF-8.
#pragma once

#include <filesystem>
#include <system_error>

#include "storage/atomic_file.h"
#include "storage/profile_file.h"

namespace tarvix {

struct ProfileLoadResult {
    FileReadStatus status = FileReadStatus::Ok;
    std::error_code error;  // the system's reason when status is not Ok
    ProfileFile profile;    // empty unless status is Ok

    bool ok() const { return status == FileReadStatus::Ok; }
};

// Reads and parses the whole file (UTF-8, or cp1250 for other bytes). Any
// content parses; a missing or unreadable file is reported, never guessed (a
// line longer than 16 MB makes the file unreadable).
ProfileLoadResult LoadProfileFile(const std::filesystem::path& path);

// Writes the document as UTF-8 through a temporary file renamed over the
// target; on failure the old file stays as it was.
FileWriteResult SaveProfileFile(const std::filesystem::path& path, const ProfileFile& profile);

}  // namespace tarvix
