// The series hooks of the calculation command: parametric and expansion
// input, the branch into a run (with the second parametric pass), the
// expansion's sum, and the series settings.
#include "series/series_controller.h"

#include "calculator/value_format.h"
#include "engine/parser_errors.h"

namespace tarvix {

SeriesController::SeriesController(Calculator& calculator) : calc_(calculator) {}

void SeriesController::SetRunControl(RunControlPort* control) {
    control_ = control ? control : &inertControl_;
}
void SeriesController::SetStatistics(StatisticsPort* statistics) {
    statistics_ = statistics ? statistics : &inertStatistics_;
}
void SeriesController::SetChart(ChartPort* chart) {
    chart_ = chart ? chart : &inertChart_;
}

void SeriesController::SetVarAsVector(bool on) {
    if (!on) vectors_.ClearAllVectors();
    varAsVector_ = on;
}

std::filesystem::path SeriesController::SeriesFilePath() const {
    if (!fileOverride_.empty()) return fileOverride_;
    std::filesystem::path path = dataFilePath_ ? dataFilePath_() : std::filesystem::path("data.fx");
    return path.replace_extension(".txt");
}

bool SeriesController::PrepareSeries(std::string_view typed, std::string& text) {
    pass_ = 0;
    parametric_ = false;
    parametricY_.clear();
    expansion_.reset();
    lastCalculationWasRun_ = false;
    TParser& parser = calc_.Parser1();
    if (typed.find("...") != std::string_view::npos) {
        if (calc_.NumericalScope() == nsComplex) {
            calc_.ShowMessageBox(texts_.Text(seriesmsg::ParametricComplex), MessageKind::Error,
                                 kCancelHelpButtons, kSeriesHelpContext);
            return false;
        }
        std::optional<ParametricTexts> parts = SplitParametric(text);
        if (!parts) return true;
        text = parts->X;
        parametricY_ = parts->Y;
        parametric_ = true;
        pass_ = 1;
        return true;
    }
    if (text.find(":::") == std::string::npos) return true;
    SeriesExpansion expansion = ReadExpansion(text, parser, texts_);
    // The summation variable exists before the term is compiled, so that it
    // is never taken for a new variable.
    if (!parser.VariableExists(expansion.Variable)) parser.SetVariable(expansion.Variable, {});
    text = expansion.Term;
    expansion_ = std::move(expansion);
    return true;
}

std::optional<ComplexValue> SeriesController::EvaluateSeriesExpansion(TParser& parser) {
    if (!expansion_) return std::nullopt;
    ComplexValue* slot = parser.VariableAddress(expansion_->Variable);
    if (!slot) slot = parser.SetVariable(expansion_->Variable, {});
    return SumExpansion(*expansion_, parser, slot, parser.NumericalScope() == nsComplex);
}

bool SeriesController::BranchToSeries(bool xRangeUsed) {
    // A calculation while a run goes only asks the run to stop.
    if (running_) {
        stop_ = true;
        return true;
    }
    TParser& parser = calc_.Parser1();
    const bool vectorRun = varAsVector_ && vectors_.AnyUsedVector(parser);
    if (!xRangeUsed && !vectorRun) return false;
    lastCalculationWasRun_ = true;
    struct PassReset {
        int& pass;
        ~PassReset() { pass = 0; }
    } passReset{pass_};
    if (!xRangeUsed) pass_ = 0;
    lastRun_ = RunEnd::NotRun;
    RunEnd end = RunSeries(false);
    if (pass_ == 1 && end == RunEnd::Completed) {
        // The second pass computes y(t); a stopped first pass ends the pair.
        pass_ = 2;
        parser.SetExpression(parametricY_);
        calc_.ConfirmNewVariables();
        end = parser.NewVarCount() == 0 ? RunSeries(false) : RunEnd::NotRun;
    }
    lastRun_ = end;
    return true;
}

std::string SeriesController::VectorHint(std::string_view name) const {
    return VectorLabelHint(vectors_.FindVector(name), calc_.CurrentFormatOptions(),
                           texts_.Text(seriesmsg::ElementsHint));
}

}  // namespace tarvix
