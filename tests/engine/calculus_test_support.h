// Checks shared by the calculus tests: 80-bit comparison of values and the
// class, message and help context of an engine error.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <typeinfo>

#include "engine/parser_errors.h"

namespace tarvix::testing {

// The value with all its 80-bit digits, for failure messages.
inline std::string FullText(long double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", v);
    return buffer;
}

// |actual − expected| <= tolerance, compared in 80-bit precision (the
// comparison macros of the test framework go through double).
inline ::testing::AssertionResult IsClose(long double actual, long double expected,
                                          long double tolerance) {
    if (fabsl(actual - expected) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << FullText(actual) << ", expected "
                                         << FullText(expected) << " within " << FullText(tolerance);
}

// Runs action and expects an error of exactly class E with the given text and
// help context.
template <class E>
void ExpectEngineError(const std::function<void()>& action, const std::string& message,
                       int helpContext) {
    try {
        action();
    } catch (const E& e) {
        EXPECT_EQ(typeid(e), typeid(E)) << e.what();
        EXPECT_EQ(std::string(e.what()), message);
        EXPECT_EQ(e.HelpContext(), helpContext);
        return;
    } catch (const std::exception& e) {
        ADD_FAILURE() << "unexpected error class: " << e.what();
        return;
    }
    ADD_FAILURE() << "no error raised; expected: " << message;
}

}  // namespace tarvix::testing
