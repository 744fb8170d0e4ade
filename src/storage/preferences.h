// PreferencesModel: the preferences dialog without a window. It reads the
// current options of the whole program into PrefValues when the dialog opens,
// keeps the values the controls show, and applies them to the running program
// in a fixed order, only after a change. What lives outside the storage layer
// (vectors, the language, the display, the notification area, the autostart
// entry, an open history window) is reached through PreferencesPort.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calculator/calculator.h"
#include "storage/history_log.h"
#include "storage/settings_store.h"

namespace tarvix {

// A font as the settings keep it.
struct FontSetting {
    std::string Name;
    int Size = 0;
    int Style = 0;           // bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    std::int64_t Color = 0;  // settings_color.h
    friend bool operator==(const FontSetting&, const FontSetting&) = default;
};

// The display's appearance (tab "Vzhled").
struct DisplayAppearance {
    std::int64_t RealColor = 0;     // background in the real domain
    std::int64_t ComplexColor = 0;  // background in the complex domain
    FontSetting RealFont;
    FontSetting ComplexFont;
    std::int64_t SwitchFontColor = 0;
    bool HexPrefix = false;  // "0xAB12" instead of "0AB12h"
    friend bool operator==(const DisplayAppearance&, const DisplayAppearance&) = default;
};

DisplayAppearance ReadDisplayAppearance(const Settings& settings);
void WriteDisplayAppearance(const DisplayAppearance& appearance, Settings& settings);
// The built-in appearance ("&Obnovit").
DisplayAppearance DefaultDisplayAppearance();

// The notification-area and session options (tab "Jazyk", group "Aplikace").
struct ApplicationOptions {
    bool ShowTrayIcon = true;
    bool MinimizeToTray = true;
    bool ActivateByNumLock = true;
    bool RunMinimizedAtLogin = false;
    friend bool operator==(const ApplicationOptions&, const ApplicationOptions&) = default;
};

ApplicationOptions ReadApplicationOptions(const Settings& settings);
void WriteApplicationOptions(const ApplicationOptions& options, Settings& settings);

inline bool operator==(const HistoryOptions& a, const HistoryOptions& b) {
    return a.SaveHistory == b.SaveHistory && a.ClearOnStart == b.ClearOnStart && a.Mode == b.Mode &&
           a.AdjustWindowWidth == b.AdjustWindowWidth;
}

struct PrefValues {
    // "Proměnné"
    bool AutoRegister = true;
    bool NumberInsteadAns = true;
    char ImaginaryUnit = 'i';
    bool VarAsVector = false;
    // "Funkce"
    FunctionMode KeypadMode = FunctionMode::Insert;
    bool EnterAppendsData = false;
    bool SpaceAsBrackets = true;
    std::string VatRate;
    std::string ReducedVatRate;
    std::string BasisRoundUnit;
    std::string TotalRoundUnit;
    bool AskForClear = true;
    bool AskForReset = true;
    // "Historie"
    HistoryOptions History;
    bool CopyToClipboard = false;
    // "Jazyk"
    std::string Language;
    ApplicationOptions Application;
    // "Vzhled"
    DisplayAppearance Display;
    // "Svátky": the lines of the holiday list as the text box shows them.
    std::vector<std::string> Holidays;

    friend bool operator==(const PrefValues&, const PrefValues&) = default;
};

// The program's parts the dialog changes that the storage layer does not own.
class PreferencesPort {
public:
    virtual ~PreferencesPort() = default;
    // Whether variables may hold vectors now, and whether any holds one.
    virtual bool VarAsVector() const = 0;
    virtual bool VectorsExist() const = 0;
    // Variables as vectors on or off; off clears every vector.
    virtual void ApplyVarAsVector(bool on) = 0;
    // The recording mode changed: an open history window presses its button.
    virtual void ApplyHistoryMode(HistoryMode mode) = 0;
    // The language word is set in the settings already: the language file,
    // the tips, the help and every caption are applied again.
    virtual void ApplyLanguage(const std::string& language) = 0;
    // The holiday list of the language (the list shown when the settings hold none).
    virtual std::vector<std::string> HolidayLines() const = 0;
    // The display's colours, fonts and hexadecimal form from the settings.
    virtual void ApplyAppearance() = 0;
    // The notification-area options from the settings.
    virtual void ApplyApplicationOptions() = 0;
    // Adds or removes the entry that starts the program at login; false when
    // it could not be written (the port has shown why).
    virtual bool SetStartAtLogin(bool on) = 0;
    // Menu items, indicators and buttons show the applied options.
    virtual void RefreshProgram() = 0;
};

class PreferencesModel {
public:
    PreferencesModel(Calculator& calculator, HistoryLog& history, Settings& settings,
                     PreferencesPort& port);

    // The program's current values (what the dialog shows when it opens).
    PrefValues Current() const;
    // The values the controls show; Edit enables applying.
    const PrefValues& Edited() const { return edited_; }
    void Edit(const PrefValues& values);
    bool ApplyEnabled() const { return applyEnabled_; }

    // Choosing scalars while vectors exist asks first (the vectors will be lost).
    bool ScalarsNeedWarning(const PrefValues& values) const;

    // "Použít": applies every value when applying is enabled, in order:
    // options, vectors, history, language, appearance, holidays, application
    // options; then applying is disabled. Returns whether anything was applied.
    bool Apply();

private:
    Calculator& calculator_;
    HistoryLog& history_;
    Settings& settings_;
    PreferencesPort& port_;
    PrefValues shown_;   // the values at opening or at the last apply
    PrefValues edited_;  // the values of the controls
    bool applyEnabled_ = false;
};

}  // namespace tarvix
