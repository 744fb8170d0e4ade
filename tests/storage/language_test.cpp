// Language files: reading, line-break markers, folders, applying and switching back.
#include <gtest/gtest.h>

#include "engine/message_overlay.h"
#include "engine/parser_messages.h"
#include "storage/language.h"
#include "storage/language_file.h"
#include "temp_folder.h"

namespace tarvix {
namespace {

TEST(LanguageFileTest, LineBreakMarkersArePairFormsOnly) {
    struct Case {
        const char* Value;
        const char* Expected;
    };
    const Case cases[] = {
        {"first%\\ second", "first\nsecond"},
        {"first%\\nsecond", "first\nsecond"},
        {"a %\\\\ b", "a \n b"},            // "%\" + "\" then the blank stays
        {"100%s done", "100%s done"},       // a substitution survives
        {"rate (%) now", "rate (%) now"},   // a percent sign survives
        {"C:\\data\\x", "C:\\data\\x"},     // lone backslashes survive
        {"end%\\", "end%\\"},               // nothing follows the marker
        {"a%\\čb", "a\nb"},                 // the following character goes whole
    };
    for (const Case& c : cases) EXPECT_EQ(ConvertLineBreakMarkers(c.Value), c.Expected) << c.Value;
}

TEST(LanguageFileTest, ReadsSectionsAndLocalization) {
    const LanguageReadResult read = ReadLanguageText(
        "; comment\n[Localization]\nLanguage=english\nCountryID=00044\n\n"
        "[Error]\nError_DivisionByZero=Division by zero\n"
        "[Msg]\nMsg_Two=one%\\ two\n[Err]\nErr_Kept=a%\\ b\n");
    ASSERT_TRUE(read.Ok);
    EXPECT_EQ(read.File.Language, "ENGLISH");
    EXPECT_EQ(read.File.CountryId, "00044");
    ASSERT_EQ(read.File.Entries.size(), 3u);
    EXPECT_EQ(read.File.Entries[0].Section, "Error");
    EXPECT_EQ(read.File.Entries[1].Text, "one\ntwo");
    EXPECT_EQ(read.File.Entries[2].Text, "a%\\ b");  // task messages keep their markers
}

TEST(LanguageFileTest, BadLinesAreReportedAndNothingIsKept) {
    const LanguageReadResult read =
        ReadLanguageText("Orphan=before any section\n[Msg]\nMsg_A=fine\nno equals sign\n");
    EXPECT_FALSE(read.Ok);
    ASSERT_EQ(read.Problems.size(), 2u);
    EXPECT_NE(read.Problems[0].find("line 1"), std::string::npos);
    EXPECT_NE(read.Problems[1].find("line 4"), std::string::npos);
    EXPECT_TRUE(read.File.Entries.empty());
}

TEST(LanguageFileTest, TemplateReadsBackTheSameTexts) {
    const std::vector<LanguageEntry> entries = {
        {"Msg", "Msg_A", "two\nlines"}, {"Title", "Main", " padded "}, {"Msg", "Msg_B", "50 %"}};
    const LanguageReadResult read = ReadLanguageText(WriteLanguageText("CZECH", "00420", entries));
    ASSERT_TRUE(read.Ok);
    ASSERT_EQ(read.File.Entries.size(), 3u);
    EXPECT_EQ(read.File.Language, "CZECH");
    EXPECT_EQ(read.File.Entries[0].Text, "two\nlines");
    EXPECT_EQ(read.File.Entries[1].Text, "50 %");  // grouped by section
    EXPECT_EQ(read.File.Entries[2].Text, " padded ");
}

class LanguageFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        folders_.User = temp_.path() / "user" / "lang";
        folders_.Shipped = temp_.path() / "shipped" / "lang";
        std::filesystem::create_directories(folders_.User);
        std::filesystem::create_directories(folders_.Shipped);
    }
    void TearDown() override { LanguageMessages().Clear(); }
    static void Write(const std::filesystem::path& path, const std::string& text) {
        testing::WriteBytes(path, text);
    }
    testing::TempFolder temp_;
    LanguageFolders folders_;
};

TEST_F(LanguageFolderTest, UserFolderWinsAndNamesAlwaysHoldCzech) {
    EXPECT_EQ(LanguageNames(folders_), std::vector<std::string>{"CZECH"});
    Write(folders_.Shipped / "ENGLISH.lng", "[Title]\nMain=shipped\n");
    Write(folders_.User / "english.lng", "[Title]\nMain=user\n");
    Write(folders_.Shipped / "GERMAN.lng", "");
    Write(folders_.Shipped / "CZECH.lng", "");
    Write(folders_.Shipped / "notes.txt", "");
    EXPECT_EQ(LanguageNames(folders_), (std::vector<std::string>{"CZECH", "ENGLISH", "GERMAN"}));
    EXPECT_EQ(FindLanguageFile(folders_, "English"), folders_.User / "english.lng");
    EXPECT_TRUE(FindLanguageFile(folders_, "../lang/ENGLISH").empty());
    EXPECT_TRUE(FindLanguageFile(folders_, "FRENCH").empty());
}

TEST_F(LanguageFolderTest, ApplyingOverlaysAndSwitchingBackRestores) {
    Write(folders_.Shipped / "ENGLISH.lng",
          "[Localization]\nLanguage=ENGLISH\n[Error]\nError_DivisionByZero=Division by zero\n"
          "[MainMenu]\nFile=&File\nEmpty=\n");
    TextCatalog catalog;
    EXPECT_EQ(catalog.Text("MainMenu", "File", "&Soubor"), "&Soubor");

    LanguageApplyResult result = ApplyLanguage(catalog, folders_, "english");
    ASSERT_TRUE(result.Ok);
    EXPECT_TRUE(result.FromFile);
    EXPECT_EQ(result.Language, "ENGLISH");
    EXPECT_EQ(catalog.Text("MainMenu", "File", "&Soubor"), "&File");
    // A key the file lacks, or leaves empty, keeps its built-in caption.
    EXPECT_EQ(catalog.Text("MainMenu", "Help", "&Nápověda"), "&Nápověda");
    EXPECT_EQ(catalog.Text("MainMenu", "Empty", "&Okno"), "&Okno");
    // The engine's message tables read through the language.
    EXPECT_EQ(ParserMessages().Text(msg::DivisionByZero), "Division by zero");
    ParserMessageTable ownTable;
    EXPECT_EQ(ownTable.Text(msg::DivisionByZero), "Division by zero");

    // CZECH without a CZECH.lng: the built-in texts again.
    result = ApplyLanguage(catalog, folders_, "CZECH");
    EXPECT_TRUE(result.Ok);
    EXPECT_FALSE(result.FromFile);
    EXPECT_EQ(catalog.Text("MainMenu", "File", "&Soubor"), "&Soubor");
    EXPECT_EQ(ParserMessages().Text(msg::DivisionByZero), "Dělení nulou");
}

TEST_F(LanguageFolderTest, LanguageWithoutFileKeepsCzechAndBadFileChangesNothing) {
    TextCatalog catalog;
    LanguageApplyResult result = ApplyLanguage(catalog, folders_, "GERMAN");
    EXPECT_TRUE(result.Ok);
    EXPECT_EQ(result.Language, "GERMAN");
    EXPECT_EQ(catalog.Text("MainMenu", "File", "&Soubor"), "&Soubor");

    Write(folders_.Shipped / "ENGLISH.lng", "[MainMenu]\nFile=&File\n");
    ASSERT_TRUE(ApplyLanguage(catalog, folders_, "ENGLISH").Ok);
    Write(folders_.User / "BROKEN.lng", "[MainMenu]\nFile=&Datei\nthis line is wrong\n");
    result = ApplyLanguage(catalog, folders_, "BROKEN");
    EXPECT_FALSE(result.Ok);
    ASSERT_EQ(result.Problems.size(), 1u);
    EXPECT_NE(result.Problems[0].find("line 3"), std::string::npos);
    EXPECT_EQ(catalog.Text("MainMenu", "File", "&Soubor"), "&File");
}

TEST_F(LanguageFolderTest, MessageWithMarkerFromFileShowsTwoLines) {
    Write(folders_.Shipped / "ENGLISH.lng", "[Error]\nError_Parse=Syntax%\\ error\n");
    TextCatalog catalog;
    ASSERT_TRUE(ApplyLanguage(catalog, folders_, "ENGLISH").Ok);
    EXPECT_EQ(ParserMessages().Text(msg::Parse), "Syntax\nerror");
}

}  // namespace
}  // namespace tarvix
