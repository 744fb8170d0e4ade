// Classification of expression texts by the fixed sequence of recognisers.
// Recognition is pure (it registers nothing) and memoised per sub-text, so a
// text is classified in polynomial time however its operators nest.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/number_literal.h"

namespace tarvix {

class VariableTable;
class FunctionRegistry;

// A sub-text of the recogniser's text.
struct TextRange {
    std::uint32_t Start = 0;
    std::uint32_t Length = 0;
};

enum class Recognizer : std::uint8_t {
    Variable,
    Imaginary,
    Number,
    Negation,
    Sum,
    Difference,
    Product,
    IntQuotient,
    Remainder,
    Quotient,
    Power,
    Call1,
    Call2,
    Bracketed,
    Expression,
};

struct RecognizerEnvironment {
    const VariableTable* Variables = nullptr;
    const FunctionRegistry* Functions1 = nullptr;
    const FunctionRegistry* Functions2 = nullptr;
    bool AutoRegisterVar = true;
    LiteralModes Literals;
};

// What a recogniser hands back for a text it accepted.
struct Operands {
    TextRange Left;   // operand of a negation or one-argument call; first operand
    TextRange Right;  // second operand
};

class ExpressionRecognizer {
public:
    ExpressionRecognizer(std::string_view text, const RecognizerEnvironment& env);

    std::string_view Text() const { return text_; }
    std::string_view Sub(TextRange r) const { return text_.substr(r.Start, r.Length); }
    TextRange Whole() const { return {0, static_cast<std::uint32_t>(text_.size())}; }

    bool Is(Recognizer rec, TextRange t);
    // The operands of an accepted text (binary operators, negation, calls).
    Operands OperandsOf(Recognizer rec, TextRange t);
    // The text with every enclosing pair of brackets removed.
    TextRange StripBrackets(TextRange t);
    // True when the name is a variable only because automatic registration
    // would create it.
    bool IsNewVariable(TextRange t) const;

private:
    bool Compute(Recognizer rec, TextRange t, std::int32_t& data);
    bool Balanced(TextRange t) const;
    bool HasBracket(TextRange t) const;
    // Balanced and never closing a bracket it did not open. Every text a
    // recogniser accepts is properly nested, so other texts are rejected early.
    bool ProperlyNested(TextRange t) const;
    bool InClass(std::uint32_t mask, TextRange t);
    // A cheap test that rules out most (recogniser, text) pairs before the
    // memo is consulted: a text that fails it is never accepted.
    bool Plausible(Recognizer rec, TextRange t) const;
    bool HasOperatorAtTop(int token, TextRange t) const;
    // Tries the splits at the occurrences of one operator token (index into
    // the operator table) whose both sides have balanced brackets.
    bool ScanOperator(int token, std::uint32_t leftMask, std::uint32_t rightMask, TextRange t,
                      std::int32_t& data);
    bool IsVariableText(TextRange t) const;
    std::int32_t FirstBracket(TextRange t) const;

    std::string_view text_;
    const RecognizerEnvironment& env_;
    std::vector<std::int32_t> opens_;   // prefix counts of "("
    std::vector<std::int32_t> closes_;  // prefix counts of ")"
    // minDepth_[k][i]: least bracket depth among positions i .. i + 2^k - 1.
    std::vector<std::vector<std::int32_t>> minDepth_;
    // Occurrences of each operator token as (bracket depth before it, index),
    // sorted: the balanced splits of a range are those at the depth of its start.
    std::vector<std::vector<std::pair<std::int32_t, std::uint32_t>>> operators_;

    // Open-addressing memo: key (recogniser, start, length) -> 0 unknown,
    // 1 no, 2 + data yes.
    std::int32_t& MemoSlot(std::uint64_t key);
    std::vector<std::uint64_t> keys_;
    std::vector<std::int32_t> values_;
    std::size_t used_ = 0;
};

}  // namespace tarvix
