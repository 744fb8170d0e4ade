// A profile (INI) document in memory: named sections of key=value entries.
//
// Sections and keys are found without regard to ASCII case; entries keep the
// order of the file, and so do the lines the document does not touch: sections
// it never writes, comments, blank lines and lines it cannot read are written
// back as they were. A key written into an existing section replaces its value
// in place (or is added after the section's last entry); a section written
// anew goes to the end, so a section that is erased and written again moves
// to the end of the file. A section that appears twice in a file is read as
// one. There are no limits on the length of lines, values or sections.
//
// Reading an entry that appears more than once gives the first one. Writing
// refuses texts that would not read back (see profile_syntax.h) with
// ProfileWriteError, and never changes the document in that case.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/profile_syntax.h"

namespace tarvix {

class ProfileWriteError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// One key and its value, as an entry of a section.
using ProfileEntry = std::pair<std::string, std::string>;

class ProfileFile {
public:
    ProfileFile() = default;

    // A document from UTF-8 text (leading byte order marks are skipped).
    static ProfileFile FromText(std::string_view text);
    // A document from the bytes of a file: UTF-8, or cp1250 when the bytes are
    // not UTF-8 (see DecodeText).
    static ProfileFile FromBytes(std::string_view bytes);

    // The whole document as UTF-8 text, each line ended by "\n".
    std::string ToText() const;

    // --- reading ---
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The value of the key, or nothing when the section or key is missing.
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Typed readers give the default when the key is missing or its value does
    // not read as that type (see profile_values.h).
    std::int64_t ReadInteger(std::string_view section, std::string_view key,
                             std::int64_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    long double ReadFloat(std::string_view section, std::string_view key,
                          long double defaultValue) const;
    // The section names in file order.
    std::vector<std::string> ReadSections() const;
    // The keys of a section in file order (a repeated key is listed each time).
    std::vector<std::string> ReadSection(std::string_view section) const;
    // The entries of a section in file order (a repeated key is listed each time).
    std::vector<ProfileEntry> ReadSectionValues(std::string_view section) const;

    // --- writing ---
    // Sets the value; an existing key keeps its place and spelling, and later
    // repetitions of it are removed. A missing section is added at the end.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int64_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Written with the digits that read back as the same extended value; a
    // value that is not finite is refused.
    void WriteFloat(std::string_view section, std::string_view key, long double value);
    // Removes the section with all its lines and writes it anew at the end
    // with these entries, in this order. Keys that repeat are refused.
    void ReplaceSection(std::string_view section, const std::vector<ProfileEntry>& entries);
    // Removes the section with all its lines; nothing happens when it is missing.
    void EraseSection(std::string_view section);
    // Removes every entry of the key from the section.
    void DeleteKey(std::string_view section, std::string_view key);

private:
    struct Section {
        std::string name;
        std::string header;  // the header line as it stands in the file
        std::vector<ProfileLine> lines;
    };

    const Section* FindSection(std::string_view name) const;
    Section* FindSection(std::string_view name);
    // A new empty section at the end, separated from the text before it by
    // one blank line.
    Section& AppendSection(std::string_view name);
    bool EndsWithBlankLine() const;

    std::vector<std::string> preamble_;  // lines before the first section
    std::vector<Section> sections_;
};

}  // namespace tarvix
