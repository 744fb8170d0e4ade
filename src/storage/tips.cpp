// Tips files and the tip deck.
#include "storage/tips.h"

#include <system_error>

#include "storage/atomic_file.h"
#include "storage/profile_syntax.h"
#include "storage/text_codec.h"

namespace tarvix {

std::filesystem::path FindTipsFile(const LanguageFolders& folders, std::string_view word) {
    const std::string name = LanguageWord(word);
    std::vector<std::string> files;
    if (!name.empty()) files.push_back("Tips_" + name + ".txt");
    files.emplace_back("Tips.txt");
    for (const std::string& file : files) {
        for (const std::filesystem::path& folder : {folders.User, folders.Shipped}) {
            if (folder.empty()) continue;
            const std::filesystem::path path = folder.parent_path() / file;
            std::error_code error;
            if (std::filesystem::is_regular_file(path, error)) return path;
        }
    }
    return {};
}

std::vector<std::string> ReadTips(const std::filesystem::path& path) {
    std::vector<std::string> tips;
    if (path.empty()) return tips;
    const FileReadResult read = ReadWholeFile(path);
    if (!read.ok()) return tips;
    const std::string text = DecodeText(read.bytes);
    for (std::string_view line : SplitLines(text)) {
        const std::string_view tip = TrimProfileBlanks(line);
        if (!tip.empty()) tips.emplace_back(tip);
    }
    return tips;
}

std::vector<std::string> LoadTips(const LanguageFolders& folders, std::string_view word) {
    return ReadTips(FindTipsFile(folders, word));
}

TipDeck::TipDeck(std::size_t count, std::uint32_t seed) : count_(count), random_(seed) {}

std::optional<std::size_t> TipDeck::Next() {
    if (count_ == 0) return std::nullopt;
    if (count_ == 1) return last_ = 0;
    if (deck_.empty()) {
        for (std::size_t tip = 0; tip < count_; ++tip) {
            if (tip != last_) deck_.push_back(tip);
        }
    }
    std::uniform_int_distribution<std::size_t> position(0, deck_.size() - 1);
    const std::size_t at = position(random_);
    const std::size_t tip = deck_[at];
    deck_[at] = deck_.back();
    deck_.pop_back();
    last_ = tip;
    return tip;
}

}  // namespace tarvix
