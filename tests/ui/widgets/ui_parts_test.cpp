// The main window's parts on their own: the message box (captions, buttons,
// help that keeps it open, Esc), the dialogs port's test hooks, the postfix
// spin box, the drag data, the display's fitting font and the data folder.
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "calculator/calculator.h"
#include "ui/shell/data_paths.h"
#include "ui/main/display_label.h"
#include "ui/widgets/drag_payload.h"
#include "ui/main/postfix_spin_box.h"
#include "ui/widgets/qt_dialogs.h"

using namespace tarvix;

class UiPartsTest : public QObject {
    Q_OBJECT

private slots:
    void MessageBoxShowsKindCaptionButtonsAndLineBreaks() {
        const CalculatorMessageTable texts;
        const MessageBoxRequest request =
            PrepareMessageBox("Mají se proměnné%\\ vynulovat?", MessageKind::Confirmation,
                              kYesNoCancelButtons | MessageButton::Help, 17, texts);
        TMessageDialog dialog(request, texts);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Potvrzení"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("MessageText"))->text(),
                 QStringLiteral("Mají se proměnné\nvynulovat?"));
        QCOMPARE(dialog.Button(MessageButton::Yes)->text(), QStringLiteral("&Ano"));
        QCOMPARE(dialog.Button(MessageButton::No)->text(), QStringLiteral("&Ne"));
        QCOMPARE(dialog.Button(MessageButton::Cancel)->text(), QStringLiteral("Storno"));
        QCOMPARE(dialog.Button(MessageButton::Help)->text(), QStringLiteral("&Nápověda"));
        QVERIFY(!dialog.Button(MessageButton::Ok));
        QVERIFY(static_cast<QPushButton*>(dialog.Button(MessageButton::Yes))->isDefault());

        dialog.show();
        QSignalSpy help(&dialog, &TMessageDialog::HelpRequested);
        QTest::mouseClick(dialog.Button(MessageButton::Help), Qt::LeftButton);
        QCOMPARE(help.size(), 1);
        QCOMPARE(help.front().front().toInt(), 17);
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.Button(MessageButton::No), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Result(), ModalResult::No);
    }

    void EscapeAnswersWithTheMostCautiousButton() {
        const CalculatorMessageTable texts;
        struct Case {
            MessageButtons Buttons;
            ModalResult Expected;
        };
        const Case cases[] = {
            {kYesNoCancelButtons, ModalResult::Cancel},
            {MessageButton::Yes | MessageButton::No, ModalResult::No},
            {kOkButton, ModalResult::Ok},
        };
        for (const Case& c : cases) {
            TMessageDialog dialog(PrepareMessageBox("?", MessageKind::Warning, c.Buttons, 0, texts),
                                  texts);
            dialog.show();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QCOMPARE(dialog.Result(), c.Expected);
        }
    }

    void CustomKindTakesItsCaptionAndBoldText() {
        const CalculatorMessageTable texts;
        TMessageDialog dialog(
            PrepareMessageBox("Výsledek|Hotovo", MessageKind::Custom, kOkButton, 0, texts), texts);
        QCOMPARE(dialog.windowTitle(), QStringLiteral(" Výsledek"));
        auto* text = dialog.findChild<QLabel*>(QStringLiteral("MessageText"));
        QCOMPARE(text->text(), QStringLiteral("Hotovo"));
        QVERIFY(text->font().bold());
    }

    void HooksAnswerInsteadOfDialogs() {
        const CalculatorMessageTable texts;
        QtDialogs dialogs(texts, nullptr);
        MessageBoxRequest seen;
        dialogs.SetMessageHook([&](const MessageBoxRequest& request) {
            seen = request;
            return ModalResult::Yes;
        });
        dialogs.SetTextHook([](std::string_view, std::string_view prompt, std::string_view) {
            return std::optional<std::string>(std::string(prompt) + "!");
        });
        Calculator calculator;
        calculator.SetDialogs(&dialogs);
        QCOMPARE(calculator.ShowMessageBox("a%\\ b", MessageKind::Error, kCancelButton, 0),
                 ModalResult::Yes);
        QCOMPARE(QString::fromStdString(seen.Text), QStringLiteral("a\nb"));
        QCOMPARE(QString::fromStdString(seen.Caption), QStringLiteral(" Chyba"));
        QCOMPARE(dialogs.AskText("c", "p", "d"), std::optional<std::string>("p!"));
        calculator.SetDialogs(nullptr);
    }

    void PostfixSpinBoxShowsAndReadsCharacters() {
        TPostfixSpinBox spin;
        spin.setValue(4);
        QCOMPARE(spin.text(), QStringLiteral("u"));
        spin.setValue(6);
        QCOMPARE(spin.text(), QString());
        spin.show();
        spin.selectAll();
        QTest::keyClicks(&spin, QStringLiteral("k"));
        QCOMPARE(spin.value(), 7);
        spin.selectAll();
        QTest::keyClicks(&spin, QStringLiteral("x"));  // not a postfix: refused
        QCOMPARE(spin.value(), 7);
        spin.stepBy(10);
        QCOMPARE(spin.value(), 11);
    }

    void DragDataRoundTripsAndForeignDataIsNotOurs() {
        std::unique_ptr<QMimeData> mime(
            MakeDragMime({DragSource::RegisterLabel, BoxId::E, QStringLiteral("délka")}));
        const std::optional<DragPayload> payload = ReadDragMime(mime.get());
        QVERIFY(payload);
        QCOMPARE(payload->Source, DragSource::RegisterLabel);
        QCOMPARE(payload->Box, BoxId::E);
        QCOMPARE(payload->Text, QStringLiteral("délka"));
        QMimeData text;
        text.setText(QStringLiteral("1"));
        QVERIFY(!ReadDragMime(&text));
        QVERIFY(!ReadDragMime(nullptr));
    }

    void DisplayShrinksItsFontForLongResults() {
        TDisplayLabel display;
        display.SetBasePointSize(20);
        display.resize(300, display.sizeHint().height());
        display.show();
        display.SetDisplayText(QStringLiteral("42 "));
        QCOMPARE(display.font().pointSizeF(), 20.0);
        const QString bits(64, QLatin1Char('1'));
        display.SetDisplayText(bits + QStringLiteral("b "));
        QVERIFY(display.font().pointSizeF() < 20.0);
        QCOMPARE(display.text(), bits + QStringLiteral("b "));
    }

    void DataFolderInstalledOrSourceTree() {
        // Run from the build tree: the source tree's data folder.
        const QString source = DataFolderFor(QCoreApplication::applicationDirPath());
        QVERIFY(QFileInfo::exists(source + QStringLiteral("/tarvix.exp")));
        // Installed: bin/../share/tarvix wins.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("share/tarvix")));
        QCOMPARE(DataFolderFor(prefix.path() + QStringLiteral("/bin")),
                 QDir::cleanPath(prefix.path() + QStringLiteral("/share/tarvix")));
    }
};

QTEST_MAIN(UiPartsTest)
#include "ui_parts_test.moc"
