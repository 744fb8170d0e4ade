// Compiling and evaluating texts on the main evaluator without side effects.
#include "calculator/expression_probe.h"

#include <algorithm>

#include "calculator/text_trim.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {
constexpr int kSyntaxHelpContext = 11;
}  // namespace

ExpressionProbe::ExpressionProbe(TParser& parser)
    : parser_(parser),
      expression_(parser.Expression()),
      wasCompiled_(parser.IsCompiled() && !parser.CompileError()),
      autoRegister_(parser.AutoRegisterVar()),
      lastValue_(parser.LastValue()) {
    parser_.SetAutoRegisterVar(false);
}

ExpressionProbe::~ExpressionProbe() {
    try {
        parser_.SetExpression(wasCompiled_ ? std::string_view(expression_) : "");
    } catch (const std::exception&) {
        // The modes changed since the expression was compiled; it stays uncompiled.
    }
    parser_.SetAutoRegisterVar(autoRegister_);
    parser_.SetLastValue(lastValue_);
}

void ExpressionProbe::Compile(std::string_view text) {
    parser_.SetExpression(text);
    if (parser_.CompileError() || (!text.empty() && !parser_.IsCompiled())) {
        Raise<ESyntaxError>(msg::Parse, {}, kSyntaxHelpContext);
    }
}

bool IsValueText(std::string_view text, TParser& parser) {
    std::string value(TrimBlanks(text));
    if (value.empty() || value.find(' ') != std::string::npos) return false;
    std::replace(value.begin() + 1, value.end(), ',', '.');
    try {
        ExpressionProbe probe(parser);
        probe.Compile(value);
        probe.Evaluate();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace tarvix
