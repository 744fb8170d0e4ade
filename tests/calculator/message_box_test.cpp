// The message box: captions of the kinds, the custom caption, line breaks and
// the buttons' captions and results.
#include "calculator/message_box.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(FormatMessageText, ReplacesBothLineBreakMarks) {
    EXPECT_EQ(FormatMessageText("a %\\ b"), "a \nb");
    EXPECT_EQ(FormatMessageText("Má se provést reset? %\\\\ (odstranit)"),
              "Má se provést reset? \n(odstranit)");
    EXPECT_EQ(FormatMessageText("%\\ %\\ x"), "\n\nx");
    // A percent sign or backslash alone is text.
    EXPECT_EQ(FormatMessageText("100 % \\ %\\x"), "100 % \\ %\\x");
}

TEST(PrepareMessageBox, KindsTakeTheirCaptionAfterABlank) {
    struct Row {
        MessageKind Kind;
        const char* Caption;
    } rows[] = {
        {MessageKind::Warning, " Upozornění"},
        {MessageKind::Error, " Chyba"},
        {MessageKind::Information, " Informace"},
        {MessageKind::Confirmation, " Potvrzení"},
    };
    for (const auto& row : rows) {
        MessageBoxRequest r =
            PrepareMessageBox("x %\\ y", row.Kind, kOkButton, 17, BuiltInCalculatorMessages());
        EXPECT_EQ(r.Caption, row.Caption);
        EXPECT_EQ(r.Text, "x \ny");
        EXPECT_EQ(r.HelpContext, 17);
        EXPECT_FALSE(r.BoldText);
    }
}

TEST(PrepareMessageBox, CustomKindSplitsAtTheFirstBarAndIsBold) {
    MessageBoxRequest r = PrepareMessageBox("Výsledek|a|b %\\ c", MessageKind::Custom,
                                            kYesNoCancelButtons, 0, BuiltInCalculatorMessages());
    EXPECT_EQ(r.Caption, " Výsledek");
    EXPECT_EQ(r.Text, "a|b \nc");
    EXPECT_TRUE(r.BoldText);
    EXPECT_TRUE(r.Buttons.Has(MessageButton::No));
    EXPECT_FALSE(r.Buttons.Has(MessageButton::Ok));
}

TEST(PrepareMessageBox, ReplacedCaptionIsUsed) {
    CalculatorMessageTable texts;
    ASSERT_TRUE(texts.Replace(calcmsg::CaptionError, "Error"));
    EXPECT_EQ(PrepareMessageBox("x", MessageKind::Error, kCancelButton, 0, texts).Caption,
              " Error");
}

TEST(MessageButtons, CaptionsAndResults) {
    const auto& texts = BuiltInCalculatorMessages();
    struct Row {
        MessageButton Button;
        const char* Caption;
        ModalResult Result;
    } rows[] = {
        {MessageButton::Yes, "&Ano", ModalResult::Yes},
        {MessageButton::No, "&Ne", ModalResult::No},
        {MessageButton::Ok, "OK", ModalResult::Ok},
        {MessageButton::Cancel, "Storno", ModalResult::Cancel},
        {MessageButton::Abort, "&Přerušit", ModalResult::Abort},
        {MessageButton::Retry, "&Znovu", ModalResult::Retry},
        {MessageButton::Ignore, "&Ignoruj", ModalResult::Ignore},
        {MessageButton::NoToAll, "N&o to All", ModalResult::NoToAll},
        {MessageButton::YesToAll, "Yes to &All", ModalResult::YesToAll},
        {MessageButton::Help, "&Nápověda", ModalResult::None},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ButtonCaption(row.Button, texts), row.Caption);
        EXPECT_EQ(ButtonResult(row.Button), row.Result);
    }
    EXPECT_EQ(static_cast<int>(ModalResult::Yes), 6);
}

}  // namespace
}  // namespace tarvix
