// The complex inverse functions are computed by cancellation-free formulas;
// across a grid of points, the axes and the branch cuts included, they must
// give the values of their defining formulas evaluated with the engine's own
// complex square root and logarithm.
#include <cmath>
#include <functional>
#include <string_view>

#include "engine/complex_math.h"
#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using ComplexBranchesTest = FunctionsTest;

constexpr ComplexValue kOne{1, 0};
constexpr ComplexValue kI{0, 1};

ComplexValue Times(long double re, long double im, const ComplexValue& z) {
    return CMul({re, im}, z);
}

struct DefiningFormula {
    std::string_view Name;
    std::function<ComplexValue(const ComplexValue&)> Formula;
};

const DefiningFormula kFormulas[] = {
    {"ARCSIN",
     [](const ComplexValue& z) {  // −i·ln(i·z + √(1 − z²))
         return Times(0, -1, CLn(CAdd(CMul(kI, z), CSqrt(CSub(kOne, CSqr(z))))));
     }},
    {"ARCCOS",
     [](const ComplexValue& z) {  // −i·ln(z + √(z² − 1))
         return Times(0, -1, CLn(CAdd(z, CSqrt(CSub(CSqr(z), kOne)))));
     }},
    {"ARCTG",
     [](const ComplexValue& z) {  // −(i/2)·ln((i − z)/(i + z))
         return Times(0, -0.5L, CLn(CDiv(CSub(kI, z), CAdd(kI, z))));
     }},
    {"ARCCOTG",
     [](const ComplexValue& z) {  // (i/2)·ln((z − i)/(z + i))
         return Times(0, 0.5L, CLn(CDiv(CSub(z, kI), CAdd(z, kI))));
     }},
    {"ARGSINH",
     [](const ComplexValue& z) {  // ln(z + √(z² + 1))
         return CLn(CAdd(z, CSqrt(CAdd(CSqr(z), kOne))));
     }},
    {"ARGCOSH",
     [](const ComplexValue& z) {  // ln(z + √(z² − 1))
         return CLn(CAdd(z, CSqrt(CSub(CSqr(z), kOne))));
     }},
    {"ARGTGH",
     [](const ComplexValue& z) {  // ½·ln((1 + z)/(1 − z))
         return Times(0.5L, 0, CLn(CDiv(CAdd(kOne, z), CSub(kOne, z))));
     }},
    {"ARGCOTGH",
     [](const ComplexValue& z) {  // ½·ln((z + 1)/(z − 1))
         return Times(0.5L, 0, CLn(CDiv(CAdd(z, kOne), CSub(z, kOne))));
     }},
};

constexpr long double kParts[] = {-3, -1.5L, -1, -0.75L, -0.25L, 0, 0.25L, 0.75L, 1, 1.5L, 3};

TEST_F(ComplexBranchesTest, InverseFunctionsFollowTheirDefiningFormulas) {
    SetMode(kCplxRad);
    for (const DefiningFormula& f : kFormulas) {
        OperationCallback callback = parser.Functions1().Find(f.Name)->Callback;
        int compared = 0;
        for (long double re : kParts) {
            for (long double im : kParts) {
                // Zero parts are also tried with a negative sign: the engine does
                // not tell them apart.
                for (long double sign : {1.0L, -1.0L}) {
                    if (sign < 0 && re != 0 && im != 0) continue;
                    ComplexValue z{re == 0 ? sign * 0.0L : re, im == 0 ? sign * 0.0L : im};
                    SCOPED_TRACE(std::string(f.Name) + "(" + FullText(z.Re) + ", " +
                                 FullText(z.Im) + ")");
                    ComplexValue actual;
                    OperationRec r{&z, nullptr, &actual, callback};
                    try {
                        r.Callback(r);
                    } catch (const EBadDomain&) {
                        continue;  // outside the domain; the error rules are tested elsewhere
                    }
                    ComplexValue expected = f.Formula(z);
                    long double tolerance = 1e-12L * std::max(1.0L, CAbs(expected));
                    EXPECT_TRUE(IsClose(actual.Re, expected.Re, tolerance)) << "real part";
                    EXPECT_TRUE(IsClose(actual.Im, expected.Im, tolerance)) << "imaginary part";
                    ++compared;
                }
            }
        }
        EXPECT_GT(compared, 60) << f.Name;
    }
}

}  // namespace
}  // namespace tarvix::testing
