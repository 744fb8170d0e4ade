// StatTable: the data of the statistics window without a window. Rows of
// cells (x and y, their texts kept as typed or imported, plain numbers held
// as numbers: StatCells), the "x-y" switch, the
// edit mode, the current row, HasData, DataModified and SelectedColumn, and
// the row commands of the window (append, insert, delete, delete all, swap
// the columns, the arrow keys on the last row). Row numbers are not stored:
// row i (from 0) is numbered i + 1.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "analysis/stat_cells.h"

namespace tarvix {

// The rows of a table as texts, made when a row is asked for (reports,
// tests); the table itself keeps compact cells.
class StatRowsView {
public:
    explicit StatRowsView(const StatCells& cells) : cells_(&cells) {}
    std::size_t size() const { return cells_->Size(); }
    bool empty() const { return cells_->Empty(); }
    StatRow operator[](std::size_t row) const {
        return {cells_->Text(1, row), cells_->Text(2, row)};
    }
    const StatCells& Cells() const { return *cells_; }

    friend bool operator==(const StatRowsView& a, const StatRowsView& b) {
        return *a.cells_ == *b.cells_;
    }
    friend bool operator==(const StatRowsView& a, const std::vector<StatRow>& b);

private:
    const StatCells* cells_;
};

class StatTable {
public:
    const StatCells& Cells() const { return cells_; }
    StatRowsView Rows() const { return StatRowsView(cells_); }
    int RowCount() const { return static_cast<int>(cells_.Size()); }
    // Column 1 (x) or 2 (y) of a row (from 0); an empty text outside the table.
    std::string Cell(int column, int row) const;
    // Sets a cell's text (typing, a drop); the table grows to reach the row.
    void SetCell(int column, int row, std::string_view text);
    // Replaces all rows (an import); the current row becomes the first.
    void SetRows(const std::vector<StatRow>& rows);
    void SetRows(StatCells rows);
    // Replaces one column (a transfer): the table gets exactly texts.size()
    // rows when it has fewer; other cells keep their texts.
    void WriteColumn(int column, const std::vector<std::string>& texts);
    // The data lines of the filled rows (column 1, or column 1, TAB and
    // column 2 in "x-y"), each followed by `lineEnd`, appended to `out`.
    void AppendDataLines(std::string& out, std::string_view lineEnd) const;

    bool Xy() const { return xy_; }
    void SetXy(bool xy) { xy_ = xy; }
    bool EditMode() const { return editMode_; }
    // Switching on with no rows adds an empty row 1.
    void SetEditMode(bool on);

    int CurrentRow() const { return current_; }
    void SetCurrentRow(int row);

    // "&Přidat": reuses an empty last row, otherwise adds one; its x cell gets
    // `text` and it becomes current.
    void Append(std::string_view text);
    // "&Vložit": every row from the current one moves down; the current x cell
    // gets `text` and its y cell is emptied.
    void Insert(std::string_view text);
    // "V&yjmout" a row: the current row goes; the only row is emptied instead.
    // True when the table was left without values (the results are stale).
    bool DeleteRow();
    // "&Vše": one empty row remains; DataModified is cleared.
    void DeleteAll();
    // "&Zaměnit sloupce".
    void SwapColumns();
    // Down arrow on the last row in edit mode: a row is appended when its x
    // cell is not empty. True when a row was added.
    bool DownOnLastRow();
    // Up arrow on the last row in edit mode: removes it when it is not the
    // first row and its x cell is empty. True when removed.
    bool UpOnLastRow();

    // Column 1 of the first two rows holds values.
    bool HasData() const;
    bool DataModified() const { return modified_; }
    void SetDataModified(bool modified) { modified_ = modified; }
    // The column whose header was pressed last (1 or 2), −1 after a press in a
    // data row; read by the transfers to a vector.
    int SelectedColumn() const { return selectedColumn_; }
    void SetSelectedColumn(int column) { selectedColumn_ = column; }
    // The row count without empty rows at the end ("&Graf Tarvix").
    int FilledRowCount() const;

private:
    StatCells cells_;
    bool xy_ = false;
    bool editMode_ = false;
    int current_ = 0;
    bool modified_ = false;
    int selectedColumn_ = 1;
};

}  // namespace tarvix
