// The main window driven through its widgets: typing and Enter shows the
// value; an error reaches the message path and leaves the display alone.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "ui/main_form.h"

using tarvix::TMainForm;

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void TitleAndComponents() {
        TMainForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Tarvix 2.2"));
        QVERIFY(form.findChild<QComboBox*>(QStringLiteral("ExprComboBox")));
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("StaticTextDisplay")));
        QVERIFY(form.findChild<QPushButton*>(QStringLiteral("VypocetButton")));
    }

    void EnterEvaluatesTheInputLine() {
        TMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QLineEdit* edit = form.ExprComboBox()->lineEdit();
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("2^10+0,5"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(form.StaticTextDisplay()->text(), QStringLiteral("1024.5"));
    }

    void ButtonEvaluatesAndErrorsKeepTheDisplay() {
        TMainForm form;
        QStringList errors;
        form.SetErrorReporter([&](const QString& m) { errors << m; });
        form.ExprComboBox()->setEditText(QStringLiteral("7 DIV 2"));
        QTest::mouseClick(form.VypocetButton(), Qt::LeftButton);
        QCOMPARE(form.StaticTextDisplay()->text(), QStringLiteral("3"));
        form.ExprComboBox()->setEditText(QStringLiteral("2^3^2"));
        QTest::mouseClick(form.VypocetButton(), Qt::LeftButton);
        QCOMPARE(errors, QStringList{QStringLiteral("Syntaktická chyba ve výrazu")});
        QCOMPARE(form.StaticTextDisplay()->text(), QStringLiteral("3"));
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
