// The preferences dialog on the main window: the values it opens with, "OK"
// without a change, "Použít" enabled by a change, the language switched at
// once, the scalar warning, the history window's mode button and the
// autostart entry in the test's own configuration folder.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "storage/autostart_entry.h"
#include "storage/text_catalog.h"
#include "storage/xdg_paths.h"
#include "ui/lists/log_form.h"
#include "ui/main/main_form.h"
#include "ui/settings/pref_form.h"

using namespace tarvix;

namespace {

struct Window {
    TMainForm form;
    std::vector<MessageBoxRequest> messages;
    ModalResult answer = ModalResult::Ok;

    Window() {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return answer;
        });
        form.show();
    }
    template <typename T>
    T* Control(TPrefForm* prefs, const char* name) {
        T* control = prefs->findChild<T*>(QString::fromLatin1(name));
        if (!control) qFatal("no control %s", name);
        return control;
    }
};

QString MenuTitle(TMainForm& form, const char* name) {
    return form.findChild<QMenu*>(QString::fromLatin1(name))->title();
}

}  // namespace

class PrefFormTest : public QObject {
    Q_OBJECT

private slots:
    void OpeningShowsTheCurrentValues() {
        Window w;
        CalculatorOptions options = w.form.Model().Options();
        options.AutoRegister = false;
        options.AskForReset = false;
        w.form.Model().SetOptions(options);
        w.form.Model().SetImaginaryUnit('j');
        w.form.Session().Values().SetString("Localization", "VATRate", "21");
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(0);
        QCOMPARE(prefs->windowTitle(), QStringLiteral("Nastavení"));
        QVERIFY(!w.Control<QCheckBox>(prefs, "AutoRegisterCheckBox")->isChecked());
        QVERIFY(w.Control<QCheckBox>(prefs, "NumberInsteadAnsCheckBox")->isChecked());
        QVERIFY(!w.Control<QCheckBox>(prefs, "ResetCheckBox")->isChecked());
        QCOMPARE(w.Control<QLineEdit>(prefs, "SazbaDPHEdit")->text(), QStringLiteral("21"));
        QCOMPARE(prefs->ControlValues().ImaginaryUnit, 'j');
        QVERIFY(!prefs->ApplyButton()->isEnabled());
        // The Num Lock option cannot work here: shown disabled with a hint.
        QCheckBox* numLock = w.Control<QCheckBox>(prefs, "NumLockCheckBox");
        QVERIFY(!numLock->isEnabled());
        QVERIFY(!numLock->toolTip().isEmpty());
    }

    void OkWithoutAChangeAppliesNothing() {
        Window w;
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(0);
        // Changed behind the dialog's back: an OK without a change keeps it.
        CalculatorOptions options = w.form.Model().Options();
        options.AutoRegister = false;
        w.form.Model().SetOptions(options);
        prefs->OkButton()->click();
        QVERIFY(!w.form.Model().Options().AutoRegister);
        QVERIFY(prefs->isHidden());
    }

    void AChangeEnablesApplyAndApplyingDisablesIt() {
        Window w;
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(1);
        w.Control<QRadioButton>(prefs, "MezernikStandardRadioButton")->click();
        QVERIFY(prefs->ApplyButton()->isEnabled());
        QVERIFY(w.form.Model().Options().SpaceAsBrackets);  // not yet applied
        w.Control<QLineEdit>(prefs, "SnizenaSazbaDPHEdit")->setText(QStringLiteral("12"));
        QTest::keyClick(w.Control<QLineEdit>(prefs, "SnizenaSazbaDPHEdit"), Qt::Key_5);
        w.Control<QRadioButton>(prefs, "VyrazArgumentemRadioButton")->click();
        prefs->ApplyButton()->click();
        QVERIFY(!prefs->ApplyButton()->isEnabled());
        QVERIFY(!w.form.Model().Options().SpaceAsBrackets);
        QCOMPARE(w.form.Session().Values().String("Localization", "ReducedVATRate"), "125");
        QCOMPARE(w.form.Model().Switches().Mode, FunctionMode::Eval);
        QVERIFY(w.form.Action("VyrazArgumentemFnItem")->isChecked());
        // Cancel after a change applies nothing more.
        w.Control<QRadioButton>(prefs, "MezernikZavorkyRadioButton")->click();
        prefs->CancelButton()->click();
        QVERIFY(!w.form.Model().Options().SpaceAsBrackets);
    }

    void SwitchingToEnglishChangesTheMenusAtOnce() {
        // The shipped English language file is found in the source tree's data.
        Window w;
        QCOMPARE(MenuTitle(w.form, "SouborMenu"), QStringLiteral("&Soubor"));
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(3);
        QListWidget* list = w.Control<QListWidget>(prefs, "JazykListBox");
        QVERIFY(list->isEnabled());
        const QList<QListWidgetItem*> english = list->findItems(QStringLiteral("ENGLISH"), Qt::MatchExactly);
        QCOMPARE(english.size(), 1);
        QVERIFY(!list->findItems(QStringLiteral("CZECH"), Qt::MatchExactly).isEmpty());
        list->setCurrentItem(english[0]);
        QVERIFY(prefs->ApplyButton()->isEnabled());
        prefs->ApplyButton()->click();
        QCOMPARE(MenuTitle(w.form, "SouborMenu"), QStringLiteral("&File"));
        QCOMPARE(w.form.Session().Values().String("Localization", "Language"), "ENGLISH");
    }

    void ScalarsWarnWhileVectorsExistAndClearThem() {
        Window w;
        w.form.Series().SetVarAsVector(true);
        w.form.RegisterBox(BoxId::X)->setEditText(QStringLiteral("0..2:1"));
        w.form.CalculateText(QStringLiteral("v=X*2"));
        QVERIFY(w.form.Series().Vectors().AnyVector());
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(0);
        QVERIFY(w.Control<QRadioButton>(prefs, "VektoryRadioButton")->isChecked());
        // Cancelled: vectors stay chosen.
        w.answer = ModalResult::Cancel;
        w.Control<QRadioButton>(prefs, "SkalaryRadioButton")->click();
        QCOMPARE(w.messages.size(), std::size_t{1});
        QCOMPARE(w.messages[0].Text, "Zvolíte-li skaláry, budou současné vektory ztraceny");
        QVERIFY(w.Control<QRadioButton>(prefs, "VektoryRadioButton")->isChecked());
        QVERIFY(w.form.Series().Vectors().AnyVector());
        // Confirmed: on applying the vectors are gone.
        w.answer = ModalResult::Ok;
        w.Control<QRadioButton>(prefs, "SkalaryRadioButton")->click();
        QVERIFY(w.form.Series().Vectors().AnyVector());
        prefs->ApplyButton()->click();
        QVERIFY(!w.form.Series().Vectors().AnyVector());
        QVERIFY(!w.form.Series().VarAsVector());
    }

    void HistoryOptionsPressTheOpenWindowsButton() {
        Window w;
        w.form.HistorieItemClick();
        TLogForm* log = w.form.findChild<TLogForm*>();
        QVERIFY(log);
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(2);
        w.Control<QRadioButton>(prefs, "VysledkyRadioButton")->click();
        w.Control<QCheckBox>(prefs, "AdjustovatCheckBox")->click();
        prefs->ApplyButton()->click();
        QVERIFY(log->ModeAction(HistoryMode::Results)->isChecked());
        QCOMPARE(w.form.Session().History().Options().Mode, HistoryMode::Results);
        QVERIFY(!w.form.Session().History().Options().AdjustWindowWidth);
    }

    void TheAutostartEntryIsWrittenAndRemoved() {
        const std::filesystem::path entry = AutostartEntryPath(XdgEnvironment::FromProcess());
        // The test's own configuration folder, never the user's.
        QVERIFY(entry.string().find("/xdg/") != std::string::npos);
        std::filesystem::remove(entry);
        Window w;
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(3);
        QCheckBox* start = w.Control<QCheckBox>(prefs, "SpustitCheckBox");
        start->click();
        prefs->ApplyButton()->click();
        QVERIFY(std::filesystem::exists(entry));
        QVERIFY(w.form.Session().Values().Bool("Application", "RunMinimizedOnWinStart"));
        start->click();
        prefs->ApplyButton()->click();
        QVERIFY(!std::filesystem::exists(entry));
        QVERIFY(!w.form.Session().Values().Bool("Application", "RunMinimizedOnWinStart"));
    }

    void AppearanceSamplesAndRestore() {
        Window w;
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(4);
        prefs->SetChoosers([](const QFont&) { return std::optional<QFont>(QFont("DejaVu Sans", 20)); },
                           [](const QColor&) { return std::optional<QColor>(QColor(10, 20, 30)); });
        w.Control<QPushButton>(prefs, "RealColorButton")->click();
        w.Control<QPushButton>(prefs, "ComplexFontButton")->click();
        QVERIFY(prefs->ApplyButton()->isEnabled());
        QCOMPARE(w.Control<QLabel>(prefs, "RealSample")->palette().color(QPalette::Window),
                 QColor(10, 20, 30));
        QCOMPARE(prefs->ControlValues().Display.ComplexFont.Size, 20);
        w.Control<QRadioButton>(prefs, "HexPrefixRadioButton")->click();
        prefs->ApplyButton()->click();
        const Settings& settings = w.form.Session().Values();
        QCOMPARE(settings.Integer("Display", "CDisplayFontSize"), 20);
        QCOMPARE(settings.String("Display", "CDisplayFontName"), "DejaVu Sans");
        QVERIFY(w.form.Model().Switches().Display.HexPrefixStyle);
        // "&Obnovit" puts the built-in appearance on the samples.
        w.Control<QPushButton>(prefs, "ObnovitButton")->click();
        QCOMPARE(prefs->ControlValues().Display.ComplexFont.Size, 8);
        QCOMPARE(prefs->ControlValues().Display.RealColor, DefaultDisplayAppearance().RealColor);
    }

    void EveryTabsValuesSurviveARestart() {
        // The settings file of the test's own configuration folder starts
        // and ends missing (the defaults).
        const std::filesystem::path file =
            SettingsFolder(XdgEnvironment::FromProcess()) / "tarvix.ini";
        QVERIFY(file.string().find("/xdg/") != std::string::npos);
        std::filesystem::remove(file);
        PrefValues applied;
        {
            Window w;
            w.form.LoadSession(QString());
            TPrefForm* prefs = w.form.ShowPrefFormOnTab(0);
            const char* checks[] = {"AutoRegisterCheckBox", "NumberInsteadAnsCheckBox",
                                    "EnterVkladaCheckBox", "ClearCheckBox", "ResetCheckBox",
                                    "UkladatLogCheckBox", "VymazatPriStartuCheckBox",
                                    "KopirovatCheckBox", "AdjustovatCheckBox"};
            for (const char* name : checks) w.Control<QCheckBox>(prefs, name)->click();
            const char* radios[] = {"VektoryRadioButton", "VyrazArgumentemRadioButton",
                                    "MezernikStandardRadioButton", "VyrazyPromenneRadioButton",
                                    "HexPrefixRadioButton"};
            for (const char* name : radios) w.Control<QRadioButton>(prefs, name)->click();
            w.Control<QLineEdit>(prefs, "SazbaDPHEdit")->setText(QStringLiteral("19"));
            w.Control<QLineEdit>(prefs, "ZaokrouhleniCenyEdit")->setText(QStringLiteral("1"));
            w.Control<QPlainTextEdit>(prefs, "SvatkyMemo")->setPlainText(QStringLiteral("5.7."));
            prefs->SetChoosers({}, [](const QColor&) { return std::optional<QColor>(Qt::red); });
            w.Control<QPushButton>(prefs, "ComplexColorButton")->click();
            prefs->ApplyButton()->click();
            applied = prefs->ControlValues();
            prefs->close();
            w.form.close();
        }
        QVERIFY(!applied.AutoRegister);
        QVERIFY(applied.VarAsVector);
        QCOMPARE(applied.History.Mode, HistoryMode::ExpressionsVariablesResults);
        Window next;
        next.form.LoadSession(QString());
        TPrefForm* prefs = next.form.ShowPrefFormOnTab(0);
        QVERIFY(prefs->ControlValues() == applied);
        std::filesystem::remove(file);
    }

    void TheHolidayListIsReplaced() {
        Window w;
        TPrefForm* prefs = w.form.ShowPrefFormOnTab(5);
        auto* memo = w.Control<QPlainTextEdit>(prefs, "SvatkyMemo");
        QVERIFY(!memo->toPlainText().isEmpty());  // the language's list
        memo->setPlainText(QStringLiteral("1.1.\n\n24.12.\n"));
        prefs->OkButton()->click();
        QCOMPARE(w.form.HolidayLines(), (std::vector<std::string>{"1.1.", "24.12."}));
    }
};

QTEST_MAIN(PrefFormTest)
#include "pref_form_test.moc"
