// The library window over the main window: browsing the shipped library
// (tree, grid, editor pane, enabled commands, category search, keys), the
// transfer of a formula that the main window then computes with its
// variables in the register boxes, a file given at start, and failed reads
// that leave the previous library and the file on disk as they were.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "library_windows.h"
#include "storage/calculator_session.h"
#include "storage/settings_file.h"
#include "tasks/default_library.h"
#include "tasks/library_settings.h"

using namespace tarvix;
using namespace tarvix::test;

class ExprFormTest : public QObject {
    Q_OBJECT

private slots:
    void BrowsingShowsCategoriesRowsAndTheExplanation() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.ShippedCopy());
        QVERIFY(library && library->isVisible());
        QCOMPARE(library->windowTitle(), QStringLiteral("Knihovna výrazů - tarvix.exp"));
        QCOMPARE(w.Tree()->rowCount(), 6);
        QCOMPARE(w.Tree()->index(0, 0).data().toString(), QStringLiteral("Geometrie"));
        QCOMPARE(w.Tree()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Kategorie"));
        QCOMPARE(library->StringGrid()->horizontalHeaderItem(0)->text(), QStringLiteral("Komentář"));
        // The first category is shown at first.
        QCOMPARE(library->StatusText(), QStringLiteral("Geometrie"));

        w.ClickCategory("Geometrie/Rovinné útvary");
        QCOMPARE(library->StringGrid()->rowCount(), 7);
        QCOMPARE(w.Cell(0, 0), QStringLiteral("Obsah kruhu"));
        QCOMPARE(w.Cell(0, 1), QStringLiteral("pi*r^2"));
        QCOMPARE(library->StatusText(), QStringLiteral("Geometrie\\ Rovinné útvary"));
        w.ClickRow(2);
        QCOMPARE(w.Model().SelectedRow(), 2);
        QCOMPARE(w.Memo(), QStringLiteral("mode deg,dec,real\nr=2\t[m]\tpoloměr\n"
                                          "alfa=60\t[°]\tstředový úhel"));
        // Browsing changes nothing and edits nothing.
        QVERIFY(library->Memo()->isReadOnly());
        QVERIFY(library->Action("UseToolButton")->isEnabled());
        QVERIFY(!library->Action("EdResizeToolButton")->isEnabled());
        QVERIFY(!library->Action("NovaKategorieItem")->isEnabled());
        QVERIFY(library->Action("KopirovatKategoriiItem")->isEnabled());
        QVERIFY(!w.Model().Modified());

        // A task: no transfer; the editor may take the grid's place.
        w.ClickCategory("DEMO");
        QCOMPARE(w.Cell(0, 1), QStringLiteral("TASK"));
        QVERIFY(!library->Action("UseToolButton")->isEnabled());
        QVERIFY(library->Action("EdResizeToolButton")->isEnabled());
        QTest::keyClick(library, Qt::Key_F5);
        QVERIFY(library->EditorEnlarged());
        QVERIFY(!library->StringGrid()->isVisible());
        // A formula again: the grid comes back.
        w.ClickCategory("Finance");
        QVERIFY(!library->EditorEnlarged());
        QVERIFY(library->StringGrid()->isVisible());
    }

    void IncrementalSearchAndTreeKeys() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.ShippedCopy());
        QLineEdit* search = library->FindComboBox()->lineEdit();
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("ob"));
        QCOMPARE(library->StatusText(), QStringLiteral("Geometrie\\ Obecný trojúhelník"));
        QCOMPARE(library->StringGrid()->rowCount(), 2);
        search->clear();
        TypeText(search, QStringLiteral("stŘ"));
        QCOMPARE(library->StatusText(), QStringLiteral("Elektrické obvody\\ Střídavé obvody"));
        // Nothing begins so: the selection stays.
        QTest::keyClicks(search, QStringLiteral("x"));
        QCOMPARE(library->StatusText(), QStringLiteral("Elektrické obvody\\ Střídavé obvody"));

        // Ctrl with the keypad's "+" and "-" expands and collapses the whole tree.
        const QModelIndex mechanics = w.Tree()->index(1, 0);
        QTest::keyClick(library->TreeView(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QVERIFY(library->TreeView()->isExpanded(mechanics));
        QTest::keyClick(library->TreeView(), Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier);
        QVERIFY(!library->TreeView()->isExpanded(mechanics));
        // F6 switches edit mode; Alt+2 and Alt+1 move the focus.
        QTest::keyClick(library, Qt::Key_F6);
        QVERIFY(w.Model().EditMode());
        QVERIFY(library->Action("EditToolButton")->isChecked());
        QTest::keyClick(library, Qt::Key_2, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), library->StringGrid());
        QCOMPARE(library->ActivePane(), LibraryPane::Grid);
        QTest::keyClick(library, Qt::Key_1, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), library->TreeView());
        QCOMPARE(library->ActivePane(), LibraryPane::Tree);
    }

    void TransferredFormulaComputesWithItsVariablesInTheBoxes() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.ShippedCopy());
        w.ClickCategory("Geometrie/Rovinné útvary");
        w.ClickRow(2);
        w.Trigger("UseToolButton");

        // The main window shows the formula and its variables at once.
        QCOMPARE(w.main.ExprComboBox()->lineEdit()->text(),
                 QStringLiteral("\"Obsah kruhové výseče\" pi*r^2*alfa/360"));
        QCOMPARE(w.main.RegisterBox(BoxId::X)->currentText(), QStringLiteral("2"));
        QCOMPARE(w.main.RegisterBox(BoxId::Y)->currentText(), QStringLiteral("60"));
        QCOMPARE(w.main.RegisterBox(BoxId::A)->currentText(), QStringLiteral("0"));
        QCOMPARE(w.main.Model().RegisterAt(BoxId::X).Label, std::string("r"));
        QCOMPARE(w.main.Model().RegisterAt(BoxId::Y).Label, std::string("alfa"));
        QCOMPARE(w.main.Model().RegisterAt(BoxId::A).Label, std::string("_A_"));
        QCOMPARE(w.main.Model().AngleUnits(), auDeg);
        QCOMPARE(w.main.StaticTextDisplay()->text(), QStringLiteral("0 "));
        QVERIFY(w.messages.empty());

        w.main.VypocetButtonClick();
        QCOMPARE(w.main.StaticTextDisplay()->text(), QStringLiteral("2.0943951023932 "));
        // Another radius in its box: the formula computes with it.
        w.main.RegisterBox(BoxId::X)->setEditText(QStringLiteral("3"));
        w.main.VypocetButtonClick();
        QCOMPARE(w.main.StaticTextDisplay()->text(), QStringLiteral("4.71238898038469 "));
        QVERIFY2(w.messages.empty(), qPrintable(w.MessageTexts()));
        // The library itself did not change.
        QVERIFY(!library->Model().Modified());
    }

    void AFileGivenAtStartOpensLockedAndTheDefaultLibraryIsCopied() {
        // First start: no library of the user's yet.
        const std::filesystem::path user =
            DataFolder(XdgEnvironment::FromProcess()) / kDefaultLibraryFileName;
        std::filesystem::remove(user);
        LibraryWindows w;
        const std::filesystem::path given = w.ShippedCopy("balíček.EXP");
        w.main.LoadSession(QString::fromStdString(given.string()));
        TExprForm* library = w.Library();
        QVERIFY(library && library->isVisible());
        QVERIFY(library->Locked());
        QVERIFY(!w.Model().EditMode());
        QCOMPARE(library->windowTitle(), QStringLiteral("Knihovna výrazů - balíček.EXP"));
        QVERIFY(!library->Action("SaveToolButton")->isEnabled());
        QVERIFY(!library->findChild<QToolButton*>(QStringLiteral("LibraryToolButton"))->isEnabled());
        QVERIFY(!library->SaveToolButtonClick());
        // The user's own copy of the shipped library.
        QVERIFY(std::filesystem::exists(user));
        QCOMPARE(ReadWholeFile(user).bytes, ReadWholeFile(given).bytes);
        // The window closes without storing the given file as the library.
        QVERIFY(library->close());
        QCOMPARE(ReadExprFormSettings(w.main.Session().Values()).LibraryFileName,
                 std::string("tarvix.exp"));
    }

    void AnEnglishFirstStartCopiesTheEnglishLibrary() {
        const XdgEnvironment environment = XdgEnvironment::FromProcess();
        const std::filesystem::path user = DataFolder(environment) / kDefaultLibraryFileName;
        const std::filesystem::path settings = SettingsFilePath(environment);
        std::filesystem::remove(user);
        Settings english;
        english.SetString("Localization", "Language", "ENGLISH");
        std::vector<std::string> warnings;
        QVERIFY(SaveSettingsFile(settings, english, {}, warnings).ok());
        {
            LibraryWindows w;
            w.main.LoadSession(QString());
            // Only the copy: the library window is not opened at start.
            QVERIFY(!w.Library());
        }
        std::filesystem::remove(settings);
        const std::filesystem::path shipped =
            std::filesystem::path(DataFolder().toStdString()) / kShippedEnglishLibrary;
        QCOMPARE(ReadWholeFile(user).bytes, ReadWholeFile(shipped).bytes);
        // A later start leaves the user's library as it is.
        QVERIFY(WriteFileAtomically(user, "edited").ok());
        {
            LibraryWindows w;
            w.main.LoadSession(QString());
        }
        QCOMPARE(ReadWholeFile(user).bytes, std::string("edited"));
        std::filesystem::remove(user);
    }

    void ATruncatedFileLeavesThePreviousLibraryAndTheFile() {
        LibraryWindows w;
        const std::filesystem::path good = w.ShippedCopy();
        TExprForm* library = w.Open(good);
        const std::string bytes = ReadWholeFile(good).bytes;
        // Cut short before the tree's end: not a library.
        const std::filesystem::path cut = w.Path("cut.exp");
        QVERIFY(WriteFileAtomically(cut, bytes.substr(0, bytes.find('\0'))).ok());
        QVERIFY(!library->OpenLibrary(cut));
        QCOMPARE(w.messages.size(), std::size_t{1});
        QVERIFY(w.MessageTexts().startsWith(QStringLiteral("Chyba při čtení ze souboru")));
        QCOMPARE(w.messages.front().HelpContext, 43);
        QCOMPARE(w.Model().FilePath(), good);
        QCOMPARE(w.Tree()->rowCount(), 6);
        QCOMPARE(library->windowTitle(), QStringLiteral("Knihovna výrazů - tarvix.exp"));

        // The same through "Otevřít": the good file stays the library's file,
        // and a save goes there; the cut file is never written.
        w.files.push_back(cut);
        w.Trigger("OpenToolButton");
        QCOMPARE(w.Model().FilePath(), good);
        QVERIFY(library->Action("SaveToolButton")->isEnabled());
        w.Trigger("SaveToolButton");
        QCOMPARE(ReadWholeFile(cut).bytes, bytes.substr(0, bytes.find('\0')));
        QCOMPARE(ReadWholeFile(good).bytes, bytes);
    }

    void AConfiguredLibraryThatDoesNotReadIsNeverOverwritten() {
        LibraryWindows w;
        const std::filesystem::path cut = w.Path("cut.exp");
        QVERIFY(WriteFileAtomically(cut, "Geometrie\r\n").ok());
        w.main.Session().Values().SetString("ExprForm", "LibraryFileName", cut.string());
        w.main.FunkceKnihovnaItemClick();
        TExprForm* library = w.Library();
        QVERIFY(w.MessageTexts().startsWith(QStringLiteral("Chyba při čtení ze souboru")));
        QVERIFY(w.Model().FilePath().empty());
        QCOMPARE(w.Tree()->rowCount(), 0);
        // A save asks for a file; cancelled, nothing is written.
        QVERIFY(!library->SaveToolButtonClick());
        QCOMPARE(ReadWholeFile(cut).bytes, std::string("Geometrie\r\n"));
        // Closing keeps the configured name.
        QVERIFY(library->close());
        QCOMPARE(ReadExprFormSettings(w.main.Session().Values()).LibraryFileName, cut.string());
    }

    void AMissingLibraryIsReportedAndSavedWhereTheSettingsSay() {
        LibraryWindows w;
        const std::filesystem::path missing = w.Path("nová.exp");
        w.main.Session().Values().SetString("ExprForm", "LibraryFileName", missing.string());
        w.main.FunkceKnihovnaItemClick();
        QVERIFY(w.MessageTexts().startsWith(QStringLiteral("Soubor knihovny výrazů nebyl nalezen")));
        TExprForm* library = w.Library();
        library->EditToolButtonClick();
        library->NovaKategorieClick();
        QVERIFY(w.Model().Modified());
        QVERIFY(library->SaveToolButtonClick());
        const LibraryReadResult read = ReadLibraryFile(missing);
        QVERIFY(read.ok());
        QCOMPARE(read.Tree.NodeCount(), std::size_t{1});
    }
};

QTEST_MAIN(ExprFormTest)
#include "expr_form_test.moc"
