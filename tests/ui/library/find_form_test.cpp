// The text search window over the library window: two hits in one category
// (the second one selects its row in the library), the toggles, the keys,
// the status bar, and the search texts shared with the main window.
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "library_windows.h"
#include "storage/calculator_session.h"
#include "tasks/library_settings.h"
#include "ui/library/find_form.h"

using namespace tarvix;
using namespace tarvix::test;

namespace {

LibraryTree SearchLibrary() {
    return MakeLibrary({{0, "Alfa", {{"první", "1"}}},
                        {1, "Kruhy", {{"obvod x", "2*pi*r"}, {"něco jiného", "1"}, {"obsah x", "pi*r^2"}}},
                        {0, "Beta", {{"beta", "2"}}},
                        {0, "Prázdná", {}}});
}

}  // namespace

class FindFormTest : public QObject {
    Q_OBJECT

private slots:
    void TwoHitsInOneCategoryLeadToTheirRows() {
        LibraryWindows w;
        w.main.Session().Values().SetList("FindCategory", {"dřívější"});
        TExprForm* library = w.Open(w.Write("find.exp", SearchLibrary()));
        w.ClickCategory("Beta");
        std::unique_ptr<TFindForm> find = library->CreateFindForm();
        find->show();
        LibraryWindows::Activate(find.get());
        QCOMPARE(find->windowTitle(), QStringLiteral("Hledání textu"));
        // The main window's search texts, the newest as the search text.
        QCOMPARE(find->ComboBox()->currentText(), QStringLiteral("dřívější"));

        find->ComboBox()->setEditText(QStringLiteral(" X "));
        QTest::keyClick(find->ComboBox()->lineEdit(), Qt::Key_Return);
        QTableWidget* grid = find->StringGrid();
        QCOMPARE(grid->rowCount(), 2);
        QVERIFY(grid->isColumnHidden(0));
        // Sorted by category, then comment: "obsah x" (row 2) after "obvod x" (row 0).
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Kruhy"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("obsah x"));
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("obvod x"));
        QCOMPARE(find->StatusText(0), QStringLiteral("2"));

        // Selecting the second hit selects its row in the library.
        grid->setCurrentCell(1, 1);
        QCOMPARE(library->StatusText(), QStringLiteral("Alfa\\ Kruhy"));
        QCOMPARE(find->StatusText(1), QStringLiteral("Alfa\\ Kruhy"));
        QCOMPARE(library->StringGrid()->currentRow(), 0);
        QCOMPARE(w.Model().SelectedRow(), 0);
        grid->setCurrentCell(0, 1);
        QCOMPARE(library->StringGrid()->currentRow(), 2);
        QCOMPARE(library->TreeView()->currentIndex().data().toString(), QStringLiteral("Kruhy"));
        QVERIFY(find->isVisible());
        // The search text went to the main window's list, newest first.
        QCOMPARE(ReadFindHistory(w.main.Session().Values()),
                 (std::vector<std::string>{" X ", "dřívější"}));

        // Enter in the grid goes to the hit and closes the window.
        grid->setFocus();
        grid->setCurrentCell(1, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!find->isVisible());
        QCOMPARE(w.Model().SelectedRow(), 0);
        QCOMPARE(grid->rowCount(), 0);
    }

    void TogglesScopeAndKeys() {
        LibraryWindows w;
        TExprForm* library = w.Open(w.Write("find.exp", SearchLibrary()));
        std::unique_ptr<TFindForm> find = library->CreateFindForm();
        find->show();
        LibraryWindows::Activate(find.get());
        QToolButton* categ = find->Button("CategToolButton");
        QToolButton* comment = find->Button("CommentToolButton");
        QToolButton* subtree = find->Button("SubCategToolButton");
        QToolButton* findButton = find->Button("FindToolButton");
        QVERIFY(categ->isChecked() && comment->isChecked() && !subtree->isChecked());
        // No text: nothing to find.
        QVERIFY(!findButton->isEnabled());
        find->ComboBox()->setEditText(QStringLiteral("a"));
        QVERIFY(findButton->isEnabled());
        categ->click();
        comment->click();
        QVERIFY(!findButton->isEnabled());
        categ->click();

        // A name alone: "Prázdná" holds one empty row, listed once with no comment.
        find->ComboBox()->setEditText(QStringLiteral("prázdná"));
        findButton->click();
        QCOMPARE(find->StringGrid()->rowCount(), 1);
        QCOMPARE(find->StringGrid()->item(0, 1)->text(), QStringLiteral("Prázdná"));
        QCOMPARE(find->StringGrid()->item(0, 2)->text(), QString());

        // Only below the selected category.
        comment->click();
        subtree->click();
        w.ClickCategory("Beta");
        find->ComboBox()->setEditText(QStringLiteral("x"));
        findButton->click();
        QCOMPARE(find->StringGrid()->rowCount(), 0);
        QCOMPARE(find->StatusText(0), QString());
        w.ClickCategory("Alfa");
        findButton->click();
        QCOMPARE(find->StringGrid()->rowCount(), 2);

        // A letter typed in the grid starts a new search text.
        find->StringGrid()->setFocus();
        QTest::keyClick(find->StringGrid(), Qt::Key_K);
        QCOMPARE(find->focusWidget(), static_cast<QWidget*>(find->ComboBox()));
        QCOMPARE(find->ComboBox()->currentText(), QStringLiteral("k"));
        // Escape closes the window.
        QTest::keyClick(find->ComboBox()->lineEdit(), Qt::Key_Escape);
        QVERIFY(!find->isVisible());
    }
};

QTEST_MAIN(FindFormTest)
#include "find_form_test.moc"
