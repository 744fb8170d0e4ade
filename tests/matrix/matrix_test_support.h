// Helpers of the matrix tests: matrices from literals, a scripted hooks
// object and closeness checks.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "matrix/matrix_context.h"
#include "matrix/matrix_types.h"

namespace tarvix::test {

inline CMatrix M(std::initializer_list<std::initializer_list<long double>> rows) {
    CMatrix m(static_cast<int>(rows.size()), static_cast<int>(rows.begin()->size()));
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (long double v : row) m(i, j++) = {v, 0.0L};
        ++i;
    }
    return m;
}

inline CVector V(std::initializer_list<long double> values) {
    CVector v;
    for (long double x : values) v.push_back({x, 0.0L});
    return v;
}

inline void ExpectMatrixNear(const CMatrix& actual, const CMatrix& expected, long double tol = 1e-15L) {
    ASSERT_EQ(actual.Rows(), expected.Rows());
    ASSERT_EQ(actual.Cols(), expected.Cols());
    for (int i = 0; i < actual.Rows(); ++i)
        for (int j = 0; j < actual.Cols(); ++j) {
            EXPECT_NEAR(static_cast<double>(actual(i, j).Re), static_cast<double>(expected(i, j).Re),
                        static_cast<double>(tol))
                << "element " << i << "," << j;
            EXPECT_NEAR(static_cast<double>(actual(i, j).Im), static_cast<double>(expected(i, j).Im),
                        static_cast<double>(tol))
                << "element " << i << "," << j;
        }
}

inline void ExpectVectorNear(const CVector& actual, const CVector& expected, long double tol = 1e-15L) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(static_cast<double>(actual[i].Re), static_cast<double>(expected[i].Re),
                    static_cast<double>(tol))
            << "element " << i;
        EXPECT_NEAR(static_cast<double>(actual[i].Im), static_cast<double>(expected[i].Im),
                    static_cast<double>(tol))
            << "element " << i;
    }
}

// Hooks that record what a computation reports and stop at the n-th poll.
class RecordingHooks : public SolveHooks {
public:
    bool trace = false;
    bool watch = false;
    bool poll = true;
    int stopAtPoll = -1;  // -1: never
    WatchAnswer answer = WatchAnswer::Continue;

    int polls = 0;
    int questions = 0;
    std::vector<std::string> lines;
    std::vector<std::pair<int, int>> watched;

    bool TraceActive() const override { return trace; }
    bool WatchActive() const override { return watch; }
    bool PollActive() const override { return poll; }
    void Trace(std::string_view line) override { lines.emplace_back(line); }
    void WatchElement(int row, int column, const ComplexValue&) override {
        watched.emplace_back(row, column);
    }
    WatchAnswer AskContinue() override {
        ++questions;
        return answer;
    }
    bool StopRequested() override { return ++polls == stopAtPoll; }
};

// A context of one test: monitor over the given hooks (none: fast mode).
struct TestContext {
    explicit TestContext(TNumericalScope scope = nsReal, SolveHooks* hooks = nullptr,
                         Pivoting pivot = Pivoting::Partial)
        : monitor(hooks, Format(scope)), context{monitor, BuiltInMatrixMessages(), scope, pivot} {}

    static FormatOptions Format(TNumericalScope scope) {
        FormatOptions f;
        f.Scope = scope;
        return f;
    }

    SolveMonitor monitor;
    MatrixContext context;
};

// The message a call raises (empty when it raises none).
template <class F>
std::string MessageOf(F f) {
    try {
        f();
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

}  // namespace tarvix::test
