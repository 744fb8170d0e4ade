// TConstForm: the user constants window "Uživatelské konstanty". Its grid
// StringGrid shows one row per constant (name, shortcut, value); in edit mode
// the cells are editable and a key pressed in the shortcut column becomes the
// row's shortcut. The list is stored back whenever the window closes or loses
// the activation; "&Použít ve výrazu" puts a value into the main input line.
#pragma once

#include <QWidget>
#include <string_view>

#include "tools/constants_table.h"

class QMenu;
class QTableWidget;
class QTableWidgetItem;

namespace tarvix {

class TMainForm;

class TConstForm : public QWidget {
    Q_OBJECT

public:
    TConstForm(TMainForm& main, QWidget* parent);

    QTableWidget* StringGrid() const { return grid_; }
    QMenu* PopupMenu() const { return popupMenu_; }
    QAction* Action(std::string_view name) const;
    const UserConstGrid& Model() const { return model_; }

    void EditovatClick();
    void VlozitClick();
    void PridatClick();
    void OdstranitClick();
    void PouzitVeVyrazuClick();
    // Sets the title, the column headers and the menu's captions again from
    // the text catalog (also on a language change).
    Q_INVOKABLE void ApplyTexts();
    // The list rebuilt from the rows goes to the main window's settings.
    void Store();

    // The shortcut text of a key press (modifiers and key), or empty when the
    // key is not taken as a shortcut.
    static QString ShortcutText(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Text(std::string_view key, std::string_view builtIn) const;
    void Fill();
    void RefreshMode();
    void CellChanged(QTableWidgetItem* item);

    TMainForm& main_;
    UserConstGrid model_;
    QTableWidget* grid_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    bool filling_ = false;
};

}  // namespace tarvix
