// Reading and writing the expression library file.
#include "tasks/library_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "storage/text_codec.h"
#include "tasks/library_text.h"

namespace tarvix {
namespace {

constexpr char kTreeEnd = '\0';
constexpr char kRecordEnd = '\x01';
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRowEnd = "\r\n\r\n";
constexpr std::string_view kEmptyCell = " ";

// The cells of one row as they stand in the file.
using RawRow = std::array<std::string_view, 3>;

std::vector<RawRow> SplitRecord(std::string_view record) {
    std::vector<RawRow> rows;
    while (!record.empty()) {
        const std::size_t end = record.find(kRowEnd);
        std::string_view rowText = record.substr(0, end);
        record = end == std::string_view::npos ? std::string_view{} : record.substr(end + kRowEnd.size());
        RawRow row{};
        for (std::string_view& cell : row) {
            const std::size_t cellEnd = rowText.find(kLineEnd);
            cell = rowText.substr(0, cellEnd);
            if (cellEnd == std::string_view::npos) break;
            rowText.remove_prefix(cellEnd + kLineEnd.size());
        }
        rows.push_back(row);
    }
    return rows;
}

// Whether bytes are UTF-8, the explanation's line-break codes 0xFF and 0xFE
// allowed where `breakCodes` says.
bool IsUtf8(std::string_view bytes, bool breakCodes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[pos]);
        if (byte < 0x80 || (breakCodes && byte >= 0xFE)) {
            ++pos;
            continue;
        }
        const std::size_t length = Utf8SequenceLength(bytes, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

std::string CellText(std::string_view raw, LibraryCell cell, bool legacy) {
    if (raw == kEmptyCell) return {};
    if (cell == LibraryCell::Explanation) {
        std::string lines = DecodeExplanation(raw);
        return legacy ? DecodeLegacyText(lines, true) : lines;
    }
    std::string line = CleanLineCell(raw);
    return legacy ? DecodeLegacyText(line, false) : line;
}

std::string NameText(std::string_view raw, bool legacy) {
    std::string name = CleanCategoryName(raw);
    return legacy ? DecodeLegacyText(name, false) : name;
}

void AppendCell(std::string& out, std::string_view text) {
    out += text.empty() ? kEmptyCell : text;
    out += kLineEnd;
}

void AppendTreeLines(std::string& out, const std::vector<std::unique_ptr<LibraryNode>>& nodes,
                     int depth) {
    for (const auto& node : nodes) {
        out.append(static_cast<std::size_t>(depth), '\t');
        out += CleanCategoryName(node->Name);
        out += kLineEnd;
        AppendTreeLines(out, node->Children(), depth + 1);
    }
}

}  // namespace

LibraryReadResult ParseLibrary(std::string_view bytes) {
    LibraryReadResult result;
    const std::size_t treeEnd = bytes.find(kTreeEnd);
    if (treeEnd == std::string_view::npos) {
        result.Status = LibraryReadStatus::NoTreeEnd;
        return result;
    }
    const std::string_view treePart = bytes.substr(0, treeEnd);
    const std::vector<std::string_view> lines = SplitLines(treePart);

    // One record per category; the rest of the data part is ignored.
    std::string_view data = bytes.substr(treeEnd + 1);
    std::vector<std::string_view> records;
    records.reserve(lines.size());
    while (records.size() < lines.size()) {
        const std::size_t end = data.find(kRecordEnd);
        if (end == std::string_view::npos) break;
        records.push_back(data.substr(0, end));
        data.remove_prefix(end + 1);
    }
    const std::size_t usedData = static_cast<std::size_t>(data.data() - (bytes.data() + treeEnd + 1));

    result.Legacy =
        !IsUtf8(treePart, false) || !IsUtf8(bytes.substr(treeEnd + 1, usedData), true);
    const bool legacy = result.Legacy;

    // The last category at each depth: a line's parent is the one a level up.
    std::vector<LibraryNode*> path;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        const std::size_t tabs = std::min(line.find_first_not_of('\t'), line.size());
        const std::size_t depth = std::min(tabs, path.size());
        auto node = std::make_unique<LibraryNode>();
        node->Name = NameText(line.substr(tabs), legacy);
        if (i < records.size()) {
            for (const RawRow& raw : SplitRecord(records[i])) {
                LibraryRow& row = node->Rows.emplace_back();
                for (LibraryCell cell :
                     {LibraryCell::Explanation, LibraryCell::Comment, LibraryCell::Expression}) {
                    row.Cell(cell) = CellText(raw[static_cast<std::size_t>(cell)], cell, legacy);
                }
            }
        }
        path.resize(depth);
        path.push_back(result.Tree.Append(depth == 0 ? nullptr : path[depth - 1], std::move(node)));
    }
    return result;
}

std::string LibraryBytes(const LibraryTree& tree) {
    std::string out;
    AppendTreeLines(out, tree.TopLevel(), 0);
    out += kTreeEnd;
    tree.ForEach([&out](const LibraryNode& node) {
        for (const LibraryRow& row : node.Rows) {
            AppendCell(out, EncodeExplanation(row.Explanation));
            AppendCell(out, CleanLineCell(row.Comment));
            AppendCell(out, CleanLineCell(row.Expression));
            out += kLineEnd;
        }
        out += kRecordEnd;
    });
    return out;
}

bool DropEmptyRows(LibraryTree& tree) {
    bool dropped = false;
    tree.ForEach([&dropped](LibraryNode& node) {
        if (node.Rows.size() < 2) return;
        const std::size_t before = node.Rows.size();
        std::erase_if(node.Rows, [](const LibraryRow& row) { return row == LibraryRow{}; });
        if (node.Rows.empty()) node.Rows.emplace_back();
        dropped = dropped || node.Rows.size() != before;
    });
    return dropped;
}

LibraryReadResult ReadLibraryFile(const std::filesystem::path& path) {
    FileReadResult file = ReadWholeFile(path);
    if (!file.ok()) {
        LibraryReadResult result;
        result.Status = file.status == FileReadStatus::Missing ? LibraryReadStatus::Missing
                                                               : LibraryReadStatus::Unreadable;
        return result;
    }
    return ParseLibrary(file.bytes);
}

FileWriteResult WriteLibraryFile(const std::filesystem::path& path, const LibraryTree& tree) {
    return WriteFileAtomically(path, LibraryBytes(tree));
}

}  // namespace tarvix
