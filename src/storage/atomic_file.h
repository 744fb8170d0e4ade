// Reading a whole file, and replacing a file atomically: the new contents go to
// a temporary file in the same folder that is renamed over the target, so an
// interrupted or failed write leaves the old file as it was.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tarvix {

enum class FileReadStatus {
    Ok,
    Missing,     // no file at the path
    Unreadable,  // the file exists (or the path is odd) but cannot be read
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Ok;
    std::error_code error;  // the system's reason when status is not Ok
    std::string bytes;      // the whole contents when status is Ok

    bool ok() const { return status == FileReadStatus::Ok; }
};

// The whole contents of a file, or its first `limit` bytes (a binary file of
// a fixed size, whatever the path turns out to be). A folder counts as
// unreadable.
FileReadResult ReadWholeFile(const std::filesystem::path& path,
                             std::size_t limit = static_cast<std::size_t>(-1));

struct FileWriteResult {
    std::error_code error;        // empty on success
    std::string_view failedStep;  // what failed, for a log or a detailed message

    bool ok() const { return !error; }
};

// Writes `bytes` to `path` through a temporary file in the same folder: the
// temporary file is written, flushed to the disk (fsync) and renamed over the
// target. On failure the target is untouched and the temporary file removed.
// A symbolic link is followed, so the link stays and its target is replaced;
// an existing file keeps its permission bits. The folder must exist.
FileWriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tarvix
