// The worksheet's run cycle: operands read from the cells, the operation
// computed under the hooks, timing, stop and errors; results are delivered
// only after a complete computation, so a failure leaves grids, display and
// Ans as they were.
#include "matrix/worksheet.h"

#include <numeric>

#include "calculator/expression_probe.h"
#include "calculator/text_trim.h"
#include "calculator/message_box.h"
#include "calculator/value_format.h"
#include "calculator/value_text.h"
#include "engine/input_text.h"
#include "matrix/cell_values.h"
#include "matrix/matrix_algebra.h"
#include "matrix/matrix_arithmetic.h"
#include "matrix/network_analysis.h"
#include "matrix/worksheet_generate.h"

namespace tarvix {

// The hooks a computation sees: the options decide what is active; watched
// elements go into the left grid before the window hears of them; the stop
// poll lets the window process its events and reads the stop flag.
class Worksheet::RunHooks : public SolveHooks {
public:
    explicit RunHooks(Worksheet& w) : w_(w), outer_(w.hooks_ ? w.hooks_ : &NoSolveHooks()) {}

    bool TraceActive() const override {
        return w_.options_.TraceOn && !w_.options_.FastMode && w_.hooks_;
    }
    bool WatchActive() const override { return w_.options_.WatchMode && !w_.options_.FastMode; }
    bool PollActive() const override { return !w_.options_.FastMode; }

    void Trace(std::string_view line) override { outer_->Trace(line); }
    void WatchElement(int row, int column, const ComplexValue& value) override {
        if (w_.left_.Contains(row, column)) w_.left_.SetCell(row, column, w_.CellText(value));
        outer_->WatchElement(row, column, value);
    }
    WatchAnswer AskContinue() override {
        const ModalResult answer = w_.dialogs_.ShowMessage(PrepareMessageBox(
            w_.texts_.Text(mxmsg::ContinueQuestion), MessageKind::Confirmation,
            kYesNoCancelButtons, 0, TextsOf(w_.Format())));
        if (answer == ModalResult::Yes) return WatchAnswer::Continue;
        if (answer == ModalResult::No) {
            w_.options_.WatchMode = false;
            return WatchAnswer::StopWatching;
        }
        return WatchAnswer::Cancel;
    }
    bool StopRequested() override { return outer_->StopRequested() || w_.stopRequested_; }
    void Pass(int pass) override {
        w_.Status(1, w_.texts_.Format(mxmsg::PassText, {std::to_string(pass)}));
        outer_->Pass(pass);
    }
    void Row(int row) override {
        w_.Status(0, w_.texts_.Format(mxmsg::RowText, {std::to_string(row)}));
        outer_->Row(row);
    }

private:
    Worksheet& w_;
    SolveHooks* outer_;
};

// The user cancelled a question of the operation: no result, no message.
struct OperationCancelled {};

// A cell error of the right grid (the left grid's are plain EMatrixErrors).
struct Worksheet::GridCellError : EMatrixError {
    using EMatrixError::EMatrixError;
};

RunOutcome Worksheet::SelectOperation(MatrixOperationCode code) {
    if (code == op::LuResolve) return ResolveWithFactors();
    current_ = code;
    if (code == op::Solve || code == op::NodeVoltages)
        SetMode(WorksheetMode::Equations);
    else if (code != op::Determinant && code != op::Subdeterminant)
        SetMode(WorksheetMode::Operations);
    Status(3, texts_.OperationTitle(code));
    return Run();
}

RunOutcome Worksheet::Run() {
    const MatrixOperationCode code = current_;
    if (code == op::LuResolve) return ResolveWithFactors();
    if (code == op::Undefined || code == op::ThresholdTransform ||
        code >= op::CharacteristicPolynomial) {
        ShowError(texts_.Text(mxmsg::OperationUndefined), MessageKind::Warning);
        return RunOutcome::Failed;
    }
    if (!finished_) return RunOutcome::Failed;
    if (triangleShown_) SetTriangleView(false);
    if (checkShown_) SetResultCheck(false);
    return RunGuarded(code);
}

RunOutcome Worksheet::RunGuarded(MatrixOperationCode code) {
    finished_ = false;
    view_->SetRunning(true);
    Status(2, texts_.Text(mxmsg::Preparing));
    RunOutcome outcome = RunOutcome::Done;
    RunHooks hooks(*this);
    SolveMonitor monitor(&hooks, Format());
    try {
        PrepareOperands(code);
        monitor.TraceLine("P:  I J   V[i,j]");
        monitor.TraceLine("==========");
        Status(2, texts_.Text(mxmsg::Computing));
        const auto start = std::chrono::steady_clock::now();
        const MatrixContext context{monitor, texts_, Format().Scope, options_.Pivot};
        Compute(code, context);
        ShowElapsed(start);
    } catch (const ComputationStopped&) {
        monitor.TraceLine(texts_.Text(mxmsg::StoppedHistory));
        Status(2, texts_.Text(mxmsg::Stopped));
        outcome = RunOutcome::Stopped;
    } catch (const OperationCancelled&) {
        outcome = RunOutcome::Cancelled;
    } catch (const GridCellError& error) {
        if (error.Row() > 0) view_->FocusCell(true, error.Row(), error.Column());
        ShowError(error.what());
        outcome = RunOutcome::Failed;
    } catch (const EMatrixError& error) {
        if (error.Row() > 0) {
            cursorRow_ = error.Row();
            cursorColumn_ = error.Column();
            view_->FocusCell(false, error.Row(), error.Column());
        }
        ShowError(error.what());
        outcome = RunOutcome::Failed;
    } catch (const TarvixError& error) {
        ShowError(error.what());
        outcome = RunOutcome::Failed;
    } catch (const std::bad_alloc&) {
        ShowError(texts_.Text(mxmsg::SourceNotAllocated));
        outcome = RunOutcome::Failed;
    }
    // A failed or cancelled run leaves no "Příprava dat..." or "Výpočet..." behind.
    if (outcome == RunOutcome::Failed || outcome == RunOutcome::Cancelled) Status(2, {});
    stopRequested_ = false;
    finished_ = true;
    view_->SetRunning(false);
    view_->Refresh();
    return outcome;
}

ComplexValue Worksheet::ReadCell(const TextGrid& grid, int row, int column, bool evaluate,
                                 bool rightGrid) {
    try {
        return ReadCellValue(grid.Cell(row, column), evaluate, parser_, row, column, texts_);
    } catch (const EMatrixError& error) {
        if (rightGrid) throw GridCellError(error.what(), row, column);
        throw;
    }
}

CMatrix Worksheet::ReadGrid(const TextGrid& grid, int rows, int cols, bool rightGrid) {
    const bool evaluate = Complex() || options_.GenerateFunctionValues;
    CMatrix m(rows, cols);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j) m(i - 1, j - 1) = ReadCell(grid, i, j, evaluate, rightGrid);
    return m;
}

void Worksheet::PrepareOperands(MatrixOperationCode code) {
    const bool equations = mode_ == WorksheetMode::Equations;
    const int m = left_.Rows();
    const int c = equations ? m : left_.Cols();
    CMatrix source = ReadGrid(left_, m, c, false);
    CVector rhs(static_cast<std::size_t>(m));
    if (equations)
        for (int i = 1; i <= m; ++i) rhs[i - 1] = ReadCell(left_, i, m + 1, true, false);
    CMatrix target;
    if (UsesRightOperand(code)) target = ReadGrid(right_, right_.Rows(), right_.Cols(), true);
    std::vector<std::string> inputRows;
    for (int i = 1; i <= m; ++i) inputRows.push_back(left_.RowText(i));

    // The operands are complete: the previous work area and its factors go.
    factors_.Reset();
    source_ = std::move(source);
    sourceCopy_ = source_;
    rhs_ = std::move(rhs);
    target_ = std::move(target);
    unknowns_.assign(static_cast<std::size_t>(m), ComplexValue{});
    check_.assign(static_cast<std::size_t>(m), ComplexValue{});
    inputRows_ = std::move(inputRows);
    solutionRows_.clear();
    checkRows_.clear();
    triangleRows_.clear();
    hasSolution_ = hasMatrixResult_ = hasScalar_ = false;
}

void Worksheet::ShowElapsed(std::chrono::steady_clock::time_point start) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    lastRunTime_ = ElapsedText(ms);
    Status(2, texts_.Format(mxmsg::ElapsedTime, {lastRunTime_}));
}

void Worksheet::ShowScalar(const ComplexValue& value, std::string_view inputLine) {
    scalar_ = value;
    hasScalar_ = true;
    main_.ShowScalarResult(value, inputLine);
}

void Worksheet::Compute(MatrixOperationCode code, const MatrixContext& context) {
    const CMatrix& l = source_;
    const CMatrix& r = target_;
    switch (code) {
        case op::Solve: {
            CMatrix a = source_;
            CVector b = rhs_, x;
            std::vector<int> perm;
            if (options_.BandPassing) {
                TridiagonalSolve(a, b, x, context);
                perm.resize(static_cast<std::size_t>(a.Rows()));
                std::iota(perm.begin(), perm.end(), 0);
            } else {
                GaussSolve(a, b, x, perm, context);
            }
            source_ = std::move(a);
            rhs_ = std::move(b);
            unknowns_ = std::move(x);
            factors_ = {source_, std::move(perm), true};
            ComputeCheck(false);
            ShowSolution();
            return;
        }
        case op::Inverse:
            target_ = Inverse(l, context);
            ComputeCheck(true);
            ShowInverse();
            return;
        case op::Determinant:
            ShowScalar(Determinant(l, context), texts_.Text(mxmsg::DeterminantName));
            return;
        case op::Subdeterminant:
        case op::Complement: {
            const int row = cursorRow_ - 1, column = cursorColumn_ - 1;
            const ComplexValue value = code == op::Subdeterminant
                                           ? Subdeterminant(l, row, column, context)
                                           : AlgebraicComplement(l, row, column, context);
            ShowScalar(value, "");
            if (code == op::Complement) DeliverMatrix(Minor(l, row, column));
            return;
        }
        case op::Rank: {
            const int rank = Rank(l, context);
            const ComplexValue value{static_cast<long double>(rank), 0.0L};
            ShowScalar(value, texts_.Text(mxmsg::RankName));
            ShowError(texts_.Text(mxmsg::RankInfo) + CellText(value), MessageKind::Information);
            return;
        }
        case op::Evaluate: DeliverMatrix(InDomain(l, context)); return;
        case op::Sum: DeliverMatrix(Sum(l, r, context)); return;
        case op::Difference: DeliverMatrix(Difference(l, r, context)); return;
        case op::Scalar: {
            const ComplexValue s = ParseValueText(main_.DisplayText(), parser_);
            DeliverMatrix(ScalarMultiple(l, s, context));
            return;
        }
        case op::ProductLeft: DeliverMatrix(Product(l, r, context)); return;
        case op::ProductRight: DeliverMatrix(Product(r, l, context)); return;
        case op::ProductVector: DeliverMatrix(Product(l, r, context, true)); return;
        case op::DiagonalLeft: DeliverMatrix(DiagonalLeft(l, r, context)); return;
        case op::DiagonalRight: DeliverMatrix(DiagonalRight(l, r, context)); return;
        case op::DivideLeft: DeliverMatrix(SolveMany(l, r, context)); return;
        case op::DivideRight: DeliverMatrix(SolveMany(r, l, context)); return;
        case op::Square: DeliverMatrix(Product(l, l, context)); return;
        case op::Adjugate: DeliverMatrix(Adjugate(l, context)); return;
        case op::Transform: ComputeTransform(context); return;
        case op::ImpedanceToAdmittance: DeliverMatrix(ImpedanceToAdmittance(l, context)); return;
        case op::TwoPort: ComputeTwoPort(context); return;
        case op::NodeVoltages: {
            NodeVoltages result = ComputeNodeVoltages(l, rhs_, context);
            unknowns_ = result.Voltages;
            check_ = result.Voltages;
            target_ = std::move(result.Currents);
            ShowNodeVoltages();
            return;
        }
        default:
            context.Fail(mxmsg::OperationUndefined);
    }
}

void Worksheet::ComputeTransform(const MatrixContext& context) {
    const std::string function(TrimBlanks(main_.InputText()));
    if (function.empty()) context.Fail(mxmsg::NoTransformFunction);
    const std::string name = main_.XVariableName();
    const bool existed = parser_.VariableExists(name);
    const ComplexValue saved = existed ? parser_.GetVariable(name) : ComplexValue{};
    if (!existed) parser_.SetVariable(name, {});
    struct Restore {
        TParser& parser;
        const std::string& name;
        ComplexValue value;
        ~Restore() { parser.SetVariable(name, value); }
    } restore{parser_, name, saved};
    ExpressionProbe probe(parser_);
    probe.Compile(ConvertSeparators(function));
    auto f = [&](const ComplexValue& x) {
        parser_.SetVariable(name, x);
        return probe.Evaluate();
    };
    // The elements of the chosen area and content, judged on the left grid.
    const std::pair<int, int> cursor = Cursor(false);
    const std::optional<GridArea> area = BorderedArea(false);
    auto chosen = [&](int i, int j) {
        const bool empty = TrimBlanks(left_.Cell(i + 1, j + 1)).empty();
        if (options_.TransformContent == kFillEmpty && !empty) return false;
        if (options_.TransformContent == kFillNonEmpty && empty) return false;
        return InFillArea(options_.TransformArea, i + 1, j + 1, cursor, area);
    };
    DeliverMatrix(Transform(source_, f, chosen, options_.SymmetricWrite, context));
}

void Worksheet::ComputeTwoPort(const MatrixContext& context) {
    const int n = source_.Rows();
    RequireSymmetric(source_, context);
    const std::string fallback = DefaultTwoPortNodes(n);
    const std::optional<std::string> answer = dialogs_.AskText(
        texts_.Text(mxmsg::TwoPortCaption), texts_.Text(mxmsg::TwoPortPrompt), fallback);
    if (!answer) throw OperationCancelled{};
    const auto [k1, k2] = ParseTwoPortNodes(*answer, n, context);
    DeliverMatrix(EquivalentTwoPort(source_, k1, k2, context));
}

RunOutcome Worksheet::ResolveWithFactors() {
    Status(3, texts_.OperationTitle(op::LuResolve));
    if (mode_ != WorksheetMode::Equations) {
        ShowError(texts_.Text(mxmsg::NotEquationsMode), MessageKind::Warning);
        return RunOutcome::Failed;
    }
    if (!finished_) return RunOutcome::Failed;
    if (triangleShown_) SetTriangleView(false);
    if (checkShown_) SetResultCheck(false);
    finished_ = false;
    RunOutcome outcome = RunOutcome::Done;
    RunHooks hooks(*this);
    SolveMonitor monitor(&hooks, Format());
    try {
        const int n = factors_.LU.Rows();
        if (!factors_.Valid || n != left_.Rows()) throw EMatrixError(texts_.Text(mxmsg::NoGaussFactors));
        CVector b(static_cast<std::size_t>(n));
        for (int i = 1; i <= n; ++i) b[i - 1] = ReadCell(left_, i, n + 1, true, false);
        const auto start = std::chrono::steady_clock::now();
        CVector x;
        LuResolve(factors_, b, x, MatrixContext{monitor, texts_, Format().Scope, options_.Pivot});
        for (int i = 0; i < n && i < static_cast<int>(inputRows_.size()); ++i) {
            std::string& row = inputRows_[i];
            const std::size_t tab = row.rfind('\t');
            row = (tab == std::string::npos ? std::string() : row.substr(0, tab + 1)) +
                  left_.Cell(i + 1, n + 1);
        }
        rhs_ = std::move(b);
        unknowns_ = std::move(x);
        ComputeCheck(false);
        ShowSolution();
        ShowElapsed(start);
    } catch (const ComputationStopped&) {
        Status(2, texts_.Text(mxmsg::Stopped));
        outcome = RunOutcome::Stopped;
    } catch (const EMatrixError& error) {
        if (error.Row() > 0) view_->FocusCell(false, error.Row(), error.Column());
        ShowError(error.what());
        outcome = RunOutcome::Failed;
    } catch (const TarvixError& error) {
        ShowError(error.what());
        outcome = RunOutcome::Failed;
    }
    stopRequested_ = false;
    finished_ = true;
    view_->Refresh();
    return outcome;
}

}  // namespace tarvix
