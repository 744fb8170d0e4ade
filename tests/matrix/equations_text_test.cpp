// The equations editor's text as an augmented matrix.
#include "matrix/equations_text.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

const MatrixMessageTable& Texts() { return BuiltInMatrixMessages(); }

TEST(ParseEquations, SampleLinesGiveTheAugmentedRows) {
    const EquationsMatrix m = ParseEquations(
        {"'Zde lze psát komentář", "  2a - 3b + 4c = 1", "  5a + 2b - 6c = 2", "", "  3a - 2b + 3c = 3"},
        Texts());
    EXPECT_EQ(m.Unknowns, (std::vector<std::string>{"a", "b", "c"}));
    using Row = std::vector<std::string>;
    EXPECT_EQ(m.Coefficients, (std::vector<Row>{{"2", "-3", "4"}, {"5", "2", "-6"}, {"3", "-2", "3"}}));
    EXPECT_EQ(m.RightHandSides, (Row{"1", "2", "3"}));
}

TEST(ParseEquations, ImplicitCoefficientsSortingAndComments) {
    const EquationsMatrix m = ParseEquations({"y + x = 1 ' sum", "x-y=1", "-Z+x = 0"}, Texts());
    EXPECT_EQ(m.Unknowns, (std::vector<std::string>{"x", "y", "Z"}));
    using Row = std::vector<std::string>;
    EXPECT_EQ(m.Coefficients, (std::vector<Row>{{"1", "1", ""}, {"1", "-1", ""}, {"1", "", "-1"}}));
}

TEST(ParseEquations, RefusedTexts) {
    EXPECT_EQ(MessageOf([] { ParseEquations({"2*a + b = 1", "a - b = 0"}, Texts()); }),
              Texts().Text(mxmsg::EquationExpression));
    EXPECT_EQ(MessageOf([] { ParseEquations({"a + b + c = 1", "a - b = 0"}, Texts()); }),
              Texts().Text(mxmsg::EquationCount));
}

}  // namespace
}  // namespace tarvix::test
