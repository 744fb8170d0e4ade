// Accuracy of the elementary functions against reference values with 40
// significant digits (data/elementary_reference.txt, made by
// data/make_elementary_reference.sh): every result must be right to one unit
// of the 15th significant digit. The largest error found is printed.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "functions_test_support.h"

namespace tarvix::testing {
namespace {

using AccuracyTest = FunctionsTest;

struct ReferenceLine {
    int LineNumber = 0;
    Mode M{nsReal, auRad};
    std::string Function;
    std::string Argument;
    ComplexValue Expected;
};

bool ParseMode(const std::string& unit, const std::string& scope, Mode& m) {
    static const std::pair<const char*, TAngleUnits> units[] = {
        {"deg", auDeg}, {"rad", auRad}, {"grad", auGrad}};
    bool known = false;
    for (const auto& [name, value] : units) {
        if (unit == name) m.Unit = value, known = true;
    }
    if (scope != "real" && scope != "cplx") return false;
    m.Scope = scope == "real" ? nsReal : nsComplex;
    return known;
}

// Reads every reference line; malformed lines are reported as failures.
std::vector<ReferenceLine> ReadReference() {
    std::vector<ReferenceLine> lines;
    std::ifstream in(TARVIX_TEST_DATA_DIR "/elementary_reference.txt");
    EXPECT_TRUE(in.good()) << "missing " TARVIX_TEST_DATA_DIR "/elementary_reference.txt";
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream fields(text);
        std::string unit, scope, re, im;
        ReferenceLine line;
        line.LineNumber = number;
        fields >> unit >> scope >> line.Function >> line.Argument >> re;
        if (!ParseMode(unit, scope, line.M) || re.empty() ||
            (line.M.Scope == nsComplex && !(fields >> im))) {
            ADD_FAILURE() << "malformed line " << number << ": " << text;
            continue;
        }
        line.Expected = {strtold(re.c_str(), nullptr),
                         im.empty() ? 0 : strtold(im.c_str(), nullptr)};
        lines.push_back(line);
    }
    return lines;
}

TEST_F(AccuracyTest, ResultsAreRightToFifteenDigits) {
    const std::vector<ReferenceLine> lines = ReadReference();
    ASSERT_GE(lines.size(), 300u);
    long double worst = 0;
    std::string worstCase;
    for (const ReferenceLine& line : lines) {
        std::string expression = line.Function + "(" + line.Argument + ")";
        SCOPED_TRACE("line " + std::to_string(line.LineNumber) + ": " + expression + " in " +
                     ModeName(line.M));
        ComplexValue actual, argument;
        try {
            actual = EvalIn(line.M, expression);
            argument = Eval(line.Argument);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "raised: " << e.what();
            continue;
        }
        // Relative to the reference; at an exact zero absolute, scaled by the argument.
        long double scale = hypotl(line.Expected.Re, line.Expected.Im);
        if (scale == 0) scale = std::max(1.0L, hypotl(argument.Re, argument.Im));
        long double error = hypotl(actual.Re - line.Expected.Re, actual.Im - line.Expected.Im);
        long double units = error / (scale * 1e-15L);
        EXPECT_LE(units, 1.0L) << "actual " << FullText(actual.Re) << " " << FullText(actual.Im)
                               << ", expected " << FullText(line.Expected.Re) << " "
                               << FullText(line.Expected.Im);
        if (units > worst) {
            worst = units;
            worstCase = expression + " in " + ModeName(line.M);
        }
    }
    std::printf(
        "[ accuracy ] %zu reference values; largest error %.6Lf units of the 15th "
        "significant digit (%.3Le relative), at %s\n",
        lines.size(), worst, worst * 1e-15L, worstCase.c_str());
}

}  // namespace
}  // namespace tarvix::testing
