// The language option of tarvix-cli.
#include "cli/cli_language.h"

#include <string>
#include <string_view>

#include "storage/language.h"

namespace tarvix {

bool TakeLanguageOption(std::vector<char*>& args, TextCatalog& texts, std::ostream& err) {
    std::string word;
    std::vector<char*> kept;
    kept.reserve(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i] ? std::string_view(args[i]) : std::string_view();
        if (i > 0 && arg == "--") {
            kept.insert(kept.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
            break;
        }
        if (i > 0 && arg == "--lang") {
            if (i + 1 >= args.size() || !args[i + 1]) return false;
            word = args[++i];
            continue;
        }
        kept.push_back(args[i]);
    }
    args = std::move(kept);
    if (word.empty()) return true;
    const LanguageApplyResult result = ApplyLanguage(texts, LanguageFolders::OfProcess(), word);
    for (const std::string& problem : result.Problems) err << "tarvix-cli: " << problem << '\n';
    return true;
}

}  // namespace tarvix
