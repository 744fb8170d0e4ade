// The x-y text files of the detailed chart.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "series/chart_xy_file.h"

namespace tarvix {
namespace {

struct XyCase {
    const char* Name;
    const char* Text;
    std::vector<double> X;
    std::vector<double> Y;
};

TEST(ChartXyFile, SeparatorIsDecidedByTheFirstLine) {
    const XyCase cases[] = {
        {"semicolon, blank line skipped", "1;2\n3 4\n5;6\n", {1, 5}, {2, 6}},
        {"single column", "7\n8,5\n\n9\n", {0, 1, 2}, {7, 8.5, 9}},
        {"tab", "1\t2\n3\t4\t99\n", {1, 3}, {2, 4}},
        {"blank runs are one separator", "  1    2\n 10   -3,5   7\n", {1, 10}, {2, -3.5}},
        {"series file lines", " 1.000000000E+00 -2.500000000E-01\r\n 2.000000000E+00  "
                              "4.000000000E+00\r\n",
         {1, 2}, {-0.25, 4}},
        {"unreadable lines skipped", "1;2\nx;3\n4;y\n5;6;7\n", {1, 5}, {2, 6}},
        {"empty", "\n  \n", {}, {}},
        {"first empty lines are ignored", "\n\n1;+2\n", {1}, {2}},
    };
    for (const XyCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const XyData d = ParseXyText(c.Text);
        EXPECT_EQ(d.X, c.X);
        EXPECT_EQ(d.Y, c.Y);
    }
}

TEST(ChartXyFile, MissingFileIsAFailure) {
    EXPECT_FALSE(ReadXyFile("/nonexistent/folder/points.txt"));
    const auto path = std::filesystem::temp_directory_path() / "tarvix_chart_xy_test.txt";
    {
        std::ofstream out(path);
        out << "0 1\n2 3\n";
    }
    const auto d = ReadXyFile(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->Y, (std::vector<double>{1, 3}));
}

TEST(ChartXyFile, LineTooLongIsAFailure) {
    EXPECT_FALSE(ReadXyFile("/dev/zero"));
}

}  // namespace
}  // namespace tarvix
