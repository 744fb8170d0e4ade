// The profile document: round trips, lookups without regard to case, order of
// keys and sections, lines it does not own, and texts it refuses to write.
#include "storage/profile_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace tarvix {
namespace {

using Entries = std::vector<ProfileEntry>;

// Values that an INI layout easily gets wrong.
std::vector<std::string> OddValues() {
    return {
        "=",
        "a=b=c",
        ";",
        "; not a comment",
        "[",
        "[Settings]",
        "]",
        " leading",
        "trailing ",
        "  both  ",
        "\t tab ",
        " ",
        "",
        "\"quoted\"",
        "'single'",
        "\"",
        "\"\"",
        "\" mixed '",
        "x\"",
        "%\\ marker \\ backslash",
        "P\xC5\x99\xC3\xADli\xC5\xA1 \xC5\xBElu\xC5\xA5ou\xC4\x8Dk\xC3\xBD k\xC5\xAF\xC5\x88",
        std::string("nul\0inside", 10),
        std::string(200000, 'v') + " end",
    };
}

TEST(ProfileFile, OddValuesReadBackAfterSerialising) {
    const std::vector<std::string> values = OddValues();
    ProfileFile profile;
    for (std::size_t i = 0; i < values.size(); ++i) {
        profile.WriteString("Odd", "Key" + std::to_string(i), values[i]);
    }
    const ProfileFile reread = ProfileFile::FromBytes(profile.ToText());
    const Entries entries = reread.ReadSectionValues("Odd");
    ASSERT_EQ(entries.size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(entries[i].first, "Key" + std::to_string(i));
        EXPECT_EQ(entries[i].second, values[i]) << "value " << i;
        EXPECT_EQ(reread.ReadString("Odd", "Key" + std::to_string(i), "?"), values[i]);
    }
}

TEST(ProfileFile, OddKeysAndSectionNamesReadBack) {
    const std::vector<std::string> keys = {
        "a;b", "a[b]", "#", "k e y", "\"q\"", "", std::string(70000, 'k')};
    const std::vector<std::string> sections = {"With Blank", "[Nested", "a=b",
                                               ";x",         "",        std::string(70000, 's')};
    ProfileFile profile;
    for (const std::string& section : sections) {
        for (const std::string& key : keys) profile.WriteString(section, key, section + key);
    }
    const ProfileFile reread = ProfileFile::FromText(profile.ToText());
    EXPECT_EQ(reread.ReadSections(), sections);
    for (const std::string& section : sections) {
        EXPECT_EQ(reread.ReadSection(section), keys);
        for (const std::string& key : keys) {
            EXPECT_EQ(reread.ReadString(section, key, "?"), section + key);
        }
    }
}

TEST(ProfileFile, SectionsAndKeysIgnoreAsciiCase) {
    ProfileFile profile = ProfileFile::FromText("[Settings]\nAngleUnit=deg\n");
    EXPECT_TRUE(profile.SectionExists("SETTINGS"));
    EXPECT_TRUE(profile.ValueExists("settings", "angleunit"));
    EXPECT_EQ(profile.ReadString("sEtTiNgS", "ANGLEUNIT", "rad"), "deg");
    EXPECT_FALSE(profile.ValueExists("Settings", "AngleUnits"));
    EXPECT_FALSE(profile.SectionExists("Setting"));

    // Writing keeps the spelling found in the file.
    profile.WriteString("SETTINGS", "angleunit", "grad");
    EXPECT_EQ(profile.ToText(), "[Settings]\nAngleUnit=grad\n");

    profile.DeleteKey("settings", "ANGLEunit");
    EXPECT_FALSE(profile.ValueExists("Settings", "AngleUnit"));
    profile.EraseSection("SETTINGS");
    EXPECT_FALSE(profile.SectionExists("Settings"));
    EXPECT_EQ(profile.ToText(), "");
}

TEST(ProfileFile, KeysKeepFileOrderAndFirstRepetitionWins) {
    const ProfileFile profile =
        ProfileFile::FromText("[Expressions]\n5=sin(x)\n0=1+2\n2=\nX=first\nx=second\n");
    EXPECT_EQ(profile.ReadSection("Expressions"),
              (std::vector<std::string>{"5", "0", "2", "X", "x"}));
    EXPECT_EQ(profile.ReadSectionValues("Expressions"),
              (Entries{{"5", "sin(x)"}, {"0", "1+2"}, {"2", ""}, {"X", "first"}, {"x", "second"}}));
    EXPECT_EQ(profile.ReadString("Expressions", "x", "?"), "first");
    EXPECT_TRUE(profile.ValueExists("Expressions", "2"));
    EXPECT_EQ(profile.ReadString("Expressions", "2", "default"), "");
}

TEST(ProfileFile, ReadingTrimsBlanksAndOneQuotePair) {
    const ProfileFile profile = ProfileFile::FromText(
        "  [ Spaced ]  trailing text\n"
        "\tkey one \t=  value with blanks  \n"
        "double=\"  kept  \"\n"
        "single=' kept '\n"
        "unpaired=\"half\n"
        "inner=a \"b\" c\n");
    EXPECT_EQ(profile.ReadSections(), std::vector<std::string>{"Spaced"});
    EXPECT_EQ(profile.ReadSectionValues("spaced"), (Entries{{"key one", "value with blanks"},
                                                            {"double", "  kept  "},
                                                            {"single", " kept "},
                                                            {"unpaired", "\"half"},
                                                            {"inner", "a \"b\" c"}}));
}

TEST(ProfileFile, UnknownSectionsAndLinesStayAsTheyWere) {
    const std::string foreign =
        "; written by hand\n"
        "[Internet]\n"
        "  FAQ = http://example.org/faq?a=1;b=2   \n"
        "; the next line is not an entry\n"
        "just some words\n"
        "\n"
        "[Settings]\n"
        "AngleUnit=deg\n"
        "\n"
        "[Unknown Tool]\n"
        "Key = \"quoted\"\n";
    ProfileFile profile = ProfileFile::FromText(foreign);
    profile.ReplaceSection("Settings", {{"AngleUnit", "rad"}, {"NumerationBase", "hex"}});
    EXPECT_EQ(profile.ToText(),
              "; written by hand\n"
              "[Internet]\n"
              "  FAQ = http://example.org/faq?a=1;b=2   \n"
              "; the next line is not an entry\n"
              "just some words\n"
              "\n"
              "[Unknown Tool]\n"
              "Key = \"quoted\"\n"
              "\n"
              "[Settings]\n"
              "AngleUnit=rad\n"
              "NumerationBase=hex\n");
    EXPECT_EQ(profile.ReadString("Internet", "faq", ""), "http://example.org/faq?a=1;b=2");
    EXPECT_EQ(profile.ReadString("Unknown Tool", "Key", ""), "quoted");
}

TEST(ProfileFile, RewrittenSectionMovesToTheEndWithoutGrowingBlankLines) {
    ProfileFile profile = ProfileFile::FromText("[A]\na=1\n\n[B]\nb=1\n\n[C]\nc=1\n");
    profile.ReplaceSection("b", {{"b", "2"}});
    const std::string expected = "[A]\na=1\n\n[C]\nc=1\n\n[b]\nb=2\n";
    EXPECT_EQ(profile.ToText(), expected);
    profile.ReplaceSection("b", {{"b", "2"}});
    EXPECT_EQ(profile.ToText(), expected);

    // Several saves in a row give the same file each time.
    for (int round = 0; round < 3; ++round) {
        profile = ProfileFile::FromText(profile.ToText());
        profile.EraseSection("A");
        profile.WriteString("A", "a", "1");
        profile.ReplaceSection("C", {{"c", "1"}});
    }
    EXPECT_EQ(profile.ToText(), "[b]\nb=2\n\n[A]\na=1\n\n[C]\nc=1\n");
}

TEST(ProfileFile, WritingIntoAnExistingSection) {
    ProfileFile profile = ProfileFile::FromText("[A]\nx=1\ny=2\n; about B\n\n[B]\nb=1\n[Empty]\n");
    profile.WriteString("A", "Y", "20");     // in place
    profile.WriteString("A", "z", "3");      // after the last entry
    profile.WriteString("Empty", "e", "5");  // right after the header
    profile.WriteString("New", "n", "6");    // a new section at the end
    EXPECT_EQ(profile.ToText(),
              "[A]\nx=1\ny=20\nz=3\n; about B\n\n[B]\nb=1\n[Empty]\ne=5\n\n[New]\nn=6\n");
}

TEST(ProfileFile, WritingAKeyRemovesItsRepetitions) {
    ProfileFile profile = ProfileFile::FromText("[A]\nk=1\nother=2\nK=3\n");
    profile.WriteString("a", "k", "new");
    EXPECT_EQ(profile.ReadSectionValues("A"), (Entries{{"k", "new"}, {"other", "2"}}));
    profile.DeleteKey("A", "K");
    EXPECT_EQ(profile.ReadSection("A"), std::vector<std::string>{"other"});
}

TEST(ProfileFile, RepeatedSectionReadsAsOne) {
    ProfileFile profile = ProfileFile::FromText("[A]\na=1\n[B]\nb=1\n[a]\nc=3\na=9\n");
    EXPECT_EQ(profile.ReadSections(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(profile.ReadSectionValues("A"), (Entries{{"a", "1"}, {"c", "3"}, {"a", "9"}}));
    EXPECT_EQ(profile.ReadString("A", "a", ""), "1");
    profile.EraseSection("a");
    EXPECT_EQ(profile.ToText(), "[B]\nb=1\n");
}

TEST(ProfileFile, LinesBeforeTheFirstSectionAreKeptButNotEntries) {
    ProfileFile profile = ProfileFile::FromText("\xEF\xBB\xBFloose=1\n; note\n[S]\nk=v");
    EXPECT_EQ(profile.ReadSections(), std::vector<std::string>{"S"});
    profile.WriteString("T", "t", "1");
    EXPECT_EQ(profile.ToText(), "loose=1\n; note\n[S]\nk=v\n\n[T]\nt=1\n");
}

TEST(ProfileFile, RefusesTextsThatWouldNotReadBack) {
    struct Case {
        std::string section, key, value;
    };
    const Case cases[] = {
        {"A]", "k", "v"},       {" A", "k", "v"},   {"A\t", "k", "v"},      {"A\nB", "k", "v"},
        {"A", "a=b", "v"},      {"A", ";k", "v"},   {"A", "[k", "v"},       {"A", " k", "v"},
        {"A", "k ", "v"},       {"A", "k\r", "v"},  {"A", "k", "a\nb"},     {"A", "k", "a\rb"},
        {"A", "k", "bad \xFF"}, {"\xC5", "k", "v"}, {"A", "\xE2\x82", "v"},
    };
    const std::string original = "[A]\nk=old\n";
    for (const Case& c : cases) {
        ProfileFile profile = ProfileFile::FromText(original);
        EXPECT_THROW(profile.WriteString(c.section, c.key, c.value), ProfileWriteError)
            << c.section << "/" << c.key << "/" << c.value;
        EXPECT_THROW(profile.ReplaceSection(c.section, {{"x", "1"}, {c.key, c.value}}),
                     ProfileWriteError);
        EXPECT_EQ(profile.ToText(), original);
    }
}

TEST(ProfileFile, ReplaceSectionRefusesRepeatedKeysAndKeepsTheOldSection) {
    ProfileFile profile = ProfileFile::FromText("[InputBoxes]\nX=1\nY=2\n");
    EXPECT_THROW(profile.ReplaceSection("InputBoxes", {{"X", "5"}, {"A", "0"}, {"x", "6"}}),
                 ProfileWriteError);
    EXPECT_EQ(profile.ReadSectionValues("InputBoxes"), (Entries{{"X", "1"}, {"Y", "2"}}));
}

TEST(ProfileFile, TypedValuesWithDefaults) {
    ProfileFile profile = ProfileFile::FromText(
        "[T]\nint=-42\nhex=$80000008\nbool=5\nzero=0\nfloat=2,5\nbad=12abc\nempty=\n");
    EXPECT_EQ(profile.ReadInteger("T", "int", 0), -42);
    EXPECT_EQ(profile.ReadInteger("T", "hex", 0), 0x80000008LL);
    EXPECT_EQ(profile.ReadInteger("T", "bad", 7), 7);
    EXPECT_EQ(profile.ReadInteger("T", "empty", 7), 7);
    EXPECT_EQ(profile.ReadInteger("T", "missing", 7), 7);
    EXPECT_TRUE(profile.ReadBool("T", "bool", false));
    EXPECT_FALSE(profile.ReadBool("T", "zero", true));
    EXPECT_TRUE(profile.ReadBool("T", "bad", true));
    EXPECT_FALSE(profile.ReadBool("T", "missing", false));
    EXPECT_EQ(profile.ReadFloat("T", "float", 0.0L), 2.5L);
    EXPECT_EQ(profile.ReadFloat("T", "bad", -1.0L), -1.0L);

    profile.WriteInteger("T", "int", INT64_MIN);
    profile.WriteBool("T", "bool", false);
    profile.WriteBool("T", "zero", true);
    profile.WriteFloat("T", "float", 0.1L);
    const ProfileFile reread = ProfileFile::FromText(profile.ToText());
    EXPECT_EQ(reread.ReadString("T", "int", ""), "-9223372036854775808");
    EXPECT_EQ(reread.ReadInteger("T", "int", 0), INT64_MIN);
    EXPECT_EQ(reread.ReadString("T", "bool", ""), "0");
    EXPECT_EQ(reread.ReadString("T", "zero", ""), "1");
    EXPECT_EQ(reread.ReadFloat("T", "float", 0.0L), 0.1L);
    EXPECT_THROW(profile.WriteFloat("T", "float", std::numeric_limits<long double>::infinity()),
                 ProfileWriteError);
    EXPECT_EQ(profile.ReadFloat("T", "float", 0.0L), 0.1L);
}

TEST(ProfileFile, AnyBytesParseAndSerialiseStably) {
    using namespace std::string_literals;
    const std::string inputs[] = {
        "[Settings]\nAngleUnit=de",  // cut off in a value
        "[Sett",                     // cut off in a header
        "[A]\nk=v\n\x00\x01\xFF\xFE garbage\n[B]\nb=1"s,
        "\0\0\0[A]\0=\0\n"s,
        "\r\r\n\n=\n[\n]\n;\n[]=[]\n",
        "\xEF\xBB\xBF\xEF\xBB\xBF[A]\nk=1",
    };
    for (const std::string& bytes : inputs) {
        const ProfileFile first = ProfileFile::FromBytes(bytes);
        const ProfileFile second = ProfileFile::FromBytes(first.ToText());
        EXPECT_EQ(second.ToText(), first.ToText()) << bytes;
        EXPECT_EQ(second.ReadSections(), first.ReadSections()) << bytes;
        for (const std::string& section : first.ReadSections()) {
            EXPECT_EQ(second.ReadSectionValues(section), first.ReadSectionValues(section));
        }
    }
    EXPECT_EQ(ProfileFile::FromBytes(inputs[0]).ReadString("Settings", "AngleUnit", ""), "de");
    EXPECT_TRUE(ProfileFile::FromBytes(inputs[1]).SectionExists("Sett"));
    EXPECT_EQ(ProfileFile::FromBytes(inputs[2]).ReadString("B", "b", ""), "1");
    EXPECT_EQ(ProfileFile::FromBytes(inputs[5]).ReadString("A", "k", ""), "1");
}

}  // namespace
}  // namespace tarvix
