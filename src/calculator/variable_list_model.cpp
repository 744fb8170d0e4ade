// The variable list window's table: refresh, edit, apply, remove, close.
#include "calculator/variable_list_model.h"

#include <algorithm>

#include "calculator/calculator.h"
#include "calculator/value_format.h"
#include "calculator/value_text.h"
#include "calculator/var_infos.h"
#include "engine/name_utils.h"

namespace tarvix {
namespace {

constexpr int kVariablesHelpContext = 17;

// The cell of a column, for reading and for writing.
template <class Row>
auto& CellOf(Row& row, VariableColumn column) {
    switch (column) {
        case VariableColumn::Name:
            return row.Name;
        case VariableColumn::Value:
            return row.Value;
        case VariableColumn::Unit:
            return row.Unit;
        case VariableColumn::Description:
            break;
    }
    return row.Description;
}

}  // namespace

VariableListModel::VariableListModel() : rows_(1) {}

void VariableListModel::Refresh(const Calculator& calculator) {
    const TParser& parser = calculator.Parser1();
    const FormatOptions options = calculator.CurrentFormatOptions();
    const VariableTable& table = parser.Variables();
    rows_.clear();
    for (std::size_t i = 0; i < table.Count(); ++i) {
        const std::string& name = table.NameAt(i);
        if (IsAnsName(name)) continue;
        VariableRow row;
        row.Name = name;
        const ComplexValue& value = *table.SlotAt(i);
        row.Value = options.Display.Base == nbDec ? VectorElementText(value, options)
                                                  : FormatValueText(value, options);
        if (std::optional<std::string> info = calculator.VarInfos().Value(name)) {
            row.Unit = VarInfoUnit(*info);
            row.Description = VarInfoDescription(*info);
        }
        rows_.push_back(std::move(row));
    }
    if (rows_.empty()) rows_.emplace_back();
    currentRow_ = std::clamp(currentRow_, 0, RowCount() - 1);
    currentColumn_ = VariableColumn::Value;
    modified_ = false;
}

const std::string& VariableListModel::Cell(int row, VariableColumn column) const {
    return CellOf(Row(row), column);
}

void VariableListModel::SetCell(int row, VariableColumn column, std::string text) {
    VariableRow& target = rows_.at(static_cast<std::size_t>(row));
    CellOf(target, column) = std::move(text);
    target.Edited = true;
    modified_ = true;
}

void VariableListModel::SetCurrentRow(int row) {
    currentRow_ = std::clamp(row, 0, RowCount() - 1);
}

bool VariableListModel::Apply(Calculator& calculator) {
    TParser& parser = calculator.Parser1();
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        VariableRow& row = rows_[i];
        if (!row.Edited) continue;
        if (row.Value.empty()) row.Value = "0";
        ComplexValue value{};
        try {
            value = ParseValueText(row.Value, parser);
        } catch (const std::exception& e) {
            currentRow_ = static_cast<int>(i);
            calculator.ReportError(e);
            return false;
        }
        if (parser.VariableExists(row.Name) && calculator.IsValueText(row.Value)) {
            parser.SetVariable(row.Name, value);
        }
        if (std::optional<BoxId> reg = calculator.Registers().FindLabel(row.Name)) {
            calculator.SetRegisterBox(*reg, row.Value);
        }
        if (!row.Name.empty()) {
            calculator.VarInfos().Set(row.Name, ComposeVarInfo(row.Description, row.Unit));
        }
        row.Edited = false;
    }
    modified_ = false;
    calculator.Hooks().RefreshVarLabels();
    return true;
}

void VariableListModel::RemoveRow(int row, Calculator& calculator) {
    if (row < 0 || row >= RowCount()) return;
    const std::string name = rows_[static_cast<std::size_t>(row)].Name;
    TParser& parser = calculator.Parser1();
    if (!name.empty()) {
        calculator.Hooks().RemoveVector(name);
        if (parser.VariableExists(name)) parser.DeleteVariable(name);
        calculator.VarInfos().Remove(name);
    }
    rows_.erase(rows_.begin() + row);
    if (rows_.empty()) rows_.emplace_back();
    currentRow_ = std::clamp(currentRow_, 0, RowCount() - 1);
    if (std::optional<BoxId> reg =
            name.empty() ? std::nullopt : calculator.Registers().FindLabel(name)) {
        const std::string letter(RegisterLetter(*reg));
        calculator.SetRegisterLabel(*reg, letter);
        calculator.SetRegisterBox(*reg, "0");
        parser.SetVariable(letter, {});
        Refresh(calculator);
    }
    calculator.Hooks().RefreshVarLabels();
}

bool VariableListModel::ConfirmClose(Calculator& calculator) {
    if (!modified_) return true;
    const std::string& question = calculator.Texts().Text(calcmsg::ApplyVariablesQuestion);
    switch (calculator.ShowMessageBox(question, MessageKind::Confirmation, kYesNoCancelButtons,
                                      kVariablesHelpContext)) {
        case ModalResult::Yes:
            return Apply(calculator);
        case ModalResult::No:
            return true;
        default:
            return false;
    }
}

}  // namespace tarvix
