// Tips of the day: the file of a language and the order of the deck.
#include <gtest/gtest.h>

#include <set>

#include "storage/tips.h"
#include "temp_folder.h"

namespace tarvix {
namespace {

TEST(TipDeckTest, NoTipsAndOneTip) {
    TipDeck none(0, 1);
    EXPECT_FALSE(none.Next().has_value());
    TipDeck one(1, 1);
    EXPECT_EQ(one.Next(), 0u);
    EXPECT_EQ(one.Next(), 0u);
}

TEST(TipDeckTest, EveryTipOnceBeforeAnyRepeatsAndNeverTwiceInARow) {
    for (std::uint32_t seed = 0; seed < 50; ++seed) {
        TipDeck deck(3, seed);
        std::set<std::size_t> firstThree;
        std::optional<std::size_t> previous;
        for (int shown = 0; shown < 30; ++shown) {
            const std::optional<std::size_t> tip = deck.Next();
            ASSERT_TRUE(tip.has_value());
            ASSERT_LT(*tip, 3u);
            EXPECT_NE(tip, previous) << "seed " << seed;
            if (shown < 3) firstThree.insert(*tip);
            previous = tip;
        }
        EXPECT_EQ(firstThree.size(), 3u) << "seed " << seed;
    }
}

TEST(TipDeckTest, LaterRoundsShowEveryTipButTheLastShown) {
    TipDeck deck(5, 7);
    std::size_t last = 0;
    for (int i = 0; i < 5; ++i) last = *deck.Next();
    // The refilled deck holds the four others: they come before any repeats.
    std::set<std::size_t> round;
    for (int i = 0; i < 4; ++i) round.insert(*deck.Next());
    EXPECT_EQ(round.size(), 4u);
    EXPECT_FALSE(round.count(last));
}

TEST(TipsFileTest, LanguageFileElseTipsTxtUserFolderFirst) {
    testing::TempFolder temp;
    LanguageFolders folders{temp / "user" / "lang", temp / "shipped" / "lang"};
    std::filesystem::create_directories(temp / "user");
    std::filesystem::create_directories(temp / "shipped");
    EXPECT_TRUE(LoadTips(folders, "GERMAN").empty());

    testing::WriteBytes(temp / "shipped" / "Tips.txt", "  general one \n\nsecond\n");
    EXPECT_EQ(LoadTips(folders, "GERMAN"), (std::vector<std::string>{"general one", "second"}));

    testing::WriteBytes(temp / "shipped" / "Tips_GERMAN.txt", "deutsch\n");
    EXPECT_EQ(LoadTips(folders, "german"), std::vector<std::string>{"deutsch"});
    testing::WriteBytes(temp / "user" / "Tips_GERMAN.txt", "mein Tipp\n");
    EXPECT_EQ(LoadTips(folders, "GERMAN"), std::vector<std::string>{"mein Tipp"});
}

}  // namespace
}  // namespace tarvix
