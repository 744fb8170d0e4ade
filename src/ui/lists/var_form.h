// TVarForm: the variable list window "Seznam proměnných", a tool window of the
// main window. Its grid VarStringGrid shows one row per variable (name, value,
// unit, description) from the calculator's VariableListModel; cells are edited
// in place in edit mode and applied back with "&Použít"; "O&dstranit" removes
// a variable and empties its vector; the vector submenus move the selected
// variable's vector through VarFormVectorPort; names holding a vector are
// bold; closing with unapplied edits asks first.
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "calculator/variable_list_model.h"
#include "ui/lists/vector_transfers.h"

class QMenu;
class QTableWidget;
class QTableWidgetItem;
class QToolBar;

namespace tarvix {

class Calculator;
class TextCatalog;
class TVarCellDelegate;

class TVarForm : public QWidget {
    Q_OBJECT

public:
    TVarForm(Calculator& calculator, TextCatalog& texts, QWidget* parent);
    ~TVarForm() override;

    // The main window's vectors; without a port the vector commands are off.
    void SetVectorPort(VarFormVectorPort* port);

    // The rows again from the variables ("&Obnovit"; the main window calls it
    // whenever it changes variables while the window is shown).
    void Refresh();
    // Sets the caption, the column titles and the commands' captions from the
    // text catalog again.
    void ApplyTexts();

    QTableWidget* VarStringGrid() const { return grid_; }
    QMenu* PopupMenu() const { return popupMenu_; }
    // A command by its component name, for example "PouzitItem".
    QAction* Action(std::string_view name) const;
    const VariableListModel& Model() const { return model_; }
    // Cells edited and not yet applied (an open editor that was typed into counts).
    bool Modified() const;
    bool EditMode() const { return editMode_; }

    // --- Commands
    void EditovatClick();
    void PouzitClick();
    void ObnovitClick();
    void OdstranitClick();
    void ZavritClick();
    void EscapePressed();  // closes the window, or drops the open edit
    void FourierovaAnalyzaClick();
    // An item of "&Import vektoru" or "&Export vektoru" for the selected row.
    void VectorTransferClick(const VectorTransferItem& item);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildActions();
    void BuildToolBar();
    void BuildPopupMenu();
    void Fill();
    void CellChanged(QTableWidgetItem* item);
    void SetEditMode(bool on);
    void RefreshCommands();
    QString Text(std::string_view key, std::string_view builtIn) const;
    // The selected row's name (empty on an empty row).
    std::string SelectedName() const;
    // The selected row's name when it holds a non-empty vector, else empty.
    std::string SelectedVectorName() const;

    Calculator& calculator_;
    TextCatalog& texts_;
    VarFormVectorPort* vectors_ = nullptr;
    VariableListModel model_;

    // --- Widgets
    QToolBar* toolBar_ = nullptr;
    QTableWidget* grid_ = nullptr;
    TVarCellDelegate* delegate_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QMenu* importMenu_ = nullptr;
    QMenu* exportMenu_ = nullptr;

    // --- Actions by component name, with the text keys of their captions
    struct ActionText {
        std::string Key;
        std::string BuiltIn;
    };
    std::map<std::string, QAction*, std::less<>> actions_;
    std::map<QAction*, ActionText> actionTexts_;

    // --- State
    bool editMode_ = false;
    bool filling_ = false;      // the grid is being filled: cell changes are not edits
    bool editorTyped_ = false;  // the open editor was typed into
};

}  // namespace tarvix
