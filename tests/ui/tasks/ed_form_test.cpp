// The task output window: lines, clearing (saving and printing follow the
// text), the caret's status text, saving through the save dialog with the
// proposed name and the overwrite question, and its settings section; the
// placements of OPEN(window, …) on the screen.
#include <QAction>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/atomic_file.h"
#include "storage/data_file_commands.h"
#include "storage/settings_store.h"
#include "storage/text_catalog.h"
#include "ui/tasks/ed_form.h"
#include "ui/tasks/task_output.h"
#include "ui/tasks/task_window_geometry.h"

using namespace tarvix;

namespace {

// The save dialog answered by a fixed path, the request kept.
struct FakeFiles : FileChoicePort {
    std::optional<std::filesystem::path> answer;
    FileDialogRequest last;
    std::optional<std::filesystem::path> ChooseFileToOpen(const FileDialogRequest& r) override {
        last = r;
        return answer;
    }
    std::optional<std::filesystem::path> ChooseFileToSave(const FileDialogRequest& r) override {
        last = r;
        return answer;
    }
};

struct Output {
    TextCatalog texts;
    Settings settings;
    FakeFiles files;
    std::filesystem::path lastFolder = "/tmp";
    std::vector<std::string> questions;
    ModalResult answer = ModalResult::Yes;
    TEdForm* form = nullptr;

    Output() {
        EdFormContext context(texts);
        context.Values = &settings;
        context.Files = &files;
        context.LastFolder = &lastFolder;
        context.Ask = [this](std::string_view text, MessageKind, MessageButtons) {
            questions.emplace_back(text);
            return answer;
        };
        form = new TEdForm(std::move(context), nullptr);
    }
    ~Output() { delete form; }
};

std::string FileText(const std::filesystem::path& path) {
    return ReadWholeFile(path).bytes;
}

}  // namespace

class EdFormTest : public QObject {
    Q_OBJECT

private slots:
    void LinesClearAndTheEnabledCommands() {
        Output o;
        o.form->SetTitle(QStringLiteral("Kvadratická rovnice"));
        QCOMPARE(o.form->windowTitle(), QStringLiteral("Tarvix - Kvadratická rovnice"));
        QVERIFY(!o.form->HasLines());
        QVERIFY(!o.form->SaveAction()->isEnabled());
        QVERIFY(!o.form->PrintAction()->isEnabled());
        o.form->AddLine(QStringLiteral("x1 = 2"));
        o.form->AddLine(QString());
        o.form->AddLine(QStringLiteral("x2 = -3"));
        QCOMPARE(o.form->Lines(), (std::vector<std::string>{"x1 = 2", "", "x2 = -3"}));
        QVERIFY(o.form->SaveAction()->isEnabled());
        QVERIFY(o.form->PrintAction()->isEnabled());
        o.form->ClearAction()->trigger();
        QVERIFY(!o.form->HasLines());
        QVERIFY(o.form->Lines().empty());
        QVERIFY(!o.form->SaveAction()->isEnabled());
        QVERIFY(!o.form->PrintAction()->isEnabled());
    }

    void StatusShowsTheCaretsLineAndColumn() {
        Output o;
        o.form->AddLine(QStringLiteral("abc"));
        o.form->AddLine(QStringLiteral("defgh"));
        QTextCursor cursor = o.form->REdit()->textCursor();
        cursor.setPosition(4 + 3);
        o.form->REdit()->setTextCursor(cursor);
        QCOMPARE(o.form->StatusText(), QStringLiteral("Řádek:   2   Sloupec:   4"));
    }

    void SaveWritesTheLinesAndAsksBeforeReplacing() {
        QTemporaryDir dir;
        Output o;
        o.form->SetTitle(QStringLiteral("Výpočet"));
        o.form->AddLine(QStringLiteral("a = 1"));
        o.form->AddLine(QStringLiteral("b = 2"));
        const std::filesystem::path path = dir.filePath(QStringLiteral("out.txt")).toStdString();
        o.files.answer = path;
        o.form->SaveAction()->trigger();
        QCOMPARE(o.files.last.FileName, std::string("Výpočet.txt"));
        QCOMPARE(o.files.last.Folder, std::filesystem::path("/tmp"));
        QCOMPARE(FileText(path), std::string("a = 1\nb = 2\n"));
        QVERIFY(o.questions.empty());
        QCOMPARE(o.lastFolder, path.parent_path());

        // An existing file: No keeps it as it is.
        o.form->AddLine(QStringLiteral("c = 3"));
        o.answer = ModalResult::No;
        o.form->SaveAction()->trigger();
        QCOMPARE(o.questions.size(), std::size_t(1));
        QCOMPARE(FileText(path), std::string("a = 1\nb = 2\n"));
        o.answer = ModalResult::Yes;
        o.form->SaveAction()->trigger();
        QCOMPARE(FileText(path), std::string("a = 1\nb = 2\nc = 3\n"));

        // A folder that does not exist: an error, no file.
        const std::filesystem::path bad = dir.filePath(QStringLiteral("no/out.txt")).toStdString();
        QVERIFY(!o.form->SaveTo(bad));
        QVERIFY(!std::filesystem::exists(bad));
        QCOMPARE(o.questions.size(), std::size_t(3));
    }

    void PlacementAndFontGoToTheSettings() {
        Output o;
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPointSize(13);
        font.setBold(true);
        o.form->SetFontChooser([font](const QFont&) { return std::optional<QFont>(font); });
        o.form->FontAction()->trigger();
        o.form->resize(420, 310);
        o.form->show();
        o.form->close();
        QCOMPARE(o.settings.Int("EdForm", "Width"), 420);
        QCOMPARE(o.settings.Int("EdForm", "Height"), 310);
        QCOMPARE(o.settings.Int("EdForm", "EdFormFontSize"), 13);
        QCOMPARE(o.settings.Integer("EdForm", "EdFormFontStyle"), 1);
        QCOMPARE(o.settings.String("EdForm", "EdFormFontName"), std::string("DejaVu Sans Mono"));
    }

    void ProposedNameAndPositionText_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        QTest::newRow("title") << "Tarvix - Úloha 1" << "Úloha 1.txt";
        QTest::newRow("dash in title") << "Tarvix - a-b" << "a-b.txt";
        QTest::newRow("no title") << "Tarvix - " << "";
        QTest::newRow("no dash") << "Tarvix" << "";
        QTest::newRow("slashes") << "Tarvix - a/b" << "a_b.txt";
    }
    void ProposedNameAndPositionText() {
        QFETCH(QString, caption);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdString(ProposedOutputFileName(caption.toStdString())), name);
        QCOMPARE(OutputPositionText("%3d:%d %s%", 7, 1234), std::string("  7:1234 %s%"));
    }

    void WindowPlacements_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<QList<int>>("values");  // left, top, width, height; -1: not given
        QTest::addColumn<bool>("relative");
        QTest::addColumn<QRect>("expected");
        const auto a = [](WindowAction action) { return static_cast<int>(action); };
        // Screen 0,0 1000x800; the window 100,100 200x150.
        QTest::newRow("top left") << a(WindowAction::TopLeft) << QList<int>{} << false
                                  << QRect(0, 0, 200, 150);
        QTest::newRow("bottom right") << a(WindowAction::BottomRight) << QList<int>{} << false
                                      << QRect(800, 650, 200, 150);
        QTest::newRow("center") << a(WindowAction::Center) << QList<int>{} << false
                                << QRect(400, 325, 200, 150);
        QTest::newRow("place") << a(WindowAction::Place) << QList<int>{10, 20, 300, 200} << false
                               << QRect(10, 20, 300, 200);
        QTest::newRow("clamped") << a(WindowAction::Place) << QList<int>{5000, 5000, 5000, 5000}
                                 << false << QRect(950, 780, 1000, 800);
        QTest::newRow("relative") << a(WindowAction::Place) << QList<int>{10, -1, 50, -1} << true
                                  << QRect(110, 100, 250, 150);
        QTest::newRow("negative") << a(WindowAction::Place) << QList<int>{-500, -500, -1, -1}
                                  << true << QRect(0, 0, 200, 150);
        QTest::newRow("show keeps") << a(WindowAction::Show) << QList<int>{} << false
                                    << QRect(100, 100, 200, 150);
    }
    void WindowPlacements() {
        QFETCH(int, action);
        QFETCH(QList<int>, values);
        QFETCH(bool, relative);
        QFETCH(QRect, expected);
        WindowCommand command;
        command.Action = static_cast<WindowAction>(action);
        WindowCoordinate* parts[] = {&command.Left, &command.Top, &command.Width, &command.Height};
        for (int i = 0; i < values.size(); ++i) {
            if (values[i] == -1) continue;
            parts[i]->Given = true;
            parts[i]->Relative = relative;
            parts[i]->Value = values[i];
        }
        QCOMPARE(PlacedWindowFrame(command, QRect(100, 100, 200, 150), QRect(0, 0, 1000, 800)),
                 expected);
    }
};

QTEST_MAIN(EdFormTest)
#include "ed_form_test.moc"
