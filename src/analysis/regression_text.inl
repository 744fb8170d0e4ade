// The function text of a regression fit (a template over the number format).
#pragma once

#include <cmath>

namespace tarvix {

template <typename Format>
std::string FunctionText(const RegressionFit& fit, Format number) {
    const long double a = fit.Intercept;
    const long double b = fit.Slope;
    auto plusA = [&] { return (a >= 0.0L ? "+" : "") + number(a); };
    switch (fit.Model) {
        case RegressionModel::Linear:
            return "y = " + number(b) + "*x" + plusA();
        case RegressionModel::Logarithmic:
            return "y = " + number(b) + "*ln(x)" + plusA();
        case RegressionModel::Exponential:
            return "y = " + number(std::exp(a)) + "*exp(" + number(b) + "*x)";
        case RegressionModel::Power:
            return "y = " + number(std::exp(a)) + "*x^(" + number(b) + ")";
    }
    return {};
}

}  // namespace tarvix
