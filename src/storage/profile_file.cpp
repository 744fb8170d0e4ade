// Parsing, querying, editing and writing profile documents.
#include "storage/profile_file.h"

#include <algorithm>
#include <unordered_set>

#include "engine/name_utils.h"
#include "storage/profile_values.h"
#include "storage/text_codec.h"

namespace tarvix {

namespace {

bool IsEntry(const ProfileLine& line) {
    return line.kind == ProfileLineKind::Entry;
}

bool IsEntryFor(const ProfileLine& line, std::string_view key) {
    return IsEntry(line) && EqualsNoCase(line.name, key);
}

void RequireWritable(bool writable, std::string_view what, std::string_view text) {
    if (!writable) {
        throw ProfileWriteError(std::string(what) + " cannot be stored in a profile file: \"" +
                                std::string(text) + "\"");
    }
}

void RequireWritableEntry(std::string_view section, std::string_view key, std::string_view value) {
    RequireWritable(IsWritableSectionName(section), "section name", section);
    RequireWritable(IsWritableKey(key), "key", key);
    RequireWritable(IsWritableValue(value), "value", value);
}

ProfileLine EntryLine(std::string_view key, std::string_view value) {
    return {ProfileLineKind::Entry, EntryLineText(key, value), std::string(key),
            std::string(value)};
}

}  // namespace

ProfileFile ProfileFile::FromText(std::string_view text) {
    while (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
    ProfileFile profile;
    Section* current = nullptr;
    for (std::string_view raw : SplitLines(text)) {
        ProfileLine line = ParseProfileLine(raw);
        if (line.kind == ProfileLineKind::Section) {
            // A repeated section continues the first one.
            current = profile.FindSection(line.name);
            if (!current) {
                profile.sections_.push_back({std::move(line.name), std::move(line.text), {}});
                current = &profile.sections_.back();
            }
        } else if (current) {
            current->lines.push_back(std::move(line));
        } else {
            profile.preamble_.push_back(std::move(line.text));
        }
    }
    return profile;
}

ProfileFile ProfileFile::FromBytes(std::string_view bytes) {
    return FromText(DecodeText(bytes));
}

std::string ProfileFile::ToText() const {
    std::string text;
    auto add = [&](const std::string& line) {
        text += line;
        text += '\n';
    };
    for (const std::string& line : preamble_) add(line);
    for (const Section& section : sections_) {
        add(section.header);
        for (const ProfileLine& line : section.lines) add(line.text);
    }
    return text;
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view name) const {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const Section& s) { return EqualsNoCase(s.name, name); });
    return it == sections_.end() ? nullptr : &*it;
}

ProfileFile::Section* ProfileFile::FindSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

bool ProfileFile::EndsWithBlankLine() const {
    if (!sections_.empty()) {
        const Section& last = sections_.back();
        return !last.lines.empty() && last.lines.back().kind == ProfileLineKind::Blank;
    }
    return !preamble_.empty() && ParseProfileLine(preamble_.back()).kind == ProfileLineKind::Blank;
}

ProfileFile::Section& ProfileFile::AppendSection(std::string_view name) {
    bool empty = preamble_.empty() && sections_.empty();
    if (!empty && !EndsWithBlankLine()) {
        if (sections_.empty()) {
            preamble_.emplace_back();
        } else {
            sections_.back().lines.push_back({});
        }
    }
    sections_.push_back({std::string(name), SectionHeaderText(name), {}});
    return sections_.back();
}

bool ProfileFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool ProfileFile::ValueExists(std::string_view section, std::string_view key) const {
    return ReadValue(section, key).has_value();
}

std::optional<std::string> ProfileFile::ReadValue(std::string_view section,
                                                  std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found) return std::nullopt;
    for (const ProfileLine& line : found->lines) {
        if (IsEntryFor(line, key)) return line.value;
    }
    return std::nullopt;
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    std::optional<std::string> value = ReadValue(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

std::int64_t ProfileFile::ReadInteger(std::string_view section, std::string_view key,
                                      std::int64_t defaultValue) const {
    std::optional<std::string> text = ReadValue(section, key);
    std::optional<std::int64_t> value = text ? ParseProfileInteger(*text) : std::nullopt;
    return value.value_or(defaultValue);
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key,
                           bool defaultValue) const {
    std::optional<std::string> text = ReadValue(section, key);
    std::optional<bool> value = text ? ParseProfileBool(*text) : std::nullopt;
    return value.value_or(defaultValue);
}

long double ProfileFile::ReadFloat(std::string_view section, std::string_view key,
                                   long double defaultValue) const {
    std::optional<std::string> text = ReadValue(section, key);
    std::optional<long double> value = text ? ParseProfileFloat(*text) : std::nullopt;
    return value.value_or(defaultValue);
}

std::vector<std::string> ProfileFile::ReadSections() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_) names.push_back(section.name);
    return names;
}

std::vector<std::string> ProfileFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* found = FindSection(section)) {
        for (const ProfileLine& line : found->lines) {
            if (IsEntry(line)) keys.push_back(line.name);
        }
    }
    return keys;
}

std::vector<ProfileEntry> ProfileFile::ReadSectionValues(std::string_view section) const {
    std::vector<ProfileEntry> entries;
    if (const Section* found = FindSection(section)) {
        for (const ProfileLine& line : found->lines) {
            if (IsEntry(line)) entries.emplace_back(line.name, line.value);
        }
    }
    return entries;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
    RequireWritableEntry(section, key, value);
    Section* target = FindSection(section);
    if (!target) target = &AppendSection(section);
    std::vector<ProfileLine>& lines = target->lines;
    auto first = std::find_if(lines.begin(), lines.end(),
                              [&](const ProfileLine& line) { return IsEntryFor(line, key); });
    if (first == lines.end()) {
        // After the last entry, so that blank lines and comments that close the
        // section stay below it.
        auto lastEntry = std::find_if(lines.rbegin(), lines.rend(), IsEntry);
        lines.insert(lastEntry.base(), EntryLine(key, value));
        return;
    }
    *first = EntryLine(first->name, value);
    lines.erase(std::remove_if(first + 1, lines.end(),
                               [&](const ProfileLine& line) { return IsEntryFor(line, key); }),
                lines.end());
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, std::int64_t value) {
    WriteString(section, key, ProfileIntegerText(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, ProfileBoolText(value));
}

void ProfileFile::WriteFloat(std::string_view section, std::string_view key, long double value) {
    std::optional<std::string> text = ProfileFloatText(value);
    if (!text) throw ProfileWriteError("a number that is not finite cannot be stored");
    WriteString(section, key, *text);
}

void ProfileFile::ReplaceSection(std::string_view section,
                                 const std::vector<ProfileEntry>& entries) {
    std::unordered_set<std::string> keys;
    for (const auto& [key, value] : entries) {
        RequireWritableEntry(section, key, value);
        RequireWritable(keys.insert(ToUpperAscii(key)).second, "a repeated key", key);
    }
    EraseSection(section);
    Section& target = AppendSection(section);
    target.lines.reserve(entries.size());
    for (const auto& [key, value] : entries) target.lines.push_back(EntryLine(key, value));
}

void ProfileFile::EraseSection(std::string_view section) {
    std::erase_if(sections_, [&](const Section& s) { return EqualsNoCase(s.name, section); });
}

void ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
    if (Section* found = FindSection(section)) {
        std::erase_if(found->lines, [&](const ProfileLine& line) { return IsEntryFor(line, key); });
    }
}

}  // namespace tarvix
