// The matrix memory and its index lines.
#include "matrix/matrix_memory.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

TEST(MatrixMemory, AddStoreRemoveClear) {
    MatrixMemory memory;
    EXPECT_EQ(memory.NextNumberText(), "01");
    EXPECT_EQ(memory.Add(2, 2, ""), -1);  // a note is required
    EXPECT_EQ(memory.Add(2, 2, "first"), 0);
    EXPECT_EQ(memory.Add(3, 1, "second"), 1);
    EXPECT_EQ(memory.MemoryIndex()[0], "01\t2x2\tfirst");
    EXPECT_EQ(memory.MemoryIndex()[1], "02\t3x1\tsecond");

    EXPECT_TRUE(memory.Store(1, M({{1, 2, 3}, {4, 5, 6}})));
    EXPECT_EQ(memory.MemoryIndex()[1], "02\t2x3\tsecond");
    EXPECT_EQ(*memory.At(1), M({{1, 2, 3}, {4, 5, 6}}));
    EXPECT_FALSE(memory.Store(5, M({{1}})));

    FormatOptions format;
    EXPECT_EQ(memory.Preview(1, format), "1 2 3\n4 5 6");

    EXPECT_TRUE(memory.Remove(0));
    EXPECT_EQ(memory.Count(), 1);
    EXPECT_EQ(memory.MemoryIndex()[0], "02\t2x3\tsecond");
    EXPECT_EQ(memory.NextNumberText(), "03");
    EXPECT_FALSE(memory.Remove(3));
    memory.Clear();
    EXPECT_EQ(memory.Count(), 0);
    EXPECT_EQ(memory.NextNumberText(), "01");
}

TEST(MatrixMemory, PreviewShowsAtMostTenByTen) {
    MatrixMemory memory;
    memory.Add(12, 12, "big");
    CMatrix big(12, 12);
    memory.Store(0, big);
    const std::string preview = memory.Preview(0, FormatOptions{});
    EXPECT_EQ(std::count(preview.begin(), preview.end(), '\n'), 9);
    EXPECT_EQ(preview.substr(0, preview.find('\n')), "0 0 0 0 0 0 0 0 0 0");
}

}  // namespace
}  // namespace tarvix::test
