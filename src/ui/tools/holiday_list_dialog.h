// THolidayListDialog: a plain editor of the holiday list, one holiday per
// line ("DD.MM.   description"), until the preferences dialog has its page.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvix {

class TextCatalog;

class THolidayListDialog : public QDialog {
    Q_OBJECT

public:
    THolidayListDialog(const std::vector<std::string>& lines, TextCatalog& texts, QWidget* parent);
    // The lines as edited, empty lines left out.
    std::vector<std::string> Lines() const;
    QPlainTextEdit* Editor() const { return editor_; }
    // Sets the title, the prompt and the buttons' captions again from the
    // text catalog (also on a language change).
    Q_INVOKABLE void ApplyTexts();

private:
    TextCatalog& texts_;
    QLabel* prompt_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace tarvix
