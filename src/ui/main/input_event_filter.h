// The keys of the input line and the register boxes, which share one
// handler: Enter calculates, Shift/Ctrl+Space switches the blank-as-brackets
// option, Ctrl+Shift+Insert copies the display, Page Up/Down do nothing in
// the boxes, Ctrl+Up/Down move the focus, Ctrl+Shift+F makes the box bold,
// "#" opens the constants menu, and every other typed character goes through
// the calculator's typing rules (character sequences, a result continued by
// an operator, the blank typed as "()") before it reaches the box.
#pragma once

#include <QObject>
#include <map>

#include "calculator/registers.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace tarvix {

class Calculator;

// What the keys ask of the window.
class InputKeyTarget {
public:
    virtual ~InputKeyTarget() = default;
    virtual void CalculateFromBox() = 0;
    virtual void OpenConstantsMenu() = 0;
    virtual void ToggleSpaceAsBrackets() = 0;
    virtual void CopyDisplayText() = 0;
    // The calculator took a typed character into a box (labels may follow it).
    virtual void BoxTyped(BoxId box) = 0;
};

class TInputEventFilter : public QObject {
    Q_OBJECT

public:
    TInputEventFilter(Calculator& calculator, InputKeyTarget& target, QObject* parent = nullptr);
    // The box's line edit gets its keys directly in tests and through its
    // combo box (the focus widget) on the desktop: both are watched.
    void Watch(QComboBox* combo, BoxId box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool KeyPress(QLineEdit* edit, BoxId box, QKeyEvent* event);
    void TypeCharacter(QLineEdit* edit, BoxId box, char typed);

    Calculator& calculator_;
    InputKeyTarget& target_;
    struct Watched {
        QLineEdit* Edit;
        BoxId Box;
    };
    std::map<QObject*, Watched> boxes_;
};

}  // namespace tarvix
