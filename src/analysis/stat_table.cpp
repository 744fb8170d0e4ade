// The row commands of the statistics table.
#include "analysis/stat_table.h"

#include <algorithm>

namespace tarvix {

bool operator==(const StatRowsView& a, const std::vector<StatRow>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t r = 0; r < b.size(); ++r) {
        if (a[r] != b[r]) return false;
    }
    return true;
}

std::string StatTable::Cell(int column, int row) const {
    if (row < 0 || row >= RowCount()) return {};
    return cells_.Text(column, static_cast<std::size_t>(row));
}

void StatTable::SetCell(int column, int row, std::string_view text) {
    if (row < 0) return;
    if (row >= RowCount()) cells_.Resize(static_cast<std::size_t>(row) + 1);
    cells_.Set(column, static_cast<std::size_t>(row), text);
    modified_ = true;
}

void StatTable::SetRows(const std::vector<StatRow>& rows) {
    StatCells cells;
    cells.Reserve(rows.size());
    for (const StatRow& row : rows) cells.Append(row.X, row.Y);
    SetRows(std::move(cells));
}

void StatTable::SetRows(StatCells rows) {
    cells_ = std::move(rows);
    current_ = 0;
    modified_ = true;
}

void StatTable::WriteColumn(int column, const std::vector<std::string>& texts) {
    if (texts.size() > cells_.Size()) cells_.Resize(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) cells_.Set(column, i, texts[i]);
    modified_ = true;
}

void StatTable::AppendDataLines(std::string& out, std::string_view lineEnd) const {
    const auto rows = static_cast<std::size_t>(FilledRowCount());
    for (std::size_t r = 0; r < rows; ++r) {
        cells_.AppendText(1, r, out);
        if (xy_) {
            out += '\t';
            cells_.AppendText(2, r, out);
        }
        out += lineEnd;
    }
}

void StatTable::SetEditMode(bool on) {
    editMode_ = on;
    if (on && cells_.Empty()) {
        cells_.Resize(1);
        current_ = 0;
    }
}

void StatTable::SetCurrentRow(int row) {
    current_ = std::clamp(row, 0, std::max(0, RowCount() - 1));
}

void StatTable::Append(std::string_view text) {
    if (cells_.Empty() || !cells_.IsEmpty(1, cells_.Size() - 1)) cells_.Resize(cells_.Size() + 1);
    current_ = RowCount() - 1;
    cells_.Set(1, static_cast<std::size_t>(current_), text);
    modified_ = true;
}

void StatTable::Insert(std::string_view text) {
    if (cells_.Empty()) {
        cells_.Resize(1);
        current_ = 0;
    } else {
        current_ = std::clamp(current_, 0, RowCount() - 1);
        cells_.Insert(static_cast<std::size_t>(current_));
    }
    cells_.Set(1, static_cast<std::size_t>(current_), text);
    modified_ = true;
}

bool StatTable::DeleteRow() {
    modified_ = true;
    if (cells_.Size() <= 1) {
        cells_.Clear();
        cells_.Resize(1);
        current_ = 0;
        return true;
    }
    current_ = std::clamp(current_, 0, RowCount() - 1);
    cells_.Erase(static_cast<std::size_t>(current_));
    current_ = std::min(current_, RowCount() - 1);
    return false;
}

void StatTable::DeleteAll() {
    cells_.Clear();
    cells_.Resize(1);
    current_ = 0;
    modified_ = false;
}

void StatTable::SwapColumns() {
    cells_.SwapColumns();
    modified_ = true;
}

bool StatTable::DownOnLastRow() {
    if (!editMode_ || cells_.Empty() || current_ != RowCount() - 1 ||
        cells_.IsEmpty(1, cells_.Size() - 1))
        return false;
    cells_.Resize(cells_.Size() + 1);
    current_ = RowCount() - 1;
    return true;
}

bool StatTable::UpOnLastRow() {
    if (!editMode_ || cells_.Size() < 2 || current_ != RowCount() - 1 ||
        !cells_.IsEmpty(1, cells_.Size() - 1))
        return false;
    cells_.Resize(cells_.Size() - 1);
    current_ = RowCount() - 1;
    return true;
}

bool StatTable::HasData() const {
    return cells_.Size() >= 2 && !cells_.IsEmpty(1, 0) && !cells_.IsEmpty(1, 1);
}

int StatTable::FilledRowCount() const {
    std::size_t n = cells_.Size();
    while (n > 0 && cells_.IsEmpty(1, n - 1) && cells_.IsEmpty(2, n - 1)) --n;
    return static_cast<int>(n);
}

}  // namespace tarvix
