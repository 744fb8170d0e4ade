// Registration of the elementary functions under every name, aliases sharing
// one callback, and the rules every callback keeps about its result slot.
#include <string_view>

#include "engine/operators.h"
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using RegistryTest = FunctionsTest;

constexpr std::string_view kOneArgument[] = {
    "SIN",    "COS",    "TG",        "COTG",     "ARCSIN",  "ARCCOS",  "ARCTG",   "ARCCOTG",
    "SINH",   "COSH",   "TGH",       "COTGH",    "ARGSINH", "ARCSINH", "ARGCOSH", "ARCCOSH",
    "ARGTGH", "ARCTGH", "ARGCOTGH",  "ARCCOTGH", "ARG",     "EXP",     "EXP10",   "LN",
    "LOG",    "LOG2",   "SQR",       "SQRT",     "ABS",     "FRAC",    "TRUNC",   "INT",
    "CEIL",   "FLOOR",  "HEAVISIDE", "SIGN",     "ZERO",    "RANDOM",  "NOT",     "SUM",
    "SQRSUM", "RE",     "IM",        "CONJUG",   "1",
};

constexpr std::string_view kTwoArguments[] = {
    "MAX",   "MIN",   "POWER", "INTPOWER", "LOGN", "RADIUS", "PHASE", "ARCTG2",
    "HYPOT", "ROUND", "AND",   "OR",       "NOR",  "XOR",    "SHL",   "SHR",
};

TEST_F(RegistryTest, EveryNameIsRegisteredWithItsArity) {
    for (std::string_view name : kOneArgument) {
        SCOPED_TRACE(name);
        const FunctionEntry* f = parser.Functions1().Find(name);
        ASSERT_NE(f, nullptr);
        EXPECT_NE(f->Callback, nullptr);
        EXPECT_EQ(parser.Functions2().Find(name), nullptr);
    }
    for (std::string_view name : kTwoArguments) {
        SCOPED_TRACE(name);
        const FunctionEntry* f = parser.Functions2().Find(name);
        ASSERT_NE(f, nullptr);
        EXPECT_NE(f->Callback, nullptr);
        EXPECT_EQ(parser.Functions1().Find(name), nullptr);
    }
}

TEST_F(RegistryTest, AliasesShareOneCallback) {
    const std::pair<std::string_view, std::string_view> aliases[] = {
        {"ARCSINH", "ARGSINH"},   {"ARCCOSH", "ARGCOSH"}, {"ARCTGH", "ARGTGH"},
        {"ARCCOTGH", "ARGCOTGH"}, {"INT", "TRUNC"},
    };
    for (const auto& [alias, name] : aliases) {
        SCOPED_TRACE(alias);
        EXPECT_EQ(parser.Functions1().Find(alias)->Callback,
                  parser.Functions1().Find(name)->Callback);
    }
    EXPECT_EQ(parser.Functions1().Find("SQR")->Callback, &OpSquare);
    EXPECT_EQ(parser.Functions2().Find("POWER")->Callback, &OpRealPower);
    EXPECT_EQ(parser.Functions2().Find("INTPOWER")->Callback, &OpIntPower);
}

TEST_F(RegistryTest, NamesIgnoreCase) {
    SetMode(kRealDeg);
    EXPECT_EQ(Eval("SiN(90)+ArcTgH(0)+Zero(0)+LogN(2,8)").Re, 4.0L);
}

// An argument inside the real domain of the function.
ComplexValue RealArgument(std::string_view name) {
    if (name == "ARGCOSH" || name == "ARCCOSH" || name == "ARGCOTGH" || name == "ARCCOTGH") {
        return {2, 0};
    }
    return {0.5L, 0};
}

TEST_F(RegistryTest, RealModeWritesOnlyTheRealPart) {
    SetMode(kRealRad);
    for (std::string_view name : kOneArgument) {
        SCOPED_TRACE(name);
        ComplexValue arg = RealArgument(name), dest{0, 7};
        OperationRec r{&arg, nullptr, &dest, parser.Functions1().Find(name)->Callback};
        r.Callback(r);
        EXPECT_EQ(dest.Im, 7.0L);
    }
    for (std::string_view name : kTwoArguments) {
        SCOPED_TRACE(name);
        ComplexValue x{2, 0}, y{8, 0}, dest{0, 7};
        OperationRec r{&x, &y, &dest, parser.Functions2().Find(name)->Callback};
        r.Callback(r);
        EXPECT_EQ(dest.Im, 7.0L);
    }
}

TEST_F(RegistryTest, NothingIsWrittenWhenTheArgumentIsRejected) {
    const std::pair<Mode, ComplexValue> calls[] = {
        {kRealRad, {4e18L, 0}}, {kCplxRad, {4e18L, 1}}, {kRealDeg, {90, 0}}, {kCplxDeg, {90, 0}}};
    for (const auto& [mode, arg] : calls) {
        SetMode(mode);
        ComplexValue a = arg, dest{9, 7};
        OperationRec r{&a, nullptr, &dest, parser.Functions1().Find("TG")->Callback};
        EXPECT_THROW(r.Callback(r), EBadDomain);
        EXPECT_EQ(dest, (ComplexValue{9, 7}));
    }
}

}  // namespace
}  // namespace tarvix::testing
