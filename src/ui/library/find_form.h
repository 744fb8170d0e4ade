// TFindForm: the library's text search window "Hledání textu", modal, bound
// to LibraryFind. The search box with the earlier search texts (shared with
// the main window's settings), the toggles of the scope, the hit grid
// (category and comment; the row index hidden), a status bar with the number
// of hits and the path of the selected hit's category. Selecting a hit takes
// the library window there; a double click, Enter in the grid or "Jít k
// nalezené položce" also closes the window.
#pragma once

#include <QDialog>
#include <functional>

#include "tasks/library_search.h"
#include "tasks/library_settings.h"

class QComboBox;
class QLabel;
class QStatusBar;
class QTableWidget;
class QToolButton;

namespace tarvix {

class LibraryModel;
class Settings;
class TextCatalog;

struct FindFormServices {
    LibraryModel& Library;
    TextCatalog& Texts;
    // The main window's settings: the placement and the search texts.
    Settings& Values;
    // The library window shows the library's selection (a hit was gone to).
    std::function<void()> ShowHit;
};

class TFindForm : public QDialog {
    Q_OBJECT

public:
    TFindForm(FindFormServices services, QWidget* parent);
    ~TFindForm() override;

    LibraryFind& Model() { return find_; }
    QComboBox* ComboBox() const { return combo_; }
    QTableWidget* StringGrid() const { return grid_; }
    QToolButton* Button(const char* name) const;
    // Panel 0: the number of hits; panel 1: the selected hit's category path.
    QString StatusText(int panel) const;

    // Sets every caption again from the text catalog.
    void ApplyTexts();

    // --- Commands
    void ComboBoxChange();
    void CategToolButtonClick();
    void FindToolButtonClick();
    // Goes to the selected hit and closes the window.
    void SelectToolButtonClick();
    // Goes to the selected hit; the window stays.
    void StringGridSelectCell(int row);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Text(std::string_view key, std::string_view builtIn) const;
    void Build();
    void ShowHits();
    void RefreshCommands();
    void GoToCurrent();
    void StorePlacement();

    FindFormServices services_;
    LibraryFind find_;
    FindFormSettings placement_;
    bool placementApplied_ = false;
    bool filling_ = false;

    QComboBox* combo_ = nullptr;
    QToolButton* categButton_ = nullptr;
    QToolButton* commentButton_ = nullptr;
    QToolButton* subCategButton_ = nullptr;
    QToolButton* findButton_ = nullptr;
    QToolButton* selectButton_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* countPanel_ = nullptr;
    QLabel* pathPanel_ = nullptr;
};

}  // namespace tarvix
