// Tips of the day: the file of the language's tips and the deck that chooses
// the next tip so that every tip is shown once before any repeats and no tip
// follows itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "storage/language.h"

namespace tarvix {

// "Tips_<WORD>.txt", else "Tips.txt", in the user's data folder and then in
// the shipped one (the parents of the language folders); empty when neither
// file is anywhere.
std::filesystem::path FindTipsFile(const LanguageFolders& folders, std::string_view word);

// The tips of a file, one a line (blank lines skipped, blanks at the ends
// removed; UTF-8 or cp1250). A missing or unreadable file has no tips.
std::vector<std::string> ReadTips(const std::filesystem::path& path);

// The tips of a language (FindTipsFile, then ReadTips).
std::vector<std::string> LoadTips(const LanguageFolders& folders, std::string_view word);

class TipDeck {
public:
    // `count` tips; the random generator is seeded once here.
    TipDeck(std::size_t count, std::uint32_t seed);

    // The number of the next tip to show; nothing when there are no tips.
    // With one tip it is always that one. Otherwise the deck is refilled
    // with every tip but the one shown last whenever it runs empty, and a
    // random tip is drawn from it and taken out.
    std::optional<std::size_t> Next();

private:
    std::size_t count_;
    std::vector<std::size_t> deck_;
    std::optional<std::size_t> last_;
    std::mt19937 random_;
};

}  // namespace tarvix
