// JustifyDisplayText: exponent texts lose their postfix, others stay as they are.
#include "calculator/display_justify.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "format_cases.h"

namespace tarvix::testing {
namespace {

struct JustifyCase {
    const char* Text;
    FormatOptions Opt;
    std::string Expected;
};

TEST(JustifyDisplayText, Table) {
    const std::vector<JustifyCase> cases = {
        {"1E15P", Options(Eng(11)), "1E30 "},
        {"1,5E3k", Options(Eng(7)), "1500000 "},
        {"1.5E3k", Options(Eng(7), '.'), "1500000 "},
        {"2,5E-5f", Options(Eng(1)), "2,5E-20 "},
        {"1E-7 ", Options(Eng(6)), "1E-7 "},
        {"1,23450000000000E+003 ", Options(Sci()), "1,23450000000000E+003 "},
        {"1,5E20 ", Options(Fix()), "1,5E20 "},  // the fixed mask falls back to "%g"
        {"500u", Options(Eng(4)), "500u"},       // no exponent
        {"12 ", Options(), "12 "},
        {"0FFh", Options(InBase(nbHex)), "0FFh"},  // "h" is no postfix
        {"1E5x", Options(), "1E5x"},
        {"ABE ", Options(), "ABE "},  // not a number
        {"", Options(), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(JustifyDisplayText(c.Text, c.Opt), c.Expected);
    }
}

}  // namespace
}  // namespace tarvix::testing
