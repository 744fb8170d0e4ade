// Regression models and the least squares fit on centred sums.
#include "analysis/regression.h"

#include <cmath>
#include <limits>

namespace tarvix {

std::optional<RegressionModel> RegressionModelFromName(std::string_view name) {
    if (name == "lin") return RegressionModel::Linear;
    if (name == "log") return RegressionModel::Logarithmic;
    if (name == "exp") return RegressionModel::Exponential;
    if (name == "pow") return RegressionModel::Power;
    return std::nullopt;
}

bool TransformsX(RegressionModel model) {
    return model == RegressionModel::Logarithmic || model == RegressionModel::Power;
}

bool TransformsY(RegressionModel model) {
    return model == RegressionModel::Exponential || model == RegressionModel::Power;
}

std::optional<RegressionFit> FitRegression(RegressionModel model, const CentredSums& s) {
    if (!(s.Sxx > 0.0L) || s.N < 2.0L) return std::nullopt;
    RegressionFit fit;
    fit.Model = model;
    fit.Slope = s.Sxy / s.Sxx;
    fit.Intercept = s.MeanY - fit.Slope * s.MeanX;
    const long double u = std::sqrt(s.Syy * s.Sxx);
    const long double r = u != 0.0L ? s.Sxy / u : 0.0L;
    fit.R2 = r * r;
    fit.Covariance = s.Sxy / (s.N - 1.0L);
    return fit;
}

long double EvaluateFit(const RegressionFit& fit, long double x) {
    const long double a = fit.Intercept;
    const long double b = fit.Slope;
    switch (fit.Model) {
        case RegressionModel::Linear:
            return b * x + a;
        case RegressionModel::Logarithmic:
            return x > 0.0L ? b * std::log(x) + a : std::numeric_limits<long double>::quiet_NaN();
        case RegressionModel::Exponential:
            return std::exp(a) * std::exp(b * x);
        case RegressionModel::Power:
            return x > 0.0L ? std::exp(a) * std::pow(x, b)
                            : std::numeric_limits<long double>::quiet_NaN();
    }
    return 0.0L;
}

}  // namespace tarvix
