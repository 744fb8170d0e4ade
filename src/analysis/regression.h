// The four regression models: their transformation of the data, the least
// squares line on the transformed values, the coefficient of determination,
// the covariance, the fitted function as text and its value at a point.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarvix {

// Member order is the index of the model selector.
enum class RegressionModel : std::uint8_t { Linear, Logarithmic, Exponential, Power };

inline constexpr int kRegressionModelCount = 4;

// "lin", "log", "exp", "pow".
std::optional<RegressionModel> RegressionModelFromName(std::string_view name);

// Whether the model takes the logarithm of x or of y before fitting.
bool TransformsX(RegressionModel model);
bool TransformsY(RegressionModel model);

// The fitted line y' = Slope·x' + Intercept on the transformed values.
struct RegressionFit {
    RegressionModel Model = RegressionModel::Linear;
    long double Slope = 0.0L;
    long double Intercept = 0.0L;
    long double Covariance = 0.0L;  // sample covariance of the transformed x and y
    long double R2 = 0.0L;          // square of the correlation coefficient
};

// The centred sums of n transformed pairs (means subtracted first, so large
// offsets do not cancel the digits away).
struct CentredSums {
    long double N = 0.0L;
    long double MeanX = 0.0L;
    long double MeanY = 0.0L;
    long double Sxx = 0.0L;  // Σ(x − x̄)²
    long double Sxy = 0.0L;  // Σ(x − x̄)(y − ȳ)
    long double Syy = 0.0L;  // Σ(y − ȳ)²
};

// The fit from the centred sums; nothing when Sxx is 0 (all x equal, or a
// single pair).
std::optional<RegressionFit> FitRegression(RegressionModel model, const CentredSums& sums);

// The fitted function in the model's original variables at x; NaN outside
// the model's domain (x ≤ 0 for the logarithmic and power models).
long double EvaluateFit(const RegressionFit& fit, long double x);

// The function text, each number formatted by `number`:
// "y = b*x+a", "y = b*ln(x)+a", "y = A*exp(b*x)", "y = A*x^(b)".
template <typename Format>
std::string FunctionText(const RegressionFit& fit, Format number);

}  // namespace tarvix

#include "analysis/regression_text.inl"
