// The library window's model: opening and saving, edit mode, the commands
// of the tree, grid and editor menus, and packages.
#include "tasks/library_model.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "storage/atomic_file.h"
#include "tasks/explanation_inserts.h"
#include "tasks/library_file.h"
#include "tasks/library_packages.h"
#include "tasks/library_search.h"
#include "scratch_folder.h"

namespace tarvix {
namespace {

using namespace std::string_literals;

constexpr std::string_view kMode = "mode rad,dec,real";

class LibraryModelTest : public testing::Test {
protected:
    void SetUp() override { folder_ = ScratchFolder(); }

    std::filesystem::path Write(std::string_view name, std::string_view bytes) {
        const std::filesystem::path path = folder_ / name;
        EXPECT_TRUE(WriteFileAtomically(path, bytes).ok());
        return path;
    }

    static std::string Read(const std::filesystem::path& path) { return ReadWholeFile(path).bytes; }

    // A library "Geometrie" (rows Kruh, Čtverec) with "Kruh" below it, then "Finance".
    static LibraryTree Sample() {
        LibraryTree tree;
        LibraryNode* geometry = tree.Append(
            nullptr, std::make_unique<LibraryNode>(
                         "Geometrie", std::vector<LibraryRow>{{"r=1", "Kruh", "pi*r^2"},
                                                              {"a=2", "Čtverec", "a^2"}}));
        tree.Append(geometry, std::make_unique<LibraryNode>(
                                  "Kruh", std::vector<LibraryRow>{{"", "Obvod", "2*pi*r"}}));
        tree.Append(nullptr, std::make_unique<LibraryNode>(
                                 "Finance", std::vector<LibraryRow>{{"", "Úrok", "K*p/100"}}));
        return tree;
    }

    std::filesystem::path folder_;
};

TEST_F(LibraryModelTest, AFailedOpenKeepsTheLibraryAndCannotLeadASaveToOverwriteAGoodFile) {
    LibraryModel model;
    const std::filesystem::path good = Write("good.exp", LibraryBytes(Sample()));
    ASSERT_TRUE(model.Open(good).Ok);
    EXPECT_EQ(model.SelectedNode()->Name, "Geometrie");
    EXPECT_FALSE(model.Modified());

    // A truncated file (its tree cut before the 0x00 byte) is refused.
    const std::string truncatedBytes = LibraryBytes(Sample()).substr(0, 12);
    const std::filesystem::path truncated = Write("truncated.exp", truncatedBytes);
    LibraryFileOutcome outcome = model.Open(truncated);
    EXPECT_FALSE(outcome.Ok);
    EXPECT_EQ(outcome.Message, "Chyba při čtení ze souboru %\\ \"" + truncated.string() + "\"");
    EXPECT_EQ(outcome.HelpContext, 43);
    EXPECT_EQ(model.FilePath(), good);
    EXPECT_EQ(model.Tree().NodeCount(), 3u);

    LibraryFileOutcome missing = model.Open(folder_ / "missing.exp");
    EXPECT_EQ(missing.Message, "Soubor knihovny výrazů nebyl nalezen %\\ \"" +
                                   (folder_ / "missing.exp").string() + "\"");

    // The next save writes the library that is still loaded, to its own file.
    model.SetEditMode(true);
    model.NewCategory(kMode);
    ASSERT_TRUE(model.Save().Ok);
    EXPECT_EQ(Read(truncated), truncatedBytes);
    LibraryReadResult saved = ReadLibraryFile(good);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.Tree.NodeCount(), 4u);
}

TEST_F(LibraryModelTest, AFailedSaveKeepsTheFileAndTheModifiedFlag) {
    LibraryModel model;
    const std::filesystem::path path = Write("lib.exp", LibraryBytes(Sample()));
    ASSERT_TRUE(model.Open(path).Ok);
    model.SetEditMode(true);
    model.NewRow(kMode);
    LibraryFileOutcome outcome = model.SaveAs(folder_ / "no-folder" / "lib.exp");
    EXPECT_FALSE(outcome.Ok);
    EXPECT_EQ(outcome.Message.rfind("Chyba při zápisu do souboru", 0), 0u);
    EXPECT_TRUE(model.Modified());
    EXPECT_EQ(model.FilePath(), path);
}

TEST_F(LibraryModelTest, ANewCategoryAndRowSurviveASaveAndAReopen) {
    LibraryModel model;
    ASSERT_TRUE(model.Open(Write("lib.exp", LibraryBytes(Sample()))).Ok);
    EXPECT_EQ(model.NewCategory(kMode), nullptr);  // edit mode is off
    EXPECT_FALSE(model.Modified());

    model.SetEditMode(true);
    LibraryNode* node = model.NewCategory(kMode);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->Name, "nová kategorie");
    EXPECT_EQ(node->IndexInParent(), 1u);  // after "Geometrie", before "Finance"
    EXPECT_EQ(node->Rows, (std::vector<LibraryRow>{
                              {"mode rad,dec,real\nvel= \t [jedn] \t vysvětlivka", "nový komentář",
                               "nový výraz"}}));
    EXPECT_TRUE(model.Modified());
    EXPECT_TRUE(model.RenameCategory(*node, "Elek\ttro"));
    EXPECT_EQ(node->Name, "Elektro");
    EXPECT_TRUE(model.SetCell(0, LibraryCell::Comment, "Ohmův zákon"));
    EXPECT_TRUE(model.SetCell(0, LibraryCell::Expression, "U/R"));
    EXPECT_TRUE(model.SetCell(0, LibraryCell::Explanation, "U=12\t[V]\tnapětí\r\nR=4\t[Ω]\todpor"));
    EXPECT_EQ(model.NewRow(kMode), 1);
    ASSERT_TRUE(model.Save().Ok);
    EXPECT_FALSE(model.Modified());

    LibraryModel reopened;
    ASSERT_TRUE(reopened.Open(model.FilePath()).Ok);
    LibraryNode* again = reopened.FindCategory("elek");
    ASSERT_NE(again, nullptr);
    ASSERT_EQ(again->Rows.size(), 2u);
    EXPECT_EQ(again->Rows[0], (LibraryRow{"U=12\t[V]\tnapětí\nR=4\t[Ω]\todpor", "Ohmův zákon", "U/R"}));
    EXPECT_EQ(again->Rows[1].Comment, "nový komentář");
}

TEST_F(LibraryModelTest, NewCategoriesAndRowsOfTasksAreTasks) {
    LibraryModel model;
    LibraryTree tree;
    tree.Append(nullptr, std::make_unique<LibraryNode>(
                             "Úlohy", std::vector<LibraryRow>{{"PRINT 1", "Tisk", " task "}}));
    model.Reset(std::move(tree));
    model.SetEditMode(true);
    LibraryNode* sub = model.NewSubcategory(kMode);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Parent()->Name, "Úlohy");
    EXPECT_EQ(sub->Rows[0].Expression, "TASK");
    // The new category's own row is a task, so its next new row is one too.
    EXPECT_EQ(model.NewRow(kMode), 1);
    EXPECT_EQ(sub->Rows[1].Expression, "TASK");
}

TEST_F(LibraryModelTest, CategoryClipboardAndDelete) {
    LibraryModel model;
    model.Reset(Sample());
    model.SetEditMode(true);
    LibraryNode* geometry = model.Tree().First();
    model.Select(geometry);
    ASSERT_TRUE(model.CopyCategory());
    model.Select(model.Tree().TopLevel()[1].get());  // Finance
    LibraryNode* pasted = model.PasteCategory();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->IndexInParent(), 2u);
    EXPECT_EQ(pasted->Name, "Geometrie");
    ASSERT_EQ(pasted->ChildCount(), 1u);
    EXPECT_EQ(pasted->Child(0)->Rows[0].Comment, "Obvod");
    EXPECT_NE(pasted->Id(), geometry->Id());
    EXPECT_NE(pasted->Child(0)->Id(), geometry->Child(0)->Id());
    EXPECT_EQ(model.Tree().NodeCount(), 5u);

    // Cut the original: it goes with its subcategory; the next one is selected.
    model.Select(geometry);
    ASSERT_TRUE(model.CutCategory());
    EXPECT_EQ(model.Tree().NodeCount(), 3u);
    EXPECT_EQ(model.SelectedNode()->Name, "Finance");
    model.Select(model.Tree().TopLevel()[1].get());  // the pasted copy, the last one
    ASSERT_TRUE(model.DeleteCategory());
    EXPECT_EQ(model.SelectedNode()->Name, "Finance");  // the previous one
    ASSERT_TRUE(model.DeleteCategory());
    EXPECT_TRUE(model.Tree().Empty());
    EXPECT_EQ(model.SelectedNode(), nullptr);
    EXPECT_FALSE(model.DeleteCategory());
    // The clipboard still holds the cut category.
    ASSERT_NE(model.PasteCategory(), nullptr);
    EXPECT_EQ(model.Tree().NodeCount(), 2u);
}

TEST_F(LibraryModelTest, DraggingCategories) {
    LibraryModel model;
    model.Reset(Sample());
    model.SetEditMode(true);
    LibraryNode* geometry = model.Tree().First();
    LibraryNode* circle = geometry->Child(0);
    LibraryNode* finance = model.Tree().TopLevel()[1].get();
    const LibraryNodeId circleId = circle->Id();
    // Not into its own subtree.
    EXPECT_FALSE(model.MoveCategory(*geometry, circle, 0));
    EXPECT_FALSE(model.Modified());
    // "Kruh" to the top level, at the end; "Finance" before "Geometrie".
    ASSERT_TRUE(model.MoveCategory(*circle, nullptr, 2));
    ASSERT_TRUE(model.MoveCategory(*finance, nullptr, 0));
    std::vector<std::string> names;
    for (const auto& node : model.Tree().TopLevel()) names.push_back(node->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Finance", "Geometrie", "Kruh"}));
    EXPECT_EQ(model.FindNode(circleId), circle);  // moving keeps the identity
    // Moving down among the same siblings counts positions before the move.
    ASSERT_TRUE(model.MoveCategory(*finance, nullptr, 2));
    EXPECT_EQ(finance->IndexInParent(), 1u);
}

TEST_F(LibraryModelTest, RowCommands) {
    LibraryModel model;
    model.Reset(Sample());
    LibraryNode* geometry = model.Tree().First();
    model.Select(geometry, 1);
    EXPECT_TRUE(model.CopyRow());  // copying needs no edit mode
    EXPECT_EQ(model.PasteRow(), -1);
    EXPECT_FALSE(model.SetCell(0, LibraryCell::Comment, "x"));

    model.SetEditMode(true);
    model.SelectRow(0);
    EXPECT_EQ(model.PasteRow(), 1);  // after the selected row
    EXPECT_EQ(geometry->Rows[1].Comment, "Čtverec");
    EXPECT_EQ(geometry->Rows.size(), 3u);
    ASSERT_TRUE(model.MoveRow(0, 2));
    EXPECT_EQ(geometry->Rows[2].Comment, "Kruh");
    EXPECT_EQ(model.SelectedRow(), 2);
    EXPECT_FALSE(model.MoveRow(0, 3));
    ASSERT_TRUE(model.CutRow());
    EXPECT_EQ(geometry->Rows.size(), 2u);
    EXPECT_EQ(model.SelectedRow(), 1);

    // Deleting the last row of a category leaves one empty row.
    LibraryNode* circle = geometry->Child(0);
    model.Select(circle);
    ASSERT_TRUE(model.DeleteRow());
    EXPECT_EQ(circle->Rows, std::vector<LibraryRow>(1));
    EXPECT_EQ(model.PasteRow(), 1);
    EXPECT_EQ(circle->Rows[1].Comment, "Kruh");
}

TEST_F(LibraryModelTest, SavingDropsRowsThatAreWhollyEmpty) {
    LibraryModel model;
    model.Reset(Sample(), folder_ / "lib.exp");
    model.SetEditMode(true);
    LibraryNode* geometry = model.Tree().First();
    model.Select(geometry, 1);
    model.SetCell(1, LibraryCell::Explanation, "");
    model.SetCell(1, LibraryCell::Comment, "");
    model.SetCell(1, LibraryCell::Expression, "");
    ASSERT_TRUE(model.Save().Ok);
    EXPECT_EQ(geometry->Rows.size(), 1u);
    EXPECT_EQ(model.SelectedRow(), 0);
    EXPECT_EQ(ReadLibraryFile(folder_ / "lib.exp").Tree.First()->Rows.size(), 1u);
}

TEST_F(LibraryModelTest, ImportingAnExpressionIntoAnEmptyLibraryMakesACategory) {
    LibraryModel model;
    EXPECT_EQ(model.ImportRow({"mode", "c", "x"}), -1);
    model.SetEditMode(true);
    EXPECT_EQ(model.ImportRow({"mode", "c", "x"}), 0);
    ASSERT_EQ(model.Tree().NodeCount(), 1u);
    EXPECT_EQ(model.SelectedNode()->Name, "nová kategorie");
    EXPECT_EQ(model.ImportRow({"mode", "d", "y"}), 1);
    EXPECT_EQ(model.CurrentRow()->Comment, "d");
}

TEST_F(LibraryModelTest, InsertingIntoTheExplanation) {
    LibraryModel model;
    LibraryTree tree;
    tree.Append(nullptr, std::make_unique<LibraryNode>(
                             "K", std::vector<LibraryRow>{{"a=1\nb=2", "c", "a+b"}}));
    model.Reset(std::move(tree));
    EXPECT_FALSE(model.InsertText(0, "x").has_value());  // edit mode off
    model.SetEditMode(true);
    const LibraryRow& row = *model.CurrentRow();

    // Index characters at the caret; a caret inside a character moves to its start.
    EXPECT_EQ(model.InsertText(3, "²"), 5u);
    EXPECT_EQ(row.Explanation, "a=1²\nb=2");
    EXPECT_EQ(model.InsertText(4, "µ"), 5u);  // byte 4 is inside "²"
    EXPECT_EQ(row.Explanation, "a=1µ²\nb=2");
    // Window states go in as whole lines before the caret's line.
    const std::optional<std::size_t> afterLines = model.InsertLines(
        row.Explanation.size(), WindowStateLines({{"VarForm", WindowShow::Normal, 1, 2, 3, 4},
                                                  {"MainForm", WindowShow::Maximized}}));
    EXPECT_EQ(afterLines, std::string_view("a=1µ²\nopen MainForm,MAXIMIZE\nopen VarForm,1,2,3,4\n").size());
    EXPECT_EQ(row.Explanation, "a=1µ²\nopen MainForm,MAXIMIZE\nopen VarForm,1,2,3,4\nb=2");
    const std::optional<std::size_t> end = model.InsertText(1000, "\nc=3\r\n");
    EXPECT_EQ(end, row.Explanation.size());
    EXPECT_EQ(row.Explanation.substr(row.Explanation.size() - 8), "b=2\nc=3\n");
    EXPECT_TRUE(model.Modified());
}

TEST(ExplanationInsertsTest, WindowStatesAndVariables) {
    EXPECT_EQ(WindowStateLines({{"ConstForm", WindowShow::Minimized},
                                {"TaskForm", WindowShow::Normal, 1, 1, 1, 1},
                                {"StatForm", WindowShow::Normal, -8, 0, 640, 480},
                                {"MainForm", WindowShow::Maximized}}),
              (std::vector<std::string>{"open MainForm,MAXIMIZE", "open StatForm,-8,0,640,480",
                                        "open ConstForm,MINIMIZE"}));
    EXPECT_EQ(VariableInsertText("r", "2.5"), "r = 2.5");
    EXPECT_EQ(VectorInsertText("v", {"1", "2.5", "-3"}), "vector v = (1;2.5;-3)");
    EXPECT_EQ(VectorInsertText("v", {}), "vector v = ()");
}

TEST_F(LibraryModelTest, PackagesExportAndImportTheCheckedCategories) {
    LibraryModel model;
    model.Reset(Sample());
    LibraryNode* geometry = model.Tree().First();
    LibraryNode* circle = geometry->Child(0);
    LibraryNode* finance = model.Tree().TopLevel()[1].get();

    // A checked subtree keeps its shape.
    const std::filesystem::path package = folder_ / "package.exp";
    ASSERT_TRUE(model.ExportPackage({geometry->Id(), circle->Id()}, package).Ok);
    LibraryReadResult read = ReadLibraryFile(package);
    ASSERT_TRUE(read.ok());
    ASSERT_EQ(read.Tree.NodeCount(), 2u);
    EXPECT_EQ(read.Tree.First()->Child(0)->Rows[0].Comment, "Obvod");
    EXPECT_EQ(read.Tree.First()->Rows, geometry->Rows);

    // A checked child of an unchecked category moves up.
    LibraryTree lifted = ExtractChecked(model.Tree(), {circle->Id(), finance->Id()});
    ASSERT_EQ(lifted.TopLevel().size(), 2u);
    EXPECT_EQ(lifted.TopLevel()[0]->Name, "Kruh");
    EXPECT_EQ(lifted.TopLevel()[1]->Name, "Finance");

    // Importing appends the package's checked categories at the top level.
    LibraryModel other;
    other.Reset(Sample());
    const LibraryNode* packageRoot = read.Tree.First();
    EXPECT_EQ(other.ImportPackage(read.Tree, {packageRoot->Id(), packageRoot->Child(0)->Id()}), 1u);
    EXPECT_EQ(other.Tree().NodeCount(), 5u);
    EXPECT_EQ(other.SelectedNode()->Name, "Geometrie");
    EXPECT_EQ(other.SelectedNode()->IndexInParent(), 2u);
    EXPECT_EQ(other.SelectedNode()->ChildCount(), 1u);
    EXPECT_TRUE(other.Modified());
    EXPECT_EQ(other.ImportPackage(read.Tree, {}), 0u);
}

TEST_F(LibraryModelTest, ImportedNamesAreCleaned) {
    LibraryTree package;
    LibraryNode* node = package.Append(nullptr, std::make_unique<LibraryNode>("bad\tna\rme\x01", std::vector<LibraryRow>{}));
    LibraryModel model;
    ASSERT_EQ(model.ImportPackage(package, {node->Id()}), 1u);
    EXPECT_EQ(model.Tree().First()->Name, "badname");
}

TEST_F(LibraryModelTest, GoingToAHitOfACategoryThatIsGone) {
    LibraryModel model;
    model.Reset(Sample());
    model.SetEditMode(true);
    LibraryNode* finance = model.Tree().TopLevel()[1].get();
    const LibraryHit hit{finance->Id(), 5, "Finance", ""};
    ASSERT_TRUE(model.GoTo(hit));
    EXPECT_EQ(model.SelectedNode(), finance);
    EXPECT_EQ(model.SelectedRow(), 0);  // row 5 does not exist
    model.DeleteCategory();
    EXPECT_FALSE(model.GoTo(hit));
}

}  // namespace
}  // namespace tarvix
