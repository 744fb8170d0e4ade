// A language file: the profile (INI) layout of replaceable texts, section and
// key to text. The whole file is read and checked before anything is used, so
// a file with a line that does not read is refused whole (its lines are
// reported) and never applied in part.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvix {

struct LanguageEntry {
    std::string Section;
    std::string Key;
    std::string Text;  // line-break markers already turned into "\n"
};

struct LanguageFile {
    std::string Language;  // [Localization] Language, upper-cased (empty: not given)
    std::string CountryId = "00420";  // [Localization] CountryID
    std::vector<LanguageEntry> Entries;  // in file order, Localization excluded
};

struct LanguageReadResult {
    bool Ok = false;
    // When not Ok: the file's problem, or one line per line that does not read
    // ("line 12: ...").
    std::vector<std::string> Problems;
    LanguageFile File;
};

// The line-break markers of a value: "%\ " (with its blank) and "%\" followed
// by any one character become a line break ("\n"). Anything else stays as it
// is: "%s", "(%)", a lone "\" and a "%\" at the very end.
std::string ConvertLineBreakMarkers(std::string_view value);

// Whether values of the section keep their markers unchanged (the task
// language's messages and the windows whose texts hold literal backslashes).
bool KeepsMarkers(std::string_view section);

// Reads the text of a language file (UTF-8, or cp1250 bytes).
LanguageReadResult ReadLanguageText(std::string_view bytes);
// Reads a language file from disk; a missing or unreadable file is a problem.
LanguageReadResult ReadLanguageFile(const std::filesystem::path& path);

// A language file of these entries (the template a translator starts from),
// grouped by section in order of first appearance. Line breaks ("\n") are
// written as "%\ ".
std::string WriteLanguageText(std::string_view language, std::string_view countryId,
                              const std::vector<LanguageEntry>& entries);

}  // namespace tarvix
