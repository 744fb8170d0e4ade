// TMainForm: the calculator's main window (input line, display, calculate button).
#pragma once

#include <QMainWindow>
#include <functional>

#include "engine/parser.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tarvix {

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // Shows an error; tests replace it to answer without a modal dialog.
    using ErrorReporter = std::function<void(const QString& message)>;
    void SetErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    QComboBox* ExprComboBox() const { return exprComboBox_; }
    QLabel* StaticTextDisplay() const { return staticTextDisplay_; }
    QPushButton* VypocetButton() const { return vypocetButton_; }

private slots:
    void VypocetButtonClick();

private:
    TParser parser1_;
    QComboBox* exprComboBox_ = nullptr;
    QLabel* staticTextDisplay_ = nullptr;
    QPushButton* vypocetButton_ = nullptr;
    ErrorReporter reportError_;
};

}  // namespace tarvix
