// Reading and writing language files.
#include "storage/language_file.h"

#include <map>
#include <set>

#include "engine/name_utils.h"
#include "storage/atomic_file.h"
#include "storage/profile_syntax.h"
#include "storage/text_codec.h"

namespace tarvix {

std::string ConvertLineBreakMarkers(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size() && value[i + 1] == '\\') {
            out += '\n';
            // "%\" and the one character after it (the blank of "%\ " included).
            i += 2;
            if (static_cast<unsigned char>(value[i]) >= 0x80) {
                // A multi-byte character goes whole, never cut into bytes.
                const std::size_t length = Utf8SequenceLength(value, i);
                if (length > 1) i += length - 1;
            }
            continue;
        }
        out += value[i];
    }
    return out;
}

bool KeepsMarkers(std::string_view section) {
    for (std::string_view kept : {"Err", "DateForm", "DispForm", "GemForm", "ConstForm"}) {
        if (EqualsNoCase(section, kept)) return true;
    }
    return false;
}

LanguageReadResult ReadLanguageText(std::string_view bytes) {
    LanguageReadResult result;
    const std::string text = DecodeText(bytes);
    std::string section;
    int lineNumber = 0;
    for (std::string_view line : SplitLines(text)) {
        ++lineNumber;
        const ProfileLine parsed = ParseProfileLine(line);
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        switch (parsed.kind) {
            case ProfileLineKind::Blank:
            case ProfileLineKind::Comment:
                break;
            case ProfileLineKind::Section:
                if (parsed.name.empty()) result.Problems.push_back(where + "a section without a name");
                section = parsed.name;
                break;
            case ProfileLineKind::Other:
                result.Problems.push_back(where + "not a key=value line: " + std::string(line));
                break;
            case ProfileLineKind::Entry:
                if (section.empty()) {
                    result.Problems.push_back(where + "a text outside any section");
                } else if (parsed.name.empty()) {
                    result.Problems.push_back(where + "a text without a key");
                } else if (EqualsNoCase(section, "Localization")) {
                    if (EqualsNoCase(parsed.name, "Language")) {
                        result.File.Language = ToUpperAscii(parsed.value);
                    } else if (EqualsNoCase(parsed.name, "CountryID")) {
                        result.File.CountryId = parsed.value;
                    }
                } else {
                    result.File.Entries.push_back(
                        {section, parsed.name,
                         KeepsMarkers(section) ? parsed.value
                                               : ConvertLineBreakMarkers(parsed.value)});
                }
                break;
        }
    }
    result.Ok = result.Problems.empty();
    if (!result.Ok) result.File = {};
    return result;
}

LanguageReadResult ReadLanguageFile(const std::filesystem::path& path) {
    const FileReadResult read = ReadWholeFile(path);
    if (!read.ok()) {
        LanguageReadResult result;
        result.Problems.push_back(path.string() + ": " +
                                  (read.status == FileReadStatus::Missing
                                       ? std::string("no such file")
                                       : read.error.message()));
        return result;
    }
    LanguageReadResult result = ReadLanguageText(read.bytes);
    for (std::string& problem : result.Problems) problem = path.string() + ", " + problem;
    return result;
}

namespace {

// "\n" back to the marker; "\r" dropped (a value is one line).
std::string MarkedText(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += "%\\ ";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string WriteLanguageText(std::string_view language, std::string_view countryId,
                              const std::vector<LanguageEntry>& entries) {
    std::vector<std::string> order;
    std::map<std::string, std::vector<const LanguageEntry*>> bySection;
    for (const LanguageEntry& entry : entries) {
        auto [it, added] = bySection.try_emplace(entry.Section);
        if (added) order.push_back(entry.Section);
        it->second.push_back(&entry);
    }
    std::string out = SectionHeaderText("Localization") + "\n" +
                      EntryLineText("Language", language) + "\n" +
                      EntryLineText("CountryID", countryId) + "\n";
    for (const std::string& section : order) {
        out += "\n" + SectionHeaderText(section) + "\n";
        std::set<std::string> written;
        for (const LanguageEntry* entry : bySection[section]) {
            if (!written.insert(ToUpperAscii(entry->Key)).second) continue;
            out += EntryLineText(entry->Key, MarkedText(entry->Text)) + "\n";
        }
    }
    return out;
}

}  // namespace tarvix
