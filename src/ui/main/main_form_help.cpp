// The main window's way into the help: the help link (help window, language,
// F1 in every window) and the commands that open a help page.
#include "storage/default_language.h"
#include "ui/help/help_link.h"
#include "ui/main/main_form.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {

void TMainForm::BuildHelp() {
    help_ = new THelpLink(texts_, this, [this](const std::string& text) {
        calculator_.ShowMessageBox(text, MessageKind::Error, kCancelButton, 0);
    });
    // The default language until the settings name one (LoadSession).
    help_->SetLanguage(ToQ(DefaultLanguage(SystemLocaleName(), session_->Paths().LanguageFolder)));
}

void TMainForm::ShowHelpTopic(int context) {
    help_->ShowContext(context);
}

void TMainForm::ShowHelpForKeyword(const QString& word) {
    help_->ShowKeyword(word);
}

void TMainForm::ShowHelpText(const QString& topic) {
    help_->ShowTopicText(topic);
}

void TMainForm::HelpContentsClick() {
    help_->ShowContents();
}

}  // namespace tarvix
