// The series file: one line per point (number, X, Y, value by the number
// mask, separated by the column separator), and where the lines go: a file
// written through a temporary file in the same folder and renamed over the
// target when it is closed (also after a stop or an error, so the lines
// written so far are kept), a stream (standard output), or memory (the first
// pass of a parametric run that goes to a stream).
#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/complex_value.h"
#include "series/file_number_mask.h"
#include "storage/line_reader.h"

namespace tarvix {

// How one line is laid out.
struct SeriesLineFormat {
    FileNumberMask Mask;
    char Column = ' ';
    char Decimal = '.';
    char ImaginaryUnit = 'i';
    bool Complex = false;
    bool Numbering = true;
    bool Ordinate = true;
    int NumberDigits = 1;  // zero-padded width of the point number

    // Appends the point number (with its separator) when numbering is on.
    void AppendNumber(std::string& line, std::size_t k) const;
    // Appends a real number by the mask, or a complex one: the real part,
    // then the imaginary part's text with "+" unless it carries a sign, and
    // the unit letter.
    void AppendValue(std::string& line, const ComplexValue& v) const;
    void AppendReal(std::string& line, long double x) const { Mask.AppendSigned(line, x, Decimal); }
};

// Zero-padded width for numbering N points: Trunc(log10 N) + 1.
int NumberingDigits(std::size_t n);

class SeriesFileOutput {
public:
    ~SeriesFileOutput();
    // A file through a temporary file beside it; raises TarvixError (the
    // message pattern `errorPattern` with the file name) when it cannot be
    // created.
    static std::unique_ptr<SeriesFileOutput> ToFile(const std::filesystem::path& path,
                                                    std::string errorPattern);
    static std::unique_ptr<SeriesFileOutput> ToStream(std::ostream& stream);
    static std::unique_ptr<SeriesFileOutput> ToMemory();

    // One line; a file's lines end with CR LF, a stream's with LF.
    void WriteLine(std::string_view line);
    // Flushes and puts the file in place; raises on a write error.
    void Close();

    // The lines kept in memory.
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::filesystem::path& Path() const { return path_; }

private:
    enum class Kind { File, Stream, Memory };
    SeriesFileOutput() = default;
    void Flush();
    [[noreturn]] void Fail();

    Kind kind_ = Kind::Memory;
    std::filesystem::path path_;
    std::filesystem::path temp_;
    std::string errorPattern_;
    std::FILE* file_ = nullptr;
    std::ostream* stream_ = nullptr;
    std::string buffer_;
    std::vector<std::string> lines_;
    bool closed_ = false;
};

// Reads the lines of a series file one by one (CR LF or LF); false at the
// end, and at a line longer than the common cap (the rest is not read).
class SeriesFileReader {
public:
    // An empty reader when the file does not open.
    explicit SeriesFileReader(const std::filesystem::path& path);
    explicit SeriesFileReader(const std::vector<std::string>& lines);
    ~SeriesFileReader();
    bool Next(std::string& line);

private:
    std::unique_ptr<LineReader> file_;
    const std::vector<std::string>* lines_ = nullptr;
    std::size_t index_ = 0;
};

}  // namespace tarvix
