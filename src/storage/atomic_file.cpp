// POSIX implementation of the whole-file read and the atomic replace.
#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>

namespace tarvix {

namespace fs = std::filesystem;

namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Closes the descriptor once, keeping the first error.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Returns false when the close itself reports an error (a delayed write error).
    bool Close() {
        if (fd_ < 0) return true;
        int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The file a symbolic link leads to; other paths stay as they are.
fs::path FollowLink(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec)) return path;
    fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

// A new file ".name.tmp-XXXXXXXXXXXXXXXX" next to the target, created exclusively
// with the ordinary permissions (the process umask applies).
int CreateTemporary(const fs::path& target, fs::path& temporary) {
    std::random_device random;
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned long long suffix = (static_cast<unsigned long long>(random()) << 32) ^ random();
        char digits[17];
        for (int i = 15; i >= 0; --i, suffix >>= 4) digits[i] = "0123456789abcdef"[suffix & 15];
        digits[16] = '\0';
        temporary = folder / ("." + target.filename().string() + ".tmp-" + digits);
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes the rename itself durable; a folder that cannot be synced is not an error.
void SyncFolder(const fs::path& target) {
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) ::fsync(fd.get());
}

}  // namespace

FileReadResult ReadWholeFile(const fs::path& path, std::size_t limit) {
    FileReadResult result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        result.error = LastError();
        result.status = errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        return result;
    }
    struct stat info;
    if (::fstat(fd.get(), &info) != 0) {
        result.error = LastError();
    } else if (S_ISDIR(info.st_mode)) {
        result.error = std::make_error_code(std::errc::is_a_directory);
    } else {
        if (S_ISREG(info.st_mode))
            result.bytes.reserve(std::min(limit, static_cast<std::size_t>(info.st_size)));
        char buffer[65536];
        while (result.bytes.size() < limit) {
            const std::size_t wanted = std::min(sizeof buffer, limit - result.bytes.size());
            ssize_t count = ::read(fd.get(), buffer, wanted);
            if (count == 0) break;
            if (count < 0) {
                if (errno == EINTR) continue;
                result.error = LastError();
                break;
            }
            result.bytes.append(buffer, static_cast<std::size_t>(count));
        }
    }
    if (result.error) {
        result.status = FileReadStatus::Unreadable;
        result.bytes.clear();
    }
    return result;
}

FileWriteResult WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path target = FollowLink(path);
    fs::path temporary;
    FileDescriptor fd(CreateTemporary(target, temporary));
    if (!fd.valid()) return {LastError(), "create the temporary file"};

    auto fail = [&](std::string_view step) {
        FileWriteResult result{LastError(), step};
        fd.Close();
        ::unlink(temporary.c_str());
        return result;
    };

    struct stat existing;
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        if (::fchmod(fd.get(), existing.st_mode & 07777) != 0) return fail("copy the permissions");
    }
    if (!WriteAll(fd.get(), bytes)) return fail("write");
    if (::fsync(fd.get()) != 0) return fail("flush to the disk");
    if (!fd.Close()) return fail("close");
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail("rename over the target");
    SyncFolder(target);
    return {};
}

}  // namespace tarvix
