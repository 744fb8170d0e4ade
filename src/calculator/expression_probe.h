// Trying a text on the main evaluator without leaving a trace: the checks of
// the calculator (IsValueText, the range check of the "#" command) compile
// and evaluate texts on Parser1 but must never create variables or replace
// the compiled input.
#pragma once

#include <string>
#include <string_view>

#include "engine/complex_value.h"
#include "engine/parser.h"

namespace tarvix {

// While it lives, automatic registration is off (an unknown name is an error,
// never a new variable); when it ends, the evaluator's previous expression is
// compiled again (without registration) and the registration flag and the
// last value are put back, also after an error. The new-variable list of the
// previous compilation is not kept.
class ExpressionProbe {
public:
    explicit ExpressionProbe(TParser& parser);
    ~ExpressionProbe();
    ExpressionProbe(const ExpressionProbe&) = delete;
    ExpressionProbe& operator=(const ExpressionProbe&) = delete;

    // Compiles the text; raises the compile error (a syntax error when an
    // error handler on the evaluator took it).
    void Compile(std::string_view text);
    // Runs the text compiled last; raises evaluation errors.
    ComplexValue Evaluate() { return parser_.Evaluate(); }

private:
    TParser& parser_;
    std::string expression_;
    bool wasCompiled_;
    bool autoRegister_;
    ComplexValue lastValue_;
};

// Whether a text is a value: trimmed, it contains no blank, every "," after its
// first character read as ".", and it compiles and evaluates without error.
// An empty text is not a value. Leaves no trace on the evaluator.
bool IsValueText(std::string_view text, TParser& parser);

}  // namespace tarvix
