// Listing the language files.
#include "storage/language_list.h"

#include <algorithm>
#include <system_error>

#include "engine/name_utils.h"


namespace tarvix {
namespace fs = std::filesystem;

std::vector<std::string> AvailableLanguages(const std::vector<fs::path>& folders) {
    std::vector<std::string> names{kBuiltInLanguage};
    for (const fs::path& folder : folders) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const fs::path& file = it->path();
            if (ToUpperAscii(file.extension().string()) != ".LNG") continue;
            std::error_code typeError;
            if (!it->is_regular_file(typeError)) continue;
            names.push_back(ToUpperAscii(file.stem().string()));
        }
    }
    std::ranges::sort(names);
    names.erase(std::ranges::unique(names).begin(), names.end());
    return names;
}

}  // namespace tarvix
