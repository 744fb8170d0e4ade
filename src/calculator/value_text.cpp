// Conversions between text lines and values.
#include "calculator/value_text.h"

#include <algorithm>

#include "calculator/float_mask.h"
#include "calculator/text_trim.h"
#include "engine/number_literal.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {

constexpr int kSyntaxHelpContext = 11;

// Compiles and evaluates a text on the caller's evaluator and puts the
// evaluator back as it was when the scope ends.
class DetachedEvaluation {
  public:
    explicit DetachedEvaluation(TParser& parser)
        : parser_(parser),
          expression_(parser.Expression()),
          wasCompiled_(parser.IsCompiled() && !parser.CompileError()),
          autoRegister_(parser.AutoRegisterVar()),
          lastValue_(parser.LastValue()) {
        parser_.SetAutoRegisterVar(false);
    }

    ~DetachedEvaluation() {
        try {
            // Still without automatic registration: recompiling creates nothing.
            parser_.SetExpression(wasCompiled_ ? std::string_view(expression_) : "");
        } catch (const std::exception&) {
            // The modes changed since the expression was compiled; it stays uncompiled.
        }
        parser_.SetAutoRegisterVar(autoRegister_);
        parser_.SetLastValue(lastValue_);
    }

    DetachedEvaluation(const DetachedEvaluation&) = delete;
    DetachedEvaluation& operator=(const DetachedEvaluation&) = delete;

    ComplexValue Evaluate(std::string_view text) {
        parser_.SetExpression(text);
        // An error handler on the evaluator may have taken the compile error.
        if (parser_.CompileError() || !parser_.IsCompiled()) {
            Raise<ESyntaxError>(msg::Parse, {}, kSyntaxHelpContext);
        }
        return parser_.Evaluate();
    }

  private:
    TParser& parser_;
    std::string expression_;
    bool wasCompiled_;
    bool autoRegister_;
    ComplexValue lastValue_;
};

}  // namespace

ComplexValue ParseValueText(std::string_view text, TParser& parser) {
    std::string line(text);
    std::ranges::replace(line, ',', '.');
    std::ranges::replace(line, ';', ',');
    if (line.find("..") != std::string::npos) return {};
    std::string_view value = TrimBlanks(std::string_view(line).substr(0, line.find(':')));
    if (value.empty()) return {};
    long double number = 0.0L;
    if (ReadDecimal(value, number)) return {number, 0.0L};
    DetachedEvaluation evaluation(parser);
    return evaluation.Evaluate(value);
}

std::string VectorElementText(const ComplexValue& value, const FormatOptions& options) {
    const FloatMask general{};
    std::string text = FormatFloat(value.Re, general, options.DecimalSeparator);
    if (options.Scope != nsComplex) return text;
    std::string im = FormatFloat(value.Im, general, options.DecimalSeparator);
    if (!im.starts_with('-')) text += '+';
    return text + im + options.ImaginaryUnit;
}

}  // namespace tarvix
