// CELL(row;column): reads a cell of the registered worksheet grid and
// evaluates its text with a private evaluator, so that the caller's compiled
// expression is never disturbed.
#include <cfenv>
#include <memory>
#include <string>
#include <vector>

#include "engine/calculus_callbacks.h"
#include "engine/cell_link.h"
#include "engine/engine_modes.h"
#include "engine/float_guard.h"
#include "engine/parser.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {

constexpr int kHelpContext = 203;
// Cells reaching other cells deeper than this are taken as a cell that
// reaches itself again.
constexpr int kMaxCellNesting = 16;

// One private evaluator per nesting level, created on first use: a cell
// evaluated from inside another cell's running list gets an evaluator of its
// own, so no running list is ever replaced.
std::vector<std::unique_ptr<TParser>>& CellEvaluators() {
    static std::vector<std::unique_ptr<TParser>> evaluators;
    return evaluators;
}

int cellNesting = 0;

class CellNestingLevel {
  public:
    CellNestingLevel() {
        if (cellNesting >= kMaxCellNesting) Raise<EBadDomain>(msg::CellRecursion, {}, kHelpContext);
        level_ = cellNesting++;
    }
    ~CellNestingLevel() { --cellNesting; }
    CellNestingLevel(const CellNestingLevel&) = delete;
    CellNestingLevel& operator=(const CellNestingLevel&) = delete;

    TParser& Evaluator() const {
        auto& evaluators = CellEvaluators();
        while (evaluators.size() <= static_cast<std::size_t>(level_))
            evaluators.push_back(std::make_unique<TParser>());
        return *evaluators[static_cast<std::size_t>(level_)];
    }

  private:
    int level_ = 0;
};

// The floating-point flags raised by the calling list so far survive the
// cell's own evaluation, which starts from clear flags.
class KeptFloatFlags {
  public:
    KeptFloatFlags() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ~KeptFloatFlags() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
    KeptFloatFlags(const KeptFloatFlags&) = delete;
    KeptFloatFlags& operator=(const KeptFloatFlags&) = delete;

  private:
    std::fexcept_t saved_;
};

void CheckIndex(std::int32_t index, int count, std::string_view key) {
    if (index < 1 || index >= count)
        Raise<EBadDomain>(key, {std::to_string(count - 1)}, kHelpContext);
}

ComplexValue EvaluateCellText(const std::string& text) {
    CellNestingLevel level;
    TParser& evaluator = level.Evaluator();
    // The modes are process-wide: read the cell in the current domain and unit.
    evaluator.SetNumericalScope(EngineModes.ComplexMode ? nsComplex : nsReal);
    evaluator.SetAngleUnits(EngineModes.CurrentAngleUnit);
    KeptFloatFlags flags;
    evaluator.SetExpression(PrepareCellText(text));
    return evaluator.Evaluate();
}

}  // namespace

void OpCell(const OperationRec& r) {
    const CellGrid* grid = CurrentCellGrid();
    if (!grid) Raise<EBadDomain>(msg::OpenMatrixForm, {}, kHelpContext);
    const std::int32_t row = TruncToInt32(r.Arg1->Re);
    const std::int32_t col = TruncToInt32(r.Arg2->Re);
    CheckIndex(row, grid->RowCount(), msg::CellRowRange);
    CheckIndex(col, grid->ColumnCount(), msg::CellColumnRange);
    ComplexValue value = EvaluateCellText(grid->CellText(row, col));
    if (!EngineModes.ComplexMode) value.Im = 0.0L;
    *r.Dest = value;
}

}  // namespace tarvix
