// What the worksheet shows of a result: matrix delivery to the chosen
// destination, the solution and check columns, the inverse with its check,
// the node voltages, the triangulated view and the result moved left.
#include "matrix/worksheet.h"

#include "calculator/text_trim.h"
#include "engine/number_text.h"
#include "matrix/scalar_ops.h"

namespace tarvix {
namespace {

// Full precision: real part, the imaginary part with its sign and the unit
// letter when it is not 0.
std::string FullText(const ComplexValue& v, char unit) {
    std::string text = GeneralText(v.Re, 18);
    if (v.Im != 0.0L) {
        const std::string im = GeneralText(v.Im, 18);
        text += (im.starts_with('-') ? "" : "+") + im + unit;
    }
    return text;
}

}  // namespace

void Worksheet::WriteMatrix(TextGrid& grid, const CMatrix& m, int extraColumns) {
    grid.Resize(0, 0);
    grid.Resize(m.Rows(), m.Cols() + extraColumns);
    for (int i = 0; i < m.Rows(); ++i)
        for (int j = 0; j < m.Cols(); ++j) grid.SetCell(i + 1, j + 1, CellText(m(i, j)));
}

void Worksheet::DeliverMatrix(const CMatrix& result) {
    target_ = result;
    hasMatrixResult_ = true;
    switch (options_.Destination) {
        case ResultDestination::LeftGrid:
            WriteMatrix(left_, result, mode_ == WorksheetMode::Equations ? 1 : 0);
            if (mode_ == WorksheetMode::Equations)
                left_.SetColumnHeader(left_.Cols(), texts_.Text(mxmsg::HeaderVector));
            break;
        case ResultDestination::RightGrid:
            WriteMatrix(right_, result, 0);
            break;
        case ResultDestination::Editor: {
            editor_.clear();
            std::string header;
            for (int j = 1; j <= left_.Cols(); ++j) header += '\t' + left_.ColumnHeader(j);
            editor_.push_back(header);
            for (int i = 0; i < result.Rows(); ++i) {
                std::string line = std::to_string(i + 1);
                for (int j = 0; j < result.Cols(); ++j) line += '\t' + CellText(result(i, j));
                editor_.push_back(line);
            }
            break;
        }
        case ResultDestination::Memory:
            memory_.Store(options_.MemorySlot, result);
            break;
    }
}

void Worksheet::ComputeCheck(bool inverse) {
    const int n = sourceCopy_.Rows();
    check_.assign(static_cast<std::size_t>(n), ComplexValue{});
    for (int i = 0; i < n; ++i) {
        ComplexValue s{};
        for (int j = 0; j < sourceCopy_.Cols(); ++j)
            MulAdd(s, sourceCopy_(i, j), inverse ? target_(j, i) : unknowns_[j]);
        if (!Complex()) s.Im = 0.0L;
        check_[i] = s;
    }
}

void Worksheet::ShowSolution() {
    const int n = static_cast<int>(unknowns_.size());
    right_.Resize(0, 0);
    right_.Resize(n, 1);
    right_.SetColumnHeader(1, texts_.Text(mxmsg::HeaderSolution));
    solutionRows_.clear();
    checkRows_.clear();
    for (int i = 0; i < n; ++i) {
        solutionRows_.push_back(CellText(unknowns_[i]));
        checkRows_.push_back(CellText(check_[i]));
        right_.SetCell(i + 1, 1, solutionRows_.back());
    }
    hasSolution_ = true;
}

void Worksheet::ShowInverse() {
    WriteMatrix(right_, target_, 0);
    solutionRows_.clear();
    checkRows_.clear();
    for (const ComplexValue& v : check_) checkRows_.push_back(CellText(v));
    hasSolution_ = true;
    hasMatrixResult_ = true;
}

// The currents to the right grid ("Proudy"), the voltages as the left grid's
// extra column ("Napětí") in the operations mode.
void Worksheet::ShowNodeVoltages() {
    const int n = source_.Rows();
    std::vector<std::string> input = inputRows_;
    mode_ = WorksheetMode::Operations;
    left_.Resize(n, n + 1);
    left_.SetColumnHeader(n + 1, texts_.Text(mxmsg::HeaderVoltage));
    solutionRows_.clear();
    checkRows_.clear();
    for (int i = 0; i < n; ++i) {
        solutionRows_.push_back(CellText(unknowns_[i]));
        checkRows_.push_back(solutionRows_.back());
        left_.SetCell(i + 1, n + 1, FullText(check_[i], Format().ImaginaryUnit));
    }
    WriteMatrix(right_, target_, 0);
    right_.SetColumnHeader(1, texts_.Text(mxmsg::HeaderCurrents));
    hasSolution_ = hasMatrixResult_ = true;
    checkShown_ = true;
}

void Worksheet::SetResultCheck(bool on) {
    if (on == checkShown_ || !hasSolution_) return;
    checkShown_ = on;
    const int n = static_cast<int>(check_.size());
    if (mode_ == WorksheetMode::Equations) {
        right_.SetColumnHeader(1, texts_.Text(on ? mxmsg::HeaderCheck : mxmsg::HeaderSolution));
        const std::vector<std::string>& rows = on ? checkRows_ : solutionRows_;
        for (int i = 0; i < n && i < right_.Rows(); ++i) right_.SetCell(i + 1, 1, rows[i]);
    } else {
        const int cols = source_.Cols();
        left_.Resize(left_.Rows(), on ? cols + 1 : cols);
        if (on) {
            left_.SetColumnHeader(cols + 1, texts_.Text(mxmsg::HeaderCheck));
            for (int i = 0; i < n && i < left_.Rows(); ++i)
                left_.SetCell(i + 1, cols + 1, FullText(check_[i], Format().ImaginaryUnit));
        }
    }
    view_->Refresh();
}

void Worksheet::SetTriangleView(bool on) {
    if (on == triangleShown_) return;
    if (on && !hasSolution_) return;
    triangleShown_ = on;
    const int n = source_.Rows();
    if (on) {
        triangleRows_.clear();
        for (int i = 0; i < n; ++i) {
            std::string row = std::to_string(i + 1);
            for (int j = 0; j < source_.Cols(); ++j) {
                row += '\t';
                if (current_ != op::NodeVoltages || j >= i) row += CellText(source_(i, j));
            }
            row += '\t' + (i < static_cast<int>(rhs_.size()) ? CellText(rhs_[i]) : std::string());
            row += '\t';
            triangleRows_.push_back(row);
        }
    }
    const std::vector<std::string>& rows = on ? triangleRows_ : inputRows_;
    for (int i = 0; i < static_cast<int>(rows.size()) && i < left_.Rows(); ++i) {
        std::string_view line = rows[i];
        if (on) line.remove_prefix(std::min(line.size(), line.find('\t') + 1));  // the row number
        int column = 1;
        std::size_t start = 0;
        for (std::size_t k = 0; k <= line.size() && column <= left_.Cols(); ++k)
            if (k == line.size() || line[k] == '\t') {
                left_.SetCell(i + 1, column++, std::string(line.substr(start, k - start)));
                start = k + 1;
            }
    }
    view_->Refresh();
}

bool Worksheet::MoveResultLeft() {
    if (!hasMatrixResult_ || target_.Empty() || !finished_) return false;
    mode_ = WorksheetMode::Operations;
    left_.Resize(0, 0);
    left_.Resize(target_.Rows(), target_.Cols());
    const char unit = Format().ImaginaryUnit;
    for (int i = 0; i < target_.Rows(); ++i)
        for (int j = 0; j < target_.Cols(); ++j) left_.SetCell(i + 1, j + 1, FullText(target_(i, j), unit));
    order_ = std::max(target_.Rows(), target_.Cols());
    ResizeGrids();
    return true;
}

}  // namespace tarvix

namespace tarvix {

std::pair<int, int> Worksheet::ExpectedResultSize() const {
    const int rows = left_.Rows();
    if (mode_ == WorksheetMode::Equations) return {rows, 1};
    const int cols = left_.Cols();
    switch (current_) {
        case op::ProductLeft:
        case op::DivideLeft: return {rows, right_.Cols()};
        case op::ProductRight:
        case op::DivideRight: return {right_.Rows(), cols};
        case op::ProductVector: return {rows, 1};
        case op::Complement: return {rows - 1, cols - 1};
        default: return {rows, cols};
    }
}

bool Worksheet::LoadFromMemory(int index, bool rightGrid) {
    const CMatrix* m = memory_.At(index);
    if (!m || m->Empty() || !finished_) return false;
    TextGrid& grid = rightGrid ? right_ : left_;
    const int extra = !rightGrid && mode_ == WorksheetMode::Equations ? 1 : 0;
    const std::vector<std::string> rhs = [&] {
        std::vector<std::string> texts;
        if (extra)
            for (int i = 1; i <= grid.Rows(); ++i) texts.push_back(grid.Cell(i, grid.Cols()));
        return texts;
    }();
    grid.Resize(0, 0);
    grid.Resize(m->Rows(), m->Cols() + extra);
    const char unit = Format().ImaginaryUnit;
    for (int i = 0; i < m->Rows(); ++i)
        for (int j = 0; j < m->Cols(); ++j) grid.SetCell(i + 1, j + 1, FullText((*m)(i, j), unit));
    if (extra) {
        for (int i = 0; i < m->Rows() && i < static_cast<int>(rhs.size()); ++i)
            grid.SetCell(i + 1, m->Cols() + 1, rhs[i]);
        grid.SetColumnHeader(grid.Cols(), texts_.Text(mxmsg::HeaderVector));
    }
    if (!rightGrid) {
        order_ = m->Rows();
        ResizeGrids();
    }
    return true;
}

}  // namespace tarvix
