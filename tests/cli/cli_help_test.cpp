// tarvix-cli's option table against the option readers: every option the
// sources read is in the table (so --help, the manual page and the bash
// completion know it) and every table option is read somewhere; the words
// the table offers are the words the readers take; the help text keeps the
// layout help2man reads.
#include "cli/cli_help.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "analysis/regression.h"
#include "calculator/display_modes.h"
#include "matrix/operation_codes.h"
#include "matrix/worksheet_convert.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;

std::set<std::string> TableOptions() {
    std::set<std::string> names;
    for (const CliOptionGroup& group : CliOptionGroups())
        for (const CliOption& option : group.Options) names.emplace(option.Name);
    return names;
}

const CliOption* FindOption(std::string_view name) {
    for (const CliOptionGroup& group : CliOptionGroups())
        for (const CliOption& option : group.Options)
            if (option.Name == name) return &option;
    return nullptr;
}

// The "--name" string literals of the option readers (the table's own file aside).
std::set<std::string> OptionsInSources() {
    std::set<std::string> names;
    const std::regex literal("\"(--[a-z][a-z-]*)\"");
    for (const fs::directory_entry& entry : fs::directory_iterator(TARVIX_CLI_SOURCE_DIR)) {
        if (entry.path().filename() == "cli_help.cpp") continue;
        std::ifstream file(entry.path());
        std::stringstream text;
        text << file.rdbuf();
        const std::string source = text.str();
        for (std::sregex_iterator it(source.begin(), source.end(), literal), end; it != end; ++it)
            names.insert((*it)[1]);
    }
    return names;
}

TEST(CliHelp, TableAndReadersNameTheSameOptions) {
    const std::set<std::string> table = TableOptions();
    const std::set<std::string> sources = OptionsInSources();
    ASSERT_GT(sources.size(), 40u);
    for (const std::string& name : sources) EXPECT_TRUE(table.contains(name)) << name << " is not in the help";
    for (const std::string& name : table) {
        if (name == "--") continue;
        EXPECT_TRUE(sources.contains(name)) << name << " is read nowhere";
    }
}

std::vector<std::string> Words(std::string_view choices) {
    std::vector<std::string> words;
    std::istringstream in{std::string(choices)};
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

TEST(CliHelp, OfferedWordsAreTaken) {
    const std::map<std::string, std::function<bool(const std::string&)>> readers = {
        {"--base", [](const std::string& w) { return BaseFromCaption(w).has_value(); }},
        {"--format", [](const std::string& w) { return NumberFormatFromCaption(w).has_value(); }},
        {"--op", [](const std::string& w) { return OperationFromName(w).has_value(); }},
        {"--cell-convert", [](const std::string& w) { return ConversionFromName(w).has_value(); }},
        {"--regress", [](const std::string& w) { return RegressionModelFromName(w).has_value(); }},
    };
    for (const auto& [name, reads] : readers) {
        const CliOption* option = FindOption(name);
        ASSERT_NE(option, nullptr) << name;
        ASSERT_EQ(option->Kind, CliArgument::Words) << name;
        for (const std::string& word : Words(option->Choices)) EXPECT_TRUE(reads(word)) << name << " " << word;
    }
    // Every operation name the reader knows is offered: the codes 1 to 25 by name.
    std::set<MatrixOperationCode> named;
    for (const std::string& word : Words(FindOption("--op")->Choices)) named.insert(*OperationFromName(word));
    EXPECT_EQ(named.size(), 24u);  // code 22, the threshold transformation, has no name
}

std::size_t Columns(std::string_view line) {
    std::size_t count = 0;
    for (unsigned char c : line) count += (c & 0xC0) != 0x80;
    return count;
}

TEST(CliHelp, HelpTextLayout) {
    std::ostringstream out;
    PrintCliHelp(out);
    const std::string help = out.str();
    EXPECT_TRUE(help.starts_with("Usage: tarvix-cli "));
    std::istringstream lines(help);
    std::set<std::string> shown;
    const std::regex optionLine("^  (--[a-z-]*)( .*)?$");
    for (std::string line; std::getline(lines, line);) {
        EXPECT_LE(Columns(line), 79u) << line;
        std::smatch match;
        if (std::regex_match(line, match, optionLine)) shown.insert(match[1]);
    }
    EXPECT_EQ(shown, TableOptions());

    std::ostringstream version;
    PrintCliVersion(version);
    EXPECT_TRUE(version.str().starts_with("tarvix-cli (Tarvix) ")) << version.str();
}

}  // namespace
}  // namespace tarvix
