// Finding categories (incremental search, RUN name, paths) and the text
// search with its hit list.
#include "tasks/library_search.h"

#include <gtest/gtest.h>

#include "tasks/library_model.h"
#include "tasks/library_text.h"

namespace tarvix {
namespace {

LibraryNode* Add(LibraryTree& tree, LibraryNode* parent, std::string name,
                 std::vector<LibraryRow> rows = {}) {
    return tree.Append(parent, std::make_unique<LibraryNode>(std::move(name), std::move(rows)));
}

TEST(LibrarySearchTest, IncrementalSearchTakesTheFirstCategoryInTreeOrder) {
    LibraryTree tree;
    LibraryNode* electro = Add(tree, nullptr, "Elektro");
    LibraryNode* matrix = Add(tree, electro, "Matice");
    LibraryNode* mechanics = Add(tree, nullptr, "Mechanika");
    LibraryNode* small = Add(tree, nullptr, "malé úlohy");
    LibraryNode* commas = Add(tree, nullptr, "Čárky");
    struct Case {
        const char* typed;
        LibraryNode* expected;
    } cases[] = {
        {"ma", matrix},      {"MAL", small},   {"m", matrix},  {"me", mechanics},
        {"čá", commas},      {"ČÁRKY", commas}, {"x", nullptr}, {"", nullptr},
        {"maléx", nullptr},  {"Elektro", electro},
    };
    for (const Case& c : cases) EXPECT_EQ(FindCategoryByPrefix(tree, c.typed), c.expected) << c.typed;

    LibraryModel model;
    model.Reset(std::move(tree));
    ASSERT_NE(model.FindCategory("ma"), nullptr);
    EXPECT_EQ(model.SelectedNode()->Name, "Matice");
    EXPECT_EQ(model.FindCategory("zz"), nullptr);
    EXPECT_EQ(model.SelectedNode()->Name, "Matice");  // a miss keeps the selection
}

TEST(LibrarySearchTest, RunPrefersTheCategoryOfTheExactName) {
    LibraryTree tree;
    LibraryNode* demo2 = Add(tree, nullptr, "DEMO2");
    LibraryNode* parent = Add(tree, nullptr, "Ukázky");
    LibraryNode* demo = Add(tree, parent, "Demo");
    EXPECT_EQ(FindTaskCategory(tree, "demo"), demo);
    EXPECT_EQ(FindTaskCategory(tree, " DEMO "), demo);
    EXPECT_EQ(FindTaskCategory(tree, "dem"), demo2);
    EXPECT_EQ(FindTaskCategory(tree, "ukázky"), parent);
    EXPECT_EQ(FindTaskCategory(tree, "nic"), nullptr);
    EXPECT_EQ(FindTaskCategory(tree, ""), nullptr);
}

TEST(LibrarySearchTest, CategoryPaths) {
    LibraryTree tree;
    LibraryNode* geometry = Add(tree, nullptr, "Geometrie");
    LibraryNode* circle = Add(tree, geometry, "Kruh");
    LibraryNode* sector = Add(tree, circle, "Výseč");
    EXPECT_EQ(FindCategoryPath(tree, "geometrie"), geometry);
    EXPECT_EQ(FindCategoryPath(tree, "GEOMETRIE/kruh/VÝSEČ"), sector);
    EXPECT_EQ(FindCategoryPath(tree, "Kruh"), nullptr);
    EXPECT_EQ(FindCategoryPath(tree, "Geometrie/"), nullptr);
    EXPECT_EQ(FindCategoryPath(tree, ""), nullptr);
}

// "Mechanika" (rows about speed and force) with "Pohyb" below it, "Síla"
// (its name and both rows match "síl"), "Jiné" with a second "Síla" below
// it, and "Úlohy" (a task printing "Síla").
class TextSearchTest : public testing::Test {
protected:
    void SetUp() override {
        mechanics = Add(tree, nullptr, "Mechanika",
                        {{"v=1", "Rychlost", "s/t"}, {"m=1", "Síla", "m*a"}, {"", "Práce", "F*s"}});
        motion = Add(tree, mechanics, "Pohyb", {{"", "Zrychlení", "v/t"}});
        force = Add(tree, nullptr, "Síla", {{"", "Tíhová síla", "m*g"}, {"", "Tlak síly", "F/S"}});
        other = Add(tree, nullptr, "Jiné");
        force2 = Add(tree, other, "Síla", {{"", "Moment", "F*r"}, {"", "Ohyb síly", "M/W"}});
        tasks = Add(tree, nullptr, "Úlohy", {{"PRINT \"Síla\"", "Tisk", "TASK"}});
    }

    std::vector<std::string> Listed(const std::vector<LibraryHit>& hits) {
        std::vector<std::string> lines;
        for (const LibraryHit& hit : hits) {
            const LibraryNode* node = tree.Find(hit.Node);
            lines.push_back(NodePath(*node, "/") + "#" + std::to_string(hit.Row) + " " + hit.Comment);
        }
        return lines;
    }

    LibraryTree tree;
    LibraryNode *mechanics, *motion, *force, *other, *force2, *tasks;
};

TEST_F(TextSearchTest, HitsInTreeOrderOnePerRowAndOnePerMatchingName) {
    // A name hit is carried by the first row: merged with that row's own
    // hit ("Síla"), or listed alone with an empty comment ("Jiné/Síla").
    EXPECT_EQ(Listed(SearchLibrary(tree, "  síl ", {}, nullptr)),
              (std::vector<std::string>{"Mechanika#1 Síla", "Síla#0 Tíhová síla",
                                        "Síla#1 Tlak síly", "Jiné/Síla#0 ",
                                        "Jiné/Síla#1 Ohyb síly", "Úlohy#0 Tisk"}));
}

TEST_F(TextSearchTest, TogglesAndScope) {
    struct Case {
        const char* what;
        const char* text;
        LibrarySearchOptions options;
        const LibraryNode* selected;
        std::vector<std::string> expected;
    } cases[] = {
        {"names only: each matching category once, empty comment", "síla",
         {true, false, false}, nullptr, {"Síla#0 ", "Jiné/Síla#0 "}},
        {"rows only: the task's program counts", "print", {false, true, false}, nullptr,
         {"Úlohy#0 Tisk"}},
        {"rows: the expression counts", "v/T", {false, true, false}, nullptr,
         {"Mechanika/Pohyb#0 Zrychlení"}},
        {"subtree: the selected category and below", "t", {false, true, true}, mechanics,
         {"Mechanika#0 Rychlost", "Mechanika/Pohyb#0 Zrychlení"}},
        {"subtree without a selection finds nothing", "síla", {true, true, true}, nullptr, {}},
        {"a leaf's subtree is itself; a name hit alone", "a", {true, true, true}, force2,
         {"Jiné/Síla#0 "}},
        {"nothing to search for", "   ", {}, nullptr, {}},
        {"no match", "xyz", {}, nullptr, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Listed(SearchLibrary(tree, c.text, c.options, c.selected)), c.expected) << c.what;
    }
}

TEST_F(TextSearchTest, SortedByCategoryThenComment) {
    std::vector<LibraryHit> hits = SearchLibrary(tree, "síl", {}, nullptr);
    SortHits(hits);
    EXPECT_EQ(Listed(hits),
              (std::vector<std::string>{"Mechanika#1 Síla", "Jiné/Síla#0 ", "Jiné/Síla#1 Ohyb síly",
                                        "Síla#1 Tlak síly", "Síla#0 Tíhová síla", "Úlohy#0 Tisk"}));
}

TEST_F(TextSearchTest, TheWindowsModelGoesToTheRightCategoryAndRow) {
    LibraryModel library;
    library.Reset(std::move(tree));
    LibraryFind find;
    find.Options = {false, false, false};
    find.Text = "síl";
    EXPECT_FALSE(find.CanFind());  // both toggles up
    find.Options.Rows = true;
    EXPECT_TRUE(find.CanFind());
    find.Text = " ";
    EXPECT_FALSE(find.CanFind());
    EXPECT_FALSE(find.Find(library));

    find.Text = "síl";
    ASSERT_TRUE(find.Find(library));
    EXPECT_EQ(find.History, (std::vector<std::string>{"síl"}));
    ASSERT_EQ(find.Hits().size(), 5u);
    EXPECT_EQ(find.CountText(), "5");
    EXPECT_EQ(find.Current(), 0);

    // Two hits in one category: each selects its own row.
    find.SetCurrent(2);
    ASSERT_TRUE(find.Go(library));
    EXPECT_EQ(library.SelectedNode(), force);
    EXPECT_EQ(library.SelectedRow(), 1);
    find.SetCurrent(3);
    ASSERT_TRUE(find.Go(library));
    EXPECT_EQ(library.SelectedNode(), force);
    EXPECT_EQ(library.SelectedRow(), 0);
    EXPECT_EQ(find.PathText(library), "Síla");

    // The "Síla" under "Jiné" is reached as itself, not as the first "Síla".
    find.SetCurrent(1);
    ASSERT_TRUE(find.Go(library));
    EXPECT_EQ(library.SelectedNode(), force2);
    EXPECT_EQ(library.SelectedRow(), 1);
    EXPECT_EQ(find.PathText(library), "Jiné\\ Síla");

    // A category deleted meanwhile cannot be reached.
    library.SetEditMode(true);
    library.DeleteCategory();
    EXPECT_FALSE(find.CanGo(library));
    EXPECT_FALSE(find.Go(library));
    EXPECT_EQ(find.PathText(library), "");

    find.ClearHits();
    EXPECT_EQ(find.CountText(), "");
    EXPECT_EQ(find.Current(), -1);
}

TEST(LibrarySearchTest, LettersWhoseCapitalsAreWrittenOtherwiseAreFound) {
    LibraryTree tree;
    Add(tree, nullptr, "K", {{"", "ÿ ſa ıb", ""}});
    for (const char* text : {"Ÿ", "ÿ", "SA", "ſa", "IB", "ıb", "Ÿ SA IB"}) {
        EXPECT_EQ(SearchLibrary(tree, text, {false, true, false}, nullptr).size(), 1u) << text;
    }
    EXPECT_TRUE(SearchLibrary(tree, "ÿx", {false, true, false}, nullptr).empty());
}

TEST(LibraryTextTest, UpperCasingOfLatinLetters) {
    EXPECT_EQ(UpperCased("příliš žluťoučký kůň úpěl ďábelské ódy"),
              "PŘÍLIŠ ŽLUŤOUČKÝ KŮŇ ÚPĚL ĎÁBELSKÉ ÓDY");
    EXPECT_EQ(UpperCased("łódź ŕ ĺ ľ ň ÿ ß µ ı ſ €"), "ŁÓDŹ Ŕ Ĺ Ľ Ň Ÿ ß µ I S €");
    EXPECT_EQ(UpperCased("ABC Ř"), "ABC Ř");
}

}  // namespace
}  // namespace tarvix
