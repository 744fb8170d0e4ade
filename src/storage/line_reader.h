// Reading text line by line with a cap on the length of a line, so that input
// without line ends (a device such as /dev/zero, a damaged file) ends with a
// message instead of filling the memory. Files and standard input are read the
// same way, in blocks, without holding more than the current line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "storage/atomic_file.h"

namespace tarvix {

// The longest line any reader of the program accepts.
inline constexpr std::size_t kMaxLineLength = std::size_t{16} << 20;  // 16 MB

// The reason given for a line longer than the cap ("line too long"); a file
// read whole with ReadTextFile reports it as an unreadable file.
std::error_code LineTooLongError();

enum class LineRead : std::uint8_t {
    Line,     // a line was read
    End,      // no more lines
    TooLong,  // the line is longer than the cap; the reading ends here
    Failed,   // the system refused to read (Error() says why); the reading ends
};

class LineReader {
public:
    // Opens the file; OpenStatus() says whether that worked (a folder counts
    // as unreadable). Next() on a reader that did not open gives Failed.
    explicit LineReader(const std::filesystem::path& path, std::size_t maxLine = kMaxLineLength);
    // Reads an open descriptor that stays open afterwards (standard input).
    explicit LineReader(int descriptor, std::size_t maxLine = kMaxLineLength);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    FileReadStatus OpenStatus() const { return openStatus_; }
    bool Opened() const { return openStatus_ == FileReadStatus::Ok; }
    // The system's reason of a failed open or read, LineTooLongError() after
    // TooLong.
    const std::error_code& Error() const { return error_; }

    // The next line without its line end, as bytes. CR LF, LF and a lone CR
    // each end a line; a final line without a line end counts, a line end at
    // the very end adds no empty line.
    LineRead Next(std::string& line);
    // The next line as UTF-8 text: a byte order mark opening the input is
    // dropped (and makes the whole input UTF-8, malformed bytes becoming
    // U+FFFD); otherwise a line that is not UTF-8 is read as cp1250.
    LineRead NextText(std::string& line);

    // The number of the line last returned (or of the one too long), from 1.
    std::size_t LineNumber() const { return lineNumber_; }
    // Bytes consumed so far, line ends included (for progress).
    std::uint64_t BytesRead() const { return consumed_; }
    // The size of a regular file, 0 for anything else.
    std::uint64_t Size() const { return size_; }

private:
    bool Fill();  // false at the end of the input or on an error

    int fd_ = -1;
    bool ownsDescriptor_ = false;
    std::size_t maxLine_;
    FileReadStatus openStatus_ = FileReadStatus::Ok;
    std::error_code error_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool finished_ = false;
    std::size_t lineNumber_ = 0;
    std::uint64_t consumed_ = 0;
    std::uint64_t size_ = 0;
    bool utf8ByOrderMark_ = false;
};

// The whole contents of a file as ReadWholeFile gives them, except that a
// line longer than `maxLine` ends the reading: status Unreadable with
// LineTooLongError() as the reason and no bytes.
FileReadResult ReadTextFile(const std::filesystem::path& path,
                            std::size_t maxLine = kMaxLineLength);

}  // namespace tarvix
