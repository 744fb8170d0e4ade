// The shipped default libraries (every formula evaluates through the
// transfer, a save reproduces the file byte for byte, the Czech and English
// ones match) and their copy into the user's folder at first start.
#include "tasks/default_library.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calculator/calculator.h"
#include "calculator/text_trim.h"
#include "storage/atomic_file.h"
#include "tasks/formula_transfer.h"
#include "tasks/library_file.h"
#include "tasks/library_search.h"
#include "tasks/mode_statement.h"
#include "scratch_folder.h"

namespace tarvix {
namespace {

const std::filesystem::path kDataFolder = TARVIX_DATA_DIR;

// Every message the calculator shows fails the formula.
class FailingDialogs : public DialogsPort {
public:
    ModalResult ShowMessage(const MessageBoxRequest& request) override {
        ADD_FAILURE() << "message: " << request.Text;
        return ModalResult::Cancel;
    }
    std::optional<std::string> AskText(std::string_view, std::string_view prompt,
                                       std::string_view) override {
        ADD_FAILURE() << "question: " << prompt;
        return std::nullopt;
    }
};

LibraryTree Shipped(std::string_view name) {
    LibraryReadResult read = ReadLibraryFile(kDataFolder / name);
    EXPECT_TRUE(read.ok()) << name;
    EXPECT_FALSE(read.Legacy) << name;
    return std::move(read.Tree);
}

class ShippedLibraryTest : public testing::TestWithParam<std::string_view> {};

TEST_P(ShippedLibraryTest, ASaveReproducesTheFile) {
    const std::string bytes = ReadWholeFile(kDataFolder / GetParam()).bytes;
    LibraryReadResult read = ParseLibrary(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(LibraryBytes(read.Tree), bytes);
}

TEST_P(ShippedLibraryTest, EveryFormulaEvaluatesWithItsDescribedVariables) {
    const LibraryTree tree = Shipped(GetParam());
    const LibraryMessageTable texts;
    int formulas = 0;
    for (const LibraryNode* node : tree.Nodes()) {
        for (const LibraryRow& row : node->Rows) {
            if (IsTaskRow(row)) continue;
            SCOPED_TRACE(node->Name + ": " + row.Comment);
            ++formulas;
            EXPECT_FALSE(row.Comment.empty());
            // The first line sets the modes; every other line is a variable
            // with its unit and description.
            const std::size_t firstBreak = row.Explanation.find('\n');
            ASSERT_NE(firstBreak, std::string::npos);
            EXPECT_TRUE(IsModeStatement(row.Explanation.substr(0, firstBreak)));
            std::string_view lines = std::string_view(row.Explanation).substr(firstBreak + 1);
            while (!lines.empty()) {
                const std::string_view line = lines.substr(0, lines.find('\n'));
                lines.remove_prefix(std::min(lines.size(), line.size() + 1));
                std::optional<VariableLine> variable = ParseVariableLine(line);
                ASSERT_TRUE(variable) << line;
                EXPECT_FALSE(variable->Value.empty()) << line;
                EXPECT_FALSE(variable->Unit.empty()) << line;
                EXPECT_FALSE(variable->Description.empty()) << line;
            }

            Calculator calculator;
            FailingDialogs dialogs;
            calculator.SetDialogs(&dialogs);
            ASSERT_TRUE(TransferFormula(calculator, row, texts));
            ASSERT_EQ(calculator.Calculate(), CalcOutcome::Evaluated);
            const ComplexValue result = calculator.Ans();
            EXPECT_TRUE(std::isfinite(result.Re) && result.Re != 0.0L)
                << TrimBlanks(calculator.DisplayText());
        }
    }
    EXPECT_GE(formulas, 30);
}

TEST_P(ShippedLibraryTest, TheGuideRunsFromTheDemoCategory) {
    const LibraryTree tree = Shipped(GetParam());
    // RUN DEMO (the menu command "Průvodce") selects the category and runs its first row.
    const LibraryNode* demo = FindTaskCategory(tree, "DEMO");
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(demo->Name, "DEMO");
    ASSERT_GE(demo->Rows.size(), 3u);
    for (const LibraryRow& row : demo->Rows) EXPECT_TRUE(IsTaskRow(row)) << row.Comment;
    // One task solves an equation system, one prints a table in a loop.
    auto holds = [demo](std::string_view text) {
        return std::any_of(demo->Rows.begin(), demo->Rows.end(), [text](const LibraryRow& row) {
            return row.Explanation.find(text) != std::string::npos;
        });
    };
    EXPECT_TRUE(holds("\nEQU\n"));
    EXPECT_TRUE(holds("\nFOR "));
    EXPECT_TRUE(holds("\nNEXT"));
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLibraryTest,
                         testing::Values(kShippedCzechLibrary, kShippedEnglishLibrary));

TEST(DefaultLibraryTest, TheEnglishLibraryIsTheCzechOneTranslated) {
    const LibraryTree czech = Shipped(kShippedCzechLibrary);
    const LibraryTree english = Shipped(kShippedEnglishLibrary);
    const std::vector<LibraryNode*> cs = czech.Nodes();
    const std::vector<LibraryNode*> en = english.Nodes();
    ASSERT_EQ(cs.size(), en.size());
    for (std::size_t i = 0; i < cs.size(); ++i) {
        EXPECT_EQ(cs[i]->Depth(), en[i]->Depth()) << cs[i]->Name;
        ASSERT_EQ(cs[i]->Rows.size(), en[i]->Rows.size()) << cs[i]->Name;
        for (std::size_t j = 0; j < cs[i]->Rows.size(); ++j) {
            const LibraryRow& a = cs[i]->Rows[j];
            const LibraryRow& b = en[i]->Rows[j];
            EXPECT_EQ(IsTaskRow(a), IsTaskRow(b)) << a.Comment;
            if (!IsTaskRow(a)) {
                EXPECT_EQ(a.Expression, b.Expression) << a.Comment;
            }
        }
    }
    for (std::string_view name : {"Geometrie", "Mechanika", "Elektrické obvody", "Finance"}) {
        EXPECT_NE(FindTaskCategory(czech, name), nullptr) << name;
    }
    for (std::string_view name : {"Geometry", "Mechanics", "Electrical circuits", "Finance"}) {
        EXPECT_NE(FindTaskCategory(english, name), nullptr) << name;
    }
}

class InstallTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = ScratchFolder();
        std::filesystem::create_directories(shipped());
        ASSERT_TRUE(WriteFileAtomically(shipped() / kShippedCzechLibrary, "czech").ok());
        ASSERT_TRUE(WriteFileAtomically(shipped() / kShippedEnglishLibrary, "english").ok());
    }
    std::filesystem::path shipped() const { return root_ / "share"; }
    std::filesystem::path user() const { return root_ / "data" / "tarvix"; }

    std::filesystem::path root_;
};

TEST_F(InstallTest, CopiesTheLibraryOfTheLanguageOnceAndNeverOverwrites) {
    LibraryInstallResult first = InstallDefaultLibrary(shipped(), user(), "ENGLISH");
    EXPECT_TRUE(first.Copied);
    EXPECT_FALSE(first.Error);
    EXPECT_EQ(first.Path, user() / "tarvix.exp");
    EXPECT_EQ(ReadWholeFile(first.Path).bytes, "english");

    ASSERT_TRUE(WriteFileAtomically(first.Path, "the user's own").ok());
    LibraryInstallResult again = InstallDefaultLibrary(shipped(), user(), "CZECH");
    EXPECT_FALSE(again.Copied);
    EXPECT_FALSE(again.Error);
    EXPECT_EQ(ReadWholeFile(first.Path).bytes, "the user's own");
    EXPECT_EQ(ReadWholeFile(shipped() / kShippedEnglishLibrary).bytes, "english");
}

TEST_F(InstallTest, CzechForAnyOtherLanguage) {
    for (std::string_view language : {"CZECH", "GERMAN", ""}) {
        std::filesystem::remove_all(user());
        LibraryInstallResult result = InstallDefaultLibrary(shipped(), user(), language);
        EXPECT_TRUE(result.Copied) << language;
        EXPECT_EQ(ReadWholeFile(result.Path).bytes, "czech") << language;
    }
    EXPECT_EQ(ShippedLibraryName("english"), kShippedEnglishLibrary);
}

TEST_F(InstallTest, AMissingShippedLibraryCopiesNothing) {
    LibraryInstallResult result = InstallDefaultLibrary(root_ / "nowhere", user(), "CZECH");
    EXPECT_FALSE(result.Copied);
    EXPECT_TRUE(result.Error);
    EXPECT_FALSE(std::filesystem::exists(result.Path));
}

TEST(DefaultLibraryTest, TheLibraryFileOfTheSettings) {
    const std::filesystem::path user = "/home/u/.local/share/tarvix";
    EXPECT_EQ(LibraryFilePath("", user), user / "tarvix.exp");
    EXPECT_EQ(LibraryFilePath("Moje.exp", user), user / "Moje.exp");
    EXPECT_EQ(LibraryFilePath("/data/Knihovna.EXP", user), "/data/Knihovna.EXP");
}

}  // namespace
}  // namespace tarvix
