// Data statements of tasks: VECTOR, INTERP, PLOT and the equation block EQU.
#include <algorithm>
#include <cmath>

#include "calculator/text_trim.h"
#include "calculator/value_format.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "tasks/equation_system.h"
#include "tasks/newton_interpolation.h"
#include "tasks/task_interpreter.h"
#include "tasks/task_text.h"

namespace tarvix {
namespace {

constexpr int kPlotHelp = 527;
constexpr int kSolverHelp = 201;

std::vector<long double> RealParts(const ParserFloatArray& values) {
    std::vector<long double> reals;
    reals.reserve(values.size());
    for (const ComplexValue& v : values) reals.push_back(v.Re);
    return reals;
}

}  // namespace

// --- VECTOR

TaskInterpreter::Flow TaskInterpreter::Vector(const Statement& s) {
    const std::string text = RemoveBlanksAndTabs(s.Arguments);
    const std::size_t equals = text.find('=');
    const std::string name = text.substr(0, equals);
    if (equals == std::string::npos || name.empty()) Fail(taskmsg::MissingVariableName);
    if (!IsValidIdentifier(name)) Fail(taskmsg::InvalidIdentifier, {name});

    ParserFloatArray values;
    int after = next_;
    const std::string_view rest = std::string_view(text).substr(equals + 1);
    try {
        if (rest.empty() || rest == "(") {
            // One value per following line, up to a line ")" or an empty line.
            int line = current_ + 1;
            for (; line < program_.LineCount(); ++line) {
                const std::string& value = program_.Line(line).Statement;
                if (value.empty() || value == ")") break;
                values.push_back(host_.ParseValue(value));
            }
            after = std::min(line + 1, program_.LineCount());
        } else {
            for (const std::string& value : SplitList(StripOuterParentheses(rest), ';')) {
                values.push_back(host_.ParseValue(value));
            }
        }
    } catch (const std::exception&) {
        // Values that do not convert are a syntax error of the statement.
        throw ESyntaxError(ParserMessages().Text(msg::Parse), helpContext_);
    }
    host_.StoreVector(name, std::move(values));
    next_ = after;
    return Flow::Next;
}

// --- INTERP

TaskInterpreter::Flow TaskInterpreter::Interp(const Statement& s) {
    const std::string text(StripOuterParentheses(RemoveBlanksAndTabs(s.Arguments)));
    const std::vector<std::string> parts = SplitList(text, ',');
    if (parts.size() < 4 || parts[0].empty() || parts[1].empty() || parts[3].empty()) {
        Fail(taskmsg::MissingVariableName);
    }
    const std::string& xName = parts[0];
    const std::string& yName = parts[1];
    const std::string& outName = parts[3];
    for (const std::string* name : {&xName, &yName, &outName}) {
        if (!IsValidIdentifier(*name)) Fail(taskmsg::InvalidIdentifier, {*name});
    }
    const ParserFloatArray* x = host_.FindVector(xName);
    if (!x || x->empty()) Fail(taskmsg::NotVector, {xName});
    const ParserFloatArray* y = host_.FindVector(yName);
    if (!y || y->empty()) Fail(taskmsg::NotVector, {yName});
    const long double count = std::round(EvaluateValue(parts[2]).Re);
    const long n = count > static_cast<long double>(kMaxInterpolationSamples)
                       ? kMaxInterpolationSamples + 1
                       : (count < 0.0L || std::isnan(count) ? 0 : static_cast<long>(count));

    Interpolation result = NewtonResample(RealParts(*x), RealParts(*y), n);
    switch (result.Fault) {
        case InterpolationFault::None:
            break;
        case InterpolationFault::TooManySamples:
            Fail(taskmsg::TooManySamples, {yName});
        case InterpolationFault::TooFewSamples:
            Fail(taskmsg::TooFewSamples);
        case InterpolationFault::TooManyNodes:
            Fail(taskmsg::TooManyNodes, {xName});
        case InterpolationFault::Lengths:
            Fail(taskmsg::VectorLengths, {xName, yName});
        case InterpolationFault::NotEquidistant:
            Fail(taskmsg::NodesNotEquidistant, {xName});
    }
    ParserFloatArray samples;
    samples.reserve(result.Samples.size());
    for (long double v : result.Samples) samples.push_back({v, 0.0L});
    host_.StoreVector(outName, std::move(samples));
    return Flow::Next;
}

// --- PLOT

TaskInterpreter::Flow TaskInterpreter::Plot(const Statement& s) {
    const std::string text(StripOuterParentheses(RemoveBlanksAndTabs(s.Arguments)));
    const std::vector<std::string> parts = SplitList(text, ',');
    std::vector<long double> values;
    for (const std::string& part : parts) {
        try {
            values.push_back(EvaluateValue(SubstituteTextArguments(part)).Re);
        } catch (const std::exception&) {
            // Reported; the point is not drawn.
            host_.ShowMessage(ParserMessages().Text(msg::Parse), MessageKind::Error,
                              kCancelHelpButtons, kPlotHelp);
            return Flow::Next;
        }
    }
    if (values.size() != 3) return Flow::Next;
    const long double series = std::round(values[0]);
    if (!(series >= 1.0L) || series > 1e6L) Fail(taskmsg::PlotSeries);
    host_.PlotPoint(static_cast<int>(series), values[1], values[2]);
    return Flow::Next;
}

// --- EQU

TaskInterpreter::Flow TaskInterpreter::Equ(const Statement&) {
    // The block: the lines after EQU up to the first line "END"; comments
    // and blanks removed, empty lines and "EQU" lines skipped.
    std::vector<std::string> equations;
    int end = -1;
    for (int i = current_ + 1; i < program_.LineCount(); ++i) {
        const TaskLine& line = program_.Line(i);
        if (line.IsPlainEnd()) {
            end = i;
            break;
        }
        if (line.Compact.empty() || line.Compact == "EQU") continue;
        equations.push_back(RemoveBlanksAndTabs(line.Statement));
    }
    if (end < 0) Fail(taskmsg::EquationsWithoutEnd);
    if (equations.empty()) {
        next_ = end;
        return Flow::Next;
    }
    const EquationRead read = ReadEquations(
        equations, [this](std::string_view text) { return host_.ParseValue(text).Re; });
    switch (read.Fault) {
        case EquationFault::None:
            break;
        case EquationFault::Expression:
            Fail(taskmsg::EquationExpression);
        case EquationFault::WithoutEquals:
            Fail(taskmsg::EquationWithoutEquals, {read.FaultEquation});
        case EquationFault::Count:
            Fail(taskmsg::EquationCount);
    }
    const std::optional<std::vector<long double>> solution = SolveLinearSystem(read.System);
    if (!solution) Fail(taskmsg::SingularMatrix, {}, TaskErrorKind::Statement, -1, kSolverHelp);

    // "name = value" in the display form; each unknown takes its exact value.
    if (host_.OutputHasLines()) host_.PrintLine(program_.Title(), "");
    const FormatOptions format = host_.FormatOptionsNow();
    for (std::size_t i = 0; i < solution->size(); ++i) {
        const ComplexValue value{(*solution)[i], 0.0L};
        const std::string& name = read.System.Unknowns[i];
        host_.PrintLine(program_.Title(),
                        name + " = " + std::string(TrimBlanks(FormatValueText(value, format))));
        host_.AssignVariable(name, value);
    }
    next_ = end;
    return Flow::Next;
}

}  // namespace tarvix
