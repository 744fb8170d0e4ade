// Built-in constants, the user constants' settings form and their grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "calculator/float_mask.h"
#include "tools/constants_table.h"

namespace tarvix {
namespace {

TEST(BuiltInConstants, TableAndCaption) {
    const auto constants = BuiltInConstants();
    ASSERT_EQ(constants.size(), 29u);
    EXPECT_EQ(constants[0].Value, "1,495978707E11");
    EXPECT_EQ(constants[22].Name, "Planckova konstanta");
    EXPECT_EQ(constants[22].Value, "6,62607015E-34");
    EXPECT_EQ(constants[28].Key, 'S');
    EXPECT_EQ(ConstantCaption(constants[0], constants[0].Name),
              "0  Astronomická jednotka: AU [m]\t1,495978707E11");
}

// The CODATA 2018 values: the four constants exact since 2019 and a sample
// of the measured ones, by key; each inserted text reads as its number.
TEST(BuiltInConstants, CodataValues) {
    const auto constants = BuiltInConstants();
    auto byKey = [&](char key) -> const BuiltInConstant& {
        for (const BuiltInConstant& c : constants) {
            if (c.Key == key) return c;
        }
        throw std::out_of_range(std::string(1, key));
    };
    EXPECT_EQ(byKey('M').Number, 6.62607015E-34L);   // h
    EXPECT_EQ(byKey('5').Number, 1.602176634E-19L);  // e
    EXPECT_EQ(byKey('4').Number, 1.380649E-23L);     // k
    EXPECT_EQ(byKey('1').Number, 6.02214076E23L);    // N_A
    EXPECT_EQ(byKey('O').Number, 299792458.0L);      // c
    EXPECT_EQ(byKey('8').Number, 9.1093837015E-31L);
    EXPECT_EQ(byKey('B').Number, 1.67262192369E-27L);
    EXPECT_EQ(byKey('7').Number, 6.67430E-11L);
    EXPECT_EQ(byKey('C').Number, byKey('7').Number);
    EXPECT_EQ(byKey('N').Number, 10973731.568160L);
    // The constants that follow from the exact ones agree with them.
    const long double nA = byKey('1').Number;
    EXPECT_NEAR(static_cast<double>(byKey('6').Number / (nA * byKey('5').Number)), 1.0, 1e-10);
    EXPECT_NEAR(static_cast<double>(byKey('R').Number / (nA * byKey('4').Number)), 1.0, 1e-10);
    for (const BuiltInConstant& c : constants) {
        std::string text(c.Value);
        std::replace(text.begin(), text.end(), ',', '.');
        EXPECT_EQ(ReadFloatText(text, '.'), std::optional<long double>(c.Number)) << c.Key;
    }
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
