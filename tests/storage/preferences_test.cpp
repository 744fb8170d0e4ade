// The preferences dialog's model: the values it shows, applying only after a
// change and in order, the scalar warning, the language step that keeps the
// dialog's VAT values and edited holidays; the autostart entry and the
// language list.
#include "storage/preferences.h"

#include <gtest/gtest.h>

#include "session_test_support.h"
#include "storage/autostart_entry.h"
#include "storage/language.h"

namespace tarvix::testing {
namespace {

class RecordingPort : public PreferencesPort {
public:
    explicit RecordingPort(Settings& values) : settings(&values) {}
    bool VarAsVector() const override { return vectorsOn; }
    bool VectorsExist() const override { return vectorsExist; }
    void ApplyVarAsVector(bool on) override {
        steps.push_back("vectors");
        vectorsOn = on;
        if (!on) vectorsExist = false;
    }
    void ApplyHistoryMode(HistoryMode) override { steps.push_back("history"); }
    void ApplyLanguage(const std::string& language) override {
        steps.push_back("language " + language);
        // Re-reading the language's settings brings its own VAT rate.
        settings->SetString("Localization", "VATRate", "20");
        holidays = {"1.1.", "25.12."};
    }
    std::vector<std::string> HolidayLines() const override {
        const std::vector<std::string>& list = settings->List("Holidays");
        return list.empty() ? holidays : list;
    }
    void ApplyAppearance() override { steps.push_back("appearance"); }
    void ApplyApplicationOptions() override { steps.push_back("application"); }
    bool SetStartAtLogin(bool on) override {
        steps.push_back(on ? "autostart on" : "autostart off");
        return startWorks;
    }
    void RefreshProgram() override { steps.push_back("refresh"); }

    Settings* settings;
    bool vectorsOn = true;
    bool vectorsExist = true;
    bool startWorks = true;
    std::vector<std::string> holidays{"1.1.", "1.5.", "28.10."};
    std::vector<std::string> steps;
};

class PreferencesTest : public CalculatorTest {
protected:
    HistoryLog history;
    Settings settings;
    RecordingPort port{settings};
    PreferencesModel model{calc, history, settings, port};
};

TEST_F(PreferencesTest, ShowsTheCurrentValuesAndAppliesNothingWithoutAChange) {
    CalculatorOptions options = calc.Options();
    options.AutoRegister = false;
    calc.SetOptions(options);
    calc.SetImaginaryUnit('j');
    settings.SetString("Localization", "VATRate", "21");
    PreferencesModel opened(calc, history, settings, port);
    EXPECT_FALSE(opened.Edited().AutoRegister);
    EXPECT_EQ(opened.Edited().ImaginaryUnit, 'j');
    EXPECT_EQ(opened.Edited().VatRate, "21");
    EXPECT_TRUE(opened.Edited().VarAsVector);
    EXPECT_EQ(opened.Edited().Holidays, port.holidays);
    EXPECT_FALSE(opened.ApplyEnabled());
    EXPECT_FALSE(opened.Apply());
    EXPECT_TRUE(port.steps.empty());
}

TEST_F(PreferencesTest, AppliesEveryTabInOrderThenDisablesApplying) {
    PrefValues values = model.Edited();
    values.AutoRegister = false;
    values.ImaginaryUnit = 'j';
    values.KeypadMode = FunctionMode::Eval;
    values.SpaceAsBrackets = false;
    values.VatRate = "19";
    values.VarAsVector = false;
    values.History.Mode = HistoryMode::Results;
    values.History.SaveHistory = true;
    values.CopyToClipboard = true;
    values.Language = "english";
    values.Display.RealColor = 0x123456;
    values.Display.HexPrefix = true;
    values.Holidays = {"6.7."};
    values.Application.RunMinimizedAtLogin = true;
    model.Edit(values);
    ASSERT_TRUE(model.ApplyEnabled());
    EXPECT_TRUE(model.Apply());
    EXPECT_EQ(port.steps, (std::vector<std::string>{"vectors", "history", "language ENGLISH",
                                                    "appearance", "autostart on", "application",
                                                    "refresh"}));
    EXPECT_FALSE(calc.Options().AutoRegister);
    EXPECT_FALSE(calc.Options().SpaceAsBrackets);
    EXPECT_TRUE(calc.Options().CopyResultToClipboard);
    EXPECT_EQ(calc.ImaginaryUnit(), 'j');
    EXPECT_EQ(calc.Switches().Mode, FunctionMode::Eval);
    EXPECT_TRUE(calc.Switches().Display.HexPrefixStyle);
    EXPECT_EQ(history.Options().Mode, HistoryMode::Results);
    EXPECT_TRUE(history.Options().SaveHistory);
    EXPECT_FALSE(port.vectorsOn);
    // The language's re-read VAT rate does not undo the dialog's.
    EXPECT_EQ(settings.String("Localization", "VATRate"), "19");
    EXPECT_EQ(settings.String("Localization", "Language"), "ENGLISH");
    EXPECT_EQ(settings.Integer("Display", "RColor"), 0x123456);
    EXPECT_EQ(settings.List("Holidays"), (std::vector<std::string>{"6.7."}));
    EXPECT_TRUE(settings.Bool("Application", "RunMinimizedOnWinStart"));
    EXPECT_FALSE(model.ApplyEnabled());
    port.steps.clear();
    EXPECT_FALSE(model.Apply());
    EXPECT_TRUE(port.steps.empty());
}

TEST_F(PreferencesTest, AnUneditedHolidayListFollowsTheNewLanguage) {
    PrefValues values = model.Edited();
    values.Language = "ENGLISH";
    model.Edit(values);
    model.Apply();
    EXPECT_TRUE(settings.List("Holidays").empty());
    EXPECT_EQ(model.Edited().Holidays, (std::vector<std::string>{"1.1.", "25.12."}));
}

TEST_F(PreferencesTest, ScalarsWarnOnlyWhileVectorsExist) {
    PrefValues values = model.Edited();
    values.VarAsVector = false;
    EXPECT_TRUE(model.ScalarsNeedWarning(values));
    port.vectorsExist = false;
    EXPECT_FALSE(model.ScalarsNeedWarning(values));
    port.vectorsExist = true;
    values.VarAsVector = true;
    EXPECT_FALSE(model.ScalarsNeedWarning(values));
}

TEST_F(PreferencesTest, AFailedAutostartEntryKeepsTheOldSetting) {
    port.startWorks = false;
    PrefValues values = model.Edited();
    values.Application.RunMinimizedAtLogin = true;
    model.Edit(values);
    model.Apply();
    EXPECT_FALSE(settings.Bool("Application", "RunMinimizedOnWinStart"));
    EXPECT_FALSE(model.Edited().Application.RunMinimizedAtLogin);
}

TEST(DisplayAppearanceTest, DefaultsAndRoundTrip) {
    const DisplayAppearance defaults = DefaultDisplayAppearance();
    EXPECT_EQ(defaults.RealFont.Name, "Term");
    EXPECT_EQ(defaults.RealFont.Size, 14);
    EXPECT_EQ(defaults.SwitchFontColor, 0x808080);
    Settings settings;
    DisplayAppearance changed = defaults;
    changed.ComplexFont = {"DejaVu Sans", 11, 3, 0xFF};
    changed.ComplexColor = 0xABCDEF;
    WriteDisplayAppearance(changed, settings);
    EXPECT_EQ(ReadDisplayAppearance(settings), changed);
}

TEST(AutostartEntryTest, WrittenAndRemovedInTheConfigFolder) {
    TempFolder folder;
    XdgEnvironment environment{(folder / "config").string(), {}, folder.path().string()};
    const std::filesystem::path entry = AutostartEntryPath(environment);
    EXPECT_EQ(entry, folder / "config" / "autostart" / "tarvix.desktop");
    EXPECT_FALSE(WriteAutostartEntry(entry, "/opt/my apps/tarvix"));
    const std::string text = ReadBytes(entry);
    EXPECT_NE(text.find("Exec=\"/opt/my apps/tarvix\" --minimized\n"), std::string::npos);
    EXPECT_TRUE(text.starts_with("[Desktop Entry]\nType=Application\n"));
    EXPECT_FALSE(RemoveAutostartEntry(entry));
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(RemoveAutostartEntry(entry));  // already gone
    // Without XDG_CONFIG_HOME: ~/.config.
    environment.configHome.clear();
    EXPECT_EQ(AutostartEntryPath(environment), folder / ".config" / "autostart" / "tarvix.desktop");
}

TEST(LanguageListTest, NamesFromBothFoldersWithCzechAlways) {
    EXPECT_EQ(LanguageNames({}), (std::vector<std::string>{"CZECH"}));
    TempFolder shipped;
    TempFolder user;
    WriteBytes(shipped / "English.lng", "");
    WriteBytes(shipped / "CZECH.lng", "");
    WriteBytes(shipped / "notes.txt", "");
    WriteBytes(user / "german.LNG", "");
    WriteBytes(user / "ENGLISH.lng", "");
    std::filesystem::create_directory(user / "dir.lng");
    EXPECT_EQ(LanguageNames({user.path(), shipped.path()}),
              (std::vector<std::string>{"CZECH", "ENGLISH", "GERMAN"}));
}

}  // namespace
}  // namespace tarvix::testing
