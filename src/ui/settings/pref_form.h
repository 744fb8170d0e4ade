// TPrefForm: the preferences dialog "Nastavení" with six tabs. Every control
// edits one value of PreferencesModel; any change enables "Použít", which
// (like "OK", which also closes) applies the values only while it is
// enabled. "Storno" closes without applying; "Nápověda" asks for help.
#pragma once

#include <QDialog>
#include <QFont>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "storage/preferences.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tarvix {

class TextCatalog;

class TPrefForm : public QDialog {
    Q_OBJECT

public:
    // `languages` is the language list; `trayAvailable` whether the desktop
    // has a notification area.
    TPrefForm(PreferencesModel& model, Calculator& calculator, HistoryLog& history,
              TextCatalog& texts, std::vector<std::string> languages, bool trayAvailable,
              QWidget* parent);

    PreferencesModel& Model() { return model_; }
    QTabWidget* Tabs() const { return tabs_; }
    QPushButton* ApplyButton() const { return applyButton_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }
    QPushButton* HelpButton() const { return helpButton_; }

    // The values the controls show.
    PrefValues ControlValues() const;
    // "Použít".
    void ApplyClick();

    using FontChooser = std::function<std::optional<QFont>(const QFont&)>;
    using ColorChooser = std::function<std::optional<QColor>(const QColor&)>;
    void SetChoosers(FontChooser font, ColorChooser color);

signals:
    void HelpRequested();

private:
    QWidget* BuildVariablesTab();
    QWidget* BuildFunctionsTab();
    QWidget* BuildHistoryTab();
    QWidget* BuildLanguageTab(bool trayAvailable);
    QWidget* BuildAppearanceTab();
    QWidget* BuildHolidaysTab();
    void ShowValues(const PrefValues& values);
    void ShowSamples();
    void Changed();
    void ScalarsChosen(bool on);
    void ChooseFont(FontSetting& font);
    void ChooseColor(std::int64_t& color);
    QString Text(std::string_view key, std::string_view builtIn) const;
    QCheckBox* NewCheck(const char* name, std::string_view key, std::string_view caption);
    QRadioButton* NewRadio(const char* name, std::string_view key, std::string_view caption);
    QLineEdit* NewEdit(const char* name);

    PreferencesModel& model_;
    Calculator& calculator_;
    HistoryLog& history_;
    TextCatalog& texts_;
    std::vector<std::string> languages_;
    DisplayAppearance display_;  // the appearance the samples show
    bool showing_ = false;       // controls are being filled: no change
    FontChooser fontChooser_;
    ColorChooser colorChooser_;

    QTabWidget* tabs_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    // "Proměnné"
    QCheckBox* autoRegister_ = nullptr;
    QCheckBox* numberInsteadAns_ = nullptr;
    QComboBox* imaginaryUnit_ = nullptr;
    QRadioButton* scalars_ = nullptr;
    QRadioButton* vectors_ = nullptr;
    // "Funkce"
    QRadioButton* fnInsert_ = nullptr;
    QRadioButton* fnEval_ = nullptr;
    QCheckBox* enterAppends_ = nullptr;
    QRadioButton* spaceStandard_ = nullptr;
    QRadioButton* spaceBrackets_ = nullptr;
    QLineEdit* vatRate_ = nullptr;
    QLineEdit* reducedVat_ = nullptr;
    QLineEdit* basisRound_ = nullptr;
    QLineEdit* totalRound_ = nullptr;
    QCheckBox* askClear_ = nullptr;
    QCheckBox* askReset_ = nullptr;
    // "Historie"
    QCheckBox* saveHistory_ = nullptr;
    QCheckBox* clearOnStart_ = nullptr;
    QRadioButton* modeButtons_[3] = {};
    QCheckBox* copyToClipboard_ = nullptr;
    QCheckBox* adjustWidth_ = nullptr;
    // "Jazyk"
    QLabel* languageLabel_ = nullptr;
    QListWidget* languageList_ = nullptr;
    QCheckBox* trayIcon_ = nullptr;
    QCheckBox* minimizeToTray_ = nullptr;
    QCheckBox* numLock_ = nullptr;
    QCheckBox* startAtLogin_ = nullptr;
    // "Vzhled"
    QLabel* realSample_ = nullptr;
    QLabel* complexSample_ = nullptr;
    QLabel* switchSample_ = nullptr;
    QRadioButton* hexSuffix_ = nullptr;
    QRadioButton* hexPrefix_ = nullptr;
    // "Svátky"
    QPlainTextEdit* holidays_ = nullptr;
};

}  // namespace tarvix
