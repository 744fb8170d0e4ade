// Fuzz target: any bytes read as a profile file must parse without a crash,
// and the text written from the document must read back to the same sections,
// keys and values. An edit (one key written, one section erased) must survive
// the next round trip and leave every other section as it was.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "storage/profile_file.h"

namespace {

using tarvix::ProfileEntry;
using tarvix::ProfileFile;

struct Snapshot {
    std::vector<std::string> sections;
    std::vector<std::vector<ProfileEntry>> entries;
};

Snapshot Take(const ProfileFile& profile) {
    Snapshot snapshot{profile.ReadSections(), {}};
    for (const std::string& section : snapshot.sections) {
        snapshot.entries.push_back(profile.ReadSectionValues(section));
    }
    return snapshot;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const ProfileFile first = ProfileFile::FromBytes(bytes);
    const std::string text = first.ToText();
    const ProfileFile second = ProfileFile::FromBytes(text);
    const Snapshot before = Take(first);
    const Snapshot after = Take(second);
    Check(before.sections == after.sections);
    Check(before.entries == after.entries);
    Check(second.ToText() == text);

    // The last bytes, split at the first NUL, as a key and a value to write
    // into the first section (or a new one); the last section is erased.
    const std::string_view tail = bytes.substr(bytes.size() - std::min<std::size_t>(size, 64));
    const std::size_t split = tail.find('\0');
    const std::string key(tail.substr(0, split));
    const std::string value(split == std::string_view::npos ? "" : tail.substr(split + 1));
    const std::string section = before.sections.empty() ? "Fuzz" : before.sections.front();
    ProfileFile edited = second;
    try {
        edited.WriteString(section, key, value);
    } catch (const tarvix::ProfileWriteError&) {
        Check(!tarvix::IsWritableKey(key) || !tarvix::IsWritableValue(value));
        Check(edited.ToText() == text);
        return 0;
    }
    std::string erased;
    if (before.sections.size() > 1) {
        erased = before.sections.back();
        edited.EraseSection(erased);
    }
    const ProfileFile reread = ProfileFile::FromBytes(edited.ToText());
    Check(reread.ReadString(section, key, "\x01missing") == value);
    Check(erased.empty() || !reread.SectionExists(erased));
    for (std::size_t i = 0; i < before.sections.size(); ++i) {
        const std::string& name = before.sections[i];
        if (name == section || name == erased) continue;
        Check(reread.ReadSectionValues(name) == before.entries[i]);
    }
    return 0;
}
