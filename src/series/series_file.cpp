// Lines of the series file and their output.
#include "series/series_file.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {
constexpr std::size_t kFlushSize = 1u << 16;
}

void SeriesLineFormat::AppendNumber(std::string& line, std::size_t k) const {
    if (!Numbering) return;
    char buffer[24];
    auto r = std::to_chars(buffer, buffer + sizeof buffer, k);
    for (int pad = NumberDigits - static_cast<int>(r.ptr - buffer); pad > 0; --pad) line += '0';
    line.append(buffer, r.ptr);
    line += Column;
}

void SeriesLineFormat::AppendValue(std::string& line, const ComplexValue& v) const {
    Mask.AppendSigned(line, v.Re, Decimal);
    if (!Complex) return;
    // The imaginary part trimmed, with its sign.
    const std::size_t start = line.size();
    Mask.AppendSigned(line, v.Im, Decimal);
    if (line[start] == ' ') line[start] = '+';
    line += ImaginaryUnit;
}

int NumberingDigits(std::size_t n) {
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}

SeriesFileOutput::~SeriesFileOutput() {
    if (!closed_) {
        try {
            Close();
        } catch (...) {
        }
    }
}

std::unique_ptr<SeriesFileOutput> SeriesFileOutput::ToFile(const std::filesystem::path& path,
                                                           std::string errorPattern) {
    std::unique_ptr<SeriesFileOutput> out(new SeriesFileOutput);
    out->kind_ = Kind::File;
    out->path_ = path;
    out->errorPattern_ = std::move(errorPattern);
    out->temp_ = path;
    out->temp_ += ".part";
    out->file_ = std::fopen(out->temp_.c_str(), "wb");
    if (!out->file_) {
        out->closed_ = true;
        out->Fail();
    }
    out->buffer_.reserve(kFlushSize + 1024);
    return out;
}

std::unique_ptr<SeriesFileOutput> SeriesFileOutput::ToStream(std::ostream& stream) {
    std::unique_ptr<SeriesFileOutput> out(new SeriesFileOutput);
    out->kind_ = Kind::Stream;
    out->stream_ = &stream;
    return out;
}

std::unique_ptr<SeriesFileOutput> SeriesFileOutput::ToMemory() {
    return std::unique_ptr<SeriesFileOutput>(new SeriesFileOutput);
}

void SeriesFileOutput::Fail() {
    throw TarvixError(FormatMessageText(errorPattern_, {path_.string()}));
}

void SeriesFileOutput::WriteLine(std::string_view line) {
    switch (kind_) {
        case Kind::Memory:
            lines_.emplace_back(line);
            return;
        case Kind::Stream:
            *stream_ << line << '\n';
            return;
        case Kind::File:
            buffer_ += line;
            buffer_ += "\r\n";
            if (buffer_.size() >= kFlushSize) Flush();
            return;
    }
}

void SeriesFileOutput::Flush() {
    if (buffer_.empty()) return;
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) Fail();
    buffer_.clear();
}

void SeriesFileOutput::Close() {
    if (closed_) return;
    closed_ = true;
    if (kind_ == Kind::Stream) {
        stream_->flush();
        return;
    }
    if (kind_ != Kind::File) return;
    bool ok = true;
    try {
        Flush();
    } catch (...) {
        ok = false;
    }
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    std::error_code ec;
    if (ok) std::filesystem::rename(temp_, path_, ec);
    if (!ok || ec) {
        std::filesystem::remove(temp_, ec);
        Fail();
    }
}

SeriesFileReader::SeriesFileReader(const std::filesystem::path& path)
    : file_(std::make_unique<LineReader>(path)) {}

SeriesFileReader::SeriesFileReader(const std::vector<std::string>& lines) : lines_(&lines) {}

SeriesFileReader::~SeriesFileReader() = default;

bool SeriesFileReader::Next(std::string& line) {
    line.clear();
    if (lines_) {
        if (index_ >= lines_->size()) return false;
        line = (*lines_)[index_++];
        return true;
    }
    return file_ && file_->Opened() && file_->Next(line) == LineRead::Line;
}

}  // namespace tarvix
