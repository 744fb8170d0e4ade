// THolidayListDialog: a plain editor of the holiday list, one holiday per
// line ("DD.MM.   description"), until the preferences dialog has its page.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace tarvix {

class TextCatalog;

class THolidayListDialog : public QDialog {
    Q_OBJECT

public:
    THolidayListDialog(const std::vector<std::string>& lines, TextCatalog& texts, QWidget* parent);
    // The lines as edited, empty lines left out.
    std::vector<std::string> Lines() const;
    QPlainTextEdit* Editor() const { return editor_; }

private:
    QPlainTextEdit* editor_ = nullptr;
};

}  // namespace tarvix
