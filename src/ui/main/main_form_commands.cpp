// The main window's own commands: the calculate and tool buttons, the
// variable and function panels, clear and reset, the options of the menus,
// the compact layout, the about box, help and exit.
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLayout>
#include <QStatusBar>
#include <QToolBar>

#include "ui/chart/chart_link.h"
#include "ui/lists/function_list_form.h"
#include "ui/lists/var_form.h"
#include "ui/main/main_form.h"
#include "ui/shell/about_box.h"

namespace tarvix {

// --- Commands

void TMainForm::VypocetButtonClick() {
    // While a series runs the button reads "Stop".
    if (series_->Running()) return StopSpeedButtonClick();
    Perform([this] { calculator_.Calculate(); });
}

void TMainForm::VypocetSpeedButtonClick() {
    if (series_->Running()) return StopSpeedButtonClick();
    const bool hex = QApplication::keyboardModifiers() & Qt::ShiftModifier;
    Perform([this, hex] {
        if (hex) {
            calculator_.CalculateShowingHex();
        } else {
            calculator_.Calculate();
        }
    });
}

void TMainForm::KopirujClick() {
    calculator_.CopyDisplayToClipboard();
}

void TMainForm::VyrazSpeedButtonClick() {
    if (widgets_.ExprComboBox->count() > 0) widgets_.ExprComboBox->showPopup();
    widgets_.ExprComboBox->setFocus();
}

void TMainForm::PromennePanelClick() {
    Perform([this] {
        if (!varForm_) {
            varForm_ = new TVarForm(calculator_, texts_, this);
            varForm_->SetVectorPort(this);
        }
        varForm_->show();
        varForm_->raise();
        varForm_->activateWindow();
    });
}

void TMainForm::FunkceSpeedButtonClick() {
    setUpdatesEnabled(false);
    if (funcForm_ && funcForm_->isVisible()) {
        funcForm_->close();
    } else {
        if (!funcForm_) funcForm_ = new TFuncForm(calculator_, texts_, this);
        funcForm_->show();
        funcForm_->raise();
    }
    setUpdatesEnabled(true);
    RefreshActions();
}

void TMainForm::ClearPanelClick() {
    Perform([this] { calculator_.Clear(true); });
}

void TMainForm::ResetSpeedButtonClick() {
    Perform([this] { calculator_.Reset(true); });
    // The reset of variables clears the small chart.
    if (chart_ && chart_->Image()) chart_->Image()->Clear();
}

void TMainForm::PromenneZmenitNazevItemClick() {
    Perform([this] { calculator_.ToggleRenaming(); });
}

void TMainForm::AutoRegisterClick() {
    CalculatorOptions options = calculator_.Options();
    options.AutoRegister = !options.AutoRegister;
    calculator_.SetOptions(options);
    RefreshActions();
}

void TMainForm::NumberInsteadAnsClick() {
    CalculatorOptions options = calculator_.Options();
    options.UseNumberInsteadOfAns = !options.UseNumberInsteadOfAns;
    calculator_.SetOptions(options);
    RefreshActions();
}

void TMainForm::EnterInsertsDataClick() {
    CalculatorOptions options = calculator_.Options();
    options.EnterInsertsData = !options.EnterInsertsData;
    calculator_.SetOptions(options);
    RefreshActions();
}

void TMainForm::StayOnTopClick() {
    const bool onTop = !(windowFlags() & Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    show();
    RefreshActions();
}

void TMainForm::MiniWindowClick() {
    SetCompactLayout(!compact_);
}

void TMainForm::SetCompactLayout(bool compact) {
    compact_ = compact;
    widgets_.ToolBar->setVisible(!compact);
    widgets_.SideButtons->setVisible(!compact);
    widgets_.LowerArea->setVisible(!compact);
    RefreshActions();
    // Let the layouts settle, then take the smallest size that fits.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    resize(minimumSizeHint().expandedTo(QSize(0, 0)));
    adjustSize();
}

void TMainForm::KeepStatusBarReadable() {
    // The status bar's own size hint does not hold the window open, its
    // least width does: the window is never narrower than the panels side
    // by side (with the size grip).
    const QLayout* layout = statusBar()->layout();
    const int margins = statusBar()->contentsMargins().left() +
                        statusBar()->contentsMargins().right() +
                        4 * (layout ? qMax(layout->spacing(), 0) + 3 : 3);
    const int grip = statusBar()->isSizeGripEnabled() ? statusBar()->height() : 0;
    statusBar()->setMinimumWidth(widgets_.CommandPanels->sizeHint().width() +
                                 widgets_.SwitchesPanel->sizeHint().width() + margins + grip);
}

void TMainForm::AboutClick() {
    ShowAboutBox(this, texts_);
}

void TMainForm::HelpTopicClick() {
    ShowHelpTopic(kShortcutHelpContext);
}

void TMainForm::ExitClick() {
    close();
}

}  // namespace tarvix
