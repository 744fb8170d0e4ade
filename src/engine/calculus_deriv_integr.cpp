// DERIV and INTEGR: the numerical derivative (central difference) and the
// numerical integral (composite Simpson rule) of the compiled function
// argument with respect to the calculus variable.
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "engine/calculus_callbacks.h"
#include "engine/calculus_context.h"
#include "engine/engine_modes.h"
#include "engine/parser_errors.h"
#include "engine/parser_messages.h"

namespace tarvix {
namespace {

// Largest number of function evaluations one integral may take.
constexpr std::int64_t kMaxIntegrationEvaluations = 10000000;

// The default step of the derivative at 0 when there is no variable "dx".
constexpr long double kDefaultDerivativeStep = 0.000001L;

const CalculusContext& ContextOf(const OperationRec& r) {
    return *static_cast<const CalculusContext*>(r.Context);
}

// The real part of a reserved variable that must exist.
long double RequiredValue(const CalculusContext& c, std::string_view name) {
    const ComplexValue* slot = c.Find(name);
    if (!slot) Raise<EBadName>(msg::VarNotRegistered, {name}, 17);
    return slot->Re;
}

// The real part of a reserved variable, or `fallback` when it does not exist.
long double OptionalValue(const CalculusContext& c, std::string_view name, long double fallback) {
    const ComplexValue* slot = c.Find(name);
    return slot ? slot->Re : fallback;
}

long double Derivative(const CalculusContext& c) {
    MovedVariable moved(c.Variable());
    const long double x = moved.Saved();
    long double h = fabsl(x) / 1000000.0L;
    if (h == 0.0L) h = OptionalValue(c, "dx", kDefaultDerivativeStep);
    const long double below = c.ValueAt(x - h);
    const long double above = c.ValueAt(x + h);
    return ((above - below) * 0.5L) / h;
}

long double Integral(const CalculusContext& c) {
    long double a = RequiredValue(c, "x1");
    long double b = RequiredValue(c, "x2");
    const long double d = fabsl(OptionalValue(c, "dx", 0.0L));
    if (a == b) Raise<EBadName>(msg::ZeroIntegrationInterval, {}, 17);
    if (a > b) std::swap(a, b);
    if (d == 0.0L) Raise<EBadName>(msg::ZeroIntegrationIncrement, {}, 17);

    // n Simpson steps of two subintervals each; rounding half to even.
    long double n = nearbyintl((b - a) / d);
    if (n < 1.0L) n = 1.0L;
    if (!(2.0L * n + 1.0L <= static_cast<long double>(kMaxIntegrationEvaluations)))
        Raise<EBadName>(msg::TooManyIntegrationSteps, {std::to_string(kMaxIntegrationEvaluations)},
                        17);
    const std::int64_t m = 2 * static_cast<std::int64_t>(n);
    const long double h = (b - a) / static_cast<long double>(m);

    MovedVariable moved(c.Variable());
    long double odd = 0.0L;
    long double even = 0.0L;
    long double t = a;
    for (std::int64_t i = 1; i < m; ++i) {
        t += h;
        const long double f = c.ValueAt(t);
        if (i % 2 != 0)
            odd += f;
        else
            even += f;
    }
    const long double fa = c.ValueAt(a);
    const long double fb = c.ValueAt(b);
    return h / 3.0L * (fa + 4.0L * odd + 2.0L * even + fb);
}

}  // namespace

void OpDeriv(const OperationRec& r) {
    if (EngineModes.ComplexMode) RaiseNoComplex("deriv", 28);
    *r.Dest = {Derivative(ContextOf(r)), 0.0L};
}

void OpIntegr(const OperationRec& r) {
    if (EngineModes.ComplexMode) RaiseNoComplex("integr", 28);
    *r.Dest = {Integral(ContextOf(r)), 0.0L};
}

}  // namespace tarvix
