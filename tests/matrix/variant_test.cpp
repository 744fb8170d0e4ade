// Variant computations: many right-hand sides over the kept factors, the
// variant file and the need for a prior solve.
#include <filesystem>
#include <fstream>

#include "calculator/message_box.h"
#include "matrix/variant_computation.h"
#include "matrix_test_support.h"

namespace tarvix::test {
namespace {

class NoMain : public WorksheetMainPort {
public:
    FormatOptions CurrentFormat() const override { return {}; }
    void ShowScalarResult(const ComplexValue&, std::string_view) override {}
    std::string DisplayText() const override { return "0"; }
    std::string InputText() const override { return ""; }
};

class Dialogs : public DialogsPort {
public:
    std::vector<std::string> texts;
    ModalResult ShowMessage(const MessageBoxRequest& r) override {
        texts.push_back(r.Text);
        return ModalResult::Ok;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view, std::string_view) override {
        return std::nullopt;
    }
};

class VariantTest : public ::testing::Test {
protected:
    VariantTest() : sheet(parser, memory, main, dialogs), variants(sheet, dialogs) {}
    void Sample() {
        sheet.SetMode(WorksheetMode::Equations);
        sheet.SetOrder(3);
        const char* rows[3][4] = {{"2", "-3", "4", "1"}, {"5", "2", "-6", "2"}, {"3", "-2", "3", "3"}};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) sheet.LeftGrid().SetCell(i + 1, j + 1, rows[i][j]);
    }

    TParser parser;
    MatrixMemory memory;
    NoMain main;
    Dialogs dialogs;
    Worksheet sheet;
    VariantComputation variants;
};

TEST_F(VariantTest, EachVariantIsReSolved) {
    Sample();
    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    variants.SetCount(2);
    variants.TakeRightHandSide();
    EXPECT_EQ(variants.Variants().Cell(3, 1), "3");
    for (int i = 1; i <= 3; ++i) variants.Variants().SetCell(i, 2, std::to_string(4 - i));
    ASSERT_EQ(variants.Run(), RunOutcome::Done);
    EXPECT_EQ(variants.Solutions().ColumnHeader(2), "R2");
    EXPECT_EQ(variants.Solutions().Cell(1, 1), "1.1304347826087");
    EXPECT_EQ(variants.Solutions().Cell(2, 2), "-3.43478260869565");
    EXPECT_FALSE(variants.LastRunTime().empty());
}

TEST_F(VariantTest, WithoutASolveTheFirstVariantFails) {
    Sample();
    variants.TakeRightHandSide();
    EXPECT_EQ(variants.Run(), RunOutcome::Failed);
    EXPECT_EQ(dialogs.texts.back(), BuiltInMatrixMessages().Text(mxmsg::NoGaussFactors));
    EXPECT_EQ(variants.Solutions().Cell(1, 1), "");
}

TEST_F(VariantTest, StopBeforeTheNextVariant) {
    Sample();
    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    variants.RequestStop();
    EXPECT_EQ(variants.Run(), RunOutcome::Stopped);
    EXPECT_EQ(variants.Solutions().Cell(1, 1), "");
}

TEST_F(VariantTest, FileRoundTrip) {
    const auto dir = std::filesystem::temp_directory_path() / "tarvix_variant_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "v.txt").string();
    {
        std::ofstream f(path, std::ios::binary);
        f << "2\\4\r\n2\t1\t3\t5\r\n1\t3\t5\t10\r\n";
    }
    ASSERT_TRUE(variants.OpenFile(path));
    EXPECT_EQ(dialogs.texts.back(), FormatMessageText(BuiltInMatrixMessages().Text(mxmsg::VariantReminder)));
    EXPECT_EQ(sheet.Mode(), WorksheetMode::Equations);
    EXPECT_EQ(sheet.LeftGrid().RowText(2), "1\t3\t");
    EXPECT_EQ(variants.Count(), 2);
    EXPECT_EQ(variants.Variants().RowText(2), "5\t10");

    sheet.LeftGrid().SetCell(1, 3, "1");
    sheet.LeftGrid().SetCell(2, 3, "1");
    ASSERT_EQ(sheet.SelectOperation(op::Solve), RunOutcome::Done);
    ASSERT_EQ(variants.Run(), RunOutcome::Done);
    EXPECT_EQ(variants.Solutions().RowText(1), "0.8\t1");  // 2x+y=3, x+3y=5
    EXPECT_EQ(variants.Solutions().RowText(2), "1.4\t3");  // 2x+y=5, x+3y=10

    const std::string copy = (dir / "w.txt").string();
    ASSERT_TRUE(variants.SaveFile(copy));
    std::ifstream in(copy, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(text, "2\\4\r\n2\t1\t3\t5\r\n1\t3\t5\t10\r\n");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tarvix::test
