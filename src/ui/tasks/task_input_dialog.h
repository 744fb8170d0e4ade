// The input box of the task statement INPUT: a prompt, a line with the
// default text, and the buttons OK, "Storno" and the help button (the help
// stays open beside the box).
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

namespace tarvix {

class CalculatorMessageTable;

class TTaskInputDialog : public QDialog {
    Q_OBJECT

public:
    TTaskInputDialog(const QString& caption, const QString& prompt, const QString& defaultText,
                     const CalculatorMessageTable& texts, QWidget* parent);

    QLineEdit* Edit() const { return edit_; }
    QString Text() const;

signals:
    void HelpRequested();

private:
    QLineEdit* edit_ = nullptr;
};

}  // namespace tarvix
