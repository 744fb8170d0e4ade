// The interface language across the windows: the English file holds every
// built-in text in English; with English applied no window of the picture
// table shows a Czech caption; in Czech no caption is empty; switching back
// restores the Czech texts in windows that are open; the tip window.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QToolBar>
#include <QWidgetAction>
#include <QtTest>
#include <QRegularExpression>
#include <map>
#include <set>

#include "czech_letters.h"
#include "engine/message_overlay.h"
#include "engine/name_utils.h"
#include "storage/installation.h"
#include "storage/language_file.h"
#include "ui/widgets/qt_text.h"
#include "ui/language/language_hub.h"
#include "ui/language/language_template.h"
#include "ui/language/tips_form.h"
#include "ui/main/main_form.h"
#include "ui/settings/disp_form.h"
#include "ui/shell/picture_windows.h"
#include "ui/worksheet/gem_v_form.h"

namespace tarvix {
namespace {

std::filesystem::path EnglishFile() { return ShippedDataFolder() / "lang" / "ENGLISH.lng"; }

// One visible text of a widget, named for the report.
struct ShownText {
    QString Where;
    QString Text;
    bool Caption = false;  // a caption that must not be empty
};

QString NameOf(const QObject* object) {
    QString name = object->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(object->metaObject()->className());
    if (const QObject* parent = object->parent()) {
        const QString outer = parent->objectName();
        if (!outer.isEmpty()) name = outer + QLatin1Char('/') + name;
    }
    return name;
}

// An action shows a caption when a menu, menu bar or tool bar holds it.
bool ShowsCaption(const QAction* action) {
    if (action->isSeparator() || qobject_cast<const QWidgetAction*>(action)) return false;
    for (const QObject* holder : action->associatedObjects()) {
        if (qobject_cast<const QMenu*>(holder) || qobject_cast<const QMenuBar*>(holder) ||
            qobject_cast<const QToolBar*>(holder))
            return true;
    }
    return false;
}

void AddActionTexts(const QAction* action, std::vector<ShownText>& out) {
    if (action->isSeparator()) return;
    out.push_back({NameOf(action), action->text(), ShowsCaption(action)});
    out.push_back({NameOf(action) + QStringLiteral(" (tip)"), action->toolTip()});
}

// A window's title without the name of the file it shows: the expression
// editor's worksheet keeps its name (the user's data) in every language.
QString TitleWithoutFileName(QWidget* window) {
    QString title = window->windowTitle();
    if (auto* editor = qobject_cast<TDispForm*>(window)) {
        const QString file = ToQ(editor->Worksheet().FilePath().filename().string());
        if (!file.isEmpty() && title.endsWith(file)) title.chop(file.size());
    }
    return title;
}

// The caption, hint, title, menu or header texts of the widgets.
std::vector<ShownText> ShownTextsOf(const QWidgetList& widgets) {
    std::vector<ShownText> out;
    for (QWidget* widget : widgets) {
        const QString name = NameOf(widget);
        if (widget->isWindow() && widget->isVisible())
            out.push_back({name + QStringLiteral(" (title)"), TitleWithoutFileName(widget), true});
        out.push_back({name + QStringLiteral(" (tip)"), widget->toolTip()});
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            // Buttons of the user's: no icon, no arrow, and not the corner of a grid.
            auto* tool = qobject_cast<QToolButton*>(widget);
            const bool caption = button->icon().isNull() &&
                                 !(tool && tool->arrowType() != Qt::NoArrow) &&
                                 !widget->inherits("QTableCornerButton");
            out.push_back({name, button->text(), caption});
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            out.push_back({name, label->text()});
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            out.push_back({name, group->title()});
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) out.push_back({name, tabs->tabText(i), true});
        } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
            // A menu's title shows where a menu bar or another menu holds it.
            out.push_back({name, menu->title(), ShowsCaption(menu->menuAction())});
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            if (QAbstractItemModel* model = header->model()) {
                const int count = header->orientation() == Qt::Horizontal ? model->columnCount()
                                                                          : model->rowCount();
                for (int i = 0; i < count && i < 64; ++i)
                    out.push_back({name + QStringLiteral(" (header)"),
                                   model->headerData(i, header->orientation()).toString()});
            }
        }
        for (const QAction* action : widget->actions()) AddActionTexts(action, out);
    }
    return out;
}

// The texts of every widget of the application.
std::vector<ShownText> ShownTexts() {
    return ShownTextsOf(QApplication::allWidgets());
}

// The texts of one window with its menus, dialogs' parts and status line.
std::vector<ShownText> ShownTextsOfWindow(QWidget* window) {
    return ShownTextsOf(QWidgetList{window} + window->findChildren<QWidget*>());
}

// Every window of the picture table, opened from one main window.
void OpenEveryWindow(TMainForm& form) {
    for (const QString& name : PictureWindowNames()) {
        if (name == QLatin1String("mini")) continue;  // the compact layout hides the keypad
        QVERIFY2(OpenWindowForPicture(form, name) != nullptr, qPrintable(name));
        QApplication::processEvents();
    }
}

}  // namespace

class LanguageWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        // No message box may wait for a click while windows open.
        hook_ = [](const MessageBoxRequest&) { return ModalResult::Cancel; };
    }

    void cleanup() {
        // The main windows take their other windows with them, as at exit.
        QList<QPointer<TMainForm>> forms;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* form = qobject_cast<TMainForm*>(window)) forms << form;
        }
        for (const QPointer<TMainForm>& form : forms) delete form.data();
        LanguageMessages().Clear();  // the message tables are the process's
    }

    void EnglishFileHoldsEveryBuiltInTextInEnglish() {
        const LanguageReadResult english = ReadLanguageFile(EnglishFile());
        QVERIFY2(english.Ok, english.Problems.empty() ? "" : english.Problems.front().c_str());
        QCOMPARE(QString::fromStdString(english.File.Language), QStringLiteral("ENGLISH"));
        std::set<std::string> keys;
        for (const LanguageEntry& entry : english.File.Entries) {
            keys.insert(ToUpperAscii(entry.Section + '/' + entry.Key));
            if (HasCzechLetter(QString::fromStdString(entry.Text)))
                QFAIL(qPrintable(QString::fromStdString("Czech letter in " + entry.Section + "/" +
                                                        entry.Key + ": " + entry.Text)));
        }
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook(hook_);
        QStringList missing;
        for (const LanguageEntry& entry : BuiltInTexts(*form)) {
            if (!keys.count(ToUpperAscii(entry.Section + '/' + entry.Key)))
                missing << QString::fromStdString(entry.Section + "/" + entry.Key);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing in ENGLISH.lng: ") +
                                               missing.join(QStringLiteral(", "))));
    }

    void EnglishWindowsShowNoCzechLetter() {
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook(hook_);
        form->show();
        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("ENGLISH")).FromFile);
        OpenEveryWindow(*form);
        QStringList czech;
        for (const ShownText& shown : ShownTexts()) {
            if (HasCzechLetter(shown.Text)) czech << shown.Where + QStringLiteral(": ") + shown.Text;
        }
        for (const QString& line : czech) qWarning("Czech in English: %s", qPrintable(line));
        QVERIFY2(czech.isEmpty(), qPrintable(czech.join(QLatin1Char('\n'))));
    }

    // No two visible items of one English menu (or menu bar) share an accelerator.
    void EnglishAcceleratorsAreUniquePerMenu() {
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook(hook_);
        form->show();
        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("ENGLISH")).FromFile);
        OpenEveryWindow(*form);
        QStringList clashes;
        for (QWidget* widget : QApplication::allWidgets()) {
            if (!qobject_cast<QMenu*>(widget) && !qobject_cast<QMenuBar*>(widget)) continue;
            std::map<QChar, QString> taken;
            for (const QAction* action : widget->actions()) {
                if (action->isSeparator() || !action->isVisible()) continue;
                const QString text = action->text();
                const qsizetype amp = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
                if (amp < 0) continue;
                const QChar key = text[amp + 1].toLower();
                const auto [it, added] = taken.emplace(key, text);
                if (!added) clashes << NameOf(widget) + QStringLiteral(": ") + it->second +
                                           QStringLiteral(" / ") + text;
            }
        }
        for (const QString& line : clashes) qWarning("accelerator clash: %s", qPrintable(line));
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }

    void CzechWindowsHaveNoEmptyCaption() {
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook(hook_);
        form->show();
        LanguageOf(*form).ApplyLanguage(QStringLiteral("CZECH"));
        OpenEveryWindow(*form);
        QStringList empty;
        for (const ShownText& shown : ShownTexts()) {
            if (shown.Caption && shown.Text.trimmed().isEmpty()) empty << shown.Where;
        }
        for (const QString& line : empty) qWarning("empty caption: %s", qPrintable(line));
        QVERIFY2(empty.isEmpty(), qPrintable(empty.join(QStringLiteral(", "))));
    }

    // Open windows take the new language at once, and Czech comes back whole.
    void SwitchingReappliesOpenWindowsAndBack() {
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook(hook_);
        form->show();
        OpenEveryWindow(*form);
        QMenu* file = form->findChild<QMenu*>(QStringLiteral("SouborMenu"));
        QVERIFY(file);
        const QString czechTitle = file->title();
        const auto czechTexts = ShownTexts();

        QElapsedTimer timer;
        timer.start();
        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("ENGLISH")).FromFile);
        qInfo("switching with every window open: %lld ms", static_cast<long long>(timer.elapsed()));
        QCOMPARE(file->title(), QStringLiteral("&File"));
        QVERIFY(!form->windowTitle().isEmpty());

        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("CZECH")).Ok);
        QCOMPARE(file->title(), czechTitle);
        QCOMPARE(file->title(), QStringLiteral("&Soubor"));
        const auto backTexts = ShownTexts();
        QCOMPARE(backTexts.size(), czechTexts.size());
        for (std::size_t i = 0; i < czechTexts.size(); ++i) {
            // The captions (a status line or a tip may change with the state).
            if (!czechTexts[i].Caption || !HasCzechLetter(czechTexts[i].Text)) continue;
            QCOMPARE(backTexts[i].Text, czechTexts[i].Text);
        }
    }

    // Windows whose texts are set where they are built: opened in Czech, each
    // follows a switch to English and back at once.
    void OpenToolWindowsFollowTheLanguage_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("run");  // the variant window shows its run's status
        QTest::newRow("user constants") << QStringLiteral("const") << false;
        QTest::newRow("period") << QStringLiteral("date") << false;
        QTest::newRow("holiday list") << QStringLiteral("holidays") << false;
        QTest::newRow("matrix memory") << QStringLiteral("mem") << false;
        QTest::newRow("variants") << QStringLiteral("gemv") << true;
        QTest::newRow("task output") << QStringLiteral("output") << false;
        QTest::newRow("help") << QStringLiteral("help") << false;
    }

    void OpenToolWindowsFollowTheLanguage() {
        QFETCH(QString, window);
        QFETCH(bool, run);
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook(hook_);
        form->show();
        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("CZECH")).Ok);
        QPointer<QWidget> opened = OpenWindowForPicture(*form, window);
        QVERIFY(opened);
        if (run) {
            auto* variants = qobject_cast<TGemVForm*>(opened.data());
            QVERIFY(variants);
            variants->RunClick();
            QVERIFY(!variants->StatusText(2).isEmpty());
        }
        QApplication::processEvents();
        const std::vector<ShownText> czech = ShownTextsOfWindow(opened);

        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("ENGLISH")).FromFile);
        QVERIFY(opened);
        QStringList czechLeft;
        for (const ShownText& shown : ShownTextsOfWindow(opened)) {
            if (HasCzechLetter(shown.Text))
                czechLeft << shown.Where + QStringLiteral(": ") + shown.Text;
        }
        QVERIFY2(czechLeft.isEmpty(), qPrintable(czechLeft.join(QLatin1Char('\n'))));

        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("CZECH")).Ok);
        const std::vector<ShownText> back = ShownTextsOfWindow(opened);
        QCOMPARE(back.size(), czech.size());
        for (std::size_t i = 0; i < czech.size(); ++i) {
            if (czech[i].Caption)
                QVERIFY2(!back[i].Text.trimmed().isEmpty(), qPrintable(back[i].Where));
            if (HasCzechLetter(czech[i].Text)) QCOMPARE(back[i].Text, czech[i].Text);
        }
    }

    void LanguageWithoutFileKeepsCzechAndListHoldsCzech() {
        auto* form = new TMainForm;
        const QStringList names = LanguageOf(*form).LanguageNames();
        QVERIFY(names.contains(QStringLiteral("CZECH")));
        QVERIFY(names.contains(QStringLiteral("ENGLISH")));
        const LanguageApplyResult result = LanguageOf(*form).ApplyLanguage(QStringLiteral("KLINGON"));
        QVERIFY(result.Ok);
        QVERIFY(!result.FromFile);
        QCOMPARE(form->findChild<QMenu*>(QStringLiteral("SouborMenu"))->title(),
                 QStringLiteral("&Soubor"));
    }

    // The tip window shows the language's tips and follows a language change.
    void TipWindowFollowsTheLanguage() {
        auto* form = new TMainForm;
        form->show();
        ShowTips(*form);
        auto* tips = form->findChild<TTipsForm*>();
        QVERIFY(tips);
        QCOMPARE(tips->windowTitle(), QStringLiteral("Tip dne"));
        QVERIFY(!tips->TipText().isEmpty());
        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("ENGLISH")).FromFile);
        QCOMPARE(tips->windowTitle(), QStringLiteral("Tip of the Day"));
        for (int press = 0; press < 5; ++press) {
            tips->DalsiTipButtonClick();
            QVERIFY(!HasCzechLetter(tips->TipText()));
            QVERIFY(!tips->TipText().isEmpty());
        }
    }

    // The expression editor's title carries the worksheet's file name, which
    // a language change keeps; the caption before it and the tool bar switch.
    void OpenExpressionEditorFollowsTheLanguage() {
        auto* form = new TMainForm;
        form->Dialogs().SetMessageHook(hook_);
        form->show();
        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("CZECH")).Ok);
        QPointer<QWidget> opened = OpenWindowForPicture(*form, QStringLiteral("editor"));
        auto* editor = qobject_cast<TDispForm*>(opened.data());
        QVERIFY(editor);
        const QString file = ToQ(editor->Worksheet().FilePath().filename().string());
        QVERIFY(!file.isEmpty());
        const QString czechTitle = editor->windowTitle();
        QCOMPARE(czechTitle, QStringLiteral("Editor výrazů - ") + file);

        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("ENGLISH")).FromFile);
        QVERIFY(opened);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Expression editor - ") + file);
        for (QAction* action : editor->ToolBar()->actions()) {
            QVERIFY2(!HasCzechLetter(action->text()), qPrintable(action->objectName()));
            QVERIFY2(!HasCzechLetter(action->toolTip()), qPrintable(action->objectName()));
        }

        QVERIFY(LanguageOf(*form).ApplyLanguage(QStringLiteral("CZECH")).Ok);
        QCOMPARE(editor->windowTitle(), czechTitle);
    }

private:
    std::function<ModalResult(const MessageBoxRequest&)> hook_;
};

}  // namespace tarvix

QTEST_MAIN(tarvix::LanguageWindowsTest)
#include "language_windows_test.moc"
