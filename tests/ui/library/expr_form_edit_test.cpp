// The library window in edit mode: a new category and a new row typed into
// the tree, the grid and the editor pane survive a save and a reopen (with
// the window's settings); the close question; rows and categories moved;
// the editor's inserts; packages through their check-box tree.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "library_windows.h"
#include "storage/calculator_session.h"
#include "tasks/library_settings.h"
#include "ui/library/package_dialog.h"
#include "ui/lists/var_form.h"

using namespace tarvix;
using namespace tarvix::test;

namespace {

// Types into whatever has the focus (an open cell or name editor) and ends with Enter.
void TypeIntoEditor(const QString& text) {
    QWidget* editor = QApplication::focusWidget();
    auto* line = qobject_cast<QLineEdit*>(editor);
    QVERIFY(line);

    // Inserted as typed text is (a TAB key would move the focus instead).
    line->selectAll();
    line->insert(text);
    QTest::keyClick(line, Qt::Key_Return);
    // The view takes the text and closes the editor from the event loop.
    QCoreApplication::processEvents();
}

// Opens the grid's cell editor and types a text into it.
void TypeCell(QTableWidget* grid, int row, int column, const QString& text) {
    grid->setFocus();
    grid->setCurrentCell(row, column);
    QTest::keyClick(grid, Qt::Key_F2);
    TypeIntoEditor(text);
}

QStringList Names(const LibraryTree& tree) {
    QStringList names;
    for (const LibraryNode* node : tree.Nodes()) names << ToQ(NodePath(*node, "/"));
    return names;
}

}  // namespace

class ExprFormEditTest : public QObject {
    Q_OBJECT

private slots:
    void NewCategoryAndRowSurviveSaveAndReopen() {
        LibraryWindows w;
        const std::filesystem::path file = w.ShippedCopy("moje.exp");
        w.main.Session().Values().SetString("ExprForm", "LibraryFileName", file.string());
        w.main.FunkceKnihovnaItemClick();
        TExprForm* library = w.Library();
        QVERIFY(library);
        LibraryWindows::Activate(library);
        QVERIFY(!library->Action("NovaKategorieItem")->isEnabled());

        w.ClickCategory("Finance");
        w.Trigger("EditToolButton");
        QVERIFY(!library->Memo()->isReadOnly());
        // The new category follows Finance; its name opens for typing.
        w.Trigger("NovaKategorieItem");
        TypeIntoEditor(QStringLiteral("Moje\tvzorce"));
        QCOMPARE(w.Model().SelectedNode()->Name, std::string("Mojevzorce"));
        QCOMPARE(w.Tree()->index(3, 0).data().toString(), QStringLiteral("Finance"));
        QCOMPARE(w.Tree()->index(4, 0).data().toString(), QStringLiteral("Mojevzorce"));
        // Its one row: the mode line and the variable template.
        QCOMPARE(library->StringGrid()->rowCount(), 1);
        QCOMPARE(w.Cell(0, 0), QStringLiteral("nový komentář"));
        QCOMPARE(w.Memo(), QStringLiteral("mode deg,dec,real\nvel= \t [jedn] \t vysvětlivka"));

        QTableWidget* grid = library->StringGrid();
        TypeCell(grid, 0, 0, QStringLiteral("Objem koule"));
        TypeCell(grid, 0, 1, QStringLiteral("4/3*pi*r^3"));
        library->Memo()->setFocus();
        library->Memo()->selectAll();
        TypeText(library->Memo(), QStringLiteral("r=2\t[m]\tpoloměr"));
        QVERIFY(library->Action("UseToolButton")->isEnabled());
        // A second row from the grid's menu.
        w.Trigger("NovyRadekItem");
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->currentRow(), 1);
        TypeCell(grid, 1, 0, QStringLiteral("Povrch koule"));
        TypeCell(grid, 1, 1, QStringLiteral("4*pi*r^2"));
        QVERIFY(w.Model().Modified());

        QTest::keyClick(library, Qt::Key_S, Qt::ControlModifier);
        QVERIFY2(w.messages.empty(), qPrintable(w.MessageTexts()));
        QVERIFY(!w.Model().Modified());
        QVERIFY(library->close());
        QTRY_VERIFY(!w.Library());
        QCOMPARE(ReadExprFormSettings(w.main.Session().Values()).SelectedTreeNode,
                 std::string("Mojevzorce"));

        // On disk, and again in a new window: the selection comes back too.
        const LibraryReadResult read = ReadLibraryFile(file);
        QVERIFY(read.ok());
        QVERIFY(Names(read.Tree).contains(QStringLiteral("Mojevzorce")));
        w.main.FunkceKnihovnaItemClick();
        library = w.Library();
        LibraryWindows::Activate(library);
        QCOMPARE(library->StatusText(), QStringLiteral("Mojevzorce"));
        QCOMPARE(library->StringGrid()->rowCount(), 2);
        QCOMPARE(w.Cell(0, 0), QStringLiteral("Objem koule"));
        QCOMPARE(w.Cell(1, 1), QStringLiteral("4*pi*r^2"));
        w.ClickRow(0);
        QCOMPARE(w.Memo(), QStringLiteral("r=2\t[m]\tpoloměr"));
        QVERIFY(!w.Model().EditMode());
        QVERIFY(!w.Model().Modified());
    }

    void CloseAsksAboutUnsavedChanges() {
        LibraryWindows w;
        const std::filesystem::path file = w.ShippedCopy();
        const std::string bytes = ReadWholeFile(file).bytes;
        TExprForm* library = w.Open(file);
        library->EditToolButtonClick();
        library->NovaKategorieClick();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        // Cancel keeps the window with its changes; so does the main window's close.
        w.answers = {ModalResult::Cancel};
        QVERIFY(!library->close());
        QVERIFY(library->isVisible());
        QCOMPARE(w.messages.back().Text,
                 std::string("Knihovna výrazů byla modifikována. \nMá se uložit?"));
        w.answers = {ModalResult::Cancel};
        QVERIFY(!w.main.close());
        QVERIFY(w.main.isVisible());
        // No: closed, the file as it was.
        w.answers = {ModalResult::No};
        QVERIFY(library->close());
        QCOMPARE(ReadWholeFile(file).bytes, bytes);
    }

    void RowsAndCategoriesMove() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.Write(
            "moves.exp", MakeLibrary({{0, "A", {{"a1", "1"}, {"a2", "2"}, {"a3", "3"}}},
                                      {1, "A1", {{"x", "1"}}},
                                      {0, "B", {{"b", "1"}}}})));
        // Outside edit mode the header does not move rows.
        QVERIFY(!library->StringGrid()->verticalHeader()->sectionsMovable());
        library->EditToolButtonClick();
        library->StringGrid()->verticalHeader()->moveSection(0, 2);
        QCOMPARE(w.Cell(0, 0), QStringLiteral("a2"));
        QCOMPARE(w.Cell(2, 0), QStringLiteral("a1"));
        QCOMPARE(w.Model().SelectedRow(), 2);
        QCOMPARE(library->StringGrid()->verticalHeader()->logicalIndex(0), 0);
        QVERIFY(w.Model().Modified());

        // A category dropped on another one becomes its last subcategory;
        // dropped above one it goes before it.
        TLibraryTreeView* view = library->TreeView();
        w.ClickCategory("B");
        LibraryNode* b = w.Model().SelectedNode();
        const QModelIndex a = w.Tree()->index(0, 0);
        const CategoryDrop onA = view->DropPlace(a, CategoryDropAt::OnCategory);
        library->MoveCategory(b, onA);
        QCOMPARE(Names(w.Model().Tree()), QStringList({"A", "A/A1", "A/B"}));
        QVERIFY(view->isExpanded(w.TreeModel()->IndexOf(b->Parent())));
        QCOMPARE(view->currentIndex(), w.TreeModel()->IndexOf(b));
        const QModelIndex a1 = w.TreeModel()->IndexOf(w.Model().Tree().Nodes()[1]);
        library->MoveCategory(b, view->DropPlace(a1, CategoryDropAt::Above));
        QCOMPARE(Names(w.Model().Tree()), QStringList({"A", "A/B", "A/A1"}));
        library->MoveCategory(b, view->DropPlace({}, CategoryDropAt::EmptyArea));
        QCOMPARE(Names(w.Model().Tree()), QStringList({"A", "A/A1", "B"}));
        // Never into its own subtree.
        w.ClickCategory("A");
        library->MoveCategory(w.Model().SelectedNode(),
                              view->DropPlace(w.TreeModel()->IndexOf(w.Model().Tree().Nodes()[1]),
                                              CategoryDropAt::OnCategory));
        QCOMPARE(Names(w.Model().Tree()), QStringList({"A", "A/A1", "B"}));
    }

    void ToolBarCommandsActOnTheFocusedPane() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.Write(
            "panes.exp", MakeLibrary({{0, "A", {{"a1", "1"}, {"a2", "2"}}}, {0, "B", {{"b", "1"}}}})));
        library->EditToolButtonClick();
        library->SetActivePane(LibraryPane::Grid);
        w.ClickRow(1);
        w.Trigger("CopyToolButton");
        w.Trigger("PasteToolButton");
        QCOMPARE(library->StringGrid()->rowCount(), 3);
        QCOMPARE(w.Cell(2, 0), QStringLiteral("a2"));
        w.Trigger("DeleteToolButton");
        QCOMPARE(library->StringGrid()->rowCount(), 2);

        library->SetActivePane(LibraryPane::Tree);
        w.Trigger("CutToolButton");
        QCOMPARE(Names(w.Model().Tree()), QStringList({"B"}));
        w.Trigger("PasteToolButton");
        QCOMPARE(Names(w.Model().Tree()), QStringList({"B", "A"}));
        QCOMPARE(w.Tree()->index(1, 0).data().toString(), QStringLiteral("A"));
        QCOMPARE(library->StringGrid()->rowCount(), 2);
        // Del in the tree removes the category.
        library->TreeView()->setFocus();
        QTest::keyClick(library->TreeView(), Qt::Key_Delete);
        QCOMPARE(Names(w.Model().Tree()), QStringList({"B"}));
        QCOMPARE(library->StatusText(), QStringLiteral("B"));
    }

    void EditorInsertsModeIndexAndVariables() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.Write("inserts.exp", MakeLibrary({{0, "A", {{"a", "1"}}}})));
        QPlainTextEdit* memo = library->Memo();
        // Outside edit mode nothing is inserted.
        library->VlozitRezimClick();
        QCOMPARE(w.Memo(), QStringLiteral("v=1"));
        library->EditToolButtonClick();
        memo->setFocus();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(w.Memo(), QStringLiteral("v=1\nmode deg,dec,real"));
        library->VlozitIndexClick(4);
        QCOMPARE(w.Memo(), QStringLiteral("v=1\nmode deg,dec,real⁻¹"));
        QCOMPARE(w.Model().CurrentRow()->Explanation, std::string("v=1\nmode deg,dec,real⁻¹"));
        // Ctrl+Z takes the insert back.
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.Model().CurrentRow()->Explanation, std::string("v=1\nmode deg,dec,real"));

        // Ctrl+R with the variable list closed opens it and says what to do.
        QTest::keyClick(memo, Qt::Key_R, Qt::ControlModifier);
        QVERIFY(w.MessageTexts().startsWith(QStringLiteral("Vyberte proměnnou v Seznamu proměnných")));
        TVarForm* variables = w.main.findChild<TVarForm*>();
        QVERIFY(variables && variables->isVisible());
        w.main.CalculateText(QStringLiteral("delka=2.5"));
        variables->Refresh();
        int row = -1;
        for (int r = 0; r < variables->Model().RowCount(); ++r)
            if (variables->Model().Row(r).Name == "delka") row = r;
        QVERIFY(row >= 0);
        variables->VarStringGrid()->setCurrentCell(row, 0);
        library->activateWindow();
        memo->setFocus();
        memo->moveCursor(QTextCursor::Start);
        library->VlozitPromennouClick();
        QVERIFY(w.Memo().startsWith(QStringLiteral("delka = 2.5v=1")));
        // Window states: one line per open window, before the caret's line.
        memo->moveCursor(QTextCursor::End);
        library->VlozitStavOkenClick();
        const QStringList lines = w.Memo().split(QLatin1Char('\n'));
        QVERIFY(lines.contains(QStringLiteral("open MainForm,%1,%2,%3,%4")
                                   .arg(w.main.x())
                                   .arg(w.main.y())
                                   .arg(w.main.width())
                                   .arg(w.main.height())));
        QVERIFY(lines.filter(QStringLiteral("open ExprForm,")).size() == 1);
        QVERIFY(lines.filter(QStringLiteral("open VarForm,")).size() == 1);
        QCOMPARE(lines.back(), QStringLiteral("mode deg,dec,real"));
    }

    void PackagesExportAndImportTheCheckedCategories() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.Write(
            "own.exp", MakeLibrary({{0, "A", {{"a", "1"}}}, {1, "A1", {{"a1", "1"}}},
                                    {0, "B", {{"b", "1"}}}})));
        // The check-box tree: a category's mark goes to its subtree.
        {
            TPackageDialog dialog(w.Model().Tree(), false, w.main.Texts(), library);
            const LibraryNode* a = w.Model().Tree().First();
            dialog.Item(a->Id())->setCheckState(0, Qt::Checked);
            QCOMPARE(dialog.Checked(), (std::vector<LibraryNodeId>{a->Id(), a->Child(0)->Id()}));
            dialog.Item(a->Child(0)->Id())->setCheckState(0, Qt::Unchecked);
            QCOMPARE(dialog.Checked(), std::vector<LibraryNodeId>{a->Id()});
        }
        // Export: A with its subcategory into a new file.
        std::vector<bool> imports;
        library->SetPackageChooser([&imports](const LibraryTree& tree, bool import) {
            imports.push_back(import);
            const LibraryNode* a = tree.First();
            return std::optional<std::vector<LibraryNodeId>>(
                std::vector<LibraryNodeId>{a->Id(), a->Child(0)->Id()});
        });
        const std::filesystem::path package = w.Path("package.exp");
        w.files.push_back(package);
        w.Trigger("ExportKnihovnyItem");
        const LibraryReadResult exported = ReadLibraryFile(package);
        QVERIFY(exported.ok());
        QCOMPARE(Names(exported.Tree), QStringList({"A", "A/A1"}));
        QVERIFY(!w.Model().Modified());

        // Import: the checked subcategory alone, at the end of the top level.
        library->SetPackageChooser([&imports](const LibraryTree& tree, bool import) {
            imports.push_back(import);
            return std::optional<std::vector<LibraryNodeId>>(
                std::vector<LibraryNodeId>{tree.First()->Child(0)->Id()});
        });
        w.files.push_back(package);
        w.Trigger("ImportKnihovnyItem");
        QCOMPARE(Names(w.Model().Tree()), QStringList({"A", "A/A1", "B", "A1"}));
        QCOMPARE(library->StatusText(), QStringLiteral("A1"));
        QVERIFY(w.Model().Modified());
        // Cancelled: nothing is added.
        library->SetPackageChooser([](const LibraryTree&, bool) {
            return std::optional<std::vector<LibraryNodeId>>();
        });
        w.files.push_back(package);
        w.Trigger("ImportKnihovnyItem");
        QCOMPARE(w.Model().Tree().NodeCount(), std::size_t{4});
        QCOMPARE(imports, (std::vector<bool>{false, true}));
        QVERIFY2(w.messages.empty(), qPrintable(w.MessageTexts()));
    }
};

QTEST_MAIN(ExprFormEditTest)
#include "expr_form_edit_test.moc"
