// Engine speed: evaluating a compiled expression beside the same formula
// written in C++ (and in muparser when installed), a one-shot compile and
// evaluation, and compiles of 40-term chains.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "engine/engine_modes.h"
#include "engine/parser.h"

#ifdef TARVIX_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

using namespace tarvix;

constexpr const char* kFormula = "2*sin(x)+x^2/3-cos(x)*exp(-x/10)";

// x sweeps through [0, 10) so every call sees a new argument.
inline long double NextX(long double x) { return x < 10.0L ? x + 0.001L : 0.0L; }

void BM_EvaluateCompiled(benchmark::State& state) {
    TParser parser;
    parser.SetAngleUnits(auRad);
    parser.SetExpression(kFormula);
    ComplexValue* x = parser.VariableAddress("x");
    long double xv = 0;
    for (auto _ : state) {
        x->Re = xv = NextX(xv);
        benchmark::DoNotOptimize(parser.Evaluate());
    }
}
BENCHMARK(BM_EvaluateCompiled);

__attribute__((noinline)) long double HandWritten(long double x) {
    return 2.0L * sinl(x) + x * x / 3.0L - cosl(x) * expl(-x / 10.0L);
}

void BM_EvaluateHandWritten(benchmark::State& state) {
    long double xv = 0;
    for (auto _ : state) {
        xv = NextX(xv);
        benchmark::DoNotOptimize(HandWritten(xv));
    }
}
BENCHMARK(BM_EvaluateHandWritten);

#ifdef TARVIX_HAVE_MUPARSER
void BM_EvaluateMuparser(benchmark::State& state) {
    mu::Parser p;
    double x = 0;
    p.DefineVar("x", &x);
    p.SetExpr("2*sin(x)+x^2/3-cos(x)*exp(-x/10)");
    for (auto _ : state) {
        x = x < 10.0 ? x + 0.001 : 0.0;
        benchmark::DoNotOptimize(p.Eval());
    }
}
BENCHMARK(BM_EvaluateMuparser);
#endif

void BM_CompileAndEvaluateOnce(benchmark::State& state) {
    TParser parser;
    parser.SetVariable("A", {1});
    for (auto _ : state) {
        parser.SetExpression("2*sin(30)+A");
        benchmark::DoNotOptimize(parser.Evaluate());
    }
}
BENCHMARK(BM_CompileAndEvaluateOnce);

std::string Chain(bool mixed) {
    std::string s = "a";
    const char* names = "bcdefghijklmnopqrstuvwxyz";
    for (int i = 1; i < 40; ++i) {
        char name[3] = {names[i % 25], char('0' + i % 10), 0};
        s += (mixed && i % 2 == 0) ? "*" : "-";
        s += name;
    }
    return s;
}

void BM_Compile40TermChain(benchmark::State& state) {
    TParser parser;
    const std::string text = Chain(state.range(0) != 0);
    parser.SetExpression(text);  // registers the variables once
    for (auto _ : state) {
        parser.SetExpression(text);
        benchmark::DoNotOptimize(parser.IsCompiled());
    }
    state.SetLabel(state.range(0) ? "a-b*c-d*e..." : "a-b-c-...");
}
BENCHMARK(BM_Compile40TermChain)->Arg(0)->Arg(1);

}  // namespace
