// The variable list window "Seznam proměnných" as a table model: one row per
// variable (name, value text, unit, description), refreshed from the
// calculator, edited in place, applied back and removed row by row.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

class Calculator;

enum class VariableColumn : int { Name = 0, Value = 1, Unit = 2, Description = 3 };
inline constexpr int kVariableColumnCount = 4;

struct VariableRow {
    std::string Name;
    std::string Value;
    std::string Unit;
    std::string Description;
    bool Edited = false;  // a cell changed since the last refresh or apply
};

class VariableListModel {
public:
    VariableListModel();

    // One row per evaluator variable in table order, except "ANS": the name,
    // the value ("%g" text line in the decimal base, the display text in
    // another base), and the unit and description from VarInfos. The current
    // row stays within the rows, the value column becomes current, nothing is
    // modified.
    void Refresh(const Calculator& calculator);

    int RowCount() const { return static_cast<int>(rows_.size()); }
    const VariableRow& Row(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
    const std::string& Cell(int row, VariableColumn column) const;
    // Edits a cell: the row is applied by the next Apply.
    void SetCell(int row, VariableColumn column, std::string text);
    bool Modified() const { return modified_; }

    int CurrentRow() const { return currentRow_; }
    void SetCurrentRow(int row);
    VariableColumn CurrentColumn() const { return currentColumn_; }

    // "&Použít": the edited rows from the top. An empty value becomes "0"; the
    // value converts with ParseValueText; an existing variable takes it; a
    // register whose label is the name takes the value text in its box; the
    // VarInfos line becomes "description [unit]". A row that fails shows its
    // message, becomes current and stops the apply: the rows below keep their
    // edits. Returns whether every edited row was applied.
    bool Apply(Calculator& calculator);

    // "O&dstranit": the row's vector and variable go, with its VarInfos line;
    // the rows below move up (one row always stays); a register labelled with
    // the name gets its letter back with "0" in its box and 0 in its variable.
    void RemoveRow(int row, Calculator& calculator);

    // Closing: with unapplied edits asks "Mají se hodnoty proměnných
    // aktualizovat?"; Yes applies (and closes only when that succeeded), No
    // closes, Cancel keeps the window. True when the window may close.
    bool ConfirmClose(Calculator& calculator);

private:
    std::vector<VariableRow> rows_;
    int currentRow_ = 0;
    VariableColumn currentColumn_ = VariableColumn::Value;
    bool modified_ = false;
};

}  // namespace tarvix
