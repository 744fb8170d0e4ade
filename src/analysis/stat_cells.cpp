// The compact cells of the statistics table.
#include "analysis/stat_cells.h"

#include <charconv>
#include <utility>

namespace tarvix {
namespace {

// A decimal cell's bits above its digits.
constexpr int kFractionShift = 52;  // 5 bits: digits after the separator, 0 … 27
constexpr std::uint64_t kHasPoint = std::uint64_t{1} << 57;
constexpr std::uint64_t kNoInteger = std::uint64_t{1} << 58;  // ".5"
constexpr std::uint64_t kComma = std::uint64_t{1} << 59;
constexpr std::uint64_t kNegative = std::uint64_t{1} << 60;
constexpr std::uint64_t kPlus = std::uint64_t{1} << 61;
constexpr int kKindShift = 62;
constexpr int kMaxFraction = 27;  // 10^27 is exact in 64 bits of mantissa

constexpr long double kPowers[kMaxFraction + 1] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                                   1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                                   1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                                   1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<StatCell> StatCell::Decimal(std::string_view text) {
    std::uint64_t flags = 0;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '-' || text[i] == '+')) flags |= text[i++] == '-' ? kNegative : kPlus;
    std::uint64_t digits = 0;
    const std::size_t integerStart = i;
    for (; i < n && IsDigit(text[i]); ++i) {
        digits = digits * 10 + static_cast<unsigned>(text[i] - '0');
        if (digits > kPayload) return std::nullopt;
    }
    const std::size_t integerDigits = i - integerStart;
    if (integerDigits > 1 && text[integerStart] == '0') return std::nullopt;  // "007"
    if (integerDigits == 0) flags |= kNoInteger;
    std::uint64_t fraction = 0;
    if (i < n && (text[i] == '.' || text[i] == ',')) {
        flags |= kHasPoint | (text[i] == ',' ? kComma : 0);
        for (++i; i < n && IsDigit(text[i]); ++i, ++fraction) {
            digits = digits * 10 + static_cast<unsigned>(text[i] - '0');
            if (digits > kPayload || fraction == kMaxFraction) return std::nullopt;
        }
    }
    if (i != n || integerDigits + fraction == 0) return std::nullopt;
    StatCell cell;
    cell.bits_ =
        (std::uint64_t{kDecimal} << kKindShift) | flags | (fraction << kFractionShift) | digits;
    return cell;
}

StatCell StatCell::Text(std::size_t index) {
    StatCell cell;
    cell.bits_ =
        (std::uint64_t{kText} << kKindShift) | (static_cast<std::uint64_t>(index) & kPayload);
    return cell;
}

long double StatCell::Value() const {
    const int fraction = static_cast<int>((bits_ >> kFractionShift) & 31);
    const long double value = static_cast<long double>(bits_ & kPayload) / kPowers[fraction];
    return (bits_ & kNegative) ? -value : value;
}

void StatCell::AppendDecimal(std::string& out) const {
    if (bits_ & kNegative) out += '-';
    if (bits_ & kPlus) out += '+';
    char buffer[32];
    const std::size_t fraction = (bits_ >> kFractionShift) & 31;
    const std::size_t minimum = fraction + ((bits_ & kNoInteger) ? 0 : 1);
    char* end = std::to_chars(buffer, buffer + sizeof buffer, bits_ & kPayload).ptr;
    const std::size_t length = static_cast<std::size_t>(end - buffer);
    if (!(bits_ & kHasPoint)) {
        out.append(buffer, length);
        return;
    }
    const std::size_t width = length < minimum ? minimum : length;
    const std::size_t zeros = width - length;
    const std::size_t integer = width - fraction;  // digits before the separator
    for (std::size_t k = 0; k < width; ++k) {
        if (k == integer) out += (bits_ & kComma) ? ',' : '.';
        out += k < zeros ? '0' : buffer[k - zeros];
    }
    if (fraction == 0) out += (bits_ & kComma) ? ',' : '.';  // "5."
}

void StatCells::Clear() {
    rows_.clear();
    texts_.clear();
    freeTexts_.clear();
}

void StatCells::Resize(std::size_t rows) {
    for (std::size_t r = rows; r < rows_.size(); ++r) {
        Release(rows_[r].X);
        Release(rows_[r].Y);
    }
    rows_.resize(rows);
}

StatCell StatCells::Make(std::string_view text) {
    if (text.empty()) return {};
    if (std::optional<StatCell> decimal = StatCell::Decimal(text)) return *decimal;
    if (!freeTexts_.empty()) {
        const std::size_t index = freeTexts_.back();
        freeTexts_.pop_back();
        texts_[index] = text;
        return StatCell::Text(index);
    }
    texts_.emplace_back(text);
    return StatCell::Text(texts_.size() - 1);
}

void StatCells::Release(const StatCell& cell) {
    if (!cell.IsText()) return;
    std::string().swap(texts_[cell.TextIndex()]);
    freeTexts_.push_back(cell.TextIndex());
}

void StatCells::Append(std::string_view x, std::string_view y) {
    rows_.push_back({Make(x), Make(y)});
}

void StatCells::Insert(std::size_t row) {
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), Row{});
}

void StatCells::Erase(std::size_t row) {
    Release(rows_[row].X);
    Release(rows_[row].Y);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

void StatCells::SwapColumns() {
    for (Row& row : rows_) std::swap(row.X, row.Y);
}

void StatCells::AppendText(int column, std::size_t row, std::string& out) const {
    const StatCell& cell = At(column, row);
    if (cell.IsDecimal())
        cell.AppendDecimal(out);
    else if (cell.IsText())
        out += TextOf(cell);
}

std::string StatCells::Text(int column, std::size_t row) const {
    std::string text;
    AppendText(column, row, text);
    return text;
}

void StatCells::Set(int column, std::size_t row, std::string_view text) {
    StatCell& cell = Mutable(column, row);
    if (cell.IsText() && !text.empty() && !StatCell::Decimal(text)) {
        texts_[cell.TextIndex()] = text;  // the text keeps its slot
        return;
    }
    Release(cell);
    cell = Make(text);
}

bool StatCells::IsBlank(int column, std::size_t row) const {
    const StatCell& cell = At(column, row);
    return cell.IsEmpty() ||
           (cell.IsText() && TextOf(cell).find_first_not_of(' ') == std::string::npos);
}

bool operator==(const StatCells& a, const StatCells& b) {
    if (a.Size() != b.Size()) return false;
    for (std::size_t r = 0; r < a.Size(); ++r) {
        for (int column : {1, 2}) {
            if (a.Text(column, r) != b.Text(column, r)) return false;
        }
    }
    return true;
}

}  // namespace tarvix
