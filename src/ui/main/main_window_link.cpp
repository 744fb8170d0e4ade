// The tool windows' way to the main window's input line and mode panel.
#include "ui/main/main_window_link.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

#include "calculator/calculator.h"
#include "storage/text_catalog.h"
#include "ui/language/action_texts.h"

namespace tarvix {

QLineEdit* MainInputLine(const QWidget* toolWindow) {
    const QWidget* main = toolWindow->parentWidget();
    auto* combo = main ? main->findChild<QComboBox*>(QStringLiteral("ExprComboBox")) : nullptr;
    return combo ? combo->lineEdit() : nullptr;
}

QToolButton* MainModePanel(const QWidget* toolWindow) {
    const QWidget* main = toolWindow->parentWidget();
    return main ? main->findChild<QToolButton*>(QStringLiteral("ModePanel")) : nullptr;
}

void FocusMainInputLine(const QWidget* toolWindow) {
    QWidget* main = toolWindow->parentWidget();
    if (!main) return;
    main->raise();
    main->activateWindow();
    if (QLineEdit* input = MainInputLine(toolWindow)) input->setFocus(Qt::ShortcutFocusReason);
}

void AddToolWindowKeys(QWidget* toolWindow) {
    struct Key {
        QKeyCombination Keys;
        void (*Run)(QWidget*);
    };
    const Key keys[] = {
        {QKeyCombination(Qt::ControlModifier, Qt::Key_F4), [](QWidget* window) { window->hide(); }},
        {QKeyCombination(Qt::ControlModifier, Qt::Key_Q),
         [](QWidget* window) { FocusMainInputLine(window); }},
    };
    for (const Key& key : keys) {
        auto* action = new QAction(toolWindow);
        action->setShortcut(QKeySequence(key.Keys));
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, toolWindow,
                         [toolWindow, run = key.Run] { run(toolWindow); });
        toolWindow->addAction(action);
    }
}

void ShowInPreparation(Calculator& calculator, TextCatalog& texts) {
    calculator.ShowMessageBox(CatalogString(texts, texts::InPreparation), MessageKind::Information,
                              kOkButton, 0);
}

}  // namespace tarvix
