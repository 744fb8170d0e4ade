// One run after another: what the user changed (modes, registers, variables,
// expressions, sequences, descriptions, options, history, document) is back
// after a restart; the files live in the XDG folders (set to a private folder
// here); a garbage value loads everything else; an unreadable settings file
// is never overwritten.
#include "storage/calculator_session.h"

#include <gtest/gtest.h>

#include <sstream>

#include "session_test_support.h"
#include "storage/profile_file_io.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

class CalculatorSessionTest : public testing::WorkingStateTest {
protected:
    CalculatorSessionTest() {
        environment.Set("XDG_CONFIG_HOME", (folder / "config").string());
        environment.Set("XDG_DATA_HOME", (folder / "data").string());
        environment.Set("HOME", (folder / "home").string());
        environment.Set("LC_ALL", "cs_CZ.UTF-8");
    }

    SessionPaths Paths() const {
        return SessionPaths::FromEnvironment(XdgEnvironment::FromProcess(), folder / "lang");
    }

    fs::path SettingsPath() const { return folder / "config" / "tarvix" / "tarvix.ini"; }

    testing::ScopedEnvironment environment;
    TextCatalog texts;
};

TEST_F(CalculatorSessionTest, PathsFollowTheXdgFolders) {
    const SessionPaths paths = Paths();
    EXPECT_EQ(paths.SettingsFile, SettingsPath());
    EXPECT_EQ(paths.HistoryFile, folder / "data" / "tarvix" / "tarvix.log");
    EXPECT_EQ(paths.DocumentsFolder, folder / "home");
}

TEST_F(CalculatorSessionTest, EverythingIsBackAfterARestart) {
    {
        CalculatorSession session(calc, texts, Paths());
        std::ostringstream warnings;
        EXPECT_EQ(session.Load(warnings), 0) << warnings.str();
        EXPECT_EQ(session.Values().String("Localization", "Language"), "CZECH");
        // A first start, without a settings file, is in degrees.
        EXPECT_EQ(calc.AngleUnits(), auDeg);
        EXPECT_FALSE(fs::exists(SettingsPath()));

        calc.SetAngleUnits(auGrad);
        calc.SetNumericalScope(nsComplex);
        calc.SetImaginaryUnit('j');
        SetOption(&CalculatorOptions::AskForReset, false);
        ModeSwitches& modes = calc.Switches();
        modes.Display.Format = NumberFormat::Fix;
        modes.Display.RoundingOn = true;
        modes.Display.Digits = 5;
        calc.SetRegisterLabel(BoxId::B, "len");
        calc.SetRegisterBox(BoxId::B, "4,5");
        Shown("w=1+2j");
        Shown("u=0.25");
        calc.Sequences().Define('=', ';');
        calc.VarInfos().Set("len", "délka [m]");
        calc.SetInputText("w*len");
        HistoryOptions history = session.History().Options();
        history.Mode = HistoryMode::Results;
        history.SaveHistory = true;
        session.History().SetOptions(history);
        session.History().Window().Width = 321;
        session.Document().FileName = "work.fx";
        session.Document().Folder = folder / "docs";
        session.Values().SetInteger("GrForm", "Width", 640);  // another window's placement

        ASSERT_TRUE(session.Save({true, false}, warnings)) << warnings.str();
        EXPECT_TRUE(warnings.str().empty()) << warnings.str();
    }
    ASSERT_TRUE(fs::exists(SettingsPath()));

    EngineModes.ImaginaryUnitChar = 'i';
    Calculator next;
    CalculatorSession session(next, texts, Paths());
    std::ostringstream warnings;
    EXPECT_EQ(session.Load(warnings), 0) << warnings.str();
    EXPECT_EQ(next.AngleUnits(), auGrad);
    EXPECT_EQ(next.NumericalScope(), nsComplex);
    EXPECT_EQ(next.ImaginaryUnit(), 'j');
    EXPECT_EQ(next.Display().Format, NumberFormat::Fix);
    EXPECT_TRUE(next.Display().RoundingOn);
    EXPECT_EQ(next.Display().Digits, 5);
    EXPECT_FALSE(next.Options().AskForReset);
    EXPECT_EQ(next.RegisterAt(BoxId::B).Label, "len");
    EXPECT_EQ(next.RegisterAt(BoxId::B).Box, "4,5");
    EXPECT_EQ(next.Parser1().GetVariable("w").Re, 1.0L);
    EXPECT_EQ(next.Parser1().GetVariable("w").Im, 2.0L);
    EXPECT_EQ(next.Parser1().GetVariable("u").Re, 0.25L);
    EXPECT_EQ(next.Sequences().Find('='), ';');
    EXPECT_EQ(next.VarInfos().Value("len"), "délka [m]");
    EXPECT_EQ(next.InputHistory(), (std::vector<std::string>{"w*len", "u=0.25", "w=1+2j"}));
    EXPECT_EQ(next.InputText(), "w*len");
    EXPECT_EQ(session.History().Options().Mode, HistoryMode::Results);
    EXPECT_TRUE(session.History().FileOpen());
    EXPECT_EQ(session.History().Window().Width, 321);
    EXPECT_EQ(session.Document().FileName, "work.fx");
    EXPECT_EQ(session.Document().Folder, folder / "docs");
    EXPECT_EQ(session.Values().Int("GrForm", "Width"), 640);
    EXPECT_TRUE(session.Values().Bool("LogForm", "Open"));
    EXPECT_FALSE(session.Values().Bool("DispForm", "Open"));

    // The history file is at its place and emptied at this start.
    EXPECT_TRUE(fs::exists(folder / "data" / "tarvix" / "tarvix.log"));
}

TEST_F(CalculatorSessionTest, AGarbageValueLoadsEverythingElseAndIsNotSavedOver) {
    fs::create_directories(SettingsPath().parent_path());
    WriteBytes(SettingsPath(),
               "[Foreign]\nkeep=1\n"
               "[Switches]\nUnits=grad\nDomain=cplx\n"
               "[DisplayFormat]\nPrecision=lots\n"
               "[Options]\nImaginaryUnit=j\n"
               "[RegisteredVariables]\nz=1-2j\nbad=)(\n9lives=1\n"
               "[HistoryLimits]\nExprComboBox=3\n");
    CalculatorSession session(calc, texts, Paths());
    std::ostringstream warnings;
    EXPECT_EQ(session.Load(warnings), 3) << warnings.str();
    EXPECT_NE(warnings.str().find("[DisplayFormat] Precision"), std::string::npos);
    EXPECT_NE(warnings.str().find("bad"), std::string::npos);
    EXPECT_NE(warnings.str().find("9lives"), std::string::npos);
    EXPECT_EQ(calc.AngleUnits(), auGrad);
    EXPECT_EQ(calc.Display().Digits, 3);
    EXPECT_EQ(calc.Parser1().GetVariable("z").Im, -2.0L);  // the unit was read first
    EXPECT_TRUE(calc.Parser1().VariableExists("bad"));
    EXPECT_FALSE(calc.Parser1().VariableExists("9lives"));
    EXPECT_EQ(calc.Options().InputHistoryLimit, 3);

    ASSERT_TRUE(session.Save({}, warnings));
    const ProfileFile saved = LoadProfileFile(SettingsPath()).profile;
    EXPECT_EQ(saved.ReadString("Foreign", "keep", ""), "1");
    EXPECT_EQ(saved.ReadString("Switches", "Units", ""), "grad");
    EXPECT_EQ(saved.ReadString("RegisteredVariables", "z", ""), "1-2j");
    EXPECT_EQ(saved.ReadString("DisplayFormat", "Precision", ""), "3");
}

TEST_F(CalculatorSessionTest, AnUnreadableSettingsFileIsLeftAlone) {
    fs::create_directories(SettingsPath());  // a folder where the file should be
    CalculatorSession session(calc, texts, Paths());
    std::ostringstream warnings;
    EXPECT_EQ(session.Load(warnings), 1);
    EXPECT_EQ(calc.AngleUnits(), auDeg);  // the defaults of a first start
    EXPECT_FALSE(session.Save({}, warnings));
    EXPECT_TRUE(fs::is_directory(SettingsPath()));
}

TEST_F(CalculatorSessionTest, AFailedSaveIsShown) {
    CalculatorSession session(calc, texts, Paths());
    std::ostringstream warnings;
    session.Load(warnings);
    fs::create_directories(folder / "config");
    WriteBytes(folder / "config" / "tarvix", "a file where the folder should be");
    EXPECT_FALSE(session.Save({}, warnings));
    EXPECT_NE(dialogs.OnlyMessage().find("tarvix.ini"), std::string::npos);
}

}  // namespace
}  // namespace tarvix
