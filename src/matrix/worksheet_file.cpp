// Reading and writing worksheet files.
#include "matrix/worksheet_file.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "calculator/float_mask.h"
#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "storage/text_codec.h"

namespace tarvix {
namespace {

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

std::string_view TrimSpace(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool IsMemoLine(std::string_view line) {
    line = TrimSpace(line);
    return line.size() == 6 && EndsWithNoCase(line, "<memo>");
}

// A size header: a plain integer, or "r\c" with either side possibly empty.
struct Header {
    int Rows = 0;
    int Cols = 0;
    bool HasCols = false;
};

bool ReadCount(std::string_view s, int& value) {
    s = TrimSpace(s);
    value = 0;
    if (s.empty()) return true;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() && value >= 0;
}

std::optional<Header> ReadHeader(std::string_view line) {
    Header h;
    const std::size_t slash = line.find('\\');
    if (slash == std::string_view::npos) {
        if (TrimSpace(line).empty() || !ReadCount(line, h.Rows)) return std::nullopt;
        return h;
    }
    if (!ReadCount(line.substr(0, slash), h.Rows) || !ReadCount(line.substr(slash + 1), h.Cols))
        return std::nullopt;
    h.HasCols = h.Cols > 0;
    return h;
}

// Cells are separated by tabs; a ";" separates them only in a line without a
// tab, so a cell such as "max(1;2)" survives a save and an open.
std::vector<std::string> SplitCells(std::string_view line) {
    std::vector<std::string> cells;
    const char separator = line.find('\t') == std::string_view::npos ? ';' : '\t';
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == '\t' || line[i] == separator) {
            cells.emplace_back(TrimSpace(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return cells;
}

struct BinaryExtension {
    std::string_view Extension;
    WorksheetFileFormat Format;
};

constexpr BinaryExtension kBinaryExtensions[] = {
    {".re4", WorksheetFileFormat::Real4},
    {".re8", WorksheetFileFormat::Real8},
    {".cp4", WorksheetFileFormat::Complex4},
    {".cp8", WorksheetFileFormat::Complex8},
};

std::string_view ExtensionOf(WorksheetFileFormat format) {
    for (const BinaryExtension& e : kBinaryExtensions)
        if (e.Format == format) return e.Extension;
    return ".txt";
}

[[noreturn]] void DimensionError(const MatrixMessageTable& texts) {
    throw EMatrixError(OrderRangeMessage(texts));
}

void Shape(WorksheetFileData& data, int rows, int cols) {
    data.Rows = rows;
    data.Cols = cols;
    data.Cells.resize(static_cast<std::size_t>(rows));
    for (auto& row : data.Cells) row.resize(static_cast<std::size_t>(cols));
}

}  // namespace

std::string OrderRangeMessage(const MatrixMessageTable& texts) {
    return texts.Format(mxmsg::DimensionRange, {std::to_string(kMaxMatrixOrder)});
}

WorksheetFileFormat FileFormatOf(std::string_view path) {
    for (const BinaryExtension& e : kBinaryExtensions)
        if (EndsWithNoCase(path, e.Extension)) return e.Format;
    return WorksheetFileFormat::Text;
}

WorksheetFileData ParseWorksheetText(std::string_view bytes, WorksheetMode current,
                                     const MatrixMessageTable& texts) {
    const std::string text = DecodeText(bytes);
    const std::vector<std::string_view> lines = SplitLines(text);
    WorksheetFileData data;
    data.Mode = current;
    std::size_t at = 0;
    while (at < lines.size() && TrimSpace(lines[at]).empty()) ++at;
    std::optional<Header> header;
    if (at < lines.size() && !IsMemoLine(lines[at])) {
        header = ReadHeader(lines[at]);
        if (header) ++at;
    }
    std::vector<std::vector<std::string>> rows;
    for (; at < lines.size(); ++at) {
        if (IsMemoLine(lines[at])) {
            data.HasMemo = true;
            for (++at; at < lines.size(); ++at) data.Memo.emplace_back(lines[at]);
            break;
        }
        if (TrimSpace(lines[at]).empty()) continue;
        rows.push_back(SplitCells(lines[at]));
    }
    int order = 0;
    int gridRows = 0, gridCols = 0;
    if (header) {
        data.Mode = header->HasCols ? WorksheetMode::Operations : WorksheetMode::Equations;
        order = std::max(header->Rows, header->Cols);
        if (order > kMaxMatrixOrder) DimensionError(texts);
        order = std::max(order, static_cast<int>(rows.size()));
        gridRows = order;
        gridCols = order;
        if (header->HasCols && header->Rows > 0 && header->Rows != header->Cols &&
            static_cast<int>(rows.size()) <= header->Rows) {
            gridRows = header->Rows;
            gridCols = header->Cols;
        }
    } else if (!rows.empty()) {
        order = static_cast<int>(rows.size());
        gridRows = gridCols = order;
    } else {
        // Only an editor text: the order is the number of its equation lines.
        for (const std::string& line : data.Memo) {
            std::string_view s = line;
            s = s.substr(0, std::min(s.find('\''), s.find('<')));
            if (!TrimSpace(s).empty()) ++order;
        }
        gridRows = gridCols = order;
    }
    if (order > kMaxMatrixOrder) DimensionError(texts);
    if (data.Mode == WorksheetMode::Equations) gridCols = gridRows + 1;
    Shape(data, gridRows, gridCols);
    for (int i = 0; i < gridRows && i < static_cast<int>(rows.size()); ++i)
        for (int j = 0; j < gridCols && j < static_cast<int>(rows[i].size()); ++j)
            data.Cells[i][j] = rows[i][j];
    return data;
}

WorksheetFileData ParseWorksheetBinary(std::string_view bytes, WorksheetFileFormat format,
                                       WorksheetMode mode, const FormatOptions& display,
                                       const MatrixMessageTable& texts) {
    const bool complex = format == WorksheetFileFormat::Complex4 || format == WorksheetFileFormat::Complex8;
    const std::size_t width =
        format == WorksheetFileFormat::Real4 || format == WorksheetFileFormat::Complex4 ? 4 : 8;
    const std::size_t elementSize = width * (complex ? 2 : 1);
    const std::size_t count = bytes.size() / elementSize;
    const long n = static_cast<long>(std::floor(std::sqrt(static_cast<long double>(count))));
    if (n < 1 || n > kMaxMatrixOrder) DimensionError(texts);
    const int rows = static_cast<int>(n);
    const int cols = mode == WorksheetMode::Equations ? rows + 1 : rows;
    WorksheetFileData data;
    data.Mode = mode;
    Shape(data, rows, cols);
    auto number = [&](std::size_t offset) -> long double {
        if (width == 4) {
            std::uint32_t bits = 0;
            for (int b = 3; b >= 0; --b) bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + b]);
            return std::bit_cast<float>(bits);
        }
        std::uint64_t bits = 0;
        for (int b = 7; b >= 0; --b) bits = (bits << 8) | static_cast<unsigned char>(bytes[offset + b]);
        return std::bit_cast<double>(bits);
    };
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j) {
            const std::size_t element = static_cast<std::size_t>(i) * cols + j;
            if (element >= count) continue;
            const std::size_t offset = element * elementSize;
            ComplexValue v{number(offset), complex ? number(offset + width) : 0.0L};
            std::string text(TrimBlanks(FormatValueText(v, display)));
            data.Cells[i][j] = text == "0" ? std::string() : text;
        }
    return data;
}

void AppendBinaryValue(std::string& bytes, const ComplexValue& value, WorksheetFileFormat format,
                       const MatrixMessageTable& texts) {
    if (format == WorksheetFileFormat::Text) return;
    const bool complex = format == WorksheetFileFormat::Complex4 || format == WorksheetFileFormat::Complex8;
    const bool single = format == WorksheetFileFormat::Real4 || format == WorksheetFileFormat::Complex4;
    const long double largest = single ? std::numeric_limits<float>::max()
                                       : std::numeric_limits<double>::max();
    auto put = [&](long double v) {
        if (!(std::fabs(v) <= largest)) {
            const FloatMask mask{MaskKind::General, 7};
            throw EMatrixError(texts.Format(
                mxmsg::BinaryRange, {FormatFloat(v, FloatMask{}, '.'), ExtensionOf(format),
                                     FormatFloat(largest, mask, '.')}));
        }
        if (single) {
            const auto bits = std::bit_cast<std::uint32_t>(static_cast<float>(v));
            for (int b = 0; b < 4; ++b) bytes += static_cast<char>((bits >> (8 * b)) & 0xFF);
        } else {
            const auto bits = std::bit_cast<std::uint64_t>(static_cast<double>(v));
            for (int b = 0; b < 8; ++b) bytes += static_cast<char>((bits >> (8 * b)) & 0xFF);
        }
    };
    put(value.Re);
    if (complex) put(value.Im);
}

std::string WorksheetText(const WorksheetFileData& data) {
    std::string out = std::to_string(data.Rows) + "\\";
    if (data.Mode == WorksheetMode::Operations) out += std::to_string(data.Cols);
    out += "\r\n";
    for (const auto& row : data.Cells) {
        for (std::size_t j = 0; j < row.size(); ++j) {
            if (j > 0) out += '\t';
            out += row[j];
        }
        out += "\r\n";
    }
    if (data.HasMemo) {
        out += "<MEMO>\r\n";
        for (const std::string& line : data.Memo) out += line + "\r\n";
    }
    return out;
}

}  // namespace tarvix
