// How a character sequence of the input boxes is stored in the settings
// section KeyboardSequence.
//
// Written form: the key "Char" and the decimal code of the character, the
// value the decimal code of its substitute ("Char61=36"), so every character
// (blank, "=", ";" and "[" included) reads back. The older form is still
// read: the character written twice as the key and the substitute as the
// value ("aa=b"); there the first character of key and value counts, and an
// empty one reads as the character 0x7F.
#pragma once

#include <optional>
#include <string_view>

#include "storage/profile_file.h"
#include "storage/settings_store.h"

namespace tarvix {

ProfileEntry CharSequenceEntry(const CharSequence& sequence);

// The sequence an entry holds, or nothing when it does not read (a code
// outside the characters 32…127 or a substitute outside 1…127).
std::optional<CharSequence> ReadCharSequenceEntry(std::string_view key, std::string_view value);

}  // namespace tarvix
