// The worksheet window's model additions: the enabled states of its
// commands, "Nový", the binary forms' size rule on saving, the watched cells
// given back after a run, the recent-files list, and the ";" rule of the
// text file.
#include <gtest/gtest.h>

#include "matrix/recent_files.h"
#include "matrix/worksheet_commands.h"
#include "matrix/worksheet_file.h"
#include "matrix/worksheet.h"

namespace tarvix {
namespace {

TEST(RecentFiles, NewestFirstWithoutDuplicatesUpToTheLimit) {
    RecentFiles recent(3);
    for (const char* path : {"/a.txt", "/b.re8", "/c.txt", "/a.txt", "/d.cp4"}) recent.Add(path);
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"/d.cp4", "/a.txt", "/c.txt"}));
    recent.SetLimit(2);
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"/d.cp4", "/a.txt"}));
    recent.SetEntries({"/x.txt", "/y.txt"});
    EXPECT_EQ(recent.Entries(), (std::vector<std::string>{"/x.txt", "/y.txt"}));
}

TEST(RecentFiles, OnlyTextFilesWhileTheVariantWindowIsActive) {
    EXPECT_TRUE(RecentFiles::Openable("/m.re8", false));
    EXPECT_FALSE(RecentFiles::Openable("/m.re8", true));
    EXPECT_FALSE(RecentFiles::Openable("/m.CP4", true));
    EXPECT_TRUE(RecentFiles::Openable("/m.TXT", true));
    EXPECT_TRUE(RecentFiles::Openable("/m.dat", true));  // anything else is text
}

TEST(WorksheetText, SemicolonsSplitOnlyLinesWithoutTabs) {
    const WorksheetFileData tabbed =
        ParseWorksheetText("2\\2\r\nmax(1;2)\t3\r\n4\t5\r\n", WorksheetMode::Equations,
                           BuiltInMatrixMessages());
    ASSERT_EQ(tabbed.Rows, 2);
    EXPECT_EQ(tabbed.Cells[0][0], "max(1;2)");
    EXPECT_EQ(tabbed.Cells[0][1], "3");
    const WorksheetFileData semicolons =
        ParseWorksheetText("2\\2\r\n1;2\r\n3; 4\r\n", WorksheetMode::Equations,
                           BuiltInMatrixMessages());
    EXPECT_EQ(semicolons.Cells[1][1], "4");
}

class QuietMain : public WorksheetMainPort {
public:
    FormatOptions CurrentFormat() const override { return {}; }
    void ShowScalarResult(const ComplexValue&, std::string_view) override {}
    std::string DisplayText() const override { return "0"; }
    std::string InputText() const override { return {}; }
};

class QuietDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest&) override { return ModalResult::Ok; }
    std::optional<std::string> AskText(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
};

class WorksheetCommandsTest : public ::testing::Test {
protected:
    TParser parser;
    MatrixMemory memory;
    QuietMain main;
    QuietDialogs dialogs;
    Worksheet sheet{parser, memory, main, dialogs};

    void Fill(std::initializer_list<std::initializer_list<const char*>> rows) {
        int i = 1;
        for (auto row : rows) {
            int j = 1;
            for (const char* text : row) sheet.LeftGrid().SetCell(i, j++, text);
            ++i;
        }
    }
};

TEST_F(WorksheetCommandsTest, RunNeedsTheDiagonalAndARightHandSide) {
    sheet.SetOrder(2);
    EXPECT_FALSE(CommandStates(sheet).Run);
    EXPECT_FALSE(CommandStates(sheet).Stop);
    EXPECT_TRUE(CommandStates(sheet).DataCommands);
    Fill({{"1", "", ""}, {"", "1", ""}});
    EXPECT_FALSE(CommandStates(sheet).Run);
    sheet.LeftGrid().SetCell(2, 3, "4");
    EXPECT_TRUE(CommandStates(sheet).Run);
    EXPECT_FALSE(CommandStates(sheet).ResultCheck);
    ASSERT_EQ(sheet.Run(), RunOutcome::Done);
    const WorksheetCommandStates after = CommandStates(sheet);
    EXPECT_TRUE(after.ResultCheck);
    EXPECT_TRUE(after.TriangleView);
    EXPECT_FALSE(after.MoveResultLeft);  // equations mode
}

TEST_F(WorksheetCommandsTest, NewClearsGridsEditorAndName) {
    sheet.SetOrder(2);
    Fill({{"1", "2", "3"}, {"4", "5", "6"}});
    sheet.Editor() = {"x + y = 1"};
    sheet.SetModified(true);
    ClearWorksheet(sheet, "/data");
    EXPECT_EQ(sheet.LeftGrid().Cell(2, 3), "");
    EXPECT_TRUE(sheet.Editor().empty());
    EXPECT_EQ(sheet.FileName(), "/data/soubor.txt");
    EXPECT_FALSE(sheet.Modified());
    EXPECT_EQ(sheet.Order(), 2);
}

TEST_F(WorksheetCommandsTest, BinaryFormsTakeOnlySquareOperands) {
    sheet.SetOrder(3);
    EXPECT_TRUE(FitsFileForm(sheet, "a.re8"));  // 3 × (3 + 1) in the equations mode
    sheet.SetMode(WorksheetMode::Operations);
    EXPECT_TRUE(FitsFileForm(sheet, "a.cp4"));
    sheet.LeftGrid().Resize(3, 4);
    EXPECT_FALSE(FitsFileForm(sheet, "a.re4"));
    EXPECT_FALSE(FitsFileForm(sheet, "a.CP8"));
    EXPECT_TRUE(FitsFileForm(sheet, "a.txt"));
}

TEST_F(WorksheetCommandsTest, WatchedCellsGoBackUnlessTheResultWentLeft) {
    sheet.SetOrder(2);
    Fill({{"2", "1", "3"}, {"1", "3", "5"}});
    const TextGrid before = sheet.LeftGrid();
    sheet.LeftGrid().SetCell(2, 2, "2.5");  // as the watch mode shows an element
    RestoreWatchedCells(sheet, before, false);
    EXPECT_EQ(sheet.LeftGrid().Cell(2, 2), "3");
    sheet.LeftGrid().SetCell(2, 2, "9");
    sheet.Options().Destination = ResultDestination::LeftGrid;
    RestoreWatchedCells(sheet, before, true);
    EXPECT_EQ(sheet.LeftGrid().Cell(2, 2), "9");
}

}  // namespace
}  // namespace tarvix
