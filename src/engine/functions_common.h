// Building blocks shared by the elementary function families: the registry
// entry of one function and the callback adapters that run the real-mode or
// the complex-mode computation of a function.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

#include "engine/complex_value.h"
#include "engine/engine_modes.h"
#include "engine/operation_list.h"
#include "engine/parser_errors.h"

namespace tarvix {

// One registry entry: the upper-case name and its callback.
struct FunctionDef {
    std::string_view Name;
    OperationCallback Callback;
};

// The functions of one family, by number of arguments.
struct FunctionFamily {
    std::span<const FunctionDef> OneArgument;
    std::span<const FunctionDef> TwoArguments;
};

// A function's display name usable as a template argument.
template <std::size_t N>
struct FunctionName {
    char Text[N]{};
    constexpr FunctionName(const char (&text)[N]) { std::copy_n(text, N, Text); }
    constexpr std::string_view View() const { return {Text, N - 1}; }
};

using RealFunction = long double (*)(long double);
using ComplexFunction = ComplexValue (*)(const ComplexValue&);
using RealFunction2 = long double (*)(long double, long double);
using ComplexFunction2 = ComplexValue (*)(const ComplexValue&, const ComplexValue&);

// Real mode computes Re from the arguments' Re and leaves the result's Im as it
// was; complex mode computes the whole value. Nothing is written when the
// computation raises.
template <RealFunction Real, ComplexFunction Complex>
void UnaryCallback(const OperationRec& r) {
    if (EngineModes.ComplexMode) {
        *r.Dest = Complex(*r.Arg1);
    } else {
        r.Dest->Re = Real(r.Arg1->Re);
    }
}

template <RealFunction2 Real, ComplexFunction2 Complex>
void BinaryCallback(const OperationRec& r) {
    if (EngineModes.ComplexMode) {
        *r.Dest = Complex(*r.Arg1, *r.Arg2);
    } else {
        r.Dest->Re = Real(r.Arg1->Re, r.Arg2->Re);
    }
}

// Functions of the real domain only: in complex mode they raise "Funkce %s
// není dostupná v režimu cplx" with their name and help context.
template <RealFunction Real, FunctionName Name, int HelpContext>
void RealOnlyCallback(const OperationRec& r) {
    if (EngineModes.ComplexMode) RaiseNoComplex(Name.View(), HelpContext);
    r.Dest->Re = Real(r.Arg1->Re);
}

template <RealFunction2 Real, FunctionName Name, int HelpContext>
void RealOnlyCallback2(const OperationRec& r) {
    if (EngineModes.ComplexMode) RaiseNoComplex(Name.View(), HelpContext);
    r.Dest->Re = Real(r.Arg1->Re, r.Arg2->Re);
}

inline bool IsZero(const ComplexValue& z) {
    return z.Re == 0.0L && z.Im == 0.0L;
}

// Turns a negative zero into a positive one (other values pass unchanged), so
// that exact zeros never show as "-0".
inline long double PositiveZero(long double v) {
    return v + 0.0L;
}

}  // namespace tarvix
