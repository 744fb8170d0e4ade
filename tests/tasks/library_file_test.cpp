// The library file: its exact bytes, reading faulty and legacy files, and
// cleaning what would corrupt a file.
#include "tasks/library_file.h"

#include <gtest/gtest.h>

#include "tasks/library_text.h"

namespace tarvix {
namespace {

using namespace std::string_literals;

LibraryNode* Add(LibraryTree& tree, LibraryNode* parent, std::string name,
                 std::vector<LibraryRow> rows = {}) {
    return tree.Append(parent, std::make_unique<LibraryNode>(std::move(name), std::move(rows)));
}

std::vector<std::string> TreeLines(const LibraryTree& tree) {
    std::vector<std::string> lines;
    tree.ForEach([&lines](const LibraryNode& node) {
        lines.push_back(std::string(static_cast<std::size_t>(node.Depth()), '.') + node.Name);
    });
    return lines;
}

TEST(LibraryFileTest, WritesTheTreeTheZeroByteAndOneRecordPerCategory) {
    LibraryTree tree;
    LibraryNode* a = Add(tree, nullptr, "A", {{"x=1", "obsah", "x*x"}});
    Add(tree, a, "B", {{"", "", "2+3"}, {"", "druhý", "4"}});
    EXPECT_EQ(LibraryBytes(tree),
              "A\r\n\tB\r\n"s + '\0' +                                 //
                  "x=1\r\nobsah\r\nx*x\r\n\r\n\x01"                    // A
                  " \r\n \r\n2+3\r\n\r\n \r\ndruhý\r\n4\r\n\r\n\x01"s  // B: empty cells are blanks
    );
}

TEST(LibraryFileTest, EdgeCellsRoundTrip) {
    struct Case {
        const char* what;
        LibraryRow row;
        std::string stored;  // the row as it stands in the file
    } cases[] = {
        {"blank comment", {"a=1", "", "a"}, "a=1\r\n \r\na\r\n\r\n"},
        {"three-line explanation",
         {"mode rad,dec,real\nr=2\t[m]\tpoloměr\n'poznámka", "Kruh", "pi*r^2"},
         "mode rad,dec,real\xFF\xFEr=2\t[m]\tpoloměr\xFF\xFE'poznámka\r\nKruh\r\npi*r^2\r\n\r\n"},
        {"empty lines inside", {"a\n\nb\n", "c", "d"}, "a\xFF\xFE\xFF\xFE" "b\xFF\xFE\r\nc\r\nd\r\n\r\n"},
        {"everything empty", {"", "", ""}, " \r\n \r\n \r\n\r\n"},
    };
    for (const Case& c : cases) {
        LibraryTree tree;
        Add(tree, nullptr, "K", {c.row});
        const std::string bytes = LibraryBytes(tree);
        EXPECT_EQ(bytes, "K\r\n"s + '\0' + c.stored + '\x01') << c.what;
        LibraryReadResult read = ParseLibrary(bytes);
        ASSERT_TRUE(read.ok()) << c.what;
        EXPECT_FALSE(read.Legacy) << c.what;
        EXPECT_EQ(read.Tree.First()->Rows, std::vector<LibraryRow>{c.row}) << c.what;
    }
}

TEST(LibraryFileTest, ReadsTheTreeWithDepthsAndKeepsDataOfEachCategory) {
    const std::string bytes = "Geometrie\r\n\tKruh\r\n\t\tVýseč\r\n\tTrojúhelník\r\nFinance\r\n"s +
                              '\0' + " \r\nG\r\n1\r\n\r\n\x01" + " \r\nK1\r\n2\r\n\r\n \r\nK2\r\n3\r\n\r\n\x01" +
                              " \r\nV\r\n4\r\n\r\n\x01" + " \r\nT\r\n5\r\n\r\n\x01" +
                              " \r\nF\r\n6\r\n\r\n\x01";
    LibraryReadResult read = ParseLibrary(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(TreeLines(read.Tree),
              (std::vector<std::string>{"Geometrie", ".Kruh", "..Výseč", ".Trojúhelník", "Finance"}));
    const LibraryNode* kruh = read.Tree.First()->Child(0);
    ASSERT_EQ(kruh->Rows.size(), 2u);
    EXPECT_EQ(kruh->Rows[1].Comment, "K2");
    EXPECT_EQ(read.Tree.TopLevel()[1]->Rows[0].Expression, "6");
    EXPECT_EQ(LibraryBytes(read.Tree), bytes);
}

TEST(LibraryFileTest, FaultyFiles) {
    // No 0x00 byte: not a library (or one cut off inside its tree).
    EXPECT_EQ(ParseLibrary("A\r\n\tB\r\n").Status, LibraryReadStatus::NoTreeEnd);
    EXPECT_EQ(ParseLibrary("").Status, LibraryReadStatus::NoTreeEnd);

    // An empty tree is an empty library.
    LibraryReadResult empty = ParseLibrary("\0"s);
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty.Tree.Empty());

    // A last record without its 0x01 is ignored; its category holds one
    // empty row, as does a category without any record.
    LibraryReadResult cut = ParseLibrary("A\r\nB\r\nC\r\n"s + '\0' + " \r\na\r\n1\r\n\r\n\x01" +
                                         " \r\nb\r\n2\r\n\r");
    ASSERT_TRUE(cut.ok());
    ASSERT_EQ(cut.Tree.NodeCount(), 3u);
    const auto& top = cut.Tree.TopLevel();
    EXPECT_EQ(top[0]->Rows, (std::vector<LibraryRow>{{"", "a", "1"}}));
    EXPECT_EQ(top[1]->Rows, std::vector<LibraryRow>(1));
    EXPECT_EQ(top[2]->Rows, std::vector<LibraryRow>(1));

    // Records beyond the number of categories are ignored; an empty record
    // gives one empty row; a row with missing cells has them empty.
    LibraryReadResult extra = ParseLibrary("A\r\nB\r\n"s + '\0' + "\x01" + "e\r\nc\r\n\r\n\x01" +
                                           " \r\nz\r\n9\r\n\r\n\x01");
    ASSERT_TRUE(extra.ok());
    EXPECT_EQ(extra.Tree.TopLevel()[0]->Rows, std::vector<LibraryRow>(1));
    EXPECT_EQ(extra.Tree.TopLevel()[1]->Rows, (std::vector<LibraryRow>{{"e", "c", ""}}));
}

TEST(LibraryFileTest, ADepthJumpHangsTheCategoryUnderTheDeepestPossibleParent) {
    LibraryReadResult read = ParseLibrary("\t\tA\r\nB\r\n\t\t\tC\r\n\tD\r\n\t\t\t\tE\r\n"s + '\0');
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(TreeLines(read.Tree), (std::vector<std::string>{"A", "B", ".C", ".D", "..E"}));
    for (const LibraryNode* node : read.Tree.Nodes()) EXPECT_EQ(node->Rows.size(), 1u);
}

TEST(LibraryFileTest, ReadsLegacySingleByteFilesWithTheIndexCharacters) {
    // cp1250: "Plochy" with a subcategory "Čtverec" (0xC8), the explanation
    // "S [m\x7F]" (m²) and "v [m.s\x82]" (m.s⁻¹), the comment "Plocha čtverce"
    // (0xE8) with the cp1250 quotes „“ (0x84 0x93), which stay quotes there.
    const std::string bytes = "Plochy\r\n\t\xC8tverec\r\n"s + '\0' + " \r\n \r\n \r\n\r\n\x01" +
                              "a=2\t[m\x7F]\xFF\xFEv=1\t[m.s\x82]\t\xB5\r\n"
                              "Plocha \xE8tverce \x84x\x93\r\na^2\r\n\r\n\x01";
    LibraryReadResult read = ParseLibrary(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.Legacy);
    const LibraryNode* square = read.Tree.First()->Child(0);
    EXPECT_EQ(square->Name, "Čtverec");
    EXPECT_EQ(square->Rows[0].Explanation, "a=2\t[m²]\nv=1\t[m.s⁻¹]\tµ");
    EXPECT_EQ(square->Rows[0].Comment, "Plocha čtverce „x“");

    // Written back it is UTF-8 and reads the same.
    LibraryReadResult again = ParseLibrary(LibraryBytes(read.Tree));
    ASSERT_TRUE(again.ok());
    EXPECT_FALSE(again.Legacy);
    EXPECT_EQ(again.Tree.First()->Child(0)->Rows, square->Rows);
}

TEST(LibraryFileTest, AUtf8FileCutInsideAnIgnoredRecordStaysUtf8) {
    const std::string bytes = "Čas\r\n"s + '\0' + " \r\nrychlost\r\nv*t\r\n\r\n\x01" + "\xC5";
    LibraryReadResult read = ParseLibrary(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_FALSE(read.Legacy);
    EXPECT_EQ(read.Tree.First()->Name, "Čas");
}

TEST(LibraryFileTest, WritingCleansWhatWouldCorruptTheFile) {
    LibraryTree tree;
    Add(tree, nullptr, "a\tb\rc\nd\x01" "e"s + '\0' + "f",
        {{"x\r\ny\x01z", "ko\nmen\x01t", "1+\r2"}});
    LibraryReadResult read = ParseLibrary(LibraryBytes(tree));
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.Tree.NodeCount(), 1u);
    EXPECT_EQ(read.Tree.First()->Name, "abcdef");
    EXPECT_EQ(read.Tree.First()->Rows, (std::vector<LibraryRow>{{"x\nyz", "ko ment", "1+ 2"}}));
}

TEST(LibraryFileTest, EmptyRowsAreDroppedOnlyFromCategoriesWithMoreRows) {
    LibraryTree tree;
    LibraryNode* one = Add(tree, nullptr, "one", {{}});
    LibraryNode* many = Add(tree, nullptr, "many", {{}, {"", "c", ""}, {"only explanation", "", ""}, {}});
    EXPECT_TRUE(DropEmptyRows(tree));
    EXPECT_EQ(one->Rows.size(), 1u);
    EXPECT_EQ(many->Rows, (std::vector<LibraryRow>{{"", "c", ""}, {"only explanation", "", ""}}));
    EXPECT_FALSE(DropEmptyRows(tree));
}

TEST(LibraryFileTest, FilesThatCannotBeRead) {
    const std::filesystem::path folder = testing::TempDir();
    EXPECT_EQ(ReadLibraryFile(folder / "no-such-library.exp").Status, LibraryReadStatus::Missing);
    EXPECT_EQ(ReadLibraryFile(folder).Status, LibraryReadStatus::Unreadable);
}

}  // namespace
}  // namespace tarvix
