// The tools' windows driven through their widgets: unit conversion, the
// period window with its holiday list, the constants (menu, "const" panel,
// user constants window and shortcuts) and the VAT mode of the main window.
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <vector>

#include "storage/settings_store.h"
#include "tools/constants_table.h"
#include "tools/holiday_calendar.h"
#include "ui/widgets/click_label.h"
#include "ui/tools/const_form.h"
#include "ui/statistics/stat_form.h"
#include "ui/tools/conv_form.h"
#include "ui/widgets/drag_payload.h"
#include "ui/tools/date_form.h"
#include "ui/tools/holiday_list_dialog.h"
#include "ui/language/language_hub.h"
#include "ui/main/main_form.h"
#include "ui/main/register_label.h"
#include "ui/shell/qt_translations.h"

using namespace tarvix;

namespace {

struct Window {
    TMainForm form;
    std::vector<MessageBoxRequest> messages;

    Window() {
        form.Dialogs().SetMessageHook([this](const MessageBoxRequest& request) {
            messages.push_back(request);
            return ModalResult::Ok;
        });
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    QLineEdit* Input() const { return form.ExprComboBox()->lineEdit(); }
    QLineEdit* Box(BoxId box) const { return form.RegisterBox(box)->lineEdit(); }
    // A number as the windows write it (the desktop's decimal separator).
    QString Number(const char* text) {
        QString s = QString::fromLatin1(text);
        return s.replace(QLatin1Char('.'),
                         QChar::fromLatin1(form.Model().Options().DecimalSeparator));
    }
    void EnterIn(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
};

}  // namespace

class ToolsFormsTest : public QObject {
    Q_OBJECT

private slots:
    void ConversionWindow() {
        Window w;
        w.form.Action("FunkcePrevodyItem")->trigger();
        TConvForm* conv = w.form.ConvForm();
        QVERIFY(conv);
        QVERIFY(conv->isVisible());
        QCOMPARE(conv->windowTitle(), QStringLiteral("Převody jednotek"));
        QCOMPARE(conv->OutEdit()->text(), QStringLiteral("1"));  // 1 metr in metres

        QTest::mouseClick(conv->InputLabel(6), Qt::LeftButton);   // palec
        QTest::mouseClick(conv->OutputLabel(3), Qt::LeftButton);  // centimetr
        QCOMPARE(conv->OutEdit()->text(), w.Number("2.54"));
        QVERIFY(conv->OutputLabel(3)->Chosen());
        QVERIFY(!conv->OutputLabel(0)->Chosen());

        QTest::mouseClick(conv->CategoryLabel(6), Qt::LeftButton);  // teplota
        QCOMPARE(conv->InputLabel(1)->text(), QStringLiteral("stupeň Celsia"));
        QVERIFY(!conv->InputLabel(5)->isVisible());  // five units only
        QTest::mouseClick(conv->InputLabel(1), Qt::LeftButton);
        QTest::mouseClick(conv->OutputLabel(3), Qt::LeftButton);
        w.EnterIn(conv->InpEdit(), QStringLiteral("100"));
        QCOMPARE(conv->OutEdit()->text(), QStringLiteral("212"));
        QCOMPARE(conv->StatusBar()->currentMessage(), QString());  // Fahrenheit has no note

        // Swapping twice restores the units and puts the last output in the input.
        conv->SwapAllClick();
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("212"));
        QCOMPARE(conv->OutEdit()->text(), QStringLiteral("100"));
        conv->SwapAllClick();
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("100"));
        QCOMPARE(conv->OutEdit()->text(), QStringLiteral("212"));

        // Import from the display, export into the input line.
        w.form.CalculateText(QStringLiteral("6*7"));
        conv->ImportClick();
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("42"));
        conv->PrevedButtonClick();
        conv->ExportClick();
        QCOMPARE(w.Input()->text(), conv->OutEdit()->text());

        // A bad input shows the evaluator's message and keeps the output.
        const QString before = conv->OutEdit()->text();
        w.EnterIn(conv->InpEdit(), QStringLiteral("2*"));
        QCOMPARE(conv->OutEdit()->text(), before);
        QVERIFY(!w.messages.empty());
        QCOMPARE(w.messages.back().Kind, MessageKind::Error);

        // Another quantity while the input is bad: no result of the old one.
        QVERIFY(!conv->OutEdit()->text().isEmpty());
        QTest::mouseClick(conv->CategoryLabel(0), Qt::LeftButton);  // délka
        QCOMPARE(conv->OutEdit()->text(), QString());
        QTest::mouseClick(conv->CategoryLabel(6), Qt::LeftButton);  // teplota again
        w.EnterIn(conv->InpEdit(), QStringLiteral("100"));
        QCOMPARE(conv->OutEdit()->text(), QStringLiteral("212"));

        // The state outlasts the window.
        conv->close();
        QTRY_VERIFY(!w.form.ConvForm());
        w.form.FunkcePrevodyItemClick();
        QVERIFY(w.form.ConvForm()->CategoryLabel(6)->Chosen());
    }

    // An open conversion window takes a new language at once: quantity and
    // unit names and the note change, the choices and the typed input stay.
    void ConversionWindowFollowsTheLanguage() {
        Window w;
        w.form.FunkcePrevodyItemClick();
        TConvForm* conv = w.form.ConvForm();
        QVERIFY(conv);
        QTest::mouseClick(conv->CategoryLabel(6), Qt::LeftButton);  // teplota
        QTest::mouseClick(conv->OutputLabel(3), Qt::LeftButton);    // stupeň Fahrenheita
        QTest::mouseClick(conv->InputLabel(0), Qt::LeftButton);     // Kelvin, with a note
        conv->InpEdit()->setText(QStringLiteral("37"));             // typed, not converted
        QCOMPARE(conv->StatusBar()->currentMessage(),
                 QStringLiteral("Pozn.:  Jednotka termodynamické teploty"));

        QVERIFY(LanguageOf(w.form).ApplyLanguage(QStringLiteral("ENGLISH")).FromFile);
        QCOMPARE(conv->CategoryLabel(0)->text(), QStringLiteral("length"));
        QCOMPARE(conv->CategoryLabel(6)->text(), QStringLiteral("temperature"));
        QCOMPARE(conv->InputLabel(1)->text(), QStringLiteral("degree Celsius"));
        QCOMPARE(conv->OutputLabel(3)->text(), QStringLiteral("degree Fahrenheit"));
        QCOMPARE(conv->StatusBar()->currentMessage(),
                 QStringLiteral("Note:  Unit of thermodynamic temperature"));
        QVERIFY(conv->CategoryLabel(6)->Chosen());
        QVERIFY(conv->InputLabel(0)->Chosen());
        QVERIFY(conv->OutputLabel(3)->Chosen());
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("37"));
        // Another quantity shows its units in English too.
        QTest::mouseClick(conv->CategoryLabel(0), Qt::LeftButton);
        QCOMPARE(conv->InputLabel(6)->text(), QStringLiteral("inch"));
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("37"));

        QVERIFY(LanguageOf(w.form).ApplyLanguage(QStringLiteral("CZECH")).Ok);
        QCOMPARE(conv->CategoryLabel(0)->text(), QStringLiteral("délka"));
        QCOMPARE(conv->InputLabel(6)->text(), QStringLiteral("palec"));
        QCOMPARE(conv->StatusBar()->currentMessage(), QStringLiteral("Pozn.:  základní jednotka SI"));
    }

    // The statistics grid dropped on the input puts its current cell there,
    // as a register label puts its value; other drags are refused.
    void ConversionInputTakesDrops() {
        Window w;
        w.form.FunkcePrevodyItemClick();
        TConvForm* conv = w.form.ConvForm();
        QVERIFY(conv);
        w.form.StatisticsWindowClick();
        TStatForm* stat = w.form.StatForm();
        QVERIFY(stat);
        stat->Model().Table().SetRows({{"12.5", ""}, {"37", ""}});
        stat->RefreshTable();
        stat->DataStringGrid()->setCurrentIndex(stat->DataStringGrid()->model()->index(1, 1));
        auto drop = [conv](const DragPayload& payload) {
            std::unique_ptr<QMimeData> mime(MakeDragMime(payload));
            const QPoint at = conv->InpEdit()->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(conv->InpEdit(), &enter);
            const bool accepted = enter.isAccepted();
            QDropEvent dropped(QPointF(at), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(conv->InpEdit(), &dropped);
            return accepted;
        };
        QVERIFY(drop({DragSource::StatGrid, BoxId::Input, QString()}));
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("37"));
        conv->PrevedButtonClick();
        QCOMPARE(conv->OutEdit()->text(), QStringLiteral("37"));  // metres to metres
        w.form.Model().SetRegisterBox(BoxId::A, "4");
        QVERIFY(drop({DragSource::RegisterLabel, BoxId::A, QString()}));
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("4"));
        conv->InpEdit()->setText(QStringLiteral("5"));
        QVERIFY(!drop({DragSource::Display, BoxId::Input, QStringLiteral("9")}));
        QCOMPARE(conv->InpEdit()->text(), QStringLiteral("5"));
    }

    void PeriodWindow() {
        Window w;
        std::vector<std::string> holidays = DefaultHolidayLines("CZECH");
        HolidayStore store{[&] { return holidays; },
                           [&](std::vector<std::string> lines) { holidays = std::move(lines); }};
        TDateForm form(w.form.Model(), w.form.Texts(), store, &w.form);
        form.show();
        QCOMPARE(form.StartDateTimePicker()->date(), QDate::currentDate());
        form.SetDates({2003, 1, 1}, {2003, 1, 31});
        QCOMPARE(form.PeriodEdit(0)->value(), 30);
        QCOMPARE(form.PeriodEdit(1)->value(), 4);
        QCOMPARE(form.PeriodStaticText(1)->text(), w.Number("4.285714"));
        QCOMPARE(form.PeriodEdit(2)->value(), 0);
        QCOMPARE(form.PeriodStaticText(2)->text(), w.Number("0.9677419"));
        form.ZapocitatPrvniDenCheckBox()->setChecked(true);
        QCOMPARE(form.PeriodEdit(0)->value(), 31);
        QCOMPARE(form.PeriodEdit(2)->value(), 1);
        QCOMPARE(form.PeriodStaticText(2)->text(), QStringLiteral("1"));
        QCOMPARE(form.CountLabel(7)->text(), QStringLiteral("22"));  // working days
        QCOMPARE(form.HodinLabel()->text(), w.Number("187 hod"));
        form.SmenaComboBox()->setCurrentIndex(3);  // 7,0 hod
        QCOMPARE(form.HodinLabel()->text(), QStringLiteral("154 hod"));

        // Christmas with the Czech list, then with an emptied list.
        form.SetDates({2004, 12, 24}, {2004, 12, 26});
        QCOMPARE(form.CountLabel(9)->text(), QStringLiteral("3"));
        QCOMPARE(form.CountLabel(8)->text(), QStringLiteral("3"));
        form.SetHolidayDialogRunner([](QDialog& dialog) {
            auto& list = static_cast<THolidayListDialog&>(dialog);
            list.Editor()->setPlainText(QStringLiteral("25.12. only one\nbad line"));
            return int(QDialog::Accepted);
        });
        form.SvatkyClick();
        QCOMPARE(holidays.size(), 2u);
        QCOMPARE(form.CountLabel(9)->text(), QStringLiteral("1"));
        QVERIFY(!w.messages.empty());  // the bad line was reported
        QCOMPARE(w.messages.back().Kind, MessageKind::Warning);

        // Moving a date: 31 January + 1 month.
        form.ZapocitatPrvniDenCheckBox()->setChecked(false);
        form.SetDates({2003, 1, 31}, {2003, 1, 31});
        form.VymazatClick();
        form.PeriodEdit(2)->setValue(1);
        form.PricistClick();
        QCOMPARE(form.EndDateTimePicker()->date(), QDate(2003, 2, 28));
        // The period fields show the new period; from the start again, 2 months.
        QCOMPARE(form.PeriodEdit(0)->value(), 28);
        form.SetDates({2003, 1, 31}, {2003, 1, 31});
        form.PeriodEdit(2)->setValue(2);
        form.PricistClick();
        QCOMPARE(form.EndDateTimePicker()->date(), QDate(2003, 3, 31));

        // A start after the end leaves the results empty.
        form.SetDates({2003, 5, 6}, {2003, 5, 5});
        QCOMPARE(form.PeriodStaticText(0)->text(), QString());

        // The end date's label dropped on the start picker copies the date.
        form.SetDates({2003, 1, 1}, {2003, 6, 30});
        QMimeData mime;
        mime.setData(QStringLiteral("application/x-tarvix-date"), QByteArray("2003-06-30"));
        const QPoint at = form.StartDateTimePicker()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.StartDateTimePicker(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.StartDateTimePicker(), &drop);
        QCOMPARE(form.StartDateTimePicker()->date(), QDate(2003, 6, 30));
        QCOMPARE(form.PeriodEdit(0)->value(), 0);
    }

    // Digits typed after a click into a date field replace the section under
    // the cursor; a partly typed section takes its next digit.
    void PeriodWindowTakesTypedDates() {
        Window w;
        TDateForm form(w.form.Model(), w.form.Texts(), HolidayStore{}, &w.form);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.SetDates({2003, 1, 15}, {2003, 1, 31});
        struct Case {
            QDateEdit* Edit;
            int ClickAt;  // x inside the field's text
            const char* Typed;
            QDate Expected;
        };
        const Case cases[] = {
            {form.StartDateTimePicker(), 3, "24122004", QDate(2004, 12, 24)},
            {form.EndDateTimePicker(), 3, "0102", QDate(2003, 2, 1)},  // day and month only
        };
        for (const Case& c : cases) {
            QLineEdit* inner = c.Edit->findChild<QLineEdit*>();
            QVERIFY(inner);
            QTest::mouseClick(inner, Qt::LeftButton, {}, QPoint(c.ClickAt, inner->height() / 2));
            QTest::keyClicks(c.Edit, QString::fromLatin1(c.Typed));
            QCOMPARE(c.Edit->date(), c.Expected);
        }
        // The period follows a typed date.
        form.SetDates({2003, 1, 1}, {2003, 1, 15});
        QLineEdit* inner = form.EndDateTimePicker()->findChild<QLineEdit*>();
        QTest::mouseClick(inner, Qt::LeftButton, {}, QPoint(3, inner->height() / 2));
        QTest::keyClicks(form.EndDateTimePicker(), QStringLiteral("31"));
        QCOMPARE(form.EndDateTimePicker()->date(), QDate(2003, 1, 31));
        QCOMPARE(form.PeriodEdit(0)->value(), 30);
    }

    // Qt's calendars and number fields speak the interface language; the
    // display's decimal separator stays the desktop's.
    void QtLocaleFollowsTheInterfaceLanguage() {
        Window w;  // the main window sets the language it starts in
        InstallQtTranslations("CZECH");
        {
            TDateForm form(w.form.Model(), w.form.Texts(), HolidayStore{}, &w.form);
            QCalendarWidget* calendar = form.StartDateTimePicker()->calendarWidget();
            QVERIFY(calendar);
            QCOMPARE(calendar->locale().language(), QLocale::Czech);
            QCOMPARE(calendar->locale().standaloneMonthName(12), QStringLiteral("prosinec"));
            QCOMPARE(calendar->locale().dayName(1, QLocale::ShortFormat), QStringLiteral("po"));
            QCOMPARE(form.PeriodEdit(0)->locale().language(), QLocale::Czech);
        }
        // A main window created under that locale keeps the desktop's separator.
        {
            TMainForm another;
            const char separator =
                QLocale::system().decimalPoint() == QStringLiteral(",") ? ',' : '.';
            QCOMPARE(another.Model().Options().DecimalSeparator, separator);
        }
        InstallQtTranslations("ENGLISH");
        {
            TDateForm form(w.form.Model(), w.form.Texts(), HolidayStore{}, &w.form);
            QCOMPARE(form.StartDateTimePicker()->calendarWidget()->locale().standaloneMonthName(12),
                     QStringLiteral("December"));
        }
        InstallQtTranslations("CZECH");
    }

    void PeriodWindowFromTheMenu() {
        Window w;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TDateForm*>(QApplication::activeModalWidget());
            seen = dialog != nullptr;
            if (dialog) dialog->accept();
        });
        w.form.Action("FunkceObdobiItem")->trigger();
        QVERIFY(seen);
        // An empty holiday list in the settings means the language's own list.
        const std::string language = w.form.Session().Values().String("Localization", "Language");
        QVERIFY(w.form.HolidayLines() == DefaultHolidayLines(language));
        w.form.SetHolidayLines({"01.02. Jiný svátek"});
        QCOMPARE(w.form.HolidayLines().size(), 1u);
    }

    void BuiltInConstants() {
        Window w;
        w.Input()->setFocus();
        w.Input()->setText(QStringLiteral("2*"));
        w.Input()->end(false);
        QToolButton* constPanel = w.form.findChild<QToolButton*>(QStringLiteral("ConstPanel"));
        QTest::mouseClick(constPanel, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(w.Input()->text(), QStringLiteral("2*1,495978707E11"));

        // Planck's constant with the X box focused replaces its selection.
        w.Box(BoxId::X)->setFocus();
        w.Box(BoxId::X)->selectAll();
        QAction* planck = w.form.ConstPopupMenu()->findChild<QAction*>(QStringLiteral("Const_M"));
        if (!planck) {
            for (QAction* a : w.form.ConstPopupMenu()->actions())
                if (a->objectName() == QStringLiteral("Const_M")) planck = a;
        }
        QVERIFY(planck);
        planck->trigger();
        QCOMPARE(w.Box(BoxId::X)->text(), QStringLiteral("6,62607015E-34"));
        QCOMPARE(w.Input()->text(), QStringLiteral("2*1,495978707E11"));
        QVERIFY(planck->isChecked());
        QVERIFY(constPanel->toolTip().startsWith(QStringLiteral("Planckova konstanta: ")));
    }

    void UserConstantsWindowAndShortcut() {
        Window w;
        w.form.Action("wUzivatelskeKonstantyItem")->trigger();
        TConstForm* form = w.form.ConstForm();
        QVERIFY(form);
        QCOMPARE(form->StringGrid()->rowCount(), 1);
        QVERIFY(form->Model().EditMode());  // no constants: edit mode
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->StringGrid()->item(0, 0)->setText(QStringLiteral("šest"));
        form->StringGrid()->item(0, 2)->setText(QStringLiteral("2*3"));
        form->StringGrid()->setCurrentCell(0, 1);
        QTest::keyClick(form->StringGrid(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(form->StringGrid()->item(0, 1)->text(), QStringLiteral("Ctrl+K"));
        form->PridatClick();
        QCOMPARE(form->StringGrid()->rowCount(), 2);
        form->close();
        QTRY_VERIFY(!w.form.ConstForm());
        const std::vector<UserConst> stored = w.form.UserConstants();
        QCOMPARE(stored.size(), 1u);
        QCOMPARE(QString::fromStdString(stored[0].Value), QStringLiteral("2*3"));

        // Ctrl+K in the main window inserts the value once, and nothing else.
        w.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.form));
        w.Input()->setFocus();
        w.Input()->setText(QStringLiteral("1+"));
        w.Input()->end(false);
        QTest::keyClick(w.Input(), Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(w.Input()->text(), QStringLiteral("1+2*3"));
        QTest::keyClick(w.Input(), Qt::Key_Return);
        QCOMPARE(w.form.Model().Ans().Re, 7.0L);

        // "&Použít ve výrazu" restores the input line's selection and replaces it.
        w.Input()->setText(QStringLiteral("abc"));
        w.Input()->setSelection(1, 1);
        w.form.UzivatelskeKonstantyItemClick();
        TConstForm* again = w.form.ConstForm();
        again->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(again));
        QVERIFY(!again->Model().EditMode());
        again->StringGrid()->setCurrentCell(0, 0);
        again->PouzitVeVyrazuClick();
        QCOMPARE(w.Input()->text(), QStringLiteral("a2*3c"));
    }

    void VatMode() {
        Window w;
        QToolButton* dph = w.form.DPHSpeedButton();
        QVERIFY(dph);
        QTest::mouseClick(dph, Qt::LeftButton);
        QVERIFY(dph->isChecked());
        QCOMPARE(QString::fromStdString(w.form.Model().RegisterAt(BoxId::X).Label),
                 QStringLiteral("bezDPH"));
        QCOMPARE(w.Box(BoxId::Y)->text(), QStringLiteral("22"));
        QCOMPARE(w.Input()->text(), QStringLiteral("DPH"));

        w.EnterIn(w.Box(BoxId::X), QStringLiteral("100"));
        QCOMPARE(w.Box(BoxId::A)->text(), w.Number("22.00"));
        QCOMPARE(w.Box(BoxId::B)->text(), w.Number("122.00"));

        w.EnterIn(w.Box(BoxId::X), w.Number("99.97"));
        QCOMPARE(w.Box(BoxId::X)->text(), w.Number("100.00"));

        w.EnterIn(w.Box(BoxId::B), QStringLiteral("100"));
        QCOMPARE(w.Box(BoxId::X)->text(), w.Number("82.00"));
        QCOMPARE(w.Box(BoxId::A)->text(), w.Number("18.00"));

        // The rate 0 with the tax entered is a clear message; nothing changes.
        w.messages.clear();
        w.Box(BoxId::Y)->setText(QStringLiteral("0"));
        w.EnterIn(w.Box(BoxId::A), QStringLiteral("5"));
        QCOMPARE(w.Box(BoxId::X)->text(), w.Number("82.00"));
        QVERIFY(!w.messages.empty());
        QVERIFY(QString::fromStdString(w.messages.back().Text).contains(QStringLiteral("nulové")));

        // Releasing the button brings back X, Y, A, B with zeros.
        QTest::mouseClick(dph, Qt::LeftButton);
        QVERIFY(!dph->isChecked());
        QCOMPARE(QString::fromStdString(w.form.Model().RegisterAt(BoxId::B).Label),
                 QStringLiteral("B"));
        QCOMPARE(w.Box(BoxId::B)->text(), QStringLiteral("0"));
    }
};

QTEST_MAIN(ToolsFormsTest)
#include "tools_forms_test.moc"
