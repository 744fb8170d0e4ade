// The recognisers: which operand classes each operator allows decides grouping
// and associativity; the first split from the left that satisfies them wins.
#include "engine/expression_recognizer.h"

#include <algorithm>
#include <iterator>

#include "engine/function_registry.h"
#include "engine/name_utils.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "engine/variable_table.h"

namespace tarvix {
namespace {

constexpr std::uint32_t Bit(Recognizer r) { return 1u << static_cast<unsigned>(r); }

constexpr std::uint32_t kLeaf = Bit(Recognizer::Variable) | Bit(Recognizer::Number) |
                                Bit(Recognizer::Imaginary) | Bit(Recognizer::Bracketed);
constexpr std::uint32_t kCalls = Bit(Recognizer::Call1) | Bit(Recognizer::Call2);
constexpr std::uint32_t kDivLike =
    Bit(Recognizer::IntQuotient) | Bit(Recognizer::Remainder) | Bit(Recognizer::Quotient);
constexpr std::uint32_t kProductLeft =
    kLeaf | Bit(Recognizer::Negation) | kDivLike | Bit(Recognizer::Power) | kCalls;
constexpr std::uint32_t kProductRight =
    kLeaf | Bit(Recognizer::Product) | kDivLike | Bit(Recognizer::Power) | kCalls;
constexpr std::uint32_t kSumLeft = kProductLeft | Bit(Recognizer::Difference) | Bit(Recognizer::Product);
constexpr std::uint32_t kSumRight = kProductRight | Bit(Recognizer::Sum) | Bit(Recognizer::Difference);
constexpr std::uint32_t kDifferenceRight = kProductRight;
constexpr std::uint32_t kQuotientLeft = kProductLeft;
constexpr std::uint32_t kQuotientRight = kLeaf | Bit(Recognizer::Power) | kCalls;
constexpr std::uint32_t kPowerSide = kLeaf | kCalls;

// The order in which class membership is tried.
constexpr Recognizer kClassOrder[] = {
    Recognizer::Variable,   Recognizer::Number,   Recognizer::Imaginary,   Recognizer::Bracketed,
    Recognizer::Negation,   Recognizer::Sum,      Recognizer::Difference,  Recognizer::Product,
    Recognizer::IntQuotient, Recognizer::Remainder, Recognizer::Quotient, Recognizer::Power,
    Recognizer::Call1,      Recognizer::Call2,
};

constexpr Recognizer kExpressionOrder[] = {
    Recognizer::Number,   Recognizer::Imaginary, Recognizer::Variable,    Recognizer::Negation,
    Recognizer::Sum,      Recognizer::Difference, Recognizer::Product,   Recognizer::IntQuotient,
    Recognizer::Remainder, Recognizer::Quotient, Recognizer::Power,       Recognizer::Call2,
    Recognizer::Call1,    Recognizer::Bracketed,
};

constexpr Recognizer kBracketInside[] = {Recognizer::Expression};
constexpr Recognizer kNegationOperand[] = {Recognizer::Bracketed, Recognizer::Variable,
                                           Recognizer::Power, Recognizer::Call1, Recognizer::Call2};
constexpr Recognizer kCallArgument[] = {Recognizer::Bracketed};

// Operator tokens, matched without regard to case.
constexpr std::string_view kTokens[] = {"+", "-", "*", "/", "^", "DIV", "\\", "MOD", ","};
enum Token { kPlus, kMinus, kStar, kSlash, kCaret, kDiv, kBackslash, kMod, kComma };

constexpr std::uint64_t kEmptyKey = ~std::uint64_t(0);

std::uint64_t MakeKey(Recognizer rec, TextRange t) {
    return (std::uint64_t(rec) << 58) | (std::uint64_t(t.Start) << 29) | std::uint64_t(t.Length);
}

// Whether a "+" or "-" after c is the operator of a sum or difference: c ends
// a number, a name, a bracket or a postfix. "e" and "E" may end the mantissa
// of an exponent (1e-5), "d", "D", "v" and "V" the words MOD and DIV.
bool EndsOperand(char c) {
    if (c >= '0' && c <= '9') return true;
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return std::string_view("eEdDvV").find(c) == std::string_view::npos;
    return c == '_' || c == ')' || c == '.' || c == '!' || c == '%';
}

// One more recogniser at work inside the others for the scope's lifetime.
class NestedRecognition {
public:
    explicit NestedRecognition(int& depth) : depth_(depth) {
        if (depth_ >= kMaxRecognitionDepth) Raise<ETooManyNestings>(msg::Nestings, {}, 11);
        ++depth_;
    }
    ~NestedRecognition() { --depth_; }
    NestedRecognition(const NestedRecognition&) = delete;
    NestedRecognition& operator=(const NestedRecognition&) = delete;

private:
    int& depth_;
};

}  // namespace

ExpressionRecognizer::ExpressionRecognizer(std::string_view text, const RecognizerEnvironment& env)
    : text_(text), env_(env), opens_(text.size() + 1, 0), closes_(text.size() + 1, 0),
      keys_(256, kEmptyKey), values_(256) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        opens_[i + 1] = opens_[i] + (text[i] == '(');
        closes_[i + 1] = closes_[i] + (text[i] == ')');
    }
    // The next prefix position whose depth is below each one's, by a stack
    // of positions whose depths rise.
    const auto depth = [&](std::size_t p) { return opens_[p] - closes_[p]; };
    nextLower_.assign(text.size() + 1, static_cast<std::uint32_t>(text.size() + 1));
    std::vector<std::uint32_t> rising;
    for (std::size_t p = 0; p <= text.size(); ++p) {
        while (!rising.empty() && depth(p) < depth(rising.back())) {
            nextLower_[rising.back()] = static_cast<std::uint32_t>(p);
            rising.pop_back();
        }
        rising.push_back(static_cast<std::uint32_t>(p));
    }
    operators_.resize(std::size(kTokens));
    for (std::size_t i = 0; i < text.size(); ++i) {
        for (std::size_t k = 0; k < std::size(kTokens); ++k) {
            std::string_view token = kTokens[k];
            if (EqualsNoCase(text.substr(i, token.size()), token)) {
                operators_[k].emplace_back(opens_[i] - closes_[i], static_cast<std::uint32_t>(i));
            }
        }
    }
    for (auto& list : operators_) std::sort(list.begin(), list.end());
    for (std::size_t i = 1; i < text.size(); ++i) {
        if ((text[i] == '+' || text[i] == '-') && IsBinarySign(static_cast<std::uint32_t>(i)))
            binarySigns_.emplace_back(opens_[i] - closes_[i], static_cast<std::uint32_t>(i));
    }
    std::sort(binarySigns_.begin(), binarySigns_.end());
}

ExpressionRecognizer::MemoEntry& ExpressionRecognizer::MemoSlot(std::uint64_t key) {
    if ((used_ + 1) * 2 > keys_.size()) {
        std::vector<std::uint64_t> oldKeys(keys_.size() * 2, kEmptyKey);
        std::vector<MemoEntry> oldValues(keys_.size() * 2);
        oldKeys.swap(keys_);
        oldValues.swap(values_);
        used_ = 0;
        for (std::size_t i = 0; i < oldKeys.size(); ++i) {
            if (oldKeys[i] != kEmptyKey) MemoSlot(oldKeys[i]) = oldValues[i];
        }
    }
    std::size_t mask = keys_.size() - 1;
    std::uint64_t h = key;
    h ^= h >> 31;
    h *= 0x7FB5D329728EA185ull;
    h ^= h >> 27;
    h *= 0x81DADEF4BC2DD44Dull;
    h ^= h >> 33;
    std::size_t i = static_cast<std::size_t>(h) & mask;
    while (keys_[i] != kEmptyKey && keys_[i] != key) i = (i + 1) & mask;
    if (keys_[i] == kEmptyKey) {
        keys_[i] = key;
        values_[i] = {};
        ++used_;
    }
    return values_[i];
}

bool ExpressionRecognizer::Balanced(TextRange t) const {
    std::uint32_t e = t.Start + t.Length;
    return opens_[e] - opens_[t.Start] == closes_[e] - closes_[t.Start];
}

bool ExpressionRecognizer::ProperlyNested(TextRange t) const {
    // No prefix position of the text lies below the depth at its start.
    return Balanced(t) && nextLower_[t.Start] > t.Start + t.Length;
}

bool ExpressionRecognizer::HasBracket(TextRange t) const {
    return opens_[t.Start + t.Length] != opens_[t.Start];
}

bool ExpressionRecognizer::Is(Recognizer rec, TextRange t) {
    if (++steps_ > kMaxRecognitionSteps) Raise<EExpressionTooComplex>(msg::TooComplex, {}, 11);
    // No recogniser accepts a text whose brackets do not balance.
    if (t.Length == 0 || !ProperlyNested(t) || !Plausible(rec, t)) return false;
    std::uint64_t key = MakeKey(rec, t);
    if (std::int32_t state = MemoSlot(key).State; state != 0) return state >= 2;
    std::int32_t data = 0;
    std::int32_t depth = 0;
    bool yes = false;
    {
        NestedRecognition nested(depth_);
        yes = Compute(rec, t, data, depth);
    }
    if (yes && depth > kMaxParseDepth) Raise<ETooManyNestings>(msg::Nestings, {}, 11);
    // MemoSlot may have rehashed during Compute: look the key up again.
    MemoSlot(key) = yes ? MemoEntry{2 + data, depth} : MemoEntry{1, 0};
    return yes;
}

std::int32_t ExpressionRecognizer::DepthOf(Recognizer rec, TextRange t) {
    return MemoSlot(MakeKey(rec, t)).Depth;
}

bool ExpressionRecognizer::HasOperatorAtTop(int token, TextRange t) const {
    return OccursAtTop(operators_[std::size_t(token)], t);
}

bool ExpressionRecognizer::OccursAtTop(
    const std::vector<std::pair<std::int32_t, std::uint32_t>>& list, TextRange t) const {
    const std::int32_t depth = opens_[t.Start] - closes_[t.Start];
    auto it = std::lower_bound(list.begin(), list.end(), std::make_pair(depth, t.Start + 1));
    return it != list.end() && it->first == depth && it->second + 1 < t.Start + t.Length;
}

bool ExpressionRecognizer::Plausible(Recognizer rec, TextRange t) const {
    const char first = text_[t.Start];
    const char last = text_[t.Start + t.Length - 1];
    auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const bool numberStart = digit(first) || first == '.' || first == '+' || first == '-';
    // No term ends with an operator or an opening bracket, nor starts with an
    // operator other than a sign.
    constexpr std::string_view kNoLast = "+-*/^\\(";
    constexpr std::string_view kNoFirst = "*/^\\";
    if (kNoLast.find(last) != std::string_view::npos ||
        kNoFirst.find(first) != std::string_view::npos)
        return false;
    // Only a sum or a difference holds the operator of one outside brackets.
    // Rejecting the rest at once keeps long chains of terms from costing a
    // power of their length.
    if (rec != Recognizer::Sum && rec != Recognizer::Difference && rec != Recognizer::Expression &&
        OccursAtTop(binarySigns_, t))
        return false;
    switch (rec) {
        case Recognizer::Variable: return letter(first);  // names are identifiers
        case Recognizer::Number:
            if (!env_.Literals.PascalNumberformat) return true;
            return numberStart || first == 'P' || first == 'p' || first == 'e';
        case Recognizer::Imaginary: return numberStart || first == env_.Literals.ImaginaryUnit ||
                                           first == 'i' || first == 'j';
        case Recognizer::Bracketed: return first == '(' && last == ')';
        case Recognizer::Negation: return first == '-';
        case Recognizer::Call1:
        case Recognizer::Call2: return last == ')' && first != '(';
        case Recognizer::Sum: return HasOperatorAtTop(kPlus, t);
        case Recognizer::Difference: return HasOperatorAtTop(kMinus, t);
        case Recognizer::Product: return HasOperatorAtTop(kStar, t);
        case Recognizer::Quotient: return HasOperatorAtTop(kSlash, t);
        case Recognizer::Power: return HasOperatorAtTop(kCaret, t);
        case Recognizer::IntQuotient:
            return HasOperatorAtTop(kDiv, t) || HasOperatorAtTop(kBackslash, t);
        case Recognizer::Remainder: return HasOperatorAtTop(kMod, t);
        case Recognizer::Expression: break;
    }
    return true;
}

bool ExpressionRecognizer::InClass(std::uint32_t mask, TextRange t, std::int32_t& depth) {
    for (Recognizer r : kClassOrder) {
        if ((mask & Bit(r)) && Is(r, t)) {
            depth = DepthOf(r, t);
            return true;
        }
    }
    return false;
}

bool ExpressionRecognizer::IsVariableText(TextRange t) const {
    std::string_view s = Sub(t);
    const bool complex = env_.Literals.Scope == nsComplex;
    if (complex && s.size() == 1 && s[0] == env_.Literals.ImaginaryUnit) return false;
    if (s == "e") return false;
    if (env_.Variables->Contains(s)) return true;
    return IsNewVariable(t);
}

bool ExpressionRecognizer::IsNewVariable(TextRange t) const {
    std::string_view s = Sub(t);
    if (!env_.AutoRegisterVar || !IsValidIdentifier(s) || s == "e") return false;
    if (env_.Variables->Contains(s)) return false;
    if (EqualsNoCase(s, "PI")) return false;
    if (env_.Literals.Scope == nsComplex && s.size() == 1 && s[0] == env_.Literals.ImaginaryUnit)
        return false;
    return env_.Functions1->Find(s) == nullptr && env_.Functions2->Find(s) == nullptr;
}

std::int32_t ExpressionRecognizer::FirstBracket(TextRange t) const {
    std::string_view s = Sub(t);
    std::size_t p = s.find('(');
    return p == std::string_view::npos ? -1 : static_cast<std::int32_t>(p);
}

bool ExpressionRecognizer::ScanOperator(int token, std::uint32_t leftMask,
                                        std::uint32_t rightMask, TextRange t,
                                        std::int32_t& data, std::int32_t& depth) {
    const auto& list = operators_[std::size_t(token)];
    const std::int32_t bracketDepth = opens_[t.Start] - closes_[t.Start];
    const std::uint32_t w = static_cast<std::uint32_t>(kTokens[token].size());
    // The occurrences at the text's own bracket depth with text on both sides.
    const std::uint32_t end = t.Start + t.Length;
    auto first =
        std::lower_bound(list.begin(), list.end(), std::make_pair(bracketDepth, t.Start + 1));
    const std::uint32_t bound = end - std::max<std::uint32_t>(1, w - 1);
    auto stop = std::lower_bound(first, list.end(), std::make_pair(bracketDepth, bound));
    if (first == stop) return false;
    // No operand that "*" or "^" allows on its left holds that operator
    // outside brackets, and none that "/" allows on its right holds a "/":
    // only the first "*" or "^" and the last "/" can split the text. Trying
    // only that one keeps long chains from costing the square of their length.
    if (token == kStar || token == kCaret) stop = first + 1;
    if (token == kSlash) first = stop - 1;
    for (auto it = first; it != stop; ++it) {
        const std::uint32_t i = it->second - t.Start;
        TextRange left{t.Start, i};
        TextRange right{t.Start + i + w, t.Length - i - w};
        if (!Balanced(left) || !Balanced(right)) continue;
        std::int32_t leftDepth = 0, rightDepth = 0;
        const bool leftFits = InClass(leftMask, left, leftDepth);
        if (leftFits && InClass(rightMask, right, rightDepth)) {
            data = static_cast<std::int32_t>(i) * 4 + static_cast<std::int32_t>(w);
            depth = 1 + std::max(leftDepth, rightDepth);
            return true;
        }
        // A "+" or "-" that can only be an operator stays in every later left
        // operand. No left operand of "+" holds such a "+"; a left operand of
        // "-" holds such a "-" only as a difference split there, which needs
        // the text before it to be a left operand already.
        if (IsBinarySign(it->second) && (token == kPlus || (token == kMinus && !leftFits)))
            break;
    }
    return false;
}

bool ExpressionRecognizer::IsBinarySign(std::uint32_t at) const {
    return env_.Literals.PascalNumberformat && at > 0 && EndsOperand(text_[at - 1]);
}

bool ExpressionRecognizer::Compute(Recognizer rec, TextRange t, std::int32_t& data,
                                   std::int32_t& depth) {
    std::string_view s = Sub(t);
    long double value = 0;
    // The first recogniser of the list that accepts u; depth becomes its depth.
    auto firstOf = [&](const auto& list, TextRange u) {
        for (Recognizer r : list) {
            if (Is(r, u)) {
                depth = DepthOf(r, u);
                return true;
            }
        }
        return false;
    };
    switch (rec) {
        case Recognizer::Variable: return !HasBracket(t) && IsVariableText(t);
        case Recognizer::Number: return !HasBracket(t) && IsNumber(s, env_.Literals, value);
        case Recognizer::Imaginary:
            return !HasBracket(t) && IsImaginaryNumber(s, env_.Literals, value);
        case Recognizer::Bracketed:
            // Brackets add no level to the tree.
            return t.Length >= 2 && s.front() == '(' && s.back() == ')' &&
                   firstOf(kBracketInside, {t.Start + 1, t.Length - 2});
        case Recognizer::Expression: return firstOf(kExpressionOrder, t);
        case Recognizer::Negation: {
            // A minus negates the power that follows it, also after an operator:
            // 2*-3^2 is 2*(-(3^2)) = -18 and 1--3^2 is 10, the same reading as
            // -3^2 = -9 at the start. The digits after the minus are not read as
            // a signed literal base.
            if (s.front() != '-') return false;
            TextRange rest{t.Start + 1, t.Length - 1};
            if (!firstOf(kNegationOperand, rest)) return false;
            ++depth;
            return true;
        }
        case Recognizer::Sum: return ScanOperator(kPlus, kSumLeft, kSumRight, t, data, depth);
        case Recognizer::Difference:
            return ScanOperator(kMinus, kSumLeft, kDifferenceRight, t, data, depth);
        case Recognizer::Product:
            return ScanOperator(kStar, kProductLeft, kProductRight, t, data, depth);
        case Recognizer::Quotient:
            return ScanOperator(kSlash, kQuotientLeft, kQuotientRight, t, data, depth);
        case Recognizer::Power: return ScanOperator(kCaret, kPowerSide, kPowerSide, t, data, depth);
        case Recognizer::IntQuotient:
            return ScanOperator(kDiv, kQuotientLeft, kQuotientRight, t, data, depth) ||
                   ScanOperator(kBackslash, kQuotientLeft, kQuotientRight, t, data, depth);
        case Recognizer::Remainder:
            return ScanOperator(kMod, kQuotientLeft, kQuotientRight, t, data, depth);
        case Recognizer::Call1: {
            std::int32_t p = FirstBracket(t);
            if (p < 1 || !env_.Functions1->Find(s.substr(0, std::size_t(p)))) return false;
            if (!firstOf(kCallArgument, {t.Start + std::uint32_t(p), t.Length - std::uint32_t(p)}))
                return false;
            ++depth;
            return true;
        }
        case Recognizer::Call2: {
            std::int32_t p = FirstBracket(t);
            if (p < 1 || s.back() != ')' || !env_.Functions2->Find(s.substr(0, std::size_t(p))))
                return false;
            std::uint32_t innerStart = t.Start + std::uint32_t(p) + 1;
            std::uint32_t innerLength = t.Length - std::uint32_t(p) - 2;
            const auto& commas = operators_[kComma];
            const std::int32_t bracketDepth = opens_[innerStart] - closes_[innerStart];
            auto it = std::lower_bound(commas.begin(), commas.end(),
                                       std::make_pair(bracketDepth, innerStart + 1));
            for (; it != commas.end() && it->first == bracketDepth; ++it) {
                const std::uint32_t j = it->second - innerStart;
                if (j + 1 >= innerLength) break;
                const TextRange first{innerStart, j};
                const TextRange second{innerStart + j + 1, innerLength - j - 1};
                if (Is(Recognizer::Expression, first) && Is(Recognizer::Expression, second)) {
                    data = static_cast<std::int32_t>(j);
                    depth = 1 + std::max(DepthOf(Recognizer::Expression, first),
                                         DepthOf(Recognizer::Expression, second));
                    return true;
                }
            }
            return false;
        }
    }
    return false;
}

Operands ExpressionRecognizer::OperandsOf(Recognizer rec, TextRange t) {
    Is(rec, t);
    std::int32_t data = MemoSlot(MakeKey(rec, t)).State - 2;
    Operands o;
    switch (rec) {
        case Recognizer::Negation: o.Left = {t.Start + 1, t.Length - 1}; break;
        case Recognizer::Call1: {
            std::uint32_t p = std::uint32_t(FirstBracket(t));
            o.Left = {t.Start + p + 1, t.Length - p - 2};
            break;
        }
        case Recognizer::Call2: {
            std::uint32_t p = std::uint32_t(FirstBracket(t));
            std::uint32_t innerStart = t.Start + p + 1;
            std::uint32_t innerLength = t.Length - p - 2;
            std::uint32_t j = std::uint32_t(data);
            o.Left = {innerStart, j};
            o.Right = {innerStart + j + 1, innerLength - j - 1};
            break;
        }
        default: {
            std::uint32_t i = std::uint32_t(data / 4);
            std::uint32_t w = std::uint32_t(data % 4);
            o.Left = {t.Start, i};
            o.Right = {t.Start + i + w, t.Length - i - w};
            break;
        }
    }
    o.Left = StripBrackets(o.Left);
    if (o.Right.Length > 0) o.Right = StripBrackets(o.Right);
    return o;
}

TextRange ExpressionRecognizer::StripBrackets(TextRange t) {
    while (Is(Recognizer::Bracketed, t)) t = {t.Start + 1, t.Length - 2};
    return t;
}

}  // namespace tarvix
