// A fresh evaluator per test, with the process-wide modes reset around it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/engine_modes.h"
#include "engine/parser.h"

namespace tarvix::testing {

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { ResetModes(); }
    void TearDown() override { ResetModes(); }

    static void ResetModes() { EngineModes = EngineModesBlock{}; }

    // Blanks are removed as the calculator's input line does before compiling.
    ComplexValue Eval(const std::string& text) {
        parser.SetExpression(TParser::RemoveBlanks(text));
        return parser.Evaluate();
    }
    long double Real(const std::string& text) { return Eval(text).Re; }

    // The message of the error that compiling and evaluating text raises ("" if none).
    std::string ErrorOf(const std::string& text, int* helpContext = nullptr) {
        try {
            Eval(text);
        } catch (const TarvixError& e) {
            if (helpContext) *helpContext = e.HelpContext();
            return e.what();
        }
        return "";
    }

    void Complex() { parser.SetNumericalScope(nsComplex); }

    TParser parser;
};

}  // namespace tarvix::testing
