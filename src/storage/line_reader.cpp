// POSIX block reading split into capped lines.
#include "storage/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "storage/text_codec.h"

namespace tarvix {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 16;

class LineReaderCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "tarvix.line_reader"; }
    std::string message(int) const override { return "a line is longer than 16 MB"; }
};

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Opens a file for reading: the descriptor, or −1 with the status and reason
// set. A folder is unreadable; `size` gets a regular file's size.
int OpenForReading(const std::filesystem::path& path, FileReadStatus& status,
                   std::error_code& error, std::uint64_t& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = LastError();
        status = errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        return -1;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        error =
            S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory) : LastError();
        status = FileReadStatus::Unreadable;
        ::close(fd);
        return -1;
    }
    if (S_ISREG(info.st_mode)) size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

// One read, repeated when a signal interrupts it; −1 on an error.
ssize_t ReadBlock(int fd, char* into, std::size_t size) {
    for (;;) {
        const ssize_t count = ::read(fd, into, size);
        if (count >= 0 || errno != EINTR) return count;
    }
}

bool IsAscii(std::string_view bytes) {
    unsigned char any = 0;
    for (char c : bytes) any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

}  // namespace

std::error_code LineTooLongError() {
    static const LineReaderCategory category;
    return {1, category};
}

LineReader::LineReader(const std::filesystem::path& path, std::size_t maxLine) : maxLine_(maxLine) {
    fd_ = OpenForReading(path, openStatus_, error_, size_);
    ownsDescriptor_ = fd_ >= 0;
    finished_ = fd_ < 0;
}

LineReader::LineReader(int descriptor, std::size_t maxLine) : fd_(descriptor), maxLine_(maxLine) {}

LineReader::~LineReader() {
    if (ownsDescriptor_) ::close(fd_);
}

bool LineReader::Fill() {
    if (buffer_.empty()) buffer_.resize(kBlockSize);
    const ssize_t count = ReadBlock(fd_, buffer_.data(), buffer_.size());
    if (count < 0) error_ = LastError();
    pos_ = 0;
    end_ = count > 0 ? static_cast<std::size_t>(count) : 0;
    return count > 0;
}

LineRead LineReader::Next(std::string& line) {
    line.clear();
    if (finished_) return error_ ? LineRead::Failed : LineRead::End;
    bool any = false;  // bytes of this line were seen (an empty line too)
    for (;;) {
        if (pos_ == end_ && !Fill()) {
            finished_ = true;
            if (error_) return LineRead::Failed;
            if (!any) return LineRead::End;
            ++lineNumber_;
            return LineRead::Line;
        }
        any = true;
        const char* begin = buffer_.data() + pos_;
        const char* stop = buffer_.data() + end_;
        const char* found =
            std::find_if(begin, stop, [](char c) { return c == '\n' || c == '\r'; });
        const std::size_t piece = static_cast<std::size_t>(found - begin);
        if (line.size() + piece > maxLine_) {
            ++lineNumber_;
            finished_ = true;
            error_ = LineTooLongError();
            line.clear();
            return LineRead::TooLong;
        }
        line.append(begin, piece);
        consumed_ += piece;
        pos_ += piece;
        if (found == stop) continue;
        ++pos_;
        ++consumed_;
        if (*found == '\r') {
            // CR LF is one line end, also when the LF starts the next block.
            if (pos_ == end_ && !Fill()) finished_ = true;  // an error shows on the next call
            if (pos_ < end_ && buffer_[pos_] == '\n') {
                ++pos_;
                ++consumed_;
            }
        }
        ++lineNumber_;
        return LineRead::Line;
    }
}

LineRead LineReader::NextText(std::string& line) {
    const LineRead result = Next(line);
    if (result != LineRead::Line) return result;
    if (lineNumber_ == 1 && std::string_view(line).starts_with(kUtf8ByteOrderMark)) {
        utf8ByOrderMark_ = true;
        line.erase(0, kUtf8ByteOrderMark.size());
    }
    if (IsAscii(line)) return result;
    line = utf8ByOrderMark_ ? DecodeUtf8Replacing(line) : DecodeText(line);
    return result;
}

FileReadResult ReadTextFile(const std::filesystem::path& path, std::size_t maxLine) {
    FileReadResult result;
    std::uint64_t size = 0;
    const int fd = OpenForReading(path, result.status, result.error, size);
    if (fd < 0) return result;
    result.bytes.reserve(static_cast<std::size_t>(size));
    std::vector<char> buffer(kBlockSize);
    std::size_t lineLength = 0;  // bytes since the last line end
    for (;;) {
        const ssize_t count = ReadBlock(fd, buffer.data(), buffer.size());
        if (count <= 0) {
            if (count < 0) result.error = LastError();
            break;
        }
        for (ssize_t i = 0; i < count; ++i) {
            const char c = buffer[static_cast<std::size_t>(i)];
            lineLength = c == '\n' || c == '\r' ? 0 : lineLength + 1;
            if (lineLength > maxLine) break;
        }
        if (lineLength > maxLine) {
            result.error = LineTooLongError();
            break;
        }
        result.bytes.append(buffer.data(), static_cast<std::size_t>(count));
    }
    ::close(fd);
    if (result.error) {
        result.status = FileReadStatus::Unreadable;
        result.bytes.clear();
        result.bytes.shrink_to_fit();
    }
    return result;
}

}  // namespace tarvix
