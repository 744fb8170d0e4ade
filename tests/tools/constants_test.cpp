// Built-in constants, the user constants' settings form and their grid.
#include <gtest/gtest.h>

#include "tools/constants_table.h"

namespace tarvix {
namespace {

TEST(BuiltInConstants, TableAndCaption) {
    const auto constants = BuiltInConstants();
    ASSERT_EQ(constants.size(), 29u);
    EXPECT_EQ(constants[0].Value, "1,4959787E11");
    EXPECT_EQ(constants[22].Name, "Planckova konstanta");
    EXPECT_EQ(constants[22].Value, "6,6260755E-34");
    EXPECT_EQ(constants[28].Key, 'S');
    EXPECT_EQ(ConstantCaption(constants[0], constants[0].Name),
              "0  Astronomická jednotka: AU [m]\t1,4959787E11");
}

TEST(UserConsts, SettingsFormReadsBack) {
    const std::vector<UserConst> cases = {
        {"dva", "Ctrl+K", "2*3"},     {"a~b", "", "x~y"},        {"~", "Shift+~", "~~"},
        {"back\\slash\\", "", "\\~"}, {"konec~", "Alt+F1", "1"},
    };
    for (const UserConst& c : cases) {
        const std::string text = EncodeUserConst(c);
        EXPECT_EQ(DecodeUserConst(text), c) << text;
    }
    EXPECT_EQ(EncodeUserConst({"dva", "Ctrl+K", "2*3"}), "dva~Ctrl+K~2*3");
    EXPECT_EQ(EncodeUserConst({"a~b", "", "x"}), "a\\~b~~x");
    // An unescaped "~" in the value of an older file stays.
    EXPECT_EQ(DecodeUserConst("n~~a~b")->Value, "a~b");
    EXPECT_FALSE(DecodeUserConst("no separator"));
    EXPECT_EQ(ReadUserConsts({"a~~1", "~~2", "b~~", "bad"}),
              (std::vector<UserConst>{{"a", "", "1"}}));
    EXPECT_EQ(WriteUserConsts({{"a", "", "1"}, {"", "", "2"}}), (std::vector<std::string>{"a~~1"}));
}

TEST(UserConsts, FirstMatchingShortcutWins) {
    const std::vector<UserConst> list = {
        {"a", "", "0"}, {"b", "Ctrl+K", "2*3"}, {"c", "ctrl+k", "9"}};
    ASSERT_NE(FindUserConstByShortcut(list, "Ctrl+K"), nullptr);
    EXPECT_EQ(FindUserConstByShortcut(list, "Ctrl+K")->Value, "2*3");
    EXPECT_EQ(FindUserConstByShortcut(list, ""), nullptr);
    EXPECT_EQ(FindUserConstByShortcut(list, "Ctrl+L"), nullptr);
}

TEST(UserConstGrid, EditingAndStoring) {
    UserConstGrid empty({});
    EXPECT_TRUE(empty.EditMode());
    EXPECT_EQ(empty.Rows().size(), 1u);

    UserConstGrid grid({{"a", "Ctrl+K", "1"}, {"b", "", "2"}});
    EXPECT_FALSE(grid.EditMode());
    EXPECT_FALSE(grid.AppendRow());  // not in edit mode
    grid.ToggleEditMode();
    ASSERT_TRUE(grid.InsertRow(1));  // an empty row between the two
    EXPECT_EQ(grid.Rows().size(), 3u);
    EXPECT_EQ(grid.ToList(), (std::vector<UserConst>{{"a", "Ctrl+K", "1"}, {"b", "", "2"}}));
    grid.SetCell(1, 0, "  name only ");
    EXPECT_EQ(grid.ToList()[1], (UserConst{"name only", "", ""}));
    EXPECT_TRUE(grid.RemoveRow(0));
    EXPECT_TRUE(grid.RemoveRow(0));
    EXPECT_TRUE(grid.RemoveRow(0));  // the last row stays, emptied
    EXPECT_EQ(grid.Rows().size(), 1u);
    EXPECT_TRUE(grid.ToList().empty());
}

}  // namespace
}  // namespace tarvix
