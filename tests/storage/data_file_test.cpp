// The data file: a saved state read back into another calculator, complex
// values with "i" and "j", the rules of reading hand-made files, files that
// do not read leaving the state as it was, the refusal of repeated register
// names, and the File menu commands with their dialogs and questions.
#include "storage/data_file.h"

#include <gtest/gtest.h>

#include "session_test_support.h"
#include "storage/data_file_commands.h"
#include "storage/profile_file_io.h"
#include "storage/text_catalog.h"

namespace tarvix {
namespace {

namespace fs = std::filesystem;
using testing::CalculatorSnapshot;
using testing::ReadBytes;
using testing::ScriptedFiles;
using testing::WriteBytes;

class DataFileTest : public testing::WorkingStateTest {
protected:
    // Opens a file written from the text through the commands.
    bool OpenText(std::string_view text, std::string_view name = "state.fx") {
        WriteBytes(folder / name, text);
        return commands.OpenFile(folder / name);
    }

    TextCatalog texts;
    DataFileDocument document;
    DataFileCommands commands{calc, texts, document};
    ScriptedFiles files;
};

TEST_F(DataFileTest, SavedStateReadsBackIntoAnotherCalculator) {
    calc.SetAngleUnits(auGrad);
    calc.SetRegisterLabel(BoxId::A, "len");
    calc.SetRegisterBox(BoxId::A, "2*3");
    Shown("w=1/3");
    Shown("q=-2.5E-7");
    calc.SetNumericalBase(nbHex);  // values are stored and read in decimal all the same
    calc.SetInputText("len*w");
    ASSERT_TRUE(commands.SaveFile(folder / "state.fx"));
    EXPECT_EQ(calc.InputHistory(), (std::vector<std::string>{"len*w", "q=-2.5E-7", "w=1/3"}));

    Calculator other;
    DataFileDocument otherDocument;
    DataFileCommands otherCommands(other, texts, otherDocument);
    ASSERT_TRUE(otherCommands.OpenFile(folder / "state.fx"));
    EXPECT_EQ(other.AngleUnits(), auGrad);
    EXPECT_EQ(other.NumericalBase(), nbHex);
    EXPECT_EQ(other.RegisterAt(BoxId::A).Label, "len");
    EXPECT_EQ(other.RegisterAt(BoxId::A).Box, "2*3");
    EXPECT_EQ(other.RegisterAt(BoxId::X).Label, "X");
    EXPECT_NEAR(static_cast<double>(other.Parser1().GetVariable("w").Re), 1.0 / 3.0, 1e-14);
    EXPECT_EQ(other.Parser1().GetVariable("q").Re, -2.5E-7L);
    EXPECT_EQ(other.InputHistory(), calc.InputHistory());
    EXPECT_EQ(other.InputText(), "len*w");
    EXPECT_EQ(otherDocument.FileName, "state.fx");
    EXPECT_EQ(otherDocument.Folder, folder.path());
    EXPECT_EQ(otherDocument.LastFolder, folder.path());
    EXPECT_EQ(otherDocument.SeriesFile, folder / "state.txt");
}

TEST_F(DataFileTest, ComplexValuesWithIAndJReadBack) {
    for (char unit : {'i', 'j'}) {
        const std::string u(1, unit);
        calc.SetNumericalScope(nsComplex);
        calc.SetImaginaryUnit(unit);
        Shown("z=1-2" + u);
        Shown("p=3" + u);
        const fs::path path = folder / ("complex_" + u + ".fx");
        ASSERT_TRUE(commands.SaveFile(path));
        ProfileLoadResult saved = LoadProfileFile(path);
        EXPECT_EQ(saved.profile.ReadString("RegisteredVariables", "z", ""), "1-2" + u);
        EXPECT_EQ(saved.profile.ReadString("RegisteredVariables", "p", ""), "0+3" + u);
        EXPECT_EQ(saved.profile.ReadString("Settings", "ImaginaryUnit", ""), u);

        Calculator other;  // real domain, "i" until the file says otherwise
        calc.SetImaginaryUnit('i');
        DataFileDocument otherDocument;
        DataFileCommands otherCommands(other, texts, otherDocument);
        ASSERT_TRUE(otherCommands.OpenFile(path)) << unit;
        EXPECT_EQ(other.NumericalScope(), nsComplex);
        EXPECT_EQ(other.ImaginaryUnit(), unit);
        EXPECT_EQ(other.Parser1().GetVariable("z").Re, 1.0L);
        EXPECT_EQ(other.Parser1().GetVariable("z").Im, -2.0L);
        EXPECT_EQ(other.Parser1().GetVariable("p").Im, 3.0L);
    }
    // In the real domain only the real part is stored.
    calc.SetNumericalScope(nsReal);
    ASSERT_TRUE(commands.SaveFile(folder / "real.fx"));
    EXPECT_EQ(
        LoadProfileFile(folder / "real.fx").profile.ReadString("RegisteredVariables", "z", ""),
        "1");
}

TEST_F(DataFileTest, HandMadeFilesReadByTheRules) {
    ASSERT_TRUE(OpenText(
        "[Settings]\nAngleUnit=xyz\nNumerationBase=hex\nNumerationDomain=cplx\nImaginaryUnit=k\n"
        "[InputBoxes]\nP=1\nQ=2\nR=3\nS=4\nT=5\nU=6\nV=7\nW=8\nZ1=9\nZ2=10\n"
        "[RegisteredVariables]\nr1=1..10\nr2=7:note\nr3=2,5\nr4=max(2;3)\nr5=r4*2\nAns=4\n"
        "[Expressions]\n5=five\n0=zero\n2=\n"));
    EXPECT_EQ(calc.AngleUnits(), auRad);          // unknown angle unit: radians
    EXPECT_EQ(calc.NumericalScope(), nsComplex);  // cplx after hex returns the base to dec
    EXPECT_EQ(calc.NumericalBase(), nbDec);
    EXPECT_EQ(calc.ImaginaryUnit(), 'i');
    const char* labels[] = {"P", "Q", "R", "S", "T", "U", "V", "W"};
    for (std::size_t i = 0; i < kRegisterCount; ++i) {
        EXPECT_EQ(calc.RegisterAt(kRegisterLoadOrder[i]).Label, labels[i]);
        EXPECT_EQ(calc.RegisterAt(kRegisterLoadOrder[i]).Box, std::to_string(i + 1));
    }
    EXPECT_EQ(Value("r1"), "0+0i");
    EXPECT_EQ(Value("r2"), "7+0i");
    EXPECT_EQ(Value("r3"), "2.5+0i");
    EXPECT_EQ(Value("r4"), "3+0i");
    EXPECT_EQ(Value("r5"), "6+0i");  // earlier variables of the file are known
    EXPECT_EQ(Value("Ans"), "4+0i");
    EXPECT_EQ(calc.InputHistory(), (std::vector<std::string>{"five", "zero", ""}));
    EXPECT_EQ(calc.InputText(), "five");

    // Three keys rename and fill X, Y and A only; the rest keep theirs.
    ASSERT_TRUE(OpenText("[InputBoxes]\na1=x\nb1=y\nc1=z\n[Settings]\nNumerationDomain=real\n"));
    EXPECT_EQ(calc.RegisterAt(BoxId::A).Label, "c1");
    EXPECT_EQ(calc.RegisterAt(BoxId::B).Label, "S");
    EXPECT_EQ(calc.RegisterAt(BoxId::B).Box, "4");
    EXPECT_EQ(calc.NumericalScope(), nsReal);
    EXPECT_TRUE(calc.InputHistory().empty());
}

TEST_F(DataFileTest, AnsIsNeverWrittenAndOtherSectionsStay) {
    WriteBytes(folder / "mixed.fx", "[Notes]\ntext=kept\n[Settings]\nAngleUnit=deg\n");
    Shown("7*6");
    ASSERT_TRUE(commands.SaveFile(folder / "mixed.fx"));
    const ProfileFile saved = LoadProfileFile(folder / "mixed.fx").profile;
    EXPECT_FALSE(saved.ValueExists("RegisteredVariables", "Ans"));
    EXPECT_EQ(saved.ReadSections(),
              (std::vector<std::string>{"Notes", "Settings", "InputBoxes", "RegisteredVariables",
                                        "Expressions"}));
    EXPECT_EQ(saved.ReadString("Notes", "text", ""), "kept");
}

TEST_F(DataFileTest, AFileThatDoesNotReadLeavesEverythingAsItWas) {
    const std::string good =
        "[Settings]\nAngleUnit=grad\nNumerationDomain=cplx\nImaginaryUnit=j\n"
        "[InputBoxes]\nk=5\n[RegisteredVariables]\nm=1\ny=2.5E+3\n[Expressions]\n0=m+1\n";
    const struct {
        const char* Name;
        std::string Bytes;
    } cases[] = {
        {"truncated value", good.substr(0, good.find("E+3") + 2)},
        {"truncated character", "[Settings]\nAngleUnit=grad\n[RegisteredVariables]\nv=\xC4"},
        {"garbage", std::string("\x00\x01\xFF\xFE garbage\x7F\x80", 14)},
        {"empty", ""},
        {"bad name", "[Settings]\nAngleUnit=grad\n[RegisteredVariables]\n1x=3\n"},
        {"unknown variable", "[Settings]\nAngleUnit=grad\n[RegisteredVariables]\nv=nothere+1\n"},
    };
    calc.SetRegisterLabel(BoxId::Y, "old");
    Shown("old=8");
    calc.SetInputText("old*2");
    document.FileName = "before.fx";
    document.Folder = "/somewhere";
    const CalculatorSnapshot before = CalculatorSnapshot::Of(calc);
    for (const auto& c : cases) {
        dialogs.Messages.clear();
        EXPECT_FALSE(OpenText(c.Bytes, "broken.fx")) << c.Name;
        EXPECT_EQ(CalculatorSnapshot::Of(calc), before) << c.Name;
        EXPECT_EQ(document.FileName, "before.fx") << c.Name;
        EXPECT_EQ(document.Folder, "/somewhere") << c.Name;
        ASSERT_EQ(dialogs.Messages.size(), 1u) << c.Name;
        EXPECT_EQ(dialogs.Messages[0].Kind, MessageKind::Error);
        EXPECT_NE(dialogs.Messages[0].Text.find("broken.fx"), std::string::npos);
    }
    dialogs.Messages.clear();
    EXPECT_FALSE(commands.OpenFile(folder / "missing.fx"));
    EXPECT_EQ(CalculatorSnapshot::Of(calc), before);
    EXPECT_NE(dialogs.OnlyMessage().find("nebyl nalezen"), std::string::npos);

    EXPECT_TRUE(OpenText(good, "broken.fx"));  // the same place reads once the file is whole
    EXPECT_EQ(Value("y"), "2500+0j");
}

TEST_F(DataFileTest, RepeatedRegisterNamesRefuseToSave) {
    const std::string old = "[Settings]\nAngleUnit=deg\n";
    WriteBytes(folder / "twice.fx", old);
    calc.SetRegisterLabel(BoxId::X, "r");
    calc.SetRegisterLabel(BoxId::C, "R");
    EXPECT_FALSE(commands.SaveFile(folder / "twice.fx"));
    EXPECT_EQ(dialogs.OnlyMessage(), "Duplicita proměnné \"R\"");
    EXPECT_EQ(ReadBytes(folder / "twice.fx"), old);
    EXPECT_EQ(testing::FolderListing(folder.path()), std::vector<std::string>{"twice.fx"});
}

TEST_F(DataFileTest, AWriteErrorIsShownWithThePath) {
    const fs::path path = folder / "no-such-folder" / "x.fx";
    EXPECT_FALSE(commands.SaveFile(path));
    EXPECT_NE(dialogs.OnlyMessage().find("Chyba při zápisu do souboru \n\"" + path.string() + "\""),
              std::string::npos)
        << dialogs.OnlyMessage();
}

TEST_F(DataFileTest, SaveAsksWhileUntitledThenWritesTheDocumentsFullPath) {
    document.LastFolder = folder.path();
    files.Answers = {folder / "notes.txt"};
    Shown("v=12");
    ASSERT_TRUE(commands.Save(files));
    ASSERT_EQ(files.Requests.size(), 1u);
    const FileDialogRequest& request = files.Requests[0].Request;
    EXPECT_TRUE(files.Requests[0].Save);
    EXPECT_EQ(request.Caption, "Uložit jako");
    EXPECT_EQ(request.Filter, "Datové soubory (*.fx)|*.fx");
    EXPECT_EQ(request.DefaultExtension, "fx");
    EXPECT_EQ(request.FileName, "data.fx");
    EXPECT_EQ(request.Folder, folder.path());
    EXPECT_TRUE(fs::exists(folder / "notes.fx"));
    EXPECT_FALSE(fs::exists(folder / "notes.txt"));
    EXPECT_EQ(document.FileName, "notes.fx");
    EXPECT_EQ(commands.WindowCaption("Tarvix 2.2"), "Tarvix 2.2 - notes.fx");

    // Another dialog moved the last-used folder: Save still writes the document.
    document.LastFolder = folder / "elsewhere";
    Shown("v=13");
    ASSERT_TRUE(commands.Save(files));
    EXPECT_EQ(files.Requests.size(), 1u);
    EXPECT_EQ(
        LoadProfileFile(folder / "notes.fx").profile.ReadString("RegisteredVariables", "v", ""),
        "13");
}

TEST_F(DataFileTest, SaveAsAsksBeforeOverwriting) {
    WriteBytes(folder / "kept.fx", "[Settings]\nAngleUnit=deg\n");
    for (ModalResult answer : {ModalResult::No, ModalResult::Cancel, ModalResult::Yes}) {
        dialogs.Messages.clear();
        dialogs.Answers = {answer};
        files.Answers = {folder / "kept.fx"};
        EXPECT_EQ(commands.SaveAs(files), answer == ModalResult::Yes);
        EXPECT_EQ(dialogs.OnlyMessage(), "Soubor \"kept.fx\" existuje. \nMá se přepsat?");
        const bool written =
            LoadProfileFile(folder / "kept.fx").profile.SectionExists("InputBoxes");
        EXPECT_EQ(written, answer == ModalResult::Yes);
        EXPECT_EQ(document.FileName, answer == ModalResult::Yes ? "kept.fx" : "data.fx");
    }
    files.Answers = {std::nullopt};  // a cancelled dialog changes nothing
    document.FileName = "data.fx";
    EXPECT_FALSE(commands.SaveAs(files));
    EXPECT_EQ(document.FileName, "data.fx");
}

TEST_F(DataFileTest, OpenReadsTheFxFileOfTheChosenName) {
    WriteBytes(folder / "notes.fx", "[Settings]\nAngleUnit=grad\n");
    document.LastFolder = "/start/here";
    files.Answers = {folder / "notes.txt"};
    ASSERT_TRUE(commands.Open(files));
    EXPECT_FALSE(files.Requests[0].Save);
    EXPECT_EQ(files.Requests[0].Request.Caption, "Otevřít");
    EXPECT_EQ(files.Requests[0].Request.Folder, "/start/here");
    EXPECT_EQ(files.Requests[0].Request.Filter, "Datové soubory (*.fx)|*.fx");
    EXPECT_EQ(calc.AngleUnits(), auGrad);
    EXPECT_EQ(document.FileName, "notes.fx");

    files.Answers = {std::nullopt};
    EXPECT_FALSE(commands.Open(files));
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(DataFileTest, NewGivesTheDefaultNamesAndResetsWithoutAsking) {
    Shown("v=12");
    document.FileName = "mine.fx";
    document.SeriesFile = "/x/mine.txt";
    commands.New();
    EXPECT_EQ(document.FileName, "data.fx");
    EXPECT_EQ(document.SeriesFile, "data.txt");
    EXPECT_FALSE(calc.Parser1().VariableExists("v"));
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(DataFileTest, FirstArgumentOpensAnExistingFxFile) {
    WriteBytes(folder / "start.FX", "[Settings]\nAngleUnit=grad\n");
    WriteBytes(folder / "library.exp", "");
    EXPECT_TRUE(DataFileArgument((folder / "start.FX").string()));
    EXPECT_FALSE(DataFileArgument((folder / "library.exp").string()));
    EXPECT_FALSE(DataFileArgument((folder / "missing.fx").string()));
    EXPECT_FALSE(DataFileArgument(""));
    EXPECT_FALSE(commands.OpenArgument((folder / "library.exp").string()));
    EXPECT_TRUE(commands.OpenArgument((folder / "start.FX").string()));
    EXPECT_EQ(calc.AngleUnits(), auGrad);
}

}  // namespace
}  // namespace tarvix
