// TaskHighlighter: colours a task's text in an editor as the interpreter
// reads it: the statement keyword of each line (and THEN, ELSE, TO, STEP),
// texts in double quotes, label lines, and comments from the first
// apostrophe to the end of the line. TaskLineMark gives the whole-line
// marks an editor lays over it for the paused line and an error line.
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTextEdit>

class QPlainTextEdit;

namespace tarvix {

class TaskHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    explicit TaskHighlighter(QTextDocument* document);

    enum class Role { Keyword, Text, Label, Comment };
    const QTextCharFormat& Format(Role role) const;

protected:
    void highlightBlock(const QString& text) override;

private:
    QTextCharFormat keyword_, text_, label_, comment_;
};

enum class TaskLineKind { Paused, Error };

// The background of the paused line, or of the error line.
QColor TaskLineColor(TaskLineKind kind);

// The mark of a whole line (0-based) of the editor: the paused line's
// background, or the error line's; an editor shows it among its extra
// selections. A line outside the text gives an empty selection.
QTextEdit::ExtraSelection TaskLineMark(const QPlainTextEdit& editor, int line, TaskLineKind kind);

}  // namespace tarvix
