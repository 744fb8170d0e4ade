// Building the term tree from the recognisers and flattening it level by level
// into the operation list: the deepest level runs first, the root last.
#include "engine/compiler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/expression_recognizer.h"
#include "engine/float_guard.h"
#include "engine/function_registry.h"
#include "engine/name_utils.h"
#include "engine/operators.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"
#include "engine/variable_table.h"

namespace tarvix {
namespace {

class Compilation;

// Compiles one text into one list; calculus arguments get their own, whose
// levels continue below the call's, so the whole text keeps within the limit.
class ListBuilder {
public:
    ListBuilder(Compilation& owner, std::string_view text, OperationList& list, int level);
    void Build();

private:
    struct Placed {
        int Level;
        int Position;
        std::size_t Index;
    };

    ComplexValue* BuildTerm(TextRange t, int level);
    std::size_t NewRecord(int level, OperationKind kind, OperationCallback callback);
    OperationKind PowerKind(TextRange exponent);

    Compilation& owner_;
    ExpressionRecognizer rec_;
    OperationList& list_;
    int level_;  // the level of the list's root term
    std::array<int, kMaxNestingLevel + 2> used_{};
    std::vector<Placed> placed_;
};

class Compilation : public CallBindingScope {
public:
    explicit Compilation(const CompileInput& input) : input_(input) {
        env_.Variables = input.Variables;
        env_.Functions1 = input.Functions1;
        env_.Functions2 = input.Functions2;
        env_.AutoRegisterVar = input.AutoRegisterVar;
        env_.Literals = {input.PascalNumberformat, input.NumericalScope, input.NumericalBase,
                         input.ImaginaryUnit};
    }

    std::unique_ptr<OperationList> Run(std::string_view text) {
        try {
            auto list = std::make_unique<OperationList>();
            ListBuilder(*this, Prepare(text), *list, 0).Build();
            for (const auto& name : used_.Names()) input_.UsedVariables->Add(name);
            for (const auto& name : added_) input_.NewVariables->Add(name);
            return list;
        } catch (...) {
            for (const auto& name : added_) input_.Variables->Remove(name);
            throw;
        }
    }

    const RecognizerEnvironment& Environment() const { return env_; }

    // The slot of a variable of the final tree, registering a new one.
    ComplexValue* UseVariable(std::string_view name) {
        ComplexValue* slot = input_.Variables->Find(name);
        if (!slot) {
            slot = input_.Variables->AddOwned(name);
            added_.emplace_back(name);
        }
        used_.Add(name);
        return slot;
    }

    std::unique_ptr<OperationList> CompileArgument(std::string_view text) override {
        auto list = std::make_unique<OperationList>();
        const bool signed_ = !text.empty() && (text[0] == '+' || text[0] == '-');
        ListBuilder(*this, Keep(signed_ ? "0" + std::string(text) : std::string(text)), *list,
                    argumentLevel_)
            .Build();
        return list;
    }

    // The level at which the arguments bound next are compiled; returns the
    // previous one.
    int SetArgumentLevel(int level) { return std::exchange(argumentLevel_, level); }

    ComplexValue* VariableSlot(std::string_view name) override {
        if (input_.Variables->Contains(name)) return UseVariable(name);
        ExpressionRecognizer probe(name, env_);
        if (probe.IsNewVariable(probe.Whole())) return UseVariable(name);
        return nullptr;
    }

    const VariableTable& Variables() const override { return *input_.Variables; }

private:
    std::string_view Prepare(std::string_view text) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
        if (text.find(' ') != std::string_view::npos) Raise<EExpressionHasBlanks>(msg::Blanks, {}, 11);
        if (std::count(text.begin(), text.end(), '(') != std::count(text.begin(), text.end(), ')'))
            Raise<EMissMatchingBracket>(msg::MissingBrackets, {}, 11);
        return text;
    }

    std::string_view Keep(std::string text) {
        texts_.push_back(std::make_unique<std::string>(std::move(text)));
        return *texts_.back();
    }

    const CompileInput& input_;
    RecognizerEnvironment env_;
    NameList used_;
    std::vector<std::string> added_;
    std::vector<std::unique_ptr<std::string>> texts_;
    int argumentLevel_ = 0;
};

ListBuilder::ListBuilder(Compilation& owner, std::string_view text, OperationList& list,
                         int level)
    : owner_(owner), rec_(text, owner.Environment()), list_(list), level_(level) {}

void ListBuilder::Build() {
    TextRange root = rec_.StripBrackets(rec_.Whole());
    ComplexValue* result = BuildTerm(root, level_);
    std::sort(placed_.begin(), placed_.end(), [](const Placed& a, const Placed& b) {
        return a.Level != b.Level ? a.Level > b.Level : a.Position < b.Position;
    });
    std::vector<OperationRec> ordered;
    ordered.reserve(placed_.size());
    for (const Placed& p : placed_) ordered.push_back(list_.Records()[p.Index]);
    list_.Records() = std::move(ordered);
    list_.SetResult(result);
}

std::size_t ListBuilder::NewRecord(int level, OperationKind kind, OperationCallback callback) {
    const int childLevel = level + 1;
    if (childLevel > kMaxNestingLevel) Raise<ETooManyNestings>(msg::Nestings, {}, 11);
    const int position = used_[std::size_t(childLevel)] + 1;
    if (position > kMaxSlotsPerLevel) Raise<EExpressionTooComplex>(msg::TooComplex, {}, 11);
    used_[std::size_t(childLevel)] = position;
    OperationRec r;
    r.Kind = kind;
    r.Callback = callback;
    r.Dest = list_.NewSlot();
    list_.Records().push_back(r);
    placed_.push_back({childLevel, position, list_.Records().size() - 1});
    return list_.Records().size() - 1;
}

OperationKind ListBuilder::PowerKind(TextRange exponent) {
    const auto& env = owner_.Environment();
    if (env.Literals.Scope == nsComplex) return okRealPower;
    long double value = 0;
    if (!IsNumber(rec_.Sub(exponent), env.Literals, value)) return okRealPower;
    if (!FitsInt32(value) || truncl(value) != value) return okRealPower;
    switch (static_cast<int>(value)) {
        case 2: return okSquare;
        case 3: return okCube;
        case 4: return okFourthPower;
        default: return okIntPower;
    }
}

ComplexValue* ListBuilder::BuildTerm(TextRange t, int level) {
    const auto& env = owner_.Environment();
    std::string_view s = rec_.Sub(t);
    long double value = 0;
    if (rec_.Is(Recognizer::Variable, t)) return owner_.UseVariable(s);
    if (env.Literals.Scope == nsComplex && rec_.Is(Recognizer::Imaginary, t)) {
        IsImaginaryNumber(s, env.Literals, value);
        return list_.NewSlot({0.0L, value});
    }
    if (rec_.Is(Recognizer::Number, t)) {
        IsNumber(s, env.Literals, value);
        return list_.NewSlot({value, 0.0L});
    }

    struct Binary {
        Recognizer Rec;
        OperationKind Kind;
    };
    static constexpr Binary kBinary[] = {
        {Recognizer::Sum, okAdd},           {Recognizer::Difference, okSubtract},
        {Recognizer::Product, okMultiply},  {Recognizer::IntQuotient, okIntDivide},
        {Recognizer::Remainder, okModulo},  {Recognizer::Quotient, okDivide},
    };

    if (rec_.Is(Recognizer::Negation, t)) {
        Operands o = rec_.OperandsOf(Recognizer::Negation, t);
        std::size_t r = NewRecord(level, okNegate, OpNegate);
        ComplexValue* dest = list_.Records()[r].Dest;
        ComplexValue* a = BuildTerm(o.Left, level + 1);
        list_.Records()[r].Arg1 = a;
        return dest;
    }
    for (const Binary& b : kBinary) {
        if (!rec_.Is(b.Rec, t)) continue;
        Operands o = rec_.OperandsOf(b.Rec, t);
        std::size_t r = NewRecord(level, b.Kind, OperatorCallback(b.Kind));
        ComplexValue* dest = list_.Records()[r].Dest;
        ComplexValue* a = BuildTerm(o.Left, level + 1);
        list_.Records()[r].Arg1 = a;
        ComplexValue* c = BuildTerm(o.Right, level + 1);
        list_.Records()[r].Arg2 = c;
        return dest;
    }
    if (rec_.Is(Recognizer::Power, t)) {
        Operands o = rec_.OperandsOf(Recognizer::Power, t);
        OperationKind kind = PowerKind(o.Right);
        std::size_t r = NewRecord(level, kind, OperatorCallback(kind));
        ComplexValue* dest = list_.Records()[r].Dest;
        ComplexValue* a = BuildTerm(o.Left, level + 1);
        list_.Records()[r].Arg1 = a;
        if (kind == okIntPower || kind == okRealPower) {
            ComplexValue* c = BuildTerm(o.Right, level + 1);
            list_.Records()[r].Arg2 = c;
        }
        return dest;
    }
    if (rec_.Is(Recognizer::Call1, t)) {
        Operands o = rec_.OperandsOf(Recognizer::Call1, t);
        const FunctionEntry* f = env.Functions1->Find(s.substr(0, s.find('(')));
        std::size_t r = NewRecord(level, okFunction1, f->Callback);
        ComplexValue* dest = list_.Records()[r].Dest;
        ComplexValue* a = BuildTerm(o.Left, level + 1);
        list_.Records()[r].Arg1 = a;
        return dest;
    }
    if (rec_.Is(Recognizer::Call2, t)) {
        Operands o = rec_.OperandsOf(Recognizer::Call2, t);
        const FunctionEntry* f = env.Functions2->Find(s.substr(0, s.find('(')));
        std::size_t r = NewRecord(level, okFunction2, f->Callback);
        ComplexValue* dest = list_.Records()[r].Dest;
        if (f->Binder) {
            const int outer = owner_.SetArgumentLevel(level + 1);
            auto context = f->Binder(owner_, rec_.Sub(o.Left), rec_.Sub(o.Right));
            owner_.SetArgumentLevel(outer);
            ComplexValue* unused = list_.NewSlot();
            OperationRec& rec = list_.Records()[r];
            rec.Context = list_.Own(std::move(context));
            rec.Arg1 = unused;
            rec.Arg2 = unused;
            return dest;
        }
        ComplexValue* a = BuildTerm(o.Left, level + 1);
        list_.Records()[r].Arg1 = a;
        ComplexValue* c = BuildTerm(o.Right, level + 1);
        list_.Records()[r].Arg2 = c;
        return dest;
    }
    Raise<ESyntaxError>(msg::Parse, {}, 11);
}

}  // namespace

std::unique_ptr<OperationList> CompileExpression(std::string_view text, const CompileInput& input) {
    Compilation compilation(input);
    return compilation.Run(text);
}

}  // namespace tarvix
