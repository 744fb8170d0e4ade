// The text import of the statistics table.
#include "analysis/stat_import.h"

#include <algorithm>

#include "storage/line_reader.h"
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

// A plain number is a value without asking the evaluator.
bool IsValue(std::string_view text, CellReader& reader) {
    return !text.empty() && (StatCell::Decimal(text) || reader.IsValue(text));
}

// The rows of the lines given one by one.
class ImportLines {
public:
    ImportLines(bool regression, int column, CellReader& reader, const ImportAsk& ask)
        : regression_(regression), column_(column), reader_(reader), ask_(ask) {}

    // False when the reading ends with this line.
    bool Line(std::string_view raw, std::size_t number) {
        const std::string_view line = TrimLine(raw);
        if (line.empty()) return true;
        const char own = SeparatorOf(line);
        if (own != 0) separator_ = own;
        if (own == 0 && regression_) {
            // A regression row needs both values: a line without a separator
            // of its own is no pair, whatever the lines before it used.
            if (ask_(ImportQuestion{ImportProblem::UnknownSeparator, number, std::string(line)}))
                return true;
            result_.Cancelled = true;
            return false;
        }
        result_.Xy = separator_ != 0;
        if (!result_.Xy) {
            if (!IsValue(line, reader_)) {
                ask_(ImportQuestion{BadValue(line), number, std::string(line), true});
                return false;
            }
            if (column_ == 2)
                result_.Rows.Append({}, line);
            else
                result_.Rows.Append(line, {});
            return true;
        }
        const std::size_t cut = line.find(separator_);
        std::string_view x = line.substr(0, cut);
        std::string_view rest =
            cut == std::string_view::npos ? std::string_view{} : line.substr(cut + 1);
        while (!rest.empty() && rest.front() == separator_) rest.remove_prefix(1);
        std::string_view y =
            rest.empty() ? std::string_view("0") : rest.substr(0, rest.find(separator_));
        x = TrimLine(x);
        y = TrimLine(y);
        const bool xOk = IsValue(x, reader_);
        if (!xOk || !IsValue(y, reader_)) {
            const std::string_view refused = xOk ? y : x;
            if (ask_(ImportQuestion{BadValue(refused), number, std::string(refused)}))
                return true;
            result_.Cancelled = true;
            return false;
        }
        result_.Rows.Append(x, y);
        return true;
    }

    ImportResult& Result() { return result_; }

private:
    // The kind of the value just refused (an empty one never reached the reader).
    ImportProblem BadValue(std::string_view refused) const {
        return !refused.empty() && reader_.TooDeep() ? ImportProblem::TooDeep
                                                     : ImportProblem::BadValue;
    }

    bool regression_;
    int column_;
    CellReader& reader_;
    const ImportAsk& ask_;
    char separator_ = 0;
    ImportResult result_;
};

// Reports a percentage 0 … 50 when it changes.
class HalfProgress {
public:
    explicit HalfProgress(const ImportProgress& progress) : progress_(progress) {}
    void Show(std::uint64_t done, std::uint64_t total) {
        if (!progress_ || total == 0) return;
        const int percent = static_cast<int>((done * 50 + total / 2) / total);
        if (percent != last_) progress_(last_ = percent);
    }

private:
    const ImportProgress& progress_;
    int last_ = -1;
};

}  // namespace

ImportResult ReadImportText(std::string_view text, bool regression, int column, CellReader& reader,
                            const ImportAsk& ask, const ImportProgress& progress) {
    ImportLines lines(regression, column, reader, ask);
    const std::vector<std::string_view> split = SplitLines(text);
    HalfProgress shown(progress);
    for (std::size_t i = 0; i < split.size(); ++i) {
        shown.Show(i + 1, split.size());
        if (!lines.Line(split[i], i + 1)) break;
    }
    return std::move(lines.Result());
}

ImportResult ReadImportFile(const std::filesystem::path& path, bool regression, int column,
                            CellReader& reader, const ImportAsk& ask,
                            const ImportProgress& progress) {
    LineReader file(path);
    ImportLines lines(regression, column, reader, ask);
    ImportResult& result = lines.Result();
    if (!file.Opened()) {
        result.FileError = ImportFileError::Unreadable;
        result.ReadError = file.Error();
        return std::move(result);
    }
    // Room for the rows a file of short lines holds: only what they fill
    // is ever touched.
    constexpr std::uint64_t kBytesPerRow = 4;
    constexpr std::uint64_t kMostRowsReserved = std::uint64_t{1} << 26;
    result.Rows.Reserve(
        static_cast<std::size_t>(std::min(file.Size() / kBytesPerRow, kMostRowsReserved)));
    HalfProgress shown(progress);
    LineRead read;
    for (std::string line; (read = file.NextText(line)) == LineRead::Line;) {
        shown.Show(file.BytesRead(), file.Size());
        if (!lines.Line(line, file.LineNumber())) break;
    }
    if (read == LineRead::TooLong || read == LineRead::Failed) {
        result.Rows.Clear();
        result.FileError =
            read == LineRead::TooLong ? ImportFileError::LineTooLong : ImportFileError::Unreadable;
        result.ReadError = file.Error();
        result.ErrorLine = file.LineNumber();
    }
    return std::move(result);
}

}  // namespace tarvix
