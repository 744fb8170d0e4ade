// StatCells: the x and y cells of the statistics table, held compactly so
// that a table of millions of rows costs 16 bytes a row. A cell is empty, a
// plain decimal number kept as its digits (its text is rebuilt exactly as it
// was written, and its value needs no parsing), or any other text kept as it
// was typed or imported.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

// One row as texts: what a typed or imported row looks like.
struct StatRow {
    std::string X;
    std::string Y;

    friend bool operator==(const StatRow&, const StatRow&) = default;
};

// One cell in 8 bytes.
class StatCell {
public:
    StatCell() = default;
    // A plain decimal number ([sign] digits [. or , digits], up to 15
    // significant digits and 27 decimals, no superfluous leading zero) whose
    // text the cell rebuilds exactly; nothing for any other text.
    static std::optional<StatCell> Decimal(std::string_view text);
    static StatCell Text(std::size_t index);

    bool IsEmpty() const { return Kind() == kEmpty; }
    bool IsDecimal() const { return Kind() == kDecimal; }
    bool IsText() const { return Kind() == kText; }
    // A decimal cell's value, as the plain-number reading of its text gives it.
    long double Value() const;
    // Appends a decimal cell's text.
    void AppendDecimal(std::string& out) const;
    std::size_t TextIndex() const { return static_cast<std::size_t>(bits_ & kPayload); }

private:
    static constexpr std::uint64_t kPayload = (std::uint64_t{1} << 52) - 1;
    static constexpr int kEmpty = 0, kDecimal = 1, kText = 2;
    int Kind() const { return static_cast<int>(bits_ >> 62); }

    std::uint64_t bits_ = 0;
};

class StatCells {
public:
    std::size_t Size() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    void Clear();
    void Reserve(std::size_t rows) { rows_.reserve(rows); }
    // New rows are empty.
    void Resize(std::size_t rows);
    void Append(std::string_view x, std::string_view y);
    void Insert(std::size_t row);
    void Erase(std::size_t row);
    void SwapColumns();

    // Column 1 (x) or 2 (y).
    std::string Text(int column, std::size_t row) const;
    void AppendText(int column, std::size_t row, std::string& out) const;
    void Set(int column, std::size_t row, std::string_view text);
    bool IsEmpty(int column, std::size_t row) const { return At(column, row).IsEmpty(); }
    // Empty or only blanks.
    bool IsBlank(int column, std::size_t row) const;
    // The cell itself, and the text of a text cell.
    const StatCell& At(int column, std::size_t row) const {
        return column == 2 ? rows_[row].Y : rows_[row].X;
    }
    const std::string& TextOf(const StatCell& cell) const { return texts_[cell.TextIndex()]; }

    // Equal texts row by row.
    friend bool operator==(const StatCells& a, const StatCells& b);

private:
    struct Row {
        StatCell X;
        StatCell Y;
    };
    StatCell& Mutable(int column, std::size_t row) {
        return column == 2 ? rows_[row].Y : rows_[row].X;
    }
    StatCell Make(std::string_view text);
    void Release(const StatCell& cell);

    std::vector<Row> rows_;
    std::vector<std::string> texts_;      // the texts of text cells
    std::vector<std::size_t> freeTexts_;  // slots of texts_ no cell uses
};

}  // namespace tarvix
