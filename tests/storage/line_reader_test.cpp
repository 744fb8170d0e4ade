// The capped line reader: line ends of every kind (also split between two
// blocks), the cap on a line's length (a device without line ends among
// them), the decoding of text lines, standard input, and whole text files
// read under the same cap.
#include "storage/line_reader.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "temp_folder.h"

namespace tarvix {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

struct Lines {
    std::vector<std::string> Read;
    LineRead Last = LineRead::End;
};

Lines ReadAll(LineReader& reader, bool text = false) {
    Lines lines;
    for (std::string line;;) {
        lines.Last = text ? reader.NextText(line) : reader.Next(line);
        if (lines.Last != LineRead::Line) break;
        lines.Read.push_back(line);
    }
    return lines;
}

TEST(LineReader, SplitsAtEveryKindOfLineEnd) {
    struct Case {
        std::string Bytes;
        std::vector<std::string> Lines;
    };
    const Case cases[] = {
        {"", {}},           {"a", {"a"}},
        {"a\n", {"a"}},     {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"\n\n", {"", ""}}, {"a\r\r\nb\r", {"a", "", "b"}},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        WriteBytes(folder / "lines.txt", c.Bytes);
        LineReader reader(folder / "lines.txt");
        ASSERT_TRUE(reader.Opened());
        const Lines lines = ReadAll(reader);
        EXPECT_EQ(lines.Read, c.Lines) << c.Bytes;
        EXPECT_EQ(lines.Last, LineRead::End);
        EXPECT_EQ(reader.BytesRead(), c.Bytes.size());
        EXPECT_EQ(reader.Size(), c.Bytes.size());
    }
}

TEST(LineReader, KeepsCrLfTogetherAcrossBlocks) {
    // The CR is the last byte of the first 64 KB block, its LF the first of the next.
    const std::string first(65535, 'x');
    TempFolder folder;
    WriteBytes(folder / "split.txt", first + "\r\nsecond\r\n");
    LineReader reader(folder / "split.txt");
    const Lines lines = ReadAll(reader);
    ASSERT_EQ(lines.Read.size(), 2u);
    EXPECT_EQ(lines.Read[0], first);
    EXPECT_EQ(lines.Read[1], "second");
}

TEST(LineReader, EndsAtALineLongerThanTheCap) {
    TempFolder folder;
    WriteBytes(folder / "long.txt", "short\n12345678901\nafter\n");
    LineReader reader(folder / "long.txt", 10);
    const Lines lines = ReadAll(reader);
    EXPECT_EQ(lines.Read, std::vector<std::string>{"short"});
    EXPECT_EQ(lines.Last, LineRead::TooLong);
    EXPECT_EQ(reader.LineNumber(), 2u);
    EXPECT_EQ(reader.Error(), LineTooLongError());
    std::string line;
    EXPECT_NE(reader.Next(line), LineRead::Line);  // the reading stays ended

    WriteBytes(folder / "exact.txt", "1234567890\n");
    LineReader exact(folder / "exact.txt", 10);
    EXPECT_EQ(ReadAll(exact).Read, std::vector<std::string>{"1234567890"});
}

TEST(LineReader, DeviceWithoutLineEndsEndsAtTheCap) {
    LineReader reader(std::filesystem::path("/dev/zero"));
    ASSERT_TRUE(reader.Opened());
    std::string line;
    EXPECT_EQ(reader.Next(line), LineRead::TooLong);
    EXPECT_EQ(reader.LineNumber(), 1u);
    EXPECT_LE(reader.BytesRead(), kMaxLineLength);
}

TEST(LineReader, ReportsFilesThatDoNotOpen) {
    TempFolder folder;
    LineReader missing(folder / "absent.txt");
    EXPECT_EQ(missing.OpenStatus(), FileReadStatus::Missing);
    LineReader directory(folder.path());
    EXPECT_EQ(directory.OpenStatus(), FileReadStatus::Unreadable);
    std::string line;
    EXPECT_EQ(directory.Next(line), LineRead::Failed);
}

TEST(LineReader, DecodesTextLines) {
    TempFolder folder;
    // A UTF-8 line, a cp1250 line ("č" is 0xE8) and ASCII.
    WriteBytes(folder / "mixed.txt", "\xC5\xA1\n\xE8\nabc\n");
    LineReader mixed(folder / "mixed.txt");
    EXPECT_EQ(ReadAll(mixed, true).Read, (std::vector<std::string>{"š", "č", "abc"}));
    // A byte order mark is dropped and makes every line UTF-8.
    WriteBytes(folder / "bom.txt",
               "\xEF\xBB\xBF"
               "a\n\xE8\n");
    LineReader bom(folder / "bom.txt");
    EXPECT_EQ(ReadAll(bom, true).Read, (std::vector<std::string>{"a", "\xEF\xBF\xBD"}));
}

TEST(LineReader, ReadsADescriptorItDoesNotOwn) {
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    std::thread writer([&] {
        const std::string text = "1+1\r\n2*3\n";
        EXPECT_EQ(::write(pipe[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
        ::close(pipe[1]);
    });
    {
        LineReader reader(pipe[0]);
        EXPECT_EQ(ReadAll(reader).Read, (std::vector<std::string>{"1+1", "2*3"}));
        EXPECT_EQ(reader.Size(), 0u);
    }
    writer.join();
    EXPECT_EQ(::close(pipe[0]), 0);  // still open after the reader is gone
}

TEST(ReadTextFile, ReadsEveryByteUnderTheCap) {
    TempFolder folder;
    const std::string bytes = "a\r\nb\rc\n" + std::string(100000, 'x');
    WriteBytes(folder / "text.txt", bytes);
    FileReadResult read = ReadTextFile(folder / "text.txt");
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.bytes, bytes);

    read = ReadTextFile(folder / "text.txt", 99999);
    EXPECT_EQ(read.status, FileReadStatus::Unreadable);
    EXPECT_EQ(read.error, LineTooLongError());
    EXPECT_TRUE(read.bytes.empty());

    EXPECT_EQ(ReadTextFile(folder / "absent").status, FileReadStatus::Missing);
    read = ReadTextFile(std::filesystem::path("/dev/zero"));
    EXPECT_EQ(read.error, LineTooLongError());
}

}  // namespace
}  // namespace tarvix
