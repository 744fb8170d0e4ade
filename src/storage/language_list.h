// The languages the user can choose: the names of the language files
// ("*.lng", the name without its extension, upper-cased) in the given
// folders, sorted, each once; CZECH, the built-in language, is always there.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvix {

inline constexpr const char* kBuiltInLanguage = "CZECH";

std::vector<std::string> AvailableLanguages(const std::vector<std::filesystem::path>& folders);

}  // namespace tarvix
