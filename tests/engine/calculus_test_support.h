// Shared pieces of the calculus tests: an evaluator in a known mode state and
// a check of an engine error's class, message and help context.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/engine_modes.h"
#include "engine/parser.h"
#include "engine/parser_errors.h"

namespace tarvix::testing {

// An evaluator in real mode with radians; the process-wide modes are put back
// to real mode after each test.
class CalculusTest : public ::testing::Test {
protected:
    void SetUp() override {
        parser.SetNumericalScope(nsReal);
        parser.SetAngleUnits(auRad);
    }
    void TearDown() override {
        parser.SetNumericalScope(nsReal);
        EngineModes.LastValue = {};
    }

    // Compiles and evaluates text; the real part of the result.
    long double Eval(const std::string& text) {
        parser.SetExpression(text);
        return parser.Evaluate().Re;
    }

    TParser parser;
};

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
