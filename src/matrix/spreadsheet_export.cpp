// The spreadsheet table of the worksheet and its flat OpenDocument and CSV
// texts.
#include "matrix/spreadsheet_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>

#include "calculator/text_trim.h"

namespace tarvix {
namespace {

// A grid's text at table row r (0 the header row) and grid column c (0 the
// row header); outside the grid an empty text.
std::string GridText(const TextGrid& grid, int row, int column) {
    if (row < 0 || row > grid.Rows() || column < 0 || column > grid.Cols()) return {};
    if (row == 0) return column == 0 ? std::string() : grid.ColumnHeader(column);
    if (column == 0) return std::to_string(row);
    return grid.Cell(row, column);
}

// A plain decimal number as the spreadsheet reads it ("1", "-2.5", "1e-3"):
// nothing but the number, finite.
bool IsPlainNumber(std::string_view text, double& value) {
    text = TrimBlanks(text);
    if (text.empty()) return false;
    if (text.front() == '+') text.remove_prefix(1);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

std::string NumberAttribute(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::size_t ColumnCount(const SpreadsheetTable& table) {
    std::size_t columns = 0;
    for (const auto& row : table.Rows) columns = std::max(columns, row.size());
    return columns;
}

}  // namespace

SpreadsheetTable WorksheetTable(const Worksheet& sheet) {
    const TextGrid& left = sheet.LeftGrid();
    const TextGrid& right = sheet.RightGrid();
    SpreadsheetTable table;
    table.SheetName = std::filesystem::path(sheet.FileName()).filename().string();
    const bool equations = sheet.Mode() == WorksheetMode::Equations;
    const int rows = std::max(left.Rows(), right.Rows());
    const int cols = left.Cols();
    for (int r = 0; r <= rows; ++r) {
        std::vector<std::string> line;
        if (equations) {
            for (int c = 0; c < cols; ++c) line.push_back(GridText(left, r, c));
            line.emplace_back();
            line.push_back(GridText(left, r, cols));
            line.emplace_back();
            line.push_back(GridText(right, r, 1));
        } else {
            for (int c = 0; c <= cols; ++c) line.push_back(GridText(left, r, c));
            line.emplace_back();
            for (int c = 1; c <= right.Cols(); ++c) line.push_back(GridText(right, r, c));
        }
        table.Rows.push_back(std::move(line));
    }
    table.Rows[0][0] = sheet.Texts().Text(mxmsg::SpreadsheetCorner);
    return table;
}

SpreadsheetTable GridTable(const TextGrid& grid, const std::string& sheetName,
                           const MatrixMessageTable& texts) {
    SpreadsheetTable table;
    table.SheetName = sheetName;
    for (int r = 0; r <= grid.Rows(); ++r) {
        std::vector<std::string> line;
        for (int c = 0; c <= grid.Cols(); ++c) line.push_back(GridText(grid, r, c));
        table.Rows.push_back(std::move(line));
    }
    table.Rows[0][0] = texts.Text(mxmsg::SpreadsheetCorner);
    return table;
}

std::string XmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&apos;"; break;
            default:
                if (u < 0x20 && ch != '\t' && ch != '\n' && ch != '\r') break;
                out += ch;
        }
    }
    return out;
}

std::string FlatOdsText(const SpreadsheetTable& table) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<office:document xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "office:version=\"1.2\" "
        "office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet\">\n"
        " <office:body>\n"
        "  <office:spreadsheet>\n";
    out += "   <table:table table:name=\"" + XmlEscaped(table.SheetName) + "\">\n";
    const std::size_t columns = ColumnCount(table);
    if (columns > 0)
        out += "    <table:table-column table:number-columns-repeated=\"" +
               std::to_string(columns) + "\"/>\n";
    for (const auto& row : table.Rows) {
        out += "    <table:table-row>\n";
        for (const std::string& cell : row) {
            double value = 0.0;
            if (cell.empty()) {
                out += "     <table:table-cell/>\n";
            } else if (IsPlainNumber(cell, value)) {
                out += "     <table:table-cell office:value-type=\"float\" office:value=\"" +
                       NumberAttribute(value) + "\"><text:p>" + XmlEscaped(cell) +
                       "</text:p></table:table-cell>\n";
            } else {
                out += "     <table:table-cell office:value-type=\"string\"><text:p>" +
                       XmlEscaped(cell) + "</text:p></table:table-cell>\n";
            }
        }
        out += "    </table:table-row>\n";
    }
    out +=
        "   </table:table>\n"
        "  </office:spreadsheet>\n"
        " </office:body>\n"
        "</office:document>\n";
    return out;
}

std::string CsvText(const SpreadsheetTable& table) {
    std::string out;
    for (const auto& row : table.Rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += ',';
            const std::string& cell = row[c];
            if (cell.find_first_of(",\"\r\n") == std::string::npos) {
                out += cell;
                continue;
            }
            out += '"';
            for (const char ch : cell) {
                if (ch == '"') out += '"';
                out += ch;
            }
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace tarvix
