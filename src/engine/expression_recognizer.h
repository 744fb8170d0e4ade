// Classification of expression texts by the fixed sequence of recognisers.
// Recognition is pure (it registers nothing) and memoised per sub-text, so a
// text is classified in polynomial time however its operators nest.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/compiler.h"
#include "engine/number_literal.h"

namespace tarvix {

class VariableTable;
class FunctionRegistry;

// The deepest tree a recognised text may have: a compiled expression has at
// most kMaxNestingLevel levels of operations, and a sub-text that is only
// tried on the way gets as much again. A deeper text is refused with "Výraz
// je příliš zahnízděný" as soon as it is recognised, so a long chain such as
// 1-1-…-1 costs time in proportion to its length, not to its square.
inline constexpr int kMaxParseDepth = 2 * kMaxNestingLevel;
// The longest chain of recognisers at work inside one another (a bracket in a
// bracket, an operand of an operand). A level of calls whose arguments stand
// in a pair of brackets of their own, sin((…)), takes five (the call, the
// argument's brackets, the expression inside, the inner brackets and the
// expression inside them), so fifty such levels fit with room to spare. A
// deeper chain is refused with the same message before the recursion can
// exhaust the stack: it takes about 150 KB at most (0.5 KB a recogniser).
inline constexpr int kMaxRecognitionDepth = 6 * kMaxNestingLevel;
// The most recognisers one text may try (memoised and ruled-out ones
// included). The largest expressions that fit the tree's limits take some
// hundred thousand; a text that would take more is refused with "Výraz je
// příliš komplexní" within a fraction of a second.
inline constexpr std::size_t kMaxRecognitionSteps = std::size_t(1) << 22;

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

    // Raises ETooManyNestings when the text nests deeper than the limits
    // above, EExpressionTooComplex when it needs more steps.
    bool Is(Recognizer rec, TextRange t);
    // The operands of an accepted text (binary operators, negation, calls).
    Operands OperandsOf(Recognizer rec, TextRange t);
    // The text with every enclosing pair of brackets removed.
    TextRange StripBrackets(TextRange t);
    // True when the name is a variable only because automatic registration
    // would create it.
    bool IsNewVariable(TextRange t) const;

private:
    // Whether rec accepts t; for an accepted text, the operands' position
    // (`data`) and the depth of its tree (`depth`: 0 for a leaf).
    bool Compute(Recognizer rec, TextRange t, std::int32_t& data, std::int32_t& depth);
    // The tree depth of a text that rec has accepted.
    std::int32_t DepthOf(Recognizer rec, TextRange t);
    bool Balanced(TextRange t) const;
    bool HasBracket(TextRange t) const;
    // Balanced and never closing a bracket it did not open. Every text a
    // recogniser accepts is properly nested, so other texts are rejected early.
    bool ProperlyNested(TextRange t) const;
    // Whether a recogniser of the mask accepts t, and the depth of its tree.
    bool InClass(std::uint32_t mask, TextRange t, std::int32_t& depth);
    // A cheap test that rules out most (recogniser, text) pairs before the
    // memo is consulted: a text that fails it is never accepted.
    bool Plausible(Recognizer rec, TextRange t) const;
    bool HasOperatorAtTop(int token, TextRange t) const;
    // Whether the "+" or "-" at `at` can only be the operator of a sum or a
    // difference: it follows the end of an operand (a digit, a name, ")", a
    // postfix), not an operator, a bracket, the "e" that may end an exponent's
    // mantissa (1e-5) or the words DIV and MOD. Not decided for numbers in
    // the locale's syntax, which may hold other letters before a sign.
    bool IsBinarySign(std::uint32_t at) const;
    // Whether an occurrence of the list lies at t's own bracket depth after
    // its first character and before its last.
    bool OccursAtTop(const std::vector<std::pair<std::int32_t, std::uint32_t>>& list,
                     TextRange t) const;
    // Tries the splits at the occurrences of one operator token (index into
    // the operator table) whose both sides have balanced brackets.
    bool ScanOperator(int token, std::uint32_t leftMask, std::uint32_t rightMask, TextRange t,
                      std::int32_t& data, std::int32_t& depth);
    bool IsVariableText(TextRange t) const;
    std::int32_t FirstBracket(TextRange t) const;

    std::string_view text_;
    const RecognizerEnvironment& env_;
    int depth_ = 0;  // recognisers at work inside one another
    std::vector<std::int32_t> opens_;   // prefix counts of "("
    std::vector<std::int32_t> closes_;  // prefix counts of ")"
    // nextLower_[p]: the first prefix position after p whose bracket depth is
    // below p's (one past the end when there is none).
    std::vector<std::uint32_t> nextLower_;
    // Occurrences of each operator token as (bracket depth before it, index),
    // sorted: the balanced splits of a range are those at the depth of its start.
    std::vector<std::vector<std::pair<std::int32_t, std::uint32_t>>> operators_;
    // The same for the "+" and "-" that can only be the operator of a sum or a
    // difference (IsBinarySign).
    std::vector<std::pair<std::int32_t, std::uint32_t>> binarySigns_;

    // Open-addressing memo: key (recogniser, start, length) -> State 0
    // unknown, 1 no, 2 + data yes; Depth the tree depth of an accepted text.
    struct MemoEntry {
        std::int32_t State = 0;
        std::int32_t Depth = 0;
    };
    MemoEntry& MemoSlot(std::uint64_t key);
    std::vector<std::uint64_t> keys_;
    std::vector<MemoEntry> values_;
    std::size_t used_ = 0;
    std::size_t steps_ = 0;  // recognisers tried, memoised answers included
};

}  // namespace tarvix
