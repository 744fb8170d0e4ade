// TMainFormTools: what the main window keeps for its tools: the conversion
// window's state (kept for the program run) and window, the user constants
// window, the constants menu, the VAT mode, and a key watcher that inserts a
// user constant when its shortcut is pressed in the main window and
// remembers the input line's selection when it loses the focus.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "tools/tool_messages.h"
#include "tools/unit_conversion_model.h"
#include "tools/vat_mode.h"

class QActionGroup;
class QMenu;

namespace tarvix {

class TConstForm;
class TConvForm;
class TMainForm;

// The hint of the constants button after a built-in constant was chosen:
// its menu caption from the 4th character up to the ":", then ": " and the
// value; `fallback` when the caption has no ":".
QString ConstPanelHint(const QString& caption, const QString& value, const QString& fallback);

class TMainFormTools : public QObject {
    Q_OBJECT

public:
    explicit TMainFormTools(TMainForm& form);
    // The windows refer to the calculator: they go with the tools.
    ~TMainFormTools() override;

    UnitConversionModel Conversion;
    QPointer<TConvForm> ConvForm;
    QPointer<TConstForm> ConstForm;
    QMenu* ConstPopupMenu = nullptr;
    QActionGroup* ConstGroup = nullptr;
    VatMode Vat;
    ToolMessageTable Messages;
    // The input line's selection (or caret, with length 0) when it last lost the focus.
    int InputSelectionStart = 0;
    int InputSelectionLength = 0;
    void RememberInputSelection();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TMainForm& form_;
};

}  // namespace tarvix
