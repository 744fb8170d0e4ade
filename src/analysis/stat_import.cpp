// The text import of the statistics table.
#include "analysis/stat_import.h"

#include "storage/text_codec.h"

namespace tarvix {
namespace {

std::string_view TrimLine(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

char SeparatorOf(std::string_view line) {
    if (line.find('\t') != std::string_view::npos) return '\t';
    if (line.find(';') != std::string_view::npos) return ';';
    if (line.find(' ') != std::string_view::npos) return ' ';
    return 0;
}

}  // namespace

ImportResult ReadImportText(std::string_view text, bool regression, int column,
                            CellReader& reader, const ImportAsk& ask,
                            const ImportProgress& progress) {
    ImportResult result;
    std::vector<std::string_view> lines = SplitLines(text);
    const std::size_t total = lines.size();
    char separator = 0;
    int lastPercent = -1;
    for (std::size_t i = 0; i < total; ++i) {
        if (progress) {
            const int percent = static_cast<int>(((i + 1) * 50 + total / 2) / total);
            if (percent != lastPercent) progress(lastPercent = percent);
        }
        const std::string_view line = TrimLine(lines[i]);
        if (line.empty()) continue;
        if (char found = SeparatorOf(line)) separator = found;
        if (separator == 0 && regression) {
            if (!ask(ImportQuestion{ImportProblem::UnknownSeparator, i + 1, std::string(line)})) {
                result.Cancelled = true;
                break;
            }
            continue;
        }
        result.Xy = separator != 0;
        if (!result.Xy) {
            if (!reader.IsValue(line)) {
                ask(ImportQuestion{ImportProblem::BadValue, i + 1, std::string(line), true});
                break;
            }
            StatRow row;
            (column == 2 ? row.Y : row.X) = std::string(line);
            result.Rows.push_back(std::move(row));
            continue;
        }
        const std::size_t cut = line.find(separator);
        std::string_view x = line.substr(0, cut);
        std::string_view rest =
            cut == std::string_view::npos ? std::string_view{} : line.substr(cut + 1);
        while (!rest.empty() && rest.front() == separator) rest.remove_prefix(1);
        std::string_view y = rest.empty() ? std::string_view("0") : rest.substr(0, rest.find(separator));
        x = TrimLine(x);
        y = TrimLine(y);
        const bool xOk = reader.IsValue(x) && !x.empty();
        if (!xOk || !reader.IsValue(y) || y.empty()) {
            std::string bad(xOk ? y : x);
            if (!ask(ImportQuestion{ImportProblem::BadValue, i + 1, std::move(bad)})) {
                result.Cancelled = true;
                break;
            }
            continue;
        }
        result.Rows.push_back(StatRow{std::string(x), std::string(y)});
    }
    return result;
}

}  // namespace tarvix
