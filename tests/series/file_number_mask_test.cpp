// The series file's number masks and line layouts.
#include "series/file_number_mask.h"

#include <gtest/gtest.h>

#include "series/series_file.h"

namespace tarvix {
namespace {

std::string Signed(std::string_view mask, long double x, char sep = '.') {
    std::optional<FileNumberMask> m = FileNumberMask::Parse(mask);
    EXPECT_TRUE(m.has_value()) << mask;
    std::string out;
    if (m) m->AppendSigned(out, x, sep);
    return out;
}

struct MaskCase {
    std::string_view Mask;
    long double Value;
    char Separator;
    std::string_view Expected;
};

TEST(FileNumberMask, FormatsByTheMask) {
    const MaskCase cases[] = {
        {"0.000000000E+00", 1.23456789L, '.', " 1.234567890E+00"},
        {"0.000000000E+00", -1.23456789L, '.', "-1.234567890E+00"},
        {"0.000000000E+00", 0.0L, '.', " 0.000000000E+00"},
        {"0.000000000E+00", 0.0625L, '.', " 6.250000000E-02"},
        {"0.000000000E+00", 1e-300L, '.', " 1.000000000E-300"},
        {"0.000000000E+00", 1.5e4000L, '.', " 1.500000000E+4000"},
        {"0.000000000E+00", 9.9999999999L, '.', " 1.000000000E+01"},
        {"0.000000000E+00", 2.5L, ',', " 2,500000000E+00"},
        {"0.000000E+00", 123456.0L, '.', " 1.234560E+05"},
        {"0.00E-00", 1234.0L, '.', " 1.23E03"},
        {"0.00E-00", 0.001234L, '.', " 1.23E-03"},
        {"00.00E+00", 1234.6L, '.', " 12.35E+02"},
        {"0.0##E+0", 1.5L, '.', " 1.5E+0"},
        {"0.000", 3.14159L, '.', " 3.142"},
        {"0.000", -0.0004L, '.', " 0.000"},
        {"0.00", -2.25L, ',', "-2,25"},
        {"#.##", 0.5L, '.', " .5"},
        {"0.##", 2.0L, '.', " 2"},
        {"000", 7.0L, '.', " 007"},
        {"0.0 V", 1.26L, '.', " 1.3 V"},
        {"0.000000000000000000E+00", 1.0L / 3.0L, '.', " 3.333333333333333333E-01"},
    };
    for (const MaskCase& c : cases)
        EXPECT_EQ(Signed(c.Mask, c.Value, c.Separator), c.Expected)
            << c.Mask << " " << double(c.Value);
}

TEST(FileNumberMask, RefusesMasksWithoutDigits) {
    for (std::string_view bad : {"", "abc", "0.#0", "0.0E+", "0.0E+00000"})
        EXPECT_FALSE(FileNumberMask::Parse(bad).has_value()) << bad;
}

TEST(SeriesLineFormat, NumbersAndComplexValues) {
    SeriesLineFormat f{*FileNumberMask::Parse("0.000000000E+00")};
    f.NumberDigits = 3;
    f.Column = ';';
    std::string line;
    f.AppendNumber(line, 7);
    EXPECT_EQ(line, "007;");
    f.Complex = true;
    f.ImaginaryUnit = 'j';
    line.clear();
    f.AppendValue(line, {3.0L, 4.0L});
    EXPECT_EQ(line, " 3.000000000E+00+4.000000000E+00j");
    line.clear();
    f.AppendValue(line, {-1.0L, -2.0L});
    EXPECT_EQ(line, "-1.000000000E+00-2.000000000E+00j");
    f.Numbering = false;
    line.clear();
    f.AppendNumber(line, 7);
    EXPECT_EQ(line, "");
}

TEST(SeriesLineFormat, NumberingWidth) {
    EXPECT_EQ(NumberingDigits(1), 1);
    EXPECT_EQ(NumberingDigits(9), 1);
    EXPECT_EQ(NumberingDigits(10), 2);
    EXPECT_EQ(NumberingDigits(150), 3);
    EXPECT_EQ(NumberingDigits(1000000), 7);
}

}  // namespace
}  // namespace tarvix
