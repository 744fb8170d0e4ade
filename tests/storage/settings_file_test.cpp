// The settings file: the table, defaults with and without a file, a round
// trip of every key with odd values, the corrections of odd numbers, a
// garbage value that loads everything else, sections of others kept, an
// older cp1250 file, the character sequences and the default language.
#include "storage/settings_file.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "engine/name_utils.h"
#include "storage/char_sequence_text.h"
#include "storage/default_language.h"
#include "storage/settings_apply.h"
#include "temp_folder.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::WriteBytes;

SettingsContext Context() {
    SettingsContext context;
    context.Language = "ENGLISH";
    context.DocumentsFolder = "/home/user/Dokumenty";
    return context;
}

SettingsReadResult ReadText(std::string_view text) {
    return ReadSettings(ProfileFile::FromText(text), Context());
}

TEST(SettingsTable, SectionsAreContiguousAndKeysUnique) {
    std::set<std::string> finished;
    std::set<std::string> keys;
    std::string_view current;
    for (const SettingSpec& entry : SettingsTable()) {
        if (entry.Section != current) {
            EXPECT_TRUE(finished.insert(ToUpperAscii(entry.Section)).second)
                << entry.Section << " appears twice";
            current = entry.Section;
        }
        EXPECT_TRUE(keys.insert(ToUpperAscii(entry.Section) + "/" + ToUpperAscii(entry.Key)).second)
            << entry.Section << "/" << entry.Key;
        EXPECT_EQ(FindSetting(ToUpperAscii(entry.Section), ToUpperAscii(entry.Key)), &entry);
    }
    for (const char* section :
         {"Localization", "Holidays", "Switches", "InputBoxes", "RegisteredVariables",
          "KeyboardSequence", "LogForm", "LogFile", "StatForm", "ExprForm", "GemVForm",
          "HistoryList", "GrForm", "DispForm", "ChartSeriesColor", "EdForm", "UserConsts",
          "VarInfos", "FindCategory"}) {
        EXPECT_TRUE(finished.count(ToUpperAscii(section))) << section;
    }
}

TEST(SettingsTable, UnknownKeysAndWrongTypesAreProgrammingErrors) {
    Settings settings;
    EXPECT_THROW(settings.Bool("LogForm", "Opened"), std::logic_error);
    EXPECT_THROW(settings.Int("LogForm", "Open"), std::logic_error);
    EXPECT_THROW(settings.SetString("LogForm", "Width", "1"), std::logic_error);
    EXPECT_NO_THROW(settings.Bool("logform", "OPEN"));
}

TEST(SettingsFile, DefaultsWithAndWithoutAFile) {
    TempFolder folder;
    SettingsFileLoad none = LoadSettingsFile(folder / "tarvix.ini", Context());
    EXPECT_EQ(none.Status, FileReadStatus::Missing);
    EXPECT_TRUE(none.Warnings.empty());
    SettingsReadResult empty = ReadText("");
    struct Case {
        const char* Section;
        const char* Key;
        std::int64_t NoFile;
        std::int64_t NoKey;
    };
    const Case cases[] = {
        {"StatForm", "Width", 463, 450},
        {"StatForm", "Height", 424, 388},
        {"StatForm", "LeftPanelWidth", 150, 180},
        {"LogForm", "Width", 140, 140},
        {"HistoryLimits", "ExprComboBox", 20, 20},
        {"DisplayFormat", "Precision", 3, 3},
        {"Display", "RColor", 0x80000016, 0x80000016},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(none.Values.Integer(c.Section, c.Key), c.NoFile) << c.Section << "/" << c.Key;
        EXPECT_EQ(empty.Values.Integer(c.Section, c.Key), c.NoKey) << c.Section << "/" << c.Key;
    }
    EXPECT_EQ(none.Values.String("DataSeries", "FormatFloatMask"), "0.000000E+00");
    EXPECT_EQ(empty.Values.String("DataSeries", "FormatFloatMask"), "0.000000000E+00");
    EXPECT_EQ(empty.Values.String("Localization", "Language"), "ENGLISH");
    EXPECT_EQ(empty.Values.String("DataFile", "FileName"), "data.fx");
    EXPECT_EQ(empty.Values.String("DataFile", "InitialDir"), "/home/user/Dokumenty");
    EXPECT_EQ(empty.Values.String("DispForm", "WorkSheet"), "Sešit1.txt");
    EXPECT_FALSE(empty.Values.OptionalInteger("LogForm", "Left"));
    EXPECT_TRUE(empty.Values.Bool("LogFile", "ClearOnStart"));
    EXPECT_EQ(empty.Values.HexColor("ChartSeriesColor", "0"), 0x0000FF);

    // The indicators of a start without settings.
    const ModeSwitches modes = ReadModeSwitches(none.Values, {});
    EXPECT_EQ(modes.AngleUnits, auDeg);  // a first start is in degrees
    EXPECT_EQ(ReadModeSwitches(empty.Values, {}).AngleUnits, auRad);
    EXPECT_EQ(modes.Display.Base, nbDec);
    EXPECT_EQ(modes.Scope, nsReal);
    EXPECT_EQ(modes.Display.Format, NumberFormat::Norm);
    EXPECT_EQ(modes.Mode, FunctionMode::Insert);
    EXPECT_EQ(ReadCalculatorOptions(none.Values, {}).InputHistoryLimit, 20);
}

// A value for every row that differs from its default and is awkward to store.
Settings::Value OddValue(const SettingSpec& entry, std::size_t row) {
    const std::string tag = std::to_string(row);
    switch (entry.Type) {
        case SettingType::Bool:
            return entry.IntDefault == 0;
        case SettingType::Integer:
            if (entry.Ranged) return entry.Min + 1;
            if (entry.LowBits) return std::int64_t{0xB};
            return std::int64_t{-12345} - static_cast<std::int64_t>(row);
        case SettingType::OptionalInteger:
            return -static_cast<std::int64_t>(row);
        case SettingType::HexColor:
            return std::int64_t{0x0A0B0C} + static_cast<std::int64_t>(row);
        case SettingType::String:
            if (entry.Rule == StringRule::ImaginaryUnit) return std::string("j");
            if (entry.Rule == StringRule::UpperCase) return "GERMAN" + tag;
            return "  x = \"y\"; [z] ž " + tag + " '";
        case SettingType::IndexedList:
        case SettingType::CountedList:
            return std::vector<std::string>{" first = 1 ", "\"quoted\"", "[x]", ";y", tag};
        case SettingType::NamedList:
            return std::vector<ProfileEntry>{
                {"Alpha", " 1 + 2 "}, {"b_2", "=;[\"]"}, {"c" + tag, ""}};
        case SettingType::CharSequenceList:
            return std::vector<CharSequence>{
                {' ', '('}, {'=', ' '}, {';', ','}, {'[', ']'}, {'a', '\x7F'}};
    }
    return std::monostate{};
}

TEST(SettingsFile, EveryKeyWithAnOddValueReadsBack) {
    Settings written(Context());
    const auto table = SettingsTable();
    for (std::size_t row = 0; row < table.size(); ++row) {
        written.SetValueAt(row, OddValue(table[row], row));
    }
    // A counted list where an empty text counts (only indexed lists skip them).
    written.SetList("HistoryList", {"", "two"});
    ProfileFile profile;
    std::vector<std::string> warnings;
    WriteSettings(written, profile, warnings);
    EXPECT_TRUE(warnings.empty());

    SettingsReadResult read = ReadText(profile.ToText());
    EXPECT_TRUE(read.Warnings.empty()) << read.Warnings.front();
    for (std::size_t row = 0; row < table.size(); ++row) {
        EXPECT_EQ(read.Values.ValueAt(row), written.ValueAt(row))
            << table[row].Section << "/" << table[row].Key;
    }
}

TEST(SettingsFile, OddNumbersAndTextsAreCorrected) {
    struct Case {
        const char* Section;
        const char* Key;
        const char* Text;
        std::int64_t Expected;
    };
    const Case numbers[] = {
        {"DisplayFormat", "Precision", "20", 4},  {"DisplayFormat", "Precision", "-1", 4},
        {"DisplayFormat", "Precision", "15", 15}, {"DisplayFormat", "Postfix", "0", 6},
        {"DisplayFormat", "Postfix", "12", 6},    {"DisplayFormat", "Postfix", "11", 11},
        {"LogForm", "LogFormFontStyle", "19", 3}, {"LogForm", "WindowState", "5", 0},
        {"LogForm", "Width", "-5", 140},          {"HistoryLimits", "ExprComboBox", "0", 20},
        {"Display", "RColor", "$FF", 0xFF},       {"Display", "RColor", "0x80000005", 0x80000005},
        {"StatForm", "RndPrecision", "99", 6},
    };
    for (const Case& c : numbers) {
        const std::string text = "[" + std::string(c.Section) + "]\n" + c.Key + "=" + c.Text;
        SettingsReadResult read = ReadText(text);
        EXPECT_EQ(read.Values.Integer(c.Section, c.Key), c.Expected) << text;
        EXPECT_TRUE(read.Warnings.empty()) << text;
    }
    const std::pair<const char*, const char*> units[] = {
        {"jx", "j"}, {"i", "i"}, {"x", "i"}, {"", "i"}, {"J", "i"}};
    for (const auto& [text, expected] : units) {
        SettingsReadResult read = ReadText(std::string("[Options]\nImaginaryUnit=") + text);
        EXPECT_EQ(read.Values.String("Options", "ImaginaryUnit"), expected) << text;
    }
    EXPECT_EQ(
        ReadText("[Localization]\nLanguage=english").Values.String("Localization", "Language"),
        "ENGLISH");
    // The settings read an unknown angle unit as degrees.
    EXPECT_EQ(ReadModeSwitches(ReadText("[Switches]\nUnits=xyz").Values, {}).AngleUnits, auDeg);
}

TEST(SettingsFile, AGarbageValueLoadsEverythingElse) {
    SettingsReadResult read = ReadText(
        "[DisplayFormat]\nPrecision=abc\nPostfixChecked=1\n"
        "[Switches]\nUnits=grad\nPolarFormat=yes\n"
        "[LogForm]\nLeft=1e3\nTop=20\nWidth=333\n"
        "[ChartSeriesColor]\n0=zz\n1=00FF80\n"
        "[HistoryList]\nCount=many\n0=a\n"
        "[KeyboardSequence]\nChar300=65\nChar97=98\n"
        "[LogFile]\nSaveHistory=1\n");
    EXPECT_EQ(read.Warnings.size(), 6u);
    for (const char* where :
         {"[DisplayFormat] Precision", "[Switches] PolarFormat", "[LogForm] Left",
          "[ChartSeriesColor] 0", "[HistoryList] Count", "[KeyboardSequence] Char300"}) {
        bool found = false;
        for (const std::string& warning : read.Warnings)
            found |= warning.find(where) != std::string::npos;
        EXPECT_TRUE(found) << where;
    }
    const Settings& values = read.Values;
    EXPECT_EQ(values.Int("DisplayFormat", "Precision"), 3);
    EXPECT_TRUE(values.Bool("DisplayFormat", "PostfixChecked"));
    EXPECT_EQ(values.String("Switches", "Units"), "grad");
    EXPECT_FALSE(values.Bool("Switches", "PolarFormat"));
    EXPECT_FALSE(values.OptionalInteger("LogForm", "Left"));
    EXPECT_EQ(values.OptionalInteger("LogForm", "Top"), 20);
    EXPECT_EQ(values.Int("LogForm", "Width"), 333);
    EXPECT_EQ(values.HexColor("ChartSeriesColor", "0"), 0x0000FF);
    EXPECT_EQ(values.HexColor("ChartSeriesColor", "1"), 0x00FF80);
    EXPECT_TRUE(values.List("HistoryList").empty());
    EXPECT_EQ(values.Sequences(), (std::vector<CharSequence>{{'a', 'b'}}));
    EXPECT_TRUE(values.Bool("LogFile", "SaveHistory"));
}

TEST(SettingsFile, ListSectionsReadAsTheirKindSays) {
    SettingsReadResult read = ReadText(
        "[Expressions]\n0=1+1\n1=\n2=sin(x)\n"
        "[HistoryList]\nCount=3\n0=a\n1=\n2=c\n3=beyond\n"
        "[Holidays]\n5=1.5.\n0=\n2=8.5.\n"
        "[InputBoxes]\nr=2\nX=5\nr=9\n");
    EXPECT_EQ(read.Values.List("Expressions"), (std::vector<std::string>{"1+1", "sin(x)"}));
    EXPECT_EQ(read.Values.List("HistoryList"), (std::vector<std::string>{"a", "", "c"}));
    EXPECT_EQ(read.Values.List("Holidays"), (std::vector<std::string>{"1.5.", "8.5."}));
    EXPECT_EQ(read.Values.Entries("InputBoxes"),
              (std::vector<ProfileEntry>{{"r", "2"}, {"X", "5"}, {"r", "9"}}));
    // A count far beyond the keys that stand there lists only those.
    EXPECT_EQ(ReadText("[HistoryList]\nCount=2000000000\n0=x\n").Values.List("HistoryList"),
              (std::vector<std::string>{"x"}));
}

TEST(SettingsFile, WritingKeepsOtherSectionsAndWritesTheTableInOrder) {
    const std::string text =
        "; written by hand\n"
        "[Internet]\nFAQ=http://example.invalid/faq\n"
        "[Plugins]\nColor=blue\n"
        "[LogForm]\nWidth=250\nUnknownKey=1\n";
    SettingsReadResult read = ReadText(text);
    ProfileFile profile = ProfileFile::FromText(text);
    std::vector<std::string> warnings;
    WriteSettings(read.Values, profile, warnings);
    const std::string written = profile.ToText();
    EXPECT_TRUE(written.starts_with("; written by hand\n[Plugins]\nColor=blue\n")) << written;
    EXPECT_EQ(profile.ReadString("LogForm", "Width", ""), "250");
    EXPECT_FALSE(profile.ValueExists("LogForm", "UnknownKey"));
    EXPECT_EQ(profile.ReadString("Internet", "FAQ", ""), "http://example.invalid/faq");
    std::vector<std::string> sections = profile.ReadSections();
    ASSERT_GE(sections.size(), 3u);
    EXPECT_EQ(sections[0], "Plugins");
    EXPECT_EQ(sections[1], "Localization");
    EXPECT_EQ(sections.back(), "Internet");

    // A text that cannot be stored and a repeated name are left out with a warning.
    Settings odd = read.Values;
    odd.SetString("Localization", "VATRate", "21\n%");
    odd.SetEntries("InputBoxes", {{"r", "1"}, {"R", "2"}});
    warnings.clear();
    WriteSettings(odd, profile, warnings);
    EXPECT_EQ(warnings.size(), 2u);
    EXPECT_FALSE(profile.ValueExists("Localization", "VATRate"));
    EXPECT_EQ(profile.ReadSectionValues("InputBoxes"), (std::vector<ProfileEntry>{{"r", "1"}}));
}

TEST(SettingsFile, OlderCp1250FileReads) {
    TempFolder folder;
    WriteBytes(folder / "tarvix.ini",
               "[VarInfos]\r\nd=d\xE9lka [m]\r\n"
               "[DispForm]\r\nWorkSheet=Se\x9Ait2.txt\r\n"
               "[Switches]\r\nUnits=grad\r\n");
    SettingsFileLoad load = LoadSettingsFile(folder / "tarvix.ini", Context());
    ASSERT_EQ(load.Status, FileReadStatus::Ok);
    EXPECT_EQ(load.Values.Entries("VarInfos"),
              (std::vector<ProfileEntry>{{"d", "d\xC3\xA9lka [m]"}}));
    EXPECT_EQ(load.Values.String("DispForm", "WorkSheet"), "Se\xC5\xA1it2.txt");
    EXPECT_EQ(load.Values.String("Switches", "Units"), "grad");
}

TEST(SettingsFile, SavedFileReadsBackAndKeepsOtherSections) {
    TempFolder folder;
    const fs::path path = folder / "config" / "tarvix" / "tarvix.ini";
    Settings settings(Context(), false);
    settings.SetInteger("GrForm", "Width", 777);
    ProfileFile base = ProfileFile::FromText("[Foreign]\nk=v\n");
    std::vector<std::string> warnings;
    ASSERT_TRUE(SaveSettingsFile(path, settings, base, warnings).ok());
    SettingsFileLoad load = LoadSettingsFile(path, Context());
    ASSERT_EQ(load.Status, FileReadStatus::Ok);
    EXPECT_TRUE(load.Warnings.empty());
    EXPECT_EQ(load.Values.Int("GrForm", "Width"), 777);
    EXPECT_EQ(load.Values.Int("StatForm", "Width"), 463);
    EXPECT_EQ(load.Profile.ReadString("Foreign", "k", ""), "v");

    // A folder in the file's place cannot be read: defaults and a warning.
    const fs::path odd = folder / "odd.ini";
    fs::create_directory(odd);
    SettingsFileLoad unreadable = LoadSettingsFile(odd, Context());
    EXPECT_EQ(unreadable.Status, FileReadStatus::Unreadable);
    EXPECT_EQ(unreadable.Warnings.size(), 1u);
    EXPECT_EQ(unreadable.Values.Int("StatForm", "Width"), 463);
}

TEST(CharSequenceText, EveryCharacterReadsBackAndTheOlderFormStillReads) {
    for (int c = 32; c <= 127; ++c) {
        const CharSequence sequence{static_cast<char>(c), static_cast<char>(c == 32 ? 127 : 32)};
        const auto [key, value] = CharSequenceEntry(sequence);
        ProfileFile profile;
        profile.WriteString("KeyboardSequence", key, value);
        const ProfileFile back = ProfileFile::FromText(profile.ToText());
        const std::vector<ProfileEntry> entries = back.ReadSectionValues("KeyboardSequence");
        ASSERT_EQ(entries.size(), 1u) << c;
        EXPECT_EQ(ReadCharSequenceEntry(entries[0].first, entries[0].second), sequence) << c;
    }
    const struct {
        const char* Key;
        const char* Value;
        std::optional<CharSequence> Expected;
    } cases[] = {
        {"aa", "b", CharSequence{'a', 'b'}},
        {"**", "^", CharSequence{'*', '^'}},
        {"xx", "", CharSequence{'x', '\x7F'}},
        {"", "q", CharSequence{'\x7F', 'q'}},
        {"char61", "36", CharSequence{'=', '$'}},
        {"Char31", "65", std::nullopt},
        {"Char65", "0", std::nullopt},
        {"Char65", "x", std::nullopt},
        {"\t\t", "a", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadCharSequenceEntry(c.Key, c.Value), c.Expected) << c.Key << "=" << c.Value;
    }
}

TEST(DefaultLanguage, CzechLocaleElseEnglishWhenItsFileIsThere) {
    TempFolder with;
    TempFolder without;
    WriteBytes(with / "ENGLISH.lng", "[Localization]\nLanguage=ENGLISH\n");
    const struct {
        const char* Locale;
        bool EnglishFile;
        const char* Expected;
    } cases[] = {
        {"cs_CZ.UTF-8", true, "CZECH"},   {"cs", true, "CZECH"},     {"cs_CZ@euro", true, "CZECH"},
        {"en_US.UTF-8", true, "ENGLISH"}, {"C", true, "ENGLISH"},    {"", true, "ENGLISH"},
        {"csb_PL", true, "ENGLISH"},      {"de_DE", false, "CZECH"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DefaultLanguage(c.Locale, c.EnglishFile ? with.path() : without.path()),
                  c.Expected)
            << c.Locale;
    }
}

}  // namespace
}  // namespace tarvix
