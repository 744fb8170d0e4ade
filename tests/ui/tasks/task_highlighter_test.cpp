// The colours of a task's text: statement keywords, THEN/TO/STEP inside IF
// and FOR, quoted texts, labels and comments; and the marks of the paused
// and the error line.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include "ui/tasks/task_highlighter.h"

using namespace tarvix;

namespace {

using Role = TaskHighlighter::Role;

// The role whose format covers `column` of `line`, or nothing.
std::optional<Role> RoleAt(const QPlainTextEdit& edit, const TaskHighlighter& h, int line,
                           int column) {
    const QTextBlock block = edit.document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (column < range.start || column >= range.start + range.length) continue;
        for (Role role : {Role::Keyword, Role::Text, Role::Label, Role::Comment}) {
            if (range.format == h.Format(role)) return role;
        }
    }
    return std::nullopt;
}

}  // namespace

class TaskHighlighterTest : public QObject {
    Q_OBJECT

private slots:
    void RolesOfTheParts() {
        QPlainTextEdit edit;
        TaskHighlighter h(edit.document());
        edit.setPlainText(QStringLiteral("  print \"a'b\", x ' note\n"
                                         "for i=1 TO 3 STEP 1\n"
                                         ":start\n"
                                         "Printer=5\n"
                                         "IF \"THEN\"=a THEN x=1"));
        struct Case {
            int Line, Column;
            std::optional<Role> Expected;
        };
        const Case cases[] = {
            {0, 2, Role::Keyword},  {0, 7, std::nullopt}, {0, 8, Role::Text},
            {0, 10, Role::Comment}, {0, 19, Role::Comment},
            {1, 0, Role::Keyword},  {1, 4, std::nullopt}, {1, 8, Role::Keyword},
            {1, 13, Role::Keyword}, {2, 0, Role::Label},  {2, 3, Role::Label},
            {3, 0, std::nullopt},   {4, 4, Role::Text},   {4, 14, Role::Keyword},
        };
        for (const Case& c : cases) {
            QVERIFY2(RoleAt(edit, h, c.Line, c.Column) == c.Expected,
                     qPrintable(QStringLiteral("line %1 column %2").arg(c.Line).arg(c.Column)));
        }
    }

    void LineMarks() {
        QPlainTextEdit edit;
        edit.setPlainText(QStringLiteral("a=1\nb=2\nc=3"));
        const QTextEdit::ExtraSelection paused = TaskLineMark(edit, 1, TaskLineKind::Paused);
        const QTextEdit::ExtraSelection error = TaskLineMark(edit, 2, TaskLineKind::Error);
        QCOMPARE(paused.cursor.block().text(), QStringLiteral("b=2"));
        QCOMPARE(error.cursor.block().text(), QStringLiteral("c=3"));
        QVERIFY(paused.format.background() != error.format.background());
        QVERIFY(paused.format.property(QTextFormat::FullWidthSelection).toBool());
        QVERIFY(TaskLineMark(edit, 7, TaskLineKind::Error).cursor.isNull());
    }
};

QTEST_MAIN(TaskHighlighterTest)
#include "task_highlighter_test.moc"
