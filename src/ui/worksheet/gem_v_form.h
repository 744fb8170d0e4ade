// TGemVForm: the variant window "Variantní výpočty soustavy rovnic" bound to
// the VariantComputation model. The left grid holds one right-hand side per
// column ("V1"…), the right grid the solutions ("R1"…); the count control
// adds or removes columns; "Spustit výpočet" (F2) re-solves every variant
// with the worksheet's LU factors, "Přerušit" (F9) stops between variants.
// The variant file opens and saves through the model; the solutions can be
// copied to the clipboard.
#pragma once

#include <QMainWindow>
#include <array>

#include "matrix/variant_computation.h"
#include "storage/data_file_commands.h"
#include "storage/worksheet_settings.h"

class QLabel;
class QMenu;
class QSpinBox;
class QSplitter;
class QTableView;
class QToolBar;

namespace tarvix {

class TextCatalog;
class WorksheetGridModel;

class TGemVForm : public QMainWindow, private WorksheetView {
    Q_OBJECT

public:
    TGemVForm(Worksheet& sheet, DialogsPort& dialogs, TextCatalog& texts, FileChoicePort& files,
              QWidget* parent, GemVFormPlacement* placement = nullptr);
    ~TGemVForm() override;

    VariantComputation& Model() { return variants_; }
    QTableView* LStringGrid() const { return leftView_; }
    QTableView* RStringGrid() const { return rightView_; }
    QSpinBox* ColCountEdit() const { return countEdit_; }
    QString StatusText(int panel) const;
    QAction* Action(std::string_view name) const;

    void RunClick();
    void StopClick();
    bool OpenFile(const QString& path);
    bool SaveFile(const QString& path);
    // The solutions, trimmed, rows by lines (CR LF) and columns by tabs, to
    // the clipboard.
    void CopyClick();
    // The solutions as a text file (rows by lines, columns by tabs); the
    // variant file's name stays. False after a message.
    bool SaveSolutions(const QString& path);
    // The solutions grid with its headers to the desktop's spreadsheet
    // program, the sheet named after the variant file.
    void ExportClick();
    // Sets the title, menus, captions, hints and the status of the last run
    // again from the texts of the language (also on a language change).
    Q_INVOKABLE void ApplyTexts();
    // Hands the placement back to the values it was created from.
    void StorePlacement();

signals:
    // The worksheet's grids were changed (a variant file, a run).
    void WorksheetChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QString Text(std::string_view key, std::string_view builtIn) const;
    QAction* NewAction(std::string_view name, std::string_view caption,
                       std::function<void()> command, std::string_view shortcut = {});
    FileDialogRequest FileRequest(std::string_view caption) const;
    void ApplyWidths();
    // The caption, with the name of the variant file opened last.
    void RefreshTitle();
    void RestorePlacement();

    // WorksheetView
    void SetStatus(int panel, std::string_view text) override;
    void Refresh() override;

    Worksheet& sheet_;
    DialogsPort& dialogs_;
    TextCatalog& texts_;
    FileChoicePort& files_;
    VariantComputation variants_;
    struct NamedAction {
        QAction* Action = nullptr;
        std::string_view Caption;  // the built-in caption
    };
    std::map<std::string, NamedAction, std::less<>> actions_;
    std::array<QMenu*, 4> menus_{};
    QToolBar* toolBar_ = nullptr;
    std::array<QLabel*, 3> spinLabels_{};
    QTableView* leftView_ = nullptr;
    QTableView* rightView_ = nullptr;
    WorksheetGridModel* leftModel_ = nullptr;
    WorksheetGridModel* rightModel_ = nullptr;
    QSpinBox* countEdit_ = nullptr;
    QSpinBox* leftWidthEdit_ = nullptr;
    QSpinBox* rightWidthEdit_ = nullptr;
    QLabel* panels_[3] = {};
    bool running_ = false;
    QSplitter* split_ = nullptr;
    GemVFormPlacement* placement_ = nullptr;
    bool placementApplied_ = false;
    // The variant file last opened or saved; empty before.
    std::string fileName_;
    // The variant file last opened (named in the title); empty before.
    std::string openedFile_;
};

}  // namespace tarvix
