// The help window opened from the program: at the page of a help context, by
// the help button of a message box (while the box is open), by F1 in the
// windows and by their "Nápověda" buttons, at a task keyword; the full-text
// search in both languages; a change of language.
#include "ui/help/help_form.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "calculator/message_box.h"
#include "ui/chart/param_dlg.h"
#include "ui/help/help_browser.h"
#include "ui/help/help_link.h"
#include "ui/main/main_form.h"
#include "ui/statistics/stat_form.h"
#include "ui/widgets/qt_dialogs.h"
#include "ui/worksheet/gem_form.h"

using namespace tarvix;

namespace {

struct Window {
    mutable TMainForm form;

    Window() {
        form.Help().SetLanguage(QStringLiteral("CZECH"));
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    THelpForm* Help() const { return form.Help().Form(); }
    // The page shown, "page.html#anchor" or "page.html".
    QString Shown() const {
        if (!Help()) return {};
        const QUrl url = Help()->CurrentUrl();
        const QString page = url.path().section(QLatin1Char('/'), -1);
        return url.fragment().isEmpty() ? page : page + QLatin1Char('#') + url.fragment();
    }
    QString Host() const { return Help() ? Help()->CurrentUrl().host() : QString(); }
};

// Presses F1 in `window`, as the user does, at its focused widget.
void PressF1(QWidget* window) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_F1);
}

// The full-text search of the help window, typed into its query box.
QStringList SearchResults(THelpForm* help, const QString& text) {
    QHelpSearchEngine* search = help->SearchEngine();
    if (help->Indexing()) {
        QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
        if (!indexed.wait(20000)) return {};
    }
    QSignalSpy finished(search, &QHelpSearchEngine::searchingFinished);
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setSearchInput(text);
    QPushButton* button = query->findChild<QPushButton*>();
    if (!button) return {};
    button->click();
    if (finished.isEmpty() && !finished.wait(20000)) return {};
    QStringList pages;
    for (const QHelpSearchResult& result : search->searchResults(0, search->searchResultCount()))
        pages << result.url().path().section(QLatin1Char('/'), -1);
    return pages;
}

}  // namespace

class HelpFormTest : public QObject {
    Q_OBJECT

private slots:
    void OpensAtTheContextsPage() {
        Window w;
        w.form.ShowHelpTopic(204);
        QVERIFY(w.Help());
        QVERIFY(w.Help()->isVisible());
        QCOMPARE(w.Shown(), QStringLiteral("worksheet.html#messages"));
        // Scrolled to the anchor, which is far down the page.
        QTRY_VERIFY(w.Help()->Browser()->verticalScrollBar()->value() > 0);
        QCOMPARE(w.Help()->windowTitle(), QStringLiteral("Nápověda"));
        // The contents come in the background and select the page shown.
        QVERIFY(w.Help()->WaitForContents(10000));
        auto* contents = w.Help()->findChild<QHelpContentWidget*>(QStringLiteral("HelpContents"));
        QVERIFY(contents);
        QTRY_COMPARE(contents->currentIndex().data().toString(), QStringLiteral("Maticový počet"));
        QVERIFY(!w.Help()->Browser()->toPlainText().isEmpty());
        // An unknown number and 0 open the contents.
        w.form.ShowHelpTopic(0);
        QCOMPARE(w.Shown(), QStringLiteral("index.html"));
        w.form.ShowHelpTopic(99999);
        QCOMPARE(w.Shown(), QStringLiteral("index.html"));
        // Back returns to the page before (the contents shown twice are one step).
        w.Help()->findChild<QAction*>(QStringLiteral("HelpBackAction"))->trigger();
        QCOMPARE(w.Shown(), QStringLiteral("worksheet.html#messages"));
        // The same window serves every request.
        THelpForm* first = w.Help();
        w.form.ShowHelpTopic(17);
        QCOMPARE(w.Help(), first);
        QCOMPARE(w.Shown(), QStringLiteral("registers.html#variables"));
    }

    // The help button of a message box opens its topic while the box stays
    // open; the help window is usable beside the modal box and stays open
    // after it.
    void HelpButtonOfAMessageBox() {
        Window w;
        QPointer<THelpForm> helpDuringBox;
        QWidget* parentDuringBox = nullptr;
        QWidget* box = nullptr;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TMessageDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            box = dialog;
            dialog->Button(MessageButton::Help)->click();
            helpDuringBox = w.Help();
            parentDuringBox = w.Help() ? w.Help()->parentWidget() : nullptr;
            dialog->Button(MessageButton::Cancel)->click();
        });
        const ModalResult result = w.form.Model().ShowMessageBox(
            "Duplicita proměnné \"x\"", MessageKind::Error, kCancelHelpButtons, 17);
        QCOMPARE(result, ModalResult::Cancel);
        QVERIFY(helpDuringBox);
        QVERIFY(box);
        QCOMPARE(parentDuringBox, box);
        QTRY_VERIFY(w.Help());
        QCOMPARE(w.Help(), helpDuringBox.data());
        QCOMPARE(w.Help()->parentWidget(), &w.form);
        QVERIFY(w.Help()->isVisible());
        QCOMPARE(w.Shown(), QStringLiteral("registers.html#variables"));
    }

    void F1InTheWindows() {
        Window w;
        PressF1(&w.form);
        QCOMPARE(w.Shown(), QStringLiteral("main_window.html"));

        w.form.SoustavaRovnicItemClick();
        TGemForm* gem = w.form.GemForm();
        QVERIFY(gem);
        PressF1(gem);
        QCOMPARE(w.Shown(), QStringLiteral("worksheet.html"));

        w.form.StatisticsWindowClick();
        TStatForm* stat = w.form.StatForm();
        QVERIFY(stat);
        stat->SetRegressionMode(true);
        PressF1(stat);
        QCOMPARE(w.Shown(), QStringLiteral("regression.html"));

        // F1 in the help window: how to use it.
        PressF1(w.Help());
        QCOMPARE(w.Shown(), QStringLiteral("help.html"));
    }

    // The "Nápověda" button of a dialog and F1 in a message box.
    void HelpButtonsOfDialogs() {
        Window w;
        std::unique_ptr<TParamDlg> dialog = w.form.MakeParamDlg();
        QTimer::singleShot(0, [&] {
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            for (QAbstractButton* button : buttons->buttons()) {
                if (buttons->buttonRole(button) == QDialogButtonBox::HelpRole) button->click();
            }
            dialog->reject();
        });
        dialog->exec();
        QCOMPARE(w.Shown(), QStringLiteral("series_parameters.html"));

        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_F1);
                box->close();
            }
        });
        w.form.Model().ShowMessageBox("Syntaktická chyba ve výrazu", MessageKind::Error,
                                      kCancelHelpButtons, 11);
        QCOMPARE(w.Shown(), QStringLiteral("expressions.html#syntax"));
    }

    void KeywordsAndTopicTexts() {
        Window w;
        w.form.ShowHelpForKeyword(QStringLiteral("then"));
        QCOMPARE(w.Shown(), QStringLiteral("task_branches.html#if"));
        w.form.ShowHelpForKeyword(QStringLiteral("Equ"));
        QCOMPARE(w.Shown(), QStringLiteral("task_equ.html"));
        w.form.ShowHelpText(QStringLiteral("512"));
        QCOMPARE(w.Shown(), QStringLiteral("task_loops.html#for"));
        // Alt+F1 at a caret: the statement of the line; a word of an
        // expression line (here after a Czech letter) the index at it.
        w.form.Help().ShowAtCaret(QStringLiteral("  While x < 3"), 10);
        QCOMPARE(w.Shown(), QStringLiteral("task_loops.html#while"));
        w.form.Help().ShowAtCaret(QStringLiteral("čas = determinant"), 6);
        QCOMPARE(w.Help()->IndexFilter()->text(), QStringLiteral("determinant"));
        // Another word: the index at that word.
        w.form.ShowHelpForKeyword(QStringLiteral("determinant"));
        QCOMPARE(w.Help()->Tabs()->currentIndex(), 1);
        QCOMPARE(w.Help()->IndexFilter()->text(), QStringLiteral("determinant"));
    }

    void SearchFindsTheWorksheet_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("czech") << QStringLiteral("CZECH");
        QTest::newRow("english") << QStringLiteral("ENGLISH");
    }
    void SearchFindsTheWorksheet() {
        QFETCH(QString, language);
        Window w;
        w.form.Help().SetLanguage(language);
        w.form.HelpContentsClick();
        QVERIFY(w.Help());
        const QStringList pages = SearchResults(w.Help(), QStringLiteral("determinant"));
        QVERIFY2(pages.contains(QStringLiteral("worksheet.html")),
                 qPrintable(pages.join(QLatin1Char(' '))));
    }

    // The help follows the language: the page stays, the collection changes;
    // a language without help gets the Czech one.
    void ChangeOfLanguage() {
        Window w;
        w.form.ShowHelpTopic(204);
        const QString czech = w.Host();
        w.form.Help().SetLanguage(QStringLiteral("ENGLISH"));
        QCOMPARE(w.Shown(), QStringLiteral("worksheet.html#messages"));
        QVERIFY(w.Host() != czech);
        w.form.Help().SetLanguage(QStringLiteral("GERMAN"));
        QCOMPARE(w.Host(), czech);
        QCOMPARE(w.Shown(), QStringLiteral("worksheet.html#messages"));
    }
};

QTEST_MAIN(HelpFormTest)
#include "help_form_test.moc"
