// The unit table in the interface language: catalog keys from the table's
// names, the shipped English names, lookups by either language's name, and
// the return to the built-in Czech.
#include <gtest/gtest.h>

#include <set>

#include "engine/message_overlay.h"
#include "engine/name_utils.h"
#include "storage/installation.h"
#include "storage/language.h"
#include "tools/text_match.h"
#include "tools/unit_conversion_model.h"
#include "tools/unit_names.h"

namespace tarvix {
namespace {

const UnitTable& Table() {
    return UnitTable::BuiltIn();
}

// A catalog with the shipped language file of `word` applied.
class UnitNamesTest : public ::testing::Test {
protected:
    void TearDown() override { LanguageMessages().Clear(); }

    void Apply(std::string_view word) {
        const LanguageFolders folders{{}, ShippedDataFolder() / "lang"};
        const LanguageApplyResult result = ApplyLanguage(texts_, folders, word);
        ASSERT_TRUE(result.Ok);
        ASSERT_EQ(result.FromFile, word != kBuiltInLanguage);
    }

    TextCatalog texts_;
    UnitNames names_{Table(), texts_};
};

// Every key of the table: "Category_…", "Unit_…", "Note_…".
std::vector<std::string> AllKeys() {
    std::vector<std::string> keys;
    for (const UnitCategory& category : Table().Categories()) {
        keys.push_back(CategoryTextKey(category));
        for (const UnitDefinition& unit : category.Units) {
            keys.push_back(UnitTextKey(category, unit));
            if (!unit.Note.empty()) keys.push_back(NoteTextKey(category, unit));
        }
    }
    return keys;
}

TEST(UnitTextKeys, PlainAsciiAndUniqueWhateverTheCase) {
    const UnitCategory& length = Table().Category(0);
    const UnitCategory& power = Table().Category(5);
    EXPECT_EQ(CategoryTextKey(Table().Category(3)), "Category_cas");
    EXPECT_EQ(UnitTextKey(length, length.Units[10]), "Unit_delka_zakonna_mile_USA");
    EXPECT_EQ(UnitTextKey(length, length.Units[13]), "Unit_delka_Angstrom");
    EXPECT_EQ(NoteTextKey(length, length.Units[17]), "Note_delka_Astronomicka_jednotka");
    // The no-break spaces of two names of one quantity do not make the keys alike.
    EXPECT_EQ(UnitTextKey(power, power.Units[13]), "Unit_vykon_konska_sila");
    EXPECT_EQ(UnitTextKey(power, power.Units[14]), "Unit_vykon_konska_sila_metricka");
    std::set<std::string> seen;
    for (const std::string& key : AllKeys()) {
        for (char c : key) {
            const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                               (c >= '0' && c <= '9') || c == '_';
            EXPECT_TRUE(plain) << key;
        }
        EXPECT_TRUE(seen.insert(ToUpperAscii(key)).second) << "repeated key " << key;
    }
}

TEST_F(UnitNamesTest, BuiltInNamesAreTheTablesOwn) {
    EXPECT_EQ(names_.CategoryName(0), "délka");
    EXPECT_EQ(names_.UnitName(0, 6), "palec");
    EXPECT_EQ(names_.UnitName(5, 8), "kilokalorie za hodinu\u00A0");
    EXPECT_EQ(names_.Note(0, 0), "základní jednotka SI");
    EXPECT_EQ(names_.Note(0, 1), "");
    EXPECT_EQ(names_.FindUnit(0, "PALEC"), 6u);
    EXPECT_EQ(names_.FindUnit(0, "inch"), std::nullopt);
    EXPECT_EQ(names_.FindCategory("length"), std::nullopt);
}

TEST_F(UnitNamesTest, EnglishNamesFindTheirUnitsAndCzechBack) {
    Apply("ENGLISH");
    EXPECT_EQ(names_.CategoryName(0), "length");
    EXPECT_EQ(names_.UnitName(0, 0), "metre");
    EXPECT_EQ(names_.UnitName(0, 6), "inch");
    EXPECT_EQ(names_.UnitName(6, 1), "degree Celsius");
    EXPECT_EQ(names_.Note(0, 0), "SI base unit");
    EXPECT_EQ(names_.Note(0, 1), "");
    // English names and the table's own names both find the unit.
    EXPECT_EQ(names_.FindCategory("Length"), 0u);
    EXPECT_EQ(names_.FindCategory("délka"), 0u);
    EXPECT_EQ(names_.FindUnit(0, "inch"), 6u);
    EXPECT_EQ(names_.FindUnit(0, "palec"), 6u);
    EXPECT_EQ(names_.FindUnit(6, "degree  fahrenheit"), 3u);
    EXPECT_EQ(names_.FindUnit(0, "sáh"), std::nullopt);
    EXPECT_EQ(names_.FindUnit(0, "degree Celsius"), std::nullopt);  // another quantity's

    // The model's note follows the names' language.
    UnitConversionModel model;
    model.SelectOutputUnit(17);
    EXPECT_EQ(model.NoteText("Note:", names_), "Note:Mean distance of the Earth from the Sun");

    Apply(kBuiltInLanguage);
    EXPECT_EQ(names_.CategoryName(0), "délka");
    EXPECT_EQ(names_.UnitName(0, 6), "palec");
    EXPECT_EQ(names_.Note(0, 0), "základní jednotka SI");
    EXPECT_EQ(names_.FindUnit(0, "inch"), std::nullopt);
    EXPECT_EQ(model.NoteText("Pozn.:", names_), "Pozn.:Střední vzdálenost Země od Slunce");
}

TEST_F(UnitNamesTest, EnglishFileNamesEveryTextOfTheTable) {
    Apply("ENGLISH");
    for (const std::string& key : AllKeys())
        EXPECT_TRUE(texts_.HasReplacement(kUnitTextSection, key)) << key;
}

// In either language no two units of a quantity (and no two quantities)
// share a name, and no name of one unit finds another unit: every name of
// either language finds its own unit while English is applied.
TEST_F(UnitNamesTest, NamesAreUniquePerQuantityInBothLanguages) {
    for (const bool english : {false, true}) {
        if (english) Apply("ENGLISH");
        std::set<std::string> categories;
        for (std::size_t c = 0; c < Table().Categories().size(); ++c) {
            EXPECT_TRUE(categories.insert(NormalizedName(names_.CategoryName(c))).second)
                << names_.CategoryName(c);
            std::set<std::string> units;
            for (std::size_t u = 0; u < Table().Category(c).Units.size(); ++u) {
                EXPECT_TRUE(units.insert(NormalizedName(names_.UnitName(c, u))).second)
                    << names_.CategoryName(c) << ": " << names_.UnitName(c, u);
            }
        }
    }
    for (std::size_t c = 0; c < Table().Categories().size(); ++c) {
        const UnitCategory& category = Table().Category(c);
        EXPECT_EQ(names_.FindCategory(names_.CategoryName(c)), c);
        EXPECT_EQ(names_.FindCategory(category.Name), c);
        for (std::size_t u = 0; u < category.Units.size(); ++u) {
            EXPECT_EQ(names_.FindUnit(c, names_.UnitName(c, u)), u) << names_.UnitName(c, u);
            EXPECT_EQ(names_.FindUnit(c, category.Units[u].Name), u) << category.Units[u].Name;
        }
    }
}

}  // namespace
}  // namespace tarvix
