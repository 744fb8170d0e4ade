// Replaceable user-interface texts.
#include <gtest/gtest.h>

#include "storage/text_catalog.h"

namespace tarvix {
namespace {

TEST(TextCatalogTest, BuiltInUntilReplacedAndBackAfterReset) {
    TextCatalog texts;
    EXPECT_EQ(texts.Text("Main", "SouborItem", "&Soubor"), "&Soubor");
    texts.Replace("MAIN", "souboritem", "&File");
    EXPECT_EQ(texts.Text("Main", "SouborItem", "&Soubor"), "&File");
    EXPECT_TRUE(texts.HasReplacement("main", "SOUBORITEM"));
    texts.ResetToBuiltIn();
    EXPECT_EQ(texts.Text("Main", "SouborItem", "&Soubor"), "&Soubor");
}

TEST(TextCatalogTest, ReplacementLoadedBeforeFirstUseAndEntries) {
    TextCatalog texts;
    texts.Replace("Msg", "Prepared", "Coming soon..");
    EXPECT_EQ(texts.Text("Msg", "Prepared", "Připravuje se.."), "Coming soon..");
    texts.Text("Title", "Main", "Tarvix 2.2");
    auto entries = texts.Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Section, "Msg");
    EXPECT_EQ(entries[0].Text, "Coming soon..");
    EXPECT_EQ(entries[1].Key, "Main");
    EXPECT_EQ(entries[1].Text, "Tarvix 2.2");
}

}  // namespace
}  // namespace tarvix
