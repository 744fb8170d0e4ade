// Reading x-y points from text.
#include "series/chart_xy_file.h"

#include <charconv>
#include <string>

#include "storage/line_reader.h"

namespace tarvix {
namespace {

enum class Separator { Blank, Semicolon, Tab, None };

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

Separator SeparatorOf(std::string_view line) {
    if (line.find(' ') != std::string_view::npos) return Separator::Blank;
    if (line.find(';') != std::string_view::npos) return Separator::Semicolon;
    if (line.find('\t') != std::string_view::npos) return Separator::Tab;
    return Separator::None;
}

// A whole field as a number ("," read as "."); a leading "+" is accepted.
std::optional<double> ReadNumber(std::string_view field) {
    field = Trim(field);
    if (!field.empty() && field.front() == '+') field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    std::string text(field);
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The first two fields of a line split at the separator (for a blank, a run
// of blanks and tabs is one separator).
bool SplitFields(std::string_view line, Separator separator, std::string_view& first,
                 std::string_view& second) {
    if (separator == Separator::Blank) {
        const std::size_t end = line.find_first_of(" \t");
        if (end == std::string_view::npos) return false;
        first = line.substr(0, end);
        std::string_view rest = Trim(line.substr(end));
        const std::size_t next = rest.find_first_of(" \t");
        second = rest.substr(0, next);
        return true;
    }
    const char c = separator == Separator::Semicolon ? ';' : '\t';
    const std::size_t end = line.find(c);
    if (end == std::string_view::npos) return false;
    first = line.substr(0, end);
    std::string_view rest = line.substr(end + 1);
    second = rest.substr(0, rest.find(c));
    return true;
}

// The points of the lines given one by one.
class XyLines {
public:
    void Line(std::string_view raw) {
        const std::string_view line = Trim(raw);
        if (line.empty()) return;
        if (!separator_) separator_ = SeparatorOf(line);
        if (*separator_ == Separator::None) {
            if (const auto y = ReadNumber(line)) {
                data_.X.push_back(static_cast<double>(data_.Y.size()));
                data_.Y.push_back(*y);
            }
            return;
        }
        std::string_view first, second;
        if (!SplitFields(line, *separator_, first, second)) return;
        const auto x = ReadNumber(first);
        const auto y = ReadNumber(second);
        if (!x || !y) return;
        data_.X.push_back(*x);
        data_.Y.push_back(*y);
    }
    XyData& Data() { return data_; }

private:
    std::optional<Separator> separator_;
    XyData data_;
};

}  // namespace

XyData ParseXyText(std::string_view text) {
    XyLines lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.Line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return std::move(lines.Data());
}

std::optional<XyData> ReadXyFile(const std::filesystem::path& file) {
    LineReader reader(file);
    XyLines lines;
    LineRead read = LineRead::Failed;
    for (std::string line; reader.Opened() && (read = reader.Next(line)) == LineRead::Line;)
        lines.Line(line);
    if (read != LineRead::End) return std::nullopt;  // unreadable, or a line too long
    return std::move(lines.Data());
}

}  // namespace tarvix
