// Profile files on disk: an older cp1250 file read and written back as UTF-8,
// missing and unreadable files, and a failed save that keeps the old file.
#include "storage/profile_file_io.h"

#include <gtest/gtest.h>

#include <string>

#include "storage/line_reader.h"
#include "storage/text_codec.h"
#include "temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::FolderListing;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(ProfileFileIo, Cp1250FileReadsAndIsWrittenBackAsUtf8) {
    TempFolder folder;
    const fs::path path = folder / "CZECH.lng";
    WriteBytes(path,
               "[Localization]\r\n"
               "Language=CZECH\r\n"
               "[Msg]\r\n"
               "Msg_AskForReset=Vynulovat v\x9A"
               "echny prom\xECnn\xE9?\r\n"
               "Msg_Sample=\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2 \x84\xFApl\x93\r\n");
    ProfileLoadResult loaded = LoadProfileFile(path);
    ASSERT_TRUE(loaded.ok());
    const std::string reset = "Vynulovat v\xC5\xA1\x65\x63hny prom\xC4\x9Bnn\xC3\xA9?";
    const std::string sample =
        "\xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88 "
        "\xE2\x80\x9E\xC3\xBApl\xE2\x80\x9C";
    EXPECT_EQ(loaded.profile.ReadString("LOCALIZATION", "language", ""), "CZECH");
    EXPECT_EQ(loaded.profile.ReadString("Msg", "Msg_AskForReset", ""), reset);
    EXPECT_EQ(loaded.profile.ReadString("Msg", "Msg_Sample", ""), sample);

    loaded.profile.WriteString("Localization", "CountryID", "00420");
    ASSERT_TRUE(SaveProfileFile(path, loaded.profile).ok());
    const std::string saved = ReadBytes(path);
    EXPECT_TRUE(IsValidUtf8(saved));
    EXPECT_EQ(saved.find('\r'), std::string::npos);
    EXPECT_NE(saved.find(sample), std::string::npos);

    ProfileLoadResult again = LoadProfileFile(path);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.profile.ReadString("Msg", "Msg_AskForReset", ""), reset);
    EXPECT_EQ(again.profile.ReadString("Localization", "CountryID", ""), "00420");
}

TEST(ProfileFileIo, MissingAndUnreadableFilesAreReported) {
    TempFolder folder;
    ProfileLoadResult missing = LoadProfileFile(folder / "tarvix.ini");
    EXPECT_EQ(missing.status, FileReadStatus::Missing);
    EXPECT_TRUE(missing.profile.ReadSections().empty());

    ProfileLoadResult folderAsFile = LoadProfileFile(folder.path());
    EXPECT_EQ(folderAsFile.status, FileReadStatus::Unreadable);
    EXPECT_TRUE(folderAsFile.error);
}

TEST(ProfileFileIo, LineTooLongMakesTheFileUnreadable) {
    TempFolder folder;
    std::string bytes = "[Options]\nVarAsVector=1\nX=";
    bytes.append(kMaxLineLength, 'x');
    WriteBytes(folder / "tarvix.ini", bytes);
    ProfileLoadResult load = LoadProfileFile(folder / "tarvix.ini");
    EXPECT_EQ(load.status, FileReadStatus::Unreadable);
    EXPECT_EQ(load.error, LineTooLongError());
    EXPECT_TRUE(load.profile.ReadSections().empty());
    EXPECT_EQ(LoadProfileFile("/dev/zero").error, LineTooLongError());
}

TEST(ProfileFileIo, GarbageFileLoadsWhatItCanRead) {
    TempFolder folder;
    const fs::path path = folder / "data.fx";
    std::string bytes = "[Settings]\nAngleUnit=deg\n";
    for (int i = 0; i < 512; ++i) bytes.push_back(static_cast<char>((i * 37 + 11) & 0xFF));
    bytes += "\n[Expressions]\n0=1+";
    WriteBytes(path, bytes);
    ProfileLoadResult loaded = LoadProfileFile(path);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.profile.ReadString("Settings", "AngleUnit", ""), "deg");
    EXPECT_EQ(loaded.profile.ReadString("Expressions", "0", ""), "1+");
}

TEST(ProfileFileIo, FailedSaveKeepsTheOldFile) {
    TempFolder folder;
    const fs::path path = folder / "data.fx";
    WriteBytes(path, "[Settings]\nAngleUnit=deg\n");
    ProfileFile profile;
    profile.WriteString("Settings", "AngleUnit", "rad");
    // Saving into a folder that does not exist fails before anything is written.
    EXPECT_FALSE(SaveProfileFile(folder / "gone" / "data.fx", profile).ok());
    // A folder standing where the file should go cannot be replaced.
    fs::create_directory(folder / "blocked.fx");
    EXPECT_FALSE(SaveProfileFile(folder / "blocked.fx", profile).ok());
    EXPECT_EQ(ReadBytes(path), "[Settings]\nAngleUnit=deg\n");
    EXPECT_EQ(FolderListing(folder.path()), (std::vector<std::string>{"blocked.fx", "data.fx"}));

    ASSERT_TRUE(SaveProfileFile(path, profile).ok());
    EXPECT_EQ(ReadBytes(path), "[Settings]\nAngleUnit=rad\n");
}

}  // namespace
}  // namespace tarvix
