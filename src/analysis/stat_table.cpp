// The row commands of the statistics table.
#include "analysis/stat_table.h"

#include <algorithm>

namespace tarvix {
namespace {
const std::string kEmpty;
}

const std::string& StatTable::Cell(int column, int row) const {
    if (row < 0 || row >= RowCount()) return kEmpty;
    return column == 2 ? rows_[row].Y : rows_[row].X;
}

void StatTable::SetCell(int column, int row, std::string text) {
    if (row < 0) return;
    if (row >= RowCount()) rows_.resize(row + 1);
    (column == 2 ? rows_[row].Y : rows_[row].X) = std::move(text);
    modified_ = true;
}

void StatTable::SetRows(std::vector<StatRow> rows) {
    rows_ = std::move(rows);
    current_ = 0;
    modified_ = true;
}

void StatTable::WriteColumn(int column, const std::vector<std::string>& texts) {
    if (texts.size() > rows_.size()) rows_.resize(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        (column == 2 ? rows_[i].Y : rows_[i].X) = texts[i];
    modified_ = true;
}

void StatTable::SetEditMode(bool on) {
    editMode_ = on;
    if (on && rows_.empty()) {
        rows_.emplace_back();
        current_ = 0;
    }
}

void StatTable::SetCurrentRow(int row) {
    current_ = std::clamp(row, 0, std::max(0, RowCount() - 1));
}

void StatTable::Append(std::string_view text) {
    if (rows_.empty() || !rows_.back().X.empty()) rows_.emplace_back();
    rows_.back().X = std::string(text);
    current_ = RowCount() - 1;
    modified_ = true;
}

void StatTable::Insert(std::string_view text) {
    if (rows_.empty()) {
        rows_.emplace_back();
        current_ = 0;
    } else {
        current_ = std::clamp(current_, 0, RowCount() - 1);
        rows_.insert(rows_.begin() + current_, StatRow{});
    }
    rows_[current_].X = std::string(text);
    modified_ = true;
}

bool StatTable::DeleteRow() {
    modified_ = true;
    if (rows_.size() <= 1) {
        rows_.assign(1, StatRow{});
        current_ = 0;
        return true;
    }
    current_ = std::clamp(current_, 0, RowCount() - 1);
    rows_.erase(rows_.begin() + current_);
    current_ = std::min(current_, RowCount() - 1);
    return false;
}

void StatTable::DeleteAll() {
    rows_.assign(1, StatRow{});
    current_ = 0;
    modified_ = false;
}

void StatTable::SwapColumns() {
    for (StatRow& row : rows_) std::swap(row.X, row.Y);
    modified_ = true;
}

bool StatTable::DownOnLastRow() {
    if (!editMode_ || rows_.empty() || current_ != RowCount() - 1 || rows_.back().X.empty())
        return false;
    rows_.emplace_back();
    current_ = RowCount() - 1;
    return true;
}

bool StatTable::UpOnLastRow() {
    if (!editMode_ || rows_.size() < 2 || current_ != RowCount() - 1 || !rows_.back().X.empty())
        return false;
    rows_.pop_back();
    current_ = RowCount() - 1;
    return true;
}

bool StatTable::HasData() const {
    return rows_.size() >= 2 && !rows_[0].X.empty() && !rows_[1].X.empty();
}

int StatTable::FilledRowCount() const {
    int n = RowCount();
    while (n > 0 && rows_[n - 1].X.empty() && rows_[n - 1].Y.empty()) --n;
    return n;
}

}  // namespace tarvix
