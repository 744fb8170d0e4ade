// Shared pieces of the elementary function tests: a fixture that evaluates
// expressions in a chosen number domain and angle unit, tables of expected
// values and errors, and the texts of the library's message forms.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

#include "calculus_test_support.h"
#include "engine/parser_errors.h"
#include "engine_fixture.h"

namespace tarvix::testing {

struct Mode {
    TNumericalScope Scope;
    TAngleUnits Unit;
};

inline constexpr Mode kRealRad{nsReal, auRad};
inline constexpr Mode kRealDeg{nsReal, auDeg};
inline constexpr Mode kRealGrad{nsReal, auGrad};
inline constexpr Mode kCplxRad{nsComplex, auRad};
inline constexpr Mode kCplxDeg{nsComplex, auDeg};

// Relative tolerance of the tables (against the modulus of the expected value);
// kExact demands the exact value, a zero with a positive sign included.
inline constexpr long double kExact = 0.0L;
inline constexpr long double kTight = 1e-17L;

struct ValueCase {
    const char* Expression;
    Mode M;
    long double Re;
    long double Im;
    long double Tolerance;
};

struct ErrorCase {
    const char* Expression;
    Mode M;
    std::string Message;
    int HelpContext;
};

// "Argument funkce %s\nje mimo definiční obor %s"
inline std::string DomainText(const std::string& name, const std::string& domain) {
    return "Argument funkce " + name + "\nje mimo definiční obor " + domain;
}
// "Argument funkce %s je mimo rozsah %s"
inline std::string RangeText(const std::string& name, const std::string& range) {
    return "Argument funkce " + name + " je mimo rozsah " + range;
}
// "Funkce %s není dostupná v režimu cplx"
inline std::string NoComplexText(const std::string& name) {
    return "Funkce " + name + " není dostupná v režimu cplx";
}

inline const std::string kDivisionByZeroText = "Dělení nulou";

inline const char* ModeName(const Mode& m) {
    static const char* const names[2][3] = {{"real deg", "real rad", "real grad"},
                                            {"cplx deg", "cplx rad", "cplx grad"}};
    return names[m.Scope][m.Unit];
}

class FunctionsTest : public EngineTest {
protected:
    void SetMode(const Mode& m) {
        parser.SetNumericalScope(m.Scope);
        parser.SetAngleUnits(m.Unit);
    }

    ComplexValue EvalIn(const Mode& m, const std::string& text) {
        SetMode(m);
        return Eval(text);
    }

    static ::testing::AssertionResult Matches(long double actual, long double expected,
                                              long double tolerance, long double scale) {
        if (tolerance == kExact) {
            if (actual == expected && std::signbit(actual) == std::signbit(expected)) {
                return ::testing::AssertionSuccess();
            }
            return ::testing::AssertionFailure()
                   << "actual " << FullText(actual) << ", expected exactly " << FullText(expected);
        }
        return IsClose(actual, expected, tolerance * scale);
    }

    void CheckValues(std::span<const ValueCase> cases) {
        for (const ValueCase& c : cases) {
            SCOPED_TRACE(std::string(c.Expression) + " in " + ModeName(c.M));
            ComplexValue v;
            try {
                v = EvalIn(c.M, c.Expression);
            } catch (const std::exception& e) {
                ADD_FAILURE() << "raised: " << e.what();
                continue;
            }
            long double scale = hypotl(c.Re, c.Im);
            EXPECT_TRUE(Matches(v.Re, c.Re, c.Tolerance, scale)) << "real part";
            EXPECT_TRUE(Matches(v.Im, c.Im, c.Tolerance, scale)) << "imaginary part";
        }
    }

    template <class E = EBadDomain>
    void CheckErrors(std::span<const ErrorCase> cases) {
        for (const ErrorCase& c : cases) {
            SCOPED_TRACE(std::string(c.Expression) + " in " + ModeName(c.M));
            SetMode(c.M);
            ExpectEngineError<E>([&] { Eval(c.Expression); }, c.Message, c.HelpContext);
        }
    }
};

}  // namespace tarvix::testing
