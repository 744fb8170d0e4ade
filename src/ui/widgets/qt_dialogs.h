// The dialogs port of the calculator as Qt dialogs: the message box of every
// window (kind, caption, buttons with their replaceable captions, line
// breaks, bold custom text, help button) and the one-line text question.
// A hook can answer instead of the dialogs, so tests and the screenshot mode
// never block on a modal window.
#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "calculator/calculator_ports.h"
#include "calculator/message_box.h"

class QAbstractButton;

namespace tarvix {

// One message box; exec() returns after a button other than help was pressed
// (or Esc / closing the window), Result() tells which.
class TMessageDialog : public QDialog {
    Q_OBJECT

public:
    TMessageDialog(const MessageBoxRequest& request, const CalculatorMessageTable& texts,
                   QWidget* parent = nullptr);

    ModalResult Result() const { return result_; }
    // The button of a kind, or nullptr when the box has none.
    QAbstractButton* Button(MessageButton button) const;

signals:
    // The help button: the box stays open.
    void HelpRequested(int helpContext);

protected:
    void reject() override;

private:
    void Press(MessageButton button);

    MessageBoxRequest request_;
    std::map<MessageButton, QAbstractButton*> buttons_;
    ModalResult result_ = ModalResult::None;
};

class QtDialogs : public DialogsPort {
public:
    QtDialogs(const CalculatorMessageTable& texts, QWidget* parent);

    // Answers message boxes instead of showing them (nullptr: show again).
    using MessageHook = std::function<ModalResult(const MessageBoxRequest&)>;
    void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
    // Answers text questions instead of showing them.
    using TextHook = std::function<std::optional<std::string>(
        std::string_view caption, std::string_view prompt, std::string_view defaultText)>;
    void SetTextHook(TextHook hook) { textHook_ = std::move(hook); }
    // What the help button of a message box opens.
    void SetHelpHandler(std::function<void(int)> handler) { helpHandler_ = std::move(handler); }

    ModalResult ShowMessage(const MessageBoxRequest& request) override;
    std::optional<std::string> AskText(std::string_view caption, std::string_view prompt,
                                       std::string_view defaultText) override;

private:
    const CalculatorMessageTable& texts_;
    QWidget* parent_;
    MessageHook messageHook_;
    TextHook textHook_;
    std::function<void(int)> helpHandler_;
};

}  // namespace tarvix
