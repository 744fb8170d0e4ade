// Whole-file reads and atomic replacement, including failures in the middle of
// a write that must leave the old file and no temporary file behind.
#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::FolderListing;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(ReadWholeFile, ReadsEveryByte) {
    TempFolder folder;
    const std::string bytes = std::string("a\0b\r\n\xFF", 6) + std::string(200000, 'x');
    WriteBytes(folder / "data.bin", bytes);
    WriteBytes(folder / "empty", "");

    FileReadResult result = ReadWholeFile(folder / "data.bin");
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.bytes, bytes);
    result = ReadWholeFile(folder / "empty");
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.bytes, "");
}

TEST(ReadWholeFile, ReportsMissingAndUnreadable) {
    TempFolder folder;
    FileReadResult missing = ReadWholeFile(folder / "absent.ini");
    EXPECT_EQ(missing.status, FileReadStatus::Missing);
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(missing.ok());

    FileReadResult directory = ReadWholeFile(folder.path());
    EXPECT_EQ(directory.status, FileReadStatus::Unreadable);
    EXPECT_EQ(directory.error, std::errc::is_a_directory);

    WriteBytes(folder / "file", "x");
    FileReadResult underFile = ReadWholeFile(folder / "file" / "inner");
    EXPECT_EQ(underFile.status, FileReadStatus::Unreadable);
    EXPECT_TRUE(underFile.error);
}

TEST(WriteFileAtomically, CreatesAndReplacesWithoutLeftovers) {
    TempFolder folder;
    const fs::path target = folder / "Tarvix.INI";
    ASSERT_TRUE(WriteFileAtomically(target, "first").ok());
    EXPECT_EQ(ReadBytes(target), "first");

    const std::string bytes = std::string("second\0", 7) + std::string(300000, 'y');
    ASSERT_TRUE(WriteFileAtomically(target, bytes).ok());
    EXPECT_EQ(ReadBytes(target), bytes);
    // The name keeps its case, and no temporary file is left.
    EXPECT_EQ(FolderListing(folder.path()), std::vector<std::string>{"Tarvix.INI"});
}

TEST(WriteFileAtomically, KeepsThePermissionsOfTheReplacedFile) {
    TempFolder folder;
    const fs::path target = folder / "settings.ini";
    WriteBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(target, "new").ok());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(WriteFileAtomically, FollowsASymbolicLink) {
    TempFolder folder;
    fs::create_directory(folder / "real");
    WriteBytes(folder / "real" / "tarvix.ini", "old");
    fs::create_symlink(folder / "real" / "tarvix.ini", folder / "link.ini");
    ASSERT_TRUE(WriteFileAtomically(folder / "link.ini", "new").ok());
    EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
    EXPECT_EQ(ReadBytes(folder / "real" / "tarvix.ini"), "new");
    EXPECT_EQ(FolderListing(folder / "real"), std::vector<std::string>{"tarvix.ini"});
}

TEST(WriteFileAtomically, MissingFolderFailsAndCreatesNothing) {
    TempFolder folder;
    FileWriteResult result = WriteFileAtomically(folder / "missing" / "data.fx", "x");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(result.failedStep.empty());
    EXPECT_TRUE(FolderListing(folder.path()).empty());
}

TEST(WriteFileAtomically, FailedRenameLeavesTheTargetAndNoTemporaryFile) {
    TempFolder folder;
    // A folder in the place of the target cannot be replaced by a file.
    fs::create_directory(folder / "data.fx");
    WriteBytes(folder / "data.fx" / "inside", "kept");
    FileWriteResult result = WriteFileAtomically(folder / "data.fx", "new contents");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(ReadBytes(folder / "data.fx" / "inside"), "kept");
    EXPECT_EQ(FolderListing(folder.path()), std::vector<std::string>{"data.fx"});
}

// Limits the size of files this process may write while the object lives; a
// write past the limit fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        applied_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    bool applied() const { return applied_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool applied_ = false;
};

TEST(WriteFileAtomically, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    TempFolder folder;
    const fs::path target = folder / "tarvix.ini";
    WriteBytes(target, "[Settings]\nAngleUnit=deg\n");
    const std::string large(100000, 'z');
    FileWriteResult result;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.applied());
        result = WriteFileAtomically(target, large);
    }
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error.value(), EFBIG);
    EXPECT_EQ(result.failedStep, "write");
    EXPECT_EQ(ReadBytes(target), "[Settings]\nAngleUnit=deg\n");
    EXPECT_EQ(FolderListing(folder.path()), std::vector<std::string>{"tarvix.ini"});
}

}  // namespace
}  // namespace tarvix
