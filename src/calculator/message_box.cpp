// Captions, line breaks and button texts of the message box.
#include "calculator/message_box.h"

namespace tarvix {
namespace {

struct KindRow {
    MessageKind Kind;
    std::string_view CaptionKey;
};
constexpr KindRow kKinds[] = {
    {MessageKind::Warning, calcmsg::CaptionWarning},
    {MessageKind::Error, calcmsg::CaptionError},
    {MessageKind::Information, calcmsg::CaptionInformation},
    {MessageKind::Confirmation, calcmsg::CaptionConfirmation},
};

struct ButtonRow {
    MessageButton Button;
    std::string_view CaptionKey;
    ModalResult Result;
};
constexpr ButtonRow kButtons[] = {
    {MessageButton::Ok, calcmsg::ButtonOk, ModalResult::Ok},
    {MessageButton::Cancel, calcmsg::ButtonCancel, ModalResult::Cancel},
    {MessageButton::Yes, calcmsg::ButtonYes, ModalResult::Yes},
    {MessageButton::No, calcmsg::ButtonNo, ModalResult::No},
    {MessageButton::Abort, calcmsg::ButtonAbort, ModalResult::Abort},
    {MessageButton::Retry, calcmsg::ButtonRetry, ModalResult::Retry},
    {MessageButton::Ignore, calcmsg::ButtonIgnore, ModalResult::Ignore},
    {MessageButton::All, calcmsg::ButtonAll, ModalResult::All},
    {MessageButton::NoToAll, calcmsg::ButtonNoToAll, ModalResult::NoToAll},
    {MessageButton::YesToAll, calcmsg::ButtonYesToAll, ModalResult::YesToAll},
    {MessageButton::Help, calcmsg::ButtonHelp, ModalResult::None},
};

const ButtonRow& RowOf(MessageButton button) {
    for (const auto& row : kButtons) {
        if (row.Button == button) return row;
    }
    return kButtons[0];
}

// The line-break marks, the longer one first.
constexpr std::string_view kLineBreaks[] = {"%\\\\ ", "%\\ "};

}  // namespace

std::string FormatMessageText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        bool replaced = false;
        for (std::string_view mark : kLineBreaks) {
            if (text.substr(i, mark.size()) == mark) {
                out += '\n';
                i += mark.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

MessageBoxRequest PrepareMessageBox(std::string_view text, MessageKind kind, MessageButtons buttons,
                                    int helpContext, const CalculatorMessageTable& texts) {
    MessageBoxRequest request;
    request.Kind = kind;
    request.Buttons = buttons;
    request.HelpContext = helpContext;
    if (kind == MessageKind::Custom) {
        std::size_t bar = text.find('|');
        std::string_view caption = bar == std::string_view::npos ? "" : text.substr(0, bar);
        std::string_view message = bar == std::string_view::npos ? text : text.substr(bar + 1);
        request.Caption = " " + FormatMessageText(caption);
        request.Text = FormatMessageText(message);
        request.BoldText = true;
        return request;
    }
    for (const auto& row : kKinds) {
        if (row.Kind == kind) request.Caption = " " + texts.Text(row.CaptionKey);
    }
    request.Text = FormatMessageText(text);
    return request;
}

std::string_view ButtonCaption(MessageButton button, const CalculatorMessageTable& texts) {
    return texts.Text(RowOf(button).CaptionKey);
}

ModalResult ButtonResult(MessageButton button) {
    return RowOf(button).Result;
}

}  // namespace tarvix
