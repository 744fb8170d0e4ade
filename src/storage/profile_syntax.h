// The line syntax of profile (INI) files: how one line reads, and how section
// headers and key=value entries are written so that they read back unchanged.
//
// A line, after leading blanks (spaces and tabs), is
// - empty: a blank line;
// - ";" ...: a comment;
// - "[" ...: a section header; the name is the text up to the first "]" (or
//   the line end), without surrounding blanks; text after the "]" is ignored;
// - key "=" value: an entry, split at the first "="; key and value lose their
//   surrounding blanks, and a value enclosed in a pair of double or single
//   quotes loses the pair (so a written value can keep blanks at its ends);
// - anything else: a line that is kept but carries no entry.
#pragma once

#include <string>
#include <string_view>

namespace tarvix {

enum class ProfileLineKind { Blank, Comment, Section, Entry, Other };

struct ProfileLine {
    ProfileLineKind kind = ProfileLineKind::Blank;
    std::string text;   // the line as it stands in the file
    std::string name;   // section name or entry key
    std::string value;  // entry value
};

ProfileLine ParseProfileLine(std::string_view line);

// The text without the blanks (spaces and tabs) at its ends.
std::string_view TrimProfileBlanks(std::string_view text);

// Whether the text can be written as a section name, a key or a value so that
// it reads back unchanged. All must be UTF-8 without line ends; a section name
// has no "]" and a key no "="; names and keys have no blanks at their ends, and
// a key does not start with ";" or "[". Values are otherwise free.
bool IsWritableSectionName(std::string_view name);
bool IsWritableKey(std::string_view key);
bool IsWritableValue(std::string_view value);

// The header line "[name]" and the entry line "key=value"; the value is put
// in double quotes when it would otherwise lose blanks or quotes at its ends.
// The texts must be writable (see above).
std::string SectionHeaderText(std::string_view name);
std::string EntryLineText(std::string_view key, std::string_view value);

}  // namespace tarvix
