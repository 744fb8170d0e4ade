// The expression editor window on the main window: Enter on a line, the
// keys, "Přepočítat vše", saving with Ctrl+S, the question before changes are
// lost, and the window reopened at the next start with its worksheet.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "storage/xdg_paths.h"
#include "ui/main/main_form.h"
#include "ui/settings/disp_form.h"
#include "ui/widgets/qt_file_choice.h"

using namespace tarvix;

namespace {

struct Window {
    TMainForm form;
    std::vector<MessageBoxRequest> messages;
    std::vector<ModalResult> answers;
    std::optional<std::filesystem::path> chosenFile;

    Window() {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            if (answers.empty()) return ModalResult::Ok;
            const ModalResult answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
        form.Files().SetHook(
            [this](const FileDialogRequest&, bool) { return chosenFile; });
        form.show();
    }
    TDispForm* Editor() {
        form.EditorVyrazuItemClick();
        return form.DispForm();
    }
};

void PutCaret(TDispForm* editor, int line) {
    QTextCursor cursor(editor->Memo()->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock);
    editor->Memo()->setTextCursor(cursor);
}

QString DisplayText(TMainForm& form) {
    return form.StaticTextDisplay()->text().trimmed();
}

}  // namespace

class DispFormTest : public QObject {
    Q_OBJECT

private slots:
    void EnterEvaluatesTheCaretsLine() {
        Window w;
        TDispForm* editor = w.Editor();
        QCOMPARE(editor->windowTitle().left(15), QStringLiteral("Editor výrazů -"));
        editor->Memo()->setPlainText(QStringLiteral("r = 2,5\n' comment\npi*r^2"));
        PutCaret(editor, 0);
        QTest::keyClick(editor->Memo(), Qt::Key_Return);
        QCOMPARE(editor->Memo()->toPlainText(),
                 QStringLiteral("r = 2,5 =\n2.5\n' comment\npi*r^2"));
        QCOMPARE(editor->StatusLine()->text(), QStringLiteral("r = 2,5 = 2.5"));
        QCOMPARE(DisplayText(w.form), QStringLiteral("2.5"));
        // The caret stands on the result line; a comment line does nothing.
        QCOMPARE(editor->Memo()->textCursor().blockNumber(), 1);
        PutCaret(editor, 2);
        QTest::keyClick(editor->Memo(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(editor->Memo()->document()->blockCount(), 4);
        // An error: the message, the text unchanged.
        editor->Memo()->appendPlainText(QStringLiteral("1/0"));
        const QString before = editor->Memo()->toPlainText();
        PutCaret(editor, 4);
        QTest::keyClick(editor->Memo(), Qt::Key_Return);
        QCOMPARE(editor->Memo()->toPlainText(), before);
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(w.messages[0].Text, "Dělení nulou");
        // Shift+Enter is an ordinary line break.
        QTest::keyClick(editor->Memo(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(editor->Memo()->document()->blockCount(), 6);
        // "Obnovit" takes the last edit back.
        editor->ToolAction(QStringLiteral("ObnovitButton"))->trigger();
        QCOMPARE(editor->Memo()->toPlainText(), before);
    }

    void CtrlInsAndCtrlDel() {
        Window w;
        TDispForm* editor = w.Editor();
        editor->Memo()->setPlainText(QStringLiteral("abc\ndef"));
        PutCaret(editor, 1);
        QTest::keyClick(editor->Memo(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(editor->Memo()->textCursor().positionInBlock(), 0);
        QCOMPARE(editor->Memo()->toPlainText(), QStringLiteral("abc\ndef"));
        QTest::keyClick(editor->Memo(), Qt::Key_Insert, Qt::ControlModifier);
        QCOMPARE(editor->Memo()->toPlainText(), QStringLiteral("abc\n\ndef"));
        QCOMPARE(editor->Memo()->textCursor().blockNumber(), 1);
    }

    void RecalculateAllUpdatesTheResults() {
        Window w;
        TDispForm* editor = w.Editor();
        editor->Memo()->setPlainText(QStringLiteral("a = 4 =\n1\na*2 =\n2"));
        editor->ToolAction(QStringLiteral("PrepocitatButton"))->trigger();
        QCOMPARE(editor->Memo()->toPlainText(), QStringLiteral("a = 4 =\n4\na*2 =\n8"));
        QCOMPARE(DisplayText(w.form), QStringLiteral("8"));
    }

    void SavesAndAsksBeforeLosingChanges() {
        QTemporaryDir folder;
        Window w;
        TDispForm* editor = w.Editor();
        editor->Memo()->setPlainText(QStringLiteral("1+1"));
        QVERIFY(editor->Model().Modified());
        // Cancel keeps the window and the text.
        w.answers = {ModalResult::Cancel};
        QVERIFY(!editor->close());
        QVERIFY(editor->isVisible());
        QCOMPARE(w.messages.back().Text, "Přejete si uložit data do souboru?");
        // Ctrl+S on an unnamed worksheet asks for the name.
        const std::filesystem::path file = folder.filePath(QStringLiteral("sheet.txt")).toStdString();
        w.chosenFile = file;
        QTest::keyClick(editor->Memo(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(std::filesystem::exists(file));
        QVERIFY(!editor->Model().Modified());
        QVERIFY(editor->windowTitle().endsWith(QStringLiteral(" - sheet.txt")));
        // Not modified: closes without a question; the file is kept as a full path.
        const std::size_t asked = w.messages.size();
        QVERIFY(editor->close());
        QCOMPARE(w.messages.size(), asked);
        QCOMPARE(w.form.Session().Values().String("DispForm", "WorkSheet"), file.string());
    }

    void ReopenedAtStartWithItsWorksheet() {
        QTemporaryDir folder;
        const std::filesystem::path file = folder.filePath(QStringLiteral("kept.txt")).toStdString();
        std::ofstream(file) << "x = 7\r\n";
        {
            Window w;
            TDispForm* editor = w.Editor();
            QVERIFY(editor->Worksheet().OpenFile(file));
            w.form.SaveWorkingState();
            QVERIFY(w.form.Session().Values().Bool("DispForm", "Open"));
            editor->close();
        }
        Window next;
        next.form.LoadSession(QString());
        QVERIFY(next.form.DispForm());
        QVERIFY(next.form.DispForm()->isVisible());
        QCOMPARE(next.form.DispForm()->Memo()->toPlainText(), QStringLiteral("x = 7\n"));
        // A closed editor stays closed at the next start.
        next.form.DispForm()->close();
        next.form.SaveWorkingState();
        Window third;
        third.form.LoadSession(QString());
        QVERIFY(!third.form.DispForm());
        // The test's own settings file goes: the next run starts fresh.
        const std::filesystem::path settings =
            SettingsFolder(XdgEnvironment::FromProcess()) / "tarvix.ini";
        QVERIFY(settings.string().find("/xdg/") != std::string::npos);
        std::filesystem::remove(settings);
    }
};

QTEST_MAIN(DispFormTest)
#include "disp_form_test.moc"
