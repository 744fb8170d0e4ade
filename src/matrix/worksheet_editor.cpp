// The equations editor as input and as text exchange with the grids.
#include "matrix/worksheet.h"

#include "calculator/message_box.h"
#include "matrix/equations_text.h"

namespace tarvix {
namespace {

std::vector<std::string> SplitTabs(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t k = 0; k <= line.size(); ++k)
        if (k == line.size() || line[k] == '\t') {
            std::string_view f = line.substr(start, k - start);
            while (!f.empty() && (f.front() == ' ' || f.front() == '\r')) f.remove_prefix(1);
            while (!f.empty() && (f.back() == ' ' || f.back() == '\r')) f.remove_suffix(1);
            fields.emplace_back(f);
            start = k + 1;
        }
    return fields;
}

}  // namespace

bool Worksheet::ConvertEquations(bool fromMenu) {
    if (!finished_) return false;
    EquationsMatrix parsed;
    try {
        parsed = ParseEquations(editor_, texts_);
    } catch (const EMatrixError& error) {
        ShowError(error.what(), MessageKind::Warning);
        return false;
    }
    const int n = static_cast<int>(parsed.Unknowns.size());
    if (n < 1 || n > kMaxMatrixOrder) {
        ShowError(OrderRangeMessage(texts_));
        return false;
    }
    if (fromMenu) mode_ = WorksheetMode::Equations;
    order_ = n;
    left_.Resize(0, 0);
    left_.Resize(n, n);
    ResizeGrids();
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < n; ++k) left_.SetCell(i + 1, k + 1, parsed.Coefficients[i][k]);
        if (mode_ == WorksheetMode::Equations) left_.SetCell(i + 1, n + 1, parsed.RightHandSides[i]);
    }
    return true;
}

void Worksheet::GridToEditor(bool rightGrid) {
    const TextGrid& grid = rightGrid ? right_ : left_;
    editor_.clear();
    std::string header;
    for (int j = 1; j <= grid.Cols(); ++j) header += '\t' + grid.ColumnHeader(j);
    editor_.push_back(header);
    for (int i = 1; i <= grid.Rows(); ++i) editor_.push_back(std::to_string(i) + '\t' + grid.RowText(i));
    view_->Refresh();
}

void Worksheet::EditorToGrid(bool rightGrid) {
    TextGrid& grid = rightGrid ? right_ : left_;
    for (std::size_t line = 1; line < editor_.size() && static_cast<int>(line) <= grid.Rows(); ++line) {
        const std::vector<std::string> fields = SplitTabs(editor_[line]);
        for (std::size_t f = 1; f < fields.size() && static_cast<int>(f) <= grid.Cols(); ++f)
            grid.SetCell(static_cast<int>(line), static_cast<int>(f), fields[f]);
    }
    view_->Refresh();
}

}  // namespace tarvix
